// KT::MemoryManager: the foundation library's allocator, the source of every heap block of the
// host process and its modules.
//
// Besides Allocate and Free, this stand-in is a test instrument. It counts the blocks and bytes that
// are live, and it can be told to fail the Nth allocation from now, once or from then on, by throwing
// KT::OutOfMemoryException, so that tests can prove that a failed allocation leaks nothing and leaves
// every object usable:
//
//   const std::size_t live = KT::MemoryManager::GetLiveAllocationCount();
//   KT::MemoryManager::FailAllocation(3, KT::MemoryManager::FailureMode::Once);
//   try { RunOperation(); } catch (const KT::OutOfMemoryException&) {}
//   KT::MemoryManager::StopFailing();
//   assert(KT::MemoryManager::GetLiveAllocationCount() == live);
//
// All members are thread-safe; the counters are process-wide. Each thread counts in a tally of its
// own, so that Allocate and Free take no locked instruction, and the getters add the tallies up: a
// getter counts exactly what happened before it (in its thread, or in threads joined or otherwise
// synchronised with), while what other threads do meanwhile may be counted or not. A failure armed
// by FailAllocation counts the attempts of every thread.
#pragma once

#include <cstddef>
#include <cstdint>

#include "KT/Export.h"

namespace KT {

class KT_EXPORT MemoryManager {
 public:
  enum class FailureMode {
    Once,        // only the chosen allocation fails; later ones succeed
    FromThenOn,  // the chosen allocation and every later one fail until StopFailing
  };

  MemoryManager() = delete;

  // Returns a block of at least `size` bytes (a distinct one for size 0), aligned for any
  // fundamental type. Throws KT::OutOfMemoryException when the system has no memory left or when an
  // injected failure is due; nothing is allocated then.
  static void* Allocate(std::size_t size);

  // Returns a block that Allocate gave. Null is ignored. Never throws.
  static void Free(void* block) noexcept;

  // Blocks given by Allocate and not yet freed, and their requested sizes added up.
  static std::size_t GetLiveAllocationCount() noexcept;
  static std::size_t GetLiveByteCount() noexcept;

  // Allocations attempted since the process started, failed ones included.
  static std::uint64_t GetAllocationAttemptCount() noexcept;

  // Makes the `n`th allocation from now fail (n = 1: the very next one); n = 0 stops failing.
  // Replaces any earlier request.
  static void FailAllocation(std::uint64_t n, FailureMode mode) noexcept;

  // Cancels a pending or ongoing injected failure.
  static void StopFailing() noexcept;

  // Whether an injected failure has fired since the last FailAllocation call.
  static bool HasInjectedFailure() noexcept;
};

}  // namespace KT
