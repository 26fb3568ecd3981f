#pragma once

// A worked solution's expression inside a QTextDocument: one object character that the document
// lays out and draws stacked, and that remembers the expression's inline text ("13/4") for
// copying and for screen readers.
#include <QObject>
#include <QString>
#include <QTextCharFormat>
#include <QTextObjectInterface>

#include "expression.h"

class QTextCursor;
class QTextDocument;

namespace ondavi {

class StackedTextObject : public QObject, public QTextObjectInterface {
  Q_OBJECT
  Q_INTERFACES(QTextObjectInterface)

 public:
  using QObject::QObject;

  // Lets `document` lay out and draw the objects InsertStacked puts in it.
  static void RegisterWith(QTextDocument& document);
  // Inserts the expression at the cursor as one object in the cursor's character format.
  static void InsertStacked(QTextCursor& cursor, const explain::Expression& expression);
  // The inline text of the object with this format, or a null string for any other character.
  static QString InlineText(const QTextCharFormat& format);

  QSizeF intrinsicSize(QTextDocument* document, int position, const QTextFormat& format) override;
  void drawObject(QPainter* painter, const QRectF& rect, QTextDocument* document, int position,
                  const QTextFormat& format) override;
};

}  // namespace ondavi
