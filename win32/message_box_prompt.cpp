#include "message_box_prompt.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include "form.h"
#include "message_text.h"
#include "text_conversion.h"
#include "translation.h"

namespace ondavi::win32 {
namespace {

constexpr WORD kTextId = 100;

// The template of a dialog with a scrolling, read-only text and an OK button, in dialog units:
// the header, then each control, each on a DWORD boundary, as DialogBoxIndirect reads them.
std::vector<WORD> LongTextTemplate(std::wstring_view title) {
  std::vector<WORD> t;
  const auto add_dword = [&t](DWORD d) {
    t.push_back(LOWORD(d));
    t.push_back(HIWORD(d));
  };
  const auto add_string = [&t](std::wstring_view s) {
    t.insert(t.end(), s.begin(), s.end());
    t.push_back(0);
  };
  const auto add_box = [&t](short x, short y, short cx, short cy) {
    for (short v : {x, y, cx, cy}) t.push_back(static_cast<WORD>(v));
  };
  const auto add_control = [&](DWORD style, DWORD ex_style, short x, short y, short cx, short cy,
                               WORD id, WORD atom, std::wstring_view text) {
    if (t.size() % 2 != 0) t.push_back(0);
    add_dword(style);
    add_dword(ex_style);
    add_box(x, y, cx, cy);
    t.push_back(id);
    t.push_back(0xFFFF);
    t.push_back(atom);
    add_string(text);
    t.push_back(0);  // no creation data
  };
  add_dword(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT | DS_CENTER);
  add_dword(0);
  t.push_back(2);  // controls
  add_box(0, 0, 280, 220);
  t.push_back(0);  // no menu
  t.push_back(0);  // the standard dialog class
  add_string(title);
  t.push_back(9);
  add_string(L"MS Shell Dlg");
  add_control(
      WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL,
      WS_EX_CLIENTEDGE, 7, 7, 266, 184, kTextId, 0x0081, L"");
  add_control(WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, 215, 198, 58, 15, IDOK,
              0x0080, Widen(form::Tr("OK")));
  return t;
}

struct LongText {
  const wchar_t* text;
  HFONT font = nullptr;
};

INT_PTR CALLBACK LongTextProc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_INITDIALOG: {
      auto* long_text = reinterpret_cast<LongText*>(lparam);
      SetWindowLongPtrW(dialog, DWLP_USER, lparam);
      // A transcript lines its numbers up in columns, which needs a fixed-pitch font.
      const HDC dc = GetDC(dialog);
      const int height = -MulDiv(9, GetDeviceCaps(dc, LOGPIXELSY), 72);
      ReleaseDC(dialog, dc);
      long_text->font = CreateFontW(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                                    DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                    CLEARTYPE_QUALITY, FIXED_PITCH | FF_MODERN, L"Consolas");
      SendDlgItemMessageW(dialog, kTextId, WM_SETFONT, reinterpret_cast<WPARAM>(long_text->font),
                          FALSE);
      SetDlgItemTextW(dialog, kTextId, long_text->text);
      SetFocus(GetDlgItem(dialog, IDOK));
      return FALSE;  // the focus is set
    }
    case WM_COMMAND:
      if (LOWORD(wparam) == IDOK || LOWORD(wparam) == IDCANCEL) {
        EndDialog(dialog, IDOK);
        return TRUE;
      }
      break;
    case WM_DESTROY:
      if (auto* long_text = reinterpret_cast<LongText*>(GetWindowLongPtrW(dialog, DWLP_USER))) {
        DeleteObject(long_text->font);
      }
      break;
  }
  return FALSE;
}

// Whether a message box would be taller than two thirds of the screen's work area.
bool TooTallForAMessageBox(std::wstring_view text) {
  RECT work{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
  const auto lines = std::count(text.begin(), text.end(), L'\n') + 1;
  const long line_height = std::max(12L, std::labs(metrics.lfMessageFont.lfHeight) + 4);
  return lines * line_height > (work.bottom - work.top) * 2 / 3;
}

}  // namespace

void MessageBoxPrompt::Show(const std::string& prompt) {
  const std::wstring text = Widen(form::WithLineEnds(prompt, "\r\n"));
  const std::wstring title = Widen(form::kApplicationTitle);
  if (!TooTallForAMessageBox(text)) {
    MessageBoxW(owner_, text.c_str(), title.c_str(), MB_OK);
    return;
  }
  // The work of a problem of many steps scrolls, in a box that fits on the screen.
  const std::vector<WORD> dialog = LongTextTemplate(title);
  LongText long_text{text.c_str()};
  DialogBoxIndirectParamW(GetModuleHandleW(nullptr),
                          reinterpret_cast<const DLGTEMPLATE*>(dialog.data()), owner_, LongTextProc,
                          reinterpret_cast<LPARAM>(&long_text));
}

}  // namespace ondavi::win32
