#include "app/subject_catalogue.h"

#include <string>

#include "app/translation.h"

namespace horavela::app {

const std::array<MainOption, kMainOptionCount>& MainOptions() {
  static const std::array<MainOption, kMainOptionCount> kOptions = {{
      {QT_TRANSLATE_NOOP("Horavela", "Child Ceremonies"),
       {QT_TRANSLATE_NOOP("Horavela", "Naming of The Child or Namakarana"),
        QT_TRANSLATE_NOOP("Horavela", "Tonsuring of Head"),
        QT_TRANSLATE_NOOP("Horavela", "Piercing of the Ear or Karnavedha"),
        QT_TRANSLATE_NOOP("Horavela", "Thread Ceremony Or Upanayana"),
        QT_TRANSLATE_NOOP("Horavela", "First feeding of Solid Food (Annaprasan)"),
        QT_TRANSLATE_NOOP("Horavela", "Starting of Education (Aksharabhyasa)"),
        QT_TRANSLATE_NOOP("Horavela", "Adoption of a Child")}},
      {QT_TRANSLATE_NOOP("Horavela", "Marriage"),
       {QT_TRANSLATE_NOOP("Horavela", "Engagement"), QT_TRANSLATE_NOOP("Horavela", "Marriage"),
        QT_TRANSLATE_NOOP("Horavela", "First Entrance of the Bride")}},
      {QT_TRANSLATE_NOOP("Horavela", "Education"),
       {QT_TRANSLATE_NOOP("Horavela", "Learning of a Trade"),
        QT_TRANSLATE_NOOP("Horavela", "Learning of any Science"),
        QT_TRANSLATE_NOOP("Horavela", "Learning Dance Or Music"),
        QT_TRANSLATE_NOOP("Horavela", "Learning Astrology Or Astronomy"),
        QT_TRANSLATE_NOOP("Horavela", "Learning Medicine"),
        QT_TRANSLATE_NOOP("Horavela", "Learning Grammar, Logic Or Philosophy")}},
      {QT_TRANSLATE_NOOP("Horavela", "Moving Into New Home"),
       {QT_TRANSLATE_NOOP("Horavela", "Entering a New House"),
        QT_TRANSLATE_NOOP("Horavela", "Entering a Rented House")}},
      {QT_TRANSLATE_NOOP("Horavela", "Start On A New Job"),
       {QT_TRANSLATE_NOOP("Horavela", "Start On A New Job")}},
      {QT_TRANSLATE_NOOP("Horavela", "Start A New Business"),
       {QT_TRANSLATE_NOOP("Horavela", "Start A New Business")}},
      {QT_TRANSLATE_NOOP("Horavela", "Travel"),
       {QT_TRANSLATE_NOOP("Horavela", "Domestic Journey"),
        QT_TRANSLATE_NOOP("Horavela", "Religious Journey"),
        QT_TRANSLATE_NOOP("Horavela", "Foreign Journey")}},
      {QT_TRANSLATE_NOOP("Horavela", "Construction"),
       {QT_TRANSLATE_NOOP("Horavela", "Laying the Foundation"),
        QT_TRANSLATE_NOOP("Horavela", "Starting the Construction of a House")}},
      {QT_TRANSLATE_NOOP("Horavela", "Financial Transactions"),
       {QT_TRANSLATE_NOOP("Horavela", "Lending Money"),
        QT_TRANSLATE_NOOP("Horavela", "Borrowing Money")}},
      {QT_TRANSLATE_NOOP("Horavela", "Legal"), {QT_TRANSLATE_NOOP("Horavela", "Legal")}},
      {QT_TRANSLATE_NOOP("Horavela", "Medical Treatment"),
       {QT_TRANSLATE_NOOP("Horavela",
                          "Starting medical treatment for chronic disease or recurring illness"),
        QT_TRANSLATE_NOOP("Horavela", "Date for operations")}},
      {QT_TRANSLATE_NOOP("Horavela", "Buying and Selling"),
       {QT_TRANSLATE_NOOP("Horavela", "Buying Land"), QT_TRANSLATE_NOOP("Horavela", "Selling Land"),
        QT_TRANSLATE_NOOP("Horavela", "Buying Item"), QT_TRANSLATE_NOOP("Horavela", "Sell Item")}},
  }};
  return kOptions;
}

QString SubjectText(std::string_view key) {
  return Tr(std::string(key).c_str());
}

QString SubjectText(const QString& key) {
  return key.isEmpty() ? key : Tr(key.toUtf8().constData());
}

}  // namespace horavela::app
