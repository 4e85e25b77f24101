// The clock window (`TForm1`) as a model: its components (the layers in their layer order, the
// items of its popup menu and the window itself) in one ComponentTable; the z-order moves of the
// "In Front of Clock Hands" switches; which component a press lands on and whether it drags the
// window; the tray icon and its popup menu; and the two-button strip. The window's place on the
// screen, its alpha and its stay-on-top style are the state of its "TForm1" component.
//
// Handlers return the things the Win32 layer has to do (show a window, pop up the menu, start
// the system's move loop), in the order it has to do them. The model itself never touches a
// window, so every rule runs in a unit test.
#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "clock/clock_window_names.h"
#include "core/colour.h"
#include "core/component.h"
#include "core/datetime.h"
#include "core/geometry.h"
#include "core/locale_names.h"
#include "face/strip.h"
#include "platform/text_metrics.h"

namespace tikora {

inline constexpr int kClockWindowSize = 240;

// The child components, named as in the window's layout. The order of this list is the layer
// order at creation, bottom to top.
enum class ClockComponent {
  Face,
  Weekday,
  Date,
  WorkTime,      // system work time
  PowerOffTime,  // time to turn off
  Countdown,
  Digit1,
  Digit2,
  Digit3,
  Digit4,
  Digit5,
  Digit6,
  Digit7,
  Digit8,
  Digit9,
  Digit10,
  Digit11,
  Digit12,
  DigitalTime,
  HourHand,
  MinuteHand,
  DecorativeStripe,  // hidden
  SecondHand,
  Strip,  // the two-button strip
};
inline constexpr int kClockComponentCount = 24;

// Layers as a set, one bit for each component: the layers whose pictures changed.
using LayerSet = std::uint32_t;
inline constexpr LayerSet kAllLayers = (LayerSet(1) << kClockComponentCount) - 1;
constexpr LayerSet layerBit(ClockComponent component) { return LayerSet(1) << static_cast<int>(component); }

std::wstring_view componentName(ClockComponent component);
// Digit1 to Digit12 for n = 1 to 12.
ClockComponent digitComponent(int n);

// The clock's decorative stripe (Image6) recoloured with the frame, as the other windows' stripe
// pictures name it.
inline constexpr std::wstring_view kDecorativeStripePicture = L"stripe";

enum class LayerKind {
  Picture,             // covers its whole box
  TransparentPicture,  // a hand layer: drawn leaving out the background colour, covers its box
  Text,                // a label: covers the box of its text
};

// A layer's state: bounds, visibility, text, text colour and font. The layer's component in
// components() holds it.
using ClockLayer = ComponentState;

// What the Win32 layer does for a handler, in the order given: only what needs the native
// window (the other windows are reached through ClockWindowHooks).
enum class ClockAction {
  StartDrag,           // release the mouse capture, send WM_SYSCOMMAND 0xF012 (move by caption)
  BringClockToFront,   // the clock window to the foreground
  PopUpMenuAtPointer,  // the popup menu at the pointer's screen position
  PopUpMenuAtIcon,     // the popup menu at the tray icon, where the shell says it is
  PostNullMessage,     // WM_NULL to the clock window, so the menu closes on a click elsewhere
  UpdateTrayIcon,      // tray modify with trayIcon()
  EndProgram,          // end request: the message loop finishes
};
using ClockActions = std::vector<ClockAction>;

// Tray icon callback message (the first user message plus one) and the mouse events it handles.
inline constexpr std::uint32_t kTrayCallbackMessage = 0x0401;
inline constexpr std::uint32_t kTrayLeftButtonDown = 0x0201;
inline constexpr std::uint32_t kTrayRightButtonDown = 0x0204;
// The shell's keyboard path to the icon (its newer callbacks): Space or Enter on the icon, and
// the context menu key or Shift+F10 (which the shell also sends after a right click).
inline constexpr std::uint32_t kTrayKeySelect = 0x0401;
inline constexpr std::uint32_t kTrayContextMenu = 0x007B;

// The notification-area icon's tip while the clock shows.
inline constexpr std::wstring_view kProgramTip = L"Tikora";

// The notification-area icon as it is registered and modified.
struct TrayIconRecord {
  std::uint32_t id = 0;
  std::uint32_t flags = 7;  // message + icon + tip
  std::uint32_t callbackMessage = kTrayCallbackMessage;
  std::wstring tip{kProgramTip};
  int image = 0;  // ImageList1: 0 while the clock shows, 1 while it is hidden
  friend bool operator==(const TrayIconRecord&, const TrayIconRecord&) = default;
};

// ImageList1 (16 x 16 pictures side by side): tray shown, tray hidden, then the menu pictures.
inline constexpr std::wstring_view kClockImagesResource = L"clock_images";
inline constexpr int kNoImage = -1;

enum class ClockMenuItem { ControlPanel, HideClock, DailyPlanner, TodaysDate, Separator, Exit };

struct MenuItemState {
  ClockMenuItem item = ClockMenuItem::ControlPanel;
  std::wstring_view name;  // component name
  std::wstring caption;    // "-" for the separator
  int image = kNoImage;    // ImageList1 index
  bool separator = false;
  bool isDefault = false;  // shown bold
  friend bool operator==(const MenuItemState&, const MenuItemState&) = default;
};

// What the clock window asks of the other windows; the program wires them. An empty hook does
// nothing.
struct ClockWindowHooks {
  std::function<void()> showControlPanel;
  // The planner at today's date and the current time cut to whole minutes.
  std::function<void()> openDailyPlanner;
  // The today's date page; `onTop`: made to stay on top, else its stay-on-top style untouched.
  std::function<void(bool onTop)> showTodaysDate;
};

inline constexpr Point kStripPosition{188, 221};
inline constexpr int kStripWidth = 51;
inline constexpr int kStripHeight = 17;
inline constexpr Point kStripePosition{8, 258};
inline constexpr int kStripeWidth = 120;
inline constexpr int kStripeHeight = 6;

class ClockWindowModel {
 public:
  explicit ClockWindowModel(ClockWindowHooks hooks = {});

