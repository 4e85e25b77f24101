// The RSS page view's components (`TForm6`): the names of the window's layout, declared once. Code
// refers to a component through these; the names themselves stay as the layout gives them, so that
// tests and the driver find the components by them.
#pragma once
#include <string_view>

namespace tikora {

inline constexpr std::wstring_view kPageViewWindowName = L"TForm6";
inline constexpr std::wstring_view kPageBrowserName = L"WebBrowser1";
inline constexpr std::wstring_view kPageTopStripe = L"Image1";
inline constexpr std::wstring_view kPageBottomStripe = L"Image2";
inline constexpr std::wstring_view kPageCloseButton = L"Image3";

}  // namespace tikora
