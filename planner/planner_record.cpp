// The planner record's stored form; see planner_record.h.
#include "planner/planner_record.h"

#include <algorithm>

namespace tikora {
namespace {

constexpr std::size_t kTitleLength = 0;
constexpr std::size_t kTitleText = 1;
constexpr std::size_t kDescriptionLength = 97;
constexpr std::size_t kDescriptionText = 98;
constexpr std::size_t kDate = 360;
constexpr std::size_t kTime = 368;
constexpr std::size_t kSound = 376;

void putText(PlannerRecordBytes& bytes, std::size_t lengthAt, std::size_t textAt, std::wstring_view text,
             std::size_t limit, const AnsiCodePage& codePage) {
  const std::string stored = ansiCut(text, limit, codePage);
  bytes[lengthAt] = static_cast<std::uint8_t>(stored.size());
  std::copy(stored.begin(), stored.end(), bytes.begin() + static_cast<std::ptrdiff_t>(textAt));
}

std::wstring takeText(std::span<const std::uint8_t> bytes, std::size_t lengthAt, std::size_t textAt, std::size_t limit,
                      const AnsiCodePage& codePage) {
  const std::size_t length = std::min<std::size_t>(bytes[lengthAt], limit);
  const std::string stored(reinterpret_cast<const char*>(bytes.data() + textAt), length);
  return codePage.fromAnsi(stored);
}

DateTime takeDateTime(std::span<const std::uint8_t> bytes, std::size_t at) {
  return DateTime::fromBytes(bytes.subspan(at, 8)).value_or(DateTime{});
}

}  // namespace

PlannerRecordBytes encodePlannerRecord(const PlannerRecord& record, const AnsiCodePage& codePage) {
  PlannerRecordBytes bytes{};
  putText(bytes, kTitleLength, kTitleText, record.title, kPlannerTitleBytes, codePage);
  putText(bytes, kDescriptionLength, kDescriptionText, record.description, kPlannerDescriptionBytes, codePage);
  const auto date = record.date.toBytes();
  const auto time = record.time.toBytes();
  std::copy(date.begin(), date.end(), bytes.begin() + kDate);
  std::copy(time.begin(), time.end(), bytes.begin() + kTime);
  bytes[kSound] = record.sound ? 1 : 0;
  return bytes;
}

std::optional<PlannerRecord> decodePlannerRecord(std::span<const std::uint8_t> bytes, const AnsiCodePage& codePage) {
  if (bytes.size() != kPlannerRecordSize) return std::nullopt;
  PlannerRecord record;
  record.title = takeText(bytes, kTitleLength, kTitleText, kPlannerTitleBytes, codePage);
  record.description = takeText(bytes, kDescriptionLength, kDescriptionText, kPlannerDescriptionBytes, codePage);
  record.date = takeDateTime(bytes, kDate);
  record.time = takeDateTime(bytes, kTime);
  record.sound = bytes[kSound] != 0;
  return record;
}

PlannerRecord asStored(const PlannerRecord& record, const AnsiCodePage& codePage) {
  return *decodePlannerRecord(encodePlannerRecord(record, codePage), codePage);
}

}  // namespace tikora
