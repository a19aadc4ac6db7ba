// Construction of the wizard's pages. Widgets are created in reading order, so
// the tab order follows the layout without further help.
#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTextEdit>
#include <QVBoxLayout>

#include "app/about_dialog.h"
#include "app/app_texts.h"
#include "app/book_texts.h"
#include "app/clickable_label.h"
#include "app/day_tab.h"
#include "app/day_texts.h"
#include "app/main_window.h"
#include "app/number_box_keys.h"
#include "app/planet_table.h"
#include "app/program_links.h"
#include "app/scrolling.h"
#include "app/subject_catalogue.h"
#include "engine/text_limits.h"

namespace horavela::app {

namespace {

QLabel* Paragraph(const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setWordWrap(true);
  label->setAlignment(Qt::AlignTop | Qt::AlignLeft);
  return label;
}

QComboBox* NewCombo(const QString& name, QWidget* parent) {
  auto* combo = new QComboBox(parent);
  combo->setObjectName(name);
  combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  return combo;
}

// An option pair: a button group of that name and its buttons "<name>_0", "<name>_1".
QButtonGroup* NewOptionPair(const QString& name, const char* first, const char* second,
                            QWidget* parent, QHBoxLayout* row) {
  auto* group = new QButtonGroup(parent);
  group->setObjectName(name);
  const char* captions[] = {first, second};
  for (int i = 0; i < 2; ++i) {
    auto* button = new QRadioButton(captions[i], parent);
    button->setObjectName(QString("%1_%2").arg(name).arg(i));
    group->addButton(button, i);
    row->addWidget(button);
  }
  group->button(0)->setChecked(true);
  return group;
}

QLabel* NewZoneCaption(const QString& name, QWidget* parent) {
  auto* label = new QLabel("0", parent);
  label->setObjectName(name);
  label->setFrameShape(QFrame::Panel);
  label->setFrameShadow(QFrame::Sunken);
  label->setAlignment(Qt::AlignCenter);
  label->setMinimumWidth(label->fontMetrics().horizontalAdvance("-000") + 8);
  return label;
}

// The activity being judged, atop an input page.
QLabel* NewActivityHeading(QLabel*& slot, const QString& name, QWidget* page) {
  slot = new QLabel(page);
  slot->setObjectName(name);
  QFont font = slot->font();
  font.setBold(true);
  font.setPointSizeF(font.pointSizeF() * 1.2);
  slot->setFont(font);
  return slot;
}

QWidget* WithParagraphs(QWidget* frame, const char* first, const char* second, QWidget* page) {
  auto* side = new QWidget(page);
  auto* column = new QVBoxLayout(side);
  column->setContentsMargins(0, 0, 0, 0);
  column->addWidget(Paragraph(first, side));
  column->addWidget(Paragraph(second, side));
  column->addStretch();
  side->setMinimumWidth(side->fontMetrics().averageCharWidth() * 28);
  auto* body = new QWidget(page);
  auto* row = new QHBoxLayout(body);
  row->setContentsMargins(0, 0, 0, 0);
  row->addWidget(frame, 3);
  row->addWidget(side, 2);
  return body;
}

}  // namespace

void MainWindow::BuildMenus() {
  QMenu* file = menuBar()->addMenu(texts::kMenuFile);
  file->setObjectName("mnuFile");
  QAction* renew = file->addAction(texts::kMenuNewEvaluation, this, &MainWindow::NewEvaluation);
  renew->setObjectName("mnuNewEvaluation");
  renew->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
  QAction* book = file->addAction(texts::kMenuBook, this, &MainWindow::OpenBook);
  book->setObjectName("mnuBook");
  file->addSeparator();
  QAction* exit = file->addAction(texts::kMenuExit, this, &QWidget::close);
  exit->setObjectName("mnuExit");
  exit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

  QMenu* view = menuBar()->addMenu(texts::kMenuView);
  view->setObjectName("mnuView");
  QAction* day = view->addAction(texts::kMenuDayAtAGlance, this, &MainWindow::ShowDayAtAGlance);
  day->setObjectName("mnuDayAtAGlance");

  QMenu* help = menuBar()->addMenu(texts::kMenuHelp);
  help->setObjectName("mnuHelp");
  const std::array<std::pair<const char*, QUrl>, 3> pages = {{
      {texts::kMenuOnlineHelp, OnlineHelpUrl()},
      {texts::kMenuVisitUs, VisitUsUrl()},
      {texts::kMenuUpdate, UpdateUrl()},
  }};
  const char* names[] = {"mnuOnlineHelp", "mnuVisitUs", "mnuUpdate"};
  for (std::size_t i = 0; i < pages.size(); ++i) {
    const QUrl url = pages[i].second;
    QAction* action = help->addAction(pages[i].first, this, [this, url] {
      if (!services_.openUrl(url)) {
        services_.messages->Show(MessageIcon::Error,
                                 QString(texts::kNoBrowserForPage).arg(url.toString()));
      }
    });
    action->setObjectName(names[i]);
  }
  help->addSeparator();
  QAction* about = help->addAction(texts::kMenuAbout, this, [this] {
    AboutDialog box(this);
    box.exec();
  });
  about->setObjectName("mnuAbout");
}

QWidget* MainWindow::NavigationRow(int backIndex, int nextIndex) {
  auto* row = new QWidget;
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addStretch();
  auto* back = new QPushButton(texts::kBack, row);
  back->setObjectName(QString("cmdBack_%1").arg(backIndex));
  backButtons_[static_cast<std::size_t>(backIndex)] = back;
  connect(back, &QPushButton::clicked, this, [this, backIndex] { BackClicked(backIndex); });
  layout->addWidget(back);
  if (nextIndex >= 0) {
    auto* next = new QPushButton(texts::kNext, row);
    next->setObjectName(QString("cmdNext_%1").arg(nextIndex));
    nextButtons_[static_cast<std::size_t>(nextIndex)] = next;
    connect(next, &QPushButton::clicked, this, [this, nextIndex] { NextClicked(nextIndex); });
    layout->addWidget(next);
  }
  return row;
}

QWidget* MainWindow::BuildStartPage() {
  auto* page = new QWidget;
  page->setObjectName("picMainScreen");
  page->setMouseTracking(true);
  page->installEventFilter(this);

  auto* options = new QFrame(page);
  options->setObjectName("picOptions");
  options->setFrameShape(QFrame::StyledPanel);
  options->setMouseTracking(true);
  options->installEventFilter(this);
  auto* optionColumn = new QVBoxLayout(options);
  QFont optionFont = options->font();
  optionFont.setBold(true);
  for (int i = 0; i < kMainOptionCount; ++i) {
    if (i > 0) {
      auto* line = new QFrame(options);
      line->setFrameShape(QFrame::HLine);
      line->setFrameShadow(QFrame::Sunken);
      optionColumn->addWidget(line);
    }
    const std::string_view caption = MainOptions()[static_cast<std::size_t>(i)].caption;
    auto* label = new ClickableLabel(
        QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size())), options);
    label->setObjectName(QString("lblMainOptions_%1").arg(i));
    label->setFont(optionFont);
    label->setMouseTracking(true);
    label->installEventFilter(this);
    connect(label, &ClickableLabel::clicked, this, [this, i] { ShowOptionSubjects(i); });
    optionCaptions_[static_cast<std::size_t>(i)] = label;
    optionColumn->addWidget(label);
  }
  optionColumn->addStretch();

  auto* right = new QWidget(page);
  auto* column = new QVBoxLayout(right);
  column->setContentsMargins(0, 0, 0, 0);
  column->addWidget(Paragraph(texts::kSelectOption, right));
  subjectList_ = new QListWidget(right);
  subjectList_->setObjectName("lstOptions");
  connect(subjectList_, &QListWidget::itemChanged, this, [this] { TakeTickedSubject(); });
  // A click on the tick box changes the tick by itself; a click on the text
  // leaves it as it was, and then means "this one".
  connect(subjectList_, &QListWidget::itemPressed, this,
          [this](QListWidgetItem* item) { pressedCheckState_ = item->checkState(); });
  connect(subjectList_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
    if (item->checkState() == pressedCheckState_) ChooseSubjectItem(item);
    TakeTickedSubject();
  });
  column->addWidget(subjectList_, 1);
  column->addWidget(Paragraph(texts::kClickNext, right));
  column->addWidget(Paragraph(texts::kStartParagraph1, right));
  column->addWidget(Paragraph(texts::kStartParagraph2, right));

  auto* body = new QWidget(page);
  body->setMouseTracking(true);
  auto* columns = new QHBoxLayout(body);
  columns->setContentsMargins(0, 0, 0, 0);
  columns->addWidget(options);
  columns->addWidget(right, 1);
  auto* layout = new QVBoxLayout(page);
  layout->addWidget(Scrolling(body), 1);
  layout->addWidget(NavigationRow(0, 0));
  return page;
}

