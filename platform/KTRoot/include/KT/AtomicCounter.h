// Atomic reference-count operations of the foundation library.
//
//   std::atomic<std::int32_t> count{0};
//   KT::AtomicIncrement(count);                   // 1
//   if (KT::AtomicDecrement(count) == 0) { ... }  // the last reference is gone
#pragma once

#include <atomic>
#include <cstdint>

#include "KT/Export.h"

namespace KT {

// Adds one and returns the new value.
KT_EXPORT std::int32_t AtomicIncrement(std::atomic<std::int32_t>& value) noexcept;

// Subtracts one and returns the new value.
KT_EXPORT std::int32_t AtomicDecrement(std::atomic<std::int32_t>& value) noexcept;

}  // namespace KT
