#include "explanation_window.h"

#include <commctrl.h>

#include <algorithm>
#include <string_view>

#include "accessible_text.h"
#include "clipboard.h"
#include "edit_box_panel.h"
#include "form.h"
#include "text_conversion.h"
#include "text_printing.h"
#include "translation.h"
#include "writers.h"

namespace ondavi::win32 {
namespace {

constexpr wchar_t kClassName[] = L"OndaviExplanation";
constexpr wchar_t kNoBreakSpace = L'\u00A0';
constexpr DWORD kStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_TOPMOST;
constexpr int kTextId = 100, kFirstButtonId = 101;
// Sizes at 96 dpi, in pixels: the window when first opened, its margins, a button's least width
// and height.
constexpr int kWidth = 560, kHeight = 420, kMargin = 8, kButtonWidth = 88, kButtonHeight = 26;

int Scaled(int pixels, UINT dpi) {
  return MulDiv(pixels, static_cast<int>(dpi), 96);
}

std::string_view Translated(std::string_view context, std::string_view english) {
  return form::Tr(context, english);
}

std::wstring Title() {
  // TRANSLATORS: the title of the window that shows the worked solution, before " - Ondavi".
  return Widen(std::string(form::Tr("solution window", "Worked solution")) + " - " +
               std::string(form::kApplicationTitle));
}

// The problem and its worked solution, one step a line with its sub-steps indented; the hint
// when there is none. Lines end in CR LF, as a text box shows them.
std::wstring ExplanationText(const form::Explanation& explanation) {
  std::string text;
  if (explanation.solution) {
    text = explanation.problem + "\n";
    explain::AppendText(text, *explanation.solution, Translated);
  } else {
    text = explanation.hint;
  }
  while (text.ends_with('\n')) text.pop_back();
  std::string lines;
  for (const char c : text) {
    if (c == '\n') lines += '\r';
    lines += c;
  }
  return Widen(lines);
}

// A character of the calculator's notation that a blank may stand beside inside one side of an
// equation: digits, brackets, the fraction bar and the operators, but not "=".
bool IsNotation(wchar_t c) {
  return (c >= L'0' && c <= L'9') ||
         std::wstring_view(L"()/x+-").find(c) != std::wstring_view::npos;
}

// The text as the window shows it: a blank between two characters of the notation ("3 3/12",
// "(1 x 3)/(4 x 3)", "2 15/12 - 1 8/12") becomes a no-break space, so that a long line wraps
// beside an "=" or in the sentence, never inside a mixed number or one side of an equation.
std::wstring Displayed(std::wstring text) {
  for (std::size_t i = 1; i + 1 < text.size(); ++i) {
    if (text[i] == L' ' && IsNotation(text[i - 1]) && IsNotation(text[i + 1])) {
      text[i] = kNoBreakSpace;
    }
  }
  return text;
}

}  // namespace

ExplanationWindow::ExplanationWindow(HINSTANCE instance, HWND owner) : owner_(owner) {
  RegisterWindowClass(instance, kClassName, WindowProcedure<ExplanationWindow>);
  dpi_ = GetDpiForWindow(owner);
  CreateWindowExW(kExStyle, kClassName, Title().c_str(), kStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                  Scaled(kWidth, dpi_), Scaled(kHeight, dpi_), owner, nullptr, instance,
                  this);  // sets hwnd_
  dpi_ = GetDpiForWindow(hwnd_);
  // Wrapped at the window's width, so that a long step reflows as the window is resized.
  text_ = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"",
                          WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | ES_MULTILINE |
                              ES_READONLY | ES_AUTOVSCROLL | ES_NOHIDESEL,
                          0, 0, 0, 0, hwnd_, reinterpret_cast<HMENU>(INT_PTR{kTextId}), instance,
                          nullptr);
  SetWindowSubclass(text_, TextProc, 1, reinterpret_cast<DWORD_PTR>(this));
  SetAccessibleName(text_, Widen(form::Tr("solution window", "Worked solution")));
  const std::string_view captions[] = {
      // TRANSLATORS: a button of the worked solution's window; & marks the access key.
      form::Tr("solution window", "&Copy"),
      // TRANSLATORS: a button of the worked solution's window; it opens the print dialog.
      form::Tr("solution window", "&Print..."),
      form::Tr("solution window", "Close"),
  };
  for (std::size_t i = 0; i < buttons_.size(); ++i) {
    buttons_[i] = CreateWindowExW(
        0, L"BUTTON", Widen(captions[i]).c_str(),
        WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0, 0, 0, 0, hwnd_,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstButtonId + i)), instance, nullptr);
  }
  MakeFonts(dpi_);
  LayOut();
}

