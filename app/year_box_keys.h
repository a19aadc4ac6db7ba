#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <functional>

class QComboBox;

namespace horavela::app {

// Typing a year into a year box. A list box jumps to the first item that
// starts with what was typed, so "2100" used to land on some year of the
// 2000s without a word. Here digits typed in one go select the year they
// begin; a run of digits no year begins with keeps the year shown before the
// run and says once which years there are.
class YearBoxKeys : public QObject {
  Q_OBJECT

 public:
  // `refuse` shows the message beside the box.
  YearBoxKeys(QComboBox* box, QString rangeMessage, std::function<void(const QString&)> refuse);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void TypeDigit(QChar digit);

  QComboBox* box_;
  QString rangeMessage_;
  std::function<void(const QString&)> refuse_;
  QString typed_;
  int indexBeforeTyping_ = -1;
  bool refusing_ = false;  // the run went astray; its further digits are ignored
  QElapsedTimer sinceLastDigit_;
};

}  // namespace horavela::app
