#include "match_report/match_report.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "language/catalog.h"
#include "language/element_names.h"
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

std::string SignText(Rashi sign, const Words& say) {
  return std::string(sign == Rashi::None ? say("unknown") : NameOf(sign, say.language));
}

// "Birth star Rohini, pada 2; Moon in Vrishabha; lagna Simha"
std::string MoonLine(const BirthSigns& signs, const Words& say) {
  std::string line = Formatted(say("Birth star %1"), {NameOf(signs.moon.star, say.language)});
  if (signs.moon.pada > 0) line += Formatted(say(", pada %1"), {std::to_string(signs.moon.pada)});
  line += Formatted(say("; Moon in %1"), {SignText(signs.moon.sign, say)});
  line += Formatted(
      say("; lagna %1"),
      {signs.lagna == Rashi::None ? say("unknown") : LagnaNameOf(signs.lagna, say.language)});
  return line;
}

void WritePerson(RichTextSink& sink, std::string_view role, const Person& person,
                 const BirthSigns& signs, const Words& say) {
  sink.SetBold(true);
  sink.InsertText(std::string(say(role)).append(": ").append(person.name).append("\n"));
  sink.SetBold(false);
  Line(sink, MomentLine("Born", person.birth, say.language));
  Line(sink, MoonLine(signs, say));
}

// A table's header cells, each in the report's language.
std::vector<std::string> Header(std::initializer_list<std::string_view> cells, const Words& say) {
  std::vector<std::string> header;
  for (std::string_view cell : cells) header.emplace_back(say(cell));
  return header;
}

void WriteKootas(RichTextSink& sink, const Match& match, const Words& say) {
  Heading(sink, say("Ashtakoota (guna milan), read from the groom to the bride"));
  TextTable table{Header({"Koota", "Groom", "Bride", "Points", "Of", "Reason"}, say),
                  {},
                  {12, 13, 13, 9, 5, 48}};
  for (const KootaScore& k : match.kootas.kootas) {
    table.rows.push_back({std::string(NameOf(k.koota, say.language)),
                          TextOf(k.groomReads, say.language), TextOf(k.brideReads, say.language),
                          PointsText(k.halves), PointsText(k.maxHalves),
                          TextOf(k.why, say.language)});
  }
  sink.InsertTable(table);
  sink.SetBold(true);
  Line(sink,
       Formatted(say("Total %1 of 36: %2"),
                 {PointsText(match.kootas.totalHalves), say(NameOf(match.band))}),
       kBandColors[static_cast<std::size_t>(match.band)]);
  sink.SetBold(false);
  for (const DoshaCheck& dosha : match.doshas)
    Line(sink, TextOf(dosha.why, say.language), Verdict(!dosha.present || dosha.cancelled()));
}

void WritePoruthams(RichTextSink& sink, const Poruthams& poruthams, const Words& say) {
  Heading(sink, say("The ten poruthams, counted from the bride's star to the groom's"));
  TextTable table{Header({"Porutham", "Matched", "Reason"}, say), {}, {22, 12, 66}};
  for (const PoruthamCheck& p : poruthams.checks) {
    std::string name(NameOf(p.porutham, say.language));
    if (p.deciding) name += say(" (deciding)");
    table.rows.push_back(
        {name, std::string(say(p.matched ? "yes" : "no")), TextOf(p.why, say.language)});
  }
  sink.InsertTable(table);
  std::string summary =
      Formatted(say("%1 of %2 matched; "),
                {std::to_string(poruthams.matchedCount), std::to_string(kPoruthamCount)});
  summary += say(poruthams.decidingFailed
                     ? "rajju or vedha is not matched, and either alone decides against the match"
                     : "rajju and vedha, which decide, are both matched");
  Line(sink, summary, Verdict(!poruthams.decidingFailed));
}

void WriteKuja(RichTextSink& sink, const KujaMatch& kuja, const Words& say) {
  Heading(sink, say("Manglik (kuja dosha)"));
  Line(sink, std::string(say("Groom")) + ": " + TextOf(kuja.groom.why, say.language),
       Verdict(!kuja.groom.manglik));
  Line(sink, std::string(say("Bride")) + ": " + TextOf(kuja.bride.why, say.language),
       Verdict(!kuja.bride.manglik));
  const bool clear = !(kuja.groom.manglik || kuja.bride.manglik) || kuja.cancelled;
  Line(sink, TextOf(kuja.why, say.language), Verdict(clear));
}

void WriteClosing(RichTextSink& sink, const CalculationSettings& settings, const Words& say) {
  sink.InsertText("\n");
  if (const std::string words = SettingsInWords(settings, say.language); !words.empty())
    Line(sink, std::string(say("Calculation")) + ": " + words);
  Line(sink, std::string(kProgramName) + " " + std::string(kProgramVersion));
}

}  // namespace

void WriteMatchReport(const MatchRequest& request, const Match& match, RichTextSink& sink,
                      Language language) {
  const Words say{language};
  sink.Clear();
  sink.SetAlignment(Alignment::Center);
  sink.SetBold(true);
  sink.SetColor(PaletteColor::Blue);
  sink.SetFontSize(kTitlePoints);
  sink.InsertText(std::string(say("Marriage match")) + "\n");
  sink.SetFontSize(kBodyPoints);
  sink.SetColor(PaletteColor::DarkBlue);
  sink.InsertText(Formatted(say("%1 and %2"), {request.groom.name, request.bride.name}) + "\n");
  sink.SetBold(false);
  sink.SetColor(PaletteColor::Black);
  sink.SetFontSize(kBodyPoints);
  sink.SetAlignment(Alignment::Left);
  sink.InsertText("\n");
  WritePerson(sink, "Groom", request.groom, match.groom, say);
  WritePerson(sink, "Bride", request.bride, match.bride, say);
  WriteKootas(sink, match, say);
  WritePoruthams(sink, match.poruthams, say);
  WriteKuja(sink, match.kuja, say);
  WriteClosing(sink, request.settings, say);
}

}  // namespace horavela
