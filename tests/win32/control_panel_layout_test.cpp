// The control panel's pages made into real controls: every setting's control and every control the
// panel drives exists once with its exact caption, no caption is cut off, no control leaves its
// group box or covers another, markers lie on top of their pictures, and the control wrapper
// reports clicks, mouse presses and the user's own edits (never the program's).
#include <windows.h>

#include <commctrl.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/settings.h"
#include "app/settings_schema.h"
#include "ui/win32/control_panel_controls.h"
#include "ui/win32/control_panel_layout.h"

namespace tikora {
namespace {

constexpr int kPanelWidth = 731, kPanelHeight = 499;
constexpr RECT kTabs{2, 42, 729, 497};  // where the real panel puts its tab control
constexpr int kBoxAndGap = 16;          // a check box's or radio button's box left of its caption
constexpr int kButtonEdges = 6;         // a push button's raised edges
constexpr int kGroupFrame = 2;          // a group box's etched frame, which its controls must not cover
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
      case BS_CHECKBOX: case BS_AUTOCHECKBOX: case BS_RADIOBUTTON: case BS_AUTORADIOBUTTON: return Shape::CheckOrRadio;
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
  for (auto [over, under] : {std::pair{L"Image2", L"Image1"}, {L"Label16", L"Image3"}, {L"Label19", L"Image5"},
                             {L"UpDown1", L"Edit1"}})
    if ((a == over && b == under) || (a == under && b == over)) return true;
  return false;
}

class ControlPanelLayoutTest : public testing::Test {
 protected:
  void SetUp() override {
    INITCOMMONCONTROLSEX common{sizeof common, ICC_STANDARD_CLASSES | ICC_DATE_CLASSES | ICC_LISTVIEW_CLASSES |
                                                   ICC_TAB_CLASSES | ICC_UPDOWN_CLASS};
    InitCommonControlsEx(&common);
    // The pictures come from the program's own resources.
    media_ = LoadLibraryExW(TIKORA_EXE_NAME, nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    const HINSTANCE self = GetModuleHandleW(nullptr);
    WNDCLASSW wc{};
    wc.lpfnWndProc = &procedure;
    wc.hInstance = self;
    wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    wc.lpszClassName = L"TikoraLayoutTestPanel";
    RegisterClassW(&wc);  // fails harmlessly when already registered
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    RECT frame{0, 0, kPanelWidth, kPanelHeight};
    AdjustWindowRectEx(&frame, style, FALSE, 0);
    panel_ = CreateWindowExW(0, wc.lpszClassName, L"Control Panel", style, 0, 0, frame.right - frame.left,
                             frame.bottom - frame.top, nullptr, nullptr, self, this);
    if (!panel_) GTEST_SKIP() << "no display for windows: run the Win32 tests under xvfb-run";
    ShowWindow(panel_, SW_SHOW);  // active, as the panel is when the user works in it
    RECT client{};
    GetClientRect(panel_, &client);
    ASSERT_EQ(client.right, kPanelWidth);
    ASSERT_EQ(client.bottom, kPanelHeight);

    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    LOGFONTW arial{};
    arial.lfHeight = -MulDiv(8, dpi, 72);
    arial.lfWeight = FW_NORMAL;
    arial.lfCharSet = DEFAULT_CHARSET;
    lstrcpynW(arial.lfFaceName, L"Arial", LF_FACESIZE);
    font_ = CreateFontIndirectW(&arial);

    // The pages' area inside the tab control, found as the real panel finds it.
    HWND tabs = CreateWindowExW(0, WC_TABCONTROLW, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, kTabs.left,
                                kTabs.top, kTabs.right - kTabs.left, kTabs.bottom - kTabs.top, panel_, nullptr,
                                self, nullptr);
    SendMessageW(tabs, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    for (int i = 0; i < 3; ++i) {
      TCITEMW item{};
      item.mask = TCIF_TEXT;
      item.pszText = const_cast<wchar_t*>(kPageCaptions[i]);
      SendMessageW(tabs, TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
    }
    area_ = RECT{0, 0, kTabs.right - kTabs.left, kTabs.bottom - kTabs.top};
    SendMessageW(tabs, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area_));
    OffsetRect(&area_, kTabs.left, kTabs.top);

    controls_ = std::make_unique<ControlPanelControls>(
        settings_, PanelControlsServices{media_ ? media_ : self, panel_, font_, {L"Arial", L"Courier New"}});
    const PanelPage pages[] = {mainSettingsPage(), clockColourPage(), rssReaderPage()};
    controls_->create(pages, area_);
    SetWindowPos(tabs, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);  // the pages lie over it
    controls_->onChanged = [this](const SettingSpec& s) { changed_.emplace_back(s.name); };
    controls_->onClicked = [this](std::wstring_view c) { clicked_.emplace_back(c); };
    controls_->onMouseDown = [this](std::wstring_view c) { pressed_.emplace_back(c); };
  }

  void TearDown() override {
    if (panel_) DestroyWindow(panel_);
    controls_.reset();
    if (font_) DeleteObject(font_);
    if (media_) FreeLibrary(media_);
  }

  // Hands the controls' messages to the wrapper as the real panel does.
  static LRESULT CALLBACK procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE)
      SetWindowLongPtrW(hwnd, GWLP_USERDATA,
                        reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
    auto* test = reinterpret_cast<ControlPanelLayoutTest*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (ControlPanelControls* c = test ? test->controls_.get() : nullptr) {
      switch (message) {
        case WM_COMMAND: if (c->command(wParam, lParam)) return 0; break;
        case WM_HSCROLL: if (c->scroll(reinterpret_cast<HWND>(lParam), wParam)) return 0; break;
        case WM_VSCROLL: if (c->upDownScrolled(reinterpret_cast<HWND>(lParam))) return 0; break;
        case WM_NOTIFY: if (c->notify(*reinterpret_cast<const NMHDR*>(lParam))) return 0; break;
        case WM_MEASUREITEM: if (c->measureItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam))) return TRUE; break;
        case WM_DRAWITEM: if (c->drawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))) return TRUE; break;
      }
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
  }

  HWND sheet(const wchar_t* caption) const { return FindWindowExW(panel_, nullptr, L"TTabSheet", caption); }

  // The sheet's own controls, top of the z-order first.
  std::vector<Placed> controlsOn(HWND sheet) const {
    std::vector<Placed> found;
    for (HWND child = GetWindow(sheet, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
      RECT rect{};
      GetWindowRect(child, &rect);
      MapWindowPoints(nullptr, panel_, reinterpret_cast<POINT*>(&rect), 2);
      const DWORD style = GetWindowLongW(child, GWL_STYLE);
      std::wstring name(controls_->componentOf(child));
      if (name.empty()) name = L"label \"" + textOf(child) + L"\"";
      found.push_back(Placed{child, name, rect, shapeOf(child, style), (style & WS_VISIBLE) != 0,
                             (style & BS_MULTILINE) != 0, static_cast<int>(found.size())});
    }
    return found;
  }

  HMODULE media_ = nullptr;
  HWND panel_ = nullptr;
  HFONT font_ = nullptr;
  RECT area_{};
  Settings settings_;
  std::unique_ptr<ControlPanelControls> controls_;
  std::vector<std::wstring> changed_, clicked_, pressed_;
};

