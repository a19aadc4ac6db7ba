// The offline atlas in the input pages: the cities offered while typing, what
// choosing one fills in, the zone in force at the page's date and time, clock
// times skipped or repeated by a change of the clocks, and letting go of the
// city when the user enters the zone or the coordinates or names another
// city; the keys of the list of offers and how often the atlas is searched;
// then the planets of the election moment on the details page.
#include <QAbstractItemView>
#include <QAction>
#include <QCheckBox>
#include <QCompleter>
#include <QDialog>
#include <QHeaderView>
#include <QLocale>
#include <QTableWidget>
#include <QThread>
#include <QThreadPool>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <future>

#include "app/atlas_texts.h"
#include "app/filtered_line_edit.h"
#include "app_test_support.h"

using horavela::app::AppServices;
using horavela::app::CharacterRule;
using horavela::app::IsAcceptedText;
using horavela::app::MessageIcon;
using horavela::app::testing::Harness;
using horavela::app::testing::WhenModalOpens;

namespace {

// Object names of one input page's boxes.
struct PageNames {
  QString suffix;  // of the zone frame's controls
  QString month, day, year, hour, minute;
  QString city, state, country, latDeg, latMin, longDeg, longMin;
  QString next;
};

const PageNames kElection = {
    "_Muhurtha",     "cboMuhurthaMonth", "cboMuhurthaDate", "cboMuhurthaYear", "cboHourFrom",
    "cboMinuteFrom", "txtCity",          "txtState",        "txtCountry",      "txtDegreeLat",
    "txtMinuteLat",  "txtDegreeLong",    "txtMinuteLong",   "cmdNext_1"};
const PageNames kBirth = {"_Birth",
                          "cboMonth",
                          "cboDate",
                          "cboYear",
                          "cboBirthHour",
                          "cboBirthMinute",
                          "txtBirthCity",
                          "txtBirthState",
                          "txtBirthCountry",
                          "txtBirthDegreeLat",
                          "txtBirthMinuteLat",
                          "txtBirthDegreeLong",
                          "txtBirthMinuteLong",
                          "cmdNext_2"};

const PageNames& Page(const QString& which) {
  return which == "Birth" ? kBirth : kElection;
}

// Opens the window on the election page, or on the birth page with the
// election page filled in by hand.
void OpenOn(Harness& h, const PageNames& page, AppServices services) {
  h.Open(std::move(services));
  h.TickSubject(4, "Start On A New Job");
  h.Click("cmdNext_0");
  if (&page == &kBirth) {
    // An election late enough for every birth the tests enter.
    h.FillElectionPage("2050");
    h.Click("cmdNext_1");
    h.Type("txtBirthName", "Asha Rao");
  }
}

void OpenOn(Harness& h, const PageNames& page) {
  OpenOn(h, page, h.Services());
}

void SetMoment(Harness& h, const PageNames& page, int year, const QString& month, int day, int hour,
               int minute) {
  // The clock time first, so that the date reaches the wanted moment last.
  h.Select(page.hour, QString::number(hour));
  h.Select(page.minute, QString::number(minute));
  h.Select(page.year, QString::number(year));
  h.Select(page.month, month);
  h.Select(page.day, QString::number(day));
}

QCompleter* Completer(Harness& h, const PageNames& page) {
  return h.Find<QCompleter>("cmpAtlas" + page.suffix);
}

QStringList Offered(Harness& h, const PageNames& page) {
  QAbstractItemModel* model = Completer(h, page)->completionModel();
  QStringList labels;
  for (int row = 0; row < model->rowCount(); ++row)
    labels << model->index(row, 0).data().toString();
  return labels;
}

// Types `text` into the empty city field as a user would and waits for the
// atlas to offer its cities.
void TypeCity(Harness& h, const PageNames& page, const QString& text) {
  h.Find<QLineEdit>(page.city)->clear();
  h.Type(page.city, text);
  QCompleter* completer = Completer(h, page);
  const bool offered = QTest::qWaitFor([&] {
    return completer->popup()->isVisible() && completer->completionPrefix() == text.trimmed();
  });
  if (!offered) throw std::runtime_error("no cities offered for " + text.toStdString());
}

// Types `query` into the city field as a user would and clicks the offered
// city `label`.
void PickCity(Harness& h, const PageNames& page, const QString& query, const QString& label) {
  TypeCity(h, page, query);
  QAbstractItemView* popup = Completer(h, page)->popup();
  const int row = static_cast<int>(Offered(h, page).indexOf(label));
  if (row < 0) throw std::runtime_error("not offered: " + label.toStdString());
  const QModelIndex index = popup->model()->index(row, 0);
  popup->scrollTo(index);
  QTest::mouseClick(popup->viewport(), Qt::LeftButton, {}, popup->visualRect(index).center());
}

struct Zone {
  QString hours, minutes;
  bool dst;
  QString info;
};

Zone ZoneOf(Harness& h, const PageNames& page) {
  return {h.Find<QLabel>("lblZoneHour" + page.suffix)->text(),
          h.Find<QLabel>("lblZoneMinute" + page.suffix)->text(),
          h.Find<QCheckBox>("chkDST" + page.suffix)->isChecked(),
          h.Find<QLabel>("lblZoneInfo" + page.suffix)->text()};
}

QString SourceOf(Harness& h, const PageNames& page) {
  return h.Find<QLabel>("lblPlaceSource" + page.suffix)->text();
}

// Where a key pressed while the cities are offered arrives: through the window
// as the platform delivers it, or straight at the list or at the city field.
enum class KeyRoute { Window, List, Field };

void PressKey(Harness& h, const PageNames& page, Qt::Key key, KeyRoute route) {
  switch (route) {
    case KeyRoute::Window:
      QTest::keyClick(h.window->windowHandle(), key);
      break;
    case KeyRoute::List:
      QTest::keyClick(Completer(h, page)->popup(), key);
      break;
    case KeyRoute::Field:
      QTest::keyClick(h.Find<QLineEdit>(page.city), key);
      break;
  }
}

// Minutes east of Greenwich the captions stand for: local = UT - zone + DST hour.
int EastMinutes(const Zone& zone) {
  return -(zone.hours.toInt() * 60 + zone.minutes.toInt()) + (zone.dst ? 60 : 0);
}

}  // namespace

