// The "Day" tab: the day at a glance beside the three result tabs, its
// timeline, the chart of the moment in both regional styles, and the View menu.
#include <QAction>
#include <QFile>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>

#include "app/chart_drawing.h"
#include "app/day_tab.h"
#include "app/day_texts.h"
#include "app/day_timeline.h"
#include "app_test_support.h"

using horavela::ChartBody;
using horavela::DayAtAGlance;
using horavela::DayRequest;
using horavela::LocalMinute;
using horavela::LocalTime;
using horavela::Period;
using horavela::app::ChartDrawing;
using horavela::app::DayTab;
using horavela::app::DayTimeline;
using horavela::app::GridCell;
using horavela::app::testing::Harness;

namespace {

const LocalMinute kMidnight{2011, 1, 5, 0, 0};

LocalTime At(int hour, int minute, int day = 5) {
  return {2011, 1, day, hour, minute, 0};
}

ChartBody Body(const char* name, double longitude, const char* nakshatra, int pada,
               bool retrograde = false) {
  ChartBody body;
  body.body = name;
  body.longitude = longitude;
  body.nakshatra = nakshatra;
  body.pada = pada;
  body.retrograde = retrograde;
  return body;
}

horavela::SearchWindow Window(const char* word, LocalMinute first, LocalMinute last) {
  auto judgement = std::make_shared<horavela::Judgement>();
  judgement->evaluation.ResultWord = horavela::VerdictNamed(word).value_or(horavela::Verdict::None);
  return {"Marriage", first, last, 60, judgement};
}

// A day in New Delhi as an almanac would give it, made by hand.
DayAtAGlance HandMadeDay(const LocalMinute& moment = {2011, 1, 5, 10, 30}) {
  DayAtAGlance day;
  day.sky.sunrise = At(7, 14);
  day.sky.sunset = At(17, 38);
  day.sky.nextSunrise = At(7, 15, 6);
  day.sky.moonrise = At(8, 30);
  day.sky.moonset = At(19, 2);
  horavela::DayParts parts;
  parts.weekday = "Wednesday";
  parts.rahuKalam = {"Rahu kalam", At(12, 26), At(13, 44)};
  parts.yamaganda = {"Yamaganda", At(8, 32), At(9, 50)};
  parts.gulikaKalam = {"Gulika kalam", At(11, 8), At(12, 26)};
  parts.abhijit = {"Abhijit", At(12, 5), At(12, 47)};
  parts.choghadiya = {{"Labh", At(7, 14), At(8, 32)}, {"Amrit", At(8, 32), At(9, 50)}};
  parts.hora = {{"Mercury", At(7, 14), At(8, 6)}, {"Moon", At(8, 6), At(8, 58)}};
  day.parts = parts;
  day.elements.tithi = {{"Shukla Pratipada", At(22, 10, 4), At(20, 1)},
                        {"Shukla Dwitiya", At(20, 1), At(18, 0, 6)}};
  day.elements.nakshatra = {{"Uttara Ashadha 3", At(3, 0), At(11, 0)}};
  day.chartMoment = moment;
  day.chart = {Body("Lagna", 312.25, "Shatabhisha", 2),
               Body("Sun", 260.1, "Purva Ashadha", 3),
               Body("Moon", 272.0, "Uttara Ashadha", 2),
               Body("Mars", 268.0, "Uttara Ashadha", 1),
               Body("Saturn", 193.0, "Swati", 3, true),
               Body("Rahu", 250.5, "Moola", 4),
               Body("Ketu", 70.5, "Ardra", 2)};
  return day;
}

// Services whose almanac is the hand-made day, remembering what was asked.
horavela::app::AppServices WithHandMadeDay(Harness& h, std::vector<DayRequest>& asked) {
  horavela::app::AppServices services = h.Services();
  services.core.computeDay = [&asked](const DayRequest& request) {
    asked.push_back(request);
    return HandMadeDay(*request.chartMoment);
  };
  return services;
}

}  // namespace

class DayTabTest : public QObject {
  Q_OBJECT

 private slots:
  void theDayTabFollowsTheThreeResultTabs() {
    Harness h;
    h.Open();
    auto* tabs = h.Find<QTabWidget>("TS");
    const QStringList captions = {"Birth Details", "Election Details", "Electional Analysis", "Day",
                                  "Month"};
    QCOMPARE(tabs->count(), captions.size());
    for (int i = 0; i < tabs->count(); ++i) QCOMPARE(tabs->tabText(i), captions[i]);
    QCOMPARE(tabs->widget(3)->objectName(), QString("picDay"));
  }

