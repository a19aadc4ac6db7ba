#include "report/section_truth.h"

#include <string_view>

#include "report/report_texts.h"

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

// The word after the verdict's last dash: "Neutral" of "Siddha Yoga - Neutral"
// and of "Nakshatra of Grammar- Neutral".
std::string_view WordOf(std::string_view verdict) {
  const std::size_t dash = verdict.rfind('-');
  if (dash != std::string_view::npos) verdict.remove_prefix(dash + 1);
  while (!verdict.empty() && verdict.front() == ' ') verdict.remove_prefix(1);
  return verdict;
}

const VerdictWord* LeaningOf(std::string_view verdict) {
  const std::string_view word = WordOf(verdict);
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
