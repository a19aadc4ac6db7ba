#pragma once

// The texts of the month on one page: the Month tab and its printed sheet.
namespace horavela::app::texts {

inline constexpr char kTabMonth[] = "Month";
inline constexpr char kMonthHeading[] = "Month at a glance";
inline constexpr char kMonthEmpty[] =
    "Fill in the election page: the month of the election date is shown for the election place.";
inline constexpr char kMonthFailed[] = "The month could not be computed";
// A cell's line is its left part, a tab and its right part.
// "January 2026 at New Delhi"
inline constexpr char kMonthTitle[] = "%1 %2 at %3";
// "January 2026 at New Delhi, best times for Marriage"
inline constexpr char kMonthTitleFor[] = "%1 %2 at %3, best times for %4";
// The best window's result word and its first and last minutes.
inline constexpr char kMonthBest[] = "%1\t%2-%3";
inline constexpr char kMonthNote[] =
    "Tithi and nakshatra are those running at sunrise, with the time they end (+1: the next "
    "day). Grey days: a veto of the tradition is in force at some minute of the day.";
inline constexpr char kMonthRise[] = "Rise %1\tSet %2";
inline constexpr char kMonthRahu[] = "Rahu kalam\t%1-%2";
inline constexpr char kMonthEnds[] = "%1\t%2";
inline constexpr char kMonthPrint[] = "Print";
inline constexpr char kMonthSavePdf[] = "Save as PDF";
inline constexpr char kMonthPdfCaption[] = "Save the month as PDF";
inline constexpr char kMonthNotSaved[] = "The month could not be saved to %1: %2";

}  // namespace horavela::app::texts
