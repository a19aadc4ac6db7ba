// Tools > Match two people...: two people of the book matched, the report
// shown read-only with its total, and exported; with fewer than two people
// the dialog does not open and says why.
#include <QAction>
#include <QDialog>
#include <QFile>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextEdit>

#include "app_test_support.h"

using horavela::app::testing::Harness;
namespace book = horavela::book;

namespace {

book::Person Born(const std::string& name, const std::string& sex, int year, int month, int day,
                  int hour = 9) {
  book::Person person;
  person.name = name;
  person.sex = sex;
  person.birth.year = static_cast<std::int16_t>(year);
  person.birth.month = static_cast<std::int16_t>(month);
  person.birth.day = static_cast<std::int16_t>(day);
  person.birth.hour = static_cast<std::int16_t>(hour);
  person.birth.minute = 15;
  horavela::PlaceEntry& place = person.birth.place;
  place.city = "Chennai";
  place.country = "India";
  place.latitudeDegrees = 13;
  place.latitudeMinutes = 5;
  place.longitudeDegrees = 80;
  place.longitudeMinutes = 16;
  place.zoneHours = -5;
  place.zoneMinutes = -30;
  return person;
}

// The pages of a PDF as Qt writes them: one "/Type /Page" object a page.
int PdfPageCount(const QByteArray& pdf) {
  static const QRegularExpression page("/Type\\s*/Page(?!s)");
  int pages = 0;
  for (auto it = page.globalMatch(QString::fromLatin1(pdf)); it.hasNext(); it.next()) ++pages;
  return pages;
}

void Store(Harness& h, std::vector<book::Person> people) {
  auto stored = book::Book::Open(h.bookPath.toStdString());
  if (!stored) throw std::runtime_error(stored.error().message);
  for (book::Person& person : people) (*stored)->SavePerson(person);
}

class MatchDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void ReportShowsTheTotalAndExports() {
    Harness h;
    Store(h, {Born("Asha Rao", "Female", 1996, 3, 2), Born("Ravi Kumar", "Male", 1993, 11, 20)});
    h.Open();
    h.Find<QAction>("mnuMatch")->trigger();
    h.Select("cboGroom", "Ravi Kumar (20 November 1993)");
    h.Select("cboBride", "Asha Rao (2 March 1996)");
    QVERIFY(!h.Find<QPushButton>("btnMatchRtf")->isEnabled());
    h.Click("btnMatch");
    const QString report = h.Find<QTextEdit>("txtMatchReport")->toPlainText();
    QVERIFY2(report.contains(QRegularExpression("Total \\d+(\\.5)? of 36: ")), qPrintable(report));
    QVERIFY(report.contains("Groom: Ravi Kumar"));
    QVERIFY(report.contains("Bride: Asha Rao"));
    QVERIFY(report.contains("Nadi"));

    h.saveFilePath = h.bookFolder->filePath("match.rtf");
    h.Click("btnMatchRtf");
    QCOMPARE(h.suggestedNames.last(), QString("Horavela - Match - Ravi Kumar and Asha Rao.rtf"));
    QFile rtf(h.saveFilePath);
    QVERIFY(rtf.open(QIODevice::ReadOnly));
    const QByteArray bytes = rtf.readAll();
    QVERIFY(bytes.startsWith("{\\rtf1"));
    QVERIFY(bytes.contains("\\trowd"));

    h.saveFilePath = h.bookFolder->filePath("match.pdf");
    h.Click("btnMatchPdf");
    QFile pdf(h.saveFilePath);
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    QVERIFY(pdf.readAll().startsWith("%PDF"));
  }

  // The report fits one A4 page, for a plain couple and for one whose report
  // is the longest: both doshas present, each with its cancellations, and
  // both people Manglik.
  void PdfIsOnePage() {
    struct Couple {
      book::Person groom, bride;
    };
    const Couple couples[] = {
        {Born("Ravi Kumar", "Male", 1993, 11, 20), Born("Asha Rao", "Female", 1996, 3, 2)},
        {Born("Vikram Sundararajan", "Male", 1982, 5, 6, 12),
         Born("Lakshmi Venkataraman", "Female", 2000, 10, 26)}};
    for (const Couple& couple : couples) {
      Harness h;
      Store(h, {couple.bride, couple.groom});
      h.Open();
      h.Find<QAction>("mnuMatch")->trigger();
      h.Click("btnMatch");
      const QString report = h.Find<QTextEdit>("txtMatchReport")->toPlainText();
      if (couple.groom.birth.year == 1982) {
        QVERIFY2(report.contains("Nadi dosha: both Madhya; cancelled: "), qPrintable(report));
        QVERIFY2(report.contains("Bhakoot dosha: signs 2/12 apart; cancelled: "),
                 qPrintable(report));
        QVERIFY2(report.contains("Groom: Manglik") && report.contains("Bride: Manglik"),
                 qPrintable(report));
      }
      h.saveFilePath = h.bookFolder->filePath("match.pdf");
      h.Click("btnMatchPdf");
      QFile pdf(h.saveFilePath);
      QVERIFY(pdf.open(QIODevice::ReadOnly));
      QCOMPARE(PdfPageCount(pdf.readAll()), 1);
    }
  }

  void OnePersonCannotBeMatchedWithThemselves() {
    Harness h;
    Store(h, {Born("Asha Rao", "Female", 1996, 3, 2), Born("Ravi Kumar", "Male", 1993, 11, 20)});
    h.Open();
    h.Find<QAction>("mnuMatch")->trigger();
    h.Select("cboGroom", "Asha Rao (2 March 1996)");
    h.Select("cboBride", "Asha Rao (2 March 1996)");
    h.Click("btnMatch");
    QCOMPARE(h.messages->Texts().last(),
             QString("Choose two different people as the groom and the bride."));
    QVERIFY(h.Find<QTextEdit>("txtMatchReport")->toPlainText().isEmpty());
  }

  void FewerThanTwoPeopleSaySo() {
    Harness h;
    Store(h, {Born("Asha Rao", "Female", 1996, 3, 2)});
    h.Open();
    h.Find<QAction>("mnuMatch")->trigger();
    QVERIFY(h.window->findChild<QDialog*>("dlgMatch") == nullptr);
    QVERIFY(h.messages->Texts().last().startsWith("The book holds fewer than two people."));
  }
};

}  // namespace

QTEST_MAIN(MatchDialogTest)
#include "match_dialog_test.moc"
