// Test windows and mutexes; see fake_single_instance.h.
#include "platform/fake/fake_single_instance.h"

#include <algorithm>

namespace tikora {

bool FakeSingleInstance::windowWithCaptionExists(std::wstring_view caption, WindowOwner owner) {
  captionQueries_.emplace_back(caption);
  return std::any_of(windows_.begin(), windows_.end(), [&](const Window& w) {
    return w.caption == caption && (owner == WindowOwner::AnyProcess || !w.ofThisProcess);
  });
}

MutexCreation FakeSingleInstance::createMutex(std::wstring_view name) {
  mutexCreations_.emplace_back(name);
  if (mutexCreationFails_) return MutexCreation::Failed;
  if (mutexExists(name)) return MutexCreation::AlreadyExisted;
  mutexes_.emplace_back(name);
  return MutexCreation::Created;
}

bool FakeSingleInstance::mutexExists(std::wstring_view name) {
  // Kernel object names are case-sensitive.
  return std::find(mutexes_.begin(), mutexes_.end(), name) != mutexes_.end();
}

void FakeSingleInstance::addWindow(std::wstring_view caption, bool ofThisProcess) {
  windows_.push_back({std::wstring(caption), ofThisProcess});
}

void FakeSingleInstance::removeWindows(std::wstring_view caption) {
  std::erase_if(windows_, [&](const Window& w) { return w.caption == caption; });
}

void FakeSingleInstance::addMutex(std::wstring_view name) { mutexes_.emplace_back(name); }

}  // namespace tikora
