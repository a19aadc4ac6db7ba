#include "app/planet_table.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <array>

#include "engine/calculation_state.h"

namespace horavela::app {

namespace {

// In the order of the position texts.
constexpr std::array<const char*, kPlanetCount> kPlanetNames = {
    "Sun", "Moon", "Mercury", "Venus", "Mars", "Jupiter", "Saturn"};

}  // namespace

QTableWidget* AddPlanetTable(QGridLayout* detailsGrid) {
  auto* parent = detailsGrid->parentWidget();
  auto* caption = new QLabel("Planets", parent);
  QFont bold = caption->font();
  bold.setBold(true);
  caption->setFont(bold);
  caption->setAlignment(Qt::AlignLeft | Qt::AlignTop);

  auto* table = new QTableWidget(kPlanetCount, 2, parent);
  table->setObjectName("tblPlanets");
  table->setHorizontalHeaderLabels({"Planet", "Position"});
  table->verticalHeader()->hide();
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->setSelectionMode(QAbstractItemView::NoSelection);
  table->setFocusPolicy(Qt::NoFocus);
  table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  table->setAlternatingRowColors(true);
  table->setShowGrid(false);
  for (int row = 0; row < kPlanetCount; ++row) {
    table->setItem(row, 0, new QTableWidgetItem(kPlanetNames[static_cast<std::size_t>(row)]));
    table->setItem(row, 1, new QTableWidgetItem);
  }
  // Wide enough for the longest name and "00 Cpr 00"; as high as its rows.
  const QFontMetrics metrics = table->fontMetrics();
  table->setColumnWidth(0, metrics.horizontalAdvance("Mercury") + 40);
  table->setColumnWidth(1, metrics.horizontalAdvance("00 Cpr 00") + 40);
  table->horizontalHeader()->setStretchLastSection(true);
  table->resizeRowsToContents();
  int height = table->horizontalHeader()->sizeHint().height() + 2 * table->frameWidth();
  for (int row = 0; row < kPlanetCount; ++row) height += table->rowHeight(row);
  table->setFixedSize(table->columnWidth(0) + table->columnWidth(1) + 2 * table->frameWidth(),
                      height);

  const int row = detailsGrid->rowCount();
  detailsGrid->addWidget(caption, row, 0, Qt::AlignTop);
  detailsGrid->addWidget(table, row, 1, Qt::AlignLeft | Qt::AlignTop);
  return table;
}

void FillPlanetTable(QTableWidget* table, const CalculationState& state) {
  for (int row = 0; row < kPlanetCount; ++row) {
    table->item(row, 1)->setText(
        QString::fromStdString(state.Lagna.PlanetSigns[static_cast<std::size_t>(row)]));
  }
}

}  // namespace horavela::app