void MainWindow::WatchNumberTyping(MomentBoxes& moment) {
  const std::pair<QComboBox*, const char*> boxes[] = {
      {moment.month, texts::kMonthsRange},   {moment.day, texts::kDaysRange},
      {moment.year, texts::kYearsRange},     {moment.hour, texts::kHoursRange},
      {moment.minute, texts::kMinutesRange}, {moment.second, texts::kSecondsRange}};
  for (const auto& [box, range] : boxes) {
    new NumberBoxKeys(box, range, [this, box](const QString& message) {
      services_.messages->Notify(box, message);
    });
  }
}

FilteredLineEdit* MainWindow::NewFilteredField(CharacterRule rule, const QString& name) {
  auto* field = new FilteredLineEdit(rule);
  field->setObjectName(name);
  // A refused key is noted beside the field, once, without a box to dismiss
  // for every keystroke.
  connect(field, &FilteredLineEdit::refused, this,
          [this, field](const QString& message) { services_.messages->Notify(field, message); });
  if (rule == CharacterRule::Digits) {
    field->setMaximumWidth(field->fontMetrics().horizontalAdvance("00000") + 16);
  }
  return field;
}

void MainWindow::AddTimeRows(QGridLayout* grid, int& row, MomentBoxes& moment) {
  auto* time = new QHBoxLayout;
  time->addWidget(moment.hour);
  time->addWidget(moment.minute);
  time->addWidget(moment.second);
  time->addWidget(new QLabel(texts::kTimeHint));
  time->addStretch();
  grid->addLayout(time, row++, 1);
}

