#include "Exporter.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <regex>
#include <string>

#include "IFCAPI/HookManager.h"
#include "IPL/AnyValue.h"

namespace Exporter {
namespace {

using namespace IFCAPI::Impl;

const API_Guid Token = ToAPIGuid(KT::Guid("{7E570000-0000-4000-8000-000000000001}"));

// Walls A and B share two sets; wall C has a set of its own.
const std::string Input =
    "ISO-10303-21;\nHEADER;\nFILE_DESCRIPTION((''),'2;1');\n"
    "FILE_NAME('in.ifc','2026-01-01T00:00:00',(''),(''),'','','');\nFILE_SCHEMA(('IFC4'));\nENDSEC;\nDATA;\n"
    "#1=IFCWALL('0000000000000000000001',$,'A',$,$,$,$,$,$);\n"
    "#2=IFCWALL('0000000000000000000002',$,'B',$,$,$,$,$,$);\n"
    "#3=IFCWALL('0000000000000000000003',$,'C','old',$,$,$,$,$);\n"
    "#10=IFCPROPERTYSINGLEVALUE('Old',$,IFCLABEL('o'),$);\n"
    "#11=IFCPROPERTYSET('0000000000000000000011',$,'Pset_Shared',$,(#10));\n"
    "#12=IFCRELDEFINESBYPROPERTIES('0000000000000000000012',$,$,$,(#1,#2),#11);\n"
    "#20=IFCPROPERTYSINGLEVALUE('Kept',$,IFCLABEL('k'),$);\n"
    "#21=IFCPROPERTYSET('0000000000000000000021',$,'Pset_Own',$,(#20));\n"
    "#22=IFCRELDEFINESBYPROPERTIES('0000000000000000000022',$,$,$,(#3),#21);\n"
    "#30=IFCPROPERTYSINGLEVALUE('Both',$,IFCLABEL('b'),$);\n"
    "#31=IFCPROPERTYSET('0000000000000000000031',$,'Pset_Both',$,(#30));\n"
    "#32=IFCRELDEFINESBYPROPERTIES('0000000000000000000032',$,$,$,(#1,#2),#31);\n"
    "ENDSEC;\nEND-ISO-10303-21;\n";

ObjectID Wall(int n) {
  return ObjectID(Token, ToKTGuid(*DecodeGlobalId(std::string("000000000000000000000") + char('0' + n))));
}

class Provider : public IHookDataProvider {
 public:
  void GetProperties(const ObjectID& id, std::vector<PropertyValue>& values) override {
    const auto label = Value::Create(Token, "IfcLabel", IPL::AnyValue::FromString("x")).Unwrap();
    if (id == Wall(1)) {
      values.push_back(PropertyValue::CreateSingleValue(Token, "Pset_Shared", "New", label).Unwrap());
    }
    if (id == Wall(3)) {
      values.push_back(PropertyValue::CreateSingleValue(Token, "Pset_Own", "Kept", label).Unwrap());
      const auto five = Value::Create(Token, "IfcInteger", IPL::AnyValue::FromInteger(5)).Unwrap();
      values.push_back(PropertyValue::CreateSingleValue(Token, "Pset_Own", "Added", five).Unwrap());
    }
    if (id == Wall(1) || id == Wall(2)) {
      const auto tenth = Value::Create(Token, "IfcReal", IPL::AnyValue::FromReal(0.1)).Unwrap();
      values.push_back(PropertyValue::CreateSingleValue(Token, "Pset_Both", "Extra", tenth).Unwrap());
    }
  }
  void GetAttributes(const ObjectID& id, std::vector<Attribute>& values) override {
    if (id == Wall(3)) {
      values.push_back(Attribute::Create(Token, "Name", KT::UniString(u8"C'\u00e9")).Unwrap());
      values.push_back(Attribute::Create(Token, "Description", std::nullopt).Unwrap());
      values.push_back(Attribute::Create(Token, "GlobalId", KT::UniString("x")).Unwrap());
      values.push_back(Attribute::Create(Token, "Colour", KT::UniString("red")).Unwrap());
    }
  }
  void GetClassificationReferences(const ObjectID&, std::vector<ClassificationReference>&) override {}
  void GetAlternativeProperties(const ObjectID&, std::vector<PropertyValue>&) override {}
  void GetAlternativeAttributes(const ObjectID&, std::vector<Attribute>&) override {}
  void GetAlternativeClassificationReferences(const ObjectID&, std::vector<ClassificationReference>&) override {}
  void GetAssignments(std::vector<HookAssignments>& values) override {
    HookAssignments assignments(Token);
    const ObjectID group = assignments
                               .CreateIfcGroup(KT::Guid("{9A000000-0000-4000-8000-000000000001}"),
                                               IPL::IFCType::IfcGroup, KT::UniString("G"), true)
                               .Unwrap();
    ASSERT_TRUE(assignments.AssignObjects(group, {Wall(1), Wall(9)}).HasValue());
    values.push_back(assignments);
  }
};

std::string Export(const std::string& fileName, Summary* summary = nullptr) {
  const std::string name = ::testing::TempDir() + fileName;
  StepFile file;
  std::string error;
  EXPECT_TRUE(file.Read(Input.data(), Input.size(), "in.ifc", error)) << error;
  Exporter exporter(file, false);
  exporter.Collect();
  EXPECT_TRUE(exporter.Write(name, name, error)) << error;
  if (summary != nullptr) {
    *summary = exporter.GetSummary();
  }
  std::ifstream written(name, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(written), std::istreambuf_iterator<char>());
}

// The number of the instance whose text matches `pattern` (one group: the number), or "".
std::string Find(const std::string& text, const std::string& pattern) {
  std::smatch match;
  return std::regex_search(text, match, std::regex(pattern)) ? match[1].str() : std::string();
}

TEST(Exporter, ContributionsMeetTheFilesSetsAttributesAndGroups) {
  Provider provider;
  HookManager::SetHookDataProvider(&provider);
  Summary summary;
  const std::string out = Export("exporter_test_a.ifc", &summary);
  const std::string again = Export("exporter_test_b.ifc");
  HookManager::SetHookDataProvider(nullptr);
  EXPECT_EQ(out.substr(out.find("DATA;")), again.substr(again.find("DATA;")));  // deterministic

  // A shared set is left alone: wall A gets a new set with its properties plus the new one, and
  // leaves the shared set's relation.
  const std::string added = Find(out, R"(#(\d+)=IFCPROPERTYSINGLEVALUE\('New',\$,IFCLABEL\('x'\),\$\);)");
  const std::string merged =
      Find(out, R"(#(\d+)=IFCPROPERTYSET\('[0-9A-Za-z_$]{22}',\$,'Pset_Shared',\$,\(#10,#)" + added + R"(\)\);)");
  ASSERT_FALSE(merged.empty()) << out;
  EXPECT_NE(out.find("#11=IFCPROPERTYSET('0000000000000000000011',$,'Pset_Shared',$,(#10));"), std::string::npos);
  EXPECT_NE(out.find("#12=IFCRELDEFINESBYPROPERTIES('0000000000000000000012',$,$,$,(#2),#11);"), std::string::npos);
  EXPECT_FALSE(Find(out, R"(=IFCRELDEFINESBYPROPERTIES\('[^']{22}',\$,\$,\$,\(#(1)\),#)" + merged + R"(\);)").empty());

  // A relation that all its elements leave for the same new set is pointed at it instead.
  const std::string both = Find(out, R"(#(\d+)=IFCPROPERTYSET\('[^']{22}',\$,'Pset_Both',\$,\(#30,#\d+\)\);)");
  ASSERT_FALSE(both.empty());
  EXPECT_NE(out.find("#32=IFCRELDEFINESBYPROPERTIES('0000000000000000000032',$,$,$,(#1,#2),#" + both + ");"),
            std::string::npos);
  EXPECT_NE(out.find("IFCPROPERTYSINGLEVALUE('Extra',$,IFCREAL(0.1),$);"), std::string::npos);

  // The element's own set grows; the file's property of a contributed name stays.
  const std::string five = Find(out, R"(#(\d+)=IFCPROPERTYSINGLEVALUE\('Added',\$,IFCINTEGER\(5\),\$\);)");
  EXPECT_NE(out.find("#21=IFCPROPERTYSET('0000000000000000000021',$,'Pset_Own',$,(#20,#" + five + "));"),
            std::string::npos);
  EXPECT_EQ(out.find("'Kept',$,IFCLABEL('x')"), std::string::npos);

  // Attributes: set with escapes, unset, and two refused.
  EXPECT_NE(out.find("#3=IFCWALL('0000000000000000000003',$,'C''\\X2\\00E9\\X0\\',$,$,$,$,$,$);"), std::string::npos);
  EXPECT_EQ(summary.attributes, 2u);

  // The group relates the one member that is in the file.
  const std::string group = Find(out, R"(#(\d+)=IFCGROUP\('[^']{22}',\$,'G',\$,\$\);)");
  EXPECT_FALSE(Find(out, R"(=IFCRELASSIGNSTOGROUP\('[^']{22}',\$,\$,\$,\(#(1)\),\$,#)" + group + R"(\);)").empty());
  EXPECT_EQ(summary.groups, 1u);
  EXPECT_EQ(summary.relations, 2u);  // A's new Pset_Shared and the group's; Pset_Both reuses #32

  // Warned: the kept property, GlobalId, the unknown attribute and the missing member.
  ASSERT_EQ(summary.warnings.size(), 4u);
  EXPECT_NE(summary.warnings[0].find("Pset_Own.Kept is already in the file's set"), std::string::npos);
  EXPECT_NE(summary.warnings[3].find("is not in the file; left out"), std::string::npos);

  // Every input instance is still there but Pset_Both's old set, which the split left related to
  // nothing, and the file reads as a whole.
  StepFile back;
  std::string error;
  ASSERT_TRUE(back.Read(out.data(), out.size(), "out", error)) << error;
  for (const std::uint32_t number : {1u, 2u, 3u, 10u, 11u, 12u, 20u, 21u, 22u, 30u, 32u}) {
    EXPECT_GE(back.FindByNumber(number), 0) << number;
  }
  EXPECT_LT(back.FindByNumber(31), 0);
  EXPECT_EQ(out.find("\n\n#32="), std::string::npos);  // no empty line where it was
}

}  // namespace
}  // namespace Exporter
