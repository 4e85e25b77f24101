// Every control a user can act on in every window of the program has a name a screen reader
// reads, as the system's accessibility proxies find it: the control's own text, or the text of
// the label just before it (for edits, lists, pickers and bars, which show no caption of their
// own); every item of every list has a text; and whatever takes a click or a key is a real
// control, so that the keyboard and a screen reader reach it.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>
#include <oleacc.h>

#include <algorithm>
#include <cwctype>
#include <set>
#include <string>
#include <vector>

#include "rss/ticker_window_names.h"
#include "tests/win32/program_windows_fixture.h"
#include "ui/win32/clock_window.h"

namespace tikora {
namespace {

using testing::ProgramWindows;

std::wstring className(HWND hwnd) {
  wchar_t name[64]{};
  GetClassNameW(hwnd, name, 64);
  return name;
}

bool isClass(HWND hwnd, const wchar_t* name) { return lstrcmpiW(className(hwnd).c_str(), name) == 0; }

// The text without its mnemonic marks and blanks.
std::wstring spoken(std::wstring text) {
  std::erase_if(text, [](wchar_t c) { return c == L'&' || c == L' ' || c == L'\r' || c == L'\n'; });
  return text;
}

std::wstring textOf(HWND hwnd) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
  return text;
}

// Controls that show no caption of their own take their name from the label before them.
bool namedByLabel(HWND hwnd) {
  for (const wchar_t* cls : {L"Edit", L"ComboBox", WC_LISTVIEWW, DATETIMEPICK_CLASSW, UPDOWN_CLASSW, L"ScrollBar"})
    if (isClass(hwnd, cls)) return true;
  return false;
}

// The name a control gives through an accessible object of its own (WM_GETOBJECT); empty for
// a control that leaves it to the system.
std::wstring ownName(HWND hwnd) {
  const LRESULT answer = SendMessageW(hwnd, WM_GETOBJECT, 0, OBJID_CLIENT);
  IAccessible* object = nullptr;
  if (answer <= 0 || FAILED(ObjectFromLresult(answer, __uuidof(IAccessible), 0, reinterpret_cast<void**>(&object))))
    return {};
  VARIANT self{};
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  BSTR name = nullptr;
  std::wstring found;
  if (object->get_accName(self, &name) == S_OK && name) found = name;
  SysFreeString(name);
  object->Release();
  return spoken(found);
}

std::wstring itemText(HWND combo, int item) {
  std::wstring text(static_cast<std::size_t>(SendMessageW(combo, CB_GETLBTEXTLEN, item, 0)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(SendMessageW(combo, CB_GETLBTEXT, item, reinterpret_cast<LPARAM>(text.data()))));
  return text;
}

// The name as the proxies read it: the control's own answer, or its window text, else (for the
// controls above) the text of the static label just before it; an up-down is named as the edit
// it steps.
std::wstring accessibleName(HWND hwnd) {
  if (std::wstring own = ownName(hwnd); !own.empty()) return own;
  if (isClass(hwnd, UPDOWN_CLASSW)) {
    HWND buddy = reinterpret_cast<HWND>(SendMessageW(hwnd, UDM_GETBUDDY, 0, 0));
    return buddy ? accessibleName(buddy) : std::wstring();
  }
  // A combo box's window text is its selection, not its name.
  if (!namedByLabel(hwnd) || isClass(hwnd, L"Button")) return spoken(textOf(hwnd));
  // A label of a sign or a number alone (":", "0") names nothing.
  HWND before = GetWindow(hwnd, GW_HWNDPREV);
  if (!before || !isClass(before, L"Static")) return {};
  const std::wstring label = spoken(textOf(before));
  return std::any_of(label.begin(), label.end(), iswalpha) ? label : std::wstring();
}

// A page control is read by its pages' captions.
bool everyTabNamed(HWND tabs) {
  const int count = TabCtrl_GetItemCount(tabs);
  for (int i = 0; i < count; ++i) {
    wchar_t text[64]{};
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = 64;
    if (!TabCtrl_GetItem(tabs, i, &item) || spoken(text).empty()) return false;
  }
  return count > 0;
}

// A control a user works: one the keyboard stops at, or one that takes a click.
bool actedOn(HWND hwnd, bool takesClick) {
  if (takesClick || (GetWindowLongW(hwnd, GWL_STYLE) & WS_TABSTOP)) return true;
  if (isClass(hwnd, L"Static")) return false;
  if (isClass(hwnd, L"Button")) return (GetWindowLongW(hwnd, GWL_STYLE) & BS_TYPEMASK) != BS_GROUPBOX;
  return namedByLabel(hwnd);
}

// What a window leaves a screen reader without: its nameless controls, its list items without
// text, and the components that take a click or a key but have no control.
std::vector<std::wstring> namelessIn(const ComponentTable& table, ComponentView& view) {
  std::vector<std::wstring> nameless;
  const std::wstring window = table.window().name;
  for (const Component& c : table.all()) {
    if (c.kind == ComponentKind::Window || c.kind == ComponentKind::MenuItem || c.kind == ComponentKind::Layer)
      continue;
    const std::wstring where = window + L"." + c.name;
    HWND hwnd = view.control(c.name);
    const bool takesClick =
        table.hasHandler(c.name, ComponentEvent::Click) || table.hasHandler(c.name, ComponentEvent::MouseDown);
    if (!hwnd) {
      if (takesClick && c.state.visible) nameless.push_back(where + L" (painted, takes a click)");
      continue;
    }
    if (!c.state.visible) continue;  // out of reach
    if (isClass(hwnd, WC_TABCONTROLW)) {
      if (!everyTabNamed(hwnd)) nameless.push_back(where + L" (a page without a caption)");
    } else if (actedOn(hwnd, takesClick) && accessibleName(hwnd).empty())
      nameless.push_back(where + L" (" + className(hwnd) + L")");
    if (isClass(hwnd, L"ComboBox")) {
      const bool owned = GetWindowLongW(hwnd, GWL_STYLE) & (CBS_OWNERDRAWFIXED | CBS_OWNERDRAWVARIABLE);
      const bool strings = GetWindowLongW(hwnd, GWL_STYLE) & CBS_HASSTRINGS;
      const LRESULT count = SendMessageW(hwnd, CB_GETCOUNT, 0, 0);
      for (int i = 0; i < count; ++i) {
        if ((owned && !strings) || spoken(itemText(hwnd, i)).empty()) {
          nameless.push_back(where + L" item " + std::to_wstring(i));
          break;
        }
      }
    }
  }
  return nameless;
}

TEST_F(ProgramWindows, EveryControlAUserWorksHasANameAndEveryListItemAText) {
  program_->ticker()->clearHeadlines();
  for (int i = 0; i < 3; ++i) program_->ticker()->addHeadline(i, L"A headline of the day, " + std::to_wstring(i));
  program_->ticker()->finishHeadlines();
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  std::vector<std::wstring> nameless;
  for (ComponentTable* table : {&program_->controlPanel()->components(), &program_->planner()->components(),
                                &program_->reminder()->components(), &program_->ticker()->components(),
                                &program_->pageView()->components(), &program_->todaysDate()->components()}) {
    ModelWindow& window = show(*table);
    if (!window.hwnd()) GTEST_SKIP() << "no display for windows: run the Win32 tests under xvfb-run";
    for (const std::wstring& found : namelessIn(*table, window.view())) nameless.push_back(found);
  }
  // What some of them say: the pictures' and colours' items, a close cross, controls named by
  // what they hold.
  ComponentView& panel = windows_[0]->view();
  EXPECT_EQ(itemText(panel.control(L"ComboBox1"), 6), L"Frame colour 7");
  EXPECT_EQ(itemText(panel.control(L"ComboBox2"), 17), L"Hand style 18");
  EXPECT_EQ(itemText(panel.control(L"ColorBox1"), 0), L"Black");
  EXPECT_EQ(itemText(panel.control(L"ColorBox1"), 16), L"Custom...");
  EXPECT_EQ(ownName(panel.control(L"Edit1")), spoken(L"Minutes until power-off"));
  EXPECT_EQ(ownName(windows_[1]->view().control(L"ListView1")), spoken(L"Items List"));
  EXPECT_EQ(textOf(windows_[2]->view().control(L"Image1")), L"Close the reminder");
  std::string list;
  for (const std::wstring& found : nameless) list += "\n  " + std::string(found.begin(), found.end());
  EXPECT_TRUE(nameless.empty()) << nameless.size() << " without a name:" << list;
  CoUninitialize();
}

// The controls Tab stops at in `window`, in order, from the first.
std::vector<HWND> tabOrder(HWND window) {
  std::vector<HWND> order;
  HWND at = GetNextDlgTabItem(window, nullptr, FALSE);
  while (at && order.size() < 100 && std::find(order.begin(), order.end(), at) == order.end()) {
    order.push_back(at);
    at = GetNextDlgTabItem(window, at, FALSE);
  }
  return order;
}

MSG keyDown(HWND to, WPARAM key) {
  MSG message{};
  message.hwnd = to;
  message.message = WM_KEYDOWN;
  message.wParam = key;
  return message;
}

// The pixels of the window where `control` lies, as the screen shows them.
std::vector<COLORREF> pixelsOf(HWND control) {
  HWND window = GetAncestor(control, GA_ROOT);
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  const RECT area = testing::placeIn(control, window);
  HDC screen = GetDC(window);
  std::vector<COLORREF> pixels;
  for (LONG y = area.top; y < area.bottom; ++y)
    for (LONG x = area.left; x < area.right; ++x) pixels.push_back(GetPixel(screen, x, y));
  ReleaseDC(window, screen);
  return pixels;
}

// The close crosses of the popups look as they did when the window painted them, are in the tab
// order, and Enter on one closes its window as a click does.
TEST_F(ProgramWindows, CloseCrossesLookTheSameAndTheKeyboardPressesThem) {
  for (ComponentTable* table : {&program_->reminder()->components(), &program_->pageView()->components(),
                                &program_->todaysDate()->components()}) {
    ModelWindow& window = show(*table);
    if (!window.hwnd()) GTEST_SKIP() << "no display for windows: run the Win32 tests under xvfb-run";
    const std::wstring name = table->window().name;
    HWND cross = nullptr;
    for (const Component& c : table->all())
      if (c.kind == ComponentKind::Picture && textOf(window.view().control(c.name)).starts_with(L"Close"))
        cross = window.view().control(c.name);
    ASSERT_NE(cross, nullptr) << std::string(name.begin(), name.end());
    const std::vector<HWND> order = tabOrder(window.hwnd());
    EXPECT_NE(std::find(order.begin(), order.end(), cross), order.end())
        << std::string(name.begin(), name.end()) << ": Tab never reaches the cross";
    EXPECT_EQ(std::count_if(order.begin(), order.end(), [](HWND stop) { return textOf(stop).starts_with(L"Close"); }),
              1)
        << std::string(name.begin(), name.end()) << ": one stop closes the window";
    // The button shows exactly what the window paints under it.
    const std::vector<COLORREF> drawn = pixelsOf(cross);
    ShowWindow(cross, SW_HIDE);
    const std::vector<COLORREF> painted = pixelsOf(cross);
    ShowWindow(cross, SW_SHOWNA);
    EXPECT_EQ(drawn, painted) << std::string(name.begin(), name.end());
    EXPECT_GT(std::set<COLORREF>(drawn.begin(), drawn.end()).size(), 1u) << "a cross shows";
    SetFocus(cross);
    MSG enter = keyDown(cross, VK_RETURN);
    EXPECT_TRUE(IsDialogMessageW(window.hwnd(), &enter));
    EXPECT_FALSE(table->window().state.visible) << std::string(name.begin(), name.end());
  }
}

// A multi-line edit takes every key, and on Tab asks its window for the next control: the
// keyboard leaves the planner's description forwards and backwards.
TEST_F(ProgramWindows, TabLeavesThePlannersDescription) {
  ModelWindow& window = show(program_->planner()->components());
  if (!window.hwnd()) GTEST_SKIP() << "no display for windows: run the Win32 tests under xvfb-run";
  HWND memo = window.view().control(L"Memo1");
  for (const bool backwards : {false, true}) {
    SetFocus(memo);
    BYTE keys[256]{};
    GetKeyboardState(keys);
    keys[VK_SHIFT] = backwards ? 0x80 : 0;
    SetKeyboardState(keys);
    MSG tab = keyDown(memo, VK_TAB);
    if (!IsDialogMessageW(window.hwnd(), &tab)) DispatchMessageW(&tab);
    keys[VK_SHIFT] = 0;
    SetKeyboardState(keys);
    EXPECT_EQ(GetFocus(), window.view().control(backwards ? L"Edit1" : L"CheckBox1")) << backwards;
  }
  EXPECT_EQ(textOf(memo), L"") << "no tab typed into it";
}

// The text colour a window gives a label of its own.
COLORREF labelColour(ModelWindow& window, const wchar_t* label) {
  HDC dc = CreateCompatibleDC(nullptr);
  SendMessageW(window.hwnd(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
               reinterpret_cast<LPARAM>(window.view().control(label)));
  const COLORREF colour = GetTextColor(dc);
  DeleteDC(dc);
  return colour;
}

// With high contrast on, the planner's captions take the system's colours; the reminder, a
// picture of the face's colours, keeps its own; turned off, the planner's come back.
TEST_F(ProgramWindows, HighContrastGivesThePlannerTheSystemsColoursAndThePopupsKeepTheirs) {
  ModelWindow& planner = show(program_->planner()->components());
  ModelWindow& reminder = show(program_->reminder()->components());
  if (!planner.hwnd()) GTEST_SKIP() << "no display for windows: run the Win32 tests under xvfb-run";
  const COLORREF later = labelColour(planner, L"Label7"), title = labelColour(reminder, L"Label5");
  ASSERT_NE(later, GetSysColor(COLOR_WINDOWTEXT));
  // The system's answer replaced: Wine keeps high contrast off whatever it is told.
  const auto system = ComponentView::highContrastOn;
  const auto turn = [&](bool on) {
    ComponentView::highContrastOn = on ? +[] { return true; } : system;
    for (ModelWindow* window : {&planner, &reminder})
      SendMessageW(window->hwnd(), WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, 0);
  };
  turn(true);
  EXPECT_EQ(labelColour(planner, L"Label7"), GetSysColor(COLOR_WINDOWTEXT));
  EXPECT_EQ(labelColour(reminder, L"Label5"), title);
  turn(false);
  EXPECT_EQ(labelColour(planner, L"Label7"), later);
}

// Tab reaches the ticker's headlines; the one with the focus holds still and is underlined, as
// under the pointer, and Enter opens its page.
TEST_F(ProgramWindows, TheKeyboardReachesAHeadlineAndEnterOpensItsPage) {
  TickerWindowModel& ticker = *program_->ticker();
  ticker.clearHeadlines();
  // Short, so that all three are in sight at 150 % too.
  for (int i = 0; i < 3; ++i) ticker.addHeadline(i, L"News " + std::to_wstring(i));
  ticker.finishHeadlines();
  std::vector<int> opened;
  ticker.setHooks({[&opened](int item) { opened.push_back(item); }, [] { return false; }});
  ticker.start();
  ModelWindow& window = show(ticker.components());
  if (!window.hwnd()) GTEST_SKIP() << "no display for windows: run the Win32 tests under xvfb-run";
  // The strip moved on until the headlines are in sight (only those have controls on screen).
  ComponentState& strip = ticker.components()[kHeadlineStripName];
  strip.position = strip.bounds.width;
  window.view().sync();
  ASSERT_TRUE(ticker.scrollTimer().enabled());
  std::vector<std::wstring> reached;
  for (HWND at : tabOrder(window.hwnd())) reached.push_back(textOf(at));
  EXPECT_EQ(reached, (std::vector<std::wstring>{headlineCaption(0, L"News 0"), headlineCaption(1, L"News 1"),
                                                headlineCaption(2, L"News 2"), L"Close"}));

  HWND second = window.view().control(headlineName(1));
  SetFocus(second);
  EXPECT_FALSE(ticker.scrollTimer().enabled());
  EXPECT_TRUE(ticker.components()[headlineName(1)].font->underline);
  MSG enter = keyDown(second, VK_RETURN);
  EXPECT_TRUE(IsDialogMessageW(window.hwnd(), &enter));
  EXPECT_EQ(opened, std::vector<int>{1});
  SetFocus(window.view().control(headlineName(0)));
  EXPECT_FALSE(ticker.components()[headlineName(1)].font->underline);
}

// The clock's strip: its two parts are buttons named by their hints, in the tab order, and Enter
// on "Panel" opens the control panel as a click does.
TEST_F(ProgramWindows, TheClocksStripButtonsAreNamedAndTheKeyboardPressesThem) {
  ClockWindow clock(GetModuleHandleW(nullptr), *program_, {});
  ASSERT_TRUE(clock.create());
  ShowWindow(clock.hwnd(), SW_SHOWNA);
  std::vector<std::wstring> reached;
  const std::vector<HWND> order = tabOrder(clock.hwnd());
  for (HWND at : order) reached.push_back(accessibleName(at));
  EXPECT_EQ(reached, (std::vector<std::wstring>{spoken(L"Clock Control Panel"), spoken(L"Close the Program")}));
  ComponentState& panel = program_->controlPanel()->components().window().state;
  panel.visible = false;
  HWND first = order.at(0);
  SetFocus(first);
  EXPECT_TRUE(program_->clockWindow().layer(ClockComponent::Strip).visible) << "the strip shows where the keyboard is";
  MSG enter = keyDown(first, VK_RETURN);
  EXPECT_TRUE(IsDialogMessageW(clock.hwnd(), &enter));
  EXPECT_TRUE(panel.visible);
}

}  // namespace
}  // namespace tikora
