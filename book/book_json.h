#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "book/book.h"

// The book in the command line's JSON forms, for `horavela-cli book` and the
// desktop program's import and export:
// {"people": [{"name", "sex", "birth": MOMENT, "note"}], "places": [PLACE, ...]}
// (MOMENT and PLACE as a request writes them, with "tz" where the entry has one).
namespace horavela::book {

std::string BookJson(const std::vector<book::Person>& people,
                     const std::vector<book::Place>& places);

struct ParsedBook {
  std::vector<book::Person> people;
  std::vector<book::Place> places;
  std::string error;     // empty when the text is a book; else the field's path and the problem
  std::string sentence;  // the same problem as a sentence that names the entry
};
ParsedBook ParseBookJson(std::string_view text);

// One person object of the export form ({"name", "sex", "birth", "note"}).
struct ParsedPerson {
  std::optional<book::Person> person;
  std::string error;
};
ParsedPerson ParsePersonJson(std::string_view text);

}  // namespace horavela::book
