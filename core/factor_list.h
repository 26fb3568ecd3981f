#pragma once

#include <cstddef>
#include <vector>

namespace ondavi {

// The factors of a number in the form the module keeps them: element 0 holds the count n,
// elements 1 to n every factor in increasing order; only {0} for a number that is not a whole
// number from 1 up to 2^53. The list is worked out when it is first read, so that a search whose
// lists nobody reads costs nothing for them.
class FactorList {
 public:
  FactorList() = default;

  // The factors of this number from now on.
  void Of(double number) {
    number_ = number;
    listed_ = false;
  }

  const std::vector<double>& List() const;
  operator const std::vector<double>&() const { return List(); }  // NOLINT: reads as the list
  double operator[](std::size_t i) const { return List()[i]; }
  std::size_t size() const { return List().size(); }
  double back() const { return List().back(); }
  friend bool operator==(const FactorList& a, const std::vector<double>& b) {
    return a.List() == b;
  }

 private:
  double number_ = 0;
  mutable bool listed_ = true;  // the empty list below is the list of 0
  mutable std::vector<double> list_ = {0};
};

}  // namespace ondavi
