// KT::OChannel: the foundation library's output channel, a sink of bytes with typed writes on top.
//
// A concrete channel supplies WriteBytes; the typed writes fix the byte form of each value, so that
// whatever reads or hashes the bytes sees the same encoding everywhere:
//
//   class CountingChannel : public KT::OChannel {
//     KT::ChannelStatus WriteBytes(const void*, std::size_t count) override { total += count; return KT::ChannelOK; }
//     std::size_t total = 0;
//   };
//   CountingChannel channel;
//   if (channel.Write(std::uint32_t{2}) == KT::ChannelOK) channel.Write(KT::NULLGuid);  // 4 + 16 bytes
#pragma once

#include <cstddef>
#include <cstdint>

#include "KT/Export.h"
#include "KT/Guid.h"

namespace KT {

// What a write returns: ChannelOK, or a non-zero code of the channel's own.
using ChannelStatus = std::int32_t;
inline constexpr ChannelStatus ChannelOK = 0;

class KT_EXPORT OChannel {
 public:
  OChannel() noexcept = default;
  OChannel(const OChannel&) = delete;
  OChannel& operator=(const OChannel&) = delete;
  virtual ~OChannel();

  // Four bytes, least significant first, whatever the machine's byte order.
  ChannelStatus Write(std::uint32_t value);

  // The sixteen bytes of the GUID in their stored order (KT::Guid::GetBytes).
  ChannelStatus Write(const Guid& guid);

  // Writes `count` raw bytes; on success the position advances by `count`.
  ChannelStatus Write(const void* bytes, std::size_t count);

  // Bytes written successfully since the channel was made.
  std::uint64_t GetPosition() const noexcept { return position; }

 protected:
  // Takes `count` bytes; returns ChannelOK or the channel's failure code.
  virtual ChannelStatus WriteBytes(const void* bytes, std::size_t count) = 0;

 private:
  std::uint64_t position = 0;
};

}  // namespace KT
