// What the program needs to tell whether another copy of it runs: top-level windows found by
// caption, and named kernel mutexes that live as long as the process that made them.
#pragma once
#include <string_view>

namespace tikora {

enum class WindowOwner {
  AnyProcess,    // windows of this process count as well
  OtherProcess,  // only windows of other processes count
};

enum class MutexCreation {
  Created,         // a new mutex of that name now exists
  AlreadyExisted,  // another holder had made it; this process now holds it too
  Failed,
};

class SingleInstance {
 public:
  virtual ~SingleInstance() = default;

  // Whether a top-level window whose caption is exactly `caption` (case included) exists, of any
  // window class, hidden or visible.
  virtual bool windowWithCaptionExists(std::wstring_view caption, WindowOwner owner) = 0;
  // Creates (or opens) a named mutex, not owned, and holds it until the process ends.
  virtual MutexCreation createMutex(std::wstring_view name) = 0;
  // Whether any process holds a mutex of that name.
  virtual bool mutexExists(std::wstring_view name) = 0;
};

}  // namespace tikora
