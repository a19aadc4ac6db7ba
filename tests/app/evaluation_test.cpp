// Whole evaluations through the window: the wait page and its pauses, the
// details pages, the report and the result listing, failures of the core.
#include <QLocale>
#include <QTabWidget>
#include <QTextDocument>
#include <QTextEdit>

#include "app_test_support.h"
#include "report/rich_text_sink.h"
#include "rules/calculation_driver.h"

using horavela::CalculationState;
using horavela::EvaluationInput;
using horavela::app::MessageIcon;
using horavela::app::testing::Harness;

namespace {

// A sink that keeps nothing, for evaluations computed beside the window.
class NullSink : public horavela::RichTextSink {
 public:
  void Clear() override {}
  void SetAlignment(horavela::Alignment) override {}
  void SetBold(bool) override {}
  void SetColor(horavela::PaletteColor) override {}
  void SetFontSize(int) override {}
  void InsertText(std::string_view) override {}
  void InsertPicture(const horavela::Bitmap&) override {}
};

// The input Harness::FillElectionPage and FillBirthPage type, written out by hand.
EvaluationInput ExpectedInput(const QString& subject) {
  EvaluationInput input;
  input.subject = subject.toStdString();
  input.name = "Asha Rao";
  input.sex = "Female";
  input.birth.year = 1980;
  input.birth.month = 7;
  input.birth.day = 14;
  input.birth.hour = 7;
  input.birth.minute = 5;
  input.birth.place = {18, 58, true, 72, 50, true, 0, 0, false, "Mumbai", "Maharashtra", "India"};
  input.election.year = 2011;
  input.election.month = 1;
  input.election.day = 5;
  input.election.hour = 10;
  input.election.minute = 30;
  input.election.place = {28, 36, true, 77, 12, true, 0, 0, false, "New Delhi", "Delhi", "India"};
  input.electionWeekday = "Wednesday";
  return input;
}

QString FromStd(const std::string& text) {
  return QString::fromStdString(text);
}

QString ReportText(Harness& h) {
  return h.Find<QTextEdit>("RTB")->document()->toPlainText();
}

// Walks the wizard with the standard inputs up to the birth page's Next.
void Evaluate(Harness& h, int option, const QString& subject) {
  h.TickSubject(option, subject);
  h.Click("cmdNext_0");
  h.FillElectionPage();
  h.Click("cmdNext_1");
  h.FillBirthPage();
  h.Click("cmdNext_2");
}

}  // namespace

class EvaluationTest : public QObject {
  Q_OBJECT

 private slots:
  void eachMainOption_data() {
    QTest::addColumn<int>("option");
    QTest::addColumn<QString>("subject");
    QTest::newRow("child ceremonies") << 0 << "Starting of Education (Aksharabhyasa)";
    QTest::newRow("marriage") << 1 << "Marriage";
    QTest::newRow("education") << 2 << "Learning of a Trade";
    QTest::newRow("new home") << 3 << "Entering a Rented House";
    QTest::newRow("new job") << 4 << "Start On A New Job";
    QTest::newRow("new business") << 5 << "Start A New Business";
    QTest::newRow("travel") << 6 << "Foreign Journey";
    QTest::newRow("construction") << 7 << "Laying the Foundation";
    QTest::newRow("finance") << 8 << "Borrowing Money";
    QTest::newRow("legal") << 9 << "Legal";
    QTest::newRow("medical") << 10 << "Date for operations";
    QTest::newRow("buying and selling") << 11 << "Sell Item";
  }

  void eachMainOption() {
    QFETCH(int, option);
    QFETCH(QString, subject);
    Harness h;
    h.Open();
    Evaluate(h, option, subject);

    for (const auto& shown : h.messages->shown) {
      QVERIFY2(shown.icon != MessageIcon::Error, qPrintable(shown.text));
    }
    QCOMPARE(h.CurrentPage(), QString("picMuhurthaResult"));
    QCOMPARE(h.Find<QTabWidget>("TS")->currentWidget()->objectName(), QString("picResultBirth"));
    QVERIFY(h.Find<QWidget>("fraResult")->isVisible());
    // Two real pauses, both on the wait page: before the rules and before the report.
    QCOMPARE(h.pauses, (std::vector<int>{3000, 2000}));
    QCOMPARE(h.pagesDuringPauses, (std::vector<QString>{"picMessage", "picMessage"}));

    // The window hands the core exactly the inputs on the pages.
    NullSink sink;
    const CalculationState expected = horavela::RunEvaluation(ExpectedInput(subject), sink);
    QVERIFY(h.window->LastEvaluation().has_value());
    const CalculationState& shown = *h.window->LastEvaluation();
    QCOMPARE(FromStd(shown.ResultLabel), FromStd(expected.ResultLabel));
    QVERIFY(shown.BirthChart == expected.BirthChart);
    QVERIFY(shown.ElectionChart == expected.ElectionChart);
    QCOMPARE(h.Find<QLabel>("lblResult")->text(),
             FromStd(expected.ResultLabel).replace("\r\n", "\n"));
    QVERIFY(h.Find<QLabel>("lblResult")
                ->text()
                .contains(QRegularExpression("Election(al)?: (Good|Average|Bad)")));

    const QString report = ReportText(h);
    QVERIFY(report.contains("Horavela Report"));
    QVERIFY(report.contains(subject));
    QVERIFY(report.contains("Chosen Electional Date"));
    QVERIFY(report.contains("January 5, 2011"));
    QVERIFY(report.contains("Overall Effect of Electional Astrology"));
    QVERIFY(report.contains(FromStd(expected.Result.ResultWord)));
    QVERIFY(report.contains("Report Generated By https://horavela.org"));
  }

