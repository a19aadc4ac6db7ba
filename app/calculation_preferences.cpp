#include "app/calculation_preferences.h"

#include <QSettings>
#include <QString>
#include <QVariant>
#include <string>

namespace horavela::app {

namespace {

constexpr char kGroup[] = "calculation";

}  // namespace

void RememberCalculationSettings(QSettings& saved, const CalculationSettings& settings) {
  saved.beginGroup(kGroup);
  ForEachSetting(settings, [&saved](const char* name, const auto& value) {
    const std::string_view key = ChoiceOf(value).key;
    saved.setValue(name, QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size())));
  });
  saved.endGroup();
  saved.sync();
}

CalculationSettings RecallCalculationSettings(QSettings& saved) {
  CalculationSettings settings;
  saved.beginGroup(kGroup);
  ForEachSetting(settings, [&saved](const char* name, auto& value) {
    using Setting = std::remove_reference_t<decltype(value)>;
    const std::string key = saved.value(name).toString().toStdString();
    value = SettingFromKey<Setting>(key).value_or(value);
  });
  saved.endGroup();
  return settings;
}

}  // namespace horavela::app
