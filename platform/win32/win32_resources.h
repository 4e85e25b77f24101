// Bitmap resources of a module (the program itself unless told otherwise), decoded from the
// packed DIB the resource holds into the core's Bitmap.
#pragma once
#include <windows.h>

#include "platform/resources.h"

namespace tikora {

class Win32Resources : public Resources {
 public:
  // `module` holds the BITMAP resources; null means the program's own executable. A module
  // loaded as a data file (LoadLibraryEx with LOAD_LIBRARY_AS_IMAGE_RESOURCE) works as well.
  explicit Win32Resources(HMODULE module = nullptr);

  std::optional<Bitmap> loadBitmap(std::wstring_view name) const override;

 private:
  HMODULE module_;
};

}  // namespace tikora