class AtlasTest : public QObject {
  Q_OBJECT

 private slots:
  void typingOffersCitiesMostPopulousFirst() {
    Harness h;
    OpenOn(h, kElection);
    h.Type("txtCity", "M");
    QVERIFY(Offered(h, kElection).isEmpty());
    h.Type("txtCity", "adur");
    QVERIFY(QTest::qWaitFor([&] { return Completer(h, kElection)->popup()->isVisible(); }));
    const QStringList offered = Offered(h, kElection);
    QCOMPARE(offered.value(0), QString("Madurai, Tamil Nadu, India"));
    // A later word of a name matches as well, after the bigger city.
    const qsizetype brazil = offered.indexOf("Sena Madureira, Acre, Brazil");
    QVERIFY(brazil > 0);
    QCOMPARE(h.Find<QLineEdit>("txtCity")->text(), QString("Madur"));
    // Enter takes the offer marked in the list, the first one, without the
    // field's refusal of Enter as a character.
    QTest::keyClick(h.Find<QLineEdit>("txtCity"), Qt::Key_Return);
    QCOMPARE(h.Find<QLineEdit>("txtCity")->text(), QString("Madurai"));
    QCOMPARE(h.Find<QLineEdit>("txtState")->text(), QString("Tamil Nadu"));
    QVERIFY(!Completer(h, kElection)->popup()->isVisible());
    QVERIFY(h.messages->shown.empty());
  }

  void choosingFillsPlaceAndCoordinates_data() {
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("query");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QStringList>("fields");  // city, state, country, lat, lat min, long, long min
    QTest::addColumn<bool>("north");
    QTest::addColumn<bool>("east");
    // Gazetteer coordinates: Madurai 9.91900 N 78.11953 E, New York 40.71427 N
    // 74.00597 W (42.86' rounds up), London 51.50853 N 0.12574 W (30.51' and
    // 7.54' round up), Sydney 33.86785 S 151.20732 E.
    QTest::newRow("Madurai") << "Muhurtha"
                             << "Madur"
                             << "Madurai, Tamil Nadu, India"
                             << QStringList{"Madurai", "Tamil Nadu", "India", "9", "55", "78", "7"}
                             << true << true;
    QTest::newRow("New York") << "Muhurtha"
                              << "New Yo"
                              << "New York, New York, United States of America"
                              << QStringList{"New York", "New York", "United States of America",
                                             "40",       "43",       "74",
                                             "0"}
                              << true << false;
    QTest::newRow("London, birth page")
        << "Birth"
        << "Londo"
        << "London, England, United Kingdom"
        << QStringList{"London", "England", "United Kingdom", "51", "31", "0", "8"} << true
        << false;
    // Names go into the place fields in plain letters where the fields refuse
    // accents, hyphens or apostrophes.
    QTest::newRow("Sao Paulo") << "Muhurtha"
                               << "Sao Pa" << QString::fromUtf8("São Paulo, São Paulo, Brazil")
                               << QStringList{"Sao Paulo", "Sao Paulo", "Brazil", "23",
                                              "33",        "46",        "38"}
                               << false << false;
    QTest::newRow("Aix-en-Provence")
        << "Muhurtha"
        << "Aix" << QString::fromUtf8("Aix-en-Provence, Provence-Alpes-Côte d'Azur Region, France")
        << QStringList{"Aix en Provence",
                       "Provence Alpes Cote d Azur Region",
                       "France",
                       "43",
                       "32",
                       "5",
                       "27"}
        << true << true;
    QTest::newRow("Sydney") << "Muhurtha"
                            << "Sydn"
                            << "Sydney, New South Wales, Australia"
                            << QStringList{"Sydney",    "New South Wales",
                                           "Australia", "33",
                                           "52",        "151",
                                           "12"}
                            << false << true;
  }

