#include <algorithm>
#include <cerrno>
#include <cstring>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <istream>
#include <new>
#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "atlas/zone_following.h"
#include "cli/commands.h"
#include "cli/evaluate_text.h"
#include "cli/explanation_response.h"
#include "cli/file_options.h"
#include "cli/known_keys.h"
#include "cli/report_files.h"
#include "cli/request_parser.h"
#include "cli/response_writer.h"
#include "cli/settings_entry.h"
#include "json/json_reader.h"
#include "json/time_zone_entry.h"
#include "report/atomic_file.h"
#include "report/html_writer.h"
#include "report/null_sink.h"
#include "report/plain_text_sink.h"
#include "report/report_sections.h"
#include "report/rtf_writer.h"
#include "report/tee_sink.h"
#include "rules/charts.h"
#include "usecases/evaluate.h"

namespace horavela::cli {

namespace {

struct Answer {
  Answer(nlohmann::ordered_json answer, int exitStatus, std::string text = {})
      : response(std::move(answer)), status(exitStatus), summary(std::move(text)) {}
  nlohmann::ordered_json response;
  int status = kExitOk;
  std::string summary;  // --text: what is written instead of the JSON
};

// The election place's zone minute by minute when the request named a
// tz-database zone, so the window runs across a change of the clocks.
FollowedZone ElectionZones(const ParsedRequest& parsed) {
  if (!parsed.electionZone) return {};
  return Follow(LoadTimeZone(parsed.electionZone->timeZone, "election.tz"));
}

// The explanation follows the civil weekday, as the finder does: a weekday
// picked by hand that changes the verdict is said, not hidden.
Explanation WithWeekdayWarning(Explanation explanation, const CalculationState& state) {
  const ExplainedWindow& window = explanation.window;
  if (window.verdict != state.Result.ResultWord || window.total != state.Result.TotalScore) {
    AddWarning(explanation,
               Worded("The window follows the civil weekday of the date, which reads %1 with a "
                      "total of %2 here.",
                      {Worded(NameOf(window.verdict)), AsIs(std::to_string(window.total))}));
  }
  return explanation;
}

// The request as the core evaluates it: a birth after the election is
// answered all the same, as it always was, with a warning in the explanation.
EvaluationRequest EvaluationOf(const ParsedRequest& parsed, const EvaluateOptions& options) {
  EvaluationRequest request{
      parsed.input, {}, LateBirth::kWarn, options.explain, options.fullReport};
  if (request.explain || request.fullReport) request.electionZone = ElectionZones(parsed);
  return request;
}

// One request from a fresh state: nothing of an earlier request can leak in,
// since the state, the sinks and the input are all built anew here.
Answer EvaluateRequest(std::string_view text, const EvaluateOptions& options) {
  const nlohmann::json request = ParseJsonText(text);
  RequireObject(request);
  const std::vector<std::string> warnings =
      CheckKeys(request, RequestKind::kEvaluate, options.answer.strict, std::cerr);
  const ParsedRequest parsed = ParseRequestJson(request);
  if (!parsed.error.empty()) return {ErrorResponse(parsed.error), kExitBadRequest};

  PlainTextSink plain;
  RtfWriter rtf(options.reportLanguage);
  HtmlWriter html(options.reportLanguage);
  // The answer's report text is English; the files are in the language
  // asked for, written apart when it is another.
  const bool translated = options.reportLanguage != Language::English;
  std::vector<RichTextSink*> files;
  if (!options.rtfFile.empty()) files.push_back(&rtf);
  if (!options.htmlFile.empty()) files.push_back(&html);
  std::vector<RichTextSink*> sinks{&plain};
  if (!translated) sinks.insert(sinks.end(), files.begin(), files.end());
  TeeSink report(sinks);

  // The partner's report is not part of the answer: their evaluation is.
  NullSink partnerReport;
  Result<Evaluated> evaluated =
      parsed.partner
          ? EvaluateForTwo(EvaluationOf(parsed, options), *parsed.partner, report, partnerReport)
          : Evaluate(EvaluationOf(parsed, options), report);
  if (!evaluated) return {ErrorResponse(ProblemText(evaluated.error())), kExitBadRequest};
  const CalculationState& state = evaluated->state;
  const CalculationState* partner = evaluated->partner ? &evaluated->partner->state : nullptr;
  if (translated && evaluated->ruleSetRan) {
    TeeSink translatedFiles(files);
    ReportOptions shown = ReportOptionsIn(*evaluated, options.reportLanguage);
    shown.digits = options.digits;
    WriteReport(state, translatedFiles, shown);
  }

  if (Result<void> written = WriteReportFiles(options.rtfFile, options.htmlFile, rtf, html);
      !written)
    return {ErrorResponse(written.error().message), kExitFailure};
  nlohmann::ordered_json response =
      BuildResponse(state, plain.text(), ListReportSections(state), partner);
  if (parsed.birthZone) response["birth"]["zone_used"] = ZoneUsedJson(*parsed.birthZone);
  if (parsed.electionZone) response["election"]["zone_used"] = ZoneUsedJson(*parsed.electionZone);
  AddSettings(response, parsed.input.settings);
  std::optional<Explanation> explanation;
  if (options.explain) {
    if (!evaluated->explanation)
      return {ErrorResponse("the evaluation failed: " + evaluated->explanation.error().message),
              kExitFailure};
    explanation = WithWeekdayWarning(std::move(*evaluated->explanation), state);
    response["explanation"] = ExplanationJson(*explanation);
  }
  // The request's own warnings come before those of the evaluation.
  nlohmann::ordered_json all = JsonArray(warnings);
  for (const auto& warning : response["warnings"]) all.push_back(warning);
  response["warnings"] = std::move(all);
  std::string summary;
  if (options.answer.text)
    summary = InDigits(EvaluateText(state, explanation ? &*explanation : nullptr, warnings, partner,
                                    options.reportLanguage),
                       options.reportLanguage, options.digits);
  return {std::move(response), kExitOk, std::move(summary)};
}

// Whatever goes wrong inside one evaluation becomes that request's error
// answer; the tool itself never dies of it.
Answer AnswerRequest(std::string_view text, const EvaluateOptions& options) {
  try {
    return EvaluateRequest(text, options);
  } catch (const RequestError& e) {
    return {ErrorResponse(e.what()), kExitBadRequest};
  } catch (const std::bad_alloc&) {
    return {ErrorResponse(kOutOfMemory), kExitFailure};
  } catch (const std::exception& e) {
    return {ErrorResponse(std::string("the evaluation failed: ") + e.what()), kExitFailure};
  } catch (...) {
    return {ErrorResponse("the evaluation failed"), kExitFailure};
  }
}

// The JSON answer, or with --text its summary (or its error).
void WriteAnswer(const Answer& answer, const EvaluateOptions& options, bool pretty,
                 std::ostream& out) {
  if (!options.answer.text) {
    out << Serialize(answer.response, pretty) << '\n';
  } else if (answer.summary.empty()) {
    out << ErrorText(answer.response);
  } else {
    out << answer.summary;
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
  std::string error;
  if (const int status = ReadRequestText(options.inputFile, in, text, error); status != kExitOk) {
    WriteAnswer({ErrorResponse(error), status, {}}, options, true, out);
    out.flush();
    return status;
  }
  const Answer answer = AnswerRequest(text, options);
  WriteAnswer(answer, options, true, out);
  out.flush();
  return out ? answer.status : kExitFailure;
}

// kTooLong and kOutOfMemory leave the rest of their line unread.
enum class LineRead { kLine, kTooLong, kTooLongWhole, kOutOfMemory, kEnd };

// The next line, without its line break ("\r\n" too). A line longer than
// kMaxRequestBytes is left where its limit is passed: kTooLong.
LineRead ReadLineUnguarded(std::istream& in, std::string& line) {
  line.clear();
  const std::istream::sentry ready(in, true);
  if (!ready) return LineRead::kEnd;
  std::streambuf* buffer = in.rdbuf();
  for (;;) {
    const int c = buffer->sbumpc();
    if (c == std::char_traits<char>::eof()) {
      in.setstate(std::ios::eofbit);
      if (line.empty()) return LineRead::kEnd;
      break;
    }
    if (c == '\n') break;
    // One byte more than the limit may be the '\r' of a line break.
    if (line.size() > kMaxRequestBytes) return LineRead::kTooLong;
    line.push_back(static_cast<char>(c));
  }
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return line.size() > kMaxRequestBytes ? LineRead::kTooLongWhole : LineRead::kLine;
}

// The same, kOutOfMemory when the line does not fit in memory: the rest of
// it is still to be skipped.
LineRead ReadLine(std::istream& in, std::string& line) {
  try {
    return ReadLineUnguarded(in, line);
  } catch (const std::bad_alloc&) {
    std::string().swap(line);
    return LineRead::kOutOfMemory;
  }
}

// Reading stops rather than skip an endless line (/dev/zero has no line breaks).
constexpr std::streamsize kMaxSkippedBytes = 64 * static_cast<std::streamsize>(kMaxRequestBytes);

// Skips to the next line; false when no line break comes within kMaxSkippedBytes.
bool SkipRestOfLine(std::istream& in) {
  if (in.eof()) return true;
  in.ignore(kMaxSkippedBytes, '\n');
  return in.eof() || in.gcount() < kMaxSkippedBytes;
}

Answer AnswerLine(LineRead read, const std::string& line, const EvaluateOptions& options) {
  switch (read) {
    case LineRead::kTooLong:
    case LineRead::kTooLongWhole:
      return {ErrorResponse(kRequestTooLarge), kExitBadRequest};
    case LineRead::kOutOfMemory:
      return {ErrorResponse(kOutOfMemory), kExitFailure};
    default:
      return AnswerRequest(line, options);
  }
}

// JSON Lines: one answer per line, in order; a bad line answers with its
// error and the run goes on. A line the tool failed on (out of memory) makes
// the exit status a failure once every line is answered.
int RunBatchLines(const EvaluateOptions& options, std::istream& in, std::ostream& out) {
  std::string line;
  int status = kExitOk;
  bool first = true;
  for (LineRead read; (read = ReadLine(in, line)) != LineRead::kEnd;) {
    const Answer answer = AnswerLine(read, line, options);
    if (answer.status == kExitFailure) status = kExitFailure;
    if (options.answer.text && !first) out << '\n';
    first = false;
    WriteAnswer(answer, options, false, out);
    out.flush();
    if (!out) return kExitFailure;
    const bool restUnread = read == LineRead::kTooLong || read == LineRead::kOutOfMemory;
    if (restUnread && !SkipRestOfLine(in)) {
      std::cerr << "horavela-cli: a line of the batch runs on past "
                << kMaxSkippedBytes / static_cast<std::streamsize>(kMaxRequestBytes)
                << " MiB without a line break; the rest of the input is not read\n";
      return kExitBadRequest;
    }
  }
  return in.bad() ? kExitFailure : status;
}

int RunBatch(const EvaluateOptions& options, std::istream& in, std::ostream& out) {
  if (options.inputFile.empty()) {
    if (std::string error; &in == &std::cin && StandardInputIsFolder(error)) {
      WriteAnswer({ErrorResponse(error), kExitFailure, {}}, options, false, out);
      return kExitFailure;
    }
    return RunBatchLines(options, in, out);
  }
  std::ifstream file;
  if (std::string error; !OpenInput(options.inputFile, file, error)) {
    WriteAnswer({ErrorResponse(error), kExitFailure, {}}, options, false, out);
    return kExitFailure;
  }
  return RunBatchLines(options, file, out);
}

}  // namespace

int ReadRequestText(const std::string& inputFile, std::istream& in, std::string& text,
                    std::string& error, std::size_t limit) {
  std::ifstream file;
  if (!inputFile.empty() && !OpenInput(inputFile, file, error)) return kExitFailure;
  if (inputFile.empty() && &in == &std::cin && StandardInputIsFolder(error)) return kExitFailure;
  std::istream& source = inputFile.empty() ? in : file;
  // One byte past the limit tells a request that is too large.
  text.clear();
  char chunk[65536];
  while (source && text.size() <= limit) {
    source.read(chunk,
                static_cast<std::streamsize>(std::min(sizeof chunk, limit + 1 - text.size())));
    text.append(chunk, static_cast<std::size_t>(source.gcount()));
  }
  if (source.bad()) {
    error = inputFile.empty() ? "request: cannot read standard input"
                              : "request: cannot read " + inputFile;
    return kExitFailure;
  }
  if (text.size() > limit) {
    error = TooLargeText(limit);
    return kExitBadRequest;
  }
  return kExitOk;
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
  try {
    return options.batch ? RunBatch(options, in, out) : RunSingle(options, in, out);
  } catch (const std::bad_alloc&) {
    return AnswerOutOfMemory(out);
  }
}

}  // namespace horavela::cli
