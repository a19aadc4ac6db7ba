#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "language/wording.h"
#include "matching/couple.h"

namespace horavela::matching {

// The ten poruthams of the South Indian match (dashakoota).
enum class Porutham : std::int8_t {
  Dina,
  Gana,
  Mahendra,
  StreeDeergha,
  Yoni,
  Rasi,
  Rasyadhipati,
  Vasya,
  Rajju,
  Vedha
};
inline constexpr int kPoruthamCount = 10;

struct PoruthamCheck {
  Porutham porutham = Porutham::Dina;
  bool matched = false;
  bool deciding = false;  // rajju and vedha: a match fails on either alone
  std::string reason;     // "Rajju: both Kanta, not matched"
  Wording why;            // the reason as data, to be said in the reader's language
};

struct Poruthams {
  std::array<PoruthamCheck, kPoruthamCount> checks;
  int matchedCount = 0;
  bool decidingFailed = false;  // rajju or vedha not matched
};

std::string_view NameOf(Porutham porutham);
std::string_view NameOf(Porutham porutham, Language language);
Poruthams CheckPoruthams(const Couple& couple);

}  // namespace horavela::matching
