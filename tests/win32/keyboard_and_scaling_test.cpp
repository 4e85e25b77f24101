// The program's windows as a user meets them through the keyboard and at the screen's scaling:
// Tab walks each control panel page a group at a time, top to bottom; the arrow keys move within
// one radio group and never out of it; the planner's edits stop typed text at their lengths; and
// the reminder, the ticker and the page view grow with the scaling and keep every part inside.
// Run at 96 and, in the 144-DPI prefix, at 150 %.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "clock/settings_schema.h"
#include "core/dpi.h"
#include "tests/win32/program_windows_fixture.h"

namespace tikora {
namespace {

using testing::children;
using testing::placeIn;
using testing::ProgramWindows;

TEST_F(ProgramWindows, ReminderTickerAndPageViewGrowWithTheScalingAndKeepEveryPartInside) {
  program_->ticker()->clearHeadlines();
  for (int i = 0; i < 3; ++i) program_->ticker()->addHeadline(i, L"A headline of the day, " + std::to_wstring(i));
  program_->ticker()->finishHeadlines();
  struct Case {
    ComponentTable& table;
    int width, height;  // the client area at 96 DPI; 0: the screen's width
  };
  for (const Case& c :
       {Case{program_->reminder()->components(), 492, 261}, Case{program_->ticker()->components(), 0, 55},
        Case{program_->pageView()->components(), 800, 290}}) {
    ModelWindow& window = show(c.table);
    if (!window.hwnd()) GTEST_SKIP() << "no display for windows: run the Win32 tests under xvfb-run";
    const int dpi = window.view().dpi();
    const std::wstring name = c.table.window().name;
    RECT client{};
    GetClientRect(window.hwnd(), &client);
    EXPECT_EQ(client.right, c.width ? scaleToDpi(c.width, dpi) : GetSystemMetrics(SM_CXSCREEN)) << name;
    EXPECT_EQ(client.bottom, scaleToDpi(c.height, dpi)) << name;
    for (HWND child : children(window.hwnd())) {
      if (!IsWindowVisible(child)) continue;
      const RECT r = placeIn(child, window.hwnd());
      // The ticker's headlines run beyond its ends on purpose; top to bottom everything fits.
      const bool across = c.width == 0;
      EXPECT_TRUE((across || (r.left >= 0 && r.right <= client.right)) && r.top >= 0 && r.bottom <= client.bottom)
          << name << " child " << GetDlgCtrlID(child) << " at " << r.left << "," << r.top << "-" << r.right << ","
          << r.bottom << " of " << client.right << "x" << client.bottom;
    }
  }
}

TEST_F(ProgramWindows, ThePlannersEditsStopTypedTextAtTheirLengths) {
  ComponentTable& planner = program_->planner()->components();
  ModelWindow& window = show(planner);
  if (!window.hwnd()) GTEST_SKIP() << "no display for windows: run the Win32 tests under xvfb-run";
  for (const auto& [edit, longest] : {std::pair{L"Edit1", 96}, std::pair{L"Memo1", 255}}) {
    HWND control = window.view().control(edit);
    for (int i = 0; i < longest + 20; ++i) SendMessageW(control, WM_CHAR, L'a' + i % 26, 0);
    EXPECT_EQ(GetWindowTextLengthW(control), longest) << edit;
    EXPECT_EQ(planner[edit].text.size(), std::size_t(longest)) << edit << ": the model has what shows";
  }
}

// The control panel's pages: the controls the keyboard reaches, in the order Tab takes them.
class ControlPanelKeys : public ProgramWindows {
 protected:
  std::vector<HWND> tabOrder(HWND panel, HWND first) {
    std::vector<HWND> order{first};
    for (HWND next = GetNextDlgTabItem(panel, first, FALSE); next && next != first;
         next = GetNextDlgTabItem(panel, next, FALSE)) {
      order.push_back(next);
      if (order.size() > 500) break;
    }
    return order;
  }
  // The group box around a control: the smallest shown one holding its centre; 0 for none.
  HWND groupOf(HWND panel, HWND control) {
    const RECT r = placeIn(control, panel);
    const POINT centre{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    HWND best = nullptr;
    long bestArea = 0;
    for (HWND box : children(panel)) {
      wchar_t cls[16]{};
      GetClassNameW(box, cls, 16);
      if (box == control || !IsWindowVisible(box) || lstrcmpiW(cls, L"Button") != 0 ||
          (GetWindowLongW(box, GWL_STYLE) & BS_TYPEMASK) != BS_GROUPBOX)
        continue;
      const RECT g = placeIn(box, panel);
      const long area = long(g.right - g.left) * (g.bottom - g.top);
      if (PtInRect(&g, centre) && (!best || area < bestArea)) best = box, bestArea = area;
    }
    return best;
  }
};

TEST_F(ControlPanelKeys, TabWalksEachPageAGroupAtATimeTopToBottom) {
  ComponentTable& table = program_->controlPanel()->components();
  ModelWindow& window = show(table);
  if (!window.hwnd()) GTEST_SKIP() << "no display for windows: run the Win32 tests under xvfb-run";
  HWND panel = window.hwnd();
  HWND tabs = FindWindowExW(panel, nullptr, WC_TABCONTROLW, nullptr);
  ASSERT_NE(tabs, nullptr);
  for (int page = 0; page < 3; ++page) {
    TabCtrl_SetCurFocus(tabs, page);
    window.view().sync();
    const std::vector<HWND> order = tabOrder(panel, tabs);
    std::vector<HWND> groups;  // each group box once, in the order Tab enters them
    for (std::size_t i = 1; i < order.size(); ++i) {
      const HWND group = groupOf(panel, order[i]);
      if (groups.empty() || groups.back() != group) {
        EXPECT_EQ(std::find(groups.begin(), groups.end(), group), groups.end())
            << "page " << page << ": Tab comes back to group " << GetDlgCtrlID(group) << " at control "
            << GetDlgCtrlID(order[i]);
        groups.push_back(group);
      } else {
        // Within a group: down the rows, along each row.
        const RECT a = placeIn(order[i - 1], panel), b = placeIn(order[i], panel);
        const int row = (a.bottom - a.top) / 2;
        EXPECT_TRUE(b.top > a.top + row || (std::abs(b.top - a.top) <= row && b.left > a.left))
            << "page " << page << " in group " << GetDlgCtrlID(group) << ": control " << GetDlgCtrlID(order[i])
            << " after " << GetDlgCtrlID(order[i - 1]);
      }
    }
    EXPECT_GT(groups.size(), 3u) << "page " << page;
  }
}

TEST_F(ControlPanelKeys, ArrowKeysMoveWithinOneRadioGroupAndThroughAllOfIt) {
  ComponentTable& table = program_->controlPanel()->components();
  ModelWindow& window = show(table);
  if (!window.hwnd()) GTEST_SKIP() << "no display for windows: run the Win32 tests under xvfb-run";
  HWND panel = window.hwnd();
  HWND tabs = FindWindowExW(panel, nullptr, WC_TABCONTROLW, nullptr);
  // The radio groups as the settings know them.
  std::map<std::wstring, std::vector<std::wstring>> groups;
  for (const SettingSpec& entry : settingsSchema())
    if (!entry.radioGroup.empty()) groups[std::wstring(entry.radioGroup)].emplace_back(entry.component);
  ASSERT_GT(groups.size(), 5u);
  for (const auto& [group, names] : groups) {
    // On its page, every button shown and free to choose (some wait for a switch on the page).
    const std::wstring& page = table.component(names.front()).parent;
    TabCtrl_SetCurFocus(tabs, page.back() - L'1');
    std::set<HWND> members;
    for (const std::wstring& name : names) {
      table[name].enabled = table[name].visible = true;
      members.insert(window.view().control(name));
    }
    window.view().sync();
    HWND first = *members.begin();
    SetFocus(first);
    std::set<HWND> visited{first};
    for (std::size_t step = 0; step < members.size(); ++step) {
      MSG key{GetFocus(), WM_KEYDOWN, VK_DOWN, 0, 0, {}};
      IsDialogMessageW(panel, &key);
      HWND now = GetFocus();
      ASSERT_TRUE(members.count(now)) << "the arrow left group " << std::string(group.begin(), group.end());
      visited.insert(now);
    }
    EXPECT_EQ(visited, members) << std::string(group.begin(), group.end());
  }
}

}  // namespace
}  // namespace tikora
