#include "app/subject_catalogue.h"

namespace horavela::app {

const std::array<MainOption, kMainOptionCount>& MainOptions() {
  static const std::array<MainOption, kMainOptionCount> kOptions = {{
      {"Child Ceremonies",
       {"Naming of The Child or Namakarana", "Tonsuring of Head",
        "Piercing of the Ear or Karnavedha", "Thread Ceremony Or Upanayana",
        "First feeding of Solid Food (Annaprasan)", "Starting of Education (Aksharabhyasa)",
        "Adoption of a Child"}},
      {"Marriage", {"Engagement", "Marriage", "First Entrance of the Bride"}},
      {"Education",
       {"Learning of a Trade", "Learning of any Science", "Learning Dance Or Music",
        "Learning Astrology Or Astronomy", "Learning Medicine",
        "Learning Grammar, Logic Or Philosophy"}},
      {"Moving Into New Home", {"Entering a New House", "Entering a Rented House"}},
      {"Start On A New Job", {"Start On A New Job"}},
      {"Start A New Business", {"Start A New Business"}},
      {"Travel", {"Domestic Journey", "Religious Journey", "Foreign Journey"}},
      {"Construction", {"Laying the Foundation", "Starting the Construction of a House"}},
      {"Financial Transactions", {"Lending Money", "Borrowing Money"}},
      {"Legal", {"Legal"}},
      {"Medical Treatment",
       {"Starting medical treatment for chronic disease or recurring illness",
        "Date for operations"}},
      {"Buying and Selling", {"Buying Land", "Selling Land", "Buying Item", "Sell Item"}},
  }};
  return kOptions;
}

}  // namespace horavela::app
