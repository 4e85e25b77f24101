// The control panel's model: creation in its fixed order, the start-up position group on a
// 1280 x 1024 screen (ranges 0..1040 and 0..784) with halves rounded to even, small screens,
// transparency, start with Windows, the planner button, the home page link, and the actions
// the settings load sets off, in load order.
#include "app/control_panel_model.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "app/clock_window_model.h"
#include "platform/fake/fake_clock.h"
#include "platform/fake/fake_locale.h"
#include "platform/fake/fake_registry.h"
#include "platform/fake/fake_shell.h"
#include "platform/fake/fake_text_metrics.h"

namespace tikora {

// Readable failures; file-local, found by argument-dependent lookup.
[[maybe_unused]] static void PrintTo(const Rect& b, std::ostream* os) {
  *os << "{" << b.left << ", " << b.top << ", " << b.width << ", " << b.height << "}";
}
[[maybe_unused]] static void PrintTo(const Point& p, std::ostream* os) {
  *os << "(" << p.x << ", " << p.y << ")";
}

namespace {

const std::wstring kKey = L"Tikora";
const std::wstring kRun = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
const std::wstring kProgram = L"C:\\Program Files\\Tikora\\Tikora.exe";

// Writes what it is asked to do to the clock window into a shared trace.
class RecordingClockWindow : public ClockWindowActions {
 public:
  explicit RecordingClockWindow(std::vector<std::wstring>& trace) : trace_(trace) {}
  void moveClockWindow(int left, int top) override {
    trace_.push_back(L"move " + std::to_wstring(left) + L"," + std::to_wstring(top));
  }
  void setClockAlphaBlend(bool enabled) override {
    trace_.push_back(enabled ? L"alpha on" : L"alpha off");
  }
  void setClockAlphaBlendValue(int alpha) override {
    trace_.push_back(L"alpha " + std::to_wstring(alpha));
  }

 private:
  std::vector<std::wstring>& trace_;
};

class ControlPanelModelTest : public ::testing::Test {
 protected:
  ControlPanelModelTest() {
    shell.screen = {1280, 1024};
    clock.setLocalTime(2000, 1, 3, 8, 30, 0);  // Monday
  }

  std::function<void()> note(const wchar_t* what) {
    return [this, what] { trace.emplace_back(what); };
  }

  ControlPanelHooks recordingHooks() {
    ControlPanelHooks h;
    h.layoutTimeDisplays = note(L"layout");
    h.loadChannelList = [this] {
      trace.push_back(L"channels, range " + std::to_wstring(panel->ScrollBar1().maximum) + L"/" +
                      std::to_wstring(panel->ScrollBar2().maximum));
    };
    h.recolourFrame = note(L"recolour");
    h.paintFaceBackground = note(L"paint");
    h.drawSecondsMarks = note(L"seconds marks");
    h.applyDigitColourAndVisibility = note(L"digits");
    h.buildSecondHandTable = note(L"second hand table");
    h.secondHandOffClick = note(L"CheckBox5");
    h.laserOffClick = note(L"CheckBox6");
    h.secondsOffClick = note(L"CheckBox22");
    h.digitsOffClick = note(L"CheckBox23");
    h.allHandsOffClick = note(L"CheckBox24");
    h.secondsStyleClick = [this](std::wstring_view name) {
      trace.push_back(L"seconds style " + std::wstring(name));
    };
    h.otherSettingEvent = [this](const SettingEvent& e) {
      trace.push_back(L"other " + std::wstring(e.setting->name));
    };
    h.closeReminderPopupIfShowing = note(L"close reminder");
    h.showDailyPlanner = note(L"show planner");
    return h;
  }

  void makePanel(ControlPanelHooks hooks = {}) {
    panel = std::make_unique<ControlPanelModel>(
        ControlPanelServices{settings, store, shell, metrics, clock, overlays, window},
        std::move(hooks));
  }

  // The key as a first run leaves it, then the given values changed.
  void storeSettings(const std::vector<std::pair<std::wstring, std::uint32_t>>& dwords) {
    Settings defaults;
    ASSERT_TRUE(SettingsStore(reg, kProgram).firstRunWrite(defaults).ok());
    for (const auto& [name, value] : dwords) reg.setDword(kKey, name, value);
    reg.clearChanges();
  }

