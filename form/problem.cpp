#include "problem.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <utility>

#include "characters.h"

namespace ondavi::form {
namespace {

// The line is first written in a small alphabet of one-byte symbols: digits, ".", "+", "-", "/",
// "=", "(" and ")" as they are, kBlank for every space between words, kTimes for every
// multiplication sign, and one symbol each for the signs that can mean only one thing:
// kFractionSlash (U+2044 and the vulgar fractions' own) and kDivideSign (÷).
constexpr char kBlank = ' ';
constexpr char kTimes = 'x';
constexpr char kFractionSlash = 'f';
constexpr char kDivideSign = 'd';

// The spaces that stand between words: typed, pasted from a word processor (no-break, thin,
// narrow no-break and figure spaces) or from an East Asian input method (the ideographic space).
constexpr char32_t kWordSpaces[] = {U' ',      U'\t',     U'\r',     U'\n',    U'\u00A0',
                                    U'\u2007', U'\u2009', U'\u202F', U'\u3000'};

struct Equivalent {
  char32_t code;
  char symbol;
};
// Signs that stand for one of the symbols: pasted typography, what word processors turn " - "
// into (the en dash), and the full-width forms of East Asian input methods.
constexpr Equivalent kEquivalents[] = {
    {U'x', kTimes},           {U'X', kTimes},
    {U'*', kTimes},           {U'\u00D7', kTimes},
    {U'\u00B7', kTimes},      {U'\u22C5', kTimes},
    {U'\uFF0A', kTimes},      {U'\uFF38', kTimes},
    {U'\uFF58', kTimes},      {U'\u00F7', kDivideSign},
    {U':', kDivideSign},      {U'\u2236', kDivideSign},
    {U'\uFF1A', kDivideSign}, {U'\u2212', '-'},
    {U'\u2013', '-'},         {U'\uFF0D', '-'},
    {U'\uFF0B', '+'},         {U'\u2215', '/'},
    {U'\uFF0F', '/'},         {U'\u2044', kFractionSlash},
    {U'\uFF08', '('},         {U'\uFF09', ')'},
    {U'\uFF1D', '='},         {U'\uFF0E', '.'},
};

struct VulgarFraction {
  char32_t code;
  const char* numerator;
  const char* denominator;
};
constexpr VulgarFraction kVulgarFractions[] = {
    {U'\u00BC', "1", "4"}, {U'\u00BD', "1", "2"},  {U'\u00BE', "3", "4"}, {U'\u2150', "1", "7"},
    {U'\u2151', "1", "9"}, {U'\u2152', "1", "10"}, {U'\u2153', "1", "3"}, {U'\u2154', "2", "3"},
    {U'\u2155', "1", "5"}, {U'\u2156', "2", "5"},  {U'\u2157', "3", "5"}, {U'\u2158', "4", "5"},
    {U'\u2159', "1", "6"}, {U'\u215A', "5", "6"},  {U'\u215B', "1", "8"}, {U'\u215C', "3", "8"},
    {U'\u215D', "5", "8"}, {U'\u215E', "7", "8"},  {U'\u2189', "0", "3"},
};

// The code points of well-formed UTF-8; nothing for anything else: a stray or missing
// continuation byte, an overlong form (such as C0 AB for "+"), a surrogate or a code point beyond
// U+10FFFF.
std::optional<std::u32string> CodePoints(std::string_view text) {
  constexpr char32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};  // the least of each length
  std::u32string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const auto byte = static_cast<unsigned char>(text[i]);
    const std::size_t length = byte < 0x80         ? 1
                               : (byte >> 5) == 6  ? 2
                               : (byte >> 4) == 14 ? 3
                               : (byte >> 3) == 30 ? 4
                                                   : 0;
    if (length == 0 || i + length > text.size()) return std::nullopt;
    char32_t code = length == 1 ? byte : byte & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) {
      const auto next = static_cast<unsigned char>(text[i + k]);
      if ((next >> 6) != 2) return std::nullopt;
      code = (code << 6) | (next & 0x3F);
    }
    if (code < kLeast[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
      return std::nullopt;
    }
    out += code;
    i += length;
  }
  return out;
}

// Every symbol of the table, and the words' spaces and signs above, that has an ASCII code: the
// symbol of each such code, 0 for none. Typed lines are nearly all ASCII.
constexpr std::array<char, 128> kAsciiSymbols = [] {
  std::array<char, 128> symbols{};
  for (char c : std::string_view("0123456789.+-/=()")) symbols[static_cast<std::size_t>(c)] = c;
  for (char32_t space : kWordSpaces) {
    if (space < 0x80) symbols[space] = kBlank;
  }
  for (const Equivalent& e : kEquivalents) {
    if (e.code < 0x80) symbols[e.code] = e.symbol;
  }
  return symbols;
}();

