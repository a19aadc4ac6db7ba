#include "app/totals_calendar.h"

#include <QPainter>
#include <QTextCharFormat>
#include <utility>

namespace horavela::app {

namespace {

const QColor kRuledOutDay(208, 208, 208);
const QColor kRuledOutNumber(128, 128, 128);

}  // namespace

QString SignedTotal(int total) {
  return total > 0 ? QString("+%1").arg(total) : QString::number(total);
}

void TotalsCalendar::SetTotals(std::map<QDate, int> totals) {
  totals_ = std::move(totals);
  updateCells();
}

const int* TotalsCalendar::TotalOn(const QDate& day) const {
  const auto found = totals_.find(day);
  return found == totals_.end() ? nullptr : &found->second;
}

void TotalsCalendar::SetVetoes(std::map<QDate, VetoNote> notes) {
  for (const auto& [day, note] : vetoes_) {
    QTextCharFormat format = note.ruledOut ? QTextCharFormat() : dateTextFormat(day);
    format.clearProperty(QTextFormat::TextToolTip);
    setDateTextFormat(day, format);
  }
  vetoes_ = std::move(notes);
  // The calendar's view shows a date's format's tooltip as its own.
  for (const auto& [day, note] : vetoes_) {
    QTextCharFormat format = dateTextFormat(day);
    if (note.ruledOut) {
      format.setBackground(kRuledOutDay);
      format.setForeground(kRuledOutNumber);
      format.setFontWeight(QFont::Normal);
    }
    format.setToolTip(note.why);
    setDateTextFormat(day, format);
  }
}

const VetoNote* TotalsCalendar::VetoOn(const QDate& day) const {
  const auto found = vetoes_.find(day);
  return found == vetoes_.end() ? nullptr : &found->second;
}

void TotalsCalendar::paintCell(QPainter* painter, const QRect& rect, QDate date) const {
  QCalendarWidget::paintCell(painter, rect, date);
  const int* total = TotalOn(date);
  if (total == nullptr) return;
  painter->save();
  QFont font = painter->font();
  font.setBold(false);
  font.setPointSizeF(font.pointSizeF() > 0 ? font.pointSizeF() * 0.7 : 7);
  painter->setFont(font);
  painter->setPen(Qt::black);
  // Under the day's number, which the calendar centres in the cell.
  painter->drawText(rect.adjusted(1, 0, -2, -1), Qt::AlignRight | Qt::AlignBottom,
                    SignedTotal(*total));
  painter->restore();
}

}  // namespace horavela::app
