#include "app/analysis_panel.h"

#include <QAbstractTextDocumentLayout>
#include <QEvent>
#include <QHelpEvent>
#include <QLabel>
#include <QTextBlock>
#include <QTextDocument>
#include <QToolTip>
#include <QVBoxLayout>

#include "app/app_language.h"
#include "atlas/local_minute.h"
#include "explain/explanation_texts.h"

namespace horavela::app {

namespace {

// Dark enough to read on the window's grey, warm enough to stand apart from
// the listing's black.
const QColor kAmber(0xA8, 0x5A, 0x00);

QLabel* NewLabel(const char* name, QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  label->setWordWrap(true);
  label->setAlignment(Qt::AlignTop | Qt::AlignLeft);
  label->hide();
  return label;
}

void SetShown(QLabel* label, const QString& text) {
  label->setText(text);
  label->setVisible(!text.isEmpty());
}

}  // namespace

AnalysisPanel::AnalysisPanel(QWidget* parent) : QWidget(parent) {
  setObjectName("fraAnalysis");
  auto* layout = new QVBoxLayout(this);
  window_ = NewLabel("lblAnalysisWindow", this);
  QFont bold = window_->font();
  bold.setBold(true);
  window_->setFont(bold);
  warnings_ = NewLabel("lblTimingWarnings", this);
  QPalette amber = warnings_->palette();
  amber.setColor(QPalette::WindowText, kAmber);
  warnings_->setPalette(amber);
  warnings_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  better_ = NewLabel("lblBetterMoments", this);
  better_->setTextFormat(Qt::RichText);
  better_->setTextInteractionFlags(Qt::TextBrowserInteraction);
  better_->setOpenExternalLinks(false);
  // A link's target is the index of the minute it moves the election to.
  connect(better_, &QLabel::linkActivated, this, [this](const QString& link) {
    bool ok = false;
    const std::size_t index = link.toULongLong(&ok);
    if (ok && index < targets_.size()) emit momentChosen(targets_[index]);
  });
  for (QLabel* label : {window_, warnings_, better_}) layout->addWidget(label);
  layout->addStretch();
}

void AnalysisPanel::Show(const Explanation& explanation, const LocalMinute& moment,
                         Language language) {
  // The verdict and its clock in the shown language and, when chosen, its digits.
  SetShown(
      window_,
      ForReading(QString::fromStdString(WindowSentence(explanation.window, moment, language))));
  QStringList warnings;
  for (const std::string& warning : WarningsIn(explanation, language))
    warnings << ForReading(QString::fromStdString(warning));
  SetShown(warnings_, warnings.join("\n\n"));
  QStringList better;
  targets_.clear();
  for (const BetterLine& line : BetterLines(explanation, moment, language)) {
    const QString text = ForReading(QString::fromStdString(line.text)).toHtmlEscaped();
    if (!line.minute) {
      better << text;
      continue;
    }
    better << QString("<a href=\"%1\">%2</a>").arg(targets_.size()).arg(text);
    targets_.push_back(*line.minute);
  }
  SetShown(better_, better.join("<br><br>"));
}

void AnalysisPanel::Clear() {
  targets_.clear();
  for (QLabel* label : {window_, warnings_, better_}) SetShown(label, {});
}

FactorTips::FactorTips(QLabel* label) : QObject(label), label_(label) {
  setObjectName("factorTips");
  label->installEventFilter(this);
}

void FactorTips::SetFactors(std::vector<FactorInWords> factors, Language language) {
  factors_ = std::move(factors);
  language_ = language;
}

bool FactorTips::eventFilter(QObject* watched, QEvent* event) {
  if (watched != label_ || event->type() != QEvent::ToolTip) return false;
  auto* help = static_cast<QHelpEvent*>(event);
  const QString tip = TipAt(help->pos());
  if (tip.isEmpty()) {
    QToolTip::hideText();
  } else {
    QToolTip::showText(help->globalPos(), tip, label_);
  }
  return true;
}

QString FactorTips::TipAt(const QPoint& position) const {
  // The label's own layout is not reachable; a document with its text, font
  // and width wraps the same lines in the same places.
  QTextDocument document;
  document.setDocumentMargin(0);
  document.setDefaultFont(label_->font());
  document.setPlainText(label_->text());
  const QRect area = label_->contentsRect();
  document.setTextWidth(area.width());
  const int at = document.documentLayout()->hitTest(position - area.topLeft(), Qt::ExactHit);
  if (at < 0) return {};
  const std::string line = document.findBlock(at).text().toStdString();
  for (const FactorInWords& factor : factors_) {
    if (!factor.verdict.empty() && line.starts_with(factor.verdict + " - "))
      return QString::fromStdString(TextOf(factor.said, language_));
  }
  return {};
}

}  // namespace horavela::app
