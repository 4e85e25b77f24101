// Checks the generated WAVE recordings: every name the program asks for
// exists, is plain 16-bit mono PCM that the system player accepts, has a
// sensible length and level, starts and ends on silence (no click when played
// back to back or looped) and never clips; and its packed form, which the
// program embeds as a resource, decodes to it within the codec's error.
// The folder comes from the TIKORA_MEDIA_DIR compile definition.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

// Without the definition the media checks are skipped (and say so), so the
// rest of the unit tests still build in a tree that does not generate media.
#ifndef TIKORA_MEDIA_DIR
#define TIKORA_MEDIA_DIR ""
#endif

namespace {

// ---------------------------------------------------------------- RIFF reader

struct PcmWave {
  std::uint32_t rate = 0;
  std::vector<std::int16_t> samples;

  double seconds() const { return static_cast<double>(samples.size()) / rate; }
};

struct WaveResult {
  std::optional<PcmWave> wave;
  std::string error;  // why the bytes are not a mono 16-bit PCM WAVE file
};

std::uint32_t readLe32(const std::vector<std::uint8_t>& b, std::size_t at) {
  return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<std::uint32_t>(b[at + 3]) << 24);
}

std::uint16_t readLe16(const std::vector<std::uint8_t>& b, std::size_t at) {
  return static_cast<std::uint16_t>(b[at] | (b[at + 1] << 8));
}

bool tagIs(const std::vector<std::uint8_t>& b, std::size_t at, const char* tag) {
  return std::equal(tag, tag + 4, b.begin() + static_cast<std::ptrdiff_t>(at));
}

WaveResult parseWave(const std::vector<std::uint8_t>& bytes) {
  if (bytes.size() < 12 || !tagIs(bytes, 0, "RIFF") || !tagIs(bytes, 8, "WAVE"))
    return {std::nullopt, "not a RIFF WAVE file"};
  if (readLe32(bytes, 4) != bytes.size() - 8) return {std::nullopt, "RIFF size does not match the file size"};

  bool haveFormat = false;
  PcmWave wave;
  std::size_t at = 12;
  while (at + 8 <= bytes.size()) {
    const std::uint32_t size = readLe32(bytes, at + 4);
    const std::size_t body = at + 8;
    if (size > bytes.size() - body) return {std::nullopt, "chunk runs past the end of the file"};
    if (tagIs(bytes, at, "fmt ")) {
      if (size < 16) return {std::nullopt, "format chunk too short"};
      const std::uint16_t formatTag = readLe16(bytes, body);
      const std::uint16_t channels = readLe16(bytes, body + 2);
      wave.rate = readLe32(bytes, body + 4);
      const std::uint32_t byteRate = readLe32(bytes, body + 8);
      const std::uint16_t blockAlign = readLe16(bytes, body + 12);
      const std::uint16_t bits = readLe16(bytes, body + 14);
      if (formatTag != 1) return {std::nullopt, "not PCM"};
      if (channels != 1) return {std::nullopt, "not mono"};
      if (bits != 16 || blockAlign != 2) return {std::nullopt, "not 16-bit"};
      if (wave.rate < 8000 || wave.rate > 48000) return {std::nullopt, "odd sample rate"};
      if (byteRate != wave.rate * 2) return {std::nullopt, "byte rate inconsistent"};
      haveFormat = true;
    } else if (tagIs(bytes, at, "data")) {
      if (!haveFormat) return {std::nullopt, "data before format"};
      if (size % 2 != 0) return {std::nullopt, "data size not whole samples"};
      wave.samples.resize(size / 2);
      for (std::size_t i = 0; i < wave.samples.size(); ++i)
        wave.samples[i] = static_cast<std::int16_t>(readLe16(bytes, body + 2 * i));
      return {wave, ""};
    }
    at = body + size + (size & 1);  // chunks are padded to even length
  }
  return {std::nullopt, "no data chunk"};
}

std::string mediaPath(const std::string& file) { return std::string(TIKORA_MEDIA_DIR) + "/" + file; }

std::optional<std::vector<std::uint8_t>> readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), {});
}

WaveResult loadWave(const std::string& name) {
  const auto bytes = readFile(mediaPath(name + ".wav"));
  if (!bytes) return {std::nullopt, "missing " + mediaPath(name + ".wav")};
  return parseWave(*bytes);
}

// ---------------------------------------------------------------- measures

constexpr double kFullScale = 32768.0;

int peakOf(const std::vector<std::int16_t>& s, std::size_t from, std::size_t to) {
  int peak = 0;
  for (std::size_t i = from; i < to && i < s.size(); ++i) peak = std::max(peak, std::abs(int{s[i]}));
  return peak;
}

