#include <QApplication>
#include <QMessageBox>

#include "app/app_services.h"
#include "app/app_texts.h"
#include "app/main_window.h"
#include "app/single_instance.h"
#include "report/program_version.h"

namespace {

// How long a second copy waits for the running one to come to the front.
constexpr int kAskTimeoutMs = 500;

}  // namespace

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QApplication::setApplicationName("Horavela");
  QApplication::setApplicationVersion(HORAVELA_VERSION);

  const QString lockPath = horavela::app::SingleInstance::DefaultLockPath();
  horavela::app::SingleInstance instance(lockPath);
  if (!instance.Acquire()) {
    horavela::app::SingleInstance::AskRunningCopyToShow(lockPath, kAskTimeoutMs);
    QMessageBox::information(nullptr, horavela::app::texts::kWindowTitle,
                             horavela::app::texts::kAlreadyRunning);
    return 0;
  }

  horavela::app::MainWindow* window = nullptr;
  horavela::app::MainWindow mainWindow(
      horavela::app::DesktopServices([&window]() -> QWidget* { return window; }));
  window = &mainWindow;
  // Without the socket the program still runs; a second copy only cannot raise it.
  instance.ListenForOthers([&mainWindow] { horavela::app::BringToFront(&mainWindow); });
  mainWindow.show();
  return application.exec();
}
