// The header section of an exchange file: its three records parsed into values, the schema they
// name, and the byte ranges a writer that copies the file needs.
//
//   const Header& header = model.GetHeader();
//   header.fileName[0].text;              // FILE_NAME's name, decoded
//   header.version == SchemaVersion::Ifc4;
//   Copy(0, header.fileNameBegin); Write(newFileName); Copy(header.fileNameEnd, header.dataEnd); ...
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "ifc/schema/Schema.h"
#include "ifc/step/Value.h"

namespace Ifc {

struct Header {
  std::vector<Value> fileDescription;  // (description list, implementation level)
  std::vector<Value> fileName;    // (name, time stamp, authors, organisations, preprocessor, system, authorisation)
  std::vector<Value> fileSchema;  // ((schema names))
  std::string schemaName;         // as written: "IFC4"
  SchemaVersion version = SchemaVersion::Ifc4;
  std::uint32_t schemaLine = 0;  // where FILE_SCHEMA begins

  // FILE_NAME from its keyword to its ';', and its arguments between the outer parentheses as written.
  std::size_t fileNameBegin = 0;
  std::size_t fileNameEnd = 0;
  std::string_view fileNameArguments;
  // Where the last data section's "ENDSEC;" begins: new instances go before it.
  std::size_t dataEnd = 0;
  // After END-ISO-10303-21; and the blanks after it: bytes past it are not the model's (see Flaws.h).
  std::size_t contentEnd = 0;
  // Whether the file ends its lines with CR LF (by its first line end).
  bool crlf = false;
};

}  // namespace Ifc
