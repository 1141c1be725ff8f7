// Test support: the text of a whole IFC file around the instances of its data section, which begin
// on line 8.
//
//   const std::string text = IfcFile("#1=IFCWALL('3W0000001008000000000H',$,$,$,$,$,$,$);\n", "IFC2X3");
//   const std::string trailing = IfcFileHeader() + wall + kIfcFileFooter + "junk";
#pragma once

#include <string>

// Everything before the data section's first instance.
inline std::string IfcFileHeader(const std::string& schema = "IFC4") {
  return "ISO-10303-21;\nHEADER;\nFILE_DESCRIPTION((''),'2;1');\n"
         "FILE_NAME('in.ifc','2026-01-01T00:00:00',(''),(''),'','','');\nFILE_SCHEMA(('" +
         schema + "'));\nENDSEC;\nDATA;\n";
}

// Everything after the data section's last instance.
inline constexpr char kIfcFileFooter[] = "ENDSEC;\nEND-ISO-10303-21;\n";

inline std::string IfcFile(const std::string& data, const std::string& schema = "IFC4") {
  return IfcFileHeader(schema) + data + kIfcFileFooter;
}
