#pragma once

#include "report/rich_text_sink.h"

namespace horavela {

// The emblem at the top of every report: a saffron sun with twelve rays on
// white, drawn once by our own code and kept for the rest of the run.
const Bitmap& ReportEmblem();

// Draws the emblem at `size` pixels square (for larger renderings, e.g. icons).
Bitmap DrawSunEmblem(int size);

}  // namespace horavela
