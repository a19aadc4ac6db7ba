// The book of people and places in the desktop program: a person saved from
// the birth page comes back in a new window exactly as typed, a place alike;
// people of one name are told apart by their births; the book dialog edits
// with the pages' checks, deletes after asking, imports and exports; and a
// book that cannot be opened leaves the pages working.
#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QInputDialog>
#include <QLabel>
#include <QLocale>
#include <QSpinBox>
#include <QTabWidget>
#include <QTreeWidget>

#include "app/atlas_city_field.h"
#include "app/atlas_texts.h"
#include "app_test_support.h"
#include "atlas/places.h"

using horavela::PlaceEntry;
using horavela::app::AtlasCityField;
using horavela::app::testing::Harness;
namespace book = horavela::book;

namespace {

// Runs `action` once the modal dialog named `name` is in front; dialogs
// opened from within other dialogs wait for their own turn.
void WhenDialogOpens(const QString& name, std::function<void(QWidget*)> action) {
  QTimer::singleShot(0, [name, action] {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || modal->objectName() != name) {
      WhenDialogOpens(name, action);
      return;
    }
    action(modal);
  });
}

void AnswerNote(const QString& note) {
  WhenDialogOpens({}, [note](QWidget* modal) {
    auto* dialog = qobject_cast<QInputDialog*>(modal);
    dialog->setTextValue(note);
    dialog->accept();
  });
}

QTreeWidget* Table(QWidget* dialog, const QString& name) {
  return dialog->findChild<QTreeWidget*>(name);
}

void DoubleClickRow(QTreeWidget* list, int row) {
  QVERIFY(QTest::qWaitForWindowExposed(list->window()));
  const QRect rect = list->visualItemRect(list->topLevelItem(row));
  // As the mouse sends it: a click, then the second press comes as a double
  // click, then its release.
  QWidget* viewport = list->viewport();
  const QPoint at = rect.center();
  QTest::mouseClick(viewport, Qt::LeftButton, {}, at);
  QMouseEvent twice(QEvent::MouseButtonDblClick, at, viewport->mapToGlobal(at), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(viewport, &twice);
  // Never left waiting for a dialog that did not close.
  if (list->window()->isVisible()) {
    static_cast<QDialog*>(list->window())->reject();
    QFAIL("the double click did not choose");
  }
}

QStringList Rows(QTreeWidget* list, int columns) {
  QStringList rows;
  for (int i = 0; i < list->topLevelItemCount(); ++i) {
    QStringList cells;
    for (int c = 0; c < columns; ++c) cells << list->topLevelItem(i)->text(c);
    rows << cells.join(" | ");
  }
  return rows;
}

void Press(QWidget* dialog, const QString& button) {
  QTest::mouseClick(dialog->findChild<QAbstractButton*>(button), Qt::LeftButton);
}

// The election page filled in, the birth page in front and empty.
void OnBirthPage(Harness& h) {
  h.TickSubject(4, "Start On A New Job");
  h.Click("cmdNext_0");
  h.FillElectionPage("2050");
  h.Click("cmdNext_1");
}

// Every box of a place, with what the page says about its zone and source.
QStringList PlaceValues(Harness& h, const QString& prefix, const QString& suffix) {
  QStringList values;
  for (const char* field :
       {"City", "State", "Country", "DegreeLat", "MinuteLat", "DegreeLong", "MinuteLong"}) {
    values << h.Find<QLineEdit>("txt" + prefix + field)->text();
  }
  for (const char* option : {"optLat", "optLong"}) {
    values << QString::number(h.Find<QAbstractButton>(option + suffix + "_1")->isChecked());
  }
  values << QString::number(h.Find<QCheckBox>("chkDST" + suffix)->isChecked());
  for (const char* label :
       {"lblZoneHour", "lblZoneMinute", "lblZoneOffset", "lblZoneInfo", "lblPlaceSource"}) {
    values << h.Find<QLabel>(label + suffix)->text();
  }
  return values;
}

QStringList BirthValues(Harness& h) {
  QStringList values{h.Find<QLineEdit>("txtBirthName")->text(),
                     QString::number(h.Find<QAbstractButton>("optSex_1")->isChecked())};
  for (const char* box : {"cboMonth", "cboDate", "cboYear", "cboWeekday", "cboBirthHour",
                          "cboBirthMinute", "cboBirthSecond"}) {
    values << h.Find<QComboBox>(box)->currentText();
  }
  return values + PlaceValues(h, "Birth", "_Birth");
}

book::Person Person(const std::string& name, int year, int month, int day) {
  book::Person person;
  person.name = name;
  person.sex = "Female";
  person.birth.year = static_cast<std::int16_t>(year);
  person.birth.month = static_cast<std::int16_t>(month);
  person.birth.day = static_cast<std::int16_t>(day);
  person.birth.hour = 6;
  person.birth.minute = 40;
  PlaceEntry& place = person.birth.place;
  place.city = "Pune";
  place.state = "Maharashtra";
  place.country = "India";
  place.latitudeDegrees = 18;
  place.latitudeMinutes = 31;
  place.longitudeDegrees = 73;
  place.longitudeMinutes = 51;
  place.zoneHours = -5;
  place.zoneMinutes = -30;
  return person;
}

book::Place Place(const std::string& city, int latitude) {
  book::Place place;
  place.place.city = city;
  place.place.state = "Kerala";
  place.place.country = "India";
  place.place.latitudeDegrees = static_cast<std::int16_t>(latitude);
  place.place.latitudeMinutes = 5;
  place.place.longitudeDegrees = 76;
  place.place.longitudeMinutes = 16;
  place.place.east = true;
  place.place.zoneHours = -5;
  place.place.zoneMinutes = -30;
  return place;
}

// Puts entries into the harness's book as another session would have.
void Store(Harness& h, std::vector<book::Person> people, std::vector<book::Place> places) {
  horavela::Result<std::unique_ptr<book::Book>> stored = book::Book::Open(h.bookPath.toStdString());
  if (!stored) throw std::runtime_error(stored.error().message);
  for (book::Person& person : people) QVERIFY((*stored)->SavePerson(person).has_value());
  for (book::Place& place : places) QVERIFY((*stored)->SavePlace(place).has_value());
}

std::vector<book::Person> StoredPeople(Harness& h) {
  return (*book::Book::Open(h.bookPath.toStdString()))->People();
}

void OpenBookDialog(Harness& h, std::function<void(QWidget*)> action) {
  WhenDialogOpens("dlgBook", [action](QWidget* dialog) {
    action(dialog);
    static_cast<QDialog*>(dialog)->accept();
  });
  h.Find<QAction>("mnuBook")->trigger();
}

}  // namespace