  void southIndianSignsSitInFixedCells_data() {
    QTest::addColumn<int>("sign");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    const int cells[12][2] = {{0, 1}, {0, 2}, {0, 3}, {1, 3}, {2, 3}, {3, 3},
                              {3, 2}, {3, 1}, {3, 0}, {2, 0}, {1, 0}, {0, 0}};
    const char* names[12] = {"Aries", "Taurus",  "Gemini",      "Cancer",    "Leo",      "Virgo",
                             "Libra", "Scorpio", "Sagittarius", "Capricorn", "Aquarius", "Pisces"};
    for (int sign = 0; sign < 12; ++sign) {
      QTest::newRow(names[sign]) << sign << cells[sign][0] << cells[sign][1];
    }
  }

  void southIndianSignsSitInFixedCells() {
    QFETCH(int, sign);
    QFETCH(int, row);
    QFETCH(int, column);
    QCOMPARE(horavela::app::SouthIndianCell(sign), (GridCell{row, column}));
  }

  void northIndianHousesCountFromTheLagna_data() {
    QTest::addColumn<int>("sign");
    QTest::addColumn<int>("lagna");
    QTest::addColumn<int>("house");
    QTest::newRow("the lagna's own sign") << 4 << 4 << 1;
    QTest::newRow("Aries under a Leo lagna") << 0 << 4 << 9;
    QTest::newRow("Pisces under an Aries lagna") << 11 << 0 << 12;
    QTest::newRow("Aries under a Pisces lagna") << 0 << 11 << 2;
    QTest::newRow("the seventh from Aquarius") << 4 << 10 << 7;
  }

  void northIndianHousesCountFromTheLagna() {
    QFETCH(int, sign);
    QFETCH(int, lagna);
    QFETCH(int, house);
    QCOMPARE(horavela::app::NorthIndianHouse(sign, lagna), house);
  }

  void eachBodyGoesToTheSignOfItsLongitude() {
    const DayAtAGlance day = HandMadeDay();
    const auto signs = horavela::app::BodiesBySign(day.chart);
    QCOMPARE(signs[8], QStringList({"Su", "Ma", "Ra"}));  // Sagittarius
    QCOMPARE(signs[9], QStringList({"Mo"}));              // Capricorn
    QCOMPARE(signs[6], QStringList({"Sa(R)"}));           // Libra
    QCOMPARE(signs[2], QStringList({"Ke"}));              // Gemini
    QVERIFY(signs[10].isEmpty());                         // the lagna is marked, not listed
    QCOMPARE(horavela::app::LagnaSign(day.chart), 10);
  }

  void theTimelineMapsMinutesToXAndBack_data() {
    QTest::addColumn<int>("minute");
    for (int minute : {0, 1, 630, 1439, 1874})
      QTest::newRow(qPrintable(QString::number(minute))) << minute;
  }

  void theTimelineMapsMinutesToXAndBack() {
    QFETCH(int, minute);
    DayTimeline timeline;
    timeline.SetDay(HandMadeDay(), kMidnight);
    // To the next sunrise, 07:15 the next morning, as it comes after 24:00.
    QCOMPARE(timeline.SpanMinutes(), 1440.0 + 7 * 60 + 15);
    QCOMPARE(timeline.MinuteAtX(timeline.XOfMinute(minute)), minute);
    const LocalMinute local = timeline.LocalMinuteAtX(timeline.XOfMinute(minute));
    QCOMPARE(horavela::MinuteIndex(local) - horavela::MinuteIndex(kMidnight), minute);
  }

  void everyCellSaysItsNameAndTimes() {
    DayTimeline timeline;
    timeline.SetDay(HandMadeDay(), kMidnight);
    const int rahu = timeline.XOfMinute(13 * 60);
    QCOMPARE(timeline.ToolTipAt({rahu, timeline.RowCentreY(0)}),
             QString("Rahu kalam\n12:26 - 13:44"));
    const int tithi = timeline.XOfMinute(60);
    QCOMPARE(timeline.ToolTipAt({tithi, timeline.RowCentreY(6)}),
             QString("Tithi: Shukla Pratipada\n22:10 (2011-01-04) - 20:01"));
    QCOMPARE(timeline.ToolTipAt({rahu, timeline.RowCentreY(1)}), QString());  // no Yamaganda then
  }

