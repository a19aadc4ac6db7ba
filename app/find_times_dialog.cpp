#include "app/find_times_dialog.h"
#include "app/translation.h"

#include <QBoxLayout>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateEdit>
#include <QFile>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <QScrollArea>
#include <QSpinBox>
#include <QStyle>
#include <QTextCharFormat>
#include <QThread>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <exception>
#include <functional>
#include <map>
#include <tuple>

#include "app/app_language.h"
#include "app/date_edit_keys.h"
#include "app/find_times_texts.h"
#include "app/report_file_name.h"
#include "app/scrolling.h"
#include "app/shown_names.h"
#include "app/subject_catalogue.h"
#include "app/totals_calendar.h"
#include "app/veto_texts.h"
#include "atlas/zone_following.h"
#include "explain/suggested_minute.h"
#include "ics/calendar_file.h"
#include "report/atomic_file.h"
#include "search/windows_csv.h"
#include "usecases/search.h"

namespace horavela::app {

namespace {

// The election page's years.
const QDate kFirstDate(1901, 1, 1);
const QDate kLastDate(2050, 12, 31);

const QColor kGoodDay(134, 206, 124);
const QColor kAverageDay(246, 190, 82);
const QColor kProblemText(150, 20, 20);

constexpr int kProgressSteps = 1000;
constexpr int kBestRole = Qt::UserRole + 1;
constexpr int kSortRole = Qt::UserRole + 2;

// The list's columns, in order; sorting by Time is the time order the finder lists.
enum Column { kTimeColumn, kResultColumn, kTotalColumn, kFactorsColumn, kMinutesColumn };

// The lowest total the spin box offers stands for no minimum.
constexpr int kNoMinimumTotal = -100;
constexpr int kHighestMinimumTotal = 100;

// Sorts by the number each column keeps under kSortRole; equal rows stay in
// time order.
class WindowItem : public QTreeWidgetItem {
 public:
  using QTreeWidgetItem::QTreeWidgetItem;
  bool operator<(const QTreeWidgetItem& other) const override {
    const int column = treeWidget() != nullptr ? treeWidget()->sortColumn() : kTimeColumn;
    return std::make_tuple(data(column, kSortRole).toLongLong(),
                           data(0, Qt::UserRole).toULongLong()) <
           std::make_tuple(other.data(column, kSortRole).toLongLong(),
                           other.data(0, Qt::UserRole).toULongLong());
  }
};

// For a couple, the weaker of the two judgements decides.
BestWindowKey BestKey(const SearchWindow& window) {
  return BestKeyOf(window.evaluation(), window.partnerEvaluation(), window.minutes);
}

const Evaluation& WeakerOf(const SearchWindow& window) {
  const Evaluation* partner = window.partnerEvaluation();
  if (partner == nullptr) return window.evaluation();
  const auto key = [](const Evaluation& e) { return std::pair(e.ResultWord, e.TotalScore); };
  return key(*partner) < key(window.evaluation()) ? *partner : window.evaluation();
}

// "Good", or for a couple "Good / Average": the person's first.
QString BothTexts(const SearchWindow& window, const std::function<QString(const Evaluation&)>& of) {
  const Evaluation* partner = window.partnerEvaluation();
  const QString person = of(window.evaluation());
  return partner == nullptr ? person : QString("%1 / %2").arg(person, of(*partner));
}

QDate DateOf(const LocalMinute& minute) {
  return QDate(minute.year, minute.month, minute.day);
}

// "01:09", and "01:09 (second)" in an hour the clocks ran through twice.
QString Clock(const LocalMinute& minute) {
  return QString("%1:%2%3")
      .arg(minute.hour, 2, 10, QChar('0'))
      .arg(minute.minute, 2, 10, QChar('0'))
      .arg(QString::fromStdString(ClockRunText(minute.repeated)));
}

QString FromStd(const std::string& text) {
  return QString::fromStdString(text);
}

QString Coordinate(int degrees, int minutes, bool positive, char plus, char minus) {
  return QString("%1%2%3")
      .arg(degrees)
      .arg(QChar(positive ? plus : minus))
      .arg(minutes, 2, 10, QChar('0'));
}

// The zone as people write it: "zone -5 h -30 min (UTC+05:30)" for the
// captions, or the tz zone the place follows ("America/New_York, follows
// daylight saving"; "Asia/Kolkata, UTC+05:30" for a zone without it this year).
QString ZoneText(const PlaceEntry& p, const FollowedZone& zone) {
  if (!zone) {
    const int offset = UtcOffsetOfZoneCaptions(p.zoneHours, p.zoneMinutes, p.dst);
    return Tr(texts::kFindZoneCaptions)
        .arg(p.zoneHours)
        .arg(p.zoneMinutes)
        .arg(p.dst ? Tr(texts::kFindDst) : QString(), FromStd(FormatUtcOffset(offset)));
  }
  const int year = std::clamp(QDate::currentDate(), kFirstDate, kLastDate).year();
  const ZoneOffset winter = zone->AtLocal(year, 1, 1, 12, 0).offset;
  const ZoneOffset summer = zone->AtLocal(year, 7, 1, 12, 0).offset;
  const QString name = FromStd(zone->name());
  if (winter.dst || summer.dst) return Tr(texts::kFindZoneFollowsDst).arg(name);
  return name + ", " + FromStd(FormatUtcOffset(winter.utcOffsetSeconds));
}

// What the search will be run on, in one paragraph.
QString Summary(const FindTimesInputs& inputs) {
  const SearchRequest& request = inputs.request;
  const QString subject =
      request.subjects.empty() ? QString() : SubjectText(request.subjects.front());
  const MomentEntry& b = request.birth;
  const PlaceEntry& p = request.place;
  QString place = FromStd(p.city).trimmed();
  if (place.isEmpty()) place = Tr(texts::kFindElectionPlace);
  // The sex is kept as the pages' own caption (texts::kMale, kFemale), which
  // translates as it is.
  const QString sex = Tr(request.sex.c_str());
  return ForReading(Tr(texts::kFindSummary)
                        .arg(subject.toHtmlEscaped(), FromStd(request.name).toHtmlEscaped(), sex)
                        .arg(QDate(b.year, b.month, b.day).toString("yyyy-MM-dd"))
                        .arg(b.hour, 2, 10, QChar('0'))
                        .arg(b.minute, 2, 10, QChar('0'))
                        .arg(place.toHtmlEscaped(),
                             Coordinate(p.latitudeDegrees, p.latitudeMinutes, p.north, 'N', 'S'),
                             Coordinate(p.longitudeDegrees, p.longitudeMinutes, p.east, 'E', 'W'),
                             ZoneText(p, inputs.request.zone).toHtmlEscaped()));
}

QLabel* Swatch(const QColor& colour, const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setAlignment(Qt::AlignCenter);
  label->setMargin(2);
  label->setMinimumWidth(label->fontMetrics().horizontalAdvance("Average") + 16);
  label->setStyleSheet(
      QString("background-color: %1; border: 1px solid %2; border-radius: 3px; padding: 1px 6px;")
          .arg(colour.name(), colour.darker(130).name()));
  return label;
}

}  // namespace

QString WindowLine(const SearchWindow& window) {
  const QDate firstDay = DateOf(window.first);
  const qint64 days = firstDay.daysTo(DateOf(window.last));
  // Days later as "+1", and blanks in its place, so the columns stay aligned.
  const QString later = days > 0 ? QString(" +%1").arg(days) : QString();
  const int factors = window.evaluation().FactorCount;
  return QString("%1 %2 \u2013 %3%4  %5  %6 %7  total %8")
      .arg(firstDay.toString("yyyy-MM-dd"), Clock(window.first), Clock(window.last))
      .arg(later, -3)
      .arg(FromStd(std::string(NameOf(window.evaluation().ResultWord))), -7)
      .arg(factors, 2)
      .arg(factors == 1 ? "factor " : "factors")
      .arg(window.evaluation().TotalScore, 2);
}

FindTimesDialog::FindTimesDialog(FindTimesInputs inputs, std::shared_ptr<MessageBoxes> messages,
                                 QWidget* parent)
    : QDialog(parent), inputs_(std::move(inputs)), messages_(std::move(messages)) {
  setObjectName("frmFindTimes");
  setWindowTitle(Tr(texts::kFindTimesTitle));

  auto* summary = new QLabel(this);
  summary->setObjectName("lblFindSummary");
  summary->setWordWrap(true);
  summary->setTextFormat(Qt::RichText);
  if (inputs_.problem.isEmpty()) {
    summary->setText(Summary(inputs_));
  } else {
    summary->setText(inputs_.problem.toHtmlEscaped());
    QPalette palette = summary->palette();
    palette.setColor(QPalette::WindowText, kProblemText);
    summary->setPalette(palette);
  }

  progress_ = new QProgressBar(this);
  progress_->setObjectName("prgSearch");
  progress_->setRange(0, kProgressSteps);
  progress_->setValue(0);
  status_ = new QLabel(Tr(texts::kFindReady), this);
  status_->setObjectName("lblSearchStatus");
  truncatedNote_ = new QLabel(this);
  truncatedNote_->setObjectName("lblTruncated");
  truncatedNote_->setVisible(false);
  traditionSummary_ = new QLabel(this);
  traditionSummary_->setObjectName("lblTraditionSummary");
  traditionSummary_->setWordWrap(true);
  traditionSummary_->setVisible(false);

  useButton_ = new QPushButton(Tr(texts::kFindUse), this);
  useButton_->setObjectName("cmdUseTime");
  useButton_->setEnabled(false);
  useButton_->setAutoDefault(false);
  connect(useButton_, &QPushButton::clicked, this, &FindTimesDialog::ChooseSelectedWindow);
  closeButton_ = new QPushButton(Tr(texts::kFindClose), this);
  closeButton_->setObjectName("cmdClose");
  closeButton_->setAutoDefault(false);
  connect(closeButton_, &QPushButton::clicked, this, &FindTimesDialog::reject);
  auto* buttons = new QHBoxLayout;
  exportCsvButton_ = new QPushButton(Tr(texts::kFindExportCsv), this);
  exportCsvButton_->setObjectName("cmdExportCsv");
  exportCsvButton_->setAutoDefault(false);
  connect(exportCsvButton_, &QPushButton::clicked, this, &FindTimesDialog::ExportCsv);
  calendarButton_ = new QPushButton(Tr(texts::kFindAddToCalendar), this);
  calendarButton_->setObjectName("cmdAddToCalendar");
  calendarButton_->setAutoDefault(false);
  connect(calendarButton_, &QPushButton::clicked, this, &FindTimesDialog::AddToCalendar);
  buttons->addWidget(useButton_);
  buttons->addWidget(exportCsvButton_);
  buttons->addWidget(calendarButton_);
  buttons->addStretch();
  buttons->addWidget(closeButton_);

  // The summary and the range with Search stay above, the buttons below; what
  // lies between scrolls on a small screen.
  auto* body = new QWidget(this);
  auto* bodyLayout = new QVBoxLayout(body);
  bodyLayout->setContentsMargins(0, 0, 0, 0);
  bodyLayout->addWidget(BuildFilterRow());
  bodyLayout->addWidget(BuildTraditionRow());
  bodyLayout->addWidget(progress_);
  bodyLayout->addWidget(status_);
  bodyLayout->addWidget(truncatedNote_);
  bodyLayout->addWidget(traditionSummary_);
  bodyLayout->addWidget(BuildResultArea(), 1);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(summary);
  layout->addWidget(BuildRangeRow());
  scroll_ = Scrolling(body);
  scroll_->setObjectName("scrFindTimes");
  layout->addWidget(scroll_, 1);
  layout->addLayout(buttons);
  SetSearching(false);
  for (auto& [row, sideBySide] : stackable_) sideBySide = row->minimumSize().width();
  FitScreen();
}

void FindTimesDialog::FitScreen() {
  // As large as all it holds wants, with room for the results to grow, but
  // never larger than the screen: there the middle scrolls.
  const QSize content = scroll_->widget()->sizeHint();
  const QMargins margins = layout()->contentsMargins();
  const QSize hinted = sizeHint();  // with the scroll area at its own, capped, hint
  const QSize whole(std::max(hinted.width(), content.width() + margins.left() + margins.right()),
                    hinted.height() - scroll_->sizeHint().height() + content.height());
  QSize size(whole.width(), whole.height() * 3 / 2);
  if (const QScreen* screen = this->screen()) size = size.boundedTo(screen->availableSize());
  resize(size);
}

FindTimesDialog::~FindTimesDialog() {
  if (worker_ != nullptr) {
    cancel_.store(true);
    worker_->wait();
    delete worker_;
  }
}

void FindTimesDialog::StartRangeAt(const QDate& from) {
  if (!from.isValid()) return;
  const QDate first = std::clamp(from, kFirstDate, kLastDate);
  fromDate_->setDate(first);
  toDate_->setDate(std::min(first.addMonths(3), kLastDate));
  calendar_->setSelectedDate(first);
  calendar_->setCurrentPage(first.year(), first.month());
}

QWidget* FindTimesDialog::BuildRangeRow() {
  auto* row = new QWidget(this);
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  const QDate today = std::clamp(QDate::currentDate(), kFirstDate, kLastDate);
  auto newDate = [row](const char* name, const QDate& date) {
    auto* edit = new QDateEdit(row);
    edit->setObjectName(name);
    edit->setDisplayFormat("yyyy-MM-dd");
    edit->setCalendarPopup(true);
    // The popup names its months and weekdays in the language; the typed
    // date keeps its 0-9.
    edit->calendarWidget()->setLocale(CalendarLocale());
    edit->setDateRange(kFirstDate, kLastDate);
    edit->setDate(date);
    new DateEditKeys(edit);
    return edit;
  };
  fromDate_ = newDate("dtFrom", today);
  toDate_ = newDate("dtTo", std::min(today.addMonths(3), kLastDate));
  leastResult_ = new QComboBox(row);
  leastResult_->setObjectName("cboMinResult");
  // Shown in the language, kept as the verdict's English word the search reads.
  for (const char* verdict :
       {texts::kFindLegendGood, texts::kFindLegendAverage, texts::kFindResultBad}) {
    leastResult_->addItem(Tr(verdict), QString(verdict));
  }
  leastResult_->setCurrentIndex(0);

  searchButton_ = new QPushButton(Tr(texts::kFindSearch), row);
  searchButton_->setObjectName("cmdSearch");
  searchButton_->setDefault(true);
  connect(searchButton_, &QPushButton::clicked, this, &FindTimesDialog::StartSearch);
  cancelButton_ = new QPushButton(Tr(texts::kFindCancel), row);
  cancelButton_->setObjectName("cmdCancel");
  cancelButton_->setAutoDefault(false);
  connect(cancelButton_, &QPushButton::clicked, this, &FindTimesDialog::CancelSearch);

  const std::pair<QString, QWidget*> fields[] = {{Tr(texts::kFindFrom), fromDate_},
                                                 {Tr(texts::kFindTo), toDate_},
                                                 {Tr(texts::kFindAtLeast), leastResult_}};
  for (const auto& [caption, field] : fields) {
    auto* label = new QLabel(caption, row);
    label->setBuddy(field);
    layout->addWidget(label);
    layout->addWidget(field);
    layout->addSpacing(8);
  }
  layout->addStretch();
  layout->addWidget(searchButton_);
  layout->addWidget(cancelButton_);
  return row;
}

QWidget* FindTimesDialog::BuildFilterRow() {
  auto* row = new QWidget(this);
  auto* layout = new QBoxLayout(QBoxLayout::LeftToRight, row);
  layout->setContentsMargins(0, 0, 0, 0);
  leastTotal_ = new QSpinBox(row);
  leastTotal_->setObjectName("spnMinTotal");
  leastTotal_->setRange(kNoMinimumTotal, kHighestMinimumTotal);
  leastTotal_->setSpecialValueText(Tr(texts::kFindAnyTotal));
  leastTotal_->setValue(kNoMinimumTotal);
  auto* label = new QLabel(Tr(texts::kFindTotalAtLeast), row);
  label->setBuddy(leastTotal_);
  auto* total = new QHBoxLayout;
  total->addWidget(label);
  total->addWidget(leastTotal_);
  total->addSpacing(16);
  total->addStretch();
  layout->addLayout(total);
  auto* kalams = new QHBoxLayout;
  auto newBox = [row, kalams](const char* name, const QString& text) {
    auto* box = new QCheckBox(text, row);
    box->setObjectName(name);
    kalams->addWidget(box);
    return box;
  };
  avoidRahuKalam_ = newBox("chkAvoidRahuKalam", Tr(texts::kFindAvoidRahuKalam));
  avoidYamaganda_ = newBox("chkAvoidYamaganda", Tr(texts::kFindAvoidYamaganda));
  avoidGulikaKalam_ = newBox("chkAvoidGulikaKalam", Tr(texts::kFindAvoidGulikaKalam));
  kalams->addStretch();
  layout->addLayout(kalams, 1);
  stackable_.push_back({layout, 0});
  return row;
}

QWidget* FindTimesDialog::BuildTraditionRow() {
  auto* row = new QWidget(this);
  auto* layout = new QBoxLayout(QBoxLayout::LeftToRight, row);
  layout->setContentsMargins(0, 0, 0, 0);
  observeTradition_ = new QCheckBox(Tr(texts::kFindObserveTradition), row);
  observeTradition_->setObjectName("chkObserveTradition");
  observeTradition_->setChecked(true);
  regionalVetoes_ = new QCheckBox(Tr(texts::kFindRegionalVetoes), row);
  regionalVetoes_->setObjectName("chkRegionalVetoes");
  // Regional vetoes mean nothing to a search that ignores the tradition.
  connect(observeTradition_, &QCheckBox::toggled, regionalVetoes_, &QWidget::setEnabled);
  layout->addWidget(observeTradition_);
  layout->addWidget(regionalVetoes_);
  layout->addStretch();
  stackable_.push_back({layout, 0});
  return row;
}

AlmanacChoice FindTimesDialog::Almanac() const {
  AlmanacChoice choice;
  choice.mode = observeTradition_->isChecked() ? AlmanacMode::Observe : AlmanacMode::Ignore;
  choice.options.regional = regionalVetoes_->isChecked();
  return choice;
}

std::set<Kalam> FindTimesDialog::AvoidedKalams() const {
  std::set<Kalam> kalams;
  if (avoidRahuKalam_->isChecked()) kalams.insert(Kalam::RahuKalam);
  if (avoidYamaganda_->isChecked()) kalams.insert(Kalam::Yamaganda);
  if (avoidGulikaKalam_->isChecked()) kalams.insert(Kalam::GulikaKalam);
  return kalams;
}

QWidget* FindTimesDialog::BuildResultArea() {
  auto* area = new QWidget(this);
  calendar_ = new TotalsCalendar(area);
  calendar_->setObjectName("calResults");
  calendar_->setLocale(CalendarLocale());
  calendar_->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
  calendar_->setGridVisible(true);
  calendar_->setFirstDayOfWeek(Qt::Monday);
  // Every week in view, also when the list sits below it and the middle scrolls.
  calendar_->setMinimumHeight(calendar_->sizeHint().height());
  connect(calendar_, &QCalendarWidget::clicked, this, &FindTimesDialog::ShowDayOfCalendar);

  auto* legend = new QHBoxLayout;
  legend->addWidget(Swatch(kGoodDay, Tr(texts::kFindLegendGood), area));
  legend->addWidget(Swatch(kAverageDay, Tr(texts::kFindLegendAverage), area));
  legend->addStretch();
  auto* left = new QVBoxLayout;
  left->addWidget(calendar_);
  left->addLayout(legend);
  auto* hint = new QLabel(Tr(texts::kFindHint), area);
  hint->setWordWrap(true);
  hint->setMaximumWidth(calendar_->sizeHint().width());
  // All its lines at that width, so the list below it in a narrow dialog
  // leaves room for them.
  hint->setMinimumHeight(hint->heightForWidth(hint->maximumWidth()));
  left->addWidget(hint);
  left->addStretch();

  windowList_ = new QTreeWidget(area);
  windowList_->setObjectName("lstWindows");
  windowList_->setRootIsDecorated(false);
  windowList_->setUniformRowHeights(true);
  windowList_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  windowList_->setSelectionMode(QAbstractItemView::SingleSelection);
  windowList_->setAlternatingRowColors(true);
  windowList_->setHeaderLabels({Tr(texts::kFindColumnTime), Tr(texts::kFindColumnResult),
                                Tr(texts::kFindColumnTotal), Tr(texts::kFindColumnFactors),
                                Tr(texts::kFindColumnMinutes)});
  windowList_->setSortingEnabled(true);
  windowList_->sortByColumn(kTimeColumn, Qt::AscendingOrder);
  // Each column as wide as its widest cell or its caption with the sort
  // arrow, whichever is wider, so no figure is ever cut.
  const QFontMetrics cells = windowList_->fontMetrics();
  const QFontMetrics captions = windowList_->header()->fontMetrics();
  const int arrow = windowList_->style()->pixelMetric(QStyle::PM_HeaderMarkSize) + 8;
  // In the shown digits and words: Tamil digits and a Malayalam verdict are
  // wider than their English.
  QString verdict;
  for (const Verdict word : {Verdict::Good, Verdict::Average, Verdict::Bad}) {
    if (cells.horizontalAdvance(VerdictText(word)) > cells.horizontalAdvance(verdict))
      verdict = VerdictText(word);
  }
  const QString widest[] = {ForReading("2000-01-01 00:00 \u2013 00:00 +1"), verdict,
                            ForReading("-99"), ForReading("99"), ForReading("99999")};
  int total = windowList_->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 24;
  for (int column = 0; column < windowList_->columnCount(); ++column) {
    const int caption = captions.horizontalAdvance(windowList_->headerItem()->text(column)) + arrow;
    const int width = std::max(cells.horizontalAdvance(widest[column]), caption) + 16;
    windowList_->setColumnWidth(column, width);
    total += width;
  }
  windowList_->setMinimumWidth(total);
  connect(windowList_, &QTreeWidget::itemSelectionChanged, this,
          &FindTimesDialog::SelectionChanged);
  connect(windowList_, &QTreeWidget::itemDoubleClicked, this,
          &FindTimesDialog::ChooseSelectedWindow);

  auto* layout = new QBoxLayout(QBoxLayout::LeftToRight, area);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addLayout(left);
  layout->addWidget(windowList_, 1);
  stackable_.push_back({layout, 0});
  return area;
}

void FindTimesDialog::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  // Side by side where the width allows, else one above the other, so the
  // middle scrolls only downwards.
  const QMargins margins = layout()->contentsMargins();
  const int width = event->size().width() - margins.left() - margins.right();
  bool changed = false;
  for (const auto& [row, sideBySide] : stackable_) {
    const auto direction = width < sideBySide ? QBoxLayout::TopToBottom : QBoxLayout::LeftToRight;
    if (row->direction() == direction) continue;
    row->setDirection(direction);
    row->parentWidget()->updateGeometry();
    changed = true;
  }
  if (!changed) return;
  // The scroll area sized the middle before the rows turned: it sizes it anew.
  scroll_->widget()->layout()->activate();
  QEvent request(QEvent::LayoutRequest);
  QCoreApplication::sendEvent(scroll_, &request);
}

