// Top-level windows by caption and named kernel mutexes.
#pragma once
#include <windows.h>

#include <vector>

#include "platform/single_instance.h"

namespace tikora {

class Win32SingleInstance : public SingleInstance {
 public:
  bool windowWithCaptionExists(std::wstring_view caption, WindowOwner owner) override;
  MutexCreation createMutex(std::wstring_view name) override;
  bool mutexExists(std::wstring_view name) override;

 private:
  // Mutexes this process holds. Never closed, not even when this object goes: other processes
  // tell that the program runs by the mutex, so it must live as long as the process.
  std::vector<HANDLE> heldMutexes_;
};

}  // namespace tikora
