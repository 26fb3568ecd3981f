#include "refusal_text.h"

#include <array>

#include "transcript.h"
#include "translation.h"

namespace ondavi::form {

std::string RefusalText(const Refusal& refusal) {
  using enum Refusal::Reason;
  const std::string at = std::to_string(refusal.at);
  const std::array first{refusal.first};
  const std::array first_at{refusal.first, at};
  const std::array both{refusal.first, refusal.second};
  const std::array only_at{at};
  switch (refusal.reason) {
    case kEmpty:
      return std::string(Tr("write a problem, such as 1/2 + 1/3"));
    case kNotText:
      return TrArgs("byte %1 is not UTF-8 text", only_at);
    case kUnknownCharacter:
      // TRANSLATORS: %1 is a character, or its code such as U+200B; %2 counts characters from 1.
      return TrArgs("'%1' (character %2) is not part of a problem", first_at);
    case kLineEnd:
      return TrArgs("a line end inside the problem (character %1): write one problem a line",
                    only_at);
    case kLoneNumber:
    case kLoneOperand:
      // TRANSLATORS: %1 is a number as written, such as 3 1/4.
      return TrArgs("write an operator and a second number after %1", first);
    case kNoNumberAfter:
      // TRANSLATORS: %1 is an operator, a minus sign or an opening bracket.
      return TrArgs("write a number after '%1' (character %2)", first_at);
    case kNoNumberBefore:
      return TrArgs("write a number before '%1' (character %2)", first_at);
    case kSideBySide:
      // TRANSLATORS: %1 and %2 are two numbers or brackets as written, such as 2 and (; "x" is
      // the multiplication sign the calculator reads.
      return TrArgs("write x between %1 and %2", both);
    case kGroupedDigits:
      // TRANSLATORS: %1 is a number such as 10000, written by the user in groups ("10 000").
      return TrArgs("write %1 without blanks between its digits", first);
    case kDecimalBesideFraction:
      return TrArgs("a decimal beside a fraction: write %1 + %2", both);
    case kSlashWithoutBlank:
      // TRANSLATORS: %1 is what the user wrote, such as 1/2/3.
      return TrArgs("write a blank beside the / that divides in %1", first);
    case kFractionSlashAlone:
      return TrArgs(
          "the fraction slash (character %1) only joins a numerator and a denominator: divide "
          "with /",
          only_at);
    case kMinusBeforeBracket:
      return TrArgs("a minus sign before a bracket (character %1): write -1 x ( or 0 - (", only_at);
    case kBracketLeftOpen:
      return TrArgs("the bracket opened at character %1 is not closed", only_at);
    case kBracketNotOpened:
      return TrArgs("the bracket at character %1 closes none that is open", only_at);
    case kAfterEquals:
      return TrArgs("nothing may follow '=' (character %1)", only_at);
    case kMixedLeadingZero:
      // TRANSLATORS: %1 and %2 are two ways to write what was meant, such as 10000/3 and
      // 10 + 000/3.
      return TrArgs("the numerator of a mixed number has no leading zero: write %1 or %2", both);
    case kMixedTooLarge:
      // TRANSLATORS: %1 and %2 are two ways to write what was meant, such as 1500/2 and
      // 1 + 500/2.
      return TrArgs("the fraction of a mixed number is less than 2: write %1 or %2", both);
    case kOutOfPlace:
      return TrArgs("'%1' cannot stand at character %2", first_at);
  }
  return std::string(Tr("not a problem"));
}

std::string RefusalMessage(const Refusal& refusal) {
  return std::string(Tr("not a problem")) + std::string(transcript::kLineEnd) +
         RefusalText(refusal);
}

}  // namespace ondavi::form
