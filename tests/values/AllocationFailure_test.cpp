// A failed allocation at any point of a factory leaks nothing, leaves the arguments usable, and
// reaches the caller as KT::OutOfMemoryException, never as a failed result.
#include <gtest/gtest.h>

#include <optional>

#include "AllocationSweep.h"
#include "IFCAPI/Attribute.h"
#include "IFCAPI/Classification.h"
#include "IFCAPI/ClassificationReference.h"
#include "IFCAPI/PropertyValue.h"
#include "IFCAPI/Value.h"
#include "ValuesTesting.h"

namespace {

using IFCAPI::Impl::Attribute;
using IFCAPI::Impl::Classification;
using IFCAPI::Impl::ClassificationReference;
using IFCAPI::Impl::PropertyValue;
using IFCAPI::Impl::Value;
using KT::MemoryManager;
using namespace IFCAPI::Testing;
using Values = KT::Array<Value>;

// Texts long enough to live on the heap, so that copying them allocates.
const KT::UniString LongName("A name long enough to need a heap block of its own");
const std::optional<KT::UniString> LongText(KT::UniString("An optional text long enough for the heap"));

// Runs `operation(arguments)` with each of its allocations failing, once and from then on. The result
// is kept in the state, so that no allocation can be optimised away.
template <class Arguments, class Operation>
void SweepBothModes(const Arguments& arguments, Operation operation) {
  using R = decltype(operation(arguments));
  struct State {
    Arguments arguments;
    std::optional<R> result;
  };
  for (const auto mode : {MemoryManager::FailureMode::Once, MemoryManager::FailureMode::FromThenOn}) {
    const std::uint64_t injected = SweepAllocationFailures(
        mode,
        [&] {
          return State{arguments, std::nullopt};
        },
        [&](State& state) { state.result.emplace(operation(state.arguments)); },
        [&](State& state, bool failed) {
          EXPECT_EQ(failed, !state.result.has_value());
          if (!failed) {
            EXPECT_TRUE(state.result->HasValue()) << state.result->GetError().message;
          }
          // The arguments are intact: the operation succeeds on them now.
          EXPECT_TRUE(operation(state.arguments).HasValue());
        });
    EXPECT_GT(injected, 0u) << "the operation allocated nothing; the sweep proved nothing";
  }
}

TEST(AllocationFailure, EveryFactory) {
  SweepBothModes(LongName, [](const KT::UniString& name) { return Attribute::Create(AddOnA, name, LongText); });
  SweepBothModes(LongName, [](const KT::UniString& name) {
    return Classification::Create(AddOnA, name, LongText, LongText, LongText, LongText, LongText);
  });
  SweepBothModes(Classification(AddOnA, IPL::Classification()), [](const Classification& system) {
    return ClassificationReference::Create(AddOnA, LongText, LongText, LongText, system, LongName);
  });
  SweepBothModes(LongName, [](const KT::UniString& text) {
    return Value::Create(AddOnA, "IfcLabel", IPL::AnyValue::FromString(text));
  });
  const Values labels{Label("first label text on the heap"), Label("second label text on the heap")};
  SweepBothModes(labels, [](const Values& values) {
    return PropertyValue::CreateSingleValue(AddOnA, LongName, LongName, values[0]);
  });
  SweepBothModes(Values{Length(1.0), EmptyLength(), Length(3.0)}, [](const Values& bounds) {
    return PropertyValue::CreateBoundedValue(AddOnA, LongName, LongName, bounds[0], bounds[1], bounds[2]);
  });
  SweepBothModes(
      labels, [](const Values& values) { return PropertyValue::CreateListValue(AddOnA, LongName, LongName, values); });
  SweepBothModes(labels, [](const Values& values) {
    return PropertyValue::CreateEnumeratedValue(AddOnA, LongName, LongName, values, Values{values[1]});
  });
  SweepBothModes(labels, [](const Values& values) {
    return PropertyValue::CreateTableValue(AddOnA, LongName, LongName, Values{Length(1.0), Length(2.0)}, values);
  });
}

}  // namespace
