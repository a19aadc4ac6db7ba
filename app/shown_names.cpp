#include "app/shown_names.h"

#include <string_view>

#include "app/app_language.h"
#include "language/day_part_names.h"
#include "language/element_names.h"
#include "rules/evaluation.h"

namespace horavela::app {

namespace {

QString FromView(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

QString ShownName(const Period& period) {
  return QString::fromStdString(NameOf(period, ShownLanguage()));
}

QString ShownName(const PeriodName& term) {
  return QString::fromStdString(NameOf(term, ShownLanguage()));
}

QString ShownName(Weekday weekday) {
  return FromView(NameOf(weekday, ShownLanguage()));
}

QString ShownName(Nakshatra nakshatra) {
  return FromView(NameOf(nakshatra, ShownLanguage()));
}

QString ShownName(Rashi rashi) {
  return FromView(NameOf(rashi, ShownLanguage()));
}

QString ShownName(Planet planet) {
  return FromView(NameOf(planet, ShownLanguage()));
}

QString ShownStarAndPada(std::string_view english, Nakshatra nakshatra, int pada) {
  if (ShownLanguage() == Language::English)
    return QString("%1 %2").arg(FromView(english)).arg(pada);
  return ShownName(PeriodName::Of(nakshatra, pada));
}

QString ShownPosition(const PlanetPosition& position) {
  return QString::fromStdString(PositionText(position, ShownLanguage()));
}

QString ShownResultLabel(const Evaluation& result) {
  const Language language = ShownLanguage();
  const std::string label = ResultLabelOf(
      result, ShownWords(), [language](Planet planet) { return NameOf(planet, language); });
  // The core writes CR LF, as the listing has always been kept.
  QString text = ForReading(QString::fromStdString(label));
  text.replace("\r\n", "\n");
  return text;
}

}  // namespace horavela::app
