#include "writers.h"

namespace ondavi::explain {
namespace {

void Append(std::string& out, const Expression& e);

// An operand, in brackets where print sets them.
void AppendOperand(std::string& out, const Expression& operand, char op, bool right) {
  const bool bracket = NeedsBracketsInPrint(operand, op, right);
  if (bracket) out += "\\left(";
  Append(out, operand);
  if (bracket) out += "\\right)";
}

void Append(std::string& out, const Expression& e) {
  using Kind = Expression::Kind;
  switch (e.kind) {
    case Kind::kWhole:
      out += std::to_string(e.value);
      return;
    case Kind::kFraction:
      if (e.numerator < 0) out += '-';
      out += "\\frac{" + std::to_string(e.numerator < 0 ? -e.numerator : e.numerator) + "}{" +
             std::to_string(e.denominator) + "}";
      return;
    case Kind::kMixed:
      if (e.negative) out += '-';
      out += std::to_string(e.value) + "\\tfrac{" + std::to_string(e.numerator) + "}{" +
             std::to_string(e.denominator) + "}";
      return;
    case Kind::kDecimal: {  // a percent sign would start a comment; "..." is an ellipsis
      const bool goes_on = e.text.ends_with("...");
      const std::string_view digits =
          std::string_view(e.text).substr(0, e.text.size() - (goes_on ? 3 : 0));
      for (char c : digits) c == '%' ? out += "\\%" : out += c;
      if (goes_on) out += "\\ldots";
      return;
    }
    case Kind::kOperation:
      AppendOperand(out, e.parts[0], e.op, false);
      out += e.op == 'x' ? " \\times " : e.op == '/' ? " \\div " : e.op == '+' ? " + " : " - ";
      AppendOperand(out, e.parts[1], e.op, true);
      return;
    case Kind::kBracket:
      out += "\\left(";
      Append(out, e.parts[0]);
      out += "\\right)";
      return;
    case Kind::kQuotient:
      out += "\\frac{";
      Append(out, e.parts[0]);
      out += "}{";
      Append(out, e.parts[1]);
      out += "}";
      return;
  }
}

// A number or expression inside a sentence.
std::string InText(const Expression& e) {
  return "$" + Latex(e) + "$";
}

// Text-mode LaTeX of a sentence: its special characters escaped, the placeholders kept.
std::string Escaped(std::string_view sentence) {
  std::string out;
  for (std::size_t i = 0; i < sentence.size(); ++i) {
    const char c = sentence[i];
    if (c == '%' && i + 1 < sentence.size() && sentence[i + 1] >= '1' && sentence[i + 1] <= '9') {
      out += c;
    } else if (c == '%' || c == '&' || c == '#' || c == '_' || c == '{' || c == '}' || c == '$') {
      out += '\\';
      out += c;
    } else if (c == '^') {
      out += "\\textasciicircum{}";
    } else if (c == '~') {
      out += "\\textasciitilde{}";
    } else if (c == '\\') {
      out += "\\textbackslash{}";
    } else {
      out += c;
    }
  }
  return out;
}

void AppendStep(std::string& out, const Step& step, Translate translate, int depth) {
  for (int i = 0; i < depth; ++i) out += "\\quad ";
  out += Filled(Escaped(Sentence(step, translate)), step, InText);
  if (!step.math.empty()) {
    out += " $";
    for (std::size_t i = 0; i < step.math.size(); ++i) {
      if (i > 0) out += " = ";
      out += Latex(step.math[i]);
    }
    out += '$';
  }
  out += " \\\\\n";
  for (const Step& sub : step.steps) AppendStep(out, sub, translate, depth + 1);
}

}  // namespace

std::string Latex(const Expression& e) {
  std::string out;
  Append(out, e);
  return out;
}

void AppendLatex(std::string& out, const Solution& solution, Translate translate) {
  for (const Step& step : solution.steps) AppendStep(out, step, translate, 0);
}

}  // namespace ondavi::explain
