// KT::GetNextHashCapacity: the bucket counts of the foundation library's hash containers.
//
//   std::uint32_t buckets = KT::GetNextHashCapacity(0);     // the first bucket count
//   buckets = KT::GetNextHashCapacity(buckets);             // the next one, about twice as large
#pragma once

#include <cstdint>

#include "KT/Export.h"

namespace KT {

// The smallest bucket count of the sequence that is greater than `n`. Every count is a prime, and
// each is about twice the one before. For n at or above the largest 32-bit prime (4294967291) the
// result is 0xFFFFFFFF, the largest count there is.
KT_EXPORT std::uint32_t GetNextHashCapacity(std::uint32_t n) noexcept;

}  // namespace KT
