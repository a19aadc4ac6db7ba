#include "match_report/match_report.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "report/program_identity.h"
#include "report/report_particulars.h"

namespace horavela {
namespace {

using namespace matching;

constexpr int kTitlePoints = 13;
constexpr int kBodyPoints = 10;     // small enough for the whole match on one A4 page
constexpr int kHeadingPoints = 11;  // headings stand out by colour and weight

// The colour a verdict is written in: green where it favours the match,
// dark red where it tells against it.
constexpr std::array<PaletteColor, 4> kBandColors = {PaletteColor::DarkRed, PaletteColor::Purple,
                                                     PaletteColor::Green, PaletteColor::Green};

PaletteColor Verdict(bool favourable) {
  return favourable ? PaletteColor::Green : PaletteColor::DarkRed;
}

void Heading(RichTextSink& sink, std::string_view text) {
  sink.SetBold(true);
  sink.SetColor(PaletteColor::DarkBlue);
  sink.SetFontSize(kHeadingPoints);
  sink.InsertText(std::string("\n").append(text).append("\n"));
  sink.SetFontSize(kBodyPoints);
  sink.SetBold(false);
  sink.SetColor(PaletteColor::Black);
}

void Line(RichTextSink& sink, std::string_view text, PaletteColor color = PaletteColor::Black) {
  sink.SetColor(color);
  sink.InsertText(std::string(text).append("\n"));
  sink.SetColor(PaletteColor::Black);
}

std::string SignText(Rashi sign) {
  return sign == Rashi::None ? std::string("unknown") : std::string(NameOf(sign));
}

// "Birth star Rohini, pada 2; Moon in Vrishabha; lagna Simha"
std::string MoonLine(const BirthSigns& signs) {
  std::string line = "Birth star " + std::string(NameOf(signs.moon.star));
  if (signs.moon.pada > 0) line += ", pada " + std::to_string(signs.moon.pada);
  line += "; Moon in " + SignText(signs.moon.sign);
  line += "; lagna " + (signs.lagna == Rashi::None ? std::string("unknown")
                                                   : std::string(LagnaNameOf(signs.lagna)));
  return line;
}

void WritePerson(RichTextSink& sink, std::string_view role, const Person& person,
                 const BirthSigns& signs) {
  sink.SetBold(true);
  sink.InsertText(std::string(role).append(": ").append(person.name).append("\n"));
  sink.SetBold(false);
  Line(sink, MomentLine("Born", person.birth));
  Line(sink, MoonLine(signs));
}

void WriteKootas(RichTextSink& sink, const Match& match) {
  Heading(sink, "Ashtakoota (guna milan), read from the groom to the bride");
  TextTable table{
      {"Koota", "Groom", "Bride", "Points", "Of", "Reason"}, {}, {12, 13, 13, 9, 5, 48}};
  for (const KootaScore& k : match.kootas.kootas) {
    table.rows.push_back({std::string(NameOf(k.koota)), k.groom, k.bride, PointsText(k.halves),
                          PointsText(k.maxHalves), k.reason});
  }
  sink.InsertTable(table);
  sink.SetBold(true);
  Line(sink,
       "Total " + PointsText(match.kootas.totalHalves) +
           " of 36: " + std::string(NameOf(match.band)),
       kBandColors[static_cast<std::size_t>(match.band)]);
  sink.SetBold(false);
  for (const DoshaCheck& dosha : match.doshas)
    Line(sink, dosha.reason, Verdict(!dosha.present || dosha.cancelled()));
}

void WritePoruthams(RichTextSink& sink, const Poruthams& poruthams) {
  Heading(sink, "The ten poruthams, counted from the bride's star to the groom's");
  TextTable table{{"Porutham", "Matched", "Reason"}, {}, {22, 12, 66}};
  for (const PoruthamCheck& p : poruthams.checks) {
    std::string name(NameOf(p.porutham));
    if (p.deciding) name += " (deciding)";
    table.rows.push_back({name, p.matched ? "yes" : "no", p.reason});
  }
  sink.InsertTable(table);
  std::string summary = std::to_string(poruthams.matchedCount) + " of " +
                        std::to_string(kPoruthamCount) + " matched; ";
  summary += poruthams.decidingFailed ? "rajju or vedha is not matched, and either alone decides "
                                        "against the match"
                                      : "rajju and vedha, which decide, are both matched";
  Line(sink, summary, Verdict(!poruthams.decidingFailed));
}

void WriteKuja(RichTextSink& sink, const KujaMatch& kuja) {
  Heading(sink, "Manglik (kuja dosha)");
  Line(sink, "Groom: " + kuja.groom.reason, Verdict(!kuja.groom.manglik));
  Line(sink, "Bride: " + kuja.bride.reason, Verdict(!kuja.bride.manglik));
  const bool clear = !(kuja.groom.manglik || kuja.bride.manglik) || kuja.cancelled;
  Line(sink, kuja.reason, Verdict(clear));
}

void WriteClosing(RichTextSink& sink, const CalculationSettings& settings) {
  sink.InsertText("\n");
  if (const std::string words = SettingsInWords(settings); !words.empty())
    Line(sink, "Calculation: " + words);
  Line(sink, std::string(kProgramName) + " " + std::string(kProgramVersion));
}

}  // namespace

void WriteMatchReport(const MatchRequest& request, const Match& match, RichTextSink& sink) {
  sink.Clear();
  sink.SetAlignment(Alignment::Center);
  sink.SetBold(true);
  sink.SetColor(PaletteColor::Blue);
  sink.SetFontSize(kTitlePoints);
  sink.InsertText("Marriage match\n");
  sink.SetFontSize(kBodyPoints);
  sink.SetColor(PaletteColor::DarkBlue);
  sink.InsertText(request.groom.name + " and " + request.bride.name + "\n");
  sink.SetBold(false);
  sink.SetColor(PaletteColor::Black);
  sink.SetFontSize(kBodyPoints);
  sink.SetAlignment(Alignment::Left);
  sink.InsertText("\n");
  WritePerson(sink, "Groom", request.groom, match.groom);
  WritePerson(sink, "Bride", request.bride, match.bride);
  WriteKootas(sink, match);
  WritePoruthams(sink, match.poruthams);
  WriteKuja(sink, match.kuja);
  WriteClosing(sink, request.settings);
}

}  // namespace horavela
