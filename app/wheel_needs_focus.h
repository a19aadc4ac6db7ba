#pragma once

#include <QObject>

namespace horavela::app {

// The mouse wheel changes a list or number box only while the box has the
// keyboard focus. Rolled over a box on the way down a page, it scrolls the page
// instead: a year of 1901 must not become 1904, nor a chart style flip, because
// the pointer passed over them. One filter on the whole program sees every box
// of every window and dialog, present and future.
class WheelNeedsFocus : public QObject {
  Q_OBJECT

 public:
  // Installs the filter on the running application, once.
  static void Install();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  using QObject::QObject;
};

}  // namespace horavela::app