void FindTimesDialog::SetSearching(bool searching) {
  for (QWidget* input :
       {static_cast<QWidget*>(fromDate_), static_cast<QWidget*>(toDate_),
        static_cast<QWidget*>(leastResult_), static_cast<QWidget*>(searchButton_),
        static_cast<QWidget*>(leastTotal_), static_cast<QWidget*>(avoidRahuKalam_),
        static_cast<QWidget*>(avoidYamaganda_), static_cast<QWidget*>(avoidGulikaKalam_),
        static_cast<QWidget*>(observeTradition_)}) {
    input->setEnabled(!searching);
  }
  regionalVetoes_->setEnabled(!searching && observeTradition_->isChecked());
  cancelButton_->setEnabled(searching);
  exportCsvButton_->setEnabled(!searching && !result_.windows.empty());
  calendarButton_->setEnabled(!searching && !result_.windows.empty());
  useButton_->setEnabled(!searching && !windowList_->selectedItems().isEmpty());
}

void FindTimesDialog::StartSearch() {
  if (worker_ != nullptr) return;
  if (!inputs_.problem.isEmpty()) {
    messages_->Show(MessageIcon::Error, inputs_.problem);
    return;
  }
  SearchRequest request = inputs_.request;
  const QDate from = fromDate_->date();
  const QDate to = toDate_->date();
  request.from = {from.year(), from.month(), from.day(), 0, 0};
  request.to = {to.year(), to.month(), to.day(), 23, 59};
  request.minResult = leastResult_->currentData().toString().toStdString();
  if (leastTotal_->value() != kNoMinimumTotal) request.minTotal = leastTotal_->value();
  SearchEntries entries;
  entries.request = request;
  entries.avoid = AvoidedKalams();
  entries.almanac = Almanac();
  Result<PreparedSearch> prepared = PrepareSearch(std::move(entries));
  if (!prepared) {
    messages_->Show(
        MessageIcon::Error,
        QString(Tr(texts::kFindCannotSearch)).arg(FromStd(ProblemText(prepared.error()))));
    return;
  }

  result_ = {};
  vetoes_.clear();
  searchedFrom_ = from;
  searchedTo_ = to;
  traditionSummary_->setVisible(false);
  searchedMinimum_ = request.minResult;
  windowList_->clear();
  items_.clear();
  ClearCalendar();
  calendar_->setDateRange(from, to);
  calendar_->setCurrentPage(from.year(), from.month());
  progress_->setValue(0);
  status_->setText(Tr(texts::kFindSearching));
  truncatedNote_->setVisible(false);
  cancel_.store(false);
  pending_ = std::make_shared<FoundTimes>();
  pendingError_ = std::make_shared<QString>();
  clock_.start();

  // The finder calls back from its own threads; the fraction crosses to the
  // dialog's thread as a queued call, which Qt drops once the dialog is gone
  // (the destructor waits for the worker first in any case).
  worker_ = QThread::create(
      [this, search = std::move(*prepared), result = pending_, error = pendingError_]() mutable {
        // This thread ends with the search: the ephemeris state it builds goes with it.
        const ThreadStateRelease release(SwissEphemeris());
        SearchControl control;
        control.cancel = &cancel_;
        control.progress = [this](double done) {
          QMetaObject::invokeMethod(
              this, [this, done] { ShowProgress(done); }, Qt::QueuedConnection);
        };
        try {
          *result = RunSearch(std::move(search), SwissEphemeris(), control);
        } catch (const std::exception& failure) {
          *error = FromStd(failure.what());
        } catch (...) {
          *error = "unknown error";
        }
      });
  worker_->setObjectName("FindTimesWorker");
  connect(worker_, &QThread::finished, this, &FindTimesDialog::SearchFinished);
  SetSearching(true);
  worker_->start();
}