double dbfs(int sample) { return 20.0 * std::log10(std::max(sample, 1) / kFullScale); }

// RMS of the 10 ms frames within 30 dB of the loudest: the level of the
// sounding part, independent of the padding around it.
double activeLevelDb(const PcmWave& w) {
  const std::size_t frame = w.rate / 100;
  std::vector<double> ms;
  for (std::size_t at = 0; at + frame <= w.samples.size(); at += frame) {
    double sum = 0;
    for (std::size_t i = at; i < at + frame; ++i) sum += double(w.samples[i]) * w.samples[i];
    ms.push_back(sum / frame);
  }
  const double loudest = *std::max_element(ms.begin(), ms.end());
  double sum = 0;
  int count = 0;
  for (double m : ms)
    if (m > loudest * 1e-3) sum += m, ++count;
  return 10.0 * std::log10(sum / count / (kFullScale * kFullScale));
}

// Median voice pitch over the voiced 40 ms frames, by normalised
// autocorrelation between 60 and 400 Hz.
double medianPitchHz(const PcmWave& w) {
  const std::size_t frame = w.rate / 25, hop = w.rate / 100;
  const std::size_t minLag = w.rate / 400, maxLag = w.rate / 60;
  const int loud = peakOf(w.samples, 0, w.samples.size()) / 4;
  std::vector<double> pitches;
  for (std::size_t at = 0; at + frame + maxLag <= w.samples.size(); at += hop) {
    if (peakOf(w.samples, at, at + frame) < loud) continue;
    double energy = 0, best = 0;
    std::size_t bestLag = 0;
    for (std::size_t i = at; i < at + frame; ++i) energy += double(w.samples[i]) * w.samples[i];
    for (std::size_t lag = minLag; lag <= maxLag; ++lag) {
      double sum = 0, shifted = 0;
      for (std::size_t i = at; i < at + frame; ++i) {
        sum += double(w.samples[i]) * w.samples[i + lag];
        shifted += double(w.samples[i + lag]) * w.samples[i + lag];
      }
      const double r = sum / std::sqrt(energy * shifted + 1.0);
      if (r > best) best = r, bestLag = lag;
    }
    if (best > 0.7) pitches.push_back(double(w.rate) / bestLag);
  }
  if (pitches.empty()) return 0;
  std::nth_element(pitches.begin(), pitches.begin() + pitches.size() / 2, pitches.end());
  return pitches[pitches.size() / 2];
}

// ---------------------------------------------------------------- the names

std::vector<std::string> voiceWords() {
  std::vector<std::string> words = {"its", "half", "past", "to", "am", "pm"};
  for (int n = 1; n <= 20; ++n) words.push_back("ang_" + std::to_string(n));
  return words;
}

std::vector<std::string> chimeNames() {
  std::vector<std::string> names;
  for (int n = 1; n <= 12; ++n) names.push_back("dzwiek" + std::to_string(n));
  return names;
}

const std::vector<std::string> kWarnings = {"shutdown", "shutdown1", "shutdown2"};
const char* const kReminder = "powiadomienie";

std::vector<std::string> allNames() {
  std::vector<std::string> names;
  for (const auto& w : voiceWords()) names.push_back(w), names.push_back(w + "_f");
  for (const auto& c : chimeNames()) names.push_back(c);
  for (const auto& w : kWarnings) names.push_back(w);
  names.push_back(kReminder);
  return names;
}

PcmWave mustLoad(const std::string& name) {
  WaveResult r = loadWave(name);
  EXPECT_TRUE(r.wave.has_value()) << name << ": " << r.error;
  return r.wave.value_or(PcmWave{8000, std::vector<std::int16_t>(8000)});
}

// ---------------------------------------------------------------- RIFF reader itself

std::vector<std::uint8_t> tinyWave(std::uint16_t formatTag = 1, std::uint16_t channels = 1) {
  std::string b;
  auto put32 = [&](std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b += char(v >> (8 * i));
  };
  auto put16 = [&](std::uint16_t v) { b += char(v), b += char(v >> 8); };
  b += "RIFF", put32(4 + 8 + 16 + 8 + 3 + 1 + 8 + 4), b += "WAVE";
  b += "fmt ", put32(16), put16(formatTag), put16(channels), put32(16000), put32(32000), put16(2), put16(16);
  b += "LIST", put32(3), b += "abc", b += '\0';  // odd-sized chunk and its pad byte
  b += "data", put32(4), put16(0x1234), put16(0xFFFE);
  return {b.begin(), b.end()};
}

