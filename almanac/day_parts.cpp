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
constexpr std::array<std::string_view, 7> kWeekdayLords = {"Sun",     "Moon",  "Mars",  "Mercury",
                                                           "Jupiter", "Venus", "Saturn"};
constexpr std::array<std::string_view, 7> kHoraOrder = {"Saturn", "Jupiter", "Mars", "Sun",
                                                        "Venus",  "Mercury", "Moon"};

// The eight choghadiyas of the daytime and of the night by weekday, Sunday
// first, as the common almanacs print them.
using ChoghadiyaRow = std::array<std::string_view, 8>;
// clang-format off
constexpr std::array<ChoghadiyaRow, 7> kDayChoghadiya = {{
    {"Udveg", "Char",  "Labh",  "Amrit", "Kaal",  "Shubh", "Rog",   "Udveg"},  // Sunday
    {"Amrit", "Kaal",  "Shubh", "Rog",   "Udveg", "Char",  "Labh",  "Amrit"},  // Monday
    {"Rog",   "Udveg", "Char",  "Labh",  "Amrit", "Kaal",  "Shubh", "Rog"  },  // Tuesday
    {"Labh",  "Amrit", "Kaal",  "Shubh", "Rog",   "Udveg", "Char",  "Labh" },  // Wednesday
    {"Shubh", "Rog",   "Udveg", "Char",  "Labh",  "Amrit", "Kaal",  "Shubh"},  // Thursday
    {"Char",  "Labh",  "Amrit", "Kaal",  "Shubh", "Rog",   "Udveg", "Char" },  // Friday
    {"Kaal",  "Shubh", "Rog",   "Udveg", "Char",  "Labh",  "Amrit", "Kaal" },  // Saturday
}};
constexpr std::array<ChoghadiyaRow, 7> kNightChoghadiya = {{
    {"Shubh", "Amrit", "Char",  "Rog",   "Kaal",  "Labh",  "Udveg", "Shubh"},  // Sunday
    {"Char",  "Rog",   "Kaal",  "Labh",  "Udveg", "Shubh", "Amrit", "Char" },  // Monday
    {"Kaal",  "Labh",  "Udveg", "Shubh", "Amrit", "Char",  "Rog",   "Kaal" },  // Tuesday
    {"Udveg", "Shubh", "Amrit", "Char",  "Rog",   "Kaal",  "Labh",  "Udveg"},  // Wednesday
    {"Amrit", "Char",  "Rog",   "Kaal",  "Labh",  "Udveg", "Shubh", "Amrit"},  // Thursday
    {"Rog",   "Kaal",  "Labh",  "Udveg", "Shubh", "Amrit", "Char",  "Rog"  },  // Friday
    {"Labh",  "Udveg", "Shubh", "Amrit", "Char",  "Rog",   "Kaal",  "Labh" },  // Saturday
}};
// clang-format on

// Almanacs leave Abhijit muhurta out on a Wednesday.
constexpr int kWednesday = 3;

std::size_t IndexIn(const std::array<std::string_view, 7>& names, std::string_view name) {
  std::size_t i = 0;
  while (i < names.size() && names[i] != name) ++i;
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

  const EqualParts eighths(clock, rise, set, 8);
  const KalamRow& kalams = kKalamEighths[weekday];
  parts.rahuKalam = eighths.Part(kalams.rahu - 1, "Rahu kalam");
  parts.yamaganda = eighths.Part(kalams.yamaganda - 1, "Yamaganda");
  parts.gulikaKalam = eighths.Part(kalams.gulika - 1, "Gulika kalam");
  parts.abhijit =
      EqualParts(clock, rise, set, kMuhurtasOfDaytime).Part(kAbhijitMuhurta - 1, "Abhijit muhurta");
  parts.abhijitObserved = weekday != kWednesday;

  const EqualParts dayHoras(clock, rise, set, 12);
  const std::size_t first = IndexIn(kHoraOrder, kWeekdayLords[weekday]);
  const auto lord = [first](int i) { return kHoraOrder[(first + i) % kHoraOrder.size()]; };
  for (int i = 0; i < 12; ++i) parts.hora.push_back(dayHoras.Part(i, lord(i)));
  for (int i = 0; i < 8; ++i)
    parts.choghadiya.push_back(eighths.Part(i, kDayChoghadiya[weekday][i]));
  if (!nextSunrise) return parts;

  const std::int64_t nextRise = UniversalOf(clock, *nextSunrise);
  const EqualParts nightHoras(clock, set, nextRise, 12);
  for (int i = 0; i < 12; ++i) parts.hora.push_back(nightHoras.Part(i, lord(12 + i)));
  const EqualParts nightEighths(clock, set, nextRise, 8);
  for (int i = 0; i < 8; ++i)
    parts.choghadiya.push_back(nightEighths.Part(i, kNightChoghadiya[weekday][i]));
  return parts;
}

std::optional<DayParts> PartsOfSky(const DayRequest& clock, const RiseAndSet& sky) {
  if (!sky.sunrise || !sky.sunset) return std::nullopt;
  return PartsOfDay(clock, *sky.sunrise, *sky.sunset, sky.nextSunrise);
}

}  // namespace horavela
