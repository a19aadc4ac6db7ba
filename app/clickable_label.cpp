#include "app/clickable_label.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

namespace horavela::app {

ClickableLabel::ClickableLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
  setFocusPolicy(Qt::StrongFocus);
  setCursor(Qt::PointingHandCursor);
  setTextFormat(Qt::PlainText);
}

int ClickableLabel::TextLeft() const {
  const QRect area = contentsRect();
  const int width = fontMetrics().horizontalAdvance(text());
  if (alignment() & Qt::AlignHCenter) return area.left() + (area.width() - width) / 2;
  if (alignment() & Qt::AlignRight) return area.right() - width;
  return area.left() + std::max(indent(), 0) + margin();
}

int ClickableLabel::TextRight() const {
  return TextLeft() + fontMetrics().horizontalAdvance(text());
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
    emit clicked();
    event->accept();
    return;
  }
  QLabel::mouseReleaseEvent(event);
}

void ClickableLabel::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Space:
      emit clicked();
      event->accept();
      return;
    default:
      QLabel::keyPressEvent(event);
  }
}

void ClickableLabel::paintEvent(QPaintEvent* event) {
  QLabel::paintEvent(event);
  if (!hasFocus()) return;
  QStylePainter painter(this);
  QStyleOptionFocusRect frame;
  frame.initFrom(this);
  const QRect area = contentsRect();
  frame.rect = QRect(TextLeft() - 2, area.top(), TextRight() - TextLeft() + 4, area.height());
  painter.drawPrimitive(QStyle::PE_FrameFocusRect, frame);
}

}  // namespace horavela::app
