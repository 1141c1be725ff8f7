#include "KT/AtomicCounter.h"

namespace KT {

std::int32_t AtomicIncrement(std::atomic<std::int32_t>& value) noexcept {
  return value.fetch_add(1, std::memory_order_relaxed) + 1;
}

// Acquire-release, so that every owner's writes happen before the last owner destroys the object.
std::int32_t AtomicDecrement(std::atomic<std::int32_t>& value) noexcept {
  return value.fetch_sub(1, std::memory_order_acq_rel) - 1;
}

}  // namespace KT
