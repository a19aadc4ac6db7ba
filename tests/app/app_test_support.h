#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPrinter>
#include <QSettings>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>
#include <QTimer>
#include <QUrl>
#include <deque>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/app_services.h"
#include "app/main_window.h"
#include "book/book.h"

namespace horavela::app::testing {

// Message boxes that remember what was shown and answer from a queue.
class RecordingMessages : public MessageBoxes {
 public:
  struct Shown {
    MessageIcon icon;
    QString text;
    QString question;  // empty for an OK box
  };

  void Show(MessageIcon icon, const QString& text) override { shown.push_back({icon, text, {}}); }
  bool Ask(MessageIcon icon, const QString& text, const QString& question) override {
    shown.push_back({icon, text, question});
    if (answers.empty()) return false;
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
  }

  QStringList Texts() const {
    QStringList texts;
    for (const Shown& s : shown) texts << s.text;
    return texts;
  }

  std::vector<Shown> shown;
  std::deque<bool> answers;
};

class RecordingPlaceSearch : public PlaceSearch {
 public:
  bool Search(const QString& text, const QString& webAddress) override {
    searches.push_back({text, webAddress});
    return browserAvailable;
  }
  bool browserAvailable = true;
  std::vector<std::pair<QString, QString>> searches;
};

// Everything a test watches, and the services built on it.
struct Harness {
  std::shared_ptr<RecordingMessages> messages = std::make_shared<RecordingMessages>();
  std::shared_ptr<RecordingPlaceSearch> placeSearch = std::make_shared<RecordingPlaceSearch>();
  std::vector<int> pauses;                 // milliseconds asked for
  std::vector<QString> pagesDuringPauses;  // object name of the page in front meanwhile
  std::vector<QUrl> openedUrls;
  bool browserAvailable = true;  // for the Help pages
  QString printerPdfPath;        // empty: no printer
  QString saveFilePath;          // what the file dialog answers
  QStringList suggestedNames;    // the names the file dialog was offered
  QString openFilePath;          // what the open-file dialog answers
  // The book of people and places: a file in a temporary folder of the
  // harness, never the user's own; shared by the windows the harness opens.
  std::shared_ptr<QTemporaryDir> bookFolder = std::make_shared<QTemporaryDir>();
  QString bookPath = bookFolder->filePath("book.sqlite");
  // The computer's clock as the window reads it, and the settings it keeps
  // (a file beside the book, so each harness starts with none).
  QDateTime now{QDate(2026, 3, 15), QTime(9, 41, 27), QTimeZone(19800)};
  std::unique_ptr<MainWindow> window;

  AppServices Services() {
    AppServices services;
    services.pause = [this](int milliseconds) {
      pauses.push_back(milliseconds);
      auto* stack = window->findChild<QStackedWidget*>("stkPages");
      pagesDuringPauses.push_back(stack->currentWidget()->objectName());
    };
    services.messages = messages;
    services.placeSearch = placeSearch;
    services.openUrl = [this](const QUrl& url) {
      openedUrls.push_back(url);
      return browserAvailable;
    };
    services.defaultPrinter = [this]() -> std::unique_ptr<QPrinter> {
      if (printerPdfPath.isEmpty()) return nullptr;
      auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
      printer->setOutputFormat(QPrinter::PdfFormat);
      printer->setOutputFileName(printerPdfPath);
      return printer;
    };
    services.chooseSaveFile = [this](const QString&, const QString& suggestedName, const QString&) {
      suggestedNames.push_back(suggestedName);
      return saveFilePath;
    };
    services.chooseOpenFile = [this](const QString&, const QString&) { return openFilePath; };
    services.openBook = [this](std::string* notice) {
      return book::Book::Open(bookPath.toStdString(), notice);
    };
    services.core = RealCoreSteps();
    // The atlas is searched as soon as the test stops typing.
    services.cityLookup.delayMilliseconds = 0;
    services.now = [this] { return now; };
    services.settings = [this] {
      return std::make_unique<QSettings>(bookFolder->filePath("settings.ini"),
                                         QSettings::IniFormat);
    };
    return services;
  }

  MainWindow& Open() { return Open(Services()); }

  MainWindow& Open(AppServices services) {
    window = std::make_unique<MainWindow>(std::move(services));
    window->show();
    QApplication::setActiveWindow(window.get());
    if (!QTest::qWaitForWindowExposed(window.get())) throw std::runtime_error("window not shown");
    return *window;
  }

  template <class T>
  T* Find(const QString& name) const {
    T* found = window->findChild<T*>(name);
    if (found == nullptr) throw std::runtime_error("no widget " + name.toStdString());
    return found;
  }