  void choosingFillsPlaceAndCoordinates() {
    QFETCH(QString, page);
    QFETCH(QString, query);
    QFETCH(QString, label);
    QFETCH(QStringList, fields);
    QFETCH(bool, north);
    QFETCH(bool, east);
    const PageNames& p = Page(page);
    Harness h;
    OpenOn(h, p);
    PickCity(h, p, query, label);
    const QString names[] = {p.city, p.state, p.country, p.latDeg, p.latMin, p.longDeg, p.longMin};
    for (int i = 0; i < 7; ++i) {
      // A name the place field takes whole is written as the atlas spells it.
      const QString spelled = label.section(", ", i, i);
      const bool whole = i < 3 && IsAcceptedText(CharacterRule::Letters, spelled);
      QCOMPARE(h.Find<QLineEdit>(names[i])->text(), whole ? spelled : fields[i]);
    }
    QCOMPARE(h.Find<QAbstractButton>("optLat" + p.suffix + "_0")->isChecked(), north);
    QCOMPARE(h.Find<QAbstractButton>("optLat" + p.suffix + "_1")->isChecked(), !north);
    QCOMPARE(h.Find<QAbstractButton>("optLong" + p.suffix + "_0")->isChecked(), east);
    QCOMPARE(h.Find<QAbstractButton>("optLong" + p.suffix + "_1")->isChecked(), !east);
    QVERIFY(!Completer(h, p)->popup()->isVisible());
    QVERIFY(!h.Find<QLabel>("lblZoneInfo" + p.suffix)->text().isEmpty());
    QVERIFY(h.messages->shown.empty());
  }

  void zoneInForceAtThePageMoment_data() {
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("query");
    QTest::addColumn<QString>("label");
    QTest::addColumn<int>("year");
    QTest::addColumn<QString>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<QString>("hours");
    QTest::addColumn<QString>("minutes");
    QTest::addColumn<bool>("dst");
    QTest::addColumn<QString>("info");
    QTest::addColumn<int>("eastMinutes");  // the offset in force, from the tz database
    const QString delhi = "New Delhi, National Capital Territory of Delhi, India";
    const QString newYork = "New York, New York, United States of America";
    const QString london = "London, England, United Kingdom";
    QTest::newRow("Madurai 2011") << "Muhurtha"
                                  << "Madur"
                                  << "Madurai, Tamil Nadu, India" << 2011 << "January" << 5 << "-5"
                                  << "-30" << false << "Asia/Kolkata, UTC+05:30" << 330;
    // War time: IST with an hour of saving, so the standard captions and DST.
    QTest::newRow("New Delhi 1943") << "Muhurtha"
                                    << "New Del" << delhi << 1943 << "June" << 1 << "-5"
                                    << "-30" << true << "Asia/Kolkata, UTC+06:30" << 390;
    QTest::newRow("New Delhi 1990") << "Birth"
                                    << "New Del" << delhi << 1990 << "June" << 1 << "-5"
                                    << "-30" << false << "Asia/Kolkata, UTC+05:30" << 330;
    QTest::newRow("New York July 1970") << "Muhurtha"
                                        << "New Yo" << newYork << 1970 << "July" << 1 << "5"
                                        << "0" << true << "America/New_York, UTC-04:00" << -240;
    QTest::newRow("New York January 1970") << "Birth"
                                           << "New Yo" << newYork << 1970 << "January" << 1 << "5"
                                           << "0" << false << "America/New_York, UTC-05:00" << -300;
    // Double summer time: two hours over GMT, written whole with DST clear.
    QTest::newRow("London 1941 summer") << "Muhurtha"
                                        << "Londo" << london << 1941 << "July" << 1 << "-2"
                                        << "0" << false << "Europe/London, UTC+02:00" << 120;
    // British Standard Time: +1 all year as standard time.
    QTest::newRow("London January 1970") << "Muhurtha"
                                         << "Londo" << london << 1970 << "January" << 1 << "-1"
                                         << "0" << false << "Europe/London, UTC+01:00" << 60;
    QTest::newRow("Kathmandu 2000")
        << "Birth"
        << "Kathm"
        << "Kathmandu, Bagmati Province, Nepal" << 2000 << "June" << 1 << "-5"
        << "-45" << false << "Asia/Kathmandu, UTC+05:45" << 345;
    QTest::newRow("Sydney January")
        << "Muhurtha"
        << "Sydn"
        << "Sydney, New South Wales, Australia" << 2020 << "January" << 15 << "-10"
        << "0" << true << "Australia/Sydney, UTC+11:00" << 660;
    // Central European Time although Madrid lies west of Greenwich.
    QTest::newRow("Madrid") << "Muhurtha"
                            << "Madri"
                            << "Madrid, Madrid, Spain" << 2021 << "January" << 15 << "-1"
                            << "0" << false << "Europe/Madrid, UTC+01:00" << 60;
  }

  void zoneInForceAtThePageMoment() {
    QFETCH(QString, page);
    QFETCH(QString, query);
    QFETCH(QString, label);
    QFETCH(int, year);
    QFETCH(QString, month);
    QFETCH(int, day);
    QFETCH(QString, hours);
    QFETCH(QString, minutes);
    QFETCH(bool, dst);
    QFETCH(QString, info);
    QFETCH(int, eastMinutes);
    const PageNames& p = Page(page);
    Harness h;
    OpenOn(h, p);
    SetMoment(h, p, year, month, day, 12, 0);
    PickCity(h, p, query, label);
    const Zone zone = ZoneOf(h, p);
    QCOMPARE(zone.hours, hours);
    QCOMPARE(zone.minutes, minutes);
    QCOMPARE(zone.dst, dst);
    QCOMPARE(zone.info, info);
    QCOMPARE(EastMinutes(zone), eastMinutes);
    QVERIFY(h.messages->shown.empty());
  }

