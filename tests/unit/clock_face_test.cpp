// The clock face at run time: start-up composition on the real frame and hand pictures, the face
// tick, and the change handlers of the face settings.
#include "clock/clock_face.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "face/hand_angles.h"
#include "face/hand_picture.h"
#include "face/ring.h"
#include "platform/fake/fake_resources.h"
#include "platform/fake/fake_text_metrics.h"

#ifndef TIKORA_MEDIA_DIR
#error "TIKORA_MEDIA_DIR must name the folder of the generated media"
#endif

namespace tikora {
namespace {

constexpr Colour kBlack = 0x000000;
constexpr Colour kFuchsia = 0xFF00FF;
constexpr Colour kRed = 0x0000FF;
constexpr Colour kYellow = 0x00FFFF;
constexpr Colour kMaroon = 0x000080;
constexpr Colour kAqua = 0xFFFF00;
constexpr Colour kNearWhitePixel = 0xFEFFFF;  // what near white 0x02FEFFFF draws as

// Frame colour rules 6 and 0, written out here rather than taken from the recolouring code.
Colour rule6(Colour c) { return ((c & 0xFF00FF) * 2) & 0xFFFFFF; }
Colour rule0(Colour c) { return c & 0x00FFFF; }

// Frame pixels the face disk does not cover (the disk's radius is 101).
bool outsideDisk(const PixelRecord& r) { return std::hypot(r.x - 119.5, r.y - 119.5) > 103.0; }

// The clock window at the upper right of a 1280 x 1024 screen.
constexpr Point kWindowOrigin{1010, 30};
Point onScreen(int x, int y) { return {kWindowOrigin.x + x, kWindowOrigin.y + y}; }
constexpr Point kFarAway{0, 1000};

CivilTime at(int hour, int minute, int second) {
  CivilTime time;
  time.year = 2024;
  time.month = 5;
  time.day = 17;
  time.hour = hour;
  time.minute = minute;
  time.second = second;
  return time;
}

class ClockFaceTest : public ::testing::Test {
 protected:
  ClockFaceTest() : resources_(TIKORA_MEDIA_DIR) { window_.setWindowPosition(kWindowOrigin.x, kWindowOrigin.y); }

  // A face made from the first-run pictures (frame style -1: "frame1"; hand style 0).
  ClockFace& face() {
    if (!face_) {
      ClockFaceHooks hooks{[this] {
                             ++pumps_;
                             if (onPump_) onPump_();
                           },
                           [this] { ++stripeCopies_; }, [this] { return switches_; },
                           [this] {
                             ++availabilityChecks_;
                             if (onAvailability_) onAvailability_();
                           }};
      face_.emplace(window_, metrics_, resources_, loadClockStartPictures(FaceStyles{0, -1}, resources_),
                    std::move(hooks));
    }
    return *face_;
  }
  ClockFace& composed(const ClockFaceSettings& settings = {}) {
    face().composeAtStartUp(settings);
    return *face_;
  }
  Colour facePixel(int x, int y) { return face().faceLayer().face.pixel(x, y); }
  Bitmap loadMedia(const std::wstring& name) { return resources_.loadBitmap(name).value(); }

