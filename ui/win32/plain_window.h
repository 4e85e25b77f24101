// The windows that, so far, are only their frame: the daily planner (TForm3), the reminder
// popup (TForm4), the RSS ticker (TForm5), the RSS page view (TForm6) and the today's date
// page (TForm7). Each is created hidden with its class and caption, shows and hides on request,
// and hides instead of closing.
#pragma once
#include <windows.h>

#include "ui/win32/window_base.h"

namespace tikora {

struct PlainWindowLayout {
  const wchar_t* className;
  const wchar_t* caption;
  DWORD style;
  DWORD exStyle;
  int clientWidth;
  int clientHeight;
};

// The five windows' frames, in creation order.
extern const PlainWindowLayout kDailyPlannerWindow;
extern const PlainWindowLayout kReminderPopupWindow;
extern const PlainWindowLayout kRssTickerWindow;
extern const PlainWindowLayout kRssPageViewWindow;
extern const PlainWindowLayout kTodaysDateWindow;

class PlainWindow : public WindowBase<PlainWindow> {
 public:
  explicit PlainWindow(const PlainWindowLayout& layout) : layout_(layout) {}
  ~PlainWindow() { destroy(); }

  // Created hidden, centred on the work area.
  bool create(HINSTANCE instance);
  void show();
  // Shown and kept above other windows.
  void showOnTop();

  LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  const PlainWindowLayout& layout_;
};

}  // namespace tikora
