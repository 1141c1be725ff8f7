#include "idscheck/check/DocumentReader.h"

#include <libxml/parser.h>
#include <libxml/parserInternals.h>
#include <libxml/tree.h>
#include <libxml/xmlerror.h>
#include <libxml/xmlschemas.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <functional>
#include <limits>
#include <memory>
#include <mutex>
#include <string_view>

#include "idscheck/check/Matching.h"
#include "idscheck/check/Tables.h"
#include "ifc/step/ByteSource.h"

namespace Ids {

namespace {

constexpr const char* kIdsNamespace = "http://standards.buildingsmart.org/IDS";
constexpr const char* kXsNamespace = "http://www.w3.org/2001/XMLSchema";

// The first error libxml2 reports while a document is read or validated.
struct ErrorSink {
  bool any = false;
  int line = 0;
  std::string message;
};

void CollectError(void* context, xmlErrorPtr error) {
  auto* sink = static_cast<ErrorSink*>(context);
  if (sink == nullptr || error == nullptr || sink->any || error->level < XML_ERR_ERROR) {
    return;
  }
  sink->any = true;
  sink->line = error->line;
  sink->message = error->message != nullptr ? error->message : "unknown XML error";
  while (!sink->message.empty() && (sink->message.back() == '\n' || sink->message.back() == ' ')) {
    sink->message.pop_back();
  }
}

void IgnoreGenericError(void*, const char*, ...) {}

// Resolves the IDS schema's imports to the embedded local schemas and refuses the network.
xmlParserInputPtr LocalEntityLoader(const char* url, const char* id, xmlParserCtxtPtr context) {
  if (url != nullptr) {
    for (std::size_t i = 1; i < Tables::kSchemaCount; ++i) {
      if (std::strcmp(url, Tables::kSchemas[i].url) == 0) {
        return xmlNewStringInputStream(context, reinterpret_cast<const xmlChar*>(Tables::kSchemas[i].content));
      }
    }
  }
  return xmlNoNetExternalEntityLoader(url, id, context);
}

struct SchemaDeleter {
  void operator()(xmlSchemaPtr schema) const noexcept { xmlSchemaFree(schema); }
};

// ids.xsd, compiled once.
xmlSchemaPtr IdsSchema() {
  static std::once_flag once;
  static std::unique_ptr<xmlSchema, SchemaDeleter> schema;
  std::call_once(once, [] {
    xmlSetExternalEntityLoader(LocalEntityLoader);
    const char* text = Tables::kSchemas[0].content;
    xmlSchemaParserCtxtPtr parser = xmlSchemaNewMemParserCtxt(text, static_cast<int>(std::strlen(text)));
    if (parser == nullptr) {
      return;
    }
    ErrorSink ignored;
    xmlSchemaSetParserStructuredErrors(parser, CollectError, &ignored);
    schema.reset(xmlSchemaParse(parser));
    xmlSchemaFreeParserCtxt(parser);
  });
  return schema.get();
}

struct DocDeleter {
  void operator()(xmlDocPtr document) const noexcept { xmlFreeDoc(document); }
};
using DocPtr = std::unique_ptr<xmlDoc, DocDeleter>;

bool IsElement(const xmlNode* node, const char* name, const char* space = kIdsNamespace) {
  return node != nullptr && node->type == XML_ELEMENT_NODE && node->ns != nullptr &&
         std::strcmp(reinterpret_cast<const char*>(node->ns->href), space) == 0 &&
         std::strcmp(reinterpret_cast<const char*>(node->name), name) == 0;
}

const xmlNode* Child(const xmlNode* parent, const char* name, const char* space = kIdsNamespace) {
  for (const xmlNode* node = parent->children; node != nullptr; node = node->next) {
    if (IsElement(node, name, space)) {
      return node;
    }
  }
  return nullptr;
}

std::string Attribute(const xmlNode* node, const char* name) {
  xmlChar* value = xmlGetProp(node, reinterpret_cast<const xmlChar*>(name));
  if (value == nullptr) {
    return {};
  }
  std::string text(reinterpret_cast<const char*>(value));
  xmlFree(value);
  return text;
}

bool HasAttribute(const xmlNode* node, const char* name) {
  return xmlHasProp(node, reinterpret_cast<const xmlChar*>(name)) != nullptr;
}

std::string Content(const xmlNode* node) {
  xmlChar* value = xmlNodeGetContent(node);
  if (value == nullptr) {
    return {};
  }
  std::string text(reinterpret_cast<const char*>(value));
  xmlFree(value);
  return text;
}

int LineOf(const xmlNode* node) {
  return static_cast<int>(xmlGetLineNo(node));
}

// Builds the Document from a schema-valid tree; the checks here are those the schema leaves open.
class Builder {
 public:
  Builder(std::string file, DocumentError& error) : file(std::move(file)), error(error) {}

