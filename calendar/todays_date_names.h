// The today's date page's components (`TForm7`): the names of the window's layout, declared once.
// Code refers to a component through these; the names themselves stay as the layout gives them, so
// that tests and the driver find the components by them.
#pragma once
#include <string_view>

namespace tikora {

inline constexpr std::wstring_view kTodaysDateWindowName = L"TForm7";
inline constexpr std::wstring_view kMonthAndYearPanel = L"Panel2";  // "mmmm yyyy"
inline constexpr std::wstring_view kWeekdayPanel = L"Panel3";
inline constexpr std::wstring_view kDayPanel = L"Panel1";  // the day of the month
inline constexpr std::wstring_view kDaysElapsedPanel = L"Panel4";
inline constexpr std::wstring_view kDaysLeftPanel = L"Panel5";
inline constexpr std::wstring_view kTodayTopStripe = L"Image1";
inline constexpr std::wstring_view kTodayBottomStripe = L"Image2";
inline constexpr std::wstring_view kTodayCloseButton = L"Image3";

}  // namespace tikora