char SymbolOf(char32_t c) {
  if (c < 0x80) return kAsciiSymbols[c];
  if (c >= U'\uFF10' && c <= U'\uFF19') return static_cast<char>('0' + (c - U'\uFF10'));
  for (char32_t space : kWordSpaces) {
    if (c == space) return kBlank;
  }
  for (const Equivalent& e : kEquivalents) {
    if (c == e.code) return e.symbol;
  }
  return 0;
}

// With decimal commas, "," is the point too.
constexpr std::array<char, 128> kAsciiSymbolsWithComma = [] {
  std::array<char, 128> symbols = kAsciiSymbols;
  symbols[','] = '.';
  return symbols;
}();

// The line in the small alphabet above; nothing when it holds anything else.
std::optional<std::string> Symbols(std::string_view line, bool decimal_comma) {
  const std::optional<std::u32string> codes = CodePoints(line);
  if (!codes) return std::nullopt;
  std::string s;
  s.reserve(codes->size());
  for (char32_t c : *codes) {
    if (decimal_comma && c == U',') c = U'.';
    if (const char symbol = SymbolOf(c)) {
      s += symbol;
      continue;
    }
    const VulgarFraction* vulgar = nullptr;
    for (const VulgarFraction& v : kVulgarFractions) {
      if (v.code == c) vulgar = &v;
    }
    if (!vulgar) return std::nullopt;
    if (!s.empty() && IsDigit(s.back())) s += kBlank;  // "1½" is 1 1/2
    s += std::string(vulgar->numerator) + kFractionSlash + vulgar->denominator;
  }
  return s;
}

Action ActionOf(char op) {
  switch (op) {
    case '+':
      return Action::kAdd;
    case '-':
      return Action::kSubtract;
    case kTimes:
      return Action::kMultiply;
    default:
      return Action::kDivide;
  }
}

bool IsOperator(char c) {
  return c == '+' || c == '-' || c == kTimes || c == '/' || c == kDivideSign;
}

// "x" and "/" go before "+" and "-".
int Rank(char op) {
  return op == '+' || op == '-' ? 1 : 2;
}

// The symbols written out, read as they stand.
constexpr std::array<char, 128> kSymbolsAsWritten = [] {
  std::array<char, 128> symbols{};
  for (std::size_t c = 0; c < symbols.size(); ++c) symbols[c] = static_cast<char>(c);
  return symbols;
}();

// How many of the characters of `s` stand for operators through the table, in one pass; nothing
// when one of them has no symbol there.
std::optional<std::size_t> OperatorsIn(std::string_view s, const std::array<char, 128>& table) {
  std::size_t operators = 0;
  bool in_table = true;
  for (char c : s) {
    const char symbol = (c & 0x80) ? 0 : table[static_cast<unsigned char>(c)];
    in_table = in_table && symbol != 0;
    operators += IsOperator(symbol) ? 1 : 0;
  }
  if (!in_table) return std::nullopt;
  return operators;
}

// Reads the symbols from left to right, once: the line itself through an ASCII table, or the
// symbols written out. Every character of `s` has a place in the table.
class Reader {
 public:
  // Room for as many steps as the line has operators at most, and one operand more.
  Reader(std::string_view s, const std::array<char, 128>& table, std::size_t operators)
      : s_(s), table_(table) {
    problem_.steps.reserve(operators);
    problem_.operands.reserve(operators + 1);
    waiting_.reserve(operators + 1);
  }

  std::optional<Problem> Read() {
    for (;;) {
      SkipBlanks();
      while (At('(')) {
        pending_.push_back('(');
        ++i_;
        SkipBlanks();
      }
      waiting_.push_back({static_cast<int>(problem_.operands.size())});
      OperandTexts& operand = problem_.operands.emplace_back();
      if (!ReadOperand(operand)) return std::nullopt;
      if (const std::string& den = operand[2];
          !den.empty() && den.find_first_not_of('0') == std::string::npos) {
        problem_.zero_denominator = true;
      }
      // Closing brackets, then an operator or the end.
      bool blank_before = SkipBlanks();
      while (At(')')) {
        while (!pending_.empty() && pending_.back() != '(') Apply();
        if (pending_.empty()) return std::nullopt;  // no bracket to close
        pending_.pop_back();
        ++i_;
        blank_before = SkipBlanks();
      }
      if (AtEnd() || At('=')) break;
      const char op = Symbol(i_);
      // A "/" with a symbol on each side is a fraction's own slash; beside a bracket it can only
      // divide.
      const bool after_bracket = i_ > 0 && Symbol(i_ - 1) == ')';
      const bool blank_after =
          i_ + 1 < s_.size() && (Symbol(i_ + 1) == kBlank || Symbol(i_ + 1) == '(');
      if (!IsOperator(op) || (op == '/' && !blank_before && !blank_after && !after_bracket)) {
        return std::nullopt;
      }
      ++i_;
      while (!pending_.empty() && pending_.back() != '(' && Rank(pending_.back()) >= Rank(op)) {
        Apply();
      }
      pending_.push_back(op);
    }
    if (At('=')) {  // nothing but blanks may follow
      ++i_;
      SkipBlanks();
      if (!AtEnd()) return std::nullopt;
    }
    while (!pending_.empty()) {
      if (pending_.back() == '(') return std::nullopt;  // a bracket left open
      Apply();
    }
    if (problem_.steps.empty()) return std::nullopt;
    return std::move(problem_);
  }

