// The clock window's small pictures; see clock_images.h.
#include "ui/win32/clock_images.h"

#include <cstdint>

#include "platform/win32/win32_resources.h"

namespace tikora {
namespace {

constexpr Colour kMagenta = 0xFF00FF;

BITMAPINFO dibInfo(int width, int height, WORD bitCount) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = bitCount;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}

// Wine's menus (up to version 8 at least) copy item bitmaps without blending their alpha, so
// there a see-through pixel would show black.
bool menusBlendAlpha() {
  const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
  return !(ntdll && GetProcAddress(ntdll, "wine_get_version"));
}

// Image `index` as a 32-bit premultiplied-alpha bitmap: opaque, and fully transparent where the
// strip is magenta; or, where menus do not blend, with the menu's own colour there.
GdiObject<HBITMAP> makeMenuBitmap(const Bitmap& strip, int index, bool blended) {
  constexpr int size = ClockImages::kSize;
  BITMAPINFO info = dibInfo(size, size, 32);
  void* bits = nullptr;
  GdiObject<HBITMAP> bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bitmap.valid() || !bits) return {};
  auto* to = static_cast<std::uint32_t*>(bits);
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      Colour c = strip.pixel(index * size + x, y);
      if (c == kMagenta && blended) {
        *to++ = 0u;
        continue;
      }
      if (c == kMagenta) c = GetSysColor(COLOR_MENU);
      *to++ = 0xFF000000u | (std::uint32_t(redOf(c)) << 16) | (std::uint32_t(greenOf(c)) << 8) | blueOf(c);
    }
  }
  return bitmap;
}

}  // namespace

bool ClockImages::load(const Resources& resources) {
  const auto strip = resources.loadBitmap(L"clock_images");
  if (!strip || strip->height() < kSize || strip->width() < kSize) return false;
  const int images = strip->width() / kSize;

  list_.reset(ImageList_Create(kSize, kSize, ILC_COLOR24 | ILC_MASK, images, 0));
  // The whole strip as a 24-bit bitmap, for the image list to cut and mask.
  const GdiObject<HBITMAP> whole = makeDibSection(*strip);
  if (!list_.valid() || !whole.valid()) return false;
  // AddMasked splits the strip into images of the list's width and makes the mask from magenta.
  if (ImageList_AddMasked(list_, whole, kSeeThrough) < 0) return false;

  menuBitmaps_.clear();
  const bool blended = menusBlendAlpha();
  for (int i = 0; i < images; ++i) menuBitmaps_.push_back(makeMenuBitmap(*strip, i, blended));
  return true;
}

UniqueIcon ClockImages::icon(int index) const {
  if (!list_.valid() || index < 0 || index >= ImageList_GetImageCount(list_)) return UniqueIcon();
  return UniqueIcon(ImageList_GetIcon(list_, index, ILD_NORMAL));
}

HBITMAP ClockImages::menuBitmap(int index) const {
  if (index < 0 || index >= count()) return nullptr;
  return menuBitmaps_[std::size_t(index)];
}

}  // namespace tikora