  // Abhijit on a Wednesday keeps its times, muted, its tooltip saying why.
  void abhijitIsMutedWhereItIsNotObserved() {
    DayAtAGlance day = HandMadeDay();
    const QColor observed = horavela::app::TimelineRows(day, kMidnight)[3].cells.at(0).colour;
    day.parts->abhijitObserved = false;
    DayTimeline timeline;
    timeline.SetDay(day, kMidnight);
    const auto rows = horavela::app::TimelineRows(day, kMidnight);
    QVERIFY(rows[3].cells.at(0).colour != observed);
    QCOMPARE(timeline.ToolTipAt({timeline.XOfMinute(12 * 60 + 20), timeline.RowCentreY(3)}),
             QString("Abhijit\n12:05 - 12:47\n%1").arg(horavela::app::texts::kAbhijitNotObserved));
  }

  // On a day whose clock changes the parts' and the Sun's times say their offset.
  void aDayWhoseClockChangesSaysTheOffsets() {
    DayAtAGlance day = HandMadeDay();
    day.sky.clockChanges = true;
    day.sky.sunrise->utcOffsetSeconds = 14 * 3600;
    day.parts->rahuKalam.from.utcOffsetSeconds = 14 * 3600;
    day.parts->rahuKalam.to.utcOffsetSeconds = 14 * 3600;
    DayTimeline timeline;
    timeline.SetDay(day, kMidnight);
    QCOMPARE(timeline.ToolTipAt({timeline.XOfMinute(13 * 60), timeline.RowCentreY(0)}),
             QString("Rahu kalam\n12:26 UTC+14:00 - 13:44 UTC+14:00"));
    QVERIFY(horavela::app::SkyText(day, kMidnight).contains("Sunrise 07:14 UTC+14:00"));
  }

  void theVerdictBandKeepsGoodAndAverage() {
    DayAtAGlance day = HandMadeDay();
    day.verdicts = {Window("Good", {2011, 1, 5, 9, 0}, {2011, 1, 5, 9, 59}),
                    Window("Bad", {2011, 1, 5, 10, 0}, {2011, 1, 5, 10, 59}),
                    Window("Average", {2011, 1, 5, 11, 0}, {2011, 1, 5, 11, 29})};
    const auto rows = horavela::app::TimelineRows(day, kMidnight);
    QCOMPARE(rows.back().caption, QString("Verdict"));
    QCOMPARE(rows.back().cells.size(), std::size_t{2});
    QCOMPARE(rows.back().cells[0].from, 540.0);
    QCOMPARE(rows.back().cells[0].to, 600.0);
    QCOMPARE(rows.back().cells[1].name, QString("Average"));
    QVERIFY(rows.back().cells[0].colour != rows.back().cells[1].colour);
    QCOMPARE(horavela::app::TimelineRows(HandMadeDay(), kMidnight).size(), std::size_t{12});
  }

  // A person's rows come last: tarabala and chandrabala green where they
  // help and red where they hinder, chandrashtama red, each tooltip naming
  // the tara or the birth sign; a day without a person has none.
  void aPersonHasStrengthRowsWithTooltips() {
    DayAtAGlance day = HandMadeDay();
    const std::size_t without = horavela::app::TimelineRows(day, kMidnight).size();
    horavela::PersonDay person;
    person.birthStar = "Rohini";
    person.birthMoonSign = "Vrishabha";
    const horavela::LocalTime dawn{2011, 1, 5, 6, 0, 0};
    const horavela::LocalTime noon{2011, 1, 5, 12, 0, 0};
    const horavela::LocalTime late{2011, 1, 6, 2, 0, 0};
    person.tarabala = {{{"Mrigasira", dawn, noon}, "Sampat", horavela::Word::Favourable},
                       {{"Ardra", noon, late}, "Vipat", horavela::Word::Unfavourable}};
    person.chandrabala = {{{"Mithuna", dawn, late}, {}, horavela::Word::Favourable}};
    person.chandrashtama = {{"Dhanush", noon, late}};
    day.person = person;
    const auto rows = horavela::app::TimelineRows(day, kMidnight);
    QCOMPARE(rows.size(), without + 3);
    QCOMPARE(rows[without].caption, QString("Tarabala"));
    QVERIFY(rows[without].cells[0].colour != rows[without].cells[1].colour);
    QCOMPARE(rows[without + 2].caption, QString("Chandrashtama"));
    QCOMPARE(rows[without + 2].cells[0].colour, rows[without].cells[1].colour);
    DayTimeline timeline;
    timeline.SetDay(day, kMidnight);
    const int tarabala = static_cast<int>(without);
    QCOMPARE(timeline.ToolTipAt({timeline.XOfMinute(13 * 60), timeline.RowCentreY(tarabala)}),
             QString("Tarabala: Ardra\n12:00 - 02:00 (2011-01-06)\n"
                     "Vipat tara, Unfavourable (from the birth star Rohini)"));
    QVERIFY(timeline.ToolTipAt({timeline.XOfMinute(13 * 60), timeline.RowCentreY(tarabala + 1)})
                .endsWith("Favourable (from the birth Moon sign Vrishabha)"));
    QVERIFY(timeline.ToolTipAt({timeline.XOfMinute(9 * 60), timeline.RowCentreY(tarabala + 2)})
                .isEmpty());
  }

