// Keystroke filters, pasted and dropped text, the page checks with their
// messages, icons and focus, and the place search.
#include <QAction>
#include <QClipboard>
#include <QDropEvent>
#include <QLocale>
#include <QMimeData>
#include <QPushButton>
#include <QToolTip>
#include <QWheelEvent>

#include "app/filtered_line_edit.h"
#include "app/page_checks.h"
#include "app_test_support.h"
#include "engine/input_check.h"

using horavela::app::AppServices;
using horavela::app::CharacterRule;
using horavela::app::MessageIcon;
using horavela::app::testing::Harness;
using horavela::app::testing::WhenModalOpens;

namespace {

const QStringList kPlaceFields = {"txtCity",      "txtState",      "txtCountry",
                                  "txtBirthCity", "txtBirthState", "txtBirthCountry"};
const QStringList kNumberFields = {"txtDegreeLat",       "txtMinuteLat",      "txtDegreeLong",
                                   "txtMinuteLong",      "txtBirthDegreeLat", "txtBirthMinuteLat",
                                   "txtBirthDegreeLong", "txtBirthMinuteLong"};

// Puts the window on `page` with a subject chosen.
void GoTo(Harness& h, const QString& page) {
  h.TickSubject(1, "Marriage");
  h.Click("cmdNext_0");
  if (page == "picSearchMode") return;
  h.FillElectionPage();
  h.Click("cmdNext_1");
  if (h.CurrentPage() != page) throw std::runtime_error("could not reach " + page.toStdString());
}

}  // namespace

class InputTest : public QObject {
  Q_OBJECT

 private slots:
  void keyRules_data() {
    QTest::addColumn<int>("rule");
    QTest::addColumn<int>("code");
    QTest::addColumn<bool>("accepted");
    const int letters = static_cast<int>(CharacterRule::Letters);
    const int digits = static_cast<int>(CharacterRule::Digits);
    // Edges of the accepted ranges and their neighbours.
    const std::vector<std::tuple<const char*, int, int, bool>> rows = {
        {"letters A", letters, 'A', true},
        {"letters Z", letters, 'Z', true},
        {"letters @", letters, '@', false},
        {"letters [", letters, '[', false},
        {"letters a", letters, 'a', true},
        {"letters z", letters, 'z', true},
        {"letters `", letters, '`', false},
        {"letters {", letters, '{', false},
        {"letters blank", letters, ' ', true},
        {"letters 5", letters, '5', false},
        {"letters -", letters, '-', true},
        {"letters backspace", letters, 8, true},
        {"letters delete", letters, 127, true},
        {"letters enter", letters, 13, false},
        {"letters ctrl-v", letters, 22, false},
        {"letters e-acute", letters, 0xE9, true},
        {"letters .", letters, '.', true},
        {"letters '", letters, '\'', true},
        {"letters ,", letters, ',', false},
        {"letters devanagari ma", letters, 0x092E, true},
        {"letters vowel sign u", letters, 0x0941, true},
        {"letters right quote", letters, 0x2019, true},
        {"letters arabic-indic 5", letters, 0x0665, false},
        {"digits 0", digits, '0', true},
        {"digits 9", digits, '9', true},
        {"digits /", digits, '/', false},
        {"digits :", digits, ':', false},
        {"digits -", digits, '-', false},
        {"digits .", digits, '.', false},
        {"digits blank", digits, ' ', false},
        {"digits a", digits, 'a', false},
        {"digits backspace", digits, 8, true},
        {"digits delete", digits, 127, true},
        {"digits enter", digits, 13, false},
        {"digits ctrl-c", digits, 3, false},
    };
    for (const auto& [name, rule, code, accepted] : rows) {
      QTest::newRow(name) << rule << code << accepted;
    }
  }

  void keyRules() {
    QFETCH(int, rule);
    QFETCH(int, code);
    QFETCH(bool, accepted);
    QCOMPARE(
        horavela::app::IsAcceptedKey(static_cast<CharacterRule>(rule), static_cast<char16_t>(code)),
        accepted);
  }

