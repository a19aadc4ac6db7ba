#include "app/time_zone_dialog.h"
#include "app/translation.h"

#include <QCoreApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/app_texts.h"
#include "engine/time_zones.h"

namespace horavela::app {

TimeZoneDialog::TimeZoneDialog(QWidget* parent) : QDialog(parent) {
  setObjectName("frmTimeZone");
  setWindowTitle(Tr(texts::kWindowTitle));
  setModal(true);

  zoneList_ = new QListWidget(this);
  zoneList_->setObjectName("lstTimeZone");
  for (const TimeZoneRow& row : kTimeZones) {
    zoneList_->addItem(QString::fromUtf8(row.text.data(), static_cast<int>(row.text.size())));
  }
  zoneList_->setSelectionMode(QAbstractItemView::SingleSelection);
  zoneList_->setCurrentRow(-1);
  zoneList_->clearSelection();
  zoneList_->viewport()->installEventFilter(this);
  zoneList_->installEventFilter(this);

  quitButton_ = new QPushButton(Tr(texts::kQuit), this);
  quitButton_->setObjectName("cmdQuit");
  quitButton_->setAutoDefault(false);
  connect(quitButton_, &QPushButton::clicked, this, &QDialog::reject);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(quitButton_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(zoneList_);
  layout->addLayout(buttons);

  const int rowHeight = zoneList_->sizeHintForRow(0);
  zoneList_->setMinimumSize(zoneList_->sizeHintForColumn(0) + 40, rowHeight * 18);
}

ZoneCaptions TimeZoneDialog::CaptionsOfRow(int index) {
  const TimeZoneRow& row = kTimeZones.at(static_cast<std::size_t>(index));
  return {QString::number(row.hours), QString::number(row.minutes)};
}

bool TimeZoneDialog::eventFilter(QObject* watched, QEvent* event) {
  if (watched == zoneList_->viewport() && event->type() == QEvent::MouseButtonDblClick) {
    // Let the list select the row under the pointer first.
    zoneList_->viewport()->removeEventFilter(this);
    QCoreApplication::sendEvent(zoneList_->viewport(), event);
    zoneList_->viewport()->installEventFilter(this);
    PickSelectedRow();
    return true;
  }
  if (watched == zoneList_ && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      PickSelectedRow();
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

void TimeZoneDialog::PickSelectedRow() {
  const QList<QListWidgetItem*> selected = zoneList_->selectedItems();
  if (!selected.isEmpty()) picked_ = CaptionsOfRow(zoneList_->row(selected.first()));
  if (picked_) {
    accept();
  } else {
    reject();
  }
}

}  // namespace horavela::app
