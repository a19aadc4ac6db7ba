#include "tradition/festival_vetoes.h"

#include <optional>
#include <string>

namespace horavela {

namespace {

// Tithi indexes of the lunar month, 0 for Shukla Pratipada.
constexpr int kShuklaAshtami = 7;
constexpr int kShuklaEkadashi = 10;
constexpr int kShuklaDwadashi = 11;
constexpr int kKrishnaPratipada = 15;
constexpr int kAmavasya = 29;
// Half a day: from a sunrise back into the evening before it.
constexpr std::int64_t kDayMinutes = 1440;
constexpr std::int64_t kHalfDayMinutes = kDayMinutes / 2;

// The first minute of a tithi's day: the sunrise at which it runs (the
// first, where it runs at two); for a tithi that runs at no sunrise (a lost
// tithi), the sunrise of the day it runs in. Where the Sun does not rise that
// day, the tithi's own first minute.
std::int64_t DayOfTithiBegins(MinuteSky& sky, const LunarMonth& month, int tithi) {
  const std::int64_t begins = TithiBegins(sky, month, tithi);
  const std::optional<SunDay> day = sky.DayOf(begins);
  if (!day) return begins;
  if (begins > day->sunrise)
    return sky.Phase(day->nextSunrise).tithi == tithi ? day->nextSunrise : day->sunrise;
  if (sky.Phase(day->sunrise).tithi == tithi) return day->sunrise;
  // Begun and ended in the night before the date's sunrise: the day before.
  const std::optional<SunDay> before = sky.DayOf(day->sunrise - kHalfDayMinutes);
  return before ? before->sunrise : begins;
}

// The last minute of the day that begins at `sunrise`; where the Sun does not
// rise the next day, `otherwise`.
std::int64_t DayEnds(MinuteSky& sky, std::int64_t sunrise, std::int64_t otherwise) {
  const std::optional<SunDay> day = sky.DayOf(sunrise);
  return day ? day->nextSunrise - 1 : otherwise;
}

bool Overlaps(std::int64_t a, std::int64_t b, std::int64_t first, std::int64_t last) {
  return a <= last && b >= first;
}

bool Counts(const LunarMonth& month, Masa name) {
  return month.name == name && month.kind != MonthKind::Adhika;
}

}  // namespace

std::vector<VetoPeriod> Chaturmas(MinuteSky& sky, const std::vector<LunarMonth>& months,
                                  std::int64_t first, std::int64_t last) {
  std::vector<VetoPeriod> periods;
  for (std::size_t i = 0; i < months.size(); ++i) {
    if (!Counts(months[i], Masa::Ashadha) || months[i].first > last) continue;
    std::size_t k = i + 1;
    while (k < months.size() && !Counts(months[k], Masa::Kartika)) ++k;
    if (k == months.size() || months[k].last < first) continue;
    const std::int64_t start = DayOfTithiBegins(sky, months[i], kShuklaEkadashi);
    const std::int64_t awakening = TithiBegins(sky, months[k], kShuklaDwadashi);
    if (!Overlaps(start, awakening - 1, first, last)) continue;
    periods.push_back(
        PeriodOf(Veto::Chaturmas, start, awakening - 1,
                 Worded("Chaturmas: from Devshayani Ekadashi (Ashadha Shukla Ekadashi) on %1 until "
                        "Prabodhini Ekadashi (Kartika Shukla Ekadashi) ends at %2.",
                        {sky.DateText(start), sky.MomentText(awakening)})));
  }
  return periods;
}

std::vector<VetoPeriod> Holashtak(MinuteSky& sky, const std::vector<LunarMonth>& months,
                                  std::int64_t first, std::int64_t last) {
  std::vector<VetoPeriod> periods;
  for (const LunarMonth& month : months) {
    if (!Counts(month, Masa::Phalguna) || !Overlaps(month.first, month.last, first, last)) continue;
    const std::int64_t start = DayOfTithiBegins(sky, month, kShuklaAshtami);
    if (!Overlaps(start, month.fullMoon - 1, first, last)) continue;
    periods.push_back(PeriodOf(
        Veto::Holashtak, start, month.fullMoon - 1,
        Worded("Holashtak: from Phalguna Shukla Ashtami on %1 until Phalguna Purnima ends at %2.",
               {sky.DateText(start), sky.MomentText(month.fullMoon)})));
  }
  return periods;
}

std::vector<VetoPeriod> PitruPaksha(MinuteSky& sky, const std::vector<LunarMonth>& months,
                                    std::int64_t first, std::int64_t last,
                                    MonthConvention convention) {
  // The amanta month ends with this fortnight; the purnimanta month begins
  // with it, at the full moon, and so bears the next month's name.
  const std::string_view pattern =
      convention == MonthConvention::Amanta
          ? "Pitru Paksha: the dark fortnight of Bhadrapada (amanta), from Krishna Pratipada on "
            "%1 to Amavasya on %2."
          : "Pitru Paksha: the dark fortnight of Ashvina (purnimanta), from Krishna Pratipada on "
            "%1 to Amavasya on %2.";
  std::vector<VetoPeriod> periods;
  for (const LunarMonth& month : months) {
    if (!Counts(month, Masa::Bhadrapada) ||
        !Overlaps(month.fullMoon, month.last + kDayMinutes, first, last))
      continue;
    const std::int64_t start = DayOfTithiBegins(sky, month, kKrishnaPratipada);
    const std::int64_t amavasya = DayOfTithiBegins(sky, month, kAmavasya);
    const std::int64_t end = DayEnds(sky, amavasya, month.last);
    if (!Overlaps(start, end, first, last)) continue;
    periods.push_back(PeriodOf(Veto::PitruPaksha, start, end,
                               Worded(pattern, {sky.DateText(start), sky.DateText(amavasya)})));
  }
  return periods;
}

}  // namespace horavela
