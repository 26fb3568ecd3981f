#pragma once

#include <string>

#include "factor_list.h"
#include "work_text.h"

namespace ondavi {

// The state the whole program shares, and the common-factor search over it. Procedures pass data
// through these variables rather than through arguments: the operator buttons leave the operator
// in Operation, FindGcf takes FirstNumber and SecondNumber and leaves Gcf and Lcm, and the
// transcript waits in Work for "Show Work". One instance lives as long as the program.
class Module1 {
 public:
  double Gcf = 0;           // greatest common factor found by the last search
  double Lcm = 0;           // least common multiple found by the last search
  double FirstNumber = 0;   // first input of FindGcf; after a search, the smaller input
  double SecondNumber = 0;  // second input of FindGcf; after a search, the larger input
  std::string Operation;    // "+", "-", "x" or "/"
  WorkText Work;            // transcript of the last calculation
  // Calculations that passed the entry checks and so wrote a new transcript: a refused one leaves
  // the count, like Work, as it was.
  unsigned long Runs = 0;
  // Whether calculations write Work. A program that never shows it (the command line without
  // --work) turns this off and saves what recording it costs.
  bool KeepWork = true;
  // Every factor of the two numbers of the last search, listed when read.
  FactorList FactorsA;  // factors of FirstNumber
  FactorList FactorsB;  // factors of SecondNumber

  // Orders FirstNumber <= SecondNumber, lists the factors of each and sets Gcf and Lcm:
  // - both whole numbers from 1 up to 2^53: the greatest common factor and the least common
  //   multiple;
  // - one of them 0 and the other a whole number from 1 up to 2^53: Gcf is that number, Lcm 0;
  // - anything else (negative, fractional, beyond 2^53, both 0): Gcf 1, Lcm the product.
  // A number that is not a whole number from 1 up to 2^53 has an empty factor list. Gcf is set
  // before Lcm; a product beyond the double range fails with kOverflow and leaves Lcm as it was.
  void FindGcf();

  // Back to the state at program start: every number 0, every text empty.
  void Reset() { *this = Module1(); }
};

}  // namespace ondavi