  ClockWindowModel(const ClockWindowModel&) = delete;
  ClockWindowModel& operator=(const ClockWindowModel&) = delete;

  // ---- Components ----
  ComponentTable& components() { return table_; }
  const ComponentTable& components() const { return table_; }
  const ClockLayer& layer(ClockComponent component) const { return table_.all()[index(component)].state; }
  LayerKind layerKind(ClockComponent component) const;
  void setVisible(ClockComponent component, bool visible) { at(component).visible = visible; }
  void setBounds(ClockComponent component, const Rect& bounds) { at(component).bounds = bounds; }
  void setPosition(ClockComponent component, int left, int top);
  // Assigned over the text already there, whose buffer the time's text then keeps.
  void setText(ClockComponent component, const std::wstring& text) {
    if (at(component).text != text) at(component).text = text;
  }
  void setColour(ClockComponent component, Colour colour) { at(component).textColour = colour; }
  // A label's colour; black for one never coloured.
  Colour colour(ClockComponent component) const { return layer(component).textColour.value_or(0); }
  void setFont(ClockComponent component, FontSpec font) { at(component).font = std::move(font); }
  const FontSpec& font(ClockComponent component) const;
  // A label's box made the measured size of its text in its font, its left and top kept.
  void autoSize(ClockComponent component, const TextMetrics& metrics);

  // ---- Layer order ----
  // Bottom to top.
  const std::vector<ClockComponent>& layerOrder() const { return order_; }
  void bringToFront(ClockComponent component);
  void sendToBack(ClockComponent component);
  // "In Front of Clock Hands": ticked, the label goes to the top of all layers; unticked, it
  // goes to the bottom and the face layer below it, so it lies right on the face.
  void setInFrontOfHands(ClockComponent label, bool inFront);

