#include "divisors.h"

#include <algorithm>
#include <array>
#include <numeric>

#include "wide_arithmetic.h"

namespace ondavi {
namespace {

using u64 = std::uint64_t;

// Arithmetic modulo an odd n in Montgomery form (x is held as x * 2^64 mod n), which replaces
// the 128-bit division of a plain modular product with two multiplications.
class Montgomery {
 public:
  explicit Montgomery(u64 n) : n_(n), inverse_(Inverse(n)), r2_(R2(n)) {}

  u64 To(u64 x) const { return Multiply(x % n_, r2_); }
  u64 Multiply(u64 a, u64 b) const { return Reduce(MultiplyWide(a, b)); }
  u64 Add(u64 a, u64 b) const { return AddModulo(a, b, n_); }
  u64 One() const { return To(1); }

 private:
  static u64 AddModulo(u64 a, u64 b, u64 n) {  // a, b < n
    const u64 sum = a + b;
    return sum < a || sum >= n ? sum - n : sum;
  }
  // x / 2^64 mod n, for x < n * 2^64.
  u64 Reduce(Product128 x) const {
    const u64 m = x.low * inverse_;
    const u64 mn_high = MultiplyWide(m, n_).high;
    return x.high >= mn_high ? x.high - mn_high : x.high - mn_high + n_;
  }
  static u64 Inverse(u64 n) {  // n^-1 mod 2^64 by Newton's iteration
    u64 inverse = n;
    for (int i = 0; i < 5; ++i) inverse *= 2 - n * inverse;
    return inverse;
  }
  static u64 R2(u64 n) {  // 2^128 mod n: 2^64 mod n, doubled 64 times
    u64 r = (0 - n) % n;
    for (int i = 0; i < 64; ++i) r = AddModulo(r, r, n);
    return r;
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

constexpr u64 kBelowAll = 0;        // no divisor is 0
constexpr u64 kAboveAll = ~u64{0};  // nor this large

// Merges the increasing list a[0, na) with b[0, nb) * factor into out[0, na + nb). The two
// share no element. a[-1] and a[na] must hold kBelowAll and kAboveAll; `scaled` is scratch
// room for nb + 2 elements. The lists interleave unpredictably, so each step picks its element
// without a branch; and since a branch-free merge waits on each comparison before its next
// load, it runs from both ends at once, the smallest elements forwards and the largest
// backwards, as two independent chains.
void MergeScaled(const u64* a, std::size_t na, const u64* b, std::size_t nb, u64 factor,
                 u64* scaled, u64* out) {
  scaled[0] = kBelowAll;
  for (std::size_t j = 0; j < nb; ++j) scaled[j + 1] = b[j] * factor;
  scaled[nb + 1] = kAboveAll;
  const u64* s = scaled + 1;

  const std::size_t total = na + nb;
  std::size_t i = 0, j = 0;                      // the next smallest of a and s
  std::size_t i_back = na - 1, j_back = nb - 1;  // the next largest; one before 0 wraps to -1
  const auto back = [](const u64* list, std::size_t index) { return list[std::ptrdiff_t(index)]; };
  for (std::size_t k = 0; k < total / 2; ++k) {
    const u64 x = a[i], y = s[j];
    const bool take_a = x < y;
    out[k] = take_a ? x : y;
    i += take_a;
    j += !take_a;

    const u64 x_back = back(a, i_back), y_back = back(s, j_back);
    const bool take_a_back = x_back > y_back;
    out[total - 1 - k] = take_a_back ? x_back : y_back;
    i_back -= take_a_back;
    j_back -= !take_a_back;
  }
  if (total % 2 == 1) out[total / 2] = std::max(back(a, i_back), back(s, j_back));
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
  struct PrimePower {
    u64 prime;
    std::size_t multiplicity;
  };
  std::vector<PrimePower> powers;
  std::size_t count = 1;
  for (u64 p : PrimeFactors(n)) {
    if (powers.empty() || powers.back().prime != p) {
      count *= powers.empty() ? 1 : powers.back().multiplicity + 1;
      powers.push_back({p, 0});
    }
    ++powers.back().multiplicity;
  }
  if (!powers.empty()) count *= powers.back().multiplicity + 1;

  // The divisors found so far stay in increasing order: for each prime p, the divisors without p
  // times p, p^2, ... (each in order too) are merged in, so nothing needs sorting afterwards.
  // Two buffers take turns as source and destination, with room for a bound at each end; a third
  // holds the scaled list. They are kept for the next call: fresh pages for every large list
  // cost more than the merging itself.
  thread_local std::vector<u64> buffers[3];
  for (std::vector<u64>& buffer : buffers) {
    if (buffer.size() < count + 2) buffer.resize(count + 2);
  }
  u64* divisors = buffers[0].data() + 1;
  u64* merged = buffers[1].data() + 1;
  u64* scaled = buffers[2].data();
  thread_local std::vector<u64> without_p;
  std::size_t size = 1;
  divisors[0] = 1;
  for (const PrimePower& power : powers) {
    without_p.assign(divisors, divisors + size);
    u64 factor = 1;
    for (std::size_t e = 1; e <= power.multiplicity; ++e) {
      factor *= power.prime;
      divisors[-1] = kBelowAll;
      divisors[size] = kAboveAll;
      MergeScaled(divisors, size, without_p.data(), without_p.size(), factor, scaled, merged);
      size += without_p.size();
      std::swap(divisors, merged);
    }
  }
  return std::vector<u64>(divisors, divisors + size);
}

}  // namespace ondavi
