// Fuzz target: the requirements checker's IDS reader, from arbitrary bytes. Reading never crashes,
// hangs or leaks: it refuses the document with a message naming the document (and a line, when one
// applies), or it gives specifications that the audit then accepts or refuses the same way.
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "idscheck/check/Audit.h"
#include "idscheck/check/DocumentReader.h"
#include "idscheck/check/SchemaCatalog.h"

using IFCAPI::Fuzzing::Check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Ids::Document document;
  Ids::DocumentError error;
  const char* text = reinterpret_cast<const char*>(data);
  if (!Ids::ReadDocumentFromMemory(text, size, "f.ids", document, error)) {
    Check(error.Message().rfind("f.ids", 0) == 0 && !error.reason.empty(), "a refusal does not name the document");
    return 0;
  }
  if (!Ids::AuditDocument(document, Ids::SchemaEntityCatalog, error))
    Check(error.Message().rfind("f.ids:", 0) == 0 && !error.reason.empty(), "an audit refusal has no line");
  return 0;
}
