#pragma once

#include <QDate>
#include <QDialog>
#include <QElapsedTimer>
#include <QString>
#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <utility>
#include <vector>

#include "almanac/avoided_kalams.h"
#include "app/app_services.h"
#include "atlas/time_zone_rules.h"
#include "search/muhurta_finder.h"
#include "tradition/veto.h"
#include "usecases/search.h"

class QBoxLayout;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QProgressBar;
class QPushButton;
class QScrollArea;
class QSpinBox;
class QThread;
class QTreeWidget;
class QTreeWidgetItem;

namespace horavela::app {

class TotalsCalendar;

// What the wizard's pages hold for a search.
struct FindTimesInputs {
  // Subject, person and election place; the dialog sets range and minimum.
  // A place that follows a tz zone (an atlas city) is searched on its own
  // clock, minute by minute, instead of the captions.
  SearchRequest request;
  // Why the pages cannot be searched yet; empty when they can.
  QString problem;
};

// One line of the window list: "2025-01-03 07:12 – 09:40     Good      7 factors  total  5".
// A window that runs past midnight ends "08:46 +1" (one day later).
QString WindowLine(const SearchWindow& window);

// Searches a range of dates for the windows of minutes whose
// verdict reaches a minimum (a result word, and a total score if chosen),
// leaving out the kalams the user avoids, in a worker thread, and shows them on
// a month calendar (green Good, amber Average, the total of each day's best
// window under its number) and in a list in time order that sorts by any
// column, the ten best in bold; the list exports as CSV, and the selected
// window (or the ten best) as calendar events. The list stops at the request's
// maxWindows, and says so. By default it observes the tradition's vetoes and
// panchanga shuddhi: a line above the list names the periods in force and the
// days they rule out, which the calendar greys. Choosing a window emits timeChosen and closes the
// dialog.
class FindTimesDialog : public QDialog {
  Q_OBJECT

 public:
  FindTimesDialog(FindTimesInputs inputs, std::shared_ptr<MessageBoxes> messages,
                  QWidget* parent = nullptr);
  // Stops a running search and waits for its threads.
  ~FindTimesDialog() override;

  bool Searching() const { return worker_ != nullptr; }
  // The windows of the last finished search, in time order.
  const std::vector<SearchWindow>& Windows() const { return result_.windows; }
  // The veto periods the last search observed (none when it ignored them).
  const std::vector<VetoPeriod>& Vetoes() const { return vetoes_; }
  // The minute "Use this time" takes from a listed window: clear of its edges,
  // on the place's clock.
  LocalMinute MinuteToUse(const SearchWindow& window) const;

  void reject() override;

  // Starts the range at `from` (the election page's date) instead of today,
  // for the same three months.
  void StartRangeAt(const QDate& from);

  // How the file for "Export CSV..." is chosen: the app's save-file service.
  using SaveFileChooser = std::function<QString(
      const QString& caption, const QString& suggestedName, const QString& filter)>;
  void SetSaveFileChooser(SaveFileChooser choose) { chooseSaveFile_ = std::move(choose); }

 protected:
  void resizeEvent(QResizeEvent* event) override;

 signals:
  // The first minute of the window the user chose.
  void timeChosen(const horavela::LocalMinute& minute);

 private:
  QWidget* BuildRangeRow();
  QWidget* BuildFilterRow();
  QWidget* BuildTraditionRow();
  AlmanacChoice Almanac() const;
  QWidget* BuildResultArea();
  void FitScreen();
  void ExportCsv();
  void AddToCalendar();
  std::vector<SearchWindow> WindowsForCalendar() const;
  std::set<Kalam> AvoidedKalams() const;
  void StartSearch();
  void CancelSearch();
  void ChooseSelectedWindow();
  void ShowProgress(double fraction);
  void SearchFinished();
  void ShowResult();
  void ColourCalendar();
  void ShowTradition();
  void ClearCalendar();
  void ShowDayOfCalendar(const QDate& date);
  void SelectionChanged();
  void SetSearching(bool searching);

  FindTimesInputs inputs_;
  std::shared_ptr<MessageBoxes> messages_;

  QDateEdit* fromDate_ = nullptr;
  QDateEdit* toDate_ = nullptr;
  QComboBox* leastResult_ = nullptr;
  QPushButton* searchButton_ = nullptr;
  QPushButton* cancelButton_ = nullptr;
  QProgressBar* progress_ = nullptr;
  QLabel* status_ = nullptr;
  QLabel* truncatedNote_ = nullptr;  // shown when the list stops at the request's maxWindows
  QSpinBox* leastTotal_ = nullptr;
  QCheckBox* avoidRahuKalam_ = nullptr;
  QCheckBox* avoidYamaganda_ = nullptr;
  QCheckBox* avoidGulikaKalam_ = nullptr;
  QCheckBox* observeTradition_ = nullptr;
  QCheckBox* regionalVetoes_ = nullptr;
  QLabel* traditionSummary_ = nullptr;  // the days the tradition rules out, and why
  TotalsCalendar* calendar_ = nullptr;
  QTreeWidget* windowList_ = nullptr;
  std::vector<QTreeWidgetItem*> items_;  // the list's item of each window, by index
  QPushButton* exportCsvButton_ = nullptr;
  QPushButton* calendarButton_ = nullptr;
  SaveFileChooser chooseSaveFile_;
  QPushButton* useButton_ = nullptr;
  QPushButton* closeButton_ = nullptr;

  QThread* worker_ = nullptr;
  std::atomic<bool> cancel_{false};
  // Written by the worker, read after it has finished.
  std::shared_ptr<FoundTimes> pending_;
  std::shared_ptr<QString> pendingError_;
  SearchResult result_;
  std::vector<VetoPeriod> vetoes_;
  QDate searchedFrom_;
  QDate searchedTo_;
  std::string searchedMinimum_;
  QElapsedTimer clock_;
  std::vector<QDate> colouredDays_;
  bool syncing_ = false;
  // Rows that stack on a narrow screen, with the width they need side by side.
  std::vector<std::pair<QBoxLayout*, int>> stackable_;
  QScrollArea* scroll_ = nullptr;  // the middle, between the range row and the buttons
};

}  // namespace horavela::app
