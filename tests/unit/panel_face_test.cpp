// The control panel and the clock face as the program model wires them: the seconds and laser
// switches, whose check boxes are the one state the face draws by and a save stores, and the
// controls that start a long face rebuild, disabled while it runs.
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "clock/clock_start_pictures.h"
#include "clock/face_bindings.h"
#include "clock/settings_schema.h"
#include "face/ring.h"
#include "tests/unit/program_fixture.h"

namespace tikora {
namespace {

const std::wstring kKey = L"Tikora";
constexpr Colour kBlack = 0x000000;    // the first run's background
constexpr Colour kFuchsia = 0xFF00FF;  // seconds
constexpr Colour kAqua = 0xFFFF00;     // laser

// The style group, the seconds colour and the laser colour: what the seconds "OFF" switch
// disables.
const std::vector<std::wstring> kSecondsControls = {
    L"RadioButton12", L"RadioButton36", L"RadioButton13", L"RadioButton55", L"RadioButton14",
    L"RadioButton37", L"RadioButton15", L"RadioButton56", L"RadioButton51", L"RadioButton52",
    L"RadioButton53", L"RadioButton54", L"ColorBox2",     L"ColorBox8"};

class PanelFaceTest : public ::testing::Test, protected testing::FakeProgramServices {
 protected:
  PanelFaceTest() {
    shell.screen = {1280, 1024};
    clock.setLocalTime(2024, 5, 17, 12, 0, 5);
  }

  // Start-up as far as the control panel: the settings load, the face composed, one face tick.
  void start() {
    ProgramHooks hooks;
    hooks.pumpMessages = [this] {
      if (onPump) onPump();
    };
    hooks.pointerPosition = [] { return Point{-100000, -100000}; };
    program.emplace(services(), std::move(hooks));
    program->createControlPanel(loadClockStartPictures(readFaceStyles(registry), resources));
  }
  // The key as a first run leaves it, with these values changed.
  void storeSettings(const std::vector<std::pair<std::wstring, std::uint32_t>>& dwords) {
    Settings defaults;
    ASSERT_TRUE(SettingsStore(registry, testing::kProgramPath).firstRunWrite(defaults).ok());
    for (const auto& [name, value] : dwords) registry.setDword(kKey, name, value);
  }

  ComponentTable& panel() { return program->controlPanel()->components(); }
  const ComponentState& state(const std::wstring& name) { return panel()[name]; }
  void click(const wchar_t* box, bool ticked) {
    ComponentInput input;
    input.checked = ticked;
    panel().raise(box, ComponentEvent::Click, input);
  }
  // The face tick at hh:mm:ss 12:00:`second`.
  void tickAt(int second) {
    clock.setLocalTime(2024, 5, 17, 12, 0, second);
    panel().tick(L"Timer1");
  }
  Colour facePixel(Point p) { return program->face()->faceLayer().face.pixel(p.x, p.y); }
  std::vector<std::wstring> disabled(const std::vector<std::wstring>& names) {
    std::vector<std::wstring> out;
    for (const std::wstring& name : names)
      if (!state(name).enabled) out.push_back(name);
    return out;
  }

