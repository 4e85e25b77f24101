// The control panel's components from its page tables; see control_panel_layout.h.
#include "clock/control_panel_layout.h"

#include <algorithm>
#include <array>
#include <cwctype>
#include <string>

#include "clock/settings_schema.h"

namespace tikora {
namespace {

constexpr int kRowGap = 4, kColumnGap = 8, kInset = 10, kGroupTitle = 18;
// The header: the banner between two thin bars, the title on it and the link at its right.
constexpr Rect kBanner{1, 4, 729, 34};
constexpr Rect kTopBar{1, 0, 729, 4};
constexpr Rect kBottomBar{1, 38, 729, 4};
constexpr Rect kTitle{12, 5, 140, 32};
constexpr Rect kHomePage{kBanner.left + kBanner.width - 110, 14, 100, 16};
constexpr Rect kTabs{2, 42, 727, 455};
// Where the pages' controls lie: the page control less its tabs and border.
constexpr Rect kPageArea{4, 64, 723, 431};
constexpr std::array<std::wstring_view, 3> kPageNames{kMainSettingsPage, kClockColourPage, kRssReaderPage};

constexpr Colour kBlue = 0xFF0000;
constexpr Colour kWhite = 0xFFFFFF;
constexpr Colour kDisplayText = 0x00FF00;  // the times on the dark displays
constexpr Colour kDisplayBackground = 0x000000;
constexpr Colour kHeaderBar = 0x804628;  // the deep blue the banner ends in

ComponentKind kindOf(const SettingSpec& described, std::wstring_view component) {
  switch (described.control) {
    case SettingControl::CheckBox: return ComponentKind::CheckBox;
    case SettingControl::RadioButton: return ComponentKind::RadioButton;
    case SettingControl::ColorBox: return ComponentKind::ColourBox;
    case SettingControl::FontName: return ComponentKind::FontList;
    case SettingControl::Edit: return ComponentKind::Edit;
    case SettingControl::UpDown: return ComponentKind::UpDown;
    case SettingControl::ScrollBar: return ComponentKind::ScrollBar;
    case SettingControl::DatePicker:
      return described.type == SettingType::Time ? ComponentKind::TimePicker : ComponentKind::DatePicker;
    case SettingControl::ListChoice:
      // The exact power-off time's hour and minute and the ticker's font size may also be
      // typed; the frame colours and hand styles are pictures.
      if (component == kPowerOffHourList || component == kPowerOffMinuteList || component == kTickerFontSizeList)
        return ComponentKind::EditableComboBox;
      if (component == kFrameColourList || component == kHandStyleList) return ComponentKind::PictureList;
      return ComponentKind::ComboBox;
  }
  return ComponentKind::Label;
}

// Lays out one page's group boxes and their controls.
class PageLayout {
 public:
  PageLayout(std::vector<Component>& out, const TextMetrics& metrics, std::wstring_view page)
      : out_(out), metrics_(metrics), page_(page) {}

  void group(const PanelGroup& group) {
    add(std::wstring(group.caption), ComponentKind::GroupBox, {group.left, group.top, group.width, group.height},
        std::wstring(group.caption));
    group_ = &group;
    left_ = group.left + kInset;
    right_ = group.left + group.width - kInset;
    x_ = left_;
    y_ = group.top + kGroupTitle;
    rowHeight_ = 0;
    for (const PanelControl& item : group.controls) control(item);
  }

 private:
  int textWidth(std::wstring_view text) const { return metrics_.measure(text, controlPanelFont()).width; }

  Component& add(std::wstring name, ComponentKind kind, Rect bounds, std::wstring text = {}) {
    Component made = makeComponent(std::move(name), kind, std::wstring(page_));
    made.state.bounds = bounds;
    made.state.text = std::move(text);
    out_.push_back(std::move(made));
    return out_.back();
  }

  void newRow() {
    if (x_ > left_) x_ = left_, y_ += rowHeight_ + kRowGap, rowHeight_ = 0;
  }

