#pragma once

// The texts of the search for good times, kept together so tests can compare
// them character for character.

namespace horavela::app::texts {

inline constexpr char kFindTimes[] = "Find good times...";
inline constexpr char kFindTimesTitle[] = "Find good times";
inline constexpr char kFindFrom[] = "&From";
inline constexpr char kFindTo[] = "&To";
inline constexpr char kFindAtLeast[] = "At &least";
inline constexpr char kFindTotalAtLeast[] = "Total at least";
inline constexpr char kFindAnyTotal[] = "any";
inline constexpr char kFindAvoidRahuKalam[] = "Leave out Rahu kalam";
inline constexpr char kFindAvoidYamaganda[] = "Leave out Yamaganda";
inline constexpr char kFindAvoidGulikaKalam[] = "Leave out Gulika kalam";
inline constexpr char kFindObserveTradition[] =
    "Observe the tradition's vetoes and panchanga shuddhi";
inline constexpr char kFindRegionalVetoes[] = "Also regional vetoes (Holashtak, Pitru Paksha)";
// %1 the days ruled out, %2 the days of the range.
inline constexpr char kFindTraditionRulesOut[] = "The tradition rules out %1 of %2 days";
// %1 how many periods are not named.
inline constexpr char kFindTraditionMore[] = "and %1 more";
inline constexpr char kFindExportCsv[] = "Export CSV...";
inline constexpr char kFindExportCaption[] = "Export the windows as CSV";
inline constexpr char kFindExportName[] = "windows.csv";
inline constexpr char kFindExportFilter[] = "CSV files (*.csv)";
// %1 the reason the file could not be written.
inline constexpr char kFindExportFailed[] = "The windows could not be exported: %1";
inline constexpr char kFindAddToCalendar[] = "Add to calendar...";
inline constexpr char kFindCalendarCaption[] = "Save the windows as calendar events";
inline constexpr char kFindCalendarName[] = "windows.ics";
inline constexpr char kFindCalendarFilter[] = "iCalendar files (*.ics)";
// The window list's columns.
inline constexpr char kFindColumnTime[] = "Time";
inline constexpr char kFindColumnResult[] = "Result";
inline constexpr char kFindColumnTotal[] = "Total";
inline constexpr char kFindColumnFactors[] = "Factors";
inline constexpr char kFindColumnMinutes[] = "Minutes";
inline constexpr char kFindSearch[] = "&Search";
inline constexpr char kFindCancel[] = "&Cancel";
inline constexpr char kFindUse[] = "&Use this time";
inline constexpr char kFindClose[] = "Close";
inline constexpr char kFindLegendGood[] = "Good";
inline constexpr char kFindLegendAverage[] = "Average";
inline constexpr char kFindHint[] =
    "Click a day to show its first window; under each day, the total of its best window. The "
    "list runs in time order (click a column's title to sort by it); the ten best windows "
    "are in bold. Double-click a window, or select it and press \"Use this time\", to judge "
    "it in full.";
inline constexpr char kFindReady[] = "Choose the range and press Search.";
inline constexpr char kFindSearching[] = "Searching...";
inline constexpr char kFindCancelling[] = "Cancelling...";
inline constexpr char kFindCancelled[] = "Search cancelled.";
// %1 the minimum result word.
inline constexpr char kFindNothing[] = "No time in this range reaches %1.";
// %1 the number of windows, %2 the number of days, %3 seconds.
inline constexpr char kFindFound[] = "%1 windows on %2 days, found in %3 s.";
// %1 the number of windows listed, with thousands separated by commas.
inline constexpr char kFindTruncated[] =
    "Showing the first %1 windows; narrow the range to see the rest.";
inline constexpr char kFindCannotSearch[] = "The search cannot run: %1";
inline constexpr char kFindFailed[] = "The search failed: %1";

// What keeps the pages from a search.
inline constexpr char kFindNoSubject[] = "Choose the undertaking on the first page first.";
inline constexpr char kFindNoElectionPlace[] =
    "Enter the latitude and longitude of the election place first.";
// %1 what is missing on the birth page.
inline constexpr char kFindBirthIncomplete[] =
    "The search judges every moment against the person's birth, and the birth page is not "
    "complete yet: %1. Press Next, fill in the birth page and use \"Find good times...\" there.";
inline constexpr char kFindNoName[] = "the name is missing";
inline constexpr char kFindNoBirthDate[] = "no birth date is chosen";
inline constexpr char kFindNoBirthPlace[] =
    "the latitude and longitude of the birthplace are missing";

}  // namespace horavela::app::texts
