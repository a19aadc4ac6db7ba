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

// Why the dosha is or is not there: the classes it reads.
Wording Finding(Dosha dosha, const Couple& c) {
  if (dosha == Dosha::Nadi) {
    const Nadi groom = NadiOf(c.groom.star), bride = NadiOf(c.bride.star);
    if (groom == bride) return Worded("both %1", {Named(groom)});
    return Worded("groom %1, bride %2", {Named(groom), Named(bride)});
  }
  const int count = SignCount(c.groom.sign, c.bride.sign);
  const int back = SignCount(c.bride.sign, c.groom.sign);
  return Worded("signs %1/%2 apart", {AsIs(std::to_string(std::min(count, back))),
                                      AsIs(std::to_string(std::max(count, back)))});
}

bool Present(Dosha dosha, const Couple& c) {
  if (dosha == Dosha::Nadi) return NadiOf(c.groom.star) == NadiOf(c.bride.star);
  return kBhakootIsBad[At(SignCount(c.groom.sign, c.bride.sign) - 1)];
}

DoshaCheck Check(Dosha dosha, const Couple& couple) {
  DoshaCheck check;
  check.dosha = dosha;
  check.present = Present(dosha, couple);
  const Wording name = TermNamed(TermSet::Dosha, static_cast<int>(dosha));
  std::vector<Wording> lifting;
  for (const DoshaRule& rule : kDoshaRules) {
    if (!check.present || rule.dosha != dosha ||
        !kCancellations[At(rule.cancellation)].holds(couple))
      continue;
    lifting.push_back(Worded(NameOf(rule.cancellation)));
    check.cancellations.push_back(rule.cancellation);
  }
  check.why = !check.present ? Worded("%1: %2, none", {name, Finding(dosha, couple)})
              : lifting.empty()
                  ? Worded("%1: %2; not cancelled", {name, Finding(dosha, couple)})
                  : Worded("%1: %2; cancelled: %3",
                           {name, Finding(dosha, couple), Joined(std::move(lifting), ", ")});
  check.reason = TextOf(check.why, Language::English);
  return check;
}

}  // namespace

std::string_view NameOf(Dosha dosha) {
  return TermName(TermSet::Dosha, static_cast<int>(dosha), Language::English);
}
std::string_view NameOf(Cancellation cancellation) {
  return kCancellations[At(cancellation)].caption;
}

std::array<DoshaCheck, 2> CheckDoshas(const Couple& couple) {
  return {Check(Dosha::Nadi, couple), Check(Dosha::Bhakoot, couple)};
}

}  // namespace horavela::matching
