// The Windows window under Wine: every control against the form table, the keyboard, the
// calculation through the real controls, staying on top, and the accessible names.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>
#include <ole2.h>
#include <oleacc.h>

#include <array>
#include <cctype>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "calculate.h"
#include "calculator_window.h"
#include "description_steps.h"
#include "edit_box_panel.h"
#include "explanation_window.h"
#include "form.h"
#include "label_room.h"
#include "message_box_prompt.h"
#include "recording_prompt.h"
#include "text_conversion.h"
#include "text_printing.h"
#include "translation.h"

namespace ondavi::win32 {
namespace {

class Win32Window : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { OleInitialize(nullptr); }

  void SetUp() override {
    ShowWindow(window_.hwnd(), SW_SHOW);
    SetForegroundWindow(window_.hwnd());
    SetFocus(Control("Text1"));
    Pump();
  }

  HWND Control(std::string_view name) const { return window_.Control(name); }
  std::string Text(std::string_view name) const { return Narrow(WindowText(Control(name))); }

  // Delivers what is queued as the program's message loop does.
  void Pump() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == WM_QUIT || window_.HandleDialogKey(message)) continue;
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
  void Press(WPARAM key) {
    const HWND focus = GetFocus();
    PostMessageW(focus, WM_KEYDOWN, key, 1);
    PostMessageW(focus, WM_KEYUP, key, static_cast<LPARAM>(0xC0000001u));
    Pump();
  }
  void Type(std::string_view name, const std::string& text) {
    SetFocus(Control(name));
    for (wchar_t c : Widen(text)) PostMessageW(Control(name), WM_CHAR, c, 1);
    Pump();
  }
  // What a screen reader reads as a control's description.
  std::string Description(std::string_view name) const {
    IAccessible* accessible = nullptr;
    if (FAILED(AccessibleObjectFromWindow(Control(name), OBJID_CLIENT, __uuidof(IAccessible),
                                          reinterpret_cast<void**>(&accessible)))) {
      return "(no accessible object)";
    }
    VARIANT self;
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR text = nullptr;
    accessible->get_accDescription(self, &text);
    const std::string description = Narrow(text ? text : L"");
    SysFreeString(text);
    accessible->Release();
    return description;
  }
  std::vector<std::string> Boxes() const {
    std::vector<std::string> texts;
    for (int box = 1; box <= kBoxCount; ++box) texts.push_back(Text("Text" + std::to_string(box)));
    return texts;
  }

  Module1 module_;
  testing::RecordingPrompt prompt_;
  CalculatorWindow window_{GetModuleHandleW(nullptr), module_, &prompt_};
};

std::wstring ClassOf(HWND control) {
  wchar_t name[64] = {};
  GetClassNameW(control, name, 64);
  return name;
}

