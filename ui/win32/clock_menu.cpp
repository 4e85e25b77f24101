// The clock's popup menu; see clock_menu.h.
#include "ui/win32/clock_menu.h"

#include <string>

#include "ui/win32/user_handles.h"

namespace tikora {

ClockCommand commandOf(ClockMenuItem item) {
  switch (item) {
    case ClockMenuItem::ControlPanel: return ClockCommand::ControlPanel;
    case ClockMenuItem::HideClock: return ClockCommand::HideClock;
    case ClockMenuItem::DailyPlanner: return ClockCommand::DailyPlanner;
    case ClockMenuItem::TodaysDate: return ClockCommand::TodaysDate;
    case ClockMenuItem::Exit:
    case ClockMenuItem::Separator: break;
  }
  return ClockCommand::Exit;
}

std::optional<ClockMenuItem> menuItemOf(UINT command) {
  switch (static_cast<ClockCommand>(command)) {
    case ClockCommand::ControlPanel: return ClockMenuItem::ControlPanel;
    case ClockCommand::HideClock: return ClockMenuItem::HideClock;
    case ClockCommand::DailyPlanner: return ClockMenuItem::DailyPlanner;
    case ClockCommand::TodaysDate: return ClockMenuItem::TodaysDate;
    case ClockCommand::Exit: return ClockMenuItem::Exit;
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
