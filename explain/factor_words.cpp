#include "explain/factor_words.h"

#include <cctype>
#include <cstdlib>

#include "calendar/civil_calendar.h"
#include "explain/factor_values.h"
#include "rules/charts.h"
#include "rules/subjects.h"

namespace horavela {

namespace {

namespace fv = factor_values;

// How a factor's line reads after "<prefix>: ".
enum class Phrase {
  kCounted,  // "Rohini, which this undertaking counts as favourable"
  kFound,    // "the lagna Simha lies 4 signs after the birth lagna Mesha, unfavourable"
  kYoga,     // "formed today (Friday with a Nanda tithi), favourable"
};

struct FactorRow {
  Factor factor;
  unsigned reads;
  fv::ValueOf value;
  Phrase phrase;
};

constexpr unsigned kJupiterRead = PlanetSignRead(5);
constexpr unsigned kWeekdayStar = kCivilDateRead | kNakshatraRead;

// Every factor the rule sets write, each with its wording.
const FactorRow kFactorRows[] = {
    {Factor::Tara, kNakshatraRead, fv::TaraCounted, Phrase::kFound},
    {Factor::TaraStrength, kNakshatraRead, fv::TaraCounted, Phrase::kFound},
    {Factor::Chandra, kMoonSignRead, fv::MoonSignCount, Phrase::kFound},
    {Factor::MoonStrength, kMoonSignRead, fv::MoonSignCount, Phrase::kFound},
    {Factor::Nakshatra, kNakshatraRead, fv::Nakshatra, Phrase::kCounted},
    {Factor::GoodNakshatra, kNakshatraRead, fv::Nakshatra, Phrase::kCounted},
    {Factor::BadNakshatra, kNakshatraRead, fv::Nakshatra, Phrase::kCounted},
    {Factor::VeryBadNakshatra, kNakshatraRead, fv::Nakshatra, Phrase::kCounted},
    {Factor::GrammarNakshatra, kNakshatraRead, fv::Nakshatra, Phrase::kCounted},
    {Factor::GrammarNakshatraUnspaced, kNakshatraRead, fv::Nakshatra, Phrase::kCounted},
    {Factor::LogicNakshatra, kNakshatraRead, fv::Nakshatra, Phrase::kCounted},
    {Factor::Tithi, kTithiRead, fv::Tithi, Phrase::kCounted},
    {Factor::Weekday, kCivilDateRead, fv::Weekday, Phrase::kCounted},
    {Factor::DayOfWeek, kCivilDateRead, fv::Weekday, Phrase::kCounted},
    {Factor::VeryBadWeekday, kCivilDateRead, fv::Weekday, Phrase::kCounted},
    {Factor::GrammarWeekday, kCivilDateRead, fv::Weekday, Phrase::kCounted},
    {Factor::LogicWeekday, kCivilDateRead, fv::Weekday, Phrase::kCounted},
    {Factor::Rashi, kMoonSignRead, fv::MoonSign, Phrase::kCounted},
    {Factor::Lagna, kLagnaRead, fv::Lagna, Phrase::kCounted},
    {Factor::Yoga, kYogaRead, fv::Yoga, Phrase::kCounted},
    {Factor::Karana, kKaranaRead, fv::Karana, Phrase::kCounted},
    {Factor::HinduMonth, kCivilDateRead, fv::HinduMonth, Phrase::kCounted},
    {Factor::Month, kCivilDateRead, fv::MonthsAfterBirth, Phrase::kFound},
    {Factor::ElectionalLagnaFromBirth, kLagnaRead, fv::LagnaCount, Phrase::kFound},
    {Factor::MuhurthaLagnaFromBirth, kLagnaRead, fv::LagnaCount, Phrase::kFound},
    {Factor::ElectionalLagnaWithBirth, kCivilDateRead, fv::TableLagna, Phrase::kFound},
    {Factor::MuhurthaLagnaWithBirth, kCivilDateRead, fv::TableLagna, Phrase::kFound},
    {Factor::SaleLagna, kLagnaRead, fv::SaleLagna, Phrase::kFound},
    {Factor::JupiterRising, kCivilDateRead | kJupiterRead, fv::JupiterRising, Phrase::kFound},
    {Factor::JupiterNinth, kCivilDateRead | kJupiterRead, fv::JupiterNinth, Phrase::kFound},
    {Factor::LearningOfScience, kWeekdayStar, fv::SaraswatiWanted, Phrase::kFound},
    {Factor::SiddhaYoga, kCivilDateRead | kTithiRead, fv::WeekdayTithiGroup, Phrase::kYoga},
    {Factor::SiddhiYoga, kCivilDateRead | kTithiRead, fv::WeekdayTithiGroup, Phrase::kYoga},
    {Factor::MrityuYoga, kCivilDateRead | kTithiRead, fv::WeekdayTithi, Phrase::kYoga},
    {Factor::SarvarthaSiddhaYoga, kWeekdayStar, fv::WeekdayStar, Phrase::kYoga},
    {Factor::SarvarthaYoga, kWeekdayStar, fv::WeekdayStar, Phrase::kYoga},
    {Factor::AmritaSiddhiYoga, kWeekdayStar, fv::WeekdayStar, Phrase::kYoga},
    {Factor::AmritaYoga, kWeekdayStar, fv::WeekdayStar, Phrase::kYoga},
    {Factor::DagdhaYoga, kWeekdayStar, fv::WeekdayStar, Phrase::kYoga},
    {Factor::YamaghataYoga, kWeekdayStar, fv::WeekdayStar, Phrase::kYoga},
    {Factor::SaraswatiYoga, kWeekdayStar, fv::WeekdayStar, Phrase::kYoga},
    {Factor::DvipushkarYoga, kWeekdayStar | kTithiRead, fv::WeekdayTithiStar, Phrase::kYoga},
    {Factor::TripushkarYoga, kWeekdayStar | kTithiRead, fv::WeekdayTithiStar, Phrase::kYoga},
};

// The rule sets whose short path ("Favourable" alone) decides on one thing;
// the value names it with its own label.
struct ShortPathRow {
  std::string_view subject;
  unsigned reads;
  fv::ValueOf value;
};
const ShortPathRow kShortPaths[] = {
    {"Naming of The Child or Namakarana", kCivilDateRead, fv::DaysAfterBirthDay},
    {"Piercing of the Ear or Karnavedha", kCivilDateRead, fv::EarPiercingDate},
    {"Thread Ceremony Or Upanayana", kCivilDateRead, fv::YearsAfterBirth},
    {"Starting of Education (Aksharabhyasa)", kNakshatraRead, fv::StarOfLearning},
};

const FactorRow* RowOf(Factor factor) {
  for (const FactorRow& row : kFactorRows)
    if (row.factor == factor) return &row;
  return nullptr;
}

const ShortPathRow* ShortPathOf(std::string_view subject) {
  for (const ShortPathRow& row : kShortPaths)
    if (row.subject == subject) return &row;
  return nullptr;
}

// The verdict word as a sentence reads it, the rule sets' misspellings mended.
Wording SentenceWord(Word word) {
  if (word == Word::Unavourable || word == Word::Uafvourable) word = Word::Unfavourable;
  std::string lower(NameOf(word));
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return Worded(lower);
}

// The line's pattern for each way of saying it: %1 the factor, %2 what
// decided it, %3 the word.
const char* PatternOf(Phrase phrase, Word word) {
  switch (phrase) {
    case Phrase::kCounted:
      return "%1: %2, which this undertaking counts as %3";
    case Phrase::kFound:
      return "%1: %2, %3";
    case Phrase::kYoga:
      return word == Word::Neutral ? "%1: not formed today (%2), %3" : "%1: formed today (%2), %3";
  }
  return "%1: %2, %3";
}

Wording LineOf(const CalculationState& state, const FactorVerdict& verdict) {
  const Wording word = SentenceWord(verdict.word);
  if (verdict.factor == Factor::Whole) {
    const ShortPathRow* path = ShortPathOf(state.Input.subject);
    if (!path) return Worded(NameOf(verdict.word));
    return Worded("%1, which on its own makes this undertaking %2", {path->value(state), word});
  }
  const Wording label = Worded(NameOf(verdict.factor));
  const FactorRow* row = RowOf(verdict.factor);
  if (!row) return Worded("%1: %2", {label, word});
  return Worded(PatternOf(row->phrase, verdict.word), {label, row->value(state), word});
}

}  // namespace

std::vector<FactorInWords> FactorsInWords(const CalculationState& state) {
  std::vector<FactorInWords> factors;
  const Evaluation& result = state.Result;
  for (std::size_t i = 0; i < result.FactorVerdicts.size(); ++i) {
    const FactorVerdict& verdict = result.FactorVerdicts[i];
    if (verdict.empty()) continue;
    const int points = i < result.FactorPoints.size() ? result.FactorPoints[i] : 0;
    Wording line = LineOf(state, verdict);
    factors.push_back({TextOf(verdict), points, TextOf(line), verdict.factor, std::move(line)});
  }
  return factors;
}

bool HasFactorRow(Factor factor, std::string_view subject) {
  return factor == Factor::Whole ? ShortPathOf(subject) != nullptr : RowOf(factor) != nullptr;
}

unsigned ElementsRead(const CalculationState& state) {
  unsigned reads = kCivilDateRead;
  for (const FactorVerdict& verdict : state.Result.FactorVerdicts) {
    if (verdict.empty()) continue;
    if (verdict.factor == Factor::Whole) {
      if (const ShortPathRow* path = ShortPathOf(state.Input.subject)) reads |= path->reads;
    } else if (const FactorRow* row = RowOf(verdict.factor)) {
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
