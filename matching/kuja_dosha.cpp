#include "matching/kuja_dosha.h"

#include <algorithm>

#include "matching/match_tables.h"

namespace horavela::matching {

namespace {

std::size_t At(auto value) {
  return static_cast<std::size_t>(value);
}

// The common exceptions: where Mars stands it does no harm. A house of 0 holds
// in every house; `withJupiter` when Jupiter shares Mars's sign.
struct KujaException {
  int house;
  std::array<Rashi, 2> signs;
  bool withJupiter;
  std::string_view caption;
};
// clang-format off
constexpr std::array<KujaException, 8> kKujaExceptions = {{
  { 0, {Rashi::Mesha, Rashi::Vrischika}, false, "Mars in its own sign"},
  { 0, {Rashi::Makara, Rashi::None},     false, "Mars exalted in Makara"},
  { 0, {Rashi::None, Rashi::None},       true,  "Mars with Jupiter"},
  { 1, {Rashi::Simha, Rashi::Kumbha},    false, "Mars in the 1st in Simha or Kumbha"},
  { 2, {Rashi::Mithuna, Rashi::Kanya},   false, "Mars in the 2nd in Mithuna or Kanya"},
  { 7, {Rashi::Kataka, Rashi::Makara},   false, "Mars in the 7th in Kataka or Makara"},
  { 8, {Rashi::Dhanus, Rashi::Meena},    false, "Mars in the 8th in Dhanus or Meena"},
  {12, {Rashi::Vrishabha, Rashi::Thula}, false, "Mars in the 12th in Vrishabha or Thula"},
}};
// clang-format on

constexpr std::array<std::string_view, 3> kFromNames = {"the lagna", "the Moon", "Venus"};

bool Applies(const KujaException& e, int house, const BirthSigns& signs) {
  if (e.house != 0 && e.house != house) return false;
  if (e.withJupiter) return signs.jupiter != Rashi::None && signs.jupiter == signs.mars;
  return std::find(e.signs.begin(), e.signs.end(), signs.mars) != e.signs.end();
}

std::string_view ExceptionOf(int house, const BirthSigns& signs) {
  for (const KujaException& e : kKujaExceptions)
    if (Applies(e, house, signs)) return e.caption;
  return {};
}

KujaFinding Find(KujaFrom from, Rashi reference, const BirthSigns& signs) {
  KujaFinding finding;
  finding.from = from;
  finding.known = reference != Rashi::None && signs.mars != Rashi::None;
  if (!finding.known) return finding;
  finding.house = SignCount(reference, signs.mars);
  finding.inKujaHouse =
      std::find(kKujaHouses.begin(), kKujaHouses.end(), finding.house) != kKujaHouses.end();
  if (finding.inKujaHouse) finding.exception = ExceptionOf(finding.house, signs);
  return finding;
}

Wording Describe(const KujaFinding& f) {
  const Wording from = Worded(NameOf(f.from));
  if (!f.known) return Worded("%1 unknown", {from});
  if (f.inKujaHouse && !f.exception.empty())
    return Worded("Mars in the %1 from %2 (lifted: %3)",
                  {Ordinal(f.house), from, Worded(f.exception)});
  return Worded("Mars in the %1 from %2", {Ordinal(f.house), from});
}

// "both Manglik: ...", "only the groom is Manglik: ...", "neither is Manglik".
Wording Together(bool groom, bool bride) {
  return Worded(groom && bride ? "both Manglik: the doshas cancel each other"
                : groom        ? "only the groom is Manglik: not cancelled"
                : bride        ? "only the bride is Manglik: not cancelled"
                               : "neither is Manglik");
}

}  // namespace

std::string_view NameOf(KujaFrom from) {
  return kFromNames[At(from)];
}

KujaCheck CheckKuja(const BirthSigns& signs) {
  KujaCheck check;
  check.known = signs.mars != Rashi::None;
  check.findings = {Find(KujaFrom::Lagna, signs.lagna, signs),
                    Find(KujaFrom::Moon, signs.moon.sign, signs),
                    Find(KujaFrom::Venus, signs.venus, signs)};
  if (!check.known) {
    check.why = Worded("Mars unknown: no Manglik check");
    check.reason = TextOf(check.why, Language::English);
    return check;
  }
  std::vector<Wording> afflictions;
  std::vector<Wording> lifted;
  for (const KujaFinding& f : check.findings) {
    if (!f.inKujaHouse) continue;
    (f.afflicts() ? afflictions : lifted).push_back(Describe(f));
    check.manglik = check.manglik || f.afflicts();
  }
  const Wording afflicting = Joined(std::move(afflictions), "; ");
  const bool anyLifted = !lifted.empty();
  const Wording lifting = Joined(std::move(lifted), "; ");
  check.why = check.manglik ? (anyLifted ? Worded("Manglik: %1; %2", {afflicting, lifting})
                                         : Worded("Manglik: %1", {afflicting}))
              : anyLifted   ? Worded("not Manglik: %1", {lifting})
                            : Worded("not Manglik");
  check.reason = TextOf(check.why, Language::English);
  return check;
}

KujaMatch MatchKuja(const BirthSigns& groom, const BirthSigns& bride) {
  KujaMatch match;
  match.groom = CheckKuja(groom);
  match.bride = CheckKuja(bride);
  const bool g = match.groom.manglik, b = match.bride.manglik;
  match.cancelled = g && b;
  match.why = Together(g, b);
  match.reason = TextOf(match.why, Language::English);
  return match;
}

}  // namespace horavela::matching
