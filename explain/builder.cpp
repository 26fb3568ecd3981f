#include "builder.h"

#include <cstdlib>
#include <optional>
#include <utility>

#include "working.h"

namespace ondavi::explain {
namespace {

// Where each operation's answer goes: the operation that uses it, and on which side.
struct Use {
  int by = -1;
  bool right = false;
};

std::vector<Use> Uses(const Problem& problem) {
  std::vector<Use> uses(problem.operations.size());
  for (std::size_t k = 0; k < problem.operations.size(); ++k) {
    const Calculation& operation = problem.operations[k];
    if (operation.first.earlier >= 0) uses[operation.first.earlier] = {static_cast<int>(k), false};
    if (operation.second.earlier >= 0) uses[operation.second.earlier] = {static_cast<int>(k), true};
  }
  return uses;
}

// The rule that puts an operation before one written to its left or around it: brackets, where
// it or an operation it feeds needed them, or x and / before + and -.
Detail OrderRule(const Problem& problem, const std::vector<Use>& uses, std::size_t k) {
  Detail rule = Detail::kNone;
  for (std::size_t n = k; uses[n].by >= 0; n = static_cast<std::size_t>(uses[n].by)) {
    const int rank = Rank(problem.operations[n].op);
    const int by = Rank(problem.operations[static_cast<std::size_t>(uses[n].by)].op);
    if (rank < by || (uses[n].right && rank == by)) return Detail::kBracketsFirst;
    if (uses[n].right && rank > by) rule = Detail::kTimesAndDivideFirst;
  }
  return rule;
}

// The whole problem as written, for the last line.
Expression Written(const Problem& problem, const std::vector<Term>& written, std::size_t k) {
  const Calculation& operation = problem.operations[k];
  const auto side = [&](const OperandRef& ref) {
    return ref.earlier >= 0 ? Written(problem, written, static_cast<std::size_t>(ref.earlier))
                            : written[static_cast<std::size_t>(ref.written)].shown;
  };
  return Operation(side(operation.first), operation.op, side(operation.second));
}

Step NoAnswer(Detail why) {
  Step step = MakeStep(Kind::kNoAnswer, {}, why);
  return step;
}

// The end: an improper fraction as a mixed number, a fraction over 1 as a whole number.
Expression Finished(const Term& answer, std::vector<Step>& out) {
  if (answer.form != Term::Form::kFraction || answer.num < answer.den) return answer.shown;
  const std::int64_t whole = answer.num / answer.den, rest = answer.num % answer.den;
  Expression mixed = rest == 0 ? Whole(answer.negative ? -whole : whole)
                               : Mixed(answer.negative, whole, rest, answer.den);
  Step step = MakeStep(Kind::kImproperToMixed, {answer.shown, mixed},
                       rest == 0 ? Detail::kWholeResult : Detail::kNone);
  step.args = {Whole(answer.num), Whole(answer.den), Whole(whole), Whole(rest)};
  out.push_back(std::move(step));
  return mixed;
}

// The steps that write each operand given as a percent as its fraction over 100, which then
// stands in its place.
void PercentsAsFractions(const Problem& problem, std::vector<Term>& written,
                         std::vector<Step>& out) {
  for (const Percent& percent : problem.percents) {
    const Term& term = written[static_cast<std::size_t>(percent.operand)];
    out.push_back(MakeStep(Kind::kPercentAsFraction, {Decimal(percent.written), term.shown}));
  }
}

// One number alone: as a fraction, in lowest terms, and as a mixed number.
Solution Converted(const Problem& problem, const std::vector<Term>& written) {
  Solution solution;
  const std::optional<Rational> value = CalculatorOperand(problem.operands[0]);
  if (!value) {
    solution.failure = Detail::kTooLarge;
    solution.steps.push_back(NoAnswer(Detail::kTooLarge));
    return solution;
  }
  const Term& term = written[0];
  Rational fraction = AsFraction(term, solution.steps);
  if (term.form == Term::Form::kDecimal) fraction = term.value;  // already in lowest terms
  const Term lowest = term.form == Term::Form::kDecimal ? FractionTerm(Reduced(fraction))
                                                        : Simplified(fraction, solution.steps);
  // A mixed number's conversion is to an improper fraction; any other number ends as one.
  Expression final_form =
      term.form == Term::Form::kMixed ? lowest.shown : Finished(lowest, solution.steps);
  const bool percent = !problem.percents.empty();
  solution.steps.push_back(MakeStep(
      Kind::kAnswer,
      {percent ? Decimal(problem.percents[0].written) : term.shown, std::move(final_form)}));
  const Rational exact = Reduced(*value);
  solution.answered = true;
  solution.numerator = exact.num;
  solution.denominator = exact.den;
  return solution;
}

}  // namespace

Solution ZeroDenominatorSolution() {
  Solution solution;
  solution.failure = Detail::kDivideByZero;
  solution.steps.push_back(NoAnswer(Detail::kZeroDenominator));
  return solution;
}

Solution BuildSolution(const Problem& problem, const Settings& settings) {
  Solution solution;
  std::vector<Term> written;
  for (const WrittenOperand& operand : problem.operands) written.push_back(WrittenTerm(operand));
  PercentsAsFractions(problem, written, solution.steps);
  std::vector<Term> as_written = written;  // for the answer's line: percents as written
  for (const Percent& percent : problem.percents) {
    as_written[static_cast<std::size_t>(percent.operand)].shown = Decimal(percent.written);
  }
  if (problem.lone && problem.operands.size() == 1) {
    Solution converted = Converted(problem, written);
    solution.steps.insert(solution.steps.end(), converted.steps.begin(), converted.steps.end());
    converted.steps = std::move(solution.steps);
    return converted;
  }
  const std::size_t count = problem.operations.size();
  const std::vector<Use> uses = Uses(problem);
  std::vector<Term> answers;  // of the operations so far
  std::vector<Rational> exact;
  for (std::size_t k = 0; k < count; ++k) {
    const Calculation& operation = problem.operations[k];
    const auto term = [&](const OperandRef& ref) -> const Term& {
      return ref.earlier >= 0 ? answers[static_cast<std::size_t>(ref.earlier)]
                              : written[static_cast<std::size_t>(ref.written)];
    };
    const auto calculated = [&](const OperandRef& ref) -> std::optional<Rational> {
      if (ref.earlier >= 0) return exact[static_cast<std::size_t>(ref.earlier)];
      return CalculatorOperand(problem.operands[static_cast<std::size_t>(ref.written)]);
    };
    const Term& a = term(operation.first);
    const Term& b = term(operation.second);
    std::vector<Step>* out = &solution.steps;
    if (count > 1) {
      Step heading = MakeStep(Kind::kOperation, {Operation(a.shown, operation.op, b.shown)},
                              OrderRule(problem, uses, k));
      heading.args = {Whole(static_cast<std::int64_t>(k + 1)),
                      Whole(static_cast<std::int64_t>(count))};
      solution.steps.push_back(std::move(heading));
      out = &solution.steps.back().steps;
    }
    const std::optional<Rational> ca = calculated(operation.first);
    const std::optional<Rational> cb = calculated(operation.second);
    Rational answer;
    const Detail refused = ca && cb ? Refusal(*ca, operation.op, *cb, &answer) : Detail::kTooLarge;
    if (refused != Detail::kNone) {
      solution.failure = refused;
      out->push_back(NoAnswer(refused));
      return solution;
    }
    exact.push_back(answer);
    answers.push_back(operation.op == '+' || operation.op == '-'
                          ? AddOrSubtract(a, operation.op, b, settings, *out)
                          : MultiplyOrDivide(a, operation.op, b, settings, *out));
  }
  if (count == 0) return solution;
  Expression final_form = Finished(answers.back(), solution.steps);
  solution.steps.push_back(
      MakeStep(Kind::kAnswer, {Written(problem, as_written, count - 1), std::move(final_form)}));
  solution.answered = true;
  solution.numerator = exact.back().num;
  solution.denominator = exact.back().den;
  return solution;
}

}  // namespace ondavi::explain
