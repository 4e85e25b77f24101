// tikora.exe carries every named resource the program asks for, its pictures decode to the
// generated ones, and it imports only system DLLs.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cwctype>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "core/dib.h"
#include "platform/win32/win32_resources.h"
#include "resource_names.h"  // generated from resources/resource_names.txt

namespace {

struct Module {
  HMODULE handle = LoadLibraryExW(TIKORA_EXE_NAME, nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  ~Module() {
    if (handle) FreeLibrary(handle);
  }
};

std::wstring upper(std::wstring s) {
  std::transform(s.begin(), s.end(), s.begin(), [](wchar_t c) { return std::towupper(c); });
  return s;
}

struct Named {
  std::wstring type, name;
};

std::vector<Named> requiredResources() {
  std::vector<Named> out;
  std::istringstream in(kResourceNames);
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream fields(line);
    std::string type, name;
    fields >> type >> name;
    out.push_back({std::wstring(type.begin(), type.end()), std::wstring(name.begin(), name.end())});
  }
  return out;
}

BOOL CALLBACK collectName(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR param) {
  if (!IS_INTRESOURCE(name)) reinterpret_cast<std::set<std::wstring>*>(param)->insert(upper(name));
  return TRUE;
}

std::set<std::wstring> namesOfType(HMODULE module, LPCWSTR type) {
  std::set<std::wstring> names;
  EnumResourceNamesW(module, type, collectName, reinterpret_cast<LONG_PTR>(&names));
  return names;
}

TEST(ExecutableResources, EveryRequiredNameIsPresentAndEnumerated) {
  Module exe;
  ASSERT_NE(exe.handle, nullptr);
  const auto pictures = namesOfType(exe.handle, L"PNG");
  const auto waves = namesOfType(exe.handle, L"WAVE");
  const auto icons = namesOfType(exe.handle, RT_GROUP_ICON);
  const auto required = requiredResources();
  ASSERT_GT(required.size(), 150u);
  for (const auto& r : required) {
    const auto& set = r.type == L"PNG" ? pictures : r.type == L"WAVE" ? waves : icons;
    EXPECT_TRUE(set.count(upper(r.name))) << "missing " << std::string(r.name.begin(), r.name.end());
  }
}

// Every stored picture, decoded by the program's own loader, is the generated picture pixel for
// pixel; and the pictures the clock relies on have their sizes.
TEST(ExecutableResources, EveryPictureDecodesToTheGeneratedBitmap) {
  Module exe;
  ASSERT_NE(exe.handle, nullptr);
  const tikora::Win32Resources resources(exe.handle);
  int compared = 0;
  for (const auto& r : requiredResources()) {
    if (r.type != L"PNG") continue;
    const std::string name(r.name.begin(), r.name.end());
    const auto generated = tikora::readBmpFile(std::filesystem::path(TIKORA_MEDIA_DIR) / (name + ".bmp"));
    ASSERT_TRUE(generated) << name << ".bmp is not in " << TIKORA_MEDIA_DIR;
    const auto stored = resources.loadBitmap(r.name);
    ASSERT_TRUE(stored) << name << " does not decode";
    ASSERT_EQ(stored->width(), generated->width()) << name;
    ASSERT_EQ(stored->height(), generated->height()) << name;
    int differing = 0;
    for (int y = 0; y < stored->height(); ++y)
      for (int x = 0; x < stored->width(); ++x) differing += stored->pixel(x, y) != generated->pixel(x, y);
    EXPECT_EQ(differing, 0) << name;
    ++compared;
  }
  EXPECT_EQ(compared, 106);

  const auto size = [&](const wchar_t* name) {
    const auto picture = resources.loadBitmap(name);
    return picture ? std::pair{picture->width(), picture->height()} : std::pair{-1, -1};
  };
  EXPECT_EQ(size(L"plotno"), (std::pair{240, 240}));
  EXPECT_EQ(size(L"FRAME1"), (std::pair{240, 240})) << "resource names ignore case";
  EXPECT_EQ(size(L"frame27"), (std::pair{238, 237}));
  EXPECT_EQ(size(L"frame31"), (std::pair{238, 236}));
  EXPECT_EQ(size(L"duza17"), (std::pair{240, 240}));
  EXPECT_EQ(size(L"strip"), (std::pair{51, 17}));
  EXPECT_EQ(size(L"stripe"), (std::pair{120, 6}));
  EXPECT_FALSE(resources.loadBitmap(L"frame41"));
}

TEST(ExecutableResources, ManifestIconAndVersionArePresent) {
  Module exe;
  ASSERT_NE(exe.handle, nullptr);
  HRSRC manifest = FindResourceW(exe.handle, MAKEINTRESOURCEW(1), RT_MANIFEST);
  ASSERT_NE(manifest, nullptr);
  std::string text(static_cast<const char*>(LockResource(LoadResource(exe.handle, manifest))),
                   SizeofResource(exe.handle, manifest));
  EXPECT_NE(text.find("Microsoft.Windows.Common-Controls"), std::string::npos);
  EXPECT_NE(text.find("version=\"6.0.0.0\""), std::string::npos);
  EXPECT_NE(FindResourceW(exe.handle, L"MAINICON", RT_GROUP_ICON), nullptr);

  DWORD ignored = 0;
  DWORD size = GetFileVersionInfoSizeW(TIKORA_EXE_NAME, &ignored);
  ASSERT_GT(size, 0u);
  std::vector<char> block(size);
  ASSERT_TRUE(GetFileVersionInfoW(TIKORA_EXE_NAME, 0, size, block.data()));
  wchar_t* product = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueW(block.data(), L"\\StringFileInfo\\040904B0\\ProductName",
                             reinterpret_cast<void**>(&product), &length));
  EXPECT_EQ(std::wstring(product), L"Tikora");
}

