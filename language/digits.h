#pragma once

#include <string>
#include <string_view>

#include "language/language.h"

// The digits a language's almanacs print. Most readers of these languages read
// the Western digits every day, so they are the program's default; the native
// ones are a choice of the reader's.
namespace horavela {

// Whether a text is shown with the Western digits or the language's own.
enum class Digits : bool { Western, Native };

// The digit `value` (0..9) in `language`'s script, as UTF-8; the ASCII digit
// for English.
std::string_view DigitOf(int value, Language language);

// `text` with each ASCII digit written in `language`'s script: Devanagari for
// Hindi and Marathi, and each other language's own. Only for text that is
// read, never parsed back. A word that names a file or a web address (it
// holds a '/', '\' or '@') keeps its digits, since it must stay usable as
// typed; clock times, dates and offsets such as "UTC+05:30" are converted.
std::string WithNativeDigits(std::string_view text, Language language);

// WithNativeDigits() for Digits::Native, the text unchanged for Western.
std::string InDigits(std::string_view text, Language language, Digits digits);

}  // namespace horavela