  // The muhurtas' rows follow the lagna, each cell with its tooltip; the
  // Gowri panchangam's good parts green, the others red.
  void theMuhurtasHaveRowsWithTooltips() {
    DayAtAGlance day = HandMadeDay();
    day.muhurtas =
        horavela::MuhurtasOfDay({}, *day.sky.sunrise, *day.sky.sunset, *day.sky.nextSunrise);
    const auto rows = horavela::app::TimelineRows(day, kMidnight);
    QStringList captions;
    for (std::size_t row = 12; row < rows.size(); ++row) captions << rows[row].caption;
    QCOMPARE(captions, QStringList({"Durmuhurtam", "Night kalams", "Muhurtas", "Sandhya", "Godhuli",
                                    "Pradosh", "Gowri", "Varjyam", "Amrit kalam"}));
    QCOMPARE(rows[18].cells.size(), std::size_t{16});
    QVERIFY(rows[18].cells[0].colour != rows[18].cells[3].colour);  // Laabam, Soram
    DayTimeline timeline;
    timeline.SetDay(day, kMidnight);
    // Wednesday: the daytime's 8th muhurta, 12:05 to 12:47 (Abhijit's).
    QCOMPARE(timeline.ToolTipAt({timeline.XOfMinute(12 * 60 + 20), timeline.RowCentreY(12)}),
             QString("Durmuhurtam: Muhurta 8 of the day\n12:05 - 12:46"));
    QVERIFY(timeline.ToolTipAt({timeline.XOfMinute(17 * 60 + 40), timeline.RowCentreY(16)})
                .startsWith("Godhuli\n17:"));
  }

  void aPolarDayIsSaidPlainly() {
    DayAtAGlance day;
    day.sky.polarDay = true;
    day.chartMoment = {2011, 6, 21, 12, 0};
    const LocalMinute midnight{2011, 6, 21, 0, 0};
    QCOMPARE(horavela::app::SkyText(day, midnight),
             QString("Tuesday, 2011-06-21\n%1\nMoonrise none    Moonset none")
                 .arg(horavela::app::texts::kPolarDay));
    const auto rows = horavela::app::TimelineRows(day, midnight);
    for (std::size_t row = 0; row < 6; ++row) QVERIFY(rows[row].cells.empty());
  }

  void aClickOnTheTimelineEvaluatesThatMinute() {
    Harness h;
    std::vector<DayRequest> asked;
    h.Open(WithHandMadeDay(h, asked));
    h.Evaluate(4, "Start On A New Job");
    QVERIFY(h.window->LastEvaluation().has_value());
    QCOMPARE(asked.size(), std::size_t{1});
    QVERIFY(asked.back().verdicts.has_value());
    QCOMPARE(asked.back().verdicts->subjects, std::vector<std::string>{"Start On A New Job"});
    auto* tabs = h.Find<QTabWidget>("TS");
    tabs->setCurrentIndex(3);
    auto* timeline = h.Find<DayTimeline>("dayTimeline");
    const std::pair<int, int> times[] = {{16, 5}, {10, 30}};
    for (const auto& [hour, minute] : times) {
      QTest::mouseClick(timeline, Qt::LeftButton, {},
                        {timeline->XOfMinute(hour * 60 + minute) + 0, timeline->RowCentreY(3)});
      const horavela::MomentEntry& election = h.window->LastEvaluation()->Input.election;
      QCOMPARE(election.hour, std::int16_t(hour));
      QCOMPARE(election.minute, std::int16_t(minute));
      QCOMPARE(*asked.back().chartMoment, (LocalMinute{2011, 1, 5, hour, minute}));
      QCOMPARE(tabs->currentWidget()->objectName(), QString("picDay"));
    }
    QCOMPARE(asked.size(), std::size_t{3});
  }

