// Files on disk through CreateFileW and friends.
#pragma once
#include "platform/files.h"

namespace tikora {

class Win32Files : public Files {
 public:
  Status createEmptyFile(const std::wstring& path) override;
  Status writeFile(const std::wstring& path, std::string_view bytes) override;
  Status removeFile(const std::wstring& path) override;
  bool fileExists(const std::wstring& path) const override;
};

}  // namespace tikora
