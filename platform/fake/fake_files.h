// Files in memory for tests, with faults a test can put on a path: the write probe and the page
// file are checked against a disk that refuses, half-writes or will not let go.
#pragma once
#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/files.h"

namespace tikora {

class FakeFiles : public Files {
 public:
  enum class Fault {
    None,
    CreateFails,             // creating or writing the file fails and leaves nothing
    CreateFailsLeavingFile,  // creating reports failure yet leaves an empty file behind
    WriteFails,              // the file is created (empty) but writing its bytes fails
    RemoveFails,             // the file cannot be deleted
  };

  Status createEmptyFile(const std::wstring& path) override;
  Status writeFile(const std::wstring& path, std::string_view bytes) override;
  Status removeFile(const std::wstring& path) override;
  bool fileExists(const std::wstring& path) const override;

  // A fault for one path (compared without regard to case, as Windows does), or for every path
  // that has none of its own.
  void setFault(const std::wstring& path, Fault fault);
  void setFaultForAll(Fault fault) { faultForAll_ = fault; }

  void putFile(const std::wstring& path, std::string bytes);
  std::optional<std::string> contents(const std::wstring& path) const;
  std::size_t fileCount() const { return files_.size(); }

  // Every call in order: "create <path>", "write <path>", "remove <path>", "exists <path>".
  const std::vector<std::wstring>& calls() const { return calls_; }

 private:
  static std::wstring keyOf(const std::wstring& path);
  Fault faultFor(const std::wstring& key) const;

  std::map<std::wstring, std::string> files_;
  std::map<std::wstring, Fault> faults_;
  Fault faultForAll_ = Fault::None;
  mutable std::vector<std::wstring> calls_;
};

}  // namespace tikora
