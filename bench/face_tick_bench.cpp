// Budget of the clock face's second (native build, optimised):
//   BM_WholeFaceTick  the face tick with the second hand moving (the hour and minute hands
//                     rendered every tenth second, as at run time), every picture layer composed
//                     into the window's 240 x 240 frame in its order, and the part of the frame
//                     that changed, which is all the window sends to the screen    <= 0.2 ms
// The face is the first-run face on the real media. Labels are left out: GDI draws them.
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "clock/clock_face.h"
#include "clock/clock_start_pictures.h"
#include "core/frame.h"
#include "face/hands.h"
#include "platform/fake/fake_resources.h"
#include "platform/fake/fake_text_metrics.h"

namespace tikora {
namespace {

constexpr int kSize = kClockWindowSize;
constexpr std::size_t kStride = std::size_t(kSize) * 3;

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

void composePictures(const ClockWindowModel& window, const ClockFace& face, const FrameRows& frame) {
  std::memset(frame.bits, 0xFF, kStride * kSize);
  for (const ClockComponent component : window.layerOrder()) {
    const ClockLayer& layer = window.layer(component);
    const Bitmap* picture = face.picture(component);
    if (!layer.visible || !picture) continue;
    if (window.layerKind(component) == LayerKind::Picture) {
      copyPicture(frame, *picture, layer.bounds);
    } else if (window.layerKind(component) == LayerKind::TransparentPicture) {
      if (const auto leftOut = handLayerTransparentColour(*picture))
        copyPictureLeavingOut(frame, *picture, layer.bounds, *leftOut);
    }
  }
}

void BM_WholeFaceTick(benchmark::State& state) {
  ClockWindowModel window;
  window.setWindowPosition(1010, 30);
  FakeTextMetrics metrics;
  FakeResources resources(TIKORA_MEDIA_DIR);
  ClockFace face(window, metrics, resources, loadClockStartPictures(FaceStyles{0, -1}, resources));
  face.composeAtStartUp(ClockFaceSettings{});
  const Point farAway{0, 1000};

  std::vector<std::uint8_t> shown(kStride * kSize), composed(kStride * kSize);
  face.faceTick(at(10, 8, 0), farAway);
  composePictures(window, face, {shown.data(), kSize, kSize, kStride});
  int second = 1;
  long long repainted = 0;
  for (auto _ : state) {
    face.faceTick(at(10, 8, second), farAway);
    face.takeRepaint();
    composePictures(window, face, {composed.data(), kSize, kSize, kStride});
    const Rect changed = changedArea(shown.data(), composed.data(), kSize, kSize, kStride);
    repainted += std::max(changed.width, 0) * std::max(changed.height, 0);
    shown.swap(composed);
    second = (second + 1) % 60;
  }
  state.counters["repainted_pixels"] = benchmark::Counter(double(repainted), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_WholeFaceTick)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tikora
