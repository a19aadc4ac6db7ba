#include "app/app_services.h"
#include "app/translation.h"

#include <QApplication>
#include <QDesktopServices>
#include <QEvent>
#include <QEventLoop>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QTimer>
#include <QToolTip>
#include <QUrlQuery>
#include <QWidget>

#include "almanac/day_at_a_glance.h"
#include "app/app_texts.h"
#include "book/book.h"
#include "explain/explanation.h"
#include "tradition/day_vetoes.h"

namespace horavela::app {

namespace {

constexpr int kNoticeMilliseconds = 4000;

class DesktopMessageBoxes : public MessageBoxes {
 public:
  explicit DesktopMessageBoxes(std::function<QWidget*()> window) : window_(std::move(window)) {}

  void Show(MessageIcon icon, const QString& text) override {
    QMessageBox box(ToQt(icon), Tr(texts::kWindowTitle), text, QMessageBox::Ok, window_());
    box.exec();
  }

  bool Choose(MessageIcon icon, const QString& text, const QString& accept,
              const QString& reject) override {
    QMessageBox box(ToQt(icon), Tr(texts::kWindowTitle), text, QMessageBox::NoButton, window_());
    QPushButton* yes = box.addButton(accept, QMessageBox::AcceptRole);
    box.addButton(reject, QMessageBox::RejectRole);
    box.setDefaultButton(yes);
    box.exec();
    return box.clickedButton() == yes;
  }

  bool Ask(MessageIcon icon, const QString& text, const QString& question) override {
    QMessageBox box(ToQt(icon), Tr(texts::kWindowTitle), text, QMessageBox::Yes | QMessageBox::No,
                    window_());
    box.setInformativeText(question);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
  }

  void Notify(QWidget* field, const QString& text) override {
    if (field == nullptr || !field->isVisible()) {
      Show(MessageIcon::Error, text);
      return;
    }
    QToolTip::showText(field->mapToGlobal(QPoint(0, field->height())), text, field, QRect(),
                       kNoticeMilliseconds);
  }

 private:
  static QMessageBox::Icon ToQt(MessageIcon icon) {
    return icon == MessageIcon::Error ? QMessageBox::Critical : QMessageBox::Information;
  }

  std::function<QWidget*()> window_;
};

// A general web search: the first hits for "city state country Latitude
// Longitude" show the coordinates of the place.
class BrowserPlaceSearch : public PlaceSearch {
 public:
  bool Search(const QString& text, const QString& /*webAddress*/) override {
    QUrl url("https://duckduckgo.com/");
    QUrlQuery query;
    query.addQueryItem("q", text);
    url.setQuery(query);
    return QDesktopServices::openUrl(url);
  }
};

// Eats user input while installed on the application.
class InputSwallower : public QObject {
 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    switch (event->type()) {
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonRelease:
      case QEvent::MouseButtonDblClick:
      case QEvent::Wheel:
      case QEvent::KeyPress:
      case QEvent::KeyRelease:
      case QEvent::ShortcutOverride:
      case QEvent::Shortcut:
      case QEvent::ContextMenu:
      case QEvent::TouchBegin:
      case QEvent::TouchUpdate:
      case QEvent::TouchEnd:
      case QEvent::Close:
        return true;
      default:
        return QObject::eventFilter(watched, event);
    }
  }
};

}  // namespace

CoreSteps RealCoreSteps() {
  CoreSteps steps;
  static_cast<EvaluationSteps&>(steps) = CoreEvaluationSteps();
  steps.computeDay = [](const DayRequest& request) {
    return ComputeDay(request, SwissEphemeris());
  };
  steps.vetoesOfDay = [](const DayRequest& request) {
    return VetoPeriodsOnDay(PlaceClock(request), request.year, request.month, request.day,
                            SwissEphemeris(), WithSettings({}, request.settings));
  };
  steps.computeMonth = [](const MonthRequest& request) {
    return ComputeMonth(request, SwissEphemeris());
  };
  return steps;
}

namespace {
bool restartRequested = false;
}  // namespace

bool RestartRequested() {
  return restartRequested;
}

bool StartAgain() {
  QStringList arguments = QCoreApplication::arguments();
  if (!arguments.isEmpty()) arguments.removeFirst();  // the program itself
  return QProcess::startDetached(QCoreApplication::applicationFilePath(), arguments);
}

void PauseIgnoringInput(int milliseconds) {
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (window->isVisible()) window->repaint();
  }
  InputSwallower swallower;
  qApp->installEventFilter(&swallower);
  QEventLoop loop;
  QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
  loop.exec();
  qApp->removeEventFilter(&swallower);
}

AppServices DesktopServices(std::function<QWidget*()> window) {
  AppServices services;
  services.pause = &PauseIgnoringInput;
  services.messages = std::make_shared<DesktopMessageBoxes>(window);
  services.placeSearch = std::make_shared<BrowserPlaceSearch>();
  services.openUrl = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
  services.defaultPrinter = []() -> std::unique_ptr<QPrinter> {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) return nullptr;
    return std::make_unique<QPrinter>(info, QPrinter::HighResolution);
  };
  services.chooseSaveFile = [window](const QString& caption, const QString& suggestedName,
                                     const QString& filter) {
    return QFileDialog::getSaveFileName(window(), caption, suggestedName, filter);
  };
  services.chooseOpenFile = [window](const QString& caption, const QString& filter) {
    return QFileDialog::getOpenFileName(window(), caption, QString(), filter);
  };
  services.openBook = [](std::string* notice) {
    return book::Book::Open(book::Book::DefaultPath(), notice);
  };
  services.core = RealCoreSteps();
  services.settings = [] { return std::make_unique<QSettings>("Horavela", "Horavela"); };
  services.restart = [] { restartRequested = true; };
  return services;
}

}  // namespace horavela::app