TEST(MediaWaveReader, ReadsSamplesAfterAnOddSizedChunk) {
  const WaveResult r = parseWave(tinyWave());
  ASSERT_TRUE(r.wave) << r.error;
  EXPECT_EQ(r.wave->rate, 16000u);
  EXPECT_EQ(r.wave->samples, (std::vector<std::int16_t>{0x1234, -2}));
}

TEST(MediaWaveReader, RejectsWhatThePlayerCouldNotUse) {
  EXPECT_FALSE(parseWave(tinyWave(3)).wave) << "float format accepted";
  EXPECT_FALSE(parseWave(tinyWave(1, 2)).wave) << "stereo accepted";
  auto truncated = tinyWave();
  truncated.pop_back();
  EXPECT_FALSE(parseWave(truncated).wave) << "truncated file accepted";
  auto noData = tinyWave();
  noData.erase(noData.end() - 12, noData.end());  // drop the data chunk
  noData[4] = std::uint8_t(noData.size() - 8);
  EXPECT_FALSE(parseWave(noData).wave) << "file without data accepted";
}

// ---------------------------------------------------------------- every recording

class GeneratedMedia : public testing::Test {
 protected:
  void SetUp() override {
    if (std::string(TIKORA_MEDIA_DIR).empty()) GTEST_SKIP() << "TIKORA_MEDIA_DIR is not defined";
  }
};

class MediaEveryRecording : public GeneratedMedia, public testing::WithParamInterface<std::string> {};

using MediaRecordings = GeneratedMedia;
using MediaVoiceWords = GeneratedMedia;
using MediaFullHourChimes = GeneratedMedia;
using MediaPowerOffWarnings = GeneratedMedia;
using MediaReminderSound = GeneratedMedia;

TEST_P(MediaEveryRecording, IsCleanMonoPcmThatNeverClips) {
  const PcmWave w = mustLoad(GetParam());
  ASSERT_FALSE(w.samples.empty());
  for (std::size_t i = 0; i < w.samples.size(); ++i)
    ASSERT_LT(std::abs(int{w.samples[i]}), 32767) << "clipped sample at " << i;
  // Begins and ends on (near) silence, so starting, stopping or chaining
  // sounds never clicks.
  EXPECT_LE(std::abs(int{w.samples.front()}), 32);
  EXPECT_LE(std::abs(int{w.samples.back()}), 32);
  const std::size_t lastMs = w.rate / 100;
  EXPECT_LT(peakOf(w.samples, w.samples.size() - lastMs, w.samples.size()), 330) << "last 10 ms not faded out";
  // Loud enough to hear, with headroom left.
  const int peak = peakOf(w.samples, 0, w.samples.size());
  EXPECT_GT(dbfs(peak), -16.0);
  EXPECT_LT(dbfs(peak), -0.5);
}

INSTANTIATE_TEST_SUITE_P(Generated, MediaEveryRecording, testing::ValuesIn(allNames()),
                         [](const testing::TestParamInfo<std::string>& info) { return info.param; });

TEST_F(MediaRecordings, AreAllDifferent) {
  std::map<std::vector<std::int16_t>, std::string> seen;
  for (const auto& name : allNames()) {
    const auto [it, fresh] = seen.emplace(mustLoad(name).samples, name);
    EXPECT_TRUE(fresh) << name << " is a copy of " << it->second;
  }
}

TEST_F(MediaRecordings, StampListsEveryFile) {
  const auto stamp = readFile(mediaPath("sounds.stamp"));
  ASSERT_TRUE(stamp) << "no sounds.stamp";
  const std::string text(stamp->begin(), stamp->end());
  for (const auto& name : allNames()) {
    EXPECT_NE(text.find("  " + name + ".wav\n"), std::string::npos) << name;
    EXPECT_NE(text.find("  packed/" + name + ".wav\n"), std::string::npos) << name;
  }
}

// ---------------------------------------------------------------- the packed recordings

// The program carries each recording as IMA ADPCM (media/packed/<name>.wav), which the system's
// sound playback decodes. Mono blocks: the first sample and the step index in a 4-byte header,
// then a 4-bit code for each further sample, low nibble first. Gives the samples of the whole
// blocks and the length the "fact" chunk tells, or an error.
struct PackedWave {
  std::uint32_t rate = 0, length = 0;
  std::vector<std::int16_t> samples;
  std::string error;
};

