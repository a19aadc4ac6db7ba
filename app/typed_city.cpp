#include "app/typed_city.h"

#include "app/filtered_line_edit.h"

#include <algorithm>
#include <exception>
#include <iterator>
#include <vector>

namespace horavela::app {

namespace {

// Enough matches to see every city of a name shared by several.
constexpr std::size_t kCandidates = 100;

bool Separates(QChar c) {
  const char16_t code = c.unicode();
  return code == '-' || code == '\'' || code == u'\u2019' || code == '.';
}

bool FieldAccepts(const QString& text) {
  return !text.isEmpty() && IsAcceptedText(CharacterRule::Letters, text);
}

// A character of a gazetteer name the place fields refuse, in letters they
// take: without its accents, spelled out, or else a blank.
QString PlainCharacter(QChar c) {
  static const std::pair<char16_t, const char*> kSpelled[] = {
      {u'ß', "ss"}, {u'æ', "ae"}, {u'Æ', "AE"}, {u'ø', "o"}, {u'Ø', "O"}, {u'œ', "oe"},
      {u'Œ', "OE"}, {u'ł', "l"},  {u'Ł', "L"},  {u'đ', "d"}, {u'Đ', "D"}, {u'ı', "i"}};
  QString base;
  for (QChar part : QString(c).normalized(QString::NormalizationForm_D)) {
    if (part.category() != QChar::Mark_NonSpacing) base += part;
  }
  if (FieldAccepts(base)) return base;
  const char16_t code = c.unicode();
  const auto* spelled = std::find_if(std::begin(kSpelled), std::end(kSpelled),
                                     [code](const auto& entry) { return entry.first == code; });
  if (spelled != std::end(kSpelled) && FieldAccepts(spelled->second)) return spelled->second;
  return QString(' ');
}

}  // namespace

QString ForPlaceField(const QString& name) {
  QString written;
  for (QChar c : name.normalized(QString::NormalizationForm_C)) {
    written += FieldAccepts(QString(c)) ? QString(c) : PlainCharacter(c);
  }
  return written.simplified();
}

QString ComparableName(const QString& name) {
  QString plain;
  for (QChar c : name.normalized(QString::NormalizationForm_D)) {
    if (c.category() == QChar::Mark_NonSpacing) continue;
    plain += Separates(c) ? QChar(' ') : c;
  }
  return plain.simplified().toCaseFolded();
}

std::optional<Place> CityNamedBy(const QString& typed, const CityLookup& lookup) {
  const QString name = ComparableName(typed);
  if (name.size() < 2) return std::nullopt;
  std::vector<Place> matches;
  try {
    matches = lookup.find(typed.simplified().toStdString(), kCandidates);
  } catch (const std::exception&) {
    return std::nullopt;
  }
  const auto named = [&name](const Place& place) {
    return ComparableName(QString::fromStdString(place.name)) == name;
  };
  if (!matches.empty() && named(matches.front())) return matches.front();
  std::optional<Place> only;
  for (const Place& place : matches) {
    if (!named(place)) continue;
    if (only) return std::nullopt;
    only = place;
  }
  return only;
}

}  // namespace horavela::app
