#pragma once

#include <windows.h>

#include <string>

namespace ondavi::win32 {

// Gives a control the name a screen reader announces, in place of the one Windows would derive
// (for an edit control, its text or nothing). The control answers WM_GETOBJECT with Windows' own
// accessible object for it, changed in its name and description only; this works on every
// Windows version and under Wine, where the annotation service (IAccPropServices) is missing.
void SetAccessibleName(HWND control, std::wstring name);

// Sets the description a screen reader reads for a control named by SetAccessibleName, and tells
// assistive technology that it changed, so that the focused control's new description is read.
void SetAccessibleDescription(HWND control, std::wstring description);

}  // namespace ondavi::win32
