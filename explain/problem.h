#pragma once

// A problem as the worked solution takes it: the operands as written, as the six boxes take them,
// and its operations in the order they are worked. The form's reader makes it.
#include <array>
#include <string>
#include <vector>

namespace ondavi::explain {

// The three texts of an operand's boxes: whole number (or "-", or a decimal), numerator,
// denominator.
using WrittenOperand = std::array<std::string, 3>;

struct OperandRef {
  int written = -1;  // the index of an operand written in the problem
  int earlier = -1;  // otherwise the index of the operation whose answer it is
};

struct Calculation {
  OperandRef first, second;
  char op = '+';  // '+', '-', 'x' or '/'
};

// An operand written with a percent sign; its boxes hold the fraction over 100.
struct Percent {
  int operand = -1;
  std::string written;  // "35%"
};

struct Problem {
  std::vector<WrittenOperand> operands;
  std::vector<Calculation> operations;  // the last one's answer is the problem's
  std::vector<Percent> percents;
  // One number alone, with no operation: its solution converts it to lowest terms and a mixed
  // number.
  bool lone = false;
};

}  // namespace ondavi::explain