ExplanationWindow::~ExplanationWindow() {
  if (IsWindow(hwnd_)) DestroyWindow(hwnd_);
  for (HFONT font : {text_font_, button_font_}) {
    if (font) DeleteObject(font);
  }
}

void ExplanationWindow::Show(const form::Explanation& explanation) {
  plain_ = ExplanationText(explanation);
  SetWindowTextW(text_, Displayed(plain_).c_str());
  if (Open()) return;
  if (!placed_) PlaceBesideOwner();
  placed_ = true;
  ShowWindow(hwnd_, SW_SHOWNOACTIVATE);
}

bool ExplanationWindow::Open() const {
  return IsWindowVisible(hwnd_) != FALSE;
}

void ExplanationWindow::Activate() {
  if (!Open()) return;
  SetForegroundWindow(hwnd_);
  SetActiveWindow(hwnd_);
  SetFocus(text_);
}

void ExplanationWindow::Copy() {
  SendMessageW(text_, WM_COPY, 0, 0);
}

void ExplanationWindow::Print() {
  LOGFONTW font = {};
  GetObjectW(text_font_, sizeof font, &font);
  PrintText(hwnd_, Title(), WindowText(text_), font.lfFaceName);
}

bool ExplanationWindow::HandleDialogKey(MSG& message) {
  if (!IsWindow(hwnd_) || (message.hwnd != hwnd_ && !IsChild(hwnd_, message.hwnd))) return false;
  if (message.message == WM_KEYDOWN && GetKeyState(VK_CONTROL) < 0 && GetKeyState(VK_MENU) >= 0) {
    switch (message.wParam) {
      case 'C':
        Copy();
        return true;
      case 'A':
        SetFocus(text_);
        SendMessageW(text_, EM_SETSEL, 0, -1);
        return true;
      case 'P':
        Print();
        return true;
      default:
        break;
    }
  }
  return IsDialogMessageW(hwnd_, &message) != FALSE;
}

// The text at the size of the system's message font and a half more, so that fractions
// written inline read clearly; the buttons in the message font.
void ExplanationWindow::MakeFonts(UINT dpi) {
  NONCLIENTMETRICSW metrics = {};
  metrics.cbSize = sizeof metrics;
  SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, dpi);
  const HFONT old_text = text_font_, old_button = button_font_;
  button_font_ = CreateFontIndirectW(&metrics.lfMessageFont);
  LOGFONTW larger = metrics.lfMessageFont;
  larger.lfHeight = larger.lfHeight * 3 / 2;
  larger.lfQuality = CLEARTYPE_QUALITY;
  text_font_ = CreateFontIndirectW(&larger);
  SendMessageW(text_, WM_SETFONT, reinterpret_cast<WPARAM>(text_font_), TRUE);
  for (HWND button : buttons_) {
    SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(button_font_), TRUE);
  }
  for (HFONT font : {old_text, old_button}) {
    if (font) DeleteObject(font);
  }
}

// The text fills the window above a row of buttons at its bottom right, each as wide as its
// caption needs.
void ExplanationWindow::LayOut() {
  RECT client = {};
  GetClientRect(hwnd_, &client);
  const int margin = Scaled(kMargin, dpi_), height = Scaled(kButtonHeight, dpi_);
  const HDC dc = GetDC(hwnd_);
  const HGDIOBJ previous = SelectObject(dc, button_font_);
  int right = client.right - margin;
  const int top = client.bottom - margin - height;
  for (std::size_t i = buttons_.size(); i-- > 0;) {
    const std::wstring caption = WindowText(buttons_[i]);
    SIZE size = {};
    GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &size);
    const int width = std::max(Scaled(kButtonWidth, dpi_), static_cast<int>(size.cx) + 2 * margin);
    right -= width;
    MoveWindow(buttons_[i], right, top, width, height, TRUE);
    right -= margin;
  }
  SelectObject(dc, previous);
  ReleaseDC(hwnd_, dc);
  MoveWindow(text_, margin, margin, std::max(0, static_cast<int>(client.right) - 2 * margin),
             std::max(0, top - 2 * margin), TRUE);
}

