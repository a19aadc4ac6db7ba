#include "rules/factors.h"

#include <algorithm>

namespace horavela {

bool MoonNakshatraIn(const CalculationState& s, std::initializer_list<Nakshatra> list) {
  return OneOf(s.ElectionChart.nakshatra, list);
}
bool MoonSignIn(const CalculationState& s, std::initializer_list<Rashi> list) {
  return OneOf(s.ElectionChart.moonSign, list);
}
bool LagnaIn(const CalculationState& s, std::initializer_list<Rashi> list) {
  return OneOf(s.ElectionChart.lagna, list);
}
bool TithiIn(const CalculationState& s, std::initializer_list<Tithi> list) {
  return OneOf(s.Panchang.TithiName, list);
}
bool YogaIn(const CalculationState& s, std::initializer_list<Yoga> list) {
  return OneOf(s.ElectionChart.yoga, list);
}
bool KaranaIn(const CalculationState& s, std::initializer_list<Karana> list) {
  return OneOf(s.ElectionChart.karana, list);
}
bool WeekdayIn(const CalculationState& s, std::initializer_list<Weekday> list) {
  return OneOf(s.Input.electionWeekday, list);
}
bool PakshaIs(const CalculationState& s, Paksha paksha) {
  return s.Panchang.Fortnight == paksha;
}
bool TithiNumberIn(const CalculationState& s, std::initializer_list<int> numbers) {
  return std::find(numbers.begin(), numbers.end(), s.Panchang.TithiNumber) != numbers.end();
}

int DayDifference(const CalculationState& s) {
  return s.Input.election.day - s.Input.birth.day;
}
int MonthDifference(const CalculationState& s) {
  return s.Input.election.month - s.Input.birth.month;
}
int YearDifference(const CalculationState& s) {
  return s.Input.election.year - s.Input.birth.year;
}

Outcome TaraBalaFactor(const CalculationState& s) {
  const Word verdict = s.TaraBalaVerdict;
  return FirstHolding(
      {
          {verdict == Word::Unfavourable,
           {Factor::Tara, Word::Unfavourable, -1, kKeeps, TaraFlag, 1}},
          {verdict == Word::Favourable, {Factor::Tara, Word::Favourable, 1, kCounts, TaraFlag, 2}},
          {verdict == Word::VeryFavourable,
           {Factor::Tara, Word::VeryFavourable, 2, kCounts, TaraFlag, 2}},
      },
      // An unexpected verdict writes nothing: the slot stays empty.
      {Factor::Tara, Word::None, 0, kKeeps, TaraFlag, 0});
}

Outcome ChandraBalaFactor(const CalculationState& s) {
  return FirstHolding(
      {
          {s.ChandraBalaVerdict == Word::Unfavourable,
           {Factor::Chandra, Word::Unfavourable, -1, kKeeps, ChandraFlag, 1}},
      },
      {Factor::Chandra, Word::Favourable, 1, kCounts, ChandraFlag, 2});
}

Outcome StandardYogaFactor(const CalculationState& s) {
  return FirstHolding(
      {{YogaIn(s, {Yoga::Vishkambha, Yoga::Atiganda, Yoga::Soola, Yoga::Ganda, Yoga::Vyaghata,
                   Yoga::Vajra, Yoga::Vyatipata, Yoga::Parigha, Yoga::Vaidhriti}),
        {Factor::Yoga, Word::Unavourable, -1, kKeeps, YogaFlag, 1}}},
      {Factor::Yoga, Word::Neutral, 0, kCounts, YogaFlag, 2});
}

Outcome StandardKaranaFactor(const CalculationState& s) {
  return FirstHolding({{KaranaIn(s, {Karana::Vishti}),
                        {Factor::Karana, Word::Unfavourable, -1, kKeeps, KaranaFlag, 1}}},
                      {Factor::Karana, Word::Neutral, 0, kCounts, KaranaFlag, 2});
}

}  // namespace horavela