TEST_F(ControlPanelLayoutTest, EverySettingAndEveryDrivenControlIsMadeOnceWithItsExactCaption) {
  std::map<std::wstring, int> made;
  for (const wchar_t* page : kPageCaptions) {
    ASSERT_NE(sheet(page), nullptr) << page;
    for (const Placed& c : controlsOn(sheet(page))) ++made[std::wstring(controls_->componentOf(c.hwnd))];
  }
  for (const SettingSpec& s : settingsSchema()) {
    if (s.control == SettingControl::UpDown) continue;  // made with its edit
    const std::wstring component(s.component);
    EXPECT_EQ(made[component], 1) << component;
    if (s.control == SettingControl::CheckBox || s.control == SettingControl::RadioButton) {
      EXPECT_EQ(textOf(controls_->find(component)), s.caption) << component;
    }
  }
  EXPECT_EQ(reinterpret_cast<HWND>(SendMessageW(controls_->find(L"UpDown1"), UDM_GETBUDDY, 0, 0)),
            controls_->find(L"Edit1"));
  EXPECT_EQ(textOf(controls_->find(L"CheckBox14")), L"Show Countdown Time in the Clock  [ days  h:min:sec ]");
  EXPECT_EQ(textOf(controls_->find(L"RadioButton44")), L" 12 h Format");

  const std::pair<const wchar_t*, const wchar_t*> driven[] = {
      {L"CheckBox7", L"Check Position"}, {L"CheckBox9", L"Set Minutes"}, {L"CheckBox10", L"Set Exact Time"},
      {L"CheckBox11", L"Check Time"},    {L"CheckBox13", L"Show in Clock"}, {L"Button1", L"Open Daily Planner"},
      {L"Image1", nullptr}, {L"Image2", nullptr}, {L"Image3", nullptr}, {L"Image5", nullptr},
      {L"Label13", nullptr}, {L"Label14", nullptr}, {L"Label16", nullptr}, {L"Label19", nullptr},
      {L"Label23", nullptr}};
  for (auto [component, caption] : driven) {
    EXPECT_EQ(made[component], 1) << component;
    if (caption) {
      EXPECT_EQ(textOf(controls_->find(component)), caption) << component;
    }
  }
}

