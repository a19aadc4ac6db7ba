// What the wizard's model hands to the evaluation, and what New Evaluation
// forgets of it.
#include <QTest>

#include "app/wizard_model.h"
#include "app_test_support.h"

using horavela::EvaluationInput;
using horavela::MomentEntry;
using horavela::app::WizardModel;

namespace {

MomentEntry On(int year, int month, int day, const char* city) {
  MomentEntry moment;
  moment.year = static_cast<std::int16_t>(year);
  moment.month = static_cast<std::int16_t>(month);
  moment.day = static_cast<std::int16_t>(day);
  moment.place.city = city;
  return moment;
}

}  // namespace

class WizardModelTest : public QObject {
  Q_OBJECT

 private slots:
  void InputCarriesWhatThePagesGathered_data() {
    QTest::addColumn<QString>("subject");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("sex");
    QTest::addColumn<QString>("weekday");
    QTest::newRow("marriage") << "Marriage"
                              << "Asha"
                              << "Female"
                              << "Friday";
    QTest::newRow("no subject yet") << ""
                                    << "Ravi"
                                    << "Male"
                                    << "Monday";
    QTest::newRow("letters beyond Latin") << "Buying a Vehicle"
                                          << "रवि"
                                          << "Male"
                                          << "";
  }
  void InputCarriesWhatThePagesGathered() {
    QFETCH(QString, subject);
    QFETCH(QString, name);
    QFETCH(QString, sex);
    QFETCH(QString, weekday);
    const WizardModel model{subject, name, sex, {.tarabala = horavela::TaraCount::Inclusive}};
    const EvaluationInput input =
        model.Input(On(1980, 4, 12, "Pune"), On(2026, 1, 23, "Delhi"), weekday);
    QCOMPARE(QString::fromStdString(input.subject), subject);
    QCOMPARE(QString::fromStdString(input.name), name);
    QCOMPARE(QString::fromStdString(input.sex), sex);
    QCOMPARE(QString::fromUtf8(NameOf(input.electionWeekday).data()), weekday);
    QCOMPARE(input.birth.year, 1980);
    QCOMPARE(input.birth.place.city, std::string("Pune"));
    QCOMPARE(input.election.day, 23);
    QCOMPARE(input.election.place.city, std::string("Delhi"));
    QVERIFY(input.settings == model.settings);
  }

  // The person stays until the birth page's Next takes them again: the day's
  // file names still carry them after New Evaluation.
  void StartingAfreshForgetsOnlyTheSubject() {
    WizardModel model{"Marriage", "Asha", "Female", {}};
    model.StartAfresh();
    QCOMPARE(model.subject, QString());
    QCOMPARE(model.personName, QString("Asha"));
    QCOMPARE(model.personSex, QString("Female"));
  }
};

HORAVELA_APP_TEST_MAIN(WizardModelTest)
#include "wizard_model_test.moc"