  void detailsPages() {
    Harness h;
    h.Open();
    h.TickSubject(1, "Marriage");
    h.Click("cmdNext_0");
    h.FillElectionPage();
    h.Select("cboSecondFrom", "59");
    h.Select("cboMuhurthaWeekday", "Monday");  // the details show the computed weekday
    h.Click("cmdNext_1");
    h.FillBirthPage();
    h.Click("cmdNext_2");
    QCOMPARE(h.CurrentPage(), QString("picMuhurthaResult"));
    const CalculationState& state = *h.window->LastEvaluation();
    QCOMPARE(state.Input.electionWeekday, std::string("Monday"));

    auto birth = [&](int i) { return h.Find<QLabel>(QString("lblResultBirth_%1").arg(i))->text(); };
    QCOMPARE(birth(0), QString("Asha Rao"));
    QCOMPARE(birth(1), QString("July 14 1980 MM:DD:YYYY"));
    QCOMPARE(birth(2), QString("7 5 HH:MM"));
    QCOMPARE(birth(3), QString("Mumbai Maharashtra India"));
    for (int slot = 0; slot <= 8; ++slot) {
      QCOMPARE(birth(4 + slot), FromStd(state.BirthChart[static_cast<std::size_t>(slot)]));
      QVERIFY(!birth(4 + slot).isEmpty());
    }
    QCOMPARE(birth(12), QString("Monday"));  // 14 July 1980

    auto election = [&](int i) {
      return h.Find<QLabel>(QString("lblMuhurthaDetails_%1").arg(i))->text();
    };
    for (int slot = 0; slot <= 8; ++slot) {
      QCOMPARE(election(slot), FromStd(state.ElectionChart[static_cast<std::size_t>(slot)]));
    }
    QCOMPARE(election(8), QString("Wednesday"));
    QCOMPARE(election(9), QString("Asha Rao"));
    QCOMPARE(election(10), QString("January 5 2011 MM:DD:YYYY"));
    QCOMPARE(election(11), QString("10 30 HH:MM"));
    QCOMPARE(election(12), QString("New Delhi Delhi India"));

    // Seconds change nothing: the same evaluation without them.
    NullSink sink;
    EvaluationInput input = ExpectedInput("Marriage");
    input.electionWeekday = "Monday";
    const CalculationState expected = horavela::RunEvaluation(input, sink);
    QCOMPARE(FromStd(state.ResultLabel), FromStd(expected.ResultLabel));
  }

  void eighthSignSpelledTwoWays() {
    // 22 July 1980, 10:05 at 18N58 72E50 (zone 0): Moon and lagna both in the eighth sign.
    Harness h;
    h.Open();
    h.TickSubject(1, "Marriage");
    h.Click("cmdNext_0");
    h.FillElectionPage("1980", "July", "22");
    h.Select("cboMinuteFrom", "5");
    for (const auto& [field, value] :
         std::vector<std::pair<QString, QString>>{{"txtDegreeLat", "18"},
                                                  {"txtMinuteLat", "58"},
                                                  {"txtDegreeLong", "72"},
                                                  {"txtMinuteLong", "50"}}) {
      h.Find<QLineEdit>(field)->setText(value);
    }
    h.Click("cmdNext_1");
    h.FillBirthPage();
    h.Select("cboDate", "22");
    h.Select("cboBirthHour", "10");
    h.Click("cmdNext_2");
    QCOMPARE(h.CurrentPage(), QString("picMuhurthaResult"));
    QCOMPARE(h.Find<QLabel>("lblResultBirth_4")->text(), QString("Vrishcika"));
    QCOMPARE(h.Find<QLabel>("lblResultBirth_8")->text(), QString("Vrischika"));
    QCOMPARE(h.Find<QLabel>("lblMuhurthaDetails_0")->text(), QString("Vrishcika"));
    QCOMPARE(h.Find<QLabel>("lblMuhurthaDetails_4")->text(), QString("Vrischika"));
  }

