#include "app/app_language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "language/catalog.h"
#include "language/element_names.h"

namespace horavela::app {

namespace {

constexpr char kLanguageKey[] = "view/language";
constexpr char kNativeDigitsKey[] = "view/native_digits";

// Set once at start, before the first window, and read by the pages.
Language shownLanguage = Language::English;
bool nativeDigits = false;

QString CodeText(Language language) {
  const std::string_view code = CodeOf(language);
  return QString::fromUtf8(code.data(), static_cast<qsizetype>(code.size()));
}

// A translator owned by the application, installed when its file loads;
// whether it did.
bool InstallFrom(const QString& file, const QString& folder) {
  auto* translator = new QTranslator(QCoreApplication::instance());
  if (translator->load(file, folder)) {
    QCoreApplication::installTranslator(translator);
    return true;
  }
  delete translator;
  return false;
}

}  // namespace

Language ChosenLanguage(const QSettings& settings) {
  const QString saved = settings.value(kLanguageKey).toString();
  if (const auto language = LanguageNamed(saved.toStdString())) return *language;
  return LanguageOfLocale(QLocale::system().name().toStdString());
}

void SaveLanguage(QSettings& settings, Language language) {
  settings.setValue(kLanguageKey, CodeText(language));
}

void InstallTranslators(Language language) {
  shownLanguage = language;
  if (language == Language::English) return;
  const QString code = CodeText(language);
  InstallFrom("horavela_" + code, ":/i18n");
  // Qt's buttons and edit menus: Qt's own translation where the system has
  // one, else the program's (Qt ships none for the Indian languages).
  if (!InstallFrom("qtbase_" + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    InstallFrom("qt_" + code, ":/i18n");
}

Language ShownLanguage() {
  return shownLanguage;
}

WordSayer ShownWords() {
  return Words{ShownLanguage()};
}

QString VerdictText(Verdict verdict) {
  const std::string_view text = Translated(NameOf(verdict), ShownLanguage());
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

bool NativeDigitsChosen(const QSettings& settings) {
  return settings.value(kNativeDigitsKey, false).toBool();
}

void SaveNativeDigits(QSettings& settings, bool native) {
  settings.setValue(kNativeDigitsKey, native);
}

void ShowNativeDigits(bool native) {
  nativeDigits = native;
}

Digits ShownDigits() {
  return nativeDigits && shownLanguage != Language::English ? Digits::Native : Digits::Western;
}

QString ForReading(const QString& text) {
  if (ShownDigits() == Digits::Western) return text;
  return QString::fromStdString(WithNativeDigits(text.toStdString(), ShownLanguage()));
}

QString MonthName(int month) {
  // The core's names, so a page and its report spell a month alike (Qt's
  // locale writes अक्तूबर where the report writes अक्टूबर).
  const std::string_view name = GregorianMonthName(month, ShownLanguage());
  return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

QLocale CalendarLocale() {
  const Language language = ShownLanguage();
  if (language == Language::English) return QLocale();
  const QLocale locale(CodeText(language) + "_IN");
  const bool westernDigits = locale.zeroDigit() == QStringLiteral("0");
  if (westernDigits || ShownDigits() == Digits::Native) return locale;
  return QLocale(QLocale::English, QLocale::UnitedStates);
}

}  // namespace horavela::app
