#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "engine/vocabulary.h"
#include "tradition/minute_sky.h"
#include "tradition/veto.h"

// The lunar months, new moon to new moon (amanta), each named by the
// sankranti it holds; a month that holds none is an extra (adhika) month,
// one that holds two a lost (kshaya) one. New and full moons are where the
// program's own panchang changes fortnight, so a month begins on the very
// minute its tithis show Shukla Pratipada.
namespace horavela {

// The lunar months in the order of the year, each by the sankranti it holds:
// Chaitra holds Mesha Sankranti, Vaishakha Vrishabha, ..., Phalguna Meena.
enum class Masa : std::int8_t {
  Chaitra,
  Vaishakha,
  Jyeshtha,
  Ashadha,
  Shravana,
  Bhadrapada,
  Ashvina,
  Kartika,
  Margashirsha,
  Pausha,
  Magha,
  Phalguna
};
std::string_view MasaName(Masa masa);

enum class MonthKind : std::int8_t {
  Nija,    // holds one sankranti: an ordinary month
  Adhika,  // holds none: named after the month that follows it
  Kshaya,  // holds two: named after the first
};

struct LunarMonth {
  std::int64_t first = 0;     // the new moon: the first minute of Shukla Pratipada
  std::int64_t fullMoon = 0;  // the first minute of Krishna Pratipada
  std::int64_t last = 0;      // the minute before the next new moon
  Masa name = Masa::Chaitra;
  MonthKind kind = MonthKind::Nija;
  // The Sun's sign at its new moon: the month's sankrantis enter the signs after it.
  Rashi sunAtNewMoon = Rashi::None;
};

// The whole lunar months between the new moons in [first, last], in order.
std::vector<LunarMonth> LunarMonths(MinuteSky& sky, std::int64_t first, std::int64_t last);

// The first minute of the month's tithi `tithi` (0..29, Shukla Pratipada to
// Amavasya; 30 is the next month's first), where the panchang's elongation
// passes 12 degrees times `tithi`.
std::int64_t TithiBegins(MinuteSky& sky, const LunarMonth& month, int tithi);

// The adhika and kshaya months among `months` overlapping [first, last].
std::vector<VetoPeriod> AdhikaAndKshayaMasas(const MinuteSky& sky,
                                             const std::vector<LunarMonth>& months,
                                             std::int64_t first, std::int64_t last);

}  // namespace horavela
