#include "IO/MD5Channel.h"

namespace IO {

MD5Channel::~MD5Channel() = default;

void MD5Channel::Finish(MD5::FingerPrint& digest) noexcept {
  if (!finished) {
    result = md5.Finish();
    finished = true;
  }
  digest = result;
}

KT::ChannelStatus MD5Channel::WriteBytes(const void* bytes, std::size_t count) {
  if (finished) {
    return FinishedStatus;
  }
  md5.Update(bytes, count);
  return KT::ChannelOK;
}

}  // namespace IO
