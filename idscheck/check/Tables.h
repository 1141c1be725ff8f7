// Tables the checker takes from the IDS documents (third_party/ids), generated at build time by
// idscheck/tools/generate_tables.py: the data types with the schemas that know them and their XML
// base type, the measures with the unit they are given in, the IFC2X3 occurrence/type mapping, and
// the XML schemas that validate an IDS document.
//
//   const Ids::Tables::DataTypeRow* row = Ids::Tables::FindDataType("IFCLENGTHMEASURE");
//   if (row && (row->versions & Ids::Tables::Ifc4)) UseBase(row->base);  // "xs:double"
#pragma once

#include <cstddef>
#include <string_view>

namespace Ids::Tables {

enum VersionBit : unsigned char { Ifc2x3 = 1, Ifc4 = 2, Ifc4x3 = 4 };

struct DataTypeRow {
  const char* name;        // "IFCLENGTHMEASURE"
  unsigned char versions;  // VersionBit flags of the schemas that define it
  const char* base;        // "xs:double", "xs:string", ...
};

// A measure whose IDS values are given in SI units: the IFC unit type that the file's unit assignment
// names for it, and its SI dimensions (m, kg, s, A, K, mol, cd).
struct MeasureRow {
  const char* name;  // "IFCLENGTHMEASURE"
  const char* unit;  // "LENGTHUNIT"
  bool derived;      // an IfcDerivedUnitEnum value rather than an IfcUnitEnum one
  signed char exponents[7];
};

struct Ifc2x3MappingRow {
  const char* idsName;     // "IfcAirTerminal"
  const char* occurrence;  // "IfcFlowTerminal"
  const char* type;        // "IfcAirTerminalType"
};

// An XML schema document and the URL (or, for the IDS schema, file name) it is known by.
struct EmbeddedSchema {
  const char* url;
  const char* content;
};

extern const DataTypeRow kDataTypes[];
extern const std::size_t kDataTypeCount;
extern const MeasureRow kMeasures[];
extern const std::size_t kMeasureCount;
extern const Ifc2x3MappingRow kIfc2x3Mapping[];
extern const std::size_t kIfc2x3MappingCount;
extern const EmbeddedSchema kSchemas[];  // kSchemas[0] is ids.xsd
extern const std::size_t kSchemaCount;

// Lookups by upper-case name; null when absent.
const DataTypeRow* FindDataType(std::string_view name) noexcept;
const MeasureRow* FindMeasure(std::string_view name) noexcept;
// The row whose IDS name matches `upperName` ("IFCAIRTERMINAL"), or null.
const Ifc2x3MappingRow* FindIfc2x3Mapping(std::string_view upperName) noexcept;

}  // namespace Ids::Tables
