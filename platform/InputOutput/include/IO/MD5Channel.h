// IO::MD5Channel: an output channel that feeds every byte written to it into an MD5 digest.
//
// Anything that serialises itself onto a KT::OChannel can thereby be hashed without building the
// bytes in memory first:
//
//   IO::MD5Channel channel;
//   channel.Write(KT::Guid("{...}"));
//   MD5::FingerPrint digest;
//   channel.Finish(digest);
#pragma once

#include "IO/Export.h"
#include "IO/MD5Hasher.h"
#include "KT/OChannel.h"
#include "MD5/FingerPrint.h"

namespace IO {

class IO_EXPORT MD5Channel : public KT::OChannel {
 public:
  // What a write returns once the channel is finished; the bytes are not taken. An enumerator, not a
  // static data member: a DLL does not export the inline data members of its classes, so other modules
  // could not link against one.
  enum : KT::ChannelStatus { FinishedStatus = 1 };

  MD5Channel() noexcept = default;
  ~MD5Channel() override;

  // Stores the digest of every byte written so far into `digest` and ends the channel: later writes
  // return FinishedStatus, and a second Finish stores the same digest again.
  void Finish(MD5::FingerPrint& digest) noexcept;

 protected:
  KT::ChannelStatus WriteBytes(const void* bytes, std::size_t count) override;

 private:
  MD5Hasher md5;
  MD5::FingerPrint result;
  bool finished = false;
};

}  // namespace IO
