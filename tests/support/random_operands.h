#pragma once

// Random operands of the kinds a person types into the boxes: whole numbers (with a lone "-" or
// a decimal part among them), numerators and denominators of one to nine digits, empty boxes.
#include <cstdint>
#include <random>
#include <string>

namespace ondavi::testing {

// A number of one to nine digits: with one to three, results pass 2^31 often while every product
// stays below 2^53; with more, numbers the calculation forms reach 2^53 and must be refused.
inline std::uint32_t RandomNumber(std::mt19937& rng) {
  const std::uint32_t limits[] = {10,        100,        1000,        10'000,       100'000,
                                  1'000'000, 10'000'000, 100'000'000, 1'000'000'000};
  return static_cast<std::uint32_t>(rng() % limits[rng() % 9]);
}

// Up to six digits after a decimal point.
inline std::string RandomDecimalPart(std::mt19937& rng) {
  const std::string digits = std::to_string(1'000'000 + rng() % 1'000'000);
  return "." + digits.substr(1, 1 + rng() % 6);
}

inline std::string RandomWhole(std::mt19937& rng) {
  switch (rng() % 8) {
    case 0:
      return "";
    case 1:
      return "-";
    case 2:
      return "0";
    case 3:
      return "-" + std::to_string(1 + RandomNumber(rng));
    case 4:
      return std::to_string(RandomNumber(rng)) + RandomDecimalPart(rng);
    case 5:
      return "-" + std::to_string(RandomNumber(rng)) + RandomDecimalPart(rng);
    default:
      return std::to_string(RandomNumber(rng));
  }
}

inline std::string RandomDigits(std::mt19937& rng) {
  const unsigned roll = rng() % 8;
  return roll == 0 ? "" : std::to_string(roll == 1 ? 0 : RandomNumber(rng));
}

}  // namespace ondavi::testing
