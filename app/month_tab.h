#pragma once

#include <QWidget>

#include "app/month_sheet.h"

class QLabel;

namespace horavela::app {

// The month's grid on screen ("monthGrid"): the printed sheet at the
// widget's size.
class MonthGrid : public QWidget {
  Q_OBJECT

 public:
  explicit MonthGrid(QWidget* parent = nullptr);
  void SetSheet(MonthSheet sheet);
  const MonthSheet& Sheet() const { return sheet_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  MonthSheet sheet_;
};

// The "Month" tab beside the Day: the election month at the election place,
// a cell per day, and the ways out (printer, PDF).
class MonthTab : public QWidget {
  Q_OBJECT

 public:
  explicit MonthTab(const QString& backCaption, QWidget* parent = nullptr);

  void SetMonth(const MonthAtAGlance& month, const QString& placeName, const QString& subject = {});
  const MonthSheet& Sheet() const { return grid_->Sheet(); }

 signals:
  void printRequested();
  void pdfRequested();
  void backRequested();

 private:
  QWidget* BuildButtons(const QString& backCaption);

  QLabel* empty_ = nullptr;
  MonthGrid* grid_ = nullptr;
};

}  // namespace horavela::app
