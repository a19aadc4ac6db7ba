#pragma once

#include <QString>

#include "book/book.h"

// How the entries of the book read in lists and messages, and when two of
// them are the same.
namespace horavela::app {

// "23 August 1998"
QString BirthDateText(const MomentEntry& birth);
// "07:05"
QString ClockText(const MomentEntry& moment);
// "Mumbai, Maharashtra, India", leaving out empty parts.
QString PlaceLabelText(const PlaceEntry& place);
// "18°58' N, 72°50' E"
QString CoordinatesText(const PlaceEntry& place);

// The same name and the same birth: date, clock time and coordinates.
bool SamePerson(const book::Person& a, const book::Person& b);
// The same city, state and country at the same coordinates.
bool SamePlace(const book::Place& a, const book::Place& b);

}  // namespace horavela::app
