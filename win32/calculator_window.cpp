#include "calculator_window.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <cstdlib>
#include <string>

#include "accessible_text.h"
#include "answer_text.h"
#include "clipboard.h"
#include "edit_box_panel.h"
#include "label_room.h"
#include "message_box_prompt.h"
#include "text_conversion.h"

namespace ondavi::win32 {
namespace {

constexpr wchar_t kClassName[] = L"Calculator";
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr DWORD kExStyle = 0;
constexpr int kFirstControlId = 100;  // clear of IDOK and IDCANCEL, which the keyboard sends
constexpr int kFrameId = 99;

int Px(int twips, UINT dpi) {
  return form::Pixels(twips, static_cast<int>(dpi));
}

HWND CreateChild(HINSTANCE instance, HWND parent, DWORD ex_style, const wchar_t* window_class,
                 std::string_view caption, DWORD style, int id) {
  return CreateWindowExW(ex_style, window_class, Widen(caption).c_str(),
                         WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
}

HFONT CreateSansFont(int height, int weight, const wchar_t* face, DWORD quality) {
  return CreateFontW(height, 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                     OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, quality, DEFAULT_PITCH | FF_SWISS,
                     face);
}

// Whether the font comes out at the character height and weight it was asked for.
bool RendersAsAsked(HFONT font, int height, int weight) {
  const HDC screen = GetDC(nullptr);
  const HGDIOBJ previous = SelectObject(screen, font);
  TEXTMETRICW metrics = {};
  GetTextMetricsW(screen, &metrics);
  SelectObject(screen, previous);
  ReleaseDC(nullptr, screen);
  return metrics.tmWeight >= weight - 100 &&
         std::abs(metrics.tmHeight - metrics.tmInternalLeading + height) <= 1;
}

// The form's face, MS Sans Serif, is a bitmap font made in a few sizes for 96 dpi; where it does
// not come out at the size and weight asked for, its TrueType successor stands in.
HFONT CreateFormFont(const form::Typeface& typeface, UINT dpi) {
  const int height = -MulDiv(static_cast<int>(typeface.points * 100), static_cast<int>(dpi), 7200);
  // A bitmap face is drawn unsmoothed, and so is whatever the system puts in its place.
  const HFONT font =
      CreateSansFont(height, typeface.weight, Widen(typeface.face).c_str(), NONANTIALIASED_QUALITY);
  if (RendersAsAsked(font, height, typeface.weight)) return font;
  DeleteObject(font);
  return CreateSansFont(height, typeface.weight, L"Microsoft Sans Serif", DEFAULT_QUALITY);
}

// When the user moves on from a box to another control of the window, the box shows the
// beginning of its text again (Tab selects a whole box and leaves a long one scrolled to its
// end). Focus going to another window or a message box leaves the box as it was.
LRESULT CALLBACK ShowBeginningWhenLeft(HWND box, UINT message, WPARAM wparam, LPARAM lparam,
                                       UINT_PTR, DWORD_PTR) {
  const LRESULT result = DefSubclassProc(box, message, wparam, lparam);
  if (message == WM_KILLFOCUS && wparam &&
      IsChild(GetParent(box), reinterpret_cast<HWND>(wparam))) {
    SendMessageW(box, EM_SETSEL, 0, 0);
    SendMessageW(box, EM_SCROLLCARET, 0, 0);
  }
  if (message == WM_NCDESTROY) RemoveWindowSubclass(box, ShowBeginningWhenLeft, 1);
  return result;
}

// Paints a group box as an unthemed one is painted: an etched border, broken at the top by the
// caption in the colours its parent gives statics. A themed group box draws its caption in the
// theme's colour whatever the colour scheme, which may be the colour of the scheme's background.
LRESULT CALLBACK PaintGroupBox(HWND frame, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR,
                               DWORD_PTR) {
  if (message == WM_NCDESTROY) RemoveWindowSubclass(frame, PaintGroupBox, 1);
  if (message != WM_PAINT) return DefSubclassProc(frame, message, wparam, lparam);
  PAINTSTRUCT paint;
  const HDC dc = BeginPaint(frame, &paint);
  const HGDIOBJ previous =
      SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(frame, WM_GETFONT, 0, 0)));
  const auto brush = reinterpret_cast<HBRUSH>(SendMessageW(GetParent(frame), WM_CTLCOLORSTATIC,
                                                           reinterpret_cast<WPARAM>(dc),
                                                           reinterpret_cast<LPARAM>(frame)));
  TEXTMETRICW metrics = {};
  GetTextMetricsW(dc, &metrics);
  RECT border = {};
  GetClientRect(frame, &border);
  border.top += metrics.tmHeight / 2 - 1;
  DrawEdge(dc, &border, EDGE_ETCHED, BF_RECT);
  const std::wstring caption = WindowText(frame);
  SIZE size = {};
  GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &size);
  RECT text = {6, 0, 10 + size.cx, metrics.tmHeight};  // a pixel's margin each side
  FillRect(dc, &text, brush);
  SetBkMode(dc, TRANSPARENT);
  DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text,
            DT_CENTER | DT_SINGLELINE | DT_NOPREFIX);
  SelectObject(dc, previous);
  EndPaint(frame, &paint);
  return 0;
}