  std::vector<std::wstring> trace;
  FakeRegistry reg;
  SettingsStore store{reg, kProgram};
  Settings settings;
  FakeShell shell;
  FakeTextMetrics metrics;
  FakeClock clock;
  FakeLocale locale;
  ClockWindowModel clockModel;
  TextOverlays overlays{clockModel, settings, metrics, locale};
  RecordingClockWindow window{trace};
  std::unique_ptr<ControlPanelModel> panel;
};

// ---- Start-up position ----

TEST(PositionArithmetic, MarkerAndPercentRoundHalvesToEven) {
  // 1280 wide: range 1040, marker step nearest(1040 / 20) = 52.
  EXPECT_EQ(markerOffset(26, 1040, 20), 0);    // 0.5
  EXPECT_EQ(markerOffset(78, 1040, 20), 2);    // 1.5
  EXPECT_EQ(markerOffset(130, 1040, 20), 2);   // 2.5
  EXPECT_EQ(markerOffset(1040, 1040, 20), 20);
  EXPECT_EQ(positionPercent(26, 1040), 2);     // 2.5
  EXPECT_EQ(positionPercent(78, 1040), 8);     // 7.5
  EXPECT_EQ(positionPercent(130, 1040), 12);   // 12.5
  EXPECT_EQ(positionPercent(1040, 1040), 100);
  // 1024 high: range 784, marker step nearest(784 / 14) = 56.
  EXPECT_EQ(markerOffset(28, 784, 14), 0);     // 0.5
  EXPECT_EQ(markerOffset(84, 784, 14), 2);     // 1.5
  EXPECT_EQ(markerOffset(784, 784, 14), 14);
  EXPECT_EQ(positionPercent(98, 784), 12);     // 12.5
  EXPECT_EQ(positionPercent(294, 784), 38);    // 37.5
  // 1024 x 768: steps nearest(39.2) = 39 and nearest(37.71...) = 38.
  EXPECT_EQ(markerOffset(78, 784, 20), 2);
  EXPECT_EQ(markerOffset(57, 528, 14), 2);     // 57 / 38 = 1.5
}

TEST(PositionArithmetic, TinyAndEmptyRangesDivideByNothing) {
  EXPECT_EQ(markerOffset(0, 0, 20), 0);
  EXPECT_EQ(positionPercent(0, 0), 0);
  EXPECT_EQ(markerOffset(5, -40, 20), 0);
  EXPECT_EQ(positionPercent(5, -40), 0);
  // A range of 10 or less has a marker step of 0; the marker then moves a pixel at a time.
  EXPECT_EQ(markerOffset(5, 5, 20), 5);
  EXPECT_EQ(markerOffset(7, 7, 14), 7);
  EXPECT_EQ(positionPercent(3, 5), 60);
}

TEST_F(ControlPanelModelTest, HorizontalScrollBarMovesMarkerAndPercentage) {
  makePanel();
  struct Case { int position; int markerLeft; const wchar_t* percent; };
  for (const Case c : {Case{0, 20, L"0"}, Case{26, 20, L"2"}, Case{78, 22, L"8"},
                       Case{130, 22, L"12"}, Case{520, 30, L"50"}, Case{1040, 40, L"100"}}) {
    settings.po_po = c.position;
    panel->ScrollBar1Change();
    EXPECT_EQ(panel->ScrollBar1(), (ScrollBarState{0, 1040, true}));
    EXPECT_EQ(panel->Image2Position(), (Point{c.markerLeft, 24})) << c.position;
    EXPECT_EQ(panel->Label13().text, c.percent) << c.position;
  }
  EXPECT_TRUE(trace.empty());  // "Check Position" unticked: the clock stays
}

TEST_F(ControlPanelModelTest, VerticalScrollBarMovesMarkerAndPercentage) {
  makePanel();
  struct Case { int position; int markerTop; const wchar_t* percent; };
  for (const Case c : {Case{28, 24, L"4"}, Case{84, 26, L"11"}, Case{98, 26, L"12"},
                       Case{294, 29, L"38"}, Case{784, 38, L"100"}}) {
    settings.po_pi = c.position;
    panel->ScrollBar2Change();
    EXPECT_EQ(panel->ScrollBar2(), (ScrollBarState{0, 784, true}));
    EXPECT_EQ(panel->Image2Position(), (Point{20, c.markerTop})) << c.position;
    EXPECT_EQ(panel->Label14().text, c.percent) << c.position;
  }
}

TEST_F(ControlPanelModelTest, CheckPositionMovesTheClockLive) {
  makePanel();
  settings.po_po = 100;
  settings.po_pi = 200;
  panel->setCheckBox7Checked(true);
  panel->CheckBox7Click();
  panel->ScrollBar1Change();
  settings.po_pi = 300;
  panel->ScrollBar2Change();
  panel->setCheckBox7Checked(false);
  panel->CheckBox7Click();  // unticking moves it too
  settings.po_po = 500;
  panel->ScrollBar1Change();
  EXPECT_EQ(trace, (std::vector<std::wstring>{L"move 100,200", L"move 100,200", L"move 100,300",
                                              L"move 100,300"}));
}

TEST_F(ControlPanelModelTest, PositionBeyondTheScreenIsTakenToTheRangeEnd) {
  makePanel();
  settings.po_po = 5000;
  settings.po_pi = -3;
  panel->ScrollBar1Change();
  panel->ScrollBar2Change();
  EXPECT_EQ(settings.po_po, 1040);
  EXPECT_EQ(settings.po_pi, 0);
  EXPECT_EQ(panel->Label13().text, L"100");
  EXPECT_EQ(panel->Image2Position(), (Point{40, 24}));
}

TEST_F(ControlPanelModelTest, ScreenSmallerThanTheClockLeavesAnEmptyRange) {
  shell.screen = {200, 150};
  makePanel();
  settings.po_po = 30;
  settings.po_pi = 30;
  panel->setCheckBox7Checked(true);
  panel->ScrollBar1Change();
  panel->ScrollBar2Change();
  EXPECT_EQ(panel->ScrollBar1(), (ScrollBarState{0, 0, true}));
  EXPECT_EQ(panel->ScrollBar2(), (ScrollBarState{0, 0, true}));
  EXPECT_EQ(panel->Image2Position(), kMarkerOrigin);
  EXPECT_EQ(panel->Label13().text, L"0");
  EXPECT_EQ(panel->Label14().text, L"0");
  EXPECT_EQ(trace, (std::vector<std::wstring>{L"move 0,30", L"move 0,0"}));

  shell.screen = {245, 250};  // ranges 5 and 10
  settings.po_po = 3;
  settings.po_pi = 10;
  panel->ScrollBar1Change();
  panel->ScrollBar2Change();
  EXPECT_EQ(panel->Image2Position(), (Point{23, 34}));
  EXPECT_EQ(panel->Label13().text, L"60");
  EXPECT_EQ(panel->Label14().text, L"100");
}

TEST_F(ControlPanelModelTest, StartPositionIsTheUpperRightCornerUnlessSetCurrentPosition) {
  storeSettings({{L"po_po", 100}, {L"po_pi", 200}});
  makePanel();
  panel->FormCreate();
  EXPECT_EQ(trace, (std::vector<std::wstring>{L"move 1010,30"}));  // 1280 - 240 - 30
  EXPECT_EQ(panel->Label13().text, L"10");  // the scroll bars still show the stored place
  EXPECT_EQ(panel->Image2Position(), (Point{22, 28}));  // 100 / 52, 200 / 56

  trace.clear();
  Settings fresh;
  settings = fresh;
  storeSettings({{L"po_po", 100}, {L"po_pi", 200}, {L"chk_df", 1}});
  makePanel();
  panel->FormCreate();
  EXPECT_EQ(trace, (std::vector<std::wstring>{L"move 100,200"}));
}

// ---- Transparency ----

TEST(TransparencyText, PercentIsRoundedDown) {
  EXPECT_EQ(transparencyText(255), L"Transparency Value = 100");
  EXPECT_EQ(transparencyText(128), L"Transparency Value = 50");
  EXPECT_EQ(transparencyText(0), L"Transparency Value = 0");
  EXPECT_EQ(transparencyPercent(254), 99);
  EXPECT_EQ(transparencyPercent(3), 1);
  EXPECT_EQ(transparencyPercent(2), 0);
}

TEST_F(ControlPanelModelTest, SetTransparencySwitchesAlphaAndTheLabel) {
  makePanel();
  EXPECT_FALSE(panel->Label23().visible);
  EXPECT_TRUE(panel->ScrollBar3().enabled);  // enabled until the box is first unticked

  settings.chk_tr = true;
  panel->CheckBox20Click();
  EXPECT_EQ(panel->Label23(), (LabelState{L"Transparency Value = 100", true}));
  settings.scr_tr = 128;
  panel->ScrollBar3Change();
  EXPECT_EQ(panel->Label23().text, L"Transparency Value = 50");
  settings.scr_tr = 0;
  panel->ScrollBar3Change();
  EXPECT_EQ(panel->Label23().text, L"Transparency Value = 0");

  settings.chk_tr = false;
  panel->CheckBox20Click();
  EXPECT_FALSE(panel->Label23().visible);
  EXPECT_FALSE(panel->ScrollBar3().enabled);
  settings.scr_tr = 200;
  panel->ScrollBar3Change();  // changes nothing while unticked
  EXPECT_EQ(panel->Label23().text, L"Transparency Value = 0");

  settings.chk_tr = true;
  panel->CheckBox20Click();
  EXPECT_TRUE(panel->ScrollBar3().enabled);
  EXPECT_EQ(trace, (std::vector<std::wstring>{L"alpha on", L"alpha 255", L"alpha 128", L"alpha 0",
                                              L"alpha off", L"alpha on", L"alpha 200"}));
  EXPECT_EQ(panel->Label23().text, L"Transparency Value = 78");
}

// ---- Start with System, planner, home page ----

TEST_F(ControlPanelModelTest, StartWithSystemWritesRunValueAndSettingAtOnce) {
  reg.addKey(kKey);
  reg.addKey(kRun);
  makePanel();
  settings.ses_st = true;
  EXPECT_TRUE(panel->CheckBox30Click().runKeyOpened);
  EXPECT_EQ(reg.value(kRun, L"Tikora"), RegistryValue::ofString(kProgram));
  EXPECT_EQ(reg.value(kKey, L"ses_st"), RegistryValue::ofDword(1));
  settings.ses_st = false;
  panel->CheckBox30Click();
  EXPECT_FALSE(reg.value(kRun, L"Tikora").has_value());
  EXPECT_EQ(reg.value(kKey, L"ses_st"), RegistryValue::ofDword(0));
}

TEST_F(ControlPanelModelTest, OpenDailyPlannerClosesTheReminderFirst) {
  makePanel(recordingHooks());
  panel->Button1Click();
  EXPECT_EQ(trace, (std::vector<std::wstring>{L"close reminder", L"show planner"}));
}

TEST_F(ControlPanelModelTest, HomePageLinkUnderlinesOnHoverAndOpensTheAddress) {
  makePanel();
  EXPECT_FALSE(panel->homePageUnderlined());
  panel->HomePageMouseEnter();
  EXPECT_TRUE(panel->homePageUnderlined());
  EXPECT_EQ(panel->homePagePointer(), PointerShape::Hand);
  panel->HomePageMouseLeave();
  EXPECT_FALSE(panel->homePageUnderlined());
  EXPECT_EQ(panel->homePagePointer(), PointerShape::Arrow);

  EXPECT_TRUE(panel->HomePageClick().ok());
  shell.openFails = true;
  EXPECT_FALSE(panel->HomePageClick().ok());
  EXPECT_EQ(shell.openedAddresses,
            (std::vector<std::wstring>{L"https://tikora.app/", L"https://tikora.app/"}));
}

// ---- Creation and the load actions ----

TEST_F(ControlPanelModelTest, FirstRunCreationRunsEveryStepInOrder) {
  reg.addKey(kRun);
  makePanel(recordingHooks());
  const SettingsLoadReport report = panel->FormCreate();
  EXPECT_TRUE(report.firstRun);
  EXPECT_EQ(trace, (std::vector<std::wstring>{
                       L"layout", L"channels, range 1040/784", L"move 1010,30", L"recolour",
                       L"paint", L"seconds marks", L"digits", L"second hand table"}));
  EXPECT_EQ(panel->ComboBox5Items(), metrics.installedFontNames());
  EXPECT_EQ(panel->ComboBox9Items(), metrics.installedFontNames());
  // The first run's start-with-Windows entry.
  EXPECT_EQ(reg.value(kRun, L"Tikora"), RegistryValue::ofString(kProgram));
  // Weekday and date prepared and placed, both off by default; digits placed in the face font.
  EXPECT_EQ(clockModel.layer(ClockComponent::Label3).text, L"Monday");
  // Arial 10 point bold: 7 px a character, 15 px high.
  EXPECT_EQ(clockModel.layer(ClockComponent::Label3).bounds, (Rect{49, 113, 42, 15}));
  EXPECT_FALSE(clockModel.layer(ClockComponent::Label3).visible);
  EXPECT_EQ(clockModel.layer(ClockComponent::cyfra12).bounds, (Rect{107, 39, 28, 15}));
  EXPECT_EQ(clockModel.layer(ClockComponent::cyfra12).font, (FontSpec{L"Arial", 10, true, false}));
}

TEST_F(ControlPanelModelTest, LoadedChangesRunTheirActionsInLoadOrder) {
  storeSettings({
      {L"chk_dw", 0},  {L"chk_sh", 1},  {L"po_po", 520}, {L"ra_si", 0},   {L"ra_fo", 1},
      {L"chc_dw", 1},  {L"chk_tr", 1},  {L"scr_tr", 128}, {L"st_to", 1},  {L"se_sto", 0},
      {L"se_skw", 1},  {L"cfr_of", 1},  {L"chk_df", 1},  {L"dt_ta", 0},   {L"dt_tb", 1},
      {L"chk_dff", 1}, {L"se_2fh", 0},  {L"se_4fh", 1},  {L"ses_st", 0},
  });
  reg.setString(kRun, L"Tikora", L"C:\\Elsewhere\\Tikora.exe");
  makePanel(recordingHooks());
  const SettingsLoadReport report = panel->FormCreate();
  EXPECT_FALSE(report.firstRun);
  EXPECT_EQ(trace, (std::vector<std::wstring>{
                       L"layout", L"channels, range 1040/784",
                       L"CheckBox5", L"other ra_fo", L"alpha on", L"alpha 255", L"alpha 128",
                       L"seconds style se_skw", L"CheckBox23",
                       L"move 520,0", L"recolour", L"paint", L"seconds marks", L"digits",
                       L"second hand table"}));
  // ScrollBar1 moved by the load.
  EXPECT_EQ(panel->Label13().text, L"50");
  EXPECT_EQ(panel->Label23(), (LabelState{L"Transparency Value = 50", true}));
  // The weekday shown and brought in front of the hands; the date off.
  EXPECT_TRUE(clockModel.layer(ClockComponent::Label3).visible);
  EXPECT_EQ(clockModel.layerOrder().back(), ClockComponent::Label3);
  EXPECT_EQ(clockModel.layer(ClockComponent::Label4).text, L"Jan 3");
  EXPECT_TRUE(overlays.monthNameButtonsEnabled());
  EXPECT_FALSE(overlays.amPmOffVisible());
  // ses_st = false removed another tool's Run value and stored itself at once.
  EXPECT_FALSE(reg.value(kRun, L"Tikora").has_value());
  EXPECT_EQ(reg.value(kKey, L"ses_st"), RegistryValue::ofDword(0));
}

TEST_F(ControlPanelModelTest, DispatcherSendsEveryOverlaySwitchToItsHandler) {
  makePanel(recordingHooks());
  overlays.prepareAtStart(clock.now());
  const auto fire = [this](const wchar_t* name) {
    panel->dispatchSettingEvent({findSetting(name), SettingAction::Click});
  };
  settings.chk_dw = false;
  fire(L"chk_dw");
  EXPECT_TRUE(clockModel.layer(ClockComponent::Label3).visible);
  settings.chk_ds = true;
  fire(L"chk_ds");
  EXPECT_EQ(clockModel.layer(ClockComponent::Label3).text, L"Mon");
  settings.chk_dy = false;
  fire(L"chk_dy");
  EXPECT_TRUE(clockModel.layer(ClockComponent::Label4).visible);
  settings.cti_fr = true;
  fire(L"cti_fr");
  EXPECT_EQ(clockModel.layerOrder().back(), ClockComponent::Label1);
  settings.chc_co = true;
  fire(L"chc_co");
  EXPECT_EQ(clockModel.layerOrder().back(), ClockComponent::Label7);
  // Boxes read only when needed run nothing; unknown events go to the later features.
  for (const wchar_t* quiet : {L"chk_df", L"st_to", L"cti_of", L"chk_dam", L"chk_sec"}) fire(quiet);
  fire(L"ra_eg");
  fire(L"rs_hmc");
  panel->dispatchSettingEvent({nullptr, SettingAction::Click});
  EXPECT_EQ(trace, (std::vector<std::wstring>{L"other ra_eg", L"other rs_hmc"}));
}

}  // namespace
}  // namespace tikora