void FindTimesDialog::CancelSearch() {
  if (worker_ == nullptr) return;
  cancel_.store(true);
  cancelButton_->setEnabled(false);
  status_->setText(Tr(texts::kFindCancelling));
}

void FindTimesDialog::reject() {
  if (worker_ != nullptr) {
    cancel_.store(true);
    worker_->wait();
  }
  QDialog::reject();
}

void FindTimesDialog::ShowProgress(double fraction) {
  if (worker_ == nullptr || cancel_.load()) return;
  progress_->setValue(std::max(progress_->value(), static_cast<int>(fraction * kProgressSteps)));
}

void FindTimesDialog::SearchFinished() {
  worker_->deleteLater();
  worker_ = nullptr;
  const double seconds = static_cast<double>(clock_.elapsed()) / 1000.0;
  if (!pendingError_->isEmpty()) {
    progress_->setValue(0);
    status_->setText(QString(Tr(texts::kFindFailed)).arg(*pendingError_));
    messages_->Show(MessageIcon::Error, QString(Tr(texts::kFindFailed)).arg(*pendingError_));
  } else if (pending_->result.cancelled) {
    // Each thread stops at the next day, leaving holes: show none of it.
    progress_->setValue(0);
    status_->setText(Tr(texts::kFindCancelled));
  } else {
    result_ = std::move(pending_->result);
    vetoes_ = std::move(pending_->vetoes);
    progress_->setValue(kProgressSteps);
    ShowResult();
    ShowTradition();
    if (result_.windows.empty()) {
      status_->setText(QString(Tr(texts::kFindNothing)).arg(FromStd(searchedMinimum_)));
    } else {
      status_->setText(ForReading(QString(Tr(texts::kFindFound))
                                      .arg(result_.windows.size())
                                      .arg(colouredDays_.size())
                                      .arg(seconds, 0, 'f', 1)));
    }
    if (result_.truncated) {
      const QLocale english(QLocale::English);
      truncatedNote_->setText(QString(Tr(texts::kFindTruncated))
                                  .arg(english.toString(qulonglong{result_.windows.size()})));
      truncatedNote_->setVisible(true);
    }
  }
  pending_.reset();
  pendingError_.reset();
  SetSearching(false);
}

