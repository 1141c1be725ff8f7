// Internal: hash modulo bucket count without a division, for the hash containers.
//
// How it works: a 32-bit remainder a % d equals the high 64 bits of (M * a mod 2^64) * d, where
// M = floor((2^64 - 1) / d) + 1 is the reciprocal of d in 0.64 fixed point; that identity is exact for
// every 32-bit a and d. A hardware division costs tens of cycles on a lookup that otherwise costs a
// few, and a switch over the known counts compiles to a tree of compares and branches, so the
// reciprocals of the usual bucket counts (those of KT::GetNextHashCapacity) sit in a table indexed by
// the position of the count's highest set bit: one count per bit length, one compare to confirm it.
// Any other count (given to Rehash by hand) takes the plain division.
#pragma once

#include <cassert>
#include <cstdint>

#if defined(_MSC_VER) && !defined(__clang__)
#include <intrin.h>
#endif

namespace KT {
namespace HashInternal {

struct Reciprocal {
  std::uint32_t divisor;  // 0: no reciprocal for this bit length
  std::uint64_t multiplier;
};

constexpr Reciprocal MakeReciprocal(std::uint32_t divisor) noexcept {
  return {divisor, divisor < 2 ? 0 : UINT64_MAX / divisor + 1};
}

// The bucket counts KT::GetNextHashCapacity hands out, at the index of their highest set bit. If that
// sequence changes, lookups stay correct (they fall back to the division) but lose the speed-up.
inline constexpr Reciprocal Reciprocals[32] = {
    {},
    {},
    MakeReciprocal(7u),
    {},
    MakeReciprocal(17u),
    MakeReciprocal(37u),
    MakeReciprocal(79u),
    MakeReciprocal(163u),
    MakeReciprocal(331u),
    MakeReciprocal(673u),
    MakeReciprocal(1361u),
    MakeReciprocal(2729u),
    MakeReciprocal(5471u),
    MakeReciprocal(10949u),
    MakeReciprocal(21911u),
    MakeReciprocal(43853u),
    MakeReciprocal(87719u),
    MakeReciprocal(175447u),
    MakeReciprocal(350899u),
    MakeReciprocal(701819u),
    MakeReciprocal(1403641u),
    MakeReciprocal(2807303u),
    MakeReciprocal(5614657u),
    MakeReciprocal(11229331u),
    MakeReciprocal(22458671u),
    MakeReciprocal(44917381u),
    MakeReciprocal(89834777u),
    MakeReciprocal(179669557u),
    MakeReciprocal(359339171u),
    MakeReciprocal(718678369u),
    MakeReciprocal(1437356741u),
    MakeReciprocal(2874713497u),
};

// Index of the highest set bit. Precondition: value != 0.
inline std::uint32_t HighestBit(std::uint32_t value) noexcept {
  assert(value != 0);
#if defined(__GNUC__) || defined(__clang__)
  return 31u - static_cast<std::uint32_t>(__builtin_clz(value));
#elif defined(_MSC_VER)
  unsigned long index = 0;
  _BitScanReverse(&index, value);
  return static_cast<std::uint32_t>(index);
#else
  std::uint32_t index = 0;
  while (value >>= 1) {
    ++index;
  }
  return index;
#endif
}

// High 64 bits of a 64 x 32-bit product.
inline std::uint64_t MultiplyHigh(std::uint64_t a, std::uint32_t b) noexcept {
#if defined(__SIZEOF_INT128__)
  return static_cast<std::uint64_t>((static_cast<unsigned __int128>(a) * b) >> 64);
#elif defined(_MSC_VER) && defined(_M_X64)
  return __umulh(a, b);
#else
  return ((a >> 32) * b + (((a & 0xFFFFFFFFu) * b) >> 32)) >> 32;
#endif
}

// hash % bucketCount. Precondition: bucketCount != 0.
// Forced inline only where optimising: unoptimised builds (debugging, coverage) keep it one function,
// so a debugger steps into it once and its branch is counted once rather than at every inlined site.
#if defined(__GNUC__) && defined(__OPTIMIZE__)
__attribute__((always_inline))
#endif
inline std::uint32_t
ReduceToBucket(std::uint32_t hash, std::uint32_t bucketCount) noexcept {
  assert(bucketCount != 0);
  const Reciprocal& known = Reciprocals[HighestBit(bucketCount)];
  if (known.divisor == bucketCount) {
    return static_cast<std::uint32_t>(MultiplyHigh(known.multiplier * hash, bucketCount));
  }
  return hash % bucketCount;
}

}  // namespace HashInternal
}  // namespace KT
