#pragma once

#include <string>

#include <nlohmann/json.hpp>

#include "engine/problem.h"

// A problem found in a book to import, as a sentence a person reads in the
// desktop program: "Entry 2 (Asha Verma): the birth month must be between 1
// and 12." The command line keeps the path form ("people[1].birth.month: ...").
namespace horavela::book {

// `document` is the book as read, to name the entry at fault; null when the
// text was not JSON.
std::string BookProblemSentence(const Problem& problem, const nlohmann::json* document);

}  // namespace horavela::book
