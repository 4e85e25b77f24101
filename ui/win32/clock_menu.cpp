// The clock's popup menu; see clock_menu.h.
#include "ui/win32/clock_menu.h"

#include <string>

#include "ui/win32/user_handles.h"

namespace tikora {

ClockCommand commandOf(ClockMenuItem item) {
  switch (item) {
    case ClockMenuItem::ControlPanel1: return ClockCommand::ControlPanel1;
    case ClockMenuItem::HideClock1: return ClockCommand::HideClock1;
    case ClockMenuItem::DailyPlanner1: return ClockCommand::DailyPlanner1;
    case ClockMenuItem::odaysDate1: return ClockCommand::odaysDate1;
    case ClockMenuItem::Exit1:
    case ClockMenuItem::N1: break;
  }
  return ClockCommand::Exit1;
}

std::optional<ClockMenuItem> menuItemOf(UINT command) {
  switch (static_cast<ClockCommand>(command)) {
    case ClockCommand::ControlPanel1: return ClockMenuItem::ControlPanel1;
    case ClockCommand::HideClock1: return ClockMenuItem::HideClock1;
    case ClockCommand::DailyPlanner1: return ClockMenuItem::DailyPlanner1;
    case ClockCommand::odaysDate1: return ClockMenuItem::odaysDate1;
    case ClockCommand::Exit1: return ClockMenuItem::Exit1;
  }
  return std::nullopt;
}

void popUpClockMenu(HWND owner, POINT at, const std::vector<MenuItemState>& items, const ClockImages& images) {
  UniqueMenu menu(CreatePopupMenu());
  if (!menu.valid()) return;
  UINT position = 0;
  for (const MenuItemState& item : items) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    if (item.separator) {
      info.fMask = MIIM_FTYPE;
      info.fType = MFT_SEPARATOR;
    } else {
      std::wstring caption = item.caption;
      info.fMask = MIIM_ID | MIIM_STRING | MIIM_BITMAP;
      info.wID = toCommand(commandOf(item.item));
      info.dwTypeData = caption.data();
      info.hbmpItem = images.menuBitmap(item.image);
      InsertMenuItemW(menu, position++, TRUE, &info);
      if (item.isDefault) SetMenuDefaultItem(menu, position - 1, TRUE);
      continue;
    }
    InsertMenuItemW(menu, position++, TRUE, &info);
  }
  TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, at.x, at.y, 0, owner, nullptr);
}

}  // namespace tikora
