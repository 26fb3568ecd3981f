#pragma once

#include <cstdint>

namespace ondavi {

// Places the native window `hwnd` above all non-topmost windows, keeping its position and size.
void SetTopmost(std::uintptr_t hwnd);

}  // namespace ondavi