  ClockWindowModel window_;
  FakeTextMetrics metrics_;
  FakeResources resources_;
  std::optional<ClockFace> face_;
  int pumps_ = 0;
  int stripeCopies_ = 0;
  std::function<void()> onPump_;
  // The control panel's seconds and laser switches, as the face reads them.
  FaceSwitches switches_;
  int availabilityChecks_ = 0;
  std::function<void()> onAvailability_;
};

// ---- Start-up composition ----

TEST_F(ClockFaceTest, StartUpRecoloursTheFrameByRuleSixAndDrawsDiskAndRing) {
  ClockFace& clock = composed();
  const FaceLayerState& layer = clock.faceLayer();

  int checked = 0;
  for (const PixelRecord& r : layer.frameList) {
    if (!outsideDisk(r)) continue;
    ASSERT_EQ(layer.face.pixel(r.x, r.y), rule6(r.colour)) << r.x << "," << r.y;
    ++checked;
  }
  EXPECT_GT(checked, 5000);
  // The gold of the pictures becomes 0x6E01A8 under rule 6.
  EXPECT_EQ(rule6(0x0037AFD4), 0x006E01A8u);
  for (const PixelRecord& r : layer.stripList) ASSERT_EQ(layer.strip.pixel(r.x, r.y), rule6(r.colour));
  for (const PixelRecord& r : layer.stripeList) ASSERT_EQ(layer.stripe.pixel(r.x, r.y), rule6(r.colour));
  EXPECT_EQ(layer.strip.pixel(34, 8), kPureWhite);  // the see-through gap stays white
  // At start the stripe is not handed out: the other windows take their own copy.
  EXPECT_EQ(stripeCopies_, 0);

  // Face disk in the background colour, away from the ring.
  for (const Point p : {Point{120, 120}, Point{60, 120}, Point{120, 180}, Point{100, 50}})
    EXPECT_EQ(facePixel(p.x, p.y), kBlack) << p.x << "," << p.y;
  // Style 1: marks are fuchsia circles of radius 4 outlined in the background colour, the other
  // positions fuchsia dots of radius 2.
  EXPECT_EQ(secondsRingPosition(0), (Point{27, 120}));
  EXPECT_EQ(facePixel(27, 120), kFuchsia);
  EXPECT_EQ(facePixel(120, 27), kFuchsia);  // 12 o'clock mark
  EXPECT_EQ(facePixel(24, 120), kFuchsia);  // inside the mark's circle
  EXPECT_EQ(facePixel(23, 120), kBlack);    // its outline
  EXPECT_EQ(facePixel(25, 120), kBlack);    // the outline of the small dot drawn over it
  const Point one = secondsRingPosition(1);
  EXPECT_EQ(facePixel(one.x, one.y), kFuchsia);
  EXPECT_EQ(facePixel(one.x, one.y - 3), kBlack);  // beyond a small dot
}

TEST_F(ClockFaceTest, StartUpColoursTheDigitsWeekdayAndDate) {
  composed();
  for (int n = 1; n <= 12; ++n) {
    const ClockLayer& digit = window_.layer(digitComponent(n));
    EXPECT_EQ(digit.textColour, kRed);
    // Weekday and date are off at a first run, so all twelve digits show.
    EXPECT_TRUE(digit.visible) << n;
  }
  EXPECT_EQ(window_.layer(ClockComponent::Weekday).textColour, kYellow);
  EXPECT_EQ(window_.layer(ClockComponent::Date).textColour, kYellow);
}

TEST_F(ClockFaceTest, StartUpBuildsTheSecondHandTablePumpingBeforeEachEntry) {
  ClockFace& clock = composed();
  EXPECT_EQ(pumps_, 60);
  EXPECT_TRUE(clock.hands().redrawFlag());
  const SecondHandTable& table = clock.hands().secondHandTable();
  EXPECT_FALSE(table.rebuilding());
  for (int j = 0; j < 60; ++j) {
    ASSERT_FALSE(table.entry(j).empty()) << j;
    EXPECT_EQ(table.entry(j).pixel(0, 239), kBlack);
  }
  // The second hand in maroon points up in entry 0 and right in entry 15.
  EXPECT_EQ(table.entry(0).pixel(120, 60), kMaroon);
  EXPECT_EQ(table.entry(15).pixel(180, 120), kMaroon);
  for (const auto c : {ClockComponent::HourHand, ClockComponent::MinuteHand, ClockComponent::SecondHand})
    EXPECT_TRUE(window_.layer(c).visible);
}

TEST_F(ClockFaceTest, DigitSwitchesFollowTheSettings) {
  ClockFaceSettings settings;
  settings.weekdayOff = false;  // weekday shown: no 9
  settings.dateOff = false;     // date shown: no 3
  composed(settings);
  EXPECT_FALSE(window_.layer(ClockComponent::Digit3).visible);
  EXPECT_FALSE(window_.layer(ClockComponent::Digit9).visible);
  EXPECT_TRUE(window_.layer(ClockComponent::Digit12).visible);

  face_->setDigitsOff(true);
  for (int n = 1; n <= 12; ++n) EXPECT_FALSE(window_.layer(digitComponent(n)).visible) << n;
  // The weekday switched off since: its digit 9 comes back with the digits, the 3 stays away.
  face_->noteWeekdayAndDateOff(true, false);
  face_->setDigitsOff(false);
  EXPECT_TRUE(window_.layer(ClockComponent::Digit9).visible);
  EXPECT_FALSE(window_.layer(ClockComponent::Digit3).visible);
  face_->setDigitsOff(true);
  EXPECT_EQ(face_->changeDigitColour(kPureWhite), kNearWhite);
  EXPECT_EQ(window_.layer(ClockComponent::Digit7).textColour, kNearWhite);
}

// ---- Face tick ----

TEST_F(ClockFaceTest, TickShowsTheTableEntryAndRendersHourAndMinuteEveryTenSeconds) {
  ClockFace& clock = composed();
  (void)clock.takeRepaint();
  const HandLists& lists = clock.hands().handLists();
  auto hourAt = [&](int h, int m) { return renderHand(lists.hour, kMaroon, kBlack, hourHandAngle(h, m)); };
  auto minuteAt = [&](int m, int s) { return renderHand(lists.minute, kMaroon, kBlack, minuteHandAngle(m, s)); };

  // The first tick renders everything, because start-up set the redraw flag.
  clock.faceTick(at(10, 20, 5), kFarAway);
  EXPECT_EQ(clock.currentSecond(), 5);
  EXPECT_EQ(clock.hands().secondLayer(), clock.hands().secondHandTable().entry(5));
  EXPECT_EQ(clock.hands().hourLayer(), hourAt(10, 20));
  EXPECT_EQ(clock.hands().minuteLayer(), minuteAt(20, 5));
  EXPECT_FALSE(clock.hands().redrawFlag());
  EXPECT_TRUE(clock.takeRepaint());
  EXPECT_FALSE(clock.takeRepaint());

  // Between tens the hour and minute layers stay as they were, even across a minute.
  const Bitmap hour = clock.hands().hourLayer(), minute = clock.hands().minuteLayer();
  clock.faceTick(at(10, 21, 6), kFarAway);
  EXPECT_EQ(clock.hands().secondLayer(), clock.hands().secondHandTable().entry(6));
  EXPECT_EQ(clock.hands().hourLayer(), hour);
  EXPECT_EQ(clock.hands().minuteLayer(), minute);

  clock.faceTick(at(10, 21, 10), kFarAway);
  EXPECT_EQ(clock.hands().hourLayer(), hourAt(10, 21));
  EXPECT_EQ(clock.hands().minuteLayer(), minuteAt(21, 10));
  EXPECT_NE(clock.hands().minuteLayer(), minute);

  // A hand colour change sets the flag: the next tick renders whatever the second.
  EXPECT_EQ(clock.changeHandColour(0x00FF0000), 0x00FF0000u);
  EXPECT_TRUE(clock.hands().redrawFlag());
  clock.faceTick(at(10, 21, 13), kFarAway);
  EXPECT_EQ(clock.hands().hourLayer(), renderHand(lists.hour, 0x00FF0000, kBlack, hourHandAngle(10, 21)));
  EXPECT_EQ(clock.hands().secondLayer(), clock.hands().secondHandTable().entry(13));
}

TEST_F(ClockFaceTest, TickShowsTheStripWhileThePointerIsOverTheClock) {
  ClockFace& clock = composed();
  (void)clock.takeRepaint();
  const ClockLayer& strip = window_.layer(ClockComponent::Strip);
  EXPECT_FALSE(strip.visible);

  clock.faceTick(at(9, 0, 1), onScreen(188 + 10, 221 + 5));  // over "Panel"
  EXPECT_TRUE(strip.visible);
  EXPECT_EQ(window_.stripHint(), L"Clock Control Panel");
  EXPECT_TRUE(clock.takeRepaint());

  clock.faceTick(at(9, 0, 2), onScreen(188 + 40, 221 + 5));  // over "C"
  EXPECT_EQ(window_.stripHint(), L"Close the Program");
  clock.faceTick(at(9, 0, 3), onScreen(50, 50));  // elsewhere on the clock: hint kept
  EXPECT_TRUE(strip.visible);
  EXPECT_EQ(window_.stripHint(), L"Close the Program");

  clock.faceTick(at(9, 0, 4), onScreen(241, 50));  // just right of the window
  EXPECT_FALSE(strip.visible);
  EXPECT_EQ(window_.stripHint(), L"Close the Program");
  EXPECT_NE(clock.picture(ClockComponent::Strip), nullptr);
}

TEST_F(ClockFaceTest, LaserLightsTheCurrentSecondAndRepairsTheRingBehind) {
  switches_.laserOff = false;
  ClockFace& clock = composed();
  const Point top = secondPosition(0), next = secondPosition(1);
  EXPECT_EQ(top, (Point{120, 27}));

  clock.faceTick(at(12, 0, 0), kFarAway);
  EXPECT_EQ(facePixel(top.x, top.y), kAqua);
  clock.faceTick(at(12, 0, 1), kFarAway);
  EXPECT_EQ(facePixel(next.x, next.y), kAqua);
  EXPECT_EQ(facePixel(top.x, top.y), kFuchsia);
  EXPECT_EQ(availabilityChecks_, 2);

  // Style 9 has no laser step, whatever the switch says.
  clock.selectSecondsStyle(SecondsStyle::TicksAndPoints);
  const Bitmap ring = clock.faceLayer().face;
  clock.faceTick(at(12, 0, 2), kFarAway);
  EXPECT_EQ(clock.faceLayer().face, ring);
}

TEST_F(ClockFaceTest, LaserFollowsItsSwitchAsThePanelLeavesItEachTick) {
  ClockFace& clock = composed();
  clock.faceTick(at(12, 0, 0), kFarAway);
  EXPECT_EQ(facePixel(120, 27), kFuchsia);

  switches_.laserOff = false;
  clock.laserSwitchClicked();
  EXPECT_EQ(clock.changeLaserColour(kPureWhite), kNearWhite);
  clock.faceTick(at(12, 0, 15), kFarAway);
  const Point right = secondPosition(15);
  EXPECT_EQ(facePixel(right.x, right.y), kNearWhitePixel);

  // The panel ticks the switch in the tick's availability step, before the laser would be
  // drawn: its click action repairs the dot and no new one is drawn.
  onAvailability_ = [this] {
    switches_.laserOff = true;
    face_->laserSwitchClicked();
  };
  clock.faceTick(at(12, 0, 16), kFarAway);
  const Point below = secondPosition(16);
  EXPECT_EQ(facePixel(below.x, below.y), kFuchsia);
}

// ---- Change handlers ----

TEST_F(ClockFaceTest, FrameStyleLoadsTheNewFrameInTheCurrentColourRule) {
  ClockFace& clock = composed();
  ASSERT_TRUE(clock.changeFrameStyle(1));
  const PixelList frame2 = collectNonWhite(loadMedia(L"frame2"));
  EXPECT_EQ(clock.faceLayer().frameList, frame2);
  for (const PixelRecord& r : frame2) {
    if (outsideDisk(r)) {
      ASSERT_EQ(facePixel(r.x, r.y), rule6(r.colour));
    }
  }
  EXPECT_EQ(facePixel(60, 120), kBlack);
  EXPECT_EQ(facePixel(27, 120), kFuchsia);
  EXPECT_EQ(stripeCopies_, 1);

  const Bitmap before = clock.faceLayer().face;
  EXPECT_FALSE(clock.changeFrameStyle(40));
  EXPECT_FALSE(clock.changeFrameStyle(-1));
  EXPECT_EQ(clock.faceLayer().face, before);
  EXPECT_EQ(stripeCopies_, 1);
}

TEST_F(ClockFaceTest, FrameColourRecoloursFrameStripAndStripeFromTheOriginals) {
  ClockFace& clock = composed();
  clock.changeFrameColour(3);
  clock.changeFrameColour(0);
  const FaceLayerState& layer = clock.faceLayer();
  for (const PixelRecord& r : layer.frameList) {
    if (outsideDisk(r)) {
      ASSERT_EQ(layer.face.pixel(r.x, r.y), rule0(r.colour));
    }
  }
  for (const PixelRecord& r : layer.stripList) ASSERT_EQ(layer.strip.pixel(r.x, r.y), rule0(r.colour));
  EXPECT_EQ(stripeCopies_, 2);
  EXPECT_EQ(clock.settings().frameColourRule, 0);
  EXPECT_EQ(facePixel(60, 120), kBlack);  // the disk is not touched

  const Bitmap before = layer.face;
  clock.changeFrameColour(19);
  EXPECT_EQ(layer.face, before);
  EXPECT_EQ(clock.settings().frameColourRule, 0);
}

TEST_F(ClockFaceTest, WhiteBackgroundIsKeptNearWhiteForDiskRingAndHands) {
  ClockFace& clock = composed();
  clock.faceTick(at(3, 0, 20), kFarAway);
  pumps_ = 0;
  EXPECT_EQ(clock.changeBackground(kPureWhite), kNearWhite);
  EXPECT_EQ(clock.settings().background, kNearWhite);
  EXPECT_EQ(facePixel(60, 120), kNearWhitePixel);
  EXPECT_EQ(facePixel(27, 120), kFuchsia);
  EXPECT_EQ(facePixel(23, 120), kNearWhitePixel);  // mark outline in the new background
  EXPECT_EQ(pumps_, 61);                           // sixty rotations, then once more
  EXPECT_TRUE(clock.hands().redrawFlag());
  EXPECT_EQ(clock.hands().secondHandTable().entry(30).pixel(0, 239), kNearWhitePixel);
  clock.faceTick(at(3, 0, 21), kFarAway);
  EXPECT_EQ(clock.hands().hourLayer().pixel(0, 239), kNearWhitePixel);
}

TEST_F(ClockFaceTest, HandStyleLoadsTheStylesPicturesAndRebuildsTheTable) {
  ClockFace& clock = composed();
  clock.faceTick(at(3, 0, 20), kFarAway);
  resources_.clearRequests();
  pumps_ = 0;
  clock.changeHandStyle(3);
  EXPECT_EQ(resources_.requests(), (std::vector<std::wstring>{L"mala3", L"srednia3", L"duza3"}));
  EXPECT_EQ(clock.hands().handLists().second, handListFromPicture(loadMedia(L"duza3")));
  EXPECT_EQ(pumps_, 60);
  EXPECT_TRUE(clock.hands().redrawFlag());

  resources_.clearRequests();
  clock.changeHandStyle(18);  // outside the list: the plain pictures
  EXPECT_EQ(resources_.requests(), (std::vector<std::wstring>{L"mala", L"srednia", L"duza"}));
}

TEST_F(ClockFaceTest, HandSwitchesShowAndHideTheHandLayers) {
  ClockFace& clock = composed();
  auto shown = [&] {
    return std::vector<bool>{window_.layer(ClockComponent::HourHand).visible,
                             window_.layer(ClockComponent::MinuteHand).visible,
                             window_.layer(ClockComponent::SecondHand).visible};
  };
  clock.setSecondHandOff(true);
  EXPECT_EQ(shown(), (std::vector<bool>{true, true, false}));
  clock.setAllHandsOff(true);
  EXPECT_EQ(shown(), (std::vector<bool>{false, false, false}));
  clock.setSecondHandOff(false);
  EXPECT_EQ(shown(), (std::vector<bool>{false, false, false}));
  clock.setAllHandsOff(false);
  EXPECT_EQ(shown(), (std::vector<bool>{true, true, true}));
}

TEST_F(ClockFaceTest, SecondsColourStyleAndSwitch) {
  ClockFace& clock = composed();
  EXPECT_EQ(clock.changeSecondsColour(0x0000FF00), 0x0000FF00u);
  EXPECT_EQ(facePixel(27, 120), 0x0000FF00u);
  EXPECT_EQ(clock.changeSecondsColour(kPureWhite), kNearWhite);
  EXPECT_EQ(facePixel(27, 120), kNearWhitePixel);

  switches_.secondsOff = true;
  clock.secondsSwitchClicked();
  EXPECT_EQ(facePixel(27, 120), kBlack);
  EXPECT_EQ(facePixel(120, 27), kBlack);
  clock.selectSecondsStyle(SecondsStyle::SolidSquares);  // nothing shows while off
  EXPECT_EQ(facePixel(27, 120), kBlack);
  EXPECT_TRUE(clock.changeFrameStyle(2));
  EXPECT_EQ(facePixel(27, 120), kBlack);

  switches_.secondsOff = false;
  clock.secondsSwitchClicked();
  EXPECT_EQ(facePixel(27, 120), kNearWhitePixel);
  EXPECT_EQ(facePixel(23, 116), kNearWhitePixel);  // a solid square's corner
}

TEST_F(ClockFaceTest, ATickDuringTheTableRebuildShowsTheEntriesMadeSoFar) {
  // The timer fires while the start-up composition handles messages between rotations.
  int ticks = 0;
  onPump_ = [&] {
    if (pumps_ == 31 && ticks++ == 0) face_->faceTick(at(8, 15, 20), kFarAway);
  };
  ClockFace& clock = composed();
  EXPECT_EQ(ticks, 1);
  EXPECT_EQ(clock.hands().secondLayer(), clock.hands().secondHandTable().entry(20));

  // A hand colour change started from inside a rebuild finishes the table itself.
  onPump_ = [&] {
    if (pumps_ == 65) face_->changeHandColour(0x00008000);
  };
  pumps_ = 60;
  clock.changeBackground(0x00400000);
  EXPECT_FALSE(clock.hands().secondHandTable().rebuilding());
  EXPECT_EQ(clock.hands().secondHandTable().entry(0).pixel(120, 60), 0x00008000u);
  EXPECT_EQ(clock.hands().secondHandTable().entry(59).pixel(0, 239), 0x00400000u);
}

TEST_F(ClockFaceTest, PicturesOfTheLayers) {
  ClockFace& clock = composed();
  EXPECT_EQ(clock.picture(ClockComponent::Face), &clock.faceLayer().face);
  EXPECT_EQ(clock.picture(ClockComponent::DecorativeStripe), &clock.faceLayer().stripe);
  EXPECT_EQ(clock.picture(ClockComponent::DigitalTime), nullptr);
  EXPECT_EQ(clock.picture(ClockComponent::HourHand), nullptr);  // no hands before the first tick
  clock.faceTick(at(1, 2, 3), kFarAway);
  EXPECT_EQ(clock.picture(ClockComponent::HourHand), &clock.hands().hourLayer());
  EXPECT_EQ(clock.picture(ClockComponent::SecondHand), &clock.hands().secondLayer());
}

}  // namespace
}  // namespace tikora