  void changingTheDateOrTimeRecomputes() {
    Harness h;
    OpenOn(h, kElection);
    SetMoment(h, kElection, 1990, "June", 1, 12, 0);
    PickCity(h, kElection, "New Del", "New Delhi, National Capital Territory of Delhi, India");
    QCOMPARE(ZoneOf(h, kElection).info, QString("Asia/Kolkata, UTC+05:30"));
    h.Select("cboMuhurthaYear", "1943");
    Zone zone = ZoneOf(h, kElection);
    QCOMPARE(zone.info, QString("Asia/Kolkata, UTC+06:30"));
    QVERIFY(zone.dst);
    QCOMPARE(EastMinutes(zone), 390);
    // War time ended when 15 October 1945 began.
    SetMoment(h, kElection, 1945, "October", 14, 22, 0);
    QCOMPARE(ZoneOf(h, kElection).info, QString("Asia/Kolkata, UTC+06:30"));
    h.Select("cboMuhurthaDate", "15");
    zone = ZoneOf(h, kElection);
    QCOMPARE(zone.info, QString("Asia/Kolkata, UTC+05:30"));
    QVERIFY(!zone.dst);
    QCOMPARE(zone.hours, QString("-5"));
    QCOMPARE(zone.minutes, QString("-30"));

    // The clock time matters as well: New York's change of 10 March 2024 at 02:00.
    PickCity(h, kElection, "New Yo", "New York, New York, United States of America");
    SetMoment(h, kElection, 2024, "March", 10, 1, 59);
    QVERIFY(!ZoneOf(h, kElection).dst);
    h.Select("cboHourFrom", "3");
    QVERIFY(ZoneOf(h, kElection).dst);
    QCOMPARE(ZoneOf(h, kElection).info, QString("America/New_York, UTC-04:00"));
  }

  void skippedClockTimeIsRefusedUntilCorrected_data() {
    QTest::addColumn<QString>("page");
    QTest::newRow("election page") << "Muhurtha";
    QTest::newRow("birth page") << "Birth";
  }

  void skippedClockTimeIsRefusedUntilCorrected() {
    QFETCH(QString, page);
    const PageNames& p = Page(page);
    Harness h;
    OpenOn(h, p);
    const QString pageShown = h.CurrentPage();
    SetMoment(h, p, 2024, "March", 10, 2, 30);
    PickCity(h, p, "New Yo", "New York, New York, United States of America");
    const QString message =
        "The clock time 02:30 on March 10 2024 did not exist in America/New_York: the clocks "
        "were put forward from UTC-05:00 (EST) to UTC-04:00 (EDT). Please correct the time, or "
        "choose the zone yourself with \"TZ Help\".";
    QCOMPARE(h.messages->Texts(), QStringList{message});
    QCOMPARE(h.messages->shown[0].icon, MessageIcon::Error);
    QCOMPARE(ZoneOf(h, p).info, QString("America/New_York: 02:30 on March 10 2024 did not exist"));

    h.Click(p.next);
    QCOMPARE(h.CurrentPage(), pageShown);
    QCOMPARE(h.messages->Texts(), (QStringList{message, message}));
    QVERIFY(h.Find<QWidget>(p.hour)->hasFocus());

    h.Select(p.hour, "3");
    const Zone zone = ZoneOf(h, p);
    QCOMPARE(zone.info, QString("America/New_York, UTC-04:00"));
    QCOMPARE(zone.hours, QString("5"));
    QVERIFY(zone.dst);
    h.Click(p.next);
    QVERIFY(h.CurrentPage() != pageShown);
    QCOMPARE(h.messages->shown.size(), std::size_t{2});
  }

