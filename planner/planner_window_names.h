// The daily planner's components (`TForm3`): the names of the window's layout, declared once. Code
// refers to a component through these; the names themselves stay as the layout gives them, so that
// tests and the driver find the components by them.
#pragma once
#include <string_view>

namespace tikora {

inline constexpr std::wstring_view kPlannerWindowName = L"TForm3";  // "Daily Planner"
// "Add Items to the List "
inline constexpr std::wstring_view kAddItemGroup = L"GroupBox1";
inline constexpr std::wstring_view kItemDateLabel = L"Label1";  // "Select Execution Date"
inline constexpr std::wstring_view kItemDatePicker = L"DateTimePicker1";
inline constexpr std::wstring_view kItemTimeLabel = L"Label2";  // "Select Execution Time"
inline constexpr std::wstring_view kItemTimePicker = L"DateTimePicker2";
inline constexpr std::wstring_view kItemTitleLabel = L"Label3";  // "Item Title"
inline constexpr std::wstring_view kItemTitleEdit = L"Edit1";
inline constexpr std::wstring_view kItemDescriptionLabel = L"Label4";  // "Item Description"
inline constexpr std::wstring_view kItemDescriptionMemo = L"Memo1";
inline constexpr std::wstring_view kItemSoundBox = L"CheckBox1";  // "Notify with Sound"
inline constexpr std::wstring_view kAddItemButton = L"Button1";   // "Add to the List"
// "Items List"
inline constexpr std::wstring_view kItemListGroup = L"GroupBox2";
inline constexpr std::wstring_view kItemList = L"ListView1";
inline constexpr std::wstring_view kDeleteItemButton = L"Button2";    // "Delete Selected Item"
inline constexpr std::wstring_view kPlannerOkButton = L"Button3";     // "OK"
inline constexpr std::wstring_view kColourMeaningLabel = L"Label5";   // "Item Color Meaning :"
inline constexpr std::wstring_view kPassedItemLabel = L"Label6";      // "Item Activity Passed"
inline constexpr std::wstring_view kLaterTodayItemLabel = L"Label7";  // "Item Active Execution later Today"
inline constexpr std::wstring_view kFutureItemLabel = L"Label8";      // "Item Active Execution in Future Days"

}  // namespace tikora