  QString CurrentPage() const {
    return window->findChild<QStackedWidget*>("stkPages")->currentWidget()->objectName();
  }

  void Click(const QString& buttonName) {
    QTest::mouseClick(Find<QAbstractButton>(buttonName), Qt::LeftButton);
  }

  void ClickLabel(const QString& labelName) {
    QTest::mouseClick(Find<QLabel>(labelName), Qt::LeftButton);
  }

  void Type(const QString& fieldName, const QString& text) {
    auto* field = Find<QLineEdit>(fieldName);
    field->setFocus();
    QTest::keyClicks(field, text);
  }

  // Types `text` over what the field holds: a new evaluation starts at the
  // last place used.
  void Retype(const QString& fieldName, const QString& text) {
    Find<QLineEdit>(fieldName)->clear();
    Type(fieldName, text);
  }

  void Select(const QString& comboName, const QString& text) {
    auto* combo = Find<QComboBox>(comboName);
    const int index = combo->findText(text);
    if (index < 0) throw std::runtime_error("no item " + text.toStdString());
    combo->setCurrentIndex(index);
  }

  // Ticks the subject `text` in the list of main option `option`.
  void TickSubject(int option, const QString& text) {
    ClickLabel(QString("lblMainOptions_%1").arg(option));
    auto* list = Find<QListWidget>("lstOptions");
    const auto items = list->findItems(text, Qt::MatchExactly);
    if (items.size() != 1) throw std::runtime_error("no subject " + text.toStdString());
    items.front()->setCheckState(Qt::Checked);
  }

  void FillElectionPage(const QString& year = "2011", const QString& month = "January",
                        const QString& day = "5") {
    Select("cboMuhurthaMonth", month);
    Select("cboMuhurthaDate", day);
    Select("cboMuhurthaYear", year);
    Select("cboHourFrom", "10");
    Select("cboMinuteFrom", "30");
    Retype("txtCity", "New Delhi");
    Retype("txtState", "Delhi");
    Retype("txtCountry", "India");
    Retype("txtDegreeLat", "28");
    Retype("txtMinuteLat", "36");
    Retype("txtDegreeLong", "77");
    Retype("txtMinuteLong", "12");
  }

  void FillBirthPage(const QString& year = "1980") {
    Retype("txtBirthName", "Asha Rao");
    Find<QAbstractButton>("optSex_1")->setChecked(true);
    Select("cboMonth", "July");
    Select("cboDate", "14");
    Select("cboYear", year);
    Select("cboBirthHour", "7");
    Select("cboBirthMinute", "5");
    Retype("txtBirthCity", "Mumbai");
    Retype("txtBirthState", "Maharashtra");
    Retype("txtBirthCountry", "India");
    Retype("txtBirthDegreeLat", "18");
    Retype("txtBirthMinuteLat", "58");
    Retype("txtBirthDegreeLong", "72");
    Retype("txtBirthMinuteLong", "50");
  }
  // The wizard with the standard entries, from ticking the subject of main
  // option `option` to the birth page, filled; `indianZone` gives the
  // election place India's zone captions (west positive: -5 h -30 min).
  void WalkToBirthPage(int option, const QString& subject, bool indianZone = false) {
    TickSubject(option, subject);
    Click("cmdNext_0");
    FillElectionPage();
    if (indianZone) {
      Find<QLabel>("lblZoneHour_Muhurtha")->setText("-5");
      Find<QLabel>("lblZoneMinute_Muhurtha")->setText("-30");
    }
    Click("cmdNext_1");
    FillBirthPage();
  }

  // The same, then the birth page's Next: one whole evaluation.
  void Evaluate(int option, const QString& subject, bool indianZone = false) {
    WalkToBirthPage(option, subject, indianZone);
    Click("cmdNext_2");
  }
};

// Runs `action` on the next modal dialog once it is up.
inline void WhenModalOpens(std::function<void(QWidget*)> action) {
  QTimer::singleShot(0, [action] {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr) {
      WhenModalOpens(action);
      return;
    }
    action(modal);
  });
}

}  // namespace horavela::app::testing

// A test main on the offscreen platform with the C locale, whatever the shell says.
#define HORAVELA_APP_TEST_MAIN(TestClass)                 \
  int main(int argc, char* argv[]) {                      \
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) { \
      qputenv("QT_QPA_PLATFORM", "offscreen");            \
    }                                                     \
    QLocale::setDefault(QLocale::c());                    \
    QApplication application(argc, argv);                 \
    TestClass test;                                       \
    return QTest::qExec(&test, argc, argv);               \
  }
