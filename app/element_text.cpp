#include "app/element_text.h"

#include <algorithm>
#include <array>
#include <map>
#include <vector>

#include "app/app_language.h"
#include "language/element_names.h"

namespace horavela::app {

namespace {

struct Name {
  std::string_view english;
  std::string_view translated;
};

QString FromView(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The first word: "Shukla" of "Shukla Paksha", as the Day tab's tithi names
// their fortnight.
std::string_view FirstWord(std::string_view name) {
  return name.substr(0, name.find(' '));
}

template <typename E, typename Add>
void AddEach(const Add& add) {
  for (int i = 0; i < IndexOf(E::None); ++i) {
    const E value = FromIndex<E>(i);
    add(NameOf(value), value);
  }
}

// Every English spelling the core writes, with its name in `language`,
// longest first so that "Rahu kalam" wins over "Rahu".
std::vector<Name> NamesOf(Language language) {
  std::vector<Name> names;
  const auto add = [&](std::string_view english, auto value) {
    names.push_back({english, NameOf(value, language)});
  };
  AddEach<Nakshatra>(add);
  AddEach<Rashi>(add);
  AddEach<Tithi>(add);
  AddEach<Yoga>(add);
  AddEach<Karana>(add);
  AddEach<Weekday>(add);
  AddEach<Planet>(add);
  for (int i = 0; i < IndexOf(Rashi::None); ++i)
    add(LagnaNameOf(FromIndex<Rashi>(i)), FromIndex<Rashi>(i));
  for (int i = 0; i < IndexOf(Tithi::None); ++i)
    add(RuleNameOf(FromIndex<Tithi>(i)), FromIndex<Tithi>(i));
  for (const Paksha paksha : {Paksha::Shukla, Paksha::Krishna}) {
    add(NameOf(paksha), paksha);
    names.push_back({FirstWord(NameOf(paksha)), FirstWord(NameOf(paksha, language))});
  }
  for (const KalamWord kalam :
       {KalamWord::RahuKalam, KalamWord::Yamaganda, KalamWord::GulikaKalam}) {
    add(NameOf(kalam, Language::English), kalam);
  }
  std::stable_sort(names.begin(), names.end(), [](const Name& a, const Name& b) {
    return a.english.size() > b.english.size();
  });
  return names;
}

const std::vector<Name>& NamesIn(Language language) {
  static std::map<Language, std::vector<Name>> cache;
  auto found = cache.find(language);
  if (found == cache.end()) found = cache.emplace(language, NamesOf(language)).first;
  return found->second;
}

bool IsLetter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// The longest name that stands as whole words at `at`, if any.
const Name* NameAt(std::string_view text, std::size_t at, const std::vector<Name>& names) {
  if (at > 0 && IsLetter(text[at - 1])) return nullptr;
  for (const Name& name : names) {
    if (name.english.empty() || !text.substr(at).starts_with(name.english)) continue;
    const std::size_t end = at + name.english.size();
    if (end == text.size() || !IsLetter(text[end])) return &name;
  }
  return nullptr;
}

}  // namespace

QString ElementText(std::string_view text, Language language) {
  if (language == Language::English) return FromView(text);
  const std::vector<Name>& names = NamesIn(language);
  std::string out;
  for (std::size_t at = 0; at < text.size();) {
    if (const Name* name = NameAt(text, at, names)) {
      out += name->translated;
      at += name->english.size();
    } else {
      out += text[at++];
    }
  }
  return QString::fromStdString(out);
}

QString ElementText(std::string_view text) {
  return ElementText(text, ShownLanguage());
}

QString ElementText(const QString& text) {
  if (ShownLanguage() == Language::English) return text;
  const QByteArray utf8 = text.toUtf8();
  return ElementText(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
}

}  // namespace horavela::app