std::vector<std::int16_t> decodeImaAdpcm(const std::uint8_t* data, std::size_t size, std::size_t blockAlign) {
  static constexpr int kSteps[89] = {
      7,    8,     9,     10,    11,    12,    13,    14,    16,    17,    19,    21,    23,    25,   28,
      31,   34,    37,    41,    45,    50,    55,    60,    66,    73,    80,    88,    97,    107,  118,
      130,  143,   157,   173,   190,   209,   230,   253,   279,   307,   337,   371,   408,   449,  494,
      544,  598,   658,   724,   796,   876,   963,   1060,  1166,  1282,  1411,  1552,  1707,  1878, 2066,
      2272, 2499,  2749,  3024,  3327,  3660,  4026,  4428,  4871,  5358,  5894,  6484,  7132,  7845, 8630,
      9493, 10442, 11487, 12635, 13899, 15289, 16818, 18500, 20350, 22385, 24623, 27086, 29794, 32767};
  static constexpr int kIndexChange[8] = {-1, -1, -1, -1, 2, 4, 6, 8};
  std::vector<std::int16_t> out;
  for (std::size_t block = 0; block + blockAlign <= size; block += blockAlign) {
    int sample = std::int16_t(data[block] | (data[block + 1] << 8)), index = std::min<int>(data[block + 2], 88);
    out.push_back(std::int16_t(sample));
    for (std::size_t i = 4; i < blockAlign; ++i)
      for (const int code : {data[block + i] & 15, data[block + i] >> 4}) {
        const int step = kSteps[index];
        const int change =
            (step >> 3) + (code & 4 ? step : 0) + (code & 2 ? step >> 1 : 0) + (code & 1 ? step >> 2 : 0);
        sample = std::clamp(code & 8 ? sample - change : sample + change, -32768, 32767);
        index = std::clamp(index + kIndexChange[code & 7], 0, 88);
        out.push_back(std::int16_t(sample));
      }
  }
  return out;
}

PackedWave loadPacked(const std::string& name) {
  PackedWave w;
  const auto bytes = readFile(mediaPath("packed/" + name + ".wav"));
  if (!bytes || bytes->size() < 12 || !tagIs(*bytes, 0, "RIFF") || !tagIs(*bytes, 8, "WAVE")) {
    w.error = "no packed WAVE file";
    return w;
  }
  std::size_t blockAlign = 0;
  for (std::size_t at = 12; at + 8 <= bytes->size();) {
    const std::uint32_t size = readLe32(*bytes, at + 4);
    const std::size_t body = at + 8;
    if (size > bytes->size() - body) break;
    if (tagIs(*bytes, at, "fmt ") && size >= 20) {
      if (readLe16(*bytes, body) != 0x11 || readLe16(*bytes, body + 2) != 1 || readLe16(*bytes, body + 14) != 4) {
        w.error = "not mono 4-bit IMA ADPCM";
        return w;
      }
      w.rate = readLe32(*bytes, body + 4);
      blockAlign = readLe16(*bytes, body + 12);
      if (blockAlign <= 4 || readLe16(*bytes, body + 18) != (blockAlign - 4) * 2 + 1) {
        w.error = "samples per block do not match the block size";
        return w;
      }
    } else if (tagIs(*bytes, at, "fact") && size >= 4) {
      w.length = readLe32(*bytes, body);
    } else if (tagIs(*bytes, at, "data") && blockAlign) {
      if (size % blockAlign != 0) w.error = "the last block is not whole: the codec would drop it";
      w.samples = decodeImaAdpcm(bytes->data() + body, size, blockAlign);
      return w;
    }
    at = body + size + (size & 1);
  }
  w.error = "no format, or no data after it";
  return w;
}

// Every recording, decoded as the system decodes it, is the original within the codec's error.
// It is packed at twice its rate, its even samples being the original ones: the signal stays at
// least 23 dB above the error in every recording (the words' hissing consonants are the
// hardest; most keep 30 dB and more), and the block that fills up the end is silent.
TEST_F(MediaRecordings, PackedFormsDecodeToTheOriginalsWithinTheCodecsError) {
  for (const auto& name : allNames()) {
    const PcmWave original = mustLoad(name);
    const PackedWave packed = loadPacked(name);
    const std::size_t count = original.samples.size();
    ASSERT_TRUE(packed.error.empty()) << name << ": " << packed.error;
    EXPECT_EQ(packed.rate, 2 * original.rate) << name;
    ASSERT_EQ(packed.length, 2 * count) << name;
    ASSERT_GE(packed.samples.size(), 2 * count) << name;
    double signal = 0, error = 0;
    for (std::size_t i = 0; i < count; ++i) {
      signal += double(original.samples[i]) * original.samples[i];
      const double difference = double(packed.samples[2 * i]) - original.samples[i];
      error += difference * difference;
    }
    EXPECT_GT(10.0 * std::log10(signal / std::max(error, 1.0)), 23.0) << name;
    EXPECT_LE(peakOf(packed.samples, 2 * count, packed.samples.size()), 32) << name;
  }
}

