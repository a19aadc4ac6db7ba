#pragma once

#include <QtGlobal>

// Every text the desktop program shows, kept in one place so tests can compare
// them character for character.

#include "report/program_version.h"

namespace horavela::app::texts {

inline constexpr char kWindowTitle[] = "Horavela v" HORAVELA_VERSION;
inline constexpr char kAlreadyRunning[] =
    QT_TRANSLATE_NOOP("Horavela", "Application is already running");

// Start page
inline constexpr char kSelectOption[] = QT_TRANSLATE_NOOP(
    "Horavela",
    "Select one of the options from the list of activities for which the Electional or "
    "Muhurtha time needs to be found.");
inline constexpr char kClickNext[] = QT_TRANSLATE_NOOP("Horavela", "Click on Next to Proceed");
inline constexpr char kStartParagraph1[] = QT_TRANSLATE_NOOP(
    "Horavela",
    "Electional astrology, or muhurtha, looks for the moment at which an undertaking should "
    "begin. The sky of that moment is weighed against the birth sky of the person concerned: "
    "the star and sign of the Moon, the ascendant, the lunar day, the weekday and the special "
    "yogas all have their say.");
inline constexpr char kStartParagraph2[] = QT_TRANSLATE_NOOP(
    "Horavela",
    "Pick a group of activities on the left, tick the activity in the list and press Next. "
    "You will then enter the proposed moment and place, and after that the birth details.");

// Both input pages: the activity chosen on the start page.
inline constexpr char kActivityHeading[] = QT_TRANSLATE_NOOP("Horavela", "Activity: %1");

// Election page
inline constexpr char kElectionFrame[] = QT_TRANSLATE_NOOP("Horavela", "Enter Election Details");
inline constexpr char kElectionParagraph1[] = QT_TRANSLATE_NOOP(
    "Horavela",
    "Enter the date, the clock time and the place of the moment you would like to judge. The "
    "weekday follows the date; change it only if you count the day from sunrise.");
inline constexpr char kElectionParagraph2[] = QT_TRANSLATE_NOOP(
    "Horavela",
    "Latitude and longitude are whole degrees and minutes. Choose the time zone of the place "
    "with \"TZ Help\" and tick DST when daylight saving time was in force.");

// Birth page
inline constexpr char kBirthFrame[] =
    QT_TRANSLATE_NOOP("Horavela", "Enter Birth Details of Native");
inline constexpr char kBirthParagraph1[] = QT_TRANSLATE_NOOP(
    "Horavela",
    "Enter the name, the date, the time and the place of birth of the person for whom the "
    "moment is chosen. The star of the Moon at birth decides the strength of the star and of "
    "the Moon at the chosen moment.");
inline constexpr char kBirthParagraph2[] = QT_TRANSLATE_NOOP(
    "Horavela",
    "Press Next to compute both charts and judge the moment. The result and a report you can "
    "print or save appear on three tabs.");

// Captions shared by both input pages
inline constexpr char kDate[] = QT_TRANSLATE_NOOP("Horavela", "Date");
inline constexpr char kWeekday[] = QT_TRANSLATE_NOOP("Horavela", "Weekday");
inline constexpr char kTime[] = QT_TRANSLATE_NOOP("Horavela", "Time");
inline constexpr char kTimeHint[] = QT_TRANSLATE_NOOP("Horavela", "HH/MM/SS");
inline constexpr char kName[] = QT_TRANSLATE_NOOP("Horavela", "Name");
inline constexpr char kMale[] = QT_TRANSLATE_NOOP("Horavela", "Male");
inline constexpr char kFemale[] = QT_TRANSLATE_NOOP("Horavela", "Female");
inline constexpr char kBirthDate[] = QT_TRANSLATE_NOOP("Horavela", "Birth Date");
inline constexpr char kBirthDay[] = QT_TRANSLATE_NOOP("Horavela", "Birth Day");
inline constexpr char kBirthTime[] = QT_TRANSLATE_NOOP("Horavela", "Birth Time");
inline constexpr char kCity[] = QT_TRANSLATE_NOOP("Horavela", "City");
inline constexpr char kState[] = QT_TRANSLATE_NOOP("Horavela", "State");
inline constexpr char kCountry[] = QT_TRANSLATE_NOOP("Horavela", "Country");
inline constexpr char kLatitude[] = QT_TRANSLATE_NOOP("Horavela", "Latitude");
inline constexpr char kLongitude[] = QT_TRANSLATE_NOOP("Horavela", "Longitude");
inline constexpr char kDegrees[] = QT_TRANSLATE_NOOP("Horavela", "Deg");
inline constexpr char kMinutes[] = QT_TRANSLATE_NOOP("Horavela", "Min");
inline constexpr char kNorth[] = QT_TRANSLATE_NOOP("Horavela", "North");
inline constexpr char kSouth[] = QT_TRANSLATE_NOOP("Horavela", "South");
inline constexpr char kEast[] = QT_TRANSLATE_NOOP("Horavela", "East");
inline constexpr char kWest[] = QT_TRANSLATE_NOOP("Horavela", "West");
inline constexpr char kSearch[] =
    QT_TRANSLATE_NOOP("Horavela", "Click here to find Latitude && Longitude");
inline constexpr char kTimeZoneFrame[] = QT_TRANSLATE_NOOP("Horavela", "Time Zone");
inline constexpr char kZoneHour[] = QT_TRANSLATE_NOOP("Horavela", "Hour");
inline constexpr char kZoneMinute[] = QT_TRANSLATE_NOOP("Horavela", "Min");
inline constexpr char kDst[] = QT_TRANSLATE_NOOP("Horavela", "DST");
inline constexpr char kTzHelp[] = QT_TRANSLATE_NOOP("Horavela", "TZ Help");
inline constexpr char kBack[] = QT_TRANSLATE_NOOP("Horavela", "< &Back");
inline constexpr char kNext[] = QT_TRANSLATE_NOOP("Horavela", "&Next >");

// Wait page and result area
inline constexpr char kPleaseWait[] = QT_TRANSLATE_NOOP(
    "Horavela", "Horavela is generating Electional Chart Analysis. Please Wait ...");
inline constexpr char kResultCaption[] = QT_TRANSLATE_NOOP("Horavela", "Muhurtha Result");
inline constexpr char kTabBirth[] = QT_TRANSLATE_NOOP("Horavela", "Birth Details");
inline constexpr char kTabElection[] = QT_TRANSLATE_NOOP("Horavela", "Election Details");
inline constexpr char kTabAnalysis[] = QT_TRANSLATE_NOOP("Horavela", "Electional Analysis");
inline constexpr char kReportHeading[] = QT_TRANSLATE_NOOP("Horavela", "Horavela Report");
// The page that closes the printed report.
inline constexpr char kSummaryHeading[] = QT_TRANSLATE_NOOP("Horavela", "Summary");
inline constexpr char kSummaryFactor[] = QT_TRANSLATE_NOOP("Horavela", "Factor");
inline constexpr char kSummaryVerdict[] = QT_TRANSLATE_NOOP("Horavela", "Verdict");
inline constexpr char kSummaryPoints[] = QT_TRANSLATE_NOOP("Horavela", "Points");
inline constexpr char kSummaryTotal[] = QT_TRANSLATE_NOOP("Horavela", "Total");
inline constexpr char kPrint[] = QT_TRANSLATE_NOOP("Horavela", "&Print");
inline constexpr char kSavePdf[] = QT_TRANSLATE_NOOP("Horavela", "Save as &PDF...");
inline constexpr char kSaveRtf[] = QT_TRANSLATE_NOOP("Horavela", "Save as &RTF...");
inline constexpr char kAddToCalendar[] = QT_TRANSLATE_NOOP("Horavela", "Add to calendar...");
inline constexpr char kDateSuffix[] = QT_TRANSLATE_NOOP("Horavela", "MM:DD:YYYY");
inline constexpr char kTimeSuffix[] = QT_TRANSLATE_NOOP("Horavela", "HH:MM");

// Menus
inline constexpr char kMenuFile[] = QT_TRANSLATE_NOOP("Horavela", "&File");
inline constexpr char kMenuNewEvaluation[] = QT_TRANSLATE_NOOP("Horavela", "&New Evaluation");
inline constexpr char kMenuExit[] = QT_TRANSLATE_NOOP("Horavela", "E&xit");
inline constexpr char kMenuHelp[] = QT_TRANSLATE_NOOP("Horavela", "&Help");
inline constexpr char kMenuOnlineHelp[] = QT_TRANSLATE_NOOP("Horavela", "&Online Help");
inline constexpr char kMenuVisitUs[] = QT_TRANSLATE_NOOP("Horavela", "&Visit Us Online");
inline constexpr char kMenuUpdate[] = QT_TRANSLATE_NOOP("Horavela", "Check for Software &Update");
// View > Language. The texts are built once, so a new language shows from the
// next start on.
inline constexpr char kMenuLanguage[] = QT_TRANSLATE_NOOP("Horavela", "&Language");
inline constexpr char kLanguageAtNextStart[] =
    QT_TRANSLATE_NOOP("Horavela", "The program will speak %1 from its next start.");
inline constexpr char kRestartNow[] = QT_TRANSLATE_NOOP("Horavela", "Restart now");
inline constexpr char kRestartLater[] = QT_TRANSLATE_NOOP("Horavela", "Later");
// View > Native digits: the chosen language's own digits on the pages and in
// the reports.
inline constexpr char kMenuNativeDigits[] = QT_TRANSLATE_NOOP("Horavela", "&Native digits");
inline constexpr char kMenuAbout[] = QT_TRANSLATE_NOOP("Horavela", "&About Software");

// Time zone picker
inline constexpr char kQuit[] = QT_TRANSLATE_NOOP("Horavela", "&Quit");

// Keystroke filters
inline constexpr char kOnlyCharacters[] =
    QT_TRANSLATE_NOOP("Horavela", "Only characters are accepted.");
inline constexpr char kOnlyNumbers[] = QT_TRANSLATE_NOOP("Horavela", "Only numbers are accepted.");

// The numbers the date and time boxes offer, said when a number outside them is typed.
inline constexpr char kYearsRange[] =
    QT_TRANSLATE_NOOP("Horavela", "The years run from 1901 to 2050.");
inline constexpr char kMonthsRange[] =
    QT_TRANSLATE_NOOP("Horavela", "The months run from 1 (January) to 12 (December).");
inline constexpr char kDaysRange[] = QT_TRANSLATE_NOOP("Horavela", "The days run from 1 to 31.");
inline constexpr char kHoursRange[] = QT_TRANSLATE_NOOP("Horavela", "The hours run from 0 to 23.");
inline constexpr char kMinutesRange[] =
    QT_TRANSLATE_NOOP("Horavela", "The minutes run from 0 to 59.");
inline constexpr char kSecondsRange[] =
    QT_TRANSLATE_NOOP("Horavela", "The seconds run from 0 to 59.");

// Page checks
inline constexpr char kSelectSubject[] = QT_TRANSLATE_NOOP("Horavela", "Please Select A Subject");
inline constexpr char kEnterName[] = QT_TRANSLATE_NOOP("Horavela", "Please Enter Your Name");
inline constexpr char kEnterLatitudeDegrees[] =
    QT_TRANSLATE_NOOP("Horavela", "Please Enter Degree in Latitude");
inline constexpr char kEnterLatitudeMinutes[] =
    QT_TRANSLATE_NOOP("Horavela", "Please Enter Minute in Latitude");
inline constexpr char kEnterLongitudeDegrees[] =
    QT_TRANSLATE_NOOP("Horavela", "Please Enter Degree in Longitude");
inline constexpr char kEnterLongitudeMinutes[] =
    QT_TRANSLATE_NOOP("Horavela", "Please Enter Minute in Longitude");
inline constexpr char kSelectBirthDate[] =
    QT_TRANSLATE_NOOP("Horavela", "Please Select Birth Date");
inline constexpr char kBirthAfterElection[] = QT_TRANSLATE_NOOP(
    "Horavela",
    "The birth, %1, is later than the election moment, %2. A moment can only be judged for "
    "someone already born: correct the birth date or the election date.");
inline constexpr char kEnterCity[] = QT_TRANSLATE_NOOP("Horavela", "Please Enter City");
inline constexpr char kEnterState[] = QT_TRANSLATE_NOOP("Horavela", "Please Enter State");
inline constexpr char kEnterCountry[] = QT_TRANSLATE_NOOP("Horavela", "Please Enter Country");
inline constexpr char kLatitudeDegreesRange[] =
    QT_TRANSLATE_NOOP("Horavela", "Latitude degrees must be between 0 and 90");
inline constexpr char kLatitudeMinutesRange[] =
    QT_TRANSLATE_NOOP("Horavela", "Latitude minutes must be between 0 and 59");
inline constexpr char kLatitudeBeyondPole[] = QT_TRANSLATE_NOOP(
    "Horavela", "Latitude cannot exceed 90 degrees: the minutes must be 0 at 90 degrees");
inline constexpr char kLongitudeDegreesRange[] =
    QT_TRANSLATE_NOOP("Horavela", "Longitude degrees must be between 0 and 180");
inline constexpr char kLongitudeMinutesRange[] =
    QT_TRANSLATE_NOOP("Horavela", "Longitude minutes must be between 0 and 59");
inline constexpr char kLongitudeBeyondLimit[] = QT_TRANSLATE_NOOP(
    "Horavela", "Longitude cannot exceed 180 degrees: the minutes must be 0 at 180 degrees");
inline constexpr char kPlaceSearchSuffix[] = QT_TRANSLATE_NOOP("Horavela", " Latitude Longitude");
// A date not in the calendar: "Birth date April 31 1901 does not exist"; the
// first word names whose date, capitalised at a message's start.
inline constexpr char kDateProblem[] = QT_TRANSLATE_NOOP("Horavela", "%1 date %2");
inline constexpr char kBirthWord[] = QT_TRANSLATE_NOOP("Horavela", "Birth");
inline constexpr char kElectionWord[] = QT_TRANSLATE_NOOP("Horavela", "Election");
inline constexpr char kBirthWordInSentence[] = QT_TRANSLATE_NOOP("Horavela", "birth");
inline constexpr char kElectionWordInSentence[] = QT_TRANSLATE_NOOP("Horavela", "election");
inline constexpr char kElectionPlaceProblem[] = QT_TRANSLATE_NOOP("Horavela", "Election place: %1");
// "20 December 2024 at 07:05": the day, the month's name, the year, the clock.
inline constexpr char kMomentWords[] = QT_TRANSLATE_NOOP("Horavela", "%1 %2 %3 at %4:%5");

// The latitude button: the atlas first, then the web
inline constexpr char kAtlasMatchesIntro[] = QT_TRANSLATE_NOOP(
    "Horavela",
    "The offline atlas knows these places for \"%1\". Choose one to fill in its coordinates "
    "and time zone, or search the web.");
inline constexpr char kAtlasUsePlace[] = QT_TRANSLATE_NOOP("Horavela", "&Use this place");
inline constexpr char kAtlasSearchWeb[] = QT_TRANSLATE_NOOP("Horavela", "Search the &web");
inline constexpr char kAtlasCancel[] = QT_TRANSLATE_NOOP("Horavela", "Cancel");
inline constexpr char kNoBrowserForSearch[] = QT_TRANSLATE_NOOP(
    "Horavela",
    "The web search could not be opened: no web browser is available on this computer. Search "
    "for \"%1\" yourself, or choose the place in the offline atlas by typing its name into "
    "City.");
inline constexpr char kNoBrowserForPage[] = QT_TRANSLATE_NOOP(
    "Horavela", "The page %1 could not be opened: no web browser is available on this computer.");

// Report output
inline constexpr char kNoPrinter[] = QT_TRANSLATE_NOOP("Horavela", "No printer is available.");
inline constexpr char kOfferPdf[] =
    QT_TRANSLATE_NOOP("Horavela", "Would you like to save the report as a PDF file instead?");
inline constexpr char kReportNotSaved[] =
    QT_TRANSLATE_NOOP("Horavela", "The report could not be saved to %1: %2");
inline constexpr char kPrintFailed[] =
    QT_TRANSLATE_NOOP("Horavela", "The report could not be printed.");
inline constexpr char kSavePdfCaption[] = QT_TRANSLATE_NOOP("Horavela", "Save the report as PDF");
inline constexpr char kSaveRtfCaption[] = QT_TRANSLATE_NOOP("Horavela", "Save the report as RTF");
inline constexpr char kPdfFilter[] = QT_TRANSLATE_NOOP("Horavela", "PDF files (*.pdf)");
inline constexpr char kRtfFilter[] = QT_TRANSLATE_NOOP("Horavela", "Rich text files (*.rtf)");
inline constexpr char kAddToCalendarCaption[] =
    QT_TRANSLATE_NOOP("Horavela", "Save the moment as a calendar event");
inline constexpr char kCalendarFilter[] = QT_TRANSLATE_NOOP("Horavela", "iCalendar files (*.ics)");
// %1 the file, %2 the reason.
inline constexpr char kCalendarNotSaved[] =
    QT_TRANSLATE_NOOP("Horavela", "The calendar file could not be saved to %1: %2");

// Evaluation failures
inline constexpr char kEvaluationFailed[] =
    QT_TRANSLATE_NOOP("Horavela", "The evaluation could not be completed");

}  // namespace horavela::app::texts
