// What the finder and the Day tab say of the tradition's veto periods: the
// summary line above the list and a period's words on a day, on the clock of
// New Delhi (Indian Standard Time).
#include <QTest>

#include "app/veto_texts.h"
#include "app_test_support.h"

using horavela::LocalMinute;
using horavela::PlaceClock;
using horavela::Veto;
using horavela::VetoPeriod;

namespace {

const horavela::PlaceEntry kNewDelhi{28, 36,  true,  77,          12,      true,
                                     -5, -30, false, "New Delhi", "Delhi", "India"};

const PlaceClock& Delhi() {
  static const PlaceClock clock(kNewDelhi, nullptr);
  return clock;
}

// A period from one clock minute to the minute before another, at New Delhi.
VetoPeriod Period(Veto veto, const LocalMinute& from, const LocalMinute& until) {
  return PeriodOf(veto, Delhi().UniversalOf(from, PlaceClock::Run::First),
                  Delhi().UniversalOf(until, PlaceClock::Run::First) - 1, horavela::AsIs("why"));
}

const VetoPeriod kKharmas = Period(Veto::Kharmas, {2025, 12, 16, 4, 19}, {2026, 1, 14, 15, 6});
const VetoPeriod kChaturmas = Period(Veto::Chaturmas, {2026, 7, 25, 6, 0}, {2026, 11, 20, 6, 0});
const VetoPeriod kEclipse = Period(Veto::LunarEclipse, {2026, 3, 3, 15, 20}, {2026, 3, 3, 18, 47});
const VetoPeriod kHolashtak = Period(Veto::Holashtak, {2026, 2, 24, 6, 0}, {2026, 3, 3, 6, 0});
const VetoPeriod kMalmas = Period(Veto::Malmas, {2026, 3, 14, 18, 40}, {2026, 4, 14, 9, 30});

}  // namespace

class VetoTextsTest : public QObject {
  Q_OBJECT

 private slots:
  void summaryNamesThePeriods_data() {
    QTest::addColumn<std::vector<VetoPeriod>>("periods");
    QTest::addColumn<int>("ruledOut");
    QTest::addColumn<QDate>("from");
    QTest::addColumn<QString>("expected");
    const QDate year(2026, 1, 1);
    QTest::newRow("begun before the range: its end")
        << std::vector{kKharmas} << 13 << year
        << "The tradition rules out 13 of 365 days: Kharmas until 14 January.";
    QTest::newRow("begun inside: its span")
        << std::vector{kChaturmas} << 118 << year
        << "The tradition rules out 118 of 365 days: Chaturmas 25 July \u2013 20 November.";
    QTest::newRow("one day: its date")
        << std::vector{kEclipse} << 0 << year
        << "The tradition rules out 0 of 365 days: Lunar eclipse on 3 March.";
    QTest::newRow("another year: with its year")
        << std::vector{kKharmas} << 17 << QDate(2025, 12, 30)
        << "The tradition rules out 17 of 365 days: Kharmas until 14 January 2026.";
    QTest::newRow("at most four, then how many more")
        << std::vector{kKharmas, kHolashtak, kEclipse, kMalmas, kChaturmas, kChaturmas} << 200
        << year
        << "The tradition rules out 200 of 365 days: Kharmas until 14 January; Holashtak 24 "
           "February \u2013 3 March; Lunar eclipse on 3 March; Malmas 14 March \u2013 14 April; "
           "and 2 more.";
    QTest::newRow("nothing in force: nothing said")
        << std::vector<VetoPeriod>{} << 0 << year << QString();
  }
  void summaryNamesThePeriods() {
    QFETCH(std::vector<VetoPeriod>, periods);
    QFETCH(int, ruledOut);
    QFETCH(QDate, from);
    QFETCH(QString, expected);
    QCOMPARE(horavela::app::TraditionSummary(periods, ruledOut, 365, Delhi(), from), expected);
  }

  // A day is ruled out only when every minute of it lies under some period,
  // one or several together; a period's words give its times on that day.
  void daysAndTheirWords_data() {
    QTest::addColumn<std::vector<VetoPeriod>>("periods");
    QTest::addColumn<QDate>("day");
    QTest::addColumn<bool>("whole");
    QTest::addColumn<QString>("words");
    QTest::newRow("inside") << std::vector{kKharmas} << QDate(2026, 1, 1) << true
                            << "Kharmas, all day: why";
    QTest::newRow("ends that day")
        << std::vector{kKharmas} << QDate(2026, 1, 14) << false << "Kharmas until 15:06: why";
    QTest::newRow("begins that day")
        << std::vector{kKharmas} << QDate(2025, 12, 16) << false << "Kharmas from 04:19: why";
    QTest::newRow("within the day") << std::vector{kEclipse} << QDate(2026, 3, 3) << false
                                    << "Lunar eclipse 15:20\u201318:47: why";
    QTest::newRow("regional") << std::vector{kHolashtak} << QDate(2026, 2, 25) << true
                              << "Holashtak, all day (regional): why";
    const VetoPeriod morning = Period(Veto::Panchaka, {2026, 5, 1, 0, 0}, {2026, 5, 1, 12, 0});
    const VetoPeriod evening = Period(Veto::Chaturmas, {2026, 5, 1, 12, 0}, {2026, 5, 2, 0, 0});
    QTest::newRow("two together") << std::vector{evening, morning} << QDate(2026, 5, 1) << true
                                  << "Panchaka until 12:00: why\nChaturmas from 12:00: why";
  }
  void daysAndTheirWords() {
    QFETCH(std::vector<VetoPeriod>, periods);
    QFETCH(QDate, day);
    QFETCH(bool, whole);
    QFETCH(QString, words);
    const auto days = horavela::app::VetoedDays(Delhi(), day.addDays(-1), day.addDays(1), periods);
    const auto found = days.find(day);
    QVERIFY(found != days.end());
    QCOMPARE(found->second.whole, whole);
    QCOMPARE(horavela::app::VetoesOnDayText(found->second, Delhi()), words);
  }
};

HORAVELA_APP_TEST_MAIN(VetoTextsTest)
#include "veto_texts_test.moc"
