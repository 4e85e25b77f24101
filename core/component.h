// The one shape of every window of the program: a table of named components, each with one
// state record, and the window's handlers found by component and event.
//
// A component is what the window's layout names it ("CheckBox9", "Label13", "ListView1",
// "Image2"): its kind, the component it lies on, a few creation options and its state (text,
// checked, enabled, visible, caption colour, font, bounds, list items and selection, ... as the
// kind needs). A window model owns a ComponentTable and registers its handlers in it; the Win32
// view creates one real control per component, copies every changed state onto its control and
// turns the control's notifications into raise() calls. Nothing here knows Win32, so every
// handler runs in a native unit test.
//
// Names are checked: asking for a component the table does not have throws UnknownComponent,
// and so does registering a handler for one, so a misspelt name fails the first unit test that
// builds the window, not a run of the program.
#pragma once
#include <algorithm>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "core/colour.h"
#include "core/datetime.h"
#include "core/font.h"
#include "core/geometry.h"

namespace tikora {

enum class ComponentKind {
  Window,  // the window itself: text is its caption, bounds its client size
  Tabs,    // a page control: items are the page captions, selected the shown page
  Page,    // one page of a page control; its components lie on it
  GroupBox,
  Label,
  Link,  // a label that opens something: hand pointer and underline while hovered
  Button,
  CheckBox,
  RadioButton,
  Edit,
  Memo,              // an edit of several lines with a vertical scroll bar
  ComboBox,          // a list to pick from: items, selected
  EditableComboBox,  // a list that may also be typed into: text is what the box shows
  FontList,          // a list of font names that also shows a name it does not list: text
  ColourBox,         // a list of colours with a custom entry: colour
  PictureList,       // a list whose items are the cells of a picture strip (`picture`)
  ScrollBar,         // position within minimum..maximum
  UpDown,            // arrows that step the edit named by `buddy`
  DatePicker,        // value
  TimePicker,        // value (the time of day)
  ListView,          // report view: columns and rows, selected row
  Picture,           // the bitmap resource `picture`, at its size or stretched over the bounds
  Display,           // a dark panel that a label shows a time on
  Panel,             // a plain area with a background colour and a centred text
  ScrollBox,         // an area scrolled sideways: the components on it lie at their bounds
                     // less `position` (0 to `maximum`) across; no scroll bar shows
  Layer,             // a picture or text the window composes itself (the clock face's layers)
  MenuItem,          // an item of the window's popup menu: text, image, isDefault; "-" separates
  WebBrowser,        // an embedded web page: text is its address, loaded again each time
                     // `position` grows; items are "property=value" settings of the page body's
                     // style, made each time a page has loaded
};

// Creation options: what a component is made as, never changed afterwards.
enum ComponentOption : std::uint32_t {
  kNoOptions = 0,
  kNumbersOnly = 1u << 0,   // an edit that takes digits only
  kStretch = 1u << 1,       // a picture stretched over its bounds
  kOverPrevious = 1u << 2,  // lies over the component made before it (a marker, a time label)
  kMultiLine = 1u << 3,     // a caption that wraps
  kGridLines = 1u << 4,     // a list view with grid lines and whole-row selection
  kTransparent = 1u << 5,   // a label drawn without its background; a layer leaving out its
                            // background colour
  kWordWrap = 1u << 6,      // a label whose text wraps at its width
  kDragsWindow = 1u << 7,   // a left press drags the window (the stripes of the borderless windows)
  kCentred = 1u << 8,       // text centred in the bounds
  kBold = 1u << 9,
  kBorderless = 1u << 10,  // a window without frame or caption, kept off the task bar
  kAlignRight = 1u << 11,  // text against the right edge of the bounds
  kPrompt = 1u << 12,      // a drop-down list that shows its text, greyed, while nothing is chosen
};

enum class PointerShape { Arrow, Hand, Drag };

struct ListColumn {
  std::wstring caption;
  int width = 0;
  friend bool operator==(const ListColumn&, const ListColumn&) = default;
};

struct ListRow {
  std::vector<std::wstring> cells;
  std::optional<Colour> textColour;
  int image = -1;  // the picture of the window's image list shown at the row's start; -1 for none
  friend bool operator==(const ListRow&, const ListRow&) = default;
};

struct ComponentState {
  std::wstring text;  // caption, edit text, the text a list shows, a window's caption, a
                      // date or time picker's display format (empty: the system's)
  std::wstring hint;  // tool-tip
  Rect bounds;        // in the client area of the window, 96-DPI pixels
  bool visible = true;
  bool enabled = true;
  bool checked = false;
  std::optional<Colour> textColour;  // none: the system's
  std::optional<Colour> background;  // none: the system's
  std::optional<FontSpec> font;      // none: the window's font
  std::vector<std::wstring> items;   // lists, tabs
  int selected = -1;                 // list item, list view row, shown page; -1 for none
  int position = 0;                  // scroll bars and up-downs
  int minimum = 0;
  int maximum = 100;
  Colour selectedColour = 0;  // colour boxes
  DateTime value;             // date and time pickers
  // Pictures and picture lists: a bitmap resource name, or a picture the program makes (the
  // clock's decorative stripe) by the name the window's view knows it by; a "#" and anything
  // after it only tell that the picture has changed.
  std::wstring picture;
  std::vector<ListColumn> columns;  // list views
  std::vector<ListRow> rows;        // list views
  PointerShape pointer = PointerShape::Arrow;
  int image = -1;          // menu items: the image list's picture
  bool isDefault = false;  // menu items: shown bold; buttons: the one Enter presses
  int textLimit = 0;       // edits: the most characters they take; 0 for the system's
  // Windows only.
  bool onTop = false;        // stays above other windows
  std::optional<int> alpha;  // whole-window opacity 0 (invisible) to 255 while set
  int raised = 0;            // brought to the front each time this grows

