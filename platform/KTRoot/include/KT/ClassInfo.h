// KT::ClassInfo: what the foundation library writes to identify a serialised class, and
// KT::ArrayPrivate::classInfo, the one for its arrays.
//
//   KT::OutputFrame frame(channel, KT::ArrayPrivate::classInfo);  // header names the array class
#pragma once

#include <cstdint>

#include "KT/Export.h"

namespace KT {

struct ClassInfo {
  // A readable name; never written.
  const char* name;
  // Written in every frame header, so that a reader can tell the class and its format apart.
  std::uint32_t identifier;
  std::uint8_t majorVersion;
  std::uint8_t minorVersion;
};

namespace ArrayPrivate {

// The class information of KT::Array's serialised form.
KT_EXPORT extern const ClassInfo classInfo;

}  // namespace ArrayPrivate

}  // namespace KT
