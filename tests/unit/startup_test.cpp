// Start-up: the single-instance refusal, the write probe, the order in which the windows are
// made, and the two styles the clock window reads itself.
#include "clock/startup.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "platform/fake/fake_files.h"
#include "platform/fake/fake_message_box.h"
#include "platform/fake/fake_registry.h"
#include "platform/fake/fake_resources.h"
#include "platform/fake/fake_shell.h"
#include "platform/fake/fake_single_instance.h"

namespace tikora {
namespace {

const std::wstring kProbePath = L"C:\\Users\\Tester\\AppData\\Roaming\\test";

// Forwards to a FakeRegistry and counts every call, so a test can tell that the registry was not
// even opened.
class CountingRegistry : public Registry {
 public:
  explicit CountingRegistry(FakeRegistry& inner) : inner_(inner) {}
  Result<std::unique_ptr<RegistryKey>> openKey(std::wstring_view path, KeyAccess access) override {
    ++calls;
    if (access != KeyAccess::Read) ++writableOpens;
    return inner_.openKey(path, access);
  }
  Result<std::unique_ptr<RegistryKey>> createKey(std::wstring_view path) override {
    ++calls;
    return inner_.createKey(path);
  }
  bool keyExists(std::wstring_view path) override {
    ++calls;
    return inner_.keyExists(path);
  }
  Status deleteKeyTree(std::wstring_view path) override {
    ++calls;
    return inner_.deleteKeyTree(path);
  }
  int calls = 0;
  int writableOpens = 0;

 private:
  FakeRegistry& inner_;
};

std::wstring windowName(ProgramWindow w) {
  switch (w) {
    case ProgramWindow::ControlPanel: return L"ControlPanel";
    case ProgramWindow::DailyPlanner: return L"DailyPlanner";
    case ProgramWindow::ReminderPopup: return L"ReminderPopup";
    case ProgramWindow::RssTicker: return L"RssTicker";
    case ProgramWindow::RssPageView: return L"RssPageView";
    case ProgramWindow::TodaysDate: return L"TodaysDate";
  }
  return L"?";
}

class StartupTest : public ::testing::Test {
 protected:
  // Records the window layer's steps, with a look at the other fakes at the moments that
  // matter, and fails the step it is told to.
  class RecordingWindows : public WindowFactory {
   public:
    explicit RecordingWindows(StartupTest& t) : t_(t) {}
    bool createClockWindow() override {
      calls.push_back(L"createClockWindow");
      mutexesAtClockWindow = t_.instances.mutexCreations();
      fileCallsAtClockWindow = t_.files.calls();
      return failing != L"createClockWindow";
    }
    void addTrayIcon() override { calls.push_back(L"addTrayIcon"); }
    void removeFromTaskbar() override {
      calls.push_back(L"removeFromTaskbar");
      registryCallsBeforeStyles = t_.registry.calls;
    }
    void setClockPictures(ClockStartPictures p) override {
      calls.push_back(L"setClockPictures");
      pictures = std::move(p);
    }
    bool createWindow(ProgramWindow window) override {
      calls.push_back(L"createWindow " + windowName(window));
      return failing != calls.back();
    }

    std::vector<std::wstring> calls;
    std::wstring failing;
    std::vector<std::wstring> mutexesAtClockWindow;
    std::vector<std::wstring> fileCallsAtClockWindow;
    int registryCallsBeforeStyles = -1;
    ClockStartPictures pictures;

   private:
    StartupTest& t_;
  };

  StartupResult run() {
    Startup startup({instances, boxes, shell, files, registry, resources, windows});
    const StartupResult result = startup.run();
    title = startup.applicationTitle();
    styles = startup.faceStyles();
    return result;
  }

