// Every service the whole program model takes, as the in-memory fakes (with the generated media),
// for tests that run the program as start-up makes it.
#pragma once
#include <memory>

#include "platform/fake/fake_clock.h"
#include "platform/fake/fake_code_page.h"
#include "platform/fake/fake_feed_source.h"
#include "platform/fake/fake_files.h"
#include "platform/fake/fake_locale.h"
#include "platform/fake/fake_message_box.h"
#include "platform/fake/fake_power.h"
#include "platform/fake/fake_registry.h"
#include "platform/fake/fake_resources.h"
#include "platform/fake/fake_shell.h"
#include "platform/fake/fake_sleeper.h"
#include "platform/fake/fake_sound.h"
#include "platform/fake/fake_text_metrics.h"
#include "platform/native/libxml_document.h"
#include "program/program_model.h"
// Every window's component names in one translation unit: a name that two windows declared
// would not compile.
#include "calendar/todays_date_names.h"
#include "clock/clock_window_names.h"
#include "clock/control_panel_names.h"
#include "planner/planner_window_names.h"
#include "planner/reminder_popup_names.h"
#include "rss/page_view_names.h"
#include "rss/ticker_window_names.h"

#ifndef TIKORA_MEDIA_DIR
#error "TIKORA_MEDIA_DIR must name the folder of the generated media"
#endif

namespace tikora::testing {

inline constexpr const wchar_t* kProgramPath = L"C:\\Tikora\\tikora.exe";

// Announcements are not these tests' business.
class NoAnnouncements final : public AnnouncementLauncher {
 public:
  bool launch(std::function<void(std::stop_token)>) override { return false; }
};

struct FakeProgramServices {
  ProgramServices services() {
    return {registry, shell,    metrics, clock,    locale,  *media, sound,       power,
            boxes,    codePage, feeds,   document, sleeper, files,  kProgramPath};
  }

  FakeRegistry registry;
  FakeShell shell;
  FakeTextMetrics metrics;
  FakeClock clock;
  FakeLocale locale;
  FakeResources resources{TIKORA_MEDIA_DIR};
  // Where the program's pictures come from: `resources`, unless pointed elsewhere.
  const Resources* media = &resources;
  FakeSound sound;
  FakePower power;
  FakeMessageBox boxes;
  FakeAnsiCodePage codePage;
  FakeFeedSource feeds;
  LibXmlDocument document;
  FakeSleeper sleeper;
  FakeFiles files;

  // The program as start-up makes it, every window in its order, at the fake clock's time.
  std::unique_ptr<ProgramModel> startProgram() {
    ProgramHooks hooks;
    hooks.launcher = std::make_unique<NoAnnouncements>();
    auto program = std::make_unique<ProgramModel>(services(), std::move(hooks));
    program->createControlPanel(loadClockStartPictures(FaceStyles{}, *media));
    program->createDailyPlanner();
    program->createReminderPopup();
    program->createTicker();
    program->createPageView();
    program->createTodaysDate();
    return program;
  }
};

}  // namespace tikora::testing
