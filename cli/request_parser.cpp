#include "cli/request_parser.h"

#include <algorithm>

#include "cli/json_reader.h"
#include "engine/input_check.h"
#include "panchang/panchang.h"
#include "rules/subjects.h"

namespace horavela::cli {

namespace {

using nlohmann::json;

// The weekday box offers the seven names only.
std::string WeekdayField(const json& value, const std::string& name) {
  std::string text = StringValue(value, name);
  if (std::find(kWeekdayNames.begin(), kWeekdayNames.end(), text) == kWeekdayNames.end()) {
    std::string names;
    for (std::string_view day : kWeekdayNames)
      names += (names.empty() ? "" : ", ") + std::string(day);
    throw RequestError(name + " must be one of " + names + ", not \"" + text + "\"");
  }
  return text;
}

EvaluationInput ParseInput(const json& request) {
  RequireObject(request);
  EvaluationInput input;
  input.subject = StringField(request, "", "subject");
  input.name = StringField(request, "", "name");
  input.sex = StringField(request, "", "sex");
  const json& election = ObjectField(request, "", "election");
  input.election = ParseMoment(election, "election");
  const json* weekday = FindMember(election, "weekday");
  if (weekday != nullptr) input.electionWeekday = WeekdayField(*weekday, "election.weekday");
  const json& birth = ObjectField(request, "", "birth");
  input.birth = ParseMoment(birth, "birth");
  // The birth page's weekday box is read by nothing; only its type is checked.
  if (const json* birthWeekday = FindMember(birth, "weekday"))
    StringValue(*birthWeekday, "birth.weekday");

  if (FindRuleSet(input.subject) == nullptr) {
    throw RequestError("subject \"" + input.subject +
                       "\" is not a known subject text; `horavela-cli subjects` lists the "
                       "valid ones");
  }
  if (std::string problem = CheckEvaluationInput(input); !problem.empty())
    throw RequestError(problem);
  CheckZoneSigns(input.birth.place, "birth");
  CheckZoneSigns(input.election.place, "election");

  if (weekday == nullptr) {
    input.electionWeekday =
        WeekdayOfDate(input.election.year, input.election.month, input.election.day);
  }
  return input;
}

}  // namespace

ParsedRequest ParseRequestJson(const json& request) {
  ParsedRequest parsed;
  try {
    parsed.input = ParseInput(request);
  } catch (const RequestError& e) {
    parsed.error = e.what();
  }
  return parsed;
}

ParsedRequest ParseRequest(std::string_view text) {
  try {
    return ParseRequestJson(ParseJsonText(text));
  } catch (const RequestError& e) {
    ParsedRequest parsed;
    parsed.error = e.what();
    return parsed;
  }
}

}  // namespace horavela::cli
