#include <QApplication>
#include <QMessageBox>

#include "app/app_services.h"
#include "app/app_texts.h"
#include "app/main_window.h"
#include "app/single_instance.h"
#include "report/program_version.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QApplication::setApplicationName("Horavela");
  QApplication::setApplicationVersion(HORAVELA_VERSION);

  horavela::app::SingleInstance instance(horavela::app::SingleInstance::DefaultLockPath());
  if (!instance.Acquire()) {
    QMessageBox::information(nullptr, horavela::app::texts::kWindowTitle,
                             horavela::app::texts::kAlreadyRunning);
    return 0;
  }

  horavela::app::MainWindow* window = nullptr;
  horavela::app::MainWindow mainWindow(
      horavela::app::DesktopServices([&window]() -> QWidget* { return window; }));
  window = &mainWindow;
  mainWindow.show();
  return application.exec();
}
