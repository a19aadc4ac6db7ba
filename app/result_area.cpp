#include "app/result_area.h"
#include "app/translation.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QTextEdit>
#include <QVBoxLayout>

#include "app/app_texts.h"
#include "app/day_tab.h"
#include "app/day_texts.h"
#include "app/month_tab.h"
#include "app/month_texts.h"
#include "app/page_parts.h"
#include "app/planet_table.h"

namespace horavela::app {

ResultArea::ResultArea(QWidget* parent) : QWidget(parent) {
  setObjectName("picMuhurthaResult");
  tabs_ = new QTabWidget(this);
  tabs_->setObjectName("TS");
  const std::array<const char*, 13> birthCaptions = {
      QT_TRANSLATE_NOOP("Horavela", "Name"),
      QT_TRANSLATE_NOOP("Horavela", "Date of Birth"),
      QT_TRANSLATE_NOOP("Horavela", "Time of Birth"),
      QT_TRANSLATE_NOOP("Horavela", "Place of Birth"),
      QT_TRANSLATE_NOOP("Horavela", "Moon Sign"),
      QT_TRANSLATE_NOOP("Horavela", "Moon Sign Lord"),
      QT_TRANSLATE_NOOP("Horavela", "Birth Star"),
      QT_TRANSLATE_NOOP("Horavela", "Birth Star Lord"),
      QT_TRANSLATE_NOOP("Horavela", "Ascendant"),
      QT_TRANSLATE_NOOP("Horavela", "Lunar Day"),
      QT_TRANSLATE_NOOP("Horavela", "Birth Yoga"),
      QT_TRANSLATE_NOOP("Horavela", "Half-Lunar Day"),
      QT_TRANSLATE_NOOP("Horavela", "Week Day")};
  const std::array<const char*, 13> electionCaptions = {
      QT_TRANSLATE_NOOP("Horavela", "Electional Moon Sign"),
      QT_TRANSLATE_NOOP("Horavela", "Electional Moon Sign Lord"),
      QT_TRANSLATE_NOOP("Horavela", "Electional Birth Star"),
      QT_TRANSLATE_NOOP("Horavela", "Electional Birth Star Lord"),
      QT_TRANSLATE_NOOP("Horavela", "Electional Ascendant"),
      QT_TRANSLATE_NOOP("Horavela", "Electional Lunar Day"),
      QT_TRANSLATE_NOOP("Horavela", "Electional Birth Yoga"),
      QT_TRANSLATE_NOOP("Horavela", "Electional Half-Lunar Day"),
      QT_TRANSLATE_NOOP("Horavela", "Electional Week Day"),
      QT_TRANSLATE_NOOP("Horavela", "Name"),
      QT_TRANSLATE_NOOP("Horavela", "Electional Date"),
      QT_TRANSLATE_NOOP("Horavela", "Electional Time"),
      QT_TRANSLATE_NOOP("Horavela", "Electional Place")};
  tabs_->addTab(
      BuildDetailsPage("picResultBirth", "lblResultBirth", birthCaptions, birthValues_, 3),
      Tr(texts::kTabBirth));
  tabs_->addTab(BuildDetailsPage("picMuhurthaDetails", "lblMuhurthaDetails", electionCaptions,
                                 electionValues_, 5),
                Tr(texts::kTabElection));
  planetTable_ =
      AddPlanetTable(qobject_cast<QGridLayout*>(electionValues_[12]->parentWidget()->layout()));
  tabs_->addTab(BuildReportPage(), Tr(texts::kTabAnalysis));
  day_ = new DayTab(Tr(texts::kBack));
  connect(day_, &DayTab::backRequested, this, [this] { emit backClicked(3); });
  tabs_->addTab(day_, Tr(texts::kTabDay));
  month_ = new MonthTab(Tr(texts::kBack));
  connect(month_, &MonthTab::backRequested, this, [this] { emit backClicked(3); });
  tabs_->addTab(month_, Tr(texts::kTabMonth));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(tabs_);
}

QWidget* ResultArea::NavigationRowFor(int backIndex) {
  const NavigationRow navigation = NewNavigationRow(backIndex, -1);
  backButtons_[static_cast<std::size_t>(backIndex)] = navigation.back;
  connect(navigation.back, &QPushButton::clicked, this,
          [this, backIndex] { emit backClicked(backIndex); });
  return navigation.row;
}

QWidget* ResultArea::BuildDetailsPage(const char* pageName, const char* valueName,
                                      const std::array<const char*, 13>& captions,
                                      std::array<QLabel*, 13>& values, int backIndex) {
  auto* page = new QWidget;
  page->setObjectName(pageName);
  auto* heading = new QLabel(Tr(texts::kReportHeading), page);
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
    auto* caption = new QLabel(Tr(captions[static_cast<std::size_t>(i)]), table);
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
  layout->addWidget(NavigationRowFor(backIndex));
  return page;
}

QWidget* ResultArea::BuildReportPage() {
  auto* page = new QWidget;
  page->setObjectName("picResultMuhurtha");
  report_ = new QTextEdit(page);
  report_->setObjectName("RTB");
  report_->setReadOnly(true);
  report_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);

  struct Output {
    QString caption;
    const char* name;
    void (ResultArea::*clicked)();
  };
  const Output outputs[] = {
      {Tr(texts::kPrint), "cmdSave", &ResultArea::printClicked},
      {Tr(texts::kSavePdf), "cmdSavePdf", &ResultArea::pdfClicked},
      {Tr(texts::kSaveRtf), "cmdSaveRtf", &ResultArea::rtfClicked},
      {Tr(texts::kAddToCalendar), "cmdAddToCalendar", &ResultArea::calendarClicked},
  };
  // Two rows of two keep the page within a small screen.
  auto* buttons = new QHBoxLayout;
  auto* grid = new QGridLayout;
  for (std::size_t slot = 0; slot < outputs_.size(); ++slot) {
    auto* button = new QPushButton(outputs[slot].caption, page);
    button->setObjectName(outputs[slot].name);
    connect(button, &QPushButton::clicked, this, outputs[slot].clicked);
    outputs_[slot] = button;
    grid->addWidget(button, static_cast<int>(slot / 2), static_cast<int>(slot % 2));
  }
  buttons->addLayout(grid);

  auto* layout = new QVBoxLayout(page);
  layout->addWidget(report_, 1);
  layout->addLayout(buttons);
  // The Back button shares the row with the output buttons.
  buttons->addWidget(NavigationRowFor(4), 1);
  return page;
}

std::vector<QWidget*> ResultArea::TabStops() const {
  std::vector<QWidget*> stops = {tabs_, backButtons_[3], backButtons_[5], report_};
  stops.insert(stops.end(), outputs_.begin(), outputs_.end());
  stops.push_back(backButtons_[4]);
  return stops;
}

}  // namespace horavela::app
