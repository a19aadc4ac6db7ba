#pragma once

#include <QMainWindow>
#include <QString>
#include <array>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "almanac/day_at_a_glance.h"
#include "app/app_services.h"
#include "app/filtered_line_edit.h"
#include "app/page_checks.h"
#include "engine/calculation_state.h"
#include "ics/calendar_file.h"
#include "search/muhurta_finder.h"

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QStackedWidget;
class QTabWidget;
class QTableWidget;
class QTextDocument;
class QTextEdit;

namespace horavela::app {

class AnalysisPanel;
class AtlasCityField;
class BookAccess;
class FactorTips;
class ClickableLabel;
class DayTab;

// The date and time boxes of one input page.
struct MomentBoxes {
  QComboBox* month = nullptr;
  QComboBox* day = nullptr;
  QComboBox* year = nullptr;
  QComboBox* weekday = nullptr;
  QComboBox* hour = nullptr;
  QComboBox* minute = nullptr;
  QComboBox* second = nullptr;
};

// The place, coordinate and zone controls of one input page.
struct PlaceBoxes {
  FilteredLineEdit* city = nullptr;
  FilteredLineEdit* state = nullptr;
  FilteredLineEdit* country = nullptr;
  QPushButton* search = nullptr;
  FilteredLineEdit* latitudeDegrees = nullptr;
  FilteredLineEdit* latitudeMinutes = nullptr;
  QButtonGroup* latitudeSide = nullptr;  // button 0 "North", 1 "South"
  FilteredLineEdit* longitudeDegrees = nullptr;
  FilteredLineEdit* longitudeMinutes = nullptr;
  QButtonGroup* longitudeSide = nullptr;  // button 0 "East", 1 "West"
  QLabel* zoneHour = nullptr;
  QLabel* zoneMinute = nullptr;
  QLabel* zoneOffset = nullptr;  // the captions as people write them: "UTC+05:30"
  QCheckBox* dst = nullptr;
  ClickableLabel* tzHelp = nullptr;
};

// The main window: the wizard from the choice of undertaking to the printed report.
class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  explicit MainWindow(AppServices services, QWidget* parent = nullptr);
  ~MainWindow() override;

  // What the wizard has gathered so far.
  const QString& ElectionSubject() const { return electionSubject_; }
  const QString& PersonName() const { return personName_; }
  const QString& PersonSex() const { return personSex_; }
  // The last evaluation that reached its result, if any.
  const std::optional<CalculationState>& LastEvaluation() const { return lastEvaluation_; }

  // What the buttons, captions and menus of the pages do.
  void ShowOptionSubjects(int index);
  void TakeTickedSubject();
  void NextClicked(int index);
  void BackClicked(int index);
  void SearchPlace(int index);
  void PickBirthZone();
  void PickElectionZone();
  void PrintReport();
  void SaveReportPdf();
  void SaveReportRtf();
  void AddToCalendar();

  // One whole evaluation of the two input pages (after their checks passed).
  // The wizard's Next shows the wait page for a while; a time chosen in the
  // finder is judged at once.
  enum class Pace { WithPauses, AtOnce };
  void Evaluate(Pace pace = Pace::WithPauses);

  // File > New Evaluation: every entry of both pages back to its start-up
  // value, no subject chosen, the start page in front.
  void NewEvaluation();

  // The search for good times: the button, what the pages hold for it, why
  // they cannot be searched yet (empty when they can), and a chosen minute put
  // into the election page and evaluated as the birth page's Next does.
  void OpenFinder();
  SearchRequest FinderRequest() const;
  QString FinderInputProblem() const;
  void UseElectionMinute(const LocalMinute& minute);

  // View > Day at a glance: the day of the election date and place as the page
  // holds them, on the "Day" tab; no evaluation needed.
  void ShowDayAtAGlance();
  void PrintDay();
  void SaveDayPdf();
  void SaveDayPng();

  // The book of people and places: the input pages fill themselves from it
  // or are saved into it; File > People and places manages it.
  void ChoosePerson();
  void SavePerson();
  void ChoosePlace();
  void SavePlace();
  void OpenBook();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Building the window
  void BuildMenus();
  QWidget* BuildStartPage();
  QWidget* BuildElectionPage();
  QWidget* BuildBirthPage();
  QWidget* BuildWaitPage();
  QWidget* BuildResultArea();
  QWidget* BuildDetailsPage(const char* pageName, const char* valueName,
                            const std::array<const char*, 13>& captions,
                            std::array<QLabel*, 13>& values, int backIndex);
  QWidget* BuildReportPage();
  QWidget* BuildZoneFrame(PlaceBoxes& place, const QString& suffix);
  void AddPlaceRows(QGridLayout* grid, int& row, PlaceBoxes& place, const QString& prefix,
                    const QString& suffix, int searchIndex);
  void AddTimeRows(QGridLayout* grid, int& row, MomentBoxes& moment);
  QWidget* NavigationRow(int backIndex, int nextIndex);
  QWidget* WithFindTimesButton(QWidget* navigation, const QString& name);
  FilteredLineEdit* NewFilteredField(CharacterRule rule, const QString& name);
  void WatchNumberTyping(MomentBoxes& moment);
  void SetTabOrder();
  void FillBoxesAndStart();

