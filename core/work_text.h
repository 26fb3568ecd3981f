#pragma once

// The text of the work transcript, as "Show Work" displays it. A calculation appends its words and
// layout as text and its numbers as values; the numbers are written in the transcript form (Str)
// only when the text is first read, since most calculations are never shown. Read, it is the
// same text, byte for byte, as if every number had been written at once.
#include <cstddef>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "value.h"

namespace ondavi {

class WorkText {
 public:
  // Reading.
  const std::string& Text() const {
    if (!numbers_.empty()) WriteNumbers();
    return text_;
  }
  operator const std::string&() const { return Text(); }  // NOLINT: reads as the text
  const char* data() const { return Text().data(); }
  bool empty() const { return text_.empty() && numbers_.empty(); }
  friend bool operator==(const WorkText& a, std::string_view b) { return a.Text() == b; }
  friend bool operator==(const WorkText& a, const WorkText& b) { return a.Text() == b.Text(); }
  friend std::ostream& operator<<(std::ostream& out, const WorkText& work) {
    return out << work.Text();
  }

  // Writing.
  WorkText& operator=(std::string text) {
    text_ = std::move(text);
    numbers_.clear();
    return *this;
  }
  // Empty, keeping the room it had for the next calculation's transcript.
  void clear() {
    text_.clear();
    numbers_.clear();
  }
  // Appends each part in turn, making room for all their text at once: characters, texts, and
  // values, which stand in the transcript form (Str), written when the text is read.
  template <typename... Parts>
  void Append(const Parts&... parts) {
    std::size_t at = text_.size();
    text_.resize(at + (TextSize(parts) + ...));
    (Put(at, parts), ...);
  }

 private:
  static std::size_t TextSize(char) { return 1; }
  static std::size_t TextSize(std::string_view text) { return text.size(); }
  static std::size_t TextSize(const Value&) { return 0; }
  void Put(std::size_t& at, char c) { text_[at++] = c; }
  void Put(std::size_t& at, std::string_view text) {
    text.copy(text_.data() + at, text.size());
    at += text.size();
  }
  void Put(std::size_t& at, const Value& v) { numbers_.push_back({at, v}); }

  struct Number {
    std::size_t at;  // where it stands in text_, as text_ was before the numbers were written
    Value value;
  };
  void WriteNumbers() const;

  mutable std::string text_;
  mutable std::vector<Number> numbers_;  // in the order they stand
  mutable std::string written_;          // room for writing them, kept from one reading to the next
};

}  // namespace ondavi
