#pragma once

#include <QMainWindow>
#include <QString>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "almanac/day_at_a_glance.h"
#include "app/app_services.h"
#include "app/page_checks.h"
#include "app/wizard_model.h"
#include "engine/calculation_state.h"
#include "ics/calendar_file.h"
#include "language/language.h"
#include "search/muhurta_finder.h"

class QLabel;
class QLayout;
class QStackedWidget;
class QTextDocument;

namespace horavela::book {
struct Person;
}  // namespace horavela::book

class QMenu;
class QSettings;

namespace horavela::app {

class AnalysisPanel;
class BookAccess;
class FactorTips;
class BirthPage;
class ElectionPage;
class ResultArea;
class SubjectPage;

// The main window: the frame of the wizard from the choice of undertaking to
// the printed report. The start, election and birth pages are widgets of
// their own over one WizardModel; the window holds them in a stack with the
// wait page and the result area, wires their buttons, evaluates, and prints
// and saves what the result area shows.
class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  explicit MainWindow(AppServices services, QWidget* parent = nullptr);
  ~MainWindow() override;

  // What the wizard has gathered so far.
  const QString& ElectionSubject() const { return model_.subject; }
  const QString& PersonName() const { return model_.personName; }
  const QString& PersonSex() const { return model_.personSex; }
  // How the program computes and counts, as Edit > Preferences last kept it.
  const CalculationSettings& Settings() const { return model_.settings; }
  // The last evaluation that reached its result, if any.
  const std::optional<CalculationState>& LastEvaluation() const { return lastEvaluation_; }

  // What the buttons, captions and menus of the pages do.
  void NextClicked(int index);
  void BackClicked(int index);
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
  // The "Month" tab: the election date's month at the election place.
  bool ComputeMonthTab();
  void PrintMonth();
  void SaveMonthPdf();

  // The book of people and places: the input pages fill themselves from it
  // or are saved into it; File > People and places manages it.
  void ChoosePerson();
  void ChoosePartner();  // the second person of a couple, from the book
  void SavePerson();
  void ChoosePlace();
  void SavePlace();
  void OpenBook();
  // Tools > Match two people...: the match dialog on the book's people, with
  // the person of book id `chosen` (0: none) already in their box.
  void OpenMatch(qint64 chosen = 0);

  // Edit > Preferences: the calculation settings, kept between sessions. New
  // settings are kept and recompute whatever the result area shows.
  void OpenPreferences();
  void ApplyPreferences(const CalculationSettings& chosen);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // A person of the book the user chooses, if any.
  std::optional<book::Person> PersonFromBook();

  // Building the window
  void BuildMenus();
  // View > Language: each language named in itself, the chosen one checked.
  void BuildLanguageMenu(QMenu* view);
  void ChooseLanguage(Language language);
  // View > Native digits, checked as the settings keep it.
  void BuildDigitsAction(QMenu* view, const QSettings* settings);
  void WirePages();
  QWidget* BuildWaitPage();
  QLayout* BuildVerdictColumns();
  void SetTabOrder();
  void FillBoxesAndStart();

  // Navigation
  void ShowPage(QWidget* page);
  void ShowActivityHeadings();
  void ResetInputs();

  // Checks; each shows its message and moves the focus when it fails.
  bool CheckSubject();
  bool CheckBirthPage();  // the birth page's entries and the order of the two moments
  // The person as the birth page holds them, for the evaluation.
  void TakePerson();

  // The evaluation
  EvaluationInput ReadInput() const;
  void EndEvaluationWithError(const QString& reason);
  // The evaluation the pages ask for, explained, with the report that closes
  // with its timing notes.
  EvaluationRequest ElectionRequest() const;
  void FillBirthDetails(const CalculationState& state);
  // The partner's factor verdicts beside the person's; none hides them.
  void ShowPartnerVerdicts(const CalculationState* partner);
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
  bool SaveFile(const QString& path, std::string_view bytes, const QString& failure);

  // Where a new evaluation starts, and how it computes
  void StartAtLastPlaceNow();
  void RecallPreferences();
  void RememberElectionPlace();

  AppServices services_;
  WizardModel model_;

  std::optional<CalculationState> lastEvaluation_;
  std::string lastRtf_;
  std::optional<JudgedMoment> lastCalendarMoment_;  // the last evaluation, for its .ics
  std::vector<ChartBody> lastElectionChart_;        // for the printed report's summary

  QStackedWidget* pages_ = nullptr;
  SubjectPage* startPage_ = nullptr;
  ElectionPage* electionPage_ = nullptr;
  BirthPage* birthPage_ = nullptr;
  QWidget* waitPage_ = nullptr;
  ResultArea* resultArea_ = nullptr;
  QWidget* resultPanel_ = nullptr;

  QLabel* resultListing_ = nullptr;
  // With a partner: each column's name above it, the partner's verdicts beside.
  QLabel* resultName_ = nullptr;
  QLabel* partnerResultName_ = nullptr;
  QLabel* partnerResult_ = nullptr;
  // The partner's column; hidden, it takes no room from the person's.
  QWidget* partnerColumn_ = nullptr;
  QLabel* warnings_ = nullptr;
  AnalysisPanel* analysis_ = nullptr;
  FactorTips* factorTips_ = nullptr;
  std::unique_ptr<BookAccess> book_;
};

}  // namespace horavela::app
