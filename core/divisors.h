#pragma once

#include <cstdint>
#include <vector>

namespace ondavi {

// Every divisor of n (n >= 1) in increasing order. n is factorised by trial division by small
// primes, then Pollard-Brent rho with a deterministic Miller-Rabin test, so the cost grows with the
// number of divisors rather than with n.
std::vector<std::uint64_t> Divisors(std::uint64_t n);

// The prime factors of n (n >= 1) in increasing order, with repetition.
std::vector<std::uint64_t> PrimeFactors(std::uint64_t n);

// Deterministic for every 64-bit n.
bool IsPrime(std::uint64_t n);

}  // namespace ondavi
