// The keys of a window the generic view makes, as IsDialogMessage asks for them: Enter presses
// the focused button or else the default one (never a disabled one), Escape closes the window,
// and a focused control that goes disabled hands the keyboard on to the next one.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "ui/win32/model_window.h"

namespace tikora {
namespace {

class ModelWindowKeysTest : public testing::Test {
 protected:
  void SetUp() override {
    std::vector<Component> parts;
    parts.push_back(makeComponent(L"TFormKeys", ComponentKind::Window));
    parts.back().state.bounds = {0, 0, 300, 120};
    for (const auto& [name, kind, left] : {std::tuple{L"Edit1", ComponentKind::Edit, 10},
                                           {L"Button1", ComponentKind::Button, 110},
                                           {L"Button2", ComponentKind::Button, 210}}) {
      parts.push_back(makeComponent(name, kind, L"TFormKeys"));
      parts.back().state.bounds = {left, 10, 80, 24};
    }
    table_ = std::make_unique<ComponentTable>(std::move(parts));
    (*table_)[L"Button1"].isDefault = true;
    table_->on(L"TFormKeys", ComponentEvent::Close, [this] { events_.push_back(L"close"); });
    window_ = std::make_unique<ModelWindow>(GetModuleHandleW(nullptr), *table_);
    if (!window_->create()) GTEST_SKIP() << "no display for windows: run the Win32 tests under xvfb-run";
    (*table_)[L"TFormKeys"].visible = true;
    window_->view().sync();
  }

  HWND find(const wchar_t* name) { return window_->view().control(name); }
  // The button Enter would press with the keyboard at `focus`; 0 for none.
  int enterPresses(HWND focus) {
    SetFocus(focus);
    const LRESULT answer = SendMessageW(window_->hwnd(), DM_GETDEFID, 0, 0);
    return HIWORD(answer) == DC_HASDEFID ? LOWORD(answer) : 0;
  }

  std::unique_ptr<ComponentTable> table_;
  std::unique_ptr<ModelWindow> window_;
  std::vector<std::wstring> events_;
};

TEST_F(ModelWindowKeysTest, EnterEscapeAndTheKeyboardLeavingADisabledButton) {
  const int add = GetDlgCtrlID(find(L"Button1")), ok = GetDlgCtrlID(find(L"Button2"));
  EXPECT_EQ(GetWindowLongW(find(L"Button1"), GWL_STYLE) & BS_TYPEMASK, BS_DEFPUSHBUTTON);
  EXPECT_EQ(enterPresses(find(L"Edit1")), add);
  EXPECT_EQ(enterPresses(find(L"Button2")), ok) << "a focused button takes Enter itself";
  (*table_)[L"Button1"].enabled = false;
  window_->view().sync();
  EXPECT_EQ(enterPresses(find(L"Edit1")), 0) << "a disabled default is not pressed";

  (*table_)[L"Button1"].enabled = true;
  window_->view().sync();
  SetFocus(find(L"Button1"));
  (*table_)[L"Button1"].enabled = false;
  window_->view().sync();
  EXPECT_EQ(GetFocus(), find(L"Button2"));

  // Escape, as IsDialogMessage sends it to a window without a Cancel button.
  SendMessageW(window_->hwnd(), WM_COMMAND, IDCANCEL, 0);
  MSG message;
  while (PeekMessageW(&message, window_->hwnd(), 0, 0, PM_REMOVE)) DispatchMessageW(&message);
  EXPECT_EQ(events_, std::vector<std::wstring>{L"close"});
}

// A window hidden at start follows only its own state until it is first shown; then its
// controls are made once, in the states the model gave them meanwhile, before the window shows.
TEST(ModelWindowMakingTest, AHiddenWindowMakesItsControlsWhenFirstShownInTheirLatestState) {
  std::vector<Component> parts;
  parts.push_back(makeComponent(L"TFormLate", ComponentKind::Window));
  parts.back().state.bounds = {0, 0, 300, 120};
  parts.back().state.visible = false;
  parts.push_back(makeComponent(L"Edit1", ComponentKind::Edit, L"TFormLate"));
  parts.back().state.bounds = {10, 10, 120, 24};
  parts.push_back(makeComponent(L"Button1", ComponentKind::Button, L"TFormLate"));
  parts.back().state.bounds = {140, 10, 80, 24};
  ComponentTable table(std::move(parts));
  ModelWindow window(GetModuleHandleW(nullptr), table);
  if (!window.create()) GTEST_SKIP() << "no display for windows: run the Win32 tests under xvfb-run";

  RECT client{};
  GetClientRect(window.hwnd(), &client);
  EXPECT_EQ(std::pair(client.right, client.bottom), std::pair(300L, 120L));
  EXPECT_FALSE(IsWindowVisible(window.hwnd()));
  EXPECT_EQ(window.view().control(L"Edit1"), nullptr);
  EXPECT_EQ(GetWindow(window.hwnd(), GW_CHILD), nullptr);

  table[L"TFormLate"].text = L"Later";
  table[L"Edit1"].text = L"typed while hidden";
  table[L"Button1"].enabled = false;
  window.view().sync();
  wchar_t text[64]{};
  GetWindowTextW(window.hwnd(), text, 64);
  EXPECT_STREQ(text, L"Later");
  EXPECT_EQ(window.view().control(L"Edit1"), nullptr);

  table[L"TFormLate"].visible = true;
  window.view().sync();
  HWND edit = window.view().control(L"Edit1");
  ASSERT_NE(edit, nullptr);
  EXPECT_TRUE(IsWindowVisible(window.hwnd()));
  EXPECT_TRUE(IsWindowVisible(edit));
  GetWindowTextW(edit, text, 64);
  EXPECT_STREQ(text, L"typed while hidden");
  EXPECT_FALSE(IsWindowEnabled(window.view().control(L"Button1")));

  table[L"TFormLate"].visible = false;
  window.view().sync();
  table[L"TFormLate"].visible = true;
  window.view().sync();
  EXPECT_EQ(window.view().control(L"Edit1"), edit) << "made once";
}

}  // namespace
}  // namespace tikora
