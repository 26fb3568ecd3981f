#include "expression.h"

#include <utility>

namespace ondavi::explain {

Expression Whole(std::int64_t value) {
  Expression e;
  e.value = value;
  return e;
}

Expression Fraction(std::int64_t numerator, std::int64_t denominator) {
  Expression e;
  e.kind = Expression::Kind::kFraction;
  e.numerator = numerator;
  e.denominator = denominator;
  return e;
}

Expression Mixed(bool negative, std::int64_t whole, std::int64_t numerator,
                 std::int64_t denominator) {
  Expression e = Fraction(numerator, denominator);
  e.kind = Expression::Kind::kMixed;
  e.negative = negative;
  e.value = whole;
  return e;
}

Expression Decimal(std::string text) {
  Expression e;
  e.kind = Expression::Kind::kDecimal;
  e.text = std::move(text);
  return e;
}

Expression Operation(Expression left, char op, Expression right) {
  Expression e;
  e.kind = Expression::Kind::kOperation;
  e.op = op;
  e.parts.push_back(std::move(left));
  e.parts.push_back(std::move(right));
  return e;
}

Expression Bracket(Expression inner) {
  Expression e;
  e.kind = Expression::Kind::kBracket;
  e.parts.push_back(std::move(inner));
  return e;
}

Expression Quotient(Expression top, Expression bottom) {
  Expression e;
  e.kind = Expression::Kind::kQuotient;
  e.parts.push_back(std::move(top));
  e.parts.push_back(std::move(bottom));
  return e;
}

namespace {

// Whether the expression as written begins with a minus sign.
bool StartsWithMinus(const Expression& e) {
  using Kind = Expression::Kind;
  switch (e.kind) {
    case Kind::kWhole:
      return e.value < 0;
    case Kind::kFraction:
      return e.numerator < 0;
    case Kind::kMixed:
      return e.negative;
    case Kind::kDecimal:
      return e.text.starts_with('-');
    case Kind::kOperation:
      return StartsWithMinus(e.parts[0]);
    default:
      return false;
  }
}

void Append(std::string& out, const Expression& e);

// An operand of an operation, bracketed where the order of working needs it.
void AppendOperand(std::string& out, const Expression& operand, char op, bool right) {
  const bool bracket = NeedsBrackets(operand, op, right);
  if (bracket) out += '(';
  Append(out, operand);
  if (bracket) out += ')';
}

// A part of a quotient: a calculation in brackets, so that the quotient's "/" stands next to one.
void AppendQuotientPart(std::string& out, const Expression& part) {
  const bool bracket = part.kind == Expression::Kind::kOperation;
  if (bracket) out += '(';
  Append(out, part);
  if (bracket) out += ')';
}

void Append(std::string& out, const Expression& e) {
  using Kind = Expression::Kind;
  switch (e.kind) {
    case Kind::kWhole:
      out += std::to_string(e.value);
      return;
    case Kind::kFraction:
      out += std::to_string(e.numerator) + "/" + std::to_string(e.denominator);
      return;
    case Kind::kMixed:
      if (e.negative) out += '-';
      out += std::to_string(e.value) + " " + std::to_string(e.numerator) + "/" +
             std::to_string(e.denominator);
      return;
    case Kind::kDecimal:
      out += e.text;
      return;
    case Kind::kOperation:
      AppendOperand(out, e.parts[0], e.op, false);
      out += ' ';
      out += e.op;
      out += ' ';
      AppendOperand(out, e.parts[1], e.op, true);
      return;
    case Kind::kBracket:
      out += '(';
      Append(out, e.parts[0]);
      out += ')';
      return;
    case Kind::kQuotient:
      AppendQuotientPart(out, e.parts[0]);
      out += '/';
      AppendQuotientPart(out, e.parts[1]);
      return;
  }
}

}  // namespace

bool NeedsBrackets(const Expression& operand, char op, bool right) {
  return operand.kind == Expression::Kind::kOperation &&
         (Rank(operand.op) < Rank(op) || (right && Rank(operand.op) == Rank(op)));
}

bool NeedsBracketsInPrint(const Expression& operand, char op, bool right) {
  return NeedsBrackets(operand, op, right) || (right && StartsWithMinus(operand));
}

std::string Inline(const Expression& e) {
  std::string out;
  Append(out, e);
  return out;
}

}  // namespace ondavi::explain
