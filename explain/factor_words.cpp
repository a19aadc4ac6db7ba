#include "explain/factor_words.h"

#include <cctype>
#include <cstdlib>

#include "calendar/civil_calendar.h"
#include "explain/factor_values.h"
#include "rules/charts.h"
#include "rules/subjects.h"

namespace horavela {

namespace {

using namespace factor_values;

// How a factor's line reads after "<prefix>: ".
enum class Phrase {
  kCounted,  // "Rohini, which this undertaking counts as favourable"
  kFound,    // "the lagna Simha lies 4 signs after the birth lagna Mesha, unfavourable"
  kYoga,     // "formed today (Friday with a Nanda tithi), favourable"
};

struct FactorRow {
  std::string_view prefix;
  unsigned reads;
  ValueOf value;
  Phrase phrase;
};

constexpr unsigned kJupiterRead = PlanetSignRead(5);
constexpr unsigned kWeekdayStar = kCivilDateRead | kNakshatraRead;

// Every prefix the rule sets write, spelt as they write it.
const FactorRow kFactorRows[] = {
    {"Tara Stength", kNakshatraRead, TaraCount, Phrase::kFound},
    {"Tara Strength", kNakshatraRead, TaraCount, Phrase::kFound},
    {"Moon Stength", kMoonSignRead, MoonSignCount, Phrase::kFound},
    {"Moon Strength", kMoonSignRead, MoonSignCount, Phrase::kFound},
    {"Nakshatra", kNakshatraRead, Nakshatra, Phrase::kCounted},
    {"Good Nakshatra", kNakshatraRead, Nakshatra, Phrase::kCounted},
    {"Bad Nakshatra", kNakshatraRead, Nakshatra, Phrase::kCounted},
    {"Very Bad Nakshatra", kNakshatraRead, Nakshatra, Phrase::kCounted},
    {"Nakshatra of Grammar", kNakshatraRead, Nakshatra, Phrase::kCounted},
    {"Nakshatra of Logic And and Philosophy", kNakshatraRead, Nakshatra, Phrase::kCounted},
    {"Tithi", kTithiRead, Tithi, Phrase::kCounted},
    {"Weekday", kCivilDateRead, Weekday, Phrase::kCounted},
    {"Day of Week", kCivilDateRead, Weekday, Phrase::kCounted},
    {"Very Bad Weekday", kCivilDateRead, Weekday, Phrase::kCounted},
    {"Weekday of Grammar", kCivilDateRead, Weekday, Phrase::kCounted},
    {"Weekday of Logic And and Philosophy", kCivilDateRead, Weekday, Phrase::kCounted},
    {"Rashi", kMoonSignRead, MoonSign, Phrase::kCounted},
    {"Lagna", kLagnaRead, Lagna, Phrase::kCounted},
    {"Yoga", kYogaRead, Yoga, Phrase::kCounted},
    {"Karana", kKaranaRead, Karana, Phrase::kCounted},
    {"Hindu Lunar Month", kCivilDateRead, HinduMonth, Phrase::kCounted},
    {"Month", kCivilDateRead, MonthsAfterBirth, Phrase::kFound},
    {"Electional Lagna from Birth Lagna", kLagnaRead, LagnaCount, Phrase::kFound},
    {"Muhurtha Lagna from Birth Lagna", kLagnaRead, LagnaCount, Phrase::kFound},
    {"Electional Lagna with Birth Rashi and Lagna", kCivilDateRead, TableLagna, Phrase::kFound},
    {"Muhurtha Lagna with Birth Rashi and Lagna", kCivilDateRead, TableLagna, Phrase::kFound},
    {"Sale time Lagna", kLagnaRead, SaleLagna, Phrase::kFound},
    {"Jupiter in Rising Sign", kCivilDateRead | kJupiterRead, JupiterRising, Phrase::kFound},
    {"Jupiter in 9th House", kCivilDateRead | kJupiterRead, JupiterNinth, Phrase::kFound},
    {"Learning of any Science", kWeekdayStar, SaraswatiWanted, Phrase::kFound},
    {"Siddha Yoga", kCivilDateRead | kTithiRead, WeekdayTithiGroup, Phrase::kYoga},
    {"Siddhi Yoga", kCivilDateRead | kTithiRead, WeekdayTithiGroup, Phrase::kYoga},
    {"Mrityu Yoga", kCivilDateRead | kTithiRead, WeekdayTithi, Phrase::kYoga},
    {"Sarvartha Siddha Yoga", kWeekdayStar, WeekdayStar, Phrase::kYoga},
    {"Sarvartha Yoga", kWeekdayStar, WeekdayStar, Phrase::kYoga},
    {"Amrita Siddhi Yoga", kWeekdayStar, WeekdayStar, Phrase::kYoga},
    {"Amrita Yoga", kWeekdayStar, WeekdayStar, Phrase::kYoga},
    {"Dagdha Yoga", kWeekdayStar, WeekdayStar, Phrase::kYoga},
    {"Yamaghata Yoga", kWeekdayStar, WeekdayStar, Phrase::kYoga},
    {"Saraswati Yoga", kWeekdayStar, WeekdayStar, Phrase::kYoga},
    {"Dvipushkar Yoga", kWeekdayStar | kTithiRead, WeekdayTithiStar, Phrase::kYoga},
    {"Tripushkar Yoga", kWeekdayStar | kTithiRead, WeekdayTithiStar, Phrase::kYoga},
};

// The rule sets whose short path ("Favourable" alone) decides on one thing;
// the value names it with its own label.
struct ShortPathRow {
  std::string_view subject;
  unsigned reads;
  ValueOf value;
};
const ShortPathRow kShortPaths[] = {
    {"Naming of The Child or Namakarana", kCivilDateRead, DaysAfterBirthDay},
    {"Piercing of the Ear or Karnavedha", kCivilDateRead, EarPiercingDate},
    {"Thread Ceremony Or Upanayana", kCivilDateRead, YearsAfterBirth},
    {"Starting of Education (Aksharabhyasa)", kNakshatraRead, StarOfLearning},
};

const FactorRow* RowOf(std::string_view prefix) {
  for (const FactorRow& row : kFactorRows)
    if (row.prefix == prefix) return &row;
  return nullptr;
}

const ShortPathRow* ShortPathOf(std::string_view subject) {
  for (const ShortPathRow& row : kShortPaths)
    if (row.subject == subject) return &row;
  return nullptr;
}

// The verdict word as a sentence reads it, the rule sets' misspellings mended.
std::string SentenceWord(std::string_view word) {
  if (word == "Unavourable" || word == "Uafvourable") return "unfavourable";
  std::string lower(word);
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return lower;
}

std::string LineOf(const CalculationState& state, const VerdictParts& parts) {
  const std::string word = SentenceWord(parts.word);
  if (parts.prefix.empty()) {
    const ShortPathRow* path = ShortPathOf(state.Input.subject);
    if (!path) return std::string(parts.word);
    return path->value(state) + ", which on its own makes this undertaking " + word;
  }
  const std::string label = std::string(parts.prefix) + ": ";
  const FactorRow* row = RowOf(parts.prefix);
  if (!row) return label + word;
  switch (row->phrase) {
    case Phrase::kCounted:
      return label + row->value(state) + ", which this undertaking counts as " + word;
    case Phrase::kFound:
      return label + row->value(state) + ", " + word;
    case Phrase::kYoga:
      return label + (word == "neutral" ? "not formed today (" : "formed today (") +
             row->value(state) + "), " + word;
  }
  return label + word;
}

}  // namespace

std::vector<FactorInWords> FactorsInWords(const CalculationState& state) {
  std::vector<FactorInWords> factors;
  const Evaluation& result = state.Result;
  for (std::size_t i = 0; i < result.FactorVerdicts.size(); ++i) {
    const std::string& verdict = result.FactorVerdicts[i];
    if (verdict.empty()) continue;
    const int points = i < result.FactorPoints.size() ? result.FactorPoints[i] : 0;
    factors.push_back({verdict, points, LineOf(state, SplitVerdict(verdict))});
  }
  return factors;
}

bool HasFactorRow(std::string_view prefix, std::string_view subject) {
  return prefix.empty() ? ShortPathOf(subject) != nullptr : RowOf(prefix) != nullptr;
}

unsigned ElementsRead(const CalculationState& state) {
  unsigned reads = kCivilDateRead;
  for (const std::string& verdict : state.Result.FactorVerdicts) {
    if (verdict.empty()) continue;
    const VerdictParts parts = SplitVerdict(verdict);
    if (parts.prefix.empty()) {
      if (const ShortPathRow* path = ShortPathOf(state.Input.subject)) reads |= path->reads;
    } else if (const FactorRow* row = RowOf(parts.prefix)) {
      reads |= row->reads;
    }
  }
  const RuleSet ruleSet = FindRuleSet(state.Input.subject);
  if (ruleSet == nullptr) return reads;
  const PlanetSet planets = PlanetsRead(InputsRead(ruleSet));
  for (int i = 0; i < kPlanetCount; ++i)
    if (planets & PlanetBit(i)) reads |= PlanetSignRead(i);
  return reads;
}

}  // namespace horavela
