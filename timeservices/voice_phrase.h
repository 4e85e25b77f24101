// The spoken time as a list of recorded words: "it's twenty five past ten pm", "it's fifteen to
// three". Each word is a WAVE resource of the program; the female voice uses the same names
// followed by "_f" ("its_f", "ang_20_f").
//
//   minute 0        its
//   minute 1..20    its, m, past
//   minute 21..29   its, 20, m - 20, past
//   minute 30       its, half, past
//   minute 31..39   its, 20, 40 - m, to
//   minute 40..59   its, 60 - m, to
// then the hour on a 12-hour dial (the next hour from minute 31 on), then "am" or "pm" by the
// current hour when the am/pm word is wanted. There is no word for o'clock.
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace tikora {

enum class Voice { Male, Female };

// The resource name of a word in a voice: "past" -> "past" or "past_f".
std::wstring voiceSample(std::wstring_view word, Voice voice);
// The number word n (1..20): "ang_7" or "ang_7_f".
std::wstring numberSample(int n, Voice voice);

// "its" and the minute words for minute 0..59.
std::vector<std::wstring> minuteWords(int minute, Voice voice);
// The hour word chosen by `minute` (the next hour from 31 on) for hour 0..23, then "am" / "pm"
// by the current hour when `amPm` is set.
std::vector<std::wstring> hourWords(int minute, int hour, bool amPm, Voice voice);
// The whole phrase: minuteWords then hourWords.
std::vector<std::wstring> voicePhrase(int minute, int hour, bool amPm, Voice voice);

}  // namespace tikora
