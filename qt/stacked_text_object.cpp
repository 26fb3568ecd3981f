#include "stacked_text_object.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>

#include "stacked_expression.h"

Q_DECLARE_METATYPE(ondavi::explain::Expression)

namespace ondavi {
namespace {

constexpr int kObjectType = QTextFormat::UserObject + 1;
constexpr int kExpressionProperty = QTextFormat::UserProperty + 1;
constexpr int kInlineTextProperty = QTextFormat::UserProperty + 2;

// The format's own font, completed from the document's (which zooming changes).
QFont FontOf(const QTextDocument& document, const QTextFormat& format) {
  return format.toCharFormat().font().resolve(document.defaultFont());
}

// Room above and below the bar alike, so that the document, which centres an object on the
// text's middle, lines the bar up with the text.
qreal HalfHeight(const StackedExpression& stacked, const StackedExtent& extent) {
  return std::max(extent.ascent - stacked.Axis(), extent.descent + stacked.Axis());
}

}  // namespace

void StackedTextObject::RegisterWith(QTextDocument& document) {
  document.documentLayout()->registerHandler(kObjectType, new StackedTextObject(&document));
}

void StackedTextObject::InsertStacked(QTextCursor& cursor, const explain::Expression& expression) {
  QTextCharFormat format = cursor.charFormat();
  format.setObjectType(kObjectType);
  format.setVerticalAlignment(QTextCharFormat::AlignMiddle);
  format.setProperty(kExpressionProperty, QVariant::fromValue(expression));
  format.setProperty(kInlineTextProperty, QString::fromStdString(explain::Inline(expression)));
  cursor.insertText(QString(QChar::ObjectReplacementCharacter), format);
}

QString StackedTextObject::InlineText(const QTextCharFormat& format) {
  if (format.objectType() != kObjectType) return {};
  return format.stringProperty(kInlineTextProperty);
}

QSizeF StackedTextObject::intrinsicSize(QTextDocument* document, int, const QTextFormat& format) {
  const StackedExpression stacked(FontOf(*document, format),
                                  document->documentLayout()->paintDevice());
  const StackedExtent extent =
      stacked.Measure(format.property(kExpressionProperty).value<explain::Expression>());
  return {extent.width, 2 * HalfHeight(stacked, extent)};
}

void StackedTextObject::drawObject(QPainter* painter, const QRectF& rect, QTextDocument* document,
                                   int, const QTextFormat& format) {
  const auto expression = format.property(kExpressionProperty).value<explain::Expression>();
  const StackedExpression stacked(FontOf(*document, format),
                                  document->documentLayout()->paintDevice());
  const StackedExtent extent = stacked.Measure(expression);
  const qreal baseline = rect.top() + HalfHeight(stacked, extent) + stacked.Axis();
  stacked.Draw(*painter, QPointF(rect.left(), baseline), expression);
}

}  // namespace ondavi
