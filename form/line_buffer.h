#pragma once

// What a stream has given, split into lines: each read adds a block, and lines are taken from
// the front without moving what follows them, so that reading a long input stays linear.
#include <algorithm>
#include <string>
#include <string_view>

namespace ondavi::form {

class LineBuffer {
 public:
  // Takes the next whole line, without its line feed; false when no whole line is held.
  bool NextLine(std::string& line) {
    const std::size_t end = held_.find('\n', next_);
    if (end == std::string::npos) return false;
    line.assign(held_, next_, end - next_);
    next_ = end + 1;
    return true;
  }
  // At the end of the input: takes what follows the last line feed; false when nothing does.
  bool LastLine(std::string& line) {
    if (next_ == held_.size()) return false;
    line.assign(held_, next_);
    next_ = held_.size();
    return true;
  }
  // Room for `size` more bytes at the end, for a read to fill; Filled says how many it did.
  char* Room(std::size_t size) {
    held_.erase(0, next_);  // the lines already taken
    next_ = 0;
    filled_ = held_.size();
    held_.resize(filled_ + size);
    return held_.data() + filled_;
  }
  void Filled(std::size_t size) { held_.resize(filled_ + size); }
  void Append(std::string_view text) { std::copy(text.begin(), text.end(), Room(text.size())); }

 private:
  std::string held_;
  std::size_t next_ = 0;    // where the next line starts
  std::size_t filled_ = 0;  // where the room given last starts
};

}  // namespace ondavi::form
