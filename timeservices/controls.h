// The control panel's controls of the time-service groups whose state is not a stored setting:
// the four check boxes every run starts unticked, the texts of the editable exact-time lists,
// and what the handlers and the second tick change on screen (enabled and shown states, caption
// colours, the remaining-time and work-time labels). The control panel owns one of these and
// mirrors it onto its native controls; the time services read and change it.
#pragma once
#include <string>

#include "core/colour.h"
#include "platform/text_metrics.h"

namespace tikora {

inline constexpr Colour kCaptionBlack = 0x000000;
inline constexpr Colour kCaptionRed = 0x0000FF;

// A picture of the panel that a label is centred over: its left edge and its width.
struct PanelSpan {
  int left = 0;
  int width = 0;
};

struct TimeServicesControls {
  // ---- Check boxes that are never stored ----
  bool CheckBox9 = false;   // "Set Minutes"
  bool CheckBox10 = false;  // "Set Exact Time"
  bool CheckBox11 = false;  // "Check Time"
  bool CheckBox13 = false;  // "Show in Clock"

  // ---- Exact power-off time: the texts the two editable lists show ----
  std::wstring ComboBox3 = L"00";  // hour, list "00" .. "23"
  std::wstring ComboBox4 = L"00";  // minute, list "00" .. "59"

  // ---- "Shutdown PC /Log off from Windows/Hibernation" ----
  bool Edit1Enabled = true;
  bool UpDown1Enabled = true;
  bool ComboBox3Enabled = true;
  bool ComboBox4Enabled = true;
  bool CheckBox9Enabled = true;
  bool CheckBox10Enabled = true;
  bool CheckBox13Visible = false;              // "Show in Clock"
  bool CheckBox17Visible = false;              // "In Front of Clock Hands"
  bool CheckBox31Visible = false;              // "Play Sound ->"
  bool warningSoundsVisible = false;           // the group of RadioButton59 .. RadioButton61
  bool CheckBox33Visible = false;              // "Force Shutdown", shown while "Shutdown" is chosen
  Colour RadioButton10Colour = kCaptionBlack;  // "Shutdown"
  Colour RadioButton11Colour = kCaptionBlack;  // "Log OFF"
  Colour RadioButton50Colour = kCaptionBlack;  // "Hibernation"
  Colour CheckBox33Colour = kCaptionBlack;     // "Force Shutdown"
  // Remaining time over its picture Image3; both shown while a countdown runs.
  bool Label16Visible = false;
  std::wstring Label16 = L"00:00:00";
  int Label16Left = 0;
  FontSpec Label16Font{L"Arial", 8};
  PanelSpan Image3;  // placed by the control panel's layout

  // ---- "Countdown to the Future Date" ----
  bool DateTimePicker1Enabled = true;
  bool DateTimePicker2Enabled = true;

  // ---- "System Work Time [days h:m:s]" ----
  // Work time over its picture Image5; both shown while "Check Time" is ticked.
  bool Label19Visible = false;
  std::wstring Label19 = L"123 00:00:00";
  int Label19Left = 0;
  FontSpec Label19Font{L"Arial", 8};
  PanelSpan Image5;  // placed by the control panel's layout
};

}  // namespace tikora
