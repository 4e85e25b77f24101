// The clock window's small pictures (ImageList1): 16 x 16 images cut from the "clock_images"
// bitmap, magenta being the see-through colour. Image 0 is the tray icon while the clock shows,
// image 1 while it is hidden, images 2 to 7 are the popup menu's item pictures.
//
// Icons for the tray come from the image list; menu pictures are 32-bit bitmaps with
// premultiplied alpha (magenta fully transparent), which menus draw beside the item text
// without owner drawing. Where menus cannot blend (Wine), magenta becomes the menu colour.
#pragma once
#include <windows.h>

#include <vector>

#include "platform/resources.h"
#include "platform/win32/gdi.h"
#include "ui/win32/user_handles.h"

namespace tikora {

class ClockImages {
 public:
  static constexpr int kSize = 16;
  static constexpr COLORREF kSeeThrough = RGB(255, 0, 255);

  // Cuts the pictures from the bitmap resource; false when it cannot be loaded.
  bool load(const Resources& resources);

  int count() const { return static_cast<int>(menuBitmaps_.size()); }
  // A new icon of image `index`; invalid for an index outside the list.
  UniqueIcon icon(int index) const;
  // The menu picture of image `index`, owned here; null outside the list.
  HBITMAP menuBitmap(int index) const;

 private:
  UniqueImageList list_;
  std::vector<GdiObject<HBITMAP>> menuBitmaps_;
};

}  // namespace tikora
