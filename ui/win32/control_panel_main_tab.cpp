// The "Main Settings" page: start-up position, voice, power-off, countdown, work time, planner,
// transparency and the full-hour notification.
#include "ui/win32/control_panel_layout.h"

namespace tikora {
namespace {

using K = PanelControlKind;
constexpr PanelControl kBreak{L"", K::LineBreak};

constexpr PanelControl kStartUp[] = {
    {L"ScrollBar1"}, {L"ScrollBar2"}, {L"CheckBox8"}, kBreak, {L"CheckBox30"},
};
constexpr PanelControl kRepeat[] = {
    {L"RadioButton1"}, {L"RadioButton2"}, {L"RadioButton3"}, {L"RadioButton4"},
    kBreak, {L"RadioButton5"}, {L"RadioButton6"}, {L"RadioButton7"},
};
constexpr PanelControl kAmPm[] = {{L"RadioButton34"}, kBreak, {L"RadioButton35"}};
constexpr PanelControl kVoice[] = {{L"RadioButton8"}, kBreak, {L"RadioButton9"}};
constexpr PanelControl kTransparency[] = {
    {L"CheckBox20"}, kBreak, {L"Label23", K::Label, L"Transparency Value = 100"}, {L"ScrollBar3"},
    {L"CheckBox21"},
};
constexpr PanelControl kPowerOff[] = {
    {L"RadioButton10"}, {L"RadioButton11"}, {L"RadioButton50"}, kBreak,
    {L"Edit1", K::FromSettings, L"", 50}, {L"Label31", K::Label, L"min.   or at"},
    {L"ComboBox3", K::FromSettings, L"", 46}, {L"ComboBox4", K::FromSettings, L"", 46}, kBreak,
    {L"CheckBox33"}, kBreak,
    {L"CheckBox31"}, {L"RadioButton59"}, {L"RadioButton60"}, {L"RadioButton61"},
};
constexpr PanelControl kWorkTime[] = {{L"CheckBox12"}};
constexpr PanelControl kPlanner[] = {{L"Button1", K::Button, L"Open Daily Planner", 150, 28}};
constexpr PanelControl kCountdown[] = {
    {L"DateTimePicker1"}, {L"DateTimePicker2"}, kBreak, {L"CheckBox14"},
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

constexpr PanelGroup kGroups[] = {
    {L"Clock Start-up Position", 10, 66, 222, 110, kStartUp},
    {L"Time Voice Announcement", 10, 180, 222, 180, {}},
    {L"Repeat Time Every  [minutes]", 18, 198, 206, 70, kRepeat},
    {L"Am / Pm", 18, 274, 96, 78, kAmPm},
    {L"Type of the Voice", 120, 274, 104, 78, kVoice},
    {L"Clock Transparency, Style", 10, 364, 222, 122, kTransparency},
    {L"Shutdown PC /Log off from Windows/Hibernation", 240, 66, 254, 142, kPowerOff},
    {L"System Work Time [days h:m:s]", 240, 212, 254, 52, kWorkTime},
    {L"Daily Planner", 240, 268, 254, 218, kPlanner},
    {L"Countdown to the Future Date", 502, 66, 218, 110, kCountdown},
    {L"Inform at Full Hour", 502, 180, 218, 306, {}},
    {L"By Sound Effect", 510, 198, 202, 132, kSound},
    {L"By Visiual Effect", 510, 340, 202, 132, kEffect},
};

}  // namespace

PanelPage mainSettingsPage() { return {L"Main Settings", kGroups}; }

}  // namespace tikora
