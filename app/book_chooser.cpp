#include "app/book_chooser.h"
#include "app/translation.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/book_texts.h"

namespace horavela::app {

namespace {

constexpr int kIdRole = Qt::UserRole;

}  // namespace

BookChooser::BookChooser(const QString& title, const QString& searchHint,
                         const QStringList& headers, Rows rows, QWidget* parent)
    : QDialog(parent), rows_(std::move(rows)) {
  setObjectName("dlgChooser");
  setWindowTitle(title);
  filter_ = new QLineEdit(this);
  filter_->setObjectName("txtChooserFilter");
  filter_->setPlaceholderText(searchHint);
  filter_->setClearButtonEnabled(true);
  list_ = new QTreeWidget(this);
  list_->setObjectName("lstChooser");
  list_->setRootIsDecorated(false);
  list_->setUniformRowHeights(true);
  list_->setHeaderLabels(headers);
  list_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
  auto* buttons = new QDialogButtonBox(this);
  QPushButton* ok = buttons->addButton(Tr(texts::kOk), QDialogButtonBox::AcceptRole);
  ok->setObjectName("cmdChooserOk");
  QPushButton* cancel = buttons->addButton(Tr(texts::kCancel), QDialogButtonBox::RejectRole);
  cancel->setObjectName("cmdChooserCancel");
  ok->setDefault(true);

  connect(filter_, &QLineEdit::textChanged, this, &BookChooser::Refill);
  filter_->installEventFilter(this);
  connect(list_, &QTreeWidget::itemDoubleClicked, this, &BookChooser::accept);
  connect(list_, &QTreeWidget::currentItemChanged, this,
          [ok](QTreeWidgetItem* current) { ok->setEnabled(current != nullptr); });
  connect(buttons, &QDialogButtonBox::accepted, this, &BookChooser::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &BookChooser::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(filter_);
  layout->addWidget(list_, 1);
  layout->addWidget(buttons);
  Refill();
  resize(fontMetrics().averageCharWidth() * 80, fontMetrics().height() * 22);
  filter_->setFocus();
}

void BookChooser::Refill() {
  list_->clear();
  for (const ChooserRow& row : rows_(filter_->text().trimmed())) {
    auto* item = new QTreeWidgetItem(list_, row.cells);
    item->setData(0, kIdRole, QVariant::fromValue<qlonglong>(row.id));
  }
  // The first match is marked, so Enter takes it at once.
  list_->setCurrentItem(list_->topLevelItem(0));
}

bool BookChooser::eventFilter(QObject* watched, QEvent* event) {
  // The arrow keys move through the list while the typing stays in the
  // filter box; Enter then takes the marked entry.
  if (watched == filter_ && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp ||
        key == Qt::Key_PageDown) {
      QCoreApplication::sendEvent(list_, event);
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

void BookChooser::accept() {
  const QTreeWidgetItem* item = list_->currentItem();
  if (item == nullptr) return;
  chosen_ = item->data(0, kIdRole).toLongLong();
  QDialog::accept();
}

}  // namespace horavela::app
