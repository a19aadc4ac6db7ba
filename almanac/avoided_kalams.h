#pragma once

#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "search/muhurta_finder.h"

// The kalams a search may leave out, as minutes the finder skips.
namespace horavela {

enum class Kalam { RahuKalam, Yamaganda, GulikaKalam };

// "rahu_kalam", "yamaganda", "gulika_kalam": the names a request uses.
std::string_view KalamName(Kalam kalam);
std::optional<Kalam> KalamNamed(std::string_view name);

// The minutes of the chosen kalams over request.from..request.to, each day's
// from its own sunrise, sunset and next sunrise at request.place on its clock
// (request.zone when set). A minute is in a kalam when the kalam is in force
// at its first second. Days without a sunrise or sunset (polar) have none.
// A long range takes a while (about half a millisecond a day): `control` may
// report the fraction done and stop it early, with the days done so far.
std::vector<MinuteInterval> KalamMinutes(const SearchRequest& request,
                                         const std::set<Kalam>& kalams,
                                         const SearchControl& control = {});

}  // namespace horavela