void MainWindow::AddPlaceRows(QGridLayout* grid, int& row, PlaceBoxes& place, const QString& prefix,
                              const QString& suffix, int searchIndex) {
  const std::array<std::pair<const char*, FilteredLineEdit**>, 3> names = {{
      {texts::kCity, &place.city},
      {texts::kState, &place.state},
      {texts::kCountry, &place.country},
  }};
  for (const auto& [caption, field] : names) {
    *field = NewFilteredField(CharacterRule::Letters, QString("txt%1%2").arg(prefix, caption));
    (*field)->setMaxLength(static_cast<int>(text_limits::kPlace));
    auto* label = new QLabel(caption);
    label->setBuddy(*field);
    grid->addWidget(label, row, 0);
    grid->addWidget(*field, row++, 1);
  }
  place.search = new QPushButton(texts::kSearch);
  place.search->setObjectName(QString("cmdSearch_%1").arg(searchIndex));
  connect(place.search, &QPushButton::clicked, this,
          [this, searchIndex] { SearchPlace(searchIndex); });
  grid->addWidget(place.search, row++, 1, Qt::AlignLeft);

  struct Axis {
    const char* caption;
    const char* name;
    FilteredLineEdit** degrees;
    FilteredLineEdit** minutes;
    QButtonGroup** side;
    const char* group;
    const char* first;
    const char* second;
  };
  const Axis axes[] = {
      {texts::kLatitude, "Lat", &place.latitudeDegrees, &place.latitudeMinutes, &place.latitudeSide,
       "optLat", texts::kNorth, texts::kSouth},
      {texts::kLongitude, "Long", &place.longitudeDegrees, &place.longitudeMinutes,
       &place.longitudeSide, "optLong", texts::kEast, texts::kWest},
  };
  for (const Axis& axis : axes) {
    auto* line = new QHBoxLayout;
    *axis.degrees =
        NewFilteredField(CharacterRule::Digits, QString("txt%1Degree%2").arg(prefix, axis.name));
    (*axis.degrees)->setPlaceholderText(texts::kDegrees);
    *axis.minutes =
        NewFilteredField(CharacterRule::Digits, QString("txt%1Minute%2").arg(prefix, axis.name));
    (*axis.minutes)->setPlaceholderText(texts::kMinutes);
    line->addWidget(*axis.degrees);
    line->addWidget(*axis.minutes);
    *axis.side = NewOptionPair(axis.group + suffix, axis.first, axis.second, this, line);
    line->addStretch();
    auto* label = new QLabel(axis.caption);
    label->setBuddy(*axis.degrees);
    grid->addWidget(label, row, 0);
    grid->addLayout(line, row++, 1);
  }
}

