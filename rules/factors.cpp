#include "rules/factors.h"

#include <algorithm>

namespace horavela {

std::string_view CanonicalName(std::string_view name) {
  struct Alias {
    std::string_view spelling;
    std::string_view canonical;
  };
  // Chart tables on the left, rule lists on the right.
  static constexpr Alias kAliases[] = {
      {"Vrishcika", "Vrischika"},
      {"Dhanush", "Dhanus"},
      {"Vaidhruthi", "Veidhriti"},
      {"Visti", "Vishti"},
  };
  for (const Alias& alias : kAliases) {
    if (name == alias.spelling) return alias.canonical;
  }
  return name;
}

bool NameIn(std::string_view name, std::initializer_list<std::string_view> list) {
  const std::string_view canonical = CanonicalName(name);
  return std::any_of(list.begin(), list.end(), [canonical](std::string_view entry) {
    return CanonicalName(entry) == canonical;
  });
}

bool MoonNakshatraIn(const CalculationState& s, std::initializer_list<std::string_view> list) {
  return NameIn(s.ElectionChart[kNakshatraSlot], list);
}
bool MoonSignIn(const CalculationState& s, std::initializer_list<std::string_view> list) {
  return NameIn(s.ElectionChart[kMoonSignSlot], list);
}
bool LagnaIn(const CalculationState& s, std::initializer_list<std::string_view> list) {
  return NameIn(s.ElectionChart[kLagnaSlot], list);
}
bool TithiIn(const CalculationState& s, std::initializer_list<std::string_view> list) {
  return NameIn(s.Panchang.TithiRuleName, list);
}
bool YogaIn(const CalculationState& s, std::initializer_list<std::string_view> list) {
  return NameIn(s.ElectionChart[kYogaSlot], list);
}
bool KaranaIn(const CalculationState& s, std::initializer_list<std::string_view> list) {
  return NameIn(s.ElectionChart[kKaranaSlot], list);
}
bool WeekdayIn(const CalculationState& s, std::initializer_list<std::string_view> list) {
  return NameIn(s.Input.electionWeekday, list);
}
bool PakshaIs(const CalculationState& s, std::string_view paksha) {
  return s.Panchang.Paksha == paksha;
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
  return FirstHolding({{YogaIn(s, {"Vishkambha", "Atiganda", "Soola", "Ganda", "Vyaghata", "Vajra",
                                   "Vyatipata", "Parigha", "Veidhriti"}),
                        {Factor::Yoga, Word::Unavourable, -1, kKeeps, YogaFlag, 1}}},
                      {Factor::Yoga, Word::Neutral, 0, kCounts, YogaFlag, 2});
}

Outcome StandardKaranaFactor(const CalculationState& s) {
  return FirstHolding(
      {{KaranaIn(s, {"Vishti"}), {Factor::Karana, Word::Unfavourable, -1, kKeeps, KaranaFlag, 1}}},
      {Factor::Karana, Word::Neutral, 0, kCounts, KaranaFlag, 2});
}

}  // namespace horavela
