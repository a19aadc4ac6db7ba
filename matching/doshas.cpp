#include "matching/doshas.h"

#include "matching/match_tables.h"

namespace horavela::matching {

namespace {

std::size_t At(auto value) {
  return static_cast<std::size_t>(value);
}

bool SameRashiLord(const Couple& c) {
  return LordOf(c.groom.sign) == LordOf(c.bride.sign);
}
bool FriendlyRashiLords(const Couple& c) {
  const Planet groom = LordOf(c.groom.sign), bride = LordOf(c.bride.sign);
  return groom != bride && RegardOf(groom, bride) == Regard::Friend &&
         RegardOf(bride, groom) == Regard::Friend;
}
bool SameStarDifferentPadas(const Couple& c) {
  return c.groom.star == c.bride.star && c.groom.pada != c.bride.pada;
}
bool SameSignDifferentStars(const Couple& c) {
  return c.groom.sign == c.bride.sign && c.groom.star != c.bride.star;
}
bool SameStarDifferentSigns(const Couple& c) {
  return c.groom.star == c.bride.star && c.groom.sign != c.bride.sign;
}

struct CancellationRow {
  std::string_view caption;
  bool (*holds)(const Couple&);
};
constexpr std::array<CancellationRow, 5> kCancellations = {{
    {"the same rashi lord", SameRashiLord},
    {"friendly rashi lords", FriendlyRashiLords},
    {"the same nakshatra in different padas", SameStarDifferentPadas},
    {"the same rashi with different nakshatras", SameSignDifferentStars},
    {"the same nakshatra in different rashis", SameStarDifferentSigns},
}};

// Which cancellation lifts which dosha, as the matching manuals list them.
struct DoshaRule {
  Dosha dosha;
  Cancellation cancellation;
};
constexpr std::array<DoshaRule, 6> kDoshaRules = {{
    {Dosha::Nadi, Cancellation::SameStarDifferentPadas},
    {Dosha::Nadi, Cancellation::SameSignDifferentStars},
    {Dosha::Nadi, Cancellation::SameStarDifferentSigns},
    {Dosha::Nadi, Cancellation::SameRashiLord},
    {Dosha::Bhakoot, Cancellation::SameRashiLord},
    {Dosha::Bhakoot, Cancellation::FriendlyRashiLords},
}};

constexpr std::array<std::string_view, 2> kDoshaNames = {"Nadi dosha", "Bhakoot dosha"};

// Why the dosha is or is not there: the classes it reads.
std::string Finding(Dosha dosha, const Couple& c) {
  if (dosha == Dosha::Nadi) {
    const Nadi groom = NadiOf(c.groom.star), bride = NadiOf(c.bride.star);
    if (groom == bride) return "both " + std::string(NameOf(groom));
    return "groom " + std::string(NameOf(groom)) + ", bride " + std::string(NameOf(bride));
  }
  const int count = SignCount(c.groom.sign, c.bride.sign);
  const int back = SignCount(c.bride.sign, c.groom.sign);
  return "signs " + std::to_string(std::min(count, back)) + "/" +
         std::to_string(std::max(count, back)) + " apart";
}

bool Present(Dosha dosha, const Couple& c) {
  if (dosha == Dosha::Nadi) return NadiOf(c.groom.star) == NadiOf(c.bride.star);
  return kBhakootIsBad[At(SignCount(c.groom.sign, c.bride.sign) - 1)];
}

DoshaCheck Check(Dosha dosha, const Couple& couple) {
  DoshaCheck check;
  check.dosha = dosha;
  check.present = Present(dosha, couple);
  check.reason = std::string(NameOf(dosha)) + ": " + Finding(dosha, couple);
  if (!check.present) {
    check.reason += ", none";
    return check;
  }
  for (const DoshaRule& rule : kDoshaRules) {
    if (rule.dosha != dosha || !kCancellations[At(rule.cancellation)].holds(couple)) continue;
    check.reason += (check.cancellations.empty() ? "; cancelled: " : ", ");
    check.reason += NameOf(rule.cancellation);
    check.cancellations.push_back(rule.cancellation);
  }
  if (check.cancellations.empty()) check.reason += "; not cancelled";
  return check;
}

}  // namespace

std::string_view NameOf(Dosha dosha) {
  return kDoshaNames[At(dosha)];
}
std::string_view NameOf(Cancellation cancellation) {
  return kCancellations[At(cancellation)].caption;
}

std::array<DoshaCheck, 2> CheckDoshas(const Couple& couple) {
  return {Check(Dosha::Nadi, couple), Check(Dosha::Bhakoot, couple)};
}

}  // namespace horavela::matching
