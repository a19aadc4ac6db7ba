#include <cerrno>
#include <cstring>
#include <exception>
#include <filesystem>
#include <fstream>
#include <istream>
#include <iterator>
#include <ostream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "cli/commands.h"
#include "cli/request_parser.h"
#include "cli/response_writer.h"
#include "cli/time_zone_entry.h"
#include "judge/calculation_driver.h"
#include "report/atomic_file.h"
#include "report/html_writer.h"
#include "report/plain_text_sink.h"
#include "report/report_sections.h"
#include "report/rtf_writer.h"
#include "report/tee_sink.h"
#include "rules/charts.h"

namespace horavela::cli {

namespace {

struct Answer {
  nlohmann::ordered_json response;
  int status = kExitOk;
};

// Both reports or neither: each is written whole beside its target first, and
// only when all are ready do they replace the files, so a failed HTML page
// never leaves a new RTF document behind a failure answer.
std::string WriteReportFiles(const EvaluateOptions& options, const RtfWriter& rtf,
                             const HtmlWriter& html) {
  AtomicWriteSet files;
  const bool bothAsked = !options.rtfFile.empty() && !options.htmlFile.empty();
  if (!options.rtfFile.empty()) {
    if (std::string e = files.Prepare(options.rtfFile, rtf.Document()); !e.empty())
      return "the RTF report was not written: " + e;
  }
  if (!options.htmlFile.empty()) {
    if (std::string e = files.Prepare(options.htmlFile, html.Document()); !e.empty())
      return "the HTML report was not written: " + e +
             (bothAsked ? "; the RTF report was not written either" : "");
  }
  if (std::string e = files.Commit(); !e.empty()) return "the reports were not all written: " + e;
  return {};
}

// One request from a fresh state: nothing of an earlier request can leak in,
// since the state, the sinks and the input are all built anew here.
Answer EvaluateRequest(std::string_view text, const EvaluateOptions& options) {
  const ParsedRequest parsed = ParseRequest(text);
  if (!parsed.error.empty()) return {ErrorResponse(parsed.error), kExitBadRequest};

  PlainTextSink plain;
  RtfWriter rtf;
  HtmlWriter html;
  std::vector<RichTextSink*> sinks{&plain};
  if (!options.rtfFile.empty()) sinks.push_back(&rtf);
  if (!options.htmlFile.empty()) sinks.push_back(&html);
  TeeSink report(sinks);

  const CalculationState state = RunEvaluation(parsed.input, report, SwissEphemeris());

  if (std::string error = WriteReportFiles(options, rtf, html); !error.empty())
    return {ErrorResponse(error), kExitFailure};
  nlohmann::ordered_json response = BuildResponse(state, plain.text(), ListReportSections(state));
  if (parsed.birthZone) response["birth"]["zone_used"] = ZoneUsedJson(*parsed.birthZone);
  if (parsed.electionZone) response["election"]["zone_used"] = ZoneUsedJson(*parsed.electionZone);
  return {std::move(response), kExitOk};
}

// Whatever goes wrong inside one evaluation becomes that request's error
// answer; the tool itself never dies of it.
Answer AnswerRequest(std::string_view text, const EvaluateOptions& options) {
  try {
    return EvaluateRequest(text, options);
  } catch (const std::exception& e) {
    return {ErrorResponse(std::string("the evaluation failed: ") + e.what()), kExitFailure};
  } catch (...) {
    return {ErrorResponse("the evaluation failed"), kExitFailure};
  }
}

// A folder opens like a file but reads as nothing: name it instead.
bool OpenInput(const std::string& path, std::ifstream& file, std::string& error) {
  std::error_code ignored;
  if (std::filesystem::is_directory(path, ignored)) {
    error = "request: cannot read " + path + ": it is a folder";
    return false;
  }
  file.open(path, std::ios::binary);
  if (!file) {
    error = "request: cannot read " + path + ": " + std::strerror(errno);
    return false;
  }
  return true;
}

int RunSingle(const EvaluateOptions& options, std::istream& in, std::ostream& out) {
  std::string text;
  if (std::string error; !ReadRequestText(options.inputFile, in, text, error)) {
    out << Serialize(ErrorResponse(error), true) << '\n';
    return kExitFailure;
  }
  const Answer answer = AnswerRequest(text, options);
  out << Serialize(answer.response, true) << '\n';
  out.flush();
  return out ? answer.status : kExitFailure;
}

// JSON Lines: one answer per line, in order; a bad line answers with its
// error and the run goes on.
int RunBatchLines(const EvaluateOptions& options, std::istream& in, std::ostream& out) {
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    out << Serialize(AnswerRequest(line, options).response, false) << '\n';
    out.flush();
    if (!out) return kExitFailure;
  }
  return in.bad() ? kExitFailure : kExitOk;
}

int RunBatch(const EvaluateOptions& options, std::istream& in, std::ostream& out) {
  if (options.inputFile.empty()) return RunBatchLines(options, in, out);
  std::ifstream file;
  if (std::string error; !OpenInput(options.inputFile, file, error)) {
    out << Serialize(ErrorResponse(error), false) << '\n';
    return kExitFailure;
  }
  return RunBatchLines(options, file, out);
}

}  // namespace

bool ReadRequestText(const std::string& inputFile, std::istream& in, std::string& text,
                     std::string& error) {
  if (inputFile.empty()) {
    text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (in.bad()) error = "request: cannot read standard input";
    return !in.bad();
  }
  std::ifstream file;
  if (!OpenInput(inputFile, file, error)) return false;
  std::ostringstream buffer;
  buffer << file.rdbuf();
  if (file.bad()) {
    error = "request: cannot read " + inputFile;
    return false;
  }
  text = buffer.str();
  return true;
}

int RunEvaluate(const EvaluateOptions& options, std::istream& in, std::ostream& out) {
  if (options.batch && (!options.rtfFile.empty() || !options.htmlFile.empty())) {
    // One report file cannot hold the reports of many requests.
    out << Serialize(ErrorResponse("--batch: cannot be combined with --rtf or --html, which "
                                   "write the report of a single request"),
                     true)
        << '\n';
    return kExitBadRequest;
  }
  return options.batch ? RunBatch(options, in, out) : RunSingle(options, in, out);
}

}  // namespace horavela::cli
