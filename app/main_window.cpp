#include "app/main_window.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
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
#include "app/app_texts.h"
#include "app/atlas_city_field.h"
#include "app/atlas_matches_dialog.h"
#include "app/book_access.h"
#include "app/clickable_label.h"
#include "app/program_links.h"
#include "app/subject_catalogue.h"
#include "app/time_zone_dialog.h"
#include "app/wheel_needs_focus.h"
#include "calendar/civil_calendar.h"
#include "engine/input_check.h"
#include "panchang/panchang.h"

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

constexpr std::size_t kAtlasMatches = 12;  // places offered by the latitude button

const QColor kOptionColor(0, 0, 0);       // palette entry 0
const QColor kHighlightColor(0, 128, 0);  // palette entry 2

}  // namespace

MainWindow::MainWindow(AppServices services, QWidget* parent)
    : QMainWindow(parent), services_(std::move(services)) {
  setObjectName("frmMain");
  WheelNeedsFocus::Install();
  book_ = std::make_unique<BookAccess>(services_.openBook, services_.messages);
  setWindowTitle(texts::kWindowTitle);

  auto* central = new QWidget(this);
  central->setObjectName("frmMainBackground");
  central->setMouseTracking(true);
  central->installEventFilter(this);
  setCentralWidget(central);
  setMouseTracking(true);

  pages_ = new QStackedWidget(central);
  pages_->setObjectName("stkPages");
  startPage_ = BuildStartPage();
  electionPage_ = BuildElectionPage();
  birthPage_ = BuildBirthPage();
  waitPage_ = BuildWaitPage();
  resultArea_ = BuildResultArea();
  for (QWidget* page : {startPage_, electionPage_, birthPage_, waitPage_, resultArea_}) {
    pages_->addWidget(page);
  }

  // The result listing sits beside the pages and shows with the result area.
  resultListing_ = new QLabel(texts::kResultCaption);
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
  resultLayout->addWidget(resultListing_);
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
  SetTabOrder();
  // The zone for the date comes from the tz database reader the command line
  // uses as well (it reads the system's zone files, as QTimeZone would), so
  // both give the same universal time.
  electionAtlas_ = new AtlasCityField(election_, electionPlace_, "_Muhurtha", services_, this);
  birthAtlas_ = new AtlasCityField(birth_, birthPlace_, "_Birth", services_, this);
  connect(electionAtlas_, &AtlasCityField::zoneWritten, this,
          [this] { ShowZoneOffset(electionPlace_); });
  connect(birthAtlas_, &AtlasCityField::zoneWritten, this, [this] { ShowZoneOffset(birthPlace_); });
  connect(birthPlace_.tzHelp, &ClickableLabel::clicked, this, &MainWindow::PickBirthZone);
  connect(electionPlace_.tzHelp, &ClickableLabel::clicked, this, &MainWindow::PickElectionZone);

  // Each weekday box follows its date as soon as it has one.
  for (const MomentBoxes* moment : {&election_, &birth_}) {
    for (QComboBox* box : {moment->month, moment->day, moment->year}) {
      connect(box, &QComboBox::currentIndexChanged, this, [this, moment] { SyncWeekday(*moment); });
    }
  }
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

void MainWindow::FillBoxesAndStart() {
  for (QComboBox* box : {birth_.month, election_.month}) {
    for (std::string_view month : kMonthNames)
      box->addItem(QString::fromUtf8(month.data(), static_cast<qsizetype>(month.size())));
  }
  for (int day = 1; day <= 31; ++day) {
    birth_.day->addItem(QString::number(day));
    election_.day->addItem(QString::number(day));
  }
  for (int year = 1901; year <= 2050; ++year) {
    birth_.year->addItem(QString::number(year));
    election_.year->addItem(QString::number(year));
  }
  for (QComboBox* box : {birth_.weekday, election_.weekday}) {
    for (std::string_view weekday : kWeekdayNames) box->addItem(FromView(weekday));
  }
  for (int hour = 0; hour <= 23; ++hour) {
    election_.hour->addItem(QString::number(hour));
    birth_.hour->addItem(QString::number(hour));
  }
  for (QComboBox* box : {birth_.minute, election_.minute, birth_.second, election_.second}) {
    for (int minute = 0; minute <= 59; ++minute) box->addItem(QString::number(minute));
  }
  // A combo box selects its first item by itself; the date and weekday boxes
  // start empty until their first items are chosen below.
  for (QComboBox* box : {birth_.month, birth_.day, birth_.year, birth_.weekday, election_.month,
                         election_.day, election_.year, election_.weekday}) {
    box->setCurrentIndex(-1);
  }
  for (QComboBox* box : {election_.hour, birth_.hour, election_.minute, birth_.minute,
                         election_.second, birth_.second}) {
    SelectFirst(box);
  }
  ShowOptionSubjects(0);
  for (QComboBox* box : {election_.month, election_.day, election_.year}) SelectFirst(box);
  StartAtLastPlaceNow();
  ShowZoneOffset(electionPlace_);
  ShowZoneOffset(birthPlace_);
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
    subjectList_->setFocus(Qt::OtherFocusReason);
  } else if (page == electionPage_) {
    election_.month->setFocus(Qt::OtherFocusReason);
  } else if (page == birthPage_) {
    nameField_->setFocus(Qt::OtherFocusReason);
  }
}

