#pragma once

#include <QtGlobal>

// The texts of the day at a glance: the Day tab and the View menu.
namespace horavela::app::texts {

inline constexpr char kTabDay[] = QT_TRANSLATE_NOOP("Horavela", "Day");
inline constexpr char kMenuView[] = QT_TRANSLATE_NOOP("Horavela", "&View");
inline constexpr char kMenuDayAtAGlance[] = QT_TRANSLATE_NOOP("Horavela", "Day at a glance");

inline constexpr char kDayNoElectionPlace[] = QT_TRANSLATE_NOOP(
    "Horavela",
    "Enter the latitude and longitude of the election place first: the day at a glance is "
    "computed for the election date and place.");
inline constexpr char kDayFailed[] = QT_TRANSLATE_NOOP("Horavela", "The day could not be computed");
inline constexpr char kDayEmpty[] = QT_TRANSLATE_NOOP(
    "Horavela",
    "Fill in the election page, then choose View > Day at a glance or evaluate a moment.");

// Above the day's vetoes, one a line.
inline constexpr char kDayVetoes[] =
    QT_TRANSLATE_NOOP("Horavela", "The tradition's vetoes in force that day:");
inline constexpr char kDayNoVetoes[] =
    QT_TRANSLATE_NOOP("Horavela", "No veto of the tradition is in force that day.");

inline constexpr char kPolarDay[] = QT_TRANSLATE_NOOP(
    "Horavela",
    "Polar day: the Sun does not set on this date, so there are no kalams, no Abhijit, no "
    "choghadiya and no hora.");
inline constexpr char kPolarNight[] = QT_TRANSLATE_NOOP(
    "Horavela",
    "Polar night: the Sun does not rise on this date, so there are no kalams, no Abhijit, no "
    "choghadiya and no hora.");
inline constexpr char kNoSunset[] = QT_TRANSLATE_NOOP(
    "Horavela",
    "The Sun rises on this date and does not set again, so there are no kalams, no Abhijit, no "
    "choghadiya and no hora.");
inline constexpr char kNoSunrise[] = QT_TRANSLATE_NOOP(
    "Horavela",
    "The Sun sets on this date without having risen on it: its daytime began on an earlier date, "
    "so there are no kalams, no Abhijit, no choghadiya and no hora.");
inline constexpr char kNoNextSunrise[] = QT_TRANSLATE_NOOP(
    "Horavela",
    "The Sun does not rise again on the next date: the daytime has its kalams, Abhijit, "
    "choghadiya and hora, the night has none.");
inline constexpr char kNoRise[] = QT_TRANSLATE_NOOP("Horavela", "none");
inline constexpr char kAbhijitNotObserved[] = QT_TRANSLATE_NOOP(
    "Horavela", "Not observed on a Wednesday: almanacs leave Abhijit muhurta out that day.");
// The person's rows: the tara, the verdict and the birth star or sign it is
// read from.
inline constexpr char kTaraNote[] =
    QT_TRANSLATE_NOOP("Horavela", "%1 tara, %2 (from the birth star %3)");
inline constexpr char kChandraNote[] =
    QT_TRANSLATE_NOOP("Horavela", "%1 (from the birth Moon sign %2)");
inline constexpr char kChandrashtamaNote[] = QT_TRANSLATE_NOOP(
    "Horavela",
    "The Moon in the eighth sign from the birth Moon sign %1: almanacs warn against new starts.");

inline constexpr char kSouthIndian[] = QT_TRANSLATE_NOOP("Horavela", "South Indian");
inline constexpr char kNorthIndian[] = QT_TRANSLATE_NOOP("Horavela", "North Indian");
inline constexpr char kChartStyle[] = QT_TRANSLATE_NOOP("Horavela", "Chart style");

inline constexpr char kDayPrint[] = QT_TRANSLATE_NOOP("Horavela", "Print");
inline constexpr char kDaySavePdf[] = QT_TRANSLATE_NOOP("Horavela", "Save as PDF");
inline constexpr char kDaySavePng[] = QT_TRANSLATE_NOOP("Horavela", "Save as PNG");
inline constexpr char kDayPdfCaption[] = QT_TRANSLATE_NOOP("Horavela", "Save the day as PDF");
inline constexpr char kDayPngCaption[] = QT_TRANSLATE_NOOP("Horavela", "Save the day as PNG");
inline constexpr char kPngFilter[] = QT_TRANSLATE_NOOP("Horavela", "PNG pictures (*.png)");
inline constexpr char kDayNotSaved[] =
    QT_TRANSLATE_NOOP("Horavela", "The day could not be saved to %1: %2");
inline constexpr char kDayHeading[] = QT_TRANSLATE_NOOP("Horavela", "Day at a glance");

}  // namespace horavela::app::texts