// Whether an edit control is too narrow to show its whole text.
bool IsCutOff(HWND edit) {
  const std::wstring text = WindowText(edit);
  RECT room = {};
  SendMessageW(edit, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&room));
  const HDC dc = GetDC(edit);
  const HGDIOBJ previous =
      SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(edit, WM_GETFONT, 0, 0)));
  SIZE size = {};
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
  SelectObject(dc, previous);
  ReleaseDC(edit, dc);
  return size.cx > room.right - room.left;
}

}  // namespace

void CalculatorWindow::Fonts::Make(UINT dpi) {
  bold = CreateFormFont(form::kBoldFont, dpi);
  large = CreateFormFont(form::kLargeFont, dpi);
  NONCLIENTMETRICSW metrics = {};
  metrics.cbSize = sizeof metrics;
  SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, dpi);
  message = CreateFontIndirectW(&metrics.lfMessageFont);
}

void CalculatorWindow::Fonts::Free() {
  for (HFONT* font : {&bold, &large, &message}) {
    if (*font) DeleteObject(*font);
    *font = nullptr;
  }
}

CalculatorWindow::CalculatorWindow(HINSTANCE instance, Module1& module, MessagePrompt* prompt)
    : prompt_(prompt) {
  RegisterWindowClass(instance, kClassName, WindowProcedure<CalculatorWindow>);
  CreateWindowExW(kExStyle, kClassName, Widen(form::kCaption).c_str(), kStyle, CW_USEDEFAULT,
                  CW_USEDEFAULT, 0, 0, nullptr, nullptr, instance, this);  // sets hwnd_
  if (!prompt_) {
    own_prompt_ = std::make_unique<MessageBoxPrompt>(hwnd_);
    prompt_ = own_prompt_.get();
  }
  CreateControls(instance);
  LayOut(GetDpiForWindow(hwnd_));
  panel_ = std::make_unique<EditBoxPanel>(boxes_);
  actions_ = std::make_unique<form::FormActions>(module, *panel_, *prompt_);
  focus_ = boxes_[0];
  Form_Load();
  // After Form_Load: Wine keeps a window that owns a topmost popup out of the topmost band.
  CreateTooltip(instance);
  explanation_ = std::make_unique<ExplanationWindow>(instance, hwnd_);
  actions_->SetExplanationView(explanation_.get());
}

CalculatorWindow::~CalculatorWindow() {
  if (IsWindow(hwnd_)) DestroyWindow(hwnd_);
  if (IsWindow(tooltip_)) DestroyWindow(tooltip_);
  fonts_.Free();
}

HWND CalculatorWindow::Control(std::string_view name) const {
  if (name == form::kFrame1.name) return frame_;
  for (std::size_t i = 0; i < form::kControls.size(); ++i) {
    if (form::kControls[i].name == name) return controls_[i];
  }
  return nullptr;
}

