#include "KT/HashCapacity.h"

#include <algorithm>
#include <array>

namespace KT {

namespace {

// Primes, each the first prime above twice the one before. The containers hash GUIDs by adding up
// their four 32-bit words; GUIDs made in sequence or from a time stamp differ mostly in their high
// bits, which a power-of-two count would throw away (the bucket index would be the low bits only).
// The remainder of a division by a prime depends on every bit of the hash, so such GUIDs still spread
// over all buckets.
constexpr std::array<std::uint32_t, 30> Capacities = {
    7u,         17u,        37u,        79u,         163u,        331u,       673u,      1361u,
    2729u,      5471u,      10949u,     21911u,      43853u,      87719u,     175447u,   350899u,
    701819u,    1403641u,   2807303u,   5614657u,    11229331u,   22458671u,  44917381u, 89834777u,
    179669557u, 359339171u, 718678369u, 1437356741u, 2874713497u, 4294967291u};

}  // namespace

std::uint32_t GetNextHashCapacity(std::uint32_t n) noexcept {
  const auto next = std::upper_bound(Capacities.begin(), Capacities.end(), n);
  return next == Capacities.end() ? 0xFFFFFFFFu : *next;
}

}  // namespace KT
