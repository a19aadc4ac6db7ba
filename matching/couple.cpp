#include "matching/couple.h"

namespace horavela::matching {

std::string PointsText(int halves) {
  std::string text = std::to_string(halves / 2);
  if (halves % 2 != 0) text += ".5";
  return text;
}

std::string OrdinalText(int n) {
  const int tens = n % 100;
  const int units = n % 10;
  const char* suffix = (tens >= 11 && tens <= 13) ? "th"
                       : units == 1               ? "st"
                       : units == 2               ? "nd"
                       : units == 3               ? "rd"
                                                  : "th";
  return std::to_string(n) + suffix;
}

}  // namespace horavela::matching
