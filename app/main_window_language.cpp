// View > Language: the languages the desktop speaks, each named in itself so
// that a reader finds their own whatever the program speaks now. The pages
// are built once from code, so a change is kept in the settings and takes
// effect at the next start, which the program offers to make at once.
// View > Native digits beside it.

#include <QActionGroup>
#include <QMenu>

#include "app/app_language.h"
#include "app/app_texts.h"
#include "app/main_window.h"
#include "app/translation.h"

namespace horavela::app {

namespace {

QString FromView(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

void MainWindow::BuildLanguageMenu(QMenu* view) {
  QMenu* menu = view->addMenu(Tr(texts::kMenuLanguage));
  menu->setObjectName("mnuLanguage");
  auto* group = new QActionGroup(menu);
  const std::unique_ptr<QSettings> settings = services_.settings ? services_.settings() : nullptr;
  const Language chosen = settings ? ChosenLanguage(*settings) : Language::English;
  for (const Language language : AllLanguages()) {
    QAction* action = menu->addAction(FromView(SelfNameOf(language)));
    action->setObjectName("actLanguage_" + FromView(CodeOf(language)));
    action->setCheckable(true);
    action->setChecked(language == chosen);
    group->addAction(action);
    connect(action, &QAction::triggered, this, [this, language] { ChooseLanguage(language); });
  }
  BuildDigitsAction(view, settings.get());
}

void MainWindow::BuildDigitsAction(QMenu* view, const QSettings* settings) {
  QAction* digits = view->addAction(Tr(texts::kMenuNativeDigits));
  digits->setObjectName("actNativeDigits");
  digits->setCheckable(true);
  const bool native = settings != nullptr && NativeDigitsChosen(*settings);
  digits->setChecked(native);
  ShowNativeDigits(native);
  connect(digits, &QAction::toggled, this, [this](bool chosen) {
    ShowNativeDigits(chosen);
    if (!services_.settings) return;
    const std::unique_ptr<QSettings> saved = services_.settings();
    SaveNativeDigits(*saved, chosen);
  });
}

void MainWindow::ChooseLanguage(Language language) {
  if (!services_.settings) return;
  const std::unique_ptr<QSettings> settings = services_.settings();
  const bool changed = ChosenLanguage(*settings) != language;
  // Kept even when unchanged: a later change of the system locale leaves it.
  SaveLanguage(*settings, language);
  if (!changed) return;
  const bool now = services_.messages->Choose(
      MessageIcon::Information, Tr(texts::kLanguageAtNextStart).arg(FromView(SelfNameOf(language))),
      Tr(texts::kRestartNow), Tr(texts::kRestartLater));
  if (!now || !services_.restart) return;
  // Through the window's own close, which may be refused: then nothing
  // restarts and nothing is lost.
  if (close()) services_.restart();
}

}  // namespace horavela::app
