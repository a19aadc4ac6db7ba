#include "app/time_zone_dialog.h"

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
  setWindowTitle(texts::kWindowTitle);
  setModal(true);

  lstTimeZone_ = new QListWidget(this);
  lstTimeZone_->setObjectName("lstTimeZone");
  for (const TimeZoneRow& row : kTimeZones) {
    lstTimeZone_->addItem(QString::fromUtf8(row.text.data(), static_cast<int>(row.text.size())));
  }
  lstTimeZone_->setSelectionMode(QAbstractItemView::SingleSelection);
  lstTimeZone_->setCurrentRow(-1);
  lstTimeZone_->clearSelection();
  lstTimeZone_->viewport()->installEventFilter(this);
  lstTimeZone_->installEventFilter(this);

  cmdQuit_ = new QPushButton(texts::kQuit, this);
  cmdQuit_->setObjectName("cmdQuit");
  cmdQuit_->setAutoDefault(false);
  connect(cmdQuit_, &QPushButton::clicked, this, &QDialog::reject);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(cmdQuit_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(lstTimeZone_);
  layout->addLayout(buttons);

  const int rowHeight = lstTimeZone_->sizeHintForRow(0);
  lstTimeZone_->setMinimumSize(lstTimeZone_->sizeHintForColumn(0) + 40, rowHeight * 18);
}

ZoneCaptions TimeZoneDialog::CaptionsOfRow(int index) {
  const TimeZoneRow& row = kTimeZones.at(static_cast<std::size_t>(index));
  return {QString::number(row.hours), QString::number(row.minutes)};
}

bool TimeZoneDialog::eventFilter(QObject* watched, QEvent* event) {
  if (watched == lstTimeZone_->viewport() && event->type() == QEvent::MouseButtonDblClick) {
    // Let the list select the row under the pointer first.
    lstTimeZone_->viewport()->removeEventFilter(this);
    QCoreApplication::sendEvent(lstTimeZone_->viewport(), event);
    lstTimeZone_->viewport()->installEventFilter(this);
    lstTimeZone_DblClick();
    return true;
  }
  if (watched == lstTimeZone_ && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      lstTimeZone_DblClick();
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

void TimeZoneDialog::lstTimeZone_DblClick() {
  const QList<QListWidgetItem*> selected = lstTimeZone_->selectedItems();
  if (!selected.isEmpty()) picked_ = CaptionsOfRow(lstTimeZone_->row(selected.first()));
  if (picked_) {
    accept();
  } else {
    reject();
  }
}

}  // namespace horavela::app
