// The fakes' own promises that core tests compute their expected pixels and file effects from.
#include <gtest/gtest.h>

#include "platform/fake/fake_files.h"
#include "platform/fake/fake_locale.h"
#include "platform/fake/fake_text_metrics.h"

namespace tikora {
namespace {

TEST(FakeTextMetricsTest, FollowsTheDocumentedFormula) {
  FakeTextMetrics metrics;
  // 8 pt: 5 px per character, 13 px high; 10 pt: 6 and 15; 12 pt: 7 and 18; 18 pt: 11 and 26.
  EXPECT_EQ(metrics.measure(L" 12 ", {L"Arial", 8}), (TextSize{20, 13}));
  EXPECT_EQ(metrics.measure(L"Monday", {L"Arial", 10}), (TextSize{36, 15}));
  EXPECT_EQ(metrics.measure(L"Monday", {L"Arial", 12}), (TextSize{42, 18}));
  EXPECT_EQ(metrics.measure(L"Jan 5", {L"Tahoma", 18}), (TextSize{55, 26}));
  // Bold adds a pixel per character; italic and underline add nothing.
  EXPECT_EQ(metrics.measure(L"Monday", {L"Arial", 10, true}), (TextSize{42, 15}));
  EXPECT_EQ(metrics.measure(L"Monday", {L"Arial", 10, false, true, true}), (TextSize{36, 15}));
  // An empty label is still one line high.
  EXPECT_EQ(metrics.measure(L"", {L"Arial", 9}), (TextSize{0, 14}));
}

TEST(FakeTextMetricsTest, FacesDifferOnlyWhenATestSaysSo) {
  FakeTextMetrics metrics;
  EXPECT_EQ(metrics.measure(L"abc", {L"Verdana", 10}), metrics.measure(L"abc", {L"Arial", 10}));
  metrics.setExtraWidthPerCharacter(L"Verdana", 2);
  EXPECT_EQ(metrics.measure(L"abc", {L"Verdana", 10, true}), (TextSize{27, 15}));
  EXPECT_EQ(metrics.installedFontNames(), FakeTextMetrics::defaultFontNames());
}

TEST(FakeLocaleTest, EnglishUntilToldOtherwise) {
  FakeLocale locale;
  EXPECT_EQ(locale.names().longDayNames[0], L"Sunday");
  LocaleNames german = englishLocaleNames();
  german.longDayNames[0] = L"Sonntag";
  locale.setNames(german);
  EXPECT_EQ(locale.names().longDayNames[0], L"Sonntag");
  EXPECT_EQ(locale.queries(), 2);
}

TEST(FakeFilesTest, FaultsActOnTheirPathWhateverItsCase) {
  FakeFiles files;
  const std::wstring probe = L"C:\\Users\\Tester\\AppData\\Roaming\\test";
  files.setFault(L"c:\\users\\tester\\appdata\\roaming\\TEST", FakeFiles::Fault::CreateFailsLeavingFile);
  EXPECT_FALSE(files.createEmptyFile(probe).ok());
  EXPECT_TRUE(files.fileExists(probe));
  EXPECT_TRUE(files.removeFile(probe).ok());
  EXPECT_FALSE(files.removeFile(probe).ok());
  EXPECT_EQ(files.calls(), (std::vector<std::wstring>{L"create " + probe, L"exists " + probe, L"remove " + probe,
                                                      L"remove " + probe}));

  EXPECT_TRUE(files.writeFile(L"C:\\page\\ht.htm", "<html>").ok());
  files.setFault(L"C:\\page\\ht.htm", FakeFiles::Fault::WriteFails);
  EXPECT_FALSE(files.writeFile(L"C:\\page\\ht.htm", "<html>new").ok());
  EXPECT_EQ(files.contents(L"C:\\page\\ht.htm"), std::string());

  files.setFaultForAll(FakeFiles::Fault::CreateFails);
  EXPECT_FALSE(files.writeFile(L"C:\\other", "x").ok());
  EXPECT_FALSE(files.contents(L"C:\\other").has_value());
}

}  // namespace
}  // namespace tikora
