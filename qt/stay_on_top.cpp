// Staying on top where Qt's window flag does it: X11 window managers receive the flag as
// _NET_WM_STATE_ABOVE.
#include <QWidget>
#include <QtGlobal>
#include <cstring>

#include "stay_on_top.h"

namespace ondavi {

void StayOnTop(QWidget& window) {
  window.setWindowFlag(Qt::WindowStaysOnTopHint, true);
}

void PreferPlatformThatCanStayOnTop(int argc, char** argv) {
  if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) return;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0) return;
  }
  const bool wayland =
      qgetenv("XDG_SESSION_TYPE") == "wayland" || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
  if (wayland && !qEnvironmentVariableIsEmpty("DISPLAY")) qputenv("QT_QPA_PLATFORM", "xcb");
}

}  // namespace ondavi