void CalculatorWindow::CreateControls(HINSTANCE instance) {
  // In the form's tab order: the keyboard moves through the controls in the order they were
  // made. The outlines and the frame come last, beneath the rest. The frame clips itself to the
  // controls above it; the outlines draw nothing but their borders, which run through the "="
  // label, and that label draws its text only.
  for (std::size_t i = 0; i < form::kControls.size(); ++i) {
    const form::Control& c = form::kControls[i];
    const int id = kFirstControlId + static_cast<int>(i);
    HWND control = nullptr;
    switch (c.kind) {
      case form::Kind::kTextBox:
        control = CreateChild(instance, hwnd_, WS_EX_CLIENTEDGE, L"EDIT", "",
                              WS_TABSTOP | ES_AUTOHSCROLL | (c.answer ? ES_READONLY : 0), id);
        SendMessageW(control, EM_SETLIMITTEXT, form::kMaxBoxLength, 0);
        SetWindowSubclass(control, ShowBeginningWhenLeft, 1, 0);
        SetWindowSubclass(control, TakeWholeProblems, 2, reinterpret_cast<DWORD_PTR>(this));
        boxes_[static_cast<std::size_t>(*c.box) - 1] = control;
        break;
      case form::Kind::kCommandButton:
        control = CreateChild(instance, hwnd_, 0, L"BUTTON", form::Tr(c.caption),
                              WS_TABSTOP | BS_PUSHBUTTON, id);
        break;
      case form::Kind::kLabel:
        control = CreateChild(
            instance, hwnd_, 0, L"STATIC", form::Tr(c.caption),
            SS_NOPREFIX | (c.alignment == form::Alignment::kCentre ? SS_CENTER : SS_LEFT), id);
        break;
      case form::Kind::kShape:
        control = CreateChild(instance, hwnd_, 0, L"STATIC", "", SS_BLACKFRAME, id);
        break;
      case form::Kind::kFrame:
        break;
    }
    if (!c.accessible_name.empty()) SetAccessibleName(control, Widen(form::Tr(c.accessible_name)));
    controls_[i] = control;
  }
  frame_ = CreateChild(instance, hwnd_, 0, L"BUTTON", form::kFrame1.caption,
                       WS_CLIPSIBLINGS | BS_GROUPBOX, kFrameId);
  SetWindowSubclass(frame_, PaintGroupBox, 1, 0);
}

void CalculatorWindow::CreateTooltip(HINSTANCE instance) {
  // Answer boxes show their whole text as a tooltip, asked for when it shows.
  tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                             WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                             CW_USEDEFAULT, CW_USEDEFAULT, hwnd_, nullptr, instance, nullptr);
  for (std::size_t i = 0; i < form::kControls.size(); ++i) {
    if (!form::kControls[i].answer) continue;
    TTTOOLINFOW tool = {};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = hwnd_;
    tool.uId = reinterpret_cast<UINT_PTR>(controls_[i]);
    tool.lpszText = LPSTR_TEXTCALLBACKW;
    SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  }
  SendMessageW(tooltip_, TTM_SETMAXTIPWIDTH, 0, MulDiv(400, static_cast<int>(dpi_), 96));
}

namespace {

// The width of a control's text in a font, in pixels.
int TextWidth(HWND control, HFONT font) {
  const std::wstring text = WindowText(control);
  const HDC dc = GetDC(control);
  const HGDIOBJ previous = SelectObject(dc, font);
  SIZE size{};
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
  SelectObject(dc, previous);
  ReleaseDC(control, dc);
  return size.cx;
}

}  // namespace

void CalculatorWindow::LayOut(UINT dpi) {
  dpi_ = dpi;
  Fonts previous = fonts_;  // freed once no control uses them
  fonts_.Make(dpi);

  RECT frame = {0, 0, Px(form::kClientWidth, dpi), Px(form::kClientHeight, dpi)};
  AdjustWindowRectExForDpi(&frame, kStyle, FALSE, kExStyle, dpi);
  SetWindowPos(hwnd_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);

  const form::Place f = form::kFrame1.place;
  MoveWindow(frame_, Px(f.left, dpi), Px(f.top, dpi), Px(f.width, dpi), Px(f.height, dpi), TRUE);
  SendMessageW(frame_, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_.message), TRUE);
  for (std::size_t i = 0; i < form::kControls.size(); ++i) {
    const form::Control& c = form::kControls[i];
    HFONT font = c.font == form::FontKind::kBold    ? fonts_.bold
                 : c.font == form::FontKind::kLarge ? fonts_.large
                                                    : fonts_.message;
    int width = Px(c.place.width, dpi);
    // A caption longer in the user's language than in English grows into the free space beside it.
    if (c.kind == form::Kind::kLabel) {
      width = std::max(width, std::min(TextWidth(controls_[i], font), Px(form::LabelRoom(c), dpi)));
    }
    MoveWindow(controls_[i], Px(f.left, dpi) + Px(c.place.left, dpi),
               Px(f.top, dpi) + Px(c.place.top, dpi), width, Px(c.place.height, dpi), TRUE);
    SendMessageW(controls_[i], WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  }
  if (tooltip_) {
    SendMessageW(tooltip_, TTM_SETMAXTIPWIDTH, 0, MulDiv(400, static_cast<int>(dpi), 96));
  }
  // Labels draw no background of their own: the window's is drawn anew beneath them.
  RedrawWindow(hwnd_, nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_ALLCHILDREN);
  previous.Free();
}

