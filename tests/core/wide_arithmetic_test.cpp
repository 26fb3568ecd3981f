// The portable paths of the wide and checked integer arithmetic give what the compiler's own
// 128-bit integers and overflow builtins give, on edge values and on random ones.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <random>
#include <vector>

#include "wide_arithmetic.h"

namespace ondavi {
namespace {

#if defined(__SIZEOF_INT128__) && (defined(__GNUC__) || defined(__clang__))
__extension__ typedef unsigned __int128 u128;

std::vector<std::uint64_t> Samples() {
  using limits = std::numeric_limits<std::int64_t>;
  std::vector<std::uint64_t> samples = {0,
                                        1,
                                        2,
                                        0xFFFFFFFFu,
                                        0x100000000u,
                                        static_cast<std::uint64_t>(limits::max()),
                                        static_cast<std::uint64_t>(limits::min()),
                                        static_cast<std::uint64_t>(limits::min()) + 1,
                                        ~std::uint64_t{0},
                                        ~std::uint64_t{0} - 1};
  std::mt19937_64 rng(53);
  for (int i = 0; i < 2000; ++i) samples.push_back(rng() >> (rng() % 64));
  return samples;
}

TEST(WideArithmetic, PortablePathsAgreeWithTheCompilers) {
  const std::vector<std::uint64_t> samples = Samples();
  for (std::size_t i = 0; i < samples.size(); ++i) {
    const std::uint64_t a = samples[i];
    for (std::uint64_t b : {samples[(i * 7 + 3) % samples.size()], samples[i % 10]}) {
      const u128 product = static_cast<u128>(a) * b;
      const Product128 wide = portable::MultiplyWide(a, b);
      ASSERT_EQ(wide.high, static_cast<std::uint64_t>(product >> 64)) << a << " * " << b;
      ASSERT_EQ(wide.low, static_cast<std::uint64_t>(product)) << a << " * " << b;

      const auto x = static_cast<std::int64_t>(a), y = static_cast<std::int64_t>(b);
      const struct {
        const char* name;
        bool (*portable)(std::int64_t, std::int64_t, std::int64_t*);
        bool (*builtin)(std::int64_t, std::int64_t, std::int64_t*);
      } operations[] = {
          {"+", portable::AddOverflows, AddOverflows},
          {"-", portable::SubtractOverflows, SubtractOverflows},
          {"*", portable::MultiplyOverflows, MultiplyOverflows},
      };
      for (const auto& op : operations) {
        std::int64_t expected = 0, result = 0;
        const bool overflows = op.builtin(x, y, &expected);
        ASSERT_EQ(op.portable(x, y, &result), overflows) << x << op.name << y;
        ASSERT_TRUE(overflows || result == expected) << x << op.name << y;
      }
    }
  }
}
#endif

}  // namespace
}  // namespace ondavi
