// PNG resources through FindResource/LoadResource; see win32_resources.h.
#include "platform/win32/win32_resources.h"

#include <algorithm>
#include <cstdint>
#include <span>
#include <string>

#include "platform/win32/png_decoder.h"

namespace tikora {

constexpr const wchar_t* kPictureType = L"PNG";

Win32Resources::Win32Resources(HMODULE module) : module_(module ? module : GetModuleHandleW(nullptr)) {}

std::optional<Bitmap> Win32Resources::loadBitmap(std::wstring_view name) const {
  if (name.empty()) return std::nullopt;
  const std::wstring resource(name);
  // Resource memory belongs to the module and lives as long as it: nothing to free here.
  HRSRC found = FindResourceW(module_, resource.c_str(), kPictureType);
  if (!found) return std::nullopt;
  const DWORD size = SizeofResource(module_, found);
  HGLOBAL loaded = LoadResource(module_, found);
  if (!loaded || size == 0) return std::nullopt;
  const void* bytes = LockResource(loaded);
  if (!bytes) return std::nullopt;
  return decodePng(std::span(static_cast<const std::uint8_t*>(bytes), size));
}

GdiObject<HBITMAP> makeDibSection(const Bitmap& picture) {
  if (picture.empty()) return {};
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = picture.width();
  info.bmiHeader.biHeight = -picture.height();  // top-down, as the picture's rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  GdiObject<HBITMAP> bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bitmap.valid() || !bits) return {};
  // DIB rows are padded to whole 4-byte words.
  const std::size_t stride = (std::size_t(picture.width()) * 3 + 3) & ~std::size_t(3);
  auto* to = static_cast<std::uint8_t*>(bits);
  for (int y = 0; y < picture.height(); ++y)
    std::copy(picture.row(y), picture.row(y) + picture.stride(), to + stride * std::size_t(y));
  return bitmap;
}

}  // namespace tikora
