#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "engine/evaluation_input.h"

namespace horavela::app {

// A field a page check requires, with the message that names it.
struct RequiredField {
  QString text;
  QString message;
};

// Index of the first field whose text is empty (with surrounding blanks
// removed when `trimmed`), or nothing when all are filled.
std::optional<int> FirstEmptyField(const std::vector<RequiredField>& fields, bool trimmed);

// The four coordinate fields of a page, in page order.
enum class CoordinateField { LatitudeDegrees, LatitudeMinutes, LongitudeDegrees, LongitudeMinutes };

struct CoordinateProblem {
  CoordinateField field;
  QString message;
};

// Refuses coordinates no place on Earth has (the core's CheckCoordinate decides;
// the page words it): latitude above 90 degrees,
// longitude above 180, minutes above 59, or minutes beyond 90 or 180 degrees.
// The texts are digits only (the fields' filters see to that).
std::optional<CoordinateProblem> CheckCoordinates(const QString& latitudeDegrees,
                                                  const QString& latitudeMinutes,
                                                  const QString& longitudeDegrees,
                                                  const QString& longitudeMinutes);

// "Election date April 31 1901 does not exist" when the date is not in the
// calendar, else an empty string. `month` is 1..12.
QString CheckDateExists(const QString& which, int year, int month, int day);

// The text handed to the place search: the three fields as typed, blanks
// between them, then " Latitude Longitude".
QString PlaceSearchText(const QString& city, const QString& state, const QString& country);

// Texts of the details pages: "January 5 2011 MM:DD:YYYY", "7 5 HH:MM" and
// "City State Country"; every part is trimmed and the parts are joined by blanks.
QString DateText(const QString& month, const QString& day, const QString& year);
QString TimeText(const QString& hour, const QString& minute);
QString PlaceText(const QString& city, const QString& state, const QString& country);

// The zone captions as people write the offset: "-5" and "-30" are
// "UTC+05:30"; DST moves the clock one hour east.
QString ZoneOffsetText(const QString& hours, const QString& minutes, bool dst);

// Empty when the person was born before the election moment (compared on the
// universal clock, each moment with its own zone), else the message naming both.
QString CheckBornBeforeElection(const MomentEntry& birth, const MomentEntry& election);

}  // namespace horavela::app
