// The generic view's buttons and boxes: push buttons, check boxes, radio buttons, labels, links,
// panels, group boxes, displays, edits and memos; see component_view.h.
#include "ui/win32/component_view.h"

#include "ui/win32/component_view_parts.h"

namespace tikora {
namespace {

bool startsRadioGroup(const ComponentTable& table, std::size_t index) {
  if (index == 0) return true;
  const Component& previous = table.all()[index - 1];
  return previous.kind != ComponentKind::RadioButton || previous.parent != table.all()[index].parent;
}

bool isEdit(ComponentKind kind) { return kind == ComponentKind::Edit || kind == ComponentKind::Memo; }

}  // namespace

void makeButtonClass(ControlClass& made, const Component& c, const ComponentTable& table, std::size_t index) {
  const DWORD align = (c.options & kCentred) ? SS_CENTER : (c.options & kAlignRight) ? SS_RIGHT : SS_LEFT;
  switch (c.kind) {
    case ComponentKind::GroupBox:
      made.className = L"BUTTON";
      made.style = BS_GROUPBOX | WS_GROUP;
      break;
    case ComponentKind::Label:
    case ComponentKind::Link: made.style = align | SS_NOPREFIX | SS_NOTIFY | WS_GROUP; break;
    case ComponentKind::Panel: made.style = SS_CENTER | SS_CENTERIMAGE | SS_NOPREFIX | SS_NOTIFY | WS_GROUP; break;
    case ComponentKind::Display:
      made.style = SS_BLACKRECT | WS_GROUP;
      made.exStyle = WS_EX_STATICEDGE;
      made.text.clear();
      break;
    case ComponentKind::Button:
      made.className = L"BUTTON";
      made.style = (c.state.isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) | kTabStop;
      break;
    case ComponentKind::CheckBox:
      made.className = L"BUTTON";
      made.style = BS_CHECKBOX | kTabStop | ((c.options & kMultiLine) ? BS_MULTILINE : 0);
      break;
    case ComponentKind::RadioButton:
      made.className = L"BUTTON";
      made.style = BS_RADIOBUTTON | ((c.options & kMultiLine) ? BS_MULTILINE : 0) |
                   (startsRadioGroup(table, index) ? kTabStop : 0);
      break;
    case ComponentKind::Edit:
      made.className = L"EDIT";
      made.style = ES_AUTOHSCROLL | kTabStop | ((c.options & kNumbersOnly) ? ES_NUMBER : 0);
      made.exStyle = WS_EX_CLIENTEDGE;
      break;
    case ComponentKind::Memo:
      made.className = L"EDIT";
      made.style = ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL | kTabStop;
      made.exStyle = WS_EX_CLIENTEDGE;
      break;
    default: break;
  }
  // A caption that lies over another control (the reminder's "Close" over its button) is reached
  // through that control, not as a second stop that does the same.
  if (isClickableLabel(c, table) && !(c.options & kOverPrevious)) made.style |= WS_TABSTOP;
}

bool isClickableLabel(const Component& c, const ComponentTable& table) {
  return (c.kind == ComponentKind::Label || c.kind == ComponentKind::Link || c.kind == ComponentKind::Panel) &&
         table.hasHandler(c.name, ComponentEvent::Click);
}

void ComponentView::applyButton(std::size_t index, const ComponentState* before) {
  const Component& c = model_.all()[index];
  const ComponentState& s = c.state;
  HWND hwnd = controls_[index].hwnd;
  if (c.kind == ComponentKind::Display) return;
  if ((c.kind == ComponentKind::CheckBox || c.kind == ComponentKind::RadioButton) &&
      (!before || before->checked != s.checked))
    SendMessageW(hwnd, BM_SETCHECK, s.checked ? BST_CHECKED : BST_UNCHECKED, 0);
  // Setting the same text again would put an edit's caret back to the start.
  if ((!before || before->text != s.text) && windowText(hwnd) != s.text) SetWindowTextW(hwnd, s.text.c_str());
  if (isEdit(c.kind) && (!before || before->textLimit != s.textLimit))
    SendMessageW(hwnd, EM_LIMITTEXT, static_cast<WPARAM>(s.textLimit), 0);
}

void ComponentView::onButtonCommand(std::size_t index, UINT code) {
  const Component& c = model_.all()[index];
  ComponentInput input;
  switch (c.kind) {
    case ComponentKind::Button:
      if (code == BN_CLICKED) raise(c.name, ComponentEvent::Click);
      break;
    case ComponentKind::CheckBox:
      if (code != BN_CLICKED) break;
      input.checked = !c.state.checked;
      raise(c.name, ComponentEvent::Click, input);
      break;
    case ComponentKind::RadioButton:
      if (code != BN_CLICKED || c.state.checked) break;
      input.checked = true;
      raise(c.name, ComponentEvent::Click, input);
      break;
    case ComponentKind::Label:
    case ComponentKind::Link:
    case ComponentKind::Panel:
      if (code == STN_CLICKED) raise(c.name, ComponentEvent::Click);
      break;
    case ComponentKind::Edit:
    case ComponentKind::Memo:
      if (code != EN_CHANGE) break;
      input.text = windowText(controls_[index].hwnd);
      raise(c.name, ComponentEvent::Change, input);
      break;
    default: break;
  }
}

}  // namespace tikora
