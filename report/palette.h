#pragma once

#include <cstdint>

#include "report/rich_text_sink.h"

namespace horavela {

// Red, green and blue of the palette entries the report uses.
struct PaletteRgb {
  std::uint8_t red, green, blue;
};

constexpr PaletteRgb RgbOf(PaletteColor color) {
  switch (color) {
    case PaletteColor::Black:
      return {0, 0, 0};
    case PaletteColor::DarkBlue:
      return {0, 0, 128};
    case PaletteColor::Green:
      return {0, 128, 0};
    case PaletteColor::DarkRed:
      return {128, 0, 0};
    case PaletteColor::Purple:
      return {128, 0, 128};
    case PaletteColor::Blue:
      return {0, 0, 255};
  }
  return {0, 0, 0};
}

// The report's colours in the order of the RTF colour table (entries 1..6).
inline constexpr PaletteColor kReportColors[] = {PaletteColor::Black,  PaletteColor::DarkBlue,
                                                 PaletteColor::Green,  PaletteColor::DarkRed,
                                                 PaletteColor::Purple, PaletteColor::Blue};

}  // namespace horavela
