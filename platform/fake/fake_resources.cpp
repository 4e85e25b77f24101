// Test bitmap resources; see fake_resources.h.
#include "platform/fake/fake_resources.h"

#include <system_error>

#include "core/dib.h"

namespace tikora {

std::wstring FakeResources::fold(std::wstring_view name) {
  std::wstring folded(name);
  for (wchar_t& c : folded)
    if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c - L'A' + L'a');
  return folded;
}

void FakeResources::add(std::wstring_view name, Bitmap picture) { pictures_[fold(name)] = std::move(picture); }

void FakeResources::remove(std::wstring_view name) { pictures_.erase(fold(name)); }

std::optional<Bitmap> FakeResources::loadBitmap(std::wstring_view name) const {
  requests_.emplace_back(name);
  const std::wstring folded = fold(name);
  if (auto found = pictures_.find(folded); found != pictures_.end()) return found->second;
  return loadFromFolder(folded);
}

std::optional<Bitmap> FakeResources::loadFromFolder(const std::wstring& foldedName) const {
  if (!folder_ || foldedName.empty()) return std::nullopt;
  // A resource name is a plain word; never let one reach outside the folder.
  if (foldedName.find_first_of(L"/\\:") != std::wstring::npos || foldedName.find(L"..") != std::wstring::npos)
    return std::nullopt;
  const std::filesystem::path wanted = *folder_ / (foldedName + L".bmp");
  std::error_code error;
  if (std::filesystem::is_regular_file(wanted, error)) return readBmpFile(wanted);
  // The folder's file system may tell case apart; look for the name in any case.
  for (std::filesystem::directory_iterator it(*folder_, error), end; !error && it != end; it.increment(error)) {
    const std::filesystem::path& candidate = it->path();
    if (fold(candidate.filename().wstring()) == foldedName + L".bmp" && it->is_regular_file(error))
      return readBmpFile(candidate);
  }
  return std::nullopt;
}

}  // namespace tikora
