// The control panel's "RSS Reader" page as a small component table, for the tests of the RSS
// reader's models (native) and of their platform services (Win32).
#pragma once
#include <vector>

#include "core/component.h"

namespace tikora::testing {

// The page's components as the control panel lays them out: the lists filled, the scroll bars
// at their layout positions.
inline std::vector<Component> rssPageComponents() {
  using K = ComponentKind;
  std::vector<Component> page;
  auto add = [&](const wchar_t* name, K kind) -> ComponentState& {
    page.push_back(makeComponent(name, kind, L"TabSheet3"));
    return page.back().state;
  };
  add(L"Edit2", K::Edit);
  add(L"Edit3", K::Edit);
  add(L"Button3", K::Button).text = L"Add RSS Address Channel to The List";
  add(L"Button2", K::Button).text = L"Select Position and Remove From The List";
  add(L"ListView1", K::ListView);
  add(L"ComboBox8", K::ComboBox);
  add(L"Button4", K::Button).text = L"Read RSS Channel";
  add(L"Button6", K::Button).text = L"Stop Read ";
  add(L"ComboBox9", K::FontList).text = L"Arial";
  ComponentState& styles = add(L"ComboBox10", K::ComboBox);
  styles.items = {L"Normal", L"Italic", L"Bold", L"Italic Bold"};
  styles.selected = 0;
  styles.text = L"Normal";
  ComponentState& sizes = add(L"ComboBox11", K::EditableComboBox);
  sizes.items = {L"10", L"12", L"14", L"16", L"18"};
  sizes.selected = 3;
  sizes.text = L"16";
  add(L"ScrollBar4", K::ScrollBar);
  ComponentState& step = add(L"ScrollBar5", K::ScrollBar);
  step.minimum = 2;
  step.maximum = 60;
  step.position = 30;
  ComponentState& speed = add(L"ScrollBar6", K::ScrollBar);
  speed.minimum = 1;
  speed.maximum = 1000;
  speed.position = 150;
  return page;
}

}  // namespace tikora::testing
