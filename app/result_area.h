#pragma once

#include <QWidget>
#include <array>
#include <vector>

class QLabel;
class QPushButton;
class QTabWidget;
class QTableWidget;
class QTextEdit;

namespace horavela::app {

class DayTab;
class MonthTab;

// The result area ("picMuhurthaResult"): the tabs of one evaluation (the
// birth details, the election details with the planets, the analysis report
// with its ways out, and the day at a glance). Filling them and acting on
// their buttons is the window's.
class ResultArea : public QWidget {
  Q_OBJECT

 public:
  explicit ResultArea(QWidget* parent = nullptr);

  QTabWidget* Tabs() const { return tabs_; }
  QTextEdit* Report() const { return report_; }
  DayTab* Day() const { return day_; }
  MonthTab* Month() const { return month_; }
  QTableWidget* PlanetTable() const { return planetTable_; }
  // The values of the two details tabs, in their captions' order.
  const std::array<QLabel*, 13>& BirthValues() const { return birthValues_; }
  const std::array<QLabel*, 13>& ElectionValues() const { return electionValues_; }

  // The area's stops for the Tab key, in reading order.
  std::vector<QWidget*> TabStops() const;

 signals:
  // Back on a tab: 3 the birth details and the day, 4 the report, 5 the
  // election details.
  void backClicked(int index);
  void printClicked();
  void pdfClicked();
  void rtfClicked();
  void calendarClicked();

 private:
  QWidget* BuildDetailsPage(const char* pageName, const char* valueName,
                            const std::array<const char*, 13>& captions,
                            std::array<QLabel*, 13>& values, int backIndex);
  QWidget* BuildReportPage();
  QWidget* NavigationRowFor(int backIndex);

  QTabWidget* tabs_ = nullptr;
  std::array<QLabel*, 13> birthValues_{};
  std::array<QLabel*, 13> electionValues_{};
  QTableWidget* planetTable_ = nullptr;
  QTextEdit* report_ = nullptr;
  std::array<QPushButton*, 4> outputs_{};  // print, PDF, RTF, calendar
  std::array<QPushButton*, 6> backButtons_{};
  DayTab* day_ = nullptr;
  MonthTab* month_ = nullptr;
};

}  // namespace horavela::app
