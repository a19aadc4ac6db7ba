#include "app/month_tab.h"
#include "app/translation.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>
#include <array>
#include <tuple>

#include "app/month_texts.h"

namespace horavela::app {

MonthGrid::MonthGrid(QWidget* parent) : QWidget(parent) {
  setObjectName("monthGrid");
  setMinimumSize(700, 460);
  setAutoFillBackground(true);
  QPalette white = palette();
  white.setColor(QPalette::Window, Qt::white);
  setPalette(white);
}

void MonthGrid::SetSheet(MonthSheet sheet) {
  sheet_ = std::move(sheet);
  update();
}

void MonthGrid::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  DrawMonthSheet(painter, QRectF(rect()).adjusted(4, 4, -5, -5), sheet_);
}

MonthTab::MonthTab(const QString& backCaption, QWidget* parent) : QWidget(parent) {
  setObjectName("picMonth");
  empty_ = new QLabel(Tr(texts::kMonthEmpty), this);
  empty_->setObjectName("lblMonthEmpty");
  empty_->setWordWrap(true);
  grid_ = new MonthGrid(this);
  grid_->hide();
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(empty_);
  layout->addWidget(grid_, 1);
  layout->addWidget(BuildButtons(backCaption));
}

void MonthTab::SetMonth(const MonthAtAGlance& month, const QString& placeName,
                        const QString& subject) {
  grid_->SetSheet(SheetOfMonth(month, placeName, subject));
  empty_->hide();
  grid_->show();
}

QWidget* MonthTab::BuildButtons(const QString& backCaption) {
  auto* row = new QWidget(this);
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addStretch();
  const std::array<std::tuple<QString, const char*, void (MonthTab::*)()>, 3> buttons = {{
      {backCaption, "cmdMonthBack", &MonthTab::backRequested},
      {Tr(texts::kMonthPrint), "cmdMonthPrint", &MonthTab::printRequested},
      {Tr(texts::kMonthSavePdf), "cmdMonthSavePdf", &MonthTab::pdfRequested},
  }};
  for (const auto& [caption, name, signal] : buttons) {
    auto* button = new QPushButton(caption, row);
    button->setObjectName(name);
    connect(button, &QPushButton::clicked, this, signal);
    layout->addWidget(button);
  }
  return row;
}

}  // namespace horavela::app
