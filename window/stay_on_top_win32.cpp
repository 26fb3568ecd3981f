// Staying on top on Windows: SetWindowPos with HWND_TOPMOST on the native window.
#include <QWidget>

#include "stay_on_top.h"
#include "topmost_win32.h"

namespace ondavi {

void StayOnTop(QWidget& window) {
  SetTopmost(static_cast<std::uintptr_t>(window.winId()));
}

void PreferPlatformThatCanStayOnTop(int, char**) {}

}  // namespace ondavi
