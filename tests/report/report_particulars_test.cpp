#include "report/report_particulars.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "report/plain_text_sink.h"
#include "report/program_identity.h"
#include "report/report_writer.h"
#include "rules/evaluation.h"
#include "support/recording_sink.h"

namespace horavela {
namespace {

using testing::RecordingSink;

PlaceEntry Place(const char* city, const char* state, const char* country, int latDeg, int latMin,
                 bool north, int lonDeg, int lonMin, bool east, int zoneH, int zoneM, bool dst) {
  PlaceEntry place;
  place.city = city;
  place.state = state;
  place.country = country;
  place.latitudeDegrees = static_cast<std::int16_t>(latDeg);
  place.latitudeMinutes = static_cast<std::int16_t>(latMin);
  place.north = north;
  place.longitudeDegrees = static_cast<std::int16_t>(lonDeg);
  place.longitudeMinutes = static_cast<std::int16_t>(lonMin);
  place.east = east;
  place.zoneHours = static_cast<std::int16_t>(zoneH);
  place.zoneMinutes = static_cast<std::int16_t>(zoneM);
  place.dst = dst;
  return place;
}

MomentEntry Moment(int year, int month, int day, int hour, int minute, PlaceEntry place) {
  MomentEntry moment;
  moment.year = static_cast<std::int16_t>(year);
  moment.month = static_cast<std::int16_t>(month);
  moment.day = static_cast<std::int16_t>(day);
  moment.hour = static_cast<std::int16_t>(hour);
  moment.minute = static_cast<std::int16_t>(minute);
  moment.place = std::move(place);
  return moment;
}

EvaluationInput AshaRao() {
  EvaluationInput input;
  input.subject = "Marriage";
  input.name = "Asha Rao";
  input.sex = "Female";
  input.birth =
      Moment(1996, 3, 2, 7, 5,
             Place("Mumbai", "Maharashtra", "India", 18, 58, true, 72, 50, true, -5, -30, false));
  input.election =
      Moment(2024, 11, 14, 10, 30,
             Place("New Delhi", "Delhi", "India", 28, 36, true, 77, 12, true, -5, -30, false));
  return input;
}

TEST(ReportParticulars, FullInput) {
  const std::vector<std::string> expected = {
      "Prepared for Asha Rao, Female",
      "Born 2 March 1996 at 07:05 in Mumbai, Maharashtra, India (18°58'\u00A0N, 72°50'\u00A0E, "
      "UTC+05:30)",
      "Election 14 November 2024 at 10:30 in New Delhi, Delhi, India (28°36'\u00A0N, "
      "77°12'\u00A0E, "
      "UTC+05:30)",
      "Horavela " + std::string(kProgramVersion),
  };
  EXPECT_EQ(ReportParticulars(AshaRao()), expected);
}

// Settings other than the defaults add one line before the version, naming
// only those that differ; the defaults add nothing.
TEST(ReportParticulars, NamesSettingsOtherThanTheDefaults) {
  struct Row {
    CalculationSettings settings;
    const char* line;  // null: no line
  };
  const Row rows[] = {
      {{}, nullptr},
      {{EphemerisSource::Swiss, AyanamsaSystem::Lahiri, SunriseRule::UpperLimb, TaraCount::Program},
       "Calculation: Swiss Ephemeris; Lahiri (Chitrapaksha) ayanamsa"},
      {{EphemerisSource::Program, AyanamsaSystem::Program, SunriseRule::DiscCentre,
        TaraCount::Inclusive},
       "Calculation: sunrise by the centre of the disc, without refraction; tarabala counted "
       "inclusive, forward from the birth star"},
      {{EphemerisSource::Program, AyanamsaSystem::Krishnamurti, SunriseRule::UpperLimb,
        TaraCount::Program},
       "Calculation: Krishnamurti (KP) ayanamsa"},
  };
  for (const Row& row : rows) {
    EvaluationInput input = AshaRao();
    input.settings = row.settings;
    const std::vector<std::string> lines = ReportParticulars(input);
    ASSERT_EQ(lines.size(), row.line ? 5u : 4u);
    EXPECT_EQ(lines.back(), "Horavela " + std::string(kProgramVersion));
    if (row.line) {
      EXPECT_EQ(lines[3], row.line);
    }
  }
}

// The election line of places with blank parts, other hemispheres and zones.
TEST(ReportParticulars, ElectionLineOfPlaces) {
  struct Case {
    PlaceEntry place;
    const char* line;
  };
  const Case cases[] = {
      {Place("Mumbai", "", "  ", 18, 58, true, 72, 50, true, -5, -30, false),
       "Election 14 November 2024 at 10:30 in Mumbai (18°58'\u00A0N, 72°50'\u00A0E, UTC+05:30)"},
      {Place("New York", "New York", "USA", 40, 42, true, 74, 0, false, 5, 0, true),
       "Election 14 November 2024 at 10:30 in New York, New York, USA (40°42'\u00A0N, "
       "74°0'\u00A0W, "
       "UTC-04:00)"},
      {Place("Sydney", "NSW", "Australia", 33, 52, false, 151, 12, true, -10, 0, true),
       "Election 14 November 2024 at 10:30 in Sydney, NSW, Australia (33°52'\u00A0S, "
       "151°12'\u00A0E, "
       "UTC+11:00)"},
  };
  for (const Case& c : cases) {
    EvaluationInput input = AshaRao();
    input.election.place = c.place;
    const std::vector<std::string> lines = ReportParticulars(input);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[2], c.line);
  }
}

CalculationState ReportedState() {
  CalculationState state;
  state.Input = AshaRao();
  state.Result.ReportFlags[ResultFlag] = 2;
  state.Result.ReportFlags[TithiFlag] = 1;
  return state;
}

// With particulars the report is the one without, plus their block right
// after the subject line: plain black lines in the report's size, centred.
TEST(ReportParticulars, WrittenAfterTheSubjectOnlyWhenAsked) {
  const CalculationState state = ReportedState();
  PlainTextSink plain;
  WriteReport(state, plain);
  const std::string without = plain.text();
  WriteReport(state, plain, ReportOptions{.particulars = true, .timingNotes = {}});
  const std::string with = plain.text();

  std::string block;
  for (const std::string& line : ReportParticulars(state.Input)) block += line + "\n";
  block += "\n";
  std::string expected = without;
  const std::size_t afterSubject = expected.find("Marriage\n\n") + 10;
  ASSERT_EQ(expected.find("Prepared for"), std::string::npos);
  expected.insert(afterSubject, block);
  EXPECT_EQ(with, expected);

  RecordingSink sink;
  WriteReport(state, sink, ReportOptions{.particulars = true, .timingNotes = {}});
  ASSERT_GE(sink.insertions.size(), 6u);
  EXPECT_EQ(sink.insertions[3].text, "Marriage\n\n");
  const auto& particulars = sink.insertions[4];
  EXPECT_EQ(particulars.text, block);
  EXPECT_FALSE(particulars.bold);
  EXPECT_EQ(particulars.color, PaletteColor::Black);
  EXPECT_EQ(particulars.fontSize, sink.insertions[3].fontSize);
  EXPECT_EQ(particulars.alignment, Alignment::Center);
  EXPECT_EQ(sink.insertions[5].text, "Chosen Electional Date\n");
}

TEST(ReportParticulars, PreconditionMessageStaysAlone) {
  CalculationState state = ReportedState();
  state.Result.PreconditionMessage = kYearPreconditionMessage;
  PlainTextSink plain;
  WriteReport(state, plain, ReportOptions{.particulars = true, .timingNotes = {}});
  EXPECT_EQ(plain.text(), state.Result.PreconditionMessage);
}

}  // namespace
}  // namespace horavela
