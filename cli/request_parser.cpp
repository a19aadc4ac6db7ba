#include "cli/request_parser.h"

#include <algorithm>
#include <utility>

#include "cli/settings_entry.h"
#include "engine/input_check.h"
#include "json/json_reader.h"
#include "panchang/panchang.h"
#include "rules/subjects.h"

namespace horavela::cli {

namespace {

using nlohmann::json;

// The weekday box offers the seven names only.
Weekday WeekdayField(const json& value, const std::string& name) {
  const std::string text = StringValue(value, name);
  const std::optional<Weekday> weekday = WeekdayNamed(text);
  if (!weekday)
    throw RequestError(Problem{name, messages::UnknownWeekday(text), Rule::UnknownText});
  return *weekday;
}

// The captions of a moment that named its zone, once its date is known to be
// valid.
std::optional<ZoneUsed> ResolveZone(const std::string& timeZone, MomentEntry& moment,
                                    const std::string& path) {
  if (timeZone.empty()) return std::nullopt;
  return ApplyTimeZone(LoadTimeZone(timeZone, path + ".tz"), moment, path);
}

void ParseInput(const json& request, ParsedRequest& parsed) {
  RequireObject(request);
  EvaluationInput& input = parsed.input;
  input.subject = StringField(request, "", "subject");
  input.name = StringField(request, "", "name");
  input.sex = StringField(request, "", "sex");
  const json& election = ObjectField(request, "", "election");
  MomentRequest electionRequest = ParseMoment(election, "election");
  input.election = std::move(electionRequest.moment);
  const json* weekday = FindMember(election, "weekday");
  if (weekday != nullptr) input.electionWeekday = WeekdayField(*weekday, "election.weekday");
  const json& birth = ObjectField(request, "", "birth");
  MomentRequest birthRequest = ParseMoment(birth, "birth");
  input.birth = std::move(birthRequest.moment);
  // The birth page's weekday box is read by nothing; only its type is checked.
  if (const json* birthWeekday = FindMember(birth, "weekday"))
    StringValue(*birthWeekday, "birth.weekday");

  std::string partnerTimeZone;
  parsed.partner = ParsePartner(request, partnerTimeZone);
  input.settings = ParseSettingsField(request);

  if (FindRuleSet(input.subject) == nullptr)
    throw RequestError(
        Problem{"subject", messages::UnknownSubject(input.subject), Rule::UnknownText});
  if (const Result<void> checked = CheckEvaluationInput(input); !checked)
    throw RequestError(checked.error());
  parsed.electionZone = ResolveZone(electionRequest.timeZone, input.election, "election");
  parsed.birthZone = ResolveZone(birthRequest.timeZone, input.birth, "birth");
  CheckZoneSigns(input.birth.place, "birth");
  CheckZoneSigns(input.election.place, "election");
  if (parsed.partner) {
    if (const Result<void> checked = CheckPartner(*parsed.partner); !checked)
      throw RequestError(checked.error());
    parsed.partnerBirthZone = ResolveZone(partnerTimeZone, parsed.partner->birth, "partner.birth");
    CheckZoneSigns(parsed.partner->birth.place, "partner.birth");
  }

  if (weekday == nullptr) {
    input.electionWeekday =
        WeekdayOfCivilDate(input.election.year, input.election.month, input.election.day);
  }
}

}  // namespace

ParsedRequest ParseRequestJson(const json& request) {
  ParsedRequest parsed;
  try {
    ParseInput(request, parsed);
  } catch (const RequestError& e) {
    parsed = ParsedRequest();
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

MomentRequest ParseSearchPerson(const json& request, SearchRequest& search) {
  const std::string subject = StringField(request, "", "subject");
  if (subject == "*") {
    search.subjects = AllSubjectTexts();
  } else {
    search.subjects.push_back(subject);
  }
  return ParsePerson(request, search);
}

MomentRequest ParsePerson(const json& request, SearchRequest& search) {
  search.name = StringField(request, "", "name");
  search.sex = StringField(request, "", "sex");
  MomentRequest birth = ParseMoment(ObjectField(request, "", "birth"), "birth");
  search.birth = birth.moment;
  return birth;
}

std::optional<Partner> ParsePartner(const json& request, std::string& birthTimeZone) {
  const json* member = FindMember(request, "partner");
  if (member == nullptr) return std::nullopt;
  const json& object = ObjectField(request, "", "partner");
  Partner partner;
  partner.name = StringField(object, "partner", "name");
  partner.sex = StringField(object, "partner", "sex");
  const json& birth = ObjectField(object, "partner", "birth");
  MomentRequest moment = ParseMoment(birth, "partner.birth");
  // As the person's birth: its weekday is read by nothing, only typed.
  if (const json* weekday = FindMember(birth, "weekday"))
    StringValue(*weekday, "partner.birth.weekday");
  partner.birth = std::move(moment.moment);
  birthTimeZone = std::move(moment.timeZone);
  return partner;
}

}  // namespace horavela::cli
