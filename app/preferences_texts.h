#pragma once

#include <QtGlobal>

// The texts of Edit > Preferences.

namespace horavela::app::texts {

inline constexpr char kMenuEdit[] = QT_TRANSLATE_NOOP("Horavela", "&Edit");
inline constexpr char kMenuPreferences[] = QT_TRANSLATE_NOOP("Horavela", "&Preferences...");
inline constexpr char kPreferencesTitle[] = QT_TRANSLATE_NOOP("Horavela", "Preferences");
inline constexpr char kPreferencesIntro[] = QT_TRANSLATE_NOOP(
    "Horavela",
    "How the program computes and counts. Leave these as they are unless your almanac works "
    "another way: the defaults are the program's own.");

// One row of the dialog for each calculation setting.
inline constexpr char kEphemerisLabel[] = QT_TRANSLATE_NOOP("Horavela", "&Ephemeris:");
inline constexpr char kEphemerisWhy[] = QT_TRANSLATE_NOOP(
    "Horavela",
    "Where the Sun, the Moon and the ascendant come from. With Swiss Ephemeris the changes of "
    "nakshatra and Moon sign fall where most almanacs print them, a few minutes earlier.");
inline constexpr char kAyanamsaLabel[] = QT_TRANSLATE_NOOP("Horavela", "&Ayanamsa:");
inline constexpr char kAyanamsaWhy[] = QT_TRANSLATE_NOOP(
    "Horavela",
    "How far the sidereal zodiac stands from the tropical. Choose the one your almanac or "
    "astrologer names; Lahiri is the one of the Indian Astronomical Ephemeris.");
inline constexpr char kSunriseLabel[] = QT_TRANSLATE_NOOP("Horavela", "&Sunrise:");
inline constexpr char kSunriseWhy[] = QT_TRANSLATE_NOOP(
    "Horavela",
    "When the day begins and ends. Published almanacs take the upper limb; many Indian programs "
    "take the centre of the disc, which rises some minutes later and sets earlier.");
inline constexpr char kTarabalaLabel[] = QT_TRANSLATE_NOOP("Horavela", "&Tarabala count:");
inline constexpr char kTarabalaWhy[] = QT_TRANSLATE_NOOP(
    "Horavela",
    "How the day's star is counted from the birth star. The classical count goes forward and "
    "counts the birth star itself as the first.");

}  // namespace horavela::app::texts
