// Shared by the fuzz targets: running one step with an injected allocation failure, and stopping a
// run with a message when a check fails (libFuzzer then saves the input that caused it).
//
//   const bool failed = Run(input, failing, [&] { table.Add(key, value); });
//   Check(!failed || Equal(table, model), "a failed Add changed the table");
#pragma once

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <cstdlib>

#include "KT/MemoryManager.h"
#include "KT/OutOfMemoryException.h"

namespace IFCAPI::Fuzzing {

// Aborts the run, and so makes libFuzzer keep the input, when `condition` does not hold.
inline void Check(bool condition, const char* what) {
  if (!condition) {
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::abort();
  }
}

// Runs `step`, when `failing` is set with one of its first 16 allocations failing, once or from then
// on, as the input chooses. Returns whether the step ended with KT::OutOfMemoryException.
template <class Step>
bool Run(FuzzedDataProvider& input, bool failing, Step&& step) {
  if (!failing) {
    step();
    return false;
  }
  const auto n = input.ConsumeIntegralInRange<std::uint64_t>(1, 16);
  const auto mode =
      input.ConsumeBool() ? KT::MemoryManager::FailureMode::Once : KT::MemoryManager::FailureMode::FromThenOn;
  KT::MemoryManager::FailAllocation(n, mode);
  bool failed = false;
  try {
    step();
  } catch (const KT::OutOfMemoryException&) {
    failed = true;
  }
  KT::MemoryManager::StopFailing();
  return failed;
}

}  // namespace IFCAPI::Fuzzing
