#include "book/entry_checks.h"

#include "engine/input_check.h"
#include "engine/text_limits.h"

namespace horavela::book {

namespace {

bool IsBlank(const std::string& text) {
  return text.find_first_not_of(" \t\r\n") == std::string::npos;
}

}  // namespace

Result<void> CheckPerson(const Person& person) {
  if (IsBlank(person.name)) return Unexpected(Problem{"name", "is empty", Rule::Missing});
  return FirstFailure({CheckTextLength(person.name, text_limits::kName, "name"),
                       CheckSex(person.sex), CheckMoment(person.birth, "birth"),
                       CheckTextLength(person.note, text_limits::kNote, "note")});
}

Result<void> CheckPlace(const Place& place) {
  return horavela::CheckPlace(place.place, "");
}

}  // namespace horavela::book
