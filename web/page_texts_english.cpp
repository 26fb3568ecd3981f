// Prints the page's own sentences in English as one JSON object, {"notStarted":"...",...}. The
// page's assembly runs it under node and adds each catalog's translations.
#include <cstdio>
#include <string>

#include "form_json.h"
#include "page_texts.h"

int main() {
  std::string table;
  for (const ondavi::web::PageText& text : ondavi::web::kPageTexts) {
    table += (table.empty() ? "" : ",") + ondavi::web::json::Quoted(text.key) + ":" +
             ondavi::web::json::Quoted(text.english);
  }
  std::printf("{%s}\n", table.c_str());
  return 0;
}
