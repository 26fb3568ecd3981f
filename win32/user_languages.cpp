#include "user_languages.h"

#include <windows.h>

#include "text_conversion.h"
#include "translation.h"

namespace ondavi::win32 {

std::vector<std::string> UserLanguages() {
  std::vector<std::string> languages = form::EnvironmentLanguages([](const char* name) {
    const std::wstring wide_name = Widen(name);
    const DWORD length = GetEnvironmentVariableW(wide_name.c_str(), nullptr, 0);
    if (length == 0) return std::string();
    std::wstring value(length, L'\0');
    value.resize(GetEnvironmentVariableW(wide_name.c_str(), value.data(), length));
    return Narrow(value);
  });
  ULONG count = 0, size = 0;
  if (!GetUserPreferredUILanguages(MUI_LANGUAGE_NAME, &count, nullptr, &size) || size == 0) {
    return languages;
  }
  std::wstring names(size, L'\0');
  if (!GetUserPreferredUILanguages(MUI_LANGUAGE_NAME, &count, names.data(), &size)) {
    return languages;
  }
  // One name after another, each ending in a NUL, the list in another.
  for (std::size_t at = 0; at < names.size() && names[at] != L'\0';) {
    const std::size_t end = names.find(L'\0', at);
    languages.push_back(Narrow(names.substr(at, end - at)));
    at = end + 1;
  }
  return languages;
}

void ChooseUserLanguage() {
  form::ChooseLanguage(UserLanguages());
}

}  // namespace ondavi::win32
