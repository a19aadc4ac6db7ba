#pragma once

#include <QtGlobal>

// The words of a moment judged for a couple.
namespace horavela::app::texts {

inline constexpr char kAddPartner[] = QT_TRANSLATE_NOOP("Horavela", "Add partner");
inline constexpr char kPartnerFrame[] = QT_TRANSLATE_NOOP("Horavela", "Partner's Birth Details");
inline constexpr char kPartnerBorn[] = QT_TRANSLATE_NOOP("Horavela", "Born");
inline constexpr char kPartnerPlace[] = QT_TRANSLATE_NOOP("Horavela", "Place");
inline constexpr char kPartnerLatitude[] = QT_TRANSLATE_NOOP("Horavela", "Latitude");
inline constexpr char kPartnerLongitude[] = QT_TRANSLATE_NOOP("Horavela", "Longitude");
inline constexpr char kPartnerZone[] = QT_TRANSLATE_NOOP("Horavela", "Zone (east +hh:mm)");
inline constexpr char kChoosePartner[] = QT_TRANSLATE_NOOP("Horavela", "Choose partner...");
inline constexpr char kEnterPartnerName[] =
    QT_TRANSLATE_NOOP("Horavela", "Please enter the partner's name.");
inline constexpr char kEnterPartnerCoordinates[] = QT_TRANSLATE_NOOP(
    "Horavela", "Please enter the latitude and longitude of the partner's birth place.");
inline constexpr char kPartnerCoordinates[] =
    QT_TRANSLATE_NOOP("Horavela", "Partner's birth place: %1");
inline constexpr char kEnterPartnerZone[] = QT_TRANSLATE_NOOP(
    "Horavela",
    "Please enter the partner's zone as hours and minutes east of Greenwich, like +05:30.");
// Above the partner's half of the report, and atop each verdict column.
inline constexpr char kPartnerReportHeading[] =
    QT_TRANSLATE_NOOP("Horavela", "For the partner: %1");

}  // namespace horavela::app::texts
