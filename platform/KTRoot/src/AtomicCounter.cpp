#include "KT/AtomicCounter.h"

namespace KT {

std::int32_t AtomicIncrement(std::atomic<std::int32_t>& value) noexcept {
  return value.fetch_add(1, std::memory_order_relaxed) + 1;
}

// Release on the decrement and acquire before the last owner destroys the object, so that every
// owner's writes happen before the destruction.
std::int32_t AtomicDecrement(std::atomic<std::int32_t>& value) noexcept {
  const std::int32_t result = value.fetch_sub(1, std::memory_order_acq_rel) - 1;
  return result;
}

}  // namespace KT
