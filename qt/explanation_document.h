#pragma once

// A worked solution as a QTextDocument: the problem, then each step a paragraph (its sentence,
// then its equation with stacked fractions), sub-steps indented; before any calculation the hint.
#include <QString>

#include "explanation.h"

class QTextCursor;
class QTextDocument;

namespace ondavi {

// Replaces the document's content; its stacked objects must be registered with it.
void WriteExplanation(QTextDocument& document, const form::Explanation& explanation);

// The text between the cursor's selection ends, or of the whole document without a selection,
// one paragraph a line: each stacked expression in the inline notation, each sub-step indented
// by two blanks a level, so that the whole document reads as the problem and the text form of
// its steps.
QString PlainText(const QTextDocument& document, const QTextCursor& cursor);

// Where a position of the document falls in its plain text: a paragraph's start after its
// indentation.
int TextOffset(QTextDocument& document, int position);

}  // namespace ondavi
