// The value type catalogue against the schema's list of IfcValue members, kept as test data.
#include "IPL/IFCType.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>

#include "IPL/AnyValue.h"
#include "IPL/Value.h"

namespace {

using IPL::AnyValue;
using IPL::IFCType;

// Name -> underlying EXPRESS type, from the tab-separated file; '#' lines are comments.
std::map<std::string, std::string> ReadSchemaValueTypes() {
  std::map<std::string, std::string> types;
  std::ifstream file(IFC4_VALUE_TYPES_FILE);
  std::string line;
  while (std::getline(file, line)) {
    const std::size_t tab = line.find('\t');
    if (!line.empty() && line[0] != '#' && tab != std::string::npos) {
      types.emplace(line.substr(0, tab), line.substr(tab + 1));
    }
  }
  return types;
}

// The raw value kind that an underlying EXPRESS type needs (NUMBER is held as a real).
AnyValue::ValueType KindOf(const std::string& underlying) {
  static const std::map<std::string, AnyValue::ValueType> kinds = {
      {"REAL", AnyValue::Real},       {"NUMBER", AnyValue::Real},     {"INTEGER", AnyValue::Integer},
      {"BOOLEAN", AnyValue::Boolean}, {"LOGICAL", AnyValue::Logical}, {"BINARY", AnyValue::Binary}};
  const auto found = kinds.find(underlying);
  if (found != kinds.end()) {
    return found->second;
  }
  return underlying.rfind("STRING", 0) == 0 ? AnyValue::String : AnyValue::NoValueType;
}

TEST(IFCTypeCatalogue, HoldsExactlyTheSchemaValueTypesWithTheirKinds) {
  const std::map<std::string, std::string> schema = ReadSchemaValueTypes();
  ASSERT_EQ(schema.size(), 108u) << "test data missing or damaged: " << IFC4_VALUE_TYPES_FILE;
  std::set<std::string> expected;
  for (const auto& [name, underlying] : schema) {
    const KT::Optional<IFCType> type = IPL::StringToIFCTypeStrict(KT::UniString(name));
    if (underlying.rfind("ARRAY", 0) == 0 || underlying.rfind("LIST", 0) == 0) {
      EXPECT_TRUE(type.IsEmpty()) << name << " has an aggregate type";
      continue;
    }
    expected.insert(name);
    ASSERT_TRUE(type.HasValue()) << name;
    EXPECT_EQ(IPL::GetIFCTypeName(type.Get()), name);
    ASSERT_NE(KindOf(underlying), AnyValue::NoValueType) << "unexpected underlying type " << underlying;
    EXPECT_EQ(IPL::Value::ConvertIFCType(type.Get()), KindOf(underlying)) << name;
  }
  // The other way round: the catalogue lists every one of them once, and nothing else.
  std::set<std::string> listed;
  for (std::size_t i = 0; i < IPL::GetValueIFCTypeCount(); ++i) {
    EXPECT_TRUE(listed.insert(std::string(IPL::GetIFCTypeName(IPL::GetValueIFCType(i)))).second) << i;
  }
  EXPECT_EQ(listed, expected);
  EXPECT_EQ(IPL::GetValueIFCType(IPL::GetValueIFCTypeCount()), IFCType::NullIFCType);
}

TEST(IFCTypeCatalogue, StrictLookupTakesOnlyTheExactSpellingOfValueTypesAndEntities) {
  for (const char* wrong : {"", "IFCLABEL", "IfcLabel ", "IfcLabe", "IfcLabels", "IfcGROUP", "NullIFCType"}) {
    EXPECT_TRUE(IPL::StringToIFCTypeStrict(wrong).IsEmpty()) << '"' << wrong << '"';
  }
  // U+014C has the low byte of 'L': a lookup that compared bytes instead of code units would take it.
  EXPECT_TRUE(IPL::StringToIFCTypeStrict(KT::UniString(std::u16string(u"Ifc\u014Cabel"))).IsEmpty());
  // Entities are named but take no value; no type, or one out of range, has no name.
  EXPECT_EQ(IPL::StringToIFCTypeStrict("IfcRelServicesBuildings").Get(), IFCType::IfcRelServicesBuildings);
  EXPECT_EQ(IPL::Value::ConvertIFCType(IFCType::IfcGroup), AnyValue::NoValueType);
  EXPECT_TRUE(IPL::GetIFCTypeName(IFCType::NullIFCType).empty());
  EXPECT_TRUE(IPL::GetIFCTypeName(static_cast<IFCType>(999999)).empty());
}

}  // namespace
