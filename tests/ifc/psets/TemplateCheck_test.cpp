#include "ifc/psets/TemplateCheck.h"

#include <gtest/gtest.h>

namespace {

using Ifc::GivenKind;
using Ifc::GivenProperty;
using Ifc::SchemaVersion;

TEST(PropertySetTemplates, EachSchemaHasItsSets) {
  const struct {
    SchemaVersion version;
    std::size_t sets;
    bool quantities;
    const char* statusType;  // Pset_WallCommon.Status: IFC2X3 has none
  } cases[] = {
      {SchemaVersion::Ifc2x3, 317, false, nullptr},
      {SchemaVersion::Ifc4, 408, false, "NEW"},
      {SchemaVersion::Ifc4x3Add2, 760, true, "DEMOLISH"},
  };
  for (const auto& c : cases) {
    const Ifc::PropertySetTemplates& templates = Ifc::PropertySetTemplates::Get(c.version);
    SCOPED_TRACE(std::string(Ifc::SchemaName(c.version)));
    EXPECT_EQ(templates.SetCount(), c.sets);
    EXPECT_EQ(templates.HasQuantitySets(), c.quantities);
    const Ifc::SetTemplate* wall = templates.FindSet("Pset_WallCommon");
    ASSERT_NE(wall, nullptr);
    EXPECT_STREQ(wall->FindProperty("FireRating")->dataType, "IfcLabel");
    const Ifc::PropertyTemplate* status = wall->FindProperty("Status");
    ASSERT_EQ(status != nullptr, c.statusType != nullptr);
    if (status != nullptr) {
      EXPECT_EQ(status->kind, Ifc::TemplateKind::Enumeration);
      EXPECT_STREQ(status->items[0], c.statusType);
    }
    // The first and last sets are found: the binary search covers both ends.
    EXPECT_NE(templates.FindSet("Pset_ActorCommon"), nullptr);
    EXPECT_NE(templates.FindSet("Pset_ZoneCommon"), nullptr);
    EXPECT_EQ(templates.FindSet("pset_wallcommon"), nullptr);
    EXPECT_EQ(templates.FindSet("Pset_WallCommonX"), nullptr);
  }
}

GivenProperty Single(const char* name, const char* type, const char* label = nullptr) {
  GivenProperty given{name, GivenKind::Single, {type}, {}};
  if (label != nullptr) {
    given.labels.emplace_back(label);
  }
  return given;
}

struct Case {
  const char* title;
  SchemaVersion version;
  const char* entity;
  const char* set;
  GivenProperty property;
  const char* mismatch;  // the first mismatch's text, "" for none
};

TEST(TemplateCheck, FindsEachMistake) {
  const SchemaVersion ifc4 = SchemaVersion::Ifc4;
  const Case cases[] = {
      {"right type", ifc4, "IfcWall", "Pset_WallCommon", Single("FireRating", "IfcLabel"), ""},
      {"type in upper case, as read from a file", ifc4, "IfcWall", "Pset_WallCommon", Single("FireRating", "IFCLABEL"),
       ""},
      {"wrong type", ifc4, "IfcWall", "Pset_WallCommon", Single("FireRating", "IFCINTEGER"),
       "Pset_WallCommon.FireRating: the IFC4 template says IfcLabel, X gave IfcInteger"},
      {"a label for a boolean", ifc4, "IfcDoor", "Pset_DoorCommon", Single("IsExternal", "IfcLabel", "yes"),
       "Pset_DoorCommon.IsExternal: the IFC4 template says IfcBoolean, X gave IfcLabel"},
      {"undefined property", ifc4, "IfcWall", "Pset_WallCommon", Single("Colour", "IfcLabel"),
       "Pset_WallCommon.Colour: the IFC4 template says no such property, X gave IfcLabel"},
      {"subtype applies", ifc4, "IfcWallStandardCase", "Pset_WallCommon", Single("IsExternal", "IfcBoolean"), ""},
      {"type object applies", ifc4, "IfcWallType", "Pset_WallCommon", Single("IsExternal", "IfcBoolean"), ""},
      {"not applicable", ifc4, "IfcSlab", "Pset_WallCommon", Single("IsExternal", "IfcBoolean"),
       "Pset_WallCommon: the IFC4 template says for IfcWall, IfcWallType, X gave it to IfcSlab"},
      {"unknown set", ifc4, "IfcWall", "Pset_WallCommonX", Single("IsExternal", "IfcBoolean"),
       "Pset_WallCommonX: the IFC4 template says no such set, X gave it"},
      {"listed literal", ifc4, "IfcWall", "Pset_WallCommon",
       GivenProperty{"Status", GivenKind::Enumerated, {"IfcLabel"}, {"NEW"}}, ""},
      {"literal as a single label", ifc4, "IfcWall", "Pset_WallCommon", Single("Status", "IfcLabel", "EXISTING"), ""},
      {"unlisted literal", ifc4, "IfcWall", "Pset_WallCommon",
       GivenProperty{"Status", GivenKind::Enumerated, {"IfcLabel", "IfcLabel"}, {"NEW", "new"}},
       "Pset_WallCommon.Status: the IFC4 template says one of NEW, EXISTING, DEMOLISH, TEMPORARY, OTHER, NOTKNOWN, "
       "UNSET, X gave 'new'"},
      {"enumeration of another type", ifc4, "IfcWall", "Pset_WallCommon",
       GivenProperty{"Status", GivenKind::Enumerated, {"IfcIdentifier"}, {}},
       "Pset_WallCommon.Status: the IFC4 template says IfcLabel, one of NEW, EXISTING, DEMOLISH, TEMPORARY, OTHER, "
       "NOTKNOWN, UNSET, X gave IfcIdentifier"},
      {"bounded value for an enumeration", ifc4, "IfcWall", "Pset_WallCommon",
       GivenProperty{"Status", GivenKind::Bounded, {}, {}},
       "Pset_WallCommon.Status: the IFC4 template says an enumerated value, one of NEW, EXISTING, DEMOLISH, "
       "TEMPORARY, OTHER, NOTKNOWN, UNSET, X gave a bounded value"},
      {"list value: every item", ifc4, "IfcWall", "Pset_WallCommon",
       GivenProperty{"FireRating", GivenKind::List, {"IfcLabel", "IfcText"}, {}},
       "Pset_WallCommon.FireRating: the IFC4 template says IfcLabel, X gave IfcText"},
      {"table: name only", ifc4, "IfcWall", "Pset_WallCommon", GivenProperty{"FireRating", GivenKind::Other, {}, {}},
       ""},
      {"unset value", ifc4, "IfcWall", "Pset_WallCommon", GivenProperty{"FireRating", GivenKind::Single, {}, {}}, ""},
      {"IFC4 has no Qto_ sets: unchecked", ifc4, "IfcWall", "Qto_WallBaseQuantities", Single("Width", "IfcLabel"), ""},
      {"IFC4X3 Qto_", SchemaVersion::Ifc4x3Add2, "IfcWall", "Qto_WallBaseQuantities",
       GivenProperty{"Width", GivenKind::Quantity, {"IfcAreaMeasure"}, {}},
       "Qto_WallBaseQuantities.Width: the IFC4X3_ADD2 template says IfcLengthMeasure, X gave IfcAreaMeasure"},
      {"IFC2X3 wall standard case listed", SchemaVersion::Ifc2x3, "IfcWallStandardCase", "Pset_WallCommon",
       Single("FireRating", "IfcLabel"), ""},
      {"IFC2X3 has no Status", SchemaVersion::Ifc2x3, "IfcWall", "Pset_WallCommon", Single("Status", "IfcLabel", "NEW"),
       "Pset_WallCommon.Status: the IFC2X3 template says no such property, X gave IfcLabel"},
      {"other sets are not checked", ifc4, "IfcWall", "ePset_Own", Single("FireRating", "IfcInteger"), ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.title);
    const Ifc::Schema& schema = Ifc::Schema::Get(c.version);
    const Ifc::TemplateCheck check(schema);
    const Ifc::EntityId entity = schema.FindEntity(c.entity);
    ASSERT_TRUE(entity.Valid());
    const std::vector<Ifc::TemplateMismatch> found = check.Check(entity, c.set, {c.property});
    if (std::string(c.mismatch).empty()) {
      EXPECT_TRUE(found.empty()) << found.front().Text(Ifc::SchemaName(c.version), "X gave");
    } else {
      ASSERT_EQ(found.size(), 1u);
      EXPECT_EQ(found.front().Text(Ifc::SchemaName(c.version), "X gave"), c.mismatch);
    }
  }
}

}  // namespace
