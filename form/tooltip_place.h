#pragma once

// Where a box's tooltip goes so that it hides no other box: beneath the box, above it, beneath
// all the boxes or above them all, whichever comes first that covers no other box and lies on
// the screen; beneath the box when none does. Any pixel coordinates, the same for every argument.
#include <span>

namespace ondavi::form {

struct Rect {
  int left, top, width, height;

  int right() const { return left + width; }
  int bottom() const { return top + height; }
  bool Intersects(const Rect& o) const {
    return left < o.right() && o.left < right() && top < o.bottom() && o.top < bottom();
  }
  bool Contains(const Rect& o) const {
    return o.left >= left && o.top >= top && o.right() <= right() && o.bottom() <= bottom();
  }
};

// `box` is one of `boxes`; the tip is width x height.
inline Rect TooltipPlace(const Rect& box, std::span<const Rect> boxes, int width, int height,
                         const Rect& screen) {
  int highest = box.top, lowest = box.bottom();
  for (const Rect& b : boxes) {
    if (b.top < highest) highest = b.top;
    if (b.bottom() > lowest) lowest = b.bottom();
  }
  // Left-aligned with the box, moved left as far as needed to stay on the screen.
  int left = box.left;
  if (left + width > screen.right()) left = screen.right() - width;
  if (left < screen.left) left = screen.left;
  const int tops[] = {box.bottom() + 1, box.top - height - 1, lowest + 1, highest - height - 1};
  for (int top : tops) {
    const Rect tip = {left, top, width, height};
    bool hides_a_box = false;
    for (const Rect& b : boxes) {
      if (!(b.left == box.left && b.top == box.top) && tip.Intersects(b)) hides_a_box = true;
    }
    if (!hides_a_box && screen.Contains(tip)) return tip;
  }
  return {left, tops[0], width, height};
}

}  // namespace ondavi::form
