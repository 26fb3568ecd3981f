#pragma once

// One calculator as the web page runs it: the module state, twelve boxes held in memory (the page
// copies the boxes' texts in before a click and out after it), the form's actions, and the
// message the last click showed. The WebAssembly module exports it to the page; the differential
// test runs the same class natively.
#include <string>

#include "answer_text.h"
#include "box_panel.h"
#include "explanation.h"
#include "form.h"
#include "form_actions.h"
#include "module1.h"

namespace ondavi::web {

class PageSession {
 public:
  PageSession() { actions_.SetExplanationView(&view_); }
  PageSession(const PageSession&) = delete;
  PageSession& operator=(const PageSession&) = delete;

  void SetText(Box box, const std::string& text) { boxes_.SetText(box, text); }
  std::string Text(Box box) const { return boxes_.Text(box); }
  void SetDecimalSeparator(char separator) { boxes_.separator = separator; }

  // Clicks a button; tells whether it showed a message, which Message then holds.
  bool Click(form::Action action) {
    actions_.Click(action);
    return actions_.Said().Shown();
  }
  // A whole problem pasted or entered: works its steps on the operand boxes. Tells whether the
  // line was one, and then in `showed_message` whether it ended in a message.
  bool Solve(const std::string& line, bool& showed_message) {
    const bool solved = actions_.Solve(line);
    showed_message = solved && actions_.Said().Shown();
    return solved;
  }
  // Enter in an operand box: 0 when nothing happens (a box being filled in), 1 for an answer, 2
  // when a message showed: the step's, or why the text is no whole problem.
  int Enter(const std::string& line) {
    switch (actions_.Enter(line)) {
      case form::FormActions::Entered::kNothing:
        return 0;
      case form::FormActions::Entered::kSolved:
        return actions_.Said().Shown() ? 2 : 1;
      case form::FormActions::Entered::kRefused:
        return 2;
    }
    return 0;
  }
  std::string AnswerLine() const { return form::AnswerLine(boxes_); }

  const std::string& Message() const { return actions_.Said().Last(); }
  const std::string& LastResult() const { return actions_.LastResult(); }

  // The worked solution "Explain" last showed, and how many times one was shown: the page shows
  // each new one while its solution is open.
  const form::Explanation& Explanation() const { return view_.shown; }
  unsigned Explained() const { return view_.count; }
  void SetExplanationOpen(bool open) { view_.open = open; }

 private:
  struct View : form::ExplanationView {
    void Show(const form::Explanation& explanation) override {
      shown = explanation;
      ++count;
    }
    bool Open() const override { return open; }
    form::Explanation shown;
    unsigned count = 0;
    bool open = false;
  };
  struct Boxes : InMemoryBoxPanel {
    char DecimalSeparator() const override { return separator; }
    char separator = '.';
  };
  Module1 module_;
  Boxes boxes_;
  form::FormActions actions_{module_, boxes_};
  View view_;
};

}  // namespace ondavi::web
