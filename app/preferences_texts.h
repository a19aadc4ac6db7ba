#pragma once

// The texts of Edit > Preferences.

namespace horavela::app::texts {

inline constexpr char kMenuEdit[] = "&Edit";
inline constexpr char kMenuPreferences[] = "&Preferences...";
inline constexpr char kPreferencesTitle[] = "Preferences";
inline constexpr char kPreferencesIntro[] =
    "How the program computes and counts. Leave these as they are unless your almanac works "
    "another way: the defaults are the program's own.";

// One row of the dialog for each calculation setting.
inline constexpr char kEphemerisLabel[] = "&Ephemeris:";
inline constexpr char kEphemerisWhy[] =
    "Where the Sun, the Moon and the ascendant come from. With Swiss Ephemeris the changes of "
    "nakshatra and Moon sign fall where most almanacs print them, a few minutes earlier.";
inline constexpr char kAyanamsaLabel[] = "&Ayanamsa:";
inline constexpr char kAyanamsaWhy[] =
    "How far the sidereal zodiac stands from the tropical. Choose the one your almanac or "
    "astrologer names; Lahiri is the one of the Indian Astronomical Ephemeris.";
inline constexpr char kSunriseLabel[] = "&Sunrise:";
inline constexpr char kSunriseWhy[] =
    "When the day begins and ends. Published almanacs take the upper limb; many Indian programs "
    "take the centre of the disc, which rises some minutes later and sets earlier.";
inline constexpr char kTarabalaLabel[] = "&Tarabala count:";
inline constexpr char kTarabalaWhy[] =
    "How the day's star is counted from the birth star. The classical count goes forward and "
    "counts the birth star itself as the first.";

}  // namespace horavela::app::texts
