// The component table every window model is made of: names are checked, a raised event puts the
// user's input into the state and then runs the binding, the handlers in their order and the
// after-event step, and timers tick through their handlers.
#include "core/component.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tikora {
namespace {

std::vector<Component> sample() {
  Component box = makeComponent(L"CheckBox9", ComponentKind::CheckBox, L"TForm2");
  Component list = makeComponent(L"ComboBox7", ComponentKind::ComboBox, L"TForm2");
  list.state.items = {L"Normal", L"Italic", L"Bold"};
  Component hour = makeComponent(L"ComboBox3", ComponentKind::EditableComboBox, L"TForm2");
  hour.state.items = {L"00", L"01"};
  return {box, list, hour};
}

TEST(ComponentTableTest, AMisspeltNameFailsAtOnce) {
  ComponentTable table(sample());
  EXPECT_THROW(table[L"CheckBox99"], UnknownComponent);
  EXPECT_THROW(table.on(L"Checkbox9", ComponentEvent::Click, [] {}), UnknownComponent);
  EXPECT_THROW(table.raise(L"ComboBox 7", ComponentEvent::Change), UnknownComponent);
  EXPECT_THROW(table.dispatch(L"Label1", ComponentEvent::Click), UnknownComponent);
  EXPECT_THROW(table.add(makeComponent(L"CheckBox9", ComponentKind::CheckBox)), std::invalid_argument);
  EXPECT_NO_THROW(table[L"CheckBox9"]);
}

TEST(ComponentTableTest, RaisedEventPutsTheInputInThenRunsBindingHandlersAndAfterStep) {
  ComponentTable table(sample());
  std::vector<std::wstring> trace;
  table.beforeHandlers = [&](Component& c, ComponentEvent, EventSource source) {
    trace.push_back(L"bind " + c.name + (c.state.checked ? L" ticked" : L" clear") +
                    (source == EventSource::User ? L" by user" : L" by program"));
  };
  table.afterHandlers = [&] { trace.push_back(L"after"); };
  table.on(L"CheckBox9", ComponentEvent::Click, [&] { trace.push_back(L"first"); });
  table.on(L"CheckBox9", ComponentEvent::Click,
           [&](const EventContext& e) { trace.push_back(L"second " + std::wstring(e.component)); });

  ComponentInput tick;
  tick.checked = true;
  EXPECT_TRUE(table.raise(L"CheckBox9", ComponentEvent::Click, tick));
  EXPECT_EQ(trace,
            (std::vector<std::wstring>{L"bind CheckBox9 ticked by user", L"first", L"second CheckBox9", L"after"}));
  EXPECT_TRUE(table[L"CheckBox9"].checked);

  // An event nobody handles still binds and ends with the after step.
  trace.clear();
  EXPECT_FALSE(table.raise(L"CheckBox9", ComponentEvent::MouseDown, {}, EventSource::Program));
  EXPECT_EQ(trace, (std::vector<std::wstring>{L"bind CheckBox9 ticked by program", L"after"}));

  // dispatch runs the handlers alone, the state as it stands.
  trace.clear();
  EXPECT_TRUE(table.dispatch(L"CheckBox9", ComponentEvent::Click));
  EXPECT_EQ(trace, (std::vector<std::wstring>{L"first", L"second CheckBox9"}));
}

TEST(ComponentTableTest, InputGoesIntoTheStateByKind) {
  ComponentTable table(sample());
  ComponentInput pick;
  pick.selected = 2;
  table.raise(L"ComboBox7", ComponentEvent::Change, pick);
  EXPECT_EQ(table[L"ComboBox7"].selected, 2);
  EXPECT_EQ(table[L"ComboBox7"].text, L"Bold") << "a pick-only list shows the picked item";

  // An editable list keeps what was typed, even when it names no item.
  ComponentInput typed;
  typed.text = L"7";
  table.raise(L"ComboBox3", ComponentEvent::Typed, typed);
  EXPECT_EQ(table[L"ComboBox3"].text, L"7");
  EXPECT_EQ(table[L"ComboBox3"].selected, -1);
}

TEST(ComponentTableTest, TimersTickThroughTheirHandlers) {
  ComponentTable table(sample());
  ModelTimer timer4{1000, false};
  int ticks = 0, after = 0;
  table.afterHandlers = [&] { ++after; };
  table.addTimer(L"Timer4", timer4, [&] { ++ticks; });
  EXPECT_TRUE(table.tick(L"Timer4"));
  EXPECT_FALSE(table.tick(L"Timer5"));
  EXPECT_EQ(ticks, 1);
  EXPECT_EQ(after, 1);

  timer4.start();
  timer4.start();  // no restart
  timer4.stop();
  timer4.start();
  EXPECT_EQ(timer4.starts(), 2u);
}

}  // namespace
}  // namespace tikora
