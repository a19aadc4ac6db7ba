#include "language/term_names.h"

// clang-format off
// Tamil: the ten poruthams and the three ganams as the Tamil marriage
// matching pages list them (arogyapayanam.in "முக்கியமான திருமண பொருத்தம்",
// neerodai.com "திருமண பொருத்தம்"). The kootas, classes, rajju parts and
// vetoes, months and eclipses are left to English until a Tamil almanac's spellings are at hand.
namespace horavela::term_names {

namespace {

constexpr std::array<std::string_view, 10> kPoruthams = {
    "தினம்", "கணம்", "மகேந்திரம்", "ஸ்திரீ தீர்க்கம்", "யோனி",
    "ராசி", "ராசி அதிபதி", "வசியம்", "ரஜ்ஜு", "வேதை"};
constexpr std::array<std::string_view, 3> kGanas = {"தேவ கணம்", "மனித கணம்", "ராட்சஸ கணம்"};

}  // namespace

const Names kNone{};
const Table kTamil = {kNone, kPoruthams, kNone, kNone, kNone, kGanas, kNone,
                      kNone, kNone,      kNone, kNone, kNone, kNone};

}  // namespace horavela::term_names
