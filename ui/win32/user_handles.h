// Owners for USER and common-control handles the windows keep: icons, menus and image lists.
// Each converts to the raw handle so Win32 calls read as usual; copies are deleted, moves
// allowed.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <utility>

namespace tikora {

template <class Handle, class Deleter>
class UniqueUserHandle {
 public:
  UniqueUserHandle() = default;
  explicit UniqueUserHandle(Handle handle) : handle_(handle) {}
  ~UniqueUserHandle() { reset(); }
  UniqueUserHandle(const UniqueUserHandle&) = delete;
  UniqueUserHandle& operator=(const UniqueUserHandle&) = delete;
  UniqueUserHandle(UniqueUserHandle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  UniqueUserHandle& operator=(UniqueUserHandle&& other) noexcept {
    if (this != &other) reset(std::exchange(other.handle_, nullptr));
    return *this;
  }

  operator Handle() const { return handle_; }
  Handle get() const { return handle_; }
  bool valid() const { return handle_ != nullptr; }
  void reset(Handle handle = nullptr) {
    if (handle_) Deleter{}(handle_);
    handle_ = handle;
  }

 private:
  Handle handle_ = nullptr;
};

struct IconDeleter {
  void operator()(HICON icon) const { DestroyIcon(icon); }
};
struct MenuDeleter {
  void operator()(HMENU menu) const { DestroyMenu(menu); }
};
struct ImageListDeleter {
  void operator()(HIMAGELIST list) const { ImageList_Destroy(list); }
};

// An icon made by the program (CreateIconIndirect, ImageList_GetIcon); not for shared icons
// from LoadIcon, which must not be destroyed.
using UniqueIcon = UniqueUserHandle<HICON, IconDeleter>;
using UniqueMenu = UniqueUserHandle<HMENU, MenuDeleter>;
using UniqueImageList = UniqueUserHandle<HIMAGELIST, ImageListDeleter>;

}  // namespace tikora
