// The control panel's pages made into real controls by the generic view: every setting's control
// and every control the panel drives exists once with its exact caption, no caption (a group
// box's included) is cut off, no control leaves its group box or covers another, time labels lie
// on top of their displays, and the view raises clicks, mouse presses and the user's own edits
// (never the program's) on the model. All of it holds at the screen's DPI, whatever it is: run
// in a Wine prefix whose LogPixels is 144, the panel is laid out at 150 %.
#include <windows.h>

#include <commctrl.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "clock/control_panel_layout.h"
#include "clock/settings.h"
#include "clock/settings_schema.h"
#include "platform/win32/win32_text_metrics.h"
#include "tests/win32/program_windows_fixture.h"
#include "timeservices/panel_bindings.h"
#include "ui/win32/model_window.h"

namespace tikora {
namespace {

// At 96 DPI.
constexpr int kPanelWidth = 731, kPanelHeight = 499;
constexpr int kBoxAndGap = 16;           // a check box's or radio button's box left of its caption
constexpr int kButtonEdges = 6;          // a push button's raised edges
constexpr int kGroupFrame = 2;           // a group box's etched frame (at any DPI), which its controls must not cover
constexpr int kGroupCaptionMargin = 16;  // a group box's caption keeps off the box's corners
constexpr const wchar_t* kPageCaptions[] = {L"Main Settings", L"Clock Color Settings", L"RSS Reader"};

std::wstring textOf(HWND hwnd) {
  wchar_t text[256]{};
  GetWindowTextW(hwnd, text, 256);
  return text;
}

enum class Shape { GroupBox, CheckOrRadio, PushButton, Label, Other };

// A control on a sheet: its place in the panel's client coordinates (those of the page tables)
// and its z-order on the sheet (0 on top).
struct Placed {
  HWND hwnd;
  std::wstring name;  // the component, or the caption of a colour box's label
  RECT rect;
  Shape shape;
  bool visible, multiLine;
  int z;
};

Shape shapeOf(HWND hwnd, DWORD style) {
  wchar_t cls[32]{};
  GetClassNameW(hwnd, cls, 32);
  if (lstrcmpiW(cls, L"Button") == 0) {
    switch (style & BS_TYPEMASK) {
      case BS_GROUPBOX: return Shape::GroupBox;
      case BS_PUSHBUTTON:
      case BS_DEFPUSHBUTTON: return Shape::PushButton;
      case BS_CHECKBOX:
      case BS_AUTOCHECKBOX:
      case BS_RADIOBUTTON:
      case BS_AUTORADIOBUTTON: return Shape::CheckOrRadio;
    }
  }
  if (lstrcmpiW(cls, L"Static") == 0 && (style & SS_TYPEMASK) == SS_LEFT) return Shape::Label;
  return Shape::Other;
}

bool inside(const RECT& inner, const RECT& outer) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

std::wstring describe(const Placed& c) {
  return c.name + L" (" + std::to_wstring(c.rect.left) + L"," + std::to_wstring(c.rect.top) + L" " +
         std::to_wstring(c.rect.right - c.rect.left) + L"x" + std::to_wstring(c.rect.bottom - c.rect.top) + L")";
}

// Markers and time labels lie over their pictures on purpose; the up-down's arrows overlap the
// border of their edit, as the control places them.
bool liesOverOnPurpose(const std::wstring& a, const std::wstring& b) {
  for (auto [over, under] : {std::pair{L"Label16", L"Image3"}, {L"Label19", L"Image5"}})
    if ((a == over && b == under) || (a == under && b == over)) return true;
  return false;
}

class ControlPanelLayoutTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // The pictures come from the program's own resources.
    media_ = testing::loadControlsAndMedia();
    table_ = std::make_unique<ComponentTable>(controlPanelComponents(metrics_));
    setFirstTimeServiceStates(*table_);
    (*table_)[L"TForm2"].visible = true;  // active, as the panel is when the user works in it
    (*table_)[L"ComboBox5"].items = {L"Arial", L"Courier New"};
    (*table_)[L"Edit1"].text = L"3";
    // What the user does comes back as events. The panel's pictures take no click: one that
    // did would be made a button.
    for (const Component& c : table_->all()) {
      if (c.kind == ComponentKind::Picture) continue;
      for (ComponentEvent event : {ComponentEvent::Click, ComponentEvent::Change, ComponentEvent::Typed}) {
        table_->on(c.name, event, [this, name = c.name, event](const EventContext& e) {
          events_.push_back(name +
                            (event == ComponentEvent::Click    ? L" click"
                             : event == ComponentEvent::Change ? L" change"
                                                               : L" typed") +
                            (e.input && e.input->text ? L" " + *e.input->text : L""));
        });
      }
    }
    table_->on(L"RadioButton16", ComponentEvent::MouseDown, [this] { events_.push_back(L"RadioButton16 pressed"); });
    window_ = std::make_unique<ModelWindow>(media_ ? media_ : GetModuleHandleW(nullptr), *table_);
    if (!window_->create()) GTEST_SKIP() << "no display for windows: run the Win32 tests under xvfb-run";
    panel_ = window_->hwnd();
    dpi_ = window_->view().dpi();
    RECT client{};
    GetClientRect(panel_, &client);
    ASSERT_EQ(client.right, scaleToDpi(kPanelWidth, dpi_));
    ASSERT_EQ(client.bottom, scaleToDpi(kPanelHeight, dpi_));
  }

