#pragma once

#include <QCalendarWidget>
#include <QDate>
#include <map>

namespace horavela::app {

// A month calendar that writes a number small under the day's own: the total
// score of the day's best window in the finder.
class TotalsCalendar : public QCalendarWidget {
 public:
  using QCalendarWidget::QCalendarWidget;

  void SetTotals(std::map<QDate, int> totals);
  // The number shown on `day`, if any.
  const int* TotalOn(const QDate& day) const;

 protected:
  void paintCell(QPainter* painter, const QRect& rect, QDate date) const override;

 private:
  std::map<QDate, int> totals_;
};

// "+5", "0", "-3".
QString SignedTotal(int total);

}  // namespace horavela::app
