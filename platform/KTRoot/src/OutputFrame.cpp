#include "KT/OutputFrame.h"

namespace KT {

namespace ArrayPrivate {

// "KTAr" read as a little-endian word.
const ClassInfo classInfo{"KT::Array", 0x7241544Bu, 1, 0};

}  // namespace ArrayPrivate

OutputFrame::OutputFrame(OChannel& channel, const ClassInfo& info) : channel(channel), bodyStart(0) {
  status = channel.Write(info.identifier);
  if (status == ChannelOK) {
    const std::uint8_t versions[2] = {info.majorVersion, info.minorVersion};
    status = channel.Write(versions, sizeof versions);
  }
  bodyStart = channel.GetPosition();
}

OutputFrame::~OutputFrame() {
  if (!closed) {
    static_cast<void>(Close());
  }
}

ChannelStatus OutputFrame::Close() {
  if (closed) {
    return status;
  }
  closed = true;
  // A body longer than 4 GiB is not a case this format serves; its length is cut to 32 bits.
  const ChannelStatus trailer = channel.Write(static_cast<std::uint32_t>(channel.GetPosition() - bodyStart));
  if (status == ChannelOK) {
    status = trailer;
  }
  return status;
}

}  // namespace KT
