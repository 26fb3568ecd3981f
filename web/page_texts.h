#pragma once

// The page's own sentences, besides the form's: what it says where the calculator cannot start,
// and its description. The page shows them where the module may not run at all, so they stay out
// of the module's catalogs: the build writes them into the page in English and in every language
// with a catalog (page_texts_english.cpp, page_texts.cmake), where `key` names each.
#include <string_view>

#include "translation.h"

namespace ondavi::web {

struct PageText {
  std::string_view key;
  std::string_view english;
};

inline constexpr PageText kPageTexts[] = {
    {"notStarted",
     // TRANSLATORS: The web page, shown when the calculator has not started after a few seconds.
     N_("Ondavi has not started: this browser may lack what it needs (JavaScript and "
        "WebAssembly). A newer browser runs it.")},
    {"noWebAssembly",
     // TRANSLATORS: The web page, in a browser without WebAssembly; the names of browsers and
     // their versions stay as they are.
     N_("Ondavi cannot start in this browser: it needs WebAssembly, which this browser does not "
        "have or has turned off. Safari 11, Chrome 57, Firefox 52, Edge 16 and their later "
        "versions have it.")},
    {"noScript",
     // TRANSLATORS: The web page, in a browser with JavaScript turned off.
     N_("The calculator needs JavaScript, which this browser has turned off.")},
    {"description",
     // TRANSLATORS: The web page's description, which search engines show under its title.
     N_("A calculator for common fractions and mixed numbers")},
};

}  // namespace ondavi::web
