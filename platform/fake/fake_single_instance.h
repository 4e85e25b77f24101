// Windows and mutexes for single-instance tests: the test says which top-level windows and
// named mutexes exist; the fake records what the program asked and created.
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "platform/single_instance.h"

namespace tikora {

class FakeSingleInstance : public SingleInstance {
 public:
  bool windowWithCaptionExists(std::wstring_view caption, WindowOwner owner) override;
  MutexCreation createMutex(std::wstring_view name) override;
  bool mutexExists(std::wstring_view name) override;

  // A top-level window, of another process unless said otherwise.
  void addWindow(std::wstring_view caption, bool ofThisProcess = false);
  void removeWindows(std::wstring_view caption);
  // A mutex held by another process.
  void addMutex(std::wstring_view name);
  void setMutexCreationFails(bool fails) { mutexCreationFails_ = fails; }

  // Captions asked for, in order.
  const std::vector<std::wstring>& captionQueries() const { return captionQueries_; }
  // Names passed to createMutex, in order (failed attempts included).
  const std::vector<std::wstring>& mutexCreations() const { return mutexCreations_; }

 private:
  struct Window {
    std::wstring caption;
    bool ofThisProcess = false;
  };
  std::vector<Window> windows_;
  std::vector<std::wstring> mutexes_;
  std::vector<std::wstring> captionQueries_;
  std::vector<std::wstring> mutexCreations_;
  bool mutexCreationFails_ = false;
};

}  // namespace tikora