class BookTest : public QObject {
  Q_OBJECT

 private slots:
  // Typed by hand, and taken from an atlas city with its tz zone.
  void aSavedPersonComesBackInANewWindowAsTyped_data() {
    QTest::addColumn<QString>("atlasCity");
    QTest::newRow("typed by hand") << QString();
    QTest::newRow("atlas city") << QString("New York");
  }
  void aSavedPersonComesBackInANewWindowAsTyped() {
    QFETCH(QString, atlasCity);
    Harness h;
    h.Open();
    OnBirthPage(h);
    h.FillBirthPage();
    h.Select("cboBirthSecond", "12");
    h.Find<QAbstractButton>("optLong_Birth_1")->setChecked(true);
    if (atlasCity.isEmpty()) {
      h.Find<QCheckBox>("chkDST_Birth")->setChecked(true);
    } else {
      const std::vector<horavela::Place> found = horavela::FindPlaces(atlasCity.toStdString(), 1);
      QCOMPARE(found.size(), std::size_t{1});
      h.window->findChild<AtlasCityField*>("atlas_Birth")->ChoosePlace(found.front());
    }
    const QStringList typed = BirthValues(h);
    QCOMPARE(typed.last().startsWith("From the atlas: "), !atlasCity.isEmpty());
    h.Click("cmdNext_2");
    QVERIFY(h.window->LastEvaluation().has_value());
    const QString result = h.Find<QLabel>("lblResult")->text();
    h.Click("cmdBack_3");
    h.Click("cmdNext_0");
    h.Click("cmdNext_1");

    AnswerNote("cousin");
    h.Click("cmdSavePerson");
    QCOMPARE(h.messages->Texts().last(),
             QString("Asha Rao, born 14 July 1980, is saved in the book."));
    // The same person again is not a second entry.
    h.Click("cmdSavePerson");
    QCOMPARE(h.messages->Texts().last(),
             QString("Asha Rao, born 14 July 1980, is already in the book."));
    QCOMPARE(StoredPeople(h).size(), std::size_t{1});
    QCOMPARE(StoredPeople(h).front().note, std::string("cousin"));

    // As after a restart: a new window on the same book.
    h.window.reset();
    h.Open();
    OnBirthPage(h);
    WhenDialogOpens("dlgChooser",
                    [](QWidget* chooser) { DoubleClickRow(Table(chooser, "lstChooser"), 0); });
    h.Click("cmdChoosePerson");
    QCOMPARE(BirthValues(h), typed);
    h.Click("cmdNext_2");
    QCOMPARE(h.CurrentPage(), QString("picMuhurthaResult"));
    QCOMPARE(h.Find<QLabel>("lblResult")->text(), result);
  }

