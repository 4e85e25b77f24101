// Win32Registry against the real registry: round trips of every type, the strict reading rules
// (wrong type or wrong size reads as missing, expandable strings stay unexpanded, strings stored
// without a terminating NUL), key creation, opening and deletion. Everything happens below a key
// of its own, HKCU\TikoraTest<pid>, removed afterwards.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "platform/win32/win32_registry.h"

namespace tikora {
namespace {

class Win32RegistryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RegDeleteTreeW(HKEY_CURRENT_USER, root_.c_str());
    auto key = registry_.createKey(root_);
    ASSERT_TRUE(key.ok()) << std::string(key.error().message.begin(), key.error().message.end());
    key_ = std::move(*key);
  }
  void TearDown() override {
    key_.reset();
    RegDeleteTreeW(HKEY_CURRENT_USER, root_.c_str());
  }

  // Stores raw bytes with any type, bypassing the class under test.
  void storeRaw(const wchar_t* name, DWORD type, const void* data, DWORD size) {
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, root_.c_str(), 0, KEY_SET_VALUE, &key), ERROR_SUCCESS);
    EXPECT_EQ(RegSetValueExW(key, name, 0, type, static_cast<const BYTE*>(data), size), ERROR_SUCCESS);
    RegCloseKey(key);
  }
  // Reads a value's type and size, bypassing the class under test.
  std::pair<DWORD, DWORD> rawTypeAndSize(const wchar_t* name) {
    DWORD type = 0, size = 0;
    EXPECT_EQ(RegGetValueW(HKEY_CURRENT_USER, root_.c_str(), name, RRF_RT_ANY | RRF_NOEXPAND, &type, nullptr, &size),
              ERROR_SUCCESS);
    return {type, size};
  }

  const std::wstring root_ = L"TikoraTest" + std::to_wstring(GetCurrentProcessId());
  Win32Registry registry_;
  std::unique_ptr<RegistryKey> key_;
};

TEST_F(Win32RegistryTest, RoundTripsEveryType) {
  const double date = 40885.625;  // 8 December 2011, 15:00
  std::vector<std::uint8_t> bytes(8);
  std::memcpy(bytes.data(), &date, 8);

  ASSERT_TRUE(key_->writeDword(L"nrm_st", static_cast<std::uint32_t>(-1)).ok());
  ASSERT_TRUE(key_->writeString(L"cor_fo", L"Arial").ok());
  ASSERT_TRUE(key_->writeBinary(L"dtp_da", bytes).ok());
  ASSERT_TRUE(key_->writeString(L"empty", L"").ok());

  EXPECT_EQ(key_->readDword(L"nrm_st"), 0xFFFFFFFFu);
  EXPECT_EQ(key_->readString(L"COR_FO"), L"Arial") << "value names ignore case";
  EXPECT_EQ(key_->readBinary(L"dtp_da", 8), bytes);
  EXPECT_EQ(key_->readString(L"empty"), L"");
  EXPECT_EQ(key_->readValue(L"dtp_da"), RegistryValue::ofBinary(bytes));
  EXPECT_EQ(key_->readValue(L"nrm_st"), RegistryValue::ofDword(0xFFFFFFFFu));

  // Stored as the system expects them: REG_SZ with its terminating NUL, REG_DWORD of 4 bytes.
  EXPECT_EQ(rawTypeAndSize(L"cor_fo"), std::make_pair(DWORD{REG_SZ}, DWORD{6 * sizeof(wchar_t)}));
  EXPECT_EQ(rawTypeAndSize(L"nrm_st"), std::make_pair(DWORD{REG_DWORD}, DWORD{4}));
  EXPECT_EQ(rawTypeAndSize(L"dtp_da"), std::make_pair(DWORD{REG_BINARY}, DWORD{8}));

  // Overwriting with another type replaces the value.
  ASSERT_TRUE(key_->writeString(L"nrm_st", L"3").ok());
  EXPECT_EQ(key_->readDword(L"nrm_st"), std::nullopt);
  ASSERT_TRUE(key_->deleteValue(L"nrm_st").ok());
  EXPECT_EQ(key_->readValue(L"nrm_st"), std::nullopt);
  EXPECT_FALSE(key_->deleteValue(L"nrm_st").ok());
}

TEST_F(Win32RegistryTest, ExpandableStringsAreReadUnexpanded) {
  const wchar_t text[] = L"%TEMP%\\x";
  storeRaw(L"path", REG_EXPAND_SZ, text, sizeof text);
  EXPECT_EQ(key_->readString(L"path"), L"%TEMP%\\x");
  EXPECT_EQ(key_->readValue(L"path"), RegistryValue::ofExpandString(L"%TEMP%\\x"));
}

