#pragma once

// Prints a text of lines through the common print dialog, each line wrapped to the paper's
// width and the lines shared out over as many pages as they take.
#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

namespace ondavi::win32 {

// The text's lines ("\r\n" between them) as pages of `area` on `dc`, in the font selected into
// it: each page the lines that fit, a line wrapped at word breaks to the area's width. A line
// taller than a whole page has a page of its own. Joined with "\r\n", the pages are the text.
std::vector<std::wstring> Pages(HDC dc, std::wstring_view text, const RECT& area);

// Asks for a printer with the common print dialog, owned by `owner`, and prints the text there
// as the document `title`, in the face `face` at 11 points with margins of three quarters of an
// inch. Tells whether it was printed; cancelling the dialog prints nothing.
bool PrintText(HWND owner, const std::wstring& title, std::wstring_view text,
               const std::wstring& face);

}  // namespace ondavi::win32