void FindTimesDialog::ShowResult() {
  std::vector<bool> best(result_.windows.size(), false);
  for (std::size_t index : result_.best) best.at(index) = true;
  // Filled unsorted, then put in time order once: sorting row by row is slow.
  windowList_->setSortingEnabled(false);
  QList<QTreeWidgetItem*> items;
  items.reserve(static_cast<qsizetype>(result_.windows.size()));
  for (std::size_t i = 0; i < result_.windows.size(); ++i) {
    const SearchWindow& window = result_.windows[i];
    const Evaluation& evaluation = window.evaluation();
    const qint64 days = DateOf(window.first).daysTo(DateOf(window.last));
    auto* item = new WindowItem;
    // The rows are read, never read back: the sort keys and the minute a row
    // stands for are kept apart from the shown words and digits.
    item->setText(
        kTimeColumn,
        ForReading(QString("%1 %2 \u2013 %3%4")
                       .arg(DateOf(window.first).toString("yyyy-MM-dd"), Clock(window.first),
                            Clock(window.last), days > 0 ? QString(" +%1").arg(days) : QString())));
    item->setText(kResultColumn,
                  BothTexts(window, [](const Evaluation& e) { return VerdictText(e.ResultWord); }));
    item->setText(kTotalColumn, ForReading(BothTexts(window, [](const Evaluation& e) {
                    return QString::number(e.TotalScore);
                  })));
    item->setText(kFactorsColumn, ForReading(QString::number(evaluation.FactorCount)));
    item->setText(kMinutesColumn, ForReading(QString::number(window.minutes)));
    for (const int column : {kTotalColumn, kFactorsColumn, kMinutesColumn})
      item->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
    item->setData(kTimeColumn, kSortRole, static_cast<qlonglong>(i));
    const Evaluation& weaker = WeakerOf(window);
    item->setData(kResultColumn, kSortRole, IndexOf(weaker.ResultWord));
    item->setData(kTotalColumn, kSortRole, static_cast<int>(weaker.TotalScore));
    item->setData(kFactorsColumn, kSortRole, static_cast<int>(evaluation.FactorCount));
    item->setData(kMinutesColumn, kSortRole, static_cast<qlonglong>(window.minutes));
    item->setData(0, Qt::UserRole, static_cast<qulonglong>(i));
    item->setData(0, kBestRole, static_cast<bool>(best[i]));
    const QString tip =
        ForReading(Tr(texts::kFindWindowTip)
                       .arg(DateOf(window.first).toString("yyyy-MM-dd"), Clock(window.first),
                            DateOf(window.last).toString("yyyy-MM-dd"), Clock(window.last))
                       .arg(window.minutes)
                       .arg(best[i] ? Tr(texts::kFindAmongBest) : QString())
                       .arg(ShownResultLabel(window.evaluation()).trimmed()));
    for (int column = 0; column <= kMinutesColumn; ++column) {
      item->setToolTip(column, tip);
      if (best[i]) {
        QFont font = windowList_->font();
        font.setBold(true);
        item->setFont(column, font);
      }
    }
    items.append(item);
    items_.push_back(item);
  }
  windowList_->addTopLevelItems(items);
  windowList_->setSortingEnabled(true);
  windowList_->sortByColumn(kTimeColumn, Qt::AscendingOrder);
  // A cell wider than its column was measured (a time in an hour the clocks
  // repeat, "01:04 EST"; a best window in bold Tamil digits) widens it; the
  // list scrolls sideways if it must.
  int total = windowList_->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 24;
  for (int column = 0; column < windowList_->columnCount(); ++column) {
    const int measured = windowList_->columnWidth(column);
    windowList_->resizeColumnToContents(column);
    windowList_->setColumnWidth(column, std::max(measured, windowList_->columnWidth(column) + 16));
    total += windowList_->columnWidth(column);
  }
  // Wider columns widen the list and the dialog with it, as far as the
  // screen allows.
  if (const int extra = total - windowList_->width(); extra > 0) {
    windowList_->setMinimumWidth(total);
    int width = this->width() + extra;
    if (const QScreen* screen = this->screen())
      width = std::min(width, screen->availableSize().width());
    resize(width, height());
  }
  ColourCalendar();
  if (!result_.windows.empty()) {
    const QDate first = DateOf(result_.windows.front().first);
    calendar_->setCurrentPage(first.year(), first.month());
  }
}

