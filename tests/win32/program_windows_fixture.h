// The whole program's models on fakes, with real text metrics and the program's own pictures,
// and each window made and shown as the program shows it: for tests that walk the real windows.
#pragma once
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <memory>
#include <string_view>
#include <vector>

#include "tests/win32/program_on_fakes.h"
#include "ui/win32/model_window.h"

namespace tikora::testing {

// The common controls the windows use registered, and tikora.exe loaded as a data file, for its
// pictures; null when it cannot be loaded.
inline HMODULE loadControlsAndMedia() {
  INITCOMMONCONTROLSEX common{sizeof common, ICC_STANDARD_CLASSES | ICC_DATE_CLASSES | ICC_LISTVIEW_CLASSES |
                                                 ICC_TAB_CLASSES | ICC_UPDOWN_CLASS};
  InitCommonControlsEx(&common);
  return LoadLibraryExW(TIKORA_EXE_NAME, nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
}

class ProgramWindows : public ::testing::Test {
 protected:
  void SetUp() override {
    media_ = loadControlsAndMedia();
    ASSERT_NE(media_, nullptr);
    fakes_ = std::make_unique<ProgramOnFakes>(media_);
    fakes_->clock.setLocalTime(2024, 3, 14, 10, 0, 30);
    program_ = &fakes_->start();
    program_->createDailyPlanner();
    program_->createReminderPopup();
    program_->createTicker();
    program_->createPageView();
    program_->createTodaysDate();
  }
  void TearDown() override {
    windows_.clear();
    fakes_.reset();
    if (media_) FreeLibrary(media_);
  }
  // The window of `table`, made and shown as the program shows it.
  ModelWindow& show(ComponentTable& table) {
    windows_.push_back(std::make_unique<ModelWindow>(
        media_, table, [this](std::wstring_view name) { return program_->picture(name); }));
    ModelWindow& window = *windows_.back();
    if (!window.create()) return window;
    window.view().syncAfterEvent = [&window] { window.view().sync(); };
    table.window().state.visible = true;
    window.view().sync();
    return window;
  }

  HMODULE media_ = nullptr;
  std::unique_ptr<ProgramOnFakes> fakes_;
  ProgramModel* program_ = nullptr;
  std::vector<std::unique_ptr<ModelWindow>> windows_;
};

inline RECT placeIn(HWND control, HWND window) {
  RECT r{};
  GetWindowRect(control, &r);
  MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

inline std::vector<HWND> children(HWND window) {
  std::vector<HWND> found;
  EnumChildWindows(
      window,
      [](HWND child, LPARAM list) {
        reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

}  // namespace tikora::testing
