#pragma once

#include <array>
#include <string_view>

// One language's names of the panchang's elements, each list in the order of
// its enum in engine/vocabulary.h. Every language but English has a table of
// its own, in names_<language>.cpp, headed by the almanac or reference whose
// spellings it follows.
namespace horavela::element_names {

using Names = std::string_view;

struct Table {
  std::array<Names, 27> nakshatras;
  std::array<Names, 12> rashis;
  std::array<Names, 16> tithis;  // Pratipada..Chaturdashi, Purnima, Amavasya
  std::array<Names, 2> pakshas;  // bright, dark
  std::array<Names, 27> yogas;
  std::array<Names, 11> karanas;
  std::array<Names, 7> weekdays;     // from Sunday
  std::array<Names, 9> planets;      // Sun..Saturn, Rahu, Ketu
  std::array<Names, 3> kalams;       // Rahu kalam, Yamaganda, Gulika kalam
  std::array<Names, 5> tithiGroups;  // Nanda, Bhadra, Jaya, Rikta, Poorna
};

extern const Table kHindi;
extern const Table kMarathi;
extern const Table kBengali;
extern const Table kGujarati;
extern const Table kTamil;
extern const Table kTelugu;
extern const Table kKannada;
extern const Table kMalayalam;

}  // namespace horavela::element_names
