// The clock window's components (`TForm1`): the names of the window's layout, declared once. Code
// refers to a component through these; the names themselves stay as the layout gives them, so that
// tests and the driver find the components by them.
#pragma once
#include <array>
#include <string_view>

namespace tikora {

inline constexpr std::wstring_view kClockWindowName = L"TForm1";  // "Tikora"
// The layers, bottom to top at creation.
inline constexpr std::wstring_view kFaceLayer = L"Image1";  // frame, background, seconds ring
inline constexpr std::wstring_view kWeekdayLayer = L"Label3";
inline constexpr std::wstring_view kDateLayer = L"Label4";
inline constexpr std::wstring_view kWorkTimeLayer = L"Label6";      // system work time
inline constexpr std::wstring_view kPowerOffTimeLayer = L"Label5";  // time to turn off
inline constexpr std::wstring_view kCountdownLayer = L"Label7";
inline constexpr std::array<std::wstring_view, 12> kDigitLayers{L"cyfra1",  L"cyfra2", L"cyfra3", L"cyfra4", L"cyfra5",
                                                                L"cyfra6",  L"cyfra7", L"cyfra8", L"cyfra9", L"cyfra10",
                                                                L"cyfra11", L"cyfra12"};  // 1 to 12
inline constexpr std::wstring_view kDigitalTimeLayer = L"Label1";
inline constexpr std::wstring_view kHourHandLayer = L"Image2";
inline constexpr std::wstring_view kMinuteHandLayer = L"Image3";
// Hidden: the stripe in the frame's colours that the other windows show.
inline constexpr std::wstring_view kDecorativeStripeLayer = L"Image6";
inline constexpr std::wstring_view kSecondHandLayer = L"Image4";
inline constexpr std::wstring_view kStripLayer = L"Image5";  // the two-button strip

// The popup menu and its items, in order.
inline constexpr std::wstring_view kClockMenuName = L"PopupMenu1";
inline constexpr std::wstring_view kControlPanelMenuItem = L"ControlPanel1";  // "Control Panel"
inline constexpr std::wstring_view kHideClockMenuItem = L"HideClock1";        // "Hide Clock"
inline constexpr std::wstring_view kDailyPlannerMenuItem = L"DailyPlanner1";  // "Daily Planner"
inline constexpr std::wstring_view kTodaysDateMenuItem = L"odaysDate1";       // "Today's Date"
inline constexpr std::wstring_view kMenuSeparator = L"N1";
inline constexpr std::wstring_view kExitMenuItem = L"Exit1";  // "Exit"

}  // namespace tikora
