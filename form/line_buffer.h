#pragma once

// What a stream has given, split into lines: each read adds a block, and lines are taken from
// the front without moving what follows them. Each byte is searched for a line feed once, so that
// reading a long line stays linear, and of a line longer than the longest kept only its start is
// held, so that memory stays bounded whatever the input.
#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>

namespace ondavi::form {

class LineBuffer {
 public:
  // A line longer than `longest` bytes is returned cut to its first longest + 1 bytes, so that
  // its length tells it apart.
  explicit LineBuffer(std::size_t longest) : longest_(longest) {}

  // Takes the next whole line, without its line feed; false when no whole line is held.
  bool NextLine(std::string& line) {
    const std::size_t end = held_.find('\n', searched_);
    if (end == std::string::npos) {
      searched_ = held_.size();
      return false;
    }
    line.assign(held_, next_, std::min(end - next_, longest_ + 1));
    next_ = end + 1;
    searched_ = next_;
    return true;
  }
  // Whether a whole line is held, for NextLine to take.
  bool HasLine() {
    const std::size_t end = held_.find('\n', searched_);
    searched_ = end == std::string::npos ? held_.size() : end;
    return end != std::string::npos;
  }
  // At the end of the input: takes what follows the last line feed; false when nothing does.
  bool LastLine(std::string& line) {
    if (next_ == held_.size()) return false;
    line.assign(held_, next_, std::min(held_.size() - next_, longest_ + 1));
    next_ = held_.size();
    searched_ = next_;
    return true;
  }
  // Room for `size` more bytes at the end, for a read to fill; Filled says how many it did.
  char* Room(std::size_t size) {
    held_.erase(0, next_);  // the lines already taken
    searched_ -= next_;
    next_ = 0;
    if (searched_ > longest_ + 1) {  // a line too long: what was searched past its start goes
      held_.erase(longest_ + 1, searched_ - (longest_ + 1));
      searched_ = longest_ + 1;
    }
    filled_ = held_.size();
    held_.resize(filled_ + size);
    return held_.data() + filled_;
  }
  void Filled(std::size_t size) { held_.resize(filled_ + size); }
  void Append(std::string_view text) { std::copy(text.begin(), text.end(), Room(text.size())); }

 private:
  std::size_t longest_;
  std::string held_;
  std::size_t next_ = 0;      // where the next line starts
  std::size_t searched_ = 0;  // where the search for its line feed goes on: none stands before
  std::size_t filled_ = 0;    // where the room given last starts
};

}  // namespace ondavi::form
