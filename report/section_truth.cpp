#include "report/section_truth.h"

#include <string_view>

#include "language/catalog.h"
#include "report/report_texts.h"

namespace horavela {
namespace {

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

std::string TruthfulLine(const CalculationState& state, ReportSlot slot, Language language) {
  const Evaluation& result = state.Result;
  const std::int16_t selector = result.ReportFlags[slot];
  const int factor = result.SelectorFactors[slot];
  if (selector == 0 || factor < 0 ||
      static_cast<std::size_t>(factor) >= result.FactorVerdicts.size())
    return {};
  const FactorVerdict& verdict = result.FactorVerdicts[static_cast<std::size_t>(factor)];
  const SectionSubject* subject = SubjectOf(slot);
  if (verdict.empty() || subject == nullptr) return {};
  const Leaning leaning = LeaningOf(verdict.word);
  const Leaning said = selector == 1 ? Leaning::Against : Leaning::Favours;
  if (leaning == said) return {};
  std::string line(Translated(subject->name, language));
  line += Translated(Ending(subject->yoga ? kYogaEndings : kElementEndings, leaning), language);
  return line;
}

}  // namespace horavela