  void peopleOfOneNameAreToldApartByTheirBirths() {
    Harness h;
    Store(h,
          {Person("Asha Rao", 1998, 8, 23), Person("Asha Rao", 1971, 2, 3),
           Person("Ravi Menon", 1965, 11, 30)},
          {});
    h.Open();
    OnBirthPage(h);
    QStringList shown, filtered;
    WhenDialogOpens("dlgChooser", [&](QWidget* chooser) {
      QTreeWidget* list = Table(chooser, "lstChooser");
      shown = Rows(list, 3);
      auto* filter = chooser->findChild<QLineEdit*>("txtChooserFilter");
      QTest::keyClicks(filter, "asha");
      filtered = Rows(list, 2);
      // The arrow moves the mark from the first match; Enter takes it.
      QTest::keyClick(filter, Qt::Key_Down);
      QTest::keyClick(filter, Qt::Key_Return);
    });
    h.Click("cmdChoosePerson");
    QCOMPARE(shown,
             QStringList({"Asha Rao | 3 February 1971, 06:40 | Pune, Maharashtra, India",
                          "Asha Rao | 23 August 1998, 06:40 | Pune, Maharashtra, India",
                          "Ravi Menon | 30 November 1965, 06:40 | Pune, Maharashtra, India"}));
    QCOMPARE(filtered, QStringList({"Asha Rao | 3 February 1971, 06:40",
                                    "Asha Rao | 23 August 1998, 06:40"}));
    QCOMPARE(h.Find<QComboBox>("cboYear")->currentText(), QString("1998"));
    QCOMPARE(h.Find<QComboBox>("cboWeekday")->currentText(), QString("Sunday"));
    QCOMPARE(h.Find<QLabel>("lblZoneOffset_Birth")->text(), QString("UTC+05:30"));
    QCOMPARE(h.Find<QLabel>("lblPlaceSource_Birth")->text(),
             QString("Coordinates typed by hand, not from the atlas"));
  }

  void aPlaceSavedFromTheElectionPageIsChosenBack() {
    Harness h;
    h.Open();
    h.TickSubject(4, "Start On A New Job");
    h.Click("cmdNext_0");
    h.Click("cmdSavePlace");
    QCOMPARE(h.messages->Texts().last(), QString("Please Enter City"));
    h.FillElectionPage();
    h.Find<QAbstractButton>("optLat_Muhurtha_1")->setChecked(true);
    const QStringList typed = PlaceValues(h, "", "_Muhurtha");
    h.Click("cmdSavePlace");
    QCOMPARE(h.messages->Texts().last(), QString("New Delhi, Delhi, India is saved in the book."));
    h.Click("cmdSavePlace");
    QCOMPARE(h.messages->Texts().last(),
             QString("New Delhi, Delhi, India is already in the book."));

    h.window->NewEvaluation();
    h.TickSubject(4, "Start On A New Job");
    h.Click("cmdNext_0");
    WhenDialogOpens("dlgChooser", [](QWidget* chooser) {
      QCOMPARE(Rows(Table(chooser, "lstChooser"), 4),
               QStringList{"New Delhi | Delhi | India | 28°36' S, 77°12' E"});
      Press(chooser, "cmdChooserOk");
    });
    h.Click("cmdChoosePlace");
    QCOMPARE(PlaceValues(h, "", "_Muhurtha"), typed);
  }

