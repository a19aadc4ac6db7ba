#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "language/wording.h"
#include "matching/couple.h"

namespace horavela::matching {

// Kuja (Manglik) dosha: Mars in the 1st, 2nd, 4th, 7th, 8th or 12th house,
// counted by whole signs from the lagna, the Moon and Venus. The South Indian
// convention counts the 2nd as well; the North Indian one leaves it out.
enum class KujaFrom : std::int8_t { Lagna, Moon, Venus };
inline constexpr std::array<int, 6> kKujaHouses = {1, 2, 4, 7, 8, 12};

struct KujaFinding {
  KujaFrom from = KujaFrom::Lagna;
  bool known = false;  // both signs known
  int house = 0;       // of Mars from the reference, 1..12
  bool inKujaHouse = false;
  std::string_view exception;  // the exception that lifts it, empty if none
  bool afflicts() const { return inKujaHouse && exception.empty(); }
};

struct KujaCheck {
  std::array<KujaFinding, 3> findings;  // from the lagna, the Moon, Venus
  bool known = false;                   // Mars's sign known
  bool manglik = false;                 // afflicted from at least one reference
  std::string reason;
  Wording why;  // the reason as data, to be said in the reader's language
};

// Both people's checks and whether they cancel: two Manglik charts cancel
// each other (dosha samya); one alone does not.
struct KujaMatch {
  KujaCheck groom;
  KujaCheck bride;
  bool cancelled = false;
  std::string reason;
  Wording why;
};

std::string_view NameOf(KujaFrom from);  // "the lagna", "the Moon", "Venus"
KujaCheck CheckKuja(const BirthSigns& signs);
KujaMatch MatchKuja(const BirthSigns& groom, const BirthSigns& bride);

}  // namespace horavela::matching
