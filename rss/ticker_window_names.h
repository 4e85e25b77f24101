// The RSS ticker's components (`TForm5`): the names of the window's layout, declared once. Code
// refers to a component through these; the names themselves stay as the layout gives them, so that
// tests and the driver find the components by them.
#pragma once
#include <string_view>

namespace tikora {

inline constexpr std::wstring_view kTickerWindowName = L"TForm5";
inline constexpr std::wstring_view kTickerTopStripe = L"Image1";
inline constexpr std::wstring_view kTickerBottomStripe = L"Image2";
inline constexpr std::wstring_view kTickerCloseButton = L"Image3";
// The headlines, one label each, and the end marker.
inline constexpr std::wstring_view kHeadlineStripName = L"ScrollBox1";
inline constexpr std::wstring_view kEndMarkerName = L"EndMarker";
inline constexpr std::wstring_view kTickerScrollTimer = L"Timer1";

}  // namespace tikora
