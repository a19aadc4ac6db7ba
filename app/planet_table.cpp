#include "app/planet_table.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <array>

#include "almanac/day_at_a_glance.h"
#include "app/day_texts.h"
#include "app/shown_names.h"
#include "app/translation.h"
#include "engine/calculation_state.h"
#include "engine/planet_ephemeris.h"

namespace horavela::app {

namespace {

// The seven planets in the order of the positions, then what the chart
// of the moment adds.
constexpr std::array<const char*, kPlanetCount + 3> kBodyNames = {
    "Sun", "Moon", "Mercury", "Venus", "Mars", "Jupiter", "Saturn", "Rahu", "Ketu", "Lagna"};
// The planet of each row but the Lagna's.
constexpr std::array<Planet, kPlanetCount + 2> kBodies = {
    Planet::Sun,     Planet::Moon,   Planet::Mercury, Planet::Venus, Planet::Mars,
    Planet::Jupiter, Planet::Saturn, Planet::Rahu,    Planet::Ketu};
constexpr int kRows = static_cast<int>(kBodyNames.size());
constexpr int kPositionColumn = 1;
constexpr int kNakshatraColumn = 2;

// The width of `reference`, or of the widest of `texts` where the language's
// words are wider.
int WidthFor(const QFontMetrics& metrics, const QString& reference, const QStringList& texts) {
  int width = metrics.horizontalAdvance(reference);
  for (const QString& text : texts) width = std::max(width, metrics.horizontalAdvance(text));
  return width;
}

}  // namespace

QTableWidget* NewPlanetTable(QWidget* parent, const char* objectName) {
  auto* table = new QTableWidget(kRows, 3, parent);
  table->setObjectName(objectName);
  table->setHorizontalHeaderLabels(
      {Tr(texts::kPlanetColumn), Tr(texts::kPositionColumn), Tr(texts::kNakshatraColumn)});
  table->verticalHeader()->hide();
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->setSelectionMode(QAbstractItemView::NoSelection);
  table->setFocusPolicy(Qt::NoFocus);
  table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  table->setAlternatingRowColors(true);
  table->setShowGrid(false);
  QStringList bodies;
  for (const Planet planet : kBodies) bodies << ShownName(planet);
  bodies << Tr(texts::kRowLagna);  // the chart's own point, not a planet
  for (int row = 0; row < kRows; ++row) {
    table->setItem(row, 0, new QTableWidgetItem(bodies[row]));
    table->setItem(row, kPositionColumn, new QTableWidgetItem);
    table->setItem(row, kNakshatraColumn, new QTableWidgetItem);
  }
  // Wide enough for the longest texts; as high as its rows.
  const QFontMetrics metrics = table->fontMetrics();
  table->setColumnWidth(0, WidthFor(metrics, "Mercury", bodies) + 40);
  table->setColumnWidth(kPositionColumn, metrics.horizontalAdvance("00 Cpr 00") + 40);
  QStringList stars;
  for (int i = 0; i < IndexOf(Nakshatra::None); ++i) {
    stars << ShownStarAndPada(NameOf(FromIndex<Nakshatra>(i)), FromIndex<Nakshatra>(i), 4);
  }
  table->setColumnWidth(kNakshatraColumn, WidthFor(metrics, "Uttara Bhadrapada 4", stars) + 24);
  table->horizontalHeader()->setStretchLastSection(true);
  table->resizeRowsToContents();
  int height = table->horizontalHeader()->sizeHint().height() + 2 * table->frameWidth();
  for (int row = 0; row < kRows; ++row) height += table->rowHeight(row);
  int width = 2 * table->frameWidth();
  for (int column = 0; column < table->columnCount(); ++column) width += table->columnWidth(column);
  table->setFixedSize(width, height);
  return table;
}

QTableWidget* AddPlanetTable(QGridLayout* detailsGrid) {
  auto* parent = detailsGrid->parentWidget();
  auto* caption = new QLabel(Tr(texts::kPlanetsCaption), parent);
  QFont bold = caption->font();
  bold.setBold(true);
  caption->setFont(bold);
  caption->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  QTableWidget* table = NewPlanetTable(parent, "tblPlanets");
  const int row = detailsGrid->rowCount();
  detailsGrid->addWidget(caption, row, 0, Qt::AlignTop);
  detailsGrid->addWidget(table, row, 1, Qt::AlignLeft | Qt::AlignTop);
  return table;
}

void FillPlanetTable(QTableWidget* table, const CalculationState& state) {
  for (int row = 0; row < kPlanetCount; ++row) {
    table->item(row, kPositionColumn)
        ->setText(ShownPosition(state.Lagna.PlanetSigns[static_cast<std::size_t>(row)]));
  }
}

QString PositionText(double longitude) {
  return ShownPosition(PlanetPositionAt(longitude));
}

void FillChartBodies(QTableWidget* table, const std::vector<ChartBody>& chart, ChartRows rows) {
  const int firstFromChart = rows == ChartRows::All ? 0 : kPlanetCount;
  for (int row = 0; row < kRows; ++row) {
    table->item(row, kNakshatraColumn)->setText({});
    if (row >= firstFromChart) table->item(row, kPositionColumn)->setText({});
  }
  for (const ChartBody& body : chart) {
    for (int row = 0; row < kRows; ++row) {
      if (body.body != kBodyNames[static_cast<std::size_t>(row)]) continue;
      table->item(row, kNakshatraColumn)
          ->setText(ShownStarAndPada(body.nakshatra, body.star, body.pada));
      if (row >= firstFromChart) {
        table->item(row, kPositionColumn)->setText(PositionText(body.longitude));
      }
    }
  }
}

}  // namespace horavela::app