  // Where the next control of `w` x `h` goes.
  Point place(const PanelControl& item, int w, int h) {
    Point at;
    if (item.over) {
      at = Point{last_.x + item.left, last_.y + item.top};
    } else if (item.left >= 0 && item.top >= 0) {
      at = Point{group_->left + item.left, group_->top + item.top};
    } else {
      if (x_ > left_ && x_ + w > right_) newRow();
      // A control may start at a column of its own within the row.
      if (item.left >= 0) x_ = std::max(x_, group_->left + item.left);
      at = Point{x_, y_};
      x_ += w + kColumnGap;
      rowHeight_ = std::max(rowHeight_, h);
    }
    if (!item.over) last_ = at;
    return at;
  }

  void control(const PanelControl& item) {
    if (item.kind == PanelControlKind::LineBreak) return newRow();
    const std::wstring name(item.component);
    const SettingSpec* described =
        item.kind == PanelControlKind::FromSettings ? settingOfComponent(item.component) : nullptr;
    const std::wstring text(item.caption.empty() && described ? described->caption : item.caption);
    const std::uint32_t over = item.over ? kOverPrevious : kNoOptions;
    const int available = right_ - left_;
    if (!described) return plainControl(item, name, text, over, available);

    Component* made = nullptr;
    switch (described->control) {
      case SettingControl::CheckBox:
      case SettingControl::RadioButton: {
        int w = item.width ? item.width : std::max(textWidth(text) + 24, 34);
        int h = 17;
        std::uint32_t options = over;
        if (w > available) w = available, h = 28, options |= kMultiLine;
        const Point at = place(item, w, h);
        made = &add(name, kindOf(*described, name), {at.x, at.y, w, h}, text);
        made->options = options;
        break;
      }
      case SettingControl::ColorBox: {
        const std::wstring label(!item.caption.empty()        ? item.caption
                                 : described->caption.empty() ? described->description
                                                              : described->caption);
        const int labelWidth = textWidth(label) + 4;
        Point at = place(item, labelWidth, 16);
        add(colourBoxLabelName(name), ComponentKind::Label, {at.x, at.y + 4, labelWidth, 14}, label);
        const int w = item.width ? item.width : 100;
        at = place(item, w, 22);
        made = &add(name, ComponentKind::ColourBox, {at.x, at.y, w, 22});
        break;
      }
      case SettingControl::ListChoice:
      case SettingControl::FontName: {
        const ComponentKind kind = kindOf(*described, name);
        const int w = item.width                                       ? item.width
                      : described->control == SettingControl::FontName ? 150
                      : kind == ComponentKind::PictureList             ? 120
                                                                       : 100;
        const Point at = place(item, w, 22);
        made = &add(name, kind, {at.x, at.y, w, 22});
        made->state.items = listItems(*described);
        // The channel selector says what to do while no channel is chosen.
        if (name == kRssChannelList) made->options |= kPrompt;
        if (kind == ComponentKind::PictureList) {
          // The sample strips of the frames and the hands; a hand picture a line.
          made->state.picture = name == kFrameColourList ? L"frame_samples" : L"hand_samples";
          made->itemHeight = name == kHandStyleList ? 42 : 18;
        }
        break;
      }
      case SettingControl::ScrollBar: {
        const int w = item.width ? item.width : available;
        const Point at = place(item, w, 17);
        made = &add(name, ComponentKind::ScrollBar, {at.x, at.y, w, 17});
        if (described->range.rule == OutOfRange::Clamp) {
          made->state.minimum = described->range.minimum;
          made->state.maximum = described->range.maximum;
        }
        break;
      }
      case SettingControl::DatePicker: {
        const int w = item.width ? item.width : 100;
        const Point at = place(item, w, 22);
        made = &add(name, kindOf(*described, name), {at.x, at.y, w, 22});
        break;
      }
      case SettingControl::Edit: {
        // The minutes field with the up-down that steps it at its right edge.
        const int w = item.width ? item.width : 56;
        const Point at = place(item, w, 21);
        constexpr int kArrowsWidth = 17;
        made = &add(name, ComponentKind::Edit, {at.x, at.y, w - kArrowsWidth, 21});
        made->options = kNumbersOnly;
        made->spokenName = spokenNameOf(*described);
        if (const SettingSpec* upDown = settingOfComponent(kPowerOffMinutesArrows)) {
          Component& arrows = add(std::wstring(upDown->component), ComponentKind::UpDown,
                                  {at.x + w - kArrowsWidth, at.y, kArrowsWidth, 21});
          arrows.buddy = name;
          arrows.spokenName = spokenNameOf(*upDown);
          arrows.state.minimum = upDown->range.minimum;
          arrows.state.maximum = upDown->range.maximum;
        }
        return;
      }
      case SettingControl::UpDown: return;  // made with its edit
    }
    if (made && !(made->options & kOverPrevious)) made->options |= over;
    // A control without a caption is called by what it holds.
    if (made && made->state.text.empty()) made->spokenName = spokenNameOf(*described);
  }

