// The main window as a wizard: pages, captions, fixed lists, the subject
// catalogue, the hover highlight, Next and Back, menus and the single instance.
#include <QAction>
#include <QCheckBox>
#include <QDialog>
#include <QElapsedTimer>
#include <QKeySequence>
#include <QLocale>
#include <QMenuBar>
#include <QMouseEvent>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextEdit>

#include "app/atlas_city_field.h"
#include "app/clickable_label.h"
#include "app/single_instance.h"
#include "app/subject_catalogue.h"
#include "app_test_support.h"
#include "atlas/places.h"
#include "rules/subjects.h"

using horavela::app::AtlasCityField;
using horavela::app::MainWindow;
using horavela::app::MessageIcon;
using horavela::app::testing::Harness;
using horavela::app::testing::WhenModalOpens;

namespace {

QStringList Items(QComboBox* box) {
  QStringList items;
  for (int i = 0; i < box->count(); ++i) items << box->itemText(i);
  return items;
}

// "March 15 2026 Sunday 9:41": the election page's date, weekday and time.
QString ElectionMoment(Harness& h) {
  QStringList parts;
  for (const char* name : {"cboMuhurthaMonth", "cboMuhurthaDate", "cboMuhurthaYear",
                           "cboMuhurthaWeekday", "cboHourFrom"}) {
    parts << h.Find<QComboBox>(name)->currentText();
  }
  return parts.join(' ') + ":" + h.Find<QComboBox>("cboMinuteFrom")->currentText() +
         (h.Find<QComboBox>("cboSecondFrom")->currentIndex() == 0 ? "" : " with seconds");
}

// The election place as the page shows it: names, coordinates, zone captions.
QStringList ElectionPlace(Harness& h) {
  QStringList values;
  for (const char* name : {"txtCity", "txtState", "txtCountry", "txtDegreeLat", "txtMinuteLat",
                           "txtDegreeLong", "txtMinuteLong"}) {
    values << h.Find<QLineEdit>(name)->text();
  }
  values << h.Find<QLabel>("lblZoneOffset_Muhurtha")->text();
  return values;
}

QStringList Numbers(int first, int last) {
  QStringList numbers;
  for (int n = first; n <= last; ++n) numbers << QString::number(n);
  return numbers;
}

const QStringList kMonths = {"January", "February", "March",     "April",   "May",      "June",
                             "July",    "August",   "September", "October", "November", "December"};
const QStringList kWeekdays = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                               "Thursday", "Friday", "Saturday"};

QStringList ListTexts(QListWidget* list) {
  QStringList texts;
  for (int i = 0; i < list->count(); ++i) texts << list->item(i)->text();
  return texts;
}

QStringList Ticked(QListWidget* list) {
  QStringList texts;
  for (int i = 0; i < list->count(); ++i) {
    if (list->item(i)->checkState() == Qt::Checked) texts << list->item(i)->text();
  }
  return texts;
}

QColor TextColor(QLabel* label) {
  return label->palette().color(QPalette::WindowText);
}

}  // namespace

class WizardTest : public QObject {
  Q_OBJECT

 private slots:
  void windowPagesAndTitle() {
    Harness h;
    MainWindow& w = h.Open();
    QCOMPARE(w.objectName(), QString("frmMain"));
    QCOMPARE(w.windowTitle(), QString("Horavela v1.80"));
    for (const char* page :
         {"picMainScreen", "picSearchMode", "picBirthDetails", "picMessage", "picMuhurthaResult",
          "picResultBirth", "picMuhurthaDetails", "picResultMuhurtha", "picOptions"}) {
      QVERIFY2(w.findChild<QWidget*>(page) != nullptr, page);
    }
    QCOMPARE(h.CurrentPage(), QString("picMainScreen"));
    QCOMPARE(h.Find<QLabel>("lblMessage")->text(),
             QString("Horavela is generating Electional Chart Analysis. Please Wait ..."));
    QCOMPARE(h.Find<QLabel>("lblResult")->text(), QString("Muhurtha Result"));
    auto* tabs = h.Find<QTabWidget>("TS");
    QCOMPARE(tabs->count(), 5);  // the three results, the day at a glance, the month
    QCOMPARE(tabs->tabText(0), QString("Birth Details"));
    QCOMPARE(tabs->tabText(1), QString("Election Details"));
    QCOMPARE(tabs->tabText(2), QString("Electional Analysis"));
    QCOMPARE(tabs->tabText(3), QString("Day"));
    QCOMPARE(tabs->tabText(4), QString("Month"));
    QCOMPARE(tabs->widget(0)->objectName(), QString("picResultBirth"));
    QCOMPARE(tabs->widget(1)->objectName(), QString("picMuhurthaDetails"));
    QCOMPARE(tabs->widget(2)->objectName(), QString("picResultMuhurtha"));
    QCOMPARE(h.Find<QAbstractButton>("cmdSave")->text(), QString("&Print"));
    QVERIFY(h.Find<QTextEdit>("RTB")->isReadOnly());
  }

