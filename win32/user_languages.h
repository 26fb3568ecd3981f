#pragma once

#include <string>
#include <vector>

namespace ondavi::win32 {

// The user's display languages in order of preference, as Windows keeps them ("fr-FR", "de"),
// after those of the variables that gettext programs honour on Windows too (LANGUAGE, LC_ALL,
// LC_MESSAGES, LANG), which only shells such as MSYS set.
std::vector<std::string> UserLanguages();

// Chooses the program's language from them (see form::ChooseLanguage).
void ChooseUserLanguage();

}  // namespace ondavi::win32
