#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "language/wording.h"
#include "matching/couple.h"

namespace horavela::matching {

// The two doshas of guna milan: nadi (both Moons in one nadi) and bhakoot
// (the signs 2/12, 5/9 or 6/8 apart).
enum class Dosha : std::int8_t { Nadi, Bhakoot };

// What the almanacs accept as lifting a dosha.
enum class Cancellation : std::int8_t {
  SameRashiLord,           // both signs ruled by one planet (Mesha and Vrischika)
  FriendlyRashiLords,      // the two lords friends of each other
  SameStarDifferentPadas,  // one nakshatra, its quarters differ
  SameSignDifferentStars,  // one sign, the nakshatras differ
  SameStarDifferentSigns,  // one nakshatra across two signs (Krittika, Mrigasira, ...)
};

struct DoshaCheck {
  Dosha dosha = Dosha::Nadi;
  bool present = false;
  std::vector<Cancellation> cancellations;  // those that hold, in the table's order
  std::string
      reason;   // "Nadi dosha: both Madhya; cancelled: the same nakshatra in different padas"
  Wording why;  // the reason as data, to be said in the reader's language
  bool cancelled() const { return present && !cancellations.empty(); }
};

std::string_view NameOf(Dosha dosha);                // "Nadi dosha"
std::string_view NameOf(Cancellation cancellation);  // "the same rashi lord"

// The nadi dosha first, then the bhakoot dosha.
std::array<DoshaCheck, 2> CheckDoshas(const Couple& couple);

}  // namespace horavela::matching
