#pragma once

#include <QCalendarWidget>
#include <QDate>
#include <QString>
#include <map>

namespace horavela::app {

// What the tradition says of a day on the calendar: ruled out (every minute
// of it under a veto) or touched by one, and why, for its tooltip.
struct VetoNote {
  bool ruledOut = false;
  QString why;
};

// A month calendar that writes a number small under the day's own: the total
// score of the day's best window in the finder. A day the tradition rules out
// is grey, its number dimmed; a day a veto touches keeps its colour; either
// says why in its tooltip.
class TotalsCalendar : public QCalendarWidget {
 public:
  using QCalendarWidget::QCalendarWidget;

  void SetTotals(std::map<QDate, int> totals);
  // The number shown on `day`, if any.
  const int* TotalOn(const QDate& day) const;

  // Set after the days' colours: a touched day keeps its own.
  void SetVetoes(std::map<QDate, VetoNote> notes);
  const VetoNote* VetoOn(const QDate& day) const;

 protected:
  void paintCell(QPainter* painter, const QRect& rect, QDate date) const override;

 private:
  std::map<QDate, int> totals_;
  std::map<QDate, VetoNote> vetoes_;
};

// "+5", "0", "-3".
QString SignedTotal(int total);

}  // namespace horavela::app
