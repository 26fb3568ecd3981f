#include "topmost_win32.h"

#include <windows.h>

namespace ondavi {

void SetTopmost(std::uintptr_t hwnd) {
  // The result is ignored: a window that cannot be raised still works as a calculator.
  SetWindowPos(reinterpret_cast<HWND>(hwnd), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE);
}

}  // namespace ondavi
