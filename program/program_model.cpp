// The program's windows wired together; see program_model.h.
#include "program/program_model.h"

#include <utility>

#include "clock/control_panel_names.h"
#include "clock/face_bindings.h"
#include "timeservices/panel_bindings.h"

namespace tikora {
namespace {

using E = ComponentEvent;

}  // namespace

ProgramModel::ProgramModel(ProgramServices services, ProgramHooks hooks)
    : s_(std::move(services)),
      hooks_(std::move(hooks)),
      store_(s_.registry, s_.programPath),
      clockWindow_(clockWindowHooks()) {}

// The clock window's menu, strip and tray icon open the other windows once they are made.
ClockWindowHooks ProgramModel::clockWindowHooks() {
  ClockWindowHooks hooks;
  hooks.showControlPanel = [this] {
    if (panel_) panel_->show();
  };
  hooks.openDailyPlanner = [this] {
    if (planner_) planner_->open();
  };
  hooks.showTodaysDate = [this](bool onTop) {
    if (!todaysDate_) return;
    if (onTop)
      todaysDate_->showOnTop();
    else
      todaysDate_->show();
  };
  return hooks;
}

ProgramModel::~ProgramModel() = default;

SettingsLoadReport ProgramModel::createControlPanel(ClockStartPictures pictures) {
  overlays_ = std::make_unique<TextOverlays>(clockWindow_, settings_, s_.metrics, s_.locale);

  ControlPanelHooks hooks;
  hooks.loadChannelList = [this] { channels_->load(); };
  // The frame colour is the first step of the face; the face is composed there in one go (frame
  // colour, face disk, seconds marks, digit colours and the second hand table).
  hooks.recolourFrame = [this, pictures = std::make_shared<ClockStartPictures>(std::move(pictures))]() mutable {
    // The face draws by the panel's seconds and laser switches and has the laser switch follow
    // the seconds style at each tick.
    face_.emplace(clockWindow_, s_.metrics, s_.resources, std::move(*pictures),
                  ClockFaceHooks{hooks_.pumpMessages, [this] { stripeRecoloured(); },
                                 [this] { return faceSwitchesOf(settings_); },
                                 [this] { applyLaserAvailability(panel_->components(), settings_); }});
    face_->composeAtStartUp(faceSettingsOf(settings_));
  };
  hooks.settingsLoaded = [this] { showExactTimeChoices(panel_->components(), settings_); };
  hooks.closeReminderPopupIfShowing = [this] {
    if (reminder_) reminder_->closeIfShowing();
  };
  hooks.showDailyPlanner = [this] {
    if (planner_) planner_->open();
  };
  panel_ = std::make_unique<ControlPanelModel>(ControlPanelServices{settings_, store_, s_.shell, s_.metrics, s_.clock,
                                                                    s_.messageBoxes, *overlays_, clockWindow_},
                                               std::move(hooks));
  ComponentTable& panel = panel_->components();

  // The RSS channels on the panel's "RSS Reader" page.
  channels_ = std::make_unique<RssChannelList>(
      ChannelListServices{panel, s_.registry, s_.codePage, s_.messageBoxes, kControlPanelName, &settings_.rssChannel});

  // The other windows take the clock background as it was chosen, before the face keeps it;
  // the face's handlers come after the panel's own and the overlays'.
  panel.on(kBackgroundColourBox, E::Change, [this] {
    if (ticker_) ticker_->backgroundColourChanged();
    if (todaysDate_) todaysDate_->colourChanged(&Settings::backgroundColour, settings_.backgroundColour);
  });
  bindFace(panel, settings_, [this] { return face(); });
  bindOtherWindowsColours();

  // The time services', with their controls' first states and the panel's timers.
  setFirstTimeServiceStates(panel);
  context_ = std::make_unique<TimeServicesContext>(TimeServicesContext{settings_, panel, clockWindow_, s_.metrics,
                                                                       s_.clock, s_.locale, s_.sound, s_.power,
                                                                       s_.messageBoxes, kControlPanelName});
  TimeServicesSetup setup;
  TextOverlays& overlays = *overlays_;
  setup.duties.digitalTimeText = [&overlays](const CivilTime& now, std::wstring& text) {
    text = overlays.digitalTimeText(now);
  };
  setup.duties.dateChanged = [this, &overlays](const DateTexts& today) {
    overlays.showDateTexts(today);
    if (todaysDate_) todaysDate_->dateChanged();
  };
  setup.duties.showDigitalTime = [&overlays](const std::wstring& text) { overlays.showDigitalTime(text); };
  setup.duties.scheduledRssReading = [this] {
    if (scheduled_) scheduled_->tick();
  };
  setup.duties.setClockOnTop = [this](bool onTop) { clockWindow_.setStayOnTop(onTop); };
  setup.duties.remindPlannerItems = [this](const TickSample& sample) {
    if (reminders_) reminders_->tick(sample);
  };
  setup.resetEffectPhase = [this] {
    if (animation_) animation_->resetEffectPhase();
  };
  setup.effectStep = [this](int minute) {
    if (animation_) animation_->onEffectTick(minute);
  };
  setup.launcher = std::move(hooks_.launcher);
  services_ = std::make_unique<TimeServices>(*context_, std::move(setup));
  bindTimeServices(panel, *services_);
  panel.addTimer(kFaceTimer, faceTimer_, [this] { onFaceTick(); });

  // The digit animations run on the panel's effect timer; "OFF" puts the digits back at once.
  std::unique_ptr<RandomSource> random = std::move(hooks_.random);
  if (!random) random = std::make_unique<SeededRandom>(s_.clock.tickCount());
  hooks_.random = std::move(random);
  animation_ =
      std::make_unique<DigitAnimation>(clockWindow_, settings_, s_.metrics, *hooks_.random, services_->effectTimer());
  panel.on(kHourEffectOffButton, E::Click, [this] { animation_->onEffectOff(); });

  // After every event the digital time shows the change at once (its format, colour, switch).
  panel_->addRefreshStep([this] { overlays_->refreshDigitalTime(s_.clock.now()); });

  SettingsLoadReport report = panel_->create();
  // The hands are on the face from the first moment, not only from the first tick.
  onFaceTick();
  return report;
}

void ProgramModel::bindOtherWindowsColours() {
  ComponentTable& panel = panel_->components();
  // The reminder popup, the ticker and the today's date page follow the clock's colours as the
  // panel keeps them (pure white already made near white).
  panel.on(kSecondsColourBox, E::Change, [this] {
    if (reminder_) reminder_->refreshColours();
    if (todaysDate_) todaysDate_->colourChanged(&Settings::secondsColour, settings_.secondsColour);
  });
  panel.on(kDigitColourBox, E::Change, [this] {
    if (reminder_) reminder_->refreshColours();
    if (ticker_) ticker_->digitColourChanged();
    if (todaysDate_) todaysDate_->colourChanged(&Settings::digitColour, settings_.digitColour);
  });
  panel.on(kHandColourBox, E::Change, [this] {
    if (reminder_) reminder_->refreshColours();
  });
  panel.on(kBackgroundColourBox, E::Change, [this] {
    if (reminder_) reminder_->refreshColours();
  });
  panel.on(kWeekdayColourBox, E::Change, [this] {
    if (todaysDate_) todaysDate_->colourChanged(&Settings::weekdayColour, settings_.weekdayColour);
  });
  panel.on(kDateColourBox, E::Change, [this] {
    if (todaysDate_) todaysDate_->colourChanged(&Settings::dateColour, settings_.dateColour);
  });
}

PlannerWindowModel& ProgramModel::createDailyPlanner() {
  planner_ = std::make_unique<PlannerWindowModel>(
      PlannerWindowServices{s_.registry, s_.codePage, s_.clock, s_.locale, s_.metrics, s_.messageBoxes});
  planner_->create();
  return *planner_;
}

ReminderPopupModel& ProgramModel::createReminderPopup() {
  ReminderPopupHooks hooks;
  hooks.setClockOnTop = [this] { clockWindow_.setStayOnTop(true); };
  hooks.untickClockOnTop = [this] {
    settings_.alwaysOnTop = false;
    if (panel_) panel_->showSettings();
  };
  reminder_ = std::make_unique<ReminderPopupModel>(
      ReminderPopupServices{settings_, s_.sound, s_.locale, s_.metrics, *planner_}, std::move(hooks));
  reminders_ = std::make_unique<PlannerReminders>(*planner_, *reminder_);
  stripeRecoloured();
  return *reminder_;
}

TickerWindowModel& ProgramModel::createTicker() {
  ComponentTable& panel = panel_->components();
  TickerHooks hooks;
  hooks.openItemPage = [this](int item) {
    if (pageView_) pageView_->openPage(item);
  };
  hooks.pageViewShowing = [this] { return pageView_ && pageView_->showing(); };
  ticker_ = std::make_unique<TickerWindowModel>(TickerServices{panel, settings_, s_.shell, s_.metrics, s_.sleeper},
                                                std::move(hooks));
  ticker_->create(store_, *channels_);
  reader_ = std::make_unique<FeedReader>(FeedReaderServices{panel, s_.feeds, s_.document, s_.messageBoxes, *ticker_,
                                                            [this] { return channels_->selectedAddress(); },
                                                            kControlPanelName});
  scheduled_ = std::make_unique<ScheduledReading>(settings_, *reader_);
  panel_->showSettings();
  stripeRecoloured();
  return *ticker_;
}

PageViewModel& ProgramModel::createPageView() {
  PageViewHooks hooks;
  hooks.closed = [this] {
    if (ticker_) ticker_->pageViewClosed();
  };
  pageView_ = std::make_unique<PageViewModel>(PageViewServices{settings_, *ticker_, *reader_, s_.shell, s_.files},
                                              std::move(hooks));
  stripeRecoloured();
  return *pageView_;
}

TodaysDateWindowModel& ProgramModel::createTodaysDate() {
  todaysDate_ = std::make_unique<TodaysDateWindowModel>(s_.clock, s_.locale, settings_, s_.shell.screenSize());
  stripeRecoloured();
  return *todaysDate_;
}

const Bitmap* ProgramModel::picture(std::wstring_view name) const {
  if (name != kDecorativeStripePicture || !face_) return nullptr;
  return face_->picture(ClockComponent::DecorativeStripe);
}

void ProgramModel::stripeRecoloured() {
  // The windows' stripe pictures name the stripe anew, so their views paint it again.
  const std::wstring named = std::wstring(kDecorativeStripePicture) + L"#" + std::to_wstring(++stripeRevision_);
  for (ComponentTable* table :
       {reminder_ ? &reminder_->components() : nullptr, ticker_ ? &ticker_->components() : nullptr,
        pageView_ ? &pageView_->components() : nullptr, todaysDate_ ? &todaysDate_->components() : nullptr}) {
    if (!table) continue;
    for (Component& c : table->all()) {
      const std::wstring_view shown = std::wstring_view(c.state.picture).substr(0, c.state.picture.find(L'#'));
      if (c.kind == ComponentKind::Picture && shown == kDecorativeStripePicture) c.state.picture = named;
    }
  }
}

void ProgramModel::onFaceTick() {
  if (!face_) return;
  const Point pointer = hooks_.pointerPosition ? hooks_.pointerPosition() : Point{-100000, -100000};
  const CivilTime now = s_.clock.now();
  face_->faceTick(now, pointer);
  clockWindow_.tellTimeInTrayTip(now, settings_.twelveHourFormat ? L"h:nn AM/PM" : L"hh:nn", s_.locale.names());
}

LayerSet ProgramModel::takeFaceRepaint() { return face_ ? face_->takeRepaint() : 0; }

}  // namespace tikora
