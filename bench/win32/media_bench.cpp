// What the program's media cost in the Windows build, measured on the real tikora.exe (loaded as
// a data file) under Wine or Windows; run by scripts/bench-rest after the measures at rest.
//   size by part    tikora.exe's bytes: code and data, pictures, recordings, icons, the rest
//                                                                           <= 5 MB in all
//   frame decode    one frame picture from its resource into a Bitmap (median over frame1..40)
//   frame change    the face after a frame style change: the frame decoded, the face layer
//                   rebuilt (frame list, face disk, frame colour, seconds ring)    <= 10 ms
//                   (under Wine: 0.3 ms with the frames stored as plain bitmaps, 0.6 ms as PNG)
// media_bench [rounds [path of tikora.exe]]; the defaults are 5 rounds and tikora.exe beside it.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "clock/clock_face.h"
#include "clock/clock_start_pictures.h"
#include "platform/win32/win32_resources.h"
#include "platform/win32/win32_text_metrics.h"

namespace tikora {
namespace {

double nowMs() {
  static const double perMs = [] {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return double(frequency.QuadPart) / 1000.0;
  }();
  LARGE_INTEGER counter;
  QueryPerformanceCounter(&counter);
  return double(counter.QuadPart) / perMs;
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values.empty() ? 0.0 : values[values.size() / 2];
}

// Bytes of the resources of one type, and how many there are.
struct TypeTotal {
  std::size_t bytes = 0;
  int count = 0;
};

BOOL CALLBACK addResource(HMODULE module, LPCWSTR type, LPWSTR name, LONG_PTR param) {
  auto& total = *reinterpret_cast<TypeTotal*>(param);
  if (HRSRC found = FindResourceW(module, name, type)) {
    total.bytes += SizeofResource(module, found);
    ++total.count;
  }
  return TRUE;
}

BOOL CALLBACK addType(HMODULE module, LPWSTR type, LONG_PTR param) {
  auto& totals = *reinterpret_cast<std::vector<std::pair<std::wstring, TypeTotal>>*>(param);
  TypeTotal total;
  EnumResourceNamesW(module, type, addResource, reinterpret_cast<LONG_PTR>(&total));
  totals.emplace_back(IS_INTRESOURCE(type) ? L"#" + std::to_wstring(reinterpret_cast<ULONG_PTR>(type)) : type, total);
  return TRUE;
}

std::size_t fileSize(const std::wstring& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return 0;
  return (std::size_t(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

void printSizes(HMODULE program, const std::wstring& path) {
  std::vector<std::pair<std::wstring, TypeTotal>> types;
  EnumResourceTypesW(program, addType, reinterpret_cast<LONG_PTR>(&types));
  TypeTotal pictures, recordings, icons, other;
  for (const auto& [type, total] : types) {
    TypeTotal& part = type == L"#2" || type == L"PNG"   ? pictures
                      : type == L"WAVE"                 ? recordings
                      : type == L"#3" || type == L"#14" ? icons  // RT_ICON, RT_GROUP_ICON
                                                        : other;
    part.bytes += total.bytes;
    part.count += total.count;
  }
  const std::size_t whole = fileSize(path);
  const std::size_t media = pictures.bytes + recordings.bytes + icons.bytes + other.bytes;
  const auto mb = [](std::size_t bytes) { return double(bytes) / 1e6; };
  std::printf("tikora.exe %.2f MB\n", mb(whole));
  std::printf("  code, data, headers %8.2f MB\n", mb(whole > media ? whole - media : 0));
  std::printf("  pictures            %8.2f MB (%d)\n", mb(pictures.bytes), pictures.count);
  std::printf("  recordings          %8.2f MB (%d)\n", mb(recordings.bytes), recordings.count);
  std::printf("  icons               %8.2f MB (%d)\n", mb(icons.bytes), icons.count);
  std::printf("  manifest, version   %8.2f MB (%d)\n", mb(other.bytes), other.count);
}

int run(const std::wstring& path, int rounds) {
  HMODULE program = LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  if (!program) {
    std::fprintf(stderr, "media_bench: cannot load %ls\n", path.c_str());
    return 1;
  }
  printSizes(program, path);

  Win32Resources resources(program);
  std::vector<double> decodes;
  for (int round = 0; round < rounds; ++round)
    for (int n = 1; n <= 40; ++n) {
      const double began = nowMs();
      const auto frame = resources.loadBitmap(L"frame" + std::to_wstring(n));
      decodes.push_back(nowMs() - began);
      if (!frame) {
        std::fprintf(stderr, "media_bench: frame%d does not load\n", n);
        return 1;
      }
    }

  // The first-run face, as the program composes it at start.
  ClockWindowModel window;
  Win32TextMetrics metrics(96);
  ClockFace face(window, metrics, resources, loadClockStartPictures(FaceStyles{0, -1}, resources));
  face.composeAtStartUp(ClockFaceSettings{});
  std::vector<double> changes;
  for (int round = 0; round < rounds; ++round)
    for (int index = 0; index < 40; ++index) {
      const double began = nowMs();
      face.changeFrameStyle((index + 1) % 40);  // never the frame already shown
      changes.push_back(nowMs() - began);
    }
  std::printf("frame decode  %6.2f ms (median of %zu, slowest %.2f ms)\n", median(decodes), decodes.size(),
              *std::max_element(decodes.begin(), decodes.end()));
  std::printf("frame change  %6.2f ms (median of %zu, slowest %.2f ms)\n", median(changes), changes.size(),
              *std::max_element(changes.begin(), changes.end()));
  FreeLibrary(program);
  return 0;
}

}  // namespace
}  // namespace tikora

int wmain(int argc, wchar_t** argv) {
  const int rounds = argc > 1 ? std::max(1, _wtoi(argv[1])) : 5;
  std::wstring path;
  if (argc > 2) {
    path = argv[2];
  } else {
    wchar_t self[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, self, MAX_PATH);
    const std::wstring folder(self, length);
    path = folder.substr(0, folder.find_last_of(L"\\/") + 1) + L"tikora.exe";
  }
  return tikora::run(path, rounds);
}