  void TearDown() override {
    window_.reset();
    table_.reset();
    if (media_) FreeLibrary(media_);
  }

  HWND sheet(const wchar_t* caption) const { return FindWindowExW(panel_, nullptr, L"TTabSheet", caption); }
  HWND find(const wchar_t* component) const { return window_->view().control(component); }

  // The sheet's own controls, top of the z-order first.
  std::vector<Placed> controlsOn(HWND sheet) const {
    std::vector<Placed> found;
    for (HWND child = GetWindow(sheet, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
      RECT rect{};
      GetWindowRect(child, &rect);
      MapWindowPoints(nullptr, panel_, reinterpret_cast<POINT*>(&rect), 2);
      const DWORD style = GetWindowLongW(child, GWL_STYLE);
      std::wstring name(window_->view().componentOf(child));
      found.push_back(Placed{child, name, rect, shapeOf(child, style), (style & WS_VISIBLE) != 0,
                             (style & BS_MULTILINE) != 0, static_cast<int>(found.size())});
    }
    return found;
  }
  RECT sheetArea(HWND sheet) const {
    RECT area{};
    GetWindowRect(sheet, &area);
    MapWindowPoints(nullptr, panel_, reinterpret_cast<POINT*>(&area), 2);
    return area;
  }

  HMODULE media_ = nullptr;
  Win32TextMetrics metrics_;  // the program's: at 96 DPI, whatever the screen's
  int dpi_ = kStandardDpi;
  std::unique_ptr<ComponentTable> table_;
  std::unique_ptr<ModelWindow> window_;
  HWND panel_ = nullptr;
  std::vector<std::wstring> events_;
};

TEST_F(ControlPanelLayoutTest, EverySettingAndEveryDrivenControlIsMadeOnceWithItsExactCaption) {
  std::map<std::wstring, int> made;
  for (const wchar_t* page : kPageCaptions) {
    ASSERT_NE(sheet(page), nullptr) << page;
    for (const Placed& c : controlsOn(sheet(page))) ++made[c.name];
  }
  for (const SettingSpec& s : settingsSchema()) {
    const std::wstring component(s.component);
    EXPECT_EQ(made[component], 1) << component;
    if (s.control == SettingControl::CheckBox || s.control == SettingControl::RadioButton) {
      EXPECT_EQ(textOf(find(component.c_str())), s.caption) << component;
    }
  }
  EXPECT_EQ(reinterpret_cast<HWND>(SendMessageW(find(L"UpDown1"), UDM_GETBUDDY, 0, 0)), find(L"Edit1"));
  EXPECT_EQ(textOf(find(L"CheckBox14")), L"Show Countdown Time in the Clock  [ days  h:min:sec ]");
  EXPECT_EQ(textOf(find(L"RadioButton44")), L" 12 h Format");

  const std::pair<const wchar_t*, const wchar_t*> driven[] = {{L"CheckBox7", L"Check Position"},
                                                              {L"CheckBox9", L"Set Minutes"},
                                                              {L"CheckBox10", L"Set Exact Time"},
                                                              {L"CheckBox11", L"Check Time"},
                                                              {L"CheckBox13", L"Show in Clock"},
                                                              {L"Button1", L"Open Daily Planner"},
                                                              {L"Image3", nullptr},
                                                              {L"Image5", nullptr},
                                                              {L"Label13", nullptr},
                                                              {L"Label14", nullptr},
                                                              {L"Label16", nullptr},
                                                              {L"Label19", nullptr},
                                                              {L"Label23", nullptr}};
  for (auto [component, caption] : driven) {
    EXPECT_EQ(made[component], 1) << component;
    if (caption) {
      EXPECT_EQ(textOf(find(component)), caption) << component;
    }
  }
  // The header and the page control lie on the window itself.
  EXPECT_EQ(GetParent(find(L"HomePage")), panel_);
  EXPECT_EQ(textOf(find(L"HomePage")), L"Home Page");
  EXPECT_EQ(textOf(find(L"Title")), L"Tikora ");
}

TEST_F(ControlPanelLayoutTest, NoControlLeavesItsGroupBoxOrSheetAndNoCaptionIsCutOff) {
  // The position percentages at their widest.
  (*table_)[L"Label13"].text = L"100";
  (*table_)[L"Label14"].text = L"100";
  window_->view().sync();
  // The pages lie in what the page control leaves below its tabs and inside its frame.
  HWND tabs = find(L"PageControl1");
  RECT display{};
  GetWindowRect(tabs, &display);
  MapWindowPoints(nullptr, panel_, reinterpret_cast<POINT*>(&display), 2);
  const RECT frame = display;
  SendMessageW(tabs, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
  for (const wchar_t* page : kPageCaptions) {
    const std::vector<Placed> placed = controlsOn(sheet(page));
    const RECT area = sheetArea(sheet(page));
    EXPECT_GE(area.top, display.top) << page << " lies under the tabs";
    EXPECT_TRUE(inside(area, frame)) << page << " leaves the page control";
    for (const Placed& c : placed) {
      EXPECT_TRUE(inside(c.rect, area)) << page << ": " << describe(c) << " leaves the sheet";
      // The smallest other group box holding its top left corner must hold all of it, off its frame.
      const Placed* holder = nullptr;
      for (const Placed& g : placed) {
        const POINT corner{c.rect.left, c.rect.top};
        if (g.shape != Shape::GroupBox || g.hwnd == c.hwnd || !PtInRect(&g.rect, corner)) continue;
        const auto size = [](const RECT& r) { return (r.right - r.left) * (r.bottom - r.top); };
        if (!holder || size(g.rect) < size(holder->rect)) holder = &g;
      }
      if (c.shape != Shape::GroupBox) {
        EXPECT_NE(holder, nullptr) << page << ": " << describe(c) << " in no group box";
      }
      if (holder) {
        const RECT& g = holder->rect;
        const RECT within{g.left + kGroupFrame, g.top, g.right - kGroupFrame, g.bottom - kGroupFrame};
        EXPECT_TRUE(inside(c.rect, within))
            << page << ": " << describe(c) << " covers the frame of or sticks out of " << describe(*holder);
      }

      const std::wstring text = textOf(c.hwnd);
      if (text.empty() || (c.shape != Shape::CheckOrRadio && c.shape != Shape::PushButton && c.shape != Shape::Label &&
                           c.shape != Shape::GroupBox))
        continue;
      // A group box's caption stands in its top border between the corners.
      const int room = c.rect.right - c.rect.left -
                       scaleToDpi(c.shape == Shape::CheckOrRadio ? kBoxAndGap
                                  : c.shape == Shape::PushButton ? kButtonEdges
                                  : c.shape == Shape::GroupBox   ? kGroupCaptionMargin
                                                                 : 0,
                                  dpi_);
      HDC dc = GetDC(c.hwnd);
      HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(c.hwnd, WM_GETFONT, 0, 0)));
      SIZE size{};
      GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
      RECT wrapped{0, 0, room, 0};
      DrawTextW(dc, text.c_str(), -1, &wrapped, DT_CALCRECT | DT_WORDBREAK);
      SelectObject(dc, old);
      ReleaseDC(c.hwnd, dc);
      if (c.multiLine && c.shape == Shape::CheckOrRadio) {
        EXPECT_LE(wrapped.bottom, c.rect.bottom - c.rect.top)
            << page << ": " << describe(c) << " wraps beyond its height";
      } else {
        EXPECT_LE(size.cx, room) << page << ": caption of " << describe(c) << " is cut off";
      }
    }
  }
}

