#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "tradition/month_at_a_glance.h"

class QPainter;
class QRectF;

namespace horavela::app {

// One day's cell of the month's grid.
struct MonthCell {
  int day = 1;
  int row = 0;        // the week, 0 the first
  int column = 0;     // 0 Sunday to 6 Saturday
  QStringList lines;  // sunrise and sunset, tithi, nakshatra, Rahu kalam, best window
  QString vetoes;     // the vetoes' names, empty when none is in force
  // The person's chandrashtama under the day's number, "Chandrashtama from
  // 21:00"; empty on a day without it.
  QString chandrashtama;
};

// The month as a wall almanac's page: a title, the weeks from Sunday, a cell
// per day. The screen and the printed page draw the same sheet.
struct MonthSheet {
  QString title;
  int rows = 0;
  // A cell's height in lines: the day's number takes two, six lines follow;
  // more where a person's chandrashtama is marked.
  qreal linesPerCell = 8.3;
  std::vector<MonthCell> cells;
};

// `subject`: the undertaking whose best windows the cells hold, if any.
MonthSheet SheetOfMonth(const MonthAtAGlance& month, const QString& placeName,
                        const QString& subject = {});

// The sheet drawn in `area` of any paint device, its letters sized to the
// cells, so a window and an A4 page read alike.
void DrawMonthSheet(QPainter& painter, const QRectF& area, const MonthSheet& sheet);

}  // namespace horavela::app
