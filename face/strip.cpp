#include "face/strip.h"

namespace tikora {
namespace {

// Screen columns of the buttons, both ends included, and the strip's rows.
constexpr int kPanelFirstColumn = 0, kPanelLastColumn = 33;
constexpr int kCloseFirstColumn = 35, kCloseLastColumn = 49;

bool withinRows(Point p, const Rect& window, const Rect& strip) {
  const int top = window.top + strip.top;
  return p.y >= top && p.y <= top + strip.height;
}

bool withinColumns(Point p, const Rect& window, const Rect& strip, int first, int last) {
  const int left = window.left + strip.left;
  return p.x >= left + first && p.x <= left + last;
}

}  // namespace

StripUpdate updateStrip(Point pointer, const Rect& window, const Rect& strip) {
  if (pointer.x < window.left || pointer.x > window.left + window.width || pointer.y < window.top ||
      pointer.y > window.top + window.height)
    return {false, std::nullopt};
  StripUpdate update{true, std::nullopt};
  if (withinRows(pointer, window, strip)) {
    if (withinColumns(pointer, window, strip, kPanelFirstColumn, kPanelLastColumn))
      update.hint = kStripPanelHint;
    else if (withinColumns(pointer, window, strip, kCloseFirstColumn, kCloseLastColumn))
      update.hint = kStripCloseHint;
  }
  return update;
}

StripClick stripClick(Point pointer, const Rect& window, const Rect& strip) {
  if (!withinRows(pointer, window, strip)) return StripClick::Nothing;
  if (withinColumns(pointer, window, strip, kPanelFirstColumn, kPanelLastColumn)) return StripClick::ShowControlPanel;
  if (withinColumns(pointer, window, strip, kCloseFirstColumn, kCloseLastColumn)) return StripClick::EndProgram;
  return StripClick::Nothing;
}

Rect stripButtonBounds(StripClick button, const Rect& strip) {
  switch (button) {
    case StripClick::ShowControlPanel:
      return {strip.left + kPanelFirstColumn, strip.top, kPanelLastColumn - kPanelFirstColumn + 1, strip.height};
    case StripClick::EndProgram:
      return {strip.left + kCloseFirstColumn, strip.top, kCloseLastColumn - kCloseFirstColumn + 1, strip.height};
    case StripClick::Nothing: break;
  }
  return {};
}

}  // namespace tikora
