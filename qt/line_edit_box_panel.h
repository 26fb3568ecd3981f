#pragma once

#include <QLineEdit>
#include <QObject>
#include <array>

#include "box_panel.h"

namespace ondavi {

// The box panel over the window's twelve text boxes. A box shows the beginning of its text
// when it is written and when the user moves the focus on to another control, and a read-only
// box too narrow for its text carries the whole text as its tooltip.
class LineEditBoxPanel : public BoxPanel {
 public:
  explicit LineEditBoxPanel(const std::array<QLineEdit*, kBoxCount>& edits);

  std::string Text(Box box) const override;
  void SetText(Box box, const std::string& text) override;
  char DecimalSeparator() const override;
  static bool IsCutOff(const QLineEdit& edit);

 private:
  QLineEdit* Edit(Box box) const { return edits_[static_cast<std::size_t>(box) - 1]; }
  std::array<QLineEdit*, kBoxCount> edits_;

  // Scrolls a box back to its beginning when the user moves on from it.
  class ShowBeginningOnFocusOut : public QObject {
   public:
    bool eventFilter(QObject* watched, QEvent* event) override;
  };
  ShowBeginningOnFocusOut focus_out_filter_;
};

}  // namespace ondavi
