// The clock window's start pictures; see clock_start_pictures.h.
#include "clock/clock_start_pictures.h"

#include <optional>
#include <utility>

#include "clock/settings_schema.h"
#include "clock/settings_store.h"
#include "face/hand_picture.h"
#include "face/hand_style.h"

namespace tikora {
namespace {

constexpr std::uint32_t kFrameStyleCount = 40;
constexpr std::wstring_view kStripResource = L"strip";
constexpr std::wstring_view kStripeResource = L"stripe";

std::optional<Bitmap> load(const Resources& resources, std::wstring_view name) { return resources.loadBitmap(name); }

PixelList handList(const Resources& resources, const std::wstring& name) {
  const auto picture = load(resources, name);
  return picture ? handListFromPicture(*picture) : PixelList{};
}

}  // namespace

FaceStyles readFaceStyles(Registry& registry) {
  FaceStyles styles;
  auto key = registry.openKey(kSettingsKeyPath, KeyAccess::Read);
  if (!key) return styles;
  const auto handStyle = (*key)->readDword(settingOf(&Settings::handStyle).name);
  if (!handStyle) return styles;
  styles.handStyle = static_cast<std::int32_t>(*handStyle);
  if (const auto frameStyle = (*key)->readDword(settingOf(&Settings::frameStyle).name))
    styles.frameStyle = static_cast<std::int32_t>(*frameStyle);
  return styles;
}

std::wstring frameResourceName(std::int32_t frameStyle) {
  const auto index = static_cast<std::uint32_t>(frameStyle);
  return L"frame" + std::to_wstring(index < kFrameStyleCount ? index + 1 : 1);
}

ClockStartPictures loadClockStartPictures(const FaceStyles& styles, const Resources& resources) {
  const std::wstring frameName = frameResourceName(styles.frameStyle);
  auto frame = load(resources, frameName);
  if (!frame && frameName != L"frame1") frame = load(resources, L"frame1");
  auto strip = load(resources, kStripResource);
  auto stripe = load(resources, kStripeResource);

  ClockStartPictures pictures;
  pictures.faceLayer = createFaceLayer(frame.value_or(Bitmap()), std::move(strip).value_or(Bitmap()),
                                       std::move(stripe).value_or(Bitmap()));
  const HandResourceNames names = handResourceNames(handStyleFromStored(styles.handStyle));
  pictures.hands.hour = handList(resources, names.hour);
  pictures.hands.minute = handList(resources, names.minute);
  pictures.hands.second = handList(resources, names.second);
  return pictures;
}

}  // namespace tikora
