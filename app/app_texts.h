#pragma once

// Every text the desktop program shows, kept in one place so tests can compare
// them character for character.

#include "report/program_version.h"

namespace horavela::app::texts {

inline constexpr char kWindowTitle[] = "Horavela v" HORAVELA_VERSION;
inline constexpr char kAlreadyRunning[] = "Application is already running";

// Start page
inline constexpr char kSelectOption[] =
    "Select one of the options from the list of activities for which the Electional or "
    "Muhurtha time needs to be found.";
inline constexpr char kClickNext[] = "Click on Next to Proceed";
inline constexpr char kStartParagraph1[] =
    "Electional astrology, or muhurtha, looks for the moment at which an undertaking should "
    "begin. The sky of that moment is weighed against the birth sky of the person concerned: "
    "the star and sign of the Moon, the ascendant, the lunar day, the weekday and the special "
    "yogas all have their say.";
inline constexpr char kStartParagraph2[] =
    "Pick a group of activities on the left, tick the activity in the list and press Next. "
    "You will then enter the proposed moment and place, and after that the birth details.";

// Both input pages: the activity chosen on the start page.
inline constexpr char kActivityHeading[] = "Activity: %1";

// Election page
inline constexpr char kElectionFrame[] = "Enter Election Details";
inline constexpr char kElectionParagraph1[] =
    "Enter the date, the clock time and the place of the moment you would like to judge. The "
    "weekday follows the date; change it only if you count the day from sunrise.";
inline constexpr char kElectionParagraph2[] =
    "Latitude and longitude are whole degrees and minutes. Choose the time zone of the place "
    "with \"TZ Help\" and tick DST when daylight saving time was in force.";

// Birth page
inline constexpr char kBirthFrame[] = "Enter Birth Details of Native";
inline constexpr char kBirthParagraph1[] =
    "Enter the name, the date, the time and the place of birth of the person for whom the "
    "moment is chosen. The star of the Moon at birth decides the strength of the star and of "
    "the Moon at the chosen moment.";
inline constexpr char kBirthParagraph2[] =
    "Press Next to compute both charts and judge the moment. The result and a report you can "
    "print or save appear on three tabs.";

// Captions shared by both input pages
inline constexpr char kDate[] = "Date";
inline constexpr char kWeekday[] = "Weekday";
inline constexpr char kTime[] = "Time";
inline constexpr char kTimeHint[] = "HH/MM/SS";
inline constexpr char kName[] = "Name";
inline constexpr char kMale[] = "Male";
inline constexpr char kFemale[] = "Female";
inline constexpr char kBirthDate[] = "Birth Date";
inline constexpr char kBirthDay[] = "Birth Day";
inline constexpr char kBirthTime[] = "Birth Time";
inline constexpr char kCity[] = "City";
inline constexpr char kState[] = "State";
inline constexpr char kCountry[] = "Country";
inline constexpr char kLatitude[] = "Latitude";
inline constexpr char kLongitude[] = "Longitude";
inline constexpr char kDegrees[] = "Deg";
inline constexpr char kMinutes[] = "Min";
inline constexpr char kNorth[] = "North";
inline constexpr char kSouth[] = "South";
inline constexpr char kEast[] = "East";
inline constexpr char kWest[] = "West";
inline constexpr char kSearch[] = "Click here to find Latitude && Longitude";
inline constexpr char kTimeZoneFrame[] = "Time Zone";
inline constexpr char kZoneHour[] = "Hour";
inline constexpr char kZoneMinute[] = "Min";
inline constexpr char kDst[] = "DST";
inline constexpr char kTzHelp[] = "TZ Help";
inline constexpr char kBack[] = "< &Back";
inline constexpr char kNext[] = "&Next >";

// Wait page and result area
inline constexpr char kPleaseWait[] =
    "Horavela is generating Electional Chart Analysis. Please Wait ...";
inline constexpr char kResultCaption[] = "Muhurtha Result";
inline constexpr char kTabBirth[] = "Birth Details";
inline constexpr char kTabElection[] = "Election Details";
inline constexpr char kTabAnalysis[] = "Electional Analysis";
inline constexpr char kReportHeading[] = "Horavela Report";
// The page that closes the printed report.
inline constexpr char kSummaryHeading[] = "Summary";
inline constexpr char kSummaryFactor[] = "Factor";
inline constexpr char kSummaryVerdict[] = "Verdict";
inline constexpr char kSummaryPoints[] = "Points";
inline constexpr char kSummaryTotal[] = "Total";
inline constexpr char kPrint[] = "&Print";
inline constexpr char kSavePdf[] = "Save as &PDF...";
inline constexpr char kSaveRtf[] = "Save as &RTF...";
inline constexpr char kAddToCalendar[] = "Add to calendar...";
inline constexpr char kDateSuffix[] = "MM:DD:YYYY";
inline constexpr char kTimeSuffix[] = "HH:MM";

// Menus
inline constexpr char kMenuFile[] = "&File";
inline constexpr char kMenuNewEvaluation[] = "&New Evaluation";
inline constexpr char kMenuExit[] = "E&xit";
inline constexpr char kMenuHelp[] = "&Help";
inline constexpr char kMenuOnlineHelp[] = "&Online Help";
inline constexpr char kMenuVisitUs[] = "&Visit Us Online";
inline constexpr char kMenuUpdate[] = "Check for Software &Update";
inline constexpr char kMenuAbout[] = "&About Software";

// Time zone picker
inline constexpr char kQuit[] = "&Quit";

// Keystroke filters
inline constexpr char kOnlyCharacters[] = "Only characters are accepted.";
inline constexpr char kOnlyNumbers[] = "Only numbers are accepted.";

// The numbers the date and time boxes offer, said when a number outside them is typed.
inline constexpr char kYearsRange[] = "The years run from 1901 to 2050.";
inline constexpr char kMonthsRange[] = "The months run from 1 (January) to 12 (December).";
inline constexpr char kDaysRange[] = "The days run from 1 to 31.";
inline constexpr char kHoursRange[] = "The hours run from 0 to 23.";
inline constexpr char kMinutesRange[] = "The minutes run from 0 to 59.";
inline constexpr char kSecondsRange[] = "The seconds run from 0 to 59.";

// Page checks
inline constexpr char kSelectSubject[] = "Please Select A Subject";
inline constexpr char kEnterName[] = "Please Enter Your Name";
inline constexpr char kEnterLatitudeDegrees[] = "Please Enter Degree in Latitude";
inline constexpr char kEnterLatitudeMinutes[] = "Please Enter Minute in Latitude";
inline constexpr char kEnterLongitudeDegrees[] = "Please Enter Degree in Longitude";
inline constexpr char kEnterLongitudeMinutes[] = "Please Enter Minute in Longitude";
inline constexpr char kSelectBirthDate[] = "Please Select Birth Date";
inline constexpr char kBirthAfterElection[] =
    "The birth, %1, is later than the election moment, %2. A moment can only be judged for "
    "someone already born: correct the birth date or the election date.";
inline constexpr char kEnterCity[] = "Please Enter City";
inline constexpr char kEnterState[] = "Please Enter State";
inline constexpr char kEnterCountry[] = "Please Enter Country";
inline constexpr char kLatitudeDegreesRange[] = "Latitude degrees must be between 0 and 90";
inline constexpr char kLatitudeMinutesRange[] = "Latitude minutes must be between 0 and 59";
inline constexpr char kLatitudeBeyondPole[] =
    "Latitude cannot exceed 90 degrees: the minutes must be 0 at 90 degrees";
inline constexpr char kLongitudeDegreesRange[] = "Longitude degrees must be between 0 and 180";
inline constexpr char kLongitudeMinutesRange[] = "Longitude minutes must be between 0 and 59";
inline constexpr char kLongitudeBeyondLimit[] =
    "Longitude cannot exceed 180 degrees: the minutes must be 0 at 180 degrees";
inline constexpr char kPlaceSearchSuffix[] = " Latitude Longitude";

// The latitude button: the atlas first, then the web
inline constexpr char kAtlasMatchesIntro[] =
    "The offline atlas knows these places for \"%1\". Choose one to fill in its coordinates "
    "and time zone, or search the web.";
inline constexpr char kAtlasUsePlace[] = "&Use this place";
inline constexpr char kAtlasSearchWeb[] = "Search the &web";
inline constexpr char kAtlasCancel[] = "Cancel";
inline constexpr char kNoBrowserForSearch[] =
    "The web search could not be opened: no web browser is available on this computer. Search "
    "for \"%1\" yourself, or choose the place in the offline atlas by typing its name into "
    "City.";
inline constexpr char kNoBrowserForPage[] =
    "The page %1 could not be opened: no web browser is available on this computer.";

// Report output
inline constexpr char kNoPrinter[] = "No printer is available.";
inline constexpr char kOfferPdf[] = "Would you like to save the report as a PDF file instead?";
inline constexpr char kReportNotSaved[] = "The report could not be saved to %1: %2";
inline constexpr char kPrintFailed[] = "The report could not be printed.";
inline constexpr char kSavePdfCaption[] = "Save the report as PDF";
inline constexpr char kSaveRtfCaption[] = "Save the report as RTF";
inline constexpr char kPdfFilter[] = "PDF files (*.pdf)";
inline constexpr char kRtfFilter[] = "Rich text files (*.rtf)";
inline constexpr char kAddToCalendarCaption[] = "Save the moment as a calendar event";
inline constexpr char kCalendarFilter[] = "iCalendar files (*.ics)";
// %1 the file, %2 the reason.
inline constexpr char kCalendarNotSaved[] = "The calendar file could not be saved to %1: %2";

// Evaluation failures
inline constexpr char kEvaluationFailed[] = "The evaluation could not be completed";

}  // namespace horavela::app::texts