void FindTimesDialog::ExportCsv() {
  if (worker_ != nullptr || result_.windows.empty() || !chooseSaveFile_) return;
  const QString file = chooseSaveFile_(Tr(texts::kFindExportCaption), Tr(texts::kFindExportName),
                                       Tr(texts::kFindExportFilter));
  if (file.isEmpty()) return;
  // The windows in the order the list shows them.
  std::string csv = WindowsCsvHeader();
  for (int row = 0; row < windowList_->topLevelItemCount(); ++row) {
    const std::size_t index = windowList_->topLevelItem(row)->data(0, Qt::UserRole).toULongLong();
    csv += WindowsCsvLine(result_.windows[index]);
  }
  if (const Result<void> written = WriteFileAtomically(file.toStdString(), csv); !written)
    messages_->Show(MessageIcon::Error,
                    QString(Tr(texts::kFindExportFailed)).arg(FromStd(written.error().message)));
}

// The selected window, or else the ten best in time order.
std::vector<SearchWindow> FindTimesDialog::WindowsForCalendar() const {
  std::vector<SearchWindow> windows;
  for (const QTreeWidgetItem* item : windowList_->selectedItems())
    windows.push_back(result_.windows[item->data(0, Qt::UserRole).toULongLong()]);
  if (!windows.empty()) return windows;
  std::vector<std::size_t> best = result_.best;
  std::sort(best.begin(), best.end());
  for (const std::size_t index : best) windows.push_back(result_.windows[index]);
  return windows;
}

