#include "worked_solution.h"

#include "problem.h"

namespace ondavi::form {
namespace {

char OperatorOf(Action action) {
  switch (action) {
    case Action::kSubtract:
      return '-';
    case Action::kMultiply:
      return 'x';
    case Action::kDivide:
      return '/';
    default:
      return '+';
  }
}

explain::OperandRef RefOf(const StepOperand& operand) {
  return {operand.written, operand.earlier_step};
}

}  // namespace

std::optional<explain::Solution> WorkedSolution(std::string_view line,
                                                const explain::Settings& settings,
                                                char decimal_separator) {
  const std::optional<Problem> problem = ReadProblem(line, decimal_separator);
  if (!problem) return std::nullopt;
  if (problem->zero_denominator) return explain::ZeroDenominatorSolution();
  explain::Problem read;
  read.operands.assign(problem->operands.begin(), problem->operands.end());
  for (const Step& step : problem->steps) {
    read.operations.push_back({RefOf(step.first), RefOf(step.second), OperatorOf(step.action)});
  }
  return explain::BuildSolution(read, settings);
}

}  // namespace ondavi::form
