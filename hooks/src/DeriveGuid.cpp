#include "hooks/src/DeriveGuid.h"

#include "IO/MD5Channel.h"
#include "KT/ClassInfo.h"
#include "KT/OChannel.h"
#include "MD5/FingerPrint.h"

namespace IFCAPI::Impl {

KT::Guid DeriveGuid(const KT::Array<KT::Guid>& guids) {
  MD5::FingerPrint digest;
  IO::MD5Channel channel;
  {
    KT::OutputFrame frame(channel, KT::ArrayPrivate::classInfo);
    // A failed write ends the writing; the digest is taken all the same, since the status cannot
    // fail a derivation.
    if (frame.GetStatus() == KT::ChannelOK && channel.Write(guids.GetSize()) == KT::ChannelOK) {
      for (const KT::Guid& guid : guids) {
        if (channel.Write(guid) != KT::ChannelOK) {
          break;
        }
      }
    }
    static_cast<void>(frame.Close());
  }
  channel.Finish(digest);
  return KT::Guid(digest.GetBytes());
}

}  // namespace IFCAPI::Impl
