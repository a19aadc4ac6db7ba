// Feeds arbitrary texts to the reader of the book's JSON form (what `book
// import` and the desktop program's import read). A text read as a book is
// exported and read back: the export must read as the same people and places,
// and exporting those again must give the very same text. A refusal must
// read "path: message".
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "book/book_json.h"
#include "fuzz/error_form.h"

namespace {

using horavela::fuzz::Fail;

auto Fields(const horavela::PlaceEntry& p) {
  return std::tie(p.latitudeDegrees, p.latitudeMinutes, p.north, p.longitudeDegrees,
                  p.longitudeMinutes, p.east, p.zoneHours, p.zoneMinutes, p.dst, p.city, p.state,
                  p.country);
}

auto Fields(const horavela::MomentEntry& m) {
  return std::tie(m.year, m.month, m.day, m.hour, m.minute, m.second);
}

// Equal as a user would see them; a zone kept as "tz" or as its captions alike.
bool SamePerson(const horavela::book::Person& a, const horavela::book::Person& b) {
  return a.name == b.name && a.sex == b.sex && a.note == b.note &&
         Fields(a.birth) == Fields(b.birth) && Fields(a.birth.place) == Fields(b.birth.place);
}

bool SamePlace(const horavela::book::Place& a, const horavela::book::Place& b) {
  return Fields(a.place) == Fields(b.place);
}

template <typename T, typename Same>
bool SameLists(const std::vector<T>& a, const std::vector<T>& b, Same same) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (!same(a[i], b[i])) return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const horavela::Result<horavela::book::BookEntries> read = horavela::book::ParseBookJson(text);
  if (!read) {
    horavela::fuzz::CheckErrorForm(horavela::ProblemText(read.error()));
    return 0;
  }
  const std::string exported = horavela::book::BookJson(read->people, read->places);
  const horavela::Result<horavela::book::BookEntries> back =
      horavela::book::ParseBookJson(exported);
  if (!back)
    Fail("an export does not read back", horavela::ProblemText(back.error()) + "\n" + exported);
  if (!SameLists(read->people, back->people, SamePerson))
    Fail("the people read back differ", exported);
  if (!SameLists(read->places, back->places, SamePlace))
    Fail("the places read back differ", exported);
  if (horavela::book::BookJson(back->people, back->places) != exported)
    Fail("a second export differs from the first", exported);
  return 0;
}
