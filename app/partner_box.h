#pragma once

#include <QGroupBox>
#include <QString>
#include <optional>

#include "search/muhurta_finder.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QLineEdit;
class QPushButton;
class QTimeEdit;

namespace horavela::app {

class MessageBoxes;

// Whether an undertaking is a couple's (an engagement, a marriage, the bride's
// entrance), so that a second person may be judged beside the first.
bool TakesPartner(const QString& subject);

// The second person of a couple's undertaking on the birth page: "Add partner"
// and, once ticked, the partner's name, sex, birth moment and birth place.
// Unticked, the page is the one person's as before.
class PartnerBox : public QWidget {
  Q_OBJECT

 public:
  explicit PartnerBox(QWidget* parent = nullptr);

  // The tick box shows only for a couple's undertaking.
  void ShowFor(const QString& subject);
  // Ticked, and offered for the undertaking in hand.
  bool Wanted() const;
  // Checks what the ticked box holds; shows the first fault at its field.
  bool CheckEntries(MessageBoxes& messages);
  // The partner as entered, or nothing when not wanted.
  std::optional<Partner> Read() const;
  // Writes a person of the book into the fields, and ticks the box.
  void Fill(const QString& name, const std::string& sex, const MomentEntry& birth);
  // New Evaluation: unticked and empty.
  void Clear();

  std::vector<QWidget*> TabStops() const;

 signals:
  void chooseClicked();

 private:
  QCheckBox* wanted_ = nullptr;
  QGroupBox* frame_ = nullptr;
  QLineEdit* name_ = nullptr;
  QButtonGroup* sex_ = nullptr;
  QDateEdit* date_ = nullptr;
  QTimeEdit* time_ = nullptr;
  QLineEdit* city_ = nullptr;
  QLineEdit* latitudeDegrees_ = nullptr;
  QLineEdit* latitudeMinutes_ = nullptr;
  QComboBox* north_ = nullptr;
  QLineEdit* longitudeDegrees_ = nullptr;
  QLineEdit* longitudeMinutes_ = nullptr;
  QComboBox* east_ = nullptr;
  QLineEdit* zone_ = nullptr;
  QPushButton* choose_ = nullptr;
};

// "+05:30" (east of Greenwich, the way people say their zone) as the
// program's west-positive hours and minutes; nothing when it is no zone.
std::optional<std::pair<int, int>> ZoneWestPositive(const QString& typed);

}  // namespace horavela::app
