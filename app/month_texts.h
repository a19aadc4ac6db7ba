#pragma once

#include <QtGlobal>

// The texts of the month on one page: the Month tab and its printed sheet.
namespace horavela::app::texts {

inline constexpr char kTabMonth[] = QT_TRANSLATE_NOOP("Horavela", "Month");
inline constexpr char kMonthHeading[] = QT_TRANSLATE_NOOP("Horavela", "Month at a glance");
inline constexpr char kMonthEmpty[] = QT_TRANSLATE_NOOP(
    "Horavela",
    "Fill in the election page: the month of the election date is shown for the election place.");
inline constexpr char kMonthFailed[] =
    QT_TRANSLATE_NOOP("Horavela", "The month could not be computed");
// A cell's line is its left part, a tab and its right part.
// "January 2026 at New Delhi"
inline constexpr char kMonthTitle[] = QT_TRANSLATE_NOOP("Horavela", "%1 %2 at %3");
// "January 2026 at New Delhi, best times for Marriage"
inline constexpr char kMonthTitleFor[] =
    QT_TRANSLATE_NOOP("Horavela", "%1 %2 at %3, best times for %4");
// The best window's result word and its first and last minutes.
inline constexpr char kMonthBest[] = QT_TRANSLATE_NOOP("Horavela", "%1\t%2-%3");
inline constexpr char kMonthNote[] = QT_TRANSLATE_NOOP(
    "Horavela",
    "Tithi and nakshatra are those running at sunrise, with the time they end (+1: the next "
    "day). Grey days: a veto of the tradition is in force at some minute of the day.");
inline constexpr char kMonthRise[] = QT_TRANSLATE_NOOP("Horavela", "Rise %1\tSet %2");
inline constexpr char kMonthRahu[] = QT_TRANSLATE_NOOP("Horavela", "Rahu kalam\t%1-%2");
inline constexpr char kMonthEnds[] = QT_TRANSLATE_NOOP("Horavela", "%1\t%2");
inline constexpr char kMonthPrint[] = QT_TRANSLATE_NOOP("Horavela", "Print");
inline constexpr char kMonthSavePdf[] = QT_TRANSLATE_NOOP("Horavela", "Save as PDF");
inline constexpr char kMonthPdfCaption[] = QT_TRANSLATE_NOOP("Horavela", "Save the month as PDF");
inline constexpr char kMonthNotSaved[] =
    QT_TRANSLATE_NOOP("Horavela", "The month could not be saved to %1: %2");

}  // namespace horavela::app::texts
