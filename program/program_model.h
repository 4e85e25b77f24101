// The program's windows as models, wired together: the composition root of the portable core.
// The Win32 layer makes one ProgramModel with every platform service, then lets start-up create
// the windows in their order, each view over its model here; every rule about which window does
// what to which other lives in this folder, below the Win32 layer, and runs in native tests.
//
// Owned here: the live settings and their store, the clock window's model, and, from the control
// panel's creation on, the text overlays, the control panel's model (which owns the panel's
// components and timers), the clock face and the time services, bound to the panel's
// components in a fixed order: the panel's own handlers and the text overlays', then the face's,
// then the time services'.
#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "calendar/todays_date_window_model.h"
#include "clock/clock_face.h"
#include "clock/clock_start_pictures.h"
#include "clock/clock_window_model.h"
#include "clock/control_panel_model.h"
#include "clock/digit_animation.h"
#include "clock/settings.h"
#include "clock/settings_store.h"
#include "clock/text_overlays.h"
#include "core/random.h"
#include "planner/planner_window_model.h"
#include "planner/reminder_popup_model.h"
#include "platform/clock.h"
#include "platform/code_page.h"
#include "platform/feed_source.h"
#include "platform/files.h"
#include "platform/locale.h"
#include "platform/message_box.h"
#include "platform/power.h"
#include "platform/registry.h"
#include "platform/resources.h"
#include "platform/shell.h"
#include "platform/sleeper.h"
#include "platform/sound.h"
#include "platform/text_metrics.h"
#include "platform/xml_document.h"
#include "rss/channel_list.h"
#include "rss/feed_reader.h"
#include "rss/page_view_model.h"
#include "rss/scheduled_reading.h"
#include "rss/ticker_window_model.h"
#include "timeservices/time_services.h"

namespace tikora {

struct ProgramServices {
  Registry& registry;
  Shell& shell;
  const TextMetrics& metrics;
  const Clock& clock;
  Locale& locale;
  const Resources& resources;
  Sound& sound;
  Power& power;
  MessageBoxService& messageBoxes;
  const AnsiCodePage& codePage;
  FeedSource& feeds;
  XmlDocument& document;
  Sleeper& sleeper;
  Files& files;
  // The running program's full file name, as "Start with System" stores it.
  std::wstring programPath;
};

// What only the window layer can do.
struct ProgramHooks {
  // Handles the window messages waiting now, once (between the steps of a long face rebuild).
  std::function<void()> pumpMessages;
  // The pointer's position on the screen.
  std::function<Point()> pointerPosition;
  // Where announcements run; a thread per announcement when left empty.
  std::unique_ptr<AnnouncementLauncher> launcher;
  // The random source of the digit animations; one seeded from the tick count when left empty.
  std::unique_ptr<RandomSource> random;
};

class ProgramModel {
 public:
  explicit ProgramModel(ProgramServices services, ProgramHooks hooks = {});
  ~ProgramModel();
  ProgramModel(const ProgramModel&) = delete;
  ProgramModel& operator=(const ProgramModel&) = delete;

  Settings& settings() { return settings_; }
  SettingsStore& store() { return store_; }
  ClockWindowModel& clockWindow() { return clockWindow_; }
  const Resources& resources() const { return s_.resources; }

  // ---- The control panel (the second window start-up makes) ----
  // Makes the panel's model and everything bound to it, then runs its creation: the settings
  // load, the clock window's place, the face composed from `pictures`, the timers ready.
  SettingsLoadReport createControlPanel(ClockStartPictures pictures);
  // Null until createControlPanel.
  ControlPanelModel* controlPanel() { return panel_.get(); }
  ClockFace* face() { return face_ ? &*face_ : nullptr; }
  TextOverlays* overlays() { return overlays_.get(); }
  TimeServices* timeServices() { return services_.get(); }

  // ---- The other windows, made by start-up in this order after the control panel ----
  PlannerWindowModel& createDailyPlanner();
  ReminderPopupModel& createReminderPopup();
  // The ticker reads its settings into the control panel's controls when it is made.
  TickerWindowModel& createTicker();
  // The page view opens on a headline's click and stops the ticker while it shows.
  PageViewModel& createPageView();
  TodaysDateWindowModel& createTodaysDate();
  PlannerWindowModel* planner() { return planner_.get(); }
  ReminderPopupModel* reminder() { return reminder_.get(); }
  TickerWindowModel* ticker() { return ticker_.get(); }
  PageViewModel* pageView() { return pageView_.get(); }
  ScheduledReading* scheduledReading() { return scheduled_.get(); }
  TodaysDateWindowModel* todaysDate() { return todaysDate_.get(); }
  RssChannelList* channels() { return channels_.get(); }
  FeedReader* reader() { return reader_.get(); }
  DigitAnimation* digitAnimation() { return animation_.get(); }

  // A picture the program makes, by the name components give it ("stripe": the clock's
  // decorative stripe in the frame's colours); null for any other name.
  const Bitmap* picture(std::wstring_view name) const;

  // The face tick (the panel's face timer): strip, laser step, second hand, hour and minute hands.
  void onFaceTick();
  ModelTimer& faceTimer() { return faceTimer_; }
  // The clock's layers whose pictures changed since the last call.
  LayerSet takeFaceRepaint();

  // The system said that its settings changed (WM_SETTINGCHANGE): the day and month names and
  // the formats are read again at their next use.
  void systemSettingsChanged() { s_.locale.forget(); }

 private:
  ProgramServices s_;
  ProgramHooks hooks_;
  Settings settings_;
  SettingsStore store_;
  ClockWindowModel clockWindow_;
  ModelTimer faceTimer_{1000, true};
  std::unique_ptr<TextOverlays> overlays_;
  std::unique_ptr<ControlPanelModel> panel_;
  std::optional<ClockFace> face_;
  std::unique_ptr<TimeServicesContext> context_;
  std::unique_ptr<TimeServices> services_;
  std::unique_ptr<DigitAnimation> animation_;
  std::unique_ptr<RssChannelList> channels_;
  std::unique_ptr<PlannerWindowModel> planner_;
  std::unique_ptr<ReminderPopupModel> reminder_;
  std::unique_ptr<PlannerReminders> reminders_;
  std::unique_ptr<TickerWindowModel> ticker_;
  std::unique_ptr<FeedReader> reader_;
  std::unique_ptr<ScheduledReading> scheduled_;
  std::unique_ptr<PageViewModel> pageView_;
  std::unique_ptr<TodaysDateWindowModel> todaysDate_;
  int stripeRevision_ = 0;

  ClockWindowHooks clockWindowHooks();
  void bindOtherWindowsColours();
  void stripeRecoloured();
};

}  // namespace tikora