RECT PlaceIn(HWND control, HWND parent) {
  RECT rect;
  GetWindowRect(control, &rect);
  MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

TEST_F(Win32Window, EveryControlStandsAsTheFormSaysAt96Dpi) {
  ASSERT_EQ(GetDpiForWindow(window_.hwnd()), 96u);
  RECT client;
  GetClientRect(window_.hwnd(), &client);
  EXPECT_EQ(client.right, 449);
  EXPECT_EQ(client.bottom, 150);
  wchar_t class_name[64] = {};
  GetClassNameW(window_.hwnd(), class_name, 64);
  EXPECT_STREQ(class_name, L"Calculator");
  EXPECT_EQ(Narrow(WindowText(window_.hwnd())), form::kCaption);
  EXPECT_FALSE(GetWindowLongW(window_.hwnd(), GWL_STYLE) & (WS_MAXIMIZEBOX | WS_THICKFRAME));

  const form::Place frame = form::kFrame1.place;
  const HWND frame1 = Control("Frame1");
  EXPECT_EQ(Text("Frame1"), form::kFrame1.caption);
  EXPECT_EQ(GetWindowLongW(frame1, GWL_STYLE) & BS_TYPEMASK, BS_GROUPBOX);
  for (const form::Control& c : form::kControls) {
    SCOPED_TRACE(std::string(c.name));
    const HWND control = Control(c.name);
    ASSERT_NE(control, nullptr);
    const LONG style = GetWindowLongW(control, GWL_STYLE);
    const wchar_t* expected_class = c.kind == form::Kind::kTextBox         ? L"Edit"
                                    : c.kind == form::Kind::kCommandButton ? L"Button"
                                                                           : L"Static";
    EXPECT_EQ(_wcsicmp(ClassOf(control).c_str(), expected_class), 0);
    if (c.kind != form::Kind::kTextBox) {
      EXPECT_EQ(Text(c.name), c.caption);
    }
    EXPECT_EQ((style & WS_TABSTOP) != 0, c.TakesFocus());
    if (c.kind == form::Kind::kTextBox) {
      EXPECT_EQ((style & ES_READONLY) != 0, c.answer);
      EXPECT_EQ(SendMessageW(control, EM_GETLIMITTEXT, 0, 0), form::kMaxBoxLength);
    }
    if (c.kind == form::Kind::kLabel) {
      EXPECT_EQ(style & SS_TYPEMASK, c.alignment == form::Alignment::kCentre ? SS_CENTER : SS_LEFT);
    }
    const RECT rect = PlaceIn(control, window_.hwnd());
    EXPECT_EQ(rect.left, form::Pixels(frame.left) + form::Pixels(c.place.left));
    EXPECT_EQ(rect.top, form::Pixels(frame.top) + form::Pixels(c.place.top));
    EXPECT_EQ(rect.right - rect.left, form::Pixels(c.place.width));
    EXPECT_EQ(rect.bottom - rect.top, form::Pixels(c.place.height));
  }
}

TEST_F(Win32Window, StaysOnTopAfterLoad) {
  EXPECT_TRUE(GetWindowLongW(window_.hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST);
}

TEST_F(Win32Window, TabFollowsTheFormsTabOrderFromText1) {
  EXPECT_EQ(GetFocus(), Control("Text1"));
  std::vector<std::string_view> expected, visited;
  for (const form::Control& c : form::kControls) {
    if (c.TakesFocus()) expected.push_back(c.name);
  }
  for (std::size_t i = 0; i < expected.size(); ++i) {
    for (const form::Control& c : form::kControls) {
      if (Control(c.name) == GetFocus()) visited.push_back(c.name);
    }
    Press(VK_TAB);
  }
  EXPECT_EQ(visited, expected);
  EXPECT_EQ(GetFocus(), Control("Text1"));  // round again
}

TEST_F(Win32Window, SpaceAndEnterOnAFocusedButtonClickIt) {
  for (WPARAM key : {VK_SPACE, VK_RETURN}) {
    SCOPED_TRACE(key);
    for (int box = 1; box <= kBoxCount; ++box)
      SetWindowTextW(Control("Text" + std::to_string(box)), L"");
    Type("Text1", "1");
    Type("Text2", "1");
    Type("Text3", "2");
    Type("Text5", "2");
    Type("Text6", "3");
    SetFocus(Control("Add"));
    Press(key);
    EXPECT_EQ(Boxes(), (std::vector<std::string>{"1", "1", "2", "", "2", "3", "13", "6", "2", "1",
                                                 "6", "2.16666666666667"}));
    EXPECT_EQ(module_.Operation, "+");
    EXPECT_EQ(Description("Add"),
              "13 over 6, mixed number 2 and 1 over 6, decimal 2.16666666666667");
  }
  SetFocus(Control("Text7"));
  Press(VK_RETURN);  // Enter in a box does nothing
  EXPECT_TRUE(prompt_.shown.empty());
}

TEST_F(Win32Window, OnlyThePressedOperatorDescribesTheAnswer) {
  for (const auto& step : testing::kDescriptionSteps) {
    if (std::string_view(step.click) != "cls") {
      SetWindowTextW(Control("Text2"), L"1");
      SetWindowTextW(Control("Text3"), L"2");
    }
    SendMessageW(Control(step.click), BM_CLICK, 0, 0);
    for (const char* button : testing::kButtonNames) {
      EXPECT_EQ(Description(button).empty(), std::string_view(button) != step.describer)
          << button << " after " << step.click << ": " << Description(button);
    }
  }
}

TEST_F(Win32Window, MessagesAndShowWorkGoThroughThePrompt) {
  Type("Text2", "-1");
  SendMessageW(Control("Add"), BM_CLICK, 0, 0);
  SendMessageW(Control("ShowWork"), BM_CLICK, 0, 0);
  SetWindowTextW(Control("Text2"), L"1");
  Type("Text3", "2");
  SendMessageW(Control("Divide"), BM_CLICK, 0, 0);
  SendMessageW(Control("cls"), BM_CLICK, 0, 0);
  SendMessageW(Control("ShowWork"), BM_CLICK, 0, 0);
  Pump();
  EXPECT_EQ(prompt_.shown, (std::vector<std::string>{kNegativeSignMessage, "", kDivideByZeroMessage,
                                                     module_.Work}));
  EXPECT_EQ(Boxes(), std::vector<std::string>(kBoxCount, ""));
}

TEST_F(Win32Window, AnotherWindowTakingTheFocusLeavesTheBoxAsItWas) {
  Type("Text2", "1234");
  SendMessageW(Control("Text2"), EM_SETSEL, 1, 3);
  const HWND other = CreateWindowExW(0, L"Static", L"other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                                     100, 100, nullptr, nullptr, nullptr, nullptr);
  SetActiveWindow(other);
  Pump();
  SetActiveWindow(window_.hwnd());
  Pump();
  DestroyWindow(other);
  EXPECT_EQ(GetFocus(), Control("Text2"));
  DWORD start = 0, end = 0;
  SendMessageW(Control("Text2"), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
               reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 1u);
  EXPECT_EQ(end, 3u);
  EXPECT_EQ(Text("Text2"), "1234");
}

TEST_F(Win32Window, ALongAnswerShowsItsBeginningOnceTheUserMovesOn) {
  SetWindowTextW(Control("Text12"), std::wstring(200, L'7').c_str());
  SetFocus(Control("Text11"));
  Press(VK_TAB);  // into the decimal box, which selects it all and scrolls to its end
  ASSERT_EQ(GetFocus(), Control("Text12"));
  EXPECT_GT(SendMessageW(Control("Text12"), EM_GETFIRSTVISIBLELINE, 0, 0), 0);
  Press(VK_TAB);
  EXPECT_EQ(SendMessageW(Control("Text12"), EM_GETFIRSTVISIBLELINE, 0, 0), 0);
}

TEST_F(Win32Window, TypingGoesOnAfterMinimiseAndRestore) {
  SetFocus(Control("Text2"));
  const auto type = [&](wchar_t c) {
    PostMessageW(GetFocus(), WM_CHAR, c, 1);
    Pump();
  };
  type(L'7');
  SendMessageW(window_.hwnd(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
  Pump();
  SendMessageW(window_.hwnd(), WM_SYSCOMMAND, SC_RESTORE, 0);
  Pump();
  EXPECT_EQ(GetFocus(), Control("Text2"));
  type(L'8');
  EXPECT_EQ(Text("Text2"), "78");
}

// A high-contrast scheme: white text on a black window.
// The clipboard's text, as a user leaves it there or a copy puts it.
void SetClipboard(HWND owner, const std::string& text) {
  const std::wstring wide = Widen(text);
  const HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, (wide.size() + 1) * sizeof(wchar_t));
  std::memcpy(GlobalLock(data), wide.c_str(), (wide.size() + 1) * sizeof(wchar_t));
  GlobalUnlock(data);
  OpenClipboard(owner);
  EmptyClipboard();
  SetClipboardData(CF_UNICODETEXT, data);
  CloseClipboard();
}
std::string Clipboard(HWND owner) {
  std::string text;
  OpenClipboard(owner);
  if (const HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    text = Narrow(static_cast<const wchar_t*>(GlobalLock(data)));
    GlobalUnlock(data);
  }
  CloseClipboard();
  return text;
}

// Paste (WM_PASTE, which Ctrl+V and the context menu send) and Enter in an operand box: a whole
// problem fills the six boxes and presses its operator; anything else is pasted or typed.
TEST_F(Win32Window, AWholeProblemFillsTheBoxesAndPressesItsOperator) {
  const std::vector<std::string> solved = {"3",  "1",  "4", "1", "2",  "3",
                                           "19", "12", "1", "7", "12", "1.58333333333333"};
  // Steps: the boxes show the last one, on the answer of the one before.
  const std::vector<std::string> stepped = {"",  "5", "6", "",  "3", "4",
                                            "5", "8", "",  "5", "8", "0.625"};
  std::vector<std::string> typed(12);
  typed[1] = "12";
  // One number alone, and an empty second operand.
  const std::vector<std::string> one = {"",  "18", "24", "",  "0", "1",
                                        "3", "4",  "",   "3", "4", "0.75"};
  const struct {
    bool paste;
    const char* text;
    const std::vector<std::string>& boxes;
  } cases[] = {{true, "18/24", one},
               {true, "3 1/4 - 1 2/3\r\n", solved},
               {true, "12", typed},
               {false, "3 1/4 - 1 2/3", solved},
               {false, "12", typed},
               {true, "(1/2 + 1/3) x 3/4", stepped},
               {false, "(1/2 + 1/3) x 3/4", stepped}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.paste ? "paste " : "enter ") + c.text);
    SendMessageW(Control("cls"), BM_CLICK, 0, 0);
    if (c.paste) {
      SetClipboard(window_.hwnd(), c.text);
      SetFocus(Control("Text2"));
      SendMessageW(Control("Text2"), WM_PASTE, 0, 0);
    } else {
      Type("Text2", c.text);
      Press(VK_RETURN);
    }
    std::vector<std::string> boxes;
    for (int box = 1; box <= 12; ++box) boxes.push_back(Text("Text" + std::to_string(box)));
    EXPECT_EQ(boxes, c.boxes);
  }
  EXPECT_TRUE(prompt_.shown.empty());
  // Show Work after the last problem: every step under its heading, the last one last.
  SendMessageW(Control("ShowWork"), BM_CLICK, 0, 0);
  Pump();
  ASSERT_EQ(prompt_.shown.size(), 1u);
  EXPECT_TRUE(prompt_.shown[0].starts_with("Step 1 of 2: 1/2 + 1/3\r\n"));
  EXPECT_NE(prompt_.shown[0].find("\r\n 5/ 6\r\n\r\nStep 2 of 2: 5/6 x 3/4\r\n"),
            std::string::npos);
  EXPECT_TRUE(prompt_.shown[0].ends_with("\r\n 5/ 8"));
}

// A comparison or a chain pasted: its verdict goes through the prompt, in the user's language,
// and the boxes stay as they were.
TEST_F(Win32Window, AStatementsVerdictIsAMessageAndTheBoxesStay) {
  const struct {
    const char* language;
    const char* text;
    const char* message;
  } cases[] = {
      {"", "5/8 ? 3/5", "So 5/8 > 3/5"},
      {"", "3 1/4 - 1 2/3\r\n= 2 5/4 - 1 2/3\r\n= 1 3/4",
       "Line 2 of 2: 2 5/4 - 1 2/3 = 1 3/4\r\n2 5/4 - 1 2/3 is 1 7/12, not 1 3/4.\r\n"
       "False: 2 5/4 - 1 2/3 = 1 3/4"},
      {"de", "5/8 < 3/5", "Falsch: 5/8 < 3/5"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    if (*c.language) form::ChooseLanguage(std::vector<std::string>{c.language});
    prompt_.shown.clear();
    Type("Text2", "1");
    std::vector<std::string> before;
    for (int box = 1; box <= 12; ++box) before.push_back(Text("Text" + std::to_string(box)));
    SetClipboard(window_.hwnd(), c.text);
    SetFocus(Control("Text2"));
    SendMessageW(Control("Text2"), WM_PASTE, 0, 0);
    form::ChooseLanguage({});
    EXPECT_EQ(prompt_.shown, std::vector<std::string>{c.message});
    std::vector<std::string> after;
    for (int box = 1; box <= 12; ++box) after.push_back(Text("Text" + std::to_string(box)));
    EXPECT_EQ(after, before);
  }
}

// Enter on a box whose text is no whole problem says why, and the text stays; on a box being
// filled in (a lone number) it does nothing.
TEST_F(Win32Window, EnterSaysWhyATextIsNoProblem) {
  Type("Text2", "2 (1 + 1)");
  Press(VK_RETURN);
  EXPECT_EQ(prompt_.shown, std::vector<std::string>{"not a problem\r\nwrite x between 2 and ("});
  EXPECT_EQ(Text("Text2"), "2 (1 + 1)");
  SendMessageW(Control("cls"), BM_CLICK, 0, 0);
  Type("Text2", "12");
  Press(VK_RETURN);
  EXPECT_EQ(prompt_.shown.size(), 1u);
}

// Copy in an answer box copies the selection, or with nothing selected the answer line.
TEST_F(Win32Window, CopyInAnAnswerBoxCopiesTheAnswerLine) {
  Type("Text1", "1");
  Type("Text2", "1");
  Type("Text3", "2");
  Type("Text5", "2");
  Type("Text6", "3");
  SendMessageW(Control("Add"), BM_CLICK, 0, 0);
  for (const auto& [selected, copied] :
       {std::pair{0, "13/6 = 2 1/6 = 2.16666666666667"}, std::pair{3, "2.1"}}) {
    SetClipboard(window_.hwnd(), "");
    SendMessageW(Control("Text12"), EM_SETSEL, 0, selected);
    SendMessageW(Control("Text12"), WM_COPY, 0, 0);
    EXPECT_EQ(Clipboard(window_.hwnd()), copied);
  }
}

// Sets system colours for as long as it lives; they are the whole desktop's, so they are put back
// however the test ends.
class SchemeColours {
 public:
  SchemeColours(std::vector<int> elements, const std::vector<COLORREF>& colours)
      : elements_(std::move(elements)) {
    for (int element : elements_) saved_.push_back(GetSysColor(element));
    SetSysColors(static_cast<int>(elements_.size()), elements_.data(), colours.data());
  }
  ~SchemeColours() {
    SetSysColors(static_cast<int>(elements_.size()), elements_.data(), saved_.data());
  }
  SchemeColours(const SchemeColours&) = delete;
  SchemeColours& operator=(const SchemeColours&) = delete;

 private:
  std::vector<int> elements_;
  std::vector<COLORREF> saved_;
};

// A high-contrast scheme: white text on black boxes and buttons. The answers take the boxes'
// colours, the frame's caption the buttons'.
TEST_F(Win32Window, AnswersAndTheFrameFollowTheColourScheme) {
  const COLORREF black = RGB(0, 0, 0), white = RGB(255, 255, 255);
  const SchemeColours scheme({COLOR_WINDOW, COLOR_WINDOWTEXT, COLOR_BTNFACE, COLOR_BTNTEXT},
                             {black, white, black, white});
  const HDC dc = CreateCompatibleDC(nullptr);
  for (const char* control : {"Text7", "Text12", "Frame1"}) {
    SetTextColor(dc, black);
    SetBkColor(dc, white);
    SendMessageW(window_.hwnd(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                 reinterpret_cast<LPARAM>(Control(control)));
    EXPECT_EQ(GetTextColor(dc), white) << control;
    EXPECT_EQ(GetBkColor(dc), black) << control;
  }
  DeleteDC(dc);
  // The caption, as drawn: its letters are the scheme's button text on the button face.
  const HWND frame = Control("Frame1");
  RedrawWindow(frame, nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_UPDATENOW);
  const HDC frame_dc = GetDC(frame);
  int letters = 0, face = 0;
  for (int y = 0; y < form::Pixels(240); ++y) {
    for (int x = 0; x < form::Pixels(1200); ++x) {
      const COLORREF pixel = GetPixel(frame_dc, x, y);
      letters += pixel == white;
      face += pixel == black;
    }
  }
  ReleaseDC(frame, frame_dc);
  EXPECT_GT(letters, 40);
  EXPECT_GT(face, letters);
}

// How wide a text is in a control's font.
SIZE TextSize(HWND hwnd, const std::wstring& text) {
  const HDC dc = GetDC(hwnd);
  const HGDIOBJ previous =
      SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(hwnd, WM_GETFONT, 0, 0)));
  SIZE size{};
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
  SelectObject(dc, previous);
  ReleaseDC(hwnd, dc);
  return size;
}

// Where a control shows in its parent: a label's letters as the static control aligns them,
// any other control's whole outline.
RECT InkOf(HWND hwnd) {
  RECT place{};
  GetWindowRect(hwnd, &place);
  MapWindowPoints(nullptr, GetParent(hwnd), reinterpret_cast<POINT*>(&place), 2);
  wchar_t kind[16] = {};
  GetClassNameW(hwnd, kind, 16);
  const LONG style = GetWindowLongW(hwnd, GWL_STYLE) & SS_TYPEMASK;
  if (lstrcmpiW(kind, L"Static") != 0 || (style != SS_LEFT && style != SS_CENTER)) return place;
  const LONG width = TextSize(hwnd, WindowText(hwnd)).cx;
  if (style == SS_CENTER) place.left += (place.right - place.left - width) / 2;
  place.right = place.left + width;
  return place;
}

// What the tooltip of an answer box says when asked: nothing for a text that fits the box.
// In every language, at 96 and 144 dpi: each caption is the catalog's and shows whole inside its
// control (a label growing into the free space beside it at most), and a message and Show Work's
// words are the catalog's too.
TEST(Win32Languages, EveryCaptionIsTranslatedAndWhole) {
  std::vector<std::string> languages = {"en"};
  for (const std::string_view language : form::CatalogLanguages()) languages.emplace_back(language);
  for (const std::string& language : languages) {
    form::ChooseLanguage(std::vector<std::string>{language});
    Module1 module;
    testing::RecordingPrompt prompt;
    CalculatorWindow window(GetModuleHandleW(nullptr), module, &prompt);
    for (const UINT dpi : {96u, 144u}) {
      RECT place{};
      GetWindowRect(window.hwnd(), &place);
      SendMessageW(window.hwnd(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                   reinterpret_cast<LPARAM>(&place));
      for (const form::Control& control : form::kControls) {
        if (control.caption.size() < 2) continue;
        SCOPED_TRACE(language + " " + std::string(control.name) + " " + std::to_string(dpi));
        const HWND hwnd = window.Control(control.name);
        const std::wstring text = WindowText(hwnd);
        EXPECT_EQ(text, Widen(form::Tr(control.caption)));
        const SIZE size = TextSize(hwnd, text);
        RECT client{};
        GetClientRect(hwnd, &client);
        const int margins = control.kind == form::Kind::kCommandButton ? MulDiv(6, dpi, 96) : 0;
        EXPECT_LE(size.cx + margins, client.right);
        EXPECT_LE(client.right, MulDiv(form::LabelRoom(control), dpi, 1440) + 1);
      }
      // Where a label's letters end, the next control on its row begins at least a space away:
      // "Answer" and "Mixed Number" must not read as one word.
      for (const form::Control& label : form::kControls) {
        if (label.kind != form::Kind::kLabel) continue;
        const HWND hwnd = window.Control(label.name);
        const RECT ink = InkOf(hwnd);
        const LONG middle = (ink.top + ink.bottom) / 2;
        for (const form::Control& other : form::kControls) {
          if (&other == &label || other.kind == form::Kind::kFrame ||
              other.kind == form::Kind::kShape) {
            continue;
          }
          const RECT next = InkOf(window.Control(other.name));
          if (next.left <= ink.left || next.top > middle || middle >= next.bottom) continue;
          SCOPED_TRACE(language + " " + std::string(label.name) + " " + std::string(other.name) +
                       " " + std::to_string(dpi));
          EXPECT_GE(next.left - ink.right, TextSize(hwnd, L" ").cx);
        }
      }
    }
    SendMessageW(window.Control("Divide"), BM_CLICK, 0, 0);  // 0/1 / 0/1
    ASSERT_EQ(prompt.shown.size(), 1u);
    EXPECT_EQ(prompt.shown[0], CalculationWords().divide_by_zero);
    EXPECT_EQ(language == "en", prompt.shown[0] == kDivideByZeroMessage);
    SetWindowTextW(window.Control("Text2"), L"1");
    SetWindowTextW(window.Control("Text3"), L"2");
    SendMessageW(window.Control("Add"), BM_CLICK, 0, 0);
    EXPECT_NE(module.Work.Text().find("    " + CalculationWords().becomes + " \r\n"),
              std::string::npos);
    EXPECT_EQ(language == "en", CalculationWords().answer_is == kAnswerIs);
  }
  form::ChooseLanguage({});
}

// Show Work after a problem of many steps: a message box would be taller than the screen and its
// OK out of reach, so the work scrolls in a dialog that fits, and OK closes it.
TEST(Win32Prompt, WorkTooLongForTheScreenScrollsInADialogThatFits) {
  static RECT shown{};
  static std::wstring text;
  SetTimer(nullptr, 0, 300, [](HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    const HWND dialog = FindWindowW(L"#32770", L"Ondavi");
    if (!dialog) return;
    GetWindowRect(dialog, &shown);
    text = WindowText(GetDlgItem(dialog, 100));  // the text the dialog scrolls
    SendMessageW(dialog, WM_COMMAND, IDOK, 0);
  });
  // Keys that earlier tests typed and the queue still holds would close the dialog at once.
  for (MSG message; PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE);) DispatchMessageW(&message);
  std::string work;
  for (int step = 0; step < 100; ++step) work += "    Answer is\r\n 9/ 6\r\n";
  MessageBoxPrompt(nullptr).Show(work);
  RECT screen{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &screen, 0);
  EXPECT_GT(shown.bottom - shown.top, 0);
  EXPECT_LE(shown.bottom - shown.top, screen.bottom - screen.top);
  EXPECT_EQ(text, Widen(work));
}

TEST_F(Win32Window, AnAnswerHasATooltipOnlyWhenCutOff) {
  for (const std::string& text : {std::string("5"), std::string("2.16666666666667")}) {
    SetWindowTextW(Control("Text12"), Widen(text).c_str());
    NMTTDISPINFOW info = {};
    info.hdr.idFrom = reinterpret_cast<UINT_PTR>(Control("Text12"));
    info.hdr.code = TTN_GETDISPINFOW;
    SendMessageW(window_.hwnd(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(Narrow(info.lpszText ? info.lpszText : L""), text == "5" ? "" : text);
  }
}

// The "=" stands on the borders of both outlines, which stay whole beside it.
TEST_F(Win32Window, TheOutlinesStayWholeBesideTheEqualsSign) {
  RedrawWindow(window_.hwnd(), nullptr, nullptr,
               RDW_ERASE | RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  const RECT label = PlaceIn(Control("Label1"), window_.hwnd());
  const HDC dc = GetDC(window_.hwnd());
  for (const char* shape : {"Shape2", "Shape1"}) {
    const RECT outline = PlaceIn(Control(shape), window_.hwnd());
    const int border = std::string_view(shape) == "Shape2" ? outline.right - 1 : outline.left;
    const COLORREF colour = GetPixel(dc, border, outline.top + 4);  // clear of every control
    for (int y = label.top; y < label.bottom; y += 4) {
      EXPECT_EQ(GetPixel(dc, border, y), colour) << shape << " y " << y;
    }
  }
  ReleaseDC(window_.hwnd(), dc);
}

TEST_F(Win32Window, BoxesAndButtonsCarryTheirAccessibleNames) {
  for (const form::Control& c : form::kControls) {
    if (c.accessible_name.empty()) continue;
    SCOPED_TRACE(std::string(c.name));
    IAccessible* accessible = nullptr;
    ASSERT_HRESULT_SUCCEEDED(AccessibleObjectFromWindow(Control(c.name), OBJID_CLIENT,
                                                        __uuidof(IAccessible),
                                                        reinterpret_cast<void**>(&accessible)));
    VARIANT self;
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    EXPECT_HRESULT_SUCCEEDED(accessible->get_accName(self, &name));
    EXPECT_EQ(Narrow(name ? name : L""), c.accessible_name);
    // A button captioned with a word is named with it, so that voice control finds it.
    if (c.kind == form::Kind::kCommandButton && c.caption.size() > 1 &&
        std::isalpha(static_cast<unsigned char>(c.caption[0]))) {
      std::wstring spoken = name ? name : L"", caption = Widen(c.caption);
      CharLowerW(spoken.data());
      CharLowerW(caption.data());
      EXPECT_NE(spoken.find(caption), std::wstring::npos);
    }
    SysFreeString(name);
    // The standard object's window interface leads back to the same object, name and all.
    IOleWindow* window = nullptr;
    if (SUCCEEDED(
            accessible->QueryInterface(__uuidof(IOleWindow), reinterpret_cast<void**>(&window)))) {
      HWND hwnd = nullptr;
      EXPECT_HRESULT_SUCCEEDED(window->GetWindow(&hwnd));
      EXPECT_EQ(hwnd, Control(c.name));
      IUnknown *from_window = nullptr, *from_accessible = nullptr;
      window->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&from_window));
      accessible->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&from_accessible));
      EXPECT_EQ(from_window, from_accessible);
      from_window->Release();
      from_accessible->Release();
      window->Release();
    } else {
      ADD_FAILURE() << "no IOleWindow";
    }
    accessible->Release();
  }
}

// A sentence of the worked solution in the language in force, its blanks filled.
std::string Filled(std::string_view english, const std::vector<std::string>& values) {
  std::string text(form::Tr("explain", english));
  for (std::size_t i = values.size(); i-- > 0;) {
    const std::string blank = "%" + std::to_string(i + 1);
    for (std::size_t at = text.find(blank); at != std::string::npos; at = text.find(blank, at)) {
      text.replace(at, blank.size(), values[i]);
      at += values[i].size();
    }
  }
  return text;
}

// What a screen reader reads as a control's name or value.
std::string Accessible(HWND control,
                       HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, BSTR*)) {
  IAccessible* accessible = nullptr;
  if (FAILED(AccessibleObjectFromWindow(control, OBJID_CLIENT, __uuidof(IAccessible),
                                        reinterpret_cast<void**>(&accessible)))) {
    return "(no accessible object)";
  }
  VARIANT self;
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  BSTR text = nullptr;
  (accessible->*get)(self, &text);
  const std::string read = Narrow(text ? text : L"");
  SysFreeString(text);
  accessible->Release();
  return read;
}

