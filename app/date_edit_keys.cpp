#include "app/date_edit_keys.h"

#include <QDateTimeEdit>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>

namespace horavela::app {

DateEditKeys::DateEditKeys(QDateTimeEdit* edit)
    : QObject(edit), edit_(edit), line_(edit->findChild<QLineEdit*>()) {
  edit_->installEventFilter(this);
  if (line_ != nullptr) line_->installEventFilter(this);
}

bool DateEditKeys::eventFilter(QObject* watched, QEvent* event) {
  if (watched == line_ && event->type() == QEvent::MouseButtonRelease) {
    // Once the box has placed the cursor where the click fell.
    QTimer::singleShot(0, this, [this] {
      if (!line_->hasSelectedText()) edit_->setSelectedSection(edit_->currentSection());
    });
  }
  if (watched == edit_ && event->type() == QEvent::FocusIn) afterDigit_ = false;
  if (watched != edit_ || event->type() != QEvent::KeyPress) {
    return QObject::eventFilter(watched, event);
  }
  const auto* key = static_cast<QKeyEvent*>(event);
  if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
    afterDigit_ = false;
    return QObject::eventFilter(watched, event);
  }
  return TakeKey(key->text()) || QObject::eventFilter(watched, event);
}

// True when the key is used up here.
bool DateEditKeys::TakeKey(const QString& text) {
  const bool digit = text.size() == 1 && text[0].isDigit();
  const bool separator = text.size() == 1 && !digit && text[0].isPunct();
  const bool moved = afterDigit_ && WholePartSelected();
  afterDigit_ = digit;
  if (separator && moved) return true;
  if (digit && line_ != nullptr &&
      line_->selectedText().size() > edit_->sectionText(edit_->currentSection()).size()) {
    edit_->setCurrentSectionIndex(0);
    edit_->setSelectedSection(edit_->sectionAt(0));
  }
  return false;
}

// The box has just moved on to a part and selected it whole.
bool DateEditKeys::WholePartSelected() const {
  return line_ != nullptr && line_->hasSelectedText() &&
         line_->selectedText() == edit_->sectionText(edit_->currentSection());
}

}  // namespace horavela::app
