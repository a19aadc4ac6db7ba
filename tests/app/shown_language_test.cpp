// The desktop in a chosen language: the verdict words of the result and the
// finder, the settings' captions, the native digits where text is read (and
// nowhere it is typed), and the offer to restart in a new language.
//
// The pages are walked in English, as the harness types English captions;
// the language is put in place just before what is looked at.
#include <QAction>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QScrollArea>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTranslator>
#include <QTreeWidget>
#include <algorithm>

#include "app/app_language.h"
#include "app/find_times_dialog.h"
#include "app/preferences_dialog.h"
#include "app_test_support.h"
#include "language/catalog.h"

using horavela::Language;
using horavela::app::FindTimesDialog;
using horavela::app::testing::Harness;

namespace {

// The Devanagari digits of the Unicode Standard, U+0966..U+096F.
const QString kDevanagariDigits = QString::fromUtf8("०१२३४५६७८९");

bool HasDigitOf(const QString& text, const QString& digits) {
  return std::any_of(text.begin(), text.end(), [&](QChar c) { return digits.contains(c); });
}

bool HasWesternDigit(const QString& text) {
  return std::any_of(text.begin(), text.end(), [](QChar c) { return c >= '0' && c <= '9'; });
}

// What a program prints on its standard output.
QString ProgramOutput(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.start(program, arguments);
  process.waitForFinished(30000);
  return QString::fromUtf8(process.readAllStandardOutput());
}

// The translators of a language installed earlier go, English is shown again.
void SpeakEnglish() {
  for (QTranslator* translator : QCoreApplication::instance()->findChildren<QTranslator*>()) {
    QCoreApplication::removeTranslator(translator);
    delete translator;
  }
  horavela::app::InstallTranslators(Language::English);
}

// Refuses to close, as a window with work to keep would.
class CloseRefuser : public QObject {
 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() != QEvent::Close) return false;
    event->ignore();
    return true;
  }
};

}  // namespace

