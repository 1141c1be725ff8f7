// The provider registry and the four queries: routing, merge rules, and what a failure leaves behind.
#include "IFCAPI/HookManager.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "AllocationSweep.h"
#include "HooksTesting.h"
#include "IPL/PropertySingleValue.h"

namespace {

using IFCAPI::Impl::Attribute;
using IFCAPI::Impl::ClassificationReference;
using IFCAPI::Impl::HookAssignments;
using IFCAPI::Impl::HookManager;
using IFCAPI::Impl::IHookDataProvider;
using IFCAPI::Impl::ObjectID;
using IFCAPI::Impl::PropertyValue;
using References = KT::Array<KT::SharedPtr<IPL::ExternalReferenceBase>>;

using IFCAPI::Testing::AddOn;
const ObjectID Wall(AddOn, KT::Guid("{57A11000-0000-0000-0000-000000000001}"));

PropertyValue Property(const char* setName, const char* propertyName) {
  KT::SharedPtr<IPL::Property> property(new IPL::PropertySingleValue());
  property->SetName(propertyName);
  return PropertyValue(AddOn, setName, property);
}

Attribute MakeAttribute(const char* name, const char* value) {
  return Attribute(AddOn, IPL::GeneralAttribute(name, KT::EmptyUniString, value, true));
}

ClassificationReference Reference(const char* identification, const char* relationName) {
  IPL::ClassificationReference reference;
  reference.SetIdentification(KT::UniString(identification));
  reference.relAssociatesClassificationName = relationName;
  return ClassificationReference(AddOn, reference);
}

template <class T>
void Append(std::vector<T>& to, const std::vector<T>& from) {
  for (const T& item : from) {
    to.push_back(item);
  }
}

// Answers with its prepared lists and records every call, with the object asked about.
class RecordingProvider : public IHookDataProvider {
 public:
#define RECORDING_QUERY(Operation, T, answer)                           \
  void Operation(const ObjectID& id, std::vector<T>& values) override { \
    Answer(#Operation, id, values, answer);                             \
  }
  RECORDING_QUERY(GetProperties, PropertyValue, properties)
  RECORDING_QUERY(GetAlternativeProperties, PropertyValue, properties)
  RECORDING_QUERY(GetAttributes, Attribute, attributes)
  RECORDING_QUERY(GetAlternativeAttributes, Attribute, attributes)
  RECORDING_QUERY(GetClassificationReferences, ClassificationReference, references)
  RECORDING_QUERY(GetAlternativeClassificationReferences, ClassificationReference, references)
#undef RECORDING_QUERY
  void GetAssignments(std::vector<HookAssignments>& values) override {
    Answer("GetAssignments", Wall, values, assignments);
  }

  std::vector<PropertyValue> properties;
  std::vector<Attribute> attributes;
  std::vector<ClassificationReference> references;
  std::vector<HookAssignments> assignments;
  std::vector<std::pair<std::string, const ObjectID*>> calls;
  bool everGivenANonEmptyVector = false;
  bool throwing = false;

 private:
  template <class T>
  void Answer(const char* name, const ObjectID& id, std::vector<T>& values, const std::vector<T>& answer) {
    calls.emplace_back(name, &id);
    everGivenANonEmptyVector |= !values.empty();
    Append(values, answer);
    if (throwing) {
      throw std::runtime_error("provider failure");
    }
  }
};

std::vector<std::string> SetNames(const KT::Array<IPL::PropertySet>& sets) {
  std::vector<std::string> names;
  for (const IPL::PropertySet& set : sets) {
    names.push_back(set.GetName().ToUTF8());
  }
  return names;
}

// The positions in `values` of the set's properties: the very objects, not copies.
std::vector<std::size_t> PositionsIn(const IPL::PropertySet& set, const std::vector<PropertyValue>& values) {
  std::vector<std::size_t> positions;
  for (const auto& property : set.GetProperties()) {
    for (std::size_t i = 0; i < values.size(); ++i) {
      if (values[i].GetProperty().Get() == property.Get()) {
        positions.push_back(i);
      }
    }
  }
  return positions;
}

KT::Array<IPL::PropertySet> OneOldSet() {
  KT::Array<IPL::PropertySet> sets;
  sets.Push(IPL::PropertySet());
  sets[0].SetName("Old");
  return sets;
}

// Outputs that hold one entry each, and every query with the provider operation it must ask.
class HookManagerTest : public ::testing::Test {
 protected:
  void SetUp() override { HookManager::SetHookDataProvider(&provider); }
  void TearDown() override { HookManager::SetHookDataProvider(nullptr); }

