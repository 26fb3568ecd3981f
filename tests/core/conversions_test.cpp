#include "conversions.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <numeric>
#include <optional>
#include <random>
#include <string>

#include "failure.h"
#include "value.h"

namespace ondavi {
namespace {

TEST(Val, ReadsTheNumberAtTheStartOfTheText) {
  const struct {
    const char* text;
    double expected;
  } cases[] = {
      {"", 0},           {"-", 0},           {"abc", 0},         {"2.5", 2.5},       {"-3", -3},
      {"007", 7},        {"1 2", 12},        {" \t\n- 4", -4},   {"+5", 5},          {"--5", 0},
      {".5", 0.5},       {"-.5", -0.5},      {"1.", 1},          {".", 0},           {"1.2.3", 1.2},
      {"12abc", 12},     {"1e3", 1000},      {"1d3", 1000},      {"1E-2", 0.01},     {"1e", 1},
      {"1e+", 1},        {"2e1x", 20},       {"&HFFFF", -1},     {"&hff", 255},      {"&HA", 10},
      {"&H7FFF", 32767}, {"&H8000", -32768}, {"&H10000", 65536}, {"&HFFFFFFFF", -1}, {"&O17", 15},
      {"&o177777", -1},  {"&H", 0},          {"&X12", 0},        {"1e-400", 0},      {"3\r", 3},
      {"1,5", 1},
  };
  for (const auto& c : cases) EXPECT_EQ(Val(c.text), c.expected) << '"' << c.text << '"';
}

TEST(Val, FailsBeyondTheDoubleRange) {
  for (const char* text : {"1e400", "-1e309", "&H100000000", "&O40000000000"}) {
    EXPECT_THROW(Val(text), Failure) << text;
  }
  EXPECT_THROW(Val(std::string(400, '9')), Failure);
  EXPECT_EQ(Val("0." + std::string(400, '0') + "1"), 0);  // underflow is not a failure
}

TEST(DecimalFraction, IsTheFractionTheDigitsWriteInLowestTerms) {
  const struct {
    const char* text;
    double numerator, denominator;  // 0 and 0: not a decimal with a fractional part
  } cases[] = {
      {"0.25", 1, 4},
      {"-0.5", -1, 2},
      {"2.5", 5, 2},
      {"1e-3", 1, 1000},
      {"1.5E-1", 3, 20},
      {" 0 .1", 1, 10},
      {"00.0500", 1, 20},
      {".00000095367431640625", 1, 1048576},  // 5^20 over 10^20
      {"0.1234567890123456", 19290123283179, 156250000000000},
      {"12345678901234.56", 308641972530864, 25},
      {"2", 0, 0},
      {"2.000", 0, 0},
      {"1.5e2", 0, 0},
      {"-0.0", 0, 0},
      {"&H10", 0, 0},
      {"1.5x", 0, 0},
      {"", 0, 0},
  };
  for (const auto& c : cases) {
    const std::optional<Fraction> f = DecimalFraction(c.text);
    EXPECT_EQ(f ? f->numerator : 0, c.numerator) << c.text;
    EXPECT_EQ(f ? f->denominator : 0, c.denominator) << c.text;
  }
  for (const char* text : {"1e-400", "0.12345678901234567", "4503599627370496.5", "1e-23"}) {
    EXPECT_THROW(DecimalFraction(text), Failure) << text;
  }
}

TEST(BoxText, HasNoSignPositionAndAtMostFifteenDigits) {
  const struct {
    Value value;
    const char* expected;
  } cases[] = {
      {Value(), ""},
      {Value::Integer(0), "0"},
      {Value::Integer(-42), "-42"},
      {Value::Double(13.0 / 6.0), "2.16666666666667"},
      {Value::Double(2.0 / 3.0), "0.666666666666667"},
      {Value::Double(1.0 / 15.0), "0.0666666666666667"},
      {Value::Double(-0.5), "-0.5"},
      {Value::Double(-0.0), "0"},
      {Value::Double(3.5), "3.5"},
      {Value::Double(100), "100"},
      {Value::Double(4000000000.0), "4000000000"},
      {Value::Double(999999999999999.0), "999999999999999"},
      // Whole numbers below 2^53 with all their digits; others to 15 significant digits.
      {Value::Double(1e15), "1000000000000000"},
      {Value::Double(-2999999999999999.0), "-2999999999999999"},
      {Value::Double(9007199254740991.0), "9007199254740991"},
      {Value::Double(9007199254740992.0), "9.00719925474099E+15"},
      {Value::Double(999999999999999.67), "1E+15"},
      {Value::Double(1.2e16), "1.2E+16"},
      {Value::Double(1e-15), "0.000000000000001"},
      {Value::Double(1e-16), "1E-16"},
      {Value::Double(-2.5e-20), "-2.5E-20"},
      {Value::Double(1e300), "1E+300"},
      // Rounded from the double's exact value: up through nines, and half-way by what lies
      // beyond its shortest digits (…44.5 exactly, to even; …76.55 lies just below).
      {Value::Double(0.99999999999999994), "1"},
      {Value::Double(0.1 + 0.2), "0.3"},
      {Value::Double(123456789012345.5), "123456789012346"},
      {Value::Double(123456789012344.5), "123456789012344"},
      {Value::Double(98765432109876.55), "98765432109876.5"},
  };
  for (const auto& c : cases) EXPECT_EQ(BoxText(c.value), c.expected) << c.expected;
  EXPECT_EQ(BoxText(Value::Double(0.8), ','), "0,8");
  EXPECT_EQ(BoxText(IntDiv(Value(), Value::Integer(2))), "0");
}

// num / den, whole numbers from 1 below 2^53 with a quotient below 1E+15, rounded once to 15
// significant digits, halves up: long division a digit at a time, as "digits" "e" "exponent".
std::string RoundedQuotient(std::uint64_t num, std::uint64_t den) {
  std::uint64_t rest = num % den;
  std::string digits = num >= den ? std::to_string(num / den) : "";
  int exponent = 0;
  while (digits.size() < 15) {
    rest *= 10;
    --exponent;
    const auto digit = static_cast<char>('0' + rest / den);
    rest %= den;
    if (!digits.empty() || digit != '0') digits += digit;
  }
  const std::uint64_t kept = std::stoull(digits) + (2 * rest >= den ? 1 : 0);
  return std::to_string(kept) + "e" + std::to_string(exponent);
}

// A box's decimal from 1E-4 up to below 1E+15 is printf's "%.15g" of the same double: its exact
// value rounded to 15 significant digits, half-way to even. Quotients of whole numbers below
// 2^53, as answers are, and doubles of any bit pattern in that range. An answer's decimal is
// rounded once from the exact quotient, halves away from zero: printf's "%.15g" of the double
// nearest those 15 digits.
TEST(BoxText, DecimalsAgreeWithPrintf) {
  std::mt19937_64 random(20261209);
  const auto whole = [&random] { return random() % (std::uint64_t{1} << (1 + random() % 53)) + 1; };
  std::array<char, 64> expected{};
  for (int i = 0; i < 200000; ++i) {
    std::uint64_t num = whole(), den = whole();
    const std::uint64_t common = std::gcd(num, den);  // in lowest terms, as answers are
    num /= common;
    den /= common;
    double d = static_cast<double>(num) / static_cast<double>(den);
    if (i % 2 == 0 && d >= 1e-4 && d < 1e15) {
      std::snprintf(expected.data(), expected.size(), "%.15g",
                    std::strtod(RoundedQuotient(num, den).c_str(), nullptr));
      ASSERT_EQ(QuotientText(i % 4 == 0, num, den),
                (i % 4 == 0 ? "-" : "") + std::string(expected.data()))
          << num << "/" << den;
    }
    if (i % 2 == 1) {  // a double of any mantissa with an exponent around the range
      const std::uint64_t bits = (random() % 120 + 1003) << 52 | random() >> 12;
      std::memcpy(&d, &bits, sizeof d);
    }
    if (!(d >= 1e-4 && d < 1e15)) continue;
    std::snprintf(expected.data(), expected.size(), "%.15g", d);
    ASSERT_EQ(BoxText(Value::Double(d)), expected.data()) << std::hexfloat << d;
  }
}

// Exact references, rounded once from the exact quotient: where the nearest double lies across a
// half-way point from it (12/17 is 0.70588235294117647…, its double rounds to …177), and
// exactly half-way, away from zero.
TEST(QuotientText, RoundsTheExactQuotientOnce) {
  const struct {
    bool negative;
    std::uint64_t num, den;
    const char* expected;
  } cases[] = {
      {false, 12, 17, "0.705882352941176"},
      {false, 2, 89, "0.0224719101123596"},
      {true, 2424, 143, "-16.951048951049"},
      {false, 3, 20971520, "0.000000143051147460938"},  // 1.430511474609375E-7 exactly
      {true, 3, 20971520, "-0.000000143051147460938"},
      {false, 1999999999999999, 2, "1E+15"},                // 999999999999999.5, up through nines
      {false, 9007199254740991, 2, "4.5035996273705E+15"},  // not a whole number
      {false, 1, 9007199254740991, "1.11022302462516E-16"},
      {false, 1, 1000000000000000, "0.000000000000001"},
      {false, 13, 6, "2.16666666666667"},
      {false, 1, 8, "0.125"},
      {true, 2, 1, "-2"},
      {false, 9007199254740991, 1, "9007199254740991"},
      {true, 0, 7, "0"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(QuotientText(c.negative, c.num, c.den), c.expected) << c.num << "/" << c.den;
  }
  EXPECT_EQ(QuotientText(false, 5, 2, ','), "2,5");
}

TEST(Str, CarriesASignPositionAndAlwaysAPoint) {
  const struct {
    Value value;
    const char* expected;
  } cases[] = {
      {Value(), " 0"},
      {Value::Integer(0), " 0"},
      {Value::Integer(5), " 5"},
      {Value::Integer(-6), "-6"},
      {Value::Double(0.5), " 0.5"},
      {Value::Double(-0.0), " 0"},
      {Value::Double(-2.25), "-2.25"},
      {Value::Double(1e15), " 1000000000000000"},
      {Value::Double(1e16), " 1E+16"},
  };
  for (const auto& c : cases) EXPECT_EQ(Str(c.value), c.expected) << c.expected;
}

TEST(IntDiv, RoundsHalfToEvenAndTruncatesTheQuotient) {
  const struct {
    double a, b;
    std::int64_t expected;
  } cases[] = {
      {7, 2, 3},
      {-7, 2, -3},
      {2.5, 1, 2},
      {3.5, 1, 4},
      {7, 2.5, 3},
      {-2147483648.5, 1, -2147483648},
      {2147483647.4, 1, 2147483647},
      {-2147483648.0, -1, 2147483648},
  };
  for (const auto& c : cases) {
    const Value q = IntDiv(Value::Double(c.a), Value::Double(c.b));
    EXPECT_EQ(q.kind(), Value::Kind::kInteger);
    EXPECT_EQ(q.AsInteger(), c.expected) << c.a << " \\ " << c.b;
  }
  EXPECT_EQ(IntDiv(Value(), Value::Integer(2)).AsInteger(), 0);
}

TEST(ValueOperations, EachFailsWhereItMust) {
  const Value big = Value::Double(std::numeric_limits<double>::max());
  const Value zero = Value::Integer(0);
  const Value two = Value::Integer(2);
  EXPECT_THROW(big + big, Failure);
  EXPECT_THROW(Value::Integer(0) - big - big, Failure);
  EXPECT_THROW(big * two, Failure);
  EXPECT_THROW(two / zero, Failure);
  EXPECT_THROW(two / Value(), Failure);
  EXPECT_THROW(big / Value::Double(0.5), Failure);
  EXPECT_THROW(IntDiv(Value::Integer(5), zero), Failure);
  EXPECT_THROW(IntDiv(Value::Integer(5), Value::Double(0.4)), Failure);  // rounds to 0
  EXPECT_THROW(IntDiv(Value::Double(2147483647.5), two), Failure);
  EXPECT_THROW(IntDiv(Value::Double(-2147483649.0), two), Failure);
  EXPECT_THROW(IntDiv(two, Value::Double(4e9)), Failure);
}

TEST(ValueOperations, EmptyCountsAsZeroAndIntegersWiden) {
  EXPECT_EQ((Value() + Value()).kind(), Value::Kind::kInteger);
  EXPECT_TRUE(Value() == Value::Integer(0));
  EXPECT_TRUE(Value() < Value::Integer(1));
  EXPECT_EQ(Int(Value()).AsInteger(), 0);
  EXPECT_EQ(Abs(Value()).AsInteger(), 0);
  EXPECT_EQ(Int(Value::Double(2.5)).ToDouble(), 2);
  EXPECT_EQ(Int(Value::Double(-2.5)).ToDouble(), -3);
  EXPECT_EQ(Int(Value::Double(-2)).ToDouble(), -2);
  const Value huge = Value::Integer(std::numeric_limits<std::int64_t>::max());
  const Value sum = huge + Value::Integer(1);
  EXPECT_EQ(sum.kind(), Value::Kind::kDouble);
  EXPECT_EQ(sum.ToDouble(), 9223372036854775808.0);
  EXPECT_EQ((huge * huge).kind(), Value::Kind::kDouble);
  EXPECT_EQ(Abs(Value::Integer(std::numeric_limits<std::int64_t>::min())).ToDouble(),
            9223372036854775808.0);
}

}  // namespace
}  // namespace ondavi
