// The texts in the user's language: which catalog a user's preferences choose, that every
// catalog speaks the form's, the messages' and Show Work's words, and the decimal comma.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "answer_text.h"
#include "calculate.h"
#include "form.h"
#include "form_actions.h"
#include "recording_prompt.h"
#include "translation.h"

namespace ondavi::form {
namespace {

class Translation : public ::testing::Test {
 protected:
  void TearDown() override { ChooseLanguage({}); }  // English again for the other tests
};

TEST_F(Translation, TheFirstPreferenceWithACatalogIsChosen) {
  const struct {
    std::vector<std::string> preferences;
    const char* chosen;
  } cases[] = {
      {{"fr_FR.UTF-8"}, "fr"},
      {{"pt-BR"}, "pt_BR"},
      {{"pt_PT"}, "pt_BR"},
      {{"zh"}, "zh_CN"},
      {{"ja_JP.eucJP@x"}, "ja"},
      {{"xx", "de_AT"}, "de"},
      {{"en_GB", "fr"}, "en"},
      {{"C"}, "en"},
      {{}, "en"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ChooseLanguage(c.preferences), c.chosen) << c.preferences.size();
    EXPECT_EQ(Language(), c.chosen);
  }
}

TEST_F(Translation, TheEnvironmentIsReadInGettextsOrder) {
  const struct {
    std::map<std::string, std::string> variables;
    std::vector<std::string> languages;
  } cases[] = {
      {{{"LANGUAGE", "fr:de"}, {"LANG", "it_IT.UTF-8"}}, {"fr", "de", "it_IT.UTF-8"}},
      {{{"LANGUAGE", "fr"}}, {"fr"}},
      {{{"LANGUAGE", "fr"}, {"LC_ALL", "C"}}, {"C"}},
      {{{"LC_ALL", "ru_RU.UTF-8"}, {"LC_MESSAGES", "de_DE"}, {"LANG", "es"}}, {"ru_RU.UTF-8"}},
      {{{"LC_MESSAGES", "de_DE"}, {"LANG", "es"}}, {"de_DE"}},
      {{}, {}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(EnvironmentLanguages([&](const char* name) {
                const auto found = c.variables.find(name);
                return found == c.variables.end() ? std::string() : found->second;
              }),
              c.languages);
  }
}

// Every catalog translates every caption, accessible name, message and word of Show Work; the
// few that a language writes as English does are named.
TEST_F(Translation, EveryCatalogSpeaksEveryTextOfTheForm) {
  const std::set<std::pair<std::string, std::string>> alike = {
      {"fr", "Fraction1"}, {"fr", "Fraction2"}, {"es", "Decimal"}, {"pt_BR", "Decimal"}};
  std::vector<std::string> texts;
  for (const Control& control : kControls) {
    if (control.kind == Kind::kLabel || control.kind == Kind::kCommandButton) {
      if (control.caption.size() > 1) texts.emplace_back(control.caption);
    }
    if (!control.accessible_name.empty()) texts.emplace_back(control.accessible_name);
  }
  ASSERT_EQ(CatalogLanguages().size(), 12u);
  for (const std::string_view language : CatalogLanguages()) {
    ChooseLanguage(std::vector<std::string>{std::string(language)});
    for (const std::string& text : texts) {
      if (alike.contains({std::string(language), text})) continue;
      EXPECT_NE(Tr(text), text) << language;
    }
    EXPECT_EQ(Tr(""), "") << language;  // not the catalog's header
    const Words& words = CalculationWords();
    for (const auto& [english, translated] : {std::pair{kNegativeSignMessage, words.negative_sign},
                                              {kNonNumericMessage, words.non_numeric},
                                              {kDivideByZeroMessage, words.divide_by_zero},
                                              {kTooLargeMessage, words.too_large},
                                              {kBecomes, words.becomes},
                                              {kAnswerIs, words.answer_is},
                                              {kAfterReduction, words.after_reduction}}) {
      EXPECT_NE(translated, english) << language;
    }
  }
}

// Show Work and the spoken answer in French, the steps' headings with their numbers in place.
TEST_F(Translation, ShowWorkAndTheSpokenAnswerAreInTheLanguageChosen) {
  ChooseLanguage(std::vector<std::string>{"fr"});
  Module1 module;
  InMemoryBoxPanel boxes;
  testing::RecordingPrompt prompt;
  FormActions actions(module, boxes, prompt);
  ASSERT_TRUE(actions.Solve("(1/2 + 1/3) x 3/4"));
  EXPECT_EQ(module.Work.Text().substr(0, module.Work.Text().find("\r\n")),
            "Étape 1 (sur 2)\u00a0: 1/2 + 1/3");
  EXPECT_NE(module.Work.Text().find("\r    Devient \r\n"), std::string::npos);
  EXPECT_NE(module.Work.Text().find("    La réponse est\r\n"), std::string::npos);
  EXPECT_NE(module.Work.Text().find("    Après simplification par le PGCD 3\r\n"),
            std::string::npos);
  EXPECT_EQ(actions.LastResult(), "5 sur 8, décimal 0.625");
  EXPECT_EQ(AnswerLine(boxes), "5/8 = 0.625");  // scripts read it: never translated
  ASSERT_TRUE(actions.Solve("1/2 / 0"));
  EXPECT_EQ(prompt.shown.back(), "Division par zéro impossible.");
  ChooseLanguage(std::vector<std::string>{"zh_CN"});
  EXPECT_EQ(TrArgs("%1 over %2", std::array<std::string, 2>{"5", "8"}), "8分之5");
}

// Where decimals are written with a comma, whole-number boxes and whole problems take it.
TEST_F(Translation, AWholeNumberWithADecimalCommaIsReadWhereTheLocaleWritesOne) {
  class CommaBoxes : public InMemoryBoxPanel {
   public:
    char DecimalSeparator() const override { return ','; }
  };
  for (const char* problem : {"2,5 + 1/3", "2.5 + 1/3"}) {
    Module1 module;
    CommaBoxes boxes;
    testing::RecordingPrompt prompt;
    FormActions actions(module, boxes, prompt);
    ASSERT_TRUE(actions.Solve(problem)) << problem;
    EXPECT_EQ(AnswerLine(boxes), "17/6 = 2 5/6 = 2.83333333333333") << problem;
    EXPECT_EQ(boxes.Text(Box::Text12), "2,83333333333333");
  }
  Module1 module;
  CommaBoxes boxes;
  testing::RecordingPrompt prompt;
  for (const auto& [box, text] :
       {std::pair{Box::Text1, "2,5"}, {Box::Text5, "1"}, {Box::Text6, "3"}}) {
    boxes.SetText(box, text);
  }
  module.Operation = "+";
  Calculate(module, boxes, prompt);
  EXPECT_TRUE(prompt.shown.empty());
  EXPECT_EQ(boxes.Text(Box::Text1), "2,5");  // as typed
  EXPECT_EQ(AnswerLine(boxes), "17/6 = 2 5/6 = 2.83333333333333");
  EXPECT_EQ(module.Work.Text().substr(0, module.Work.Text().find('\r')), " 2,5 0/1   +    1/3");
}

}  // namespace
}  // namespace ondavi::form
