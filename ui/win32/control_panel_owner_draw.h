// What the control panel's owner-drawn lists show: the colour boxes' standard colours and
// custom entry, and the heights of their lines.
#pragma once
#include <windows.h>

#include <array>

namespace tikora {

inline constexpr int kItemHeight = 18;
inline constexpr int kHandItemHeight = 42;  // a hand picture (40 x 40) a line
inline constexpr LPARAM kCustomColourItem = -1;  // the "Custom..." entry's item data

struct NamedColour {
  const wchar_t* name;
  COLORREF colour;
};
inline constexpr std::array<NamedColour, 16> kStandardColours{{
    {L"Black", RGB(0, 0, 0)},        {L"Maroon", RGB(128, 0, 0)},   {L"Green", RGB(0, 128, 0)},
    {L"Olive", RGB(128, 128, 0)},    {L"Navy", RGB(0, 0, 128)},     {L"Purple", RGB(128, 0, 128)},
    {L"Teal", RGB(0, 128, 128)},     {L"Gray", RGB(128, 128, 128)}, {L"Silver", RGB(192, 192, 192)},
    {L"Red", RGB(255, 0, 0)},        {L"Lime", RGB(0, 255, 0)},     {L"Yellow", RGB(255, 255, 0)},
    {L"Blue", RGB(0, 0, 255)},       {L"Fuchsia", RGB(255, 0, 255)}, {L"Aqua", RGB(0, 255, 255)},
    {L"White", RGB(255, 255, 255)},
}};
}  // namespace tikora
