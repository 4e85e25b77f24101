// Regional settings, shell folders and geometry, and files, against the real system.
#include <windows.h>

#include <gtest/gtest.h>

#include <cwctype>
#include <set>
#include <string>

#include "platform/win32/win32_files.h"
#include "platform/win32/win32_locale.h"
#include "platform/win32/win32_shell.h"
#include "tests/win32/read_file.h"

namespace tikora {
namespace {

bool isFolder(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// A named locale does not depend on the LANG the tests were started with.
TEST(Win32LocaleTest, UnitedStatesEnglishIsTheEnglishDefaultSundayFirst) {
  EXPECT_EQ(Win32Locale(L"en-US").names(), englishLocaleNames());
}

TEST(Win32LocaleTest, OtherLocalesGiveTheirOwnNamesInTheSameOrder) {
  const LocaleNames german = Win32Locale(L"de-DE").names();
  EXPECT_EQ(german.longDayNames[0], L"Sonntag");
  EXPECT_EQ(german.longDayNames[1], L"Montag");
  EXPECT_EQ(german.longDayNames[6], L"Samstag");
  EXPECT_EQ(german.longMonthNames[0], L"Januar");
  EXPECT_EQ(german.longMonthNames[2], L"M\u00E4rz");
  EXPECT_EQ(german.longMonthNames[11], L"Dezember");
  EXPECT_EQ(german.longTimeFormat.substr(0, 2), L"HH");
}

TEST(Win32LocaleTest, AnUnknownLocaleFallsBackToEnglish) {
  EXPECT_EQ(Win32Locale(L"xx-NOWHERE").names(), englishLocaleNames());
}

TEST(Win32LocaleTest, TheUserLocaleGivesSevenDaysAndTwelveMonths) {
  const LocaleNames names = Win32Locale().names();
  EXPECT_EQ(std::set<std::wstring>(names.longDayNames.begin(), names.longDayNames.end()).size(), 7u);
  EXPECT_EQ(std::set<std::wstring>(names.shortDayNames.begin(), names.shortDayNames.end()).size(), 7u);
  EXPECT_EQ(std::set<std::wstring>(names.longMonthNames.begin(), names.longMonthNames.end()).size(), 12u);
  EXPECT_FALSE(names.shortDateFormat.empty());
  EXPECT_FALSE(names.longTimeFormat.empty());
  wchar_t userLocale[LOCALE_NAME_MAX_LENGTH] = {};
  ASSERT_GT(GetUserDefaultLocaleName(userLocale, LOCALE_NAME_MAX_LENGTH), 0);
  EXPECT_EQ(names.longMonthNames, Win32Locale(userLocale).names().longMonthNames);
}

// The clock formats its time every second: the names are read once, and again only after the
// system said that the regional settings changed (the clock window's WM_SETTINGCHANGE).
TEST(Win32LocaleTest, NamesAreKeptUntilTheSystemSaysTheyChanged) {
  Win32Locale locale;
  const LocaleNames& names = locale.names();
  const std::wstring before = names.amMarker;
  const std::wstring changed = before == L"vorm." ? L"a.m." : L"vorm.";
  ASSERT_TRUE(SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_S1159, changed.c_str()));
  EXPECT_EQ(locale.names().amMarker, before);
  locale.forget();
  EXPECT_EQ(&locale.names(), &names);
  EXPECT_EQ(names.amMarker, changed);
  EXPECT_TRUE(SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_S1159, before.c_str()));
}

TEST(Win32ShellTest, SpecialFoldersAreExistingFoldersWithoutTrailingBackslash) {
  Win32Shell shell;
  for (const Result<std::wstring>& folder : {shell.appDataFolder(), shell.internetCacheFolder()}) {
    ASSERT_TRUE(folder.ok()) << folder.error().code;
    EXPECT_TRUE(isFolder(*folder));
    EXPECT_NE(folder->back(), L'\\');
  }
  EXPECT_NE(*shell.appDataFolder(), *shell.internetCacheFolder());
}

TEST(Win32ShellTest, ScreenWorkAreaTaskbarAndProgramPath) {
  Win32Shell shell;
  const ScreenSize screen = shell.screenSize();
  EXPECT_GT(screen.width, 0);
  EXPECT_GT(screen.height, 0);
  const Rect work = shell.workArea();
  EXPECT_GT(work.width, 0);
  EXPECT_GT(work.height, 0);
  EXPECT_LE(work.height, screen.height);
  (void)shell.taskbarAutoHides();  // asks the shell; either answer is valid

  std::wstring program = shell.programPath();
  ASSERT_GT(program.size(), 4u);
  EXPECT_EQ(program.find(L'"'), std::wstring::npos);
  EXPECT_NE(GetFileAttributesW(program.c_str()), INVALID_FILE_ATTRIBUTES);
  for (wchar_t& c : program) c = static_cast<wchar_t>(std::towlower(c));
  EXPECT_TRUE(program.ends_with(L"\\win32_tests.exe")) << "unexpected program path";
}

TEST(Win32ShellTest, OpeningAMissingFileReportsAnError) {
  Win32Shell shell;
  const Status opened = shell.openAddress(L"C:\\no such folder\\no such page.htm");
  ASSERT_FALSE(opened.ok());
  EXPECT_NE(opened.error().code, 0u);
}

TEST(Win32FilesTest, ProbeAndPageFilesRoundTrip) {
  Win32Shell shell;
  Win32Files files;
  const Result<std::wstring> folder = shell.appDataFolder();
  ASSERT_TRUE(folder.ok());
  const std::wstring path = *folder + L"\\tikora-files-test.htm";
  (void)files.removeFile(path);

  ASSERT_TRUE(files.createEmptyFile(path).ok());
  EXPECT_TRUE(files.fileExists(path));
  EXPECT_EQ(testing::readAll(path), "");

  // Bytes are written as they are: no line-end translation, NULs and high bytes kept.
  const std::string page("<p>caf\xE9</p>\r\n\n\0end\xFF", 20);
  ASSERT_TRUE(files.writeFile(path, page).ok());
  EXPECT_EQ(testing::readAll(path), page);
  // Overwriting with less leaves no tail of the old content; creating truncates.
  ASSERT_TRUE(files.writeFile(path, "short").ok());
  EXPECT_EQ(testing::readAll(path), "short");
  ASSERT_TRUE(files.createEmptyFile(path).ok());
  EXPECT_EQ(testing::readAll(path), "");

  EXPECT_TRUE(files.removeFile(path).ok());
  EXPECT_FALSE(files.fileExists(path));
  const Status again = files.removeFile(path);
  ASSERT_FALSE(again.ok());
  EXPECT_EQ(again.error().code, static_cast<std::uint32_t>(ERROR_FILE_NOT_FOUND));
}

TEST(Win32FilesTest, FailuresAreReportedWithTheSystemCode) {
  Win32Shell shell;
  Win32Files files;
  const std::wstring folder = *shell.appDataFolder();
  const Status missingFolder = files.createEmptyFile(folder + L"\\no such folder\\test");
  ASSERT_FALSE(missingFolder.ok());
  EXPECT_EQ(missingFolder.error().code, static_cast<std::uint32_t>(ERROR_PATH_NOT_FOUND));
  EXPECT_FALSE(files.writeFile(folder + L"\\no such folder\\ht.htm", "x").ok());
  // A folder is not a file: it neither "exists" as one nor can be created over.
  EXPECT_FALSE(files.fileExists(folder));
  EXPECT_FALSE(files.createEmptyFile(folder).ok());
}

}  // namespace
}  // namespace tikora