QWidget* MainWindow::BuildZoneFrame(PlaceBoxes& place, const QString& suffix) {
  auto* frame = new QGroupBox(texts::kTimeZoneFrame);
  frame->setObjectName("fraTimeZone" + suffix);
  auto* row = new QHBoxLayout(frame);
  row->addWidget(new QLabel(texts::kZoneHour));
  place.zoneHour = NewZoneCaption("lblZoneHour" + suffix, frame);
  row->addWidget(place.zoneHour);
  row->addWidget(new QLabel(texts::kZoneMinute));
  place.zoneMinute = NewZoneCaption("lblZoneMinute" + suffix, frame);
  row->addWidget(place.zoneMinute);
  place.dst = new QCheckBox(texts::kDst, frame);
  place.dst->setObjectName("chkDST" + suffix);
  row->addWidget(place.dst);
  place.zoneOffset = new QLabel(frame);
  place.zoneOffset->setObjectName("lblZoneOffset" + suffix);
  row->addWidget(place.zoneOffset);
  connect(place.dst, &QCheckBox::toggled, this, [this, &place] { ShowZoneOffset(place); });
  place.tzHelp = new ClickableLabel(texts::kTzHelp, frame);
  place.tzHelp->setObjectName("lblTZHelp" + suffix);
  QFont link = place.tzHelp->font();
  link.setUnderline(true);
  place.tzHelp->setFont(link);
  QPalette palette = place.tzHelp->palette();
  palette.setColor(QPalette::WindowText, palette.color(QPalette::Link));
  place.tzHelp->setPalette(palette);
  row->addWidget(place.tzHelp);
  row->addStretch();
  return frame;
}

QWidget* MainWindow::BuildElectionPage() {
  auto* page = new QWidget;
  page->setObjectName("picSearchMode");
  page->installEventFilter(this);

  auto* frame = new QGroupBox(texts::kElectionFrame, page);
  frame->setObjectName("fraElectionDetails");
  auto* grid = new QGridLayout(frame);
  int row = 0;
  election_.month = NewCombo("cboMuhurthaMonth", frame);
  election_.day = NewCombo("cboMuhurthaDate", frame);
  election_.year = NewCombo("cboMuhurthaYear", frame);
  auto* date = new QHBoxLayout;
  for (QComboBox* box : {election_.month, election_.day, election_.year}) date->addWidget(box);
  date->addStretch();
  grid->addWidget(new QLabel(texts::kDate), row, 0);
  grid->addLayout(date, row++, 1);
  election_.weekday = NewCombo("cboMuhurthaWeekday", frame);
  grid->addWidget(new QLabel(texts::kWeekday), row, 0);
  grid->addWidget(election_.weekday, row++, 1, Qt::AlignLeft);
  election_.hour = NewCombo("cboHourFrom", frame);
  election_.minute = NewCombo("cboMinuteFrom", frame);
  election_.second = NewCombo("cboSecondFrom", frame);
  grid->addWidget(new QLabel(texts::kTime), row, 0);
  AddTimeRows(grid, row, election_);
  WatchNumberTyping(election_);
  AddPlaceRows(grid, row, electionPlace_, "", "_Muhurtha", 0);
  grid->addWidget(BuildZoneFrame(electionPlace_, "_Muhurtha"), row++, 0, 1, 2);
  grid->setRowStretch(row, 1);
  grid->setColumnStretch(1, 1);

  auto* layout = new QVBoxLayout(page);
  layout->addWidget(NewActivityHeading(activityHeadings_[0], "lblActivity_Muhurtha", page));
  layout->addWidget(Scrolling(WithParagraphs(frame, texts::kElectionParagraph1,
                                             texts::kElectionParagraph2, page)),
                    1);
  layout->addWidget(
      WithBookButtons(WithFindTimesButton(NavigationRow(1, 1), "cmdFindTimes"), false));
  return page;
}

