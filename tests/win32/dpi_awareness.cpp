// The Win32-side tests see the screen as the program does: aware of its DPI per monitor (the
// program's manifest asks the same), so windows, fonts and pictures come out at the screen's
// real resolution instead of being scaled by the system.
#include <windows.h>

#include <gtest/gtest.h>

namespace tikora {
namespace {

class DpiAwareness : public testing::Environment {
 public:
  void SetUp() override {
    using SetContextFn = BOOL(WINAPI*)(HANDLE);
    const auto setContext = reinterpret_cast<SetContextFn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "SetProcessDpiAwarenessContext")));
    const HANDLE perMonitorV2 = reinterpret_cast<HANDLE>(static_cast<INT_PTR>(-4));
    if (!setContext || !setContext(perMonitorV2)) SetProcessDPIAware();
  }
};

const testing::Environment* const kDpiAwareness = testing::AddGlobalTestEnvironment(new DpiAwareness);

}  // namespace
}  // namespace tikora