  void deletingAsksFirst() {
    Harness h;
    Store(h, {Person("Asha Rao", 1998, 8, 23), Person("Ravi Menon", 1965, 11, 30)},
          {Place("Kochi", 9)});
    h.Open();
    h.messages->answers = {false, true, true};
    QStringList afterNo, afterYes, placesLeft;
    OpenBookDialog(h, [&](QWidget* dialog) {
      QTreeWidget* people = Table(dialog, "tblPeople");
      people->setCurrentItem(people->topLevelItem(0));
      Press(dialog, "cmdBookDelete");
      afterNo = Rows(people, 1);
      Press(dialog, "cmdBookDelete");
      afterYes = Rows(people, 1);
      auto* tabs = dialog->findChild<QTabWidget*>("tabBook");
      tabs->setCurrentIndex(1);
      QTreeWidget* places = Table(dialog, "tblPlaces");
      places->setCurrentItem(places->topLevelItem(0));
      Press(dialog, "cmdBookDelete");
      placesLeft = Rows(places, 1);
    });
    QCOMPARE(afterNo, QStringList({"Asha Rao", "Ravi Menon"}));
    QCOMPARE(afterYes, QStringList({"Ravi Menon"}));
    QCOMPARE(placesLeft, QStringList());
    const auto& asked = h.messages->shown;
    QCOMPARE(asked.size(), std::size_t{3});
    QCOMPARE(asked[0].text, QString("Delete Asha Rao, born 23 August 1998?"));
    QCOMPARE(asked[0].question, QString("The entry is removed from the book for good."));
    QCOMPARE(asked[2].text, QString("Delete Kochi, Kerala, India?"));
  }

  // The form refuses what the pages refuse; what it accepts is stored.
  void editingChecksAsThePagesDo() {
    Harness h;
    Store(h, {Person("Asha Rao", 1998, 8, 23)}, {});
    h.Open();
    struct Row {
      const char* field;
      const char* text;
      const char* message;
    };
    const Row rows[] = {
        {"frmLatDeg", "95", "Latitude degrees must be between 0 and 90"},
        {"frmLatDeg", "", "Please Enter Degree in Latitude"},
        {"frmLongMin", "60", "Longitude minutes must be between 0 and 59"},
        {"frmName", " ", "Please enter the name"},
    };
    for (const Row& row : rows) {
      h.messages->shown.clear();
      OpenBookDialog(h, [&](QWidget* dialog) {
        QTreeWidget* people = Table(dialog, "tblPeople");
        people->setCurrentItem(people->topLevelItem(0));
        WhenDialogOpens("dlgBookEntry", [&](QWidget* form) {
          form->findChild<QLineEdit*>(row.field)->setText(row.text);
          Press(form, "cmdFormOk");
          QVERIFY(form->isVisible());
          static_cast<QDialog*>(form)->reject();
        });
        Press(dialog, "cmdBookEdit");
      });
      QCOMPARE(h.messages->Texts(), QStringList{row.message});
    }
    // 31 February, then a date that exists.
    OpenBookDialog(h, [&](QWidget* dialog) {
      QTreeWidget* people = Table(dialog, "tblPeople");
      people->setCurrentItem(people->topLevelItem(0));
      WhenDialogOpens("dlgBookEntry", [&](QWidget* form) {
        form->findChild<QComboBox*>("frmMonth")->setCurrentIndex(1);
        form->findChild<QSpinBox*>("frmDay")->setValue(31);
        Press(form, "cmdFormOk");
        QCOMPARE(h.messages->Texts().last(), QString("Birth date February 31 1998 does not exist"));
        form->findChild<QSpinBox*>("frmDay")->setValue(28);
        form->findChild<QLineEdit*>("frmNote")->setText("aunt");
        Press(form, "cmdFormOk");
      });
      Press(dialog, "cmdBookEdit");
    });
    const std::vector<book::Person> stored = StoredPeople(h);
    QCOMPARE(stored.size(), std::size_t{1});
    QCOMPARE(stored.front().birth.month, std::int16_t{2});
    QCOMPARE(stored.front().birth.day, std::int16_t{28});
    QCOMPARE(stored.front().note, std::string("aunt"));
  }

  // A city renamed in the form is the atlas city of that name, or clears the
  // place of the city before it until the user enters one.
  void aRenamedCityInTheFormIsSettled_data() {
    QTest::addColumn<bool>("person");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("refusal");  // what the first OK says; empty when it closes
    // city, state, country, latitude, longitude, zone captions, atlas zone
    QTest::addColumn<QStringList>("stored");
    QTest::newRow("a person born in Chennai")
        << true << "Chennai" << QString()
        << QStringList{"Chennai", "Tamil Nadu", "India",       "13 5 N",
                       "80 17 E", "-5 -30",     "Asia/Kolkata"};
    // Standard time for a place; the pages follow the zone for their moment.
    QTest::newRow("a place at Port-au-Prince")
        << false << "Port-au-Prince" << QString()
        << QStringList{"Port-au-Prince",        "Ouest", "Haiti", "18 33 N", "72 20 W", "5 0",
                       "America/Port-au-Prince"};
    QTest::newRow("a village the atlas does not know")
        << false << "Kuttikkattoor"
        << "The atlas does not know \"Kuttikkattoor\" as one city, so the coordinates and zone "
           "of Kochi, Kerala, India were cleared. Please enter the coordinates and the zone of "
           "Kuttikkattoor."
        << QStringList{"Kuttikkattoor", "", "", "10 0 N", "76 0 E", "0 0", ""};
  }

