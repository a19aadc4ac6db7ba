#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "language/wording.h"
#include "matching/couple.h"

namespace horavela::matching {

// The eight kootas of guna milan, worth 1 to 8 points: 36 in all.
enum class Koota : std::int8_t { Varna, Vashya, Tara, Yoni, GrahaMaitri, Gana, Bhakoot, Nadi };
inline constexpr int kKootaCount = 8;

struct KootaScore {
  Koota koota = Koota::Varna;
  int halves = 0;      // the points, in halves (graha maitri and tara give half points)
  int maxHalves = 0;   // the koota's most
  std::string groom;   // what it reads of the groom: "Kshatriya", "Rohini", "Venus", "Thula"
  std::string bride;   // and of the bride
  std::string reason;  // "Nadi: both Madhya, 0 of 8"
  Wording why;         // the reason as data, to be said in the reader's language
  Wording groomReads;  // `groom` and `bride` as data
  Wording brideReads;
};

struct Ashtakoota {
  std::array<KootaScore, kKootaCount> kootas;
  int totalHalves = 0;  // of 72
};

std::string_view NameOf(Koota koota);                     // "Graha maitri"
std::string_view NameOf(Koota koota, Language language);  // "ग्रह मैत्री"
int MaxHalvesOf(Koota koota);

KootaScore ScoreKoota(Koota koota, const Couple& couple);
Ashtakoota ScoreAshtakoota(const Couple& couple);

}  // namespace horavela::matching
