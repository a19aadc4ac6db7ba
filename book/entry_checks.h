#pragma once

#include "book/book.h"
#include "engine/result.h"

// What the book refuses to keep: the input pages' own checks, with the
// field's path below the entry ("birth.month: must be between 1 and 12").
namespace horavela::book {

// A name, "Male" or "Female", a birth the birth page would accept, and texts
// within their lengths (engine/text_limits.h).
Result<void> CheckPerson(const Person& person);

// Coordinates and zone the place page would accept.
Result<void> CheckPlace(const Place& place);

}  // namespace horavela::book
