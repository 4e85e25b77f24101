// The "RSS Reader" page: the channel list and the player with its ticker settings and schedule.
#include "app/control_panel_layout.h"

namespace tikora {
namespace {

using K = PanelControlKind;
constexpr PanelControl kBreak{L"", K::LineBreak};

constexpr PanelControl kChannels[] = {
    {L"Label40", K::Label, L"(example RSS address:  https://example.com/rss.xml )"}, kBreak,
    {L"Label41", K::Label, L"RSS Channel Address"}, {L"Edit2", K::Edit, L"", 240},
    {L"Label42", K::Label, L"Your own Channel Name"}, {L"Edit3", K::Edit, L"", 180}, kBreak,
    {L"Button3", K::Button, L"Add RSS Address Channel to The List", 230},
    {L"Button2", K::Button, L"Select Position and Remove From The List", 230}, kBreak,
    {L"ListView1", K::ListView, L"", 694, 150},
};
constexpr PanelControl kPlayer[] = {
    {L"Label43", K::Label, L"Select RSS Channel"}, {L"ComboBox8", K::FromSettings, L"", 220},
    {L"Button4", K::Button, L"Read RSS Channel", 140},
};
constexpr PanelControl kTicker[] = {
    {L"ComboBox9", K::FromSettings, L"", 180}, {L"ComboBox10", K::FromSettings, L"", 100},
    {L"ComboBox11", K::FromSettings, L"", 60}, kBreak,
    {L"Label44", K::Label, L"Position", 60}, {L"ScrollBar4", K::FromSettings, L"", 360}, kBreak,
    {L"Label45", K::Label, L"Step", 60}, {L"ScrollBar5", K::FromSettings, L"", 360}, kBreak,
    {L"Label46", K::Label, L"Speed", 60}, {L"ScrollBar6", K::FromSettings, L"", 360},
};
constexpr PanelControl kSchedule[] = {
    {L"RadioButton28"}, {L"RadioButton29"}, {L"RadioButton30"}, kBreak, {L"RadioButton31"},
    {L"RadioButton32"}, {L"RadioButton33"},
};

constexpr PanelGroup kGroups[] = {
    {L"ADD, Remove RSS Channels", 10, 66, 710, 262, kChannels},
    {L"RSS Player", 10, 332, 710, 154, kPlayer},
    {L"RSS Player Settings Window", 18, 376, 456, 106, kTicker},
    {L"Play Selected RSS Channel Every", 482, 376, 230, 106, kSchedule},
};

}  // namespace

PanelPage rssReaderPage() { return {L"RSS Reader", kGroups}; }

}  // namespace tikora
