#pragma once

// Draws a worked solution's expression as a textbook writes it: a fraction's numerator stacked
// over its denominator with a bar between, a mixed number's whole part beside its fraction, a
// quotient of calculations over one bar, brackets as tall as what they hold, and x and / as
// the signs x and ÷.
#include <QFont>
#include <QPointF>

#include "expression.h"

class QPainter;
class QPaintDevice;

namespace ondavi {

// How much room an expression takes about its baseline.
struct StackedExtent {
  qreal width = 0, ascent = 0, descent = 0;
};

class StackedExpression {
 public:
  // Measures in `font` as drawn on `device` (the screen when null).
  StackedExpression(const QFont& font, QPaintDevice* device);

  StackedExtent Measure(const explain::Expression& expression) const;
  // The height above the baseline at which a fraction's bar is drawn: the middle of a minus sign.
  qreal Axis() const;
  // Draws the expression with its baseline's left end at `origin`, in the painter's pen colour.
  void Draw(QPainter& painter, QPointF origin, const explain::Expression& expression) const;

 private:
  QFont font_;
  QPaintDevice* device_;
};

}  // namespace ondavi