void MainWindow::ShowActivityHeadings() {
  const QString heading = electionSubject_.isEmpty()
                              ? QString()
                              : QString(texts::kActivityHeading).arg(electionSubject_);
  for (QLabel* label : activityHeadings_) label->setText(heading);
}

void MainWindow::ShowOptionSubjects(int index) {
  walkingOptions_ = true;
  subjectList_->clear();
  for (std::string_view subject : MainOptions().at(static_cast<std::size_t>(index)).subjects) {
    auto* item = new QListWidgetItem(FromView(subject));
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    item->setCheckState(Qt::Unchecked);
    subjectList_->addItem(item);
  }
  walkingOptions_ = false;
  // The subject chosen before stays chosen, although nothing is ticked now.
}

void MainWindow::TakeTickedSubject() {
  if (walkingOptions_) return;
  walkingOptions_ = true;
  QListWidgetItem* chosen = nullptr;
  for (int i = 0; i < subjectList_->count(); ++i) {
    QListWidgetItem* item = subjectList_->item(i);
    if (chosen == nullptr && item->checkState() == Qt::Checked) {
      chosen = item;
    } else if (item->checkState() != Qt::Unchecked) {
      item->setCheckState(Qt::Unchecked);
    }
  }
  electionSubject_ = chosen ? chosen->text() : QString();
  walkingOptions_ = false;
}

void MainWindow::ChooseSubjectItem(QListWidgetItem* chosen) {
  walkingOptions_ = true;
  for (int i = 0; i < subjectList_->count(); ++i) {
    QListWidgetItem* item = subjectList_->item(i);
    item->setCheckState(item == chosen ? Qt::Checked : Qt::Unchecked);
  }
  walkingOptions_ = false;
}

void MainWindow::PaintMainOptions(int highlighted) {
  for (std::size_t i = 0; i < optionCaptions_.size(); ++i) {
    QPalette palette = optionCaptions_[i]->palette();
    palette.setColor(QPalette::WindowText,
                     static_cast<int>(i) == highlighted ? kHighlightColor : kOptionColor);
    optionCaptions_[i]->setPalette(palette);
  }
}

void MainWindow::NextClicked(int index) {
  switch (index) {
    case 0:
      if (CheckSubject()) ShowPage(electionPage_);
      break;
    case 1:
      if (CheckElectionPage()) ShowPage(birthPage_);
      break;
    case 2:
      if (!CheckBirthPage()) break;
      personName_ = nameField_->text().trimmed();
      personSex_ = sexChoice_->button(0)->isChecked() ? texts::kMale : texts::kFemale;
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
    default:  // the three result pages
      ShowChosenSubject();
      ShowPage(startPage_);
      break;
  }
}

void MainWindow::NewEvaluation() {
  walkingOptions_ = true;
  for (int i = 0; i < subjectList_->count(); ++i) {
    subjectList_->item(i)->setCheckState(Qt::Unchecked);
  }
  walkingOptions_ = false;
  electionSubject_.clear();
  ResetInputs();
  // What the page reset leaves alone goes back to its start-up state as well.
  for (const PlaceBoxes* place : {&electionPlace_, &birthPlace_}) {
    SetZoneCaptions(*place, "0", "0");
    place->dst->setChecked(false);
    place->latitudeSide->button(0)->setChecked(true);
    place->longitudeSide->button(0)->setChecked(true);
  }
  electionAtlas_->Detach();
  birthAtlas_->Detach();
  sexChoice_->button(0)->setChecked(true);
  StartAtLastPlaceNow();
  ShowPage(startPage_);
}

void MainWindow::ShowChosenSubject() {
  // The list shows the chosen subject's main option, with that subject ticked.
  const std::string chosen = electionSubject_.toStdString();
  for (int option = 0; option < kMainOptionCount; ++option) {
    const auto& subjects = MainOptions()[static_cast<std::size_t>(option)].subjects;
    if (std::find(subjects.begin(), subjects.end(), chosen) == subjects.end()) continue;
    ShowOptionSubjects(option);
    walkingOptions_ = true;
    for (int i = 0; i < subjectList_->count(); ++i) {
      if (subjectList_->item(i)->text() == electionSubject_)
        subjectList_->item(i)->setCheckState(Qt::Checked);
    }
    walkingOptions_ = false;
    return;
  }
}

