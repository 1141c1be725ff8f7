// Shared properties and references handed between threads: copies of one PropertyValue, and shared
// pointers to one cloned classification reference, are made and released on several threads at once.
// The counts must come back exactly, and the last release, wherever it happens, destroys the object
// once. Run under ThreadSanitizer (preset tsan) this also shows that the counts are changed without
// a data race.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

#include "IFCAPI/PropertyValue.h"
#include "IPL/ClassificationReference.h"
#include "KT/SharedPtr.h"
#include "ValuesTesting.h"

namespace {

using IFCAPI::Impl::PropertyValue;
using namespace IFCAPI::Testing;

constexpr int Threads = 4;
constexpr int Rounds = 2000;

// Runs `work` on `Threads` threads that start together.
template <class Work>
void OnThreads(Work work) {
  std::atomic<bool> go{false};
  std::vector<std::thread> threads;
  for (int t = 0; t < Threads; ++t) {
    threads.emplace_back([&] {
      while (!go.load()) {
        std::this_thread::yield();
      }
      work();
    });
  }
  go.store(true);
  for (std::thread& thread : threads) {
    thread.join();
  }
}

// A reference whose destruction is counted, so that a lost or doubled last release shows.
struct CountedReference : IPL::ClassificationReference {
  static inline std::atomic<int> destroyed{0};
  ~CountedReference() override { destroyed.fetch_add(1); }
};

TEST(SharedAcrossThreads, EveryReferenceTakenIsReleasedAndTheLastReleaseDestroysOnce) {
  const PropertyValue value =
      PropertyValue::CreateSingleValue(AddOnA, "Pset_WallCommon", "Width", Length(0.25)).Unwrap();
  const int owners = value.GetProperty()->GetReferenceCount();
  for (int round = 0; round < 20; ++round) {
    CountedReference::destroyed.store(0);
    std::vector<KT::SharedPtr<IPL::ExternalReferenceBase>> handed;
    {
      KT::SharedPtr<IPL::ExternalReferenceBase> reference(new CountedReference);
      handed.assign(Threads, reference);
    }
    EXPECT_EQ(handed[0]->GetReferenceCount(), Threads);
    std::atomic<int> next{0};
    OnThreads([&] {
      KT::SharedPtr<IPL::ExternalReferenceBase> mine = std::move(handed[next.fetch_add(1)]);
      std::vector<PropertyValue> copies;
      for (int i = 0; i < Rounds / 20; ++i) {
        copies.push_back(value);
        KT::SharedPtr<IPL::ExternalReferenceBase> copy(mine);
        static_cast<void>(copy);
      }
    });
    EXPECT_EQ(CountedReference::destroyed.load(), 1);
  }
  EXPECT_EQ(value.GetProperty()->GetReferenceCount(), owners);
}

}  // namespace