  friend bool operator==(const ComponentState&, const ComponentState&) = default;
};

struct Component {
  std::wstring name;
  ComponentKind kind = ComponentKind::Label;
  std::wstring parent;  // the page or window it lies on; empty for the window itself
  std::uint32_t options = kNoOptions;
  std::wstring buddy;  // up-downs: the edit they step
  int itemHeight = 0;  // owner-drawn lists: the height of a dropped-down item; 0 for the usual
  // What a screen reader calls a control that shows no caption of its own and has no label
  // just before it (an edit, a list, a picker); empty where its text or label names it.
  std::wstring spokenName;
  ComponentState state;
};

inline Component makeComponent(std::wstring name, ComponentKind kind, std::wstring parent = {},
                               ComponentState state = {}) {
  Component made;
  made.name = std::move(name);
  made.kind = kind;
  made.parent = std::move(parent);
  made.state = std::move(state);
  return made;
}

// One row of a window's declaration: the component's name, kind and the window or page it lies
// on, then whatever it starts with that is not the default. A window declares its components as
// a table of these rows, in creation order, with designated initializers:
//   {.name = kCloseButton, .kind = ComponentKind::Picture, .parent = kWindowName,
//    .bounds = {379, 210, 75, 25}, .options = kStretch, .picture = kClosePicture}
struct ComponentRow {
  std::wstring_view name;
  ComponentKind kind = ComponentKind::Label;
  std::wstring_view parent = {};
  Rect bounds = {};
  std::uint32_t options = kNoOptions;
  std::wstring_view text = {};
  std::wstring_view picture = {};
  PointerShape pointer = PointerShape::Arrow;
  std::optional<Colour> textColour = {};
  int textLimit = 0;
  bool visible = true;
};

// The component a row declares, and the components of a table of rows.
Component makeComponent(const ComponentRow& row);
std::vector<Component> makeComponents(std::span<const ComponentRow> rows);

class UnknownComponent : public std::out_of_range {
 public:
  explicit UnknownComponent(std::wstring_view name);
  const std::wstring& name() const { return name_; }