void MainWindow::ResetInputs() {
  // A page starting afresh follows no atlas city.
  electionAtlas_->Detach();
  birthAtlas_->Detach();
  for (QComboBox* box : {election_.month, election_.day, election_.year, election_.weekday,
                         election_.hour, election_.minute, election_.second}) {
    SelectFirst(box);
  }
  for (QLineEdit* field :
       {static_cast<QLineEdit*>(electionPlace_.latitudeDegrees),
        static_cast<QLineEdit*>(electionPlace_.latitudeMinutes),
        static_cast<QLineEdit*>(electionPlace_.longitudeDegrees),
        static_cast<QLineEdit*>(electionPlace_.longitudeMinutes),
        static_cast<QLineEdit*>(electionPlace_.city), static_cast<QLineEdit*>(electionPlace_.state),
        static_cast<QLineEdit*>(electionPlace_.country), nameField_}) {
    field->clear();
  }
  for (QComboBox* box : {birth_.month, birth_.day, birth_.year, birth_.weekday, birth_.hour,
                         birth_.minute, birth_.second}) {
    SelectFirst(box);
  }
  for (QLineEdit* field :
       {birthPlace_.latitudeDegrees, birthPlace_.latitudeMinutes, birthPlace_.longitudeDegrees,
        birthPlace_.longitudeMinutes, birthPlace_.city, birthPlace_.state, birthPlace_.country}) {
    field->clear();
  }
  // The weekday boxes show the weekday of the reset dates, not the first item.
  SyncWeekday(election_);
  SyncWeekday(birth_);
}

void MainWindow::SyncWeekday(const MomentBoxes& moment) {
  const int month = moment.month->currentIndex() + 1;
  const int day = moment.day->currentText().toInt();
  const int year = moment.year->currentText().toInt();
  // No whole date yet, or one the calendar does not have (31 February): no
  // weekday at all.
  const bool whole =
      month >= 1 && moment.day->currentIndex() >= 0 && moment.year->currentIndex() >= 0;
  if (!whole || !IsValidDate(year, month, day)) {
    moment.weekday->setCurrentIndex(-1);
    return;
  }
  moment.weekday->setCurrentText(FromView(WeekdayOfDate(year, month, day)));
}

void MainWindow::SearchPlace(int index) {
  const PlaceBoxes& place = index == 0 ? electionPlace_ : birthPlace_;
  AtlasCityField* atlas = index == 0 ? electionAtlas_ : birthAtlas_;
  if (!CheckPlace(place)) return;
  // The offline atlas first: a city it knows needs no browser at all. A page
  // that already follows an atlas city goes on to the web search.
  const QString city = place.city->text().trimmed();
  if (!atlas->Attached() && city.size() >= 2) {
    std::vector<Place> matches = services_.cityLookup.find(city.toStdString(), kAtlasMatches);
    if (!matches.empty()) {
      AtlasMatchesDialog dialog(city, std::move(matches), this);
      dialog.exec();
      if (dialog.choice() == AtlasMatchesDialog::Choice::UsePlace) {
        atlas->ChoosePlace(dialog.chosen());
        return;
      }
      if (dialog.choice() == AtlasMatchesDialog::Choice::Cancel) return;
    }
  }
  const QString text =
      PlaceSearchText(place.city->text(), place.state->text(), place.country->text());
  if (!services_.placeSearch->Search(text, WebAddress())) {
    services_.messages->Show(MessageIcon::Error, QString(texts::kNoBrowserForSearch).arg(text));
  }
}

void MainWindow::PickBirthZone() {
  OpenTimeZonePicker(true);
}

void MainWindow::PickElectionZone() {
  OpenTimeZonePicker(false);
}

void MainWindow::OpenTimeZonePicker(bool birthPage) {
  TimeZoneDialog picker(this);
  picker.exec();
  if (!picker.picked()) return;
  const PlaceBoxes& place = birthPage ? birthPlace_ : electionPlace_;
  SetZoneCaptions(place, picker.picked()->hours, picker.picked()->minutes);
  // The zone picked by hand wins over the atlas city.
  (birthPage ? birthAtlas_ : electionAtlas_)->Detach();
}

void MainWindow::SetZoneCaptions(const PlaceBoxes& place, const QString& hours,
                                 const QString& minutes) {
  place.zoneHour->setText(hours);
  place.zoneMinute->setText(minutes);
  ShowZoneOffset(place);
}

void MainWindow::ShowZoneOffset(const PlaceBoxes& place) {
  place.zoneOffset->setText(
      ZoneOffsetText(place.zoneHour->text(), place.zoneMinute->text(), place.dst->isChecked()));
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseMove) {
    // Hover highlight: green while the pointer is over a caption's text.
    PaintMainOptions(-1);
    for (std::size_t i = 0; i < optionCaptions_.size(); ++i) {
      if (watched != optionCaptions_[i]) continue;
      const int x = static_cast<QMouseEvent*>(event)->position().toPoint().x();
      if (x >= optionCaptions_[i]->TextLeft() && x <= optionCaptions_[i]->TextRight()) {
        PaintMainOptions(static_cast<int>(i));
      }
    }
  } else if (event->type() == QEvent::Leave) {
    for (ClickableLabel* label : optionCaptions_) {
      if (watched == label) PaintMainOptions(-1);
    }
  } else if (event->type() == QEvent::KeyPress) {
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