TEST_F(ControlPanelLayoutTest, NoControlLeavesItsGroupBoxOrSheetAndNoCaptionIsCutOff) {
  // The position percentages at their widest.
  controls_->setText(L"Label13", L"100");
  controls_->setText(L"Label14", L"100");
  for (const wchar_t* page : kPageCaptions) {
    const std::vector<Placed> placed = controlsOn(sheet(page));
    for (const Placed& c : placed) {
      EXPECT_TRUE(inside(c.rect, area_)) << page << ": " << describe(c) << " leaves the sheet";
      // The smallest other group box holding its top left corner must hold all of it, off its frame.
      const Placed* holder = nullptr;
      for (const Placed& g : placed) {
        const POINT corner{c.rect.left, c.rect.top};
        if (g.shape != Shape::GroupBox || g.hwnd == c.hwnd || !PtInRect(&g.rect, corner)) continue;
        const auto area = [](const RECT& r) { return (r.right - r.left) * (r.bottom - r.top); };
        if (!holder || area(g.rect) < area(holder->rect)) holder = &g;
      }
      if (c.shape != Shape::GroupBox) {
        EXPECT_NE(holder, nullptr) << page << ": " << describe(c) << " in no group box";
      }
      if (holder) {
        const RECT& g = holder->rect;
        const RECT within{g.left + kGroupFrame, g.top, g.right - kGroupFrame, g.bottom - kGroupFrame};
        EXPECT_TRUE(inside(c.rect, within)) << page << ": " << describe(c) << " covers the frame of or sticks out of "
                                            << describe(*holder);
      }

      const std::wstring text = textOf(c.hwnd);
      if (text.empty() || (c.shape != Shape::CheckOrRadio && c.shape != Shape::PushButton && c.shape != Shape::Label))
        continue;
      const int room = c.rect.right - c.rect.left -
                       (c.shape == Shape::CheckOrRadio ? kBoxAndGap : c.shape == Shape::PushButton ? kButtonEdges : 0);
      HDC dc = GetDC(c.hwnd);
      HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(c.hwnd, WM_GETFONT, 0, 0)));
      SIZE size{};
      GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
      RECT wrapped{0, 0, room, 0};
      DrawTextW(dc, text.c_str(), -1, &wrapped, DT_CALCRECT | DT_WORDBREAK);
      SelectObject(dc, old);
      ReleaseDC(c.hwnd, dc);
      if (c.multiLine && c.shape == Shape::CheckOrRadio) {
        EXPECT_LE(wrapped.bottom, c.rect.bottom - c.rect.top) << page << ": " << describe(c) << " wraps beyond its height";
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
          const bool nested = a.shape != Shape::GroupBox || b.shape != Shape::GroupBox ||
                              inside(a.rect, b.rect) || inside(b.rect, a.rect);
          EXPECT_TRUE(nested) << page << ": group boxes " << describe(a) << " and " << describe(b) << " cross";
          continue;
        }
        EXPECT_TRUE(liesOverOnPurpose(a.name, b.name)) << page << ": " << describe(a) << " overlaps " << describe(b);
      }
    }
  }
}

TEST_F(ControlPanelLayoutTest, PowerOffControlsAreMadeAndMarkersLieOnTopOfTheirPictures) {
  const HWND powerOff = sheet(kPageCaptions[0]);
  for (const wchar_t* component : {L"CheckBox13", L"CheckBox17", L"CheckBox31", L"CheckBox33", L"RadioButton59",
                                   L"RadioButton60", L"RadioButton61", L"Image3", L"Label16", L"Image5", L"Label19"}) {
    ASSERT_NE(controls_->find(component), nullptr) << component;
    EXPECT_EQ(GetParent(controls_->find(component)), powerOff) << component;
  }
  const std::vector<Placed> placed = controlsOn(powerOff);
  std::map<std::wstring, Placed> byName;
  for (const Placed& c : placed) byName.emplace(c.name, c);
  for (auto [over, under] : {std::pair{L"Image2", L"Image1"}, {L"Label16", L"Image3"}, {L"Label19", L"Image5"}}) {
    EXPECT_LT(byName.at(over).z, byName.at(under).z) << over << " must be drawn over " << under;
    EXPECT_TRUE(inside(byName.at(over).rect, byName.at(under).rect)) << describe(byName.at(over));
  }
  // The screen miniature and its marker at their pictures' sizes.
  const RECT screen = byName.at(L"Image1").rect, marker = byName.at(L"Image2").rect;
  EXPECT_EQ(screen.right - screen.left, 33);
  EXPECT_EQ(screen.bottom - screen.top, 27);
  EXPECT_EQ(marker.right - marker.left, 9);
  EXPECT_EQ(marker.bottom - marker.top, 9);
  EXPECT_NE(SendMessageW(controls_->find(L"Image1"), STM_GETIMAGE, IMAGE_BITMAP, 0), 0) << "screen_mini not loaded";
  // Every group box lies under the controls it holds.
  for (const Placed& c : placed) {
    for (const Placed& g : placed) {
      if (g.shape == Shape::GroupBox && c.shape != Shape::GroupBox && inside(c.rect, g.rect)) {
        EXPECT_LT(c.z, g.z) << describe(c) << " hidden under " << describe(g);
      }
    }
  }
}