void FindTimesDialog::AddToCalendar() {
  if (worker_ != nullptr || result_.windows.empty() || !chooseSaveFile_) return;
  const std::vector<SearchWindow> windows = WindowsForCalendar();
  // One window is named as the report of its first minute would be.
  QString name = Tr(texts::kFindCalendarName);
  if (windows.size() == 1) {
    EvaluationInput input;
    input.subject = windows.front().subject;
    input.election = MomentOf(windows.front().first, {});
    name = ReportFileName(input, "ics");
  }
  const QString file =
      chooseSaveFile_(Tr(texts::kFindCalendarCaption), name, Tr(texts::kFindCalendarFilter));
  if (file.isEmpty()) return;
  const std::string ics = WindowsCalendar(windows, inputs_.request.where(), NowUtcSeconds());
  const std::string path = QFile::encodeName(file).toStdString();
  if (const Result<void> written = WriteFileAtomically(path, ics); !written)
    messages_->Show(MessageIcon::Error,
                    QString(Tr(texts::kFindExportFailed)).arg(FromStd(written.error().message)));
}

void FindTimesDialog::ClearCalendar() {
  calendar_->SetVetoes({});
  for (const QDate& day : colouredDays_) calendar_->setDateTextFormat(day, QTextCharFormat());
  colouredDays_.clear();
  calendar_->SetTotals({});
}

