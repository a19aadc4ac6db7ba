#pragma once

#include <QDialog>
#include <optional>

class QListWidget;
class QPushButton;

namespace horavela::app {

// The zone captions a picked row writes: the offset with its sign reversed
// (west of Greenwich positive), as whole hours and minutes.
struct ZoneCaptions {
  QString hours;
  QString minutes;
};

// The zone picker: the 71 named zones. A double-click (or Enter) on a row picks it
// and closes; "&Quit" closes without a pick. A double-click with no row
// selected closes without a pick as well.
class TimeZoneDialog : public QDialog {
  Q_OBJECT

 public:
  explicit TimeZoneDialog(QWidget* parent = nullptr);

  // The captions of the picked row, when one was picked.
  const std::optional<ZoneCaptions>& picked() const { return picked_; }

  // The captions of row `index` of the list.
  static ZoneCaptions CaptionsOfRow(int index);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void PickSelectedRow();

  QListWidget* zoneList_;
  QPushButton* quitButton_;
  std::optional<ZoneCaptions> picked_;
};

}  // namespace horavela::app
