#include "KT/MemoryManager.h"

#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <new>

#include "KT/OutOfMemoryException.h"

// The fast path reads one thread-local pointer. In a shared library the default model would call
// __tls_get_addr for it; the initial-exec model reads it at a fixed offset from the thread pointer. It
// needs a few bytes of static TLS, which the loader keeps in reserve for libraries loaded later too.
#if defined(__ELF__)
#define KT_FAST_TLS __attribute__((tls_model("initial-exec")))
#else
#define KT_FAST_TLS
#endif

namespace KT {

namespace {

// Each block carries its requested size in a header in front of it, so that Free can keep the byte
// count. The header is as large as the strictest fundamental alignment, so the block after it keeps
// malloc's alignment. (Asking malloc_usable_size instead saves the header's bytes but costs a call on
// each allocation and each free, about 40 % more time than malloc's own.)
constexpr std::size_t kHeaderSize = alignof(std::max_align_t);
static_assert(kHeaderSize >= sizeof(std::size_t), "the header must hold the block size");

// One thread's share of the counters. Only the thread that owns the tally changes it, with a plain
// load and store (no locked instruction); any thread may read it. The process's counts are the sums
// over all tallies; a thread's own share of live blocks and bytes wraps below zero when it frees
// blocks that another thread allocated, and the unsigned sums come out right all the same.
//
// A tally is never freed: when its thread ends it is released for the next new thread, counts and
// all, so that no count is lost and the list grows only to the largest number of threads alive at
// once. 64 bytes apart, so that two threads' tallies never share a cache line.
struct alignas(64) Tally {
  std::atomic<std::size_t> liveBlocks{0};
  std::atomic<std::size_t> liveBytes{0};
  std::atomic<std::uint64_t> attempts{0};
  std::atomic<bool> owned{false};
  Tally* next = nullptr;  // set before the tally is published, never changed after
};

// Every tally ever made, newest first; only pushed to.
std::atomic<Tally*> tallies{nullptr};

// The counts of threads that have no tally of their own: one that is ending and has released its
// tally, or one whose tally could not be made. Any thread may change it, so it takes atomic
// read-modify-writes.
Tally shared;

thread_local Tally* ownTally KT_FAST_TLS = nullptr;
thread_local bool threadEnding KT_FAST_TLS = false;
thread_local bool takingTally KT_FAST_TLS = false;

// Releases the thread's tally when the thread ends. Touched only when the tally is taken, so that the
// fast path reads a plain pointer, without the guard of a thread-local object with a destructor.
// Not on Windows: a thread-local destructor in a DLL runs from the runtime's thread-exit list, which
// under MinGW's runtime hung a process's exit now and then; there every thread keeps its tally.
#if !defined(_WIN32)
#define KT_RELEASES_TALLIES 1
struct TallyRelease {
  Tally* tally = nullptr;
  ~TallyRelease() {
    threadEnding = true;
    ownTally = nullptr;
    if (tally != nullptr) {
      tally->owned.store(false, std::memory_order_release);
    }
  }
};
thread_local TallyRelease tallyRelease;
#endif

// Failure injection. `failureArmed` is the one thing the fast path reads; the rest is read only while
// it is set.
std::atomic<bool> failureArmed{false};
std::atomic<std::uint64_t> attemptsSinceArmed{0};
std::atomic<std::uint64_t> failAt{0};  // the attempt since arming that fails first
std::atomic<bool> failFromThenOn{false};
std::atomic<bool> injectedFailure{false};

template <class T>
void AddOwn(std::atomic<T>& counter, T delta) noexcept {
  counter.store(counter.load(std::memory_order_relaxed) + delta, std::memory_order_relaxed);
}

template <class T>
void Add(Tally& tally, std::atomic<T> Tally::*counter, T delta) noexcept {
  if (&tally == &shared) {
    (tally.*counter).fetch_add(delta, std::memory_order_relaxed);
  } else {
    AddOwn(tally.*counter, delta);
  }
}

// Takes a released tally or makes a new one, and arranges for its release when the thread ends. A
// thread that is ending, or that cannot have a tally, counts in `shared`.
Tally& TakeTally() noexcept {
  if (threadEnding) {
    return shared;
  }
  Tally* taken = nullptr;
  for (Tally* tally = tallies.load(std::memory_order_acquire); tally != nullptr; tally = tally->next) {
    bool owned = false;
    if (!tally->owned.load(std::memory_order_relaxed) &&
        tally->owned.compare_exchange_strong(owned, true, std::memory_order_acquire)) {
      taken = tally;
      break;
    }
  }
  if (taken == nullptr) {
    void* place = std::malloc(sizeof(Tally) + alignof(Tally));
    if (place == nullptr) {
      return shared;
    }
    // Aligned by hand: the block is never freed, and the list keeps a pointer into it.
    const auto address = (reinterpret_cast<std::uintptr_t>(place) + alignof(Tally) - 1) & ~(alignof(Tally) - 1);
    taken = new (reinterpret_cast<void*>(address)) Tally;
    taken->owned.store(true, std::memory_order_relaxed);
    taken->next = tallies.load(std::memory_order_relaxed);
    while (!tallies.compare_exchange_weak(taken->next, taken, std::memory_order_release, std::memory_order_relaxed)) {
    }
  }
  // Set before the release is registered: if registering allocates (where the C++ runtime keeps its
  // own list of thread-exit calls, as MinGW's does), that allocation finds the tally. It is counted but
  // never failed on purpose: the runtime would drop the release without a word.
  ownTally = taken;
#if defined(KT_RELEASES_TALLIES)
  takingTally = true;
  tallyRelease.tally = taken;
  takingTally = false;
#endif
  return *taken;
}

bool InjectedFailureDue() noexcept {
  const std::uint64_t attempt = attemptsSinceArmed.fetch_add(1, std::memory_order_relaxed) + 1;
  const std::uint64_t first = failAt.load(std::memory_order_relaxed);
  if (attempt < first) {
    return false;
  }
  if (attempt == first || failFromThenOn.load(std::memory_order_relaxed)) {
    injectedFailure.store(true, std::memory_order_relaxed);
    return true;
  }
  return false;
}

// A block of `size` bytes after its header, or null when malloc has none.
void* AllocateWithHeader(std::size_t size) noexcept {
  if (size > SIZE_MAX - kHeaderSize) {
    return nullptr;
  }
  void* raw = std::malloc(kHeaderSize + size);
  if (raw == nullptr) {
    return nullptr;
  }
  *static_cast<std::size_t*>(raw) = size;
  return static_cast<unsigned char*>(raw) + kHeaderSize;
}

// Allocate for a thread without its tally yet, or while a failure is armed.
void* AllocateSlow(std::size_t size) {
  Tally& tally = ownTally != nullptr ? *ownTally : TakeTally();
  Add(tally, &Tally::attempts, std::uint64_t{1});
  if (failureArmed.load(std::memory_order_acquire) && !takingTally && InjectedFailureDue()) {
    throw OutOfMemoryException();
  }
  void* block = AllocateWithHeader(size);
  if (block == nullptr) {
    throw OutOfMemoryException();
  }
  Add(tally, &Tally::liveBlocks, std::size_t{1});
  Add(tally, &Tally::liveBytes, size);
  return block;
}

template <class T>
T Sum(std::atomic<T> Tally::*counter) noexcept {
  T sum = (shared.*counter).load(std::memory_order_relaxed);
  for (const Tally* tally = tallies.load(std::memory_order_acquire); tally != nullptr; tally = tally->next) {
    sum += (tally->*counter).load(std::memory_order_relaxed);
  }
  return sum;
}

}  // namespace

const char* OutOfMemoryException::what() const noexcept {
  return "KT::OutOfMemoryException";
}

void* MemoryManager::Allocate(std::size_t size) {
  Tally* const tally = ownTally;
  if (tally == nullptr || failureArmed.load(std::memory_order_relaxed)) {
    return AllocateSlow(size);
  }
  AddOwn(tally->attempts, std::uint64_t{1});
  void* block = AllocateWithHeader(size);
  if (block == nullptr) {
    throw OutOfMemoryException();
  }
  AddOwn(tally->liveBlocks, std::size_t{1});
  AddOwn(tally->liveBytes, size);
  return block;
}

void MemoryManager::Free(void* block) noexcept {
  if (block == nullptr) {
    return;
  }
  void* raw = static_cast<unsigned char*>(block) - kHeaderSize;
  const std::size_t bytes = *static_cast<std::size_t*>(raw);
  Tally* const tally = ownTally;
  if (tally != nullptr) {
    AddOwn(tally->liveBlocks, ~std::size_t{0});
    AddOwn(tally->liveBytes, std::size_t{0} - bytes);
  } else {
    Tally& taken = TakeTally();
    Add(taken, &Tally::liveBlocks, ~std::size_t{0});
    Add(taken, &Tally::liveBytes, std::size_t{0} - bytes);
  }
  std::free(raw);
}

std::size_t MemoryManager::GetLiveAllocationCount() noexcept {
  return Sum(&Tally::liveBlocks);
}

std::size_t MemoryManager::GetLiveByteCount() noexcept {
  return Sum(&Tally::liveBytes);
}

std::uint64_t MemoryManager::GetAllocationAttemptCount() noexcept {
  return Sum(&Tally::attempts);
}

void MemoryManager::FailAllocation(std::uint64_t n, FailureMode mode) noexcept {
  failureArmed.store(false, std::memory_order_relaxed);
  injectedFailure.store(false, std::memory_order_relaxed);
  if (n == 0) {
    return;
  }
  failFromThenOn.store(mode == FailureMode::FromThenOn, std::memory_order_relaxed);
  failAt.store(n, std::memory_order_relaxed);
  attemptsSinceArmed.store(0, std::memory_order_relaxed);
  failureArmed.store(true, std::memory_order_release);
}

void MemoryManager::StopFailing() noexcept {
  failureArmed.store(false, std::memory_order_relaxed);
}

bool MemoryManager::HasInjectedFailure() noexcept {
  return injectedFailure.load(std::memory_order_relaxed);
}

}  // namespace KT