QWidget* MainWindow::BuildBirthPage() {
  auto* page = new QWidget;
  page->setObjectName("picBirthDetails");
  page->installEventFilter(this);

  auto* frame = new QGroupBox(texts::kBirthFrame, page);
  frame->setObjectName("fraBirthDetails");
  auto* grid = new QGridLayout(frame);
  int row = 0;
  nameField_ = new QLineEdit(frame);
  nameField_->setObjectName("txtBirthName");
  nameField_->setMaxLength(static_cast<int>(text_limits::kName));
  auto* nameLabel = new QLabel(texts::kName);
  nameLabel->setBuddy(nameField_);
  grid->addWidget(nameLabel, row, 0);
  grid->addWidget(nameField_, row++, 1);
  auto* sex = new QHBoxLayout;
  sexChoice_ = NewOptionPair("optSex", texts::kMale, texts::kFemale, frame, sex);
  sex->addStretch();
  grid->addLayout(sex, row++, 1);

  birth_.month = NewCombo("cboMonth", frame);
  birth_.day = NewCombo("cboDate", frame);
  birth_.year = NewCombo("cboYear", frame);
  auto* date = new QHBoxLayout;
  for (QComboBox* box : {birth_.month, birth_.day, birth_.year}) date->addWidget(box);
  date->addStretch();
  grid->addWidget(new QLabel(texts::kBirthDate), row, 0);
  grid->addLayout(date, row++, 1);
  birth_.weekday = NewCombo("cboWeekday", frame);
  grid->addWidget(new QLabel(texts::kBirthDay), row, 0);
  grid->addWidget(birth_.weekday, row++, 1, Qt::AlignLeft);
  birth_.hour = NewCombo("cboBirthHour", frame);
  birth_.minute = NewCombo("cboBirthMinute", frame);
  birth_.second = NewCombo("cboBirthSecond", frame);
  grid->addWidget(new QLabel(texts::kBirthTime), row, 0);
  AddTimeRows(grid, row, birth_);
  WatchNumberTyping(birth_);
  AddPlaceRows(grid, row, birthPlace_, "Birth", "_Birth", 1);
  grid->addWidget(BuildZoneFrame(birthPlace_, "_Birth"), row++, 0, 1, 2);
  grid->setRowStretch(row, 1);
  grid->setColumnStretch(1, 1);

  auto* layout = new QVBoxLayout(page);
  layout->addWidget(NewActivityHeading(activityHeadings_[1], "lblActivity_Birth", page));
  layout->addWidget(
      Scrolling(WithParagraphs(frame, texts::kBirthParagraph1, texts::kBirthParagraph2, page)), 1);
  layout->addWidget(
      WithBookButtons(WithFindTimesButton(NavigationRow(2, 2), "cmdFindTimes_Birth"), true));
  return page;
}

QWidget* MainWindow::BuildWaitPage() {
  auto* page = new QWidget;
  page->setObjectName("picMessage");
  auto* text = new QLabel(texts::kPleaseWait, page);
  text->setObjectName("lblMessage");
  text->setAlignment(Qt::AlignCenter);
  text->setWordWrap(true);
  QFont font = text->font();
  font.setPointSizeF(font.pointSizeF() * 1.5);
  font.setBold(true);
  text->setFont(font);
  auto* layout = new QVBoxLayout(page);
  layout->addWidget(text);
  return page;
}

