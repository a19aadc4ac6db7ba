#include "explain/tradition_warnings.h"

#include "explain/explanation.h"
#include "explain/shuddhi_words.h"
#include "rules/shuddhi.h"
#include "tradition/observance.h"
#include "tradition/veto.h"

namespace horavela {

namespace {

// A sentence ends with one full stop, whether or not its text brought one
// (each language's catalog says how "%1." stops).
Wording EndsWithStop(Wording sentence) {
  const std::string english = TextOf(sentence);
  if (english.empty() || english.back() == '.') return sentence;
  return Worded("%1.", {std::move(sentence)});
}

std::vector<Wording> VetoSentences(const EvaluationInput& input, const PlaceClock& clock,
                                   std::int64_t moment, PlanetEphemeris& ephemeris) {
  const VetoSet observed = VetoesObservedBy(input.subject);
  if (observed == 0) return {};
  const LocalMinute at = clock.At(moment).local;
  std::vector<Wording> sentences;
  for (const VetoPeriod& period :
       VetoPeriodsOver(clock, moment, moment, ephemeris, WithSettings({}, input.settings))) {
    if (!(observed & VetoBit(period.veto))) continue;
    sentences.push_back(
        Worded("The tradition keeps %1 for this undertaking, in force from %2 to %3. %4",
               {Worded(NameOf(period.veto)), ClockWording(clock.At(period.first).local, at),
                ClockWording(clock.At(period.last).local, at), EndsWithStop(period.why)}));
  }
  return sentences;
}

// The rule set's own word on the tithi, where it has a tithi factor.
Word TithiWordOf(const Evaluation& evaluation) {
  for (const FactorVerdict& verdict : evaluation.FactorVerdicts)
    if (verdict.factor == Factor::Tithi) return verdict.word;
  return Word::None;
}

std::vector<Wording> ShuddhiSentences(const CalculationState& state) {
  const std::string& subject = state.Input.subject;
  if (!HasShuddhi(subject)) return {};
  std::vector<Wording> sentences;
  const ShuddhiFailures failures = ShuddhiFailuresOf(subject, state);
  if (failures == 0) {
    sentences.push_back(
        Worded("Panchanga shuddhi: the nakshatra, tithi, weekday, yoga and karana all meet what "
               "the classical texts ask of this undertaking."));
  }
  for (const ShuddhiReason& reason : ShuddhiReasons(subject, state))
    sentences.push_back(Worded("Panchanga shuddhi: %1", {EndsWithStop(ShuddhiWording(reason))}));
  // The two opinions differ most often on the tithi: say so where they do.
  const bool classicalAccepts = (failures & LimbBit(ShuddhiLimb::Tithi)) == 0;
  const Leaning rules = LeaningOf(TithiWordOf(state.Result));
  if (classicalAccepts && rules == Leaning::Against)
    sentences.push_back(
        Worded("The classical texts accept this tithi, where this program's rules count it as "
               "unfavourable."));
  if (!classicalAccepts && rules == Leaning::Favours)
    sentences.push_back(
        Worded("This program's rules count this tithi as favourable, where the classical texts "
               "avoid it."));
  return sentences;
}

}  // namespace

std::vector<Wording> TraditionWarnings(const CalculationState& state, const PlaceClock& clock,
                                       std::int64_t moment, PlanetEphemeris& ephemeris) {
  std::vector<Wording> sentences = VetoSentences(state.Input, clock, moment, ephemeris);
  for (Wording& sentence : ShuddhiSentences(state)) sentences.push_back(std::move(sentence));
  return sentences;
}

}  // namespace horavela
