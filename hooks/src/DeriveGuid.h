// Internal: DeriveGuid, the MD5 identifier of an array of GUIDs.
//
// The array is serialised onto an IO::MD5Channel the way the foundation library writes any array, and
// the 16 digest bytes become the 16 stored bytes of the result unchanged (no version or variant bits).
// The bytes hashed, every integer least significant byte first:
//
//   offset 0   frame header: KT::ArrayPrivate::classInfo's identifier (4), major and minor version (1 + 1)
//   offset 6   element count (4)
//   offset 10  each GUID's 16 stored bytes (KT::Guid::GetBytes), in index order
//   then       frame trailer: the count of bytes between header and trailer, 4 + 16n (4)
//
// For the two GUIDs of a group or relation identifier that is 46 bytes, which with MD5's 9 bytes of
// padding and length still fit one 64-byte block: one derivation costs one block.
#pragma once

#include <cstddef>

#include "KT/Array.h"
#include "KT/Guid.h"
#include "KT/OutputFrame.h"

namespace IFCAPI::Impl {

// Bytes hashed for an array of `count` GUIDs.
constexpr std::size_t SerialisedGuidArraySize(std::size_t count) {
  return KT::OutputFrame::HeaderSize + 4 + 16 * count + KT::OutputFrame::TrailerSize;
}

static_assert(SerialisedGuidArraySize(2) <= 55, "a two-GUID derivation must stay within one MD5 block");

// The identifier derived from `guids`; it depends on nothing but the GUIDs and their order.
KT::Guid DeriveGuid(const KT::Array<KT::Guid>& guids);

}  // namespace IFCAPI::Impl
