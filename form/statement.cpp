#include "statement.h"

#include <optional>
#include <utility>

#include "builder.h"
#include "worked_solution.h"

namespace ondavi::form {
namespace {

using explain::Relation;

struct Sign {
  std::string_view text;
  Relation relation;
};
// Longest first, so that "<=" is not read as "<" and "=".
constexpr Sign kSigns[] = {
    {"<=", Relation::kLessOrEqual},
    {">=", Relation::kGreaterOrEqual},
    {"!=", Relation::kNotEqual},
    {"\u2264", Relation::kLessOrEqual},     // ≤
    {"\u2265", Relation::kGreaterOrEqual},  // ≥
    {"\u2260", Relation::kNotEqual},        // ≠
    {"\uFF1D", Relation::kEqual},           // the full-width forms
    {"\uFF1C", Relation::kLess},
    {"\uFF1E", Relation::kGreater},
    {"\uFF1F", Relation::kAsk},
    {"<", Relation::kLess},
    {">", Relation::kGreater},
    {"=", Relation::kEqual},
    {"?", Relation::kAsk},
};

constexpr std::string_view kAround = " \t\r\n\v\f";

std::string_view Trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(kAround);
  if (first == text.npos) return {};
  return text.substr(first, text.find_last_not_of(kAround) + 1 - first);
}

struct Piece {
  std::string_view text;
  std::size_t at = 0;  // its offset in the line
};

std::size_t Characters(std::string_view text) {
  std::size_t count = 0;
  for (char c : text) count += (static_cast<unsigned char>(c) >> 6) != 2 ? 1 : 0;
  return count;
}

}  // namespace

bool JudgeStatement(std::string_view line, char decimal_separator,
                    const explain::Settings& settings, Judged& judged) {
  if (line.find_first_of("<>=?!\xE2\xEF") == line.npos) return false;
  std::vector<Piece> sides{{}};
  std::vector<Relation> relations;
  std::vector<std::size_t> sign_at;
  std::size_t start = 0;
  for (std::size_t i = 0; i < line.size();) {
    const Sign* found = nullptr;
    for (const Sign& sign : kSigns) {
      if (line.substr(i, sign.text.size()) == sign.text) {
        found = &sign;
        break;
      }
    }
    if (!found) {
      ++i;
      continue;
    }
    sides.back() = {line.substr(start, i - start), start};
    relations.push_back(found->relation);
    sign_at.push_back(i);
    i += found->text.size();
    start = i;
    sides.push_back({});
  }
  sides.back() = {line.substr(start), start};
  // A question mark or "=" ending the line asks for the answer: "5/8 > 3/5?", "2 - 3/4 = ?".
  if (!relations.empty() && Trimmed(sides.back().text).empty() &&
      relations.back() == Relation::kAsk && relations.size() > 1) {
    relations.pop_back(), sides.pop_back(), sign_at.pop_back();
  }
  if (!relations.empty() && Trimmed(sides.back().text).empty() &&
      relations.back() == Relation::kEqual) {
    relations.pop_back(), sides.pop_back(), sign_at.pop_back();
  }
  if (relations.empty()) return false;
  judged = {};
  std::vector<explain::Side> read;
  for (std::size_t k = 0; k < sides.size(); ++k) {
    const Piece& side = sides[k];
    std::optional<Problem> problem;
    if (k <= kMostLinks) problem = ReadSide(side.text, decimal_separator, judged.refusal);
    if (!problem) {
      if (k > kMostLinks) {
        judged.refusal = {Refusal::Reason::kOutOfPlace, 0, {}, {}};
        judged.refusal.first = std::string(line.substr(sign_at[k - 1], 1));
        judged.refusal.at = Characters(line.substr(0, sign_at[k - 1])) + 1;
      } else if (Trimmed(side.text).empty()) {  // a sign without a number beside it
        const std::size_t sign = k == 0 ? sign_at[0] : sign_at[k - 1];
        judged.refusal = {
            k == 0 ? Refusal::Reason::kNoNumberBefore : Refusal::Reason::kNoNumberAfter,
            Characters(line.substr(0, sign)) + 1,
            {},
            {}};
        judged.refusal.first = std::string(RelationSign(k == 0 ? relations[0] : relations[k - 1]));
      } else {
        judged.refusal.at += judged.refusal.reason == Refusal::Reason::kNotText
                                 ? side.at  // counted in bytes
                                 : Characters(line.substr(0, side.at));
      }
      return true;
    }
    explain::Side& made = read.emplace_back();
    made.written = std::string(Trimmed(side.text));
    made.solution = SolutionOf(*problem, settings);
    if (problem->lone && problem->percents.empty()) made.number = problem->operands[0];
    if (k > 0) judged.written += " " + std::string(RelationSign(relations[k - 1])) + " ";
    judged.written += made.written;
  }
  judged.read = true;
  judged.asked = relations.size() == 1 && relations[0] == Relation::kAsk;
  judged.solution = explain::BuildComparison(read, relations, settings, judged.verdict);
  return true;
}

}  // namespace ondavi::form
