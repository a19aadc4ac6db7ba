#pragma once

#include <QString>

// The desktop program's texts pass through Qt's translation here, so that a
// language chosen under View > Language reaches every caption and message.
// The texts are marked for lupdate in the context "Horavela" where they are
// written; with no translator installed each comes back unchanged.
namespace horavela::app {

inline constexpr char kTranslationContext[] = "Horavela";

// The text in the chosen language, or the English text itself.
QString Tr(const char* text);

}  // namespace horavela::app