// Reads the names of the DLLs the executable imports, straight from its PE import table.
std::vector<std::string> importedDlls(const char* path) {
  std::ifstream in(path, std::ios::binary);
  std::vector<unsigned char> b((std::istreambuf_iterator<char>(in)), {});
  auto u16 = [&](size_t o) { return size_t(b.at(o) | (b.at(o + 1) << 8)); };
  auto u32 = [&](size_t o) { return size_t(u16(o) | (u16(o + 2) << 16)); };
  const size_t pe = u32(0x3C);
  const size_t sections = u16(pe + 6), optionalSize = u16(pe + 20), optional = pe + 24;
  const size_t importRva = u32(optional + 120);  // data directory 1 of a PE32+ header
  const size_t sectionTable = optional + optionalSize;
  auto toOffset = [&](size_t rva) -> size_t {
    for (size_t i = 0; i < sections; ++i) {
      const size_t s = sectionTable + i * 40;
      const size_t va = u32(s + 12), rawSize = u32(s + 16), raw = u32(s + 20);
      if (rva >= va && rva < va + rawSize) return rva - va + raw;
    }
    return 0;
  };
  std::vector<std::string> names;
  for (size_t d = toOffset(importRva); d && u32(d + 12) != 0; d += 20) {
    std::string name;
    for (size_t o = toOffset(u32(d + 12)); b.at(o); ++o) name += char(std::tolower(b[o]));
    names.push_back(name);
  }
  return names;
}

TEST(ExecutableImports, OnlyDllsThatShipWithWindows) {
  const std::set<std::string> system = {"kernel32.dll", "user32.dll",   "gdi32.dll",    "msimg32.dll",  "advapi32.dll",
                                        "shell32.dll",  "shlwapi.dll",  "comctl32.dll", "comdlg32.dll", "ole32.dll",
                                        "oleacc.dll",   "oleaut32.dll", "winmm.dll",    "powrprof.dll", "wininet.dll",
                                        "version.dll",  "msvcrt.dll",   "uxtheme.dll",  "dwmapi.dll"};
  const auto dlls = importedDlls("tikora.exe");
  ASSERT_FALSE(dlls.empty());
  for (const auto& dll : dlls) {
    const bool apiSet = dll.rfind("api-ms-win-", 0) == 0;
    EXPECT_TRUE(system.count(dll) || apiSet) << dll << " does not ship with Windows";
  }
}

}  // namespace
