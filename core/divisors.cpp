#include "divisors.h"

#include <algorithm>
#include <array>
#include <numeric>

namespace ondavi {
namespace {

using u64 = std::uint64_t;
__extension__ typedef unsigned __int128 u128;  // products of two 64-bit residues

u64 MulMod(u64 a, u64 b, u64 m) {
  return static_cast<u64>(static_cast<u128>(a) * b % m);
}

u64 PowMod(u64 base, u64 exponent, u64 m) {
  u64 result = 1 % m;
  for (base %= m; exponent > 0; exponent >>= 1) {
    if (exponent & 1) result = MulMod(result, base, m);
    base = MulMod(base, base, m);
  }
  return result;
}

// Trial division removes these primes before rho runs; rho then only meets factors above 97.
constexpr std::array<u64, 25> kSmallPrimes = {2,  3,  5,  7,  11, 13, 17, 19, 23, 29, 31, 37, 41,
                                              43, 47, 53, 59, 61, 67, 71, 73, 79, 83, 89, 97};

// A non-trivial factor of the odd composite n, by Brent's variant of Pollard's rho.
u64 FindFactor(u64 n) {
  for (u64 c = 1;; ++c) {
    const auto f = [&](u64 x) { return (MulMod(x, x, n) + c) % n; };
    u64 y = 2, x = 2, saved = 2, product = 1, g = 1;
    constexpr u64 kBatch = 128;  // gcd once per batch of multiplied differences
    for (u64 r = 1; g == 1; r <<= 1) {
      x = y;
      for (u64 i = 0; i < r; ++i) y = f(y);
      for (u64 k = 0; k < r && g == 1; k += kBatch) {
        saved = y;
        for (u64 i = 0; i < std::min(kBatch, r - k); ++i) {
          y = f(y);
          product = MulMod(product, x > y ? x - y : y - x, n);
        }
        g = std::gcd(product, n);
      }
    }
    if (g == n) {  // the batch overshot: retrace it one step at a time
      do {
        saved = f(saved);
        g = std::gcd(x > saved ? x - saved : saved - x, n);
      } while (g == 1);
    }
    if (g != n) return g;
  }
}

void Factorise(u64 n, std::vector<u64>* primes) {
  if (n == 1) return;
  if (IsPrime(n)) {
    primes->push_back(n);
    return;
  }
  const u64 d = FindFactor(n);
  Factorise(d, primes);
  Factorise(n / d, primes);
}

}  // namespace

bool IsPrime(u64 n) {
  if (n < 2) return false;
  for (u64 p : kSmallPrimes) {
    if (n % p == 0) return n == p;
  }
  u64 d = n - 1;
  int s = 0;
  for (; d % 2 == 0; d /= 2) ++s;
  // These bases decide primality for every n below 2^64.
  for (u64 a : {2, 3, 5, 7, 11, 13, 17, 19, 23, 29, 31, 37}) {
    u64 x = PowMod(a, d, n);
    if (x == 1 || x == n - 1) continue;
    bool composite = true;
    for (int i = 1; i < s && composite; ++i) {
      x = MulMod(x, x, n);
      composite = x != n - 1;
    }
    if (composite) return false;
  }
  return true;
}

std::vector<u64> PrimeFactors(u64 n) {
  std::vector<u64> primes;
  for (u64 p : kSmallPrimes) {
    for (; n % p == 0; n /= p) primes.push_back(p);
  }
  Factorise(n, &primes);
  std::sort(primes.begin(), primes.end());
  return primes;
}

std::vector<u64> Divisors(u64 n) {
  std::vector<u64> divisors = {1};
  const std::vector<u64> primes = PrimeFactors(n);
  for (std::size_t i = 0; i < primes.size();) {
    const u64 p = primes[i];
    std::size_t multiplicity = 0;
    for (; i < primes.size() && primes[i] == p; ++i) ++multiplicity;
    const std::size_t count = divisors.size();
    u64 power = 1;
    for (std::size_t k = 0; k < multiplicity; ++k) {
      power *= p;
      for (std::size_t j = 0; j < count; ++j) divisors.push_back(divisors[j] * power);
    }
  }
  std::sort(divisors.begin(), divisors.end());
  return divisors;
}

}  // namespace ondavi
