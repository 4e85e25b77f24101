// The component table; see component.h.
#include "core/component.h"

namespace tikora {

Component makeComponent(const ComponentRow& row) {
  Component made = makeComponent(std::wstring(row.name), row.kind, std::wstring(row.parent));
  made.options = row.options;
  ComponentState& state = made.state;
  state.bounds = row.bounds;
  state.text = std::wstring(row.text);
  state.picture = std::wstring(row.picture);
  state.pointer = row.pointer;
  state.textColour = row.textColour;
  state.textLimit = row.textLimit;
  state.visible = row.visible;
  return made;
}

std::vector<Component> makeComponents(std::span<const ComponentRow> rows) {
  std::vector<Component> made;
  made.reserve(rows.size());
  for (const ComponentRow& row : rows) made.push_back(makeComponent(row));
  return made;
}

namespace {

std::string narrow(std::wstring_view text) {
  std::string out;
  out.reserve(text.size());
  for (wchar_t c : text) out.push_back(c < 0x80 ? static_cast<char>(c) : '?');
  return out;
}

}  // namespace

UnknownComponent::UnknownComponent(std::wstring_view name)
    : std::out_of_range("no component named " + narrow(name)), name_(name) {}

ComponentTable::ComponentTable(std::vector<Component> components) {
  components_.reserve(components.size());
  for (Component& component : components) add(std::move(component));
}

Component& ComponentTable::add(Component component) {
  if (contains(component.name)) throw std::invalid_argument("two components named " + narrow(component.name));
  index_.emplace(component.name, components_.size());
  components_.push_back(std::move(component));
  return components_.back();
}

Component& ComponentTable::component(std::wstring_view name) {
  const auto found = index_.find(name);
  if (found == index_.end()) throw UnknownComponent(name);
  return components_[found->second];
}

const Component& ComponentTable::component(std::wstring_view name) const {
  const auto found = index_.find(name);
  if (found == index_.end()) throw UnknownComponent(name);
  return components_[found->second];
}

Component& ComponentTable::window() {
  for (Component& c : components_)
    if (c.kind == ComponentKind::Window) return c;
  throw UnknownComponent(L"(the window)");
}

const Component& ComponentTable::window() const {
  for (const Component& c : components_)
    if (c.kind == ComponentKind::Window) return c;
  throw UnknownComponent(L"(the window)");
}

void ComponentTable::on(std::wstring_view name, ComponentEvent event, Handler handler) {
  if (!contains(name)) throw UnknownComponent(name);
  handlers_[{std::wstring(name), event}].push_back(std::move(handler));
}

void ComponentTable::on(std::wstring_view name, ComponentEvent event, std::function<void()> handler) {
  on(name, event, Handler([run = std::move(handler)](const EventContext&) { run(); }));
}

bool ComponentTable::hasHandler(std::wstring_view name, ComponentEvent event) const {
  return handlers_.count({std::wstring(name), event}) != 0;
}

bool ComponentTable::raise(std::wstring_view name, ComponentEvent event, const ComponentInput& input,
                           EventSource source) {
  Component& target = component(name);
  applyInput(target, input);
  if (beforeHandlers) beforeHandlers(target, event, source);
  const auto found = handlers_.find({std::wstring(name), event});
  bool ran = false;
  if (found != handlers_.end()) {
    const EventContext context{target.name, event, source, &input};
    // A handler may register others; the list is copied so that the loop stays valid.
    const std::vector<Handler> handlers = found->second;
    for (const Handler& handler : handlers) handler(context);
    ran = true;
  }
  if (afterHandlers) afterHandlers();
  return ran;
}

bool ComponentTable::dispatch(std::wstring_view name, ComponentEvent event, EventSource source) {
  const auto found = handlers_.find({std::wstring(name), event});
  if (found == handlers_.end()) {
    if (!contains(name)) throw UnknownComponent(name);
    return false;
  }
  const ComponentInput none;
  const EventContext context{name, event, source, &none};
  const std::vector<Handler> handlers = found->second;
  for (const Handler& handler : handlers) handler(context);
  return true;
}

void ComponentTable::addTimer(std::wstring_view name, ModelTimer& timer, std::function<void()> handler) {
  timers_.push_back(TimerEntry{std::wstring(name), &timer, std::move(handler)});
}

bool ComponentTable::tick(std::wstring_view name) {
  for (const TimerEntry& entry : timers_) {
    if (entry.name != name) continue;
    if (entry.handler) entry.handler();
    if (afterHandlers) afterHandlers();
    return true;
  }
  return false;
}

void applyInput(Component& component, const ComponentInput& input) {
  ComponentState& state = component.state;
  if (input.checked) state.checked = *input.checked;
  if (input.text) state.text = *input.text;
  if (input.selected) {
    state.selected = *input.selected;
    // A pick-only list shows the picked item's text.
    if (component.kind != ComponentKind::EditableComboBox && state.selected >= 0 &&
        static_cast<std::size_t>(state.selected) < state.items.size() && !input.text)
      state.text = state.items[static_cast<std::size_t>(state.selected)];
  }
  if (input.position) state.position = *input.position;
  if (input.colour) state.selectedColour = *input.colour;
  if (input.value) state.value = *input.value;
}

}  // namespace tikora
