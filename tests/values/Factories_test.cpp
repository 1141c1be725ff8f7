// The factories of values, attributes, classifications and their references, and the handles' copies.
#include <gtest/gtest.h>

#include <optional>

#include "IFCAPI/Attribute.h"
#include "IFCAPI/Classification.h"
#include "IFCAPI/ClassificationReference.h"
#include "IFCAPI/ObjectAccessor.h"
#include "IFCAPI/PropertyAccessor.h"
#include "IFCAPI/PropertyBuilder.h"
#include "ValuesTesting.h"

namespace {

using namespace IFCAPI::Impl;
using namespace IFCAPI::Testing;
using IPL::AnyValue;
using Text = std::optional<KT::UniString>;

TEST(Value, UnknownTypeNameWinsOverAMismatchedValue) {
  // Wrong case and a raw value of the wrong kind: the name is reported.
  EXPECT_TRUE(FailedWith(Value::Create(AddOnB, "ifclabel", AnyValue::FromReal(1.0)), Errors::InvalidValueType));
  EXPECT_TRUE(FailedWith(Value::Create(AddOnB, "", AnyValue()), Errors::InvalidValueType));
  for (const char* name : {"IfcLabel", "IfcInteger"}) {
    EXPECT_TRUE(FailedWith(Value::Create(AddOnB, name, AnyValue::FromReal(1.0)), Errors::InconsistentValueType));
  }
  EXPECT_TRUE(FailedWith(Value::Create(AddOnA, "IfcReal", AnyValue()), Errors::InconsistentValueType, AddOnA));
}

// Each value type is accepted for its own kind; typed but empty, or an entity name (a known type
// that takes no value type), is accepted too but never valid.
TEST(Value, EachValueTypeIsAcceptedForItsOwnKindAndValidOnlyWithAValue) {
  const struct {
    const char* name;
    AnyValue raw;
    bool valid;
  } accepted[] = {
      {"IfcBoolean", AnyValue::FromBoolean(false), true},
      {"IfcLogical", AnyValue::FromLogical(AnyValue::LogicalValue::Unknown), true},
      {"IfcTimeStamp", AnyValue::FromInteger(1700000000), true},
      {"IfcCountMeasure", AnyValue::FromReal(3.0), true},  // NUMBER is held as a real
      {"IfcIdentifier", AnyValue::FromString("A-1"), true},
      {"IfcBinary", AnyValue::FromBinary({0xAB}), true},
      {"IfcLabel", AnyValue(AnyValue::String), false},
      {"IfcGroup", AnyValue(), false},
  };
  for (const auto& [name, raw, valid] : accepted) {
    auto value = Value::Create(AddOnA, name, raw);
    ASSERT_TRUE(value.HasValue()) << name << ": " << value.GetError().message;
    EXPECT_EQ(value.Unwrap().IsValid(), valid) << name;
    EXPECT_EQ(value.Unwrap().GetValue().GetIFCType(), IPL::StringToIFCTypeStrict(name).Get());
    EXPECT_EQ(static_cast<const AnyValue&>(value.Unwrap().GetValue()), raw);
    EXPECT_EQ(value.Unwrap().GetToken(), AddOnA);
  }
}

// An absent value and an empty one read alike; only HasValue tells them apart. A blank name is a name.
TEST(Attribute, EmptyNameFailsAndAbsentAndEmptyValuesAreTold) {
  EXPECT_TRUE(FailedWith(Attribute::Create(AddOnB, "", KT::UniString("value")), Errors::AttributeNameEmpty));
  EXPECT_TRUE(FailedWith(Attribute::Create(AddOnA, "", std::nullopt), Errors::AttributeNameEmpty, AddOnA));
  for (const auto& [name, value] : {std::pair(" ", Text()), std::pair("Tag", Text(KT::UniString())),
                                    std::pair("Tag", Text(KT::UniString("W-12")))}) {
    auto created = Attribute::Create(AddOnA, name, value);
    ASSERT_TRUE(created.HasValue()) << name;
    const IPL::GeneralAttribute& a = created.Unwrap().GetAttribute();
    EXPECT_TRUE(a.GetName() == KT::UniString(name) && a.GetDescription().IsEmpty());
    EXPECT_TRUE(a.GetValue() == value.value_or(KT::UniString()) && a.HasValue() == value.has_value());
    EXPECT_EQ(created.Unwrap().GetToken(), AddOnA);
  }
}

// Present texts are set even when empty, absent ones stay absent; distinct values catch a swapped setter.
TEST(Classification, PresentTextsOfSystemsAndReferencesAreSetEvenWhenEmptyAndAbsentOnesStayAbsent) {
  const Text none;
  const IPL::Classification bare =
      Classification::Create(AddOnA, "", none, none, none, none, none).Unwrap().GetClassification();
  EXPECT_TRUE(bare.name.IsEmpty() && bare.GetSource().IsEmpty() && bare.GetEdition().IsEmpty() &&
              bare.GetEditionDate().IsEmpty() && bare.GetDescription().IsEmpty() && bare.GetLocation().IsEmpty());
  auto full = Classification::Create(AddOnA, "Uniclass", KT::UniString("NBS"), KT::UniString("2015"),
                                     KT::UniString("2015-06-01"), KT::UniString(), KT::UniString("https://x"));
  const IPL::Classification& f = full.Unwrap().GetClassification();
  EXPECT_TRUE(f.name == KT::UniString("Uniclass") && f.GetSource().Get() == KT::UniString("NBS"));
  EXPECT_TRUE(f.GetEdition().Get() == KT::UniString("2015") && f.GetEditionDate().Get() == KT::UniString("2015-06-01"));
  EXPECT_TRUE(f.GetDescription().HasValue() && f.GetDescription().Get().IsEmpty());
  EXPECT_EQ(f.GetLocation().Get(), KT::UniString("https://x"));

  const IPL::ClassificationReference r =
      ClassificationReference::Create(AddOnA, none, none, none, full.Unwrap(), "rel").Unwrap().GetReference();
  EXPECT_TRUE(r.GetLocation().IsEmpty() && r.GetIdentification().IsEmpty() && r.GetName().IsEmpty());
  EXPECT_TRUE(FailedWith(ClassificationReference::Create(AddOnB, KT::UniString("l"), KT::UniString("i"),
                                                         KT::UniString("n"), full.Unwrap(), ""),
                         Errors::RelAssociatesClassificationNameEmpty));
}

// A reference keeps its texts, its own token and its own copy of the source, which may go.
TEST(ClassificationReference, KeepsItsTextsItsOwnCopyOfTheSourceAndItsOwnToken) {
  std::optional<ClassificationReference> made;
  {
    const Classification system = Classification::Create(AddOnA, "Uniclass", std::nullopt, KT::UniString("2015"),
                                                         std::nullopt, std::nullopt, std::nullopt)
                                      .Unwrap();
    made.emplace(ClassificationReference::Create(AddOnB, KT::UniString("loc"), KT::UniString("Ss_25"), KT::UniString(),
                                                 system, "Uniclass classification")
                     .Unwrap());
  }
  const IPL::ClassificationReference& reference = made->GetReference();
  EXPECT_TRUE(made->GetToken() == AddOnB && reference.GetLocation().Get() == KT::UniString("loc"));
  EXPECT_EQ(reference.GetIdentification().Get(), KT::UniString("Ss_25"));
  EXPECT_TRUE(reference.GetName().HasValue() && reference.GetName().Get().IsEmpty());
  EXPECT_EQ(reference.relAssociatesClassificationName, KT::UniString("Uniclass classification"));
  ASSERT_TRUE(reference.GetReferencedSource().HasValue());
  EXPECT_EQ(reference.GetReferencedSource().Get().GetEdition().Get(), KT::UniString("2015"));
}

// Copies keep the handle's own token, not the entity's, and the entity whole, of either kind.
TEST(Handles, CopiesKeepTheirTokenAndEntity) {
  for (const ObjectID& entity : {ObjectID(AddOnB, KT::Guid("{3A9C1E52-6B0D-4F87-9E21-C45D7A0B8F36}")),
                                 ObjectID(AddOnB, IPL::IFCType::IfcDistributionSystem)}) {
    const PropertyAccessor accessor(AddOnA, entity);
    const PropertyAccessor copy(accessor);
    EXPECT_TRUE(copy.GetToken() == AddOnA && copy.GetObjectID() == entity && copy.GetObjectID().GetToken() == AddOnB);
  }
  const ObjectAccessor accessor(AddOnA);
  const PropertyBuilder builder(AddOnB);
  EXPECT_EQ(ObjectAccessor(accessor).GetToken(), AddOnA);
  EXPECT_EQ(PropertyBuilder(builder).GetToken(), AddOnB);
}

}  // namespace
