// Scaling to a screen's resolution: the layout tables of the control panel and the planner at
// 100, 125, 150 and 200 %, fonts by DPI, and the 96-DPI width that covers a screen.
#include "core/dpi.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "clock/control_panel_layout.h"
#include "planner/planner_window_model.h"
#include "platform/fake/fake_clock.h"
#include "platform/fake/fake_code_page.h"
#include "platform/fake/fake_locale.h"
#include "platform/fake/fake_message_box.h"
#include "platform/fake/fake_registry.h"
#include "platform/fake/fake_text_metrics.h"

namespace tikora {
namespace {

constexpr int kDpis[] = {96, 120, 144, 192};

bool inside(const Rect& inner, const Rect& outer) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right() <= outer.right() &&
         inner.bottom() <= outer.bottom();
}

// How two rectangles stand to each other along one axis: apart (with a gap), touching, or
// sharing pixels.
int relation(int firstEnd, int secondStart) { return firstEnd < secondStart ? -1 : firstEnd == secondStart ? 0 : 1; }

// Every pair of components on one parent stands to each other at `dpi` as at 96: neighbours that
// touch still touch, a gap stays a gap, nothing comes to overlap, what holds another still holds
// it, and every size is within a pixel of the exact one.
void expectLayoutKeepsItsShape(const std::vector<Component>& table, int dpi) {
  const double factor = dpi / 96.0;
  for (const Component& a : table) {
    const Rect& at96 = a.state.bounds;
    const Rect scaled = scaleToDpi(at96, dpi);
    EXPECT_LE(std::abs(scaled.width - at96.width * factor), 1.0) << a.name;
    EXPECT_LE(std::abs(scaled.height - at96.height * factor), 1.0) << a.name;
    for (const Component& b : table) {
      if (&a == &b || a.parent != b.parent) continue;
      const Rect& other96 = b.state.bounds;
      const Rect other = scaleToDpi(other96, dpi);
      EXPECT_EQ(relation(scaled.right(), other.left), relation(at96.right(), other96.left)) << a.name << " " << b.name;
      EXPECT_EQ(relation(scaled.bottom(), other.top), relation(at96.bottom(), other96.top)) << a.name << " " << b.name;
      EXPECT_EQ(scaled.intersects(other), at96.intersects(other96)) << a.name << " " << b.name;
      if (inside(at96, other96)) {
        EXPECT_TRUE(inside(scaled, other)) << a.name << " in " << b.name;
      }
    }
  }
}

TEST(DpiTest, LayoutTablesKeepTheirShapeAtEveryScaling) {
  FakeTextMetrics metrics;
  FakeRegistry registry;
  FakeAnsiCodePage codePage;
  FakeClock clock;
  FakeLocale locale;
  FakeMessageBox boxes;
  PlannerWindowModel planner({registry, codePage, clock, locale, metrics, boxes});
  const std::vector<Component> panel = controlPanelComponents(metrics);
  for (const int dpi : kDpis) {
    SCOPED_TRACE(testing::Message() << dpi << " DPI");
    expectLayoutKeepsItsShape(panel, dpi);
    expectLayoutKeepsItsShape(planner.components().all(), dpi);
  }
  for (const Component& c : panel) EXPECT_EQ(scaleToDpi(c.state.bounds, 96), c.state.bounds) << c.name;
}

TEST(DpiTest, EdgesRoundToTheNearestPixelHalvesAwayFromZero) {
  struct Case {
    int value, dpi, scaled;
  };
  for (const Case& c : {Case{0, 144, 0},
                        {1, 144, 2},
                        {3, 144, 5},
                        {-1, 144, -2},
                        {-3, 144, -5},
                        {731, 144, 1097},
                        {499, 144, 749},
                        {2, 120, 3},
                        {6, 120, 8},
                        {731, 120, 914},
                        {731, 192, 1462},
                        {7, 96, 7},
                        {10, 0, 10}}) {
    EXPECT_EQ(scaleToDpi(c.value, c.dpi), c.scaled) << c.value << " at " << c.dpi;
  }
  // Sizes follow the edges: two 3-pixel neighbours at 150 % are 5 and 4 pixels wide, and touch.
  EXPECT_EQ(scaleToDpi(Rect{1, 0, 3, 3}, 144), (Rect{2, 0, 4, 5}));
  EXPECT_EQ(scaleToDpi(Rect{4, 0, 3, 3}, 144), (Rect{6, 0, 5, 5}));
}

TEST(DpiTest, FontsGrowWithTheDpiByTheirPointsOrTheirPixels) {
  struct Case {
    FontSpec font;
    int dpi, height;
  };
  const FontSpec arial8{L"Arial", 8};
  const FontSpec title{L"Times New Roman", 0, true, true, false, 27};
  for (const Case& c : {Case{arial8, 96, 11},
                        {arial8, 120, 13},
                        {arial8, 144, 16},
                        {arial8, 192, 21},
                        {FontSpec{L"Arial", 12}, 96, 16},
                        {FontSpec{L"Arial", 12}, 144, 24},
                        {title, 96, 27},
                        {title, 120, 34},
                        {title, 144, 41},
                        {title, 192, 54}}) {
    EXPECT_EQ(characterHeight(c.font, c.dpi), c.height)
        << c.font.points << " pt / " << c.font.pixels << " px at " << c.dpi;
  }
}

TEST(DpiTest, TheFewestStandardPixelsThatCoverAScreen) {
  struct Case {
    int pixels, dpi, standard;
  };
  for (const Case& c : {Case{1280, 96, 1280},
                        {1920, 144, 1280},
                        {1921, 144, 1281},
                        {1366, 120, 1093},
                        {2560, 192, 1280},
                        {2561, 192, 1281},
                        {0, 144, 0}}) {
    const int standard = standardPixelsCovering(c.pixels, c.dpi);
    EXPECT_EQ(standard, c.standard) << c.pixels << " at " << c.dpi;
    EXPECT_GE(scaleToDpi(standard, c.dpi), c.pixels);
  }
}

}  // namespace
}  // namespace tikora