QWidget* MainWindow::BuildDetailsPage(const char* pageName, const char* valueName,
                                      const std::array<const char*, 13>& captions,
                                      std::array<QLabel*, 13>& values, int backIndex) {
  auto* page = new QWidget;
  page->setObjectName(pageName);
  auto* heading = new QLabel(texts::kReportHeading, page);
  heading->setObjectName(QString(pageName) + "Heading");
  heading->setAlignment(Qt::AlignHCenter);
  QFont headingFont = heading->font();
  headingFont.setPointSizeF(headingFont.pointSizeF() * 1.4);
  headingFont.setBold(true);
  heading->setFont(headingFont);

  auto* table = new QWidget(page);
  auto* grid = new QGridLayout(table);
  grid->setHorizontalSpacing(24);
  QFont captionFont = table->font();
  captionFont.setBold(true);
  for (int i = 0; i < 13; ++i) {
    auto* caption = new QLabel(captions[static_cast<std::size_t>(i)], table);
    caption->setFont(captionFont);
    auto* value = new QLabel(table);
    value->setObjectName(QString("%1_%2").arg(valueName).arg(i));
    value->setTextInteractionFlags(Qt::TextSelectableByMouse);
    values[static_cast<std::size_t>(i)] = value;
    grid->addWidget(caption, i, 0);
    grid->addWidget(value, i, 1);
  }
  grid->setColumnStretch(1, 1);

  auto* scroll = new QScrollArea(page);
  scroll->setWidget(table);
  scroll->setWidgetResizable(true);
  scroll->setFrameShape(QFrame::NoFrame);

  auto* layout = new QVBoxLayout(page);
  layout->addWidget(heading);
  layout->addWidget(scroll, 1);
  layout->addWidget(NavigationRow(backIndex, -1));
  return page;
}

QWidget* MainWindow::BuildReportPage() {
  auto* page = new QWidget;
  page->setObjectName("picResultMuhurtha");
  report_ = new QTextEdit(page);
  report_->setObjectName("RTB");
  report_->setReadOnly(true);
  report_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);

  auto* buttons = new QHBoxLayout;
  printButton_ = new QPushButton(texts::kPrint, page);
  printButton_->setObjectName("cmdSave");
  connect(printButton_, &QPushButton::clicked, this, &MainWindow::PrintReport);
  auto* pdf = new QPushButton(texts::kSavePdf, page);
  pdf->setObjectName("cmdSavePdf");
  connect(pdf, &QPushButton::clicked, this, &MainWindow::SaveReportPdf);
  auto* rtf = new QPushButton(texts::kSaveRtf, page);
  rtf->setObjectName("cmdSaveRtf");
  connect(rtf, &QPushButton::clicked, this, &MainWindow::SaveReportRtf);
  auto* ics = new QPushButton(texts::kAddToCalendar, page);
  ics->setObjectName("cmdAddToCalendar");
  connect(ics, &QPushButton::clicked, this, &MainWindow::AddToCalendar);
  // Two rows of two keep the page within a small screen.
  auto* outputs = new QGridLayout;
  int slot = 0;
  for (QPushButton* button : {printButton_, pdf, rtf, ics}) {
    outputs->addWidget(button, slot / 2, slot % 2);
    ++slot;
  }
  buttons->addLayout(outputs);

  auto* layout = new QVBoxLayout(page);
  layout->addWidget(report_, 1);
  layout->addLayout(buttons);
  // The Back button shares the row with the output buttons.
  QWidget* navigation = NavigationRow(4, -1);
  buttons->addWidget(navigation, 1);
  return page;
}