TEST_F(Win32RegistryTest, WrongTypeOrSizeReadsAsMissing) {
  const std::uint32_t number = 3;
  const wchar_t text[] = L"3";
  const std::uint64_t wide = 3;
  const std::uint8_t seven[7] = {1, 2, 3, 4, 5, 6, 7};
  const std::uint8_t nine[9] = {};
  storeRaw(L"number", REG_DWORD, &number, sizeof number);
  storeRaw(L"text", REG_SZ, text, sizeof text);
  storeRaw(L"qword", REG_QWORD, &wide, sizeof wide);
  storeRaw(L"raw4", REG_BINARY, &number, sizeof number);
  storeRaw(L"seven", REG_BINARY, seven, sizeof seven);
  storeRaw(L"nine", REG_BINARY, nine, sizeof nine);
  storeRaw(L"zero", REG_BINARY, nullptr, 0);
  storeRaw(L"long_dword", REG_DWORD, &wide, sizeof wide);

  EXPECT_EQ(key_->readString(L"number"), std::nullopt);
  EXPECT_EQ(key_->readBinary(L"number", 4), std::nullopt);
  EXPECT_EQ(key_->readDword(L"text"), std::nullopt);
  EXPECT_EQ(key_->readBinary(L"text", sizeof text), std::nullopt);
  EXPECT_EQ(key_->readDword(L"qword"), std::nullopt);
  EXPECT_EQ(key_->readBinary(L"qword", 8), std::nullopt);
  EXPECT_EQ(key_->readDword(L"raw4"), std::nullopt);
  EXPECT_EQ(key_->readBinary(L"seven", 8), std::nullopt);
  EXPECT_EQ(key_->readBinary(L"nine", 8), std::nullopt);
  EXPECT_EQ(key_->readBinary(L"zero", 8), std::nullopt);
  EXPECT_EQ(key_->readDword(L"long_dword"), std::nullopt);
  EXPECT_EQ(key_->readDword(L"absent"), std::nullopt);

  EXPECT_EQ(key_->readBinary(L"seven", 7), (std::vector<std::uint8_t>{1, 2, 3, 4, 5, 6, 7}));
  EXPECT_EQ(key_->readValue(L"qword")->type, RegistryValueType::Other);
  EXPECT_EQ(key_->readValue(L"long_dword")->type, RegistryValueType::Other);
}

TEST_F(Win32RegistryTest, StringsWithoutTerminatorOrWithStrayBytesAreReadSafely) {
  const wchar_t abc[] = {L'a', L'b', L'c'};
  storeRaw(L"bare", REG_SZ, abc, sizeof abc);
  EXPECT_EQ(key_->readString(L"bare"), L"abc");

  const std::uint8_t odd[] = {'a', 0, 'b', 0, 'c', 0, 'd'};  // half a character at the end
  storeRaw(L"odd", REG_SZ, odd, sizeof odd);
  EXPECT_EQ(key_->readString(L"odd"), L"abc");

  const wchar_t inner[] = {L'a', L'b', L'\0', L'c', L'd'};
  storeRaw(L"inner", REG_EXPAND_SZ, inner, sizeof inner);
  EXPECT_EQ(key_->readString(L"inner"), L"ab");

  storeRaw(L"none", REG_SZ, nullptr, 0);
  EXPECT_EQ(key_->readString(L"none"), L"");
}

TEST_F(Win32RegistryTest, UnicodeNamesAndDataRoundTrip) {
  // Polish, a dash, CJK and a character outside the basic plane (a surrogate pair).
  const std::wstring text = L"Zażółć gęślą jaźń \u2014 \u6642\u8a08 \U0001F570";
  const std::wstring name = L"nazwa_\u017c\u00f3\u0142w";
  ASSERT_TRUE(key_->writeString(name, text).ok());
  EXPECT_EQ(key_->readString(name), text);
  auto names = key_->valueNames();
  ASSERT_TRUE(names.ok());
  EXPECT_EQ(*names, std::vector<std::wstring>{name});
}

TEST_F(Win32RegistryTest, ListsEveryValueName) {
  const std::wstring longName(300, L'n');
  ASSERT_TRUE(key_->writeDword(L"lista_n", 2).ok());
  ASSERT_TRUE(key_->writeBinary(L"Lista0", std::vector<std::uint8_t>(384)).ok());
  ASSERT_TRUE(key_->writeBinary(L"Lista1", std::vector<std::uint8_t>(384)).ok());
  ASSERT_TRUE(key_->writeDword(longName, 1).ok());
  auto names = key_->valueNames();
  ASSERT_TRUE(names.ok());
  std::sort(names->begin(), names->end());
  EXPECT_EQ(*names, (std::vector<std::wstring>{L"Lista0", L"Lista1", L"lista_n", longName}));
}

