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
// Ends a vulgar fraction, so that digits after it are not read as its denominator's ("½3").
constexpr char kVulgarEnd = 'v';
// A line end: around a problem it is passed over, inside one it ends the reading.
constexpr char kEndOfLine = 'n';

// The spaces that stand between words: typed, pasted from a word processor (no-break, thin,
// narrow no-break and figure spaces) or from an East Asian input method (the ideographic space).
constexpr char32_t kWordSpaces[] = {U' ',      U'\t',     U'\u00A0', U'\u2007',
                                    U'\u2009', U'\u202F', U'\u3000'};
// The line ends of typed and pasted text: CR, LF, the vertical tab, the form feed, the next-line
// character and the line and paragraph separators.
constexpr char32_t kLineEnds[] = {U'\r', U'\n', U'\v', U'\f', U'\u0085', U'\u2028', U'\u2029'};

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
    {U'\uFF05', '%'},         {U'\uFF1F', '?'},
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

// The length of the well-formed UTF-8 sequence at `i`, with its code point in `code`; 0 for
// anything else: a stray or missing continuation byte, an overlong form (such as C0 AB for "+"),
// a surrogate or a code point beyond U+10FFFF.
std::size_t Decoded(std::string_view text, std::size_t i, char32_t& code) {
  constexpr char32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};  // the least of each length
  const auto byte = static_cast<unsigned char>(text[i]);
  const std::size_t length = byte < 0x80         ? 1
                             : (byte >> 5) == 6  ? 2
                             : (byte >> 4) == 14 ? 3
                             : (byte >> 3) == 30 ? 4
                                                 : 0;
  if (length == 0 || i + length > text.size()) return 0;
  code = length == 1 ? byte : byte & (0x7F >> length);
  for (std::size_t k = 1; k < length; ++k) {
    const auto next = static_cast<unsigned char>(text[i + k]);
    if ((next >> 6) != 2) return 0;
    code = (code << 6) | (next & 0x3F);
  }
  if (code < kLeast[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 0;
  return length;
}

// Every symbol of the table, and the words' spaces and signs above, that has an ASCII code: the
// symbol of each such code, 0 for none. Typed lines are nearly all ASCII.
constexpr std::array<char, 128> kAsciiSymbols = [] {
  std::array<char, 128> symbols{};
  for (char c : std::string_view("0123456789.+-/=()%?")) symbols[static_cast<std::size_t>(c)] = c;
  for (char32_t space : kWordSpaces) {
    if (space < 0x80) symbols[space] = kBlank;
  }
  for (char32_t end : kLineEnds) {
    if (end < 0x80) symbols[end] = kEndOfLine;
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
  for (char32_t end : kLineEnds) {
    if (c == end) return kEndOfLine;
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

// A character as a message names it: itself when it can be seen, otherwise its code ("U+200B"):
// controls, spaces and marks that join or change the characters around them.
std::string NamedCharacter(std::string_view text, char32_t c) {
  const bool invisible = c < 0x20 || (c >= 0x7F && c <= 0xA0) || c == 0xAD ||
                         (c >= 0x0300 && c <= 0x036F) || c == 0x061C || c == 0x180E ||
                         (c >= 0x2000 && c <= 0x200F) || (c >= 0x2028 && c <= 0x202F) ||
                         (c >= 0x205F && c <= 0x206F) || (c >= 0xFE00 && c <= 0xFE0F) ||
                         c == 0xFEFF || (c >= 0xFFF0 && c <= 0xFFFB) || c >= 0xE0000;
  if (!invisible) return std::string(text);
  constexpr char kHex[] = "0123456789ABCDEF";
  std::string name = "U+";
  int digits = c > 0xFFFFF ? 6 : c > 0xFFFF ? 5 : 4;
  while (digits-- > 0) name += kHex[(c >> (4 * digits)) & 0xF];
  return name;
}

// The number of characters in `text`.
std::size_t CharacterCount(std::string_view text) {
  return static_cast<std::size_t>(std::count_if(
      text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) >> 6) != 2; }));
}

// The line in the small alphabet above, with where each symbol came from in `origins` if given
// (the offset of its character); nothing when the line holds anything else, said in `refusal`.
std::optional<std::string> Symbols(std::string_view line, bool decimal_comma,
                                   std::vector<std::size_t>* origins, Refusal& refusal) {
  std::string s;
  s.reserve(line.size());
  for (std::size_t i = 0; i < line.size();) {
    char32_t c = 0;
    const std::size_t length = Decoded(line, i, c);
    if (length == 0) {
      refusal = {Refusal::Reason::kNotText, i + 1, {}, {}};
      return std::nullopt;
    }
    if (decimal_comma && c == U',') c = U'.';
    const std::size_t before = s.size();
    if (const char symbol = SymbolOf(c)) {
      s += symbol;
    } else {
      const VulgarFraction* vulgar = nullptr;
      for (const VulgarFraction& v : kVulgarFractions) {
        if (v.code == c) vulgar = &v;
      }
      if (!vulgar) {
        refusal = {Refusal::Reason::kUnknownCharacter,
                   CharacterCount(line.substr(0, i)) + 1,
                   NamedCharacter(line.substr(i, length), c),
                   {}};
        return std::nullopt;
      }
      if (!s.empty() && IsDigit(s.back())) s += kBlank;  // "1½" is 1 1/2
      s += std::string(vulgar->numerator) + kFractionSlash + vulgar->denominator + kVulgarEnd;
    }
    if (origins) origins->insert(origins->end(), s.size() - before, i);
    i += length;
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

// Where a line breaks a rule, in symbols: the symbol, and the ranges of symbols it names.
struct Spot {
  Spot() = default;
  Spot(Refusal::Reason why, std::size_t where, std::size_t first_from = 0, std::size_t first_to = 0,
       std::size_t second_from = 0, std::size_t second_to = 0)
      : reason(why),
        at(where),
        first_begin(first_from),
        first_end(first_to),
        second_begin(second_from),
        second_end(second_to) {}
  Refusal::Reason reason = Refusal::Reason::kEmpty;
  std::size_t at = 0;
  std::size_t first_begin = 0, first_end = 0, second_begin = 0, second_end = 0;
  std::string first, second;  // named here rather than by a range
};

// A mixed number's fraction part is less than 2: its numerator, without leading zeros, is less
// than twice its denominator. Both are digits; the denominator is not zero.
bool LessThanTwo(std::string_view num, std::string_view den) {
  den.remove_prefix(std::min(den.find_first_not_of('0'), den.size()));
  if (num.size() < den.size()) return true;
  if (num.size() > den.size() + 1) return false;
  if (den.size() <= 18) {  // both, and twice the denominator, are below 2^64
    const auto value = [](std::string_view digits) {
      std::uint64_t v = 0;
      for (char d : digits) v = v * 10 + static_cast<std::uint64_t>(d - '0');
      return v;
    };
    return value(num) < 2 * value(den);
  }
  std::string twice(den.size() + 1, '0');  // den + den, digit by digit from the right
  int carry = 0;
  for (std::size_t k = den.size(); k-- > 0;) {
    const int digit = 2 * (den[k] - '0') + carry;
    twice[k + 1] = static_cast<char>('0' + digit % 10);
    carry = digit / 10;
  }
  twice[0] = static_cast<char>('0' + carry);
  std::string_view doubled = twice;
  doubled.remove_prefix(std::min(doubled.find_first_not_of('0'), doubled.size()));
  return num.size() != doubled.size() ? num.size() < doubled.size() : num < doubled;
}

// Reads the symbols from left to right, once: the line itself through an ASCII table, or the
// symbols written out. Every character of `s` has a place in the table. A line it refuses has
// its reason in Refused().
class Reader {
 public:
  // Room for as many steps as the line has operators at most, and one operand more.
  Reader(std::string_view s, const std::array<char, 128>& table, std::size_t operators,
         bool whole_alone)
      : s_(s), table_(table), whole_alone_(whole_alone) {
    problem_.steps.reserve(operators);
    problem_.operands.reserve(operators + 1);
    waiting_.reserve(operators + 1);
  }

  std::optional<Problem> Read() {
    using enum Refusal::Reason;
    while (At(kBlank) || At(kEndOfLine)) ++i_;  // blanks and line ends before the problem
    if (AtEnd()) return Refuse(kEmpty, i_);
    const std::size_t start = i_;
    for (;;) {
      SkipBlanks();
      while (At('(')) {
        pending_.push_back('(');
        opened_at_.push_back(i_);
        last_sign_ = i_++;
        SkipBlanks();
      }
      waiting_.push_back({static_cast<int>(problem_.operands.size())});
      OperandTexts& operand = problem_.operands.emplace_back();
      operand_begin_ = i_;
      if (!ReadOperand(operand)) return RefuseOperand();
      operand_end_ = i_;
      after_operand_ = i_;
      if (!RefuseMixed(operand)) return std::nullopt;
      if (At('%')) {
        if (!AsPercent(operand)) return Refuse({kOutOfPlace, i_, i_, i_ + 1});
        problem_.percents.push_back({static_cast<int>(problem_.operands.size()) - 1,
                                     WrittenOperand(operand_as_written_) + "%"});
        after_operand_ = operand_end_ = ++i_;
      }
      if (const std::string& den = operand[2];
          !den.empty() && den.find_first_not_of('0') == std::string::npos) {
        problem_.zero_denominator = true;
      }
      // Closing brackets, then an operator or the end.
      bool blank_before = SkipBlanks();
      while (At(')')) {
        while (!pending_.empty() && pending_.back() != '(') Apply();
        if (pending_.empty()) return Refuse(kBracketNotOpened, i_);
        pending_.pop_back();
        opened_at_.pop_back();
        after_operand_ = ++i_;
        blank_before = SkipBlanks();
      }
      if (AtEnd() || At('=')) break;
      const char op = Symbol(i_);
      // A "/" with a symbol on each side is a fraction's own slash; beside a bracket it can only
      // divide.
      const bool after_bracket = i_ > 0 && Symbol(i_ - 1) == ')';
      const bool blank_after =
          i_ + 1 < s_.size() &&
          (Symbol(i_ + 1) == kBlank || Symbol(i_ + 1) == kEndOfLine || Symbol(i_ + 1) == '(');
      if (!IsOperator(op)) return RefuseOperator();
      if (op == '/' && !blank_before && !blank_after && !after_bracket) {
        Spot spot{kSlashWithoutBlank, i_, operand_begin_, NextOperandEnd(i_ + 1)};
        return Refuse(spot);
      }
      last_sign_ = i_++;
      while (!pending_.empty() && pending_.back() != '(' && Rank(pending_.back()) >= Rank(op)) {
        Apply();
      }
      pending_.push_back(op);
    }
    if (At('=')) {  // nothing but blanks may follow, or a question mark: "= ?"
      const std::size_t equals = i_++;
      SkipBlanks();
      if (At('?')) {
        ++i_;
        SkipBlanks();
      }
      if (!AtEnd()) return Refuse(kAfterEquals, equals);
    }
    while (!pending_.empty()) {
      if (pending_.back() == '(') return Refuse(kBracketLeftOpen, opened_at_.back());
      Apply();
    }
    if (problem_.steps.empty()) {
      // A whole number alone is what a box is being filled with; any other number alone is
      // answered as itself: the boxes add nothing to it.
      const OperandTexts& lone = problem_.operands.back();
      if (!whole_alone_ && lone[1].empty() && lone[0].find('.') == std::string::npos) {
        return Refuse({kLoneNumber, start, start, after_operand_});
      }
      problem_.lone = true;
      problem_.operands.emplace_back();
      problem_.steps.push_back({{0, -1}, {1, -1}, Action::kAdd});
    }
    return std::move(problem_);
  }

  const Spot& Refused() const { return spot_; }

 private:
  char Symbol(std::size_t at) const { return table_[static_cast<unsigned char>(s_[at])]; }
  bool AtEnd() const { return i_ == s_.size(); }
  bool At(char c) const { return i_ < s_.size() && Symbol(i_) == c; }
  bool AtDigit(std::size_t at) const { return at < s_.size() && IsDigit(Symbol(at)); }
  bool AtSlash() const { return At('/') || At(kFractionSlash); }

  // Blanks, and line ends when nothing but blanks and line ends follows them; tells whether
  // there were any.
  bool SkipBlanks() {
    const std::size_t start = i_;
    while (At(kBlank)) ++i_;
    if (At(kEndOfLine)) {
      std::size_t end = i_;
      while (end < s_.size() && (Symbol(end) == kBlank || Symbol(end) == kEndOfLine)) ++end;
      if (end == s_.size()) i_ = end;
    }
    return i_ > start;
  }

  std::string_view Digits() {
    const std::size_t start = i_;
    while (AtDigit(i_)) ++i_;
    return s_.substr(start, i_ - start);
  }

  // A slash with a digit right after it, after a number right before it: a fraction's own.
  bool AtFractionSlash() const { return AtSlash() && AtDigit(i_ + 1); }

  // A fraction's denominator, and the end of a vulgar fraction's symbols after it.
  std::string_view Denominator() {
    const std::string_view den = Digits();
    if (At(kVulgarEnd)) ++i_;
    return den;
  }

  // One operand, into the three texts of its boxes (empty at the start); tells whether there
  // was one. Its sign goes where the boxes take it: in the whole-number box, or alone there in
  // front of a fraction.
  bool ReadOperand(OperandTexts& texts) {
    auto& [first, num, den] = texts;
    if (At('-')) {
      first = '-';
      last_sign_ = i_++;
    }
    const std::string_view whole = Digits();
    if (At('.')) {  // a decimal whole number, ".5" and "1." too
      ++i_;
      const std::string_view decimals = Digits();
      if (whole.empty() && decimals.empty()) {
        --i_;  // a point alone: no operand starts here
        return false;
      }
      ((first += whole) += '.') += decimals;
      return true;
    }
    if (whole.empty()) return false;
    if (AtFractionSlash()) {
      ++i_;
      num = whole;
      den = Denominator();
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
        den = Denominator();
        return true;
      }
    }
    i_ = after_whole;
    return true;
  }

  // Where the operand that starts at `from` ends, for naming it; `from` itself when there is
  // none. Reads nothing.
  std::size_t NextOperandEnd(std::size_t from) {
    const std::size_t i = i_;
    const std::size_t sign = last_sign_;
    i_ = from;
    OperandTexts scratch;
    const std::size_t end = ReadOperand(scratch) ? i_ : from;
    i_ = i, last_sign_ = sign;
    return end;
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

  std::nullopt_t Refuse(Refusal::Reason reason, std::size_t at) { return Refuse({reason, at}); }
  std::nullopt_t Refuse(const Spot& spot) {
    spot_ = spot;
    if (i_ < s_.size() && Symbol(i_) == kEndOfLine) spot_ = {Refusal::Reason::kLineEnd, i_};
    return std::nullopt;
  }

  // No operand where one belongs: after a sign "-(" or "-" alone, or after an operator or "(".
  std::nullopt_t RefuseOperand() {
    using enum Refusal::Reason;
    std::size_t after_sign = i_;
    while (after_sign < s_.size() && Symbol(after_sign) == kBlank) ++after_sign;
    const bool after_minus = last_sign_ != kNone && Symbol(last_sign_) == '-';
    if (after_minus && after_sign < s_.size() && Symbol(after_sign) == '(') {
      return Refuse(kMinusBeforeBracket, last_sign_);
    }
    if (after_minus && after_sign == s_.size() && problem_.operands.size() == 1 &&
        pending_.empty()) {  // a sign alone, as the whole-number box takes it
      return Refuse({kLoneNumber, last_sign_, last_sign_, last_sign_ + 1});
    }
    if (last_sign_ != kNone) {
      return Refuse({kNoNumberAfter, last_sign_, last_sign_, last_sign_ + 1});
    }
    const char symbol = AtEnd() ? '\0' : Symbol(i_);
    if (IsOperator(symbol) || symbol == '=') return Refuse({kNoNumberBefore, i_, i_, i_ + 1});
    if (symbol == ')') return Refuse(kBracketNotOpened, i_);
    if (symbol == kFractionSlash) return Refuse(kFractionSlashAlone, i_);
    return Refuse({kOutOfPlace, i_, i_, i_ + 1});
  }

  // Something other than an operator after an operand: another operand beside it, a fraction
  // slash, or what cannot stand there.
  std::nullopt_t RefuseOperator() {
    using enum Refusal::Reason;
    const char symbol = Symbol(i_);
    if (symbol == kFractionSlash) return Refuse(kFractionSlashAlone, i_);
    if (!IsDigit(symbol) && symbol != '.' && symbol != '(') {
      return Refuse({kOutOfPlace, i_, i_, i_ + 1});
    }
    const std::size_t next_end = symbol == '(' ? i_ + 1 : NextOperandEnd(i_);
    const bool after_operand = after_operand_ == operand_end_;
    const std::size_t first_begin = after_operand ? operand_begin_ : after_operand_ - 1;
    Spot spot{kSideBySide, i_, first_begin, after_operand_, i_, next_end};
    if (after_operand && symbol != '(') {
      OperandTexts next;
      const std::size_t i = i_;
      ReadOperand(next);
      i_ = i;
      const OperandTexts& last = problem_.operands.back();
      const bool decimal = last[0].find('.') != std::string::npos;
      const bool plain = last[1].empty() && last[0] != "-";
      if (decimal && !next[1].empty()) {
        spot.reason = kDecimalBesideFraction;
      } else if (plain && !decimal && next[1].empty() && next[0].size() == 3 &&
                 next[0].find_first_not_of("0123456789") == std::string::npos &&
                 last[0].size() - (last[0][0] == '-') <= 3) {
        // "10 000": digits grouped in thousands
        spot.reason = kGroupedDigits;
        spot.first = last[0] + next[0];
        spot.first_end = spot.first_begin;
      }
    }
    return Refuse(spot);
  }

  // The operand divided by 100, as a fraction its boxes take: "35" is 35/100, "12.5" 125/1000,
  // "1/2" 1/200, "1 1/2" 3/200; kept as written in operand_as_written_. Tells whether it could
  // be: a mixed number is made improper only while its numbers stay below 10^18.
  bool AsPercent(OperandTexts& operand) {
    operand_as_written_ = operand;
    auto& [whole, num, den] = operand;
    const bool negative = whole.starts_with('-');
    const std::string digits = negative ? whole.substr(1) : whole;
    if (num.empty()) {  // a whole number or a decimal
      const std::size_t point = digits.find('.');
      std::string joined = digits;
      std::size_t places = 0;
      if (point != std::string::npos) {
        joined.erase(point, 1);
        places = digits.size() - point - 1;
      }
      joined.erase(0, std::min(joined.find_first_not_of('0'), joined.size() - 1));
      num = joined;
      den = "100" + std::string(places, '0');
    } else if (digits.empty()) {  // a fraction
      den += "00";
    } else {  // a mixed number, made improper
      constexpr std::uint64_t kLimit = 1'000'000'000'000'000'000;
      const auto value = [](const std::string& text) -> std::uint64_t {
        if (text.size() > 18) return kLimit;
        return std::stoull(text);
      };
      const std::uint64_t w = value(digits), n = value(num), d = value(den);
      if (w >= kLimit || n >= kLimit || d >= kLimit / 100 || (d != 0 && w > (kLimit - n) / d)) {
        return false;
      }
      num = std::to_string(w * d + n);
      den = std::to_string(d * 100);
    }
    whole = negative ? "-" : "";
    return true;
  }

  // A mixed number whose numerator has a leading zero, or whose fraction is 2 or more, was
  // meant otherwise: "10 000/3" as 10000/3, "1 500/2" as 1500/2. Tells whether the operand is
  // sound.
  bool RefuseMixed(const OperandTexts& operand) {
    using enum Refusal::Reason;
    const auto& [whole, num, den] = operand;
    if (num.empty() || whole.empty() || whole == "-") return true;
    const bool leading_zero = num.size() > 1 && num[0] == '0';
    const bool zero = den.find_first_not_of('0') == std::string::npos;  // no answer anyway
    if (!leading_zero && (zero || LessThanTwo(num, den))) return true;
    const bool negative = whole[0] == '-';
    Spot spot{leading_zero ? kMixedLeadingZero : kMixedTooLarge, operand_begin_};
    spot.first = whole + num + "/" + den;
    spot.second = whole + (negative ? " - " : " + ") + num + "/" + den;
    Refuse(spot);
    return false;
  }

  static constexpr std::size_t kNone = std::string_view::npos;
  std::string_view s_;
  const std::array<char, 128>& table_;
  bool whole_alone_;  // a whole number alone is a problem too
  std::size_t i_ = 0;
  Problem problem_;
  std::vector<StepOperand> waiting_;    // operands waiting for their operator
  std::string pending_;                 // operators and opening brackets not yet applied
  std::vector<std::size_t> opened_at_;  // where each opening bracket of pending_ stands
  std::size_t last_sign_ = kNone;       // the last operator, sign or opening bracket read
  std::size_t operand_begin_ = 0, operand_end_ = 0;  // the last operand read
  std::size_t after_operand_ = 0;    // after it and the brackets that close after it
  OperandTexts operand_as_written_;  // the last operand read with a percent sign, before it
  Spot spot_;
};

// A text a refusal names, of more than 40 bytes cut after them at a character's end, with "...":
// a megabyte of digits is not repeated in the reason.
std::string Shortened(std::string_view text) {
  constexpr std::size_t kLongest = 40;
  if (text.size() <= kLongest) return std::string(text);
  std::size_t cut = kLongest;
  while ((static_cast<unsigned char>(text[cut]) >> 6) == 2) --cut;
  return std::string(text.substr(0, cut)) + "...";
}

// The refusal as the line writes it: symbol offsets made characters, ranges made texts.
Refusal Located(std::string_view line, const std::vector<std::size_t>* origins, const Spot& spot) {
  const auto origin = [&](std::size_t symbol) {
    if (!origins) return std::min(symbol, line.size());
    return symbol < origins->size() ? (*origins)[symbol] : line.size();
  };
  const auto text = [&](std::size_t begin, std::size_t end) -> std::string {
    if (end <= begin) return {};
    const std::size_t from = origin(begin);
    std::size_t to = origin(end - 1) + 1;  // past the last symbol's character
    while (to < line.size() && (static_cast<unsigned char>(line[to]) >> 6) == 2) ++to;
    return Shortened(line.substr(from, to - from));
  };
  Refusal refusal{
      spot.reason, CharacterCount(line.substr(0, origin(spot.at))) + 1,
      spot.first.empty() ? text(spot.first_begin, spot.first_end) : Shortened(spot.first),
      spot.second.empty() ? text(spot.second_begin, spot.second_end) : Shortened(spot.second)};
  return refusal;
}

std::optional<Problem> Read(std::string_view line, char decimal_separator, Refusal& refusal,
                            bool whole_alone) {
  const bool decimal_comma = decimal_separator == ',';
  // Plain ASCII, as typed on most keyboards, is read as it stands, through the table.
  const std::array<char, 128>& table = decimal_comma ? kAsciiSymbolsWithComma : kAsciiSymbols;
  if (const std::optional<std::size_t> operators = OperatorsIn(line, table)) {
    Reader reader(line, table, *operators, whole_alone);
    std::optional<Problem> problem = reader.Read();
    if (!problem) refusal = Located(line, nullptr, reader.Refused());
    return problem;
  }
  const std::optional<std::string> symbols = Symbols(line, decimal_comma, nullptr, refusal);
  if (!symbols) return std::nullopt;
  Reader reader(*symbols, kSymbolsAsWritten, *OperatorsIn(*symbols, kSymbolsAsWritten),
                whole_alone);
  std::optional<Problem> problem = reader.Read();
  if (!problem) {  // where each symbol came from, to say where the line breaks the rule
    std::vector<std::size_t> origins;
    origins.reserve(symbols->size());
    Symbols(line, decimal_comma, &origins, refusal);
    refusal = Located(line, &origins, reader.Refused());
  }
  return problem;
}

}  // namespace

std::optional<Problem> ReadProblem(std::string_view line, char decimal_separator,
                                   Refusal& refusal) {
  return Read(line, decimal_separator, refusal, false);
}

std::optional<Problem> ReadSide(std::string_view line, char decimal_separator, Refusal& refusal) {
  return Read(line, decimal_separator, refusal, true);
}

std::optional<Problem> ReadProblem(std::string_view line, char decimal_separator) {
  Refusal refusal;
  return ReadProblem(line, decimal_separator, refusal);
}

std::string WrittenOperand(const OperandTexts& texts) {
  const auto& [whole, num, den] = texts;
  if (num.empty() && den.empty()) return whole;
  if (whole.empty() || whole == "-") return whole + num + "/" + den;
  return whole + " " + num + "/" + den;
}

}  // namespace ondavi::form
