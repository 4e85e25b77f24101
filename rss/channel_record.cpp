// The stored RSS channel record; see channel_record.h.
#include "rss/channel_record.h"

#include <algorithm>
#include <cstring>

namespace tikora {
namespace {

template <std::size_t N>
std::uint8_t putField(std::array<char, N>& field, std::wstring_view text, const AnsiCodePage& codePage) {
  const std::string bytes = ansiCut(text, N, codePage);
  std::copy(bytes.begin(), bytes.end(), field.begin());
  return static_cast<std::uint8_t>(bytes.size());
}

template <std::size_t N>
std::wstring fieldText(const std::array<char, N>& field, std::uint8_t length, const AnsiCodePage& codePage) {
  return codePage.fromAnsi(std::string_view(field.data(), std::min<std::size_t>(length, N)));
}

}  // namespace

std::array<std::uint8_t, kChannelRecordSize> ChannelRecord::bytes() const {
  std::array<std::uint8_t, kChannelRecordSize> out{};
  out[0] = addressLength;
  std::memcpy(out.data() + 1, address.data(), address.size());
  out[1 + kChannelAddressCapacity] = nameLength;
  std::memcpy(out.data() + 2 + kChannelAddressCapacity, name.data(), name.size());
  return out;
}

ChannelRecord ChannelRecord::fromBytes(std::span<const std::uint8_t, kChannelRecordSize> stored) {
  ChannelRecord record;
  record.addressLength = static_cast<std::uint8_t>(std::min<std::size_t>(stored[0], kChannelAddressCapacity));
  std::memcpy(record.address.data(), stored.data() + 1, record.address.size());
  record.nameLength =
      static_cast<std::uint8_t>(std::min<std::size_t>(stored[1 + kChannelAddressCapacity], kChannelNameCapacity));
  std::memcpy(record.name.data(), stored.data() + 2 + kChannelAddressCapacity, record.name.size());
  return record;
}

void ChannelRecord::setAddress(std::wstring_view text, const AnsiCodePage& codePage) {
  addressLength = putField(address, text, codePage);
}

void ChannelRecord::setName(std::wstring_view text, const AnsiCodePage& codePage) {
  nameLength = putField(name, text, codePage);
}

std::wstring ChannelRecord::addressText(const AnsiCodePage& codePage) const {
  return fieldText(address, addressLength, codePage);
}

std::wstring ChannelRecord::nameText(const AnsiCodePage& codePage) const {
  return fieldText(name, nameLength, codePage);
}

}  // namespace tikora
