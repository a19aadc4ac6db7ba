#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "almanac/day_at_a_glance.h"
#include "almanac/equal_parts.h"
#include "calendar/civil_calendar.h"

namespace horavela {

namespace {

// Which eighth of the daytime (1 = the first after sunrise) each kalam takes,
// by weekday, Sunday first.
struct KalamRow {
  int rahu;
  int yamaganda;
  int gulika;
};
// clang-format off
constexpr std::array<KalamRow, 7> kKalamEighths = {{
    // Rahu  Yamaganda  Gulika
    {  8,    5,         7 },  // Sunday
    {  2,    4,         6 },  // Monday
    {  7,    3,         5 },  // Tuesday
    {  5,    2,         4 },  // Wednesday
    {  6,    1,         3 },  // Thursday
    {  4,    7,         2 },  // Friday
    {  3,    6,         1 },  // Saturday
}};
// clang-format on

// Abhijit muhurta: the eighth of fifteen muhurtas of the daytime, the one
// that holds local noon.
constexpr int kMuhurtasOfDaytime = 15;
constexpr int kAbhijitMuhurta = 8;

// The lord of each weekday's first hora, Sunday first, and the order in which
// the lords of the following horas come (the planets by decreasing period,
// Saturn to the Moon, round and round).
constexpr std::array<Planet, 7> kWeekdayLords = {Planet::Sun,     Planet::Moon,    Planet::Mars,
                                                 Planet::Mercury, Planet::Jupiter, Planet::Venus,
                                                 Planet::Saturn};
constexpr std::array<Planet, 7> kHoraOrder = {Planet::Saturn, Planet::Jupiter, Planet::Mars,
                                              Planet::Sun,    Planet::Venus,   Planet::Mercury,
                                              Planet::Moon};

// The eight choghadiyas of the daytime and of the night by weekday, Sunday
// first, as the common almanacs print them (Udveg, Char, Labh, Amrit,
// Kaal, Shubh, Rog).
using ChoghadiyaRow = std::array<Choghadiya, 8>;
constexpr Choghadiya kUd = Choghadiya::Udveg, kCh = Choghadiya::Char, kLa = Choghadiya::Labh,
                     kAm = Choghadiya::Amrit, kKa = Choghadiya::Kaal, kSh = Choghadiya::Shubh,
                     kRo = Choghadiya::Rog;
// clang-format off
constexpr std::array<ChoghadiyaRow, 7> kDayChoghadiya = {{
    {kUd, kCh, kLa, kAm, kKa, kSh, kRo, kUd},  // Sunday
    {kAm, kKa, kSh, kRo, kUd, kCh, kLa, kAm},  // Monday
    {kRo, kUd, kCh, kLa, kAm, kKa, kSh, kRo},  // Tuesday
    {kLa, kAm, kKa, kSh, kRo, kUd, kCh, kLa},  // Wednesday
    {kSh, kRo, kUd, kCh, kLa, kAm, kKa, kSh},  // Thursday
    {kCh, kLa, kAm, kKa, kSh, kRo, kUd, kCh},  // Friday
    {kKa, kSh, kRo, kUd, kCh, kLa, kAm, kKa},  // Saturday
}};
constexpr std::array<ChoghadiyaRow, 7> kNightChoghadiya = {{
    {kSh, kAm, kCh, kRo, kKa, kLa, kUd, kSh},  // Sunday
    {kCh, kRo, kKa, kLa, kUd, kSh, kAm, kCh},  // Monday
    {kKa, kLa, kUd, kSh, kAm, kCh, kRo, kKa},  // Tuesday
    {kUd, kSh, kAm, kCh, kRo, kKa, kLa, kUd},  // Wednesday
    {kAm, kCh, kRo, kKa, kLa, kUd, kSh, kAm},  // Thursday
    {kRo, kKa, kLa, kUd, kSh, kAm, kCh, kRo},  // Friday
    {kLa, kUd, kSh, kAm, kCh, kRo, kKa, kLa},  // Saturday
}};
// clang-format on

// Almanacs leave Abhijit muhurta out on a Wednesday.
constexpr int kWednesday = 3;

std::size_t IndexIn(const std::array<Planet, 7>& planets, Planet planet) {
  std::size_t i = 0;
  while (i < planets.size() && planets[i] != planet) ++i;
  return i;
}

}  // namespace

DayParts PartsOfDay(const DayRequest& clock, const LocalTime& sunrise, const LocalTime& sunset,
                    const std::optional<LocalTime>& nextSunrise) {
  const std::int64_t rise = UniversalOf(clock, sunrise);
  const std::int64_t set = UniversalOf(clock, sunset);
  const int weekday = WeekdayOfSunrise(clock, rise);

  DayParts parts;
  parts.weekday = std::string(kWeekdayNames[weekday]);
  parts.weekdayValue = FromIndex<Weekday>(weekday);

  const EqualParts eighths(clock, rise, set, 8);
  const KalamRow& kalams = kKalamEighths[weekday];
  parts.rahuKalam = eighths.Part(kalams.rahu - 1, PeriodName::Of(KalamWord::RahuKalam));
  parts.yamaganda = eighths.Part(kalams.yamaganda - 1, PeriodName::Of(KalamWord::Yamaganda));
  parts.gulikaKalam = eighths.Part(kalams.gulika - 1, PeriodName::Of(KalamWord::GulikaKalam));
  parts.abhijit = EqualParts(clock, rise, set, kMuhurtasOfDaytime)
                      .Part(kAbhijitMuhurta - 1, PeriodName::Of(NamedMuhurta::Abhijit));
  parts.abhijitObserved = weekday != kWednesday;

  const EqualParts dayHoras(clock, rise, set, 12);
  const std::size_t first = IndexIn(kHoraOrder, kWeekdayLords[weekday]);
  const auto lord = [first](int i) {
    return PeriodName::HoraOf(kHoraOrder[(first + i) % kHoraOrder.size()]);
  };
  for (int i = 0; i < 12; ++i) parts.hora.push_back(dayHoras.Part(i, lord(i)));
  for (int i = 0; i < 8; ++i)
    parts.choghadiya.push_back(eighths.Part(i, PeriodName::Of(kDayChoghadiya[weekday][i])));
  if (!nextSunrise) return parts;

  const std::int64_t nextRise = UniversalOf(clock, *nextSunrise);
  const EqualParts nightHoras(clock, set, nextRise, 12);
  for (int i = 0; i < 12; ++i) parts.hora.push_back(nightHoras.Part(i, lord(12 + i)));
  const EqualParts nightEighths(clock, set, nextRise, 8);
  for (int i = 0; i < 8; ++i)
    parts.choghadiya.push_back(nightEighths.Part(i, PeriodName::Of(kNightChoghadiya[weekday][i])));
  return parts;
}

std::optional<DayParts> PartsOfSky(const DayRequest& clock, const RiseAndSet& sky) {
  if (!sky.sunrise || !sky.sunset) return std::nullopt;
  return PartsOfDay(clock, *sky.sunrise, *sky.sunset, sky.nextSunrise);
}

}  // namespace horavela
