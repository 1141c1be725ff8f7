#include "ifc/schema/Schema.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace Ifc {
namespace {

const SchemaVersion AllVersions[] = {SchemaVersion::Ifc2x3, SchemaVersion::Ifc4, SchemaVersion::Ifc4x3Add2};

std::vector<std::string> AttributeNames(const Schema& schema, EntityId entity) {
  std::vector<std::string> names;
  for (std::size_t i = 0; i < schema.AttributeCount(entity); ++i) {
    names.emplace_back(schema.Attribute(entity, AttributeSlot{static_cast<std::int16_t>(i)}).name);
  }
  return names;
}

TEST(Schema, FileSchemaNamesMapToTheirSchema) {
  for (const SchemaVersion version : AllVersions) {
    EXPECT_EQ(FindSchemaVersion(SchemaName(version)), version);
    EXPECT_EQ(Schema::Get(version).Version(), version);
  }
  EXPECT_EQ(FindSchemaVersion("IFC4X3"), SchemaVersion::Ifc4x3Add2);
  EXPECT_FALSE(FindSchemaVersion("IFC2X"));
}

TEST(Schema, EntitiesHaveTheirSchemasAttributesAndInheritance) {
  const std::vector<std::string> root = {"GlobalId", "OwnerHistory", "Name", "Description"};
  for (const SchemaVersion version : AllVersions) {
    const Schema& schema = Schema::Get(version);
    EXPECT_EQ(AttributeNames(schema, schema.ifcRoot), root);
    EXPECT_TRUE(schema.IsAbstract(schema.ifcObject));
    const EntityId wall = schema.FindEntity("IfcWall");
    EXPECT_FALSE(schema.IsAbstract(wall));
    EXPECT_TRUE(schema.IsSubtypeOf(wall, schema.ifcObject));
    EXPECT_FALSE(schema.IsSubtypeOf(schema.FindEntity("IfcWallType"), schema.ifcObject));
    EXPECT_FALSE(schema.IsSubtypeOf(wall, EntityId{}));
    EXPECT_EQ(schema.Attribute(wall, schema.FindAttribute(wall, "Tag")).type, std::string("IfcIdentifier"));
    EXPECT_FALSE(schema.FindAttribute(wall, "tag").Valid() || schema.FindAttribute(wall, "TagX").Valid());
    // IfcSIUnit re-declares its inherited Dimensions as derived: it keeps its place in the list.
    const EntityId unit = schema.FindEntity("IfcSIUnit");
    EXPECT_EQ(schema.FindAttribute(unit, "Dimensions").value, 0);
    EXPECT_EQ(schema.AttributeCount(unit), 4u);
  }
  // IFC2X3's own attributes are met by the tool's IFC2X3 runs, IFC4's in the table test below.
  const Schema& ifc4x3 = Schema::Get(SchemaVersion::Ifc4x3Add2);
  const EntityId wall = ifc4x3.FindEntity("IFCWALL");
  EXPECT_EQ(ifc4x3.Name(ifc4x3.Supertype(wall)), "IfcBuiltElement");
  EXPECT_TRUE(ifc4x3.Attribute(wall, ifc4x3.FindAttribute(wall, "PredefinedType")).optional);
  EXPECT_TRUE(ifc4x3.Attribute(ifc4x3.ifcRelDefinesByProperties, AttributeSlot{4}).aggregate);  // RelatedObjects
}

TEST(Schema, EnumerationsAndDefinedTypesAreFoundInAnyCase) {
  const EnumerationDef* walls = Schema::Get(SchemaVersion::Ifc2x3).FindEnumeration("ifcwalltypeenum");
  ASSERT_NE(walls, nullptr);
  EXPECT_TRUE(walls->Contains("shear"));
  EXPECT_FALSE(walls->Contains("MOVABLE"));  // from IFC4 on
  EXPECT_TRUE(Schema::Get(SchemaVersion::Ifc4x3Add2).FindEnumeration("IfcWallTypeEnum")->Contains("RETAININGWALL"));
  EXPECT_EQ(Schema::Get(SchemaVersion::Ifc4).FindEnumeration("IfcWallType"), nullptr);

  for (const SchemaVersion version : AllVersions) {
    const Schema& schema = Schema::Get(version);
    const DefinedTypeDef* length = schema.FindDefinedType("IFCPOSITIVELENGTHMEASURE");
    ASSERT_NE(length, nullptr);
    EXPECT_EQ(length->underlying, std::string("REAL"));
    EXPECT_TRUE(length->isValue);
    EXPECT_FALSE(schema.FindDefinedType("IfcGloballyUniqueId")->isValue);
    EXPECT_TRUE(schema.IsStringType("IfcText"));
    EXPECT_FALSE(schema.IsStringType("IfcInteger"));
    EXPECT_FALSE(schema.IsStringType("IfcWallTypeEnum"));
    EXPECT_EQ(schema.FindDefinedType("IfcWallTypeEnum"), nullptr);
  }
  const DefinedTypeDef* label = Schema::Get(SchemaVersion::Ifc4).FindDefinedType("ifclabel");
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->maxLength, 255);
  EXPECT_TRUE(label->isValue);
}

// The generated IFC4 table says what the committed table it was made from says, row by row.
TEST(Schema, Ifc4TableMatchesItsSource) {
  const Schema& schema = Schema::Get(SchemaVersion::Ifc4);
  std::ifstream file(IFC4_ENTITIES_FILE);
  ASSERT_TRUE(file) << IFC4_ENTITIES_FILE;
  std::size_t rows = 0;
  for (std::string line; std::getline(file, line);) {
    if (line.empty() || line[0] == '#' || line.rfind("entity\t", 0) == 0) {
      continue;
    }
    std::istringstream fields(line);
    std::string name, supertype, abstract, attributes, attribute;
    std::getline(fields, name, '\t');
    std::getline(fields, supertype, '\t');
    std::getline(fields, abstract, '\t');
    std::getline(fields, attributes, '\t');
    const EntityId entity = schema.FindEntity(name);
    ASSERT_TRUE(entity.Valid()) << name;
    EXPECT_EQ(supertype == "-" ? "" : supertype,
              schema.Supertype(entity).Valid() ? schema.Name(schema.Supertype(entity)) : "");
    EXPECT_EQ(schema.IsAbstract(entity), abstract == "1") << name;
    std::istringstream list(attributes);
    std::int16_t slot = 0;
    for (; list >> attribute; ++slot) {
      const AttributeDef& def = schema.Attribute(entity, AttributeSlot{slot});
      const std::string flags = attribute.substr(attribute.rfind(':') + 1);
      EXPECT_EQ(std::string(def.name) + ":" + def.type + ":", attribute.substr(0, attribute.size() - flags.size()));
      EXPECT_EQ(def.optional, flags.find('o') != std::string::npos) << name << " " << attribute;
      EXPECT_EQ(def.aggregate, flags.find_first_of("LSA") != std::string::npos) << name << " " << attribute;
    }
    EXPECT_EQ(schema.AttributeCount(entity), static_cast<std::size_t>(slot)) << name;
    ++rows;
  }
  EXPECT_EQ(rows, schema.EntityCount());
}

}  // namespace
}  // namespace Ifc