  static std::wstring spokenNameOf(const SettingSpec& described) {
    std::wstring spoken(described.description);
    if (!spoken.empty()) spoken[0] = std::towupper(spoken[0]);
    return spoken;
  }

  void plainControl(const PanelControl& item, const std::wstring& name, const std::wstring& text, std::uint32_t over,
                    int available) {
    switch (item.kind) {
      case PanelControlKind::Label: {
        const int w = item.width ? item.width : textWidth(text) + 4;
        const Point at = place(item, w, 16);
        const int shift = item.over || item.top >= 0 ? 0 : 3;
        add(name, ComponentKind::Label, {at.x, at.y + shift, w, 14}, text).options = over;
        break;
      }
      case PanelControlKind::CheckBox: {
        const int w = item.width ? item.width : textWidth(text) + 24;
        const Point at = place(item, w, 17);
        add(name, ComponentKind::CheckBox, {at.x, at.y, w, 17}, text).options = over;
        break;
      }
      case PanelControlKind::Picture: {
        const Point at = place(item, item.width, item.height);
        const Rect bounds{at.x, at.y, item.width, item.height};
        if (text.empty()) {
          // A dark display panel that a label shows its time on.
          add(name, ComponentKind::Display, bounds).options = over;
        } else {
          Component& picture = add(name, ComponentKind::Picture, bounds);
          picture.state.picture = text;
          picture.options = over;
        }
        break;
      }
      case PanelControlKind::Button: {
        const int w = item.width ? item.width : textWidth(text) + 24;
        const int h = item.height ? item.height : 24;
        const Point at = place(item, w, h);
        add(name, ComponentKind::Button, {at.x, at.y, w, h}, text).options = over;
        break;
      }
      case PanelControlKind::Edit: {
        const int w = item.width ? item.width : 120;
        const Point at = place(item, w, 21);
        Component& edit = add(name, ComponentKind::Edit, {at.x, at.y, w, 21});
        edit.state.textLimit = name == kChannelAddressEdit ? 100 : 50;
        break;
      }
      case PanelControlKind::ListView: {
        const int w = item.width ? item.width : available, h = item.height ? item.height : 120;
        const Point at = place(item, w, h);
        Component& list = add(name, ComponentKind::ListView, {at.x, at.y, w, h});
        list.options = kGridLines;
        list.state.columns = {
            {L"Num", 40}, {L"Your Own Channel Name", 150}, {L"RSS Channel Address", w - 40 - 150 - 6}};
        // The panel's pictures: the RSS sign at the start of every channel row.
        list.state.picture = L"panel_images";
        break;
      }
      default: break;
    }
  }

