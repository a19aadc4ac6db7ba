#pragma once

#include <QLocale>
#include <QSettings>

#include "engine/vocabulary.h"
#include "language/digits.h"
#include "language/language.h"

// The language the desktop speaks: chosen under View > Language, remembered
// in the settings, at first start the system locale's.
namespace horavela::app {

// The language saved under [view] language, else the system locale's.
Language ChosenLanguage(const QSettings& settings);
void SaveLanguage(QSettings& settings, Language language);

// Installs the program's compiled translation of `language` and Qt's own (the
// standard buttons and dialogs) where the system has it. English needs none.
void InstallTranslators(Language language);

// The language this run of the program speaks: the one InstallTranslators
// put in place (a change under View > Language applies at the next start),
// English before. Element names, the month sheet and the reports follow it.
Language ShownLanguage();

// The verdicts and the factors' words ("Good", "Favourable") in the shown
// language, as the reports say them.
WordSayer ShownWords();
// The shown language's name of a verdict.
QString VerdictText(Verdict verdict);

// View > Native digits, saved under [view] native_digits: off unless chosen,
// and without effect in English. A change shows in the next page shown.
bool NativeDigitsChosen(const QSettings& settings);
void SaveNativeDigits(QSettings& settings, bool native);
void ShowNativeDigits(bool native);
// The digits of what is shown for reading and of the reports.
Digits ShownDigits();
// `text` as the pages show it: with the shown language's digits when they
// were chosen. Never for what is typed, saved or read back.
QString ForReading(const QString& text);

// The locale a calendar widget names its months and weekdays by: the shown
// language's, unless that locale writes its own digits (Bengali, Marathi)
// and the user kept Western ones; then English. In English the system's.
QLocale CalendarLocale();

// The name of `month` (1..12) in the shown language, as the reports write it
// (GregorianMonthName); in English the program's own "January". Digits are
// left to the caller, so they stay Western.
QString MonthName(int month);

}  // namespace horavela::app