TEST_F(ControlPanelLayoutTest, WrapperReportsClicksPressesAndOnlyTheUsersEdits) {
  HWND setMinutes = controls_->find(L"CheckBox9");
  SendMessageW(setMinutes, BM_CLICK, 0, 0);
  EXPECT_TRUE(controls_->checked(L"CheckBox9"));
  SendMessageW(setMinutes, BM_CLICK, 0, 0);
  EXPECT_FALSE(controls_->checked(L"CheckBox9"));
  EXPECT_THAT(clicked_, testing::ElementsAre(L"CheckBox9", L"CheckBox9"));

  controls_->watchMouseDown(L"RadioButton16");
  HWND sound = controls_->find(L"RadioButton16");
  SendMessageW(sound, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  ReleaseCapture();
  SendMessageW(sound, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(5, 5));
  EXPECT_THAT(pressed_, testing::ElementsAre(L"RadioButton16", L"RadioButton16"));

  RECT before{}, after{};
  GetWindowRect(controls_->find(L"Label16"), &before);
  controls_->setSpan(L"Label16", 40, 70);
  GetWindowRect(controls_->find(L"Label16"), &after);
  EXPECT_EQ(controls_->span(L"Label16"), std::make_pair(40, 70));
  EXPECT_EQ(after.top, before.top);
  EXPECT_EQ(after.bottom - after.top, before.bottom - before.top);

  controls_->setTextColour(L"RadioButton10", RGB(255, 0, 0));
  EXPECT_EQ(controls_->textColourOf(controls_->find(L"RadioButton10")), RGB(255, 0, 0));
  EXPECT_EQ(controls_->textColourOf(controls_->find(L"RadioButton11")), std::nullopt);

  changed_.clear();
  HWND minutes = controls_->find(L"Edit1");
  EXPECT_EQ(textOf(minutes), L"3");
  controls_->setText(L"Edit1", L"25");
  EXPECT_EQ(textOf(minutes), L"25");
  EXPECT_TRUE(changed_.empty()) << "the program's own text is no change of the user's";
  EXPECT_EQ(settings_.ed_mi, L"3");
  SendMessageW(minutes, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"42"));
  EXPECT_EQ(settings_.ed_mi, L"42");
  EXPECT_THAT(changed_, testing::Contains(L"ed_mi"));
  // The arrows go on from the typed number.
  EXPECT_THAT(changed_, testing::UnorderedElementsAre(L"ed_mi", L"up_mi"));
  EXPECT_EQ(settings_.up_mi, 42) << "the up-down does not read its edit";

  // A typed hour that names an item is kept as the picked item; other text keeps the last one.
  HWND hourEdit = FindWindowExW(controls_->find(L"ComboBox3"), nullptr, L"Edit", nullptr);
  ASSERT_NE(hourEdit, nullptr);
  auto type = [&](const wchar_t* text) {
    SendMessageW(hourEdit, EM_SETSEL, 0, -1);
    if (!*text) SendMessageW(hourEdit, WM_CHAR, VK_BACK, 1);
    for (const wchar_t* c = text; *c; ++c) SendMessageW(hourEdit, WM_CHAR, *c, 1);
  };
  for (auto [typed, kept] : {std::pair{L"07", 7}, {L"7", 7}, {L"23", 23}, {L"x", 23}, {L"", 23}, {L"0", 0}}) {
    type(typed);
    EXPECT_EQ(textOf(hourEdit), typed);
    EXPECT_EQ(settings_.co_go, kept) << "typed " << testing::PrintToString(std::wstring(typed));
  }
}

}  // namespace
}  // namespace tikora
