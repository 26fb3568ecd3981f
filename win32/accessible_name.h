#pragma once

#include <windows.h>

#include <string>

namespace ondavi::win32 {

// Gives a control the name a screen reader announces, in place of the one Windows would derive
// (for an edit control, its text or nothing). The control answers WM_GETOBJECT with Windows' own
// accessible object for it, changed in its name only; this works on every Windows version and
// under Wine, where the annotation service (IAccPropServices) is missing.
void SetAccessibleName(HWND control, std::wstring name);

}  // namespace ondavi::win32
