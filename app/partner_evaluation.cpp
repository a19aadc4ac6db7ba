#include "app/partner_evaluation.h"
#include "app/translation.h"

#include <QString>

#include "app/partner_texts.h"

namespace horavela::app {

namespace {

// Passes everything on except the writer's clearing of the page: the
// partner's report continues the person's.
class AppendingSink : public RichTextSink {
 public:
  explicit AppendingSink(RichTextSink& to) : to_(to) {}
  void Clear() override {}
  void SetAlignment(Alignment alignment) override { to_.SetAlignment(alignment); }
  void SetBold(bool bold) override { to_.SetBold(bold); }
  void SetColor(PaletteColor color) override { to_.SetColor(color); }
  void SetFontSize(int points) override { to_.SetFontSize(points); }
  void InsertText(std::string_view utf8) override { to_.InsertText(utf8); }
  void InsertPicture(const Bitmap& picture) override { to_.InsertPicture(picture); }
  bool KeepsContent() const override { return to_.KeepsContent(); }

 private:
  RichTextSink& to_;
};

constexpr int kHeadingPoints = 14;

void WriteHeading(RichTextSink& sink, const std::string& name) {
  sink.SetAlignment(Alignment::Center);
  sink.SetBold(true);
  sink.SetColor(PaletteColor::DarkRed);
  sink.SetFontSize(kHeadingPoints);
  const QString heading =
      QString(Tr(texts::kPartnerReportHeading)).arg(QString::fromStdString(name));
  sink.InsertText("\n\n" + heading.toStdString() + "\n");
  sink.SetBold(false);
  sink.SetColor(PaletteColor::Black);
  sink.SetAlignment(Alignment::Left);
}

}  // namespace

EvaluationRequest PartnerRequest(EvaluationRequest person, const Partner& partner) {
  person.input = PartnersInput(person.input, partner);
  return person;
}

Result<Evaluated> EvaluatePartner(const EvaluationRequest& person, const Partner& partner,
                                  RichTextSink& report, const EvaluationSteps& steps) {
  AppendingSink appended(report);
  if (report.KeepsContent()) WriteHeading(report, partner.name);
  return horavela::Evaluate(PartnerRequest(person, partner), appended, steps);
}

}  // namespace horavela::app