  // Runs each query and checks that it asked its own operation once, for the caller's object, or
  // (without a provider) none.
  void RunQueries(bool provided) {
    const std::pair<std::function<void()>, const char*> queries[] = {
        {[&] { HookManager::GetHookProperties(Wall, false, sets); }, "GetProperties"},
        {[&] { HookManager::GetHookProperties(Wall, true, sets); }, "GetAlternativeProperties"},
        {[&] { HookManager::GetHookAttributes(Wall, false, attributes); }, "GetAttributes"},
        {[&] { HookManager::GetHookAttributes(Wall, true, attributes); }, "GetAlternativeAttributes"},
        {[&] { HookManager::GetHookClassificationReferences(Wall, false, references); }, "GetClassificationReferences"},
        {[&] { HookManager::GetHookClassificationReferences(Wall, true, references); },
         "GetAlternativeClassificationReferences"},
        {[&] { HookManager::GetHookAssignments(assignments); }, "GetAssignments"},
    };
    for (const auto& [query, operation] : queries) {
      provider.calls.clear();
      if (provider.throwing) {
        EXPECT_THROW(query(), std::runtime_error);
      } else {
        query();
      }
      using Calls = std::vector<std::pair<std::string, const ObjectID*>>;
      EXPECT_EQ(provider.calls, (provided ? Calls{{operation, &Wall}} : Calls()));
    }
    EXPECT_FALSE(provider.everGivenANonEmptyVector);
  }

  void ExpectOutputsAsTheyWere() {
    EXPECT_EQ(SetNames(sets), std::vector<std::string>{"Old"});
    EXPECT_EQ(attributes.GetSize() + references.GetSize() + assignments.GetSize(), 3u);
  }

