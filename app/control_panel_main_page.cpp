// The "Main Settings" page: start-up position, voice, power-off, countdown, work time, planner,
// transparency and the full-hour notification.
#include "app/control_panel_layout.h"

namespace tikora {
namespace {

using K = PanelControlKind;
constexpr PanelControl kBreak{L"", K::LineBreak};
// Each line of a table is a line of controls on the page.
// clang-format off

// The screen miniature with its marker on the left, the two position bars with their
// percentages beside it, the two position boxes and "Start with System" below.
constexpr PanelControl kStartUp[] = {
    {L"Image1", K::Picture, L"screen_mini", 33, 27, 16, 20},
    {L"Image2", K::Picture, L"screen_marker", 9, 9, 4, 4, true},
    {L"ScrollBar1", K::FromSettings, L"", 128, 17, 60, 20},
    {L"Label13", K::Label, L"0", 24, 14, 192, 22},
    {L"ScrollBar2", K::FromSettings, L"", 128, 17, 60, 42},
    {L"Label14", K::Label, L"0", 24, 14, 192, 44},
    {L"CheckBox7", K::CheckBox, L"Check Position", 150, 17, 10, 62},
    {L"CheckBox8", K::FromSettings, L"", 150, 17, 10, 82},
    {L"CheckBox30", K::FromSettings, L"", 150, 17, 10, 102},
};
constexpr PanelControl kRepeat[] = {
    {L"RadioButton1"}, {L"RadioButton2"}, {L"RadioButton3"}, {L"RadioButton4"},
    kBreak, {L"RadioButton5"}, {L"RadioButton6"}, {L"RadioButton7"},
};
constexpr PanelControl kAmPm[] = {{L"RadioButton34"}, kBreak, {L"RadioButton35"}};
constexpr PanelControl kVoice[] = {{L"RadioButton8"}, kBreak, {L"RadioButton9"}};
constexpr PanelControl kTransparency[] = {
    {L"CheckBox20"}, kBreak, {L"Label23", K::Label, L"Transparency Value = 100"}, kBreak, {L"ScrollBar3"},
    kBreak, {L"CheckBox21"},
};
// The action, then the two ways of arming: minutes or an exact time; the rest shows while a
// countdown runs.
constexpr PanelControl kPowerOff[] = {
    {L"RadioButton10"}, {L"RadioButton11"}, {L"RadioButton50"}, kBreak,
    {L"Edit1", K::FromSettings, L"", 50}, {L"Label31", K::Label, L"min.", 30}, {L"CheckBox9", K::CheckBox, L"Set Minutes"},
    kBreak,
    {L"ComboBox3", K::FromSettings, L"", 46}, {L"Label32", K::Label, L":", 6}, {L"ComboBox4", K::FromSettings, L"", 46},
    {L"CheckBox10", K::CheckBox, L"Set Exact Time"}, kBreak,
    {L"CheckBox33"}, {L"Image3", K::Picture, L"", 96, 20, 148, -1},
    {L"Label16", K::Label, L"00:00:00", 60, 14, 18, 3, true}, kBreak,
    {L"CheckBox13", K::CheckBox, L"Show in Clock"}, {L"CheckBox17"}, kBreak,
    {L"CheckBox31"}, {L"RadioButton59"}, {L"RadioButton60"}, {L"RadioButton61"},
};
constexpr PanelControl kWorkTime[] = {
    {L"CheckBox11", K::CheckBox, L"Check Time"}, {L"Image5", K::Picture, L"", 96, 20, 148, -1},
    {L"Label19", K::Label, L"123 00:00:00", 80, 14, 8, 3, true}, kBreak,
    {L"CheckBox12"}, kBreak, {L"CheckBox16"},
};
constexpr PanelControl kPlanner[] = {{L"Button1", K::Button, L"Open Daily Planner", 150, 26, 52, 54}};
constexpr PanelControl kCountdown[] = {
    {L"DateTimePicker1"}, {L"DateTimePicker2"}, kBreak, {L"CheckBox14"}, kBreak, {L"CheckBox15"},
};
constexpr int kNumber = 36;  // one numbered button's width
constexpr PanelControl kSound[] = {
    {L"RadioButton16", K::FromSettings, L"", kNumber}, {L"RadioButton17", K::FromSettings, L"", kNumber},
    {L"RadioButton18", K::FromSettings, L"", kNumber}, {L"RadioButton19", K::FromSettings, L"", kNumber},
    kBreak, {L"RadioButton20", K::FromSettings, L"", kNumber}, {L"RadioButton38", K::FromSettings, L"", kNumber},
    {L"RadioButton40", K::FromSettings, L"", kNumber}, {L"RadioButton42", K::FromSettings, L"", kNumber},
    kBreak, {L"RadioButton46", K::FromSettings, L"", kNumber}, {L"RadioButton49", K::FromSettings, L"", kNumber},
    {L"RadioButton62", K::FromSettings, L"", kNumber}, {L"RadioButton64", K::FromSettings, L"", kNumber},
    kBreak, {L"RadioButton21"},
};
constexpr PanelControl kEffect[] = {
    {L"RadioButton22", K::FromSettings, L"", kNumber}, {L"RadioButton23", K::FromSettings, L"", kNumber},
    {L"RadioButton24", K::FromSettings, L"", kNumber}, {L"RadioButton25", K::FromSettings, L"", kNumber},
    kBreak, {L"RadioButton26", K::FromSettings, L"", kNumber}, {L"RadioButton39", K::FromSettings, L"", kNumber},
    {L"RadioButton41", K::FromSettings, L"", kNumber}, {L"RadioButton43", K::FromSettings, L"", kNumber},
    kBreak, {L"RadioButton47", K::FromSettings, L"", kNumber}, {L"RadioButton48", K::FromSettings, L"", kNumber},
    {L"RadioButton63", K::FromSettings, L"", kNumber}, {L"RadioButton65", K::FromSettings, L"", kNumber},
    kBreak, {L"RadioButton27"},
};
// clang-format on

constexpr PanelGroup kGroups[] = {
    {L"Clock Start-up Position", 10, 66, 222, 128, kStartUp},
    {L"Time Voice Announcement", 10, 198, 222, 172, {}},
    {L"Repeat Time Every  [minutes]", 20, 214, 202, 70, kRepeat},
    {L"Am / Pm", 20, 290, 96, 72, kAmPm},
    {L"Type of the Voice", 120, 290, 104, 72, kVoice},
    {L"Clock Transparency, Style", 10, 374, 222, 112, kTransparency},
    {L"Shutdown PC /Log off from Windows/Hibernation", 240, 66, 254, 196, kPowerOff},
    {L"System Work Time [days h:m:s]", 240, 266, 254, 92, kWorkTime},
    {L"Daily Planner", 240, 362, 254, 124, kPlanner},
    {L"Countdown to the Future Date", 502, 66, 218, 124, kCountdown},
    {L"Inform at Full Hour", 502, 194, 218, 292, {}},
    {L"By Sound Effect", 512, 212, 198, 130, kSound},
    {L"By Visiual Effect", 512, 348, 198, 130, kEffect},
};

}  // namespace

PanelPage mainSettingsPage() { return {L"Main Settings", kGroups}; }

}  // namespace tikora
