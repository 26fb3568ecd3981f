#pragma once

// The worked solution as HTML with MathML, as a browser draws it and a word processor pastes it:
// every number and equation a <math> element (fractions stacked in <mfrac>, a mixed number as its
// whole number beside its fraction) whose alttext holds the calculator's own notation, so that a
// reader without MathML can show that instead.
#include <string>

#include "sentences.h"
#include "steps.h"

namespace ondavi::explain {

// The MathML inside a <math> element: "<mfrac><mn>13</mn><mn>4</mn></mfrac>".
std::string MathMl(const Expression& e);

// A list of the steps, <ol class="steps">, each an <li>: its sentence in
// <span class="sentence"> (its numbers as <math>), its equation in <span class="equation"> (a
// <math> for each expression, each after the first beginning with "="), and its sub-steps in a
// list of their own. Headings of operations have the class "heading".
void AppendHtml(std::string& out, const Solution& solution, Translate translate);

// Text as HTML writes it between tags and in attribute values.
std::string HtmlEscaped(std::string_view text);

}  // namespace ondavi::explain
