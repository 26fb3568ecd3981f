#include "translation.h"

#include <cstdint>
#include <cstring>
#include <utility>

#include "catalogs.h"
#include "words.h"

namespace ondavi::form {
namespace {

// A compiled catalog (GNU MO, little-endian): the English texts, sorted, and their translations,
// each a table of lengths and offsets. A text with a context is "context\x04text".
class MoCatalog {
 public:
  explicit MoCatalog(std::span<const unsigned char> data) : data_(data) {}

  bool Valid() const { return data_.size() >= 28 && Word(0) == 0x950412DE; }

  std::string_view Find(std::string_view key) const {
    if (!Valid()) return {};
    std::uint32_t low = 0, high = Word(8);
    const std::uint32_t originals = Word(12), translations = Word(16);
    while (low < high) {
      const std::uint32_t middle = low + (high - low) / 2;
      const std::string_view original = Entry(originals, middle);
      const int order = original.compare(key);
      if (order == 0) return Entry(translations, middle);
      if (order < 0) {
        low = middle + 1;
      } else {
        high = middle;
      }
    }
    return {};
  }

 private:
  std::uint32_t Word(std::size_t at) const {
    if (at + 4 > data_.size()) return 0;
    return static_cast<std::uint32_t>(data_[at]) | static_cast<std::uint32_t>(data_[at + 1]) << 8 |
           static_cast<std::uint32_t>(data_[at + 2]) << 16 |
           static_cast<std::uint32_t>(data_[at + 3]) << 24;
  }
  std::string_view Entry(std::uint32_t table, std::uint32_t index) const {
    const std::uint32_t length = Word(table + 8 * std::size_t{index});
    const std::uint32_t offset = Word(table + 8 * std::size_t{index} + 4);
    if (std::size_t{offset} + length > data_.size()) return {};
    return {reinterpret_cast<const char*>(data_.data()) + offset, length};
  }

  std::span<const unsigned char> data_;
};

struct InForce {
  std::string_view language = "en";
  std::span<const unsigned char> catalog;
};

InForce& Current() {
  static InForce current;
  return current;
}

// "fr_FR.UTF-8@euro" and "fr-FR" as "fr_FR".
std::string Normalised(std::string_view name) {
  std::string out(name.substr(0, name.find_first_of(".@")));
  for (char& c : out) {
    if (c == '-') c = '_';
  }
  if (const std::size_t underscore = out.find('_'); underscore != std::string::npos) {
    for (std::size_t i = underscore + 1; i < out.size(); ++i) {
      if (out[i] >= 'a' && out[i] <= 'z') out[i] = static_cast<char>(out[i] - 'a' + 'A');
    }
  }
  return out;
}

const catalogs::Catalog* CatalogOf(std::string_view language) {
  for (const catalogs::Catalog& catalog : catalogs::kCatalogs) {
    if (catalog.language == language) return &catalog;
  }
  return nullptr;
}

// The catalog for one preference: the language and region, the language alone, then the
// language in another region ("pt_PT" and "pt" find "pt_BR", "zh" finds "zh_CN").
const catalogs::Catalog* CatalogFor(std::string_view preference) {
  const std::string name = Normalised(preference);
  const std::string language = name.substr(0, name.find('_'));
  if (language.empty() || name == "C" || name == "POSIX") return nullptr;
  if (const catalogs::Catalog* catalog = CatalogOf(name)) return catalog;
  if (const catalogs::Catalog* catalog = CatalogOf(language)) return catalog;
  for (const catalogs::Catalog& catalog : catalogs::kCatalogs) {
    if (catalog.language.substr(0, catalog.language.find('_')) == language) return &catalog;
  }
  return nullptr;
}

}  // namespace

std::vector<std::string_view> CatalogLanguages() {
  std::vector<std::string_view> languages;
  for (const catalogs::Catalog& catalog : catalogs::kCatalogs)
    languages.push_back(catalog.language);
  return languages;
}

std::string_view ChooseLanguage(std::span<const std::string> preferences) {
  InForce chosen;
  for (const std::string& preference : preferences) {
    if (Normalised(preference).starts_with("en")) break;  // English is the texts themselves
    if (const catalogs::Catalog* catalog = CatalogFor(preference)) {
      chosen = {catalog->language, catalog->mo};
      break;
    }
  }
  Current() = chosen;
  Words words;
  for (std::string* word :
       {&words.negative_sign, &words.non_numeric, &words.divide_by_zero, &words.too_large}) {
    *word = Tr("message", *word);
  }
  for (std::string* word : {&words.becomes, &words.answer_is, &words.after_reduction}) {
    *word = Tr("transcript", *word);
  }
  SetCalculationWords(std::move(words));
  return chosen.language;
}

std::string_view Language() {
  return Current().language;
}

std::string_view Tr(std::string_view english) {
  if (english.empty()) return english;  // the catalog's header stands under the empty text
  const std::string_view translated = MoCatalog(Current().catalog).Find(english);
  return translated.empty() ? english : translated;
}

std::string_view Tr(std::string_view context, std::string_view english) {
  std::string key(context);
  key += '\x04';
  key += english;
  const std::string_view translated = MoCatalog(Current().catalog).Find(key);
  return translated.empty() ? english : translated;
}

std::string TrArgs(std::string_view english, std::span<const std::string> arguments) {
  const std::string_view pattern = Tr(english);
  std::string out;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' &&
        pattern[i + 1] <= '9' &&
        static_cast<std::size_t>(pattern[i + 1] - '1') < arguments.size()) {
      out += arguments[static_cast<std::size_t>(pattern[i + 1] - '1')];
      ++i;
    } else {
      out += pattern[i];
    }
  }
  return out;
}

}  // namespace ondavi::form
