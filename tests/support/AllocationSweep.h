// Allocation-failure sweeps for tests: run an operation once for every allocation it makes, with that
// allocation (or every allocation from it on) failing, and check that nothing leaks and that the
// objects involved are still valid.
//
//   SweepAllocationFailures(KT::MemoryManager::FailureMode::Once,
//       [] { return MakeFilledTable(); },                       // setup: never fails
//       [](Table& table) { table.Add(key); },                   // operation under test
//       [](Table& table, bool failed) { ExpectUsable(table); }); // after each run
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <utility>

#include "KT/MemoryManager.h"
#include "KT/OutOfMemoryException.h"

namespace IFCAPI::Testing {

// Runs setup, then operation with the nth allocation of the operation failing in `mode`, then
// verify(state, failed), for n = 1, 2, ... until a run completes without an injected failure. After
// each run, the state has been destroyed and the live allocation count must be back where it was.
// Returns the number of runs in which a failure was injected.
template <class Setup, class Operation, class Verify>
std::uint64_t SweepAllocationFailures(KT::MemoryManager::FailureMode mode, Setup setup, Operation operation,
                                      Verify verify) {
  constexpr std::uint64_t Limit = 100000;
  for (std::uint64_t n = 1; n < Limit; ++n) {
    const std::size_t liveBefore = KT::MemoryManager::GetLiveAllocationCount();
    bool injected = false;
    {
      auto state = setup();
      KT::MemoryManager::FailAllocation(n, mode);
      bool failed = false;
      try {
        operation(state);
      } catch (const KT::OutOfMemoryException&) {
        failed = true;
      }
      injected = KT::MemoryManager::HasInjectedFailure();
      KT::MemoryManager::StopFailing();
      verify(state, failed);
    }
    EXPECT_EQ(KT::MemoryManager::GetLiveAllocationCount(), liveBefore) << "leak after failing allocation " << n;
    if (!injected) {
      return n - 1;
    }
  }
  ADD_FAILURE() << "the operation never completed";
  return Limit;
}

// The all-or-nothing sweep: for each failure mode, runs `operation` on a fresh `setup()` with
// allocation 1, 2, 3, ... of the operation failing, until a run completes. After every run that a
// failure ended, the state must equal a snapshot taken before the operation (`snapshot(state)`
// returns a value compared with ==, taken while nothing fails); after every run, failed or not,
// `checkInvariants(state)` runs, and once the state is destroyed nothing may be left allocated.
// Returns the number of runs that a failure ended, over both modes.
//
//   SweepAllOrNothing([] { return MakeTree(); },
//                     [](Assignments& tree) { tree.AddChild(p, c); },
//                     [](const Assignments& tree) { return Describe(tree); },
//                     [](const Assignments& tree) { ExpectLinksMirrored(tree); });
template <class Setup, class Operation, class Snapshot, class Invariants>
std::uint64_t SweepAllOrNothing(Setup setup, Operation operation, Snapshot snapshot, Invariants checkInvariants) {
  std::uint64_t failedRuns = 0;
  for (const auto mode : {KT::MemoryManager::FailureMode::Once, KT::MemoryManager::FailureMode::FromThenOn}) {
    struct State {
      decltype(setup()) object;
      decltype(snapshot(std::declval<const decltype(setup())&>())) before;
    };
    SweepAllocationFailures(
        mode,
        [&] {
          auto object = setup();
          auto before = snapshot(object);
          return State{std::move(object), std::move(before)};
        },
        [&](State& state) { operation(state.object); },
        [&](State& state, bool failed) {
          checkInvariants(state.object);
          if (failed) {
            ++failedRuns;
            EXPECT_TRUE(snapshot(state.object) == state.before)
                << "changed by a failed run (mode "
                << (mode == KT::MemoryManager::FailureMode::Once ? "once" : "from then on") << ", failure "
                << failedRuns << ")";
          }
        });
  }
  return failedRuns;
}

// Counts the allocations that are live when it goes out of scope, relative to its construction.
class LiveAllocationDelta {
 public:
  LiveAllocationDelta() : before(KT::MemoryManager::GetLiveAllocationCount()) {}
  std::ptrdiff_t Get() const {
    return static_cast<std::ptrdiff_t>(KT::MemoryManager::GetLiveAllocationCount()) -
           static_cast<std::ptrdiff_t>(before);
  }

 private:
  std::size_t before;
};

}  // namespace IFCAPI::Testing
