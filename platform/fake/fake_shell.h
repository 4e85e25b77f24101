// The shell for tests: folders, task bar and screen are plain settable members; opened
// addresses are recorded.
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "platform/shell.h"

namespace tikora {

class FakeShell : public Shell {
 public:
  // std::nullopt: the shell cannot name the folder.
  std::optional<std::wstring> appData = L"C:\\Users\\Tester\\AppData\\Roaming";
  std::optional<std::wstring> internetCache = L"C:\\Users\\Tester\\AppData\\Local\\Microsoft\\Windows\\INetCache";
  bool autoHide = false;
  ScreenSize screen{1920, 1080};
  Rect work{0, 0, 1920, 1040};  // a 40-pixel task bar along the bottom
  std::wstring program = L"C:\\Program Files\\Tikora\\Tikora.exe";
  bool openFails = false;

  std::vector<std::wstring> openedAddresses;  // every address asked for, failed ones too
  mutable int internetCacheQueries = 0;

  Result<std::wstring> appDataFolder() const override {
    if (!appData) return Error{2, L"The application data folder has no name."};
    return *appData;
  }

  Result<std::wstring> internetCacheFolder() const override {
    ++internetCacheQueries;
    if (!internetCache) return Error{2, L"The temporary internet files folder has no name."};
    return *internetCache;
  }

  bool taskbarAutoHides() const override { return autoHide; }
  ScreenSize screenSize() const override { return screen; }
  Rect workArea() const override { return work; }
  std::wstring programPath() const override { return program; }

  Status openAddress(const std::wstring& address) override {
    openedAddresses.push_back(address);
    if (openFails) return Error{2, L"No program opens " + address};
    return {};
  }
};

}  // namespace tikora
