#pragma once

#include <optional>
#include <string>

#include "engine/evaluation_input.h"

class QSettings;

namespace horavela::app {

// The election place of the last evaluation, where the next one starts: the
// names, coordinates and zone captions as the page held them, and the atlas
// zone it followed (empty for a zone set by hand).
struct LastPlace {
  PlaceEntry place;
  std::string tz;
};

void RememberPlace(QSettings& settings, const LastPlace& last);

// Nothing when none was kept, or when what was kept is no place on Earth
// (a settings file edited by hand): the pages then start empty. A zone the
// system no longer knows is left out, the zone captions kept with it stand.
std::optional<LastPlace> RecallPlace(QSettings& settings);

}  // namespace horavela::app