// Beside the calculator on its right, or on its left where the screen has no room, within the
// screen's work area.
void ExplanationWindow::PlaceBesideOwner() {
  RECT owner = {}, window = {};
  GetWindowRect(owner_, &owner);
  GetWindowRect(hwnd_, &window);
  MONITORINFO monitor = {};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoW(MonitorFromWindow(owner_, MONITOR_DEFAULTTONEAREST), &monitor);
  const RECT work = monitor.rcWork;
  const int width = window.right - window.left, height = window.bottom - window.top;
  int x = owner.right;
  if (x + width > work.right) x = owner.left - width;
  x = std::clamp(static_cast<int>(x), static_cast<int>(work.left),
                 std::max(static_cast<int>(work.left), static_cast<int>(work.right) - width));
  const int y =
      std::clamp(static_cast<int>(owner.top), static_cast<int>(work.top),
                 std::max(static_cast<int>(work.top), static_cast<int>(work.bottom) - height));
  SetWindowPos(hwnd_, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// The text takes part in the keyboard as a control of a dialog: Tab and Escape go to the window,
// the focus coming to it leaves the caret where it was. Copy copies the selection, or the whole
// solution when nothing is selected, as the calculator writes it: the spaces that the window
// shows as no-break ones are plain again.
LRESULT CALLBACK ExplanationWindow::TextProc(HWND text, UINT message, WPARAM wparam, LPARAM lparam,
                                             UINT_PTR, DWORD_PTR window) {
  switch (message) {
    case WM_GETDLGCODE:
      return DefSubclassProc(text, message, wparam, lparam) &
             ~static_cast<LRESULT>(DLGC_WANTALLKEYS | DLGC_WANTTAB | DLGC_WANTMESSAGE |
                                   DLGC_HASSETSEL);
    case WM_COPY: {
      // The shown text has the plain text's characters at the same places.
      const std::wstring& plain = reinterpret_cast<ExplanationWindow*>(window)->plain_;
      DWORD start = 0, end = 0;
      SendMessageW(text, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                   reinterpret_cast<LPARAM>(&end));
      const bool selected = start < end && end <= plain.size();
      SetClipboardText(text, Narrow(selected ? plain.substr(start, end - start) : plain));
      return 0;
    }
    case WM_NCDESTROY:
      RemoveWindowSubclass(text, TextProc, 1);
      break;
    default:
      break;
  }
  return DefSubclassProc(text, message, wparam, lparam);
}

LRESULT ExplanationWindow::Handle(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_COMMAND: {
      const int id = LOWORD(wparam);
      if (id == IDOK) {  // Enter, through the dialog keyboard: a focused button clicks
        const HWND focus = GetFocus();
        for (HWND button : buttons_) {
          if (button == focus) SendMessageW(button, BM_CLICK, 0, 0);
        }
        return 0;
      }
      if (id == IDCANCEL || id == kFirstButtonId + kClose) {
        SendMessageW(hwnd_, WM_CLOSE, 0, 0);
      } else if (id == kFirstButtonId + kCopy) {
        Copy();
      } else if (id == kFirstButtonId + kPrint) {
        Print();
      }
      return 0;
    }
    case WM_CLOSE:
      // Hidden rather than destroyed, to reopen where the user left it; the calculator, its
      // owner, becomes active again.
      ShowWindow(hwnd_, SW_HIDE);
      if (IsWindowEnabled(owner_)) SetActiveWindow(owner_);
      return 0;
    case WM_SIZE:
      if (text_) LayOut();
      return 0;
    case WM_GETMINMAXINFO: {
      auto* limits = reinterpret_cast<MINMAXINFO*>(lparam);
      limits->ptMinTrackSize = {Scaled(360, dpi_), Scaled(200, dpi_)};
      return 0;
    }
    case WM_SETFOCUS:
      if (text_) SetFocus(text_);
      return 0;
    case WM_CTLCOLORSTATIC:
      // The read-only text in the colours of a text box, so that it reads as a page.
      if (reinterpret_cast<HWND>(lparam) == text_) {
        const HDC dc = reinterpret_cast<HDC>(wparam);
        SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
        SetBkColor(dc, GetSysColor(COLOR_WINDOW));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
      }
      break;
    case WM_DPICHANGED: {
      dpi_ = HIWORD(wparam);
      MakeFonts(dpi_);
      const auto* suggested = reinterpret_cast<const RECT*>(lparam);
      SetWindowPos(hwnd_, nullptr, suggested->left, suggested->top,
                   suggested->right - suggested->left, suggested->bottom - suggested->top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
      LayOut();
      return 0;
    }
    default:
      break;
  }
  return DefWindowProcW(hwnd_, message, wparam, lparam);
}

}  // namespace ondavi::win32