  bool Build(const xmlNode* root, Document& document) {
    if (const xmlNode* info = Child(root, "info")) {
      if (const xmlNode* title = Child(info, "title")) {
        document.title = Content(title);
      }
    }
    const xmlNode* specifications = Child(root, "specifications");
    for (const xmlNode* node = specifications ? specifications->children : nullptr; node; node = node->next) {
      if (!IsElement(node, "specification")) {
        continue;
      }
      Specification specification;
      if (!ReadSpecification(node, specification)) {
        return false;
      }
      document.specifications.push_back(std::move(specification));
    }
    return true;
  }

 private:
  bool Fail(const xmlNode* node, std::string reason) {
    error.file = file;
    error.line = node ? LineOf(node) : 0;
    error.reason = std::move(reason);
    return false;
  }

  bool ReadCount(const xmlNode* node, std::size_t& count) {
    const std::string text = Attribute(node, "value");
    std::int64_t value = 0;
    if (!ParseXsInteger(text, value) || value < 0) {
      return Fail(node, "'" + text + "' is no length");
    }
    count = static_cast<std::size_t>(value);
    return true;
  }

  bool ReadBound(const xmlNode* node, std::optional<double>& bound) {
    const std::string text = Attribute(node, "value");
    double value = 0.0;
    if (!ParseXsDouble(text, value)) {
      return Fail(node, "the bound '" + text + "' is no number");
    }
    bound = value;
    return true;
  }

  bool ReadFacetOfRestriction(const xmlNode* node, Restriction& restriction) {
    const std::string name(reinterpret_cast<const char*>(node->name));
    if (name == "enumeration") {
      restriction.enumerations.push_back(Attribute(node, "value"));
    } else if (name == "pattern") {
      XmlRegex regex;
      const std::string pattern = Attribute(node, "value");
      if (!regex.Compile(pattern)) {
        return Fail(node, "the pattern '" + pattern + "' is no XML Schema regular expression");
      }
      restriction.patterns.push_back(std::move(regex));
    } else if (name == "minInclusive") {
      return ReadBound(node, restriction.minInclusive);
    } else if (name == "minExclusive") {
      return ReadBound(node, restriction.minExclusive);
    } else if (name == "maxInclusive") {
      return ReadBound(node, restriction.maxInclusive);
    } else if (name == "maxExclusive") {
      return ReadBound(node, restriction.maxExclusive);
    } else if (name == "length" || name == "minLength" || name == "maxLength") {
      std::size_t count = 0;
      if (!ReadCount(node, count)) {
        return false;
      }
      (name == "length"      ? restriction.length
       : name == "minLength" ? restriction.minLength
                             : restriction.maxLength) = count;
    } else if (name != "annotation") {
      return Fail(node, "the restriction facet xs:" + name + " is not supported by IDS");
    }
    return true;
  }

  bool ReadValue(const xmlNode* parameter, ValueConstraint& constraint) {
    if (parameter == nullptr) {
      return true;
    }
    constraint.line = LineOf(parameter);
    if (const xmlNode* simple = Child(parameter, "simpleValue")) {
      constraint.kind = ValueConstraint::Kind::Simple;
      constraint.simple = Content(simple);
      return true;
    }
    const xmlNode* restriction = Child(parameter, "restriction", kXsNamespace);
    if (restriction == nullptr) {
      return Fail(parameter, "no simpleValue and no xs:restriction");
    }
    constraint.kind = ValueConstraint::Kind::Restricted;
    constraint.restriction.base = Attribute(restriction, "base");
    for (const xmlNode* node = restriction->children; node != nullptr; node = node->next) {
      if (node->type == XML_ELEMENT_NODE && !ReadFacetOfRestriction(node, constraint.restriction)) {
        return false;
      }
    }
    return true;
  }

  bool ReadCardinality(const xmlNode* node, Facet& facet) {
    const std::string text = Attribute(node, "cardinality");
    if (text.empty() || text == "required") {
      facet.cardinality = Cardinality::Required;
    } else if (text == "optional") {
      facet.cardinality = Cardinality::Optional;
    } else if (text == "prohibited") {
      facet.cardinality = Cardinality::Prohibited;
    } else {
      return Fail(node, "unknown cardinality '" + text + "'");
    }
    return true;
  }

  bool ReadEntity(const xmlNode* node, Facet& facet) {
    return ReadValue(Child(node, "name"), facet.name) && ReadValue(Child(node, "predefinedType"), facet.predefinedType);
  }

