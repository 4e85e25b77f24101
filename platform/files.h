// The few file operations the program needs: the write probe at start and the feed page file.
#pragma once
#include <string>
#include <string_view>

#include "platform/result.h"

namespace tikora {

class Files {
 public:
  virtual ~Files() = default;

  // Creates the file empty, or truncates it if it exists, and closes it.
  virtual Status createEmptyFile(const std::wstring& path) = 0;
  // Creates or overwrites the file with exactly `bytes`, flushed and closed. On an error after
  // the file was created, the file may be left with part of the bytes.
  virtual Status writeFile(const std::wstring& path, std::string_view bytes) = 0;
  // Deletes the file. A file that does not exist is an error.
  virtual Status removeFile(const std::wstring& path) = 0;
  // Whether a file (not a folder) of that name exists.
  virtual bool fileExists(const std::wstring& path) const = 0;
};

}  // namespace tikora
