#pragma once

class QWidget;

namespace ondavi {

// Asks the platform to keep `window` above all other windows, without moving or resizing it.
// Call before the window is first shown.
void StayOnTop(QWidget& window);

// Chooses X11 (through XWayland) in a Wayland session where the user has not chosen a platform,
// because Wayland lets no application keep itself above others. Call before QApplication exists.
void PreferPlatformThatCanStayOnTop(int argc, char** argv);

}  // namespace ondavi
