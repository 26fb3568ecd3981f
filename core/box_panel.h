#pragma once

#include <array>
#include <bitset>
#include <cstdint>
#include <string>

#include "conversions.h"
#include "value.h"

namespace ondavi {

// The twelve text boxes of the calculator, by name.
enum class Box {
  Text1 = 1,  // first operand, whole number
  Text2,      // first operand, numerator
  Text3,      // first operand, denominator
  Text4,      // second operand, whole number
  Text5,      // second operand, numerator
  Text6,      // second operand, denominator
  Text7,      // answer, numerator
  Text8,      // answer, denominator
  Text9,      // mixed number, whole part
  Text10,     // mixed number, numerator
  Text11,     // mixed number, denominator
  Text12,     // decimal value
};
constexpr int kBoxCount = 12;

// Read and write access to the boxes as whole texts (UTF-8). The window binds it to its text
// boxes; tests use InMemoryBoxPanel.
class BoxPanel {
 public:
  virtual ~BoxPanel() = default;
  virtual std::string Text(Box box) const = 0;
  virtual void SetText(Box box, const std::string& text) = 0;
  // Text(box) appended to `out`; a panel that can write it there in place saves the copy.
  virtual void AppendText(Box box, std::string& out) const { out += Text(box); }
  // Shows a number in the box in its display form, BoxText with the panel's decimal separator. A
  // panel read less often than it is written may keep the number and write the text when read.
  virtual void SetNumber(Box box, const Value& v) { SetText(box, BoxText(v, DecimalSeparator())); }
  // Shows the exact quotient num / den in its display form, QuotientText with the panel's decimal
  // separator; kept and written when read, as SetNumber may be.
  virtual void SetQuotient(Box box, bool negative, std::uint64_t num, std::uint64_t den) {
    SetText(box, QuotientText(negative, num, den, DecimalSeparator()));
  }
  // The decimal separator the boxes display numbers with (the user's locale in the window).
  virtual char DecimalSeparator() const { return '.'; }
};

// Boxes held in memory. A number is written as text only when its box is read: a problem of
// many steps reads only some of each step's answer boxes before the next step clears them.
class InMemoryBoxPanel : public BoxPanel {
 public:
  std::string Text(Box box) const override {
    WritePending(Index(box));
    return texts_[Index(box)];
  }
  void AppendText(Box box, std::string& out) const override {
    const std::size_t i = Index(box);
    if (pending_.test(i)) {
      AppendPending(out, i);
    } else {
      out += texts_[i];
    }
  }
  void SetText(Box box, const std::string& text) override {
    pending_.reset(Index(box));
    texts_[Index(box)] = text;
  }
  void SetNumber(Box box, const Value& v) override {
    const std::size_t i = Index(box);
    pending_.set(i);
    quotient_.reset(i);
    numbers_[i] = v;
    separators_[i] = DecimalSeparator();
  }
  void SetQuotient(Box box, bool negative, std::uint64_t num, std::uint64_t den) override {
    const std::size_t i = Index(box);
    pending_.set(i);
    quotient_.set(i);
    quotients_[i] = {negative, num, den};
    separators_[i] = DecimalSeparator();
  }
  const std::array<std::string, kBoxCount>& texts() const {
    for (std::size_t i = 0; i < texts_.size(); ++i) WritePending(i);
    return texts_;
  }

 private:
  static std::size_t Index(Box box) { return static_cast<std::size_t>(box) - 1; }
  void WritePending(std::size_t i) const {
    if (!pending_.test(i)) return;
    texts_[i].clear();  // written in place, in the room the box's text already has
    AppendPending(texts_[i], i);
    pending_.reset(i);
  }
  // The text of box i, set by number or quotient and not yet written, appended to `out`.
  void AppendPending(std::string& out, std::size_t i) const;

  mutable std::array<std::string, kBoxCount> texts_;
  struct Quotient {
    bool negative;
    std::uint64_t num, den;
  };
  // The boxes set by number or quotient (quotient_) and not yet written, with their numbers,
  // quotients and separators.
  mutable std::bitset<kBoxCount> pending_;
  std::bitset<kBoxCount> quotient_;
  std::array<Value, kBoxCount> numbers_;
  std::array<Quotient, kBoxCount> quotients_{};
  std::array<char, kBoxCount> separators_{};
};

}  // namespace ondavi
