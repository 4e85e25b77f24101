// The "Clock Color Settings" page: font, hands, weekday, information lines, frame, date,
// seconds and digital time.
#include "app/control_panel_layout.h"

namespace tikora {
namespace {

using K = PanelControlKind;
constexpr PanelControl kBreak{L"", K::LineBreak};
// Each line of a table is a line of controls on the page.
// clang-format off

constexpr PanelControl kFont[] = {
    {L"Label50", K::Label, L"Font Type", 60}, {L"ComboBox5", K::FromSettings, L"", 140}, kBreak,
    {L"Label51", K::Label, L"Size", 60}, {L"ComboBox6", K::FromSettings, L"", 50}, kBreak,
    {L"Label52", K::Label, L"Style", 60}, {L"ComboBox7", K::FromSettings, L"", 100}, kBreak, {L"ColorBox3"},
};
constexpr PanelControl kHands[] = {
    {L"Label53", K::Label, L"Clock Hands Style"}, {L"ComboBox2"}, kBreak, {L"ColorBox9"}, kBreak, {L"CheckBox5"}, {L"CheckBox24"},
};
constexpr PanelControl kWeekday[] = {
    {L"ColorBox4"}, kBreak, {L"CheckBox1"}, {L"CheckBox2"}, kBreak, {L"CheckBox18"},
};
constexpr PanelControl kTimeDisplay[] = {
    {L"ColorBox10"}, kBreak, {L"ColorBox12"}, kBreak, {L"ColorBox14", K::FromSettings, L"Countdown Time"},
};
constexpr PanelControl kFrame[] = {
    {L"Label54", K::Label, L"Frame Color", 70}, {L"ComboBox1"}, kBreak,
    {L"Label55", K::Label, L"Frame Style", 70}, {L"ComboBox12", K::FromSettings, L"", 90}, kBreak, {L"ColorBox1"}, kBreak,
    {L"CheckBox23"},
};
constexpr PanelControl kDate[] = {
    {L"ColorBox5", K::FromSettings, L"", 92}, {L"CheckBox3"}, kBreak, {L"RadioButton57"}, {L"CheckBox4"},
    kBreak, {L"RadioButton58"}, kBreak, {L"CheckBox19"},
};
constexpr PanelControl kSeconds[] = {
    {L"ColorBox2"}, kBreak, {L"CheckBox22"}, kBreak,
    {L"RadioButton12"}, {L"RadioButton36"}, {L"RadioButton13"}, {L"RadioButton55"}, kBreak,
    {L"RadioButton14"}, {L"RadioButton37"}, {L"RadioButton15"}, {L"RadioButton56"}, kBreak,
    {L"RadioButton51"}, {L"RadioButton52"}, {L"RadioButton53"}, {L"RadioButton54"}, kBreak,
    {L"ColorBox8"}, kBreak, {L"CheckBox6"},
};
constexpr PanelControl kDigital[] = {
    {L"ColorBox6"}, kBreak, {L"CheckBox25"}, {L"CheckBox26"}, kBreak, {L"RadioButton44"},
    {L"RadioButton45"}, kBreak, {L"CheckBox28"}, {L"CheckBox29"},
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
