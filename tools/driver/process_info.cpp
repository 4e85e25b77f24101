// Process state and exit codes.
#include "process_info.h"

#include <windows.h>
#include <tlhelp32.h>

#include <vector>

namespace tikora::driver {

Json commandProcess(const Options& options) {
  DWORD pid = static_cast<DWORD>(options.requiredNumber(L"pid"));
  Json out = Json::object().set("pid", static_cast<unsigned>(pid));
  HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, pid);
  if (!process) process = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid);
  if (!process) {
    // Gone, and nobody holds a handle to it any more: its exit code is lost.
    return out.set("exists", false).set("alive", false).set("exit_code", nullptr);
  }
  if (options.has(L"wait")) {
    DWORD waitMs = static_cast<DWORD>(options.requiredNumber(L"wait"));
    if (WaitForSingleObject(process, waitMs) == WAIT_TIMEOUT) {
      CloseHandle(process);
      failTimeout("process " + std::to_string(pid) + " still runs after " + std::to_string(waitMs) + " ms");
    }
  }
  bool alive = WaitForSingleObject(process, 0) == WAIT_TIMEOUT;
  DWORD code = 0;
  GetExitCodeProcess(process, &code);
  wchar_t image[MAX_PATH * 2];
  DWORD length = MAX_PATH * 2;
  std::wstring imagePath;
  if (QueryFullProcessImageNameW(process, 0, image, &length)) imagePath.assign(image, length);
  // GDI and USER objects the process holds; 0 where the system does not count them.
  const unsigned gdiObjects = GetGuiResources(process, GR_GDIOBJECTS);
  const unsigned userObjects = GetGuiResources(process, GR_USEROBJECTS);
  CloseHandle(process);
  out.set("exists", true).set("alive", alive).set("image", imagePath);
  out.set("gdi_objects", gdiObjects).set("user_objects", userObjects);
  return out.set("exit_code", alive ? Json(nullptr) : Json(static_cast<unsigned>(code)));
}

Json commandProcesses(const Options& options) {
  std::wstring wanted = options.text(L"name");
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) fail("cannot list processes");
  Json list = Json::array();
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry)) {
    if (!wanted.empty() && CompareStringOrdinal(entry.szExeFile, -1, wanted.c_str(), -1, TRUE) != CSTR_EQUAL) {
      continue;
    }
    list.push(Json::object()
                  .set("pid", static_cast<unsigned>(entry.th32ProcessID))
                  .set("parent", static_cast<unsigned>(entry.th32ParentProcessID))
                  .set("name", entry.szExeFile)
                  .set("threads", static_cast<unsigned>(entry.cntThreads)));
  }
  CloseHandle(snapshot);
  return list;
}

}  // namespace tikora::driver

namespace tikora::driver {

// Ends processes at once (TerminateProcess), by id or by image name, and waits until they are
// gone; the tests end what a test left running this way without restarting Wine.
Json commandKill(const Options& options) {
  std::vector<DWORD> pids;
  if (options.has(L"pid")) {
    pids.push_back(static_cast<DWORD>(options.requiredNumber(L"pid")));
  } else {
    const Json listed = commandProcesses(options);
    for (size_t i = 0; i < listed.size(); ++i) pids.push_back(static_cast<DWORD>(listed.at(i).find("pid")->number()));
  }
  const DWORD waitMs = static_cast<DWORD>(options.number(L"wait", 10000));
  Json ended = Json::array();
  for (DWORD pid : pids) {
    if (pid == GetCurrentProcessId()) continue;
    HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, pid);
    if (!process) continue;
    if (TerminateProcess(process, 1) && WaitForSingleObject(process, waitMs) == WAIT_OBJECT_0) {
      ended.push(static_cast<unsigned>(pid));
    }
    CloseHandle(process);
  }
  return Json::object().set("ended", std::move(ended));
}

}  // namespace tikora::driver
