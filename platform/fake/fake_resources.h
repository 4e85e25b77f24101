// Bitmap resources for tests: pictures registered in memory, or .bmp files of a folder (the
// generated media folder holds every picture of the program as <name>.bmp). Pictures registered
// in memory come first; names compare without regard to case either way.
#pragma once
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/resources.h"

namespace tikora {

class FakeResources : public Resources {
 public:
  FakeResources() = default;
  // Also looks for <folder>/<name>.bmp.
  explicit FakeResources(std::filesystem::path folder) : folder_(std::move(folder)) {}

  std::optional<Bitmap> loadBitmap(std::wstring_view name) const override;

  void add(std::wstring_view name, Bitmap picture);
  void remove(std::wstring_view name);

  // Every name asked for, in order, as asked (found or not).
  const std::vector<std::wstring>& requests() const { return requests_; }
  void clearRequests() { requests_.clear(); }

 private:
  static std::wstring fold(std::wstring_view name);
  std::optional<Bitmap> loadFromFolder(const std::wstring& foldedName) const;

  std::optional<std::filesystem::path> folder_;
  std::map<std::wstring, Bitmap> pictures_;  // by folded name
  mutable std::vector<std::wstring> requests_;
};

}  // namespace tikora
