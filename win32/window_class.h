#pragma once

// What the program's top-level windows share: their class, and a window procedure that hands
// each message to the object the window belongs to.
#include <windows.h>

namespace ondavi::win32 {

// Registers the window class `name` with the program's icon, the arrow cursor and the dialog
// background; a window made a second time registers it again, which fails harmlessly.
void RegisterWindowClass(HINSTANCE instance, const wchar_t* name, WNDPROC procedure);

// The window procedure of windows that belong to objects of `Window`, each passed to
// CreateWindowExW as its creation parameter: at WM_NCCREATE the object learns its window, in
// `hwnd_`, and from then on handles every message in `Handle`. Messages before that go to the
// default procedure.
template <class Window>
LRESULT CALLBACK WindowProcedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* window = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams);
    window->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(window));
  }
  auto* window = reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  return window ? window->Handle(message, wparam, lparam)
                : DefWindowProcW(hwnd, message, wparam, lparam);
}

}  // namespace ondavi::win32