 private:
  std::wstring name_;
};

enum class ComponentEvent {
  Click,      // check boxes, radio buttons, buttons, links, pictures, menu items
  Change,     // lists, colour boxes, scroll bars, up-downs, pickers, edits, tabs, list views
  Typed,      // text typed into an editable list
  MouseDown,  // any mouse button pressed on the component
  MouseMove,
  MouseLeave,
  Focus,      // the keyboard's focus comes to a control that takes a click (a label, a headline)
  FocusLost,  // and leaves it
  Close,      // the window's close box (the Window component)
  DpiChange,  // the window's resolution, on the Window component: at its making and whenever it
              // moves to a screen of another DPI (input.dpi)
  // Web browsers:
  DocumentComplete,  // the page has loaded
  NavigateError,     // the page could not be loaded; with a handler, the browser's own error
                     // page is not shown
  NewWindow,         // the page asks for a new window (a link with target "_blank"), for
                     // input.address; with a handler, the browser opens no window itself
};

// Who set off an event: the user at a control, or the program itself (loading the settings
// runs the same click and change actions a user's change does).
enum class EventSource { User, Program };

enum class MouseButton { Left, Right, Middle };

// What the user did to a control, put into its state before its handlers run: a handler sees
// the control as it now stands, as in the window's own event handlers.
struct ComponentInput {
  std::optional<bool> checked;
  std::optional<std::wstring> text;
  std::optional<int> selected;
  std::optional<int> position;
  std::optional<Colour> colour;
  std::optional<DateTime> value;
  std::optional<Point> point;  // mouse events: where, in the component's own coordinates
  MouseButton button = MouseButton::Left;
  std::optional<int> dpi;  // DpiChange: the window's DPI now
  std::wstring address;    // web browser events: the address they concern (not kept)
};

struct EventContext {
  std::wstring_view component;
  ComponentEvent event = ComponentEvent::Click;
  EventSource source = EventSource::User;
  const ComponentInput* input = nullptr;
};

// A window's timer as a model object: an interval and a running flag. The view runs a real
// timer while it is enabled; tests call the owner's handler themselves, so a simulated day of
// ticks runs without a message loop.
class ModelTimer {
 public:
  ModelTimer(std::uint32_t intervalMs, bool enabled) : interval_(intervalMs), enabled_(enabled) {}
  ModelTimer(const ModelTimer&) = delete;
  ModelTimer& operator=(const ModelTimer&) = delete;

  std::uint32_t interval() const { return interval_; }
  bool enabled() const { return enabled_; }
  // Starting a running timer or stopping a stopped one changes nothing (no restart), as with
  // the native timers.
  void start() { setEnabled(true); }
  void stop() { setEnabled(false); }
  void setEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    if (enabled) ++starts_;
  }
  void setInterval(std::uint32_t intervalMs) { interval_ = intervalMs; }
  // How often the timer went from stopped to running.
  std::uint64_t starts() const { return starts_; }

 private:
  std::uint32_t interval_;
  bool enabled_;
  std::uint64_t starts_ = 0;
};

class ComponentTable {
 public:
  using Handler = std::function<void(const EventContext&)>;

  ComponentTable() = default;
  explicit ComponentTable(std::vector<Component> components);
  ComponentTable(const ComponentTable&) = delete;
  ComponentTable& operator=(const ComponentTable&) = delete;

  // Adds a component; a name already there throws std::invalid_argument.
  Component& add(Component component);

  bool contains(std::wstring_view name) const { return index_.find(name) != index_.end(); }
  // A component reached for writing is marked as changed (see changed() below); reading goes
  // through the const forms.
  Component& component(std::wstring_view name);
  const Component& component(std::wstring_view name) const;
  // The state of a component: the form handlers and the view use.
  ComponentState& operator[](std::wstring_view name) { return component(name).state; }
  const ComponentState& operator[](std::wstring_view name) const { return component(name).state; }