  void repeatedClockTimeIsAskedAbout() {
    Harness h;
    OpenOn(h, kElection);
    SetMoment(h, kElection, 2024, "November", 3, 0, 30);
    PickCity(h, kElection, "New Yo", "New York, New York, United States of America");
    QVERIFY(h.messages->shown.empty());
    // No answer to either question: nothing is chosen behind the user's back.
    h.Select("cboHourFrom", "1");
    const QString text =
        "The clock time 01:30 on November 3 2024 happened twice in America/New_York: first at "
        "UTC-04:00 (EDT), then again at UTC-05:00 (EST), after the clocks were put back.";
    QCOMPARE(h.messages->shown.size(), std::size_t{2});
    QCOMPARE(h.messages->shown[0].text, text);
    QCOMPARE(h.messages->shown[0].question,
             QString("Was it the first of them, at UTC-04:00 (EDT)?"));
    QCOMPARE(h.messages->shown[1].question,
             QString("Was it the second of them, at UTC-05:00 (EST)?"));
    QCOMPARE(ZoneOf(h, kElection).info,
             QString("America/New_York: 01:30 on November 3 2024 happened twice"));

    // Next asks again and refuses while still undecided.
    h.Click("cmdNext_1");
    QCOMPARE(h.CurrentPage(), QString("picSearchMode"));
    QCOMPARE(h.messages->shown.size(), std::size_t{5});
    QCOMPARE(h.messages->shown[4].text,
             QString("The clock time 01:30 on November 3 2024 happened twice in America/New_York. "
                     "Please say which of the two was meant, or correct the time."));
    QCOMPARE(h.messages->shown[4].icon, MessageIcon::Error);

    // The second of them: standard time, an hour later in universal time.
    h.messages->answers = {false, true};
    h.Click("cmdNext_1");
    QCOMPARE(h.CurrentPage(), QString("picBirthDetails"));
    Zone zone = ZoneOf(h, kElection);
    QCOMPARE(zone.info, QString("America/New_York, UTC-05:00 (the second 01:30)"));
    QCOMPARE(EastMinutes(zone), -300);
    QVERIFY(!zone.dst);

    // Back on the page a new repeated time is asked about at once; the first of them.
    h.Click("cmdBack_2");
    PickCity(h, kElection, "New Yo", "New York, New York, United States of America");
    const std::size_t before = h.messages->shown.size();
    h.messages->answers = {true};
    SetMoment(h, kElection, 2024, "November", 3, 1, 45);
    QCOMPARE(h.messages->shown.size(), before + 1);
    zone = ZoneOf(h, kElection);
    QCOMPARE(zone.info, QString("America/New_York, UTC-04:00 (the first 01:45)"));
    QCOMPARE(EastMinutes(zone), -240);
    QVERIFY(zone.dst);
    QCOMPARE(zone.hours, QString("5"));
  }

  void pickerDetachesTheCity() {
    Harness h;
    OpenOn(h, kElection);
    SetMoment(h, kElection, 1970, "July", 1, 12, 0);
    PickCity(h, kElection, "New Yo", "New York, New York, United States of America");
    QVERIFY(ZoneOf(h, kElection).dst);
    WhenModalOpens([](QWidget* picker) {
      auto* list = picker->findChild<QListWidget*>("lstTimeZone");
      const auto items = list->findItems("Indian Time, IST, +5.3", Qt::MatchExactly);
      list->setCurrentItem(items.value(0));
      list->setFocus();
      QTest::keyClick(list, Qt::Key_Return);
    });
    h.ClickLabel("lblTZHelp_Muhurtha");
    Zone zone = ZoneOf(h, kElection);
    QCOMPARE(zone.hours, QString("-5"));
    QCOMPARE(zone.minutes, QString("-30"));
    QVERIFY(zone.info.isEmpty());
    // The date no longer reaches the zone.
    h.Select("cboMuhurthaMonth", "January");
    zone = ZoneOf(h, kElection);
    QCOMPARE(zone.hours, QString("-5"));
    QCOMPARE(zone.minutes, QString("-30"));
    QVERIFY(zone.dst);
    QVERIFY(zone.info.isEmpty());
    // The coordinates of the city stay.
    QCOMPARE(h.Find<QLineEdit>("txtDegreeLat")->text(), QString("40"));
  }

  void coordinatesOrDstByHandDetachTheCity_data() {
    QTest::addColumn<QString>("control");
    for (const char* name : {"txtDegreeLat", "txtMinuteLat", "txtDegreeLong", "txtMinuteLong",
                             "optLat_Muhurtha_1", "optLong_Muhurtha_0", "chkDST_Muhurtha"}) {
      QTest::newRow(name) << name;
    }
  }

  void coordinatesOrDstByHandDetachTheCity() {
    QFETCH(QString, control);
    Harness h;
    OpenOn(h, kElection);
    SetMoment(h, kElection, 1941, "July", 1, 12, 0);
    PickCity(h, kElection, "Londo", "London, England, United Kingdom");
    QCOMPARE(ZoneOf(h, kElection).hours, QString("-2"));
    if (control.startsWith("txt")) {
      h.Find<QLineEdit>(control)->clear();
      h.Type(control, "1");
    } else {
      h.Click(control);
    }
    const Zone byHand = ZoneOf(h, kElection);
    QVERIFY(byHand.info.isEmpty());
    QCOMPARE(SourceOf(h, kElection), QString(horavela::app::texts::kTypedByHand));
    // Followed, 1990 would give -1 with DST in July; the captions stay.
    h.Select("cboMuhurthaYear", "1990");
    const Zone after = ZoneOf(h, kElection);
    QCOMPARE(after.hours, QString("-2"));
    QCOMPARE(after.dst, byHand.dst);
    QVERIFY(after.info.isEmpty());
    QVERIFY(h.messages->shown.empty());
  }

  void newEvaluationLetsGoOfTheCity() {
    Harness h;
    OpenOn(h, kElection);
    SetMoment(h, kElection, 1941, "July", 1, 12, 0);
    PickCity(h, kElection, "Londo", "London, England, United Kingdom");
    h.Find<QAction>("mnuNewEvaluation")->trigger();
    h.TickSubject(4, "Start On A New Job");
    h.Click("cmdNext_0");
    QVERIFY(ZoneOf(h, kElection).info.isEmpty());
    SetMoment(h, kElection, 1990, "July", 1, 12, 0);
    QCOMPARE(ZoneOf(h, kElection).hours, QString("0"));
  }

