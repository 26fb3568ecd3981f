// The WebAssembly module's exports: the form table, and one page session to type into and click.
// Texts cross as UTF-8 with their length, so that any character, NUL included, arrives as it
// was: the page writes a text into the buffer that ondavi_buffer gives, and reads a returned text
// at the pointer returned, ondavi_returned_length bytes long. Both stay valid until the next call.
#include <emscripten/emscripten.h>

#include <string>
#include <string_view>
#include <vector>

#include "form_json.h"
#include "mathml_writer.h"
#include "message_text.h"
#include "page_session.h"
#include "translation.h"
#include "writers.h"

namespace {

ondavi::web::PageSession& Session() {
  static ondavi::web::PageSession session;
  return session;
}

std::string& Buffer() {
  static std::string buffer;
  return buffer;
}

std::string& ReturnedText() {
  static std::string returned;
  return returned;
}

const char* Returned(std::string text) {
  ReturnedText() = std::move(text);
  return ReturnedText().c_str();
}

// The page's own texts that ondavi_translate gives in the user's language.
[[maybe_unused]] constexpr const char* kPageTexts[] = {
    N_("OK"),
    // TRANSLATORS: The web page: the heading of the worked solution that "Explain" opens below
    // the calculator.
    N_("Worked solution"),
    // TRANSLATORS: The web page: a button that closes the worked solution.
    N_("Close"),
    // TRANSLATORS: The web page: a button that copies the worked solution as text (and with its
    // fractions, where the clipboard takes them).
    N_("Copy"),
    // TRANSLATORS: The web page: a button that copies the worked solution as LaTeX, the
    // typesetting language of mathematics.
    N_("Copy LaTeX"),
    // TRANSLATORS: The web page: a button that prints the worked solution.
    N_("Print"),
    // TRANSLATORS: The web page: said to screen readers once the worked solution is on the
    // clipboard.
    N_("Copied."),
};

std::string_view Translated(std::string_view context, std::string_view english) {
  return ondavi::form::Tr(context, english);
}

// The worked solution Explain last showed, in one of the writers' forms: its problem, then its
// steps; or its hint alone.
enum class Written { kHtml, kText, kLatex };
std::string Explained(Written written) {
  const ondavi::form::Explanation& shown = Session().Explanation();
  std::string out;
  if (written == Written::kHtml) {
    if (!shown.problem.empty()) {
      out += "<p class=\"problem\">" + ondavi::explain::HtmlEscaped(shown.problem) + "</p>";
    }
    if (shown.solution) {
      ondavi::explain::AppendHtml(out, *shown.solution, Translated);
    } else {
      out += "<p class=\"hint\">" + ondavi::explain::HtmlEscaped(shown.hint) + "</p>";
    }
    return out;
  }
  const bool latex = written == Written::kLatex;
  if (!shown.problem.empty()) out += shown.problem + (latex ? " \\\\\n" : "\n");
  if (!shown.solution) return out + shown.hint + "\n";
  if (latex) {
    ondavi::explain::AppendLatex(out, *shown.solution, Translated);
  } else {
    ondavi::explain::AppendText(out, *shown.solution, Translated);
  }
  return out;
}

}  // namespace

