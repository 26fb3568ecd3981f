// Whole problems worked step by step, as the windows, the page and the command line work them:
// each step a calculation of the six operand boxes on the answers of the steps before it.
#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>
#include <vector>

#include "answer_text.h"
#include "calculate.h"
#include "exact_fraction.h"
#include "form_actions.h"
#include "random_operands.h"
#include "recording_prompt.h"

namespace ondavi::form {
namespace {

using testing::RecordingPrompt;

struct Session {
  Module1 module;
  InMemoryBoxPanel boxes;
  RecordingPrompt prompt;
  FormActions actions{module, boxes, prompt};

  std::vector<std::string> Operands() const {
    return {boxes.texts().begin(), boxes.texts().begin() + 6};
  }
  // The lines of the transcript that name a step.
  std::vector<std::string> Headings() const {
    std::vector<std::string> headings;
    for (std::size_t at = 0; (at = module.Work.Text().find("Step ", at)) != std::string::npos;) {
      const std::size_t end = module.Work.Text().find("\r\n", at);
      headings.push_back(module.Work.Text().substr(at, end - at));
      at = end;
    }
    return headings;
  }
};

TEST(Solve, WorksEveryStepAndEndsWithTheLastStepsOperandsAndTheAnswer) {
  const struct {
    const char* problem;
    std::vector<std::string> operands;  // the last step's
    const char* answer_line;
    std::vector<std::string> headings;
  } cases[] = {
      {"1/2 + 1/3 x 3/4 - 1/5",
       {"", "3", "4", "", "1", "5"},
       "11/20 = 0.55",
       {"Step 1 of 3: 1/3 x 3/4", "Step 2 of 3: 1/2 + 1/4", "Step 3 of 3: 3/4 - 1/5"}},
      {"1/2 x 1/3 + 1/4 x 1/5",
       {"", "1", "6", "", "1", "20"},
       "13/60 = 0.216666666666667",
       {"Step 1 of 3: 1/2 x 1/3", "Step 2 of 3: 1/4 x 1/5", "Step 3 of 3: 1/6 + 1/20"}},
      {"(1/2 + 1/3) x 3/4",
       {"", "5", "6", "", "3", "4"},
       "5/8 = 0.625",
       {"Step 1 of 2: 1/2 + 1/3", "Step 2 of 2: 5/6 x 3/4"}},
      {"1/2 - 3 2/3 \u00F7 1",
       {"", "1", "2", "", "11", "3"},
       "-19/6 = -3 1/6 = -3.16666666666667",
       {"Step 1 of 2: 3 2/3 / 1", "Step 2 of 2: 1/2 - 11/3"}},
      {"1/2 - 3 2/3 + -1.5",
       {"-", "19", "6", "-1.5", "0", "1"},
       "-14/3 = -4 2/3 = -4.66666666666667",
       {"Step 1 of 2: 1/2 - 3 2/3", "Step 2 of 2: -19/6 + -1.5"}},
      {"1 1/2 + 2/3", {"1", "1", "2", "", "2", "3"}, "13/6 = 2 1/6 = 2.16666666666667", {}},
      // One number alone: it and an empty second operand, added (the calculation writes the empty
      // boxes as 0/1); a percent as its fraction.
      {"18/24", {"", "18", "24", "", "0", "1"}, "3/4 = 0.75", {}},
      {"0.375 = ?", {"0.375", "0", "1", "", "0", "1"}, "3/8 = 0.375", {}},
      {"1\u00BD", {"1", "1", "2", "", "0", "1"}, "3/2 = 1 1/2 = 1.5", {}},
      {"-6/4", {"-", "6", "4", "", "0", "1"}, "-3/2 = -1 1/2 = -1.5", {}},
      {"35%", {"", "35", "100", "", "0", "1"}, "7/20 = 0.35", {}},
      {"1/2 + 10%", {"", "1", "2", "", "10", "100"}, "3/5 = 0.6", {}},
  };
  for (const auto& test : cases) {
    Session s;
    ASSERT_TRUE(s.actions.Solve(test.problem)) << test.problem;
    EXPECT_EQ(s.Operands(), test.operands) << test.problem;
    EXPECT_EQ(AnswerLine(s.boxes), test.answer_line) << test.problem;
    EXPECT_EQ(s.Headings(), test.headings) << test.problem;
    EXPECT_TRUE(s.prompt.shown.empty()) << test.problem;
  }
}

// A comparison, statement or chain says its verdict in the message box and leaves the boxes as
// they were.
TEST(Solve, AStatementsVerdictIsAMessageAndTheBoxesStay) {
  const struct {
    const char* line;
    const char* message;
  } cases[] = {
      {"5/8 ? 3/5", "So 5/8 > 3/5"},
      {"5/8 < 3/5", "False: 5/8 < 3/5"},
      {"123/997 ? 119/961", "So 123/997 < 119/961"},
      {"3 1/4 - 1 2/3 = 1 5/12",
       "3 1/4 - 1 2/3 is 1 7/12, not 1 5/12.\r\nFalse: 3 1/4 - 1 2/3 = 1 5/12"},
      {"3 1/4 - 1 2/3\n= 2 5/4 - 1 2/3\n= 1 3/4",
       "Line 2 of 2: 2 5/4 - 1 2/3 = 1 3/4\r\n2 5/4 - 1 2/3 is 1 7/12, not 1 3/4.\r\n"
       "False: 2 5/4 - 1 2/3 = 1 3/4"},
      {"1/2 / 0 = 1", kDivideByZeroMessage},
  };
  for (const auto& test : cases) {
    Session s;
    ASSERT_TRUE(s.actions.Solve("1 1/2 + 2/3"));
    const auto boxes = s.boxes.texts();
    ASSERT_TRUE(s.actions.Solve(test.line)) << test.line;
    EXPECT_EQ(s.prompt.shown, std::vector<std::string>{test.message}) << test.line;
    EXPECT_EQ(s.boxes.texts(), boxes) << test.line;
  }
}

TEST(Solve, ShowsEveryStepsTranscriptUnderItsHeadingAndOneStepAsTheButtonWould) {
  Session s;
  s.actions.Solve("(1/2 + 1/3) x 3/4");
  EXPECT_EQ(s.module.Work,
            "Step 1 of 2: 1/2 + 1/3\r\n"
            "  1/2   +    1/3\r    Becomes \r\n 3/ 6   +   2/ 6\r\n    Answer is\r\n 5/ 6\r\n"
            "\r\n"
            "Step 2 of 2: 5/6 x 3/4\r\n"
            "  5/6   x    3/4\r    Becomes \r\n 5/ 6   x   3/ 4\r\n    Answer is\r\n 15/ 24\r\n"
            "    After Reduction by GCF 3\r\n 5/ 8");
  Session one, clicked;
  one.actions.Solve("1 1/2 + 2/3");
  for (Box box : {Box::Text1, Box::Text2, Box::Text3, Box::Text5, Box::Text6}) {
    clicked.boxes.SetText(box, one.boxes.Text(box));
  }
  clicked.actions.Click(Action::kAdd);
  EXPECT_EQ(one.module.Work, clicked.module.Work);
  EXPECT_EQ(one.boxes.texts(), clicked.boxes.texts());
}

TEST(Solve, AStepThatEndsInAMessageEndsTheProblem) {
  const struct {
    const char* problem;
    const char* message;
    const char* work_ending;
  } cases[] = {
      {"1/2 + 1/3 / 0 + 5", kDivideByZeroMessage,
       "Step 1 of 3: 1/3 / 0\r\n  1/3   /   0 0/1\r    Becomes \r\n 1/ 3   /   0/ 1\r\n"
       " 1/ 3   X   1/ 0\r\n    Answer is\r\nCannot divide by zero."},
      {"1/2 + 94906267 x 94906267", kTooLargeMessage,
       "\r\n    Answer is\r\nNumbers too large to calculate."},
      // Refused before the step began: the step has its message and nothing more.
      {"1 + 2 + 99999999999999999", kTooLargeMessage,
       "\r\n\r\nStep 2 of 2: 3/1 + 99999999999999999\r\nNumbers too large to calculate."},
  };
  for (const auto& test : cases) {
    Session s;
    ASSERT_TRUE(s.actions.Solve(test.problem));
    EXPECT_EQ(s.prompt.shown, std::vector<std::string>{test.message}) << test.problem;
    EXPECT_TRUE(s.module.Work.Text().ends_with(test.work_ending)) << s.module.Work.Text();
    EXPECT_EQ(s.boxes.Text(Box::Text7), "");
  }
}

// The operand boxes hold the refused problem: no earlier answer stays beside them.
TEST(Solve, AProblemRefusedAsTooLargeLeavesTheAnswerBoxesEmpty) {
  for (const char* problem :
       {"99999999999999999 + 1", "94906267 x 94906267", "1 + 2 + 99999999999999999"}) {
    Session s;
    ASSERT_TRUE(s.actions.Solve("1/2 + 1/3"));
    ASSERT_TRUE(s.actions.Solve(problem));
    EXPECT_EQ(s.prompt.shown, std::vector<std::string>{kTooLargeMessage}) << problem;
    EXPECT_EQ(std::vector<std::string>(s.boxes.texts().begin() + 6, s.boxes.texts().end()),
              std::vector<std::string>(6, ""))
        << problem;
  }
}

TEST(Solve, AnOperandWithAZeroDenominatorChangesNothing) {
  for (const char* problem : {"5/0 + 1", "1 1/0 x 3", "1/2 + 1/3 x 007/0"}) {
    Session s;
    s.actions.Solve("1 1/2 + 2/3");
    const auto boxes = s.boxes.texts();
    const std::string work = s.module.Work;
    ASSERT_TRUE(s.actions.Solve(problem));
    EXPECT_EQ(s.prompt.shown, std::vector<std::string>{kDivideByZeroMessage}) << problem;
    EXPECT_EQ(s.boxes.texts(), boxes) << problem;
    EXPECT_EQ(s.module.Work, work) << problem;
  }
}

// Random problems of two to eight operands with brackets, printed so that they read back as the
// tree they were made from, worked here exactly, step by step in the order the calculator works
// Enter in an operand box: a whole problem is worked; other text says why it is none, and the
// boxes keep what they hold; a box being filled in (nothing, a lone number or sign, digits with
// blanks between them, which the box takes as one number) takes Enter silently.
TEST(Enter, SaysWhyATextIsNoProblemUnlessTheBoxIsBeingFilledIn) {
  using Entered = FormActions::Entered;
  const struct {
    const char* text;
    char separator;
    Entered entered;
    const char* message;  // shown, if any
  } cases[] = {
      {"1/2 + 1/3", '.', Entered::kSolved, nullptr},
      {"2 (1 + 1)", '.', Entered::kRefused, "not a problem\r\nwrite x between 2 and ("},
      {"3 1/4", '.', Entered::kSolved, nullptr},
      {"35%", '.', Entered::kSolved, nullptr},
      {"5/8 ? 3/5", '.', Entered::kSolved, "So 5/8 > 3/5"},
      {"1 < ", '.', Entered::kRefused, "not a problem\r\nwrite a number after '<' (character 3)"},
      {"2,5", '.', Entered::kRefused,
       "not a problem\r\n',' (character 2) is not part of a problem"},
      {"", '.', Entered::kNothing, nullptr},
      {" ", '.', Entered::kNothing, nullptr},
      {"-", '.', Entered::kNothing, nullptr},
      {"-12", '.', Entered::kNothing, nullptr},
      {"1.5", '.', Entered::kNothing, nullptr},
      {"2,5", ',', Entered::kNothing, nullptr},
      {"10 000", '.', Entered::kNothing, nullptr},
      {"1 2", '.', Entered::kNothing, nullptr},
  };
  struct Boxes : InMemoryBoxPanel {
    char DecimalSeparator() const override { return separator; }
    char separator = '.';
  };
  for (const auto& test : cases) {
    Module1 module;
    Boxes boxes;
    RecordingPrompt prompt;
    FormActions actions{module, boxes, prompt};
    boxes.separator = test.separator;
    boxes.SetText(Box::Text2, test.text);
    EXPECT_EQ(actions.Enter(test.text), test.entered) << test.text;
    EXPECT_EQ(prompt.shown,
              test.message ? std::vector<std::string>{test.message} : std::vector<std::string>{})
        << test.text;
    if (test.entered != Entered::kSolved) {
      EXPECT_EQ(boxes.Text(Box::Text2), test.text);
    }
  }
}

// them.
struct Node {
  std::array<std::string, 3> operand;  // a leaf's box texts
  char op = 0;                         // + - x /, or 0 for a leaf
  std::unique_ptr<Node> left, right;
};

int Rank(char op) {
  return op == '+' || op == '-' ? 1 : op ? 2 : 3;
}

std::unique_ptr<Node> RandomTree(std::mt19937& rng, int leaves) {
  auto node = std::make_unique<Node>();
  if (leaves == 1) {
    // Non-empty whole numbers, and denominators from 1: every operand is one a person writes.
    std::string whole = testing::RandomWhole(rng);
    std::string num = std::to_string(1 + rng() % 999), den = std::to_string(1 + rng() % 999);
    switch (rng() % 3) {
      case 0:  // a whole number
        node->operand = {whole == "" || whole == "-" ? "7" : whole, "", ""};
        break;
      case 1:  // a fraction
        node->operand = {rng() % 2 ? "-" : "", num, den};
        break;
      default: {  // a mixed number, its fraction below 2 as a mixed number's is
        const auto d = 1 + rng() % 999;
        node->operand = {std::to_string(rng() % 1000), std::to_string(1 + rng() % (2 * d - 1)),
                         std::to_string(d)};
        break;
      }
    }
    return node;
  }
  const int left = 1 + static_cast<int>(rng() % static_cast<unsigned>(leaves - 1));
  node->op = "+-x/"[rng() % 4];
  node->left = RandomTree(rng, left);
  node->right = RandomTree(rng, leaves - left);
  return node;
}

std::string Written(const Node& node, std::mt19937& rng) {
  if (!node.op) return WrittenOperand(node.operand);
  std::string left = Written(*node.left, rng), right = Written(*node.right, rng);
  // Brackets where the order needs them, and now and then where it does not.
  if (Rank(node.left->op) < Rank(node.op) || (node.left->op && rng() % 4 == 0)) {
    left = "(" + left + ")";
  }
  if (Rank(node.right->op) <= Rank(node.op) || (node.right->op && rng() % 4 == 0)) {
    right = "(" + right + ")";
  }
  return left + " " + node.op + " " + right;
}

// What working the tree gives: its exact answer, or the message of the step that stops it.
struct Worked {
  testing::Fraction answer;
  const char* message = nullptr;
};

Worked Work(const Node& node) {
  if (!node.op) return {testing::Improper(node.operand[0], node.operand[1], node.operand[2])};
  const Worked left = Work(*node.left);
  if (left.message) return left;
  const Worked right = Work(*node.right);
  if (right.message) return right;
  const testing::Outcome step =
      testing::Exact(left.answer, right.answer, node.op == 'x' ? "x" : std::string(1, node.op));
  if (step.too_large) return {{}, kTooLargeMessage};
  if (step.result.den == 0) return {{}, kDivideByZeroMessage};
  return {testing::Normalised(step.result)};
}

TEST(Solve, RandomProblemsWithBracketsAreAnsweredExactlyStepByStep) {
  std::mt19937 rng(20261209);
  int answered = 0;
  for (int run = 0; run < 2000; ++run) {
    const auto tree = RandomTree(rng, 2 + static_cast<int>(rng() % 7));
    const std::string problem = Written(*tree, rng);
    const Worked expected = Work(*tree);
    Session s;
    ASSERT_TRUE(s.actions.Solve(problem)) << problem;
    if (expected.message) {
      ASSERT_EQ(s.prompt.shown, std::vector<std::string>{expected.message}) << problem;
      continue;
    }
    ASSERT_TRUE(s.prompt.shown.empty()) << problem << ": " << s.prompt.shown[0];
    const testing::Int num = testing::Number(s.boxes.Text(Box::Text7));
    const testing::Int den = testing::Number(s.boxes.Text(Box::Text8));
    ASSERT_TRUE(num == expected.answer.num && den == expected.answer.den) << problem;
    ++answered;
  }
  EXPECT_GT(answered, 1000);  // most are answered; the rest reach 2^53 or divide by zero
}

}  // namespace
}  // namespace ondavi::form
