#pragma once

// The words a calculation writes: the messages it shows and the words of its transcript. They
// are English until the program sets them in the user's language; the transcript's layout
// (indents, sign positions, line ends) is the calculation's own and never changes.
#include <string>

#include "failure.h"

namespace ondavi {

// Marks a word for the translation catalogs, with the context its translators see.
#define ONDAVI_WORD(context, text) text

inline constexpr char kNegativeSignMessage[] =
    ONDAVI_WORD("message", "Use Whole Number Boxs for your negative signs.");
inline constexpr char kNonNumericMessage[] =
    ONDAVI_WORD("message", "Non Numeric data Detected, Enter Numbers Only.");
inline constexpr char kDivideByZeroMessage[] = ONDAVI_WORD("message", "Cannot divide by zero.");
inline constexpr char kTooLargeMessage[] =
    ONDAVI_WORD("message", "Numbers too large to calculate.");
// TRANSLATORS: the words of Show Work, each on a line of its own between numbers.
inline constexpr char kBecomes[] = ONDAVI_WORD("transcript", "Becomes");
inline constexpr char kAnswerIs[] = ONDAVI_WORD("transcript", "Answer is");
// TRANSLATORS: followed by the greatest common factor; use the abbreviation of schoolbooks.
inline constexpr char kAfterReduction[] = ONDAVI_WORD("transcript", "After Reduction by GCF");

struct Words {
  std::string negative_sign = kNegativeSignMessage;
  std::string non_numeric = kNonNumericMessage;
  std::string divide_by_zero = kDivideByZeroMessage;
  std::string too_large = kTooLargeMessage;
  std::string becomes = kBecomes;
  std::string answer_is = kAnswerIs;
  std::string after_reduction = kAfterReduction;
};

// The words in force, and the program's one way of changing them.
const Words& CalculationWords();
void SetCalculationWords(Words words);

// The message a calculation shows when an operation fails.
const std::string& FailureMessage(FailureKind kind);

}  // namespace ondavi
