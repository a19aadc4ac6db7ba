#pragma once

#include <QColor>
#include <QImage>
#include <QString>
#include <QWidget>
#include <vector>

#include "almanac/day_at_a_glance.h"
#include "atlas/local_minute.h"

namespace horavela::app {

// One stretch of a timeline row, in minutes from the civil day's 00:00 (it
// may start before 0 or end after 1440).
struct TimelineCell {
  QString name;
  double from = 0;
  double to = 0;
  QColor colour;
  QString times;  // "06:12 - 07:40", as the tooltip says it
  QString note;   // a last line of the tooltip: why a cell is muted
};

struct TimelineRow {
  QString caption;
  std::vector<TimelineCell> cells;
};

// Minutes from `midnight` to `time` on the same clock, seconds as fractions.
double MinutesFrom(const LocalMinute& midnight, const LocalTime& time);

// "06:12", with the date beside it when it is not `midnight`'s, and with the
// offset in force ("07:01 UTC+14:00") when `withOffset` and the time has one:
// on a day whose clock changes, where the clock alone does not name the instant.
QString ClockText(const LocalMinute& midnight, const LocalTime& time, bool withOffset = false);

// The rows the timeline draws for `day`, whose civil date begins at `midnight`:
// the kalams, Abhijit (muted where it is not observed), the choghadiya and hora, the elements, the
// Moon's sign, the lagna, the muhurtas' rows where the day has them (durmuhurtam, the night's
// kalams, the named muhurtas, sandhya, Godhuli, Pradosh, Gowri, Varjyam, Amrit kalam), and the
// verdict band when the day has verdicts, and for a person their tarabala, chandrabala and
// chandrashtama.
std::vector<TimelineRow> TimelineRows(const DayAtAGlance& day, const LocalMinute& midnight);

// The day drawn along a line of hours, a row per part of the day. A click
// chooses the minute under the mouse.
class DayTimeline : public QWidget {
  Q_OBJECT

 public:
  explicit DayTimeline(QWidget* parent = nullptr);

  // `midnight` is 00:00 of the civil date the day was computed for.
  void SetDay(const DayAtAGlance& day, const LocalMinute& midnight);
  void Clear();

  // From the civil day's 00:00 to the next sunrise or 24:00, whichever is later.
  double SpanMinutes() const { return span_; }
  int XOfMinute(double minute) const;
  // The whole minute under `x`, within the span.
  int MinuteAtX(int x) const;
  LocalMinute LocalMinuteAtX(int x) const;
  // The middle of row `row` (0 the first, Rahu kalam), for a pointer.
  int RowCentreY(int row) const;
  // The row caption, the cell's name and its times; empty off the cells.
  QString ToolTipAt(const QPoint& point) const;

  // The whole timeline, its captions at the left, for a page or a picture.
  QImage Picture() const;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override { return sizeHint(); }

 signals:
  void minuteChosen(const LocalMinute& minute);

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  int RowTop(int row) const;
  void DrawHours(QPainter& painter) const;
  void DrawRows(QPainter& painter, int firstVisibleX) const;
  void DrawMarks(QPainter& painter) const;
  void DrawCaptions(QPainter& painter, int left) const;
  void Paint(QPainter& painter, int captionLeft) const;

  bool hasDay_ = false;
  int captionLeft_ = 0;
  int captionWidth_ = 112;  // the widest caption's, set with the day
  LocalMinute midnight_;
  double span_ = 1440;
  std::vector<TimelineRow> rows_;
  // Sunrise, sunset, next sunrise and the moment of the chart, in minutes.
  std::vector<std::pair<QString, double>> marks_;
  double moment_ = -1;
};

}  // namespace horavela::app