  void westSouthAndZoneReachTheCore() {
    Harness h;
    h.Open();
    h.TickSubject(6, "Domestic Journey");
    h.Click("cmdNext_0");
    h.FillElectionPage();
    h.Find<QAbstractButton>("optLat_Muhurtha_1")->setChecked(true);
    h.Find<QLabel>("lblZoneHour_Muhurtha")->setText("-5");
    h.Find<QLabel>("lblZoneMinute_Muhurtha")->setText("-30");
    h.Find<QAbstractButton>("chkDST_Muhurtha")->setChecked(true);
    h.Click("cmdNext_1");
    h.FillBirthPage();
    h.Find<QAbstractButton>("optLong_Birth_1")->setChecked(true);
    h.Click("cmdNext_2");
    const CalculationState& state = *h.window->LastEvaluation();
    // "South" clears only the North flag, "West" only the East flag.
    QVERIFY(state.Input.election.place.east);
    QVERIFY(!state.Input.election.place.north);
    QVERIFY(!state.Input.birth.place.east);
    QVERIFY(state.Input.birth.place.north);
    QVERIFY(state.Input.election.place.dst);
    QCOMPARE(int(state.Input.election.place.zoneHours), -5);
    QCOMPARE(int(state.Input.election.place.zoneMinutes), -30);
    QVERIFY(!state.Input.birth.place.dst);
    QCOMPARE(FromStd(state.Input.sex), QString("Female"));
    QCOMPARE(h.window->PersonSex(), QString("Female"));
  }

  void electionBeforeBirthYear() {
    Harness h;
    h.Open();
    h.TickSubject(11, "Buying Item");
    h.Click("cmdNext_0");
    h.FillElectionPage("1979");
    h.Click("cmdNext_1");
    h.FillBirthPage("1980");
    h.Click("cmdNext_2");
    QCOMPARE(h.CurrentPage(), QString("picMuhurthaResult"));
    // The precondition message stands alone; no report, so no second pause.
    QCOMPARE(ReportText(h).trimmed(),
             QString("Your Electional Date is more than Your Birth Date. Please check."));
    QCOMPARE(h.pauses, std::vector<int>{3000});
    QCOMPARE(h.Find<QLabel>("lblResult")->text(), QString());
  }

  void secondEvaluationReplacesTheFirst() {
    Harness h;
    h.Open();
    Evaluate(h, 1, "Marriage");
    h.Click("cmdBack_3");
    h.TickSubject(9, "Legal");
    h.Click("cmdNext_0");
    h.FillElectionPage("2020", "June", "21");
    h.Click("cmdNext_1");
    h.FillBirthPage("1990");
    h.Select("cboBirthHour", "23");
    h.Find<QLineEdit>("txtBirthName")->setText("Second Person");
    h.Click("cmdNext_2");
    const QString report = ReportText(h);
    QVERIFY(report.contains("Legal"));
    QVERIFY(!report.contains("Marriage"));
    QCOMPARE(report.count("Horavela Report"), 1);
    QVERIFY(report.contains("June 21, 2020"));
    QCOMPARE(h.Find<QLabel>("lblResultBirth_0")->text(), QString("Second Person"));
    QCOMPARE(h.Find<QLabel>("lblResultBirth_1")->text(), QString("July 14 1990 MM:DD:YYYY"));
    QCOMPARE(h.Find<QLabel>("lblResultBirth_2")->text(), QString("23 5 HH:MM"));
    QCOMPARE(h.window->LastEvaluation()->Input.birth.year, 1990);
  }

  void backFromEachResultPage_data() {
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("back");
    QTest::newRow("birth details") << 0 << "cmdBack_3";
    QTest::newRow("report") << 2 << "cmdBack_4";
    QTest::newRow("election details") << 1 << "cmdBack_5";
  }