TEST_F(Win32RegistryTest, OpensOnlyExistingKeysAndCreatesParents) {
  const std::wstring missing = root_ + L"\\Missing";
  EXPECT_FALSE(registry_.keyExists(missing));
  auto open = registry_.openKey(missing, KeyAccess::Read);
  ASSERT_FALSE(open.ok());
  EXPECT_EQ(open.error().code, DWORD{ERROR_FILE_NOT_FOUND});
  EXPECT_FALSE(registry_.keyExists(missing)) << "opening must not create";

  const std::wstring nested = L"\\" + root_ + L"\\Data\\Deeper\\";
  auto created = registry_.createKey(nested);
  ASSERT_TRUE(created.ok());
  ASSERT_TRUE((*created)->writeDword(L"lista_n", 0).ok());
  EXPECT_TRUE(registry_.keyExists(root_ + L"\\Data"));
  EXPECT_TRUE(registry_.keyExists(root_ + L"\\data\\deeper"));

  auto reopened = registry_.openKey(root_ + L"\\Data\\Deeper", KeyAccess::Read);
  ASSERT_TRUE(reopened.ok());
  EXPECT_EQ((*reopened)->readDword(L"lista_n"), 0u);
}

TEST_F(Win32RegistryTest, KeysOpenedForReadingOrWritingOnlyKeepToThat) {
  ASSERT_TRUE(key_->writeDword(L"co_ha", 5).ok());
  auto reading = registry_.openKey(root_, KeyAccess::Read);
  ASSERT_TRUE(reading.ok());
  EXPECT_EQ((*reading)->readDword(L"co_ha"), 5u);
  const auto refused = (*reading)->writeDword(L"co_ha", 6);
  ASSERT_FALSE(refused.ok());
  EXPECT_EQ(refused.error().code, DWORD{ERROR_ACCESS_DENIED});

  auto writing = registry_.openKey(root_, KeyAccess::Write);
  ASSERT_TRUE(writing.ok());
  EXPECT_TRUE((*writing)->writeDword(L"co_ha", 7).ok());
  EXPECT_EQ((*reading)->readDword(L"co_ha"), 7u);
}

TEST_F(Win32RegistryTest, DeletesWholeTrees) {
  ASSERT_TRUE(registry_.createKey(root_ + L"\\Data")->get()->writeDword(L"lista_n", 1).ok());
  ASSERT_TRUE(registry_.createKey(root_ + L"\\Data_\\Inner")->get()->writeString(L"x", L"y").ok());
  ASSERT_TRUE(key_->writeDword(L"col_bg", 0).ok());
  key_.reset();

  EXPECT_FALSE(registry_.deleteKeyTree(L"").ok()) << "an empty path would empty the hive";
  EXPECT_FALSE(registry_.deleteKeyTree(L"\\").ok());
  EXPECT_TRUE(registry_.keyExists(root_));

  ASSERT_TRUE(registry_.deleteKeyTree(root_).ok());
  EXPECT_FALSE(registry_.keyExists(root_ + L"\\Data_\\Inner"));
  EXPECT_FALSE(registry_.keyExists(root_));
  EXPECT_FALSE(registry_.openKey(root_, KeyAccess::Read).ok());
  EXPECT_FALSE(registry_.deleteKeyTree(root_).ok()) << "nothing left to delete";
}

TEST_F(Win32RegistryTest, StartWithWindowsPathWorks) {
  const std::wstring run = L"\\Software\\Microsoft\\Windows\\CurrentVersion\\Run";
  const std::wstring name = root_;  // unique, so no real entry is touched
  {
    auto key = registry_.createKey(run);
    ASSERT_TRUE(key.ok());
    ASSERT_TRUE((*key)->writeString(name, L"C:\\Program Files\\Tikora\\tikora.exe").ok());
  }
  auto key = registry_.openKey(run, KeyAccess::ReadWrite);
  ASSERT_TRUE(key.ok());
  EXPECT_EQ((*key)->readString(name), L"C:\\Program Files\\Tikora\\tikora.exe");
  EXPECT_TRUE((*key)->deleteValue(name).ok());
  EXPECT_EQ((*key)->readString(name), std::nullopt);
}

}  // namespace
}  // namespace tikora