TEST_F(ControlPanelLayoutTest, NoTwoControlsOfAPageOverlapAndGroupBoxesNest) {
  for (const wchar_t* page : kPageCaptions) {
    const std::vector<Placed> placed = controlsOn(sheet(page));
    for (std::size_t i = 0; i < placed.size(); ++i) {
      for (std::size_t j = i + 1; j < placed.size(); ++j) {
        const Placed &a = placed[i], &b = placed[j];
        RECT common{};
        if (!a.visible || !b.visible || !IntersectRect(&common, &a.rect, &b.rect)) continue;
        if (a.shape == Shape::GroupBox || b.shape == Shape::GroupBox) {
          const bool nested = a.shape != Shape::GroupBox || b.shape != Shape::GroupBox || inside(a.rect, b.rect) ||
                              inside(b.rect, a.rect);
          EXPECT_TRUE(nested) << page << ": group boxes " << describe(a) << " and " << describe(b) << " cross";
          continue;
        }
        EXPECT_TRUE(liesOverOnPurpose(a.name, b.name)) << page << ": " << describe(a) << " overlaps " << describe(b);
      }
    }
  }
}

TEST_F(ControlPanelLayoutTest, TimeLabelsLieOnTopOfTheirDisplaysAndGroupBoxesUnderTheirControls) {
  const HWND mainPage = sheet(kPageCaptions[0]);
  for (const wchar_t* component : {L"CheckBox13", L"CheckBox17", L"CheckBox31", L"CheckBox33", L"RadioButton59",
                                   L"RadioButton60", L"RadioButton61", L"Image3", L"Label16", L"Image5", L"Label19"}) {
    ASSERT_NE(find(component), nullptr) << component;
    EXPECT_EQ(GetParent(find(component)), mainPage) << component;
  }
  const std::vector<Placed> placed = controlsOn(mainPage);
  std::map<std::wstring, Placed> byName;
  for (const Placed& c : placed) byName.emplace(c.name, c);
  for (auto [over, under] : {std::pair{L"Label16", L"Image3"}, {L"Label19", L"Image5"}}) {
    EXPECT_LT(byName.at(over).z, byName.at(under).z) << over << " must be drawn over " << under;
    EXPECT_TRUE(inside(byName.at(over).rect, byName.at(under).rect)) << describe(byName.at(over));
  }
  for (const Placed& c : placed) {
    for (const Placed& g : placed) {
      if (g.shape == Shape::GroupBox && c.shape != Shape::GroupBox && inside(c.rect, g.rect)) {
        EXPECT_LT(c.z, g.z) << describe(c) << " hidden under " << describe(g);
      }
    }
  }
}