// Explain in four languages: before any calculation the hint, then each new calculation at once
// in the open window, whole lines in the user's language with the calculator's numbers; the
// window resizes, stays on top with the calculator, and screen readers read its text.
TEST(Win32Explain, ShowsEachCalculationsWorkedSolutionInTheUsersLanguage) {
  for (const std::string language : {"en", "fr", "ru", "ja"}) {
    SCOPED_TRACE(language);
    form::ChooseLanguage(std::vector<std::string>{language});
    Module1 module;
    testing::RecordingPrompt prompt;
    CalculatorWindow window(GetModuleHandleW(nullptr), module, &prompt);
    ExplanationWindow& explanation = window.Explanation();
    // As written: the text that Copy puts on the clipboard.
    const auto shown = [&] {
      SendMessageW(explanation.Text(), EM_SETSEL, 0, 0);
      explanation.Copy();
      return Clipboard(window.hwnd());
    };
    const auto has_line = [&](const std::string& line) {
      return ("\r\n" + shown() + "\r\n").find("\r\n" + line + "\r\n") != std::string::npos;
    };
    EXPECT_FALSE(explanation.Open());
    SendMessageW(window.Control("Explain"), BM_CLICK, 0, 0);
    ASSERT_TRUE(explanation.Open());
    const std::string hint = "Type a problem or two operands and press an operator.";
    EXPECT_EQ(shown(), form::Tr(hint));
    EXPECT_EQ(language == "en", shown() == hint);
    EXPECT_EQ(GetWindow(explanation.hwnd(), GW_OWNER), window.hwnd());
    EXPECT_TRUE(GetWindowLongW(explanation.hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_TRUE(GetWindowLongW(window.hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_TRUE(GetWindowLongW(explanation.hwnd(), GWL_STYLE) & WS_THICKFRAME);
    EXPECT_TRUE(GetWindowLongW(explanation.Text(), GWL_STYLE) & WS_VSCROLL);

    const wchar_t* operands[] = {L"3", L"1", L"4", L"1", L"2", L"3"};
    for (int box = 1; box <= 6; ++box) {
      SetWindowTextW(window.Control("Text" + std::to_string(box)), operands[box - 1]);
    }
    SendMessageW(window.Control("Subtract"), BM_CLICK, 0, 0);
    const std::string rename = "Rename the fraction over %1: multiply both parts by %2:";
    for (const std::string& line : {
             std::string("3 1/4 - 1 2/3"),
             Filled("The least common denominator of %1 and %2, by listing multiples, is %3.",
                    {"4", "3", "12"}),
             Filled(rename, {"12", "3"}) + " 1/4 = (1 x 3)/(4 x 3) = 3/12",
             Filled(rename, {"12", "4"}) + " 2/3 = (2 x 4)/(3 x 4) = 8/12",
             Filled("Write the problem with the renamed fractions:", {}) +
                 " 3 1/4 - 1 2/3 = 3 3/12 - 1 8/12",
             Filled("%1 is less than %2, so take 1 from the whole number as %3:",
                    {"3/12", "8/12", "12/12"}) +
                 " 3 3/12 = 2 + 12/12 + 3/12 = 2 15/12",
             Filled("Answer:", {}) + " 3 1/4 - 1 2/3 = 1 7/12",
         }) {
      EXPECT_TRUE(has_line(line)) << line << "\n" << shown();
    }
    EXPECT_EQ(language == "en", has_line("Answer: 3 1/4 - 1 2/3 = 1 7/12"));
    EXPECT_EQ(Accessible(explanation.Text(), &IAccessible::get_accName),
              form::Tr("solution window", "Worked solution"));
    EXPECT_EQ(Accessible(explanation.Text(), &IAccessible::get_accValue),
              Narrow(WindowText(explanation.Text())));
    // One side of an equation, mixed numbers and all, is shown with no-break spaces, to stay on one
    // line.
    EXPECT_NE(WindowText(explanation.Text())
                  .find(L" 3\u00A03/12 = 2\u00A0+\u00A012/12\u00A0+\u00A03/12 = 2\u00A015/12"),
              std::wstring::npos);

    // A problem of three operators, pasted: every operation under its heading.
    SetClipboard(window.hwnd(), "1/2 + 1/3 x (3/4 - 1/4)");
    SendMessageW(window.Control("Text1"), WM_PASTE, 0, 0);
    for (const std::string& line : {
             Filled("Step %1 of %2, brackets first:", {"1", "3"}) + " 3/4 - 1/4",
             Filled("Step %1 of %2, x and / before + and -:", {"2", "3"}) + " 1/3 x 1/2",
             Filled("Step %1 of %2:", {"3", "3"}) + " 1/2 + 1/6",
             Filled("Answer:", {}) + " 1/2 + 1/3 x (3/4 - 1/4) = 2/3",
         }) {
      EXPECT_TRUE(has_line(line)) << line << "\n" << shown();
    }

    // Escape closes it; it opens again only when asked.
    PostMessageW(explanation.Text(), WM_KEYDOWN, VK_ESCAPE, 1);
    for (MSG message; PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE);) {
      if (window.HandleDialogKey(message)) continue;
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    EXPECT_FALSE(explanation.Open());
    SendMessageW(window.Control("Add"), BM_CLICK, 0, 0);
    EXPECT_FALSE(explanation.Open());
  }
  form::ChooseLanguage({});
}

// English text with its no-break spaces as plain ones.
std::string Plain(std::string text) {
  for (std::size_t at = text.find("\u00A0"); at != std::string::npos;
       at = text.find("\u00A0", at)) {
    text.replace(at, 2, " ");
  }
  return text;
}

// Explain gives its text the focus, for a screen reader to read it. Copy with nothing selected
// copies the whole worked solution, with a selection the selection: from Ctrl+C and the button.
TEST_F(Win32Window, ExplainCopiesTheWorkedSolution) {
  SetClipboard(window_.hwnd(), "3 1/4 - 1 2/3");
  SendMessageW(Control("Text1"), WM_PASTE, 0, 0);
  SendMessageW(Control("Explain"), BM_CLICK, 0, 0);
  Pump();
  ExplanationWindow& explanation = window_.Explanation();
  EXPECT_EQ(GetFocus(), explanation.Text());
  const std::string whole = Narrow(WindowText(explanation.Text()));
  ASSERT_TRUE(Plain(whole).ends_with("\r\nAnswer: 3 1/4 - 1 2/3 = 1 7/12"));
  const HWND copy_button = FindWindowExW(explanation.hwnd(), nullptr, L"Button", nullptr);
  BYTE keys[256] = {};
  // The no-break spaces of the mixed numbers shown are copied as plain ones.
  for (const auto& [selected, copied] :
       {std::pair{0, Plain(whole)}, std::pair{13, std::string("3 1/4 - 1 2/3")}}) {
    for (const bool by_button : {false, true}) {
      SCOPED_TRACE(std::to_string(selected) + (by_button ? " button" : " Ctrl+C"));
      SetClipboard(window_.hwnd(), "");
      SendMessageW(explanation.Text(), EM_SETSEL, 0, selected);
      if (by_button) {
        SendMessageW(copy_button, BM_CLICK, 0, 0);
      } else {
        GetKeyboardState(keys);
        keys[VK_CONTROL] = 0x80;
        SetKeyboardState(keys);
        PostMessageW(explanation.Text(), WM_KEYDOWN, 'C', 1);
        Pump();
        keys[VK_CONTROL] = 0;
        SetKeyboardState(keys);
      }
      EXPECT_EQ(Clipboard(window_.hwnd()), copied);
    }
  }
}

// Printing shares the lines out over pages: each page holds what fits, a long line wrapped, and
// the pages together are the whole text, nothing lost or repeated at a page break.
TEST(Win32Print, PagesHoldEveryLineAndFitThePage) {
  std::wstring text;
  for (int line = 1; line <= 40; ++line) {
    if (line > 1) text += L"\r\n";
    text += L"Step " + std::to_wstring(line) + L":";
    if (line % 7 == 0)
      text += L" a sentence long enough to wrap over two lines or more at this width";
    if (line % 11 == 0) text += L"\r\n";  // an empty line
  }
  const HDC dc = CreateCompatibleDC(nullptr);
  const HGDIOBJ previous = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
  const RECT area = {10, 20, 210, 140};
  const std::vector<std::wstring> pages = Pages(dc, text, area);
  EXPECT_GT(pages.size(), 3u);
  std::wstring joined;
  for (const std::wstring& page : pages) {
    if (!joined.empty()) joined += L"\r\n";
    joined += page;
    RECT room = area;
    DrawTextW(dc, page.c_str(), static_cast<int>(page.size()), &room,
              DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS);
    EXPECT_LE(room.bottom - room.top, area.bottom - area.top) << Narrow(page);
  }
  EXPECT_EQ(joined, text);
  SelectObject(dc, previous);
  DeleteDC(dc);
}

}  // namespace
}  // namespace ondavi::win32
