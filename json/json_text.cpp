#include "json/json_text.h"

namespace horavela {

std::string Serialize(const nlohmann::ordered_json& value, bool pretty) {
  // nlohmann writes the shortest decimal that reads back as the same double
  // (at most 17 significant digits), so full precision needs no setting here.
  return value.dump(pretty ? 2 : -1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
}

}  // namespace horavela