  void thePlanetsTableGainsRahuKetuAndTheLagna() {
    Harness h;
    std::vector<DayRequest> asked;
    h.Open(WithHandMadeDay(h, asked));
    h.Evaluate(4, "Start On A New Job");
    auto* table = h.Find<QTableWidget>("tblPlanets");
    QCOMPARE(table->rowCount(), 10);
    QCOMPARE(table->horizontalHeaderItem(0)->text(), QString("Planet"));
    QCOMPARE(table->horizontalHeaderItem(1)->text(), QString("Position"));
    QCOMPARE(table->horizontalHeaderItem(2)->text(), QString("Nakshatra"));
    const QStringList rows[] = {{"Rahu", "10 Sag 30", "Moola 4"},
                                {"Ketu", "10 Gem 30", "Ardra 2"},
                                {"Lagna", "12 Aqu 15", "Shatabhisha 2"}};
    for (int row = 0; row < 3; ++row) {
      for (int column = 0; column < 3; ++column) {
        QCOMPARE(table->item(7 + row, column)->text(), rows[row][column]);
      }
    }
    QCOMPARE(table->item(0, 2)->text(), QString("Purva Ashadha 3"));  // the Sun
  }

  void theViewMenuShowsTheDayWithoutAnEvaluation() {
    Harness h;
    std::vector<DayRequest> asked;
    h.Open(WithHandMadeDay(h, asked));
    h.TickSubject(4, "Start On A New Job");
    h.Click("cmdNext_0");
    h.FillElectionPage();
    h.Find<QAction>("mnuDayAtAGlance")->trigger();
    QCOMPARE(h.CurrentPage(), QString("picMuhurthaResult"));
    QCOMPARE(h.Find<QTabWidget>("TS")->currentWidget()->objectName(), QString("picDay"));
    QVERIFY(!h.window->LastEvaluation().has_value());
    QCOMPARE(asked.size(), std::size_t{1});
    QCOMPARE(asked[0].year * 10000 + asked[0].month * 100 + asked[0].day, 20110105);
    QCOMPARE(asked[0].place.latitudeDegrees, std::int16_t{28});
    QVERIFY(!asked[0].verdicts.has_value());
    QVERIFY(h.Find<QLabel>("lblDaySky")->text().contains("Sunrise 07:14"));
    // 5 January 2011 lies in the Kharmas of that winter, the Sun in Dhanu:
    // the tab names it under the sky line, with its reason.
    const QString vetoes = h.Find<QLabel>("lblDayVetoes")->text();
    QVERIFY2(vetoes.startsWith(QString(horavela::app::texts::kDayVetoes) + "\n"),
             qPrintable(vetoes));
    QVERIFY2(vetoes.contains("\nKharmas, all day: "), qPrintable(vetoes));
    QVERIFY(h.Find<QLabel>("lblDayVetoes")->isVisible());
    QVERIFY(h.messages->shown.empty());
    // Back as from the other result pages.
    h.Click("cmdDayBack");
    QCOMPARE(h.CurrentPage(), QString("picMainScreen"));
  }

  void theViewMenuAsksForTheElectionPlace() {
    Harness h;
    std::vector<DayRequest> asked;
    h.Open(WithHandMadeDay(h, asked));
    h.Find<QAction>("mnuDayAtAGlance")->trigger();
    QCOMPARE(h.messages->Texts(), QStringList{horavela::app::texts::kDayNoElectionPlace});
    QCOMPARE(h.CurrentPage(), QString("picMainScreen"));
    QVERIFY(asked.empty());
  }

