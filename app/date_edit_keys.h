#pragma once

#include <QObject>

class QDateTimeEdit;
class QLineEdit;

namespace horavela::app {

// Typing a whole date, "2026-03-15", into a date box. The box moves on to
// the month by itself once the year has its four digits, so the "-" typed
// next skipped the month and the date came out wrong (2027-03-15, or
// 2026-03-03). Here a separator typed just after the box moved on is taken as
// that move; a selection over the whole date starts typing at its first
// part, and a click selects the part clicked, so the digits typed replace it.
class DateEditKeys : public QObject {
  Q_OBJECT

 public:
  explicit DateEditKeys(QDateTimeEdit* edit);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool TakeKey(const QString& text);
  bool WholePartSelected() const;

  QDateTimeEdit* edit_;
  QLineEdit* line_;
  bool afterDigit_ = false;
};

}  // namespace horavela::app