  void theWebSearchStillTakesTheChosenPlace() {
    Harness h;
    OpenOn(h, kElection);
    PickCity(h, kElection, "Madur", "Madurai, Tamil Nadu, India");
    h.Click("cmdSearch_0");
    QCOMPARE(h.placeSearch->searches.size(), std::size_t{1});
    QCOMPARE(h.placeSearch->searches[0].first,
             QString("Madurai Tamil Nadu India Latitude Longitude"));
  }

  // A city typed over the followed one and left without choosing an offer:
  // the atlas city of that name, or a place cleared for the user to enter;
  // never the coordinates of the city before it. Changed on purpose: the
  // page used to keep the old city's state, country, coordinates and zone.
  void aCityTypedOverTheFollowedOneIsSettled_data() {
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("offered");        // whether the atlas offers cities for it
    QTest::addColumn<QStringList>("fields");  // state, country, lat, lat min, long, long min
    QTest::addColumn<QString>("zone");        // the zone information
    QTest::addColumn<QString>("source");
    const QString toEnter = horavela::app::texts::kPlaceToEnter;
    // Gazetteer: Port-au-Prince 18.54349 N 72.33881 W, Chennai 13.08784 N
    // 80.27847 E, Madurai 9.91900 N 78.11953 E.
    const QStringList portAuPrince = {"Ouest", "Haiti", "18", "33", "72", "20"};
    QTest::newRow("Port-au-Prince, known as one city")
        << "Muhurtha"
        << "Port-au-Prince" << true << portAuPrince << "America/Port-au-Prince, UTC-05:00"
        << "From the atlas: Port-au-Prince, Ouest, Haiti";
    QTest::newRow("without its hyphens, in small letters")
        << "Birth"
        << "port au prince" << false << portAuPrince << "America/Port-au-Prince, UTC-05:00"
        << "From the atlas: Port-au-Prince, Ouest, Haiti";
    QTest::newRow("Chennai, the first offer by that name")
        << "Muhurtha"
        << "Chennai" << true << QStringList{"Tamil Nadu", "India", "13", "5", "80", "17"}
        << "Asia/Kolkata, UTC+05:30"
        << "From the atlas: Chennai, Tamil Nadu, India";
    QTest::newRow("a village the atlas does not know")
        << "Muhurtha"
        << "Kuttikkattoor" << false << QStringList{"", "", "", "", "", ""} << "" << toEnter;
    QTest::newRow("the start of a name, not a name")
        << "Birth"
        << "Madur" << true << QStringList{"", "", "", "", "", ""} << "" << toEnter;
    QTest::newRow("the same name in small letters")
        << "Muhurtha"
        << "sao paulo " << true
        << QStringList{QString::fromUtf8("São Paulo"), "Brazil", "23", "33", "46", "38"}
        << "America/Sao_Paulo, UTC-02:00"  // summer time in January 2011
        << QString::fromUtf8("From the atlas: São Paulo, São Paulo, Brazil");
  }

  void aCityTypedOverTheFollowedOneIsSettled() {
    QFETCH(QString, page);
    QFETCH(QString, typed);
    QFETCH(bool, offered);
    QFETCH(QStringList, fields);
    QFETCH(QString, zone);
    QFETCH(QString, source);
    const PageNames& p = Page(page);
    Harness h;
    OpenOn(h, p);
    SetMoment(h, p, 2011, "January", 5, 12, 0);
    PickCity(h, p, "Sao Pa", QString::fromUtf8("São Paulo, São Paulo, Brazil"));
    QCOMPARE(ZoneOf(h, p).hours, QString("3"));
    if (offered) {
      TypeCity(h, p, typed);
    } else {
      h.Find<QLineEdit>(p.city)->clear();
      h.Type(p.city, typed);
    }
    PressKey(h, p, Qt::Key_Tab, KeyRoute::Window);
    QVERIFY(!h.Find<QLineEdit>(p.city)->hasFocus());
    const QString names[] = {p.state, p.country, p.latDeg, p.latMin, p.longDeg, p.longMin};
    for (int i = 0; i < 6; ++i) QCOMPARE(h.Find<QLineEdit>(names[i])->text(), fields[i]);
    const Zone shown = ZoneOf(h, p);
    QCOMPARE(shown.info, zone);
    QCOMPARE(SourceOf(h, p), source);
    if (zone.isEmpty()) {
      // Nothing of São Paulo's UTC-3 or its south and west stays behind.
      QCOMPARE(EastMinutes(shown), 0);
      QVERIFY(h.Find<QAbstractButton>("optLat" + p.suffix + "_0")->isChecked());
      QVERIFY(h.Find<QAbstractButton>("optLong" + p.suffix + "_0")->isChecked());
      QCOMPARE(h.Find<QLineEdit>(p.city)->text(), typed);
    }
    QVERIFY(h.messages->shown.empty());
  }