void CalculatorWindow::Form_Load() {
  // Above all other windows, where it stays; the result is ignored, since a window that cannot
  // be raised still calculates.
  SetWindowPos(hwnd_, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE);
}

bool CalculatorWindow::HandleDialogKey(MSG& message) {
  if (explanation_ && explanation_->HandleDialogKey(message)) return true;
  return IsWindow(hwnd_) && IsDialogMessageW(hwnd_, &message);
}

// Enter clicks the focused button, and in an operand box that holds a whole problem, presses its
// operator; on other text it says why that is no problem, and on a box being filled in (empty,
// or a lone number) it does nothing.
void CalculatorWindow::ClickFocusedButton() {
  const HWND focus = GetFocus();
  for (std::size_t i = 0; i < form::kControls.size(); ++i) {
    if (controls_[i] != focus) continue;
    const form::Control& c = form::kControls[i];
    if (c.kind == form::Kind::kCommandButton) Click(i);
    if (c.kind == form::Kind::kTextBox && !c.answer &&
        actions_->Enter(Narrow(WindowText(focus))) == form::FormActions::Entered::kSolved) {
      DescribeButtons();
    }
  }
}

// A whole problem pasted or entered as one line fills the operand boxes and presses its operator.
bool CalculatorWindow::Solve(const std::string& line) {
  if (!actions_->Solve(line)) return false;
  DescribeButtons();
  return true;
}

// Paste in an operand box (Ctrl+V and the context menu send WM_PASTE) takes a whole problem;
// anything else is pasted as usual. Copy in an answer box with nothing selected copies the
// answer line, and the answer boxes' context menu offers Copy whatever is selected.
LRESULT CALLBACK CalculatorWindow::TakeWholeProblems(HWND box, UINT message, WPARAM wparam,
                                                     LPARAM lparam, UINT_PTR, DWORD_PTR window) {
  auto* self = reinterpret_cast<CalculatorWindow*>(window);
  const bool answer = (GetWindowLongW(box, GWL_STYLE) & ES_READONLY) != 0;
  switch (message) {
    case WM_PASTE:
      if (!answer && self->Solve(ClipboardText(box))) return 0;
      break;
    case WM_COPY: {
      DWORD start = 0, end = 0;
      SendMessageW(box, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                   reinterpret_cast<LPARAM>(&end));
      const std::string line = form::AnswerLine(*self->panel_);
      if (!answer || start != end || line.empty()) break;
      SetClipboardText(box, line);
      return 0;
    }
    case WM_CONTEXTMENU:
      if (!answer) break;
      self->ShowAnswerMenu(box, lparam);
      return 0;
    case WM_NCDESTROY:
      RemoveWindowSubclass(box, TakeWholeProblems, 2);
      break;
    default:
      break;
  }
  return DefSubclassProc(box, message, wparam, lparam);
}

void CalculatorWindow::ShowAnswerMenu(HWND box, LPARAM where) {
  POINT at = {GET_X_LPARAM(where), GET_Y_LPARAM(where)};
  if (at.x == -1 && at.y == -1) {  // from the keyboard: at the box
    RECT place = {};
    GetWindowRect(box, &place);
    at = {place.left, place.bottom};
  }
  enum : UINT { kCopy = 1, kSelectAll = 2 };
  const HMENU menu = CreatePopupMenu();
  AppendMenuW(menu, MF_STRING | (GetWindowTextLengthW(box) ? 0 : MF_GRAYED), kCopy,
              L"&Copy\tCtrl+C");
  AppendMenuW(menu, MF_STRING, kSelectAll, L"Select &All\tCtrl+A");
  SetFocus(box);
  const UINT chosen =
      TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, 0, box, nullptr);
  DestroyMenu(menu);
  if (chosen == kCopy) SendMessageW(box, WM_COPY, 0, 0);
  if (chosen == kSelectAll) SendMessageW(box, EM_SETSEL, 0, -1);
}

const form::Control* CalculatorWindow::ControlOf(HWND control) const {
  for (std::size_t i = 0; i < form::kControls.size(); ++i) {
    if (controls_[i] == control) return &form::kControls[i];
  }
  return nullptr;
}

