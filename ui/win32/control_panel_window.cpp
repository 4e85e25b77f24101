// The control panel window; see control_panel_window.h.
#include "ui/win32/control_panel_window.h"

#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>
#include <array>
#include <climits>
#include <utility>

#include "app/save_prompt.h"
#include "ui/win32/control_panel_face_bindings.h"
#include "ui/win32/control_panel_layout.h"
#include "ui/win32/control_panel_time_services.h"
#include "ui/win32/plain_window.h"

#include "ui/win32/clock_window.h"
#include "ui/win32/message_pump.h"
#include "ui/win32/ui_ids.h"

namespace tikora {
namespace {

constexpr DWORD kFrameStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
// Where the pointer is taken to be when the system cannot say: far from the clock.
constexpr Point kNoPointer{INT_MIN / 2, INT_MIN / 2};
// The header: the banner between two thin bars, the title on it and the link at its right.
constexpr RECT kBanner{1, 4, 1 + 729, 4 + 34};
constexpr RECT kTabs{2, 42, 2 + 727, 42 + 455};
constexpr UINT kTabsId = 900, kHomePageId = 901;
// Where the screen miniature stands in its group; the marker's places are told the same way.
constexpr Point kMiniaturePlace{16, 20};

std::wstring programPath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) return path.substr(0, length);
    path.resize(path.size() * 2);
  }
}

HFONT makeFont(const wchar_t* face, int height, int weight, bool italic, bool underline) {
  LOGFONTW font{};
  font.lfHeight = height;
  font.lfWeight = weight;
  font.lfItalic = italic;
  font.lfUnderline = underline;
  font.lfCharSet = DEFAULT_CHARSET;
  font.lfQuality = DEFAULT_QUALITY;
  lstrcpynW(font.lfFaceName, face, LF_FACESIZE);
  return CreateFontIndirectW(&font);
}

// The clock window as the panel moves it and makes it see-through.
class ClockWindowLink : public ClockWindowActions {
 public:
  explicit ClockWindowLink(ProgramWindows& program) : program_(program) {}
  void moveClockWindow(int left, int top) override {
    if (program_.clock) program_.clock->placeAt(left, top);
  }
  void setClockAlphaBlend(bool enabled) override {
    enabled_ = enabled;
    apply();
  }
  void setClockAlphaBlendValue(int alpha) override {
    alpha_ = alpha;
    apply();
  }

 private:
  void apply() {
    if (program_.clock) program_.clock->setAlphaBlend(enabled_, alpha_);
  }
  ProgramWindows& program_;
  bool enabled_ = false;
  int alpha_ = 255;
};

}  // namespace

ControlPanelWindow::ControlPanelWindow(HINSTANCE instance, ProgramWindows& program,
                                       ControlPanelWindowServices services, ClockStartPictures clockPictures)
    : instance_(instance), program_(program), services_(services), clockPictures_(std::move(clockPictures)) {}

ControlPanelWindow::~ControlPanelWindow() {
  destroy();
  model_.reset();
  timeServices_.reset();
  controls_.reset();
  for (HGDIOBJ object : {static_cast<HGDIOBJ>(font_), static_cast<HGDIOBJ>(titleFont_),
                         static_cast<HGDIOBJ>(linkFont_), static_cast<HGDIOBJ>(hoverFont_),
                         static_cast<HGDIOBJ>(banner_)})
    if (object) DeleteObject(object);
}