extern "C" {

// The user's languages in order of preference, one a line in the buffer: the form, Show Work
// and the messages follow the first with a catalog. Returns the language chosen ("en").
EMSCRIPTEN_KEEPALIVE const char* ondavi_choose_language() {
  std::vector<std::string> preferences;
  std::string_view rest = Buffer();
  while (!rest.empty()) {
    const std::size_t end = rest.find('\n');
    preferences.emplace_back(rest.substr(0, end));
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
  }
  return Returned(std::string(ondavi::form::ChooseLanguage(preferences)));
}

// The page's own text in the buffer, in the language chosen: one of kPageTexts.
EMSCRIPTEN_KEEPALIVE const char* ondavi_translate() {
  return Returned(std::string(ondavi::form::Tr(Buffer())));
}

EMSCRIPTEN_KEEPALIVE const char* ondavi_form() {
  return Returned(ondavi::web::FormJson());
}

// Room for a text of this many bytes, for the page to write into before passing it.
EMSCRIPTEN_KEEPALIVE char* ondavi_buffer(int length) {
  Buffer().assign(static_cast<std::size_t>(length), '\0');
  return Buffer().data();
}

// The length in bytes of the text the last call returned.
EMSCRIPTEN_KEEPALIVE int ondavi_returned_length() {
  return static_cast<int>(ReturnedText().size());
}

// Sets a box to the text in the buffer.
EMSCRIPTEN_KEEPALIVE void ondavi_set_text(int box) {
  Session().SetText(static_cast<ondavi::Box>(box), Buffer());
}

EMSCRIPTEN_KEEPALIVE const char* ondavi_text(int box) {
  return Returned(Session().Text(static_cast<ondavi::Box>(box)));
}

EMSCRIPTEN_KEEPALIVE void ondavi_set_decimal_separator(int separator) {
  Session().SetDecimalSeparator(static_cast<char>(separator));
}

// Clicks the button with this action; returns 1 when it showed a message.
EMSCRIPTEN_KEEPALIVE int ondavi_click(int action) {
  return Session().Click(static_cast<ondavi::form::Action>(action)) ? 1 : 0;
}

// Reads the buffer as a whole problem and, when it is one, fills the operand boxes and clicks
// its operator: returns 0 for no whole problem, 1 for an answer, 2 when a message showed.
EMSCRIPTEN_KEEPALIVE int ondavi_solve() {
  bool showed_message = false;
  if (!Session().Solve(Buffer(), showed_message)) return 0;
  return showed_message ? 2 : 1;
}

// Reads the buffer as Enter in an operand box does: returns 0 when nothing happens, 1 for an
// answer, 2 when a message showed (a step's, or why the text is no whole problem).
EMSCRIPTEN_KEEPALIVE int ondavi_enter() {
  return Session().Enter(Buffer());
}

// The answer boxes as one line, for copying.
EMSCRIPTEN_KEEPALIVE const char* ondavi_answer_line() {
  return Returned(Session().AnswerLine());
}

// The message as the calculator made it (lines end in CR LF, one breaks with a lone CR).
EMSCRIPTEN_KEEPALIVE const char* ondavi_message() {
  return Returned(Session().Message());
}

// The same message with every line end a line feed, as the page shows it.
EMSCRIPTEN_KEEPALIVE const char* ondavi_message_lines() {
  return Returned(ondavi::form::WithLineEnds(Session().Message(), "\n"));
}

// After an operator: the answer in words, for screen readers; empty after other buttons.
EMSCRIPTEN_KEEPALIVE const char* ondavi_last_result() {
  return Returned(Session().LastResult());
}

// Whether the page shows the worked solution now: while it does, each new calculation is explained
// at once, and ondavi_explained counts it.
EMSCRIPTEN_KEEPALIVE void ondavi_set_explanation_open(int open) {
  Session().SetExplanationOpen(open != 0);
}

// How many worked solutions Explain and the open solution have been given so far.
EMSCRIPTEN_KEEPALIVE int ondavi_explained() {
  return static_cast<int>(Session().Explained());
}

// The last worked solution as HTML with MathML (the problem, then a list of the steps; or the
// hint), as plain text (one step a line, sub-steps indented) and as LaTeX.
EMSCRIPTEN_KEEPALIVE const char* ondavi_explanation_html() {
  return Returned(Explained(Written::kHtml));
}
EMSCRIPTEN_KEEPALIVE const char* ondavi_explanation_text() {
  return Returned(Explained(Written::kText));
}
EMSCRIPTEN_KEEPALIVE const char* ondavi_explanation_latex() {
  return Returned(Explained(Written::kLatex));
}

}  // extern "C"
