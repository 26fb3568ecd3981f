#pragma once

// A prompt's line breaks for a message box: the transcript ends its lines in CR LF and breaks
// one with a lone CR; each toolkit wants its own line end for both.
#include <string>
#include <string_view>

namespace ondavi::form {

// `prompt` with each line break written as `line_end`, appended to `out` a line at a time.
inline void AppendWithLineEnds(std::string& out, std::string_view prompt,
                               std::string_view line_end) {
  std::size_t start = 0;
  for (std::size_t cr = prompt.find('\r'); cr != std::string_view::npos;
       cr = prompt.find('\r', start)) {
    (out += prompt.substr(start, cr - start)) += line_end;
    start = cr + 1;
    if (start < prompt.size() && prompt[start] == '\n') ++start;
  }
  out += prompt.substr(start);
}

inline std::string WithLineEnds(std::string_view prompt, std::string_view line_end) {
  std::string text;
  text.reserve(prompt.size());
  AppendWithLineEnds(text, prompt, line_end);
  return text;
}

}  // namespace ondavi::form
