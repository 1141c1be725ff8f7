#include "KT/MemoryManager.h"

#include <atomic>
#include <cstdlib>

#include "KT/OutOfMemoryException.h"

namespace KT {

namespace {

// Each block carries its requested size in a header in front of it, so that Free can keep the byte
// count. The header is as large as the strictest fundamental alignment, so the block after it keeps
// malloc's alignment.
constexpr std::size_t HeaderSize = alignof(std::max_align_t);
static_assert(HeaderSize >= sizeof(std::size_t), "the header must hold the block size");

// All zero-initialised, so allocations made before any dynamic initialisation (for example by the
// C++ runtime's own start-up) are counted correctly.
std::atomic<std::size_t> liveAllocations{0};
std::atomic<std::size_t> liveBytes{0};
std::atomic<std::uint64_t> attempts{0};
// Attempt number at which injected failures start; 0 when none is requested.
std::atomic<std::uint64_t> failAt{0};
std::atomic<bool> failFromThenOn{false};
std::atomic<bool> injectedFailure{false};

bool InjectedFailureDue(std::uint64_t attempt) noexcept {
  const std::uint64_t first = failAt.load(std::memory_order_relaxed);
  if (first == 0 || attempt < first) {
    return false;
  }
  if (attempt == first || failFromThenOn.load(std::memory_order_relaxed)) {
    injectedFailure.store(true, std::memory_order_relaxed);
    return true;
  }
  return false;
}

}  // namespace

const char* OutOfMemoryException::what() const noexcept {
  return "KT::OutOfMemoryException";
}

void* MemoryManager::Allocate(std::size_t size) {
  const std::uint64_t attempt = attempts.fetch_add(1, std::memory_order_relaxed) + 1;
  if (InjectedFailureDue(attempt) || size > SIZE_MAX - HeaderSize) {
    throw OutOfMemoryException();
  }
  void* raw = std::malloc(HeaderSize + size);
  if (raw == nullptr) {
    throw OutOfMemoryException();
  }
  *static_cast<std::size_t*>(raw) = size;
  liveAllocations.fetch_add(1, std::memory_order_relaxed);
  liveBytes.fetch_add(size, std::memory_order_relaxed);
  return static_cast<unsigned char*>(raw) + HeaderSize;
}

void MemoryManager::Free(void* block) noexcept {
  if (block == nullptr) {
    return;
  }
  void* raw = static_cast<unsigned char*>(block) - HeaderSize;
  liveAllocations.fetch_sub(1, std::memory_order_relaxed);
  liveBytes.fetch_sub(*static_cast<std::size_t*>(raw), std::memory_order_relaxed);
  std::free(raw);
}

std::size_t MemoryManager::GetLiveAllocationCount() noexcept {
  return liveAllocations.load(std::memory_order_relaxed);
}

std::size_t MemoryManager::GetLiveByteCount() noexcept {
  return liveBytes.load(std::memory_order_relaxed);
}

std::uint64_t MemoryManager::GetAllocationAttemptCount() noexcept {
  return attempts.load(std::memory_order_relaxed);
}

void MemoryManager::FailAllocation(std::uint64_t n, FailureMode mode) noexcept {
  injectedFailure.store(false, std::memory_order_relaxed);
  failFromThenOn.store(mode == FailureMode::FromThenOn, std::memory_order_relaxed);
  failAt.store(n == 0 ? 0 : attempts.load(std::memory_order_relaxed) + n, std::memory_order_relaxed);
}

void MemoryManager::StopFailing() noexcept {
  failAt.store(0, std::memory_order_relaxed);
}

bool MemoryManager::HasInjectedFailure() noexcept {
  return injectedFailure.load(std::memory_order_relaxed);
}

}  // namespace KT