  void aRenamedCityInTheFormIsSettled() {
    QFETCH(bool, person);
    QFETCH(QString, typed);
    QFETCH(QString, refusal);
    QFETCH(QStringList, stored);
    Harness h;
    Store(h, {Person("Asha Rao", 1998, 8, 23)}, {Place("Kochi", 9)});
    h.Open();
    OpenBookDialog(h, [&](QWidget* dialog) {
      dialog->findChild<QTabWidget*>("tabBook")->setCurrentIndex(person ? 0 : 1);
      QTreeWidget* table = Table(dialog, person ? "tblPeople" : "tblPlaces");
      table->setCurrentItem(table->topLevelItem(0));
      WhenDialogOpens("dlgBookEntry", [&](QWidget* form) {
        auto* city = form->findChild<QLineEdit*>("frmCity");
        city->setFocus();
        city->setText(typed);
        form->findChild<QLineEdit*>("frmState")->setFocus();
        Press(form, "cmdFormOk");
        if (!refusal.isEmpty()) {
          QVERIFY(form->isVisible());
          QCOMPARE(form->findChild<QLabel*>("frmPlaceSource")->text(),
                   QString(horavela::app::texts::kFormPlaceToEnter));
          QCOMPARE(h.messages->Texts(), QStringList{refusal});
          for (const auto& [name, value] : {std::pair{"frmLatDeg", "10"},
                                            {"frmLatMin", "0"},
                                            {"frmLongDeg", "76"},
                                            {"frmLongMin", "0"}}) {
            form->findChild<QLineEdit*>(name)->setText(value);
          }
          Press(form, "cmdFormOk");
        }
        QVERIFY(!form->isVisible());
      });
      Press(dialog, "cmdBookEdit");
    });
    const std::unique_ptr<book::Book> book = *book::Book::Open(h.bookPath.toStdString());
    const PlaceEntry place =
        person ? book->People().front().birth.place : book->Places().front().place;
    const std::string tz = person ? book->People().front().tz : book->Places().front().tz;
    const auto coordinate = [](int degrees, int minutes, bool positive, const char* sides) {
      return QString("%1 %2 %3").arg(degrees).arg(minutes).arg(QChar(sides[positive ? 0 : 1]));
    };
    QCOMPARE(
        (QStringList{QString::fromStdString(place.city), QString::fromStdString(place.state),
                     QString::fromStdString(place.country),
                     coordinate(place.latitudeDegrees, place.latitudeMinutes, place.north, "NS"),
                     coordinate(place.longitudeDegrees, place.longitudeMinutes, place.east, "EW"),
                     QString("%1 %2").arg(place.zoneHours).arg(place.zoneMinutes),
                     QString::fromStdString(tz)}),
        stored);
  }

