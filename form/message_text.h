#pragma once

// A prompt's line breaks for a message box: the transcript ends its lines in CR LF and breaks
// one with a lone CR; each toolkit wants its own line end for both.
#include <string>
#include <string_view>

namespace ondavi::form {

inline std::string WithLineEnds(std::string_view prompt, std::string_view line_end) {
  std::string text;
  text.reserve(prompt.size());
  for (std::size_t i = 0; i < prompt.size(); ++i) {
    if (prompt[i] != '\r') {
      text += prompt[i];
      continue;
    }
    text += line_end;
    if (i + 1 < prompt.size() && prompt[i + 1] == '\n') ++i;
  }
  return text;
}

}  // namespace ondavi::form
