#pragma once

// How wide a label may grow when its caption, in the user's language, is longer than the place
// the form gives it: into the free space to its right, up to the next control beside it or the
// outline around it, never over either. The geometry of every other control stays.
#include <algorithm>

#include "form.h"

namespace ondavi::form {

// The label's width in twips, at least its own: its left edge to the nearest edge on its right.
constexpr int LabelRoom(const Control& label) {
  const Place& p = label.place;
  int right = kFrame1.place.width;
  for (const Control& other : kControls) {
    if (&other == &label) continue;
    const Place& o = other.place;
    const bool beside = o.top < p.top + p.height && p.top < o.top + o.height;
    if (other.kind == Kind::kShape) {
      const bool inside = o.left <= p.left && p.left < o.left + o.width;
      if (inside && beside) right = std::min(right, o.left + o.width);
    } else if (beside && o.left >= p.left + p.width) {
      right = std::min(right, o.left);
    }
  }
  return std::max(p.width, right - p.left);
}

}  // namespace ondavi::form
