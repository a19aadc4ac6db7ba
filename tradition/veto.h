#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "atlas/local_minute.h"
#include "atlas/place_clock.h"
#include "engine/calculation_settings.h"
#include "engine/planet_ephemeris.h"
#include "language/wording.h"

// The seasons and sky events in which the tradition undertakes nothing
// auspicious, whatever a moment's own elements say: what almanacs print as
// "no marriage muhurta" months and days. Each is a stretch of universal
// minutes at a place, found by the same crossing search as the elements.
namespace horavela {

enum class Veto : std::uint8_t {
  Kharmas,       // the Sun in sidereal Dhanu
  Malmas,        // the Sun in sidereal Meena
  GuruAsta,      // Jupiter set in the Sun's glare
  ShukraAsta,    // Venus set in the Sun's glare
  AdhikaMasa,    // a lunar month that holds no sankranti
  KshayaMasa,    // a lunar month that holds two
  Chaturmas,     // Ashadha Shukla Ekadashi to Kartika Shukla Ekadashi
  Holashtak,     // Phalguna Shukla Ashtami to Purnima (regional)
  PitruPaksha,   // the dark fortnight before Ashvina (regional)
  SolarEclipse,  // visible at the place
  LunarEclipse,  // visible at the place
  Panchaka,      // the Moon from Dhanishta's third pada through Revati
};
inline constexpr int kVetoCount = 12;

// A set of vetoes, one bit each (VetoBit).
using VetoSet = std::uint32_t;
constexpr VetoSet VetoBit(Veto veto) {
  return VetoSet{1} << static_cast<int>(veto);
}
inline constexpr VetoSet kAllVetoes = (VetoSet{1} << kVetoCount) - 1;

// "Kharmas", "Guru asta", "Adhika masa", ... as the almanacs write them.
std::string_view NameOf(Veto veto);
std::string_view NameOf(Veto veto, Language language);
// "kharmas", "guru_asta", ...: the veto's key in JSON.
std::string_view KeyOf(Veto veto);
std::optional<Veto> VetoKeyed(std::string_view key);

// How lunar months are named: from new moon to new moon (amanta, the
// south's and the default) or from full moon to full moon (purnimanta, the
// north's): Pitru Paksha is the dark half of Bhadrapada by the first and of
// Ashvina by the second; the days are the same.
enum class MonthConvention : std::uint8_t { Amanta, Purnimanta };

struct VetoOptions {
  MonthConvention months = MonthConvention::Amanta;
  // Holashtak and Pitru Paksha are observed only in some regions: they are
  // always listed, and observed only when this is set.
  bool regional = false;
  // How the Sun, the Moon and the days' sunrises are computed.
  CalculationSettings settings;
};

inline VetoOptions WithSettings(VetoOptions options, const CalculationSettings& settings) {
  options.settings = settings;
  return options;
}

// One veto in force: its universal minutes [first, last] (MinuteIndex on the
// UTC clock), what it is, and why, in a sentence for the reader
// ("The Sun in Dhanu, from its sankranti to the next").
struct VetoPeriod {
  Veto veto = Veto::Kharmas;
  std::int64_t first = 0;
  std::int64_t last = 0;
  std::string reason;
  Wording why;  // the reason as data, to be said in the reader's language
  bool operator==(const VetoPeriod&) const = default;
};

// A period with its reason, said in English as `reason` and kept as `why`.
VetoPeriod PeriodOf(Veto veto, std::int64_t first, std::int64_t last, Wording why);

// Every veto period of every kind that overlaps the universal minutes
// [first, last] at the clock's place, whole (a period may begin before
// `first` and end after `last`), in order of their first minutes.
std::vector<VetoPeriod> VetoPeriodsOver(const PlaceClock& clock, std::int64_t first,
                                        std::int64_t last, PlanetEphemeris& ephemeris,
                                        const VetoOptions& options = {});

}  // namespace horavela
