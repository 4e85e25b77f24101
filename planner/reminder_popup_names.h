// The reminder popup's components (`TForm4`): the names of the window's layout, declared once. Code
// refers to a component through these; the names themselves stay as the layout gives them, so that
// tests and the driver find the components by them.
#pragma once
#include <string_view>

namespace tikora {

inline constexpr std::wstring_view kReminderWindowName = L"TForm4";
inline constexpr std::wstring_view kReminderNumberLabel = L"Label1";  // "Item num. N"
inline constexpr std::wstring_view kReminderTimeLabel = L"Label2";
inline constexpr std::wstring_view kReminderDateLabel = L"Label3";
inline constexpr std::wstring_view kReminderCloseLabel = L"Label4";  // "Close"
inline constexpr std::wstring_view kReminderTitleLabel = L"Label5";
inline constexpr std::wstring_view kReminderDescriptionLabel = L"Label6";
inline constexpr std::wstring_view kReminderClosePicture = L"Image1";  // the picture under "Close"
inline constexpr std::wstring_view kReminderTopStripe = L"Image2";
inline constexpr std::wstring_view kReminderBottomStripe = L"Image3";

}  // namespace tikora