  void controlCaptions() {
    Harness h;
    h.Open();
    const std::vector<std::pair<QString, QString>> captions = {
        {"optLat_Muhurtha_0", "North"},
        {"optLat_Muhurtha_1", "South"},
        {"optLong_Muhurtha_0", "East"},
        {"optLong_Muhurtha_1", "West"},
        {"optLat_Birth_0", "North"},
        {"optLat_Birth_1", "South"},
        {"optLong_Birth_0", "East"},
        {"optLong_Birth_1", "West"},
        {"optSex_0", "Male"},
        {"optSex_1", "Female"},
        {"chkDST_Muhurtha", "DST"},
        {"chkDST_Birth", "DST"},
        {"cmdSearch_0", "Click here to find Latitude && Longitude"},
        {"cmdSearch_1", "Click here to find Latitude && Longitude"},
    };
    for (const auto& [name, caption] : captions) {
      QCOMPARE(h.Find<QAbstractButton>(name)->text(), caption);
    }
    for (const char* name : {"lblZoneHour_Muhurtha", "lblZoneMinute_Muhurtha", "lblZoneHour_Birth",
                             "lblZoneMinute_Birth"}) {
      QCOMPARE(h.Find<QLabel>(name)->text(), QString("0"));
    }
    QCOMPARE(h.Find<QLabel>("lblTZHelp_Muhurtha")->text(), QString("TZ Help"));
    QCOMPARE(h.Find<QLabel>("lblTZHelp_Birth")->text(), QString("TZ Help"));
    for (const char* name : {"optLat_Muhurtha_0", "optLong_Muhurtha_0", "optLat_Birth_0",
                             "optLong_Birth_0", "optSex_0"}) {
      QVERIFY2(h.Find<QAbstractButton>(name)->isChecked(), name);
    }
    QVERIFY(!h.Find<QCheckBox>("chkDST_Muhurtha")->isChecked());
    QVERIFY(!h.Find<QCheckBox>("chkDST_Birth")->isChecked());
    for (const char* name :
         {"txtBirthName", "txtCity", "txtState", "txtCountry", "txtDegreeLat", "txtMinuteLat",
          "txtDegreeLong", "txtMinuteLong", "txtBirthCity", "txtBirthState", "txtBirthCountry",
          "txtBirthDegreeLat", "txtBirthMinuteLat", "txtBirthDegreeLong", "txtBirthMinuteLong"}) {
      QVERIFY2(h.Find<QLineEdit>(name)->text().isEmpty(), name);
    }
  }

  void fixedListsAndInitialSelections() {
    Harness h;
    h.Open();
    for (const char* name : {"cboMonth", "cboMuhurthaMonth"})
      QCOMPARE(Items(h.Find<QComboBox>(name)), kMonths);
    for (const char* name : {"cboDate", "cboMuhurthaDate"})
      QCOMPARE(Items(h.Find<QComboBox>(name)), Numbers(1, 31));
    for (const char* name : {"cboYear", "cboMuhurthaYear"})
      QCOMPARE(Items(h.Find<QComboBox>(name)), Numbers(1901, 2050));
    for (const char* name : {"cboWeekday", "cboMuhurthaWeekday"})
      QCOMPARE(Items(h.Find<QComboBox>(name)), kWeekdays);
    for (const char* name : {"cboBirthHour", "cboHourFrom"})
      QCOMPARE(Items(h.Find<QComboBox>(name)), Numbers(0, 23));
    for (const char* name :
         {"cboBirthMinute", "cboMinuteFrom", "cboBirthSecond", "cboSecondFrom"}) {
      QCOMPARE(Items(h.Find<QComboBox>(name)), Numbers(0, 59));
    }
    // The birth date and weekday start empty, the birth time on its first
    // items; the election at the harness's clock, 15 March 2026 09:41 (changed
    // on purpose: the election date and time started on the first items).
    for (const char* name : {"cboMonth", "cboDate", "cboYear", "cboWeekday"}) {
      QVERIFY2(h.Find<QComboBox>(name)->currentIndex() == -1, name);
    }
    for (const char* name : {"cboBirthHour", "cboBirthMinute", "cboBirthSecond", "cboSecondFrom"}) {
      QVERIFY2(h.Find<QComboBox>(name)->currentIndex() == 0, name);
    }
    QCOMPARE(ElectionMoment(h), QString("March 15 2026 Sunday 9:41"));
    QCOMPARE(ListTexts(h.Find<QListWidget>("lstOptions")),
             QStringList({"Naming of The Child or Namakarana", "Tonsuring of Head",
                          "Piercing of the Ear or Karnavedha", "Thread Ceremony Or Upanayana",
                          "First feeding of Solid Food (Annaprasan)",
                          "Starting of Education (Aksharabhyasa)", "Adoption of a Child"}));
    QVERIFY(h.window->ElectionSubject().isEmpty());
  }

