#pragma once

#include <QString>
#include <string_view>

#include "language/language.h"

// The core names the panchang's elements in English inside the texts it hands
// the pages ("Dwadasi (Shukla)", "Rohini pada 2", "Rahu kalam"). Here each
// such name is written as the chosen language's almanacs write it, the rest of
// the text left as it is; in English the text comes back unchanged.
namespace horavela::app {

// `text` with every element name in `language`.
QString ElementText(std::string_view text, Language language);
// The same in the language this run of the program speaks.
QString ElementText(std::string_view text);
QString ElementText(const QString& text);

}  // namespace horavela::app
