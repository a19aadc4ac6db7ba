// Edit > Preferences: the calculation settings the evaluations, the finder,
// the day and the month follow, kept with the program's other settings.
#include <QSettings>
#include <QStackedWidget>
#include <QTabWidget>

#include "app/calculation_preferences.h"
#include "app/main_window.h"
#include "app/month_tab.h"
#include "app/preferences_dialog.h"
#include "app/result_area.h"

namespace horavela::app {

void MainWindow::RecallPreferences() {
  if (!services_.settings) return;
  if (const std::unique_ptr<QSettings> saved = services_.settings()) {
    model_.settings = RecallCalculationSettings(*saved);
  }
}

void MainWindow::OpenPreferences() {
  auto* dialog = new PreferencesDialog(model_.settings, this);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  connect(dialog, &QDialog::accepted, this, [this, dialog] { ApplyPreferences(dialog->Chosen()); });
  // Window-modal without a loop of its own, so the window keeps painting.
  dialog->open();
}

void MainWindow::ApplyPreferences(const CalculationSettings& chosen) {
  if (chosen == model_.settings) return;
  model_.settings = chosen;
  if (services_.settings) {
    if (const std::unique_ptr<QSettings> saved = services_.settings()) {
      RememberCalculationSettings(*saved, chosen);
    }
  }
  // What the result area shows is computed again; the input pages are read
  // afresh at their next Next.
  if (pages_->currentWidget() != resultArea_) return;
  QTabWidget* tabs = resultArea_->Tabs();
  QWidget* shown = tabs->currentWidget();
  // The evaluation again when the pages still hold a whole one (it computes
  // the day too), else the day alone.
  if (lastEvaluation_ && FinderInputProblem().isEmpty()) {
    Evaluate(Pace::AtOnce);
  } else {
    ComputeDayTab(false);
  }
  if (pages_->currentWidget() != resultArea_) return;  // the evaluation failed and said why
  // The month recomputes as it comes to the front.
  if (tabs->currentWidget() != shown) {
    tabs->setCurrentWidget(shown);
  } else if (shown == resultArea_->Month()) {
    ComputeMonthTab();
  }
}

}  // namespace horavela::app