// Moved to a screen of another DPI (WM_DPICHANGED with the system's suggested rectangle), the
// panel is laid out as if it had been made there: every control at its scaled place, every font
// at the new DPI; moved back, everything is as it was.
TEST_F(ControlPanelLayoutTest, ADpiChangeLaysThePanelOutAgainAtTheNewDpi) {
  struct Shown {
    RECT rect;
    LONG fontHeight;
  };
  const auto shown = [this] {
    std::map<std::wstring, Shown> all;
    for (const Component& c : table_->all()) {
      HWND hwnd = find(c.name.c_str());
      if (!hwnd) continue;
      RECT rect{};
      GetWindowRect(hwnd, &rect);
      MapWindowPoints(nullptr, panel_, reinterpret_cast<POINT*>(&rect), 2);
      // Scroll bars, up-downs and pages keep no font.
      LOGFONTW font{};
      if (HGDIOBJ handle = reinterpret_cast<HGDIOBJ>(SendMessageW(hwnd, WM_GETFONT, 0, 0)))
        GetObjectW(handle, sizeof font, &font);
      all[c.name] = Shown{rect, font.lfHeight};
    }
    return all;
  };
  const auto moveTo = [this](int dpi) {
    RECT frame{0, 0, scaleToDpi(kPanelWidth, dpi), scaleToDpi(kPanelHeight, dpi)};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrW(panel_, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrW(panel_, GWL_EXSTYLE)));
    SendMessageW(panel_, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&frame));
  };
  const std::map<std::wstring, Shown> before = shown();
  const int other = dpi_ == 120 ? 144 : 120;  // either fits a 1280 x 1024 screen
  moveTo(other);
  EXPECT_EQ(window_->view().dpi(), other);
  RECT client{};
  GetClientRect(panel_, &client);
  EXPECT_EQ(client.right, scaleToDpi(kPanelWidth, other));
  EXPECT_EQ(client.bottom, scaleToDpi(kPanelHeight, other));
  for (const auto& [name, now] : shown()) {
    const Component& c = table_->component(name);
    const Rect expected = scaleToDpi(c.state.bounds, other);
    EXPECT_EQ(now.rect.left, expected.left) << name;
    EXPECT_EQ(now.rect.top, expected.top) << name;
    // Labels may grow to their text; lists are as high as their fields make them.
    if (c.kind != ComponentKind::Label) {
      EXPECT_EQ(now.rect.right, expected.right()) << name;
    }
    const FontSpec font = c.state.font.value_or(*table_->window().state.font);
    if (now.fontHeight != 0) {
      EXPECT_EQ(now.fontHeight, -characterHeight(font, other)) << name;
    }
  }
  moveTo(dpi_);
  const std::map<std::wstring, Shown> after = shown();
  for (const auto& [name, was] : before) {
    const RECT& now = after.at(name).rect;
    EXPECT_EQ(now.left, was.rect.left) << name;
    EXPECT_EQ(now.top, was.rect.top) << name;
    EXPECT_EQ(now.right, was.rect.right) << name;
    // An owner-drawn list's field is as high as the list makes it of the height it is given,
    // which under Wine differs by a few pixels between making and changing it.
    const ComponentKind kind = table_->component(name).kind;
    if (kind != ComponentKind::ColourBox && kind != ComponentKind::PictureList) {
      EXPECT_EQ(now.bottom, was.rect.bottom) << name;
    }
    EXPECT_EQ(after.at(name).fontHeight, was.fontHeight) << name;
  }
}

