// The day's periods on the pages, named from what they are in the language
// the program speaks: the tithi with its whole fortnight, the nakshatra with
// its pada in the language's word, the named muhurtas; English untouched.
// (These rows once checked the word-by-word rewriting of the core's English,
// which the typed names replaced: "pada" and Godhuli are now translated too.)
#include <QRegularExpression>
#include <QTest>

#include "app/app_language.h"
#include "app/shown_names.h"

using horavela::Language;
using horavela::Nakshatra;
using horavela::Paksha;
using horavela::PeriodName;
using horavela::Planet;
using horavela::Rashi;
using horavela::Tithi;
using horavela::app::ShownName;
using horavela::app::ShownStarAndPada;

Q_DECLARE_METATYPE(PeriodName)

class ShownNamesTest : public QObject {
  Q_OBJECT

 private slots:
  void namesAreWrittenInTheLanguage_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<PeriodName>("term");
    QTest::addColumn<QString>("shown");
    const int hindi = static_cast<int>(Language::Hindi);
    QTest::newRow("tithi and fortnight")
        << hindi << PeriodName::Of(Tithi::Dwadashi, Paksha::Shukla) << "द्वादशी (शुक्ल पक्ष)";
    QTest::newRow("pada in the language")
        << hindi << PeriodName::Of(Nakshatra::Rohini, 2) << "रोहिणी चरण 2";
    QTest::newRow("kalam") << hindi << PeriodName::Of(horavela::KalamWord::RahuKalam) << "राहुकाल";
    QTest::newRow("hora lord") << hindi << PeriodName::HoraOf(Planet::Rahu) << "राहु";
    QTest::newRow("lagna") << hindi << PeriodName::LagnaOf(Rashi::Vrischika) << "वृश्चिक";
    QTest::newRow("moon sign") << hindi << PeriodName::MoonSignOf(Rashi::Vrischika) << "वृश्चिक";
    QTest::newRow("named muhurta")
        << hindi << PeriodName::Of(horavela::NamedMuhurta::Godhuli) << "गोधूलि";
    QTest::newRow("english") << static_cast<int>(Language::English)
                             << PeriodName::Of(Tithi::Dwadashi, Paksha::Shukla)
                             << "Dwadasi (Shukla)";
  }

  void namesAreWrittenInTheLanguage() {
    QFETCH(int, language);
    QFETCH(PeriodName, term);
    QFETCH(QString, shown);
    horavela::app::InstallTranslators(static_cast<Language>(language));
    QCOMPARE(ShownName(term), shown);
    // A period made up on the way (a verdict's) keeps its own words.
    QCOMPARE(ShownName(horavela::Period{"Good", {}, {}, {}}), QString("Good"));
  }

  // The pages' months are the reports' own spellings: Qt's Hindi locale
  // writes October अक्तूबर, the report अक्टूबर.
  void monthsAreSpelledAsTheReportsSpellThem() {
    horavela::app::InstallTranslators(Language::Hindi);
    QCOMPARE(horavela::app::MonthName(10), QString::fromUtf8("अक्टूबर"));
    horavela::app::InstallTranslators(Language::English);
    QCOMPARE(horavela::app::MonthName(10), QString("October"));
  }

  // The planet table's nakshatra column: "Rohini 2" in English as always.
  void starAndPada() {
    horavela::app::InstallTranslators(Language::English);
    QCOMPARE(ShownStarAndPada("Rohini", Nakshatra::Rohini, 2), QString("Rohini 2"));
    horavela::app::InstallTranslators(Language::Tamil);
    QCOMPARE(ShownStarAndPada("Rohini", Nakshatra::Rohini, 2), QString("ரோகிணி பாதம் 2"));
    horavela::app::InstallTranslators(Language::English);
  }

  // The planet table's position column: the core's "06 Sco 56" in English, the
  // language's abbreviation of the sign between the same degrees and minutes
  // elsewhere, with no Latin letter left in it.
  void positionInTheLanguage() {
    const horavela::PlanetPosition scorpio{Rashi::Vrischika, 6, 56};
    horavela::app::InstallTranslators(Language::English);
    QCOMPARE(horavela::app::ShownPosition(scorpio), QString("06 Sco 56"));
    QCOMPARE(horavela::app::ShownPosition({}), QString());
    horavela::app::InstallTranslators(Language::Hindi);
    const QString hindi = horavela::app::ShownPosition(scorpio);
    QVERIFY2(hindi.startsWith("06 ") && hindi.endsWith(" 56"), qPrintable(hindi));
    QVERIFY2(!hindi.contains(QRegularExpression("[A-Za-z]")), qPrintable(hindi));
    horavela::app::InstallTranslators(Language::English);
  }
};

QTEST_GUILESS_MAIN(ShownNamesTest)
#include "shown_names_test.moc"
