// Runs clicks through a page session, natively, for the differential test of the web page and
// for its benchmark. Reads one click a line from standard input, "ACTION\tText1\t...\tText6"
// (ACTION is the form's action number; tabs, line feeds and backslashes in texts are escaped as
// \t, \n and \\), clicks on one session that lives for the whole input, and writes one line a
// click: the twelve box texts, whether a message showed, and the message, escaped and tab
// separated. With --time ACTION T1 ... T6 it prints the median time of one such click in
// microseconds instead; with --control-json, a control as the page reads it from the form's
// JSON, with standard input as its caption and accessible name.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

#include "form_json.h"
#include "page_session.h"

namespace {

using ondavi::Box;
using ondavi::form::Action;

std::string Unescape(const std::string& text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\\' || i + 1 == text.size()) {
      out += text[i];
      continue;
    }
    const char c = text[++i];
    out += c == 't' ? '\t' : c == 'n' ? '\n' : c == 'r' ? '\r' : c;
  }
  return out;
}

std::string Escape(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '\\')
      out += "\\\\";
    else if (c == '\t')
      out += "\\t";
    else if (c == '\n')
      out += "\\n";
    else if (c == '\r')
      out += "\\r";
    else
      out += c;
  }
  return out;
}

std::vector<std::string> Split(const std::string& line) {
  std::vector<std::string> fields(1);
  for (char c : line) {
    if (c == '\t')
      fields.emplace_back();
    else
      fields.back() += c;
  }
  return fields;
}

bool Click(ondavi::web::PageSession& session, const std::vector<std::string>& fields) {
  for (std::size_t i = 1; i < fields.size() && i <= 6; ++i) {
    session.SetText(static_cast<Box>(i), Unescape(fields[i]));
  }
  return session.Click(static_cast<Action>(std::stoi(fields[0])));
}

int Time(const std::vector<std::string>& fields) {
  ondavi::web::PageSession session;
  std::vector<double> samples;
  for (int sample = 0; sample < 15; ++sample) {
    const int rounds = 50;
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < rounds; ++i) Click(session, fields);
    const std::chrono::duration<double, std::micro> spent =
        std::chrono::steady_clock::now() - start;
    samples.push_back(spent.count() / rounds);
  }
  std::sort(samples.begin(), samples.end());
  std::printf("%.2f\n", samples[samples.size() / 2]);
  return 0;
}

int ControlJson() {
  const std::string text{std::istreambuf_iterator<char>(std::cin), {}};
  ondavi::form::Control control = ondavi::form::kControls.front();
  control.caption = text;
  control.accessible_name = text;
  std::cout << ondavi::web::json::Control(control) << '\n';
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1 && std::string(argv[1]) == "--time") {
    return Time(std::vector<std::string>(argv + 2, argv + argc));
  }
  if (argc > 1 && std::string(argv[1]) == "--control-json") return ControlJson();
  ondavi::web::PageSession session;
  std::string line;
  while (std::getline(std::cin, line)) {
    const bool shown = Click(session, Split(line));
    std::string out;
    for (int box = 1; box <= ondavi::kBoxCount; ++box) {
      out += Escape(session.Text(static_cast<Box>(box))) + '\t';
    }
    std::cout << out << (shown ? "1\t" : "0\t") << Escape(session.Message()) << '\n';
  }
  return 0;
}
