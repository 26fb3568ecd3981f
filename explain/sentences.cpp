#include "sentences.h"

#include "words.h"

namespace ondavi::explain {
namespace {

constexpr char kContext[] = "explain";

// The English sentence of a step. Each is marked for the catalogs with the context "explain".
std::string_view EnglishSentence(const Step& step) {
  switch (step.kind) {
    case Kind::kOperation:
      switch (step.detail) {
        case Detail::kBracketsFirst:
          // TRANSLATORS: a heading of a worked solution, followed by the operation worked next;
          // the brackets are worked before what is around them.
          return ONDAVI_WORD("explain", "Step %1 of %2, brackets first:");
        case Detail::kTimesAndDivideFirst:
          // TRANSLATORS: a heading of a worked solution; x and / are the operators as written.
          return ONDAVI_WORD("explain", "Step %1 of %2, x and / before + and -:");
        default:
          // TRANSLATORS: a heading of a worked solution, followed by the operation worked next.
          return ONDAVI_WORD("explain", "Step %1 of %2:");
      }
    case Kind::kWholeAsFraction:
      // TRANSLATORS: followed by "5 = 5/1".
      return ONDAVI_WORD("explain", "Write the whole number as a fraction over 1:");
    case Kind::kDecimalAsFraction:
      if (step.args.empty()) {
        return ONDAVI_WORD("explain", "Write the decimal as a fraction in lowest terms:");
      }
      if (step.args.size() == 1) {
        // TRANSLATORS: %1 is a power of ten (10, 100, 1000...); followed by "0.3 = 3/10".
        return ONDAVI_WORD("explain", "Write the decimal as a fraction over %1:");
      }
      // TRANSLATORS: %1 is a power of ten, %2 the common factor; followed by
      // "0.25 = 25/100 = 1/4".
      return ONDAVI_WORD("explain",
                         "Write the decimal as a fraction over %1, then divide both parts by %2:");
    case Kind::kMixedToImproper:
      if (step.detail == Detail::kNegative) {
        // TRANSLATORS: followed by "-3 1/4 = -13/4", and a line that works 3 1/4 = 13/4.
        return ONDAVI_WORD("explain",
                           "Change the mixed number to an improper fraction; the minus sign "
                           "stays in front:");
      }
      // TRANSLATORS: followed by "3 1/4 = (3 x 4 + 1)/4 = 13/4".
      return ONDAVI_WORD("explain", "Change the mixed number to an improper fraction:");
    case Kind::kSignRule:
      switch (step.detail) {
        case Detail::kSubtractingANegative:
          // TRANSLATORS: followed by "1 1/2 - -1/2 = 1 1/2 + 1/2".
          return ONDAVI_WORD("explain", "Subtracting a negative number is adding its opposite:");
        case Detail::kAddingANegative:
          // TRANSLATORS: followed by "1/2 + -1/3 = 1/2 - 1/3".
          return ONDAVI_WORD("explain", "Adding a negative number is subtracting its opposite:");
        case Detail::kNegativeTimesNegative:
          // TRANSLATORS: the rule of signs; followed by "-5/2 x -5/4 = 5/2 x 5/4".
          return ONDAVI_WORD("explain", "A negative times a negative is positive:");
        default:
          // TRANSLATORS: the rule of signs, said of a product of two fractions.
          return ONDAVI_WORD("explain",
                             "A negative times a positive is negative, so the answer is negative.");
      }
    case Kind::kPercentAsFraction:
      // TRANSLATORS: percent means hundredths; followed by "35% = 35/100".
      return ONDAVI_WORD("explain", "A percent is a number of hundredths: write it over 100:");
    case Kind::kLink:
      // TRANSLATORS: a heading of a check of a student's lines; %1 and %2 count the links, %3 is
      // the link, such as "2 5/4 - 1 2/3 = 1 3/4".
      return ONDAVI_WORD("explain", "Line %1 of %2: %3");
    case Kind::kWorkSide:
      // TRANSLATORS: a heading; %1 is one side of a comparison, worked out in the lines under it.
      return ONDAVI_WORD("explain", "Work out %1:");
    case Kind::kComparison:
      switch (step.detail) {
        case Detail::kGreater:
          // TRANSLATORS: %1 and %2 are numbers, over one denominator where they can be.
          return ONDAVI_WORD("explain", "%1 is greater than %2.");
        case Detail::kLess:
          // TRANSLATORS: %1 and %2 are numbers, over one denominator where they can be.
          return ONDAVI_WORD("explain", "%1 is less than %2.");
        default:
          // TRANSLATORS: %1 and %2 are numbers, over one denominator where they can be.
          return ONDAVI_WORD("explain", "%1 is equal to %2.");
      }
    case Kind::kAsDecimals:
      // TRANSLATORS: two numbers whose common denominator is large, each written as a decimal
      // by long division up to the first digit where they differ: %1 = %2 and %3 = %4, such as
      // "123/997 = 0.1233..." and "119/961 = 0.1238..."; "..." means the digits go on. The
      // line after it compares the digits written.
      return ONDAVI_WORD("explain",
                         "As decimals, %1 = %2 and %3 = %4: compare them digit by digit.");
    case Kind::kNotLowestTerms:
      // TRANSLATORS: of a student's answer %1, equal to the right answer %2.
      return ONDAVI_WORD("explain", "%1 is right, but not in lowest terms: %2.");
    case Kind::kAsMixed:
      // TRANSLATORS: of a student's answer, an improper fraction; %1 is its mixed number.
      return ONDAVI_WORD("explain", "As a mixed number: %1.");
    case Kind::kNotTheAnswer:
      // TRANSLATORS: %1 is a problem, %2 its answer, %3 the answer a student gave.
      return ONDAVI_WORD("explain", "%1 is %2, not %3.");
    case Kind::kVerdict:
      switch (step.detail) {
        case Detail::kTrue:
          // TRANSLATORS: %1 is a statement such as "5/8 > 3/5"; it is true.
          return ONDAVI_WORD("explain", "True: %1");
        case Detail::kFalse:
          // TRANSLATORS: %1 is a statement such as "5/8 < 3/5"; it is false.
          return ONDAVI_WORD("explain", "False: %1");
        default:
          // TRANSLATORS: %1 is the comparison found, such as "5/8 > 3/5".
          return ONDAVI_WORD("explain", "So %1");
      }
    case Kind::kAddZero:
      // TRANSLATORS: followed by "18/24 + 0 = 18/24".
      return ONDAVI_WORD("explain", "Adding or subtracting 0 changes nothing:");
    case Kind::kWholeNumbers:
      // TRANSLATORS: followed by "2 + 3 = 5".
      return ONDAVI_WORD("explain", "Work out the whole numbers:");
    case Kind::kSameDenominator:
      // TRANSLATORS: %1 is a denominator.
      return ONDAVI_WORD("explain", "Both fractions have the denominator %1 already.");
    case Kind::kCommonDenominator:
      if (step.detail == Detail::kByPrimeFactors) {
        // TRANSLATORS: %1 and %2 are denominators, %3 their least common denominator (LCD);
        // the lines under it find it.
        return ONDAVI_WORD("explain",
                           "The least common denominator of %1 and %2, by prime factors, is %3.");
      }
      // TRANSLATORS: %1 and %2 are denominators, %3 their least common denominator (LCD); the
      // line under it lists multiples.
      return ONDAVI_WORD("explain",
                         "The least common denominator of %1 and %2, by listing multiples, is %3.");
    case Kind::kMultiples:
      // TRANSLATORS: %3 is a list of numbers, "4, 8, 12".
      return ONDAVI_WORD("explain", "Multiples of %1 until one is a multiple of %2: %3.");
    case Kind::kPrimeFactors:
      // TRANSLATORS: followed by "12 = 2 x 2 x 3".
      return ONDAVI_WORD("explain", "Prime factors of %1:");
    case Kind::kLcdFromFactors:
      // TRANSLATORS: how the LCD is made from the prime factors; followed by "2 x 2 x 3 x 3 = 36".
      return ONDAVI_WORD("explain",
                         "Take each prime factor as often as it appears most in either number:");
    case Kind::kRename:
      // TRANSLATORS: an equivalent fraction; %1 is the new denominator, %2 the factor; followed
      // by "1/4 = (1 x 3)/(4 x 3) = 3/12".
      return ONDAVI_WORD("explain", "Rename the fraction over %1: multiply both parts by %2:");
    case Kind::kRewrite:
      return ONDAVI_WORD("explain", "Write the problem with the renamed fractions:");
    case Kind::kCombineNumerators:
      if (step.detail == Detail::kSubtract) {
        return ONDAVI_WORD("explain", "Subtract the numerators; the denominator stays the same:");
      }
      return ONDAVI_WORD("explain", "Add the numerators; the denominator stays the same:");
    case Kind::kBorrow:
      // TRANSLATORS: regrouping (borrowing) in a subtraction of mixed numbers; %1 and %2 are
      // fractions, %3 is one whole as a fraction ("12/12"); followed by
      // "3 3/12 = 2 + 12/12 + 3/12 = 2 15/12".
      return ONDAVI_WORD("explain", "%1 is less than %2, so take 1 from the whole number as %3:");
    case Kind::kWholesAndFractions:
      // TRANSLATORS: followed by "2 15/12 - 1 8/12 = (2 - 1) + (15/12 - 8/12) = 1 + 7/12".
      return ONDAVI_WORD("explain", "Work out the whole numbers and the fractions apart:");
    case Kind::kCarry:
      // TRANSLATORS: %1 is a fraction of at least one whole ("5/4"); followed by
      // "3 + 5/4 = 3 + 1 + 1/4 = 4 1/4".
      return ONDAVI_WORD("explain", "%1 makes a whole or more: carry 1 to the whole number:");
    case Kind::kReciprocal:
      // TRANSLATORS: followed by "5/2 / 5/4 = 5/2 x 4/5"; "keep, change, flip" is how
      // schoolbooks teach it: use your schoolbooks' phrase.
      return ONDAVI_WORD("explain",
                         "To divide by a fraction, multiply by its reciprocal (keep, change, "
                         "flip):");
    case Kind::kCancel:
      // TRANSLATORS: followed by "5/2 x 4/5 = 1/1 x 2/1" and a line for each factor cancelled.
      return ONDAVI_WORD("explain", "Cancel common factors before multiplying:");
    case Kind::kCancelPair:
      // TRANSLATORS: %1 is a numerator, %2 a denominator, %3 their common factor, %4 and %5
      // what they become.
      return ONDAVI_WORD("explain",
                         "Divide %1 and %2 by their common factor %3: they become %4 and %5.");
    case Kind::kMultiply:
      // TRANSLATORS: followed by "1/1 x 2/1 = (1 x 2)/(1 x 1) = 2/1".
      return ONDAVI_WORD("explain", "Multiply the numerators and the denominators:");
    case Kind::kFactors:
      // TRANSLATORS: %2 is a list of numbers, "1, 2, 3, 6, 9, 18".
      return ONDAVI_WORD("explain", "Factors of %1: %2.");
    case Kind::kSimplify:
      // TRANSLATORS: %3 is the greatest common factor (GCF) of %1 and %2; followed by
      // "18/24 = (18 / 6)/(24 / 6) = 3/4".
      return ONDAVI_WORD("explain",
                         "The greatest common factor of %1 and %2 is %3; divide both by it:");
    case Kind::kLowestTerms:
      // TRANSLATORS: %1 is a fraction.
      return ONDAVI_WORD("explain", "%1 is already in lowest terms.");
    case Kind::kZero:
      // TRANSLATORS: followed by "0/12 = 0".
      return ONDAVI_WORD("explain", "Zero over any number is zero:");
    case Kind::kImproperToMixed:
      if (step.detail == Detail::kWholeResult) {
        // TRANSLATORS: %1 divided by %2 is %3 with remainder %4 (which is 0); followed by
        // "2/1 = 2".
        return ONDAVI_WORD("explain", "%1 divided by %2 is %3, remainder %4: a whole number:");
      }
      // TRANSLATORS: %1 divided by %2 is %3 with remainder %4; followed by "19/12 = 1 7/12".
      return ONDAVI_WORD("explain",
                         "%1 divided by %2 is %3, remainder %4: write it as a mixed number:");
    case Kind::kAnswer:
      // TRANSLATORS: followed by "3 1/4 - 1 2/3 = 1 7/12".
      return ONDAVI_WORD("explain", "Answer:");
    case Kind::kNoAnswer:
      if (step.detail == Detail::kTooLarge) {
        // TRANSLATORS: why the calculation stops with "Numbers too large to calculate.".
        return ONDAVI_WORD("explain",
                           "A number in this calculation reaches 2^53 (9,007,199,254,740,992), "
                           "beyond which the calculator cannot stay exact.");
      }
      if (step.detail == Detail::kZeroDenominator) {
        // TRANSLATORS: why a problem with a fraction such as "5/0" stops with "Cannot divide by
        // zero.".
        return ONDAVI_WORD("explain",
                           "A fraction with the denominator 0 has no value: nothing can be "
                           "divided into 0 parts.");
      }
      // TRANSLATORS: why the calculation stops with "Cannot divide by zero.".
      return ONDAVI_WORD("explain",
                         "No number times 0 gives 1, so 0 has no reciprocal: nothing can be "
                         "divided by 0.");
  }
  return {};
}

// How many of a step's numbers its sentence names one by one; a list step names the rest
// together in its last placeholder.
std::size_t SingleArgs(const Step& step) {
  if (step.kind == Kind::kMultiples) return 2;
  if (step.kind == Kind::kFactors) return 1;
  return step.args.size();
}

}  // namespace

std::string_view English(std::string_view, std::string_view english) {
  return english;
}

std::string_view Sentence(const Step& step, Translate translate) {
  return translate(kContext, EnglishSentence(step));
}

std::string Filled(std::string_view sentence, const Step& step,
                   std::string (*write)(const Expression&)) {
  const std::size_t single = SingleArgs(step);
  std::string out;
  for (std::size_t i = 0; i < sentence.size(); ++i) {
    const char c = sentence[i];
    if (c != '%' || i + 1 == sentence.size() || sentence[i + 1] < '1' || sentence[i + 1] > '9') {
      out += c;
      continue;
    }
    const auto k = static_cast<std::size_t>(sentence[++i] - '1');
    if (k < single) {
      out += write(step.args[k]);
    } else if (k == single) {
      for (std::size_t j = single; j < step.args.size(); ++j) {
        if (j > single) out += ", ";
        out += write(step.args[j]);
      }
    }
  }
  return out;
}

}  // namespace ondavi::explain