  // A place cleared for another name is refused with the reason, by the
  // page's Next and by the search for good times, until its coordinates are
  // typed or looked up.
  void aClearedPlaceIsRefusedUntilEntered() {
    Harness h;
    OpenOn(h, kElection);
    SetMoment(h, kElection, 2011, "January", 5, 12, 0);
    PickCity(h, kElection, "Sao Pa", QString::fromUtf8("São Paulo, São Paulo, Brazil"));
    h.Find<QLineEdit>("txtCity")->clear();
    h.Type("txtCity", "Kuttikkattoor");
    const QString refusal = QString::fromUtf8(
        "The atlas does not know \"Kuttikkattoor\" as one city, so the coordinates and zone of "
        "São Paulo, São Paulo, Brazil were cleared. Please enter the coordinates of Kuttikkattoor "
        "and choose its zone with \"TZ Help\", or enter its state and country and use \"Click "
        "here to find Latitude & Longitude\".");
    // Straight from the city field to the finder, without leaving it first.
    h.Click("cmdFindTimes");
    auto* finder = h.window->findChild<QDialog*>("frmFindTimes");
    QVERIFY(finder != nullptr);
    QCOMPARE(finder->findChild<QLabel*>("lblFindSummary")->text(), refusal.toHtmlEscaped());
    finder->close();
    h.Click("cmdNext_1");
    QCOMPARE(h.CurrentPage(), QString("picSearchMode"));
    QCOMPARE(h.messages->Texts(), QStringList{refusal});
    QVERIFY(h.Find<QLineEdit>("txtDegreeLat")->hasFocus());
    // Another name the atlas knows is still taken.
    h.Find<QLineEdit>("txtCity")->setFocus();
    h.Find<QLineEdit>("txtCity")->clear();
    h.Type("txtCity", "Madurai");
    h.Find<QLineEdit>("txtState")->setFocus();
    QCOMPARE(SourceOf(h, kElection), QString("From the atlas: Madurai, Tamil Nadu, India"));
    h.Click("cmdNext_1");
    QCOMPARE(h.CurrentPage(), QString("picBirthDetails"));
  }

  void theSourceOfCoordinatesTypedByHand() {
    Harness h;
    OpenOn(h, kElection);
    QCOMPARE(SourceOf(h, kElection), QString());
    h.Type("txtDegreeLong", "77");
    QCOMPARE(SourceOf(h, kElection), QString("Coordinates typed by hand, not from the atlas"));
    h.Find<QLineEdit>("txtDegreeLong")->clear();
    QCOMPARE(SourceOf(h, kElection), QString());
  }

  void keysChooseTheMarkedOffer_data() {
    QTest::addColumn<int>("route");
    QTest::addColumn<int>("downs");
    QTest::addColumn<int>("ups");
    QTest::addColumn<int>("chosen");  // row of the offer; -1 none
    const std::pair<KeyRoute, const char*> routes[] = {
        {KeyRoute::Window, "window"}, {KeyRoute::List, "list"}, {KeyRoute::Field, "field"}};
    for (const auto& [route, name] : routes) {
      const int r = static_cast<int>(route);
      QTest::addRow("Enter, %s", name) << r << 0 << 0 << 0;
      QTest::addRow("Down Enter, %s", name) << r << 1 << 0 << 1;
      QTest::addRow("Down Down Down Up Enter, %s", name) << r << 3 << 1 << 2;
      // Up from the first offer goes back to the text as typed; Enter then
      // only closes the list.
      QTest::addRow("Up Enter, %s", name) << r << 0 << 1 << -1;
    }
  }

  void keysChooseTheMarkedOffer() {
    QFETCH(int, route);
    QFETCH(int, downs);
    QFETCH(int, ups);
    QFETCH(int, chosen);
    const auto keys = static_cast<KeyRoute>(route);
    Harness h;
    OpenOn(h, kElection);
    TypeCity(h, kElection, "New");
    const QStringList offered = Offered(h, kElection);
    QVERIFY(offered.size() > 3);
    for (int i = 0; i < downs; ++i) PressKey(h, kElection, Qt::Key_Down, keys);
    for (int i = 0; i < ups; ++i) PressKey(h, kElection, Qt::Key_Up, keys);
    PressKey(h, kElection, Qt::Key_Return, keys);
    QVERIFY(!Completer(h, kElection)->popup()->isVisible());
    QCOMPARE(h.messages->Texts(), QStringList());
    if (chosen < 0) {
      QCOMPARE(h.Find<QLineEdit>("txtCity")->text(), QString("New"));
      QCOMPARE(SourceOf(h, kElection), QString());
      return;
    }
    QCOMPARE(h.Find<QLineEdit>("txtCity")->text(), offered[chosen].section(", ", 0, 0));
    QCOMPARE(SourceOf(h, kElection), "From the atlas: " + offered[chosen]);
  }

  void theAtlasIsSearchedWhenTypingPausesAwayFromTheWindow() {
    Harness h;
    AppServices services = h.Services();
    auto searches = std::make_shared<std::atomic<int>>(0);
    auto onWindowThread = std::make_shared<std::atomic<bool>>(false);
    services.cityLookup.find = [searches, onWindowThread, find = services.cityLookup.find](
                                   const std::string& query, std::size_t limit) {
      ++*searches;
      if (QThread::currentThread() == qApp->thread()) *onWindowThread = true;
      return find(query, limit);
    };
    OpenOn(h, kElection, std::move(services));
    TypeCity(h, kElection, "Chennai");
    QCOMPARE(searches->load(), 1);
    QVERIFY(!onWindowThread->load());
    QCOMPARE(Offered(h, kElection).value(0), QString("Chennai, Tamil Nadu, India"));
  }

