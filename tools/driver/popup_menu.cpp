// Reading and driving an open popup menu of another process.
//
// Wine keeps a menu's items in the memory of the process that made it, so the menu functions
// refuse a handle from another process. The items are therefore read by a small routine of this
// program run inside the menu's process (see remote.h); the same routine closes the menu with
// EndMenu, which must also be called inside the menu's process.
#include "popup_menu.h"

#include <memory>

#include "remote.h"
#include "windows_list.h"

namespace tikora::driver {

namespace {

constexpr wchar_t kMenuClass[] = L"#32768";
constexpr UINT kGetMenuHandle = 0x01E1;  // MN_GETHMENU
constexpr int kMaxItems = 64;
constexpr int kTextChars = 256;
constexpr DWORD kReadItems = 0, kEndMenu = 1;

struct RemoteItem {
  MENUITEMINFOW info;
  wchar_t text[kTextChars];
};

// Shared with the routine in the target process: everything it needs is in here, including
// the addresses of the user32 functions as they are in that process.
struct MenuBlock {
  DWORD operation;
  int count;
  HMENU menu;
  int(WINAPI* getItemCount)(HMENU);
  BOOL(WINAPI* getItemInfo)(HMENU, UINT, BOOL, LPMENUITEMINFOW);
  BOOL(WINAPI* endMenu)();
  RemoteItem items[kMaxItems];
};

// Runs inside the target. It may only call through the block's pointers (see RemoteCode).
extern "C" DWORD WINAPI menuRoutine(LPVOID parameter) {
  MenuBlock* block = static_cast<MenuBlock*>(parameter);
  if (block->operation == kEndMenu) return block->endMenu() ? 1 : 0;
  int count = block->getItemCount(block->menu);
  block->count = count;
  for (int i = 0; i < count && i < kMaxItems; ++i) {
    block->getItemInfo(block->menu, static_cast<UINT>(i), TRUE, &block->items[i].info);
  }
  return 1;
}

struct OpenMenu {
  HWND window;
  HMENU menu;
  HWND owner;
  DWORD pid;
};

OpenMenu waitForMenu(const Options& options) {
  WindowFilter filter;
  filter.hasClass = true;
  filter.className = kMenuClass;
  filter.visibleOnly = true;
  filter.pid = static_cast<DWORD>(options.number(L"pid", 0));
  HWND window = waitForWindow(filter, options.timeoutMs(10000));
  DWORD_PTR menu = 0;
  if (!SendMessageTimeoutW(window, kGetMenuHandle, 0, 0, SMTO_ABORTIFHUNG, 2000, &menu) || !menu) {
    fail("the menu window did not tell its menu");
  }
  HWND owner = options.has(L"owner") ? parseHwnd(options.text(L"owner")) : GetWindow(window, GW_OWNER);
  return {window, reinterpret_cast<HMENU>(menu), owner, windowProcess(window)};
}

class MenuReader {
 public:
  explicit MenuReader(DWORD pid) : process_(pid), code_(process_), buffer_(process_, sizeof(MenuBlock)) {
    template_ = std::make_unique<MenuBlock>();
    template_->getItemCount =
        reinterpret_cast<decltype(template_->getItemCount)>(code_.systemProc(L"user32.dll", "GetMenuItemCount"));
    template_->getItemInfo =
        reinterpret_cast<decltype(template_->getItemInfo)>(code_.systemProc(L"user32.dll", "GetMenuItemInfoW"));
    template_->endMenu = reinterpret_cast<decltype(template_->endMenu)>(code_.systemProc(L"user32.dll", "EndMenu"));
  }

