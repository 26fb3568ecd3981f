// Drives Calculate with arbitrary box texts, one to four calculations in a row on one module
// state, and aborts on any answer the calculator must never give.
//
// Input: lines separated by '\n'. The first line picks the operators, one character per
// calculation ("+", "-", "x", "/"; any other byte picks by its value modulo 4); each calculation
// then takes the next six lines as Text1 to Text6 (missing lines are empty boxes).
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <numeric>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "box_panel.h"
#include "calculate.h"
#include "message_prompt.h"
#include "module1.h"

namespace {

using ondavi::Box;
__extension__ typedef __int128 i128;

constexpr std::size_t kLineEditLimit = 32767;  // characters a text box holds
constexpr i128 kExactLimit = i128{1} << 53;    // doubles hold every whole number below this

class RecordingPrompt : public ondavi::MessagePrompt {
 public:
  void Show(const std::string& prompt) override { shown.push_back(prompt); }
  std::vector<std::string> shown;
};

[[noreturn]] void Violation(const char* what, const ondavi::InMemoryBoxPanel& boxes) {
  std::fprintf(stderr, "VIOLATION: %s\n", what);
  for (int i = 1; i <= ondavi::kBoxCount; ++i) {
    std::fprintf(stderr, "  Text%d = \"%s\"\n", i, boxes.Text(static_cast<Box>(i)).c_str());
  }
  std::abort();
}

std::vector<std::string_view> Lines(std::string_view input) {
  std::vector<std::string_view> lines;
  for (std::size_t start = 0; start <= input.size();) {
    const std::size_t end = std::min(input.find('\n', start), input.size());
    lines.push_back(input.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

const char* OperatorOf(char c) {
  static const char* const kOperators[] = {"+", "-", "x", "/"};
  switch (c) {
    case '+':
      return "+";
    case '-':
      return "-";
    case 'x':
      return "x";
    case '/':
      return "/";
    default:
      return kOperators[static_cast<unsigned char>(c) % 4];
  }
}

bool IsDigits(std::string_view s) {
  return !s.empty() && s.find_first_not_of("0123456789") == std::string_view::npos;
}

// A digit string below 2^53, as a number; nothing for anything else.
std::optional<i128> SmallNumber(std::string_view s) {
  if (s.empty()) return i128{0};
  if (!IsDigits(s)) return std::nullopt;
  i128 n = 0;
  for (char c : s) {
    n = n * 10 + (c - '0');
    if (n >= kExactLimit) return std::nullopt;
  }
  return n;
}

i128 Abs(i128 x) {
  return x < 0 ? -x : x;
}
i128 Gcd(i128 a, i128 b) {
  a = Abs(a), b = Abs(b);
  while (b != 0) a = std::exchange(b, a % b);
  return a;
}

struct Exact {
  i128 num, den;  // unreduced, as the calculator forms them; den > 0 after the divisor's sign
  bool divides_by_zero = false;
  bool too_large = false;  // a number the calculation forms reaches 2^53 in magnitude
};

// A whole-number box of digits with an optional decimal part, as the exact fraction it writes in
// lowest terms; nothing for anything else, or for parts of more than 30 digits.
std::optional<std::pair<i128, i128>> WholeFraction(std::string_view whole) {
  const std::size_t point = whole.find('.');
  const std::string_view before = whole.substr(0, point);
  const std::string_view after =
      point == std::string_view::npos ? std::string_view() : whole.substr(point + 1);
  if ((before.empty() && after.empty()) || before.size() + after.size() > 30 ||
      !(before.empty() || IsDigits(before)) || !(after.empty() || IsDigits(after))) {
    return std::nullopt;
  }
  i128 p = 0, q = 1;
  for (char c : before) p = p * 10 + (c - '0');
  for (char c : after) p = p * 10 + (c - '0'), q *= 10;
  const i128 g = Gcd(p, q);
  return std::pair{p / g, q / g};
}

// The operand as an improper fraction over its denominator (times that of a decimal whole
// number), 1 over 0 for a numerator over an empty or zero denominator, or nothing when a box is
// not simple.
std::optional<std::pair<i128, i128>> Operand(std::string_view whole, std::string_view num,
                                             std::string_view den) {
  const auto d = SmallNumber(den);
  const auto n = SmallNumber(num);
  if (!d || !n) return std::nullopt;
  const bool over_zero = *d == 0 && *n != 0;
  const i128 fd = *d == 0 ? 1 : *d;
  const i128 fn = *n;
  if (whole == "-") return over_zero ? std::pair<i128, i128>{1, 0} : std::pair{-fn, fd};
  if (whole.empty()) return over_zero ? std::pair<i128, i128>{1, 0} : std::pair{fn, fd};
  const bool negative = whole[0] == '-';
  const auto w = WholeFraction(negative ? whole.substr(1) : whole);
  // A whole part of 2^53 or more over either line is refused before anything is formed; beyond
  // it the products below would not fit 128 bits either.
  if (!w || !(Abs(w->first) < kExactLimit) || !(w->second < kExactLimit)) return std::nullopt;
  if (over_zero) return std::pair<i128, i128>{1, 0};
  const i128 improper = w->first * fd + fn * w->second;
  return std::pair{negative ? -improper : improper, fd * w->second};
}

bool Small(i128 x) {
  return Abs(x) < kExactLimit;
}

// The result of a calculation on simple operands, or that one of the numbers it forms (the
// improper numerators, the common denominator, the scaled numerators, the unreduced result) is
// too large for doubles to hold exactly.
std::optional<Exact> ExactResult(const ondavi::InMemoryBoxPanel& boxes, const std::string& op) {
  const auto a = Operand(boxes.Text(Box::Text1), boxes.Text(Box::Text2), boxes.Text(Box::Text3));
  const auto b = Operand(boxes.Text(Box::Text4), boxes.Text(Box::Text5), boxes.Text(Box::Text6));
  if (!a || !b) return std::nullopt;
  Exact e{};
  if (a->second == 0 || b->second == 0) {  // refused before anything is formed
    e.divides_by_zero = true;
    return e;
  }
  if (!Small(a->first) || !Small(b->first) || !Small(a->second) || !Small(b->second)) {
    e.too_large = true;
    return e;
  }
  const auto [n1, d1] = *a;
  const auto [n2, d2] = *b;
  if (op == "+" || op == "-") {
    const i128 lcm = d1 / Gcd(d1, d2) * d2;
    const i128 m1 = lcm / d1 * n1, m2 = lcm / d2 * n2;
    e = {op == "+" ? m1 + m2 : m1 - m2, lcm};
    e.too_large = !Small(lcm) || !Small(m1) || !Small(m2);
  } else if (op == "x") {
    e = {n1 * n2, d1 * d2};
  } else {
    e = {n1 * d2, d1 * n2};
    if (e.den < 0) e.num = -e.num, e.den = -e.den;
  }
  e.too_large = e.too_large || !Small(e.num) || !Small(e.den);
  e.divides_by_zero = !e.too_large && e.den == 0;
  return e;
}

// The number a box shows, blanks removed; nothing for a text that is not a plain number.
std::optional<double> Shown(std::string text) {
  std::erase(text, ' ');
  if (text.empty() || text == "-") return 0.0;
  char* end = nullptr;
  const double d = std::strtod(text.c_str(), &end);
  if (*end != '\0') return std::nullopt;
  return d;
}

bool Near(double shown, double exact) {
  return std::fabs(shown - exact) <= 6e-15 * std::fabs(exact);
}

// A whole number below 2^53 in magnitude, which the boxes show with all its digits.
bool ExactWhole(double d) {
  return std::fabs(d) < static_cast<double>(kExactLimit) && d == std::floor(d);
}

void CheckExact(const ondavi::InMemoryBoxPanel& boxes, const std::vector<std::string>& shown,
                const Exact& e) {
  if (e.too_large || e.divides_by_zero) {
    const char* message = e.too_large ? ondavi::kTooLargeMessage : ondavi::kDivideByZeroMessage;
    if (shown != std::vector<std::string>{message}) {
      Violation("a calculation without an exact answer but without its message", boxes);
    }
    return;
  }
  if (!shown.empty()) Violation("a message for a calculation that has an answer", boxes);
  const auto num = Shown(boxes.Text(Box::Text7));
  const auto den = Shown(boxes.Text(Box::Text8));
  if (!num || !den || *den <= 0) Violation("answer fraction is not a number", boxes);
  if (!ExactWhole(*num) || !ExactWhole(*den)) Violation("answer fraction is not exact", boxes);
  if (static_cast<i128>(*num) * e.den != e.num * static_cast<i128>(*den)) {
    Violation("answer fraction differs from the exact value", boxes);
  }
  if (Gcd(static_cast<i128>(std::fabs(*num)), static_cast<i128>(*den)) != 1) {
    Violation("answer fraction is not in lowest terms", boxes);
  }
  const auto whole = Shown(boxes.Text(Box::Text9));
  const auto mixed_num = Shown(boxes.Text(Box::Text10));
  const auto mixed_den = Shown(boxes.Text(Box::Text11));
  if (!whole || !mixed_num || !mixed_den) Violation("mixed number is not a number", boxes);
  const i128 magnitude_num = Abs(e.num);
  if (magnitude_num >= e.den || e.num == 0) {  // a whole part, 0 for 0/1
    const std::string& whole_text = boxes.Text(Box::Text9);
    if (whole_text.empty() || whole_text == "-") Violation("a whole part is missing", boxes);
    if ((*mixed_den == 0) != (boxes.Text(Box::Text10).empty() && boxes.Text(Box::Text11).empty())) {
      Violation("a whole number has a fraction beside it", boxes);
    }
    if (boxes.Text(Box::Text9).starts_with("-") != (e.num < 0)) Violation("mixed sign", boxes);
    const double w = std::fabs(*whole);
    const double part_den = *mixed_den == 0 ? 1 : *mixed_den;
    const double part_num = *mixed_den == 0 ? 0 : *mixed_num;
    if (!ExactWhole(w) || !ExactWhole(part_den) || !ExactWhole(part_num) || part_num < 0) {
      Violation("mixed number is not exact", boxes);
    }
    if (part_num >= part_den) Violation("mixed fraction is not proper", boxes);
    if (*mixed_den != 0 && Gcd(static_cast<i128>(part_num), static_cast<i128>(part_den)) != 1) {
      Violation("mixed fraction is not in lowest terms", boxes);
    }
    if ((static_cast<i128>(w) * static_cast<i128>(part_den) + static_cast<i128>(part_num)) *
            e.den !=
        magnitude_num * static_cast<i128>(part_den)) {
      Violation("mixed number differs from the exact value", boxes);
    }
  } else {  // a proper fraction: its sign alone in the whole-number box, the fraction beside it
    const i128 g = Gcd(e.num, e.den);
    if (boxes.Text(Box::Text9) != (e.num < 0 ? "-" : "") ||
        static_cast<i128>(*mixed_num) != magnitude_num / g ||
        static_cast<i128>(*mixed_den) != e.den / g) {
      Violation("a proper fraction's mixed number differs from it", boxes);
    }
  }
  const auto decimal = Shown(boxes.Text(Box::Text12));
  if (!decimal || !Near(*decimal, static_cast<double>(e.num) / static_cast<double>(e.den))) {
    Violation("decimal differs from the exact value", boxes);
  }
}

bool IsKnownMessage(const std::string& m) {
  return m == ondavi::kNegativeSignMessage || m == ondavi::kNonNumericMessage ||
         m == ondavi::kDivideByZeroMessage || m == ondavi::kTooLargeMessage;
}

bool OnlyChars(const std::string& s, std::string_view allowed) {
  return s.find_first_not_of(allowed) == std::string::npos;
}

void CheckBoxes(const ondavi::InMemoryBoxPanel& boxes, const ondavi::InMemoryBoxPanel& before,
                const std::vector<std::string>& shown) {
  const bool entry_stop = !shown.empty() && (shown[0] == ondavi::kNegativeSignMessage ||
                                             shown[0] == ondavi::kNonNumericMessage);
  if (entry_stop || boxes.texts() == before.texts()) {
    if (boxes.texts() != before.texts()) Violation("an entry check changed a box", boxes);
    return;
  }
  // A number too large to calculate in an operand box: the operands stay as typed, and no
  // earlier answer stays beside them.
  if (std::equal(boxes.texts().begin(), boxes.texts().begin() + 6, before.texts().begin()) &&
      shown == std::vector<std::string>{ondavi::kTooLargeMessage}) {
    for (int i = 7; i <= ondavi::kBoxCount; ++i) {
      if (!boxes.Text(static_cast<Box>(i)).empty())
        Violation("a refused run left an answer", boxes);
    }
    return;
  }
  for (Box box : {Box::Text1, Box::Text4}) {
    if (boxes.Text(box) != before.Text(box)) Violation("a whole-number box was rewritten", boxes);
  }
  for (Box box : {Box::Text2, Box::Text3, Box::Text5, Box::Text6}) {
    if (!IsDigits(boxes.Text(box))) {
      Violation("a fraction box holds what the calculator cannot write", boxes);
    }
  }
  const bool failed = !shown.empty();
  for (int i = 7; i <= ondavi::kBoxCount; ++i) {
    const std::string& text = boxes.Text(static_cast<Box>(i));
    if (failed && !text.empty()) Violation("a failed calculation left an answer", boxes);
    if (!OnlyChars(text, "0123456789.E+- ")) Violation("an answer box holds a non-number", boxes);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::string_view> lines =
      Lines(std::string_view(reinterpret_cast<const char*>(data), size));
  const std::string_view operators = lines[0].empty() ? "+" : lines[0].substr(0, 4);

  ondavi::Module1 module;
  ondavi::InMemoryBoxPanel boxes;
  for (std::size_t k = 0; k < operators.size(); ++k) {
    for (std::size_t i = 0; i < 6; ++i) {
      const std::size_t line = 1 + 6 * k + i;
      const std::string_view text = line < lines.size() ? lines[line] : std::string_view();
      boxes.SetText(static_cast<Box>(i + 1), std::string(text.substr(0, kLineEditLimit)));
    }
    const std::string op = OperatorOf(operators[k]);
    const ondavi::InMemoryBoxPanel before = boxes;

    // The same calculation on a fresh module must come out the same: nothing earlier counts.
    ondavi::Module1 fresh;
    fresh.Work = module.Work;
    fresh.Operation = op;
    ondavi::InMemoryBoxPanel fresh_boxes = boxes;
    RecordingPrompt fresh_prompt;
    ondavi::Calculate(fresh, fresh_boxes, fresh_prompt);

    RecordingPrompt prompt;
    module.Operation = op;
    ondavi::Calculate(module, boxes, prompt);

    if (prompt.shown.size() > 1) Violation("more than one message", boxes);
    if (!prompt.shown.empty() && !IsKnownMessage(prompt.shown[0])) {
      Violation("an unknown message", boxes);
    }
    if (prompt.shown != fresh_prompt.shown || boxes.texts() != fresh_boxes.texts() ||
        module.Work != fresh.Work) {
      Violation("an earlier calculation changed this one", boxes);
    }
    CheckBoxes(boxes, before, prompt.shown);
    if (const auto exact = ExactResult(before, op)) CheckExact(boxes, prompt.shown, *exact);
  }
  return 0;
}