TEST_F(ControlPanelLayoutTest, TheViewRaisesTheUsersActionsAndNeverItsOwn) {
  HWND setMinutes = find(L"CheckBox9");
  SendMessageW(setMinutes, BM_CLICK, 0, 0);
  EXPECT_EQ((*table_)[L"CheckBox9"].checked, true);
  EXPECT_EQ(SendMessageW(setMinutes, BM_GETCHECK, 0, 0), BST_CHECKED) << "the box shows the model's state";
  SendMessageW(setMinutes, BM_CLICK, 0, 0);
  EXPECT_EQ(SendMessageW(setMinutes, BM_GETCHECK, 0, 0), BST_UNCHECKED);
  HWND sound = find(L"RadioButton16");
  SendMessageW(sound, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  ReleaseCapture();
  EXPECT_THAT(events_, ::testing::ElementsAre(L"CheckBox9 click", L"CheckBox9 click", L"RadioButton16 pressed"));

  // The program's own text is no change of the user's; the user's is.
  events_.clear();
  HWND minutes = find(L"Edit1");
  (*table_)[L"Edit1"].text = L"25";
  window_->view().sync();
  EXPECT_EQ(textOf(minutes), L"25");
  EXPECT_TRUE(events_.empty());
  SendMessageW(minutes, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"42"));
  EXPECT_THAT(events_, ::testing::ElementsAre(L"Edit1 change 42"));
  EXPECT_EQ((*table_)[L"Edit1"].text, L"42");

  // Typing into the hour list reports each text as typed; picking reports the item.
  events_.clear();
  HWND hourEdit = FindWindowExW(find(L"ComboBox3"), nullptr, L"Edit", nullptr);
  ASSERT_NE(hourEdit, nullptr);
  SendMessageW(hourEdit, EM_SETSEL, 0, -1);
  for (const wchar_t* c = L"07"; *c; ++c) SendMessageW(hourEdit, WM_CHAR, *c, 1);
  EXPECT_THAT(events_, ::testing::ElementsAre(L"ComboBox3 typed 0", L"ComboBox3 typed 07"));

  // A caption colour set by the model shows; the check boxes keep their classic look for it.
  (*table_)[L"RadioButton10"].textColour = 0x0000FF;
  window_->view().sync();
  EXPECT_EQ((*table_)[L"RadioButton10"].textColour, 0x0000FFu);
}

}  // namespace
}  // namespace tikora
