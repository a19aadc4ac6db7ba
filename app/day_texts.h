#pragma once

// The texts of the day at a glance: the Day tab and the View menu.
namespace horavela::app::texts {

inline constexpr char kTabDay[] = "Day";
inline constexpr char kMenuView[] = "&View";
inline constexpr char kMenuDayAtAGlance[] = "Day at a glance";

inline constexpr char kDayNoElectionPlace[] =
    "Enter the latitude and longitude of the election place first: the day at a glance is "
    "computed for the election date and place.";
inline constexpr char kDayFailed[] = "The day could not be computed";
inline constexpr char kDayEmpty[] =
    "Fill in the election page, then choose View > Day at a glance or evaluate a moment.";

// Above the day's vetoes, one a line.
inline constexpr char kDayVetoes[] = "The tradition's vetoes in force that day:";
inline constexpr char kDayNoVetoes[] = "No veto of the tradition is in force that day.";

inline constexpr char kPolarDay[] =
    "Polar day: the Sun does not set on this date, so there are no kalams, no Abhijit, no "
    "choghadiya and no hora.";
inline constexpr char kPolarNight[] =
    "Polar night: the Sun does not rise on this date, so there are no kalams, no Abhijit, no "
    "choghadiya and no hora.";
inline constexpr char kNoSunset[] =
    "The Sun rises on this date and does not set again, so there are no kalams, no Abhijit, no "
    "choghadiya and no hora.";
inline constexpr char kNoSunrise[] =
    "The Sun sets on this date without having risen on it: its daytime began on an earlier date, "
    "so there are no kalams, no Abhijit, no choghadiya and no hora.";
inline constexpr char kNoNextSunrise[] =
    "The Sun does not rise again on the next date: the daytime has its kalams, Abhijit, "
    "choghadiya and hora, the night has none.";
inline constexpr char kNoRise[] = "none";
inline constexpr char kAbhijitNotObserved[] =
    "Not observed on a Wednesday: almanacs leave Abhijit muhurta out that day.";
// The person's rows: the tara, the verdict and the birth star or sign it is
// read from.
inline constexpr char kTaraNote[] = "%1 tara, %2 (from the birth star %3)";
inline constexpr char kChandraNote[] = "%1 (from the birth Moon sign %2)";
inline constexpr char kChandrashtamaNote[] =
    "The Moon in the eighth sign from the birth Moon sign %1: almanacs warn against new starts.";

inline constexpr char kSouthIndian[] = "South Indian";
inline constexpr char kNorthIndian[] = "North Indian";
inline constexpr char kChartStyle[] = "Chart style";

inline constexpr char kDayPrint[] = "Print";
inline constexpr char kDaySavePdf[] = "Save as PDF";
inline constexpr char kDaySavePng[] = "Save as PNG";
inline constexpr char kDayPdfCaption[] = "Save the day as PDF";
inline constexpr char kDayPngCaption[] = "Save the day as PNG";
inline constexpr char kPngFilter[] = "PNG pictures (*.png)";
inline constexpr char kDayNotSaved[] = "The day could not be saved to %1: %2";
inline constexpr char kDayHeading[] = "Day at a glance";

}  // namespace horavela::app::texts
