#include "IFCAPI/Classification.h"

#include <gtest/gtest.h>

#include <memory>

#include "IFCAPI/ClassificationReference.h"
#include "ValuesTesting.h"

namespace {

using IFCAPI::Impl::Classification;
using IFCAPI::Impl::ClassificationReference;
using namespace IFCAPI::Testing;
namespace Errors = IFCAPI::Impl::Errors;

TEST(Classification, PresentTextsOfSystemsAndReferencesAreSetEvenWhenEmptyAndAbsentOnesStayAbsent) {
  auto bare = Classification::Create(AddOnA, "", std::nullopt, std::nullopt, std::nullopt, std::nullopt, std::nullopt);
  ASSERT_TRUE(bare.HasValue());
  const IPL::Classification& b = bare.Unwrap().GetClassification();
  EXPECT_TRUE(b.name.IsEmpty());
  EXPECT_TRUE(b.GetSource().IsEmpty() && b.GetEdition().IsEmpty() && b.GetEditionDate().IsEmpty() &&
              b.GetDescription().IsEmpty() && b.GetLocation().IsEmpty());

  // Each text lands in its own field: distinct values catch a swapped setter.
  auto full = Classification::Create(AddOnA, "Uniclass", KT::UniString("NBS"), KT::UniString("2015"),
                                     KT::UniString("2015-06-01"), KT::UniString(), KT::UniString("https://x"));
  ASSERT_TRUE(full.HasValue());
  const IPL::Classification& f = full.Unwrap().GetClassification();
  EXPECT_EQ(f.name, KT::UniString("Uniclass"));
  EXPECT_EQ(f.GetSource().Get(), KT::UniString("NBS"));
  EXPECT_EQ(f.GetEdition().Get(), KT::UniString("2015"));
  EXPECT_EQ(f.GetEditionDate().Get(), KT::UniString("2015-06-01"));
  ASSERT_TRUE(f.GetDescription().HasValue());
  EXPECT_TRUE(f.GetDescription().Get().IsEmpty());
  EXPECT_EQ(f.GetLocation().Get(), KT::UniString("https://x"));
  const IPL::ClassificationReference r =
      ClassificationReference::Create(AddOnA, std::nullopt, std::nullopt, std::nullopt, bare.Unwrap(), "rel")
          .Unwrap()
          .GetReference();
  EXPECT_TRUE(r.GetLocation().IsEmpty() && r.GetIdentification().IsEmpty() && r.GetName().IsEmpty());
}

TEST(ClassificationReference, EmptyRelationshipNameFailsEvenWithEverythingElseGiven) {
  auto system = Classification::Create(AddOnA, "Uniclass", KT::UniString("NBS"), std::nullopt, std::nullopt,
                                       std::nullopt, std::nullopt);
  EXPECT_TRUE(FailedWith(ClassificationReference::Create(AddOnB, KT::UniString("l"), KT::UniString("i"),
                                                         KT::UniString("n"), system.Unwrap(), ""),
                         Errors::RelAssociatesClassificationNameEmpty));
}

TEST(ClassificationReference, KeepsItsTextsItsOwnCopyOfTheSourceAndItsOwnToken) {
  auto system =
      std::make_unique<Classification>(Classification::Create(AddOnA, "Uniclass", std::nullopt, KT::UniString("2015"),
                                                              std::nullopt, std::nullopt, std::nullopt)
                                           .Unwrap());
  auto created = ClassificationReference::Create(AddOnB, KT::UniString("loc"), KT::UniString("Ss_25"), KT::UniString(),
                                                 *system, "Uniclass classification");
  system.reset();
  ASSERT_TRUE(created.HasValue());
  const ClassificationReference copy(created.Unwrap());
  EXPECT_EQ(copy.GetToken(), AddOnB);
  const IPL::ClassificationReference& reference = copy.GetReference();
  EXPECT_EQ(reference.GetLocation().Get(), KT::UniString("loc"));
  EXPECT_EQ(reference.GetIdentification().Get(), KT::UniString("Ss_25"));
  ASSERT_TRUE(reference.GetName().HasValue()) << "a present empty name is set, not left absent";
  EXPECT_TRUE(reference.GetName().Get().IsEmpty());
  EXPECT_EQ(reference.relAssociatesClassificationName, KT::UniString("Uniclass classification"));
  ASSERT_TRUE(reference.GetReferencedSource().HasValue());
  EXPECT_EQ(reference.GetReferencedSource().Get().name, KT::UniString("Uniclass"));
  EXPECT_EQ(reference.GetReferencedSource().Get().GetEdition().Get(), KT::UniString("2015"));
}

}  // namespace
