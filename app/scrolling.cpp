#include "app/scrolling.h"

#include <QScrollArea>

namespace horavela::app {

QScrollArea* Scrolling(QWidget* body) {
  auto* scroll = new QScrollArea;
  scroll->setWidget(body);
  scroll->setWidgetResizable(true);
  scroll->setFrameShape(QFrame::NoFrame);
  return scroll;
}

}  // namespace horavela::app
