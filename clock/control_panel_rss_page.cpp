// The "RSS Reader" page: the channel list and the player with its ticker settings and schedule.
#include "clock/control_panel_layout.h"

namespace tikora {
namespace {

using K = PanelControlKind;
constexpr PanelControl kBreak{L"", K::LineBreak};
// Each line of a table is a line of controls on the page.
// clang-format off

constexpr PanelControl kChannels[] = {
    {kExampleAddressLabel, K::Label, L"(example RSS address:  https://feeds.bbci.co.uk/news/rss.xml )"}, kBreak,
    {kChannelAddressLabel, K::Label, L"RSS Channel Address"}, {kChannelAddressEdit, K::Edit, L"", 240},
    {kChannelNameLabel, K::Label, L"Your own Channel Name"}, {kChannelNameEdit, K::Edit, L"", 180}, kBreak,
    {kAddChannelButton, K::Button, L"Add RSS Address Channel to The List", 230},
    {kRemoveChannelButton, K::Button, L"Select Position and Remove From The List", 230}, kBreak,
    {kChannelListLabel, K::Label, L"RSS Channel List"}, kBreak, {kChannelListView, K::ListView, L"", 690, 108},
};
constexpr PanelControl kPlayer[] = {
    {kRssChannelLabel, K::Label, L"Select RSS Channel"}, {kRssChannelList, K::FromSettings, L"", 220},
    {kReadRssButton, K::Button, L"Read RSS Channel", 140}, {kStopRssButton, K::Button, L"Stop Read ", 140},
};
constexpr PanelControl kTicker[] = {
    {kTickerFontNameLabel, K::Label, L"Font Type", 84}, {kTickerFontNameList, K::FromSettings, L"", 160},
    {kTickerFontStyleLabel, K::Label, L"Font Style", 56}, {kTickerFontStyleList, K::FromSettings, L"", 100}, kBreak,
    {kTickerFontSizeLabel, K::Label, L"Font Size", 84}, {kTickerFontSizeList, K::FromSettings, L"", 60}, kBreak,
    {kTickerTopLabel, K::Label, L"Position", 84}, {kTickerTopBar, K::FromSettings, L"", 340}, kBreak,
    {kTickerStepLabel, K::Label, L"Scrolling Step", 84}, {kTickerStepBar, K::FromSettings, L"", 340}, kBreak,
    {kTickerIntervalLabel, K::Label, L"Scrolling Speed", 84}, {kTickerIntervalBar, K::FromSettings, L"", 340},
};
constexpr PanelControl kSchedule[] = {
    {kRssEvery15MinutesButton}, {kRssEvery30MinutesButton}, {kRssEveryHourButton}, kBreak, {kRssEvery2HoursButton},
    {kRssEvery4HoursButton}, {kRssScheduleOffButton},
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
