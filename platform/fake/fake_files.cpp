// In-memory files with injected faults.
#include "platform/fake/fake_files.h"

#include <cwctype>

namespace tikora {

namespace {
constexpr std::uint32_t kAccessDenied = 5;
constexpr std::uint32_t kFileNotFound = 2;
}  // namespace

std::wstring FakeFiles::keyOf(const std::wstring& path) {
  std::wstring key = path;
  for (wchar_t& c : key) c = static_cast<wchar_t>(std::towlower(c));
  return key;
}

FakeFiles::Fault FakeFiles::faultFor(const std::wstring& key) const {
  auto found = faults_.find(key);
  return found != faults_.end() ? found->second : faultForAll_;
}

void FakeFiles::setFault(const std::wstring& path, Fault fault) { faults_[keyOf(path)] = fault; }

Status FakeFiles::createEmptyFile(const std::wstring& path) {
  calls_.push_back(L"create " + path);
  const std::wstring key = keyOf(path);
  switch (faultFor(key)) {
    case Fault::CreateFails: return Error{kAccessDenied, L"Cannot create " + path};
    case Fault::CreateFailsLeavingFile: files_[key].clear(); return Error{kAccessDenied, L"Cannot create " + path};
    default: files_[key].clear(); return {};
  }
}

Status FakeFiles::writeFile(const std::wstring& path, std::string_view bytes) {
  calls_.push_back(L"write " + path);
  const std::wstring key = keyOf(path);
  switch (faultFor(key)) {
    case Fault::CreateFails: return Error{kAccessDenied, L"Cannot create " + path};
    case Fault::CreateFailsLeavingFile:
    case Fault::WriteFails: files_[key].clear(); return Error{kAccessDenied, L"Cannot write " + path};
    default: files_[key] = std::string(bytes); return {};
  }
}

Status FakeFiles::removeFile(const std::wstring& path) {
  calls_.push_back(L"remove " + path);
  const std::wstring key = keyOf(path);
  auto found = files_.find(key);
  if (found == files_.end()) return Error{kFileNotFound, L"No file " + path};
  if (faultFor(key) == Fault::RemoveFails) return Error{kAccessDenied, L"Cannot delete " + path};
  files_.erase(found);
  return {};
}

bool FakeFiles::fileExists(const std::wstring& path) const {
  calls_.push_back(L"exists " + path);
  return files_.count(keyOf(path)) != 0;
}

void FakeFiles::putFile(const std::wstring& path, std::string bytes) { files_[keyOf(path)] = std::move(bytes); }

std::optional<std::string> FakeFiles::contents(const std::wstring& path) const {
  auto found = files_.find(keyOf(path));
  if (found == files_.end()) return std::nullopt;
  return found->second;
}

}  // namespace tikora
