#include "book/entry_checks.h"

#include <optional>

#include "engine/input_check.h"
#include "engine/text_limits.h"

namespace horavela::book {

namespace {

std::string Text(const std::optional<Problem>& problem) {
  return problem ? ProblemText(*problem) : std::string();
}

bool IsBlank(const std::string& text) {
  return text.find_first_not_of(" \t\r\n") == std::string::npos;
}

}  // namespace

std::string CheckPerson(const Person& person) {
  if (IsBlank(person.name)) return "name: is empty";
  if (std::string problem = Text(CheckTextLength(person.name, text_limits::kName, "name"));
      !problem.empty())
    return problem;
  if (std::string problem = Text(CheckSex(person.sex)); !problem.empty()) return problem;
  if (std::string problem = Text(CheckMoment(person.birth, "birth")); !problem.empty())
    return problem;
  return Text(CheckTextLength(person.note, text_limits::kNote, "note"));
}

std::string CheckPlace(const Place& place) {
  return Text(horavela::CheckPlace(place.place, ""));
}

}  // namespace horavela::book
