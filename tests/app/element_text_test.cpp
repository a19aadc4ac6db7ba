// The element names inside the core's English texts, written as a language's
// almanacs write them: whole words only, the longest name first, the rest of
// the text as it was; English untouched.
#include <QTest>

#include "app/element_text.h"

using horavela::Language;
using horavela::app::ElementText;

class ElementTextTest : public QObject {
  Q_OBJECT

 private slots:
  void namesAreWrittenInTheLanguage_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("core");
    QTest::addColumn<QString>("shown");
    const int hindi = static_cast<int>(Language::Hindi);
    // The Day tab's tithi names its fortnight by the paksha's first word.
    QTest::newRow("tithi and fortnight") << hindi << "Dwadasi (Shukla)"
                                         << "द्वादशी (शुक्ल)";
    QTest::newRow("pada stays") << hindi << "Rohini pada 2"
                                << "रोहिणी pada 2";
    // "Rahu kalam" is the kalam, not the planet Rahu followed by a word.
    QTest::newRow("kalam before planet") << hindi << "Rahu kalam"
                                         << "राहुकाल";
    QTest::newRow("planet") << hindi << "Rahu"
                            << "राहु";
    // Both spellings of the sign, the Moon's and the lagna's.
    QTest::newRow("lagna spelling") << hindi << "Vrischika"
                                    << "वृश्चिक";
    QTest::newRow("moon spelling") << hindi << "Vrishcika"
                                   << "वृश्चिक";
    // Part of a longer word is no name: "Moonrise" keeps its Moon.
    QTest::newRow("inside a word") << hindi << "Moonrise Sunday"
                                   << "Moonrise रविवार";
    QTest::newRow("not a name") << hindi << "Godhuli"
                                << "Godhuli";
    QTest::newRow("english") << static_cast<int>(Language::English) << "Dwadasi (Shukla)"
                             << "Dwadasi (Shukla)";
  }

  void namesAreWrittenInTheLanguage() {
    QFETCH(int, language);
    QFETCH(QString, core);
    QFETCH(QString, shown);
    const QByteArray utf8 = core.toUtf8();
    QCOMPARE(ElementText(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())),
                         static_cast<Language>(language)),
             shown);
  }
};

QTEST_APPLESS_MAIN(ElementTextTest)
#include "element_text_test.moc"