  // The window's own component (the first of kind Window); throws UnknownComponent when the
  // table has none.
  Component& window();
  const Component& window() const;

  // The component at `index` in creation order, for code that keeps places rather than names
  // (no look-up by name); the writable form marks it.
  Component& at(std::size_t index) {
    Component& reached = components_.at(index);
    markChanged(reached);
    return reached;
  }
  const Component& at(std::size_t index) const { return components_.at(index); }
  // The place in creation order of a component of this table.
  std::size_t indexOf(const Component& component) const {
    return static_cast<std::size_t>(&component - components_.data());
  }

  // In creation order. The writable list marks every component as changed.
  std::vector<Component>& all();
  const std::vector<Component>& all() const { return components_; }

  // ---- What changed ----
  // Whether the component at `index` (in creation order) was reached for writing since the view
  // last took it: the view brings only those up to date, so that a second in which a window's
  // model changed nothing costs that window nothing. A mark says "may have changed": the view
  // still compares the state with what it shows.
  bool changed(std::size_t index) const { return index < changed_.size() && changed_[index]; }
  bool anyChanged() const { return anyChanged_; }
  void takeChanged(std::size_t index) {
    if (index < changed_.size()) changed_[index] = false;
  }
  // After the view took every mark it could: whether any are left (a hidden window's controls
  // keep theirs until it shows).
  void settleChanged() { anyChanged_ = std::find(changed_.begin(), changed_.end(), true) != changed_.end(); }
  void markAllChanged();

  // ---- Handlers ----
  // Runs `handler` for `event` on `component`, after the handlers registered before it.
  void on(std::wstring_view component, ComponentEvent event, Handler handler);
  void on(std::wstring_view component, ComponentEvent event, std::function<void()> handler);
  bool hasHandler(std::wstring_view component, ComponentEvent event) const;

  // The user (or the program) acted on a component: the input goes into its state, then its
  // handlers for the event run in the order they were registered. Gives whether any ran.
  bool raise(std::wstring_view component, ComponentEvent event, const ComponentInput& input = {},
             EventSource source = EventSource::User);
  // Runs the handlers only, the state as it stands.
  bool dispatch(std::wstring_view component, ComponentEvent event, EventSource source = EventSource::Program);

  // Runs before the handlers of every raised event, after the input went into the state (the
  // control panel copies a bound control's state into the settings here).
  std::function<void(Component&, ComponentEvent, EventSource)> beforeHandlers;
  // Runs after the handlers of every raised event.
  std::function<void()> afterHandlers;
  // Asks the view to show every state now, before a step that blocks (a message box); the
  // view sets it.
  std::function<void()> showNow;

  // ---- Timers ----
  // A named timer of the window and the handler its ticks run.
  void addTimer(std::wstring_view name, ModelTimer& timer, std::function<void()> handler);
  struct TimerEntry {
    std::wstring name;
    ModelTimer* timer = nullptr;
    std::function<void()> handler;
  };
  const std::vector<TimerEntry>& timers() const { return timers_; }
  // Runs a timer's handler (the view, at each tick), then afterHandlers. False for a name that
  // is no timer of this window.
  bool tick(std::wstring_view name);

 private:
  // Looked up by a view of the name, so that finding a component makes no string.
  struct NameHash {
    using is_transparent = void;
    std::size_t operator()(std::wstring_view name) const noexcept { return std::hash<std::wstring_view>{}(name); }
  };
  void markChanged(const Component& component) {
    changed_[indexOf(component)] = true;
    anyChanged_ = true;
  }

  std::vector<Component> components_;
  std::vector<bool> changed_;  // by index, as components_
  bool anyChanged_ = false;
  std::unordered_map<std::wstring, std::size_t, NameHash, std::equal_to<>> index_;
  std::map<std::pair<std::wstring, ComponentEvent>, std::vector<Handler>> handlers_;
  std::vector<TimerEntry> timers_;
};

// Applies what the user did to a component's state, by its kind.
void applyInput(Component& component, const ComponentInput& input);

}  // namespace tikora
