// Walks one real evaluation through the desktop program (a marriage at New
// Delhi) and saves a picture of every page into the folder given as the first
// argument. Run by scripts/screenshots under Xvfb; not installed.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCalendarWidget>
#include <QComboBox>
#include <QDateEdit>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/app_language.h"
#include "app/app_services.h"
#include "app/main_window.h"

namespace {

using horavela::app::MainWindow;

// The tour runs inside event handlers and timers, where exceptions must not go.
[[noreturn]] void Fail(const std::string& message) {
  std::fprintf(stderr, "screenshot tour: %s\n", message.c_str());
  std::exit(1);
}

class Tour {
 public:
  Tour(MainWindow& window, QString folder, QString prefix)
      : window_(window), folder_(std::move(folder)), prefix_(std::move(prefix)) {}

  template <class T>
  T* Find(const QString& name) {
    T* found = window_.findChild<T*>(name);
    if (found == nullptr) Fail("no widget " + name.toStdString());
    return found;
  }

  void Settle() {
    for (int i = 0; i < 5; ++i) {
      QApplication::processEvents();
      QTest::qWait(40);
    }
  }

  void Save(QWidget* widget, const QString& name) {
    Settle();
    const QString path = QDir(folder_).filePath(prefix_ + name + ".png");
    if (!widget->grab().save(path)) Fail("cannot write " + path.toStdString());
    std::printf("%s\n", qPrintable(path));
  }

  void Click(const QString& name) {
    QTest::mouseClick(Find<QAbstractButton>(name), Qt::LeftButton);
  }

  void Type(const QString& name, const QString& text) {
    auto* field = Find<QLineEdit>(name);
    field->setFocus();
    QTest::keyClicks(field, text);
  }

  // Picks an item by its English text: in another language by the English
  // value a box keeps as item data, or a month by its place in the year.
  void Select(const QString& name, const QString& text) {
    auto* box = Find<QComboBox>(name);
    int index = box->findText(text);
    if (index < 0) index = box->findData(text);
    for (int month = 1; index < 0 && month <= 12 && box->count() == 12; ++month)
      if (QLocale(QLocale::English).monthName(month) == text) index = month - 1;
    box->setCurrentIndex(index);
  }

  // Opens the zone picker from `link`, shows it, picks the row `row`.
  void PickZone(const QString& link, const QString& row, bool save) {
    QTimer::singleShot(300, [this, row, save] {
      QWidget* picker = QApplication::activeModalWidget();
      if (picker == nullptr) Fail("no zone picker");
      auto* list = picker->findChild<QListWidget*>("lstTimeZone");
      QListWidgetItem* item = list->findItems(row, Qt::MatchExactly).value(0);
      list->scrollToItem(item, QAbstractItemView::PositionAtCenter);
      const QPoint at = list->visualItemRect(item).center();
      QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
      if (save) Save(picker, "03-time-zone-picker");
      QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    });
    QTest::mouseClick(Find<QLabel>(link), Qt::LeftButton);
  }

  // Opens "Find good times..." from the birth page, searches November and
  // December 2025 and saves the dialog with its calendar once it is done:
  // December, whose second half Kharmas greys.
  void FindGoodTimes() {
    Click("cmdFindTimes_Birth");
    Settle();
    auto* dialog = window_.findChild<QDialog*>("frmFindTimes");
    if (dialog == nullptr) Fail("no finder dialog");
    dialog->findChild<QDateEdit*>("dtFrom")->setDate(QDate(2025, 11, 1));
    dialog->findChild<QDateEdit*>("dtTo")->setDate(QDate(2025, 12, 31));
    QTest::mouseClick(dialog->findChild<QPushButton*>("cmdSearch"), Qt::LeftButton);
    auto* cancel = dialog->findChild<QPushButton*>("cmdCancel");
    for (int waited = 0; cancel->isEnabled(); waited += 50) {
      if (waited > 60000) Fail("the search did not finish");
      QTest::qWait(50);
    }
    dialog->findChild<QCalendarWidget*>("calResults")->setCurrentPage(2025, 12);
    Save(dialog, "09-find-good-times");
    dialog->close();
    Settle();
  }

