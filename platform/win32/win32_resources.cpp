// BITMAP resources through FindResource/LoadResource; see win32_resources.h.
#include "platform/win32/win32_resources.h"

#include <cstdint>
#include <span>
#include <string>

#include "core/dib.h"

namespace tikora {

Win32Resources::Win32Resources(HMODULE module)
    : module_(module ? module : GetModuleHandleW(nullptr)) {}

std::optional<Bitmap> Win32Resources::loadBitmap(std::wstring_view name) const {
  if (name.empty()) return std::nullopt;
  const std::wstring resource(name);
  // Reading the resource's bytes directly, instead of LoadImage, keeps the exact pixels: no
  // device-dependent conversion, no colour matching, and nothing to free afterwards (resource
  // memory belongs to the module and lives as long as it).
  HRSRC found = FindResourceW(module_, resource.c_str(), RT_BITMAP);
  if (!found) return std::nullopt;
  const DWORD size = SizeofResource(module_, found);
  HGLOBAL loaded = LoadResource(module_, found);
  if (!loaded || size == 0) return std::nullopt;
  const void* bytes = LockResource(loaded);
  if (!bytes) return std::nullopt;
  return decodePackedDib(std::span(static_cast<const std::uint8_t*>(bytes), size));
}

}  // namespace tikora