  void placeFieldsRefuseDigits() {
    Harness h;
    h.Open();
    GoTo(h, "picSearchMode");
    for (const QString& name : kPlaceFields) {
      if (name == "txtBirthCity") {
        h.FillElectionPage();
        h.Click("cmdNext_1");
      }
      h.messages->shown.clear();
      auto* field = h.Find<QLineEdit>(name);
      field->clear();
      field->setFocus();
      QTest::keyClicks(field, "Ab c5");
      QCOMPARE(field->text(), QString("Ab c"));
      QCOMPARE(h.messages->Texts(), QStringList{"Only characters are accepted."});
      QVERIFY(h.messages->shown[0].icon == MessageIcon::Error);
      QCOMPARE(QApplication::focusWidget(), field);
    }
  }

  void numberFieldsRefuseSignsAndPoints() {
    Harness h;
    h.Open();
    GoTo(h, "picSearchMode");
    for (const QString& name : kNumberFields) {
      if (name == "txtBirthDegreeLat") {
        h.FillElectionPage();
        h.Click("cmdNext_1");
      }
      auto* field = h.Find<QLineEdit>(name);
      for (const char* key : {"-", ".", "a", " "}) {
        h.messages->shown.clear();
        field->clear();
        field->setFocus();
        QTest::keyClicks(field, QString("12") + key);
        QCOMPARE(field->text(), QString("12"));
        QCOMPARE(h.messages->Texts(), QStringList{"Only numbers are accepted."});
      }
      // Backspace and delete are keys the field takes.
      h.messages->shown.clear();
      QTest::keyClick(field, Qt::Key_Backspace);
      QTest::keyClick(field, Qt::Key_Home);
      QTest::keyClick(field, Qt::Key_Delete);
      QCOMPARE(field->text(), QString());
      QVERIFY(h.messages->shown.empty());
    }
  }

