#include "text_printing.h"

#include <commdlg.h>

namespace ondavi::win32 {
namespace {

constexpr UINT kWrapped = DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS;

// The height of a line wrapped to the area's width; an empty line is as high as a blank.
int LineHeight(HDC dc, std::wstring_view line, const RECT& area) {
  RECT room = {area.left, 0, area.right, 0};
  const std::wstring_view measured = line.empty() ? std::wstring_view(L" ") : line;
  return DrawTextW(dc, measured.data(), static_cast<int>(measured.size()), &room,
                   kWrapped | DT_CALCRECT);
}

// Prints the pages on a printer's device context; tells whether every page was printed.
bool PrintPages(HDC dc, const std::wstring& title, std::wstring_view text,
                const std::wstring& face) {
  const int dpi_x = GetDeviceCaps(dc, LOGPIXELSX), dpi_y = GetDeviceCaps(dc, LOGPIXELSY);
  // The printable area starts at the physical offset; the margins are measured from the paper.
  const int offset_x = GetDeviceCaps(dc, PHYSICALOFFSETX),
            offset_y = GetDeviceCaps(dc, PHYSICALOFFSETY);
  const int paper_x = GetDeviceCaps(dc, PHYSICALWIDTH), paper_y = GetDeviceCaps(dc, PHYSICALHEIGHT);
  const int margin_x = dpi_x * 3 / 4, margin_y = dpi_y * 3 / 4;
  const RECT area = {margin_x - offset_x, margin_y - offset_y, paper_x - margin_x - offset_x,
                     paper_y - margin_y - offset_y};
  const HFONT font = CreateFontW(-MulDiv(11, dpi_y, 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                                 DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                 DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, face.c_str());
  const HGDIOBJ previous = SelectObject(dc, font);
  DOCINFOW document = {};
  document.cbSize = sizeof document;
  document.lpszDocName = title.c_str();
  bool printed = StartDocW(dc, &document) > 0;
  if (printed) {
    for (const std::wstring& page : Pages(dc, text, area)) {
      if (StartPage(dc) <= 0) {
        printed = false;
        break;
      }
      RECT room = area;
      DrawTextW(dc, page.c_str(), static_cast<int>(page.size()), &room, kWrapped);
      if (EndPage(dc) <= 0) {
        printed = false;
        break;
      }
    }
    if (printed) {
      EndDoc(dc);
    } else {
      AbortDoc(dc);
    }
  }
  SelectObject(dc, previous);
  DeleteObject(font);
  return printed;
}

}  // namespace

std::vector<std::wstring> Pages(HDC dc, std::wstring_view text, const RECT& area) {
  std::vector<std::wstring> pages;
  std::wstring page;
  int used = 0;
  bool page_empty = true;
  for (std::size_t start = 0;;) {
    const std::size_t end = text.find(L"\r\n", start);
    const std::wstring_view line =
        text.substr(start, end == std::wstring_view::npos ? std::wstring_view::npos : end - start);
    const int height = LineHeight(dc, line, area);
    if (!page_empty && used + height > area.bottom - area.top) {
      pages.push_back(std::move(page));
      page.clear();
      used = 0;
      page_empty = true;
    }
    if (!page_empty) page += L"\r\n";
    page += line;
    used += height;
    page_empty = false;
    if (end == std::wstring_view::npos) break;
    start = end + 2;
  }
  pages.push_back(std::move(page));
  return pages;
}

bool PrintText(HWND owner, const std::wstring& title, std::wstring_view text,
               const std::wstring& face) {
  PRINTDLGW dialog = {};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.Flags = PD_RETURNDC | PD_NOSELECTION | PD_NOPAGENUMS | PD_USEDEVMODECOPIESANDCOLLATE;
  if (!PrintDlgW(&dialog) || !dialog.hDC) return false;
  const bool printed = PrintPages(dialog.hDC, title, text, face);
  DeleteDC(dialog.hDC);
  if (dialog.hDevMode) GlobalFree(dialog.hDevMode);
  if (dialog.hDevNames) GlobalFree(dialog.hDevNames);
  return printed;
}

}  // namespace ondavi::win32
