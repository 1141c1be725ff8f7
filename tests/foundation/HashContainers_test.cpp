#include <gtest/gtest.h>

#include <string>

#include "IFCAPI/ObjectID.h"
#include "IPL/IFCType.h"
#include "KT/HashSet.h"
#include "KT/HashTable.h"
#include "KT/UniString.h"

namespace {

using IFCAPI::Impl::ObjectID;

TEST(HashContainers, AddGetAndEnumerateInInsertionOrder) {
  KT::HashTable<KT::UniString, unsigned int> indices;
  unsigned int* stored = nullptr;
  EXPECT_TRUE(indices.Add("Pset_WallCommon", 0u, &stored));
  EXPECT_FALSE(indices.Add("Pset_WallCommon", 7u, &stored));
  EXPECT_EQ(*stored, 0u);
  indices.FindOrAdd("Other") = 3;
  ASSERT_NE(indices.Get("Other"), nullptr);
  EXPECT_EQ(*indices.Get("Other"), 3u);
  std::string order;
  for (const auto& entry : indices)
    order += entry.key.ToUTF8() + "=" + std::to_string(entry.value) + ";";
  EXPECT_EQ(order, "Pset_WallCommon=0;Other=3;");

  KT::HashSet<IPL::IFCType> types{IPL::IFCType::IfcGroup, IPL::IFCType::IfcSystem};
  EXPECT_FALSE(types.Add(IPL::IFCType::IfcGroup));
  EXPECT_TRUE(types.Contains(IPL::IFCType::IfcSystem));
  KT::HashTable<ObjectID, KT::HashSet<ObjectID>> tree;
  const ObjectID group(API_Guid{}, IPL::IFCType::IfcGroup);
  EXPECT_TRUE(tree.FindOrAdd(group).Add(group));
  KT::HashTable<unsigned int, KT::HashSet<KT::UniString>> names;
  names.FindOrAdd(2u).Add("Width");
  EXPECT_TRUE(names.Get(2u)->Contains("Width"));
}

}  // namespace
