// The "Main Settings" page: start-up position, voice, power-off, countdown, work time, planner,
// transparency and the full-hour notification.
#include "clock/control_panel_layout.h"

namespace tikora {
namespace {

using K = PanelControlKind;
constexpr PanelControl kBreak{L"", K::LineBreak};
// Each line of a table is a line of controls on the page.
// clang-format off

// The screen miniature with its marker on the left, the two position bars with their
// percentages beside it, the two position boxes and "Start with System" below.
constexpr PanelControl kStartUp[] = {
    {kScreenMiniature, K::Picture, L"screen_mini", 33, 27, 16, 20},
    {kPositionMarker, K::Picture, L"screen_marker", 9, 9, 4, 4, true},
    {kStartLeftBar, K::FromSettings, L"", 128, 17, 60, 20},
    {kStartLeftPercentLabel, K::Label, L"0", 24, 14, 192, 22},
    {kStartTopBar, K::FromSettings, L"", 128, 17, 60, 42},
    {kStartTopPercentLabel, K::Label, L"0", 24, 14, 192, 44},
    {kCheckPositionBox, K::CheckBox, L"Check Position", 150, 17, 10, 62},
    {kStartAtSetPositionBox, K::FromSettings, L"", 150, 17, 10, 82},
    {kStartWithSystemBox, K::FromSettings, L"", 150, 17, 10, 102},
};
constexpr PanelControl kRepeat[] = {
    {kVoiceEvery1MinuteButton}, {kVoiceEvery5MinutesButton}, {kVoiceEvery10MinutesButton}, {kVoiceEvery15MinutesButton},
    kBreak, {kVoiceEvery30MinutesButton}, {kVoiceEvery60MinutesButton}, {kVoiceOffButton},
};
constexpr PanelControl kAmPm[] = {{kAmPmOnButton}, kBreak, {kAmPmOffButton}};
constexpr PanelControl kVoice[] = {{kFemaleVoiceButton}, kBreak, {kMaleVoiceButton}};
constexpr PanelControl kTransparency[] = {
    {kTransparencyOnBox}, kBreak, {kTransparencyLabel, K::Label, L"Transparency Value = 100"}, kBreak, {kTransparencyBar},
    kBreak, {kAlwaysOnTopBox},
};
// The action, then the two ways of arming: minutes or an exact time; the rest shows while a
// countdown runs.
constexpr PanelControl kPowerOff[] = {
    {kPowerOffShutdownButton}, {kPowerOffLogOffButton}, {kPowerOffHibernateButton}, kBreak,
    {kPowerOffMinutesEdit, K::FromSettings, L"", 50}, {kMinutesUnitLabel, K::Label, L"min.", 30}, {kSetMinutesBox, K::CheckBox, L"Set Minutes"},
    kBreak,
    {kPowerOffHourList, K::FromSettings, L"", 46}, {kTimeColonLabel, K::Label, L":", 6}, {kPowerOffMinuteList, K::FromSettings, L"", 46},
    {kSetExactTimeBox, K::CheckBox, L"Set Exact Time"}, kBreak,
    {kForceShutdownBox}, {kPowerOffDisplay, K::Picture, L"", 96, 20, 148, -1},
    {kPowerOffTimeLabel, K::Label, L"00:00:00", 60, 14, 18, 3, true}, kBreak,
    {kShowPowerOffTimeBox, K::CheckBox, L"Show in Clock"}, {kPowerOffTimeInFrontBox}, kBreak,
    {kPowerOffWarningOnBox}, {kWarningSound1Button}, {kWarningSound2Button}, {kWarningSound3Button},
};
constexpr PanelControl kWorkTime[] = {
    {kCheckWorkTimeBox, K::CheckBox, L"Check Time"}, {kWorkTimeDisplay, K::Picture, L"", 96, 20, 148, -1},
    {kWorkTimeLabel, K::Label, L"123 00:00:00", 80, 14, 8, 3, true}, kBreak,
    {kShowWorkTimeBox}, kBreak, {kWorkTimeInFrontBox},
};
constexpr PanelControl kPlanner[] = {{kOpenPlannerButton, K::Button, L"Open Daily Planner", 150, 26, 52, 54}};
constexpr PanelControl kCountdown[] = {
    {kCountdownDatePicker}, {kCountdownTimePicker}, kBreak, {kShowCountdownBox}, kBreak, {kCountdownInFrontBox},
};
constexpr int kNumber = 36;  // one numbered button's width
constexpr PanelControl kSound[] = {
    {kHourSound1Button, K::FromSettings, L"", kNumber}, {kHourSound2Button, K::FromSettings, L"", kNumber},
    {kHourSound3Button, K::FromSettings, L"", kNumber}, {kHourSound4Button, K::FromSettings, L"", kNumber},
    kBreak, {kHourSound5Button, K::FromSettings, L"", kNumber}, {kHourSound6Button, K::FromSettings, L"", kNumber},
    {kHourSound7Button, K::FromSettings, L"", kNumber}, {kHourSound8Button, K::FromSettings, L"", kNumber},
    kBreak, {kHourSound9Button, K::FromSettings, L"", kNumber}, {kHourSound10Button, K::FromSettings, L"", kNumber},
    {kHourSound11Button, K::FromSettings, L"", kNumber}, {kHourSound12Button, K::FromSettings, L"", kNumber},
    kBreak, {kHourSoundOffButton},
};
constexpr PanelControl kEffect[] = {
    {kHourEffect1Button, K::FromSettings, L"", kNumber}, {kHourEffect2Button, K::FromSettings, L"", kNumber},
    {kHourEffect3Button, K::FromSettings, L"", kNumber}, {kHourEffect4Button, K::FromSettings, L"", kNumber},
    kBreak, {kHourEffect5Button, K::FromSettings, L"", kNumber}, {kHourEffect6Button, K::FromSettings, L"", kNumber},
    {kHourEffect7Button, K::FromSettings, L"", kNumber}, {kHourEffect8Button, K::FromSettings, L"", kNumber},
    kBreak, {kHourEffect9Button, K::FromSettings, L"", kNumber}, {kHourEffect10Button, K::FromSettings, L"", kNumber},
    {kHourEffect11Button, K::FromSettings, L"", kNumber}, {kHourEffect12Button, K::FromSettings, L"", kNumber},
    kBreak, {kHourEffectOffButton},
};
// clang-format on

constexpr PanelGroup kGroups[] = {
    {kStartUpPositionGroup, 10, 66, 222, 128, kStartUp},
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
