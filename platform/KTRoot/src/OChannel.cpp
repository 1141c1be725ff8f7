#include "KT/OChannel.h"

namespace KT {

OChannel::~OChannel() = default;

ChannelStatus OChannel::Write(std::uint32_t value) {
  const std::uint8_t bytes[4] = {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
                                 static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 24)};
  return Write(bytes, sizeof bytes);
}

ChannelStatus OChannel::Write(const Guid& guid) {
  return Write(guid.GetBytes().data(), guid.GetBytes().size());
}

ChannelStatus OChannel::Write(const void* bytes, std::size_t count) {
  const ChannelStatus status = WriteBytes(bytes, count);
  if (status == ChannelOK) {
    position += count;
  }
  return status;
}

}  // namespace KT
