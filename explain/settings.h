#pragma once

// The choices of method a worked solution follows; each has a default that suits a worksheet.
namespace ondavi::explain {

struct Settings {
  // How the least common denominator is found: listing the multiples of the larger denominator,
  // or by prime factors. By default multiples while the LCD is at most 100.
  enum class Denominator { kAuto, kMultiples, kPrimeFactors } denominator = Denominator::kAuto;
  // Mixed numbers in + and -: wholes and fractions apart, or as improper fractions. By default
  // apart where neither operand nor the answer is negative and both are whole or mixed numbers
  // or proper fractions; apart is possible only there.
  enum class MixedNumbers { kAuto, kApart, kImproper } mixed = MixedNumbers::kAuto;
  // Cancel common factors before multiplying.
  bool cancel = true;
};

}  // namespace ondavi::explain