  void theDayIsSavedAsPngAndPdf_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QByteArray>("start");
    QTest::newRow("PNG") << "cmdDaySavePng" << QByteArray("\x89PNG");
    QTest::newRow("PDF") << "cmdDaySavePdf" << QByteArray("%PDF");
  }

  void theDayIsSavedAsPngAndPdf() {
    QFETCH(QString, button);
    QFETCH(QByteArray, start);
    Harness h;
    std::vector<DayRequest> asked;
    h.Open(WithHandMadeDay(h, asked));
    h.Evaluate(4, "Start On A New Job");
    QTemporaryDir folder;
    h.saveFilePath = folder.filePath("day");
    h.Click(button);
    QFile saved(h.saveFilePath);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QVERIFY(saved.readAll().startsWith(start));
    QVERIFY(h.messages->shown.empty());
  }

  // The real almanac behind the window: the election page's place keeps UTC
  // (no zone chosen), so New Delhi's sunrise at 07:14 IST reads 01:44.
  void theAlmanacFillsTheDayOfAnEvaluation() {
    Harness h;
    h.Open();
    h.Evaluate(4, "Start On A New Job");
    QVERIFY(h.messages->shown.empty());
    QVERIFY(h.Find<QLabel>("lblDaySky")
                ->text()
                .startsWith("Wednesday, 2011-01-05    Sunrise 01:44    Sunset 12:08    Next "
                            "sunrise 01:44 (2011-01-06)"));
    auto* timeline = h.Find<DayTimeline>("dayTimeline");
    const int chosen = timeline->XOfMinute(10 * 60 + 30);
    QVERIFY(timeline->ToolTipAt({chosen, timeline->RowCentreY(11)}).startsWith("Lagna: Vrishabha"));
    // The muhurtas' nine rows come between the lagna and the verdict band.
    QVERIFY(timeline->ToolTipAt({chosen, timeline->RowCentreY(21)}).startsWith("Verdict: "));
    // Rahu and Ketu opposite; the lagna of the election chart; both tables alike.
    auto* planets = h.Find<QTableWidget>("tblPlanets");
    auto* day = h.Find<QTableWidget>("tblDayPlanets");
    QCOMPARE(planets->item(7, 1)->text().mid(3, 3), QString("Sag"));
    QCOMPARE(planets->item(8, 1)->text().mid(3, 3), QString("Gem"));
    QCOMPARE(planets->item(7, 1)->text().left(2), planets->item(8, 1)->text().left(2));
    QCOMPARE(planets->item(9, 1)->text().mid(3, 3), QString("Tau"));
    for (int row = 0; row < 10; ++row) {
      QVERIFY(!planets->item(row, 2)->text().isEmpty());
      QCOMPARE(day->item(row, 2)->text(), planets->item(row, 2)->text());
    }
  }

  void theDayGoesToTheDefaultPrinter() {
    Harness h;
    std::vector<DayRequest> asked;
    h.Open(WithHandMadeDay(h, asked));
    h.Evaluate(4, "Start On A New Job");
    QTemporaryDir folder;
    h.printerPdfPath = folder.filePath("printed.pdf");
    h.Click("cmdDayPrint");
    QFile printed(h.printerPdfPath);
    QVERIFY(printed.open(QIODevice::ReadOnly));
    QVERIFY(printed.readAll().startsWith("%PDF"));
    QVERIFY(h.messages->shown.empty());
  }

  // Tromso at midsummer: the Sun never sets, and no kalam is drawn.
  void theAlmanacSaysAPolarDayPlainly() {
    Harness h;
    h.Open();
    h.TickSubject(4, "Start On A New Job");
    h.Click("cmdNext_0");
    h.Select("cboMuhurthaMonth", "June");
    h.Select("cboMuhurthaDate", "21");
    h.Select("cboMuhurthaYear", "2011");
    h.Type("txtDegreeLat", "69");
    h.Type("txtMinuteLat", "39");
    h.Type("txtDegreeLong", "18");
    h.Type("txtMinuteLong", "57");
    h.Find<QAction>("mnuDayAtAGlance")->trigger();
    QVERIFY(h.messages->shown.empty());
    QVERIFY(h.Find<QLabel>("lblDaySky")->text().contains(horavela::app::texts::kPolarDay));
    auto* timeline = h.Find<DayTimeline>("dayTimeline");
    for (int row = 0; row < 6; ++row) {
      QCOMPARE(timeline->ToolTipAt({timeline->XOfMinute(12 * 60), timeline->RowCentreY(row)}),
               QString());
    }
    QVERIFY(
        !timeline->ToolTipAt({timeline->XOfMinute(12 * 60), timeline->RowCentreY(11)}).isEmpty());
  }

  void theStyleBoxRedrawsTheChart() {
    Harness h;
    h.Open();
    auto* chart = h.Find<ChartDrawing>("chartDrawing");
    QCOMPARE(chart->CurrentStyle(), ChartDrawing::Style::SouthIndian);
    h.Select("cboChartStyle", "North Indian");
    QCOMPARE(chart->CurrentStyle(), ChartDrawing::Style::NorthIndian);
  }
};

HORAVELA_APP_TEST_MAIN(DayTabTest)
#include "day_tab_test.moc"
