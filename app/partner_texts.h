#pragma once

// The words of a moment judged for a couple.
namespace horavela::app::texts {

inline constexpr char kAddPartner[] = "Add partner";
inline constexpr char kPartnerFrame[] = "Partner's Birth Details";
inline constexpr char kPartnerBorn[] = "Born";
inline constexpr char kPartnerPlace[] = "Place";
inline constexpr char kPartnerLatitude[] = "Latitude";
inline constexpr char kPartnerLongitude[] = "Longitude";
inline constexpr char kPartnerZone[] = "Zone (east +hh:mm)";
inline constexpr char kChoosePartner[] = "Choose partner...";
inline constexpr char kEnterPartnerName[] = "Please enter the partner's name.";
inline constexpr char kEnterPartnerCoordinates[] =
    "Please enter the latitude and longitude of the partner's birth place.";
inline constexpr char kPartnerCoordinates[] = "Partner's birth place: %1";
inline constexpr char kEnterPartnerZone[] =
    "Please enter the partner's zone as hours and minutes east of Greenwich, like +05:30.";
// Above the partner's half of the report, and atop each verdict column.
inline constexpr char kPartnerReportHeading[] = "For the partner: %1";

}  // namespace horavela::app::texts
