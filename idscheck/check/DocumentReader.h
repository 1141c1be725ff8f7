// Reads an IDS document: parses the XML with libxml2, validates it against ids.xsd (whose imports
// resolve to local copies; nothing is fetched), and builds the Document, compiling every xs:pattern
// as an XML Schema regular expression. Then audits the rules the schema cannot state (see Audit.h).
//
//   Ids::Document document;
//   Ids::DocumentError error;
//   if (!Ids::ReadDocument("walls.ids", document, error)) {
//     std::fprintf(stderr, "%s\n", error.Message().c_str());  // "walls.ids:12: ..."
//     return 4;
//   }
//
// Limits: a document of at most kMaxDocumentBytes, plain XML only (a gzip, xz, bzip2, zstd or zip file
// is refused by its signature), libxml2's own limits on nesting (256 levels) and on one text node.
#pragma once

#include <cstddef>
#include <string>

#include "idscheck/check/Document.h"

namespace Ids {

// The largest IDS document read: far above any real one (a few hundred kilobytes), far below what
// would strain the machine once parsed.
inline constexpr std::size_t kMaxDocumentBytes = std::size_t{64} << 20;

struct DocumentError {
  std::string file;
  int line = 0;  // 0 when no line applies (an unreadable file)
  std::string reason;

  std::string Message() const;
};

// Reads, validates and builds; false with `error` when the document cannot be read or is not valid
// against the schema.
bool ReadDocument(const std::string& path, Document& document, DocumentError& error);
// The same from bytes in memory, `name` standing for the path in messages.
bool ReadDocumentFromMemory(const char* data, std::size_t size, const std::string& name, Document& document,
                            DocumentError& error);

}  // namespace Ids