  void anExportImportsIntoAnEmptyBookOnce() {
    Harness full;
    Store(full, {Person("Asha Rao", 1998, 8, 23), Person("Asha Rao", 1971, 2, 3)},
          {Place("Kochi", 9)});
    full.Open();
    const QString exported = full.bookFolder->filePath("export.json");
    full.saveFilePath = exported;
    OpenBookDialog(full, [](QWidget* dialog) { Press(dialog, "cmdBookExport"); });
    QCOMPARE(full.suggestedNames, QStringList{"horavela-book.json"});
    QCOMPARE(full.messages->Texts(),
             QStringList{QString("2 people and 1 places exported to %1.").arg(exported)});
    // A folder is no file to write.
    full.saveFilePath = full.bookFolder->path();
    OpenBookDialog(full, [](QWidget* dialog) { Press(dialog, "cmdBookExport"); });
    QVERIFY2(full.messages->Texts().last().startsWith(
                 QString("The book could not be exported to %1: ").arg(full.bookFolder->path())),
             qPrintable(full.messages->Texts().last()));

    Harness empty;
    empty.Open();
    empty.openFilePath = exported;
    QStringList shown;
    for (int i = 0; i < 2; ++i) {
      OpenBookDialog(empty, [&](QWidget* dialog) {
        Press(dialog, "cmdBookImport");
        shown = Rows(Table(dialog, "tblPeople"), 2);
      });
    }
    QCOMPARE(
        empty.messages->Texts(),
        QStringList(
            {QString("Imported from %1: 3 added, 0 skipped as already in the book.").arg(exported),
             QString("Imported from %1: 0 added, 3 skipped as already in the book.")
                 .arg(exported)}));
    QCOMPARE(shown, QStringList(
                        {"Asha Rao | 3 February 1971, 06:40", "Asha Rao | 23 August 1998, 06:40"}));

    QFile broken(empty.bookFolder->filePath("broken.json"));
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write("{\"people\": 3}");
    broken.close();
    empty.openFilePath = broken.fileName();
    OpenBookDialog(empty, [](QWidget* dialog) { Press(dialog, "cmdBookImport"); });
    QCOMPARE(empty.messages->Texts().last(),
             QString("The file %1 is not a book of people and places: the list of people must be "
                     "an array, not the number 3.")
                 .arg(broken.fileName()));
    // The entry at fault is named in words, not by its path.
    QVERIFY(broken.open(QIODevice::WriteOnly | QIODevice::Truncate));
    broken.write(R"({"people": [{"name": "Asha Verma", "sex": "Female"}]})");
    broken.close();
    OpenBookDialog(empty, [](QWidget* dialog) { Press(dialog, "cmdBookImport"); });
    QCOMPARE(empty.messages->Texts().last(),
             QString("The file %1 is not a book of people and places: Entry 1 (Asha Verma): the "
                     "birth is missing.")
                 .arg(broken.fileName()));
  }

  // A folder that cannot be made (below a plain file), or a seam that fails.
  void withoutABookThePagesWorkOn_data() {
    QTest::addColumn<bool>("throughTheSeam");
    QTest::newRow("folder that cannot be made") << false;
    QTest::newRow("seam") << true;
  }
  void withoutABookThePagesWorkOn() {
    QFETCH(bool, throughTheSeam);
    Harness h;
    QFile plain(h.bookFolder->filePath("plain"));
    QVERIFY(plain.open(QIODevice::WriteOnly));
    plain.close();
    h.bookPath = plain.fileName() + "/book.sqlite";
    horavela::app::AppServices services = h.Services();
    if (throughTheSeam) {
      services.openBook = [](std::string*) -> horavela::Result<std::unique_ptr<book::Book>> {
        return horavela::StorageFailure("the disk is full");
      };
    }
    h.Open(std::move(services));
    OnBirthPage(h);
    h.FillBirthPage();
    const QStringList typed = BirthValues(h);
    h.Click("cmdSavePerson");
    h.Click("cmdChoosePerson");
    h.window->OpenBook();
    const QStringList said = h.messages->Texts();
    QCOMPARE(said.size(), 3);
    const QString prefix = "The book of people and places could not be opened: ";
    QVERIFY2(said[0].startsWith(prefix), qPrintable(said[0]));
    QVERIFY(
        said[0].endsWith("Horavela works on without it; people and places cannot be saved or "
                         "chosen until the program is started again."));
    if (throughTheSeam) QVERIFY(said[0].startsWith(prefix + "the disk is full\n"));
    const QString reason = said[0].mid(prefix.size()).section('\n', 0, 0);
    for (int i = 1; i < 3; ++i) {
      QCOMPARE(said[i], "The book of people and places is not available: " + reason);
    }
    QCOMPARE(BirthValues(h), typed);
    h.Click("cmdNext_2");
    QCOMPARE(h.CurrentPage(), QString("picMuhurthaResult"));
  }

  void aDamagedBookKeptAsideIsSaidOnce() {
    Harness h;
    horavela::app::AppServices services = h.Services();
    const auto open = services.openBook;
    services.openBook = [open](std::string* notice) {
      *notice = "The old book was damaged; it is kept as book.damaged.sqlite.";
      return open(nullptr);
    };
    h.Open(std::move(services));
    OnBirthPage(h);
    h.Click("cmdChoosePerson");
    h.Click("cmdChoosePerson");
    QCOMPARE(h.messages->Texts(),
             QStringList({"The old book was damaged; it is kept as book.damaged.sqlite.",
                          "The book has no people yet. Fill in the birth page and press Save "
                          "person.",
                          "The book has no people yet. Fill in the birth page and press Save "
                          "person."}));
  }
};

HORAVELA_APP_TEST_MAIN(BookTest)
#include "book_test.moc"
