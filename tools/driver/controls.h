// Child controls of a window: describing them (text, id, geometry, state, and the contents of
// combo boxes, list boxes, scroll bars, tab controls, list views, date pickers and up-downs)
// and finding one by text, id, class or the group box it sits in.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "json.h"
#include "options.h"
#include "remote.h"

namespace tikora::driver {

// Opens the target process only when a control needs memory there.
class ControlReader {
 public:
  explicit ControlReader(HWND top);
  Json describe(HWND control);
  RemoteProcess& process();

 private:
  void addButtonState(HWND control, Json& out);
  void addComboState(HWND control, Json& out);
  void addListBoxState(HWND control, Json& out);
  void addScrollState(HWND control, Json& out);
  void addTabState(HWND control, Json& out);
  void addListViewState(HWND control, Json& out);
  void addDatePickerState(HWND control, Json& out);
  void addUpDownState(HWND control, Json& out);

  HWND top_;
  std::unique_ptr<RemoteProcess> process_;
};

std::vector<HWND> childControls(HWND parent);  // all descendants, in z order, depth first

// The caption of the group box that holds a control: its nearest ancestor group box, or else a
// sibling group box whose rectangle contains the control's. Empty when none.
std::wstring groupOf(HWND control);
// Group boxes are looked up once per command; a new command forgets what the last one found.
void forgetGroupBoxes();

// Finds one control inside `top` from --text, --id, --control (hwnd), --control-class,
// --group and --nth (0-based index among several matches). Fails when none or several match.
HWND findControl(HWND top, const Options& options);

enum class ButtonKind { Push, CheckBox, Radio, GroupBox, Other };
ButtonKind buttonKind(HWND control);

Json commandControls(const Options& options);
Json commandControl(const Options& options);

}  // namespace tikora::driver
