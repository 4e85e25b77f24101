// The spoken time word by word: every minute of the hour at the hours where the 12-hour dial
// and the am/pm word turn over, both voices, with and without the am/pm word.
#include "timeservices/voice_phrase.h"

#include <gtest/gtest.h>

#include <array>
#include <sstream>
#include <string>
#include <vector>

namespace tikora {
namespace {

// The words before the hour, minute by minute, as a listener hears them.
constexpr std::array<const wchar_t*, 60> kMinuteWords{
    L"its",  // 0
    L"its ang_1 past",
    L"its ang_2 past",
    L"its ang_3 past",
    L"its ang_4 past",
    L"its ang_5 past",
    L"its ang_6 past",
    L"its ang_7 past",
    L"its ang_8 past",
    L"its ang_9 past",
    L"its ang_10 past",
    L"its ang_11 past",
    L"its ang_12 past",
    L"its ang_13 past",
    L"its ang_14 past",
    L"its ang_15 past",
    L"its ang_16 past",
    L"its ang_17 past",
    L"its ang_18 past",
    L"its ang_19 past",
    L"its ang_20 past",
    L"its ang_20 ang_1 past",
    L"its ang_20 ang_2 past",
    L"its ang_20 ang_3 past",
    L"its ang_20 ang_4 past",
    L"its ang_20 ang_5 past",
    L"its ang_20 ang_6 past",
    L"its ang_20 ang_7 past",
    L"its ang_20 ang_8 past",
    L"its ang_20 ang_9 past",  // 29
    L"its half past",          // 30
    L"its ang_20 ang_9 to",
    L"its ang_20 ang_8 to",
    L"its ang_20 ang_7 to",
    L"its ang_20 ang_6 to",
    L"its ang_20 ang_5 to",
    L"its ang_20 ang_4 to",
    L"its ang_20 ang_3 to",
    L"its ang_20 ang_2 to",
    L"its ang_20 ang_1 to",  // 39
    L"its ang_20 to",
    L"its ang_19 to",
    L"its ang_18 to",
    L"its ang_17 to",
    L"its ang_16 to",
    L"its ang_15 to",
    L"its ang_14 to",
    L"its ang_13 to",
    L"its ang_12 to",
    L"its ang_11 to",
    L"its ang_10 to",
    L"its ang_9 to",
    L"its ang_8 to",
    L"its ang_7 to",
    L"its ang_6 to",
    L"its ang_5 to",
    L"its ang_4 to",
    L"its ang_3 to",
    L"its ang_2 to",
    L"its ang_1 to",  // 59
};

struct HourCase {
  int hour;
  const wchar_t* thisHour;  // said up to minute 30
  const wchar_t* nextHour;  // said from minute 31
  const wchar_t* marker;
};

constexpr std::array<HourCase, 4> kHours{{
    {0, L"ang_12", L"ang_1", L"am"},
    {11, L"ang_11", L"ang_12", L"am"},
    {12, L"ang_12", L"ang_1", L"pm"},
    {23, L"ang_11", L"ang_12", L"pm"},
}};

// Splits the blank-separated words; the female voice says each with "_f" after it.
std::vector<std::wstring> words(const std::wstring& text, Voice voice) {
  std::wistringstream in(text);
  std::vector<std::wstring> out;
  for (std::wstring w; in >> w;) out.push_back(voice == Voice::Female ? w + L"_f" : w);
  return out;
}

TEST(VoicePhrase, EveryMinuteAtTheTurningHoursInBothVoices) {
  for (const Voice voice : {Voice::Male, Voice::Female}) {
    for (const HourCase& h : kHours) {
      for (int minute = 0; minute < 60; ++minute) {
        const std::wstring hourWord = minute <= 30 ? h.thisHour : h.nextHour;
        const std::wstring plain = std::wstring(kMinuteWords[minute]) + L" " + hourWord;
        SCOPED_TRACE(::testing::Message()
                     << "hour " << h.hour << " minute " << minute << (voice == Voice::Female ? " female" : " male"));
        EXPECT_EQ(voicePhrase(minute, h.hour, false, voice), words(plain, voice));
        EXPECT_EQ(voicePhrase(minute, h.hour, true, voice), words(plain + L" " + h.marker, voice));
      }
    }
  }
}

TEST(VoicePhrase, ExamplesOfTheDay) {
  using V = std::vector<std::wstring>;
  constexpr Voice M = Voice::Male;
  EXPECT_EQ(voicePhrase(25, 22, true, M), (V{L"its", L"ang_20", L"ang_5", L"past", L"ang_10", L"pm"}));
  EXPECT_EQ(voicePhrase(0, 14, true, M), (V{L"its", L"ang_2", L"pm"}));
  EXPECT_EQ(voicePhrase(30, 7, true, M), (V{L"its", L"half", L"past", L"ang_7", L"am"}));
  EXPECT_EQ(voicePhrase(52, 8, true, M), (V{L"its", L"ang_8", L"to", L"ang_9", L"am"}));
  EXPECT_EQ(voicePhrase(45, 11, true, M), (V{L"its", L"ang_15", L"to", L"ang_12", L"am"}));
  EXPECT_EQ(voicePhrase(45, 23, true, M), (V{L"its", L"ang_15", L"to", L"ang_12", L"pm"}));
  EXPECT_EQ(voicePhrase(45, 12, true, M), (V{L"its", L"ang_15", L"to", L"ang_1", L"pm"}));
  EXPECT_EQ(voicePhrase(10, 0, true, M), (V{L"its", L"ang_10", L"past", L"ang_12", L"am"}));
  EXPECT_EQ(voicePhrase(31, 17, false, Voice::Female), (V{L"its_f", L"ang_20_f", L"ang_9_f", L"to_f", L"ang_6_f"}));
}

TEST(VoicePhrase, HourWordFollowsTheMinuteItIsGiven) {
  // The announcement reads the minute again for the hour word: if the tick moved from 30 to 31
  // in between, the hour word is already the next hour's.
  EXPECT_EQ(hourWords(31, 9, true, Voice::Male), (std::vector<std::wstring>{L"ang_10", L"am"}));
  EXPECT_EQ(hourWords(30, 9, false, Voice::Female), (std::vector<std::wstring>{L"ang_9_f"}));
}

}  // namespace
}  // namespace tikora