  // Only printable characters are judged: chords and keys without a
  // character do what they do in any text box, and Enter means Next.
  void keysAndChords_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("initial");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<bool>("refused");
    const int ctrl = Qt::ControlModifier;
    // Each row starts with the cursor at the end of the text and "Pune 4" on
    // the clipboard.
    using Row = std::tuple<const char*, const char*, const char*, int, int, const char*, bool>;
    const std::vector<Row> rows = {
        {"city ctrl-a then x", "txtCity", "Delhi", Qt::Key_A, ctrl, "", false},
        {"city ctrl-c", "txtCity", "Delhi", Qt::Key_C, ctrl, "Delhi", false},
        {"city ctrl-v keeps the letters", "txtCity", "Delhi", Qt::Key_V, ctrl, "DelhiPune ", true},
        {"city ctrl-x", "txtCity", "Delhi", Qt::Key_X, ctrl, "Delhi", false},
        {"city ctrl-z", "txtCity", "Delhi", Qt::Key_Z, ctrl, "Delhi", false},
        {"city left", "txtCity", "Delhi", Qt::Key_Left, 0, "Delhi", false},
        {"city home", "txtCity", "Delhi", Qt::Key_Home, 0, "Delhi", false},
        {"city backspace", "txtCity", "Delhi", Qt::Key_Backspace, 0, "Delh", false},
        {"city hyphen", "txtCity", "Delhi", Qt::Key_Minus, 0, "Delhi-", false},
        {"city digit", "txtCity", "Delhi", Qt::Key_5, 0, "Delhi", true},
        {"city comma", "txtCity", "Delhi", Qt::Key_Comma, 0, "Delhi", true},
        {"degrees ctrl-v keeps the digit", "txtDegreeLat", "12", Qt::Key_V, ctrl, "124", true},
        {"degrees ctrl-a", "txtDegreeLat", "12", Qt::Key_A, ctrl, "", false},
    };
    for (const auto& [name, field, initial, key, modifiers, expected, refused] : rows) {
      QTest::newRow(name) << field << initial << key << modifiers << expected << refused;
    }
  }

  void keysAndChords() {
    QFETCH(QString, field);
    QFETCH(QString, initial);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, expected);
    QFETCH(bool, refused);
    Harness h;
    h.Open();
    GoTo(h, "picSearchMode");
    auto* edit = h.Find<QLineEdit>(field);
    edit->setText(initial);
    edit->setFocus();
    edit->end(false);
    QApplication::clipboard()->setText("Pune 4");
    QTest::keyClick(edit, static_cast<Qt::Key>(key), Qt::KeyboardModifiers(modifiers));
    // Select all is judged by what the next key does with the selection.
    if (key == Qt::Key_A) QTest::keyClick(edit, Qt::Key_Backspace);
    QCOMPARE(edit->text(), expected);
    QCOMPARE(h.messages->shown.size(), std::size_t{refused ? 1u : 0u});
    QCOMPARE(h.CurrentPage(), QString("picSearchMode"));
  }

  void enterInFilteredFieldMeansNext() {
    Harness h;
    h.Open();
    GoTo(h, "picSearchMode");
    auto* degrees = h.Find<QLineEdit>("txtDegreeLat");
    degrees->setFocus();
    QTest::keyClick(degrees, Qt::Key_Return);
    // The election page check ran: the first empty field is named.
    QCOMPARE(h.messages->Texts(), QStringList{"Please Enter Degree in Latitude"});
    h.FillElectionPage();
    auto* minutes = h.Find<QLineEdit>("txtMinuteLong");
    minutes->setFocus();
    QTest::keyClick(minutes, Qt::Key_Enter);
    QCOMPARE(h.CurrentPage(), QString("picBirthDetails"));
  }

  void realPlaceNamesCanBeTyped() {
    Harness h;
    h.Open();
    GoTo(h, "picSearchMode");
    for (const QString& name :
         {QString("Port-au-Prince"), QString("Coeur d'Alene"), QString("St. John's"),
          QString::fromUtf8("São Paulo"), QString::fromUtf8("मुंबई")}) {
      auto* city = h.Find<QLineEdit>("txtCity");
      city->clear();
      city->setFocus();
      // One key press per character, as an input method delivers other scripts.
      for (QChar c : name) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(city, &press);
      }
      QCOMPARE(city->text(), name);
    }
    QVERIFY(h.messages->shown.empty());
  }

  // A refused key on the desktop is a note beside the field, not a box that
  // stops the typing until dismissed.
  void refusedKeyOpensNoModalBox() {
    QLineEdit field;
    field.show();
    QVERIFY(QTest::qWaitForWindowExposed(&field));
    AppServices services = horavela::app::DesktopServices([&field] { return &field; });
    services.messages->Notify(&field, "Only numbers are accepted.");
    QVERIFY(QApplication::activeModalWidget() == nullptr);
    QCOMPARE(QToolTip::text(), QString("Only numbers are accepted."));
  }

  void nameFieldHasNoFilter() {
    Harness h;
    h.Open();
    GoTo(h, "picBirthDetails");
    h.Type("txtBirthName", "R. K. Narayan 2nd");
    QCOMPARE(h.Find<QLineEdit>("txtBirthName")->text(), QString("R. K. Narayan 2nd"));
    QVERIFY(h.messages->shown.empty());
  }

  // A paste or a drop keeps the characters the field accepts and drops the rest.
  void pasteKeepsTheAcceptedCharacters() {
    Harness h;
    h.Open();
    auto* degrees = h.Find<QLineEdit>("txtDegreeLat");
    degrees->setFocus();
    QTest::keyClicks(degrees, "1");
    QApplication::clipboard()->setText("2-5");
    degrees->paste();  // what the context menu and the middle button do
    QCOMPARE(degrees->text(), QString("125"));
    QCOMPARE(h.messages->Texts(), QStringList{"Only numbers are accepted."});
    QApplication::clipboard()->setText("3");
    degrees->setCursorPosition(1);
    degrees->paste();
    QCOMPARE(degrees->text(), QString("1325"));
    QCOMPARE(degrees->cursorPosition(), 2);
    QCOMPARE(h.messages->shown.size(), std::size_t{1});

    auto* city = h.Find<QLineEdit>("txtCity");
    city->setFocus();
    QApplication::clipboard()->setText("Delhi 6");
    city->paste();
    QCOMPARE(city->text(), QString("Delhi "));
    QCOMPARE(h.messages->Texts().last(), QString("Only characters are accepted."));
  }

  void dropKeepsTheAcceptedCharacters() {
    Harness h;
    h.Open();
    auto* minutes = h.Find<QLineEdit>("txtMinuteLong");
    QMimeData bad;
    bad.setText("4.5");
    QDropEvent drop(QPointF(2, 2), Qt::CopyAction, &bad, Qt::LeftButton, Qt::NoModifier);
    // Straight to the field, as the drag and drop machinery hands it over.
    static_cast<QObject*>(minutes)->event(&drop);
    QCOMPARE(minutes->text(), QString("45"));
    QCOMPARE(h.messages->Texts(), QStringList{"Only numbers are accepted."});
  }

  void subjectCheck() {
    Harness h;
    h.Open();
    h.Click("cmdNext_0");
    QCOMPARE(h.messages->Texts(), QStringList{"Please Select A Subject"});
  }

  void electionPageCheckOrder_data() {
    QTest::addColumn<QStringList>("filled");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");
    QTest::newRow("none") << QStringList{} << "Please Enter Degree in Latitude"
                          << "txtDegreeLat";
    QTest::newRow("lat deg") << QStringList{"txtDegreeLat"} << "Please Enter Minute in Latitude"
                             << "txtMinuteLat";
    QTest::newRow("lat") << QStringList{"txtDegreeLat", "txtMinuteLat"}
                         << "Please Enter Degree in Longitude"
                         << "txtDegreeLong";
    QTest::newRow("all but one") << QStringList{"txtDegreeLat", "txtMinuteLat", "txtDegreeLong"}
                                 << "Please Enter Minute in Longitude"
                                 << "txtMinuteLong";
    QTest::newRow("long only") << QStringList{"txtDegreeLong", "txtMinuteLong"}
                               << "Please Enter Degree in Latitude"
                               << "txtDegreeLat";
  }

  void electionPageCheckOrder() {
    QFETCH(QStringList, filled);
    QFETCH(QString, message);
    QFETCH(QString, focus);
    Harness h;
    h.Open();
    GoTo(h, "picSearchMode");
    for (const QString& name : filled) h.Type(name, "10");
    h.Find<QAbstractButton>("cmdNext_1")->setFocus();
    h.Click("cmdNext_1");
    QCOMPARE(h.messages->Texts(), QStringList{message});
    QVERIFY(h.messages->shown[0].icon == MessageIcon::Error);
    QCOMPARE(QApplication::focusWidget()->objectName(), focus);
    QCOMPARE(h.CurrentPage(), QString("picSearchMode"));
  }

  void blanksCountAsEmptyInPageChecks() {
    Harness h;
    h.Open();
    GoTo(h, "picBirthDetails");
    h.Find<QLineEdit>("txtBirthName")->setText("   ");
    h.Click("cmdNext_2");
    QCOMPARE(h.messages->Texts(), QStringList{"Please Enter Your Name"});
  }

  void birthPageCheckOrder() {
    Harness h;
    h.Open();
    GoTo(h, "picBirthDetails");
    // Empty name and empty latitude: only the name is named.
    h.Click("cmdNext_2");
    QCOMPARE(h.messages->Texts(), QStringList{"Please Enter Your Name"});
    QCOMPARE(QApplication::focusWidget()->objectName(), QString("txtBirthName"));
    const std::vector<std::pair<QString, QString>> steps = {
        {"txtBirthName", "Please Enter Degree in Latitude"},
        {"txtBirthDegreeLat", "Please Enter Minute in Latitude"},
        {"txtBirthMinuteLat", "Please Enter Degree in Longitude"},
        {"txtBirthDegreeLong", "Please Enter Minute in Longitude"},
        {"txtBirthMinuteLong", "Please Select Birth Date"},
    };
    const std::vector<QString> focus = {"txtBirthDegreeLat", "txtBirthMinuteLat",
                                        "txtBirthDegreeLong", "txtBirthMinuteLong", "cboMonth"};
    for (std::size_t i = 0; i < steps.size(); ++i) {
      h.messages->shown.clear();
      h.Type(steps[i].first, steps[i].first == "txtBirthName" ? "Ravi" : "10");
      h.Click("cmdNext_2");
      QCOMPARE(h.messages->Texts(), QStringList{steps[i].second});
      QVERIFY(h.messages->shown[0].icon == MessageIcon::Error);
      QCOMPARE(QApplication::focusWidget()->objectName(), focus[i]);
      QCOMPARE(h.CurrentPage(), QString("picBirthDetails"));
    }
  }

  void birthDateMustBeChosen() {
    // The focus goes to the first empty date box.
    Harness h;
    h.Open();
    GoTo(h, "picBirthDetails");
    h.FillBirthPage();
    h.Find<QComboBox>("cboDate")->setCurrentIndex(-1);
    h.Find<QComboBox>("cboYear")->setCurrentIndex(-1);
    h.Click("cmdNext_2");
    QCOMPARE(h.messages->Texts(), QStringList{"Please Select Birth Date"});
    QCOMPARE(QApplication::focusWidget()->objectName(), QString("cboDate"));
    QVERIFY(h.pauses.empty());
    QCOMPARE(h.CurrentPage(), QString("picBirthDetails"));
  }

  void impossibleCoordinatesAreRefused_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");
    QTest::newRow("lat 95") << "DegreeLat"
                            << "95"
                            << "Latitude degrees must be between 0 and 90"
                            << "DegreeLat";
    QTest::newRow("lat 91") << "DegreeLat"
                            << "91"
                            << "Latitude degrees must be between 0 and 90"
                            << "DegreeLat";
    QTest::newRow("lat min 75") << "MinuteLat"
                                << "75"
                                << "Latitude minutes must be between 0 and 59"
                                << "MinuteLat";
    QTest::newRow("lat min 60") << "MinuteLat"
                                << "60"
                                << "Latitude minutes must be between 0 and 59"
                                << "MinuteLat";
    QTest::newRow("long 181") << "DegreeLong"
                              << "181"
                              << "Longitude degrees must be between 0 and 180"
                              << "DegreeLong";
    QTest::newRow("long huge") << "DegreeLong"
                               << "99999999999999999999"
                               << "Longitude degrees must be between 0 and 180"
                               << "DegreeLong";
    QTest::newRow("long min 60") << "MinuteLong"
                                 << "60"
                                 << "Longitude minutes must be between 0 and 59"
                                 << "MinuteLong";
  }

  void impossibleCoordinatesAreRefused() {
    QFETCH(QString, field);
    QFETCH(QString, value);
    QFETCH(QString, message);
    QFETCH(QString, focus);
    for (const QString prefix : {"txt", "txtBirth"}) {
      Harness h;
      h.Open();
      GoTo(h, prefix == "txt" ? "picSearchMode" : "picBirthDetails");
      if (prefix == "txtBirth")
        h.FillBirthPage();
      else
        h.FillElectionPage();
      auto* edit = h.Find<QLineEdit>(prefix + field);
      edit->setText(value);
      h.messages->shown.clear();
      h.Click(prefix == "txt" ? "cmdNext_1" : "cmdNext_2");
      QCOMPARE(h.messages->Texts(), QStringList{message});
      QVERIFY(h.messages->shown[0].icon == MessageIcon::Error);
      QCOMPARE(QApplication::focusWidget()->objectName(), prefix + focus);
      QVERIFY(h.pauses.empty());
    }
  }

  void coordinateLimits() {
    using horavela::app::CheckCoordinates;
    QVERIFY(!CheckCoordinates("90", "0", "180", "0"));
    QVERIFY(!CheckCoordinates("0", "59", "0", "59"));
    QCOMPARE(QString(CheckCoordinates("90", "1", "0", "0")->message),
             QString("Latitude cannot exceed 90 degrees: the minutes must be 0 at 90 degrees"));
    QVERIFY(CheckCoordinates("90", "1", "0", "0")->field ==
            horavela::app::CoordinateField::LatitudeMinutes);
    QCOMPARE(QString(CheckCoordinates("10", "0", "180", "30")->message),
             QString("Longitude cannot exceed 180 degrees: the minutes must be 0 at 180 degrees"));
  }

  // The pages decide with the core's checks and word the problem their own way.
  void pageChecksFollowTheCore() {
    for (int degrees : {0, 1, 89, 90, 91, 179, 180, 181, 1000}) {
      for (int minutes : {0, 1, 59, 60}) {
        const QString d = QString::number(degrees);
        const QString m = QString::number(minutes);
        const auto latitude = horavela::CheckCoordinate(degrees, minutes, 90, "latitude");
        const auto longitude = horavela::CheckCoordinate(degrees, minutes, 180, "longitude");
        QCOMPARE(bool(horavela::app::CheckCoordinates(d, m, "0", "0")), !latitude);
        QCOMPARE(bool(horavela::app::CheckCoordinates("0", "0", d, m)), !longitude);
      }
    }
    const auto date = horavela::CheckDateExists(2011, 4, 31, "election");
    QVERIFY(!date);
    QCOMPARE(horavela::app::CheckDateExists("Election", 2011, 4, 31),
             "Election date " + QString::fromStdString(date.error().message));
  }

  void impossibleDatesAreRefused_data() {
    QTest::addColumn<bool>("birthPage");
    QTest::addColumn<QString>("month");
    QTest::addColumn<QString>("day");
    QTest::addColumn<QString>("year");
    QTest::addColumn<QString>("message");
    QTest::newRow("election 31 April") << false << "April"
                                       << "31"
                                       << "2011"
                                       << "Election date April 31 2011 does not exist";
    QTest::newRow("election 29 Feb common") << false << "February"
                                            << "29"
                                            << "1901"
                                            << "Election date February 29 1901 does not exist";
    QTest::newRow("birth 29 Feb 1900s common") << true << "February"
                                               << "29"
                                               << "1999"
                                               << "Birth date February 29 1999 does not exist";
    QTest::newRow("birth 30 Feb") << true << "February"
                                  << "30"
                                  << "1980"
                                  << "Birth date February 30 1980 does not exist";
    QTest::newRow("birth 31 June") << true << "June"
                                   << "31"
                                   << "1980"
                                   << "Birth date June 31 1980 does not exist";
  }

  void impossibleDatesAreRefused() {
    QFETCH(bool, birthPage);
    QFETCH(QString, month);
    QFETCH(QString, day);
    QFETCH(QString, year);
    QFETCH(QString, message);
    Harness h;
    h.Open();
    GoTo(h, birthPage ? "picBirthDetails" : "picSearchMode");
    if (birthPage) {
      h.FillBirthPage();
      h.Select("cboMonth", month);
      h.Select("cboDate", day);
      h.Select("cboYear", year);
    } else {
      h.FillElectionPage(year, month, day);
    }
    h.Click(birthPage ? "cmdNext_2" : "cmdNext_1");
    QCOMPARE(h.messages->Texts(), QStringList{message});
    QCOMPARE(QApplication::focusWidget()->objectName(),
             QString(birthPage ? "cboDate" : "cboMuhurthaDate"));
    QCOMPARE(h.CurrentPage(), QString(birthPage ? "picBirthDetails" : "picSearchMode"));
  }

  void leapDayPasses() {
    Harness h;
    h.Open();
    GoTo(h, "picSearchMode");
    h.FillElectionPage("2000", "February", "29");
    h.Click("cmdNext_1");
    QVERIFY(h.messages->shown.empty());
    QCOMPARE(h.CurrentPage(), QString("picBirthDetails"));
  }

  void weekdayFollowsTheElectionDate() {
    Harness h;
    h.Open();
    GoTo(h, "picSearchMode");
    auto* weekday = h.Find<QComboBox>("cboMuhurthaWeekday");
    h.Select("cboMuhurthaYear", "2011");
    h.Select("cboMuhurthaMonth", "January");
    h.Select("cboMuhurthaDate", "5");
    QCOMPARE(weekday->currentText(), QString("Wednesday"));
    h.Select("cboMuhurthaYear", "2024");
    QCOMPARE(weekday->currentText(), QString("Friday"));
    h.Select("cboMuhurthaMonth", "March");
    QCOMPARE(weekday->currentText(), QString("Tuesday"));
    // The user may still pick another weekday afterwards.
    h.Select("cboMuhurthaWeekday", "Monday");
    QCOMPARE(weekday->currentText(), QString("Monday"));
    // A date the calendar does not have has no weekday.
    h.Select("cboMuhurthaMonth", "February");
    h.Select("cboMuhurthaDate", "31");
    QCOMPARE(weekday->currentIndex(), -1);
    // The birth weekday follows the birth date in the same way.
    auto* birthWeekday = h.Find<QComboBox>("cboWeekday");
    h.Select("cboYear", "1996");
    h.Select("cboMonth", "March");
    QCOMPARE(birthWeekday->currentIndex(), -1);  // no day chosen yet
    h.Select("cboDate", "2");
    QCOMPARE(birthWeekday->currentText(), QString("Saturday"));
  }

  // Digits typed in one go are one number, whatever the box showed.
  void typedDigitsMakeANumber_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("refusal");
    const std::vector<std::tuple<const char*, const char*, const char*, const char*, const char*>>
        rows = {
            {"cboMuhurthaDate", "1", "1", "1", ""},  // not 10
            {"cboMuhurthaDate", "1", "15", "15", ""},
            {"cboMuhurthaDate", "1", "31", "31", ""},
            {"cboMuhurthaDate", "1", "07", "7", ""},
            {"cboMuhurthaDate", "1", "32", "1", "The days run from 1 to 31."},
            {"cboMuhurthaMonth", "January", "12", "December", ""},
            {"cboMuhurthaMonth", "January", "3", "March", ""},
            {"cboHourFrom", "0", "0", "0", ""},
            {"cboHourFrom", "0", "23", "23", ""},
            {"cboHourFrom", "0", "24", "0", "The hours run from 0 to 23."},
            {"cboMinuteFrom", "0", "45", "45", ""},
            {"cboBirthMinute", "0", "09", "9", ""},
        };
    for (const auto& [box, shown, typed, chosen, refusal] : rows) {
      QTest::addRow("%s %s", box, typed) << box << shown << typed << chosen << refusal;
    }
  }

  void typedDigitsMakeANumber() {
    QFETCH(QString, box);
    QFETCH(QString, shown);
    QFETCH(QString, typed);
    QFETCH(QString, chosen);
    QFETCH(QString, refusal);
    Harness h;
    h.Open();
    GoTo(h, box == "cboBirthMinute" ? "picBirthDetails" : "picSearchMode");
    h.Select(box, shown);
    auto* combo = h.Find<QComboBox>(box);
    combo->setFocus();
    QTest::keyClicks(combo, typed);
    QCOMPARE(combo->currentText(), chosen);
    QCOMPARE(h.messages->Texts(), refusal.isEmpty() ? QStringList{} : QStringList{refusal});
  }

  // The wheel changes a box only while it has the focus; rolled over a box on
  // the way down a page it leaves the box as it was.
  void theWheelChangesOnlyAFocusedBox_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<bool>("focused");
    for (const char* box : {"cboMuhurthaYear", "cboMuhurthaDate", "cboMuhurthaMonth", "cboHourFrom",
                            "cboMinuteFrom", "cboChartStyle"}) {
      QTest::addRow("%s", box) << box << false;
    }
    QTest::addRow("cboMuhurthaYear focused") << "cboMuhurthaYear" << true;
  }

  void theWheelChangesOnlyAFocusedBox() {
    QFETCH(QString, box);
    QFETCH(bool, focused);
    Harness h;
    h.Open();
    if (box != "cboChartStyle") GoTo(h, "picSearchMode");
    auto* combo = h.Find<QComboBox>(box);
    combo->setCurrentIndex(1);
    if (focused) {
      combo->setFocus();
    } else {
      combo->clearFocus();  // the page gives the month box the focus
    }
    QCOMPARE(combo->hasFocus(), focused);
    const QPointF centre = QRectF(combo->rect()).center();
    QWheelEvent down(centre, combo->mapToGlobal(centre), {}, {0, -120}, Qt::NoButton,
                     Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(combo, &down);
    QCOMPARE(combo->currentIndex(), focused ? 2 : 1);
  }

  // A year outside the boxes is said once; the year shown stays.
  void yearsOutsideTheListAreSaid() {
    Harness h;
    h.Open();
    GoTo(h, "picSearchMode");
    auto* year = h.Find<QComboBox>("cboMuhurthaYear");
    QCOMPARE(year->toolTip(), QString("The years run from 1901 to 2050."));
    h.Select("cboMuhurthaYear", "1901");  // the page starts at the clock's year
    for (const auto& [typed, shown] : std::vector<std::pair<const char*, const char*>>{
             {"2100", "1901"}, {"1850", "1901"}, {"1996", "1996"}, {"2050", "2050"}}) {
      h.messages->shown.clear();
      year->setFocus();
      QTest::qWait(QApplication::keyboardInputInterval() + 50);
      QTest::keyClicks(year, typed);
      QCOMPARE(year->currentText(), QString(shown));
      const bool refused = QString(typed) != shown;
      QCOMPARE(h.messages->Texts(),
               refused ? QStringList{"The years run from 1901 to 2050."} : QStringList{});
    }
  }

  void placeCheckAndSearch() {
    Harness h;
    h.Open();
    GoTo(h, "picSearchMode");
    h.Click("cmdSearch_0");
    QCOMPARE(h.messages->Texts(), QStringList{"Please Enter City"});
    QVERIFY(h.messages->shown[0].icon == MessageIcon::Information);
    QCOMPARE(QApplication::focusWidget()->objectName(), QString("txtCity"));
    h.Type("txtCity", " ");  // a blank passes the place check
    h.Click("cmdSearch_0");
    QCOMPARE(h.messages->Texts().last(), QString("Please Enter State"));
    QCOMPARE(QApplication::focusWidget()->objectName(), QString("txtState"));
    h.Type("txtState", "Delhi ");
    h.Click("cmdSearch_0");
    QCOMPARE(h.messages->Texts().last(), QString("Please Enter Country"));
    QVERIFY(h.placeSearch->searches.empty());
    h.Type("txtCountry", "India");
    h.Click("cmdSearch_0");
    QCOMPARE(h.placeSearch->searches.size(), std::size_t{1});
    // The texts as typed, untrimmed.
    QCOMPARE(h.placeSearch->searches[0].first, QString("  Delhi  India Latitude Longitude"));
    QCOMPARE(h.placeSearch->searches[0].second, QString("https://horavela.org"));
  }

  void birthPlaceSearch() {
    Harness h;
    h.Open();
    GoTo(h, "picBirthDetails");
    h.Type("txtBirthCity", "Pune");
    h.Type("txtBirthState", "Maharashtra");
    h.Click("cmdSearch_1");
    QCOMPARE(h.messages->Texts(), QStringList{"Please Enter Country"});
    QCOMPARE(QApplication::focusWidget()->objectName(), QString("txtBirthCountry"));
    h.Type("txtBirthCountry", "India");
    // The atlas knows Pune; the user asks for the web all the same.
    WhenModalOpens([](QWidget* dialog) {
      QTest::mouseClick(dialog->findChild<QPushButton*>("cmdSearchWeb"), Qt::LeftButton);
    });
    h.Click("cmdSearch_1");
    QCOMPARE(h.placeSearch->searches.at(0).first,
             QString("Pune Maharashtra India Latitude Longitude"));
  }

  // The latitude button offers the offline atlas's places first; choosing one
  // fills the page as the city completer does.
  void latitudeButtonOffersTheAtlasFirst() {
    Harness h;
    h.Open();
    GoTo(h, "picSearchMode");
    h.Find<QLineEdit>("txtCity")->setText("Chennai");
    h.Find<QLineEdit>("txtState")->setText("x");
    h.Find<QLineEdit>("txtCountry")->setText("x");
    QStringList offered;
    WhenModalOpens([&offered](QWidget* dialog) {
      auto* list = dialog->findChild<QListWidget*>("lstAtlasMatches");
      for (int i = 0; i < list->count(); ++i) offered << list->item(i)->text();
      QTest::mouseClick(dialog->findChild<QPushButton*>("cmdUsePlace"), Qt::LeftButton);
    });
    h.Click("cmdSearch_0");
    QCOMPARE(offered.value(0), QString("Chennai, Tamil Nadu, India"));
    QCOMPARE(h.Find<QLineEdit>("txtState")->text(), QString("Tamil Nadu"));
    QCOMPARE(h.Find<QLineEdit>("txtDegreeLat")->text(), QString("13"));
    QVERIFY(h.placeSearch->searches.empty());
  }

  // Without a browser the web lookups say so instead of doing nothing.
  void noBrowserIsSaid() {
    Harness h;
    h.placeSearch->browserAvailable = false;
    h.browserAvailable = false;
    h.Open();
    GoTo(h, "picSearchMode");
    for (const char* name : {"txtCity", "txtState", "txtCountry"}) h.Type(name, "Xq");
    h.Click("cmdSearch_0");
    QCOMPARE(h.messages->Texts(),
             QStringList{"The web search could not be opened: no web browser is available on "
                         "this computer. Search for \"Xq Xq Xq Latitude Longitude\" yourself, or "
                         "choose the place in the offline atlas by typing its name into City."});
    h.Find<QAction>("mnuOnlineHelp")->trigger();
    QVERIFY(h.messages->Texts().last().startsWith("The page https://horavela.org"));
    QVERIFY(h.messages->Texts().last().endsWith(
        "could not be opened: no web browser is available on this computer."));
  }
};

HORAVELA_APP_TEST_MAIN(InputTest)
#include "input_test.moc"