  FakeSingleInstance instances;
  FakeMessageBox boxes;
  FakeShell shell;
  FakeFiles files;
  FakeRegistry storedSettings;
  CountingRegistry registry{storedSettings};
  FakeResources resources;
  RecordingWindows windows{*this};
  std::wstring title;
  FaceStyles styles;
};

const std::vector<std::wstring> kAllSteps = {L"createClockWindow",          L"addTrayIcon",
                                             L"removeFromTaskbar",          L"setClockPictures",
                                             L"createWindow ControlPanel",  L"createWindow DailyPlanner",
                                             L"createWindow ReminderPopup", L"createWindow RssTicker",
                                             L"createWindow RssPageView",   L"createWindow TodaysDate"};

TEST_F(StartupTest, SecondStartShowsTheMessageUnderTheDefaultTitleAndTouchesNothing) {
  storedSettings.setDword(L"Tikora", L"co_ha", 3);
  instances.addWindow(L"Tikora");  // the other copy's clock, hidden or not
  shell.program = L"D:\\Tools\\TIKORA.EXE";

  EXPECT_EQ(run(), StartupResult::AlreadyRunning);

  ASSERT_EQ(boxes.shown().size(), 1u);
  const MessageBoxRequest& box = boxes.shown()[0];
  EXPECT_EQ(box.text, L"     Tikora already running ...\r____________________________________");
  EXPECT_EQ(box.caption, L"Tikora");
  EXPECT_EQ(box.buttons, MessageBoxButtons::Ok);
  EXPECT_EQ(box.icon, MessageBoxIcon::None);
  EXPECT_EQ(instances.captionQueries(), std::vector<std::wstring>{L"Tikora"});
  EXPECT_TRUE(instances.mutexCreations().empty());
  EXPECT_TRUE(windows.calls.empty());
  EXPECT_EQ(registry.calls, 0);
  EXPECT_TRUE(storedSettings.changes().empty());
  EXPECT_TRUE(files.calls().empty());
  EXPECT_TRUE(resources.requests().empty());
}

TEST_F(StartupTest, SecondStartCaptionFollowsTheProgramFileName) {
  instances.addWindow(L"Tikora");
  shell.program = L"C:\\Apps\\ZEGAR.exe";
  EXPECT_EQ(run(), StartupResult::AlreadyRunning);
  ASSERT_EQ(boxes.shown().size(), 1u);
  EXPECT_EQ(boxes.shown()[0].caption, L"Zegar");
}

TEST(DefaultTitleTest, FileNameWithoutExtensionCapitalisedThenLowerCase) {
  EXPECT_EQ(defaultTitle(L"C:\\Program Files\\Tikora\\Tikora.exe"), L"Tikora");
  EXPECT_EQ(defaultTitle(L"C:\\APPS\\TIKORA.EXE"), L"Tikora");
  EXPECT_EQ(defaultTitle(L"tikora.exe"), L"Tikora");
  EXPECT_EQ(defaultTitle(L"zegar.EXE"), L"Zegar");
  EXPECT_EQ(defaultTitle(L"C:\\my.dir\\Desk.CLOCK.exe"), L"Desk.clock");
  EXPECT_EQ(defaultTitle(L"C:/Tools/NOEXT"), L"Noext");
  EXPECT_EQ(defaultTitle(L"\\\\server\\share\\ZEGAR ŁÓDŹ ÄÖ.EXE"), L"Zegar łódź äö");
  EXPECT_EQ(defaultTitle(L"ЧАСЫ.exe"), L"Часы");
  EXPECT_EQ(defaultTitle(L"C:\\x\\.exe"), L".exe");
  EXPECT_EQ(defaultTitle(L""), L"");
}

TEST_F(StartupTest, FirstStartMakesEverythingInOrder) {
  EXPECT_EQ(run(), StartupResult::RunMessageLoop);

  EXPECT_EQ(windows.calls, kAllSteps);
  EXPECT_EQ(title, L"Tikora");
  EXPECT_TRUE(boxes.shown().empty());
  // Mutex, then the probe, then the clock window.
  EXPECT_EQ(windows.mutexesAtClockWindow, std::vector<std::wstring>{L"VoiceTikoraMutex"});
  const std::vector<std::wstring> probe = {L"exists " + kProbePath, L"create " + kProbePath, L"exists " + kProbePath,
                                           L"remove " + kProbePath};
  EXPECT_EQ(windows.fileCallsAtClockWindow, probe);
  EXPECT_EQ(files.fileCount(), 0u) << "the probe leaves nothing behind";
  // The styles are read after the tray icon and the task bar steps, read-only.
  EXPECT_EQ(windows.registryCallsBeforeStyles, 0);
  EXPECT_GT(registry.calls, 0);
  EXPECT_EQ(registry.writableOpens, 0);
  EXPECT_TRUE(storedSettings.changes().empty());
}

TEST_F(StartupTest, AnExistingMutexOrAFailedOneDoesNotStopTheStart) {
  instances.addMutex(L"VoiceTikoraMutex");
  EXPECT_EQ(run(), StartupResult::RunMessageLoop);

  FakeSingleInstance failing;
  failing.setMutexCreationFails(true);
  FakeMessageBox moreBoxes;
  RecordingWindows moreWindows(*this);
  Startup again({failing, moreBoxes, shell, files, registry, resources, moreWindows});
  EXPECT_EQ(again.run(), StartupResult::RunMessageLoop);
  EXPECT_EQ(moreWindows.calls, kAllSteps);
}

TEST_F(StartupTest, RefusedProbeTellsTheUserOnceAndMakesNoWindow) {
  files.setFaultForAll(FakeFiles::Fault::CreateFails);

  EXPECT_EQ(run(), StartupResult::ProbeFailed);

  ASSERT_EQ(boxes.shown().size(), 1u);
  EXPECT_EQ(boxes.shown()[0].caption, L"Tikora");
  EXPECT_EQ(boxes.shown()[0].text,
            L"      Open Tikora as an Administrator...\r"
            L"          and give the program full privileges.\r"
            L"_______________________________________________________");
  EXPECT_EQ(boxes.shown()[0].buttons, MessageBoxButtons::Ok);
  EXPECT_EQ(instances.mutexCreations(), std::vector<std::wstring>{L"VoiceTikoraMutex"});
  EXPECT_TRUE(windows.calls.empty()) << "no clock window, no tray icon";
  EXPECT_EQ(registry.calls, 0);
  EXPECT_TRUE(resources.requests().empty());
}

TEST_F(StartupTest, AFailedProbeThatLeftAFileStillDeletesIt) {
  files.setFault(kProbePath, FakeFiles::Fault::CreateFailsLeavingFile);
  EXPECT_EQ(run(), StartupResult::ProbeFailed);
  EXPECT_EQ(files.fileCount(), 0u);
  EXPECT_EQ(boxes.shown().size(), 1u);
}

TEST_F(StartupTest, ProbeEdgeCasesStartNormally) {
  // The shell cannot name the folder: nothing to probe, nothing said.
  shell.appData = std::nullopt;
  EXPECT_EQ(run(), StartupResult::RunMessageLoop);
  EXPECT_TRUE(files.calls().empty());
  EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(StartupTest, SomeoneElsesTestFileIsLeftAsItIs) {
  files.putFile(kProbePath, "notes of another program");
  EXPECT_EQ(run(), StartupResult::RunMessageLoop);
  EXPECT_EQ(files.contents(kProbePath), "notes of another program");
  EXPECT_EQ(files.calls(), std::vector<std::wstring>{L"exists " + kProbePath});
}

TEST_F(StartupTest, ProbePathHasOneBackslash) {
  shell.appData = L"E:\\Roaming\\";
  EXPECT_EQ(run(), StartupResult::RunMessageLoop);
  ASSERT_GE(files.calls().size(), 2u);
  EXPECT_EQ(files.calls()[1], L"create E:\\Roaming\\test");
}

TEST_F(StartupTest, AWindowThatCannotBeMadeStopsTheStartThere) {
  windows.failing = L"createWindow RssTicker";
  EXPECT_EQ(run(), StartupResult::WindowFailed);
  EXPECT_EQ(windows.calls, std::vector<std::wstring>(kAllSteps.begin(), kAllSteps.begin() + 8));
}

TEST_F(StartupTest, NoClockWindowMeansNoTrayIconAndNoRegistry) {
  windows.failing = L"createClockWindow";
  EXPECT_EQ(run(), StartupResult::WindowFailed);
  EXPECT_EQ(windows.calls, std::vector<std::wstring>{L"createClockWindow"});
  EXPECT_EQ(registry.calls, 0);
}

TEST_F(StartupTest, StoredStylesChooseTheClockPictures) {
  storedSettings.setDword(L"Tikora", L"co_ha", 257);  // low byte 1
  storedSettings.setDword(L"Tikora", L"nrm_st", 4);
  Bitmap hour(240, 240);
  hour.setPixel(120, 30, 0x000000);
  hour.setPixel(121, 141, 0x000000);  // below the hand window: not part of the hand
  resources.add(L"MALA1", hour);
  Bitmap frame(240, 240);
  frame.setPixel(3, 2, 0x123456);
  resources.add(L"frame5", frame);

  EXPECT_EQ(run(), StartupResult::RunMessageLoop);

  EXPECT_EQ(styles, (FaceStyles{257, 4}));
  EXPECT_EQ(resources.requests(),
            (std::vector<std::wstring>{L"frame5", L"strip", L"stripe", L"mala1", L"srednia1", L"duza1"}));
  EXPECT_EQ(windows.pictures.hands.hour, (PixelList{{120, 30, 0x000000}}));
  EXPECT_TRUE(windows.pictures.hands.minute.empty());
  EXPECT_EQ(windows.pictures.faceLayer.frameList, (PixelList{{3, 2, 0x123456}}));
}

struct StoredStyles {
  std::optional<RegistryValue> coHa;
  std::optional<RegistryValue> nrmSt;
  FaceStyles expected;
};

TEST(ReadFaceStylesTest, MissingOrUnreadableValues) {
  const auto dword = [](std::uint32_t v) { return RegistryValue::ofDword(v); };
  const std::vector<StoredStyles> cases = {
      {dword(7), dword(12), {7, 12}},
      {dword(0xFFFFFFFF), dword(0xFFFFFFFF), {-1, -1}},
      {dword(7), std::nullopt, {7, 0}},
      {dword(7), RegistryValue::ofString(L"12"), {7, 0}},
      {std::nullopt, dword(12), {0, 0}},                   // frameStyle is then not read
      {RegistryValue::ofString(L"7"), dword(12), {0, 0}},  // unreadable handStyle
      {RegistryValue::ofBinary({7, 0, 0, 0}), dword(12), {0, 0}},
  };
  for (const StoredStyles& c : cases) {
    FakeRegistry reg;
    reg.addKey(L"Tikora");
    if (c.coHa) reg.set(L"Tikora", L"co_ha", *c.coHa);
    if (c.nrmSt) reg.set(L"Tikora", L"nrm_st", *c.nrmSt);
    EXPECT_EQ(readFaceStyles(reg), c.expected) << c.expected.handStyle << "," << c.expected.frameStyle;
    EXPECT_TRUE(reg.changes().empty());
    EXPECT_EQ(reg.openKeyCount(), 0);
  }

  FakeRegistry noKey;
  EXPECT_EQ(readFaceStyles(noKey), (FaceStyles{0, 0}));
  EXPECT_FALSE(noKey.hasKey(L"Tikora")) << "reading never creates the key";

  FakeRegistry elsewhere;  // under "Software" is not where the settings live
  elsewhere.setDword(L"Software\\Tikora", L"co_ha", 5);
  EXPECT_EQ(readFaceStyles(elsewhere), (FaceStyles{0, 0}));
}

TEST(FrameResourceNameTest, StylesZeroToThirtyNineElseTheBuiltInFrame) {
  EXPECT_EQ(frameResourceName(0), L"frame1");
  EXPECT_EQ(frameResourceName(5), L"frame6");
  EXPECT_EQ(frameResourceName(39), L"frame40");
  EXPECT_EQ(frameResourceName(40), L"frame1");
  EXPECT_EQ(frameResourceName(-1), L"frame1");  // what the first run stores
  EXPECT_EQ(frameResourceName(INT_MIN), L"frame1");
  EXPECT_EQ(frameResourceName(INT_MAX), L"frame1");
}

TEST(ClockStartPicturesTest, HandNamesFromTheLowByteOfTheHandStyle) {
  const std::vector<std::pair<std::int32_t, std::wstring>> cases = {
      {0, L""}, {1, L"1"}, {7, L"7"}, {17, L"17"}, {18, L""}, {255, L""}, {-1, L""}, {257, L"1"}, {256 + 17, L"17"}};
  for (const auto& [stored, suffix] : cases) {
    FakeResources resources;
    (void)loadClockStartPictures({stored, 0}, resources);
    const std::vector<std::wstring> expected = {L"frame1",           L"strip",        L"stripe", L"mala" + suffix,
                                                L"srednia" + suffix, L"duza" + suffix};
    EXPECT_EQ(resources.requests(), expected) << "co_ha " << stored;
  }
}

TEST(ClockStartPicturesTest, MissingFrameFallsBackToTheBuiltInPicture) {
  FakeResources resources;
  Bitmap frame1(240, 240);
  frame1.setPixel(0, 0, 0x00AA00);
  resources.add(L"frame1", frame1);
  Bitmap stripe(3, 1, 0x0000FF);
  resources.add(L"stripe", stripe);

  const ClockStartPictures pictures = loadClockStartPictures({0, 9}, resources);

  EXPECT_EQ(resources.requests()[0], L"frame10");
  EXPECT_EQ(resources.requests()[1], L"frame1");
  EXPECT_EQ(pictures.faceLayer.frameList, (PixelList{{0, 0, 0x00AA00}}));
  EXPECT_EQ(pictures.faceLayer.face.width(), 240);
  EXPECT_EQ(pictures.faceLayer.stripeList.size(), 3u) << "white pixels of the stripe count too";
  EXPECT_TRUE(pictures.faceLayer.stripList.empty());
  EXPECT_TRUE(pictures.hands.second.empty());
}

}  // namespace
}  // namespace tikora
