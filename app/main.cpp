#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QMessageBox>

#include "app/app_language.h"
#include "app/app_services.h"
#include "app/app_texts.h"
#include "app/main_window.h"
#include "app/single_instance.h"
#include "app/translation.h"
#include "report/emblem.h"
#include "report/program_version.h"

namespace {

// How long a second copy waits for the running one to come to the front.
constexpr int kAskTimeoutMs = 500;

// The emblem of the reports and the installed icons, drawn at the sizes window
// managers and task bars ask for most.
QIcon EmblemIcon() {
  QIcon icon;
  for (const int size : {16, 24, 32, 48, 64, 128}) {
    const horavela::Bitmap emblem = horavela::DrawSunEmblem(size);
    const QImage image(reinterpret_cast<const uchar*>(emblem.pixels.data()), size, size,
                       size * static_cast<int>(sizeof(emblem.pixels[0])), QImage::Format_ARGB32);
    icon.addPixmap(QPixmap::fromImage(image.copy()));
  }
  return icon;
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QApplication::setApplicationName("Horavela");
  QApplication::setApplicationVersion(HORAVELA_VERSION);
  // Wayland finds the icon through the installed desktop entry, X11 through the window.
  QGuiApplication::setDesktopFileName("org.horavela.Horavela");
  QApplication::setWindowIcon(EmblemIcon());

  horavela::app::MainWindow* window = nullptr;
  horavela::app::AppServices services =
      horavela::app::DesktopServices([&window]() -> QWidget* { return window; });
  // Before the first text is shown, the one in front included.
  horavela::app::InstallTranslators(horavela::app::ChosenLanguage(*services.settings()));

  const QString lockPath = horavela::app::SingleInstance::DefaultLockPath();
  int code = 0;
  {
    horavela::app::SingleInstance instance(lockPath);
    if (!instance.Acquire()) {
      horavela::app::SingleInstance::AskRunningCopyToShow(lockPath, kAskTimeoutMs);
      QMessageBox::information(nullptr, horavela::app::texts::kWindowTitle,
                               horavela::app::Tr(horavela::app::texts::kAlreadyRunning));
      return 0;
    }

    horavela::app::MainWindow mainWindow(std::move(services));
    window = &mainWindow;
    // Without the socket the program still runs; a second copy only cannot raise it.
    instance.ListenForOthers([&mainWindow] { horavela::app::BringToFront(&mainWindow); });
    mainWindow.show();
    code = application.exec();
    window = nullptr;
  }
  // The new copy starts once this one has let go of the lock, or it would
  // find this one running and step aside.
  if (horavela::app::RestartRequested()) horavela::app::StartAgain();
  return code;
}
