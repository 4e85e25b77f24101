// The two-button strip in the clock's bottom-right corner: "Panel" (columns 0 to 33), a
// see-through column 34, and the close button "C" (columns 35 to 50). It is shown while the
// pointer is over the clock window; its hint names the button under the pointer.
#pragma once
#include <optional>
#include <string_view>

#include "core/geometry.h"

namespace tikora {

inline constexpr std::wstring_view kStripPanelHint = L"Clock Control Panel";
inline constexpr std::wstring_view kStripCloseHint = L"Close the Program";

struct StripUpdate {
  bool visible = false;
  // The new hint text; nothing when the hint keeps its last text.
  std::optional<std::wstring_view> hint;
  friend bool operator==(const StripUpdate&, const StripUpdate&) = default;
};

// The once-a-second refresh from the pointer's screen position. `window` is the clock window on
// the screen, `strip` the strip inside it (left and top relative to the window).
StripUpdate updateStrip(Point pointer, const Rect& window, const Rect& strip);

enum class StripClick { Nothing, ShowControlPanel, EndProgram };

// What a click on the strip does, from the pointer's screen position.
StripClick stripClick(Point pointer, const Rect& window, const Rect& strip);

// Where a button of the strip lies in the window (`strip` as above); empty for Nothing.
Rect stripButtonBounds(StripClick button, const Rect& strip);

}  // namespace tikora
