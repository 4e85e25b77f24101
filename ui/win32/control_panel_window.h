// The control panel window (TForm2), "Control Panel": the settings window and the owner of the
// program's timers, of the live settings and of the clock face. The window (fixed frame, client
// 731 x 499) is hidden until asked for; its creation loads the settings (or writes them on the
// first run), makes the header, the three pages and their controls bound to the settings,
// prepares the face and starts the two timers: Timer1, the face tick, and Timer2, the second
// tick. Closing it hides it and offers to save the settings.
#pragma once
#include <windows.h>

#include <memory>
#include <optional>

#include "app/clock_face.h"
#include "app/control_panel_model.h"
#include "app/settings.h"
#include "app/settings_store.h"
#include "app/startup.h"
#include "platform/clock.h"
#include "platform/resources.h"
#include "platform/text_metrics.h"
#include "platform/win32/win32_locale.h"
#include "platform/win32/win32_message_box.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_shell.h"
#include "ui/win32/control_panel_controls.h"
#include "ui/win32/program_windows.h"
#include "ui/win32/window_base.h"

namespace tikora {

class PanelTimeServices;

inline constexpr wchar_t kControlPanelClass[] = L"TForm2";
inline constexpr wchar_t kControlPanelCaption[] = L"Control Panel";
inline constexpr int kControlPanelClientWidth = 731;
inline constexpr int kControlPanelClientHeight = 499;
inline constexpr wchar_t kControlPanelTitle[] = L"Tikora ";
inline constexpr wchar_t kHomePageCaption[] = L"Home Page";
inline constexpr UINT kFaceTickInterval = 1000;    // Timer1, ms

struct ControlPanelWindowServices {
  const TextMetrics& metrics;
  const Resources& resources;
  const Clock& clock;
};

class ControlPanelWindow : public WindowBase<ControlPanelWindow> {
 public:
  ControlPanelWindow(HINSTANCE instance, ProgramWindows& program, ControlPanelWindowServices services,
                     ClockStartPictures clockPictures);
  ~ControlPanelWindow();

  // The window, hidden; then the clock window placed, the face composed and the timers started.
  bool create();
  // Shows the window non-modally and brings it up.
  void show();
  // Reads the RSS ticker's stored settings into their controls (the ticker window's creation).
  void loadTickerSettings();

  // The face, once composed.
  const ClockFace* face() const { return face_ ? &*face_ : nullptr; }
  ClockFace* face() { return face_ ? &*face_ : nullptr; }

  // The live settings, as the controls show them.
  const Settings& settings() const { return settings_; }

  LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  void createHeader();
  void createPages();
  void paintBanner();
  // Every control shows the live settings and the state the actions gave it.
  void showControls();
  void showTransparencyValue();
  void showHomePageLink();
  static LRESULT CALLBACK homePageProcedure(HWND link, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                            DWORD_PTR self);
  // The screen miniature's marker and the two percentages.
  void showPosition();
  // "AM/PM OFF" shown and the month name buttons enabled as the text switches say.
  void showTextSwitches();
  void settingChanged(const SettingSpec& setting);
  void controlClicked(std::wstring_view component);
  void startWithSystemClick();
  // The change actions of the face font lists and the label colour boxes.
  void listOrColourChange(const SettingSpec& setting);
  void closeAndOfferSave();
  void Timer1Timer();

  HINSTANCE instance_;
  ProgramWindows& program_;
  ControlPanelWindowServices services_;
  ClockStartPictures clockPictures_;  // handed to the face at creation
  Win32Registry registry_;
  Win32MessageBox messageBoxes_;
  std::unique_ptr<SettingsStore> store_;
  Settings settings_;
  HFONT font_ = nullptr;       // Arial 8 pt, every control's
  HFONT titleFont_ = nullptr;  // the title label's
  HFONT linkFont_ = nullptr;   // the link's
  HFONT hoverFont_ = nullptr;  // the link's while the pointer is over it, underlined
  HBITMAP banner_ = nullptr;
  HWND title_ = nullptr;
  HWND homePage_ = nullptr;
  HWND tabs_ = nullptr;
  std::unique_ptr<ControlPanelControls> controls_;
  std::optional<ClockFace> face_;
  Win32Shell shell_;
  Win32Locale locale_;
  std::unique_ptr<ClockWindowActions> clockActions_;
  std::unique_ptr<TextOverlays> overlays_;
  std::unique_ptr<PanelTimeServices> timeServices_;
  std::unique_ptr<ControlPanelModel> model_;
};

}  // namespace tikora
