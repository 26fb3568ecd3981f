#pragma once

// The form's texts in the user's language, from the catalogs built into the program (made from
// po/LANG.po). English is the texts as written; a text without a translation stays English.
#include <span>
#include <string>
#include <string_view>
#include <vector>

// Marks an English text for the catalogs where it is not looked up at once (the form's table).
#define N_(text) text

namespace ondavi::form {

// The languages with a catalog, as "fr", "pt_BR", "zh_CN".
std::vector<std::string_view> CatalogLanguages();

// Chooses the first of the user's languages, in order of preference, that has a catalog: each
// as a locale name ("fr_FR.UTF-8", "pt-BR", "de"), a region falling back to the language alone
// ("pt_BR" to "pt"). None, "C", "POSIX" or an unknown language: English. Sets the calculation's
// words in it too. Returns the language chosen, "en" for English.
std::string_view ChooseLanguage(std::span<const std::string> preferences);

// The language in force, "en" for English.
std::string_view Language();

// The text in the language in force; `context` tells two uses of one English text apart.
std::string_view Tr(std::string_view english);
std::string_view Tr(std::string_view context, std::string_view english);

// Tr(english) with "%1", "%2"... replaced by the arguments in turn.
std::string TrArgs(std::string_view english, std::span<const std::string> arguments);

// The user's languages from the environment as gettext reads them: LANGUAGE (a colon-separated
// list), then LC_ALL, LC_MESSAGES and LANG, the first set; LANGUAGE counts only when the locale is
// not "C". `get` reads one variable, empty when unset.
template <typename Get>
std::vector<std::string> EnvironmentLanguages(Get get) {
  std::string locale;
  for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    locale = get(name);
    if (!locale.empty()) break;
  }
  std::vector<std::string> languages;
  const std::string language = get("LANGUAGE");
  if (!language.empty() && locale != "C" && locale != "POSIX") {
    std::string_view rest = language;
    while (!rest.empty()) {
      const std::size_t colon = rest.find(':');
      if (colon != 0) languages.emplace_back(rest.substr(0, colon));
      rest = colon == std::string_view::npos ? std::string_view() : rest.substr(colon + 1);
    }
  }
  if (!locale.empty()) languages.push_back(locale);
  return languages;
}

}  // namespace ondavi::form
