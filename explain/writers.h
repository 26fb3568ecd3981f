#pragma once

// One writer per form of output of a worked solution. Each writes every step, its sub-steps
// under it; sentences come in the language of `translate`, the mathematics as the calculator
// writes it (text and JSON) or as LaTeX.
#include <string>
#include <string_view>

#include "sentences.h"
#include "steps.h"

namespace ondavi::explain {

// One step a line: its sentence, then its equation ("13/4 = (3 x 4 + 1)/4"); sub-steps indented
// by two blanks a level. Lines end in "\n".
void AppendText(std::string& out, const Solution& solution, Translate translate);

// One JSON object on one line, ending in "\n": "problem" (the text as read), then "answer" (the
// answer line) or "message" (why there is none), then "steps" when `with_steps`: each step an
// object with "kind", "text", "math" (a list of expressions, each in the calculator's notation),
// "lcd", "gcf" and "factor" where the step finds one, and "steps".
void AppendJson(std::string& out, std::string_view problem, const Solution* solution,
                std::string_view answer_line, std::string_view message, Translate translate);

// A LaTeX expression: "\frac{13}{4}", "3\tfrac{1}{4}", "\frac{5}{2} \times \frac{4}{5}".
std::string Latex(const Expression& e);

// One step a line, as LaTeX text mode: the sentence (its numbers in $...$), the equation in
// $...$, and "\\" at the end; sub-steps indented by \quad.
void AppendLatex(std::string& out, const Solution& solution, Translate translate);

}  // namespace ondavi::explain
