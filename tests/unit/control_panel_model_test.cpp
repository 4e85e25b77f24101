// The control panel's model: its components, the binding of the settings controls, creation in
// its fixed order, the start-up position group on a 1280 x 1024 screen (ranges 0..1040 and
// 0..784) with halves rounded to even, transparency, start with Windows, the planner button, the
// home page link, the page control, and the actions the settings load sets off, in load order.
#include "clock/control_panel_model.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "clock/clock_window_model.h"
#include "platform/fake/fake_clock.h"
#include "platform/fake/fake_locale.h"
#include "platform/fake/fake_message_box.h"
#include "platform/fake/fake_registry.h"
#include "platform/fake/fake_shell.h"
#include "platform/fake/fake_text_metrics.h"

namespace tikora {
namespace {

const std::wstring kKey = L"Tikora";
const std::wstring kRun = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
const std::wstring kProgram = L"C:\\Program Files\\Tikora\\Tikora.exe";

// The screen miniature's group box: the marker's places are told from its corner.
constexpr Point kGroup{10, 66};

class ControlPanelModelTest : public ::testing::Test {
 protected:
  ControlPanelModelTest() {
    shell.screen = {1280, 1024};
    clock.setLocalTime(2000, 1, 3, 8, 30, 0);  // Monday
  }

  std::function<void()> note(std::wstring what) {
    return [this, what] { trace.push_back(what); };
  }

  ControlPanelHooks recordingHooks() {
    ControlPanelHooks h;
    h.loadChannelList = [this] {
      const ComponentState& bar = (*panel)[L"ScrollBar2"];
      trace.push_back(L"channels, range " + std::to_wstring((*panel)[L"ScrollBar1"].maximum) + L"/" +
                      std::to_wstring(bar.maximum));
    };
    h.settingsLoaded = note(L"loaded");
    h.recolourFrame = [this] {
      trace.push_back(L"recolour, clock at " + std::to_wstring(clockModel.windowLeft()) + L"," +
                      std::to_wstring(clockModel.windowTop()));
    };
    h.paintFaceBackground = note(L"paint");
    h.drawSecondsMarks = note(L"seconds marks");
    h.applyDigitColourAndVisibility = note(L"digits");
    h.buildSecondHandTable = note(L"second hand table");
    h.closeReminderPopupIfShowing = note(L"close reminder");
    h.showDailyPlanner = note(L"show planner");
    return h;
  }

  void makePanel(ControlPanelHooks hooks = {}) {
    panel = std::make_unique<ControlPanelModel>(
        ControlPanelServices{settings, store, shell, metrics, clock, boxes, overlays, clockModel}, std::move(hooks));
  }

  // The key as a first run leaves it, then the given values changed.
  void storeSettings(const std::vector<std::pair<std::wstring, std::uint32_t>>& dwords) {
    Settings defaults;
    ASSERT_TRUE(SettingsStore(reg, kProgram).firstRunWrite(defaults).ok());
    for (const auto& [name, value] : dwords) reg.setDword(kKey, name, value);
    reg.clearChanges();
  }

  // The user at the panel's controls.
  void scroll(const wchar_t* bar, int position) {
    ComponentInput input;
    input.position = position;
    panel->components().raise(bar, ComponentEvent::Change, input);
  }
  void click(const wchar_t* box, bool ticked) {
    ComponentInput input;
    input.checked = ticked;
    panel->components().raise(box, ComponentEvent::Click, input);
  }
  void pick(const wchar_t* list, int item) {
    ComponentInput input;
    input.selected = item;
    panel->components().raise(list, ComponentEvent::Change, input);
  }
  void type(const wchar_t* list, const wchar_t* text) {
    ComponentInput input;
    input.text = text;
    panel->components().raise(list, ComponentEvent::Typed, input);
  }
  const ComponentState& state(const wchar_t* component) const { return (*panel)[component]; }
  Point marker() const {
    const Rect& at = state(L"Image2").bounds;
    return {at.left - kGroup.x, at.top - kGroup.y};
  }
  Point clockAt() const { return {clockModel.windowLeft(), clockModel.windowTop()}; }

