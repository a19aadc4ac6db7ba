#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <functional>

class QComboBox;

namespace horavela::app {

// Typing a number into a list box of numbers (day, month, year, hour, minute,
// second). A list box on its own jumps to the next item that starts with the
// key, so "1" on a day box showing 1 went to 10, and "2100" landed on some year
// of the 2000s without a word. Here the digits typed in one go are read as one
// number: the item of exactly that number is chosen ("0", "7" is 7), else the
// first item whose number begins with them, so each digit narrows the choice
// ("1", "5" is 1, then 15). A run that no item begins with keeps the item shown
// before the run and says once which numbers there are. An item's number is its
// text, or its place from 1 for named items (the months).
class NumberBoxKeys : public QObject {
  Q_OBJECT

 public:
  // `refuse` shows the message beside the box.
  NumberBoxKeys(QComboBox* box, QString rangeMessage, std::function<void(const QString&)> refuse);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void TypeDigit(QChar digit);
  QString NumberOf(int index) const;
  int Find(const QString& number, bool whole) const;

  QComboBox* box_;
  QString rangeMessage_;
  std::function<void(const QString&)> refuse_;
  QString typed_;
  int indexBeforeTyping_ = -1;
  bool refusing_ = false;  // the run went astray; its further digits are ignored
  QElapsedTimer sinceLastDigit_;
};

}  // namespace horavela::app
