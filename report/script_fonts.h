#pragma once

#include <string_view>

#include "language/language.h"

namespace horavela {

// The font a report names for the script of `language`: one of the Noto
// families of fonts-noto-core, which the package depends on, so LibreOffice
// and the printed page show the script rather than empty boxes. Empty for
// English, whose reports name only their Latin font.
std::string_view ScriptFontOf(Language language);

// Whether `cp` is a letter or sign of an Indian script (Devanagari to
// Malayalam, U+0900..U+0D7F) or a joiner that shapes them.
bool IsIndicCodePoint(char32_t cp);

}  // namespace horavela