  std::vector<std::wstring> trace;
  FakeRegistry reg;
  SettingsStore store{reg, kProgram};
  Settings settings;
  FakeShell shell;
  FakeTextMetrics metrics;
  FakeClock clock;
  FakeLocale locale;
  FakeMessageBox boxes;
  ClockWindowModel clockModel;
  TextOverlays overlays{clockModel, settings, metrics, locale};
  std::unique_ptr<ControlPanelModel> panel;
};

// ---- Start-up position ----

TEST(PositionArithmetic, MarkerAndPercentRoundHalvesToEven) {
  // 1280 wide: range 1040, marker step nearest(1040 / 20) = 52.
  EXPECT_EQ(markerOffset(26, 1040, 20), 0);   // 0.5
  EXPECT_EQ(markerOffset(78, 1040, 20), 2);   // 1.5
  EXPECT_EQ(markerOffset(130, 1040, 20), 2);  // 2.5
  EXPECT_EQ(markerOffset(1040, 1040, 20), 20);
  EXPECT_EQ(positionPercent(26, 1040), 2);    // 2.5
  EXPECT_EQ(positionPercent(78, 1040), 8);    // 7.5
  EXPECT_EQ(positionPercent(130, 1040), 12);  // 12.5
  EXPECT_EQ(positionPercent(1040, 1040), 100);
  // 1024 high: range 784, marker step nearest(784 / 14) = 56.
  EXPECT_EQ(markerOffset(28, 784, 14), 0);  // 0.5
  EXPECT_EQ(markerOffset(84, 784, 14), 2);  // 1.5
  EXPECT_EQ(markerOffset(784, 784, 14), 14);
  EXPECT_EQ(positionPercent(98, 784), 12);   // 12.5
  EXPECT_EQ(positionPercent(294, 784), 38);  // 37.5
  // 1024 x 768: steps nearest(39.2) = 39 and nearest(37.71...) = 38.
  EXPECT_EQ(markerOffset(78, 784, 20), 2);
  EXPECT_EQ(markerOffset(57, 528, 14), 2);  // 57 / 38 = 1.5
  // Empty and tiny ranges divide by nothing; a range of 10 or less moves a pixel at a time.
  EXPECT_EQ(markerOffset(0, 0, 20), 0);
  EXPECT_EQ(positionPercent(5, -40), 0);
  EXPECT_EQ(markerOffset(5, 5, 20), 5);
  EXPECT_EQ(positionPercent(3, 5), 60);
}

TEST_F(ControlPanelModelTest, ScrollBarsMoveMarkerAndPercentage) {
  makePanel();
  struct Case {
    const wchar_t* bar;
    int position;
    Point marker;
    const wchar_t* label;
    const wchar_t* percent;
  };
  for (const Case c :
       {Case{L"ScrollBar1", 0, {20, 24}, L"Label13", L"0"}, Case{L"ScrollBar1", 78, {22, 24}, L"Label13", L"8"},
        Case{L"ScrollBar1", 130, {22, 24}, L"Label13", L"12"}, Case{L"ScrollBar1", 1040, {40, 24}, L"Label13", L"100"},
        Case{L"ScrollBar2", 84, {40, 26}, L"Label14", L"11"}, Case{L"ScrollBar2", 294, {40, 29}, L"Label14", L"38"},
        Case{L"ScrollBar2", 784, {40, 38}, L"Label14", L"100"}}) {
    scroll(c.bar, c.position);
    EXPECT_EQ(state(c.bar).maximum, std::wstring_view(c.bar) == L"ScrollBar1" ? 1040 : 784);
    EXPECT_EQ(marker(), c.marker) << c.bar << " " << c.position;
    EXPECT_EQ(state(c.label).text, c.percent) << c.bar << " " << c.position;
  }
  EXPECT_EQ(settings.startLeft, 1040);
  EXPECT_EQ(settings.startTop, 784);
  EXPECT_EQ(clockAt(), (Point{0, 0})) << "\"Check Position\" unticked: the clock stays";
}

TEST_F(ControlPanelModelTest, CheckPositionMovesEachAxisFromItsOwnBar) {
  makePanel();
  scroll(L"ScrollBar1", 100);
  scroll(L"ScrollBar2", 200);
  click(L"CheckBox7", true);
  EXPECT_EQ(clockAt(), (Point{100, 200}));
  clockModel.setWindowPosition(600, 500);  // the user drags the clock
  scroll(L"ScrollBar1", 300);
  EXPECT_EQ(clockAt(), (Point{300, 500})) << "the left bar leaves the top where the drag put it";
  scroll(L"ScrollBar2", 50);
  EXPECT_EQ(clockAt(), (Point{300, 50}));
  click(L"CheckBox7", false);  // unticking moves it too
  EXPECT_EQ(clockAt(), (Point{300, 50}));
  scroll(L"ScrollBar1", 500);
  EXPECT_EQ(clockAt(), (Point{300, 50}));
}

TEST_F(ControlPanelModelTest, PositionsBeyondTheScreenAndScreensSmallerThanTheClock) {
  makePanel();
  settings.startLeft = 5000;
  settings.startTop = -3;
  panel->components().dispatch(L"ScrollBar1", ComponentEvent::Change);
  panel->components().dispatch(L"ScrollBar2", ComponentEvent::Change);
  EXPECT_EQ(settings.startLeft, 1040) << "a stored place from a larger screen is taken to the end";
  EXPECT_EQ(settings.startTop, 0);
  EXPECT_EQ(marker(), (Point{40, 24}));

  shell.screen = {200, 150};
  click(L"CheckBox7", true);
  scroll(L"ScrollBar1", 30);
  EXPECT_EQ(state(L"ScrollBar1").maximum, 0);
  EXPECT_EQ(marker(), (Point{20, 24}));
  EXPECT_EQ(state(L"Label13").text, L"0");
  EXPECT_EQ(clockAt(), (Point{0, 0}));

  shell.screen = {245, 250};  // ranges 5 and 10
  scroll(L"ScrollBar1", 3);
  scroll(L"ScrollBar2", 10);
  EXPECT_EQ(marker(), (Point{23, 34}));
  EXPECT_EQ(state(L"Label13").text, L"60");
  EXPECT_EQ(state(L"Label14").text, L"100");
}

TEST_F(ControlPanelModelTest, StartPositionIsTheUpperRightCornerUnlessSetCurrentPosition) {
  storeSettings({{L"po_po", 100}, {L"po_pi", 200}});
  makePanel(recordingHooks());
  panel->create();
  EXPECT_EQ(clockAt(), (Point{1010, 30}));   // 1280 - 240 - 30
  EXPECT_EQ(state(L"Label13").text, L"10");  // the scroll bars still show the stored place
  EXPECT_EQ(marker(), (Point{22, 28}));      // 100 / 52, 200 / 56
  EXPECT_EQ(state(L"ScrollBar1").position, 100);

  settings = Settings{};
  storeSettings({{L"po_po", 100}, {L"po_pi", 200}, {L"chk_df", 1}});
  makePanel();
  panel->create();
  EXPECT_EQ(clockAt(), (Point{100, 200}));
}

// ---- Transparency ----

TEST_F(ControlPanelModelTest, SetTransparencySwitchesAlphaAndTheLabel) {
  EXPECT_EQ(transparencyText(255), L"Transparency Value = 100");
  EXPECT_EQ(transparencyText(128), L"Transparency Value = 50");
  EXPECT_EQ(transparencyPercent(254), 99);
  EXPECT_EQ(transparencyPercent(2), 0);

  makePanel();
  EXPECT_FALSE(state(L"Label23").visible);
  EXPECT_TRUE(state(L"ScrollBar3").enabled);  // enabled until the box is first unticked
  click(L"CheckBox20", true);
  EXPECT_EQ(state(L"Label23").text, L"Transparency Value = 100");
  EXPECT_TRUE(state(L"Label23").visible);
  EXPECT_EQ(clockModel.window().alpha, 255);
  scroll(L"ScrollBar3", 128);
  EXPECT_EQ(state(L"Label23").text, L"Transparency Value = 50");
  EXPECT_EQ(clockModel.window().alpha, 128);

  click(L"CheckBox20", false);
  EXPECT_FALSE(state(L"Label23").visible);
  EXPECT_FALSE(state(L"ScrollBar3").enabled);
  EXPECT_FALSE(clockModel.window().alpha) << "the clock is fully opaque again";
  scroll(L"ScrollBar3", 200);  // changes nothing on the clock while unticked
  EXPECT_EQ(state(L"Label23").text, L"Transparency Value = 50");
  EXPECT_FALSE(clockModel.window().alpha);

  click(L"CheckBox20", true);
  EXPECT_EQ(clockModel.window().alpha, 200);
  EXPECT_EQ(state(L"Label23").text, L"Transparency Value = 78");
}

// ---- Start with System, planner, home page, pages ----

TEST_F(ControlPanelModelTest, StartWithSystemWritesAtOnceAndTellsAUserWhenItCannot) {
  reg.addKey(kKey);
  reg.addKey(kRun);
  makePanel();
  click(L"CheckBox30", true);
  EXPECT_EQ(reg.value(kRun, L"Tikora"), RegistryValue::ofString(kProgram));
  EXPECT_EQ(reg.value(kKey, L"ses_st"), RegistryValue::ofDword(1));
  click(L"CheckBox30", false);
  EXPECT_FALSE(reg.value(kRun, L"Tikora").has_value());
  EXPECT_EQ(reg.value(kKey, L"ses_st"), RegistryValue::ofDword(0));
  EXPECT_TRUE(boxes.shown().empty());

  (void)reg.deleteKeyTree(kRun);  // the Run key cannot be opened: nothing written, the user told
  click(L"CheckBox30", true);
  ASSERT_EQ(boxes.shown().size(), 1u);
  EXPECT_EQ(boxes.shown()[0].caption, L"Tikora");
  EXPECT_EQ(boxes.shown()[0].buttons, MessageBoxButtons::Ok);
  EXPECT_EQ(boxes.shown()[0].icon, MessageBoxIcon::None);
  EXPECT_EQ(boxes.shown()[0].text,
            L"   Tikora could not be added to the programs that start with Windows.\r" + std::wstring(66, L'_'));
  // A start with the same state goes on quietly.
  panel->settingLoaded(settingOf(&Settings::startWithSystem));
  EXPECT_EQ(boxes.shown().size(), 1u);
}

TEST_F(ControlPanelModelTest, PlannerButtonHomePageLinkAndPages) {
  makePanel(recordingHooks());
  click(L"Button1", false);
  EXPECT_EQ(trace, (std::vector<std::wstring>{L"close reminder", L"show planner"}));

  panel->components().raise(kHomePageName, ComponentEvent::MouseMove);
  EXPECT_TRUE(state(L"HomePage").font->underline);
  EXPECT_EQ(state(L"HomePage").pointer, PointerShape::Hand);
  panel->components().raise(kHomePageName, ComponentEvent::MouseLeave);
  EXPECT_FALSE(state(L"HomePage").font->underline);
  EXPECT_EQ(state(L"HomePage").pointer, PointerShape::Arrow);
  click(L"HomePage", false);
  EXPECT_TRUE(boxes.shown().empty());
  shell.openFails = true;
  click(L"HomePage", false);
  EXPECT_EQ(shell.openedAddresses, (std::vector<std::wstring>{L"https://tikora.app/", L"https://tikora.app/"}));
  ASSERT_EQ(boxes.shown().size(), 1u);
  EXPECT_EQ(boxes.shown()[0].caption, L"Tikora");
  EXPECT_EQ(boxes.shown()[0].text,
            L"   The home page could not be opened in the web browser.\r" + std::wstring(53, L'_'));

  EXPECT_TRUE(state(L"TabSheet1").visible);
  pick(L"PageControl1", 2);
  EXPECT_FALSE(state(L"TabSheet1").visible);
  EXPECT_FALSE(state(L"TabSheet2").visible);
  EXPECT_TRUE(state(L"TabSheet3").visible);
}

// ---- Creation and the binding ----

TEST_F(ControlPanelModelTest, FirstRunCreationRunsEveryStepInOrder) {
  reg.addKey(kRun);
  makePanel(recordingHooks());
  const SettingsLoadReport report = panel->create();
  EXPECT_TRUE(report.firstRun);
  EXPECT_EQ(trace, (std::vector<std::wstring>{L"channels, range 1040/784", L"loaded", L"recolour, clock at 1010,30",
                                              L"paint", L"seconds marks", L"digits", L"second hand table"}));
  EXPECT_EQ(state(L"ComboBox5").items, metrics.installedFontNames());
  EXPECT_EQ(state(L"ComboBox9").items, metrics.installedFontNames());
  EXPECT_EQ(state(L"ComboBox5").text, L"Font") << "the stored name shows though no font has it";
  // The first run's start-with-Windows entry.
  EXPECT_EQ(reg.value(kRun, L"Tikora"), RegistryValue::ofString(kProgram));
  // Weekday and date prepared and placed, both off by default; digits placed in the face font,
  // Arial 10 point bold: 7 px a character, 15 px high.
  EXPECT_EQ(clockModel.layer(ClockComponent::Weekday).text, L"Monday");
  EXPECT_EQ(clockModel.layer(ClockComponent::Weekday).bounds, (Rect{49, 113, 42, 15}));
  EXPECT_FALSE(clockModel.layer(ClockComponent::Weekday).visible);
  EXPECT_EQ(clockModel.layer(ClockComponent::Digit12).bounds, (Rect{107, 39, 28, 15}));
  EXPECT_EQ(clockModel.font(ClockComponent::Digit12), (FontSpec{L"Arial", 10, true, false}));
}

TEST_F(ControlPanelModelTest, LoadedChangesRunTheirActionsInLoadOrder) {
  storeSettings({
      {L"chk_dw", 0},  {L"chk_sh", 1}, {L"po_po", 520},  {L"ra_si", 0},  {L"ra_fo", 1},
      {L"chc_dw", 1},  {L"chk_tr", 1}, {L"scr_tr", 128}, {L"st_to", 1},  {L"se_sto", 0},
      {L"se_skw", 1},  {L"cfr_of", 1}, {L"chk_df", 1},   {L"dt_ta", 0},  {L"dt_tb", 1},
      {L"chk_dff", 1}, {L"se_2fh", 0}, {L"se_4fh", 1},   {L"ses_st", 0}, {L"col_bg", 0x123456},
  });
  reg.setString(kRun, L"Tikora", L"C:\\Elsewhere\\Tikora.exe");
  makePanel(recordingHooks());
  // Other features' handlers, as they register them.
  for (const wchar_t* name : {L"CheckBox5", L"RadioButton4", L"RadioButton15", L"CheckBox23", L"ColorBox1"}) {
    const ComponentEvent event =
        std::wstring_view(name) == L"ColorBox1" ? ComponentEvent::Change : ComponentEvent::Click;
    panel->components().on(
        name, event, [this, name] { trace.push_back(std::wstring(name) + (state(name).checked ? L" ticked" : L"")); });
  }
  const SettingsLoadReport report = panel->create();
  EXPECT_FALSE(report.firstRun);
  EXPECT_EQ(trace, (std::vector<std::wstring>{L"channels, range 1040/784", L"CheckBox5 ticked", L"RadioButton4 ticked",
                                              L"RadioButton15 ticked", L"CheckBox23 ticked", L"loaded",
                                              L"recolour, clock at 520,0", L"paint", L"seconds marks", L"digits",
                                              L"second hand table"}))
      << "a colour loads without its change action";
  EXPECT_EQ(state(L"Label13").text, L"50");
  EXPECT_EQ(state(L"Label23").text, L"Transparency Value = 50");
  EXPECT_EQ(clockModel.window().alpha, 128);
  // Every settings control shows what was loaded.
  EXPECT_TRUE(state(L"RadioButton15").checked);
  EXPECT_FALSE(state(L"RadioButton12").checked);
  EXPECT_EQ(state(L"ColorBox1").selectedColour, 0x123456u);
  EXPECT_EQ(state(L"ScrollBar3").position, 128);
  // The weekday shown and brought in front of the hands; the date off.
  EXPECT_TRUE(clockModel.layer(ClockComponent::Weekday).visible);
  EXPECT_EQ(clockModel.layerOrder().back(), ClockComponent::Weekday);
  EXPECT_EQ(clockModel.layer(ClockComponent::Date).text, L"Jan 3");
  EXPECT_TRUE(state(L"RadioButton57").enabled) << "the month names follow \"Short Date\"";
  EXPECT_FALSE(state(L"CheckBox28").visible) << "\"AM/PM OFF\" only in the 12 h format";
  // startWithSystem = false removed another tool's Run value and stored itself at once.
  EXPECT_FALSE(reg.value(kRun, L"Tikora").has_value());
  EXPECT_EQ(reg.value(kKey, L"ses_st"), RegistryValue::ofDword(0));
}

TEST_F(ControlPanelModelTest, UserChangesGoIntoTheSettingsBeforeTheirHandlersRun) {
  makePanel();
  overlays.prepareAtStart(clock.now());
  std::vector<std::wstring> seen;
  panel->components().on(L"RadioButton45", ComponentEvent::Click, [&] {
    seen.push_back(settings.twentyFourHourFormat && !settings.twelveHourFormat ? L"24 h" : L"?");
  });
  click(L"RadioButton45", true);
  EXPECT_EQ(seen, (std::vector<std::wstring>{L"24 h"}));
  EXPECT_FALSE(state(L"RadioButton44").checked) << "the other button of the group shows unticked";
  EXPECT_FALSE(state(L"CheckBox28").visible);

  // The overlays' switches reach the clock window.
  click(L"CheckBox1", false);
  EXPECT_TRUE(clockModel.layer(ClockComponent::Weekday).visible);
  click(L"CheckBox2", true);
  EXPECT_EQ(clockModel.layer(ClockComponent::Weekday).text, L"Mon");
  click(L"CheckBox26", true);
  EXPECT_EQ(clockModel.layerOrder().back(), ClockComponent::DigitalTime);
  ComponentInput white;
  white.colour = 0xFFFFFF;
  panel->components().raise(L"ColorBox4", ComponentEvent::Change, white);
  EXPECT_EQ(settings.weekdayColour, 0x02FEFFFFu) << "pure white is the clock's see-through colour";
  EXPECT_EQ(state(L"ColorBox4").selectedColour, 0x02FEFFFFu) << "the box shows the colour kept";

  // Typing into the exact time's hour list: an item it names counts as picked.
  type(L"ComboBox3", L"7");
  EXPECT_EQ(settings.powerOffHour, 7);
  EXPECT_EQ(state(L"ComboBox3").text, L"7") << "the box keeps what was typed";
  type(L"ComboBox3", L"x");
  EXPECT_EQ(settings.powerOffHour, 7) << "text that names no item keeps the last item named";
  type(L"ComboBox3", L"23");
  EXPECT_EQ(settings.powerOffHour, 23);
  pick(L"ComboBox7", 1);
  EXPECT_EQ(settings.faceFontStyle, 1);
  // The channel selector keeps its prompt while no channel is chosen.
  panel->components()[L"ComboBox8"].text = L"Select RSS Channel";
  pick(L"ComboBox7", 2);
  EXPECT_EQ(state(L"ComboBox8").text, L"Select RSS Channel");

  // The minutes box and its arrows.
  ComponentInput minutes;
  minutes.text = L"45";
  panel->components().raise(L"Edit1", ComponentEvent::Change, minutes);
  EXPECT_EQ(settings.powerOffMinutesText, L"45");
  EXPECT_EQ(settings.powerOffMinutes, 45);
  EXPECT_EQ(state(L"UpDown1").position, 45);
  minutes.text = L"2000";
  panel->components().raise(L"Edit1", ComponentEvent::Change, minutes);
  EXPECT_EQ(settings.powerOffMinutes, 45) << "the arrows keep their place for a number beyond their range";
}

TEST_F(ControlPanelModelTest, ClosingHidesAndOffersToSave) {
  makePanel();
  panel->show();
  EXPECT_TRUE(state(L"TForm2").visible);
  EXPECT_EQ(state(L"TForm2").raised, 1);
  boxes.queueAnswer(MessageBoxAnswer::No);
  panel->components().raise(L"TForm2", ComponentEvent::Close);
  EXPECT_FALSE(state(L"TForm2").visible);
  ASSERT_EQ(boxes.shown().size(), 2u);
  EXPECT_EQ(boxes.shown()[0].caption, L"Control Panel - Settings");
}

}  // namespace
}  // namespace tikora
