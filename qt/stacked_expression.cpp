#include "stacked_expression.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QString>
#include <algorithm>
#include <cstdlib>

namespace ondavi {
namespace {

using explain::Expression;

const QChar kMinus(0x2212);

// A number as drawn: a minus sign rather than a hyphen.
QString Number(std::int64_t value) {
  QString digits = QString::number(value < 0 ? -static_cast<qint64>(value) : value);
  return value < 0 ? kMinus + digits : digits;
}

QString OperatorSign(char op) {
  switch (op) {
    case '-':
      return QString(kMinus);
    case 'x':
      return QStringLiteral("\u00D7");
    case '/':
      return QStringLiteral("\u00F7");
    default:
      return QString(QLatin1Char(op));
  }
}

// Lays an expression out from `origin` (its baseline's left end), drawing it when a painter is
// given, and says how much room it took. Measuring and drawing share this one walk, so that what
// is drawn always fits the room measured.
class Layout {
 public:
  Layout(const QFont& font, QPaintDevice* device)
      : metrics_(device ? QFontMetricsF(font, device) : QFontMetricsF(font)) {}

  qreal Axis() const { return metrics_.strikeOutPos(); }

  StackedExtent Lay(const Expression& e, QPainter* painter, QPointF origin) const {
    switch (e.kind) {
      case Expression::Kind::kWhole:
        return Text(Number(e.value), painter, origin);
      case Expression::Kind::kFraction: {
        const StackedExtent sign =
            e.numerator < 0 ? Text(QString(kMinus), painter, origin) : StackedExtent{};
        const Expression top = explain::Whole(std::llabs(e.numerator));
        const Expression bottom = explain::Whole(e.denominator);
        return Beside(sign, Stack(top, bottom, painter, origin + QPointF(sign.width, 0)));
      }
      case Expression::Kind::kMixed: {
        QString whole = Number(e.value);
        if (e.negative) whole.prepend(kMinus);
        StackedExtent extent = Text(whole + Thin(), painter, origin);
        const Expression top = explain::Whole(e.numerator);
        const Expression bottom = explain::Whole(e.denominator);
        return Beside(extent, Stack(top, bottom, painter, origin + QPointF(extent.width, 0)));
      }
      case Expression::Kind::kDecimal: {
        QString text = QString::fromStdString(e.text);
        if (text.startsWith(QLatin1Char('-'))) text[0] = kMinus;
        return Text(text, painter, origin);
      }
      case Expression::Kind::kOperation: {
        const auto bracketed = [&](const Expression& operand, bool right) {
          return operand.kind == Expression::Kind::kOperation &&
                 (explain::Rank(operand.op) < explain::Rank(e.op) ||
                  (right && explain::Rank(operand.op) == explain::Rank(e.op)));
        };
        StackedExtent extent = Operand(e.parts[0], bracketed(e.parts[0], false), painter, origin);
        extent = Beside(extent, Text(QLatin1Char(' ') + OperatorSign(e.op) + QLatin1Char(' '),
                                     painter, origin + QPointF(extent.width, 0)));
        return Beside(extent, Operand(e.parts[1], bracketed(e.parts[1], true), painter,
                                      origin + QPointF(extent.width, 0)));
      }
      case Expression::Kind::kBracket:
        return Operand(e.parts[0], true, painter, origin);
      case Expression::Kind::kQuotient:
        return Stack(e.parts[0], e.parts[1], painter, origin);
    }
    return {};
  }

 private:
  QString Thin() const { return QStringLiteral("\u2009"); }

  static StackedExtent Beside(StackedExtent left, StackedExtent right) {
    return {left.width + right.width, std::max(left.ascent, right.ascent),
            std::max(left.descent, right.descent)};
  }

  StackedExtent Text(const QString& text, QPainter* painter, QPointF origin) const {
    if (painter) painter->drawText(origin, text);
    return {metrics_.horizontalAdvance(text), metrics_.ascent(), metrics_.descent()};
  }

  // `top` over `bottom`, each centred over a bar as wide as the wider with a little room.
  StackedExtent Stack(const Expression& top, const Expression& bottom, QPainter* painter,
                      QPointF origin) const {
    const StackedExtent t = Lay(top, nullptr, {});
    const StackedExtent b = Lay(bottom, nullptr, {});
    const qreal pad = metrics_.horizontalAdvance(QLatin1Char(' ')) / 4;
    const qreal bar = std::max<qreal>(1, metrics_.lineWidth());
    const qreal gap = metrics_.height() / 10;
    const qreal width = std::max(t.width, b.width) + 2 * pad;
    const qreal top_baseline = -(Axis() + bar / 2 + gap + t.descent);
    const qreal bottom_baseline = -Axis() + bar / 2 + gap + b.ascent;
    if (painter) {
      Lay(top, painter, origin + QPointF((width - t.width) / 2, top_baseline));
      Lay(bottom, painter, origin + QPointF((width - b.width) / 2, bottom_baseline));
      painter->fillRect(
          QRectF(origin.x() + pad / 2, origin.y() - Axis() - bar / 2, width - pad, bar),
          painter->pen().color());
    }
    return {width, t.ascent - top_baseline, bottom_baseline + b.descent};
  }

  // An expression, in brackets as tall as it is when `bracket`.
  StackedExtent Operand(const Expression& e, bool bracket, QPainter* painter,
                        QPointF origin) const {
    if (!bracket) return Lay(e, painter, origin);
    const StackedExtent inner = Lay(e, nullptr, {});
    const qreal advance = metrics_.horizontalAdvance(QLatin1Char('('));
    // A bracket's glyph, stretched upright to span the inner expression when that is taller.
    const qreal scale = std::max<qreal>(
        1, (inner.ascent + inner.descent) / (metrics_.ascent() + metrics_.descent()));
    const auto paren = [&](QChar c, qreal x) {
      if (!painter) return;
      painter->save();
      // The glyph's own middle goes to the inner expression's middle.
      const qreal middle = (inner.descent - inner.ascent) / 2;
      const qreal glyph_middle = (metrics_.descent() - metrics_.ascent()) / 2;
      painter->translate(origin.x() + x, origin.y() + middle);
      painter->scale(1, scale);
      painter->drawText(QPointF(0, -glyph_middle), QString(c));
      painter->restore();
    };
    paren(QLatin1Char('('), 0);
    Lay(e, painter, origin + QPointF(advance, 0));
    paren(QLatin1Char(')'), advance + inner.width);
    return {inner.width + 2 * advance, std::max(inner.ascent, metrics_.ascent()),
            std::max(inner.descent, metrics_.descent())};
  }

  QFontMetricsF metrics_;
};

}  // namespace

StackedExpression::StackedExpression(const QFont& font, QPaintDevice* device)
    : font_(font), device_(device) {}

StackedExtent StackedExpression::Measure(const explain::Expression& expression) const {
  return Layout(font_, device_).Lay(expression, nullptr, {});
}

qreal StackedExpression::Axis() const {
  return Layout(font_, device_).Axis();
}

void StackedExpression::Draw(QPainter& painter, QPointF origin,
                             const explain::Expression& expression) const {
  painter.save();
  painter.setFont(font_);
  Layout(font_, device_).Lay(expression, &painter, origin);
  painter.restore();
}

}  // namespace ondavi
