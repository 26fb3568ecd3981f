#pragma once

// The translation catalogs compiled into the program, one per language of po/LINGUAS (the
// build generates their definition from po/LANG.po).
#include <span>
#include <string_view>

namespace ondavi::form::catalogs {

struct Catalog {
  std::string_view language;          // "fr", "pt_BR"
  std::span<const unsigned char> mo;  // the catalog as msgfmt compiles it
};

extern const std::span<const Catalog> kCatalogs;

}  // namespace ondavi::form::catalogs
