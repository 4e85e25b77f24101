// The popup menu, the clock's tray menu, made afresh from the model's items each time it pops up,
// so "Hide Clock" / "Show Clock" and its picture are always current. Item pictures are menu
// bitmaps, not owner drawing, so the items stay plain text to screen readers and tests.
#pragma once
#include <windows.h>

#include <optional>
#include <vector>

#include "clock/clock_window_model.h"
#include "ui/win32/clock_images.h"
#include "ui/win32/ui_ids.h"

namespace tikora {

ClockCommand commandOf(ClockMenuItem item);
std::optional<ClockMenuItem> menuItemOf(UINT command);

// Shows the menu at `at` (screen coordinates) for `owner`, which receives the chosen item as
// WM_COMMAND. Returns when the menu has closed.
void popUpClockMenu(HWND owner, POINT at, const std::vector<MenuItemState>& items, const ClockImages& images);

}  // namespace tikora
