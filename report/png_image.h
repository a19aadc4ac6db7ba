#pragma once

#include <string>
#include <string_view>

#include "report/rich_text_sink.h"

namespace horavela {

// The bitmap as a PNG file (8-bit RGBA, uncompressed deflate blocks), for
// documents that take pictures as files or data URIs. Empty for an empty bitmap.
std::string EncodePng(const Bitmap& picture);

// Standard base64 with padding, as data URIs want it.
std::string Base64(std::string_view bytes);

}  // namespace horavela
