#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "almanac/day_at_a_glance.h"
#include "almanac/equal_parts.h"
#include "engine/vocabulary.h"

namespace horavela {

namespace {

// A nakshatra is 60 of its own ghatis long, however long the Moon takes to
// cross it; Varjyam (tyajya, the "to be shunned") and Amrit kalam each last
// 4 of them, from the ghati below. Muhurta Chintamani gives the tyajya
// ghatis (Mula has a second at 56); the Amrit ghatis are those of the South
// Indian almanacs. Every row agrees with drikpanchang.com's Varjyam and
// Amrit kalam of January 2023 from its own nakshatra ends.
struct NakshatraGhatis {
  std::array<int, 2> varjyam;  // 0: none
  int amrit;
};
// clang-format off
constexpr std::array<NakshatraGhatis, 27> kGhatis = {{
    //  Varjyam  Amrit
    {{50,  0},   42},  // Ashwini
    {{24,  0},   48},  // Bharani
    {{30,  0},   54},  // Krittika
    {{40,  0},   52},  // Rohini
    {{14,  0},   38},  // Mrigashira
    {{21,  0},   35},  // Ardra
    {{30,  0},   54},  // Punarvasu
    {{20,  0},   44},  // Pushya
    {{32,  0},   56},  // Ashlesha
    {{30,  0},   54},  // Magha
    {{20,  0},   44},  // Purva Phalguni
    {{18,  0},   42},  // Uttara Phalguni
    {{21,  0},   45},  // Hasta
    {{20,  0},   44},  // Chitra
    {{14,  0},   38},  // Swati
    {{14,  0},   38},  // Vishakha
    {{10,  0},   34},  // Anuradha
    {{14,  0},   38},  // Jyeshtha
    {{20, 56},   44},  // Mula
    {{24,  0},   48},  // Purva Ashadha
    {{20,  0},   44},  // Uttara Ashadha
    {{10,  0},   34},  // Shravana
    {{10,  0},   34},  // Dhanishta
    {{18,  0},   42},  // Shatabhisha
    {{16,  0},   40},  // Purva Bhadrapada
    {{24,  0},   48},  // Uttara Bhadrapada
    {{30,  0},   54},  // Revati
}};
// clang-format on
constexpr int kNakshatraGhatis = 60;
constexpr int kKalamGhatis = 4;

// The nakshatra of a period named as the charts name it; 27 for none.
std::size_t IndexOfNakshatra(const std::string& name) {
  std::size_t i = 0;
  while (i < kGhatis.size() && NameOf(static_cast<Nakshatra>(i)) != name) ++i;
  return i;
}

}  // namespace

void AddVarjyamAndAmrit(const DayRequest& clock, const std::vector<Period>& nakshatras,
                        const LocalTime& from, const LocalTime& to, DayMuhurtas& muhurtas) {
  const std::int64_t first = UniversalOf(clock, from);
  const std::int64_t last = UniversalOf(clock, to);
  // As almanacs list them: under the day in which each begins.
  const auto keep = [&](const Period& kalam, std::vector<Period>& into) {
    const std::int64_t begins = UniversalOf(clock, kalam.from);
    if (begins >= first && begins < last) into.push_back(kalam);
  };
  for (const Period& nakshatra : nakshatras) {
    const std::size_t index = IndexOfNakshatra(nakshatra.name);
    if (index == kGhatis.size()) continue;
    const PeriodName star = PeriodName::Of(FromIndex<Nakshatra>(static_cast<int>(index)));
    const EqualParts ghatis(clock, UniversalOf(clock, nakshatra.from),
                            UniversalOf(clock, nakshatra.to), kNakshatraGhatis);
    for (int start : kGhatis[index].varjyam) {
      if (start != 0) keep(ghatis.Parts(start, start + kKalamGhatis, star), muhurtas.varjyam);
    }
    const int amrit = kGhatis[index].amrit;
    keep(ghatis.Parts(amrit, amrit + kKalamGhatis, star), muhurtas.amritKalam);
  }
}

}  // namespace horavela
