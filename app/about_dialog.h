#pragma once

#include <QDialog>

namespace horavela::app {

// The about box: name, version, web address and the libraries it stands on.
class AboutDialog : public QDialog {
  Q_OBJECT

 public:
  explicit AboutDialog(QWidget* parent = nullptr);
};

}  // namespace horavela::app