void MainWindow::SetTabOrder() {
  // Reading order, page by page; radio pairs take one stop each.
  std::vector<QWidget*> order(optionCaptions_.begin(), optionCaptions_.end());
  order.insert(order.end(), {subjectList_, backButtons_[0], nextButtons_[0]});
  auto addMoment = [&order](const MomentBoxes& m) {
    order.insert(order.end(), {m.month, m.day, m.year, m.weekday, m.hour, m.minute, m.second});
  };
  auto addPlace = [&order](const PlaceBoxes& p) {
    order.insert(order.end(),
                 {p.city, p.state, p.country, p.search, p.latitudeDegrees, p.latitudeMinutes,
                  p.latitudeSide->button(0), p.latitudeSide->button(1), p.longitudeDegrees,
                  p.longitudeMinutes, p.longitudeSide->button(0), p.longitudeSide->button(1), p.dst,
                  p.tzHelp});
  };
  addMoment(election_);
  addPlace(electionPlace_);
  // The buttons left of Back and Next come after them, as they are used less.
  const auto addRowStart = [this, &order](const char* findTimes, const char* choose,
                                          const char* save) {
    for (const char* name : {findTimes, choose, save}) order.push_back(findChild<QWidget*>(name));
  };
  order.insert(order.end(), {backButtons_[1], nextButtons_[1]});
  addRowStart("cmdFindTimes", "cmdChoosePlace", "cmdSavePlace");
  order.insert(order.end(), {nameField_, sexChoice_->button(0), sexChoice_->button(1)});
  addMoment(birth_);
  addPlace(birthPlace_);
  order.insert(order.end(), {backButtons_[2], nextButtons_[2]});
  addRowStart("cmdFindTimes_Birth", "cmdChoosePerson", "cmdSavePerson");
  order.insert(order.end(),
               {resultTabs_, backButtons_[3], backButtons_[5], report_, printButton_,
                findChild<QPushButton*>("cmdSavePdf"), findChild<QPushButton*>("cmdSaveRtf"),
                findChild<QPushButton*>("cmdAddToCalendar"), backButtons_[4]});
  for (std::size_t i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}

QWidget* MainWindow::BuildResultArea() {
  auto* area = new QWidget;
  area->setObjectName("picMuhurthaResult");
  resultTabs_ = new QTabWidget(area);
  resultTabs_->setObjectName("TS");
  const std::array<const char*, 13> birthCaptions = {
      "Name",           "Date of Birth",  "Time of Birth",   "Place of Birth", "Moon Sign",
      "Moon Sign Lord", "Birth Star",     "Birth Star Lord", "Ascendant",      "Lunar Day",
      "Birth Yoga",     "Half-Lunar Day", "Week Day"};
  const std::array<const char*, 13> electionCaptions = {
      "Electional Moon Sign",  "Electional Moon Sign Lord",
      "Electional Birth Star", "Electional Birth Star Lord",
      "Electional Ascendant",  "Electional Lunar Day",
      "Electional Birth Yoga", "Electional Half-Lunar Day",
      "Electional Week Day",   "Name",
      "Electional Date",       "Electional Time",
      "Electional Place"};
  resultTabs_->addTab(
      BuildDetailsPage("picResultBirth", "lblResultBirth", birthCaptions, birthDetails_, 3),
      texts::kTabBirth);
  resultTabs_->addTab(BuildDetailsPage("picMuhurthaDetails", "lblMuhurthaDetails", electionCaptions,
                                       electionDetails_, 5),
                      texts::kTabElection);
  planetTable_ =
      AddPlanetTable(qobject_cast<QGridLayout*>(electionDetails_[12]->parentWidget()->layout()));
  resultTabs_->addTab(BuildReportPage(), texts::kTabAnalysis);
  dayTab_ = new DayTab(texts::kBack);
  connect(dayTab_, &DayTab::backRequested, this, [this] { BackClicked(3); });
  resultTabs_->addTab(dayTab_, texts::kTabDay);
  // A minute chosen on the timeline is judged, and the day stays in front.
  connect(dayTab_, &DayTab::minuteChosen, this, [this](const LocalMinute& minute) {
    UseElectionMinute(minute);
    if (pages_->currentWidget() == resultArea_) resultTabs_->setCurrentWidget(dayTab_);
  });
  connect(dayTab_, &DayTab::printRequested, this, &MainWindow::PrintDay);
  connect(dayTab_, &DayTab::pdfRequested, this, &MainWindow::SaveDayPdf);
  connect(dayTab_, &DayTab::pngRequested, this, &MainWindow::SaveDayPng);
  auto* layout = new QVBoxLayout(area);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(resultTabs_);
  return area;
}

}  // namespace horavela::app
