#include "tradition/veto.h"

#include <array>

namespace horavela {

namespace {

struct VetoText {
  std::string_view name;
  std::string_view key;
};

// In the order of the enum.
constexpr std::array<VetoText, kVetoCount> kVetoTexts = {{
    {"Kharmas", "kharmas"},
    {"Malmas", "malmas"},
    {"Guru asta", "guru_asta"},
    {"Shukra asta", "shukra_asta"},
    {"Adhika masa", "adhika_masa"},
    {"Kshaya masa", "kshaya_masa"},
    {"Chaturmas", "chaturmas"},
    {"Holashtak", "holashtak"},
    {"Pitru Paksha", "pitru_paksha"},
    {"Solar eclipse", "solar_eclipse"},
    {"Lunar eclipse", "lunar_eclipse"},
    {"Panchaka", "panchaka"},
}};

}  // namespace

std::string_view NameOf(Veto veto) {
  return kVetoTexts[static_cast<std::size_t>(veto)].name;
}

std::string_view KeyOf(Veto veto) {
  return kVetoTexts[static_cast<std::size_t>(veto)].key;
}

std::optional<Veto> VetoKeyed(std::string_view key) {
  for (std::size_t i = 0; i < kVetoTexts.size(); ++i)
    if (kVetoTexts[i].key == key) return static_cast<Veto>(i);
  return std::nullopt;
}

}  // namespace horavela
