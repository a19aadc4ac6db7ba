#pragma once

#include <QDialog>
#include <array>

#include "engine/calculation_settings.h"

class QComboBox;

namespace horavela::app {

// Edit > Preferences: one box for each calculation setting, with a line on
// why a user would change it. It only shows and returns the settings; the
// main window keeps and applies them.
class PreferencesDialog : public QDialog {
  Q_OBJECT

 public:
  explicit PreferencesDialog(const CalculationSettings& current, QWidget* parent = nullptr);

  // What the boxes hold.
  CalculationSettings Chosen() const;
  // The boxes set to `settings` (Restore defaults sets them to the defaults).
  void ShowSettings(const CalculationSettings& settings);

 private:
  // In the order of ForEachSetting.
  std::array<QComboBox*, 4> boxes_{};
};

}  // namespace horavela::app
