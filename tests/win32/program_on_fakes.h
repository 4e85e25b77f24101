// The whole program's models on the in-memory fakes, with the real text metrics, XML document
// and the program's own pictures: for tests of the real windows and the real face on a clock the
// test sets.
#pragma once
#include <windows.h>

#include "platform/fake/fake_clock.h"
#include "platform/fake/fake_code_page.h"
#include "platform/fake/fake_feed_source.h"
#include "platform/fake/fake_files.h"
#include "platform/fake/fake_locale.h"
#include "platform/fake/fake_message_box.h"
#include "platform/fake/fake_power.h"
#include "platform/fake/fake_registry.h"
#include "platform/fake/fake_shell.h"
#include "platform/fake/fake_sleeper.h"
#include "platform/fake/fake_sound.h"
#include "platform/win32/win32_resources.h"
#include "platform/win32/win32_text_metrics.h"
#include "platform/win32/win32_xml_document.h"
#include "program/program_model.h"

namespace tikora::testing {

// tikora.exe loaded as a data file, for its pictures, while this lives; null when it cannot be.
struct ProgramModule {
  HMODULE handle = LoadLibraryExW(TIKORA_EXE_NAME, nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  ProgramModule() = default;
  ProgramModule(const ProgramModule&) = delete;
  ProgramModule& operator=(const ProgramModule&) = delete;
  ~ProgramModule() {
    if (handle) FreeLibrary(handle);
  }
};

struct ProgramOnFakes {
  // `media`: tikora.exe loaded as a data file, for its pictures.
  explicit ProgramOnFakes(HMODULE media) : resources(media) { shell.screen = {1280, 1024}; }

  // The control panel made, as start-up makes it first (with the settings, the face).
  ProgramModel& start() {
    program.createControlPanel(loadClockStartPictures(FaceStyles{}, resources));
    return program;
  }

  FakeRegistry registry;
  FakeShell shell;
  FakeClock clock;
  FakeLocale locale;
  FakeSound sound;
  FakePower power;
  FakeMessageBox boxes;
  FakeAnsiCodePage codePage;
  FakeFeedSource feeds;
  Win32XmlDocument document;
  FakeSleeper sleeper;
  FakeFiles files;
  Win32TextMetrics metrics{96};
  Win32Resources resources;
  ProgramModel program{ProgramServices{registry, shell, metrics, clock, locale, resources, sound, power, boxes,
                                       codePage, feeds, document, sleeper, files, L"C:\\Tikora\\tikora.exe"},
                       ProgramHooks{}};
};

}  // namespace tikora::testing
