#pragma once

#include <string>
#include <vector>

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
  std::string Work;         // transcript of the last calculation
  // Factor lists: element 0 holds the count n, elements 1 to n the factors in increasing order.
  std::vector<double> FactorsA = {0};  // factors of FirstNumber
  std::vector<double> FactorsB = {0};  // factors of SecondNumber

  // Orders FirstNumber <= SecondNumber, lists the factors of each and sets Gcf and Lcm:
  // - both whole numbers from 1 up to 2^53: the greatest common factor and the least common
  //   multiple;
  // - one of them 0 and the other a whole number from 1 up to 2^53: Gcf is that number, Lcm 0;
  // - anything else (negative, fractional, beyond 2^53, both 0): Gcf 1, Lcm the product.
  // A number that is not a whole number from 1 up to 2^53 has an empty factor list. Gcf is set
  // before Lcm; a product beyond the double range fails with kOverflow and leaves Lcm as it was.
  void FindGcf();

  // Forgets the factor lists kept for reuse. A calculation starts with this, so that within it no
  // number is factorised or listed twice.
  void ForgetFactorLists() { listed_count_ = 0; }

  // Back to the state at program start: every number 0, every text empty.
  void Reset() { *this = Module1(); }

 private:
  struct Listed {
    double number = 0;
    std::vector<double> factors;  // in the form of FactorsA
  };
  const std::vector<double>& FactorList(double number);

  // The lists made since ForgetFactorLists are the first listed_count_; the storage of the
  // others is kept for the next lists, a few at most.
  std::vector<Listed> listed_;
  std::size_t listed_count_ = 0;
};

}  // namespace ondavi
