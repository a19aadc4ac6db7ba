#include "app/day_tab.h"

#include <QComboBox>
#include <QDate>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>
#include <array>
#include <string_view>

#include "app/chart_drawing.h"
#include "app/day_texts.h"
#include "app/day_timeline.h"
#include "app/planet_table.h"
#include "app/shown_names.h"
#include "app/translation.h"

namespace horavela::app {

namespace {

QString TimeOrNone(const LocalMinute& midnight, const std::optional<LocalTime>& time,
                   bool withOffset) {
  return time ? ClockText(midnight, *time, withOffset) : QString(Tr(texts::kNoRise));
}

// What the sky line says where the Sun's turns are not an ordinary day's.
struct PolarText {
  std::string_view kind;  // as PolarKind names it
  const char* text;
  bool timesShown;  // the Sun's times that there are stay on the line
};
constexpr std::array<PolarText, 5> kPolarTexts = {{
    {"day", texts::kPolarDay, false},
    {"night", texts::kPolarNight, false},
    {"no_sunset", texts::kNoSunset, true},
    {"no_sunrise", texts::kNoSunrise, true},
    {"no_next_sunrise", texts::kNoNextSunrise, true},
}};

const PolarText* PolarTextOf(const RiseAndSet& sky) {
  const std::string_view kind = PolarKind(sky);
  for (const PolarText& row : kPolarTexts)
    if (row.kind == kind) return &row;
  return nullptr;
}

QString Weekday(const DayAtAGlance& day, const LocalMinute& midnight) {
  if (day.parts) return ShownName(day.parts->weekdayValue);
  // Qt counts Monday 1 .. Sunday 7; the weekdays here start on Sunday.
  const int dayOfWeek = QDate(midnight.year, midnight.month, midnight.day).dayOfWeek();
  return ShownName(FromIndex<horavela::Weekday>(dayOfWeek % 7));
}

}  // namespace

QString SkyText(const DayAtAGlance& day, const LocalMinute& midnight) {
  const RiseAndSet& sky = day.sky;
  QString text = QString("%1, %2-%3-%4")
                     .arg(Weekday(day, midnight))
                     .arg(midnight.year, 4, 10, QChar('0'))
                     .arg(midnight.month, 2, 10, QChar('0'))
                     .arg(midnight.day, 2, 10, QChar('0'));
  const PolarText* polar = PolarTextOf(sky);
  const bool offsets = sky.clockChanges;
  if (polar == nullptr || polar->timesShown) {
    text += Tr(texts::kDaySunTimes)
                .arg(TimeOrNone(midnight, sky.sunrise, offsets),
                     TimeOrNone(midnight, sky.sunset, offsets),
                     TimeOrNone(midnight, sky.nextSunrise, offsets));
  }
  if (polar != nullptr) text += "\n" + Tr(polar->text);
  text += "\n" + Tr(texts::kDayMoonTimes)
                     .arg(TimeOrNone(midnight, sky.moonrise, offsets),
                          TimeOrNone(midnight, sky.moonset, offsets));
  return text;
}

DayTab::DayTab(const QString& backCaption, QWidget* parent) : QWidget(parent) {
  setObjectName("picDay");
  sky_ = new QLabel(Tr(texts::kDayEmpty));
  sky_->setObjectName("lblDaySky");
  sky_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  // A one-sided polar day's note and a changing clock's offsets make long lines.
  sky_->setWordWrap(true);
  QFont bold = sky_->font();
  bold.setBold(true);
  sky_->setFont(bold);

  vetoes_ = new QLabel;
  vetoes_->setObjectName("lblDayVetoes");
  vetoes_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  vetoes_->setWordWrap(true);
  vetoes_->setVisible(false);

  timeline_ = new DayTimeline;
  scroll_ = new QScrollArea;
  scroll_->setObjectName("scrDayTimeline");
  scroll_->setWidget(timeline_);
  scroll_->setWidgetResizable(false);
  scroll_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  connect(timeline_, &DayTimeline::minuteChosen, this, &DayTab::minuteChosen);
  connect(scroll_->horizontalScrollBar(), &QScrollBar::valueChanged, timeline_,
          qOverload<>(&QWidget::update));

  // The whole day scrolls on a small screen; the buttons stay in view.
  auto* content = new QWidget;
  auto* column = new QVBoxLayout(content);
  column->addWidget(sky_);
  column->addWidget(vetoes_);
  column->addWidget(scroll_);
  column->addWidget(BuildChartRow(), 1);
  auto* outer = new QScrollArea(this);
  outer->setObjectName("scrDay");
  outer->setWidgetResizable(true);
  outer->setFrameShape(QFrame::NoFrame);
  outer->setWidget(content);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(outer, 1);
  layout->addWidget(BuildButtons(backCaption));
}

QWidget* DayTab::BuildChartRow() {
  auto* row = new QWidget;
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);

