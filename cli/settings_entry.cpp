#include "cli/settings_entry.h"

#include <array>
#include <string_view>

#include "json/json_reader.h"

namespace horavela::cli {

namespace {

using nlohmann::json;
using nlohmann::ordered_json;

// The keys of one setting, quoted: "\"upper_limb\", \"disc_centre\"".
template <typename Setting>
std::string KeysListed() {
  std::string listed;
  for (const SettingChoice<Setting>& choice : SettingChoices<Setting>())
    listed += (listed.empty() ? "\"" : ", \"") + std::string(choice.key) + "\"";
  return listed;
}

// The setting a key names; `where` is the option or the member that gave it.
template <typename Setting>
void ReadKey(const std::string& key, const std::string& where, Setting& setting) {
  const std::optional<Setting> named = SettingFromKey<Setting>(key);
  if (!named)
    throw RequestError(
        Problem{where, "must be one of " + KeysListed<Setting>() + ", not " + messages::Echo(key),
                Rule::UnknownText});
  setting = *named;
}

// Each setting by the name the options and the request's members give it.
struct SettingField {
  const char* name;
  std::string SettingKeys::*key;
};
constexpr std::array<SettingField, 4> kFields = {{
    {"ephemeris", &SettingKeys::ephemeris},
    {"ayanamsa", &SettingKeys::ayanamsa},
    {"sunrise", &SettingKeys::sunrise},
    {"tarabala", &SettingKeys::tarabala},
}};

// The settings of keys each given (an empty key is refused as any unknown
// one), `prefix` and the setting's name saying where each came from.
CalculationSettings SettingsOf(const SettingKeys& keys, const std::string& prefix) {
  CalculationSettings settings;
  ReadKey(keys.ephemeris, prefix + kFields[0].name, settings.ephemeris);
  ReadKey(keys.ayanamsa, prefix + kFields[1].name, settings.ayanamsa);
  ReadKey(keys.sunrise, prefix + kFields[2].name, settings.sunrise);
  ReadKey(keys.tarabala, prefix + kFields[3].name, settings.tarabala);
  return settings;
}

SettingKeys KeysOf(const CalculationSettings& settings) {
  return {std::string(ChoiceOf(settings.ephemeris).key),
          std::string(ChoiceOf(settings.ayanamsa).key), std::string(ChoiceOf(settings.sunrise).key),
          std::string(ChoiceOf(settings.tarabala).key)};
}

// Keys not given stand for the defaults.
SettingKeys WithDefaults(SettingKeys keys) {
  const SettingKeys defaults = KeysOf({});
  for (const SettingField& field : kFields)
    if ((keys.*field.key).empty()) keys.*field.key = defaults.*field.key;
  return keys;
}

const SettingField& FieldNamed(const std::string& name) {
  for (const SettingField& field : kFields)
    if (name == field.name) return field;
  std::string listed;
  for (const SettingField& field : kFields)
    listed += (listed.empty() ? "\"" : ", \"") + std::string(field.name) + "\"";
  throw RequestError(Problem{
      "settings", "holds " + messages::Echo(name) + ", not a setting; the settings are " + listed,
      Rule::UnknownText});
}

}  // namespace

CalculationSettings SettingsOfOptions(const SettingKeys& keys) {
  return SettingsOf(WithDefaults(keys), "--");
}

CalculationSettings ParseSettingsField(const json& request) {
  if (FindMember(request, "settings") == nullptr) return {};
  const json& object = ObjectField(request, "", "settings");
  SettingKeys keys = KeysOf({});
  for (const auto& [name, value] : object.items()) {
    const SettingField& field = FieldNamed(name);
    keys.*field.key = StringValue(value, Join("settings", field.name));
  }
  return SettingsOf(keys, "settings.");
}

void AddSettings(ordered_json& answer, const CalculationSettings& settings) {
  if (IsDefault(settings)) return;
  const SettingKeys keys = KeysOf(settings);
  ordered_json object;
  for (const SettingField& field : kFields) object[field.name] = keys.*field.key;
  answer["settings"] = std::move(object);
}

}  // namespace horavela::cli
