// The 384-byte planner record: every byte in its place, zeros where nothing is, texts cut to
// their fields without splitting a character, and what a reader must ignore.
#include "planner/planner_record.h"

#include <gtest/gtest.h>

#include "tests/unit/planner_fixture.h"

namespace tikora {
namespace {

// A double-byte code page: U+3000 and above are 0x81 and the low byte.
class DoubleByteCodePage : public AnsiCodePage {
 public:
  std::string toAnsi(std::wstring_view text) const override {
    std::string out;
    for (wchar_t c : text) out += c >= 0x3000 ? std::string{'\x81', char(c & 0xFF)} : std::string(1, char(c));
    return out;
  }
  std::wstring fromAnsi(std::string_view bytes) const override {
    std::wstring out;
    for (std::size_t i = 0; i < bytes.size(); ++i)
      out += bytes[i] == '\x81' ? wchar_t(0x3000 | std::uint8_t(bytes[++i])) : wchar_t(std::uint8_t(bytes[i]));
    return out;
  }
};

TEST(PlannerRecordTest, EveryByteInItsPlaceAndZerosElsewhere) {
  FakeAnsiCodePage codePage;
  // é and € are in Windows-1252, ☎ is not.
  const std::wstring kBreaks = L"a\r\nb\xE9\x20AC\x260E";
  for (const auto& [title, description] :
       {std::pair{std::wstring(), std::wstring()}, std::pair{std::wstring(96, L'T'), std::wstring(255, L'd')},
        std::pair{std::wstring(120, L'T'), kBreaks}}) {
    PlannerRecord record{title, description, *DateTime::fromSerial(45365.25),  // a picker at 06:00
                         *DateTime::fromTime(14, 30, 0), title.empty()};
    PlannerRecordBytes expected{};
    const std::size_t titleLength = std::min<std::size_t>(title.size(), 96);
    expected[0] = std::uint8_t(titleLength);
    std::fill_n(expected.begin() + 1, titleLength, 'T');
    if (description == kBreaks) {
      const std::uint8_t text[] = {7, 'a', '\r', '\n', 'b', 0xE9, 0x80, '?'};
      std::copy(std::begin(text), std::end(text), expected.begin() + 97);
    } else {
      expected[97] = std::uint8_t(description.size());
      std::fill_n(expected.begin() + 98, description.size(), 'd');
    }
    const std::uint8_t dateAndTime[] = {0,    0,    0,    0,    0xA8, 0x26, 0xE6, 0x40,   // 45365.25
                                        0x55, 0x55, 0x55, 0x55, 0x55, 0x55, 0xE3, 0x3F};  // 14:30
    std::copy(std::begin(dateAndTime), std::end(dateAndTime), expected.begin() + 360);
    expected[376] = title.empty() ? 1 : 0;
    const PlannerRecordBytes bytes = encodePlannerRecord(record, codePage);
    EXPECT_EQ(bytes, expected) << "title of " << title.size();

    record.title = record.title.substr(0, 96);
    if (description == kBreaks) record.description = L"a\r\nb\xE9\x20AC?";
    EXPECT_EQ(decodePlannerRecord(bytes, codePage), record);
  }
}

TEST(PlannerRecordTest, ADoubleByteCharacterIsNeverSplit) {
  DoubleByteCodePage codePage;
  // 47 single bytes and 25 double-byte characters: 97 bytes, the last character does not fit.
  const std::wstring title = std::wstring(47, L'a') + std::wstring(25, L'\x3042');
  EXPECT_EQ(ansiCut(title, 97, codePage).size(), 97u);
  PlannerRecord record = testing::item(title, 14, 9, 0);
  const PlannerRecordBytes bytes = encodePlannerRecord(record, codePage);
  EXPECT_EQ(bytes[0], 95);
  EXPECT_EQ(bytes[96], 0);
  EXPECT_EQ(decodePlannerRecord(bytes, codePage)->title, title.substr(0, 71));
}

TEST(PlannerRecordTest, AReaderIgnoresWhatCarriesNoMeaning) {
  FakeAnsiCodePage codePage;
  PlannerRecordBytes bytes = encodePlannerRecord(testing::item(L"Tea", 14, 16, 0, true), codePage);
  for (std::size_t at : {4u, 96u, 100u, 353u, 359u, 377u, 383u}) bytes[at] = 0xAB;
  bytes[376] = 2;
  EXPECT_EQ(decodePlannerRecord(bytes, codePage), testing::item(L"Tea", 14, 16, 0, true));

  // A title length past its field reads as the field; a date that is no date (NaN) as 0.
  bytes[0] = 200;
  std::fill_n(bytes.begin() + 360, 8, 0xFF);
  const PlannerRecord odd = *decodePlannerRecord(bytes, codePage);
  EXPECT_EQ(odd.title.size(), 96u);
  EXPECT_EQ(odd.date, DateTime{});
  EXPECT_FALSE(decodePlannerRecord(std::span(bytes).first(383), codePage));
}

}  // namespace
}  // namespace tikora
