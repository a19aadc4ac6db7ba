// Construction of the window's menus, the wait page and the result area, and
// the tab order through all pages.
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
#include "app/birth_page.h"
#include "app/book_texts.h"
#include "app/clickable_label.h"
#include "app/day_tab.h"
#include "app/day_texts.h"
#include "app/election_page.h"
#include "app/main_window.h"
#include "app/number_box_keys.h"
#include "app/page_parts.h"
#include "app/planet_table.h"
#include "app/program_links.h"
#include "app/scrolling.h"
#include "app/subject_catalogue.h"
#include "app/subject_page.h"
#include "engine/text_limits.h"

namespace horavela::app {

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

QWidget* MainWindow::ResultNavigationRow(int backIndex) {
  const NavigationRow navigation = NewNavigationRow(backIndex, -1);
  backButtons_[static_cast<std::size_t>(backIndex)] = navigation.back;
  connect(navigation.back, &QPushButton::clicked, this,
          [this, backIndex] { BackClicked(backIndex); });
  return navigation.row;
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
  layout->addWidget(ResultNavigationRow(backIndex));
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
  QWidget* navigation = ResultNavigationRow(4);
  buttons->addWidget(navigation, 1);
  return page;
}

void MainWindow::SetTabOrder() {
  // Reading order, page by page.
  std::vector<QWidget*> order = startPage_->TabStops();
  for (const std::vector<QWidget*>& page : {electionPage_->TabStops(), birthPage_->TabStops()}) {
    order.insert(order.end(), page.begin(), page.end());
  }
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
