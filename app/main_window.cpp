#include "app/main_window.h"
#include "app/translation.h"

#include <QComboBox>
#include <QEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QSplitter>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "app/analysis_panel.h"
#include "app/app_language.h"
#include "app/app_texts.h"
#include "app/atlas_city_field.h"
#include "app/birth_page.h"
#include "app/book_access.h"
#include "app/day_tab.h"
#include "app/election_page.h"
#include "app/month_tab.h"
#include "app/partner_box.h"
#include "app/result_area.h"
#include "app/shown_names.h"
#include "app/subject_page.h"
#include "app/wheel_needs_focus.h"
#include "calendar/civil_calendar.h"

namespace horavela::app {

namespace {

// The listing above the analysis: wide enough at first for a factor's line
// on one line, narrower only when the window is.
class ResultSplitter : public QSplitter {
 public:
  explicit ResultSplitter(QWidget* parent) : QSplitter(Qt::Vertical, parent) {}
  QSize sizeHint() const override {
    QSize hint = QSplitter::sizeHint();
    hint.setWidth(std::max(hint.width(), fontMetrics().averageCharWidth() * 60));
    return hint;
  }
};

QString FromView(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void SelectFirst(QComboBox* box) {
  box->setCurrentIndex(0);
}

}  // namespace

MainWindow::MainWindow(AppServices services, QWidget* parent)
    : QMainWindow(parent), services_(std::move(services)) {
  setObjectName("frmMain");
  WheelNeedsFocus::Install();
  book_ = std::make_unique<BookAccess>(services_.openBook, services_.messages);
  setWindowTitle(Tr(texts::kWindowTitle));

  auto* central = new QWidget(this);
  central->setObjectName("frmMainBackground");
  central->setMouseTracking(true);
  setCentralWidget(central);
  setMouseTracking(true);

  pages_ = new QStackedWidget(central);
  pages_->setObjectName("stkPages");
  startPage_ = new SubjectPage(model_);
  startPage_->WatchPointer(central);
  electionPage_ = new ElectionPage(services_);
  birthPage_ = new BirthPage(services_);
  waitPage_ = BuildWaitPage();
  resultArea_ = new ResultArea;
  for (QWidget* page : std::initializer_list<QWidget*>{startPage_, electionPage_, birthPage_,
                                                       waitPage_, resultArea_}) {
    pages_->addWidget(page);
  }
  // Enter means Next on every wizard page (see eventFilter).
  for (QWidget* page : std::initializer_list<QWidget*>{startPage_, electionPage_, birthPage_}) {
    page->installEventFilter(this);
  }

  // The result listing sits beside the pages and shows with the result area.
  resultListing_ = new QLabel(Tr(texts::kResultCaption));
  resultListing_->setObjectName("lblResult");
  resultListing_->setAlignment(Qt::AlignTop | Qt::AlignLeft);
  resultListing_->setWordWrap(true);
  resultListing_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  // What the user should know about this evaluation (a planet source missing, ...).
  warnings_ = new QLabel;
  warnings_->setObjectName("lblWarnings");
  warnings_->setWordWrap(true);
  warnings_->setAlignment(Qt::AlignTop | Qt::AlignLeft);
  QPalette warningPalette = warnings_->palette();
  warningPalette.setColor(QPalette::WindowText, QColor(128, 0, 0));
  warnings_->setPalette(warningPalette);
  warnings_->hide();
  auto* resultColumn = new QWidget;
  auto* resultLayout = new QVBoxLayout(resultColumn);
  resultLayout->addLayout(BuildVerdictColumns());
  factorTips_ = new FactorTips(resultListing_);
  resultLayout->addWidget(warnings_);
  resultLayout->addStretch();
  auto* resultScroll = new QScrollArea;
  resultScroll->setObjectName("fraResult");
  resultScroll->setWidget(resultColumn);
  resultScroll->setWidgetResizable(true);
  resultScroll->setMinimumWidth(fontMetrics().averageCharWidth() * 34);

  // The analysis stays in view below the listing however long it runs; the
  // user may move the line between them.
  analysis_ = new AnalysisPanel;
  connect(analysis_, &AnalysisPanel::momentChosen, this, [this](const LocalMinute& minute) {
    // After the click has finished: the evaluation replaces this panel.
    QTimer::singleShot(0, this, [this, minute] { UseElectionMinute(minute); });
  });
  auto* analysisScroll = new QScrollArea;
  analysisScroll->setObjectName("fraAnalysisScroll");
  analysisScroll->setWidget(analysis_);
  analysisScroll->setWidgetResizable(true);
  auto* resultSplit = new ResultSplitter(central);
  resultSplit->setObjectName("splResult");
  resultSplit->addWidget(resultScroll);
  resultSplit->addWidget(analysisScroll);
  resultSplit->setChildrenCollapsible(false);
  resultSplit->setStretchFactor(0, 3);
  resultSplit->setStretchFactor(1, 2);
  resultPanel_ = resultSplit;

  auto* layout = new QHBoxLayout(central);
  layout->addWidget(pages_, 1);
  layout->addWidget(resultPanel_);
  connect(pages_, &QStackedWidget::currentChanged, this,
          [this] { resultPanel_->setVisible(pages_->currentWidget() == resultArea_); });

  BuildMenus();
  WirePages();
  SetTabOrder();
  RecallPreferences();
  FillBoxesAndStart();

  // Roomy enough for the report; a small screen gets most of itself.
  const QFontMetrics metrics = fontMetrics();
  QSize size(metrics.averageCharWidth() * 165, metrics.height() * 42);
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    size = size.boundedTo(screen->availableSize() * 0.92);
  }
  resize(size);
}

MainWindow::~MainWindow() = default;

QLayout* MainWindow::BuildVerdictColumns() {
  // A couple's moment shows the partner's factors beside the person's, each
  // column under its person's name; alone, only the person's listing shows.
  auto* columns = new QHBoxLayout;
  QLabel** names[] = {&resultName_, &partnerResultName_};
  const char* nameObjects[] = {"lblResultName", "lblPartnerResultName"};
  partnerResult_ = new QLabel;
  partnerResult_->setObjectName("lblPartnerResult");
  QLabel* listings[] = {resultListing_, partnerResult_};
  for (int i = 0; i < 2; ++i) {
    // Each column a widget of its own: a hidden widget takes no room, where
    // a layout of hidden labels still took its share of the width.
    auto* holder = new QWidget;
    auto* column = new QVBoxLayout(holder);
    column->setContentsMargins(0, 0, 0, 0);
    *names[i] = new QLabel;
    (*names[i])->setObjectName(nameObjects[i]);
    QFont bold = (*names[i])->font();
    bold.setBold(true);
    (*names[i])->setFont(bold);
    (*names[i])->hide();
    listings[i]->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    listings[i]->setWordWrap(true);
    listings[i]->setTextInteractionFlags(Qt::TextSelectableByMouse);
    column->addWidget(*names[i]);
    column->addWidget(listings[i]);
    column->addStretch();
    columns->addWidget(holder, 1);
    if (i == 1) partnerColumn_ = holder;
  }
  partnerColumn_->hide();
  return columns;
}

void MainWindow::WirePages() {
  connect(startPage_->BackButton(), &QPushButton::clicked, this, [this] { BackClicked(0); });
  connect(startPage_->NextButton(), &QPushButton::clicked, this, [this] { NextClicked(0); });
  connect(electionPage_->BackButton(), &QPushButton::clicked, this, [this] { BackClicked(1); });
  connect(electionPage_->NextButton(), &QPushButton::clicked, this, [this] { NextClicked(1); });
  connect(birthPage_->BackButton(), &QPushButton::clicked, this, [this] { BackClicked(2); });
  connect(birthPage_->NextButton(), &QPushButton::clicked, this, [this] { NextClicked(2); });
  connect(electionPage_, &InputPage::findTimesClicked, this, &MainWindow::OpenFinder);
  connect(birthPage_, &InputPage::findTimesClicked, this, &MainWindow::OpenFinder);
  connect(electionPage_, &InputPage::chooseClicked, this, &MainWindow::ChoosePlace);
  connect(electionPage_, &InputPage::saveClicked, this, &MainWindow::SavePlace);
  connect(birthPage_, &InputPage::chooseClicked, this, &MainWindow::ChoosePerson);
  connect(birthPage_, &InputPage::saveClicked, this, &MainWindow::SavePerson);
  connect(birthPage_->Partner(), &PartnerBox::chooseClicked, this, &MainWindow::ChoosePartner);

  connect(resultArea_, &ResultArea::backClicked, this, &MainWindow::BackClicked);
  connect(resultArea_, &ResultArea::printClicked, this, &MainWindow::PrintReport);
  connect(resultArea_, &ResultArea::pdfClicked, this, &MainWindow::SaveReportPdf);
  connect(resultArea_, &ResultArea::rtfClicked, this, &MainWindow::SaveReportRtf);
  connect(resultArea_, &ResultArea::calendarClicked, this, &MainWindow::AddToCalendar);
  DayTab* day = resultArea_->Day();
  // A minute chosen on the timeline is judged, and the day stays in front.
  connect(day, &DayTab::minuteChosen, this, [this, day](const LocalMinute& minute) {
    UseElectionMinute(minute);
    if (pages_->currentWidget() == resultArea_) resultArea_->Tabs()->setCurrentWidget(day);
  });
  connect(day, &DayTab::printRequested, this, &MainWindow::PrintDay);
  connect(day, &DayTab::pdfRequested, this, &MainWindow::SaveDayPdf);
  connect(day, &DayTab::pngRequested, this, &MainWindow::SaveDayPng);
  MonthTab* month = resultArea_->Month();
  connect(resultArea_->Tabs(), &QTabWidget::currentChanged, this, [this, month](int index) {
    if (resultArea_->Tabs()->widget(index) == month) ComputeMonthTab();
  });
  connect(month, &MonthTab::printRequested, this, &MainWindow::PrintMonth);
  connect(month, &MonthTab::pdfRequested, this, &MainWindow::SaveMonthPdf);
}

void MainWindow::FillBoxesAndStart() {
  const MomentBoxes& birth = birthPage_->Moment();
  const MomentBoxes& election = electionPage_->Moment();
  for (QComboBox* box : {birth.month, election.month}) {
    for (int month = 1; month <= 12; ++month) box->addItem(MonthName(month));
  }
  for (int day = 1; day <= 31; ++day) {
    birth.day->addItem(QString::number(day));
    election.day->addItem(QString::number(day));
  }
  for (int year = 1901; year <= 2050; ++year) {
    birth.year->addItem(QString::number(year));
    election.year->addItem(QString::number(year));
  }
  for (QComboBox* box : {birth.weekday, election.weekday}) {
    // Shown in the language; the English name is what the input reads.
    for (int i = 0; i < IndexOf(Weekday::None); ++i) {
      const Weekday weekday = FromIndex<Weekday>(i);
      box->addItem(ShownName(weekday), FromView(NameOf(weekday)));
    }
  }
  for (int hour = 0; hour <= 23; ++hour) {
    election.hour->addItem(QString::number(hour));
    birth.hour->addItem(QString::number(hour));
  }
  for (QComboBox* box : {birth.minute, election.minute, birth.second, election.second}) {
    for (int minute = 0; minute <= 59; ++minute) box->addItem(QString::number(minute));
  }
  // A combo box selects its first item by itself; the date and weekday boxes
  // start empty until their first items are chosen below.
  for (QComboBox* box : {birth.month, birth.day, birth.year, birth.weekday, election.month,
                         election.day, election.year, election.weekday}) {
    box->setCurrentIndex(-1);
  }
  for (QComboBox* box :
       {election.hour, birth.hour, election.minute, birth.minute, election.second, birth.second}) {
    SelectFirst(box);
  }
  startPage_->ShowOptionSubjects(0);
  for (QComboBox* box : {election.month, election.day, election.year}) SelectFirst(box);
  StartAtLastPlaceNow();
  ShowZoneOffset(electionPage_->Place());
  ShowZoneOffset(birthPage_->Place());
  ShowPage(startPage_);
  resultPanel_->setVisible(false);
}

void MainWindow::ShowPage(QWidget* page) {
  pages_->setCurrentWidget(page);
  ShowActivityHeadings();
  // The keyboard starts at the page's first entry, never on a button that
  // Enter or Space would press by surprise. Styles draw the focus frame only
  // after the keyboard moved the focus (a click on Next clears that): the
  // user must see where typing goes from the start.
  setAttribute(Qt::WA_KeyboardFocusChange);
  if (page == startPage_) {
    startPage_->SubjectList()->setFocus(Qt::OtherFocusReason);
  } else if (page == electionPage_) {
    electionPage_->Moment().month->setFocus(Qt::OtherFocusReason);
  } else if (page == birthPage_) {
    birthPage_->NameField()->setFocus(Qt::OtherFocusReason);
  }
}

void MainWindow::ShowActivityHeadings() {
  electionPage_->ShowActivity(model_.subject);
  birthPage_->ShowActivity(model_.subject);
  birthPage_->Partner()->ShowFor(model_.subject);
}

void MainWindow::NextClicked(int index) {
  switch (index) {
    case 0:
      if (CheckSubject()) ShowPage(electionPage_);
      break;
    case 1:
      if (electionPage_->Check()) ShowPage(birthPage_);
      break;
    case 2:
      if (!CheckBirthPage()) break;
      TakePerson();
      Evaluate();
      break;
    default:
      break;
  }
}

void MainWindow::BackClicked(int index) {
  // Back keeps every entry: checking a second moment for the same person, or
  // correcting the election date from the birth page, must not mean typing
  // everything again. File > New Evaluation clears the pages instead.
  switch (index) {
    case 0:
      break;
    case 1:
      ShowPage(startPage_);
      break;
    case 2:
      ShowPage(electionPage_);
      break;
    default:  // the tabs of the result area
      startPage_->ShowChosenSubject();
      ShowPage(startPage_);
      break;
  }
}

void MainWindow::NewEvaluation() {
  startPage_->ClearTicks();
  model_.StartAfresh();
  ResetInputs();
  // What the page reset leaves alone goes back to its start-up state as well.
  electionPage_->ResetZoneAndSides();
  birthPage_->ResetZoneAndSides();
  electionPage_->Atlas()->Detach();
  birthPage_->Atlas()->Detach();
  birthPage_->ResetSex();
  birthPage_->Partner()->Clear();
  StartAtLastPlaceNow();
  ShowPage(startPage_);
}

void MainWindow::ResetInputs() {
  // A page starting afresh follows no atlas city.
  electionPage_->Atlas()->Detach();
  birthPage_->Atlas()->Detach();
  electionPage_->ClearEntries();
  birthPage_->ClearEntries();
  // The weekday boxes show the weekday of the reset dates, not the first item.
  SyncWeekday(electionPage_->Moment());
  SyncWeekday(birthPage_->Moment());
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    const QWidget* pagesWithNext[] = {startPage_, electionPage_, birthPage_};
    // Enter means Next on every wizard page, whatever has the focus: a
    // focused button is pressed with Space.
    for (int i = 0; enter && i < 3; ++i) {
      if (watched != pagesWithNext[i]) continue;
      NextClicked(i);
      return true;
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

}  // namespace horavela::app
