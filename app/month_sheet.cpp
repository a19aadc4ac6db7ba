#include "app/month_sheet.h"

#include <QPainter>
#include <QRectF>
#include <algorithm>
#include <array>
#include <string>

#include "app/app_language.h"
#include "app/month_texts.h"
#include "app/shown_names.h"
#include "app/translation.h"
#include "calendar/civil_calendar.h"

namespace horavela::app {

namespace {

// A person's chandrashtama takes a line more on its days (MonthSheet's 8.3
// for the others).
constexpr qreal kLinesPerCellWithPerson = 8.8;
// At most this many lines' height across a cell, so its longest line
// ("Chaturdasi (Krishna)  00:05+1") fits in a narrow window too.
constexpr qreal kLinesAcrossCell = 10;
const QColor kVetoedTint(0xdd, 0xdd, 0xdd);
// Dark enough to read on the veto's grey and on a grey printer.
const QColor kChandrashtamaInk(0xb7, 0x1c, 0x1c);

// 0 for a Sunday: 1 January 1970 was a Thursday.
int WeekdayColumn(int year, int month, int day) {
  const long long days = DaysFromCivil(year, month, day);
  return static_cast<int>(((days + 4) % 7 + 7) % 7);
}

QString Clock(const LocalTime& time, const MonthAtAGlance& month, int day) {
  return ForReading(QString::fromStdString(ClockOnDay(time, month.year, month.month, day)));
}

QStringList LinesOf(const MonthAtAGlance& month, const MonthDay& cell) {
  QStringList lines;
  if (cell.sunrise && cell.sunset)
    lines << QString(Tr(texts::kMonthRise))
                 .arg(Clock(*cell.sunrise, month, cell.day), Clock(*cell.sunset, month, cell.day));
  for (const std::optional<Period>* element : {&cell.tithi, &cell.nakshatra}) {
    if (*element)
      lines << QString(Tr(texts::kMonthEnds))
                   .arg(ShownName(**element), Clock((*element)->to, month, cell.day));
  }
  if (cell.rahuKalam)
    lines << QString(Tr(texts::kMonthRahu))
                 .arg(Clock(cell.rahuKalam->from, month, cell.day),
                      Clock(cell.rahuKalam->to, month, cell.day));
  if (cell.best) {
    const LocalMinute& first = cell.best->first;
    const LocalMinute& last = cell.best->last;
    lines << QString(Tr(texts::kMonthBest))
                 .arg(Tr(std::string(NameOf(cell.best->evaluation().ResultWord)).c_str()),
                      Clock({first.year, first.month, first.day, first.hour, first.minute}, month,
                            cell.day),
                      Clock({last.year, last.month, last.day, last.hour, last.minute}, month,
                            cell.day));
  }
  return lines;
}

QString VetoNames(const MonthDay& cell) {
  QStringList names;
  for (const VetoPeriod& period : cell.vetoes) {
    const QString name = QString::fromUtf8(NameOf(period.veto, ShownLanguage()));
    if (!names.contains(name)) names << name;
  }
  return names.join(", ");
}

void DrawCell(QPainter& painter, const QRectF& box, const MonthCell& cell, qreal line) {
  if (!cell.vetoes.isEmpty()) painter.fillRect(box, kVetoedTint);
  painter.drawRect(box);
  const QRectF inner = box.adjusted(line * 0.3, line * 0.1, -line * 0.3, 0);
  QFont font = painter.font();
  font.setBold(true);
  font.setPixelSize(std::max(1, static_cast<int>(line * 1.4)));
  painter.setFont(font);
  painter.drawText(inner, Qt::AlignLeft | Qt::AlignTop, QString::number(cell.day));
  font.setBold(false);
  font.setPixelSize(std::max(1, static_cast<int>(line * 0.78)));
  painter.setFont(font);
  qreal y = inner.top() + line * 1.7;
  if (!cell.chandrashtama.isEmpty()) {
    painter.save();
    painter.setPen(kChandrashtamaInk);
    painter.drawText(QRectF(inner.left(), y, inner.width(), line), Qt::AlignLeft | Qt::AlignVCenter,
                     painter.fontMetrics().elidedText(cell.chandrashtama, Qt::ElideRight,
                                                      static_cast<int>(inner.width())));
    painter.restore();
    y += line;
  }
  QStringList lines = cell.lines;
  if (!cell.vetoes.isEmpty()) lines << cell.vetoes;
  for (const QString& text : lines) {
    const QRectF row(inner.left(), y, inner.width(), line);
    const QString right = text.section('\t', 1);
    const int rightWidth =
        right.isEmpty() ? 0 : painter.fontMetrics().horizontalAdvance(right + " ");
    painter.drawText(row, Qt::AlignRight | Qt::AlignVCenter, right);
    painter.drawText(
        row, Qt::AlignLeft | Qt::AlignVCenter,
        painter.fontMetrics().elidedText(text.section('\t', 0, 0), Qt::ElideRight,
                                         static_cast<int>(inner.width()) - rightWidth));
    y += line;
  }
}

}  // namespace

MonthSheet SheetOfMonth(const MonthAtAGlance& month, const QString& placeName,
                        const QString& subject) {
  MonthSheet sheet;
  sheet.title = QString(subject.isEmpty() ? Tr(texts::kMonthTitle) : Tr(texts::kMonthTitleFor))
                    .arg(MonthName(month.month))
                    .arg(month.year)
                    .arg(placeName);
  if (!subject.isEmpty()) sheet.title = sheet.title.arg(subject);
  const int lead = WeekdayColumn(month.year, month.month, 1);
  for (const MonthDay& day : month.days) {
    MonthCell cell;
    cell.day = day.day;
    cell.row = (lead + day.day - 1) / 7;
    cell.column = (lead + day.day - 1) % 7;
    cell.lines = LinesOf(month, day);
    cell.vetoes = VetoNames(day);
    cell.chandrashtama = ForReading(
        QString::fromStdString(ChandrashtamaMark(day, month.year, month.month, ShownLanguage())));
    sheet.rows = std::max(sheet.rows, cell.row + 1);
    if (!cell.chandrashtama.isEmpty()) sheet.linesPerCell = kLinesPerCellWithPerson;
    sheet.cells.push_back(std::move(cell));
  }
  return sheet;
}

void DrawMonthSheet(QPainter& painter, const QRectF& area, const MonthSheet& sheet) {
  if (sheet.rows == 0) return;
  painter.save();
  painter.setPen(QPen(Qt::black, 0));
  // The title, the weekdays' row and the note take four lines of a cell's.
  const qreal line = std::min(area.height() / (sheet.rows * sheet.linesPerCell + 5),
                              area.width() / 7 / kLinesAcrossCell);
  QFont font = painter.font();
  font.setBold(true);
  font.setPixelSize(std::max(1, static_cast<int>(line * 1.5)));
  painter.setFont(font);
  const QRectF titleBox(area.left(), area.top(), area.width(), line * 2);
  painter.drawText(titleBox, Qt::AlignHCenter | Qt::AlignVCenter, sheet.title);
  const qreal width = area.width() / 7;
  const qreal top = titleBox.bottom() + line;
  font.setPixelSize(std::max(1, static_cast<int>(line * 0.9)));
  painter.setFont(font);
  for (int column = 0; column < 7; ++column) {
    painter.drawText(QRectF(area.left() + column * width, titleBox.bottom(), width, line),
                     Qt::AlignHCenter | Qt::AlignVCenter, ShownName(FromIndex<Weekday>(column)));
  }
  const qreal height = line * sheet.linesPerCell;
  for (const MonthCell& cell : sheet.cells) {
    DrawCell(painter,
             QRectF(area.left() + cell.column * width, top + cell.row * height, width, height),
             cell, line);
  }
  font.setBold(false);
  font.setPixelSize(std::max(1, static_cast<int>(line * 0.75)));
  painter.setFont(font);
  painter.drawText(QRectF(area.left(), top + sheet.rows * height, area.width(), line * 2),
                   Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, Tr(texts::kMonthNote));
  painter.restore();
}

}  // namespace horavela::app
