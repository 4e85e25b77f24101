// One planner item and its stored form: a record of 384 bytes, the same in memory and in the
// registry, all numbers little-endian:
//
//     0    1  title length, 0..96           97    1  description length, 0..255
//     1   96  title bytes                   98  255  description bytes (line breaks kept)
//   353    7  reserved                     360    8  execution date, a date-time double
//   368    8  execution time, a fraction   376    1  notify with sound: 1 yes, 0 no
//   377    7  reserved
//
// The texts are kept in the system's ANSI code page; in the program they are Unicode and cross
// into and out of the record here. A character the code page cannot hold is stored as "?", and a
// text too long for its field is cut at the last whole character that fits (an ANSI code page
// may take two bytes for a character). Reserved bytes and the bytes after a text's length are
// written as zeros and never read.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/datetime.h"
#include "platform/code_page.h"

namespace tikora {

inline constexpr std::size_t kPlannerRecordSize = 384;
inline constexpr std::size_t kPlannerTitleBytes = 96;
inline constexpr std::size_t kPlannerDescriptionBytes = 255;

using PlannerRecordBytes = std::array<std::uint8_t, kPlannerRecordSize>;

struct PlannerRecord {
  std::wstring title;
  std::wstring description;  // what to do; may hold "\r\n"
  DateTime date;             // the execution date as the date picker gives it
  DateTime time;             // the execution time of day (a fraction of a day)
  bool sound = false;        // the reminder plays its sound

  friend bool operator==(const PlannerRecord&, const PlannerRecord&) = default;
};

PlannerRecordBytes encodePlannerRecord(const PlannerRecord& record, const AnsiCodePage& codePage);
// Nothing unless `bytes` is exactly one record long. A length above its field's size reads as
// the whole field; a date or time that is no valid date-time reads as 0 (30 December 1899,
// midnight), so such an item shows as passed and can be deleted.
std::optional<PlannerRecord> decodePlannerRecord(std::span<const std::uint8_t> bytes, const AnsiCodePage& codePage);

// The record as it reads back from its stored form: its texts cut, with "?" where the code
// page falls short.
PlannerRecord asStored(const PlannerRecord& record, const AnsiCodePage& codePage);

}  // namespace tikora
