#include "divisors.h"

#include <algorithm>
#include <array>
#include <numeric>

namespace ondavi {
namespace {

using u64 = std::uint64_t;
__extension__ typedef unsigned __int128 u128;  // products of two 64-bit residues

// Arithmetic modulo an odd n in Montgomery form (x is held as x * 2^64 mod n), which replaces
// the 128-bit division of a plain modular product with two multiplications.
class Montgomery {
 public:
  explicit Montgomery(u64 n) : n_(n), inverse_(Inverse(n)), r2_(static_cast<u64>(R2(n))) {}

  u64 To(u64 x) const { return Reduce(static_cast<u128>(x % n_) * r2_); }
  u64 Multiply(u64 a, u64 b) const { return Reduce(static_cast<u128>(a) * b); }
  u64 Add(u64 a, u64 b) const {  // a, b < n
    const u64 sum = a + b;
    return sum < a || sum >= n_ ? sum - n_ : sum;
  }
  u64 One() const { return To(1); }

 private:
  // x / 2^64 mod n, for x < n * 2^64.
  u64 Reduce(u128 x) const {
    const u64 m = static_cast<u64>(x) * inverse_;
    const u64 high = static_cast<u64>(x >> 64);
    const u64 mn_high = static_cast<u64>((static_cast<u128>(m) * n_) >> 64);
    return high >= mn_high ? high - mn_high : high - mn_high + n_;
  }
  static u64 Inverse(u64 n) {  // n^-1 mod 2^64 by Newton's iteration
    u64 inverse = n;
    for (int i = 0; i < 5; ++i) inverse *= 2 - n * inverse;
    return inverse;
  }
  static u128 R2(u64 n) {                // 2^128 mod n
    const u128 r = (u128{1} << 64) % n;  // 2^64 mod n
    return r * r % n;
  }

  u64 n_, inverse_, r2_;
};

// Trial division removes these primes before rho runs; rho then only meets factors above 97.
constexpr std::array<u64, 25> kSmallPrimes = {2,  3,  5,  7,  11, 13, 17, 19, 23, 29, 31, 37, 41,
                                              43, 47, 53, 59, 61, 67, 71, 73, 79, 83, 89, 97};

// A non-trivial factor of the odd composite n, by Brent's variant of Pollard's rho.
u64 FindFactor(u64 n) {
  const Montgomery mod(n);
  for (u64 c = 1;; ++c) {
    const u64 increment = mod.To(c);
    const auto f = [&](u64 x) { return mod.Add(mod.Multiply(x, x), increment); };
    const u64 start = mod.To(2);
    u64 y = start, x = start, saved = start, product = mod.One(), g = 1;
    constexpr u64 kBatch = 128;  // gcd once per batch of multiplied differences
    for (u64 r = 1; g == 1; r <<= 1) {
      x = y;
      for (u64 i = 0; i < r; ++i) y = f(y);
      for (u64 k = 0; k < r && g == 1; k += kBatch) {
        saved = y;
        for (u64 i = 0; i < std::min(kBatch, r - k); ++i) {
          y = f(y);
          product = mod.Multiply(product, x > y ? x - y : y - x);
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
  const Montgomery mod(n);
  const u64 one = mod.One();
  const u64 minus_one = mod.To(n - 1);
  // These bases decide primality for every n below 2^64.
  for (u64 a : {2, 3, 5, 7, 11, 13, 17, 19, 23, 29, 31, 37}) {
    u64 x = one;
    for (u64 base = mod.To(a), e = d; e > 0; e >>= 1) {
      if (e & 1) x = mod.Multiply(x, base);
      base = mod.Multiply(base, base);
    }
    if (x == one || x == minus_one) continue;
    bool composite = true;
    for (int i = 1; i < s && composite; ++i) {
      x = mod.Multiply(x, x);
      composite = x != minus_one;
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