  std::function<void()> onPump;
  std::optional<ProgramModel> program;
};

// ---- Seconds and laser switches ----

// Style n's stored Bool and its radio button, in caption order.
TEST(SecondsStyleButtonsTest, EachStyleHasItsStoredValueAndButton) {
  const wchar_t* stored[] = {L"se_sto", L"se_smn", L"se_stw", L"se_sxe", L"se_sko", L"se_smo",
                             L"se_skw", L"se_sxf", L"se_sxa", L"se_sxb", L"se_sxc", L"se_sxd"};
  const wchar_t* buttons[] = {L"RadioButton12", L"RadioButton36", L"RadioButton13", L"RadioButton55",
                              L"RadioButton14", L"RadioButton37", L"RadioButton15", L"RadioButton56",
                              L"RadioButton51", L"RadioButton52", L"RadioButton53", L"RadioButton54"};
  for (int n = 1; n <= 12; ++n) {
    const SettingSpec* described = findSetting(stored[n - 1]);
    ASSERT_NE(described, nullptr) << stored[n - 1];
    EXPECT_EQ(described->component, buttons[n - 1]);
    Settings settings;
    ASSERT_TRUE(selectRadioButton(settings, *described));
    EXPECT_EQ(static_cast<int>(selectedSecondsStyle(settings)), n) << stored[n - 1];
    EXPECT_EQ(secondsStyleOfButton(buttons[n - 1]), SecondsStyle(n));
  }
}

TEST_F(PanelFaceTest, SecondsOffDisablesItsControlsAndTakesTheLaserWithIt) {
  start();
  click(L"RadioButton13", true);  // style 3: a solid dot under the laser
  click(L"CheckBox6", false);     // laser on
  tickAt(6);
  EXPECT_EQ(facePixel(secondPosition(6)), kAqua);

  click(L"CheckBox22", true);
  EXPECT_EQ(disabled(kSecondsControls), kSecondsControls);
  EXPECT_TRUE(state(L"CheckBox6").checked);
  EXPECT_FALSE(state(L"CheckBox6").enabled);
  EXPECT_TRUE(program->settings().laserOff);
  EXPECT_EQ(facePixel(secondPosition(6)), kBlack) << "the ring is erased";
  tickAt(7);
  EXPECT_EQ(facePixel(secondPosition(7)), kBlack) << "no laser without seconds";
  EXPECT_TRUE(state(L"CheckBox6").checked);
  EXPECT_FALSE(state(L"CheckBox6").enabled);

  click(L"CheckBox22", false);
  EXPECT_TRUE(disabled(kSecondsControls).empty());
  EXPECT_TRUE(state(L"CheckBox6").enabled);
  EXPECT_TRUE(state(L"CheckBox6").checked) << "the laser stays off until the user switches it on";
  tickAt(8);
  EXPECT_EQ(facePixel(secondPosition(8)), kFuchsia);
  click(L"CheckBox6", false);
  tickAt(9);
  EXPECT_EQ(facePixel(secondPosition(9)), kAqua);
}

TEST_F(PanelFaceTest, StylesNineToTwelveTickTheLaserSwitchAndTheFaceFollowsTheBox) {
  start();
  click(L"RadioButton13", true);
  click(L"CheckBox6", false);
  for (const wchar_t* style : {L"RadioButton51", L"RadioButton52", L"RadioButton53", L"RadioButton54"}) {
    SCOPED_TRACE(style);
    click(L"RadioButton13", true);
    tickAt(10);
    ASSERT_TRUE(state(L"CheckBox6").enabled);
    click(L"CheckBox6", false);
    click(style, true);
    tickAt(11);
    EXPECT_TRUE(state(L"CheckBox6").checked);
    EXPECT_FALSE(state(L"CheckBox6").enabled);
    EXPECT_TRUE(program->settings().laserOff);
  }
  // Back to a style with a laser: the switch is free again and still says off, and so does the
  // face; switched on, the laser shows.
  click(L"RadioButton13", true);
  tickAt(12);
  EXPECT_TRUE(state(L"CheckBox6").enabled);
  EXPECT_TRUE(state(L"CheckBox6").checked);
  EXPECT_EQ(facePixel(secondPosition(12)), kFuchsia);
  click(L"CheckBox6", false);
  tickAt(13);
  EXPECT_EQ(facePixel(secondPosition(13)), kAqua);
}

TEST_F(PanelFaceTest, ASaveStoresTheLaserSwitchAsTheClockShowedIt) {
  start();
  click(L"CheckBox6", false);
  click(L"RadioButton52", true);  // style 10
  tickAt(20);
  boxes.queueAnswer(MessageBoxAnswer::Yes);
  panel().raise(L"TForm2", ComponentEvent::Close);
  EXPECT_EQ(registry.value(kKey, L"chk_le"), RegistryValue::ofDword(1));
  EXPECT_EQ(registry.value(kKey, L"se_sxb"), RegistryValue::ofDword(1));
}

TEST_F(PanelFaceTest, LoadedSwitchesAreSettledBeforeTheFaceIsComposed) {
  // Stored by an older run: the seconds off with the laser on.
  storeSettings({{L"sek_of", 1}, {L"chk_le", 0}, {L"se_sto", 0}, {L"se_stw", 1}});
  start();
  EXPECT_EQ(disabled(kSecondsControls), kSecondsControls);
  EXPECT_TRUE(state(L"CheckBox6").checked);
  EXPECT_FALSE(state(L"CheckBox6").enabled);
  EXPECT_TRUE(program->settings().laserOff);
  for (int second : {0, 5, 14}) EXPECT_EQ(facePixel(secondPosition(second)), kBlack) << second;
}

TEST_F(PanelFaceTest, ALoadedStyleWithoutLaserTicksTheLaserSwitchAtTheFirstTick) {
  storeSettings({{L"chk_le", 0}, {L"se_sto", 0}, {L"se_sxc", 1}});
  start();
  EXPECT_TRUE(state(L"CheckBox6").checked);
  EXPECT_FALSE(state(L"CheckBox6").enabled);
  EXPECT_TRUE(disabled(kSecondsControls).empty());
}

// ---- Long rebuilds ----

TEST_F(PanelFaceTest, ControlsThatStartARebuildAreDisabledAndShownSoUntilItEnds) {
  start();
  struct Case {
    const wchar_t* control;
    ComponentInput input;
    bool pumps;  // whether the rebuild handles waiting messages between its steps
  };
  ComponentInput frameStyle, frameColour, background, handColour, handStyle;
  frameStyle.selected = 4;
  frameColour.selected = 3;
  background.colour = 0x00400000;
  handColour.colour = 0x00008000;
  handStyle.selected = 5;
  for (const Case& c : {Case{L"ComboBox12", frameStyle, false}, Case{L"ComboBox1", frameColour, false},
                        Case{L"ColorBox1", background, true}, Case{L"ColorBox9", handColour, true},
                        Case{L"ComboBox2", handStyle, true}}) {
    SCOPED_TRACE(c.control);
    std::vector<std::wstring> seen;
    const std::wstring name = c.control;
    panel().showNow = [&] { seen.push_back(state(name).enabled ? L"shown enabled" : L"shown disabled"); };
    onPump = [&] {
      const std::wstring now = state(name).enabled ? L"pump enabled" : L"pump disabled";
      if (seen.empty() || seen.back() != now) seen.push_back(now);
    };
    panel().raise(c.control, ComponentEvent::Change, c.input);
    if (c.pumps)
      EXPECT_EQ(seen, (std::vector<std::wstring>{L"shown disabled", L"pump disabled"}));
    else
      EXPECT_EQ(seen, (std::vector<std::wstring>{L"shown disabled"}));
    EXPECT_TRUE(state(name).enabled);
  }
  onPump = nullptr;
  panel().showNow = nullptr;
}

}  // namespace
}  // namespace tikora
