#pragma once

#include <QLabel>

namespace horavela::app {

// A label that acts like a button: a mouse click, or Space while it has the
// focus, emits `clicked` (Enter is the page's: it means Next). It shows a
// focus frame around its text while it has the focus. Used for the main
// options and "TZ Help".
class ClickableLabel : public QLabel {
  Q_OBJECT

 public:
  explicit ClickableLabel(const QString& text, QWidget* parent = nullptr);

  // Horizontal extent of the caption's text within the label, in label coordinates.
  int TextLeft() const;
  int TextRight() const;

 signals:
  void clicked();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace horavela::app
