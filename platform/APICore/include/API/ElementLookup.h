// API::LookUpElement: what the host knows about an element of the model, asked by the element's GUID
// (the GUID behind an ObjectID, and behind the element's IFC GlobalId). A hook data provider asks it
// to learn what the element it is asked about is:
//
//   void MyProvider::GetProperties(const ObjectID& id, std::vector<PropertyValue>& values) {
//     const auto element = API::LookUpElement(token, id.GetGUID());
//     if (!element.HasValue()) return;                       // GetError().message says why
//     if (element.Unwrap().entity == "IfcWall") { ... }      // every wall, whatever its GUID
//     if (element.Unwrap().IsA("IfcDoor")) { ... }           // every door, its subtypes' too
//     if (element.Unwrap().storey) { ... }                   // the storey it is on
//     if (const auto* rating = element.Unwrap().FindProperty("Pset_WallCommon", "FireRating")) { ... }
//   }
//
// The host serves it during an export from the model being exported. Texts are UTF-8; names are
// spelled as the IFC schema spells them ("IfcWall", "IfcLabel").
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "APICore/Export.h"
#include "KT/Guid.h"
#include "TSAPI/APIGuid.h"
#include "TSAPI/Result.h"

namespace API {

// No element of the model has the GUID asked about.
inline constexpr std::int32_t ErrorUnknownElement = static_cast<std::int32_t>(0x81020101u);
// No look-up is being served: the host is not exporting.
inline constexpr std::int32_t ErrorNoElementLookup = static_cast<std::int32_t>(0x81020102u);

// Another object of the model that the element refers to: its type object or its container.
struct ElementReference {
  std::string entity;    // "IfcWallType", "IfcBuildingStorey", "IfcSpace", ...
  std::string name;      // its Name; empty when unset
  std::string globalId;  // its 22-character GlobalId
};

// One property value the model holds for the element.
struct ElementProperty {
  std::string set;      // the property set's name, "Pset_WallCommon"
  std::string name;     // the property's name, "FireRating"
  std::string kind;     // "IfcPropertySingleValue", "IfcPropertyEnumeratedValue", ...
  std::string ifcType;  // the value's type, "IfcLabel"; empty when the property holds no value
  // The value as text: strings as they are, "TRUE"/"FALSE"/"UNKNOWN" for booleans and logicals,
  // numbers as the file writes them. Several values (lists, enumerations, bounds) are joined by ", ".
  std::string value;
  bool fromType = false;  // held by the element's type object, not by the element
};

// What the host knows about one element.
struct ElementInfo {
  std::string globalId;        // the element's own GlobalId
  std::string entity;          // "IfcWall"
  std::string predefinedType;  // "SOLIDWALL"; empty when unset or when the entity has none
  std::optional<std::string> name;
  std::optional<std::string> description;
  std::optional<std::string> objectType;
  std::optional<std::string> tag;
  std::optional<ElementReference> type;       // through IfcRelDefinesByType
  std::optional<ElementReference> container;  // the storey, space, building or site that holds it
  // The element's own property values first, then its type object's, each in the model's order.
  std::vector<ElementProperty> properties;
  // Fields are only ever appended below this line: the layout of those above stays as it is.
  // The element's entity and its supertypes by the model's schema, from the entity up to the root:
  // "IfcDoorStandardCase", "IfcDoor", "IfcBuildingElement", "IfcElement", ..., "IfcRoot".
  std::vector<std::string> entityAndSupertypes;
  // The building storey and the building that the element is in, found upwards from the element
  // through IfcRelContainedInSpatialStructure and IfcRelAggregates (a door in a space of a storey:
  // that storey); never the element itself. Empty when there is none.
  std::optional<ElementReference> storey;
  std::optional<ElementReference> building;

  // Whether the element is an instance of `entity` or of one of its subtypes, by the model's schema:
  // IsA("IfcDoor") for an IfcDoorStandardCase of an IFC4 model. Names compare ignoring ASCII case.
  bool IsA(std::string_view entity) const noexcept {
    for (const std::string& name : entityAndSupertypes) {
      if (SameName(name, entity)) {
        return true;
      }
    }
    return false;
  }

  // The first property called `name` in a set called `set`, or null.
  const ElementProperty* FindProperty(std::string_view set, std::string_view name) const noexcept {
    for (const ElementProperty& property : properties) {
      if (property.set == set && property.name == name) {
        return &property;
      }
    }
    return nullptr;
  }

 private:
  static bool SameName(std::string_view a, std::string_view b) noexcept {
    if (a.size() != b.size()) {
      return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
      if (Lower(a[i]) != Lower(b[i])) {
        return false;
      }
    }
    return true;
  }
  static char Lower(char c) noexcept { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }
};

// The host's side of the look-up, which it registers while it exports.
// The host calls it through the table of virtual functions: operations are only ever appended.
class APICORE_EXPORT IElementLookup {
 public:
  virtual ~IElementLookup();

  // The element with `guid`, or a failure with ErrorUnknownElement naming the GUID; a failure
  // carries `token`.
  virtual TSAPI::Result<ElementInfo, TSAPI::Error> LookUp(const API_Guid& token, const KT::Guid& guid) = 0;
};

// Asks the registered look-up about the element with `guid` on behalf of the add-on `token`. Fails
// with ErrorUnknownElement for a GUID that names no element, and with ErrorNoElementLookup when the
// host is not exporting; a failure carries `token`. Any thread may ask; calls are answered one at a
// time, and the host removes its look-up only once no call is in it.
APICORE_EXPORT TSAPI::Result<ElementInfo, TSAPI::Error> LookUpElement(const API_Guid& token, const KT::Guid& guid);

}  // namespace API
