// `ChannelRecord`: one stored RSS channel, a fixed record of 152 bytes kept byte for byte in the
// registry value `Lista_<index>` under `Tikora\Data_`.
//
//   offset 0    1 byte     address length, 0 to 100
//   offset 1    100 bytes  address, characters of the ANSI code page
//   offset 101  1 byte     name length, 0 to 50
//   offset 102  50 bytes   name, characters of the ANSI code page
//
// Bytes past a length are not significant but are kept: a record is always written whole, so
// they may hold characters of a longer text that once sat there. Texts are Unicode in the
// program and cross into the record through the code page, cut to the field's capacity without
// splitting a double-byte character.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "platform/code_page.h"

namespace tikora {

inline constexpr std::size_t kChannelRecordSize = 152;
inline constexpr std::size_t kChannelAddressCapacity = 100;
inline constexpr std::size_t kChannelNameCapacity = 50;

struct ChannelRecord {
  std::uint8_t addressLength = 0;
  std::array<char, kChannelAddressCapacity> address{};
  std::uint8_t nameLength = 0;
  std::array<char, kChannelNameCapacity> name{};

  // The record as stored.
  std::array<std::uint8_t, kChannelRecordSize> bytes() const;
  // A stored record; `stored` holds exactly kChannelRecordSize bytes. A length beyond its
  // field's capacity is taken as the capacity.
  static ChannelRecord fromBytes(std::span<const std::uint8_t, kChannelRecordSize> stored);

  // Puts a text into the field, cut to its capacity; the bytes after it keep what they held.
  void setAddress(std::wstring_view text, const AnsiCodePage& codePage);
  void setName(std::wstring_view text, const AnsiCodePage& codePage);
  // The field's significant characters as Unicode.
  std::wstring addressText(const AnsiCodePage& codePage) const;
  std::wstring nameText(const AnsiCodePage& codePage) const;

  friend bool operator==(const ChannelRecord&, const ChannelRecord&) = default;
};

}  // namespace tikora