  RecordingProvider provider;
  KT::Array<IPL::PropertySet> sets = OneOldSet();
  KT::Array<IPL::GeneralAttribute> attributes{MakeAttribute("Old", "1").GetAttribute()};
  References references{KT::SharedPtr<IPL::ExternalReferenceBase>(new IPL::ClassificationReference())};
  KT::Array<HookAssignments> assignments{HookAssignments(AddOn)};
};

TEST_F(HookManagerTest, WithoutAProviderQueriesChangeNothingAndALaterProviderReplacesAnEarlierOne) {
  HookManager::SetHookDataProvider(nullptr);
  EXPECT_FALSE(HookManager::HasHookDataProvider());
  RunQueries(false);
  ExpectOutputsAsTheyWere();
  RecordingProvider second;
  HookManager::SetHookDataProvider(&second);
  HookManager::SetHookDataProvider(&provider);
  EXPECT_TRUE(HookManager::HasHookDataProvider());
  EXPECT_EQ(&HookManager::GetHookDataProvider(), &provider);
  RunQueries(true);
  EXPECT_TRUE(second.calls.empty());
  HookManager::SetHookDataProvider(nullptr);
  EXPECT_FALSE(HookManager::HasHookDataProvider());
}

TEST_F(HookManagerTest, AProviderThatThrowsLeavesEveryOutputAsItWas) {
  provider.throwing = true;
  provider.properties.push_back(Property("New", "P"));
  provider.attributes.push_back(MakeAttribute("New", "1"));
  provider.references.push_back(Reference("X", "Rel"));
  provider.assignments.push_back(HookAssignments(AddOn));
  RunQueries(true);
  ExpectOutputsAsTheyWere();
}

TEST_F(HookManagerTest, PropertiesAreGroupedBySetInFirstOccurrenceAndTheFirstOfEachNameIsShared) {
  const std::vector<PropertyValue> values = {
      Property("A", "Width"), Property("B", "Width"), Property("A", "Height"), Property("A", "Width"),
      Property("a", "Width"), Property("B", "width"), Property("C", "Width"),
  };
  Append(provider.properties, values);

  HookManager::GetHookProperties(Wall, false, sets);
  ASSERT_EQ(SetNames(sets), (std::vector<std::string>{"A", "B", "a", "C"}));
  // The very properties of the provider's values, not copies; the repeated "Width" of A is dropped.
  EXPECT_EQ(PositionsIn(sets[0], values), (std::vector<std::size_t>{0, 2}));
  EXPECT_EQ(PositionsIn(sets[1], values), (std::vector<std::size_t>{1, 5}));
  EXPECT_EQ(PositionsIn(sets[2], values), std::vector<std::size_t>{4});
  // Held here, by the provider's list and by the output: the query's own copies are gone.
  EXPECT_EQ(values[0].GetProperty()->GetReferenceCount(), 3);
  EXPECT_EQ(values[3].GetProperty()->GetReferenceCount(), 2);

  // An empty answer still replaces what the output held.
  provider.properties.clear();
  HookManager::GetHookProperties(Wall, true, sets);
  EXPECT_TRUE(sets.GetSize() == 0 && sets.GetCapacity() == 0);
}

TEST_F(HookManagerTest, AttributesAndReferencesKeepTheFirstOfEachKeyAfterWhatTheOutputHeld) {
  Append(provider.attributes, {MakeAttribute("Old", "new"), MakeAttribute("Name", "first"),
                               MakeAttribute("Name", "second"), MakeAttribute("name", "third")});
  HookManager::GetHookAttributes(Wall, false, attributes);
  std::vector<std::string> seen;
  for (const IPL::GeneralAttribute& a : attributes) {
    seen.push_back(a.GetName().ToUTF8() + "=" + a.GetValue().ToUTF8());
  }
  EXPECT_EQ(seen, (std::vector<std::string>{"Old=1", "Old=new", "Name=first", "name=third"}));

  Append(provider.references, {Reference("21.10", "First"), Reference("21.10", "Second"), Reference("21.1O", "Third"),
                               Reference("21.2", "Fourth")});
  HookManager::GetHookClassificationReferences(Wall, true, references);
  ASSERT_EQ(references.GetSize(), 4u);
  const auto* kept = dynamic_cast<const IPL::ClassificationReference*>(references[1].Get());
  ASSERT_NE(kept, nullptr);
  EXPECT_EQ(kept->relAssociatesClassificationName, KT::UniString("First"));
  EXPECT_NE(kept, &provider.references[0].GetReference());
  EXPECT_EQ(kept->GetReferenceCount(), 1);
  EXPECT_EQ(references[2]->GetIdentification().Get(), KT::UniString("21.1O"));
  EXPECT_EQ(references[3]->GetIdentification().Get(), KT::UniString("21.2"));

  // The output owns its references: the provider's objects may go.
  provider.references.clear();
  EXPECT_EQ(kept->GetIdentification().Get(), KT::UniString("21.10"));
}

TEST_F(HookManagerTest, AssignmentsAreAppendedAfterWhatTheOutputHeld) {
  provider.assignments.push_back(HookAssignments(AddOn));
  static_cast<void>(provider.assignments[0].AddRoot(Wall));
  HookManager::GetHookAssignments(assignments);
  ASSERT_EQ(assignments.GetSize(), 2u);
  EXPECT_TRUE(assignments[0].GetRoots().GetCount() == 0 && assignments[1].GetRoots().Contains(Wall));
}

// An add-on's groups may hold every element: the query hands the provider's assignments over instead of
// copying them, so it allocates what the provider's own copy does plus the output's buffer.
TEST_F(HookManagerTest, AssignmentsAreHandedOverNotCopied) {
  HookAssignments large(AddOn);
  const auto group = large.CreateIfcGroup(KT::Guid("{5E000000-0000-4000-8000-0000000000A1}"), IPL::IFCType::IfcGroup,
                                          KT::UniString("All"), true);
  ASSERT_TRUE(group.HasValue());
  std::vector<ObjectID> members;
  for (std::uint8_t high = 1; high <= 4; ++high) {
    for (int low = 0; low < 250; ++low) {
      members.emplace_back(AddOn, KT::Guid(KT::Guid::Bytes{high, static_cast<std::uint8_t>(low), 0, 0, 0, 0, 0, 0, 0, 0,
                                                           0, 0, 0, 0, 0, 0x01}));
    }
  }
  ASSERT_TRUE(large.AssignObjects(group.Unwrap(), members).HasValue());
  provider.assignments.push_back(large);
  const std::uint64_t beforeCopy = KT::MemoryManager::GetAllocationAttemptCount();
  const std::vector<HookAssignments> providersCopy = provider.assignments;
  const std::uint64_t copying = KT::MemoryManager::GetAllocationAttemptCount() - beforeCopy;
  const std::uint64_t beforeQuery = KT::MemoryManager::GetAllocationAttemptCount();
  HookManager::GetHookAssignments(assignments);
  const std::uint64_t querying = KT::MemoryManager::GetAllocationAttemptCount() - beforeQuery;
  ASSERT_EQ(assignments.GetSize(), 2u);
  EXPECT_EQ(assignments[1].GetGroups().GetCount(), 1u);
  EXPECT_EQ(assignments[1].GetParents().GetCount(), providersCopy[0].GetParents().GetCount());
  EXPECT_GT(copying, 100u);
  EXPECT_LE(querying, copying + 8);
}

TEST_F(HookManagerTest, AllocationFailureDuringAPropertyQueryLeaksNothingAndLeavesTheOutputUsable) {
  Append(provider.properties, {Property("Pset_WallCommon", "IsExternal"), Property("Pset_WallCommon", "LoadBearing"),
                               Property("Pset_Acoustics", "Rating"), Property("Pset_WallCommon", "IsExternal")});
  // The provider's call records must not allocate inside the runs: that memory outlives them.
  provider.calls.reserve(4);
  for (const auto mode : {KT::MemoryManager::FailureMode::Once, KT::MemoryManager::FailureMode::FromThenOn}) {
    const std::uint64_t runs = IFCAPI::Testing::SweepAllocationFailures(
        mode,
        [this] {
          provider.calls.clear();
          return OneOldSet();
        },
        [](KT::Array<IPL::PropertySet>& output) { HookManager::GetHookProperties(Wall, false, output); },
        [](KT::Array<IPL::PropertySet>& output, bool failed) {
          std::size_t properties = 0;
          for (const IPL::PropertySet& set : output) {
            for (const auto& property : set.GetProperties()) {
              properties += property->GetName().GetLength() > 0;
            }
          }
          if (!failed) {
            EXPECT_EQ(SetNames(output), (std::vector<std::string>{"Pset_WallCommon", "Pset_Acoustics"}));
            EXPECT_EQ(properties, 3u);
          }
          output.Push(IPL::PropertySet());  // still usable
        });
    EXPECT_GT(runs, 5u);
  }
  // Only the provider's list holds them again: no reference was lost or left behind.
  for (const PropertyValue& value : provider.properties) {
    EXPECT_EQ(value.GetProperty()->GetReferenceCount(), 1);
  }
}

}  // namespace
