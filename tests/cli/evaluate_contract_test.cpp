// The answer of `horavela-cli evaluate`: its fields, their types and sizes,
// agreement with the library to the last bit, fresh state per request, and
// a few evaluations of real dates.

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>
#include <vector>

#include "cli/cli_runner.h"
#include "judge/calculation_driver.h"
#include "report/plain_text_sink.h"
#include "report/report_sections.h"
#include "rules/charts.h"
#include "rules/evaluation.h"
#include "support/chart_values.h"

namespace horavela::testing_cli {
namespace {

using nlohmann::json;

json Evaluate(const json& request) {
  const CliRun run = RunCli("evaluate", request.dump());
  EXPECT_EQ(run.status, 0) << run.out << run.err;
  json response = json::parse(run.out, nullptr, false);
  EXPECT_TRUE(response.is_object()) << run.out;
  EXPECT_FALSE(response.contains("error")) << run.out;
  return response;
}

// The same request for the library, read directly (the request is known good).
MomentEntry EntryOf(const json& m) {
  MomentEntry e;
  e.year = m["year"].get<std::int16_t>();
  e.month = m["month"].get<std::int16_t>();
  e.day = m["day"].get<std::int16_t>();
  e.hour = m["hour"].get<std::int16_t>();
  e.minute = m["minute"].get<std::int16_t>();
  e.place.latitudeDegrees = m["latitude"]["degrees"].get<std::int16_t>();
  e.place.latitudeMinutes = m["latitude"]["minutes"].get<std::int16_t>();
  e.place.north = m["latitude"]["north"].get<bool>();
  e.place.longitudeDegrees = m["longitude"]["degrees"].get<std::int16_t>();
  e.place.longitudeMinutes = m["longitude"]["minutes"].get<std::int16_t>();
  e.place.east = m["longitude"]["east"].get<bool>();
  e.place.zoneHours = m["zone"]["hours"].get<std::int16_t>();
  e.place.zoneMinutes = m["zone"]["minutes"].get<std::int16_t>();
  e.place.dst = m["dst"].get<bool>();
  return e;
}

EvaluationInput InputOf(const json& request, const std::string& weekday) {
  EvaluationInput input;
  input.subject = request["subject"];
  input.name = request["name"];
  input.sex = request["sex"];
  input.birth = EntryOf(request["birth"]);
  input.election = EntryOf(request["election"]);
  input.electionWeekday = ::horavela::testing::WeekdayOrNone(weekday);
  return input;
}

void ExpectStringArray(const json& value, std::size_t size, const std::string& what) {
  ASSERT_TRUE(value.is_array()) << what;
  EXPECT_EQ(value.size(), size) << what;
  for (const json& item : value) EXPECT_TRUE(item.is_string()) << what;
}

const std::vector<std::string> kNumberFields = {"julian_day",
                                                "universal_time",
                                                "local_hours",
                                                "zone_hours",
                                                "moon_longitude",
                                                "ayanamsa_j2000",
                                                "ascendant_longitude",
                                                "ayanamsa_1900",
                                                "local_sidereal_angle",
                                                "panchang_julian_day",
                                                "panchang_moon_longitude",
                                                "panchang_sun_longitude",
                                                "panchang_ayanamsa",
                                                "tithi_index",
                                                "tithi_number",
                                                "yoga_index",
                                                "karana_index"};
const std::vector<std::string> kTextFields = {"paksha",    "tithi_rule_name", "tithi_group",
                                              "yoga_name", "karana_name",     "tithi_name"};

TEST(EvaluateContractTest, AnswerHoldsEveryFieldWithItsTypeAndSize) {
  const json response = Evaluate(ValidRequest());
  for (const char* moment : {"birth", "election"}) {
    SCOPED_TRACE(moment);
    ExpectStringArray(response[moment]["chart"], 10, "chart");
    EXPECT_EQ(response[moment]["chart"][9], "");  // slot 9 is never written
    EXPECT_NE(response[moment]["chart"][0], "");
    const json& internals = response[moment]["moment"];
    EXPECT_EQ(internals.size(), kNumberFields.size() + kTextFields.size());
    for (const auto& field : kNumberFields) EXPECT_TRUE(internals[field].is_number()) << field;
    for (const auto& field : kTextFields) EXPECT_TRUE(internals[field].is_string()) << field;
    for (const char* field : {"tithi_index", "tithi_number", "yoga_index", "karana_index"})
      EXPECT_TRUE(internals[field].is_number_integer()) << field;
  }
  EXPECT_TRUE(response["tara_bala"].is_string());
  EXPECT_TRUE(response["chandra_bala"].is_string());
  ExpectStringArray(response["planet_signs"], 7, "planet_signs");

  const json& evaluation = response["evaluation"];
  ExpectStringArray(evaluation["factor_verdicts"], evaluation["factor_points"].size(),
                    "factor_verdicts");
  ASSERT_GE(evaluation["factor_verdicts"].size(), 2u);
  EXPECT_EQ(evaluation["factor_verdicts"].back(), "");  // slot N stays empty
  EXPECT_EQ(evaluation["factor_points"].back(), 0);
  EXPECT_TRUE(evaluation["factor_count"].is_number_integer());
  EXPECT_TRUE(evaluation["total_score"].is_number_integer());
  const std::set<std::string> words = {"Good", "Average", "Bad"};
  EXPECT_TRUE(words.count(evaluation["result_word"].get<std::string>()) == 1)
      << evaluation["result_word"];
  ASSERT_TRUE(evaluation["report_flags"].is_array());
  EXPECT_EQ(evaluation["report_flags"].size(), 20u);
  for (const json& flag : evaluation["report_flags"]) EXPECT_TRUE(flag.is_number_integer());

  const std::string label = evaluation["result_label"];
  EXPECT_NE(label.find("\r\n"), std::string::npos) << label;
  for (std::size_t i = 0; i < label.size(); ++i) {
    if (label[i] == '\n') {
      EXPECT_TRUE(i > 0 && label[i - 1] == '\r') << "bare LF at " << i;
    }
  }

  const json& report = response["report"];
  EXPECT_TRUE(report["text"].is_string());
  EXPECT_NE(report["text"].get<std::string>().find("Marriage"), std::string::npos);
  ASSERT_TRUE(report["sections"].is_array());
  ASSERT_FALSE(report["sections"].empty());
  EXPECT_EQ(report["sections"][0]["heading"], "Overall Effect of Electional Astrology");
  for (const json& section : report["sections"]) {
    EXPECT_TRUE(section["heading"].is_string());
    EXPECT_TRUE(section["verdict"].is_string());
  }
  ASSERT_TRUE(response["warnings"].is_array());
}

// Every number comes back as the very double the library computed, and every
// text as the library wrote it.
TEST(EvaluateContractTest, AgreesWithTheLibraryToTheLastBit) {
  const json request = ValidRequest();
  const json response = Evaluate(request);

  PlainTextSink report;
  CalculationState state = RunEvaluation(InputOf(request, "Friday"), report, SwissEphemeris());
  ElectionPlanetSigns(state);  // computed when first read, as the answer reads them
  const std::pair<const char*, const MomentSnapshot*> moments[] = {
      {"birth", &state.BirthMoment}, {"election", &state.ElectionMoment}};
  for (const auto& [name, snapshot] : moments) {
    SCOPED_TRACE(name);
    const json& m = response[name]["moment"];
    EXPECT_EQ(m["julian_day"].get<double>(), snapshot->Time.JulianDay);
    EXPECT_EQ(m["universal_time"].get<double>(), snapshot->Time.UniversalTime);
    EXPECT_EQ(m["local_hours"].get<double>(), snapshot->Time.LocalHours);
    EXPECT_EQ(m["zone_hours"].get<double>(), snapshot->Time.ZoneHours);
    EXPECT_EQ(m["moon_longitude"].get<double>(), snapshot->Moon.MoonLongitude);
    EXPECT_EQ(m["ayanamsa_j2000"].get<double>(), snapshot->Moon.Ayanamsa);
    EXPECT_EQ(m["ascendant_longitude"].get<double>(), snapshot->Ascendant.AscendantLongitude);
    EXPECT_EQ(m["ayanamsa_1900"].get<double>(), snapshot->Ascendant.Ayanamsa);
    EXPECT_EQ(m["local_sidereal_angle"].get<double>(), snapshot->Ascendant.LocalSiderealAngle);
    const PanchangState& p = snapshot->Panchang;
    EXPECT_EQ(m["panchang_julian_day"].get<double>(), p.PanchangJulianDay);
    EXPECT_EQ(m["panchang_moon_longitude"].get<double>(), p.PanchangMoonLongitude);
    EXPECT_EQ(m["panchang_sun_longitude"].get<double>(), p.PanchangSunLongitude);
    EXPECT_EQ(m["panchang_ayanamsa"].get<double>(), p.AyanamsaCorrection);
    EXPECT_EQ(m["tithi_index"], p.TithiIndex);
    EXPECT_EQ(m["tithi_number"], p.TithiNumber);
    EXPECT_EQ(m["paksha"], NameOf(p.Fortnight));
    EXPECT_EQ(m["tithi_rule_name"], RuleNameOf(p.TithiName));
    EXPECT_EQ(m["tithi_group"], NameOf(p.Group));
    EXPECT_EQ(m["yoga_index"], p.YogaIndex);
    EXPECT_EQ(m["karana_index"], p.KaranaIndex);
    EXPECT_EQ(m["yoga_name"], NameOf(p.YogaName));
    EXPECT_EQ(m["karana_name"], NameOf(p.KaranaName));
    EXPECT_EQ(m["tithi_name"], NameOf(p.TithiName));
  }
  for (int slot = 0; slot < 10; ++slot) {
    EXPECT_EQ(response["birth"]["chart"][slot], ChartText(state.BirthChart, slot)) << slot;
    EXPECT_EQ(response["election"]["chart"][slot], ChartText(state.ElectionChart, slot)) << slot;
  }
  EXPECT_EQ(response["tara_bala"], NameOf(state.TaraBalaVerdict));
  EXPECT_EQ(response["chandra_bala"], NameOf(state.ChandraBalaVerdict));
  for (int i = 0; i < kPlanetCount; ++i)
    EXPECT_EQ(response["planet_signs"][i], TextOf(state.Lagna.PlanetSigns[i])) << i;

  const json& evaluation = response["evaluation"];
  EXPECT_EQ(evaluation["factor_verdicts"].get<std::vector<std::string>>(),
            ::horavela::testing::Texts(state.Result.FactorVerdicts));
  EXPECT_EQ(evaluation["factor_points"].get<std::vector<std::int16_t>>(),
            state.Result.FactorPoints);
  EXPECT_EQ(evaluation["factor_count"], state.Result.FactorCount);
  EXPECT_EQ(evaluation["total_score"], state.Result.TotalScore);
  EXPECT_EQ(evaluation["result_word"], NameOf(state.Result.ResultWord));
  for (int i = 0; i < kReportFlagCount; ++i)
    EXPECT_EQ(evaluation["report_flags"][i], state.Result.ReportFlags[i]) << i;
  EXPECT_EQ(evaluation["result_label"], ResultLabelOf(state.Result));

  EXPECT_EQ(response["report"]["text"], report.text());
  const auto sections = ListReportSections(state);
  ASSERT_EQ(response["report"]["sections"].size(), sections.size());
  for (std::size_t i = 0; i < sections.size(); ++i) {
    EXPECT_EQ(response["report"]["sections"][i]["heading"], sections[i].heading);
    EXPECT_EQ(response["report"]["sections"][i]["verdict"], sections[i].verdict);
  }
}

// Without "weekday" the weekday box holds the civil weekday of the election
// date; a given weekday is used as it stands.
TEST(EvaluateContractTest, MissingWeekdayIsTheCivilWeekdayOfTheElectionDate) {
  for (const char* subject : {"Marriage", "Domestic Journey", "Buying Item"}) {
    SCOPED_TRACE(subject);
    json request = ValidRequest();  // 21 June 2024 is a Friday
    request["subject"] = subject;
    const json implicit = Evaluate(request);
    request["election"]["weekday"] = "Friday";
    EXPECT_EQ(Evaluate(request), implicit);

    request["election"]["weekday"] = "Tuesday";
    const json tuesday = Evaluate(request);
    PlainTextSink report;
    const CalculationState state =
        RunEvaluation(InputOf(request, "Tuesday"), report, SwissEphemeris());
    EXPECT_EQ(tuesday["evaluation"]["factor_verdicts"].get<std::vector<std::string>>(),
              ::horavela::testing::Texts(state.Result.FactorVerdicts));
    EXPECT_EQ(tuesday["evaluation"]["result_label"], ResultLabelOf(state.Result));
  }
}

TEST(EvaluateContractTest, ElectionYearBeforeBirthYearGivesTheResetResult) {
  json request = ValidRequest();
  request["birth"]["year"] = 2025;
  const json response = Evaluate(request);
  const json& evaluation = response["evaluation"];
  EXPECT_EQ(evaluation["factor_verdicts"], json::array());
  EXPECT_EQ(evaluation["factor_points"], json::array());
  EXPECT_EQ(evaluation["factor_count"], 0);
  EXPECT_EQ(evaluation["total_score"], 0);
  EXPECT_EQ(evaluation["result_word"], "");
  EXPECT_EQ(evaluation["report_flags"], json(std::vector<int>(20, 0)));
  EXPECT_EQ(evaluation["result_label"], "");
  EXPECT_EQ(response["report"]["text"],
            "Your Electional Date is more than Your Birth Date. Please check.");
  EXPECT_EQ(response["report"]["sections"], json::array());
  // The charts are computed before the rule set runs.
  EXPECT_NE(response["election"]["chart"][0], "");
}

TEST(EvaluateContractTest, EarlierElectionInTheBirthYearPassesThePrecondition) {
  json request = ValidRequest();
  request["birth"]["year"] = 2024;
  request["birth"]["month"] = 12;
  const json response = Evaluate(request);
  EXPECT_NE(response["evaluation"]["result_word"], "");
}

TEST(EvaluateContractTest, BatchAnswersEveryLineInOrderAndGoesOnAfterABadOne) {
  json first = ValidRequest();
  json second = ValidRequest();
  second["subject"] = "Legal";
  second["birth"]["year"] = 1975;
  second["election"]["hour"] = 18;
  const std::string batch =
      first.dump() + "\n" + R"({"subject": "Marriage", "name": )" + "\n" + second.dump() + "\r\n";
  const CliRun run = RunCli("evaluate --batch", batch);
  EXPECT_EQ(run.status, 0) << run.err;
  const auto lines = Lines(run.out);
  ASSERT_EQ(lines.size(), 3u) << run.out;
  EXPECT_EQ(json::parse(lines[0]), Evaluate(first));
  EXPECT_TRUE(json::parse(lines[1])["error"].is_string());
  EXPECT_EQ(json::parse(lines[2]), Evaluate(second));
}

// Nothing of one request reaches the next: each answer in a batch equals the
// answer the request gets alone, whatever came before it.
TEST(EvaluateContractTest, BatchAnswersEachRequestFromAFreshState) {
  json early = ValidRequest();
  early["birth"]["year"] = 2030;  // fails the year precondition: keeps nothing
  json late = ValidRequest();
  late["subject"] = "Learning Medicine";  // a rule set whose arrays grow
  json plain = ValidRequest();
  const CliRun run =
      RunCli("evaluate --batch", late.dump() + "\n" + early.dump() + "\n" + plain.dump() + "\n");
  const auto lines = Lines(run.out);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(json::parse(lines[0]), Evaluate(late));
  EXPECT_EQ(json::parse(lines[1]), Evaluate(early));
  EXPECT_EQ(json::parse(lines[2]), Evaluate(plain));
  EXPECT_EQ(json::parse(lines[1])["evaluation"]["factor_verdicts"], json::array());
}

TEST(EvaluateContractTest, BatchFileArgumentAndEmptyInput) {
  const auto path = Scratch().path() / "batch.jsonl";
  std::ofstream(path) << ValidRequest().dump() << "\n" << ValidRequest().dump() << "\n";
  const CliRun run = RunCli("evaluate --batch " + ShellQuote(path.string()));
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(Lines(run.out).size(), 2u);

  const CliRun empty = RunCli("evaluate --batch", "");
  EXPECT_EQ(empty.status, 0);
  EXPECT_EQ(empty.out, "");
}

// Real dates, checked against published positions.
struct RealMoment {
  const char* what;
  int year, month, day, hour, minute;
  int latDeg, latMin;
  bool north;
  int lonDeg, lonMin;
  bool east;
  int zoneHours, zoneMinutes;
  bool dst;
  double universalTime;  // hours
  const char* moonSign;
  const char* nakshatra;
  const char* weekday;
};

json RequestAt(const RealMoment& m) {
  json request = ValidRequest();
  json& e = request["election"];
  e["year"] = m.year;
  e["month"] = m.month;
  e["day"] = m.day;
  e["hour"] = m.hour;
  e["minute"] = m.minute;
  e["latitude"] = {{"degrees", m.latDeg}, {"minutes", m.latMin}, {"north", m.north}};
  e["longitude"] = {{"degrees", m.lonDeg}, {"minutes", m.lonMin}, {"east", m.east}};
  e["zone"] = {{"hours", m.zoneHours}, {"minutes", m.zoneMinutes}};
  e["dst"] = m.dst;
  return request;
}

TEST(EvaluateRealDatesTest, ChartsTimesAndZonesOfKnownMoments) {
  const RealMoment moments[] = {
      // J2000.0 at Greenwich: the sidereal Moon near 199.5 degrees, in Swati.
      {"1 January 2000 noon, Greenwich", 2000, 1, 1, 12, 0, 51, 29, true, 0, 0, false, 0, 0, false,
       12.0, "Thula", "Swati", "Saturday"},
      // Indian Time is 5 h 30 m east: 02:00 local is 20:30 of the day before.
      {"New Delhi, 02:00 Indian Time", 2000, 1, 1, 2, 0, 28, 36, true, 77, 12, true, -5, -30, false,
       -3.5, nullptr, nullptr, "Saturday"},
      // Madrid lies west of Greenwich but keeps Central European Time.
      {"Madrid, noon CET", 2000, 1, 1, 12, 0, 40, 25, true, 3, 42, false, -1, 0, false, 11.0,
       nullptr, nullptr, "Saturday"},
      {"New York, noon EST", 2000, 1, 1, 12, 0, 40, 43, true, 74, 0, false, 5, 0, false, 17.0,
       nullptr, nullptr, "Saturday"},
      {"London, noon summer time", 2024, 6, 21, 12, 0, 51, 30, true, 0, 7, false, 0, 0, true, 11.0,
       nullptr, nullptr, "Friday"},
  };
  for (const RealMoment& m : moments) {
    SCOPED_TRACE(m.what);
    const json response = Evaluate(RequestAt(m));
    const json& chart = response["election"]["chart"];
    const json& internals = response["election"]["moment"];
    EXPECT_NEAR(internals["universal_time"].get<double>(), m.universalTime, 1e-9);
    EXPECT_EQ(chart[8], m.weekday);
    if (m.moonSign != nullptr) {
      EXPECT_EQ(chart[0], m.moonSign);
    }
    if (m.nakshatra != nullptr) {
      EXPECT_EQ(chart[2], m.nakshatra);
    }
  }
}

TEST(EvaluateRealDatesTest, J2000MoonLongitudeAndJulianDay) {
  const RealMoment j2000 = {"J2000", 2000,  1, 1, 12,    0,    51,      29,      true,   0,
                            0,       false, 0, 0, false, 12.0, nullptr, nullptr, nullptr};
  const json internals = Evaluate(RequestAt(j2000))["election"]["moment"];
  EXPECT_EQ(internals["julian_day"], 2451545.0);
  // Sidereal Moon at J2000.0: tropical 223.3 degrees less an ayanamsa of 23.85.
  EXPECT_NEAR(internals["moon_longitude"].get<double>(), 199.463, 0.005);
}

// Every subject text runs its own rule set end to end.
TEST(EvaluateRealDatesTest, EverySubjectEvaluates) {
  const CliRun subjects = RunCli("subjects");
  std::string batch;
  for (const std::string& subject : Lines(subjects.out)) {
    json request = ValidRequest();
    request["subject"] = subject;
    batch += request.dump() + "\n";
  }
  const CliRun run = RunCli("evaluate --batch", batch);
  ASSERT_EQ(run.status, 0);
  const auto lines = Lines(run.out);
  ASSERT_EQ(lines.size(), 34u);
  for (const std::string& line : lines) {
    const json response = json::parse(line);
    ASSERT_FALSE(response.contains("error")) << line;
    const std::string word = response["evaluation"]["result_word"];
    EXPECT_TRUE(word == "Good" || word == "Average" || word == "Bad") << word;
    EXPECT_FALSE(response["report"]["sections"].empty());
  }
}

}  // namespace
}  // namespace horavela::testing_cli
