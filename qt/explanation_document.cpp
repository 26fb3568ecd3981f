#include "explanation_document.h"

#include <QFontMetricsF>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>

#include "sentences.h"
#include "stacked_text_object.h"
#include "translation.h"

namespace ondavi {
namespace {

constexpr int kDepthProperty = QTextFormat::UserProperty + 10;

std::string_view Translated(std::string_view context, std::string_view english) {
  return form::Tr(context, english);
}

QString Text(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void NewParagraph(QTextCursor& cursor, bool first, int depth) {
  QTextBlockFormat block;
  block.setIndent(depth);
  block.setProperty(kDepthProperty, depth);
  block.setBottomMargin(4);
  if (first) {
    cursor.setBlockFormat(block);
  } else {
    cursor.insertBlock(block);
  }
}

void WriteStep(QTextCursor& cursor, const explain::Step& step, int depth) {
  NewParagraph(cursor, false, depth);
  cursor.setCharFormat(QTextCharFormat());
  cursor.insertText(
      Text(explain::Filled(explain::Sentence(step, Translated), step, explain::Inline)));
  for (std::size_t i = 0; i < step.math.size(); ++i) {
    cursor.insertText(i == 0 ? QStringLiteral(" ") : QStringLiteral(" = "));
    StackedTextObject::InsertStacked(cursor, step.math[i]);
  }
  for (const explain::Step& sub : step.steps) WriteStep(cursor, sub, depth + 1);
}

}  // namespace

void WriteExplanation(QTextDocument& document, const form::Explanation& explanation) {
  document.clear();
  // Two blanks of the text form a level: an indent of four letters' width reads as one.
  document.setIndentWidth(
      QFontMetricsF(document.defaultFont()).horizontalAdvance(QLatin1Char('0')) * 4);
  QTextCursor cursor(&document);
  NewParagraph(cursor, true, 0);
  QTextCharFormat bold;
  bold.setFontWeight(QFont::Bold);
  if (!explanation.solution) {
    cursor.insertText(Text(explanation.hint));
    return;
  }
  cursor.insertText(Text(explanation.problem), bold);
  for (const explain::Step& step : explanation.solution->steps) WriteStep(cursor, step, 0);
}

QString PlainText(const QTextDocument& document, const QTextCursor& cursor) {
  const bool whole = !cursor.hasSelection();
  const int start = whole ? 0 : cursor.selectionStart();
  const int end = whole ? document.characterCount() - 1 : cursor.selectionEnd();
  QString text;
  bool first = true;
  for (QTextBlock block = document.findBlock(start); block.isValid() && block.position() < end;
       block = block.next()) {
    if (!first) text += QLatin1Char('\n');
    first = false;
    if (block.position() >= start) {
      text += QString(2 * block.blockFormat().intProperty(kDepthProperty), QLatin1Char(' '));
    }
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextFragment fragment = it.fragment();
      const int from = std::max(start, fragment.position());
      const int to = std::min(end, fragment.position() + fragment.length());
      if (from >= to) continue;
      const QString object = StackedTextObject::InlineText(fragment.charFormat());
      if (!object.isNull()) {
        for (int i = from; i < to; ++i) text += object;  // one object character each
      } else {
        text += fragment.text().mid(from - fragment.position(), to - from);
      }
    }
  }
  return text;
}

int TextOffset(QTextDocument& document, int position) {
  if (position <= 0) return 0;
  QTextCursor before(&document);
  before.setPosition(position, QTextCursor::KeepAnchor);
  int offset = static_cast<int>(PlainText(document, before).size());
  // The text before a paragraph's start ends with the paragraph before it.
  const QTextBlock block = document.findBlock(position);
  if (block.position() == position) {
    offset += 1 + 2 * block.blockFormat().intProperty(kDepthProperty);
  }
  return offset;
}

}  // namespace ondavi
