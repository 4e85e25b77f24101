// Bitmap resources of the program, addressed by name ("frame7", "mala3", "strip"). Names compare
// without regard to case, as resource names do on Windows.
#pragma once
#include <optional>
#include <string_view>

#include "core/bitmap.h"

namespace tikora {

class Resources {
 public:
  virtual ~Resources() = default;

  // The picture of the bitmap resource `name`; nothing when there is no such resource or its
  // data is not a picture we can decode.
  virtual std::optional<Bitmap> loadBitmap(std::wstring_view name) const = 0;
};

}  // namespace tikora
