#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

namespace horavela::cli {

// The requests whose keys are known.
enum class RequestKind { kEvaluate, kSearch, kDay, kMatch };

// The path of every key of `request` that the command does not read
// ("place.almanac", "birth.latitude.degree"), each object's in the order of
// their names. Only
// objects are looked into: a member of the wrong kind is the reader's to refuse.
std::vector<std::string> UnknownKeys(const nlohmann::json& request, RequestKind kind);

// "place.almanac: unknown key, ignored": a misspelt option must not pass for
// one left out.
std::string UnknownKeyWarning(const std::string& path);

// The unknown keys of `request`: with `strict`, a RequestError for the first;
// else their warnings, each also written to `err` so that a caller reading
// only the answer's values still sees them.
std::vector<std::string> CheckKeys(const nlohmann::json& request, RequestKind kind, bool strict,
                                   std::ostream& err);

}  // namespace horavela::cli
