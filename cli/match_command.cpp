#include <exception>
#include <iomanip>
#include <iostream>
#include <istream>
#include <new>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/known_keys.h"
#include "cli/report_files.h"
#include "cli/response_writer.h"
#include "cli/settings_entry.h"
#include "engine/input_check.h"
#include "json/json_reader.h"
#include "json/time_zone_entry.h"
#include "language/catalog.h"
#include "language/element_names.h"
#include "match_report/match_report.h"
#include "matching/match.h"
#include "report/native_digit_sink.h"
#include "report/tee_sink.h"
#include "report/utf8.h"

namespace horavela::cli {

namespace {

using nlohmann::json;
using nlohmann::ordered_json;
using namespace horavela::matching;

void Check(const Result<void>& checked) {
  if (!checked) throw RequestError(checked.error());
}

// One of the two: a name and a birth, its "tz" resolved at the birth's clock time.
Person ParsePerson(const json& request, const char* role) {
  const json& object = ObjectField(request, "", role);
  Person person;
  person.name = StringField(object, role, "name");
  const std::string birthPath = std::string(role) + ".birth";
  MomentRequest birth = ParseMoment(ObjectField(object, role, "birth"), birthPath);
  person.birth = std::move(birth.moment);
  Check(CheckMoment(person.birth, birthPath));
  if (!birth.timeZone.empty())
    ApplyTimeZone(LoadTimeZone(birth.timeZone, birthPath + ".tz"), person.birth, birthPath);
  CheckZoneSigns(person.birth.place, birthPath);
  return person;
}

MatchRequest ParseMatch(const json& request) {
  RequireObject(request);
  MatchRequest match;
  match.groom = ParsePerson(request, "groom");
  match.bride = ParsePerson(request, "bride");
  match.settings = ParseSettingsField(request);
  return match;
}

std::string SignName(Rashi sign) {
  return sign == Rashi::None ? "" : std::string(NameOf(sign));
}

// Points as numbers: 1.5 stays 1.5, 3 is written 3.
json PointsJson(int halves) {
  if (halves % 2 == 0) return halves / 2;
  return halves / 2.0;
}

ordered_json PersonJson(const Person& person, const BirthSigns& signs, const KujaCheck& kuja) {
  ordered_json out;
  out["name"] = person.name;
  out["nakshatra"] = std::string(NameOf(signs.moon.star));
  out["pada"] = signs.moon.pada;
  out["rashi"] = SignName(signs.moon.sign);
  out["lagna"] = SignName(signs.lagna);
  out["mars"] = SignName(signs.mars);
  out["venus"] = SignName(signs.venus);
  ordered_json manglik;
  manglik["manglik"] = kuja.manglik;
  manglik["known"] = kuja.known;
  ordered_json from = ordered_json::array();
  for (const KujaFinding& f : kuja.findings) {
    ordered_json row;
    row["from"] = std::string(NameOf(f.from));
    row["house"] = f.known ? json(f.house) : json(nullptr);
    row["afflicts"] = f.afflicts();
    if (!f.exception.empty() && f.inKujaHouse) row["exception"] = std::string(f.exception);
    from.push_back(row);
  }
  manglik["houses"] = from;
  manglik["reason"] = kuja.reason;
  out["kuja_dosha"] = manglik;
  return out;
}

ordered_json MatchJson(const MatchRequest& request, const Match& match) {
  ordered_json out;
  out["groom"] = PersonJson(request.groom, match.groom, match.kuja.groom);
  out["bride"] = PersonJson(request.bride, match.bride, match.kuja.bride);
  ordered_json kootas = ordered_json::array();
  for (const KootaScore& k : match.kootas.kootas) {
    ordered_json row;
    row["koota"] = std::string(NameOf(k.koota));
    row["points"] = PointsJson(k.halves);
    row["max"] = PointsJson(k.maxHalves);
    row["reason"] = k.reason;
    kootas.push_back(row);
  }
  out["kootas"] = kootas;
  out["total"] = PointsJson(match.kootas.totalHalves);
  out["max"] = 36;
  out["verdict"] = std::string(NameOf(match.band));
  ordered_json doshas = ordered_json::array();
  for (const DoshaCheck& d : match.doshas) {
    ordered_json row;
    row["dosha"] = std::string(NameOf(d.dosha));
    row["present"] = d.present;
    row["cancelled"] = d.cancelled();
    ordered_json by = ordered_json::array();
    for (const Cancellation c : d.cancellations) by.push_back(std::string(NameOf(c)));
    row["cancellations"] = by;
    row["reason"] = d.reason;
    doshas.push_back(row);
  }
  out["doshas"] = doshas;
  ordered_json poruthams = ordered_json::array();
  for (const PoruthamCheck& p : match.poruthams.checks) {
    ordered_json row;
    row["porutham"] = std::string(NameOf(p.porutham));
    row["matched"] = p.matched;
    row["deciding"] = p.deciding;
    row["reason"] = p.reason;
    poruthams.push_back(row);
  }
  ordered_json tens;
  tens["matched"] = match.poruthams.matchedCount;
  tens["of"] = kPoruthamCount;
  tens["rajju_or_vedha_failed"] = match.poruthams.decidingFailed;
  tens["checks"] = poruthams;
  out["poruthams"] = tens;
  ordered_json kuja;
  kuja["cancelled"] = match.kuja.cancelled;
  kuja["reason"] = match.kuja.reason;
  out["kuja_dosha"] = kuja;
  return out;
}

// "Asha, Rohini pada 2, Vrishabha" in the summary's language.
std::string PersonLine(std::string_view role, const std::string& name, const BirthSigns& signs,
                       const Words& say) {
  const Language language = say.language;
  return Formatted(
      say("%1: %2, %3 pada %4, %5"),
      {say(role), name, NameOf(signs.moon.star, language), std::to_string(signs.moon.pada),
       signs.moon.sign == Rashi::None ? "" : NameOf(signs.moon.sign, language)});
}

// The kootas' columns are padded by display width, so a Devanagari or Tamil
// koota name keeps the points and reasons in line.
constexpr int kKootaWidth = 14;
constexpr int kPointsWidth = 8;

std::string MatchText(const MatchRequest& request, const Match& match, const Words& say) {
  std::ostringstream text;
  text << PersonLine("Groom", request.groom.name, match.groom, say) << "\n";
  text << PersonLine("Bride", request.bride.name, match.bride, say) << "\n\n";
  text << PaddedTo(say("Koota"), kKootaWidth) << PaddedTo(say("Points"), kPointsWidth)
       << say("Reason") << "\n";
  for (const KootaScore& k : match.kootas.kootas) {
    text << PaddedTo(NameOf(k.koota, say.language), kKootaWidth)
         << PaddedTo(PointsText(k.halves) + "/" + PointsText(k.maxHalves), kPointsWidth)
         << TextOf(k.why, say.language) << "\n";
  }
  text << PaddedTo(say("Total"), kKootaWidth)
       << Formatted(say("%1 of 36: %2"),
                    {PointsText(match.kootas.totalHalves), say(NameOf(match.band))})
       << "\n\n";
  for (const DoshaCheck& d : match.doshas) text << TextOf(d.why, say.language) << "\n";
  text << "\n"
       << Formatted(say("Poruthams: %1 of %2"),
                    {std::to_string(match.poruthams.matchedCount), std::to_string(kPoruthamCount)})
       << (match.poruthams.decidingFailed ? say(" (rajju or vedha fails)") : "") << "\n";
  for (const PoruthamCheck& p : match.poruthams.checks)
    text << "  " << TextOf(p.why, say.language) << "\n";
  text << "\n" << say("Manglik, groom: ") << TextOf(match.kuja.groom.why, say.language) << "\n";
  text << say("Manglik, bride: ") << TextOf(match.kuja.bride.why, say.language) << "\n";
  text << say("Manglik, together: ") << TextOf(match.kuja.why, say.language) << "\n";
  return text.str();
}

// The request's own warnings (unknown keys) after the match, when there are any.
std::string WarningsText(const std::vector<std::string>& warnings, const Words& say) {
  std::string text;
  if (!warnings.empty()) text.append("\n").append(say("Warnings:")).append("\n");
  for (const std::string& warning : warnings) text.append("  ").append(warning).append("\n");
  return text;
}

void Refuse(const std::string& message, const AnswerOptions& options, std::ostream& out) {
  const ordered_json response = ErrorResponse(message);
  out << (options.text ? ErrorText(response) : Serialize(response, true) + '\n');
}

// The report in the files asked for, before the answer says it is done.
Result<void> WriteMatchFiles(const MatchRequest& request, const Match& match,
                             const MatchFiles& files) {
  if (files.rtfFile.empty() && files.htmlFile.empty()) return {};
  RtfWriter rtf(files.language);
  HtmlWriter html(files.language);
  TeeSink both{&rtf, &html};
  NativeDigitSink native(both, files.language);
  RichTextSink& report = files.digits == Digits::Native ? native : static_cast<RichTextSink&>(both);
  WriteMatchReport(request, match, report, files.language);
  return WriteReportFiles(files.rtfFile, files.htmlFile, rtf, html);
}

int ReadAndAnswer(const std::string& inputFile, const AnswerOptions& options,
                  const MatchFiles& files, std::istream& in, std::ostream& out) {
  std::string text;
  std::string error;
  if (const int status = ReadRequestText(inputFile, in, text, error); status != kExitOk) {
    Refuse(error, options, out);
    return status;
  }
  try {
    const json requestJson = ParseJsonText(text);
    RequireObject(requestJson);
    const std::vector<std::string> warnings =
        CheckKeys(requestJson, RequestKind::kMatch, options.strict, std::cerr);
    const MatchRequest request = ParseMatch(requestJson);
    const Match match = MatchOf(request, SwissEphemeris());
    if (const Result<void> written = WriteMatchFiles(request, match, files); !written) {
      Refuse(written.error().message, options, out);
      return kExitFailure;
    }
    if (options.text) {
      const Words say{files.language};
      out << InDigits(MatchText(request, match, say) + WarningsText(warnings, say), files.language,
                      files.digits);
    } else {
      ordered_json answer = MatchJson(request, match);
      if (!warnings.empty()) answer["warnings"] = warnings;
      out << Serialize(answer, true) << '\n';
    }
    return kExitOk;
  } catch (const RequestError& e) {
    Refuse(e.what(), options, out);
    return kExitBadRequest;
  } catch (const std::bad_alloc&) {
    throw;
  } catch (const std::exception& e) {
    Refuse(std::string("the match failed: ") + e.what(), options, out);
    return kExitFailure;
  }
}

}  // namespace

int RunMatch(const std::string& inputFile, std::istream& in, std::ostream& out,
             const AnswerOptions& options, const MatchFiles& files) {
  try {
    const int status = ReadAndAnswer(inputFile, options, files, in, out);
    out.flush();
    return out ? status : kExitFailure;
  } catch (const std::bad_alloc&) {
    return AnswerOutOfMemory(out);
  }
}

}  // namespace horavela::cli
