#pragma once

// Which undertakings observe which vetoes, as the almanacs' muhurta lists
// apply them (Muhurta Chintamani, Vivaha and Samskara prakaranas, and the
// published marriage-day lists): the rites of a household and of childhood
// keep to the seasons; a journey or a bargain minds only the Moon's Panchaka
// and eclipses; any other new beginning waits out a lost month and an
// eclipse. An undertaking not named here (a loan, a lawsuit, a treatment or
// an operation: done when needed) observes none.

#include <array>
#include <initializer_list>
#include <string_view>

#include "tradition/veto.h"

namespace horavela::observance {

constexpr VetoSet Set(std::initializer_list<Veto> vetoes) {
  VetoSet set = 0;
  for (Veto veto : vetoes) set |= VetoBit(veto);
  return set;
}

inline constexpr VetoSet kEclipses = Set({Veto::SolarEclipse, Veto::LunarEclipse});
// Observed only where the user's region keeps them.
inline constexpr VetoSet kRegional = Set({Veto::Holashtak, Veto::PitruPaksha});
// A lunar month without its own sankranti, or with two, begins nothing new.
inline constexpr VetoSet kLostMonths = Set({Veto::AdhikaMasa, Veto::KshayaMasa});

// The seasons in which no marriage, betrothal, house-warming or samskara is
// held: the Sun in Dhanu or Meena, Jupiter or Venus set, a lost month,
// Vishnu's sleep, Holashtak and the fortnight of the ancestors, eclipses.
inline constexpr VetoSet kSeasons =
    Set({Veto::Kharmas, Veto::Malmas, Veto::GuruAsta, Veto::ShukraAsta, Veto::Chaturmas}) |
    kLostMonths | kRegional | kEclipses;
// Breaking ground for a house waits for Jupiter and Venus to rise, but not
// for Vishnu's sleep: Shravana and Kartika are months for building.
inline constexpr VetoSet kBuilding =
    Set({Veto::GuruAsta, Veto::ShukraAsta}) | kLostMonths | kEclipses;
// On the way and at the market: the Moon's last five stars, and eclipses.
inline constexpr VetoSet kOnTheWay = Set({Veto::Panchaka}) | kEclipses;
// Any other auspicious beginning.
inline constexpr VetoSet kNewBeginnings = kLostMonths | kEclipses;

struct ObservanceRow {
  std::string_view subject;  // the subject's exact text
  VetoSet vetoes;
};

inline constexpr std::array<ObservanceRow, 29> kObservanceRows = {{
    // Marriage and the rites around it.
    {"Engagement", kSeasons},
    {"Marriage", kSeasons},
    {"First Entrance of the Bride", kSeasons},
    // A new house, entered or begun.
    {"Entering a New House", kSeasons},
    {"Laying the Foundation", kBuilding},
    {"Starting the Construction of a House", kBuilding},
    // The childhood rites held at a fixed age.
    {"Tonsuring of Head", kSeasons},
    {"Thread Ceremony Or Upanayana", kSeasons},
    {"First feeding of Solid Food (Annaprasan)", kSeasons},
    {"Starting of Education (Aksharabhyasa)", kSeasons},
    // Journeys.
    {"Domestic Journey", kOnTheWay},
    {"Religious Journey", kOnTheWay},
    {"Foreign Journey", kOnTheWay},
    // Purchases and sales of land and goods.
    {"Buying Land", kOnTheWay},
    {"Selling Land", kOnTheWay},
    {"Buying Item", kOnTheWay},
    {"Sell Item", kOnTheWay},
    // Other beginnings: the naming falls on its day after birth and the ear
    // piercing in a span of years, so neither waits for a season.
    {"Naming of The Child or Namakarana", kNewBeginnings},
    {"Piercing of the Ear or Karnavedha", kNewBeginnings},
    {"Adoption of a Child", kNewBeginnings},
    {"Learning of a Trade", kNewBeginnings},
    {"Learning of any Science", kNewBeginnings},
    {"Learning Dance Or Music", kNewBeginnings},
    {"Learning Astrology Or Astronomy", kNewBeginnings},
    {"Learning Medicine", kNewBeginnings},
    {"Learning Grammar, Logic Or Philosophy", kNewBeginnings},
    {"Entering a Rented House", kNewBeginnings},
    {"Start On A New Job", kNewBeginnings},
    {"Start A New Business", kNewBeginnings},
}};

}  // namespace horavela::observance