  bool ReadFacet(const xmlNode* node, Facet& facet) {
    facet.line = LineOf(node);
    facet.instructions = Attribute(node, "instructions");
    facet.uri = Attribute(node, "uri");
    if (!ReadCardinality(node, facet)) {
      return false;
    }
    if (IsElement(node, "entity")) {
      facet.kind = FacetKind::Entity;
      return ReadEntity(node, facet);
    }
    if (IsElement(node, "attribute")) {
      facet.kind = FacetKind::Attribute;
      return ReadValue(Child(node, "name"), facet.name) && ReadValue(Child(node, "value"), facet.value);
    }
    if (IsElement(node, "classification")) {
      facet.kind = FacetKind::Classification;
      return ReadValue(Child(node, "value"), facet.value) && ReadValue(Child(node, "system"), facet.system);
    }
    if (IsElement(node, "property")) {
      facet.kind = FacetKind::Property;
      facet.dataType = Attribute(node, "dataType");
      return ReadValue(Child(node, "propertySet"), facet.propertySet) &&
             ReadValue(Child(node, "baseName"), facet.baseName) && ReadValue(Child(node, "value"), facet.value);
    }
    if (IsElement(node, "material")) {
      facet.kind = FacetKind::Material;
      return ReadValue(Child(node, "value"), facet.value);
    }
    if (IsElement(node, "partOf")) {
      facet.kind = FacetKind::PartOf;
      facet.relation = Attribute(node, "relation");
      const xmlNode* entity = Child(node, "entity");
      return entity != nullptr ? ReadEntity(entity, facet) : Fail(node, "partOf without entity");
    }
    return Fail(node, "unknown facet");
  }

  bool ReadFacets(const xmlNode* parent, std::vector<Facet>& facets) {
    for (const xmlNode* node = parent ? parent->children : nullptr; node != nullptr; node = node->next) {
      if (node->type != XML_ELEMENT_NODE) {
        continue;
      }
      Facet facet;
      if (!ReadFacet(node, facet)) {
        return false;
      }
      facets.push_back(std::move(facet));
    }
    return true;
  }

  bool ReadOccurs(const xmlNode* applicability, Specification& specification) {
    if (HasAttribute(applicability, "minOccurs")) {
      std::int64_t value = 0;
      if (!ParseXsInteger(Attribute(applicability, "minOccurs"), value) || value < 0) {
        return Fail(applicability, "minOccurs is no count");
      }
      specification.minOccurs = static_cast<std::size_t>(value);
    }
    const std::string maxOccurs =
        HasAttribute(applicability, "maxOccurs") ? Attribute(applicability, "maxOccurs") : "1";
    if (maxOccurs != "unbounded") {
      std::int64_t value = 0;
      if (!ParseXsInteger(maxOccurs, value) || value < 0) {
        return Fail(applicability, "maxOccurs is no count");
      }
      specification.maxOccurs = static_cast<std::size_t>(value);
    }
    return true;
  }

  bool ReadSpecification(const xmlNode* node, Specification& specification) {
    specification.line = LineOf(node);
    specification.name = Attribute(node, "name");
    specification.identifier = Attribute(node, "identifier");
    specification.description = Attribute(node, "description");
    specification.instructions = Attribute(node, "instructions");
    specification.ifcVersion = Attribute(node, "ifcVersion");
    std::size_t start = 0;
    const std::string& versions = specification.ifcVersion;
    while (start < versions.size()) {
      const std::size_t end = std::min(versions.find_first_of(" \t\r\n", start), versions.size());
      if (end > start) {
        specification.ifcVersions.push_back(versions.substr(start, end - start));
      }
      start = end + 1;
    }
    const xmlNode* applicability = Child(node, "applicability");
    if (applicability == nullptr) {
      return Fail(node, "specification without applicability");
    }
    return ReadOccurs(applicability, specification) && ReadFacets(applicability, specification.applicability) &&
           ReadFacets(Child(node, "requirements"), specification.requirements);
  }

