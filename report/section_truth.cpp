#include "report/section_truth.h"

#include <string_view>

#include "report/report_texts.h"
#include "rules/verdict_parts.h"

namespace horavela {
namespace {

enum class Leaning { Against, Neutral, Favours };

// The verdict words of the rule sets, their misspellings included, and which
// way each leans.
struct VerdictWord {
  std::string_view word;
  Leaning leaning;
};
constexpr VerdictWord kVerdictWords[] = {
    {"Very Favourable", Leaning::Favours}, {"Favourable", Leaning::Favours},
    {"Neutral", Leaning::Neutral},         {"Least Favourable", Leaning::Against},
    {"Unfavourable", Leaning::Against},    {"Unavourable", Leaning::Against},
    {"Uafvourable", Leaning::Against},
};

const VerdictWord* LeaningOf(std::string_view verdict) {
  const std::string_view word = SplitVerdict(verdict).word;
  for (const VerdictWord& known : kVerdictWords) {
    if (known.word == word) return &known;
  }
  return nullptr;
}

const SectionSubject* SubjectOf(ReportSlot slot) {
  for (const SectionSubject& subject : SectionSubjects()) {
    if (subject.slot == slot) return &subject;
  }
  return nullptr;
}

std::string_view Ending(const TruthfulEndings& endings, Leaning leaning) {
  switch (leaning) {
    case Leaning::Against:
      return endings.against;
    case Leaning::Neutral:
      return endings.neutral;
    case Leaning::Favours:
      break;
  }
  return endings.favours;
}

}  // namespace

std::string TruthfulLine(const CalculationState& state, ReportSlot slot) {
  const Evaluation& result = state.Result;
  const std::int16_t selector = result.ReportFlags[slot];
  const int factor = result.SelectorFactors[slot];
  if (selector == 0 || factor < 0 ||
      static_cast<std::size_t>(factor) >= result.FactorVerdicts.size())
    return {};
  const VerdictWord* verdict = LeaningOf(result.FactorVerdicts[static_cast<std::size_t>(factor)]);
  const SectionSubject* subject = SubjectOf(slot);
  if (verdict == nullptr || subject == nullptr) return {};
  const Leaning said = selector == 1 ? Leaning::Against : Leaning::Favours;
  if (verdict->leaning == said) return {};
  std::string line(subject->name);
  line += Ending(subject->yoga ? kYogaEndings : kElementEndings, verdict->leaning);
  return line;
}

}  // namespace horavela
