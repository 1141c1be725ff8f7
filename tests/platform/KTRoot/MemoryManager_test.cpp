// KT::MemoryManager's counts across threads: each thread counts in a tally of its own, tallies of
// ended threads are taken over by new ones, and blocks are freed by other threads than their
// allocators. Whatever the threads did, the sums read after joining them must be exact, and a failure
// armed in one thread must reach the allocations of another. Under ThreadSanitizer (preset tsan) the
// concurrent case also shows that counting and reading race on nothing.
#include "KT/MemoryManager.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdint>
#include <thread>
#include <vector>

#include "KT/OutOfMemoryException.h"

namespace {

using KT::MemoryManager;

struct Counts {
  std::size_t blocks = MemoryManager::GetLiveAllocationCount();
  std::size_t bytes = MemoryManager::GetLiveByteCount();
  std::uint64_t attempts = MemoryManager::GetAllocationAttemptCount();
};

// What starting and joining a thread allocates by itself (its state, handed to the new thread).
std::uint64_t AttemptsOfAnIdleThread() {
  const std::uint64_t before = MemoryManager::GetAllocationAttemptCount();
  std::thread([] {}).join();
  return MemoryManager::GetAllocationAttemptCount() - before;
}

// Blocks made by threads that have ended are freed by this one; then a thread that starts after them
// (and takes over a tally of theirs) frees blocks this thread made. Rounds of threads, so that tallies
// are reused.
TEST(MemoryManager, CountsStayExactAcrossEndedThreadsAndFreesOnOtherThreads) {
  constexpr int kThreads = 3;
  constexpr int kBlocksPerThread = 50;
  constexpr std::size_t kBlockSize = 40;
  const std::uint64_t perThread = AttemptsOfAnIdleThread();
  std::vector<void*> made(kThreads * kBlocksPerThread);
  std::vector<void*> mine(kBlocksPerThread);
  std::vector<std::thread> threads;
  threads.reserve(kThreads);
  const Counts before;
  for (int round = 0; round < 4; ++round) {
    for (int t = 0; t < kThreads; ++t) {
      threads.emplace_back([&made, t] {
        for (int i = 0; i < kBlocksPerThread; ++i) {
          made[t * kBlocksPerThread + i] = MemoryManager::Allocate(kBlockSize);
        }
      });
    }
    for (std::thread& thread : threads) {
      thread.join();
    }
    threads.clear();
    EXPECT_EQ(MemoryManager::GetLiveAllocationCount(), before.blocks + made.size()) << round;
    EXPECT_EQ(MemoryManager::GetLiveByteCount(), before.bytes + made.size() * kBlockSize) << round;
    for (void*& block : mine) {
      block = MemoryManager::Allocate(kBlockSize);
    }
    for (void* block : made) {
      MemoryManager::Free(block);
    }
    std::thread([&mine] {
      for (void* block : mine) {
        MemoryManager::Free(block);
      }
    }).join();
    EXPECT_EQ(MemoryManager::GetLiveAllocationCount(), before.blocks) << round;
    EXPECT_EQ(MemoryManager::GetLiveByteCount(), before.bytes) << round;
  }
  EXPECT_EQ(MemoryManager::GetAllocationAttemptCount(),
            before.attempts + 4 * ((kThreads + 1) * kBlocksPerThread + (kThreads + 1) * perThread));
}

// Threads allocate and free at once while another one reads the sums.
TEST(MemoryManager, ConcurrentCountingEndsExact) {
  constexpr int kThreads = 4;
  constexpr int kRounds = 2000;
  const std::uint64_t perThread = AttemptsOfAnIdleThread();
  std::vector<std::thread> threads;
  threads.reserve(kThreads + 1);
  const Counts before;
  std::atomic<bool> done{false};
  threads.emplace_back([&done] {
    while (!done.load()) {
      static_cast<void>(MemoryManager::GetLiveAllocationCount() + MemoryManager::GetAllocationAttemptCount());
    }
  });
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back([] {
      for (int i = 0; i < kRounds; ++i) {
        void* kept = MemoryManager::Allocate(static_cast<std::size_t>(i % 97));
        MemoryManager::Free(MemoryManager::Allocate(8));
        MemoryManager::Free(kept);
      }
    });
  }
  for (int t = 1; t <= kThreads; ++t) {
    threads[t].join();
  }
  done.store(true);
  threads[0].join();
  const Counts after;
  EXPECT_TRUE(after.blocks == before.blocks && after.bytes == before.bytes);
  EXPECT_EQ(after.attempts, before.attempts + 2 * kThreads * kRounds + (kThreads + 1) * perThread);
}

// The failure is armed here and fires in another thread, counted from the arming on; the thread has
// not allocated before (it has no tally yet when the first attempt comes).
TEST(MemoryManager, AFailureArmedInOneThreadFailsTheAllocationsOfAnother) {
  const Counts before;
  for (const auto mode : {MemoryManager::FailureMode::Once, MemoryManager::FailureMode::FromThenOn}) {
    std::atomic<bool> armed{false};
    bool failed[3] = {};
    std::thread other([&armed, &failed] {
      while (!armed.load()) {
        std::this_thread::yield();
      }
      for (bool& fails : failed) {
        try {
          MemoryManager::Free(MemoryManager::Allocate(16));
        } catch (const KT::OutOfMemoryException&) {
          fails = true;
        }
      }
    });
    MemoryManager::FailAllocation(2, mode);
    armed.store(true);
    other.join();
    MemoryManager::StopFailing();
    const bool fromThenOn = mode == MemoryManager::FailureMode::FromThenOn;
    EXPECT_TRUE(MemoryManager::HasInjectedFailure() && !failed[0] && failed[1] && failed[2] == fromThenOn);
  }
  EXPECT_EQ(MemoryManager::GetLiveAllocationCount(), before.blocks);
}

}  // namespace