 private:
  char Symbol(std::size_t at) const { return table_[static_cast<unsigned char>(s_[at])]; }
  bool AtEnd() const { return i_ == s_.size(); }
  bool At(char c) const { return i_ < s_.size() && Symbol(i_) == c; }
  bool AtDigit(std::size_t at) const { return at < s_.size() && IsDigit(Symbol(at)); }
  bool AtSlash() const { return At('/') || At(kFractionSlash); }

  bool SkipBlanks() {
    const std::size_t start = i_;
    while (At(kBlank)) ++i_;
    return i_ > start;
  }

  std::string_view Digits() {
    const std::size_t start = i_;
    while (AtDigit(i_)) ++i_;
    return s_.substr(start, i_ - start);
  }

  // A slash with a digit right after it, after a number right before it: a fraction's own.
  bool AtFractionSlash() const { return AtSlash() && AtDigit(i_ + 1); }

  // One operand, into the three texts of its boxes (empty at the start); tells whether there
  // was one. Its sign goes where the boxes take it: in the whole-number box, or alone there in
  // front of a fraction.
  bool ReadOperand(OperandTexts& texts) {
    auto& [first, num, den] = texts;
    if (At('-')) {
      first = '-';
      ++i_;
    }
    const std::string_view whole = Digits();
    if (At('.')) {  // a decimal whole number, ".5" and "1." too
      ++i_;
      const std::string_view decimals = Digits();
      if (whole.empty() && decimals.empty()) return false;
      ((first += whole) += '.') += decimals;
      return true;
    }
    if (whole.empty()) return false;
    if (AtFractionSlash()) {
      ++i_;
      num = whole;
      den = Digits();
      return true;
    }
    first += whole;
    // A mixed number: the whole number, blanks, then a fraction.
    const std::size_t after_whole = i_;
    if (SkipBlanks() && AtDigit(i_)) {
      const std::string_view digits = Digits();
      if (AtFractionSlash()) {
        ++i_;
        num = digits;
        den = Digits();
        return true;
      }
    }
    i_ = after_whole;
    return true;
  }

  // The pending operator on top, on the two operands before it: the next step, whose answer
  // then waits in their place.
  void Apply() {
    const StepOperand second = waiting_.back();
    waiting_.pop_back();
    problem_.steps.push_back({waiting_.back(), second, ActionOf(pending_.back())});
    pending_.pop_back();
    waiting_.back() = {-1, static_cast<int>(problem_.steps.size()) - 1};
  }

  std::string_view s_;
  const std::array<char, 128>& table_;
  std::size_t i_ = 0;
  Problem problem_;
  std::vector<StepOperand> waiting_;  // operands waiting for their operator
  std::string pending_;               // operators and opening brackets not yet applied
};

}  // namespace

std::optional<Problem> ReadProblem(std::string_view line, char decimal_separator) {
  const bool decimal_comma = decimal_separator == ',';
  // Plain ASCII, as typed on most keyboards, is read as it stands, through the table.
  const std::array<char, 128>& table = decimal_comma ? kAsciiSymbolsWithComma : kAsciiSymbols;
  if (const std::optional<std::size_t> operators = OperatorsIn(line, table)) {
    return Reader(line, table, *operators).Read();
  }
  const std::optional<std::string> symbols = Symbols(line, decimal_comma);
  if (!symbols) return std::nullopt;
  return Reader(*symbols, kSymbolsAsWritten, *OperatorsIn(*symbols, kSymbolsAsWritten)).Read();
}

std::string WrittenOperand(const OperandTexts& texts) {
  const auto& [whole, num, den] = texts;
  if (num.empty() && den.empty()) return whole;
  if (whole.empty() || whole == "-") return whole + num + "/" + den;
  return whole + " " + num + "/" + den;
}

}  // namespace ondavi::form
