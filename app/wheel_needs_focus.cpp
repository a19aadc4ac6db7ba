#include "app/wheel_needs_focus.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QEvent>

namespace horavela::app {

namespace {

bool IsValueBox(QObject* object) {
  return qobject_cast<QComboBox*>(object) != nullptr ||
         qobject_cast<QAbstractSpinBox*>(object) != nullptr;
}

}  // namespace

void WheelNeedsFocus::Install() {
  auto* application = qApp;
  if (application == nullptr || application->findChild<WheelNeedsFocus*>() != nullptr) return;
  application->installEventFilter(new WheelNeedsFocus(application));
}

bool WheelNeedsFocus::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if ((type != QEvent::Wheel && type != QEvent::Polish) || !IsValueBox(watched)) {
    return QObject::eventFilter(watched, event);
  }
  auto* box = static_cast<QWidget*>(watched);
  if (type == QEvent::Polish) {
    // Boxes take the focus from a click or the keyboard, never from the wheel.
    if ((box->focusPolicy() & Qt::WheelFocus) == Qt::WheelFocus)
      box->setFocusPolicy(Qt::StrongFocus);
    return QObject::eventFilter(watched, event);
  }
  if (box->hasFocus()) return QObject::eventFilter(watched, event);
  // Unhandled, the wheel passes on to the parents: the scroll area around the box.
  event->ignore();
  return true;
}

}  // namespace horavela::app
