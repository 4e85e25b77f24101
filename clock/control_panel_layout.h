// The control panel's pages as tables: each page is a list of group boxes, each group box a
// rectangle (client coordinates of the control panel) and the controls inside it in tab order.
// A control is named by its component name; controls that hold a stored value take their kind
// and caption from the settings table, the others (buttons, labels, lists) carry their own.
// Controls fill a group box row by row, left to right, wrapping at its right edge, unless they
// give their own place in the group box (left and top).
//
// controlPanelComponents turns the tables into the panel's components: the window, its header,
// the page control and its pages, every group box and control with its place worked out by the
// flow rules in the panel's font as `metrics` measures it, at 96 DPI.
#pragma once
#include <span>
#include <string_view>
#include <vector>

#include "clock/control_panel_names.h"
#include "core/component.h"
#include "platform/text_metrics.h"

namespace tikora {

enum class PanelControlKind {
  FromSettings,  // kind and caption from the settings table
  Label,
  Button,
  Edit,
  ListView,
  CheckBox,   // a check box whose state is not stored
  Picture,    // a bitmap resource named by the caption; a dark display panel when it is empty
  LineBreak,  // starts a new row
};

struct PanelControl {
  std::wstring_view component;
  PanelControlKind kind = PanelControlKind::FromSettings;
  std::wstring_view caption = {};  // overrides the table's caption when not empty
  int width = 0;                   // 0: by kind and caption
  int height = 0;                  // 0: by kind
  // Its own place, relative to the group box's top left corner; -1: in the flow of the row.
  int left = -1, top = -1;
  // Lies over the control before it (a marker on a picture, a label on a display panel); its
  // place is then relative to that control.
  bool over = false;
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

inline constexpr std::wstring_view kControlPanelCaption = L"Control Panel";
inline constexpr int kControlPanelClientWidth = 731;
inline constexpr int kControlPanelClientHeight = 499;
inline constexpr std::wstring_view kHomePageCaption = L"Home Page";
// The name of the label beside a colour box: the colour box's name and "Label".
std::wstring colourBoxLabelName(std::wstring_view colourBox);

// Arial 8 point, every control's font.
FontSpec controlPanelFont();

PanelPage mainSettingsPage();  // "Main Settings"
PanelPage clockColourPage();   // "Clock Color Settings"
PanelPage rssReaderPage();     // "RSS Reader"

std::vector<Component> controlPanelComponents(const TextMetrics& metrics);

}  // namespace tikora
