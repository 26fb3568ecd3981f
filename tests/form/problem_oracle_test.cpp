// Random whole problems, as typed and pasted, against a second reader written here from the
// README's rules alone: the calculator takes a line exactly when that reader does, and every
// answer it gives is the exact value that reader works out.
#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <string>
#include <vector>

#include "box_panel.h"
#include "exact_fraction.h"
#include "form_actions.h"
#include "recording_prompt.h"
#include "statement.h"

namespace ondavi::form {
namespace {

using testing::Fraction;
using testing::Int;

// ---- The second reader -------------------------------------------------------------------

std::u32string Decoded(const std::string& utf8) {  // the lines made below are sound UTF-8
  std::u32string out;
  for (std::size_t i = 0; i < utf8.size();) {
    const auto b = static_cast<unsigned char>(utf8[i]);
    const int n = b < 0x80 ? 1 : b < 0xE0 ? 2 : b < 0xF0 ? 3 : 4;
    char32_t c = n == 1 ? b : b & (0xFF >> (n + 1));
    for (int k = 1; k < n; ++k) c = (c << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
    out += c;
    i += static_cast<std::size_t>(n);
  }
  return out;
}

bool In(char32_t c, std::u32string_view set) {
  return set.find(c) != std::u32string_view::npos;
}
const std::u32string_view kBlanks = U" \t\u00A0\u2007\u2009\u202F\u3000";
const std::u32string_view kLineEnds = U"\r\n\v\f\u0085\u2028\u2029";

// The README's signs, each as the plain one it stands for.
char32_t Plain(char32_t c) {
  if (c >= U'\uFF10' && c <= U'\uFF19') return U'0' + (c - U'\uFF10');
  if (In(c, U"xX*\u00D7\u00B7\u22C5\uFF0A\uFF38\uFF58")) return U'x';
  if (In(c, U"\u00F7:\u2236\uFF1A")) return U'\u00F7';
  if (In(c, U"\u2212\u2013\uFF0D")) return U'-';
  if (In(c, U"\u2215\uFF0F")) return U'/';
  if (c == U'\uFF0B') return U'+';
  if (c == U'\uFF08') return U'(';
  if (c == U'\uFF09') return U')';
  if (c == U'\uFF1D') return U'=';
  if (c == U'\uFF0E') return U'.';
  if (c == U'\uFF05') return U'%';
  if (c == U'\uFF1F') return U'?';
  return c;
}

struct Vulgar {
  char32_t c;
  int num, den;
};
constexpr Vulgar kVulgars[] = {{U'\u00BD', 1, 2}, {U'\u00BC', 1, 4}, {U'\u00BE', 3, 4},
                               {U'\u2153', 1, 3}, {U'\u215E', 7, 8}, {U'\u2189', 0, 3}};
const Vulgar* VulgarOf(char32_t c) {
  for (const Vulgar& v : kVulgars) {
    if (v.c == c) return &v;
  }
  return nullptr;
}

bool IsDigit(char32_t c) {
  return c >= U'0' && c <= U'9';
}

// Reads by recursive descent: expression = term {(+ | -) term}, term = factor {(x | / | ÷)
// factor}, factor = "(" expression ")" | operand. Nothing on a refusal.
class SecondReader {
 public:
  explicit SecondReader(const std::string& line) {
    std::u32string t = Decoded(line);
    std::size_t b = 0, e = t.size();
    while (b < e && (In(t[b], kBlanks) || In(t[b], kLineEnds))) ++b;
    while (e > b && (In(t[e - 1], kBlanks) || In(t[e - 1], kLineEnds))) --e;
    for (std::size_t k = b; k < e; ++k) t_ += Plain(t[k]);
  }

  // The exact value, or nothing for a line that is no whole problem; `zero_denominator` when
  // an operand is written over 0.
  std::optional<Fraction> Value(bool& zero_denominator) {
    for (char32_t c : t_) {
      if (In(c, kLineEnds)) return std::nullopt;  // a line end inside the problem
    }
    std::optional<Fraction> v = Expression();
    Blanks();
    if (Is(U'=')) {  // "=", or "= ?"
      ++i_;
      Blanks();
      if (Is(U'?')) ++i_;
      Blanks();
    }
    // One number alone is a problem, unless a whole number: a box is being filled with it.
    if (!v || i_ != t_.size() || (operators_ == 0 && whole_)) return std::nullopt;
    zero_denominator = zero_denominator_;
    return v;
  }

 private:
  bool Is(char32_t c) const { return i_ < t_.size() && t_[i_] == c; }
  bool Digit(std::size_t at) const { return at < t_.size() && IsDigit(t_[at]); }
  bool Blank(std::size_t at) const { return at < t_.size() && In(t_[at], kBlanks); }
  bool Blanks() {
    const std::size_t from = i_;
    while (Blank(i_)) ++i_;
    return i_ > from;
  }
  Int Number(std::size_t from, std::size_t to) const {
    Int n = 0;
    for (std::size_t k = from; k < to; ++k) n = n * 10 + (t_[k] - U'0');
    return n;
  }
  std::size_t DigitsEnd(std::size_t from) const {
    while (Digit(from)) ++from;
    return from;
  }

  // Whether a number ending at `end` runs on into another: a point, a vulgar fraction, or a
  // slash with a digit after it ("1/2/3", "1.5/2").
  bool RunsOn(std::size_t end) const {
    if (end >= t_.size()) return false;
    return t_[end] == U'.' || VulgarOf(t_[end]) || (In(t_[end], U"/\u2044") && Digit(end + 1));
  }

  std::optional<Fraction> Expression() {
    std::optional<Fraction> v = Term();
    for (;;) {
      const std::size_t before = i_;
      Blanks();
      if (!v || !(Is(U'+') || Is(U'-'))) {
        i_ = before;
        return v;
      }
      const bool add = Is(U'+');
      ++i_;
      ++operators_;
      const std::optional<Fraction> w = Term();
      if (!w) return std::nullopt;
      v = Fraction{add ? v->num * w->den + w->num * v->den : v->num * w->den - w->num * v->den,
                   v->den * w->den};
    }
  }

  std::optional<Fraction> Term() {
    std::optional<Fraction> v = Factor();
    for (;;) {
      const std::size_t before = i_;
      const bool blank_before = Blanks();
      if (!v || !(Is(U'x') || Is(U'/') || Is(U'\u00F7'))) {
        i_ = before;
        return v;
      }
      // A "/" between operands needs a blank beside it or a bracket next to it.
      if (Is(U'/') && !blank_before && !Blank(i_ + 1) && t_[before - 1] != U')' &&
          !(i_ + 1 < t_.size() && t_[i_ + 1] == U'(')) {
        return std::nullopt;
      }
      const bool times = Is(U'x');
      ++i_;
      ++operators_;
      const std::optional<Fraction> w = Factor();
      if (!w) return std::nullopt;
      v = times ? Fraction{v->num * w->num, v->den * w->den}
                : Fraction{v->num * w->den, v->den * w->num};
      if (v->den == 0) division_by_zero_ = true, v->den = 1;
    }
  }

  std::optional<Fraction> Factor() {
    Blanks();
    if (Is(U'(')) {
      ++i_;
      std::optional<Fraction> v = Expression();
      Blanks();
      if (!v || !Is(U')')) return std::nullopt;
      ++i_;
      return v;
    }
    std::optional<Fraction> v = Operand();
    if (v && Is(U'%')) {  // a percent: hundredths
      ++i_;
      whole_ = false;
      v->den *= 100;
    }
    return v;
  }

  // A fraction at i_: digits, a slash, digits; or a vulgar fraction. Not followed by a digit,
  // a point or another slash with a digit after it, which would make it two things at once.
  std::optional<Fraction> FractionHere() {
    if (const Vulgar* v = i_ < t_.size() ? VulgarOf(t_[i_]) : nullptr) {
      ++i_;
      if (Digit(i_) || Is(U'.')) return std::nullopt;
      return Fraction{v->num, v->den};
    }
    const std::size_t slash = DigitsEnd(i_);
    if (slash == i_ || slash >= t_.size() || !In(t_[slash], U"/\u2044") || !Digit(slash + 1)) {
      return std::nullopt;
    }
    const std::size_t end = DigitsEnd(slash + 1);
    if (RunsOn(end)) return std::nullopt;
    const Fraction f{Number(i_, slash), Number(slash + 1, end)};
    i_ = end;
    return f;
  }

  // Whole numbers (5, 1.5), fractions (2/3, ½) and mixed numbers (3 1/4, 1½), each with a
  // minus sign right before it or not; a mixed number's numerator has no leading zero and is
  // less than twice its denominator.
  std::optional<Fraction> Operand() {
    whole_ = false;
    const bool negative = Is(U'-');
    if (negative) ++i_;
    const int sign = negative ? -1 : 1;
    const std::size_t start = i_;
    if (std::optional<Fraction> f = FractionHere()) return Signed(*f, sign);
    i_ = start;
    const std::size_t whole_end = DigitsEnd(i_);
    if (whole_end < t_.size() && t_[whole_end] == U'.') {  // a decimal
      const std::size_t end = DigitsEnd(whole_end + 1);
      if (end == whole_end + 1 && whole_end == start) return std::nullopt;
      if (RunsOn(end)) return std::nullopt;
      Int den = 1;
      for (std::size_t k = whole_end + 1; k < end; ++k) den *= 10;
      i_ = end;
      return Fraction{sign * (Number(start, whole_end) * den + Number(whole_end + 1, end)), den};
    }
    if (whole_end == start) return std::nullopt;
    const Int whole = Number(start, whole_end);
    i_ = whole_end;
    // A mixed number: blanks (or none before a vulgar fraction), then a fraction.
    const bool vulgar_next = i_ < t_.size() && VulgarOf(t_[i_]);
    const bool blanks = Blanks();
    const std::size_t fraction_start = i_;
    if (blanks || vulgar_next) {
      if (std::optional<Fraction> f = FractionHere()) {
        const bool vulgar = VulgarOf(t_[fraction_start]) != nullptr;
        const bool leading_zero =
            !vulgar && t_[fraction_start] == U'0' && Digit(fraction_start + 1);
        if (leading_zero || (f->den != 0 && f->num >= 2 * f->den)) return std::nullopt;
        if (f->den == 0) return Signed(*f, sign);
        return Fraction{sign * (whole * f->den + f->num), f->den};
      }
    }
    i_ = whole_end;
    whole_ = true;
    return Fraction{sign * whole, 1};
  }

  Fraction Signed(Fraction f, int sign) {
    if (f.den == 0) zero_denominator_ = true, f.den = 1, f.num = 0;
    return Fraction{sign * f.num, f.den};
  }

  std::u32string t_;
  std::size_t i_ = 0;
  int operators_ = 0;
  bool zero_denominator_ = false;
  bool division_by_zero_ = false;
  bool whole_ = false;  // the last operand read is a whole number, with no point or percent
};

// ---- Random problems ---------------------------------------------------------------------

template <std::size_t N>
const char* Pick(std::mt19937& rng, const char* const (&options)[N]) {
  return options[rng() % N];
}

const char* const kBlankTexts[] = {" ",      " ",      " ",      "\t",    "\u00A0",
                                   "\u2007", "\u2009", "\u202F", "\u3000"};
const char* const kLineEndTexts[] = {"\n", "\r\n", "\u2028", "\u2029", "\u0085"};

std::string Digits(std::mt19937& rng, unsigned value) {
  std::string plain = std::to_string(value), out;
  const bool wide = rng() % 8 == 0;  // full-width digits
  for (char d : plain) {
    out +=
        wide ? std::string("\xEF\xBC") + static_cast<char>('\x90' + (d - '0')) : std::string(1, d);
  }
  return out;
}

std::string RandomOperand(std::mt19937& rng) {
  const std::string sign = rng() % 4 == 0 ? Pick(rng, {"-", "\u2212", "\u2013"}) : "";
  const unsigned den = 1 + static_cast<unsigned>(rng() % 12);
  // Now and then a numerator a mixed number may not have: 2 or more times the denominator, or
  // with a leading zero.
  const unsigned num = rng() % 6 == 0 ? static_cast<unsigned>(rng() % (4 * den))
                                      : static_cast<unsigned>(rng() % (2 * den));
  const std::string fraction = (rng() % 10 == 0 ? "0" : "") + Digits(rng, num) +
                               Pick(rng, {"/", "/", "\u2044"}) +
                               Digits(rng, rng() % 20 == 0 ? 0 : den);
  const std::string whole = Digits(rng, static_cast<unsigned>(rng() % 200));
  switch (rng() % 7) {
    case 0:
      return sign + whole;
    case 1:
      return sign + whole + "." + Digits(rng, static_cast<unsigned>(rng() % 1000));
    case 2:
      return sign + fraction;
    case 3:
      return sign + whole + Pick(rng, kBlankTexts) + fraction;
    case 4:
      return sign + Pick(rng, {"\u00BD", "\u00BC", "\u00BE", "\u2153", "\u215E", "\u2189"});
    case 5:
      return sign + whole + Pick(rng, {"", " "}) + Pick(rng, {"\u00BD", "\u00BE", "\u215E"});
    default:
      return sign + "." + Digits(rng, static_cast<unsigned>(1 + rng() % 99));
  }
}

// Now and then a percent of one.
std::string RandomPercentOrOperand(std::mt19937& rng) {
  const std::string operand = RandomOperand(rng);
  return rng() % 8 == 0 ? operand + Pick(rng, {"%", "\uFF05"}) : operand;
}

std::string RandomOperator(std::mt19937& rng) {
  switch (rng() % 4) {
    case 0:
      return Pick(rng, {"+", "\uFF0B"});
    case 1:
      return Pick(rng, {"-", "\u2212", "\u2013", "\uFF0D"});
    case 2:
      return Pick(rng, {"x", "X", "*", "\u00D7", "\u00B7", "\u22C5", "\uFF58"});
    default:
      return Pick(rng, {"/", "/", "\u00F7", ":", "\u2215", "\uFF0F"});
  }
}

std::string Blank(std::mt19937& rng) {
  return rng() % 5 == 0 ? "" : Pick(rng, kBlankTexts);
}

// A problem of `operands` operands, with brackets now and then.
std::string RandomExpression(std::mt19937& rng, int operands) {
  if (operands == 1) return RandomPercentOrOperand(rng);
  const int left = 1 + static_cast<int>(rng() % static_cast<unsigned>(operands - 1));
  std::string a = RandomExpression(rng, left), b = RandomExpression(rng, operands - left);
  if (left > 1 && rng() % 2) a = Pick(rng, {"(", "\uFF08"}) + a + Pick(rng, {")", "\uFF09"});
  if (operands - left > 1 && rng() % 2) b = "(" + b + ")";
  return a + Blank(rng) + RandomOperator(rng) + Blank(rng) + b;
}

// What a paste or a typing slip adds: line ends, a stray digit, bracket or blank, a lost one.
std::string Disturbed(std::string line, std::mt19937& rng) {
  const auto at = [&] {
    std::size_t k = rng() % (line.size() + 1);
    while (k < line.size() && (static_cast<unsigned char>(line[k]) >> 6) == 2) ++k;
    return k;
  };
  switch (rng() % 10) {
    case 0:
      return line.insert(at(), Pick(rng, kLineEndTexts));
    case 1:
      return line.insert(at(), Pick(rng, {"1", "0", "(", ")", " ", "-", "=", "/"}));
    case 2: {
      const std::size_t k = at();
      if (k < line.size() && static_cast<unsigned char>(line[k]) < 0x80) line.erase(k, 1);
      return line;
    }
    case 3:
      return Pick(rng, kLineEndTexts) + line + Pick(rng, kLineEndTexts);
    case 4:
      return line + Blank(rng) + Pick(rng, {"=", "= ?", "=?", "\uFF1D\uFF1F"});
    default:
      return line;
  }
}

struct Session {
  Module1 module;
  InMemoryBoxPanel boxes;
  testing::RecordingPrompt prompt;
  FormActions actions{module, boxes, prompt};
};

TEST(SecondReader, AgreesOnEveryProblemAndEveryAnswerIsItsExactValue) {
  std::mt19937 rng(20261210);
  int answered = 0, refused = 0;
  for (int run = 0; run < 20000; ++run) {
    const std::string line = Disturbed(RandomExpression(rng, 1 + static_cast<int>(rng() % 5)), rng);
    bool zero_denominator = false;
    const std::optional<Fraction> expected = SecondReader(line).Value(zero_denominator);
    const std::optional<Problem> problem = ReadProblem(line);
    ASSERT_EQ(problem.has_value(), expected.has_value()) << line;
    if (!problem) {
      ++refused;
      continue;
    }
    ASSERT_EQ(problem->zero_denominator, zero_denominator) << line;
    Session s;
    ASSERT_TRUE(s.actions.Solve(line)) << line;
    if (!s.prompt.shown.empty()) continue;  // too large, or a division by zero
    const Fraction value = testing::Normalised(*expected);
    EXPECT_TRUE(testing::Number(s.boxes.Text(Box::Text7)) == value.num &&
                testing::Number(s.boxes.Text(Box::Text8)) == value.den)
        << line << " = " << s.boxes.Text(Box::Text7) << "/" << s.boxes.Text(Box::Text8);
    ++answered;
  }
  EXPECT_GT(answered, 5000);
  EXPECT_GT(refused, 2000);
}

// Random statements of two random problems: each link's verdict is the one the sides' exact
// values, worked here by the second reader, decide.
TEST(SecondReader, JudgesEveryStatementByItsSidesExactValues) {
  std::mt19937 rng(20261211);
  const struct {
    const char* sign;
    int holds_for;  // a bit for each order: 1 for less, 2 for equal, 4 for greater
  } relations[] = {{"<", 1},      {">", 4},      {"=", 2},      {"<=", 3},
                   {">=", 6},     {"!=", 5},     {"\u2264", 3}, {"\u2265", 6},
                   {"\u2260", 5}, {"\uFF1D", 2}, {"\uFF1C", 1}, {"\uFF1E", 4}};
  int judged_count = 0;
  for (int run = 0; run < 5000; ++run) {
    const std::string left = RandomExpression(rng, 1 + static_cast<int>(rng() % 3));
    const std::string right = RandomExpression(rng, 1 + static_cast<int>(rng() % 3));
    const auto& relation = relations[rng() % std::size(relations)];
    const std::string line = left + Blank(rng) + relation.sign + Blank(rng) + right;
    bool zero_left = false, zero_right = false;
    const std::optional<Fraction> a = SecondReader(left).Value(zero_left);
    const std::optional<Fraction> b = SecondReader(right).Value(zero_right);
    Judged judged;
    ASSERT_TRUE(JudgeStatement(line, '.', {}, judged)) << line;
    // A whole number alone is a side too, which the second reader, reading problems, refuses.
    if (!a || !b) continue;
    ASSERT_TRUE(judged.read) << line;
    if (zero_left || zero_right || !judged.verdict.decided) continue;  // no answer
    const Fraction x = testing::Normalised(*a), y = testing::Normalised(*b);
    const Int l = x.num * y.den, r = y.num * x.den;
    const int order = l < r ? 1 : l == r ? 2 : 4;
    EXPECT_EQ(judged.verdict.holds, (relation.holds_for & order) != 0) << line;
    ++judged_count;
  }
  EXPECT_GT(judged_count, 2000);
}

}  // namespace
}  // namespace ondavi::form
