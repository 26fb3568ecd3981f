#include "words.h"

#include <utility>

namespace ondavi {
namespace {

Words& WordsInForce() {
  static Words words;
  return words;
}

}  // namespace

const Words& CalculationWords() {
  return WordsInForce();
}

void SetCalculationWords(Words words) {
  WordsInForce() = std::move(words);
}

const std::string& FailureMessage(FailureKind kind) {
  const Words& words = CalculationWords();
  return kind == FailureKind::kDivisionByZero ? words.divide_by_zero : words.too_large;
}

}  // namespace ondavi
