// What "Explain" explains: the last calculation that wrote a transcript, a click's or a whole
// problem's, with its operands written as a problem writes them.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "explanation.h"
#include "form_actions.h"
#include "recording_prompt.h"

namespace ondavi::form {
namespace {

struct PlainOperandCase {
  std::string whole, numerator, denominator;
  char separator;
  std::optional<OperandTexts> written;
};

TEST(PlainOperand, WritesTheBoxesAsAProblemWritesTheOperand) {
  const std::vector<PlainOperandCase> cases = {
      {"3", "1", "4", '.', OperandTexts{"3", "1", "4"}},
      {"", "1", "2", '.', OperandTexts{"", "1", "2"}},
      {"-", "1", "2", '.', OperandTexts{"-", "1", "2"}},
      {"-0", "1", "2", '.', OperandTexts{"-", "1", "2"}},  // -0 and 1/2 is -1/2
      {" +007 ", "0", "1", '.', OperandTexts{"7", "", ""}},
      {"", "0", "1", '.', OperandTexts{"0", "", ""}},
      {"-", "0", "1", '.', OperandTexts{"0", "", ""}},
      {"5", "04", "08", '.', OperandTexts{"5", "4", "8"}},
      {".25", "0", "1", '.', OperandTexts{"0.25", "", ""}},
      {"2,5", "0", "1", ',', OperandTexts{"2.5", "", ""}},
      {"-1.5", "0", "1", '.', OperandTexts{"-1.5", "", ""}},
      {"0.5", "1", "4", '.', OperandTexts{"", "3", "4"}},   // 1/2 + 1/4
      {"-0.5", "1", "2", '.', OperandTexts{"-1", "", ""}},  // -(1/2 + 1/2)
      {"1.5e2", "1", "3", '.', OperandTexts{"150", "1", "3"}},
      {"&H10", "0", "1", '.', OperandTexts{"16", "", ""}},
      {"1e-1", "0", "1", '.', OperandTexts{"", "1", "10"}},  // not a decimal as the boxes write one
      {"3", "5", "0", '.', std::nullopt},                    // refused before it is calculated
  };
  for (const PlainOperandCase& c : cases) {
    SCOPED_TRACE(c.whole + " " + c.numerator + "/" + c.denominator);
    EXPECT_EQ(PlainOperand(c.whole, c.numerator, c.denominator, c.separator), c.written);
  }
}

// A view that records what it is shown; open or closed as the test says.
class RecordingView : public ExplanationView {
 public:
  void Show(const Explanation& explanation) override { shown.push_back(explanation); }
  bool Open() const override { return open; }
  bool open = false;
  std::vector<Explanation> shown;
};

struct Session {
  Module1 module;
  InMemoryBoxPanel boxes;
  testing::RecordingPrompt prompt;
  FormActions actions{module, boxes, prompt};
  RecordingView view;
  Session() { actions.SetExplanationView(&view); }

  void Type(const std::vector<std::string>& operands) {
    for (std::size_t i = 0; i < operands.size(); ++i) {
      boxes.SetText(static_cast<Box>(i + 1), operands[i]);
    }
  }
};

// The problem and the answer a worked solution ends with, or its hint.
std::string Described(const Explanation& e) {
  if (!e.solution) return "hint: " + e.hint;
  if (e.solution->judged) {  // a statement: its verdict
    const explain::Step& verdict = e.solution->steps.back().kind == explain::Kind::kLink
                                       ? e.solution->steps.back().steps.back()
                                       : e.solution->steps.back();
    return e.problem + " -> " + (verdict.detail == explain::Detail::kFalse ? "false" : "true");
  }
  if (!e.solution->answered) return e.problem + " -> no answer";
  return e.problem + " -> " + std::to_string(e.solution->numerator) + "/" +
         std::to_string(e.solution->denominator);
}

TEST(Explain, ExplainsTheLastCalculationThatWroteATranscript) {
  Session s;
  s.actions.Click(Action::kExplain);
  ASSERT_EQ(s.view.shown.size(), 1u);
  EXPECT_EQ(Described(s.view.shown[0]),
            "hint: Type a problem or two operands and press an operator.");

  struct Move {
    std::vector<std::string> typed;  // the operand boxes, when the move types them
    Action click;
    std::string line;  // a whole problem entered instead, when not empty
    std::string explained;
  };
  const std::vector<Move> moves = {
      {{"3", "1", "4", "1", "2", "3"}, Action::kSubtract, "", "3 1/4 - 1 2/3 -> 19/12"},
      // refused at the entry checks: the last one still
      {{"3", "-1", "4", "1", "2", "3"}, Action::kAdd, "", "3 1/4 - 1 2/3 -> 19/12"},
      {{}, Action::kClear, "", "3 1/4 - 1 2/3 -> 19/12"},
      {{"", "", "", "", "", ""}, Action::kAdd, "", "0 + 0 -> 0/1"},
      {{"-", "1", "2", "", "", "4"}, Action::kDivide, "", "-1/2 / 0 -> no answer"},
      {{"2.5", "", "", "", "1", "4"}, Action::kMultiply, "", "2.5 x 1/4 -> 5/8"},
      {{}, Action::kNone, "  (1/2 + 1/3) x 6\n", "(1/2 + 1/3) x 6 -> 5/1"},
      {{}, Action::kNone, "5/0 + 1", "5/0 + 1 -> no answer"},
      // One number, and statements, whose verdict Explain explains
      {{}, Action::kNone, "18/24", "18/24 -> 3/4"},
      {{}, Action::kNone, "35%", "35% -> 7/20"},
      {{}, Action::kNone, "5/8 > 3/5", "5/8 > 3/5 -> true"},
      {{}, Action::kNone, "123/997 > 119/961", "123/997 > 119/961 -> false"},
      {{}, Action::kNone, "1 1/2 = 3/2 = 1 1/4\n", "1 1/2 = 3/2 = 1 1/4 -> false"},
  };
  for (const Move& m : moves) {
    SCOPED_TRACE(m.explained);
    if (!m.typed.empty()) s.Type(m.typed);
    if (m.line.empty()) {
      s.actions.Click(m.click);
    } else {
      ASSERT_TRUE(s.actions.Solve(m.line));
    }
    EXPECT_EQ(Described(s.actions.CurrentExplanation()), m.explained);
  }
  EXPECT_EQ(s.view.shown.size(), 1u);  // a closed view is shown only what Explain asks for
}

TEST(Explain, AnOpenViewShowsEachNewCalculation) {
  Session s;
  s.view.open = true;
  s.Type({"", "1", "2", "", "1", "3"});
  s.actions.Click(Action::kAdd);
  ASSERT_TRUE(s.actions.Solve("2 1/2 / 1 1/4"));
  ASSERT_EQ(s.view.shown.size(), 2u);
  EXPECT_EQ(Described(s.view.shown[0]), "1/2 + 1/3 -> 5/6");
  EXPECT_EQ(Described(s.view.shown[1]), "2 1/2 / 1 1/4 -> 2/1");
}

}  // namespace
}  // namespace ondavi::form
