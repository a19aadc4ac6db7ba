#pragma once

#include <QSettings>

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

// The name of `month` (1..12) in the shown language, as its calendars write
// it; in English the program's own "January". Digits are left to the caller,
// so they stay Western.
QString MonthName(int month);

}  // namespace horavela::app