  void citiesFoundForAnOlderTextAreNotOffered() {
    QThreadPool* pool = QThreadPool::globalInstance();
    pool->setMaxThreadCount(std::max(2, pool->maxThreadCount()));
    Harness h;
    AppServices services = h.Services();
    auto started = std::make_shared<std::atomic<bool>>(false);
    auto release = std::make_shared<std::promise<void>>();
    services.cityLookup.find = [started, done = release->get_future().share(),
                                find = services.cityLookup.find](const std::string& query,
                                                                 std::size_t limit) {
      if (query == "Chen") {
        *started = true;
        done.wait_for(std::chrono::seconds(10));
      }
      return find(query, limit);
    };
    OpenOn(h, kElection, std::move(services));
    h.Type("txtCity", "Chen");
    QVERIFY(QTest::qWaitFor([&] { return started->load(); }));
    h.Type("txtCity", "nai");
    QVERIFY(QTest::qWaitFor([&] { return Completer(h, kElection)->popup()->isVisible(); }));
    const QStringList chennai = Offered(h, kElection);
    // The search for "Chen" ends last; what it found is not shown.
    release->set_value();
    QVERIFY(pool->waitForDone(10000));
    QCoreApplication::processEvents();
    QCOMPARE(Offered(h, kElection), chennai);
    QCOMPARE(Completer(h, kElection)->completionPrefix(), QString("Chennai"));
  }

  void planetsTableAfterAnEvaluation() {
    Harness h;
    OpenOn(h, kElection);
    SetMoment(h, kElection, 2011, "January", 5, 10, 30);
    PickCity(h, kElection, "New Del", "New Delhi, National Capital Territory of Delhi, India");
    h.Click("cmdNext_1");
    h.FillBirthPage();
    h.Click("cmdNext_2");
    QCOMPARE(h.CurrentPage(), QString("picMuhurthaResult"));
    QVERIFY(h.window->LastEvaluation().has_value());
    const horavela::CalculationState& state = *h.window->LastEvaluation();
    // The atlas city reached the evaluation.
    const horavela::PlaceEntry& place = state.Input.election.place;
    QCOMPARE(place.latitudeDegrees, std::int16_t{28});
    QCOMPARE(place.latitudeMinutes, std::int16_t{38});
    QCOMPARE(place.longitudeDegrees, std::int16_t{77});
    QCOMPARE(place.longitudeMinutes, std::int16_t{13});
    QCOMPARE(place.zoneHours, std::int16_t{-5});
    QCOMPARE(place.zoneMinutes, std::int16_t{-30});
    QVERIFY(!place.dst);

    auto* table = h.Find<QTableWidget>("tblPlanets");
    QVERIFY(h.Find<QWidget>("picMuhurthaDetails")->isAncestorOf(table));
    QCOMPARE(table->rowCount(), 10);  // the seven planets, then Rahu, Ketu and the lagna
    QCOMPARE(table->horizontalHeaderItem(1)->text(), QString("Position"));
    const QStringList names = {"Sun", "Moon", "Mercury", "Venus", "Mars", "Jupiter", "Saturn"};
    const QStringList signs = {"Ari", "Tau", "Gem", "Can", "Leo", "Vir",
                               "Lib", "Sco", "Sag", "Cpr", "Aqu", "Pis"};
    QStringList positions;
    for (int row = 0; row < 7; ++row) {
      QCOMPARE(table->item(row, 0)->text(), names[row]);
      const QString text = table->item(row, 1)->text();
      QCOMPARE(text.size(), 9);
      QVERIFY2(signs.contains(text.mid(3, 3)), qPrintable(text));
      QCOMPARE(text, QString::fromStdString(TextOf(state.Lagna.PlanetSigns[std::size_t(row)])));
      positions << text;
    }
    // 5 January 2011: the Sun in sidereal Sagittarius, Jupiter in Pisces.
    QCOMPARE(positions[0].mid(3, 3), QString("Sag"));
    QCOMPARE(positions[5].mid(3, 3), QString("Pis"));

    // A second evaluation a day later moves the Moon by some 12 degrees.
    h.Find<QAction>("mnuNewEvaluation")->trigger();
    h.TickSubject(4, "Start On A New Job");
    h.Click("cmdNext_0");
    h.FillElectionPage("2011", "January", "6");
    h.Click("cmdNext_1");
    h.FillBirthPage();
    h.Click("cmdNext_2");
    QVERIFY(table->item(1, 1)->text() != positions[1]);
    QCOMPARE(table->item(1, 1)->text(),
             QString::fromStdString(TextOf(h.window->LastEvaluation()->Lagna.PlanetSigns[1])));
  }
};

HORAVELA_APP_TEST_MAIN(AtlasTest)
#include "atlas_test.moc"
