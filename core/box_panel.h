#pragma once

#include <array>
#include <string>

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
  // The decimal separator the boxes display numbers with (the user's locale in the window).
  virtual char DecimalSeparator() const { return '.'; }
};

class InMemoryBoxPanel : public BoxPanel {
 public:
  std::string Text(Box box) const override { return texts_[Index(box)]; }
  void SetText(Box box, const std::string& text) override { texts_[Index(box)] = text; }
  const std::array<std::string, kBoxCount>& texts() const { return texts_; }

 private:
  static std::size_t Index(Box box) { return static_cast<std::size_t>(box) - 1; }
  std::array<std::string, kBoxCount> texts_;
};

}  // namespace ondavi
