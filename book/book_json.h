#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "book/book.h"
#include "engine/result.h"

// The book in the command line's JSON forms, for `horavela-cli book` and the
// desktop program's import and export:
// {"people": [{"name", "sex", "birth": MOMENT, "note"}], "places": [PLACE, ...]}
// (MOMENT and PLACE as a request writes them, with "tz" where the entry has one).
namespace horavela::book {

std::string BookJson(const std::vector<book::Person>& people,
                     const std::vector<book::Place>& places);

// The people and places a book's JSON text holds.
struct BookEntries {
  std::vector<Person> people;
  std::vector<Place> places;
};

// The entries of a book's JSON text, or the first problem, named by the
// field's path ("people[1].birth.month").
Result<BookEntries> ParseBookJson(std::string_view text);

// The problem ParseBookJson found in `text`, as a sentence that names the
// entry at fault (book_problem_text.h).
std::string BookProblemSentence(const Problem& problem, std::string_view text);

// One person object of the export form ({"name", "sex", "birth", "note"}).
Result<Person> ParsePersonJson(std::string_view text);

}  // namespace horavela::book