  void backFromEachResultPage() {
    QFETCH(int, tab);
    QFETCH(QString, back);
    Harness h;
    h.Open();
    Evaluate(h, 3, "Entering a New House");
    auto* tabs = h.Find<QTabWidget>("TS");
    tabs->setCurrentIndex(tab);
    const QString before = h.Find<QLabel>("lblResultBirth_4")->text();
    h.Click(back);
    QCOMPARE(h.CurrentPage(), QString("picMainScreen"));
    QVERIFY(h.window->ElectionSubject().isEmpty());
    auto* list = h.Find<QListWidget>("lstOptions");
    for (int i = 0; i < list->count(); ++i) QCOMPARE(list->item(i)->checkState(), Qt::Unchecked);
    QCOMPARE(h.Find<QComboBox>("cboYear")->currentText(), QString("1901"));
    QVERIFY(h.Find<QLineEdit>("txtBirthName")->text().isEmpty());
    QVERIFY(h.Find<QLineEdit>("txtDegreeLat")->text().isEmpty());
    QVERIFY(!h.Find<QWidget>("fraResult")->isVisible());
    // Values stay on the details labels until the next evaluation.
    QCOMPARE(h.Find<QLabel>("lblResultBirth_4")->text(), before);
    // Next 0 now needs a new subject.
    h.Click("cmdNext_0");
    QCOMPARE(h.messages->Texts().last(), QString("Please Select A Subject"));
  }

  void coreFailureReturnsToTheBirthPage() {
    Harness h;
    horavela::app::AppServices services = h.Services();
    services.core.computeStrengths = [](CalculationState&) {
      throw std::runtime_error("the nakshatra table is missing");
    };
    h.Open(std::move(services));
    Evaluate(h, 1, "Engagement");
    QCOMPARE(h.CurrentPage(), QString("picBirthDetails"));
    QCOMPARE(h.messages->Texts(),
             QStringList{"The evaluation could not be completed: the nakshatra table is missing"});
    QVERIFY(h.messages->shown[0].icon == MessageIcon::Error);
    // Every input is still there.
    QCOMPARE(h.Find<QLineEdit>("txtBirthName")->text(), QString("Asha Rao"));
    QCOMPARE(h.Find<QLineEdit>("txtBirthDegreeLat")->text(), QString("18"));
    QCOMPARE(h.Find<QComboBox>("cboYear")->currentText(), QString("1980"));
    QCOMPARE(h.Find<QLineEdit>("txtDegreeLat")->text(), QString("28"));
    QCOMPARE(h.Find<QComboBox>("cboMuhurthaYear")->currentText(), QString("2011"));
    QCOMPARE(h.window->ElectionSubject(), QString("Engagement"));
    QVERIFY(!h.window->LastEvaluation().has_value());
    QVERIFY(ReportText(h).isEmpty());
  }

  void failureWhileWritingKeepsTheOldReport() {
    Harness h;
    horavela::app::AppServices services = h.Services();
    int runs = 0;
    services.core.dispatchSubject = [&runs](CalculationState& state, horavela::RichTextSink& sink) {
      if (++runs == 2) {
        sink.Clear();
        sink.InsertText("half a report");
        throw std::runtime_error("disk on fire");
      }
      return horavela::DispatchSubject(state, sink);
    };
    h.Open(std::move(services));
    Evaluate(h, 1, "Engagement");
    const QString first = ReportText(h);
    QVERIFY(first.contains("Engagement"));
    h.Find<QTabWidget>("TS")->setCurrentIndex(2);
    h.Click("cmdBack_4");
    Evaluate(h, 1, "Marriage");
    QCOMPARE(h.CurrentPage(), QString("picBirthDetails"));
    QCOMPARE(h.messages->Texts().last(),
             QString("The evaluation could not be completed: disk on fire"));
    QCOMPARE(ReportText(h), first);
    // Correcting nothing and pressing Next again completes the evaluation.
    h.Click("cmdNext_2");
    QCOMPARE(h.CurrentPage(), QString("picMuhurthaResult"));
    QVERIFY(ReportText(h).contains("Marriage"));
  }

  void unknownSubjectEmptiesTheListingAndKeepsTheReport() {
    Harness h;
    horavela::app::AppServices services = h.Services();
    int runs = 0;
    services.core.dispatchSubject = [&runs](CalculationState& state, horavela::RichTextSink& sink) {
      // The second run asks for a subject with different capitals.
      if (++runs == 2) state.Input.subject = "sell item";
      return horavela::DispatchSubject(state, sink);
    };
    h.Open(std::move(services));
    Evaluate(h, 11, "Sell Item");
    const QString first = ReportText(h);
    QVERIFY(first.contains("Sell Item"));
    h.Click("cmdBack_3");
    Evaluate(h, 11, "Sell Item");
    QCOMPARE(h.CurrentPage(), QString("picMuhurthaResult"));
    QCOMPARE(h.Find<QLabel>("lblResult")->text(), QString());
    QCOMPARE(ReportText(h), first);
  }
};

HORAVELA_APP_TEST_MAIN(EvaluationTest)
#include "evaluation_test.moc"
