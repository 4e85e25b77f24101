// tikodrv: drives a running program's windows for end-to-end tests. One command per run; the
// result is one JSON value on stdout. Exit code 0 on success, 1 on failure, 2 on a usage error,
// 3 on a time-out, each failure with {"error": ..., "kind": ...} on stdout.
#include <windows.h>

#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "actions.h"
#include "backdrop.h"
#include "capture.h"
#include "controls.h"
#include "json.h"
#include "message_boxes.h"
#include "options.h"
#include "popup_menu.h"
#include "process_info.h"
#include "registry.h"
#include "tray.h"
#include "windows_list.h"

namespace tikora::driver {
namespace {

struct Command {
  const wchar_t* name;
  Json (*run)(const Options&);
  const char* usage;
};

// WINDOW is --hwnd H | --caption TEXT [--class NAME] [--pid N] [--visible] [--timeout MS].
// CONTROL is --text TEXT | --id N | --control H | --control-class NAME, narrowed by
// --group TEXT, --shown and --nth K.
const Command kCommands[] = {
    {L"windows", commandWindows, "windows [--caption T] [--class C] [--pid N] [--visible]"},
    {L"wait-window", commandWaitWindow, "wait-window --caption T [--class C] [--pid N] [--visible] [--timeout MS]"},
    {L"wait-gone", commandWaitGone, "wait-gone (--hwnd H | --caption T [--class C] [--pid N]) [--timeout MS]"},
    {L"screen", commandScreen, "screen"},
    {L"controls", commandControls, "controls WINDOW [--shown] [--control-class C] [--group T] [--text T] [--id N]"},
    {L"control", commandControl, "control WINDOW CONTROL"},
    {L"click", commandClick, "click WINDOW CONTROL [--mode post|send|command|mouse] [--send-timeout MS]"},
    {L"check", commandCheck, "check WINDOW CONTROL [--state 0|1] [--timeout MS]"},
    {L"select", commandSelect, "select WINDOW CONTROL (--index N | --item TEXT) [--mode post|send]"},
    {L"scroll", commandScroll, "scroll WINDOW CONTROL --position N"},
    {L"tab", commandTab, "tab WINDOW CONTROL (--index N | --item TEXT)"},
    {L"set-text", commandSetText, "set-text WINDOW [CONTROL] --value TEXT"},
    {L"post", commandPost, "post WINDOW [CONTROL] (--msg M | --registered NAME) [--wparam W] [--lparam L]"},
    {L"send", commandSend,
     "send WINDOW [CONTROL] (--msg M | --registered NAME) [--wparam W] [--lparam L] [--send-timeout MS]"},
    {L"message-boxes", commandMessageBoxes, "message-boxes [--pid N] [--caption T] [--contains TEXT] [--hidden]"},
    {L"wait-message-box", commandWaitMessageBox,
     "wait-message-box [--pid N] [--caption T] [--contains TEXT] [--timeout MS]"},
    {L"dismiss-message-box", commandDismissMessageBox,
     "dismiss-message-box --button TEXT [--pid N] [--caption T] [--contains TEXT] [--timeout MS]"},
    {L"menu", commandMenu, "menu [--pid N] [--timeout MS]"},
    {L"menu-select", commandMenuSelect, "menu-select --item TEXT [--pid N] [--owner H] [--timeout MS]"},
    {L"menu-dismiss", commandMenuDismiss, "menu-dismiss [--pid N] [--timeout MS]"},
    {L"capture", commandCapture,
     "capture --out FILE.bmp [WINDOW] [--area client|window|screen] [--rect X,Y,W,H] [--method screen|print]"},
    {L"pixel", commandPixel, "pixel --at X,Y [--at X,Y ...] [WINDOW] [--area ...] [--rect ...] [--method ...]"},
    {L"mouse", commandMouse,
     "mouse --at X,Y [WINDOW] [--button left|right] [--action click|down|up|move|drag] [--to X,Y]"},
    {L"key", commandKey, "key --vk N [--action press|down|up]"},
    {L"tray-icon", commandTrayIcon, "tray-icon WINDOW [--id N] [--action query|delete]"},
    {L"backdrop", commandBackdrop, "backdrop [--color 0xRRGGBB] | backdrop --off   (serve mode only)"},
    {L"process", commandProcess, "process --pid N [--wait MS]"},
    {L"processes", commandProcesses, "processes [--name IMAGE.exe]"},
    {L"kill", commandKill, "kill (--pid N | --name IMAGE.exe) [--wait MS]"},
    {L"reg-read", commandRegRead, "reg-read --key KEY   (the key's values and subkeys, or exists: false)"},
    {L"reg-write", commandRegWrite, "reg-write --key KEY (--name N --type REG_... --data D)..."},
    {L"reg-delete", commandRegDelete, "reg-delete --key KEY [--value NAME]"},
};

const std::vector<std::wstring> kFlags = {L"visible", L"shown", L"hidden", L"off"};

void writeOut(const std::string& text) {
  std::string line = text + "\n";
  DWORD written = 0;
  WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
}

Json usage() {
  Json commands = Json::array();
  for (const auto& command : kCommands) commands.push(command.usage);
  return Json::object()
      .set("usage", "tikodrv COMMAND [OPTIONS]")
      .set("window", "--hwnd H | --caption T [--class C] [--pid N] [--visible] [--timeout MS]")
      .set("control", "--text T | --id N | --control H | --control-class C, narrowed by --group T, --shown, --nth K")
      .set("numbers", "decimal or 0x hexadecimal")
      .set("serve",
           "tikodrv serve: one JSON array of arguments a line on stdin, one {exit_code, result} a line on stdout")
      .set("commands", commands);
}

// Runs one command; returns its JSON (the result, or the error record) and the exit code.
std::pair<Json, int> runCommand(const std::vector<std::wstring>& args) {
  std::wstring name = args.empty() ? L"" : args[0];
  forgetGroupBoxes();
  try {
    for (const auto& command : kCommands) {
      if (name == command.name) {
        std::vector<wchar_t*> argv;
        std::vector<std::wstring> copies(args);
        for (auto& arg : copies) argv.push_back(arg.data());
        Options options(static_cast<int>(argv.size()), argv.data(), 1, kFlags);
        return {command.run(options), 0};
      }
    }
    failUsage("unknown command: " + narrow(name));
  } catch (const DriverError& error) {
    static const char* const kinds[] = {"usage", "failure", "timeout"};
    int kind = static_cast<int>(error.kind());
    Json record = Json::object().set("error", error.what()).set("kind", kinds[kind]).set("command", name);
    return {record, kind == 0 ? 2 : kind == 1 ? 1 : 3};
  } catch (const std::exception& error) {
    return {Json::object().set("error", error.what()).set("kind", "failure").set("command", name), 1};
  }
}

// "serve": one command a line on stdin as a JSON array of strings (["windows", "--caption",
// "Tikora"]), one answer a line on stdout: {"exit_code": N, "result": ...}. Starting Wine for
// every command costs about a second; a test keeps one server instead. Ends at end of input.
int serve() {
  setServing(true);
  HANDLE input = GetStdHandle(STD_INPUT_HANDLE);
  std::string pending;
  char buffer[4096];
  for (;;) {
    size_t newline;
    while ((newline = pending.find('\n')) == std::string::npos) {
      DWORD got = 0;
      if (!ReadFile(input, buffer, sizeof buffer, &got, nullptr) || got == 0) return 0;
      pending.append(buffer, got);
    }
    std::string line = pending.substr(0, newline);
    pending.erase(0, newline + 1);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty()) continue;
    std::vector<std::wstring> args;
    Json answer = Json::object();
    if (!parseStringArray(line, args)) {
      answer.set("exit_code", 2)
          .set("result", Json::object().set("error", "not a JSON array of strings").set("kind", "usage"));
    } else {
      auto [result, code] = runCommand(args);
      answer.set("exit_code", code).set("result", std::move(result));
    }
    writeOut(answer.dump());
  }
}

// Window places, sizes and captured pixels as the screen has them, at any scaling: without
// this, the system would show the driver every DPI-aware program's windows scaled to 96 DPI.
void becomeDpiAware() {
  using SetContextFn = BOOL(WINAPI*)(HANDLE);
  HMODULE user32 = GetModuleHandleW(L"user32.dll");
  const auto setContext =
      reinterpret_cast<SetContextFn>(reinterpret_cast<void*>(GetProcAddress(user32, "SetProcessDpiAwarenessContext")));
  const HANDLE perMonitorV2 = reinterpret_cast<HANDLE>(static_cast<INT_PTR>(-4));
  if (setContext && setContext(perMonitorV2)) return;
  SetProcessDPIAware();
}

int run(int argc, wchar_t** argv) {
  becomeDpiAware();
  if (argc < 2 || std::wcscmp(argv[1], L"help") == 0 || std::wcscmp(argv[1], L"--help") == 0) {
    writeOut(usage().dump());
    return argc < 2 ? 2 : 0;
  }
  if (std::wcscmp(argv[1], L"serve") == 0) return serve();
  std::vector<std::wstring> args(argv + 1, argv + argc);
  auto [result, code] = runCommand(args);
  writeOut(result.dump());
  return code;
}

}  // namespace
}  // namespace tikora::driver

int wmain(int argc, wchar_t** argv) { return tikora::driver::run(argc, argv); }
