#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "almanac/day_at_a_glance.h"
#include "almanac/equal_parts.h"

namespace horavela {

namespace {

constexpr int kMuhurtas = 15;  // of the daytime, and of the night
constexpr int kGhatis = 30;    // likewise: two ghatis make a muhurta
constexpr int kEighths = 8;

// The weekday's durmuhurtas, Sunday first: which of the daytime's 15
// muhurtas (1 the first after sunrise) and of the night's are inauspicious,
// 0 for none. Muhurta Chintamani (Shubhashubha prakarana) names them by
// their deities (Aryaman on Sunday, ...); the numbers are their places.
struct DurmuhurtaRow {
  std::array<int, 2> day;
  int night;
};
// clang-format off
constexpr std::array<DurmuhurtaRow, 7> kDurmuhurtas = {{
    //  daytime    night
    {{14,  0},     0},  // Sunday
    {{ 9, 12},     0},  // Monday
    {{ 4,  0},     7},  // Tuesday
    {{ 8,  0},     0},  // Wednesday
    {{ 6, 12},     0},  // Thursday
    {{ 4,  9},     0},  // Friday
    {{ 1,  2},     0},  // Saturday
}};
// clang-format on

// Which eighth of the night (1 the first after sunset) each kalam takes, by
// weekday, Sunday first. Yamaganda and Gulika are Jupiter's and Saturn's
// parts when the night's parts are given to the weekday lords from the lord
// of the fifth weekday on (Brihat Parashara Hora Shastra, on Gulika at
// night); Rahu's part follows the South Indian Rahu kala chakra, whose night
// begins from the lord opposite the weekday's (as Tamil almanacs print it).
struct NightKalamRow {
  int rahu;
  int yamaganda;
  int gulika;
};
// clang-format off
constexpr std::array<NightKalamRow, 7> kNightKalamEighths = {{
    // Rahu  Yamaganda  Gulika
    {  4,    1,         3 },  // Sunday
    {  6,    7,         2 },  // Monday
    {  3,    6,         1 },  // Tuesday
    {  1,    5,         7 },  // Wednesday
    {  2,    4,         6 },  // Thursday
    {  8,    3,         5 },  // Friday
    {  7,    2,         4 },  // Saturday
}};
// clang-format on

// Gowri panchangam, the eight parts of the daytime and of the night by
// weekday, Sunday first, as Tamil almanacs print them: each part is the
// weekday lord's quality in turn (Sun Uthi, Moon Amirdha, Mars Rogam,
// Mercury Laabam, Jupiter Dhanam, Venus Sugam, Saturn Soram) from the
// weekday's lord by day and the fifth weekday's by night, and Rahu's part is
// Visham (the vaara and Rahu kala chakras).
using GowriRow = std::array<Gowri, 8>;
constexpr Gowri kUt = Gowri::Uthi, kAm = Gowri::Amirdha, kRo = Gowri::Rogam, kLa = Gowri::Laabam,
                kDh = Gowri::Dhanam, kSu = Gowri::Sugam, kSo = Gowri::Soram, kVi = Gowri::Visham;
// clang-format off
constexpr std::array<GowriRow, 7> kDayGowri = {{
    {kUt, kAm, kRo, kLa, kDh, kSu, kSo, kVi},  // Sunday
    {kAm, kVi, kRo, kLa, kDh, kSu, kSo, kUt},  // Monday
    {kRo, kLa, kDh, kSu, kSo, kUt, kVi, kAm},  // Tuesday
    {kLa, kDh, kSu, kSo, kVi, kUt, kAm, kRo},  // Wednesday
    {kDh, kSu, kSo, kUt, kAm, kVi, kRo, kLa},  // Thursday
    {kSu, kSo, kUt, kVi, kAm, kRo, kLa, kDh},  // Friday
    {kSo, kUt, kVi, kAm, kRo, kLa, kDh, kSu},  // Saturday
}};
constexpr std::array<GowriRow, 7> kNightGowri = {{
    {kDh, kSu, kSo, kVi, kUt, kAm, kRo, kLa},  // Sunday
    {kSu, kSo, kUt, kAm, kRo, kVi, kLa, kDh},  // Monday
    {kSo, kUt, kVi, kAm, kRo, kLa, kDh, kSu},  // Tuesday
    {kVi, kUt, kAm, kRo, kLa, kDh, kSu, kSo},  // Wednesday
    {kAm, kVi, kRo, kLa, kDh, kSu, kSo, kUt},  // Thursday
    {kRo, kLa, kDh, kSu, kSo, kUt, kAm, kVi},  // Friday
    {kLa, kDh, kSu, kSo, kUt, kAm, kVi, kRo},  // Saturday
}};
// clang-format on

// Which stretch of the sky a named muhurta cuts into equal parts.
enum class Stretch {
  Daytime,     // sunrise to sunset
  Night,       // the night after the daytime, sunset to the next sunrise
  NightBefore  // the night that ends at the day's own sunrise
};

// The named muhurtas, each a run of equal parts of a stretch (0 the first
// after its beginning), up to `end`: Vijaya, the 11th muhurta of the
// daytime; Nishita, the night's 8th (its middle); Pradosh, the first three
// muhurtas of the night (Dharmasindhu); the sandhyas, the three ghatis of
// twilight after sunset and before sunrise. Brahma muhurta (the night's
// 14th, two muhurtas before sunrise) and Pratah sandhya belong to the dawn
// that opens the day: almanacs print them on the morning of their date.
// Godhuli, the hour of the cattle's dust, is the ghati each side of
// sunset (Muhurta Chintamani): it spans both and is made apart.
struct NamedPart {
  NamedMuhurta name;
  Stretch stretch;
  int parts;  // into how many the daytime or night is cut
  int first;
  int end;
};
constexpr std::array<NamedPart, 6> kNamedParts = {{
    {NamedMuhurta::Vijaya, Stretch::Daytime, kMuhurtas, 10, 11},
    {NamedMuhurta::SayahnaSandhya, Stretch::Night, kGhatis, 0, 3},
    {NamedMuhurta::Pradosh, Stretch::Night, kMuhurtas, 0, 3},
    {NamedMuhurta::NishitaKaal, Stretch::Night, kMuhurtas, 7, 8},
    {NamedMuhurta::BrahmaMuhurta, Stretch::NightBefore, kMuhurtas, 13, 14},
    {NamedMuhurta::PratahSandhya, Stretch::NightBefore, kGhatis, 27, 30},
}};

void AddDurmuhurtas(int weekday, const EqualParts& day, const EqualParts* night, DayMuhurtas& out) {
  for (int muhurta : kDurmuhurtas[weekday].day) {
    if (muhurta != 0)
      out.durmuhurtam.push_back(day.Part(muhurta - 1, PeriodName::DurmuhurtaOf(muhurta, false)));
  }
  const int nightMuhurta = kDurmuhurtas[weekday].night;
  if (night != nullptr && nightMuhurta != 0) {
    out.durmuhurtam.push_back(
        night->Part(nightMuhurta - 1, PeriodName::DurmuhurtaOf(nightMuhurta, true)));
  }
}

// The beginning and end of a stretch, universal seconds; nothing where the
// night has no known end or beginning.
std::optional<std::pair<std::int64_t, std::int64_t>> StretchOf(
    Stretch stretch, std::int64_t rise, std::int64_t set,
    const std::optional<std::int64_t>& nextRise, const std::optional<std::int64_t>& lastSet) {
  switch (stretch) {
    case Stretch::Daytime:
      return std::pair{rise, set};
    case Stretch::Night:
      if (nextRise) return std::pair{set, *nextRise};
      break;
    case Stretch::NightBefore:
      if (lastSet) return std::pair{*lastSet, rise};
      break;
  }
  return std::nullopt;
}

void AddNamed(const DayRequest& clock, std::int64_t rise, std::int64_t set,
              const std::optional<std::int64_t>& nextRise,
              const std::optional<std::int64_t>& lastSet, DayMuhurtas& out) {
  for (const NamedPart& named : kNamedParts) {
    const auto stretch = StretchOf(named.stretch, rise, set, nextRise, lastSet);
    if (!stretch) continue;
    const EqualParts parts(clock, stretch->first, stretch->second, named.parts);
    out.named.push_back(parts.Parts(named.first, named.end, PeriodName::Of(named.name)));
  }
  if (!nextRise) return;
  const PeriodName godhuli = PeriodName::Of(NamedMuhurta::Godhuli);
  const Period before = EqualParts(clock, rise, set, kGhatis).Part(kGhatis - 1, godhuli);
  const Period after = EqualParts(clock, set, *nextRise, kGhatis).Part(0, godhuli);
  out.named.push_back({before.name, before.from, after.to, godhuli});
  std::stable_sort(out.named.begin(), out.named.end(),
                   [](const Period& a, const Period& b) { return a.from < b.from; });
}

}  // namespace

DayMuhurtas MuhurtasOfDay(const DayRequest& clock, const LocalTime& sunrise,
                          const LocalTime& sunset, const std::optional<LocalTime>& nextSunrise,
                          const std::optional<LocalTime>& previousSunset) {
  const std::int64_t rise = UniversalOf(clock, sunrise);
  const std::int64_t set = UniversalOf(clock, sunset);
  std::optional<std::int64_t> nextRise;
  if (nextSunrise) nextRise = UniversalOf(clock, *nextSunrise);
  std::optional<std::int64_t> lastSet;
  if (previousSunset) lastSet = UniversalOf(clock, *previousSunset);
  const int weekday = WeekdayOfSunrise(clock, rise);

  DayMuhurtas out;
  const EqualParts dayMuhurtas(clock, rise, set, kMuhurtas);
  const std::optional<EqualParts> nightMuhurtas =
      nextRise ? std::optional<EqualParts>(std::in_place, clock, set, *nextRise, kMuhurtas)
               : std::nullopt;
  AddDurmuhurtas(weekday, dayMuhurtas, nightMuhurtas ? &*nightMuhurtas : nullptr, out);
  AddNamed(clock, rise, set, nextRise, lastSet, out);

  const EqualParts dayEighths(clock, rise, set, kEighths);
  for (int i = 0; i < kEighths; ++i)
    out.gowri.push_back(dayEighths.Part(i, PeriodName::Of(kDayGowri[weekday][i])));
  if (!nextRise) return out;
  const EqualParts nightEighths(clock, set, *nextRise, kEighths);
  for (int i = 0; i < kEighths; ++i)
    out.gowri.push_back(nightEighths.Part(i, PeriodName::Of(kNightGowri[weekday][i])));
  const NightKalamRow& kalams = kNightKalamEighths[weekday];
  out.nightKalams = {nightEighths.Part(kalams.rahu - 1, PeriodName::Of(KalamWord::RahuKalam)),
                     nightEighths.Part(kalams.yamaganda - 1, PeriodName::Of(KalamWord::Yamaganda)),
                     nightEighths.Part(kalams.gulika - 1, PeriodName::Of(KalamWord::GulikaKalam))};
  return out;
}

std::optional<DayMuhurtas> MuhurtasOfSky(const DayRequest& clock, const RiseAndSet& sky) {
  if (!sky.sunrise || !sky.sunset) return std::nullopt;
  return MuhurtasOfDay(clock, *sky.sunrise, *sky.sunset, sky.nextSunrise, sky.previousSunset);
}

}  // namespace horavela
