#include "mathml_writer.h"

#include <cstdint>
#include <string_view>

namespace ondavi::explain {
namespace {

constexpr char kMinus[] = "<mo>&#x2212;</mo>";

void Append(std::string& out, const Expression& e);

void AppendNumber(std::string& out, std::int64_t n) {
  out += "<mn>" + std::to_string(n) + "</mn>";
}

// A magnitude over a denominator, stacked.
void AppendFraction(std::string& out, std::int64_t numerator, std::int64_t denominator) {
  out += "<mfrac>";
  AppendNumber(out, numerator);
  AppendNumber(out, denominator);
  out += "</mfrac>";
}

void AppendBracketed(std::string& out, const Expression& inner) {
  out += "<mrow><mo>(</mo>";
  Append(out, inner);
  out += "<mo>)</mo></mrow>";
}

// An operand, in brackets where print sets them.
void AppendOperand(std::string& out, const Expression& operand, char op, bool right) {
  const bool bracket = NeedsBracketsInPrint(operand, op, right);
  if (bracket) {
    AppendBracketed(out, operand);
  } else {
    Append(out, operand);
  }
}

const char* OperatorOf(char op) {
  switch (op) {
    case 'x':
      return "<mo>&#xD7;</mo>";
    case '/':
      return "<mo>&#xF7;</mo>";
    case '+':
      return "<mo>+</mo>";
    default:
      return kMinus;
  }
}

void Append(std::string& out, const Expression& e) {
  using Kind = Expression::Kind;
  switch (e.kind) {
    case Kind::kWhole:
      if (e.value < 0) {
        out += "<mrow>";
        out += kMinus;
        out += "<mn>" + std::to_string(e.value).substr(1) + "</mn></mrow>";
      } else {
        AppendNumber(out, e.value);
      }
      return;
    case Kind::kFraction:
      if (e.numerator < 0) {
        out += "<mrow>";
        out += kMinus;
        AppendFraction(out, -e.numerator, e.denominator);
        out += "</mrow>";
      } else {
        AppendFraction(out, e.numerator, e.denominator);
      }
      return;
    case Kind::kMixed:
      // The whole number and its fraction are added: the invisible plus says so to readers.
      out += "<mrow>";
      if (e.negative) out += kMinus;
      AppendNumber(out, e.value);
      out += "<mo>&#x2064;</mo>";
      AppendFraction(out, e.numerator, e.denominator);
      out += "</mrow>";
      return;
    case Kind::kDecimal: {  // "..." after the digits, where they go on, is an ellipsis
      const bool negative = e.text.starts_with('-'), goes_on = e.text.ends_with("...");
      const std::string_view text = e.text;
      const std::string_view digits =
          text.substr(negative ? 1 : 0, text.size() - (negative ? 1 : 0) - (goes_on ? 3 : 0));
      if (negative || goes_on) out += "<mrow>";
      if (negative) out += kMinus;
      out += "<mn>" + HtmlEscaped(digits) + "</mn>";
      if (goes_on) out += "<mo>&#x2026;</mo>";
      if (negative || goes_on) out += "</mrow>";
      return;
    }
    case Kind::kOperation:
      out += "<mrow>";
      AppendOperand(out, e.parts[0], e.op, false);
      out += OperatorOf(e.op);
      AppendOperand(out, e.parts[1], e.op, true);
      out += "</mrow>";
      return;
    case Kind::kBracket:
      AppendBracketed(out, e.parts[0]);
      return;
    case Kind::kQuotient:
      // The bar groups each part: no brackets.
      out += "<mfrac><mrow>";
      Append(out, e.parts[0]);
      out += "</mrow><mrow>";
      Append(out, e.parts[1]);
      out += "</mrow></mfrac>";
      return;
  }
}

// One <math> element; its alttext the calculator's notation.
void AppendMath(std::string& out, const Expression& e, bool equals) {
  out += "<math alttext=\"" + std::string(equals ? "= " : "") + HtmlEscaped(Inline(e)) + "\">";
  if (equals) out += "<mo>=</mo>";
  Append(out, e);
  out += "</math>";
}

// A number or expression inside a sentence.
std::string InSentence(const Expression& e) {
  std::string out;
  AppendMath(out, e, false);
  return out;
}

// Expressions equal in value: one <math> each after the first starting with "=", so that a line
// too short for the whole equation breaks before an "=".
void AppendEquation(std::string& out, const std::vector<Expression>& equal) {
  out += "<span class=\"equation\">";
  for (std::size_t i = 0; i < equal.size(); ++i) {
    if (i > 0) out += ' ';
    out += "<span class=\"part\">";
    AppendMath(out, equal[i], i > 0);
    out += "</span>";
  }
  out += "</span>";
}

// A sentence's number and the punctuation right after it ("12.", "4,", "12。") kept on one line:
// a line may otherwise break between a <math> element and the comma after it.
std::string WithPunctuationKept(const std::string& sentence) {
  static constexpr std::string_view kEnd = "</math>";
  static constexpr std::string_view kPunctuation[] = {
      ",", ".", ":", ";", "\xE3\x80\x81", "\xE3\x80\x82", "\xEF\xBC\x8C"};
  std::string out;
  std::size_t done = 0;
  for (std::size_t end = sentence.find(kEnd); end != std::string::npos;
       end = sentence.find(kEnd, end + 1)) {
    const std::size_t after = end + kEnd.size();
    std::size_t length = 0;
    for (std::string_view mark : kPunctuation) {
      if (sentence.compare(after, mark.size(), mark) == 0) length = mark.size();
    }
    if (length == 0) continue;
    const std::size_t start = sentence.rfind("<math", end);
    out.append(sentence, done, start - done);
    out += "<span class=\"kept\">";
    out.append(sentence, start, after + length - start);
    out += "</span>";
    done = after + length;
  }
  out.append(sentence, done);
  return out;
}

void AppendSteps(std::string& out, const std::vector<Step>& steps, Translate translate) {
  out += "<ol class=\"steps\">";
  for (const Step& step : steps) {
    out += step.kind == Kind::kOperation ? "<li class=\"heading\">" : "<li>";
    out += "<span class=\"sentence\">";
    out += WithPunctuationKept(Filled(HtmlEscaped(Sentence(step, translate)), step, InSentence));
    out += "</span>";
    if (!step.math.empty()) {
      out += ' ';
      AppendEquation(out, step.math);
    }
    if (!step.steps.empty()) AppendSteps(out, step.steps, translate);
    out += "</li>";
  }
  out += "</ol>";
}

}  // namespace

std::string HtmlEscaped(std::string_view text) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

std::string MathMl(const Expression& e) {
  std::string out;
  Append(out, e);
  return out;
}

void AppendHtml(std::string& out, const Solution& solution, Translate translate) {
  AppendSteps(out, solution.steps, translate);
}

}  // namespace ondavi::explain
