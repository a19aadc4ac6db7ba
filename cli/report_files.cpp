#include "cli/report_files.h"

#include "report/atomic_file.h"

namespace horavela::cli {

Result<void> WriteReportFiles(const std::string& rtfFile, const std::string& htmlFile,
                              const RtfWriter& rtf, const HtmlWriter& html) {
  AtomicWriteSet files;
  const bool bothAsked = !rtfFile.empty() && !htmlFile.empty();
  if (!rtfFile.empty()) {
    if (Result<void> e = files.Prepare(rtfFile, rtf.Document()); !e)
      return StorageFailure("--rtf: the RTF report was not written: " + e.error().message);
  }
  if (!htmlFile.empty()) {
    if (Result<void> e = files.Prepare(htmlFile, html.Document()); !e)
      return StorageFailure("--html: the HTML report was not written: " + e.error().message +
                            (bothAsked ? "; the RTF report was not written either" : ""));
  }
  if (Result<void> e = files.Commit(); !e)
    return StorageFailure("--rtf, --html: the reports were not all written: " + e.error().message);
  return {};
}

}  // namespace horavela::cli
