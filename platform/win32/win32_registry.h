// The registry on Windows: keys below one root (HKEY_CURRENT_USER unless told otherwise),
// opened with the rights asked for and closed by their owners.
#pragma once
#include <windows.h>

#include "platform/registry.h"

namespace tikora {

class Win32Registry : public Registry {
 public:
  // `root` must stay open for the registry's lifetime (a predefined key always does).
  explicit Win32Registry(HKEY root = HKEY_CURRENT_USER) : root_(root) {}

  Result<std::unique_ptr<RegistryKey>> openKey(std::wstring_view path, KeyAccess access) override;
  Result<std::unique_ptr<RegistryKey>> createKey(std::wstring_view path) override;
  bool keyExists(std::wstring_view path) override;
  // Refuses an empty path: that would empty the whole root.
  Status deleteKeyTree(std::wstring_view path) override;

 private:
  HKEY root_;
};

}  // namespace tikora