  void catalogueMatchesTheRuleSets() {
    // Every subject of the catalogue dispatches, in the rule sets' own order.
    QStringList catalogue;
    for (const auto& option : horavela::app::MainOptions()) {
      for (std::string_view subject : option.subjects)
        catalogue << QString::fromUtf8(subject.data(), subject.size());
    }
    QStringList dispatch;
    for (const auto& subject : horavela::kSubjects)
      dispatch << QString::fromUtf8(subject.text.data(), subject.text.size());
    QCOMPARE(catalogue, dispatch);
  }

  void mainOptionCaptionsAndSubjects_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QStringList>("subjects");
    QTest::newRow("0") << 0 << "Child Ceremonies"
                       << QStringList{"Naming of The Child or Namakarana",
                                      "Tonsuring of Head",
                                      "Piercing of the Ear or Karnavedha",
                                      "Thread Ceremony Or Upanayana",
                                      "First feeding of Solid Food (Annaprasan)",
                                      "Starting of Education (Aksharabhyasa)",
                                      "Adoption of a Child"};
    QTest::newRow("1") << 1 << "Marriage"
                       << QStringList{"Engagement", "Marriage", "First Entrance of the Bride"};
    QTest::newRow("2") << 2 << "Education"
                       << QStringList{
                              "Learning of a Trade",     "Learning of any Science",
                              "Learning Dance Or Music", "Learning Astrology Or Astronomy",
                              "Learning Medicine",       "Learning Grammar, Logic Or Philosophy"};
    QTest::newRow("3") << 3 << "Moving Into New Home"
                       << QStringList{"Entering a New House", "Entering a Rented House"};
    QTest::newRow("4") << 4 << "Start On A New Job" << QStringList{"Start On A New Job"};
    QTest::newRow("5") << 5 << "Start A New Business" << QStringList{"Start A New Business"};
    QTest::newRow("6") << 6 << "Travel"
                       << QStringList{"Domestic Journey", "Religious Journey", "Foreign Journey"};
    QTest::newRow("7") << 7 << "Construction"
                       << QStringList{"Laying the Foundation",
                                      "Starting the Construction of a House"};
    QTest::newRow("8") << 8 << "Financial Transactions"
                       << QStringList{"Lending Money", "Borrowing Money"};
    QTest::newRow("9") << 9 << "Legal" << QStringList{"Legal"};
    QTest::newRow("10") << 10 << "Medical Treatment"
                        << QStringList{
                               "Starting medical treatment for chronic disease or "
                               "recurring illness",
                               "Date for operations"};
    QTest::newRow("11") << 11 << "Buying and Selling"
                        << QStringList{"Buying Land", "Selling Land", "Buying Item", "Sell Item"};
  }

  void mainOptionCaptionsAndSubjects() {
    QFETCH(int, index);
    QFETCH(QString, caption);
    QFETCH(QStringList, subjects);
    Harness h;
    h.Open();
    const QString name = QString("lblMainOptions_%1").arg(index);
    QCOMPARE(h.Find<QLabel>(name)->text(), caption);
    h.ClickLabel(name);
    auto* list = h.Find<QListWidget>("lstOptions");
    QCOMPARE(ListTexts(list), subjects);
    QVERIFY(Ticked(list).isEmpty());
    for (int i = 0; i < list->count(); ++i) {
      QVERIFY(list->item(i)->flags() & Qt::ItemIsUserCheckable);
    }
  }

  void higherTickedSubjectWins() {
    Harness h;
    h.Open();
    h.ClickLabel("lblMainOptions_11");
    auto* list = h.Find<QListWidget>("lstOptions");
    list->item(1)->setCheckState(Qt::Checked);
    QCOMPARE(h.window->ElectionSubject(), QString("Selling Land"));
    // A second tick below the first: the first stays ticked and chosen.
    list->item(3)->setCheckState(Qt::Checked);
    QCOMPARE(Ticked(list), QStringList{"Selling Land"});
    QCOMPARE(h.window->ElectionSubject(), QString("Selling Land"));
    // A tick above it moves the choice.
    list->item(0)->setCheckState(Qt::Checked);
    QCOMPARE(Ticked(list), QStringList{"Buying Land"});
    QCOMPARE(h.window->ElectionSubject(), QString("Buying Land"));
    // Unticking the only ticked item leaves no subject.
    list->item(0)->setCheckState(Qt::Unchecked);
    QVERIFY(h.window->ElectionSubject().isEmpty());
  }

  void subjectKeptAfterChangingTheMainOption() {
    Harness h;
    h.Open();
    h.TickSubject(1, "Marriage");
    h.ClickLabel("lblMainOptions_6");
    QVERIFY(Ticked(h.Find<QListWidget>("lstOptions")).isEmpty());
    QCOMPARE(h.window->ElectionSubject(), QString("Marriage"));
    h.Click("cmdNext_0");
    QVERIFY(h.messages->shown.empty());
    QCOMPARE(h.CurrentPage(), QString("picSearchMode"));
  }

  void nextWithoutSubjectIsRefused() {
    Harness h;
    h.Open();
    h.Click("cmdNext_0");
    QCOMPARE(h.messages->Texts(), QStringList{"Please Select A Subject"});
    QVERIFY(h.messages->shown[0].icon == MessageIcon::Error);
    QCOMPARE(h.CurrentPage(), QString("picMainScreen"));
  }

  void backOnStartPageDoesNothing() {
    Harness h;
    h.Open();
    h.TickSubject(0, "Tonsuring of Head");
    h.Click("cmdBack_0");
    QCOMPARE(h.CurrentPage(), QString("picMainScreen"));
    QCOMPARE(h.window->ElectionSubject(), QString("Tonsuring of Head"));
    QCOMPARE(Ticked(h.Find<QListWidget>("lstOptions")), QStringList{"Tonsuring of Head"});
  }

  void hoverPaintsTheCaptionUnderThePointer() {
    Harness h;
    h.Open();
    auto* option = qobject_cast<horavela::app::ClickableLabel*>(h.Find<QLabel>("lblMainOptions_3"));
    QVERIFY(option != nullptr);
    const QColor black(0, 0, 0);
    const QColor green(0, 128, 0);
    QTest::mouseMove(option, QPoint(option->TextLeft() + 2, option->height() / 2));
    QTRY_COMPARE(TextColor(option), green);
    for (int i = 0; i < 12; ++i) {
      if (i != 3) QCOMPARE(TextColor(h.Find<QLabel>(QString("lblMainOptions_%1").arg(i))), black);
    }
    // Beyond the end of the caption's text it turns black again.
    if (option->TextRight() + 4 < option->width()) {
      QTest::mouseMove(option, QPoint(option->TextRight() + 4, option->height() / 2));
      QTRY_COMPARE(TextColor(option), black);
    }
    QTest::mouseMove(option, QPoint(option->TextLeft() + 2, option->height() / 2));
    QTRY_COMPARE(TextColor(option), green);
    // Over the start page itself every caption is black.
    auto* page = h.Find<QWidget>("picMainScreen");
    QTest::mouseMove(page, QPoint(page->width() - 3, 3));
    QTRY_COMPARE(TextColor(option), black);
  }

  // Back keeps every entry on both pages; coming forward again finds them.
  void backKeepsEveryEntry() {
    Harness h;
    h.Open();
    h.TickSubject(1, "Engagement");
    h.Click("cmdNext_0");
    h.FillElectionPage();
    h.Find<QAbstractButton>("optLat_Muhurtha_1")->setChecked(true);
    h.Click("cmdNext_1");
    h.FillBirthPage();
    h.Click("cmdBack_2");
    QCOMPARE(h.CurrentPage(), QString("picSearchMode"));
    h.Click("cmdBack_1");
    QCOMPARE(h.CurrentPage(), QString("picMainScreen"));
    h.Click("cmdNext_0");
    h.Click("cmdNext_1");
    QCOMPARE(h.CurrentPage(), QString("picBirthDetails"));
    for (const auto& [name, text] :
         std::vector<std::pair<const char*, const char*>>{{"txtCity", "New Delhi"},
                                                          {"txtDegreeLong", "77"},
                                                          {"txtBirthName", "Asha Rao"},
                                                          {"txtBirthCity", "Mumbai"},
                                                          {"txtBirthMinuteLong", "50"}}) {
      QCOMPARE(h.Find<QLineEdit>(name)->text(), QString(text));
    }
    QCOMPARE(h.Find<QComboBox>("cboMuhurthaYear")->currentText(), QString("2011"));
    QCOMPARE(h.Find<QComboBox>("cboYear")->currentText(), QString("1980"));
    QVERIFY(h.Find<QAbstractButton>("optLat_Muhurtha_1")->isChecked());
    QVERIFY(h.Find<QAbstractButton>("optSex_1")->isChecked());
  }

  // Back from the results returns to the start page with the subject still
  // ticked, whichever main option the list showed last.
  void backFromResultsKeepsSubjectAndEntries() {
    Harness h;
    h.Open();
    h.TickSubject(9, "Legal");
    h.Click("cmdNext_0");
    h.FillElectionPage();
    h.Click("cmdNext_1");
    h.FillBirthPage();
    h.Click("cmdNext_2");
    QCOMPARE(h.CurrentPage(), QString("picMuhurthaResult"));
    h.ClickLabel("lblMainOptions_2");
    h.Click("cmdBack_4");
    QCOMPARE(h.CurrentPage(), QString("picMainScreen"));
    QCOMPARE(h.window->ElectionSubject(), QString("Legal"));
    QCOMPARE(Ticked(h.Find<QListWidget>("lstOptions")), QStringList{"Legal"});
    QCOMPARE(h.Find<QLineEdit>("txtBirthName")->text(), QString("Asha Rao"));
  }

  // A new evaluation, by File > New Evaluation or at the next start, begins
  // at the clock's date and time at the election place of the last one: in
  // its atlas zone, else by its zone captions, else as the computer's clock
  // reads (here 23:50 at UTC+0 on 1 July 2026).
  void aNewEvaluationStartsNowAtTheLastPlace_data() {
    QTest::addColumn<QString>("place");  // how the last evaluation's place was given
    QTest::addColumn<QString>("moment");
    QTest::addColumn<QStringList>("shown");
    QTest::newRow("nothing evaluated yet")
        << ""
        << "July 1 2026 Wednesday 23:50" << QStringList{"", "", "", "", "", "", "", "UTC+00:00"};
    QTest::newRow("typed by hand on Indian time")
        << "typed"
        << "July 2 2026 Thursday 5:20"
        << QStringList{"New Delhi", "Delhi", "India", "28", "36", "77", "12", "UTC+05:30"};
    QTest::newRow("New York from the atlas, in summer time")
        << "atlas"
        << "July 1 2026 Wednesday 19:50"
        << QStringList{"New York", "New York", "United States of America", "40", "43", "74",
                       "0",        "UTC-04:00"};
  }

  void aNewEvaluationStartsNowAtTheLastPlace() {
    QFETCH(QString, place);
    QFETCH(QString, moment);
    QFETCH(QStringList, shown);
    Harness h;
    h.Open();
    if (!place.isEmpty()) {
      h.WalkToBirthPage(4, "Start On A New Job", place == "typed");
      if (place == "atlas") {
        const std::vector<horavela::Place> found = horavela::FindPlaces("New York", 1);
        QCOMPARE(found.size(), std::size_t{1});
        h.window->findChild<AtlasCityField*>("atlas_Muhurtha")->ChoosePlace(found.front());
      }
      h.Click("cmdNext_2");
      QCOMPARE(h.CurrentPage(), QString("picMuhurthaResult"));
    }
    h.now = QDateTime(QDate(2026, 7, 1), QTime(23, 50, 40), QTimeZone(0));
    h.Find<QAction>("mnuNewEvaluation")->trigger();
    QCOMPARE(ElectionMoment(h), moment);
    QCOMPARE(ElectionPlace(h), shown);
    // The same in a new window on the same settings, as after a restart.
    h.window.reset();
    h.Open();
    QCOMPARE(ElectionMoment(h), moment);
    QCOMPARE(ElectionPlace(h), shown);
    QVERIFY(h.messages->shown.empty());
  }

  // Settings edited by hand: what is no place on Earth starts an empty page,
  // a zone the system lacks leaves the captions kept with it.
  void aDamagedLastPlaceIsLeftOut_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QStringList>("shown");
    const QStringList empty = {"", "", "", "", "", "", "", "UTC+00:00"};
    QTest::newRow("a latitude beyond the pole") << "latitudeDegrees"
                                                << "95" << empty;
    QTest::newRow("a zone this system lacks")
        << "tz"
        << "Mars/Olympus_Mons"
        << QStringList{"New Delhi", "Delhi", "India", "28", "36", "77", "12", "UTC+05:30"};
  }

  void aDamagedLastPlaceIsLeftOut() {
    QFETCH(QString, key);
    QFETCH(QString, value);
    QFETCH(QStringList, shown);
    Harness h;
    h.Open();
    h.Evaluate(4, "Start On A New Job", true);
    {
      QSettings settings(h.bookFolder->filePath("settings.ini"), QSettings::IniFormat);
      settings.setValue("lastPlace/" + key, value);
    }
    h.window.reset();
    h.Open();
    QCOMPARE(ElectionPlace(h), shown);
    QVERIFY(h.messages->shown.empty());
  }

  // File > New Evaluation clears what Back used to clear, and the zone, DST,
  // sides and sex as well.
  void newEvaluationStartsAfresh() {
    Harness h;
    h.Open();
    h.TickSubject(1, "Engagement");
    h.Click("cmdNext_0");
    h.FillElectionPage();
    h.Find<QAbstractButton>("optLat_Muhurtha_1")->setChecked(true);
    h.Find<QCheckBox>("chkDST_Muhurtha")->setChecked(true);
    h.Find<QLabel>("lblZoneHour_Muhurtha")->setText("-5");
    h.Click("cmdNext_1");
    h.FillBirthPage();
    QAction* renew = h.Find<QAction>("mnuNewEvaluation");
    QCOMPARE(renew->text(), QString("&New Evaluation"));
    QCOMPARE(renew->shortcut(), QKeySequence("Ctrl+N"));
    renew->trigger();
    QCOMPARE(h.CurrentPage(), QString("picMainScreen"));
    QVERIFY(h.window->ElectionSubject().isEmpty());
    QVERIFY(Ticked(h.Find<QListWidget>("lstOptions")).isEmpty());
    for (const char* name :
         {"txtCity", "txtState", "txtCountry", "txtDegreeLat", "txtMinuteLat", "txtDegreeLong",
          "txtMinuteLong", "txtBirthName", "txtBirthCity", "txtBirthState", "txtBirthCountry",
          "txtBirthDegreeLat", "txtBirthMinuteLat", "txtBirthDegreeLong", "txtBirthMinuteLong"}) {
      QVERIFY2(h.Find<QLineEdit>(name)->text().isEmpty(), name);
    }
    // The page reset selects the first items, so the birth date reads January
    // 1 1901; the election starts at the clock (nothing was evaluated, so at
    // no place).
    QCOMPARE(h.Find<QComboBox>("cboYear")->currentText(), QString("1901"));
    QCOMPARE(ElectionMoment(h), QString("March 15 2026 Sunday 9:41"));
    QCOMPARE(h.Find<QLabel>("lblZoneHour_Muhurtha")->text(), QString("0"));
    QCOMPARE(h.Find<QLabel>("lblZoneOffset_Muhurtha")->text(), QString("UTC+00:00"));
    QVERIFY(!h.Find<QCheckBox>("chkDST_Muhurtha")->isChecked());
    QVERIFY(h.Find<QAbstractButton>("optLat_Muhurtha_0")->isChecked());
    QVERIFY(h.Find<QAbstractButton>("optSex_0")->isChecked());
  }

  // A click on a subject's text chooses it as a click on its tick box does,
  // and the input pages name it.
  void clickOnSubjectTextChoosesIt() {
    Harness h;
    h.Open();
    h.ClickLabel("lblMainOptions_1");
    auto* list = h.Find<QListWidget>("lstOptions");
    const auto clickText = [list](int row) {
      const QRect item = list->visualItemRect(list->item(row));
      QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, item.center() + QPoint(40, 0));
    };
    clickText(1);
    QCOMPARE(h.window->ElectionSubject(), QString("Marriage"));
    QCOMPARE(Ticked(list), QStringList{"Marriage"});
    clickText(2);
    QCOMPARE(Ticked(list), QStringList{"First Entrance of the Bride"});
    h.Click("cmdNext_0");
    QCOMPARE(h.Find<QLabel>("lblActivity_Muhurtha")->text(),
             QString("Activity: First Entrance of the Bride"));
    QCOMPARE(h.Find<QLabel>("lblActivity_Birth")->text(),
             QString("Activity: First Entrance of the Bride"));
  }

  // After each Next the keyboard is in the page's first entry, and Enter
  // means Next even on a focused button: never the finder.
  void focusAndEnterAfterNext() {
    Harness h;
    h.Open();
    h.TickSubject(1, "Marriage");
    h.Click("cmdNext_0");
    QCOMPARE(QApplication::focusWidget()->objectName(), QString("cboMuhurthaMonth"));
    h.FillElectionPage();
    auto* finder = h.Find<QAbstractButton>("cmdFindTimes");
    finder->setFocus();
    QTest::keyClick(finder, Qt::Key_Return);
    QCOMPARE(h.CurrentPage(), QString("picBirthDetails"));
    QCOMPARE(QApplication::focusWidget()->objectName(), QString("txtBirthName"));
    QVERIFY(h.window->findChild<QDialog*>("frmFindTimes") == nullptr);
    QCOMPARE(h.Find<QAction>("mnuExit")->shortcut(), QKeySequence("Ctrl+Q"));
  }

  // A person born after the moment judged for them is refused with both dates.
  void birthAfterElectionIsRefused() {
    Harness h;
    h.Open();
    h.TickSubject(1, "Marriage");
    h.Click("cmdNext_0");
    h.FillElectionPage("2024", "November", "14");
    h.Click("cmdNext_1");
    h.FillBirthPage("2024");
    h.Select("cboMonth", "December");
    h.Select("cboDate", "20");
    h.Click("cmdNext_2");
    QCOMPARE(h.CurrentPage(), QString("picBirthDetails"));
    QCOMPARE(h.messages->Texts(),
             QStringList{"The birth, 20 December 2024 at 07:05, is later than the election "
                         "moment, 14 November 2024 at 10:30. A moment can only be judged for "
                         "someone already born: correct the birth date or the election date."});
    QCOMPARE(QApplication::focusWidget()->objectName(), QString("cboYear"));
    QVERIFY(!h.window->LastEvaluation().has_value());
  }

  void enterActsAsNextOutsideFilteredFields() {
    Harness h;
    h.Open();
    h.TickSubject(9, "Legal");
    auto* list = h.Find<QListWidget>("lstOptions");
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Return);
    QCOMPARE(h.CurrentPage(), QString("picSearchMode"));
    auto* month = h.Find<QComboBox>("cboMuhurthaMonth");
    month->setFocus();
    QTest::keyClick(month, Qt::Key_Return);
    // The election page check ran: the first empty field is named.
    QCOMPARE(h.messages->Texts(), QStringList{"Please Enter Degree in Latitude"});
    QCOMPARE(h.CurrentPage(), QString("picSearchMode"));
    // Enter on a focused Back button means Next as well; Space presses it.
    auto* back = h.Find<QAbstractButton>("cmdBack_1");
    back->setFocus();
    QTest::keyClick(back, Qt::Key_Return);
    QCOMPARE(h.CurrentPage(), QString("picSearchMode"));
    QTest::keyClick(back, Qt::Key_Space);
    QCOMPARE(h.CurrentPage(), QString("picMainScreen"));
  }

  void tabOrderFollowsTheElectionPage() {
    Harness h;
    h.Open();
    h.TickSubject(9, "Legal");
    h.Click("cmdNext_0");
    h.Find<QWidget>("cboMuhurthaMonth")->setFocus();
    QStringList visited{QApplication::focusWidget()->objectName()};
    for (int i = 0; i < 20; ++i) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(
        visited,
        QStringList(
            {"cboMuhurthaMonth",   "cboMuhurthaDate",   "cboMuhurthaYear",    "cboMuhurthaWeekday",
             "cboHourFrom",        "cboMinuteFrom",     "cboSecondFrom",      "txtCity",
             "txtState",           "txtCountry",        "cmdSearch_0",        "txtDegreeLat",
             "txtMinuteLat",       "optLat_Muhurtha_0", "txtDegreeLong",      "txtMinuteLong",
             "optLong_Muhurtha_0", "chkDST_Muhurtha",   "lblTZHelp_Muhurtha", "cmdBack_1",
             "cmdNext_1"}));
  }

  // 1280x800 at 200% scaling leaves 640x400 logical pixels, less the title
  // bar; every page must fit, Back and Next included (scrolling where needed).
  void everyPageFitsASmallScreen() {
    Harness h;
    h.Open();
    const QSize fits(640, 370);
    auto* stack = h.window->findChild<QStackedWidget*>("stkPages");
    for (int page = 0; page < stack->count(); ++page) {
      stack->setCurrentIndex(page);
      const QSize needed = h.window->minimumSizeHint().expandedTo(h.window->minimumSize());
      QVERIFY2(needed.width() <= fits.width() && needed.height() <= fits.height(),
               qPrintable(QString("%1 needs %2x%3")
                              .arg(stack->currentWidget()->objectName())
                              .arg(needed.width())
                              .arg(needed.height())));
    }
  }

  void helpMenuOpensOurPages() {
    Harness h;
    MainWindow& w = h.Open();
    QCOMPARE(h.Find<QMenu>("mnuFile")->title(), QString("&File"));
    QCOMPARE(h.Find<QMenu>("mnuHelp")->title(), QString("&Help"));
    QCOMPARE(h.Find<QAction>("mnuExit")->text(), QString("E&xit"));
    const std::vector<std::pair<QString, QString>> entries = {
        {"mnuOnlineHelp", "&Online Help"},
        {"mnuVisitUs", "&Visit Us Online"},
        {"mnuUpdate", "Check for Software &Update"}};
    for (const auto& [name, caption] : entries) {
      QAction* action = h.Find<QAction>(name);
      QCOMPARE(action->text(), caption);
      action->trigger();
    }
    QCOMPARE(h.openedUrls.size(), std::size_t{3});
    for (const QUrl& url : h.openedUrls) {
      QVERIFY2(url.toString().startsWith("https://horavela.org"), qPrintable(url.toString()));
    }
    QCOMPARE(h.Find<QAction>("mnuAbout")->text(), QString("&About Software"));
    QString aboutTitle;
    bool modal = false;
    WhenModalOpens([&](QWidget* box) {
      aboutTitle = box->windowTitle();
      modal = box->isModal();
      static_cast<QDialog*>(box)->accept();
    });
    h.Find<QAction>("mnuAbout")->trigger();
    QCOMPARE(aboutTitle, QString("About Horavela"));
    QVERIFY(modal);
    h.Find<QAction>("mnuExit")->trigger();
    QVERIFY(!w.isVisible());
  }

  void realPauseWaitsAndSwallowsInput() {
    Harness h;
    h.Open();
    h.TickSubject(9, "Legal");
    // A click already queued when the pause begins is thrown away, not kept for later.
    auto* next = h.Find<QAbstractButton>("cmdNext_0");
    const QPoint centre = next->rect().center();
    QCoreApplication::postEvent(
        next, new QMouseEvent(QEvent::MouseButtonPress, centre, next->mapToGlobal(centre),
                              Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
    QCoreApplication::postEvent(
        next, new QMouseEvent(QEvent::MouseButtonRelease, centre, next->mapToGlobal(centre),
                              Qt::LeftButton, Qt::NoButton, Qt::NoModifier));
    int timerRuns = 0;
    QTimer::singleShot(10, [&timerRuns] { ++timerRuns; });
    QElapsedTimer clock;
    clock.start();
    horavela::app::PauseIgnoringInput(150);
    QVERIFY(clock.elapsed() >= 140);
    QCOMPARE(timerRuns, 1);  // the event loop kept running
    QCoreApplication::processEvents();
    QCOMPARE(h.CurrentPage(), QString("picMainScreen"));
    // Outside a pause the same click goes through.
    QTest::mouseClick(next, Qt::LeftButton);
    QCOMPARE(h.CurrentPage(), QString("picSearchMode"));
  }

  void secondInstanceIsTurnedAway() {
    QTemporaryDir folder;
    const QString path = folder.filePath("horavela.lock");
    horavela::app::SingleInstance first(path);
    QVERIFY(first.Acquire());
    QVERIFY(first.Acquire());  // asking again does not lock us out
    {
      horavela::app::SingleInstance second(path);
      QVERIFY(!second.Acquire());
    }
  }

  void lockIsFreedWhenTheFirstCopyEnds() {
    QTemporaryDir folder;
    const QString path = folder.filePath("horavela.lock");
    {
      horavela::app::SingleInstance first(path);
      QVERIFY(first.Acquire());
    }
    horavela::app::SingleInstance next(path);
    QVERIFY(next.Acquire());
  }
};

HORAVELA_APP_TEST_MAIN(WizardTest)
#include "wizard_test.moc"
