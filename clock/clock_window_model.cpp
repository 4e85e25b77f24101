// The clock window's model; see clock_window_model.h.
#include "clock/clock_window_model.h"

#include <algorithm>
#include <utility>

#include "clock/program_identity.h"
#include "core/date_format.h"

namespace tikora {
namespace {

// The layers' names in the order of ClockComponent.
constexpr std::array<std::wstring_view, kClockComponentCount> kNames = {
    kFaceLayer,        kWeekdayLayer,   kDateLayer,       kWorkTimeLayer,         kPowerOffTimeLayer, kCountdownLayer,
    kDigitLayers[0],   kDigitLayers[1], kDigitLayers[2],  kDigitLayers[3],        kDigitLayers[4],    kDigitLayers[5],
    kDigitLayers[6],   kDigitLayers[7], kDigitLayers[8],  kDigitLayers[9],        kDigitLayers[10],   kDigitLayers[11],
    kDigitalTimeLayer, kHourHandLayer,  kMinuteHandLayer, kDecorativeStripeLayer, kSecondHandLayer,   kStripLayer};

// Tops of the text overlays before their texts are laid out; their width comes with the text.
struct LabelStart {
  ClockComponent component;
  int top;
  bool visible;
};
constexpr LabelStart kLabelStarts[] = {
    {ClockComponent::Weekday, 113, true},    {ClockComponent::Date, 113, true},
    {ClockComponent::WorkTime, 154, false},  {ClockComponent::PowerOffTime, 170, false},
    {ClockComponent::Countdown, 138, false}, {ClockComponent::DigitalTime, 72, true},
};

void ask(const std::function<void()>& hook) {
  if (hook) hook();
}

bool dragsWindow(ClockComponent c) {
  return c == ClockComponent::Face || c == ClockComponent::MinuteHand || c == ClockComponent::SecondHand;
}

// The popup menu's items in order: component, caption, picture; "-" is the separator.
struct MenuItemStart {
  ClockMenuItem item;
  std::wstring_view name;
  std::wstring_view caption;
  int image;
};
constexpr MenuItemStart kMenuItems[] = {
    {ClockMenuItem::ControlPanel, kControlPanelMenuItem, L"Control Panel", 3},
    {ClockMenuItem::HideClock, kHideClockMenuItem, L"Hide Clock", 5},
    {ClockMenuItem::DailyPlanner, kDailyPlannerMenuItem, L"Daily Planner", 4},
    {ClockMenuItem::TodaysDate, kTodaysDateMenuItem, L"Today's Date", 7},
    {ClockMenuItem::Separator, kMenuSeparator, L"-", kNoImage},
    {ClockMenuItem::Exit, kExitMenuItem, L"Exit", 2},
};

std::vector<Component> clockComponents() {
  std::vector<Component> components;
  const Rect whole{0, 0, kClockWindowSize, kClockWindowSize};
  for (int i = 0; i < kClockComponentCount; ++i) {
    Component layer;
    layer.name = std::wstring(kNames[std::size_t(i)]);
    layer.kind = ComponentKind::Label;
    layer.parent = std::wstring(kClockWindowName);
    layer.state.font = FontSpec{};
    components.push_back(std::move(layer));
  }
  auto at = [&](ClockComponent c) -> Component& { return components[std::size_t(c)]; };
  for (const auto c :
       {ClockComponent::Face, ClockComponent::HourHand, ClockComponent::MinuteHand, ClockComponent::SecondHand}) {
    at(c).kind = ComponentKind::Layer;
    at(c).state.font.reset();
    at(c).state.bounds = whole;
    // The hand layers are drawn leaving out their background colour.
    if (c != ClockComponent::Face) at(c).options = kTransparent;
  }
  at(ClockComponent::DecorativeStripe).kind = ComponentKind::Layer;
  at(ClockComponent::DecorativeStripe).state.font.reset();
  at(ClockComponent::DecorativeStripe).state.bounds = {kStripePosition.x, kStripePosition.y, kStripeWidth,
                                                       kStripeHeight};
  at(ClockComponent::DecorativeStripe).state.visible = false;
  // The strip shows only while the pointer is over the clock; the first face tick decides.
  at(ClockComponent::Strip).kind = ComponentKind::Layer;
  at(ClockComponent::Strip).state.font.reset();
  at(ClockComponent::Strip).state.bounds = {kStripPosition.x, kStripPosition.y, kStripWidth, kStripHeight};
  at(ClockComponent::Strip).state.visible = false;
  for (const LabelStart& start : kLabelStarts) {
    at(start.component).state.bounds.top = start.top;
    at(start.component).state.visible = start.visible;
  }
  for (const MenuItemStart& start : kMenuItems) {
    Component item;
    item.name = std::wstring(start.name);
    item.kind = ComponentKind::MenuItem;
    item.parent = std::wstring(kClockMenuName);
    item.state.text = std::wstring(start.caption);
    item.state.image = start.image;
    item.state.isDefault = start.item == ClockMenuItem::Exit;
    components.push_back(std::move(item));
  }
  Component window;
  window.name = std::wstring(kClockWindowName);
  window.kind = ComponentKind::Window;
  window.state.text = std::wstring(kClockWindowCaption);
  window.state.bounds = whole;
  window.state.visible = false;
  components.push_back(std::move(window));
  return components;
}

}  // namespace

std::wstring_view componentName(ClockComponent component) { return kNames[static_cast<std::size_t>(component)]; }

ClockComponent digitComponent(int n) {
  return static_cast<ClockComponent>(static_cast<int>(ClockComponent::Digit1) + std::clamp(n, 1, 12) - 1);
}

ClockWindowModel::ClockWindowModel(ClockWindowHooks hooks) : table_(clockComponents()), hooks_(std::move(hooks)) {
  for (int i = 0; i < kClockComponentCount; ++i) order_.push_back(static_cast<ClockComponent>(i));
}

LayerKind ClockWindowModel::layerKind(ClockComponent component) const {
  const Component& layer = table_.all()[index(component)];
  if (layer.kind == ComponentKind::Label) return LayerKind::Text;
  return layer.options & kTransparent ? LayerKind::TransparentPicture : LayerKind::Picture;
}

const FontSpec& ClockWindowModel::font(ClockComponent component) const {
  static const FontSpec kNone;
  const auto& font = layer(component).font;
  return font ? *font : kNone;
}

void ClockWindowModel::setWindowPosition(int left, int top) {
  Rect& bounds = table_[kClockWindowName].bounds;
  bounds.left = left;
  bounds.top = top;
}

void ClockWindowModel::setAlphaBlend(bool enabled) {
  auto& alpha = table_[kClockWindowName].alpha;
  if (enabled)
    alpha = alphaValue_;
  else
    alpha.reset();
}

void ClockWindowModel::setAlphaBlendValue(int alpha) {
  alphaValue_ = std::clamp(alpha, 0, 255);
  auto& shown = table_[kClockWindowName].alpha;
  if (shown) shown = alphaValue_;
}

void ClockWindowModel::setStayOnTop(bool onTop) { table_[kClockWindowName].onTop = onTop; }

void ClockWindowModel::setShowing(bool showing) { table_[kClockWindowName].visible = showing; }

void ClockWindowModel::setPosition(ClockComponent component, int left, int top) {
  at(component).bounds.left = left;
  at(component).bounds.top = top;
}

void ClockWindowModel::autoSize(ClockComponent component, const TextMetrics& metrics) {
  ClockLayer& label = at(component);
  const TextSize size = metrics.measure(label.text, font(component));
  label.bounds.width = size.width;
  label.bounds.height = size.height;
}

void ClockWindowModel::moveInOrder(ClockComponent component, bool toTop) {
  const auto found = std::find(order_.begin(), order_.end(), component);
  if (found == order_.end()) return;
  if (toTop)
    std::rotate(found, found + 1, order_.end());
  else
    std::rotate(order_.begin(), found, found + 1);
}

void ClockWindowModel::bringToFront(ClockComponent component) { moveInOrder(component, true); }

void ClockWindowModel::sendToBack(ClockComponent component) { moveInOrder(component, false); }

void ClockWindowModel::setInFrontOfHands(ClockComponent label, bool inFront) {
  if (inFront) {
    bringToFront(label);
    return;
  }
  sendToBack(label);
  sendToBack(ClockComponent::Face);
}

std::optional<ClockComponent> ClockWindowModel::componentAt(Point client) const {
  for (auto it = order_.rbegin(); it != order_.rend(); ++it) {
    const ClockLayer& candidate = layer(*it);
    if (candidate.visible && candidate.bounds.contains(client)) return *it;
  }
  return std::nullopt;
}

ClockActions ClockWindowModel::mouseDown(MouseButton button, Point client) const {
  if (button != MouseButton::Left) return {};
  const auto target = componentAt(client);
  if (target && dragsWindow(*target)) return {ClockAction::StartDrag};
  return {};
}

ClockActions ClockWindowModel::click(Point client, Point screenPointer) const {
  if (componentAt(client) != ClockComponent::Strip) return {};
  return onStripClicked(screenPointer);
}

void ClockWindowModel::refreshStrip(Point screenPointer) {
  const StripUpdate update = updateStrip(screenPointer, windowRect(), layer(ClockComponent::Strip).bounds);
  setVisible(ClockComponent::Strip, update.visible || keyboardOnStrip_);
  if (update.hint) at(ClockComponent::Strip).hint = std::wstring(*update.hint);
}

void ClockWindowModel::setKeyboardOnStrip(Point screenPointer, bool onStrip) {
  keyboardOnStrip_ = onStrip;
  refreshStrip(screenPointer);
}

ClockActions ClockWindowModel::onStripClicked(Point screenPointer) const {
  return pressStripButton(stripClick(screenPointer, windowRect(), layer(ClockComponent::Strip).bounds));
}

ClockActions ClockWindowModel::pressStripButton(StripClick button) const {
  switch (button) {
    case StripClick::ShowControlPanel: ask(hooks_.showControlPanel); break;
    case StripClick::EndProgram: return {ClockAction::EndProgram};
    case StripClick::Nothing: break;
  }
  return {};
}

ClockActions ClockWindowModel::trayMessage(std::uint32_t event) {
  // The menu must belong to the foreground window, or it stays open when the user clicks
  // elsewhere; the empty message afterwards lets it close properly.
  const auto menuAt = [](ClockAction place) {
    return ClockActions{ClockAction::BringClockToFront, place, ClockAction::PostNullMessage};
  };
  switch (event) {
    case kTrayLeftButtonDown:
      menuByRightButton_ = false;
      if (hooks_.showTodaysDate) hooks_.showTodaysDate(false);
      return {};
    case kTrayRightButtonDown: menuByRightButton_ = true; return menuAt(ClockAction::PopUpMenuAtPointer);
    case kTrayContextMenu:
      if (std::exchange(menuByRightButton_, false)) return {};
      return menuAt(ClockAction::PopUpMenuAtIcon);
    case kTrayKeySelect: menuByRightButton_ = false; return menuAt(ClockAction::PopUpMenuAtIcon);
    default: return {};
  }
}

void ClockWindowModel::tellTimeInTrayTip(const CivilTime& now, std::wstring_view pattern, const LocaleNames& names) {
  if (window().visible) {
    if (tray_.tip != kProgramTip) tray_.tip = kProgramTip;
    return;
  }
  formatDateTimeInto(tipTime_, pattern, now, names);
  if (tray_.tip != tipTime_) tray_.tip = tipTime_;
}

std::vector<MenuItemState> ClockWindowModel::menuItems() const {
  std::vector<MenuItemState> items;
  for (const MenuItemStart& start : kMenuItems) {
    const ComponentState& item = table_[start.name];
    items.push_back(
        {start.item, start.name, item.text, item.image, start.item == ClockMenuItem::Separator, item.isDefault});
  }
  return items;
}

ClockActions ClockWindowModel::menuItemClick(ClockMenuItem item, bool clockShowing) {
  switch (item) {
    case ClockMenuItem::ControlPanel: ask(hooks_.showControlPanel); break;
    case ClockMenuItem::HideClock: return hideClockChosen(clockShowing);
    case ClockMenuItem::DailyPlanner: ask(hooks_.openDailyPlanner); break;
    case ClockMenuItem::TodaysDate:
      if (hooks_.showTodaysDate) hooks_.showTodaysDate(true);
      break;
    case ClockMenuItem::Exit: return {ClockAction::EndProgram};
    case ClockMenuItem::Separator: break;
  }
  return {};
}

ClockActions ClockWindowModel::hideClockChosen(bool clockShowing) {
  // Decided by the window's real state, so the item stays right whatever hid or showed it.
  ComponentState& item = table_[kHideClockMenuItem];
  item.text = clockShowing ? L"Show Clock" : L"Hide Clock";
  item.image = clockShowing ? 6 : 5;
  tray_.image = clockShowing ? 1 : 0;
  setShowing(!clockShowing);
  return {ClockAction::UpdateTrayIcon};
}

}  // namespace tikora
