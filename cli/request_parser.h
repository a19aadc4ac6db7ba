#pragma once

#include <optional>
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

#include "engine/evaluation_input.h"
#include "json/json_reader.h"
#include "json/time_zone_entry.h"
#include "search/muhurta_finder.h"

namespace horavela::cli {

// An evaluation request read from JSON, or why it is not one.
struct ParsedRequest {
  EvaluationInput input;
  std::string error;  // empty when `input` may be evaluated
  // The zone in force at each moment that named a tz-database zone.
  std::optional<ZoneUsed> birthZone;
  std::optional<ZoneUsed> electionZone;
  // The second person of a moment judged for two, when the request names one.
  std::optional<Partner> partner;
  std::optional<ZoneUsed> partnerBirthZone;
};

// Reads one request: the JSON text of an object with subject, name, sex,
// election and birth. Every field is checked for presence, type, 16-bit range
// and the ranges the input pages allow; the first problem found is reported
// with the field's name. A missing election weekday becomes the civil weekday
// of the election date. A moment naming a tz-database zone ("tz") gets the
// captions and DST box in force at its local date and time.
ParsedRequest ParseRequest(std::string_view text);
ParsedRequest ParseRequestJson(const nlohmann::json& request);

// A search request read from JSON, or why it is not one.
struct ParsedSearch {
  SearchRequest request;
  std::string error;  // empty when `request` may be searched
};

// Reads the request of `horavela-cli search` (defined beside that command)
// with the same checks: field types, 16-bit range, the input pages' ranges,
// the subject, the result word and the range of minutes; a "tz" place is
// loaded but not searched.
ParsedSearch ParseSearchRequest(std::string_view text);

// The subject ("*" for every subject), name, sex and birth of a search or of a
// day's verdict band, written into `search`; the birth as read, its "tz" not
// yet applied.
MomentRequest ParseSearchPerson(const nlohmann::json& request, SearchRequest& search);
// The name, sex and birth alone, likewise: a person's day without a subject.
MomentRequest ParsePerson(const nlohmann::json& request, SearchRequest& search);

// The optional "partner" of an evaluate or search request: its name, sex and
// birth, each problem named "partner.…"; the birth as read, its "tz" not yet
// applied. Empty when the request has none.
std::optional<Partner> ParsePartner(const nlohmann::json& request, std::string& birthTimeZone);

}  // namespace horavela::cli
