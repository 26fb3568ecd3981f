#include "worked_solution.h"

#include <utility>

#include "problem.h"
#include "statement.h"

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
  if (Judged judged; JudgeStatement(line, decimal_separator, settings, judged)) {
    if (!judged.read) return std::nullopt;
    return std::move(judged.solution);
  }
  const std::optional<Problem> problem = ReadProblem(line, decimal_separator);
  if (!problem) return std::nullopt;
  return SolutionOf(*problem, settings);
}

explain::Solution SolutionOf(const Problem& problem_read, const explain::Settings& settings) {
  const Problem* problem = &problem_read;
  if (problem->zero_denominator) return explain::ZeroDenominatorSolution();
  explain::Problem read;
  read.operands.assign(problem->operands.begin(), problem->operands.end());
  for (const Problem::Percent& percent : problem->percents) {
    read.percents.push_back({percent.operand, percent.written});
  }
  read.lone = problem->lone;
  if (read.lone) {
    read.operands.resize(1);  // the empty second operand is the boxes', not the problem's
  } else {
    for (const Step& step : problem->steps) {
      read.operations.push_back({RefOf(step.first), RefOf(step.second), OperatorOf(step.action)});
    }
  }
  return explain::BuildSolution(read, settings);
}

}  // namespace ondavi::form
