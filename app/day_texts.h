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

// The timeline's row captions and the Sun's marks above it.
inline constexpr char kRowRahuKalam[] = QT_TRANSLATE_NOOP("Horavela", "Rahu kalam");
inline constexpr char kRowYamaganda[] = QT_TRANSLATE_NOOP("Horavela", "Yamaganda");
inline constexpr char kRowGulikaKalam[] = QT_TRANSLATE_NOOP("Horavela", "Gulika kalam");
inline constexpr char kRowAbhijit[] = QT_TRANSLATE_NOOP("Horavela", "Abhijit");
inline constexpr char kRowChoghadiya[] = QT_TRANSLATE_NOOP("Horavela", "Choghadiya");
inline constexpr char kRowHora[] = QT_TRANSLATE_NOOP("Horavela", "Hora");
inline constexpr char kRowTithi[] = QT_TRANSLATE_NOOP("Horavela", "Tithi");
inline constexpr char kRowNakshatra[] = QT_TRANSLATE_NOOP("Horavela", "Nakshatra");
inline constexpr char kRowYoga[] = QT_TRANSLATE_NOOP("Horavela", "Yoga");
inline constexpr char kRowKarana[] = QT_TRANSLATE_NOOP("Horavela", "Karana");
inline constexpr char kRowMoonSign[] = QT_TRANSLATE_NOOP("Horavela", "Moon sign");
inline constexpr char kRowLagna[] = QT_TRANSLATE_NOOP("Horavela", "Lagna");
inline constexpr char kRowDurmuhurtam[] = QT_TRANSLATE_NOOP("Horavela", "Durmuhurtam");
inline constexpr char kRowNightKalams[] = QT_TRANSLATE_NOOP("Horavela", "Night kalams");
inline constexpr char kRowMuhurtas[] = QT_TRANSLATE_NOOP("Horavela", "Muhurtas");
inline constexpr char kRowSandhya[] = QT_TRANSLATE_NOOP("Horavela", "Sandhya");
inline constexpr char kRowGodhuli[] = QT_TRANSLATE_NOOP("Horavela", "Godhuli");
inline constexpr char kRowPradosh[] = QT_TRANSLATE_NOOP("Horavela", "Pradosh");
inline constexpr char kRowGowri[] = QT_TRANSLATE_NOOP("Horavela", "Gowri");
inline constexpr char kRowVarjyam[] = QT_TRANSLATE_NOOP("Horavela", "Varjyam");
inline constexpr char kRowAmritKalam[] = QT_TRANSLATE_NOOP("Horavela", "Amrit kalam");
inline constexpr char kRowVerdict[] = QT_TRANSLATE_NOOP("Horavela", "Verdict");
inline constexpr char kRowTarabala[] = QT_TRANSLATE_NOOP("Horavela", "Tarabala");
inline constexpr char kRowChandrabala[] = QT_TRANSLATE_NOOP("Horavela", "Chandrabala");
inline constexpr char kRowChandrashtama[] = QT_TRANSLATE_NOOP("Horavela", "Chandrashtama");
inline constexpr char kMarkSunrise[] = QT_TRANSLATE_NOOP("Horavela", "Sunrise");
inline constexpr char kMarkSunset[] = QT_TRANSLATE_NOOP("Horavela", "Sunset");
inline constexpr char kMarkNextSunrise[] = QT_TRANSLATE_NOOP("Horavela", "Next sunrise");
// Under the date: the Sun's and the Moon's rising and setting.
inline constexpr char kDaySunTimes[] =
    QT_TRANSLATE_NOOP("Horavela", "    Sunrise %1    Sunset %2    Next sunrise %3");
inline constexpr char kDayMoonTimes[] = QT_TRANSLATE_NOOP("Horavela", "Moonrise %1    Moonset %2");
// The chart's caption: the rasi chart and its clock time.
inline constexpr char kRasiCaption[] = QT_TRANSLATE_NOOP("Horavela", "Rasi\n%1");

// The table of the planets on the result page and the Day tab.
inline constexpr char kPlanetsCaption[] = QT_TRANSLATE_NOOP("Horavela", "Planets");
inline constexpr char kPlanetColumn[] = QT_TRANSLATE_NOOP("Horavela", "Planet");
inline constexpr char kPositionColumn[] = QT_TRANSLATE_NOOP("Horavela", "Position");
inline constexpr char kNakshatraColumn[] = QT_TRANSLATE_NOOP("Horavela", "Nakshatra");

// The ascendant's mark in the chart's first house (the planets' two letters
// are marked beside the chart's table of them).
inline constexpr char kAscendant[] = QT_TRANSLATE_NOOP("Horavela", "Asc");

}  // namespace horavela::app::texts