// The control that has the focus is the one to give it back to when the window regains it.
void CalculatorWindow::SaveFocus() {
  const HWND focus = GetFocus();
  if (focus && IsChild(hwnd_, focus)) focus_ = focus;
}

void CalculatorWindow::RestoreFocus() {
  if (focus_ && IsWindow(focus_)) SetFocus(focus_);
}

void CalculatorWindow::Click(std::size_t index) {
  actions_->Click(form::kControls[index].action);
  DescribeButtons();
  // The worked solution takes the focus, so that a screen reader reads it out.
  if (form::kControls[index].action == form::Action::kExplain) explanation_->Activate();
}

// The focus stays on the pressed button, so a screen reader hears the answer through it; the
// other buttons describe nothing, so that tabbing past them reads out no answer of the past.
void CalculatorWindow::DescribeButtons() {
  for (std::size_t i = 0; i < form::kControls.size(); ++i) {
    if (form::kControls[i].kind != form::Kind::kCommandButton) continue;
    SetAccessibleDescription(controls_[i], Widen(actions_->Description(form::kControls[i].action)));
  }
}

LRESULT CalculatorWindow::Handle(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_COMMAND: {
      const int id = LOWORD(wparam);
      if (id == IDOK) {  // Enter, through the dialog keyboard: a focused button clicks
        ClickFocusedButton();
        return 0;
      }
      const int index = id - kFirstControlId;
      if (HIWORD(wparam) == BN_CLICKED && index >= 0 &&
          index < static_cast<int>(form::kControls.size()) && actions_) {
        Click(static_cast<std::size_t>(index));
        return 0;
      }
      break;
    }
    case WM_NOTIFY: {
      auto* header = reinterpret_cast<NMHDR*>(lparam);
      if (header->code == TTN_GETDISPINFOW) {
        // Only a box too narrow for its text has a tip; an empty text shows none.
        auto* info = reinterpret_cast<NMTTDISPINFOW*>(lparam);
        const HWND box = reinterpret_cast<HWND>(header->idFrom);
        tooltip_text_ = IsCutOff(box) ? WindowText(box) : std::wstring();
        info->lpszText = tooltip_text_.data();
        return 0;
      }
      break;
    }
    case WM_CTLCOLORSTATIC: {
      // Read-only answer boxes take the colours of a box rather than those of a label, text and
      // background together, so that answers stay readable under any colour scheme.
      const form::Control* control = ControlOf(reinterpret_cast<HWND>(lparam));
      const HDC dc = reinterpret_cast<HDC>(wparam);
      if (control && control->answer) {
        SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
        SetBkColor(dc, GetSysColor(COLOR_WINDOW));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
      }
      // The frame's caption stands on the window's background in the scheme's button text.
      if (reinterpret_cast<HWND>(lparam) == frame_) {
        SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
        SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
      }
      // Labels draw their text only, over the window's background, and so leave whole the
      // outlines whose borders run through them (the "=" stands on both).
      if (control && control->kind == form::Kind::kLabel) {
        SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
        SetBkMode(dc, TRANSPARENT);
        return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
      }
      break;
    }
    case WM_DPICHANGED: {
      const auto* suggested = reinterpret_cast<const RECT*>(lparam);
      SetWindowPos(hwnd_, nullptr, suggested->left, suggested->top, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
      LayOut(HIWORD(wparam));
      return 0;
    }
    case WM_ACTIVATE:
      // Switching windows, or minimising and restoring, must leave the focus, caret and
      // selection where the user left them: the control that had the focus gets it back when the
      // window is active again and not minimised.
      if (LOWORD(wparam) == WA_INACTIVE) {
        SaveFocus();
      } else if (!HIWORD(wparam)) {
        RestoreFocus();
        return 0;
      }
      break;
    case WM_SYSCOMMAND:
      // Minimising need not deactivate the window first (it stays active under Wine).
      if ((wparam & 0xFFF0) == SC_MINIMIZE) SaveFocus();
      break;
    case WM_SIZE:
      // Restored from minimised while it stayed the active window: no activation follows.
      if (wparam == SIZE_RESTORED && GetActiveWindow() == hwnd_ && !IsChild(hwnd_, GetFocus())) {
        RestoreFocus();
      }
      break;
    case WM_SETFOCUS:
      RestoreFocus();
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      break;
  }
  return DefWindowProcW(hwnd_, message, wparam, lparam);
}

}  // namespace ondavi::win32
