// The control panel's pages as tables: each page is a list of group boxes, each group box a
// rectangle (client coordinates of the control panel) and the controls inside it in tab order.
// A control is named by its component name; controls that hold a stored value take their kind
// and caption from the settings table, the others (buttons, labels, lists) carry their own.
// Controls fill a group box row by row, left to right, wrapping at its right edge.
#pragma once
#include <span>
#include <string_view>

namespace tikora {

enum class PanelControlKind {
  FromSettings,  // kind and caption from the settings table
  Label,
  Button,
  Edit,
  ListView,
  LineBreak,  // starts a new row
};

struct PanelControl {
  std::wstring_view component;
  PanelControlKind kind = PanelControlKind::FromSettings;
  std::wstring_view caption = {};  // overrides the table's caption when not empty
  int width = 0;                   // 0: by kind and caption
  int height = 0;                  // 0: by kind
};

struct PanelGroup {
  std::wstring_view caption;
  int left = 0, top = 0, width = 0, height = 0;
  std::span<const PanelControl> controls;
};

struct PanelPage {
  std::wstring_view caption;
  std::span<const PanelGroup> groups;
};

PanelPage mainSettingsPage();  // "Main Settings"
PanelPage clockColourPage();   // "Clock Color Settings"
PanelPage rssReaderPage();     // "RSS Reader"

}  // namespace tikora
