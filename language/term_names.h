#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "language/language.h"

// The fixed sets of named things that marriage matching and the tradition's
// vetoes print: the eight kootas, the ten poruthams, the classes each reads
// (varna, vashya, yoni, gana, nadi, rajju), how one planet regards another,
// the two doshas, the vetoes, the lunar months and the kinds of eclipse. Each list is in the order
// of its enum in matching/ and tradition/, which lie above this layer and name their values through
// TermName. English holds every name the program has always printed; another language's table may
// leave a list or a name out (empty), and English stands in for it.
namespace horavela {

enum class TermSet : std::int8_t {
  Koota,
  Porutham,
  Varna,
  Vashya,
  Yoni,
  Gana,
  Nadi,
  Rajju,
  Regard,
  Dosha,
  Veto,
  Masa,     // the lunar months, Chaitra first
  Eclipse,  // total, annular, hybrid, partial
};
inline constexpr int kTermSetCount = 13;

// The name of the `index`th term of `set` in `language`; empty outside the list.
std::string_view TermName(TermSet set, int index, Language language);
// How many terms `set` holds.
int TermCount(TermSet set);

namespace term_names {

using Names = std::span<const std::string_view>;
// One language's lists, in the order of TermSet; an empty list leaves the
// set to English.
using Table = std::array<Names, kTermSetCount>;

extern const Table kEnglish;
extern const Table kHindi;
extern const Table kTamil;
extern const Table kMarathi;
extern const Table kBengali;
extern const Table kGujarati;
extern const Table kTelugu;
extern const Table kKannada;
extern const Table kMalayalam;

}  // namespace term_names

}  // namespace horavela
