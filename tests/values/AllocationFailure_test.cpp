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
#include "IPL/PropertyEnumeratedValue.h"
#include "IPL/PropertyTableValue.h"
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
const KT::UniString SetName("Pset_AllocationFailureSweepOfEveryFactory");
const KT::UniString PropertyName("PropertyNameLongEnoughForTheHeap");

// Runs `operation(arguments)` with each of its allocations failing, once and from then on. The result
// is kept in the state, so no allocation can be optimised away; `verify(result)` checks a completed run.
template <class Arguments, class Operation, class Verify>
void SweepBothModes(Arguments arguments, Operation operation, Verify verify) {
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
          // The arguments were not touched: the operation succeeds on them now.
          EXPECT_EQ(failed, !state.result.has_value());
          if (!failed) {
            ASSERT_TRUE(state.result->HasValue()) << state.result->GetError().message;
            verify(state.result->Unwrap());
          }
          const R again = operation(state.arguments);
          ASSERT_TRUE(again.HasValue());
          verify(again.Unwrap());
        });
    EXPECT_GT(injected, 0u) << "the operation allocated nothing; the sweep proved nothing";
  }
}

TEST(AllocationFailure, AttributeAndClassifications) {
  SweepBothModes(
      KT::UniString("AttributeNameLongEnoughForTheHeap"),
      [](const KT::UniString& name) { return Attribute::Create(AddOnA, name, KT::UniString("a value on the heap")); },
      [](const Attribute& a) { EXPECT_EQ(a.GetAttribute().GetValue(), KT::UniString("a value on the heap")); });

  const auto text = [](const char* s) { return std::optional<KT::UniString>(KT::UniString(s)); };
  SweepBothModes(
      KT::UniString("A classification system name on the heap"),
      [&](const KT::UniString& name) {
        return Classification::Create(AddOnA, name, text("source text on the heap"), text("edition text on the heap"),
                                      text("edition date text on the heap"), text("description text on the heap"),
                                      text("location text on the heap"));
      },
      [](const Classification& c) {
        EXPECT_EQ(c.GetClassification().GetLocation().Get(), KT::UniString("location text on the heap"));
      });

  SweepBothModes(
      Classification::Create(AddOnA, "A classification system name on the heap", text("source text on the heap"),
                             std::nullopt, std::nullopt, std::nullopt, std::nullopt)
          .Unwrap(),
      [&](const Classification& system) {
        return ClassificationReference::Create(AddOnA, text("location text on the heap"),
                                               text("identification text on the heap"), text("name text on the heap"),
                                               system, "relationship name text on the heap");
      },
      [](const ClassificationReference& r) {
        ASSERT_TRUE(r.GetReference().GetReferencedSource().HasValue());
        EXPECT_EQ(r.GetReference().GetReferencedSource().Get().GetSource().Get(),
                  KT::UniString("source text on the heap"));
      });
}

TEST(AllocationFailure, Value) {
  SweepBothModes(
      KT::UniString("a label text long enough for the heap"),
      [](const KT::UniString& text) { return Value::Create(AddOnA, "IfcLabel", IPL::AnyValue::FromString(text)); },
      [](const Value& v) { EXPECT_TRUE(v.IsValid()); });
}

TEST(AllocationFailure, SingleBoundedAndListProperties) {
  SweepBothModes(
      Label("a label text long enough for the heap"),
      [](const Value& value) { return PropertyValue::CreateSingleValue(AddOnA, SetName, PropertyName, value); },
      [](const PropertyValue& p) { EXPECT_EQ(p.GetProperty()->GetName(), PropertyName); });

  SweepBothModes(
      Values{Length(1.0), EmptyLength(), Length(3.0)},
      [](const Values& bounds) {
        return PropertyValue::CreateBoundedValue(AddOnA, SetName, PropertyName, bounds[0], bounds[1], bounds[2]);
      },
      [](const PropertyValue& p) { EXPECT_EQ(p.GetProperty()->GetName(), PropertyName); });

  SweepBothModes(
      Values{Label("first label text on the heap"), Label("second label text on the heap")},
      [](const Values& values) { return PropertyValue::CreateListValue(AddOnA, SetName, PropertyName, values); },
      [](const PropertyValue& p) { EXPECT_EQ(p.GetPropertySetName(), SetName); });
}

TEST(AllocationFailure, EnumeratedAndTableProperties) {
  struct Lists {
    Values first;
    Values second;
  };
  SweepBothModes(
      Lists{Values{Label("red label text on the heap"), Label("green label text on the heap")},
            Values{Label("blue label text on the heap")}},
      [](const Lists& lists) {
        return PropertyValue::CreateEnumeratedValue(AddOnA, SetName, PropertyName, lists.first, lists.second);
      },
      [](const PropertyValue& p) {
        const auto* enumerated = dynamic_cast<const IPL::PropertyEnumeratedValue*>(p.GetProperty().Get());
        ASSERT_NE(enumerated, nullptr);
        ASSERT_NE(enumerated->GetEnumerationReference(), nullptr);
        EXPECT_EQ(enumerated->GetEnumerationReference()->GetEnumerationValues().GetSize(), 2u);
      });

  SweepBothModes(
      Lists{Values{Length(1.0), Length(2.0)}, Values{Label("one label text on the heap"), Label("two label text")}},
      [](const Lists& lists) {
        return PropertyValue::CreateTableValue(AddOnA, SetName, PropertyName, lists.first, lists.second);
      },
      [](const PropertyValue& p) {
        const auto* table = dynamic_cast<const IPL::PropertyTableValue*>(p.GetProperty().Get());
        ASSERT_NE(table, nullptr);
        EXPECT_EQ(table->GetDefinedValues().GetSize(), 2u);
      });
}

}  // namespace
