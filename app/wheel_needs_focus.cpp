#include "app/wheel_needs_focus.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QCalendarWidget>
#include <QComboBox>
#include <QEvent>

namespace horavela::app {

namespace {

// The box a wheel event over `object` would change: a list or number box, or
// the month calendar whose page of days sits two levels inside it.
QWidget* ValueBox(QObject* object) {
  if (qobject_cast<QComboBox*>(object) != nullptr ||
      qobject_cast<QAbstractSpinBox*>(object) != nullptr) {
    return static_cast<QWidget*>(object);
  }
  for (int level = 0; level < 3 && object != nullptr; ++level, object = object->parent()) {
    if (auto* calendar = qobject_cast<QCalendarWidget*>(object)) return calendar;
  }
  return nullptr;
}

}  // namespace

void WheelNeedsFocus::Install() {
  auto* application = qApp;
  if (application == nullptr || application->findChild<WheelNeedsFocus*>() != nullptr) return;
  application->installEventFilter(new WheelNeedsFocus(application));
}

bool WheelNeedsFocus::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  QWidget* box = type == QEvent::Wheel || type == QEvent::Show ? ValueBox(watched) : nullptr;
  if (box == nullptr) return QObject::eventFilter(watched, event);
  if (type == QEvent::Show) {
    // Boxes take the focus from a click or the keyboard, never from the wheel
    // (a box is shown before the wheel can reach it).
    auto* shown = qobject_cast<QWidget*>(watched);  // the box, or a part of a calendar
    if (shown != nullptr && (shown->focusPolicy() & Qt::WheelFocus) == Qt::WheelFocus) {
      shown->setFocusPolicy(Qt::StrongFocus);
    }
    return QObject::eventFilter(watched, event);
  }
  if (box->hasFocus()) return QObject::eventFilter(watched, event);
  // Unhandled, the wheel passes on to the parents: the scroll area around the box.
  event->ignore();
  return true;
}

}  // namespace horavela::app
