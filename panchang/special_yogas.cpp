#include "panchang/special_yogas.h"

#include <algorithm>
#include <initializer_list>
#include <string>
#include <string_view>

namespace horavela {

namespace {

// A weekday with the names that complete the yoga on it.
struct WeekdayNames {
  std::string_view weekday;
  std::initializer_list<std::string_view> names;
};

// A weekday with the one name that completes the yoga, and a note.
struct WeekdayPair {
  std::string_view weekday;
  std::string_view name;
  std::string_view warning = {};
};

bool OneOf(std::string_view value, std::initializer_list<std::string_view> list) {
  return std::find(list.begin(), list.end(), value) != list.end();
}

const std::string& ChartWeekday(const CalculationState& s) {
  return s.ElectionChart[kWeekdaySlot];
}
const std::string& ElectionStar(const CalculationState& s) {
  return s.ElectionChart[kNakshatraSlot];
}

// Siddha yoga: weekday box and tithi group, tried in this order.
constexpr WeekdayPair kSiddhaPairs[] = {
    {"Friday", "Nanda"},   {"Wednesday", "Bhadra"}, {"Tuesday", "Jaya"},
    {"Saturday", "Rikta"}, {"Thursday", "Poorna"},
};

// Sarvartha Siddha yoga: nakshatras of each weekday, tried Monday first.
const WeekdayNames kSarvarthaSiddha[] = {
    {"Monday", {"Shravana", "Rohini", "Mrigasira", "Pushya", "Anuradha"}},
    {"Tuesday", {"Ashwini", "Uttara Bhadrapada", "Krittika", "Ashlesha"}},
    {"Wednesday", {"Rohini", "Anuradha", "Hasta", "Krittika", "Mrigasira"}},
    {"Thursday", {"Revati", "Anuradha", "Ashwini", "Punarvasu", "Pushya"}},
    {"Friday", {"Revati", "Anuradha", "Ashwini", "Punarvasu", "Shravana"}},
    {"Saturday", {"Shravana", "Rohini", "Swati"}},
    {"Sunday",
     {"Hasta", "Moola", "Uttara Ashadha", "Uttara Phalguni", "Uttara Bhadrapada", "Ashwini",
      "Pushya"}},
};

// Amrita Siddhi yoga: weekday and nakshatra, with the undertaking it still spoils.
constexpr WeekdayPair kAmritaSiddhiPairs[] = {
    {"Sunday", "Hasta"},
    {"Monday", "Mrigasira"},
    {"Tuesday", "Ashwini", "Not Favourable for Griha Pravesha"},
    {"Wednesday", "Anuradha"},
    {"Thursday", "Pushya", "Not Favourable for Marriage"},
    {"Friday", "Revati"},
    {"Saturday", "Rohini", "Not Favourable for Travel"},
};

// Mrityu yoga: weekday and tithi. The new-moon tithi is in no row.
const WeekdayNames kMrityu[] = {
    {"Sunday", {"Pratipada", "Shasthi", "Ekadashi"}},
    {"Tuesday", {"Pratipada", "Shasthi", "Ekadashi"}},
    {"Monday", {"Dwitiya", "Saptami", "Dwadashi"}},
    {"Friday", {"Dwitiya", "Saptami", "Dwadashi"}},
    {"Wednesday", {"Tritiya", "Ashtami", "Triyodashi"}},
    {"Thursday", {"Chaturthi", "Navami", "Chaturdashi"}},
    {"Saturday", {"Panchami", "Dashami", "Purnima"}},
};

constexpr WeekdayPair kDagdhaPairs[] = {
    {"Sunday", "Bharani"},           {"Monday", "Chitra"},
    {"Tuesday", "Uttara Ashadha"},   {"Wednesday", "Dhanistha"},
    {"Thursday", "Uttara Phalguni"}, {"Friday", "Jyeshtha"},
    {"Saturday", "Revati"},
};

constexpr WeekdayPair kYamaghataPairs[] = {
    {"Sunday", "Magha"},      {"Monday", "Vishakha"}, {"Tuesday", "Ardra"},  {"Wednesday", "Moola"},
    {"Thursday", "Krittika"}, {"Friday", "Rohini"},   {"Saturday", "Hasta"},
};

template <std::size_t N>
const WeekdayPair* FindPair(const WeekdayPair (&pairs)[N], std::string_view weekday,
                            std::string_view name) {
  for (const WeekdayPair& pair : pairs) {
    if (pair.weekday == weekday && pair.name == name) return &pair;
  }
  return nullptr;
}

template <std::size_t N>
bool InWeekdayList(const WeekdayNames (&table)[N], std::string_view weekday,
                   std::string_view name) {
  for (const WeekdayNames& row : table) {
    if (row.weekday == weekday && OneOf(name, row.names)) return true;
  }
  return false;
}

// The tithis of both pushkar yogas, and their weekdays.
bool PushkarTithiAndWeekday(const CalculationState& s) {
  return OneOf(s.Panchang.TithiRuleName, {"Dwitiya", "Saptami", "Dwadashi"}) &&
         OneOf(ChartWeekday(s), {"Sunday", "Tuesday", "Saturday"});
}

// Hindu solar month by civil date: the later month from the day after the threshold.
struct SolarMonthRow {
  int threshold;
  std::string_view throughThreshold;
  std::string_view afterThreshold;
};
constexpr SolarMonthRow kSolarMonths[12] = {
    {21, "Magha", "Falguna"},      {20, "Falguna", "Chaitra"},  {22, "Chaitra", "Vaisakha"},
    {21, "Vaisakha", "Jyaistha"},  {22, "Jyaistha", "Asadha"},  {22, "Asadha", "Shravana"},
    {23, "Shravana", "Bhadra"},    {23, "Bhadra", "Asvina"},    {23, "Asvina", "Kartika"},
    {23, "Kartika", "Agrahayana"}, {22, "Agrahayana", "Pausa"}, {22, "Pausa", "Magha"},
};

}  // namespace

void CheckSiddhaYoga(CalculationState& s) {
  s.Yogas.IsSiddhaYoga =
      FindPair(kSiddhaPairs, s.Input.electionWeekday, s.Panchang.TithiGroup) != nullptr;
}

void CheckSarvarthaSiddhaYoga(CalculationState& s) {
  s.Yogas.IsSarvarthaSiddhaYoga =
      InWeekdayList(kSarvarthaSiddha, s.Input.electionWeekday, ElectionStar(s));
}

void CheckAmritaSiddhiYoga(CalculationState& s) {
  const WeekdayPair* pair = FindPair(kAmritaSiddhiPairs, ChartWeekday(s), ElectionStar(s));
  s.Yogas.IsAmritaSiddhiYoga = pair != nullptr;
  s.Yogas.YogaWarning = pair != nullptr ? std::string(pair->warning) : std::string();
}

void CheckDvipushkarYoga(CalculationState& s) {
  s.Yogas.IsDvipushkarYoga =
      OneOf(ElectionStar(s), {"Dhanistha", "Chitra", "Mrigasira"}) && PushkarTithiAndWeekday(s);
}

void CheckTripushkarYoga(CalculationState& s) {
  s.Yogas.IsTripushkarYoga =
      OneOf(ElectionStar(s), {"Krittika", "Punarvasu", "Uttara Phalguni", "Vishakha",
                              "Uttara Ashadha", "Uttara Bhadrapada"}) &&
      PushkarTithiAndWeekday(s);
}

void CheckMrityuYoga(CalculationState& s) {
  s.Yogas.IsMrityuYoga = InWeekdayList(kMrityu, ChartWeekday(s), s.Panchang.TithiRuleName);
}

void CheckDagdhaYoga(CalculationState& s) {
  s.Yogas.IsDagdhaYoga = FindPair(kDagdhaPairs, ChartWeekday(s), ElectionStar(s)) != nullptr;
}

void CheckYamaghataYoga(CalculationState& s) {
  s.Yogas.IsYamaghataYoga = FindPair(kYamaghataPairs, ChartWeekday(s), ElectionStar(s)) != nullptr;
}

void ComputeHinduMonth(CalculationState& s) {
  const int month = s.Moment.month;
  if (month < 1 || month > 12) return;  // no month name: the old value stays
  const SolarMonthRow& row = kSolarMonths[month - 1];
  s.Yogas.HinduMonth =
      std::string(s.Moment.day > row.threshold ? row.afterThreshold : row.throughThreshold);
}

}  // namespace horavela
