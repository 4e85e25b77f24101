#include "core/locale_format.h"

#include <gtest/gtest.h>

namespace tikora {
namespace {

CivilTime at(int year, int month, int day, int hour, int minute, int second) {
  return CivilTime{year, month, day, 0, hour, minute, second, 0};
}

TEST(LocaleFormatTest, UnitedStatesShortDateAndLongTime) {
  const LocaleNames us = englishLocaleNames();
  EXPECT_EQ(shortDateText(at(2011, 12, 8, 15, 0, 0), us), L"12/8/2011");
  EXPECT_EQ(shortDateText(at(2024, 2, 29, 0, 0, 0), us), L"2/29/2024");
  EXPECT_EQ(longTimeText(at(2011, 12, 8, 15, 0, 0), us), L"3:00:00 PM");
  EXPECT_EQ(longTimeText(at(2011, 12, 8, 0, 5, 9), us), L"12:05:09 AM");
  EXPECT_EQ(longTimeText(at(2011, 12, 8, 12, 0, 0), us), L"12:00:00 PM");
  EXPECT_EQ(longTimeText(at(2011, 12, 8, 11, 59, 59), us), L"11:59:59 AM");
  const auto value = *DateTime::fromSerial(40885.625);
  EXPECT_EQ(shortDateText(value, us), L"12/8/2011");
  EXPECT_EQ(longTimeText(value, us), L"3:00:00 PM");
}

TEST(LocaleFormatTest, TwentyFourHourLocales) {
  LocaleNames german = englishLocaleNames();
  german.shortDateFormat = L"dd.MM.yyyy";
  german.longTimeFormat = L"HH:mm:ss";
  EXPECT_EQ(shortDateText(at(2011, 12, 8, 15, 0, 0), german), L"08.12.2011");
  EXPECT_EQ(longTimeText(at(2011, 12, 8, 15, 0, 0), german), L"15:00:00");
  EXPECT_EQ(longTimeText(at(2011, 12, 8, 0, 5, 9), german), L"00:05:09");
  LocaleNames swedish = englishLocaleNames();
  swedish.shortDateFormat = L"yyyy-MM-dd";
  swedish.longTimeFormat = L"H:mm:ss";
  EXPECT_EQ(shortDateText(at(2011, 1, 8, 9, 5, 0), swedish), L"2011-01-08");
  EXPECT_EQ(longTimeText(at(2011, 1, 8, 9, 5, 0), swedish), L"9:05:00");
}

TEST(LocaleFormatTest, PictureLettersAreCaseSensitive) {
  const LocaleNames us = englishLocaleNames();
  const CivilTime time = at(2005, 3, 4, 15, 7, 9);  // a Friday
  EXPECT_EQ(formatLocalePicture(L"h hh H HH", time, us), L"3 03 15 15");
  EXPECT_EQ(formatLocalePicture(L"m mm M MM", time, us), L"7 07 3 03");
  EXPECT_EQ(formatLocalePicture(L"MMM MMMM MMMMM", time, us), L"Mar March March");
  EXPECT_EQ(formatLocalePicture(L"d dd ddd dddd", time, us), L"4 04 Fri Friday");
  EXPECT_EQ(formatLocalePicture(L"y yy yyyy yyyyy", time, us), L"5 05 2005 2005");
  EXPECT_EQ(formatLocalePicture(L"s ss t tt", time, us), L"9 09 P PM");
  EXPECT_EQ(formatLocalePicture(L"hh", at(2005, 3, 4, 0, 0, 0), us), L"12");
  EXPECT_EQ(formatLocalePicture(L"D Y S", time, us), L"D Y S");
  EXPECT_EQ(formatLocalePicture(L"gg yyyy", time, us), L" 2005");
}

TEST(LocaleFormatTest, QuotedTextInPictures) {
  const LocaleNames us = englishLocaleNames();
  const CivilTime time = at(2011, 12, 8, 15, 0, 0);
  EXPECT_EQ(formatLocalePicture(L"d 'de' MMMM 'de' yyyy", time, us), L"8 de December de 2011");
  EXPECT_EQ(formatLocalePicture(L"h 'o''clock' tt", time, us), L"3 o'clock PM");
  EXPECT_EQ(formatLocalePicture(L"''h''", time, us), L"'3'");
  EXPECT_EQ(formatLocalePicture(L"'open d", time, us), L"open d");
}

TEST(LocaleFormatTest, MarkersAndNamesFromTheLocale) {
  LocaleNames korean = englishLocaleNames();
  korean.amMarker = L"\uC624\uC804";
  korean.pmMarker = L"\uC624\uD6C4";
  korean.longTimeFormat = L"tt h:mm:ss";
  EXPECT_EQ(longTimeText(at(2011, 12, 8, 15, 0, 0), korean), L"\uC624\uD6C4 3:00:00");
  LocaleNames noMarkers = englishLocaleNames();
  noMarkers.amMarker.clear();
  noMarkers.pmMarker.clear();
  EXPECT_EQ(formatLocalePicture(L"H:mm tt", at(2011, 12, 8, 15, 0, 0), noMarkers), L"15:00 ");
  EXPECT_EQ(formatLocalePicture(L"H:mm t", at(2011, 12, 8, 15, 0, 0), noMarkers), L"15:00 ");
}

}  // namespace
}  // namespace tikora
