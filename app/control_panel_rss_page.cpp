// The "RSS Reader" page: the channel list and the player with its ticker settings and schedule.
#include "app/control_panel_layout.h"

namespace tikora {
namespace {

using K = PanelControlKind;
constexpr PanelControl kBreak{L"", K::LineBreak};
// Each line of a table is a line of controls on the page.
// clang-format off

constexpr PanelControl kChannels[] = {
    {L"Label40", K::Label, L"(example RSS address:  https://feeds.bbci.co.uk/news/rss.xml )"}, kBreak,
    {L"Label41", K::Label, L"RSS Channel Address"}, {L"Edit2", K::Edit, L"", 240},
    {L"Label42", K::Label, L"Your own Channel Name"}, {L"Edit3", K::Edit, L"", 180}, kBreak,
    {L"Button3", K::Button, L"Add RSS Address Channel to The List", 230},
    {L"Button2", K::Button, L"Select Position and Remove From The List", 230}, kBreak,
    {L"Label39", K::Label, L"RSS Channel List"}, kBreak, {L"ListView1", K::ListView, L"", 690, 108},
};
constexpr PanelControl kPlayer[] = {
    {L"Label43", K::Label, L"Select RSS Channel"}, {L"ComboBox8", K::FromSettings, L"", 220},
    {L"Button4", K::Button, L"Read RSS Channel", 140}, {L"Button6", K::Button, L"Stop Read ", 140},
};
constexpr PanelControl kTicker[] = {
    {L"Label47", K::Label, L"Font Type", 84}, {L"ComboBox9", K::FromSettings, L"", 160},
    {L"Label48", K::Label, L"Font Style", 56}, {L"ComboBox10", K::FromSettings, L"", 100}, kBreak,
    {L"Label49", K::Label, L"Font Size", 84}, {L"ComboBox11", K::FromSettings, L"", 60}, kBreak,
    {L"Label44", K::Label, L"Position", 84}, {L"ScrollBar4", K::FromSettings, L"", 340}, kBreak,
    {L"Label45", K::Label, L"Scrolling Step", 84}, {L"ScrollBar5", K::FromSettings, L"", 340}, kBreak,
    {L"Label46", K::Label, L"Scrolling Speed", 84}, {L"ScrollBar6", K::FromSettings, L"", 340},
};
constexpr PanelControl kSchedule[] = {
    {L"RadioButton28"}, {L"RadioButton29"}, {L"RadioButton30"}, kBreak, {L"RadioButton31"},
    {L"RadioButton32"}, {L"RadioButton33"},
};
// clang-format on

constexpr PanelGroup kGroups[] = {
    {L"ADD, Remove RSS Channels", 10, 66, 710, 230, kChannels},
    {L"RSS Player", 10, 300, 710, 192, kPlayer},
    {L"RSS Player Settings Window", 18, 344, 456, 144, kTicker},
    {L"Play Selected RSS Channel Every", 482, 344, 230, 144, kSchedule},
};

}  // namespace

PanelPage rssReaderPage() { return {L"RSS Reader", kGroups}; }

}  // namespace tikora
