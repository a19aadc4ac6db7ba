#include "app/report_summary.h"
#include "app/translation.h"

#include <QImage>
#include <QPainter>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>
#include <QUrl>

#include "app/app_language.h"
#include "app/app_texts.h"
#include "explain/factor_words.h"

namespace horavela::app {
namespace {

constexpr int kChartPixels = 1200;  // sharp on paper at the width below
constexpr qreal kChartWidth = 300;  // in the document's units, about half a page
const char kChartResource[] = "horavela-summary-chart.png";

QString FromStd(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Black lines on white, whatever the desktop's colours: it goes on paper.
QImage ChartPicture(const SummaryChart& chart) {
  ChartDrawing drawing;
  QPalette paper = drawing.palette();
  paper.setColor(QPalette::Text, Qt::black);
  paper.setColor(QPalette::PlaceholderText, Qt::darkGray);
  drawing.setPalette(paper);
  drawing.SetChart(chart.bodies);
  drawing.SetStyle(chart.style);
  drawing.SetCaption(chart.caption);
  QImage picture(kChartPixels, kChartPixels, QImage::Format_RGB32);
  picture.fill(Qt::white);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);
  drawing.Draw(painter, QRectF(8, 8, kChartPixels - 16, kChartPixels - 16));
  return picture;
}

void InsertRow(QTextTable* table, int row, const QStringList& cells, bool bold) {
  QTextCharFormat format;
  format.setFontWeight(bold ? QFont::Bold : QFont::Normal);
  for (int column = 0; column < cells.size(); ++column)
    table->cellAt(row, column).firstCursorPosition().insertText(cells[column], format);
}

// One row per factor the rule set recorded, the total under them.
void InsertFactorTable(QTextCursor& cursor, const CalculationState& state) {
  const Evaluation& result = state.Result;
  QStringList factors, verdicts, points;
  for (std::size_t i = 0; i < result.FactorVerdicts.size(); ++i) {
    const FactorVerdict& verdict = result.FactorVerdicts[i];
    if (verdict.empty()) continue;
    factors << (verdict.factor == Factor::Whole ? FromStd(state.Input.subject)
                                                : FromStd(NameOf(verdict.factor)));
    verdicts << FromStd(ShownWords()(NameOf(verdict.word)));
    points << ForReading(
        QString::number(i < result.FactorPoints.size() ? result.FactorPoints[i] : 0));
  }
  QTextTableFormat format;
  format.setCellPadding(4);
  format.setCellSpacing(0);
  format.setBorder(0.5);
  format.setBorderBrush(Qt::darkGray);
  format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
  format.setHeaderRowCount(1);
  QTextTable* table = cursor.insertTable(static_cast<int>(factors.size()) + 2, 3, format);
  InsertRow(table, 0,
            {Tr(texts::kSummaryFactor), Tr(texts::kSummaryVerdict), Tr(texts::kSummaryPoints)},
            true);
  for (int i = 0; i < factors.size(); ++i)
    InsertRow(table, i + 1, {factors[i], verdicts[i], points[i]}, false);
  InsertRow(table, static_cast<int>(factors.size()) + 1,
            {Tr(texts::kSummaryTotal), VerdictText(result.ResultWord),
             ForReading(QString::number(result.TotalScore))},
            true);
  cursor.movePosition(QTextCursor::End);
}

}  // namespace

std::unique_ptr<QTextDocument> ReportWithSummary(const QTextDocument& report,
                                                 const CalculationState& state,
                                                 const SummaryChart& chart) {
  std::unique_ptr<QTextDocument> printed(report.clone());
  if (!state.Result.PreconditionMessage.empty() || state.Result.FactorVerdicts.empty())
    return printed;
  QTextCursor cursor(printed.get());
  cursor.movePosition(QTextCursor::End);

  QTextBlockFormat heading;
  heading.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
  heading.setAlignment(Qt::AlignLeft);
  heading.setBottomMargin(8);
  QTextCharFormat bold;
  bold.setFontWeight(QFont::Bold);
  bold.setForeground(QColor(128, 0, 0));
  cursor.insertBlock(heading, bold);
  QString title = QString("%1 - %2").arg(Tr(texts::kSummaryHeading), FromStd(state.Input.subject));
  if (!state.Input.name.empty()) title += " - " + FromStd(state.Input.name);
  cursor.insertText(title, bold);

  QTextBlockFormat plain;
  plain.setAlignment(Qt::AlignLeft);
  cursor.insertBlock(plain, QTextCharFormat());
  InsertFactorTable(cursor, state);

  QTextBlockFormat centred;
  centred.setAlignment(Qt::AlignHCenter);
  centred.setTopMargin(16);
  cursor.insertBlock(centred, QTextCharFormat());
  printed->addResource(QTextDocument::ImageResource, QUrl(kChartResource), ChartPicture(chart));
  QTextImageFormat image;
  image.setName(kChartResource);
  image.setWidth(kChartWidth);
  image.setHeight(kChartWidth);
  cursor.insertImage(image);
  return printed;
}

}  // namespace horavela::app