void FindTimesDialog::ColourCalendar() {
  // The best window touching each day; a window past midnight counts for
  // every day it covers.
  std::map<QDate, const SearchWindow*> bestOfDay;
  for (const SearchWindow& window : result_.windows) {
    for (QDate day = DateOf(window.first); day <= DateOf(window.last); day = day.addDays(1)) {
      const SearchWindow*& best = bestOfDay[day];
      if (best == nullptr || BestKey(window) > BestKey(*best)) best = &window;
    }
  }
  ClearCalendar();
  std::map<QDate, int> totals;
  for (const auto& [day, window] : bestOfDay) {
    colouredDays_.push_back(day);
    // A couple's day is as good as it is for the weaker of the two.
    const Evaluation& weaker = WeakerOf(*window);
    totals[day] = weaker.TotalScore;
    const Verdict verdict = weaker.ResultWord;
    if (verdict < Verdict::Average) continue;
    QTextCharFormat format;
    format.setBackground(verdict == Verdict::Good ? kGoodDay : kAverageDay);
    format.setForeground(Qt::black);
    format.setFontWeight(QFont::Bold);
    calendar_->setDateTextFormat(day, format);
  }
  calendar_->SetTotals(std::move(totals));
}

void FindTimesDialog::ShowTradition() {
  const PlaceClock clock(inputs_.request.where());
  const std::map<QDate, VetoedDay> days = VetoedDays(clock, searchedFrom_, searchedTo_, vetoes_);
  std::map<QDate, VetoNote> notes;
  int ruledOut = 0;
  for (const auto& [date, day] : days) {
    notes[date] = {day.whole, VetoesOnDayText(day, clock)};
    ruledOut += day.whole ? 1 : 0;
  }
  calendar_->SetVetoes(std::move(notes));
  const int rangeDays = static_cast<int>(searchedFrom_.daysTo(searchedTo_)) + 1;
  const QString summary =
      ruledOut == 0 ? QString()
                    : TraditionSummary(vetoes_, ruledOut, rangeDays, clock, searchedFrom_);
  traditionSummary_->setText(ForReading(summary));
  traditionSummary_->setVisible(!summary.isEmpty());
}

