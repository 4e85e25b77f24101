// The control panel window (TForm2), "Control Panel": the settings window and the owner of the
// program's timers and of the clock face. So far it is the window itself (fixed frame, client
// 731 x 499), hidden until asked for, with the face it prepares at creation and the two timers
// that run from then on: Timer1, the face tick, and Timer2, the second tick.
#pragma once
#include <windows.h>

#include <optional>

#include "app/clock_face.h"
#include "app/startup.h"
#include "platform/clock.h"
#include "platform/resources.h"
#include "platform/text_metrics.h"
#include "ui/win32/program_windows.h"
#include "ui/win32/window_base.h"

namespace tikora {

inline constexpr wchar_t kControlPanelClass[] = L"TForm2";
inline constexpr wchar_t kControlPanelCaption[] = L"Control Panel";
inline constexpr int kControlPanelClientWidth = 731;
inline constexpr int kControlPanelClientHeight = 499;
inline constexpr UINT kFaceTickInterval = 1000;    // Timer1, ms
inline constexpr UINT kSecondTickInterval = 1000;  // Timer2, ms
// Where the clock starts unless a start-up position is set: this far in from the screen's
// right edge and from its top.
inline constexpr int kClockEdgeGap = 30;

struct ControlPanelServices {
  const TextMetrics& metrics;
  const Resources& resources;
  const Clock& clock;
};

class ControlPanelWindow : public WindowBase<ControlPanelWindow> {
 public:
  ControlPanelWindow(HINSTANCE instance, ProgramWindows& program, ControlPanelServices services,
                     ClockStartPictures clockPictures);
  ~ControlPanelWindow() { destroy(); }

  // The window, hidden; then the clock window placed, the face composed and the timers started.
  bool create();
  // Shows the window non-modally and brings it up.
  void show();

  // The face, once composed.
  const ClockFace* face() const { return face_ ? &*face_ : nullptr; }
  ClockFace* face() { return face_ ? &*face_ : nullptr; }

  LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  void placeClockWindow();
  void Timer1Timer();
  void Timer2Timer();

  HINSTANCE instance_;
  ProgramWindows& program_;
  ControlPanelServices services_;
  ClockStartPictures clockPictures_;  // handed to the face at creation
  ClockFaceSettings faceSettings_;
  bool stayOnTop_ = false;  // st_to "Set Clock Window on Top"
  std::optional<ClockFace> face_;
};

}  // namespace tikora
