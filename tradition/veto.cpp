#include "tradition/veto.h"

#include <array>

namespace horavela {

namespace {

// The names are the language layer's (TermSet::Veto), in every language.
struct VetoText {
  std::string_view key;
};

// In the order of the enum.
constexpr std::array<VetoText, kVetoCount> kVetoTexts = {{
    {"kharmas"},
    {"malmas"},
    {"guru_asta"},
    {"shukra_asta"},
    {"adhika_masa"},
    {"kshaya_masa"},
    {"chaturmas"},
    {"holashtak"},
    {"pitru_paksha"},
    {"solar_eclipse"},
    {"lunar_eclipse"},
    {"panchaka"},
}};

}  // namespace

std::string_view NameOf(Veto veto) {
  return NameOf(veto, Language::English);
}

std::string_view NameOf(Veto veto, Language language) {
  return TermName(TermSet::Veto, static_cast<int>(veto), language);
}

VetoPeriod PeriodOf(Veto veto, std::int64_t first, std::int64_t last, Wording why) {
  std::string reason = TextOf(why, Language::English);
  return {veto, first, last, std::move(reason), std::move(why)};
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
