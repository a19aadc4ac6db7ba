#include "matching/couple.h"

#include "language/wording.h"

namespace horavela::matching {

std::string PointsText(int halves) {
  std::string text = std::to_string(halves / 2);
  if (halves % 2 != 0) text += ".5";
  return text;
}

std::string OrdinalText(int n) {
  return EnglishOrdinal(n);
}

}  // namespace horavela::matching