void FindTimesDialog::ShowDayOfCalendar(const QDate& date) {
  if (syncing_) return;
  // The first window that touches the day, wherever the list's order puts it.
  for (std::size_t i = 0; i < result_.windows.size(); ++i) {
    const SearchWindow& window = result_.windows[i];
    if (DateOf(window.last) < date || DateOf(window.first) > date) continue;
    syncing_ = true;
    windowList_->setCurrentItem(items_[i]);
    windowList_->scrollToItem(items_[i], QAbstractItemView::PositionAtTop);
    syncing_ = false;
    return;
  }
}

void FindTimesDialog::SelectionChanged() {
  const QList<QTreeWidgetItem*> selected = windowList_->selectedItems();
  useButton_->setEnabled(worker_ == nullptr && !selected.isEmpty());
  if (selected.isEmpty() || syncing_) return;
  const SearchWindow& window =
      result_.windows[selected.front()->data(0, Qt::UserRole).toULongLong()];
  syncing_ = true;
  calendar_->setSelectedDate(DateOf(window.first));
  syncing_ = false;
}

LocalMinute FindTimesDialog::MinuteToUse(const SearchWindow& window) const {
  const PlaceClock clock(inputs_.request.where());
  return SuggestedMinute(clock, window.first, window.last, window.first);
}

void FindTimesDialog::ChooseSelectedWindow() {
  const QList<QTreeWidgetItem*> selected = windowList_->selectedItems();
  if (worker_ != nullptr || selected.isEmpty()) return;
  const SearchWindow& window =
      result_.windows[selected.front()->data(0, Qt::UserRole).toULongLong()];
  // Clear of the window's edges, where the judged moment would at once be
  // warned of the precision of the element that changes there.
  const LocalMinute chosen = MinuteToUse(window);
  accept();
  emit timeChosen(chosen);
}

}  // namespace horavela::app