class ShownLanguageTest : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() { SpeakEnglish(); }

  // Hindi with native digits: the listing's verdict and words as the report
  // says them, its numbers in Devanagari; the typed fields keep 0-9.
  void resultSpeaksHindiWithNativeDigits() {
    Harness h;
    h.Open();
    h.WalkToBirthPage(1, "Marriage");
    horavela::app::InstallTranslators(Language::Hindi);
    h.Find<QAction>("actNativeDigits")->setChecked(true);
    h.Click("cmdNext_2");
    QCOMPARE(h.CurrentPage(), QString("picMuhurthaResult"));
    const horavela::Verdict verdict = h.window->LastEvaluation()->Result.ResultWord;
    const QString listing = h.Find<QLabel>("lblResult")->text();
    const QString word =
        QString::fromUtf8(horavela::Translated(horavela::NameOf(verdict), Language::Hindi).data());
    QVERIFY2(listing.endsWith(word), qPrintable(listing));
    QVERIFY(!listing.contains("Good") && !listing.contains("Favourable"));
    QVERIFY(!listing.contains("Point") && !listing.contains("Total Score"));
    QVERIFY(HasDigitOf(listing, kDevanagariDigits));
    QVERIFY(!HasWesternDigit(listing));
    QVERIFY(HasDigitOf(h.Find<QLabel>("lblAnalysisWindow")->text(), kDevanagariDigits));
    const QString report = h.Find<QTextEdit>("RTB")->document()->toPlainText();
    QVERIFY(HasDigitOf(report, kDevanagariDigits));
    // What the user typed stays as typed, and the settings remember the choice.
    QCOMPARE(h.Find<QLineEdit>("txtBirthDegreeLat")->text(), QString("18"));
    QCOMPARE(h.Services().settings()->value("view/native_digits").toBool(), true);
  }

  // One person's listing has the whole width of its panel: a Tamil line is
  // long, and it wrapped at half the width beside the hidden partner's column.
  void listingTakesTheWholePanelWidth() {
    Harness h;
    h.Open();
    h.WalkToBirthPage(1, "Marriage");
    horavela::app::InstallTranslators(Language::Tamil);
    h.Click("cmdNext_2");
    auto* panel = h.Find<QScrollArea>("fraResult");
    const int listing = h.Find<QLabel>("lblResult")->width();
    QVERIFY2(listing * 5 >= panel->viewport()->width() * 4,
             qPrintable(QString("%1 of %2").arg(listing).arg(panel->viewport()->width())));
  }

  // A report saved in Hindi as PDF draws its script with a Devanagari font
  // embedded, not with boxes of a Latin one. (Its text cannot be read back:
  // pdftotext drops the vowel signs of Qt's shaped glyphs, though the page
  // shows them, as pdftoppm's picture of it does.)
  void hindiPdfEmbedsADevanagariFont() {
    QTemporaryDir folder;
    Harness h;
    h.saveFilePath = folder.filePath("report.pdf");
    h.Open();
    h.WalkToBirthPage(1, "Marriage");
    horavela::app::InstallTranslators(Language::Hindi);
    h.Click("cmdNext_2");
    h.messages->shown.clear();
    h.Click("cmdSavePdf");
    QVERIFY(QFile::exists(h.saveFilePath));
    const QString fonts = ProgramOutput("pdffonts", {h.saveFilePath});
    QVERIFY2(fonts.contains("Devanagari"), qPrintable(fonts));
  }

  // Without native digits the Hindi page keeps 0-9.
  void westernDigitsByDefault() {
    Harness h;
    h.Open();
    QVERIFY(!h.Find<QAction>("actNativeDigits")->isChecked());
    h.WalkToBirthPage(1, "Marriage");
    horavela::app::InstallTranslators(Language::Hindi);
    h.Click("cmdNext_2");
    const QString listing = h.Find<QLabel>("lblResult")->text();
    QVERIFY(HasWesternDigit(listing));
    QVERIFY(!HasDigitOf(listing, kDevanagariDigits));
  }

  void finderListSpeaksHindi() {
    Harness h;
    h.Open();
    h.WalkToBirthPage(1, "Marriage", true);
    horavela::app::InstallTranslators(Language::Hindi);
    h.Click("cmdFindTimes_Birth");
    auto* dialog = h.window->findChild<FindTimesDialog*>("frmFindTimes");
    QVERIFY(dialog != nullptr);
    dialog->findChild<QDateEdit*>("dtFrom")->setDate(QDate(2011, 1, 27));
    dialog->findChild<QDateEdit*>("dtTo")->setDate(QDate(2011, 1, 28));
    auto* least = dialog->findChild<QComboBox*>("cboMinResult");
    least->setCurrentIndex(least->findData("Bad"));
    QTest::mouseClick(dialog->findChild<QPushButton*>("cmdSearch"), Qt::LeftButton);
    QVERIFY(QTest::qWaitFor([dialog] { return !dialog->Searching(); }, 120000));
    auto* list = dialog->findChild<QTreeWidget*>("lstWindows");
    QVERIFY(list->topLevelItemCount() > 0);
    const QStringList words = {QString::fromUtf8("शुभ"), QString::fromUtf8("मध्यम"),
                               QString::fromUtf8("अशुभ")};
    for (int row = 0; row < list->topLevelItemCount(); ++row)
      QVERIFY2(words.contains(list->topLevelItem(row)->text(1)),
               qPrintable(list->topLevelItem(row)->text(1)));
    // The line saying what is searched was built from English words.
    const QString summary = dialog->findChild<QLabel*>("lblFindSummary")->text();
    for (const char* english : {" for ", "born", " at ", "zone", "Female", "Male"})
      QVERIFY2(!summary.contains(english), qPrintable(summary));
    // So was each window's tip, around its listing.
    const QString tip = list->topLevelItem(0)->toolTip(0);
    QVERIFY2(!tip.contains("minutes") && !tip.contains("Point"), qPrintable(tip));
  }

  void preferencesNameTheSettingsInHindi() {
    horavela::app::InstallTranslators(Language::Hindi);
    horavela::app::PreferencesDialog dialog(horavela::CalculationSettings{});
    auto* ayanamsa = dialog.findChild<QComboBox*>("cboAyanamsa");
    QCOMPARE(ayanamsa->itemText(1), QString::fromUtf8("लाहिड़ी (चित्रपक्ष)"));
    auto* sunrise = dialog.findChild<QComboBox*>("cboSunrise");
    QCOMPARE(sunrise->itemText(1), QString::fromUtf8("बिम्ब का केन्द्र, अपवर्तन रहित"));
    // Qt's own buttons too, which Qt ships no Hindi for.
    QCOMPARE(dialog.findChild<QPushButton*>("cmdOK")->text(), QString::fromUtf8("ठीक है"));
    QCOMPARE(dialog.findChild<QPushButton*>("cmdRestoreDefaults")->text(),
             QString::fromUtf8("मूल स्थिति लौटाएँ"));
  }

  // A new language offers a restart: through the window's close, and only
  // when the user says so and the window really closes.
  void languageChangeOffersARestart_data() {
    QTest::addColumn<bool>("answer");
    QTest::addColumn<bool>("closeRefused");
    QTest::addColumn<int>("restarts");
    QTest::newRow("restart now") << true << false << 1;
    QTest::newRow("later") << false << false << 0;
    QTest::newRow("close refused") << true << true << 0;
  }
  void languageChangeOffersARestart() {
    QFETCH(bool, answer);
    QFETCH(bool, closeRefused);
    QFETCH(int, restarts);
    Harness h;
    int restarted = 0;
    horavela::app::AppServices services = h.Services();
    services.restart = [&restarted] { ++restarted; };
    h.Open(std::move(services));
    CloseRefuser refuser;
    if (closeRefused) h.window->installEventFilter(&refuser);
    h.messages->answers.push_back(answer);
    h.Find<QAction>("actLanguage_ta")->trigger();
    QCOMPARE(h.messages->shown.size(), std::size_t{1});
    QVERIFY(h.messages->shown.front().text.contains(QString::fromUtf8("தமிழ்")));
    QCOMPARE(restarted, restarts);
    QCOMPARE(h.window->isVisible(), restarts == 0);
    h.window->removeEventFilter(&refuser);
  }
};

HORAVELA_APP_TEST_MAIN(ShownLanguageTest)
#include "shown_language_test.moc"
