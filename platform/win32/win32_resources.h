// The program's pictures from the resources of a module (the program itself unless told
// otherwise). Each is stored as a PNG resource (type "PNG", under the name the program asks
// for) and decoded when asked for (png_decoder.h); the caller keeps what it uses.
#pragma once
#include <windows.h>

#include "platform/resources.h"
#include "platform/win32/gdi.h"

namespace tikora {

class Win32Resources : public Resources {
 public:
  // `module` holds the PNG resources; null means the program's own executable. A module loaded
  // as a data file (LoadLibraryEx with LOAD_LIBRARY_AS_IMAGE_RESOURCE) works as well.
  explicit Win32Resources(HMODULE module = nullptr);

  std::optional<Bitmap> loadBitmap(std::wstring_view name) const override;

 private:
  HMODULE module_;
};

// A 24-bit top-down DIB section holding the picture's pixels; an empty object if none could be
// made.
GdiObject<HBITMAP> makeDibSection(const Bitmap& picture);

}  // namespace tikora
