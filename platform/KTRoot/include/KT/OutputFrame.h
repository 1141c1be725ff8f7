// KT::OutputFrame: brackets the serialised form of one object on an output channel with a header
// that names its class and a trailer that gives the length of what was written in between.
//
// Layout on the channel (every integer least significant byte first):
//   header:  class identifier (4 bytes), major version (1 byte), minor version (1 byte)
//   body:    whatever the object writes
//   trailer: length of the body in bytes (4 bytes)
//
//   KT::OutputFrame frame(channel, KT::ArrayPrivate::classInfo);
//   if (frame.GetStatus() == KT::ChannelOK) channel.Write(count);
//   frame.Close();  // writes the trailer; the destructor does it when Close was not called
#pragma once

#include <cstddef>
#include <cstdint>

#include "KT/ClassInfo.h"
#include "KT/Export.h"
#include "KT/OChannel.h"

namespace KT {

class KT_EXPORT OutputFrame {
 public:
  // Bytes that a frame adds around its body. Enumerators, so that modules other than this DLL can use
  // them: a DLL does not export the inline data members of its classes.
  enum : std::size_t { HeaderSize = 6, TrailerSize = 4 };

  // Writes the header of `info` to `channel`, which must outlive the frame.
  OutputFrame(OChannel& channel, const ClassInfo& info);
  OutputFrame(const OutputFrame&) = delete;
  OutputFrame& operator=(const OutputFrame&) = delete;

  // Closes the frame if Close was not called. Statuses are dropped here; call Close to see them.
  ~OutputFrame();

  // Writes the trailer once; later calls write nothing. Returns the first failure of the header or
  // the trailer, or ChannelOK.
  ChannelStatus Close();

  // The status of the header write.
  ChannelStatus GetStatus() const noexcept { return status; }

 private:
  OChannel& channel;
  std::uint64_t bodyStart;
  ChannelStatus status;
  bool closed = false;
};

}  // namespace KT
