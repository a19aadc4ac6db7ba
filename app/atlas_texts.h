#pragma once

#include <QtGlobal>

// The texts of the offline atlas in the input pages. Arguments: %1 the clock
// time and date ("02:30 on March 10 2024"), %2 the zone's name, then offsets.

namespace horavela::app::texts {

// "Asia/Kolkata, UTC+05:30"
inline constexpr char kZoneInfo[] = QT_TRANSLATE_NOOP("Horavela", "%1, %2");
inline constexpr char kZoneInfoFirst[] = QT_TRANSLATE_NOOP("Horavela", "%1, %2 (the first %3)");
inline constexpr char kZoneInfoSecond[] = QT_TRANSLATE_NOOP("Horavela", "%1, %2 (the second %3)");
inline constexpr char kZoneInfoSkipped[] = QT_TRANSLATE_NOOP("Horavela", "%1: %2 did not exist");
inline constexpr char kZoneInfoRepeated[] = QT_TRANSLATE_NOOP("Horavela", "%1: %2 happened twice");
inline constexpr char kZoneInfoNoDate[] = QT_TRANSLATE_NOOP("Horavela", "%1: choose the date");

// Where the page's coordinates come from. %1 the atlas city, "New Delhi,
// National Capital Territory of Delhi, India".
inline constexpr char kFromAtlas[] = QT_TRANSLATE_NOOP("Horavela", "From the atlas: %1");
inline constexpr char kTypedByHand[] =
    QT_TRANSLATE_NOOP("Horavela", "Coordinates typed by hand, not from the atlas");
// A city named by hand that the atlas does not know as one city: the state,
// country, coordinates and zone of the city before it were cleared.
inline constexpr char kPlaceToEnter[] = QT_TRANSLATE_NOOP(
    "Horavela",
    "Not one atlas city: enter coordinates and zone, or state and country and click above");
// %1 the city as typed, %2 the atlas city whose place was cleared.
inline constexpr char kPlaceUnknown[] = QT_TRANSLATE_NOOP(
    "Horavela",
    "The atlas does not know \"%1\" as one city, so the coordinates and zone of %2 were "
    "cleared. Please enter the coordinates of %1 and choose its zone with \"TZ Help\", or "
    "enter its state and country and use \"Click here to find Latitude & Longitude\".");
// The same in the book's form, which has neither Search nor "TZ Help".
inline constexpr char kFormPlaceToEnter[] =
    QT_TRANSLATE_NOOP("Horavela", "Not one city of the atlas: enter its coordinates and zone");
inline constexpr char kFormPlaceUnknown[] = QT_TRANSLATE_NOOP(
    "Horavela",
    "The atlas does not know \"%1\" as one city, so the coordinates and zone of %2 were "
    "cleared. Please enter the coordinates and the zone of %1.");

inline constexpr char kSkippedTime[] = QT_TRANSLATE_NOOP(
    "Horavela",
    "The clock time %1 did not exist in %2: the clocks were put forward from %3 to %4. "
    "Please correct the time, or choose the zone yourself with \"TZ Help\".");
inline constexpr char kRepeatedTime[] = QT_TRANSLATE_NOOP(
    "Horavela",
    "The clock time %1 happened twice in %2: first at %3, then again at %4, after the clocks "
    "were put back.");
inline constexpr char kAskFirst[] =
    QT_TRANSLATE_NOOP("Horavela", "Was it the first of them, at %1?");
inline constexpr char kAskSecond[] =
    QT_TRANSLATE_NOOP("Horavela", "Was it the second of them, at %1?");
inline constexpr char kRepeatedUndecided[] = QT_TRANSLATE_NOOP(
    "Horavela",
    "The clock time %1 happened twice in %2. Please say which of the two was meant, or correct "
    "the time.");
inline constexpr char kZoneUnknown[] = QT_TRANSLATE_NOOP(
    "Horavela",
    "The time zone %1 of %2 is not in this system's time zone database. Please choose the zone "
    "with \"TZ Help\".");

}  // namespace horavela::app::texts