  void Run() {
    QWidget* whole = &window_;
    QTest::mouseClick(Find<QLabel>("lblMainOptions_1"), Qt::LeftButton);
    Find<QListWidget>("lstOptions")->item(1)->setCheckState(Qt::Checked);
    QTest::mouseMove(Find<QLabel>("lblMainOptions_1"), QPoint(10, 8));
    Save(whole, "01-start-page");
    Click("cmdNext_0");

    Select("cboMuhurthaYear", "2025");
    Select("cboMuhurthaMonth", "November");
    Select("cboMuhurthaDate", "23");
    Select("cboHourFrom", "10");
    Select("cboMinuteFrom", "30");
    Type("txtCity", "New Delhi");
    Type("txtState", "Delhi");
    Type("txtCountry", "India");
    Type("txtDegreeLat", "28");
    Type("txtMinuteLat", "36");
    Type("txtDegreeLong", "77");
    Type("txtMinuteLong", "12");
    PickZone("lblTZHelp_Muhurtha", "Indian Time, IST, +5.3", true);
    Save(whole, "02-election-page");
    Click("cmdNext_1");

    Type("txtBirthName", "Priya Sharma");
    Find<QAbstractButton>("optSex_1")->setChecked(true);
    Select("cboMonth", "March");
    Select("cboDate", "8");
    Select("cboYear", "1996");
    Select("cboWeekday", "Friday");
    Select("cboBirthHour", "6");
    Select("cboBirthMinute", "45");
    Type("txtBirthCity", "Jaipur");
    Type("txtBirthState", "Rajasthan");
    Type("txtBirthCountry", "India");
    Type("txtBirthDegreeLat", "26");
    Type("txtBirthMinuteLat", "55");
    Type("txtBirthDegreeLong", "75");
    Type("txtBirthMinuteLong", "49");
    PickZone("lblTZHelp_Birth", "Indian Time, IST, +5.3", false);
    Save(whole, "04-birth-page");
    FindGoodTimes();

    // The wait page is shown for real; take its picture halfway through.
    QTimer::singleShot(1500, [this, whole] { Save(whole, "05-wait-page"); });
    Click("cmdNext_2");
    if (Find<QStackedWidget>("stkPages")->currentWidget()->objectName() != "picMuhurthaResult") {
      Fail("the evaluation did not reach the result pages");
    }
    auto* tabs = Find<QTabWidget>("TS");
    Save(whole, "06-birth-details");
    tabs->setCurrentIndex(1);
    Save(whole, "07-election-details");
    tabs->setCurrentIndex(2);
    Save(whole, "08-report");
    // The day and the month of the election, read for the evaluated person.
    tabs->setCurrentWidget(Find<QWidget>("picDay"));
    Save(whole, "10-day");
    Click("cmdDaySavePng");
    tabs->setCurrentWidget(Find<QWidget>("picMonth"));
    Save(whole, "11-month");
    Click("cmdMonthSavePdf");
    SavePreferences();
  }

  // Edit > Preferences, its captions in the shown language.
  void SavePreferences() {
    window_.OpenPreferences();
    Settle();
    auto* dialog = window_.findChild<QDialog*>("frmPreferences");
    if (dialog == nullptr) Fail("no preferences dialog");
    Save(dialog, "12-preferences");
    dialog->reject();
  }

 private:
  MainWindow& window_;
  QString folder_;
  QString prefix_;
};

}  // namespace

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s FOLDER [PREFIX]\n", argv[0]);
    return 2;
  }
  // HORAVELA_TOUR_LANGUAGE=ta pictures the pages in that language.
  if (const auto language =
          horavela::LanguageNamed(qEnvironmentVariable("HORAVELA_TOUR_LANGUAGE").toStdString()))
    horavela::app::InstallTranslators(*language);
  MainWindow* pointer = nullptr;
  horavela::app::AppServices services =
      horavela::app::DesktopServices([&pointer]() -> QWidget* { return pointer; });
  // The pictures are the same on every run, and the user's settings are left alone.
  services.now = [] { return QDateTime(QDate(2024, 11, 14), QTime(10, 30), Qt::UTC); };
  services.settings = nullptr;
  // The month's PDF goes beside the pictures.
  const QString folder = QString::fromLocal8Bit(argv[1]);
  services.chooseSaveFile = [folder](const QString&, const QString& suggested, const QString&) {
    return QDir(folder).filePath("saved-" + suggested);
  };
  MainWindow window(std::move(services));
  pointer = &window;
  // HORAVELA_TOUR_DIGITS=native pictures them with the language's own digits.
  if (qEnvironmentVariable("HORAVELA_TOUR_DIGITS") == "native")
    window.findChild<QAction*>("actNativeDigits")->setChecked(true);
  window.show();
  if (!QTest::qWaitForWindowExposed(&window)) return 1;
  Tour(window, QString::fromLocal8Bit(argv[1]), argc > 2 ? QString::fromLocal8Bit(argv[2]) : "")
      .Run();
  return 0;
}