bool ControlPanelWindow::create() {
  const WindowClassInfo windowClass{kControlPanelClass, GetSysColorBrush(COLOR_BTNFACE),
                                    LoadIconW(instance_, L"MAINICON"), 0};
  if (!registerClass(instance_, windowClass)) return false;
  RECT frame{0, 0, kControlPanelClientWidth, kControlPanelClientHeight};
  AdjustWindowRectEx(&frame, kFrameStyle, FALSE, 0);
  const int width = frame.right - frame.left, height = frame.bottom - frame.top;
  // Centred on the desktop, where it appears when first shown.
  RECT work{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  const int left = work.left + (work.right - work.left - width) / 2;
  const int top = work.top + (work.bottom - work.top - height) / 2;
  if (!createWindow(instance_, WS_EX_CONTROLPARENT, kControlPanelClass, kControlPanelCaption, kFrameStyle, left, top, width,
                    height))
    return false;

  // The controls first, in their first states; loading the settings then changes them as a user
  // would, running their actions.
  store_ = std::make_unique<SettingsStore>(registry_, programPath());
  createHeader();
  createPages();

  ClockWindow& clock = *program_.clock;
  clockActions_ = std::make_unique<ClockWindowLink>(program_);
  overlays_ = std::make_unique<TextOverlays>(clock.model(), settings_, services_.metrics, locale_);
  timeServices_ = std::make_unique<PanelTimeServices>(PanelTimeServicesParts{
      hwnd(), settings_, *controls_, clock.model(), *overlays_, services_.metrics, services_.clock, locale_,
      [this](bool onTop) {
        if (program_.clock) program_.clock->setStayOnTop(onTop);
      }});

  ControlPanelHooks hooks;
  hooks.layoutTimeDisplays = [this] { timeServices_->layoutDisplays(); };
  // Frame colour, face disk, seconds marks, digits and the second hand table, in that order.
  hooks.recolourFrame = [this] {
    face_.emplace(program_.clock->model(), services_.metrics, services_.resources, std::move(clockPictures_),
                  ClockFaceHooks{&pumpWaitingMessages, {}});
    face_->composeAtStartUp(faceSettingsOf(settings_));
  };
  hooks.otherSettingEvent = [this](const SettingEvent& event) {
    timeServices_->settingLoaded(event.setting->name);
  };
  hooks.closeReminderPopupIfShowing = [this] {
    if (program_.reminderPopup && IsWindowVisible(program_.reminderPopup->hwnd()))
      SendMessageW(program_.reminderPopup->hwnd(), WM_CLOSE, 0, 0);
  };
  hooks.showDailyPlanner = [this] {
    if (program_.dailyPlanner) program_.dailyPlanner->show();
  };
  model_ = std::make_unique<ControlPanelModel>(
      ControlPanelServices{settings_, *store_, shell_, services_.metrics, services_.clock, *overlays_,
                           *clockActions_},
      std::move(hooks));
  model_->FormCreate();

  timeServices_->settingsLoaded();
  showControls();  // what was loaded
  overlays_->refreshDigitalTime(services_.clock.now());
  if (face_) face_->takeRepaint();
  clock.faceUpdated(true);

  // The hands are on the face from the first moment, not only from the first tick.
  Timer1Timer();
  SetTimer(hwnd(), toTimer(TimerId::Timer1), kFaceTickInterval, nullptr);
  timeServices_->start();
  return true;
}

void ControlPanelWindow::createHeader() {
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  font_ = makeFont(L"Arial", -MulDiv(8, dpi, 72), FW_NORMAL, false, false);
  titleFont_ = makeFont(L"Times New Roman", -27, FW_BOLD, true, false);
  linkFont_ = makeFont(L"Arial", -MulDiv(8, dpi, 72), FW_BOLD, false, false);
  hoverFont_ = makeFont(L"Arial", -MulDiv(8, dpi, 72), FW_BOLD, false, true);
  banner_ = static_cast<HBITMAP>(LoadImageW(instance_, L"banner", IMAGE_BITMAP, 0, 0, 0));

  title_ = CreateWindowExW(0, L"STATIC", kControlPanelTitle, WS_CHILD | WS_VISIBLE | SS_LEFT, 12, 5, 140, 32,
                           hwnd(), nullptr, instance_, nullptr);
  SendMessageW(title_, WM_SETFONT, reinterpret_cast<WPARAM>(titleFont_), FALSE);
  homePage_ = CreateWindowExW(0, L"STATIC", kHomePageCaption, WS_CHILD | WS_VISIBLE | SS_RIGHT | SS_NOTIFY,
                              kBanner.right - 110, 14, 100, 16, hwnd(),
                              reinterpret_cast<HMENU>(static_cast<UINT_PTR>(kHomePageId)), instance_, nullptr);
  SendMessageW(homePage_, WM_SETFONT, reinterpret_cast<WPARAM>(linkFont_), FALSE);
  SetWindowSubclass(homePage_, &homePageProcedure, 1, reinterpret_cast<DWORD_PTR>(this));
}

void ControlPanelWindow::createPages() {
  tabs_ = CreateWindowExW(0, WC_TABCONTROLW, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP,
                          kTabs.left, kTabs.top, kTabs.right - kTabs.left, kTabs.bottom - kTabs.top, hwnd(),
                          reinterpret_cast<HMENU>(static_cast<UINT_PTR>(kTabsId)), instance_, nullptr);
  SendMessageW(tabs_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  const std::array<PanelPage, 3> pages{mainSettingsPage(), clockColourPage(), rssReaderPage()};
  for (std::size_t i = 0; i < pages.size(); ++i) {
    std::wstring caption(pages[i].caption);
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = caption.data();
    SendMessageW(tabs_, TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
  }
  controls_ = std::make_unique<ControlPanelControls>(
      settings_, PanelControlsServices{instance_, hwnd(), font_, services_.metrics.installedFontNames()});
  RECT area{0, 0, kTabs.right - kTabs.left, kTabs.bottom - kTabs.top};
  SendMessageW(tabs_, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
  OffsetRect(&area, kTabs.left, kTabs.top);
  controls_->create(pages, area);
  controls_->onChanged = [this](const SettingSpec& setting) { settingChanged(setting); };
  controls_->onClicked = [this](std::wstring_view component) { controlClicked(component); };
  controls_->onTyped = [this](std::wstring_view component, const std::wstring& text) {
    if (timeServices_) timeServices_->typed(component, text);
  };
  controls_->onMouseDown = [this](std::wstring_view component) {
    if (timeServices_) timeServices_->mouseDown(component);
  };
  // The pages lie over the tab control.
  SetWindowPos(tabs_, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void ControlPanelWindow::settingChanged(const SettingSpec& setting) {
  if (!model_ || !program_.clock) return;
  // A click or a scroll runs the same action as when the settings load changes the control;
  // lists, colours and the edits have their change actions here.
  if (setting.name == L"ses_st") {
    startWithSystemClick();
  } else {
    model_->dispatchSettingEvent(SettingEvent{&setting});
  }
  listOrColourChange(setting);
  if (face_ && applyFaceChange(*face_, settings_, setting)) face_->takeRepaint();
  timeServices_->settingChanged(setting.name);
  overlays_->refreshDigitalTime(services_.clock.now());

  showControls();  // also a colour adjusted to near white, a position kept in range
  program_.clock->faceUpdated(true);
}

void ControlPanelWindow::showControls() {
  controls_->refreshAll();
  showTransparencyValue();
  showPosition();
  showTextSwitches();
  timeServices_->show();
}

void ControlPanelWindow::controlClicked(std::wstring_view component) {
  if (component == L"CheckBox7") {
    model_->setCheckBox7Checked(controls_->checked(component));
    model_->CheckBox7Click();
  } else if (component == L"Button1") {
    model_->Button1Click();
  } else if (timeServices_ && timeServices_->clicked(component) && program_.clock) {
    program_.clock->faceUpdated(true);
  }
}

void ControlPanelWindow::showPosition() {
  if (!model_) return;
  controls_->setText(L"Label13", model_->Label13().text);
  controls_->setText(L"Label14", model_->Label14().text);
  // The marker's place is told inside the group, where the miniature stands at (16, 20).
  HWND miniature = controls_->find(L"Image1");
  HWND marker = controls_->find(L"Image2");
  if (!miniature || !marker) return;
  RECT place{};
  GetWindowRect(miniature, &place);
  MapWindowPoints(nullptr, GetParent(marker), reinterpret_cast<POINT*>(&place), 2);
  const Point at = model_->Image2Position();
  SetWindowPos(marker, HWND_TOP, place.left + at.x - kMiniaturePlace.x, place.top + at.y - kMiniaturePlace.y, 0, 0,
               SWP_NOSIZE | SWP_NOACTIVATE);
}

void ControlPanelWindow::showTextSwitches() {
  if (!overlays_) return;
  // "AM/PM OFF" shows in the 12 h format only; the month names need "Short Date".
  controls_->setVisible(L"CheckBox28", overlays_->amPmOffVisible());
  controls_->setEnabled(L"RadioButton57", overlays_->monthNameButtonsEnabled());
  controls_->setEnabled(L"RadioButton58", overlays_->monthNameButtonsEnabled());
}

LRESULT CALLBACK ControlPanelWindow::homePageProcedure(HWND link, UINT message, WPARAM wParam, LPARAM lParam,
                                                      UINT_PTR, DWORD_PTR self) {
  auto& panel = *reinterpret_cast<ControlPanelWindow*>(self);
  switch (message) {
    case WM_MOUSEMOVE:
      if (panel.model_ && !panel.model_->homePageUnderlined()) {
        TRACKMOUSEEVENT leave{sizeof leave, TME_LEAVE, link, 0};
        TrackMouseEvent(&leave);
        panel.model_->HomePageMouseEnter();
        panel.showHomePageLink();
      }
      break;
    case WM_MOUSELEAVE:
      if (panel.model_) {
        panel.model_->HomePageMouseLeave();
        panel.showHomePageLink();
      }
      break;
    case WM_SETCURSOR:
      if (panel.model_ && panel.model_->homePagePointer() == PointerShape::Hand) {
        SetCursor(LoadCursorW(nullptr, IDC_HAND));
        return TRUE;
      }
      break;
    case WM_NCDESTROY:
      RemoveWindowSubclass(link, &homePageProcedure, 1);
      break;
  }
  return DefSubclassProc(link, message, wParam, lParam);
}

void ControlPanelWindow::showHomePageLink() {
  // Underlined while the pointer is over it.
  HFONT font = model_ && model_->homePageUnderlined() ? hoverFont_ : linkFont_;
  SendMessageW(homePage_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  // The banner under the link is painted again with it.
  RECT place{};
  GetWindowRect(homePage_, &place);
  MapWindowPoints(nullptr, hwnd(), reinterpret_cast<POINT*>(&place), 2);
  InvalidateRect(hwnd(), &place, TRUE);
  InvalidateRect(homePage_, nullptr, TRUE);
}

void ControlPanelWindow::showTransparencyValue() {
  // The value is shown while "Set Transparency" is ticked.
  if (!controls_ || !model_) return;
  controls_->setText(L"Label23", model_->Label23().text);
  controls_->setVisible(L"Label23", model_->Label23().visible);
  controls_->setEnabled(L"ScrollBar3", model_->ScrollBar3().enabled);
}

void ControlPanelWindow::listOrColourChange(const SettingSpec& setting) {
  const std::wstring_view name = setting.name;
  if (name == L"com_fo") overlays_->ComboBox5Change();
  if (name == L"com_si") overlays_->ComboBox6Change();
  if (name == L"com_st") overlays_->ComboBox7Change();
  if (name == L"col_dw") overlays_->ColorBox4Change();
  if (name == L"col_dy") overlays_->ColorBox5Change();
  if (name == L"col_ti") overlays_->ColorBox6Change();
  if (name == L"col_tt") overlays_->ColorBox10Change();
  if (name == L"col_tw") overlays_->ColorBox12Change();
  if (name == L"col_ft") overlays_->ColorBox14Change();
}

void ControlPanelWindow::startWithSystemClick() {
  const StartWithSystemReport report = model_->CheckBox30Click();
  if (report.runKeyOpened && report.runValue.ok()) return;
  MessageBoxW(hwnd(), L"Tikora could not change its entry in the programs that start with Windows.",
              kControlPanelCaption, MB_OK | MB_ICONWARNING);
}

void ControlPanelWindow::paintBanner() {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(hwnd(), &paint);
  if (banner_) {
    BITMAP info{};
    GetObjectW(banner_, sizeof info, &info);
    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(memory, banner_);
    SetStretchBltMode(dc, COLORONCOLOR);
    StretchBlt(dc, kBanner.left, kBanner.top, kBanner.right - kBanner.left, kBanner.bottom - kBanner.top, memory,
               0, 0, info.bmWidth, info.bmHeight, SRCCOPY);
    SelectObject(memory, old);
    DeleteDC(memory);
  }
  EndPaint(hwnd(), &paint);
}

void ControlPanelWindow::closeAndOfferSave() {
  ShowWindow(hwnd(), SW_HIDE);
  if (!store_) return;
  SavePromptOptions options;
  options.applicationTitle = L"Tikora";
  options.owner = reinterpret_cast<std::uintptr_t>(hwnd());
  runSavePrompt(*store_, settings_, messageBoxes_, options);
}

void ControlPanelWindow::loadTickerSettings() {
  if (!store_ || !controls_) return;
  store_->loadTickerGroup(settings_);
  controls_->refreshAll();
}

void ControlPanelWindow::show() {
  ShowWindow(hwnd(), IsIconic(hwnd()) ? SW_RESTORE : SW_SHOW);
  SetForegroundWindow(hwnd());
}

void ControlPanelWindow::Timer1Timer() {
  if (!face_ || !program_.clock) return;
  POINT pointer{};
  const Point at = GetCursorPos(&pointer) ? Point{pointer.x, pointer.y} : kNoPointer;
  face_->faceTick(services_.clock.now(), at);
  program_.clock->faceUpdated(face_->takeRepaint());
}

LRESULT ControlPanelWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_TIMER:
      if (static_cast<TimerId>(wParam) == TimerId::Timer1) {
        Timer1Timer();
      } else if (timeServices_ && timeServices_->timer(wParam) && program_.clock) {
        // The digital time and the information lines change with the ticks.
        program_.clock->faceUpdated(true);
      }
      return 0;
    case WM_CLOSE:
      // Closing only hides the panel and offers to save; the program goes on.
      closeAndOfferSave();
      return 0;
    case WM_PAINT:
      paintBanner();
      return 0;
    case WM_CTLCOLORSTATIC: {
      HDC dc = reinterpret_cast<HDC>(wParam);
      const auto control = reinterpret_cast<HWND>(lParam);
      if (controls_) {
        const std::wstring_view component = controls_->componentOf(control);
        if (component == L"Label16" || component == L"Label19") {
          // Times on the dark displays.
          SetBkColor(dc, RGB(0, 0, 0));
          SetTextColor(dc, RGB(0, 255, 0));
          return reinterpret_cast<LRESULT>(GetStockObject(BLACK_BRUSH));
        }
        if (const auto colour = controls_->textColourOf(control)) {
          SetBkMode(dc, TRANSPARENT);
          SetTextColor(dc, *colour);
          return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
        }
      }
      if (control == title_ || control == homePage_) {
        // The title and the link lie on the banner.
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, control == title_ ? RGB(0, 0, 255) : RGB(255, 255, 255));
        return reinterpret_cast<LRESULT>(GetStockObject(HOLLOW_BRUSH));
      }
      break;
    }
    case WM_COMMAND:
      if (reinterpret_cast<HWND>(lParam) == homePage_ && HIWORD(wParam) == STN_CLICKED) {
        if (model_ && !model_->HomePageClick().ok())
          MessageBoxW(hwnd(), L"The home page could not be opened in the web browser.", kControlPanelCaption,
                      MB_OK | MB_ICONWARNING);
        return 0;
      }
      if (controls_ && controls_->command(wParam, lParam)) return 0;
      break;
    case WM_HSCROLL:
      if (controls_ && controls_->scroll(reinterpret_cast<HWND>(lParam), wParam)) return 0;
      break;
    case WM_VSCROLL:
      // The minutes' up-down arrows.
      if (controls_ && controls_->upDownScrolled(reinterpret_cast<HWND>(lParam))) {
        if (timeServices_) timeServices_->upDownClicked();
        return 0;
      }
      break;
    case WM_NOTIFY: {
      const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
      if (header.hwndFrom == tabs_ && header.code == TCN_SELCHANGE) {
        if (controls_) controls_->showPage(static_cast<std::size_t>(SendMessageW(tabs_, TCM_GETCURSEL, 0, 0)));
        return 0;
      }
      if (controls_ && controls_->notify(header)) return 0;
      break;
    }
    case WM_MEASUREITEM:
      if (controls_ && controls_->measureItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam))) return TRUE;
      break;
    case WM_DRAWITEM:
      if (controls_ && controls_->drawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))) return TRUE;
      break;
  }
  return defaultProcedure(message, wParam, lParam);
}

}  // namespace tikora