  // Navigation
  void ShowPage(QWidget* page);
  void ShowActivityHeadings();
  void ShowChosenSubject();
  void ChooseSubjectItem(QListWidgetItem* item);
  void ResetInputs();
  void SyncWeekday(const MomentBoxes& moment);
  void SetZoneCaptions(const PlaceBoxes& place, const QString& hours, const QString& minutes);
  void ShowZoneOffset(const PlaceBoxes& place);
  void PaintMainOptions(int highlighted);
  void OpenTimeZonePicker(bool birthPage);

  // Checks; each shows its message and moves the focus when it fails.
  bool CheckSubject();
  bool CheckElectionPage();
  bool CheckBirthPage();
  bool CheckBirthEntries();  // the birth page without the order of the two moments
  bool CheckPlace(const PlaceBoxes& place);
  bool CheckRequired(const std::vector<std::pair<QLineEdit*, const char*>>& fields, bool trimmed,
                     MessageIcon icon);
  bool CheckCoordinateRanges(const PlaceBoxes& place);
  bool CheckDate(const MomentBoxes& moment, const QString& which);
  void Refuse(QWidget* field, const QString& message, MessageIcon icon);

  // The evaluation
  MomentEntry ReadMoment(const MomentBoxes& moment, const PlaceBoxes& place) const;
  EvaluationInput ReadInput() const;
  void EndEvaluationWithError(const QString& reason);
  // The explanation of the evaluated moment, or nothing when it cannot be had.
  std::optional<Explanation> ExplainElection(const EvaluationInput& input);
  void FillBirthDetails(const CalculationState& state);
  void FillElectionDetails(const CalculationState& state);

  // The day at a glance
  QString DayInputProblem() const;
  DayRequest ReadDayRequest() const;
  // Computes the day into the Day tab (and the planets table when `evaluated`);
  // false, with the reason shown, when it could not be.
  bool ComputeDayTab(bool evaluated);
  // The report as printed and saved as PDF, closed by its summary page.
  std::unique_ptr<QTextDocument> PrintedReport() const;
  // Writes `bytes` to `path` atomically; says why not with `failure` ("%1" the
  // path, "%2" the reason) and returns false when it cannot.
  bool SaveFile(const QString& path, std::string_view bytes, const char* failure);

  // The book
  QWidget* WithBookButtons(QWidget* navigation, bool birthPage);
  bool CheckPlaceToSave();
  // Writes a place of the book into a page as typing and choosing would.
  void FillPlace(const PlaceBoxes& place, AtlasCityField* atlas, const PlaceEntry& entry,
                 const std::string& tz);
  void FillBirthMoment(const MomentEntry& birth);

  // Where a new evaluation starts
  void StartAtLastPlaceNow();
  void RememberElectionPlace();
  // Writes the election moment at once, as the search for good times chose it.
  void WriteElectionMinute(const LocalMinute& minute);

  AppServices services_;

  QString electionSubject_;
  QString personName_;
  QString personSex_;
  std::optional<CalculationState> lastEvaluation_;
  std::string lastRtf_;
  std::optional<JudgedMoment> lastCalendarMoment_;  // the last evaluation, for its .ics
  std::vector<ChartBody> lastElectionChart_;        // for the printed report's summary
  bool walkingOptions_ = false;
  Qt::CheckState pressedCheckState_ = Qt::Unchecked;

  QStackedWidget* pages_ = nullptr;
  QWidget* startPage_ = nullptr;
  QWidget* electionPage_ = nullptr;
  QWidget* birthPage_ = nullptr;
  QWidget* waitPage_ = nullptr;
  QWidget* resultArea_ = nullptr;
  QWidget* resultPanel_ = nullptr;

  std::array<ClickableLabel*, 12> optionCaptions_{};
  QListWidget* subjectList_ = nullptr;
  std::array<QPushButton*, 3> nextButtons_{};
  std::array<QPushButton*, 6> backButtons_{};

  MomentBoxes election_;
  PlaceBoxes electionPlace_;
  MomentBoxes birth_;
  PlaceBoxes birthPlace_;
  QLineEdit* nameField_ = nullptr;
  std::array<QLabel*, 2> activityHeadings_{};  // the chosen activity atop the two input pages
  QButtonGroup* sexChoice_ = nullptr;

  QLabel* resultListing_ = nullptr;
  QLabel* warnings_ = nullptr;
  AnalysisPanel* analysis_ = nullptr;
  FactorTips* factorTips_ = nullptr;
  QTabWidget* resultTabs_ = nullptr;
  std::array<QLabel*, 13> birthDetails_{};
  std::array<QLabel*, 13> electionDetails_{};
  QTextEdit* report_ = nullptr;
  QPushButton* printButton_ = nullptr;

  // The offline atlas in the city fields, and the planets of the election moment.
  AtlasCityField* electionAtlas_ = nullptr;
  AtlasCityField* birthAtlas_ = nullptr;
  QTableWidget* planetTable_ = nullptr;
  DayTab* dayTab_ = nullptr;
  std::unique_ptr<BookAccess> book_;
};

}  // namespace horavela::app
