#pragma once

#include <QtGlobal>

// The texts of the search for good times, kept together so tests can compare
// them character for character.

namespace horavela::app::texts {

inline constexpr char kFindTimes[] = QT_TRANSLATE_NOOP("Horavela", "Find good times...");
inline constexpr char kFindTimesTitle[] = QT_TRANSLATE_NOOP("Horavela", "Find good times");
inline constexpr char kFindFrom[] = QT_TRANSLATE_NOOP("Horavela", "&From");
inline constexpr char kFindTo[] = QT_TRANSLATE_NOOP("Horavela", "&To");
inline constexpr char kFindAtLeast[] = QT_TRANSLATE_NOOP("Horavela", "At &least");
inline constexpr char kFindTotalAtLeast[] = QT_TRANSLATE_NOOP("Horavela", "Total at least");
inline constexpr char kFindAnyTotal[] = QT_TRANSLATE_NOOP("Horavela", "any");
inline constexpr char kFindAvoidRahuKalam[] = QT_TRANSLATE_NOOP("Horavela", "Leave out Rahu kalam");
inline constexpr char kFindAvoidYamaganda[] = QT_TRANSLATE_NOOP("Horavela", "Leave out Yamaganda");
inline constexpr char kFindAvoidGulikaKalam[] =
    QT_TRANSLATE_NOOP("Horavela", "Leave out Gulika kalam");
inline constexpr char kFindObserveTradition[] =
    QT_TRANSLATE_NOOP("Horavela", "Observe the tradition's vetoes and panchanga shuddhi");
inline constexpr char kFindRegionalVetoes[] =
    QT_TRANSLATE_NOOP("Horavela", "Also regional vetoes (Holashtak, Pitru Paksha)");
// What the search runs on: %1 the undertaking, %2 the name, %3 the sex,
// %4 %5:%6 the birth date and clock, %7 the place, %8 %9 its latitude and
// longitude, %10 its zone (kFindZoneCaptions or kFindZoneFollowed).
inline constexpr char kFindSummary[] =
    QT_TRANSLATE_NOOP("Horavela", "<b>%1</b> for %2 (%3, born %4 %5:%6) at %7: %8 %9, %10.");
inline constexpr char kFindElectionPlace[] = QT_TRANSLATE_NOOP("Horavela", "the election place");
// %1 hours, %2 minutes east of Greenwich as typed, %3 kFindDst or nothing,
// %4 the offset from UTC.
inline constexpr char kFindZoneCaptions[] =
    QT_TRANSLATE_NOOP("Horavela", "zone %1 h %2 min%3 (%4)");
inline constexpr char kFindDst[] = QT_TRANSLATE_NOOP("Horavela", ", DST");
// %1 the tz zone's name.
inline constexpr char kFindZoneFollowsDst[] =
    QT_TRANSLATE_NOOP("Horavela", "%1, follows daylight saving");
// A window's tip: %1 %2 its first day and minute, %3 %4 its last, %5 its
// length in minutes, %6 kFindAmongBest or nothing, %7 its result listing.
inline constexpr char kFindWindowTip[] =
    QT_TRANSLATE_NOOP("Horavela", "%1 %2 \u2013 %3 %4, %5 minutes%6\n\n%7");
inline constexpr char kFindAmongBest[] =
    QT_TRANSLATE_NOOP("Horavela", ", among the best of the range");
// %1 the days ruled out, %2 the days of the range.
inline constexpr char kFindTraditionRulesOut[] =
    QT_TRANSLATE_NOOP("Horavela", "The tradition rules out %1 of %2 days");
// %1 how many periods are not named.
inline constexpr char kFindTraditionMore[] = QT_TRANSLATE_NOOP("Horavela", "and %1 more");
// A veto period as it touches a day or the searched range: its name, then
// its clock times or dates.
inline constexpr char kVetoAllDay[] = QT_TRANSLATE_NOOP("Horavela", "%1, all day");
inline constexpr char kVetoUntil[] = QT_TRANSLATE_NOOP("Horavela", "%1 until %2");
inline constexpr char kVetoFrom[] = QT_TRANSLATE_NOOP("Horavela", "%1 from %2");
inline constexpr char kVetoOn[] = QT_TRANSLATE_NOOP("Horavela", "%1 on %2");
inline constexpr char kVetoSpan[] = QT_TRANSLATE_NOOP("Horavela", "%1 %2\u2013%3");
inline constexpr char kVetoDates[] = QT_TRANSLATE_NOOP("Horavela", "%1 %2 \u2013 %3");
inline constexpr char kVetoRegional[] = QT_TRANSLATE_NOOP("Horavela", "%1 (regional)");
inline constexpr char kVetoReason[] = QT_TRANSLATE_NOOP("Horavela", "%1: %2");
inline constexpr char kFindExportCsv[] = QT_TRANSLATE_NOOP("Horavela", "Export CSV...");
inline constexpr char kFindExportCaption[] =
    QT_TRANSLATE_NOOP("Horavela", "Export the windows as CSV");
inline constexpr char kFindExportName[] = QT_TRANSLATE_NOOP("Horavela", "windows.csv");
inline constexpr char kFindExportFilter[] = QT_TRANSLATE_NOOP("Horavela", "CSV files (*.csv)");
// %1 the reason the file could not be written.
inline constexpr char kFindExportFailed[] =
    QT_TRANSLATE_NOOP("Horavela", "The windows could not be exported: %1");
inline constexpr char kFindAddToCalendar[] = QT_TRANSLATE_NOOP("Horavela", "Add to calendar...");
inline constexpr char kFindCalendarCaption[] =
    QT_TRANSLATE_NOOP("Horavela", "Save the windows as calendar events");
inline constexpr char kFindCalendarName[] = QT_TRANSLATE_NOOP("Horavela", "windows.ics");
inline constexpr char kFindCalendarFilter[] =
    QT_TRANSLATE_NOOP("Horavela", "iCalendar files (*.ics)");
// The window list's columns.
inline constexpr char kFindColumnTime[] = QT_TRANSLATE_NOOP("Horavela", "Time");
inline constexpr char kFindColumnResult[] = QT_TRANSLATE_NOOP("Horavela", "Result");
inline constexpr char kFindColumnTotal[] = QT_TRANSLATE_NOOP("Horavela", "Total");
inline constexpr char kFindColumnFactors[] = QT_TRANSLATE_NOOP("Horavela", "Factors");
inline constexpr char kFindColumnMinutes[] = QT_TRANSLATE_NOOP("Horavela", "Minutes");
inline constexpr char kFindSearch[] = QT_TRANSLATE_NOOP("Horavela", "&Search");
inline constexpr char kFindCancel[] = QT_TRANSLATE_NOOP("Horavela", "&Cancel");
inline constexpr char kFindUse[] = QT_TRANSLATE_NOOP("Horavela", "&Use this time");
inline constexpr char kFindClose[] = QT_TRANSLATE_NOOP("Horavela", "Close");
inline constexpr char kFindLegendGood[] = QT_TRANSLATE_NOOP("Horavela", "Good");
inline constexpr char kFindLegendAverage[] = QT_TRANSLATE_NOOP("Horavela", "Average");
inline constexpr char kFindResultBad[] = QT_TRANSLATE_NOOP("Horavela", "Bad");
inline constexpr char kFindHint[] = QT_TRANSLATE_NOOP(
    "Horavela",
    "Click a day to show its first window; under each day, the total of its best window. The "
    "list runs in time order (click a column's title to sort by it); the ten best windows "
    "are in bold. Double-click a window, or select it and press \"Use this time\", to judge "
    "it in full.");
inline constexpr char kFindReady[] =
    QT_TRANSLATE_NOOP("Horavela", "Choose the range and press Search.");
inline constexpr char kFindSearching[] = QT_TRANSLATE_NOOP("Horavela", "Searching...");
inline constexpr char kFindCancelling[] = QT_TRANSLATE_NOOP("Horavela", "Cancelling...");
inline constexpr char kFindCancelled[] = QT_TRANSLATE_NOOP("Horavela", "Search cancelled.");
// %1 the minimum result word.
inline constexpr char kFindNothing[] =
    QT_TRANSLATE_NOOP("Horavela", "No time in this range reaches %1.");
// %1 the number of windows, %2 the number of days, %3 seconds.
inline constexpr char kFindFound[] =
    QT_TRANSLATE_NOOP("Horavela", "%1 windows on %2 days, found in %3 s.");
// %1 the number of windows listed, with thousands separated by commas.
inline constexpr char kFindTruncated[] = QT_TRANSLATE_NOOP(
    "Horavela", "Showing the first %1 windows; narrow the range to see the rest.");
inline constexpr char kFindCannotSearch[] =
    QT_TRANSLATE_NOOP("Horavela", "The search cannot run: %1");
inline constexpr char kFindFailed[] = QT_TRANSLATE_NOOP("Horavela", "The search failed: %1");

// What keeps the pages from a search.
inline constexpr char kFindNoSubject[] =
    QT_TRANSLATE_NOOP("Horavela", "Choose the undertaking on the first page first.");
inline constexpr char kFindNoElectionPlace[] =
    QT_TRANSLATE_NOOP("Horavela", "Enter the latitude and longitude of the election place first.");
// %1 what is missing on the birth page.
inline constexpr char kFindBirthIncomplete[] = QT_TRANSLATE_NOOP(
    "Horavela",
    "The search judges every moment against the person's birth, and the birth page is not "
    "complete yet: %1. Press Next, fill in the birth page and use \"Find good times...\" there.");
inline constexpr char kFindNoName[] = QT_TRANSLATE_NOOP("Horavela", "the name is missing");
inline constexpr char kFindNoBirthDate[] = QT_TRANSLATE_NOOP("Horavela", "no birth date is chosen");
inline constexpr char kFindNoBirthPlace[] =
    QT_TRANSLATE_NOOP("Horavela", "the latitude and longitude of the birthplace are missing");

}  // namespace horavela::app::texts
