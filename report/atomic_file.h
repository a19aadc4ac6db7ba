#pragma once

#include <string>
#include <string_view>

namespace horavela {

// Writes `contents` to `path` so that the file is either the old one or the
// whole new one, never a part: the text goes to a fresh temporary file in the
// same folder, is flushed to disk and then renamed over the target. Returns an
// empty string on success, otherwise a message naming the file and the cause;
// after a failure no temporary file is left behind.
std::string WriteFileAtomically(const std::string& path, std::string_view contents);

}  // namespace horavela
