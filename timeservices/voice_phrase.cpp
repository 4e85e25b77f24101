// The spoken time as recorded words; see voice_phrase.h.
#include "timeservices/voice_phrase.h"

namespace tikora {

std::wstring voiceSample(std::wstring_view word, Voice voice) {
  std::wstring name(word);
  if (voice == Voice::Female) name += L"_f";
  return name;
}

std::wstring numberSample(int n, Voice voice) { return voiceSample(L"ang_" + std::to_wstring(n), voice); }

std::vector<std::wstring> minuteWords(int minute, Voice voice) {
  std::vector<std::wstring> words{voiceSample(L"its", voice)};
  if (minute >= 1 && minute <= 20) {
    words.push_back(numberSample(minute, voice));
    words.push_back(voiceSample(L"past", voice));
  } else if (minute >= 21 && minute <= 29) {
    words.push_back(numberSample(20, voice));
    words.push_back(numberSample(minute - 20, voice));
    words.push_back(voiceSample(L"past", voice));
  } else if (minute == 30) {
    words.push_back(voiceSample(L"half", voice));
    words.push_back(voiceSample(L"past", voice));
  } else if (minute >= 31 && minute <= 39) {
    words.push_back(numberSample(20, voice));
    words.push_back(numberSample(40 - minute, voice));
    words.push_back(voiceSample(L"to", voice));
  } else if (minute >= 40 && minute <= 59) {
    words.push_back(numberSample(60 - minute, voice));
    words.push_back(voiceSample(L"to", voice));
  }
  return words;
}

namespace {

// The hour on a 12-hour dial: 0 and 12 are 12.
int dialHour(int hour) {
  const int h = hour % 12;
  return h == 0 ? 12 : h;
}

}  // namespace

std::vector<std::wstring> hourWords(int minute, int hour, bool amPm, Voice voice) {
  std::vector<std::wstring> words;
  const int spoken = minute < 31 ? dialHour(hour) : dialHour(hour + 1);
  words.push_back(numberSample(spoken, voice));
  if (amPm) words.push_back(voiceSample(hour < 12 ? L"am" : L"pm", voice));
  return words;
}

std::vector<std::wstring> voicePhrase(int minute, int hour, bool amPm, Voice voice) {
  std::vector<std::wstring> words = minuteWords(minute, voice);
  for (auto& word : hourWords(minute, hour, amPm, voice)) words.push_back(std::move(word));
  return words;
}

}  // namespace tikora
