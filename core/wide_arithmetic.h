#pragma once

// Integer arithmetic beyond what the language guarantees: the full 128-bit product of two 64-bit
// numbers, and signed 64-bit addition, subtraction and multiplication that report overflow.
// Each has a portable path in plain C++ and uses the compiler's own support where it has some
// (GCC and Clang builtins and 128-bit integers, Visual Studio's intrinsics); the portable paths
// are public so that tests can check them against the compiler's.
#include <cstdint>
#include <limits>

#if defined(_MSC_VER) && !defined(__clang__)
#include <intrin.h>
#endif

namespace ondavi {

struct Product128 {
  std::uint64_t high;
  std::uint64_t low;
};

namespace portable {

// Schoolbook multiplication on 32-bit halves.
constexpr Product128 MultiplyWide(std::uint64_t a, std::uint64_t b) {
  constexpr std::uint64_t kLow32 = 0xFFFFFFFFu;
  const std::uint64_t a_lo = a & kLow32, a_hi = a >> 32;
  const std::uint64_t b_lo = b & kLow32, b_hi = b >> 32;
  const std::uint64_t lo_lo = a_lo * b_lo;
  const std::uint64_t hi_lo = a_hi * b_lo;
  const std::uint64_t lo_hi = a_lo * b_hi;
  const std::uint64_t hi_hi = a_hi * b_hi;
  const std::uint64_t middle = (lo_lo >> 32) + (hi_lo & kLow32) + lo_hi;  // cannot overflow
  return {hi_hi + (hi_lo >> 32) + (middle >> 32), (middle << 32) | (lo_lo & kLow32)};
}

// Each stores x op y in *r and returns false, or returns true (overflow) and leaves *r alone.
constexpr bool AddOverflows(std::int64_t x, std::int64_t y, std::int64_t* r) {
  using limits = std::numeric_limits<std::int64_t>;
  if ((y > 0 && x > limits::max() - y) || (y < 0 && x < limits::min() - y)) return true;
  *r = x + y;
  return false;
}

constexpr bool SubtractOverflows(std::int64_t x, std::int64_t y, std::int64_t* r) {
  using limits = std::numeric_limits<std::int64_t>;
  if ((y < 0 && x > limits::max() + y) || (y > 0 && x < limits::min() + y)) return true;
  *r = x - y;
  return false;
}

constexpr bool MultiplyOverflows(std::int64_t x, std::int64_t y, std::int64_t* r) {
  using limits = std::numeric_limits<std::int64_t>;
  if (x != 0 && y != 0) {
    // Compare magnitudes in unsigned arithmetic, where |min| is representable.
    const auto magnitude = [](std::int64_t v) {
      return v < 0 ? 0 - static_cast<std::uint64_t>(v) : static_cast<std::uint64_t>(v);
    };
    const bool negative = (x < 0) != (y < 0);
    const std::uint64_t bound =
        negative ? static_cast<std::uint64_t>(limits::max()) + 1 : limits::max();
    if (magnitude(x) > bound / magnitude(y)) return true;
  }
  *r = static_cast<std::int64_t>(static_cast<std::uint64_t>(x) * static_cast<std::uint64_t>(y));
  return false;
}

}  // namespace portable

inline Product128 MultiplyWide(std::uint64_t a, std::uint64_t b) {
#if defined(__SIZEOF_INT128__)
  __extension__ typedef unsigned __int128 u128;
  const u128 product = static_cast<u128>(a) * b;
  return {static_cast<std::uint64_t>(product >> 64), static_cast<std::uint64_t>(product)};
#elif defined(_MSC_VER) && defined(_M_X64)
  std::uint64_t high = 0;
  const std::uint64_t low = _umul128(a, b, &high);
  return {high, low};
#elif defined(_MSC_VER) && defined(_M_ARM64)
  return {__umulh(a, b), a * b};
#else
  return portable::MultiplyWide(a, b);
#endif
}

#if defined(__GNUC__) || defined(__clang__)
inline bool AddOverflows(std::int64_t x, std::int64_t y, std::int64_t* r) {
  return __builtin_add_overflow(x, y, r);
}
inline bool SubtractOverflows(std::int64_t x, std::int64_t y, std::int64_t* r) {
  return __builtin_sub_overflow(x, y, r);
}
inline bool MultiplyOverflows(std::int64_t x, std::int64_t y, std::int64_t* r) {
  return __builtin_mul_overflow(x, y, r);
}
#else
using portable::AddOverflows;
using portable::MultiplyOverflows;
using portable::SubtractOverflows;
#endif

}  // namespace ondavi
