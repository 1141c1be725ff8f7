// Fuzz target: the requirements checker's IDS reader, from arbitrary bytes. Reading never crashes,
// hangs or leaks: it refuses the document with a message naming the document (and a line, when one
// applies), or it gives specifications that the audit then accepts or refuses the same way. Every
// pattern read is matched against a short and an over-the-limit value: the matching stays bounded (a
// hang shows as a timeout) and a value not checked says which pattern. (Values on which libxml2 gives
// up cost it about half a second each: the unit tests cover them, the fuzzer would crawl.)
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "idscheck/check/Audit.h"
#include "idscheck/check/DocumentReader.h"
#include "idscheck/check/SchemaCatalog.h"
#include "idscheck/check/XmlRegex.h"

using IFCAPI::Fuzzing::Check;

namespace {

void MatchHostileValues(const Ids::XmlRegex& pattern) {
  const std::string values[] = {"aab", std::string(Ids::XmlRegex::kBacktrackingLimit + 1, 'a')};
  for (const std::string& value : values) {
    const Ids::MatchOutcome outcome = pattern.Match(value);
    if (!outcome.Checked()) {
      Check(outcome.reason.rfind("pattern '" + pattern.Pattern() + "' not checked", 0) == 0,
            "a value not checked does not name the pattern");
    }
  }
  const Ids::MatchOutcome overLimit = pattern.Match(values[1]);
  Check(pattern.IsDeterministic() || !overLimit.Checked(), "a backtracking pattern was matched over the limit");
}

void MatchPatterns(const Ids::Document& document) {
  for (const Ids::Specification& specification : document.specifications) {
    for (const auto* facets : {&specification.applicability, &specification.requirements}) {
      for (const Ids::Facet& facet : *facets) {
        for (const Ids::ValueConstraint* constraint :
             {&facet.name, &facet.predefinedType, &facet.value, &facet.system, &facet.propertySet, &facet.baseName}) {
          for (const Ids::XmlRegex& pattern : constraint->restriction.patterns) {
            MatchHostileValues(pattern);
          }
        }
      }
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Ids::Document document;
  Ids::DocumentError error;
  const char* text = reinterpret_cast<const char*>(data);
  if (!Ids::ReadDocumentFromMemory(text, size, "f.ids", document, error)) {
    Check(error.Message().rfind("f.ids", 0) == 0 && !error.reason.empty(), "a refusal does not name the document");
    return 0;
  }
  MatchPatterns(document);
  if (!Ids::AuditDocument(document, Ids::SchemaEntityCatalog, error)) {
    Check(error.Message().rfind("f.ids:", 0) == 0 && !error.reason.empty(), "an audit refusal has no line");
  }
  return 0;
}
