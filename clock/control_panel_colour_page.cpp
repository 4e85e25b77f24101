// The "Clock Color Settings" page: font, hands, weekday, information lines, frame, date,
// seconds and digital time.
#include "clock/control_panel_layout.h"

namespace tikora {
namespace {

using K = PanelControlKind;
constexpr PanelControl kBreak{L"", K::LineBreak};
// Each line of a table is a line of controls on the page.
// clang-format off

constexpr PanelControl kFont[] = {
    {kFaceFontNameLabel, K::Label, L"Font Type", 60}, {kFaceFontNameList, K::FromSettings, L"", 140}, kBreak,
    {kFaceFontSizeLabel, K::Label, L"Size", 60}, {kFaceFontSizeList, K::FromSettings, L"", 50}, kBreak,
    {kFaceFontStyleLabel, K::Label, L"Style", 60}, {kFaceFontStyleList, K::FromSettings, L"", 100}, kBreak, {kDigitColourBox},
};
constexpr PanelControl kHands[] = {
    {kHandStyleLabel, K::Label, L"Clock Hands Style"}, {kHandStyleList}, kBreak, {kHandColourBox}, kBreak, {kSecondHandOffBox}, {kAllHandsOffBox},
};
constexpr PanelControl kWeekday[] = {
    {kWeekdayColourBox}, kBreak, {kWeekdayOffBox}, {kWeekdayShortNameBox}, kBreak, {kWeekdayInFrontBox},
};
constexpr PanelControl kTimeDisplay[] = {
    {kPowerOffTimeColourBox}, kBreak, {kWorkTimeColourBox}, kBreak, {kCountdownColourBox, K::FromSettings, L"Countdown Time"},
};
constexpr PanelControl kFrame[] = {
    {kFrameColourLabel, K::Label, L"Frame Color", 70}, {kFrameColourList}, kBreak,
    {kFrameStyleLabel, K::Label, L"Frame Style", 70}, {kFrameStyleList, K::FromSettings, L"", 90}, kBreak, {kBackgroundColourBox}, kBreak,
    {kDigitsOffBox},
};
constexpr PanelControl kDate[] = {
    {kDateColourBox, K::FromSettings, L"", 92}, {kDateOffBox}, kBreak, {kLongMonthNameButton}, {kShortDateBox},
    kBreak, {kShortMonthNameButton}, kBreak, {kDateInFrontBox},
};
constexpr PanelControl kSeconds[] = {
    {kSecondsColourBox}, kBreak, {kSecondsOffBox}, kBreak,
    {kSecondsStyle1Button}, {kSecondsStyle2Button}, {kSecondsStyle3Button}, {kSecondsStyle4Button}, kBreak,
    {kSecondsStyle5Button}, {kSecondsStyle6Button}, {kSecondsStyle7Button}, {kSecondsStyle8Button}, kBreak,
    {kSecondsStyle9Button}, {kSecondsStyle10Button}, {kSecondsStyle11Button}, {kSecondsStyle12Button}, kBreak,
    {kLaserColourBox}, kBreak, {kLaserOffBox},
};
constexpr PanelControl kDigital[] = {
    {kDigitalTimeColourBox}, kBreak, {kDigitalTimeOffBox}, {kDigitalTimeInFrontBox}, kBreak, {kTwelveHourFormatButton},
    {kTwentyFourHourFormatButton}, kBreak, {kDigitalAmPmOffBox}, {kDigitalSecondsOffBox},
};
// clang-format on

constexpr PanelGroup kGroups[] = {
    {L"Font Settings", 10, 66, 232, 134, kFont},
    {L"Clock Hands Settings", 10, 204, 232, 142, kHands},
    {L"Day Of The Week", 10, 350, 232, 136, kWeekday},
    {L"Clock Window Time Display", 252, 66, 232, 104, kTimeDisplay},
    {L"Clock Frame,  Background,  Digits", 252, 174, 232, 132, kFrame},
    {L"Date", 252, 310, 232, 176, kDate},
    {L"Seconds", 494, 66, 226, 190, kSeconds},
    {L"Digital Time", 494, 260, 226, 140, kDigital},
};

}  // namespace

PanelPage clockColourPage() { return {L"Clock Color Settings", kGroups}; }

}  // namespace tikora