  Json items(HMENU menu, int depth) {
    auto block = std::make_unique<MenuBlock>(*template_);
    block->operation = kReadItems;
    block->menu = menu;
    block->count = -1;
    MenuBlock* remote = buffer_.as<MenuBlock>();
    for (int i = 0; i < kMaxItems; ++i) {
      MENUITEMINFOW& info = block->items[i].info;
      info = MENUITEMINFOW{};
      info.cbSize = sizeof info;
      info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_STRING | MIIM_SUBMENU | MIIM_BITMAP | MIIM_CHECKMARKS;
      info.dwTypeData = remote->items[i].text;
      info.cch = kTextChars;
      block->items[i].text[0] = 0;
    }
    buffer_.write(block.get(), sizeof(MenuBlock));
    code_.call(menuRoutine, buffer_.address(), 5000);
    buffer_.read(block.get(), sizeof(MenuBlock));
    if (block->count < 0) fail("the menu could not be read");
    Json list = Json::array();
    for (int i = 0; i < block->count && i < kMaxItems; ++i) {
      const MENUITEMINFOW& info = block->items[i].info;
      std::wstring text(block->items[i].text, wcsnlen(block->items[i].text, kTextChars));
      bool separator = (info.fType & MFT_SEPARATOR) != 0;
      Json item = Json::object()
                      .set("position", i)
                      .set("text", separator ? std::wstring() : text)
                      .set("id", static_cast<unsigned>(info.wID))
                      .set("separator", separator)
                      .set("checked", (info.fState & MFS_CHECKED) != 0)
                      .set("disabled", (info.fState & MFS_DISABLED) != 0)
                      .set("default", (info.fState & MFS_DEFAULT) != 0)
                      .set("highlighted", (info.fState & MFS_HILITE) != 0)
                      .set("bitmap", info.hbmpItem != nullptr)
                      .set("check_bitmaps", info.hbmpChecked != nullptr || info.hbmpUnchecked != nullptr)
                      .set("owner_draw", (info.fType & MFT_OWNERDRAW) != 0);
      if (info.hSubMenu && depth < 4)
        item.set("submenu", items(info.hSubMenu, depth + 1));
      else
        item.set("submenu", nullptr);
      list.push(item);
    }
    return list;
  }

  void endMenu() {
    auto block = std::make_unique<MenuBlock>(*template_);
    block->operation = kEndMenu;
    buffer_.write(block.get(), sizeof(MenuBlock));
    code_.call(menuRoutine, buffer_.address(), 5000);
  }

 private:
  RemoteProcess process_;
  RemoteCode code_;
  RemoteBuffer buffer_;
  std::unique_ptr<MenuBlock> template_;
};

// The menu window is destroyed (Wine) or hidden (Windows) once the menu's loop has ended.
void waitUntilClosed(HWND window, DWORD timeoutMs) {
  DWORD start = GetTickCount();
  while (IsWindow(window) && IsWindowVisible(window)) {
    if (GetTickCount() - start >= timeoutMs) failTimeout("the menu did not close");
    Sleep(25);
  }
}

Json menuJson(const OpenMenu& open, Json items) {
  RECT rect{};
  GetWindowRect(open.window, &rect);
  return Json::object()
      .set("hwnd", hwndNumber(open.window))
      .set("hmenu", static_cast<long long>(reinterpret_cast<intptr_t>(open.menu)))
      .set("owner", hwndNumber(open.owner))
      .set("pid", static_cast<unsigned>(open.pid))
      .set("rect", rectJson(rect))
      .set("items", std::move(items));
}

// Menu texts may carry an accelerator after a tab ("Open\tCtrl+O"): match the part before it.
bool itemMatches(const Json& item, const std::wstring& wanted) {
  std::wstring text = fromUtf8(item.find("text")->text());
  if (text == wanted) return true;
  std::wstring label = text.substr(0, text.find(L'\t'));
  return sameLabel(label, wanted);
}

}  // namespace

Json commandMenu(const Options& options) {
  OpenMenu open = waitForMenu(options);
  MenuReader reader(open.pid);
  return menuJson(open, reader.items(open.menu, 0));
}

Json commandMenuSelect(const Options& options) {
  std::wstring wanted = options.required(L"item");
  OpenMenu open = waitForMenu(options);
  MenuReader reader(open.pid);
  Json items = reader.items(open.menu, 0);
  const Json* chosen = nullptr;
  for (size_t i = 0; i < items.size() && !chosen; ++i) {
    if (!items.at(i).find("separator")->number() && itemMatches(items.at(i), wanted)) chosen = &items.at(i);
  }
  if (!chosen) fail("the menu has no item \"" + narrow(wanted) + "\"");
  if (chosen->find("disabled")->number()) fail("the menu item \"" + narrow(wanted) + "\" is disabled");
  if (chosen->find("submenu")->kind() != Json::Kind::Null) fail("the menu item opens a submenu");
  if (!open.owner) fail("the menu has no owner window; name it with --owner");
  UINT id = static_cast<UINT>(chosen->find("id")->number());
  Json record = menuJson(open, items);
  // Close the menu first: a command posted while the menu's loop runs would be handled inside
  // that loop, before TrackPopupMenu has returned, which a real click never does.
  reader.endMenu();
  waitUntilClosed(open.window, options.timeoutMs(10000));
  PostMessageW(open.owner, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(id), 0), 0);
  return record.set("selected", *chosen);
}

Json commandMenuDismiss(const Options& options) {
  OpenMenu open = waitForMenu(options);
  MenuReader reader(open.pid);
  reader.endMenu();
  waitUntilClosed(open.window, options.timeoutMs(10000));
  return Json::object().set("dismissed", hwndNumber(open.window));
}

}  // namespace tikora::driver
