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

}  // namespace horavela::app
