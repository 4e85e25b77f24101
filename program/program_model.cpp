// The program's windows wired together; see program_model.h.
#include "program/program_model.h"

#include <utility>

#include "app/face_bindings.h"
#include "timeservices/panel_bindings.h"

namespace tikora {

ProgramModel::ProgramModel(ProgramServices services, ProgramHooks hooks)
    : s_(std::move(services)), hooks_(std::move(hooks)), store_(s_.registry, s_.programPath) {}

ProgramModel::~ProgramModel() = default;

SettingsLoadReport ProgramModel::createControlPanel(ClockStartPictures pictures) {
  overlays_ = std::make_unique<TextOverlays>(clockWindow_, settings_, s_.metrics, s_.locale);

  ControlPanelHooks hooks;
  // The frame colour is the first step of the face; the face is composed there in one go (frame
  // colour, face disk, seconds marks, digit colours and the second hand table).
  hooks.recolourFrame = [this, pictures = std::make_shared<ClockStartPictures>(std::move(pictures))]() mutable {
    face_.emplace(clockWindow_, s_.metrics, s_.resources, std::move(*pictures),
                  ClockFaceHooks{hooks_.pumpMessages, {}});
    face_->composeAtStartUp(faceSettingsOf(settings_));
  };
  hooks.settingsLoaded = [this] { showExactTimeChoices(panel_->components(), settings_); };
  hooks.closeReminderPopupIfShowing = [this] {
    if (hooks_.closeReminderPopupIfShowing) hooks_.closeReminderPopupIfShowing();
  };
  hooks.showDailyPlanner = [this] {
    if (hooks_.showDailyPlanner) hooks_.showDailyPlanner();
  };
  panel_ = std::make_unique<ControlPanelModel>(
      ControlPanelServices{settings_, store_, s_.shell, s_.metrics, s_.clock, s_.messageBoxes, *overlays_,
                           clockWindow_},
      std::move(hooks));
  ComponentTable& panel = panel_->components();

  // The face's handlers after the panel's own and the overlays'.
  bindFace(panel, settings_, [this] { return face(); });

  // The time services', with their controls' first states and the panel's timers.
  setFirstTimeServiceStates(panel);
  context_ = std::make_unique<TimeServicesContext>(TimeServicesContext{
      settings_, panel, clockWindow_, s_.metrics, s_.clock, s_.locale, s_.sound, s_.power, s_.messageBoxes, &panel_->nativeWindow});
  TimeServicesSetup setup;
  TextOverlays& overlays = *overlays_;
  setup.duties.digitalTimeText = [&overlays](const CivilTime& now) { return overlays.digitalTimeText(now); };
  setup.duties.dateChanged = [&overlays](const DateTexts& today) { overlays.showDateTexts(today); };
  setup.duties.showDigitalTime = [&overlays](const std::wstring& text) { overlays.showDigitalTime(text); };
  setup.duties.setClockOnTop = [this](bool onTop) { clockWindow_.setStayOnTop(onTop); };
  setup.launcher = std::move(hooks_.launcher);
  services_ = std::make_unique<TimeServices>(*context_, std::move(setup));
  bindTimeServices(panel, *services_);
  panel.addTimer(L"Timer1", timer1_, [this] { Timer1Timer(); });

  // After every event the digital time shows the change at once (its format, colour, switch).
  panel_->addAfterEvent([this] { overlays_->refreshDigitalTime(s_.clock.now()); });

  SettingsLoadReport report = panel_->FormCreate();
  // The hands are on the face from the first moment, not only from the first tick.
  Timer1Timer();
  return report;
}

void ProgramModel::Timer1Timer() {
  if (!face_) return;
  const Point pointer = hooks_.pointerPosition ? hooks_.pointerPosition() : Point{-100000, -100000};
  face_->faceTick(s_.clock.now(), pointer);
}

bool ProgramModel::takeFaceRepaint() { return face_ && face_->takeRepaint(); }

}  // namespace tikora