  std::string file;
  DocumentError& error;
};

bool ValidateAndBuild(xmlDocPtr tree, const std::string& name, Document& document, DocumentError& error) {
  error.file = name;
  const xmlNode* root = xmlDocGetRootElement(tree);
  if (root == nullptr || !IsElement(root, "ids")) {
    error.line = root ? LineOf(root) : 1;
    error.reason = "the root element is not ids in the namespace " + std::string(kIdsNamespace);
    return false;
  }
  // IDS has no use for a document type declaration, and its entities could expand without bound.
  if (tree->intSubset != nullptr || tree->extSubset != nullptr) {
    error.line = 1;
    error.reason = "an IDS document takes no document type declaration (<!DOCTYPE>)";
    return false;
  }
  xmlSchemaPtr schema = IdsSchema();
  if (schema == nullptr) {
    error.reason = "the IDS schema does not compile";
    return false;
  }
  xmlSchemaValidCtxtPtr validator = xmlSchemaNewValidCtxt(schema);
  if (validator == nullptr) {
    error.reason = "out of memory";
    return false;
  }
  ErrorSink sink;
  xmlSchemaSetValidStructuredErrors(validator, CollectError, &sink);
  const int status = xmlSchemaValidateDoc(validator, tree);
  xmlSchemaFreeValidCtxt(validator);
  if (status != 0) {
    error.line = sink.line;
    error.reason = sink.any ? "not valid against ids.xsd: " + sink.message : "not valid against ids.xsd";
    return false;
  }
  document.path = name;
  return Builder(name, error).Build(root, document);
}

// Parses with network access, entity substitution and DTD loading off, reporting the first error.
bool ParseWith(const std::function<xmlDocPtr(xmlParserCtxtPtr)>& parse, const std::string& name, DocPtr& tree,
               DocumentError& error) {
  IdsSchema();  // installs the local entity loader before any parse
  xmlParserCtxtPtr parser = xmlNewParserCtxt();
  if (parser == nullptr) {
    error = {name, 0, "out of memory"};
    return false;
  }
  ErrorSink sink;
  xmlSetStructuredErrorFunc(&sink, CollectError);
  xmlSetGenericErrorFunc(nullptr, IgnoreGenericError);
  tree.reset(parse(parser));
  xmlSetStructuredErrorFunc(nullptr, nullptr);
  xmlFreeParserCtxt(parser);
  if (tree == nullptr && !sink.any) {
    if (const xmlError* last = xmlGetLastError()) {
      CollectError(&sink, const_cast<xmlErrorPtr>(last));
    }
  }
  if (tree == nullptr || sink.any) {
    error.file = name;
    error.line = sink.line;
    error.reason = sink.any ? "not well-formed XML: " + sink.message : "cannot be read";
    return false;
  }
  return true;
}

// Plain XML from memory, never through libxml2's own file input, which would unpack a compressed
// file of any size unasked. Without XML_PARSE_HUGE libxml2 keeps its limits: 256 levels of nesting,
// 10,000,000 bytes in one text node or name.
constexpr int kParseOptions = XML_PARSE_NONET;

// The name of the compression format whose signature `bytes` begin with, or null.
const char* CompressedFormat(std::string_view bytes) noexcept {
  static constexpr struct {
    std::string_view magic;
    const char* name;
  } kSignatures[] = {{"\x1F\x8B", "gzip"},
                     {"\xFD"
                      "7zXZ",
                      "xz"},
                     {"BZh", "bzip2"},
                     {"\x28\xB5\x2F\xFD", "zstd"},
                     {"PK\x03\x04", "zip"}};
  for (const auto& signature : kSignatures) {
    if (bytes.substr(0, signature.magic.size()) == signature.magic) {
      return signature.name;
    }
  }
  return nullptr;
}

}  // namespace

std::string DocumentError::Message() const {
  return file + (line > 0 ? ":" + std::to_string(line) : std::string()) + ": " + reason;
}

bool ReadDocument(const std::string& path, Document& document, DocumentError& error) {
  Ifc::ByteSource source;
  if (const Ifc::Status opened = source.Open(path); !opened) {
    const std::string& openError = opened.Error().Message();
    const std::string prefix = path + ": ";
    const bool named = openError.compare(0, prefix.size(), prefix) == 0;
    error = {path, 0, "cannot be opened: " + (named ? openError.substr(prefix.size()) : openError)};
    return false;
  }
  return ReadDocumentFromMemory(source.Data(), source.Size(), path, document, error);
}

bool ReadDocumentFromMemory(const char* data, std::size_t size, const std::string& name, Document& document,
                            DocumentError& error) {
  if (size > kMaxDocumentBytes) {
    error = {name, 0, "larger than the " + std::to_string(kMaxDocumentBytes >> 20) + " MiB an IDS document may have"};
    return false;
  }
  if (const char* format = CompressedFormat(std::string_view(data, size))) {
    error = {name, 0, std::string("a ") + format + " file; IDS documents are read as plain XML only (unpack it first)"};
    return false;
  }
  DocPtr tree;
  const auto parse = [&](xmlParserCtxtPtr parser) {
    return xmlCtxtReadMemory(parser, data, static_cast<int>(size), name.c_str(), nullptr, kParseOptions);
  };
  return ParseWith(parse, name, tree, error) && ValidateAndBuild(tree.get(), name, document, error);
}

}  // namespace Ids
