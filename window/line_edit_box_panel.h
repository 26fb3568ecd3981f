#pragma once

#include <QLineEdit>
#include <array>

#include "box_panel.h"

namespace ondavi {

// The box panel over the window's twelve text boxes. Writing a box shows the beginning of its
// text, as a classic text box does, and a read-only box carries its whole text as its tooltip.
class LineEditBoxPanel : public BoxPanel {
 public:
  explicit LineEditBoxPanel(const std::array<QLineEdit*, kBoxCount>& edits) : edits_(edits) {}

  std::string Text(Box box) const override;
  void SetText(Box box, const std::string& text) override;
  char DecimalSeparator() const override;

 private:
  QLineEdit* Edit(Box box) const { return edits_[static_cast<std::size_t>(box) - 1]; }
  std::array<QLineEdit*, kBoxCount> edits_;
};

}  // namespace ondavi
