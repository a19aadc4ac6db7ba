#pragma once

#include <QImage>
#include <QString>
#include <QWidget>

#include "almanac/day_at_a_glance.h"
#include "atlas/local_minute.h"

class QComboBox;
class QLabel;
class QPushButton;
class QScrollArea;
class QTableWidget;

namespace horavela::app {

class ChartDrawing;
class DayTimeline;

// The line above the timeline: the weekday, sunrise, sunset, the next sunrise,
// moonrise and moonset; a polar day or night said plainly.
QString SkyText(const DayAtAGlance& day, const LocalMinute& midnight);

// The "Day" tab: the day's timeline, the chart of the moment in either
// regional style, its bodies, and the ways out (printer, PDF, PNG).
class DayTab : public QWidget {
  Q_OBJECT

 public:
  // `backCaption` as on the other result pages.
  explicit DayTab(const QString& backCaption, QWidget* parent = nullptr);

  void SetDay(const DayAtAGlance& day, const LocalMinute& midnight);
  // The tradition's veto periods in force on the day, one a line (VetoesOnDayText);
  // empty when none is.
  void SetVetoes(const QString& lines);
  bool HasDay() const { return hasDay_; }

  DayTimeline* Timeline() const { return timeline_; }
  ChartDrawing* Chart() const { return chart_; }

  // The whole tab as one picture: the text, the timeline at full width, the
  // chart and its table.
  QImage Picture() const;

 signals:
  void minuteChosen(const LocalMinute& minute);
  void printRequested();
  void pdfRequested();
  void pngRequested();
  void backRequested();

 private:
  QWidget* BuildChartRow();
  QWidget* BuildButtons(const QString& backCaption);

  bool hasDay_ = false;
  QLabel* sky_ = nullptr;
  QLabel* vetoes_ = nullptr;
  QScrollArea* scroll_ = nullptr;
  DayTimeline* timeline_ = nullptr;
  ChartDrawing* chart_ = nullptr;
  QComboBox* style_ = nullptr;
  QTableWidget* bodies_ = nullptr;
  QList<QPushButton*> buttons_;
};

}  // namespace horavela::app