// ---------------------------------------------------------------- spoken words

TEST_F(MediaVoiceWords, AreShortEvenlyPaddedAndEquallyLoudInEachVoice) {
  for (const std::string suffix : {"", "_f"}) {
    std::vector<double> levels;
    for (const auto& word : voiceWords()) {
      const std::string name = word + suffix;
      const PcmWave w = mustLoad(name);
      EXPECT_GE(w.seconds(), 0.15) << name;
      EXPECT_LE(w.seconds(), 1.2) << name;
      // Trimmed: speech starts and ends within the first / last 60 ms,
      // but the very first and last 5 ms are still quiet padding.
      const std::size_t ms = w.rate / 1000;
      const int peak = peakOf(w.samples, 0, w.samples.size());
      EXPECT_LT(peakOf(w.samples, 0, 5 * ms), peak / 20) << name << " starts abruptly";
      EXPECT_LT(peakOf(w.samples, w.samples.size() - 5 * ms, w.samples.size()), peak / 20) << name << " ends abruptly";
      EXPECT_GT(peakOf(w.samples, 0, 60 * ms), peak / 100) << name << " has leading silence";
      EXPECT_GT(peakOf(w.samples, w.samples.size() - 60 * ms, w.samples.size()), peak / 300)
          << name << " has trailing silence";
      levels.push_back(activeLevelDb(w));
    }
    std::vector<double> sorted = levels;
    std::sort(sorted.begin(), sorted.end());
    const double median = sorted[sorted.size() / 2];
    for (std::size_t i = 0; i < levels.size(); ++i)
      EXPECT_NEAR(levels[i], median, 4.0) << voiceWords()[i] << suffix << " louder or softer than the rest";
  }
}

TEST_F(MediaVoiceWords, MaleVoiceIsLowerThanFemaleVoice) {
  for (const std::string word : {"ang_1", "ang_9", "half", "am"}) {
    const double male = medianPitchHz(mustLoad(word));
    const double female = medianPitchHz(mustLoad(word + "_f"));
    EXPECT_GT(male, 60.0) << word;
    EXPECT_LT(male, 150.0) << word;
    EXPECT_GT(female, 140.0) << word;
    EXPECT_GT(female, male * 1.3) << word;
  }
}

// ---------------------------------------------------------------- chimes, warnings, reminder

TEST_F(MediaFullHourChimes, LastOneToThreeSecondsAndDieAway) {
  for (const auto& name : chimeNames()) {
    const PcmWave w = mustLoad(name);
    EXPECT_GE(w.seconds(), 1.0) << name;
    EXPECT_LE(w.seconds(), 3.0) << name;
    // Decaying: the last quarter is much quieter than the loudest part.
    const int peak = peakOf(w.samples, 0, w.samples.size());
    EXPECT_LT(peakOf(w.samples, w.samples.size() * 3 / 4, w.samples.size()), peak / 2) << name;
  }
}

TEST_F(MediaPowerOffWarnings, AreShortEnoughToRepeatEveryThreeSeconds) {
  for (const auto& name : kWarnings) {
    const PcmWave w = mustLoad(name);
    EXPECT_GE(w.seconds(), 0.3) << name;
    EXPECT_LE(w.seconds(), 1.6) << name;
  }
}

TEST_F(MediaReminderSound, LoopsWithoutAClick) {
  const PcmWave w = mustLoad(kReminder);
  EXPECT_GE(w.seconds(), 1.5);
  EXPECT_LE(w.seconds(), 3.0);
  // Played looped, the last sample is followed by the first: the step
  // across the seam must be no larger than the smooth steps nearby.
  const int seam = std::abs(int{w.samples.back()} - int{w.samples.front()});
  EXPECT_LE(seam, 32);
  const std::size_t ms = w.rate / 1000;
  int stepNearEnd = 0;
  for (std::size_t i = w.samples.size() - 5 * ms; i + 1 < w.samples.size(); ++i)
    stepNearEnd = std::max(stepNearEnd, std::abs(int{w.samples[i + 1]} - int{w.samples[i]}));
  EXPECT_LE(stepNearEnd, 200) << "loop end is not smooth";
  // It sounds again after the seam rather than trailing off into silence.
  EXPECT_GT(peakOf(w.samples, 0, 60 * ms), 3000);
}

}  // namespace