  auto* chartColumn = new QVBoxLayout;
  auto* styleRow = new QHBoxLayout;
  styleRow->addWidget(new QLabel(Tr(texts::kChartStyle), row));
  style_ = new QComboBox(row);
  style_->setObjectName("cboChartStyle");
  style_->addItems({Tr(texts::kSouthIndian), Tr(texts::kNorthIndian)});
  styleRow->addWidget(style_);
  styleRow->addStretch();
  chartColumn->addLayout(styleRow);
  chart_ = new ChartDrawing(row);
  chartColumn->addWidget(chart_, 1);
  connect(style_, &QComboBox::currentIndexChanged, this, [this](int index) {
    chart_->SetStyle(index == 1 ? ChartDrawing::Style::NorthIndian
                                : ChartDrawing::Style::SouthIndian);
  });
  layout->addLayout(chartColumn);

  bodies_ = NewPlanetTable(row, "tblDayPlanets");
  layout->addWidget(bodies_, 0, Qt::AlignTop);
  layout->addStretch();
  return row;
}

QWidget* DayTab::BuildButtons(const QString& backCaption) {
  auto* row = new QWidget(this);
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addStretch();
  auto* back = new QPushButton(backCaption, row);
  back->setObjectName("cmdDayBack");
  connect(back, &QPushButton::clicked, this, &DayTab::backRequested);
  layout->addWidget(back);
  const std::array<std::tuple<QString, const char*, void (DayTab::*)()>, 3> buttons = {{
      {Tr(texts::kDayPrint), "cmdDayPrint", &DayTab::printRequested},
      {Tr(texts::kDaySavePdf), "cmdDaySavePdf", &DayTab::pdfRequested},
      {Tr(texts::kDaySavePng), "cmdDaySavePng", &DayTab::pngRequested},
  }};
  for (const auto& [caption, name, signal] : buttons) {
    auto* button = new QPushButton(caption, row);
    button->setObjectName(name);
    button->setEnabled(false);
    connect(button, &QPushButton::clicked, this, signal);
    layout->addWidget(button);
    buttons_ << button;
  }
  return row;
}

void DayTab::SetDay(const DayAtAGlance& day, const LocalMinute& midnight) {
  hasDay_ = true;
  LocalTime moment(day.chartMoment.year, day.chartMoment.month, day.chartMoment.day,
                   day.chartMoment.hour, day.chartMoment.minute);
  moment.repeated = day.chartMoment.repeated;
  sky_->setText(SkyText(day, midnight));
  timeline_->SetDay(day, midnight);
  scroll_->setFixedHeight(timeline_->sizeHint().height() +
                          scroll_->horizontalScrollBar()->sizeHint().height() +
                          2 * scroll_->frameWidth());
  chart_->SetChart(day.chart);
  chart_->SetCaption(Tr(texts::kRasiCaption).arg(ClockText(midnight, moment)));
  FillChartBodies(bodies_, day.chart, ChartRows::All);
  for (QPushButton* button : buttons_) button->setEnabled(true);
  // The chosen moment in view.
  scroll_->ensureVisible(timeline_->XOfMinute(MinutesFrom(midnight, moment)), 0,
                         scroll_->viewport()->width() / 2, 0);
}

void DayTab::SetVetoes(const QString& lines) {
  vetoes_->setText(lines.isEmpty() ? QString(Tr(texts::kDayNoVetoes))
                                   : QString("%1\n%2").arg(Tr(texts::kDayVetoes), lines));
  vetoes_->setVisible(true);
}

QImage DayTab::Picture() const {
  const QImage line = timeline_->Picture();
  const QImage chart = chart_->grab().toImage();
  const QImage table = bodies_->grab().toImage();
  const int margin = 16;
  const QFontMetrics metrics(sky_->font());
  const QString text = vetoes_->isVisible() ? sky_->text() + "\n" + vetoes_->text() : sky_->text();
  const QRect textBox =
      metrics.boundingRect(QRect(0, 0, line.width(), 1000), Qt::TextWordWrap, text);
  const int width = std::max(line.width(), chart.width() + table.width() + margin) + 2 * margin;
  const int height =
      textBox.height() + line.height() + std::max(chart.height(), table.height()) + 4 * margin;
  QImage picture(width, height, QImage::Format_RGB32);
  picture.fill(Qt::white);
  QPainter painter(&picture);
  painter.setFont(sky_->font());
  painter.setPen(Qt::black);
  int y = margin;
  painter.drawText(QRect(margin, y, line.width(), textBox.height()), Qt::TextWordWrap, text);
  y += textBox.height() + margin;
  painter.drawImage(margin, y, line);
  y += line.height() + margin;
  painter.drawImage(margin, y, chart);
  painter.drawImage(margin + chart.width() + margin, y, table);
  return picture;
}

}  // namespace horavela::app