  std::vector<Component>& out_;
  const TextMetrics& metrics_;
  std::wstring_view page_;
  const PanelGroup* group_ = nullptr;
  int left_ = 0, right_ = 0, x_ = 0, y_ = 0, rowHeight_ = 0;
  Point last_;  // where the control before stands
};

}  // namespace

std::wstring colourBoxLabelName(std::wstring_view colourBox) { return std::wstring(colourBox) + L"Label"; }

FontSpec controlPanelFont() { return FontSpec{L"Arial", 8}; }

std::vector<Component> controlPanelComponents(const TextMetrics& metrics) {
  std::vector<Component> out;
  const std::wstring window(kControlPanelName);
  Component form = makeComponent(window, ComponentKind::Window);
  form.state.text = std::wstring(kControlPanelCaption);
  form.state.bounds = {0, 0, kControlPanelClientWidth, kControlPanelClientHeight};
  form.state.visible = false;
  form.state.font = controlPanelFont();
  form.options = kCentred;
  out.push_back(std::move(form));

  // The header.
  for (const auto& [name, bounds] : {std::pair{kHeaderBarTop, kTopBar}, std::pair{kHeaderBarBottom, kBottomBar}}) {
    Component bar = makeComponent(std::wstring(name), ComponentKind::Panel, window);
    bar.state.bounds = bounds;
    bar.state.background = kHeaderBar;
    out.push_back(std::move(bar));
  }
  Component banner = makeComponent(std::wstring(kBannerPicture), ComponentKind::Picture, window);
  banner.state.bounds = kBanner;
  banner.state.picture = L"banner";
  banner.options = kStretch;
  out.push_back(std::move(banner));
  Component title = makeComponent(std::wstring(kTitleName), ComponentKind::Label, window);
  title.state.bounds = kTitle;
  title.state.text = L"Tikora ";
  title.state.textColour = kBlue;
  title.state.font = FontSpec{L"Times New Roman", 0, true, true, false, 27};
  title.options = kTransparent;
  out.push_back(std::move(title));
  Component link = makeComponent(std::wstring(kHomePageName), ComponentKind::Link, window);
  link.state.bounds = kHomePage;
  link.state.text = std::wstring(kHomePageCaption);
  link.state.textColour = kWhite;
  link.state.font = FontSpec{L"Arial", 8, true};
  link.options = kTransparent | kAlignRight;
  out.push_back(std::move(link));

  // The pages.
  const std::array<PanelPage, 3> pages{mainSettingsPage(), clockColourPage(), rssReaderPage()};
  Component tabs = makeComponent(std::wstring(kPageControlName), ComponentKind::Tabs, window);
  tabs.state.bounds = kTabs;
  tabs.state.selected = 0;
  for (const PanelPage& page : pages) tabs.state.items.emplace_back(page.caption);
  out.push_back(std::move(tabs));
  for (std::size_t i = 0; i < pages.size(); ++i) {
    Component sheet = makeComponent(std::wstring(kPageNames[i]), ComponentKind::Page, std::wstring(kPageControlName));
    sheet.state.bounds = kPageArea;
    sheet.state.text = std::wstring(pages[i].caption);
    sheet.state.visible = i == 0;
    out.push_back(std::move(sheet));
    PageLayout layout(out, metrics, kPageNames[i]);
    for (const PanelGroup& group : pages[i].groups) layout.group(group);
  }

  // Each radio group's buttons follow its first one, wherever they lie: the keyboard's arrows go
  // through a run of sibling radio buttons (the Date group's month names have "Short Date"
  // between them in reading order).
  for (const SettingSpec& described : settingsSchema()) {
    if (described.radioGroup.empty()) continue;
    const auto named = [&](std::wstring_view name) {
      return std::find_if(out.begin(), out.end(), [&](const Component& c) { return c.name == name; });
    };
    auto member = named(described.component);
    auto last = member;
    for (auto c = out.begin(); c != member; ++c) {
      const SettingSpec* other = settingOfComponent(c->name);
      if (other && other->radioGroup == described.radioGroup) last = c;
    }
    if (last == member || last + 1 == member) continue;
    std::rotate(last + 1, member, member + 1);
  }

  // The times on the dark displays: green on black.
  for (Component& c : out) {
    if (c.name == kPowerOffTimeLabel || c.name == kWorkTimeLabel) {
      c.state.textColour = kDisplayText;
      c.state.background = kDisplayBackground;
      c.state.font = controlPanelFont();
    }
  }
  return out;
}

}  // namespace tikora
