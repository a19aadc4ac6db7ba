#pragma once

#include <string>

#include "engine/result.h"
#include "report/html_writer.h"
#include "report/rtf_writer.h"

namespace horavela::cli {

// Both reports or neither: each is written whole beside its target first, and
// only when all are ready do they replace the files, so a failed HTML page
// never leaves a new RTF document behind a failure answer. An empty name asks
// for no file of that kind.
Result<void> WriteReportFiles(const std::string& rtfFile, const std::string& htmlFile,
                              const RtfWriter& rtf, const HtmlWriter& html);

}  // namespace horavela::cli
