#include "app/year_box_keys.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>

namespace horavela::app {

YearBoxKeys::YearBoxKeys(QComboBox* box, QString rangeMessage,
                         std::function<void(const QString&)> refuse)
    : QObject(box), box_(box), rangeMessage_(std::move(rangeMessage)), refuse_(std::move(refuse)) {
  box_->installEventFilter(this);
  box_->setToolTip(rangeMessage_);
}

bool YearBoxKeys::eventFilter(QObject* watched, QEvent* event) {
  if (watched != box_ || event->type() != QEvent::KeyPress)
    return QObject::eventFilter(watched, event);
  const auto* key = static_cast<QKeyEvent*>(event);
  const QString text = key->text();
  if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier) ||
      text.size() != 1 || !text[0].isDigit()) {
    return QObject::eventFilter(watched, event);
  }
  TypeDigit(text[0]);
  return true;
}

void YearBoxKeys::TypeDigit(QChar digit) {
  // A pause as long as a list's own type-ahead allows starts a new run.
  if (!sinceLastDigit_.isValid() ||
      sinceLastDigit_.elapsed() > QApplication::keyboardInputInterval()) {
    typed_.clear();
    refusing_ = false;
    indexBeforeTyping_ = box_->currentIndex();
  }
  sinceLastDigit_.start();
  if (refusing_) return;
  typed_ += digit;
  for (int i = 0; i < box_->count(); ++i) {
    if (box_->itemText(i).startsWith(typed_)) {
      box_->setCurrentIndex(i);
      return;
    }
  }
  refusing_ = true;
  box_->setCurrentIndex(indexBeforeTyping_);
  refuse_(rangeMessage_);
}

}  // namespace horavela::app
