#include "panchang/special_yogas.h"

#include <algorithm>
#include <initializer_list>
#include <string>
#include <string_view>

namespace horavela {

namespace {

using W = Weekday;
using N = Nakshatra;
using T = Tithi;

// A weekday with the nakshatras (or tithis) that complete the yoga on it.
template <typename E>
struct WeekdayValues {
  Weekday weekday;
  std::initializer_list<E> values;
};

// A weekday with the one value that completes the yoga, and a note.
template <typename E>
struct WeekdayPair {
  Weekday weekday;
  E value;
  std::string_view warning = {};
};

// Siddha yoga: weekday box and tithi group, tried in this order.
constexpr WeekdayPair<TithiGroup> kSiddhaPairs[] = {
    {W::Friday, TithiGroup::Nanda},    {W::Wednesday, TithiGroup::Bhadra},
    {W::Tuesday, TithiGroup::Jaya},    {W::Saturday, TithiGroup::Rikta},
    {W::Thursday, TithiGroup::Poorna},
};

// Sarvartha Siddha yoga: nakshatras of each weekday, tried Monday first.
const WeekdayValues<Nakshatra> kSarvarthaSiddha[] = {
    {W::Monday, {N::Shravana, N::Rohini, N::Mrigasira, N::Pushya, N::Anuradha}},
    {W::Tuesday, {N::Ashwini, N::UttaraBhadrapada, N::Krittika, N::Ashlesha}},
    {W::Wednesday, {N::Rohini, N::Anuradha, N::Hasta, N::Krittika, N::Mrigasira}},
    {W::Thursday, {N::Revati, N::Anuradha, N::Ashwini, N::Punarvasu, N::Pushya}},
    {W::Friday, {N::Revati, N::Anuradha, N::Ashwini, N::Punarvasu, N::Shravana}},
    {W::Saturday, {N::Shravana, N::Rohini, N::Swati}},
    {W::Sunday,
     {N::Hasta, N::Moola, N::UttaraAshadha, N::UttaraPhalguni, N::UttaraBhadrapada, N::Ashwini,
      N::Pushya}},
};

// Amrita Siddhi yoga: weekday and nakshatra, with the undertaking it still spoils.
constexpr WeekdayPair<Nakshatra> kAmritaSiddhiPairs[] = {
    {W::Sunday, N::Hasta},
    {W::Monday, N::Mrigasira},
    {W::Tuesday, N::Ashwini, "Not Favourable for Griha Pravesha"},
    {W::Wednesday, N::Anuradha},
    {W::Thursday, N::Pushya, "Not Favourable for Marriage"},
    {W::Friday, N::Revati},
    {W::Saturday, N::Rohini, "Not Favourable for Travel"},
};

// Mrityu yoga: weekday and tithi. The new-moon tithi is in no row.
const WeekdayValues<Tithi> kMrityu[] = {
    {W::Sunday, {T::Pratipada, T::Shasthi, T::Ekadashi}},
    {W::Tuesday, {T::Pratipada, T::Shasthi, T::Ekadashi}},
    {W::Monday, {T::Dwitiya, T::Saptami, T::Dwadashi}},
    {W::Friday, {T::Dwitiya, T::Saptami, T::Dwadashi}},
    {W::Wednesday, {T::Tritiya, T::Ashtami, T::Triyodashi}},
    {W::Thursday, {T::Chaturthi, T::Navami, T::Chaturdashi}},
    {W::Saturday, {T::Panchami, T::Dashami, T::Purnima}},
};

constexpr WeekdayPair<Nakshatra> kDagdhaPairs[] = {
    {W::Sunday, N::Bharani},      {W::Monday, N::Chitra},           {W::Tuesday, N::UttaraAshadha},
    {W::Wednesday, N::Dhanistha}, {W::Thursday, N::UttaraPhalguni}, {W::Friday, N::Jyeshtha},
    {W::Saturday, N::Revati},
};

constexpr WeekdayPair<Nakshatra> kYamaghataPairs[] = {
    {W::Sunday, N::Magha},    {W::Monday, N::Vishakha},   {W::Tuesday, N::Ardra},
    {W::Wednesday, N::Moola}, {W::Thursday, N::Krittika}, {W::Friday, N::Rohini},
    {W::Saturday, N::Hasta},
};

template <typename E>
bool OneOf(E value, std::initializer_list<E> list) {
  return std::find(list.begin(), list.end(), value) != list.end();
}

Weekday ChartWeekday(const CalculationState& s) {
  return s.ElectionChart.weekday;
}
Nakshatra ElectionStar(const CalculationState& s) {
  return s.ElectionChart.nakshatra;
}

template <typename E, std::size_t Count>
const WeekdayPair<E>* FindPair(const WeekdayPair<E> (&pairs)[Count], Weekday weekday, E value) {
  for (const WeekdayPair<E>& pair : pairs) {
    if (pair.weekday == weekday && pair.value == value) return &pair;
  }
  return nullptr;
}

template <typename E, std::size_t Count>
bool InWeekdayList(const WeekdayValues<E> (&table)[Count], Weekday weekday, E value) {
  for (const WeekdayValues<E>& row : table) {
    if (row.weekday == weekday && OneOf(value, row.values)) return true;
  }
  return false;
}

// The tithis of both pushkar yogas, and their weekdays.
bool PushkarTithiAndWeekday(const CalculationState& s) {
  return OneOf(s.Panchang.TithiName, {T::Dwitiya, T::Saptami, T::Dwadashi}) &&
         OneOf(ChartWeekday(s), {W::Sunday, W::Tuesday, W::Saturday});
}

// Hindu solar month by civil date: through the threshold day the month of
// the row, from the day after it the next one.
struct SolarMonthRow {
  int threshold;
  SolarMonth throughThreshold;
};
constexpr SolarMonthRow kSolarMonths[12] = {
    {21, SolarMonth::Magha},    {20, SolarMonth::Falguna},    {22, SolarMonth::Chaitra},
    {21, SolarMonth::Vaisakha}, {22, SolarMonth::Jyaistha},   {22, SolarMonth::Asadha},
    {23, SolarMonth::Shravana}, {23, SolarMonth::Bhadra},     {23, SolarMonth::Asvina},
    {23, SolarMonth::Kartika},  {22, SolarMonth::Agrahayana}, {22, SolarMonth::Pausa},
};

SolarMonth NextMonth(SolarMonth month) {
  return FromIndex<SolarMonth>((IndexOf(month) + 1) % 12);
}

}  // namespace

void CheckSiddhaYoga(CalculationState& s) {
  s.Yogas.IsSiddhaYoga =
      FindPair(kSiddhaPairs, s.Input.electionWeekday, s.Panchang.Group) != nullptr;
}

void CheckSarvarthaSiddhaYoga(CalculationState& s) {
  s.Yogas.IsSarvarthaSiddhaYoga =
      InWeekdayList(kSarvarthaSiddha, s.Input.electionWeekday, ElectionStar(s));
}

void CheckAmritaSiddhiYoga(CalculationState& s) {
  const WeekdayPair<Nakshatra>* pair =
      FindPair(kAmritaSiddhiPairs, ChartWeekday(s), ElectionStar(s));
  s.Yogas.IsAmritaSiddhiYoga = pair != nullptr;
  s.Yogas.YogaWarning = pair != nullptr ? pair->warning : std::string_view();
}

void CheckDvipushkarYoga(CalculationState& s) {
  s.Yogas.IsDvipushkarYoga =
      OneOf(ElectionStar(s), {N::Dhanistha, N::Chitra, N::Mrigasira}) && PushkarTithiAndWeekday(s);
}

void CheckTripushkarYoga(CalculationState& s) {
  s.Yogas.IsTripushkarYoga =
      OneOf(ElectionStar(s), {N::Krittika, N::Punarvasu, N::UttaraPhalguni, N::Vishakha,
                              N::UttaraAshadha, N::UttaraBhadrapada}) &&
      PushkarTithiAndWeekday(s);
}

void CheckMrityuYoga(CalculationState& s) {
  s.Yogas.IsMrityuYoga = InWeekdayList(kMrityu, ChartWeekday(s), s.Panchang.TithiName);
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
      s.Moment.day > row.threshold ? NextMonth(row.throughThreshold) : row.throughThreshold;
}

}  // namespace horavela