  // ---- Mouse ----
  // The topmost shown component under a point of the window.
  std::optional<ClockComponent> componentAt(Point client) const;
  // A press: the left button on the face, minute hand or second hand layer drags the window.
  ClockActions mouseDown(MouseButton button, Point client) const;
  // A left-button click; only the strip reacts, by the pointer's screen position.
  ClockActions click(Point client, Point screenPointer) const;

  // ---- Window on the screen ----
  // The window's own component: its place and size on the screen, whether it shows, its alpha
  // and its stay-on-top style.
  const ComponentState& window() const { return table_[kClockWindowName]; }
  void setWindowPosition(int left, int top);
  int windowLeft() const { return window().bounds.left; }
  int windowTop() const { return window().bounds.top; }
  Rect windowRect() const { return window().bounds; }
  // Whole-window alpha blending on or off; white stays see-through either way.
  void setAlphaBlend(bool enabled);
  // 0 (invisible) to 255 (opaque); used while alpha blending is on.
  void setAlphaBlendValue(int alpha);
  bool alphaBlend() const { return window().alpha.has_value(); }
  int alphaBlendValue() const { return alphaValue_; }
  void setStayOnTop(bool onTop);
  // Shows or hides the window itself (the message loop shows it; "Hide Clock" hides it).
  void setShowing(bool showing);
  bool stayOnTop() const { return window().onTop; }

  // ---- Two-button strip ----
  // The face tick's strip step: shows the strip while the pointer is over the window rectangle
  // and sets its hint over a button.
  void refreshStrip(Point screenPointer);
  const std::wstring& stripHint() const { return layer(ClockComponent::Strip).hint; }
  ClockActions onStripClicked(Point screenPointer) const;
  // A strip button pressed by the keyboard (or a screen reader): what a click on it does.
  ClockActions pressStripButton(StripClick button) const;
  // While the keyboard is on a strip button the strip shows, wherever the pointer is.
  void setKeyboardOnStrip(Point screenPointer, bool onStrip);

  // ---- Tray icon and menu ----
  const TrayIconRecord& trayIcon() const { return tray_; }
  // The tip says the time, in `pattern`, while the clock window is hidden, so that it can be
  // heard from the icon; the program's name while the clock shows.
  void tellTimeInTrayTip(const CivilTime& now, std::wstring_view pattern, const LocaleNames& names);
  // The tray callback with the mouse or keyboard event from the message's second parameter. A
  // right click opens the menu as the button goes down; the context menu event the shell sends
  // after it is then passed over.
  ClockActions trayMessage(std::uint32_t event);

  // The popup menu's items in order, with the current caption and picture of "Hide Clock".
  std::vector<MenuItemState> menuItems() const;
  // A menu item chosen; `clockShowing` is whether the clock window is actually showing now.
  ClockActions menuItemClick(ClockMenuItem item, bool clockShowing);
  // Hides the window when it shows, shows it when it is hidden.
  ClockActions hideClockChosen(bool clockShowing);

 private:
  static std::size_t index(ClockComponent c) { return static_cast<std::size_t>(c); }
  ClockLayer& at(ClockComponent c) { return table_.all()[index(c)].state; }
  void moveInOrder(ClockComponent component, bool toTop);

  // The layers first, in the order of ClockComponent, so a layer's index is its enum value.
  ComponentTable table_;
  std::vector<ClockComponent> order_;
  TrayIconRecord tray_;
  bool keyboardOnStrip_ = false;
  bool menuByRightButton_ = false;  // the menu opened by a right click; its context menu event to come
  std::wstring tipTime_;            // kept between seconds, so that a quiet second allocates nothing
  int alphaValue_ = 255;            // kept while alpha blending is off
  ClockWindowHooks hooks_;
};

}  // namespace tikora
