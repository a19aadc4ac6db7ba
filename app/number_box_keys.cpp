#include "app/number_box_keys.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>

namespace horavela::app {

NumberBoxKeys::NumberBoxKeys(QComboBox* box, QString rangeMessage,
                             std::function<void(const QString&)> refuse)
    : QObject(box), box_(box), rangeMessage_(std::move(rangeMessage)), refuse_(std::move(refuse)) {
  box_->installEventFilter(this);
  box_->setToolTip(rangeMessage_);
}

bool NumberBoxKeys::eventFilter(QObject* watched, QEvent* event) {
  if (watched != box_) return QObject::eventFilter(watched, event);
  // A box entered afresh starts a new number.
  if (event->type() == QEvent::FocusIn) sinceLastDigit_.invalidate();
  if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
  const auto* key = static_cast<QKeyEvent*>(event);
  const QString text = key->text();
  if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier) ||
      text.size() != 1 || !text[0].isDigit()) {
    return QObject::eventFilter(watched, event);
  }
  TypeDigit(text[0]);
  return true;
}

QString NumberBoxKeys::NumberOf(int index) const {
  const QString text = box_->itemText(index);
  bool isNumber = false;
  text.toInt(&isNumber);
  return isNumber ? text : QString::number(index + 1);
}

// The first item whose number is `number` (whole) or begins with it; -1 if none.
int NumberBoxKeys::Find(const QString& number, bool whole) const {
  for (int i = 0; i < box_->count(); ++i) {
    const QString candidate = NumberOf(i);
    if (whole ? candidate == number : candidate.startsWith(number)) return i;
  }
  return -1;
}

void NumberBoxKeys::TypeDigit(QChar digit) {
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
  // Leading zeros say nothing: "07" is 7, and a lone "0" waits for the next
  // digit unless a 0 is on the list.
  QString number = typed_;
  while (number.size() > 1 && number.startsWith('0')) number.remove(0, 1);
  int index = Find(number, true);
  if (index < 0 && number == "0") return;
  if (index < 0) index = Find(number, false);
  if (index >= 0) {
    box_->setCurrentIndex(index);
    return;
  }
  refusing_ = true;
  box_->setCurrentIndex(indexBeforeTyping_);
  refuse_(rangeMessage_);
}

}  // namespace horavela::app
