// What a requirements check found: per IDS specification, the elements it applied to and those that
// failed it, with the reason in words. The checker fills it; the console, JSON and HTML reports read
// it and nothing else.
//
//   Ids::CheckResult result = checker.Run(model);
//   for (const Ids::SpecificationResult& specification : result.specifications) {
//     std::printf("%s: %zu of %zu passed\n", specification.name.c_str(), specification.passed,
//                 specification.applicable);
//   }
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "ifc/step/InstanceId.h"

namespace Ids {

// One element that did not meet a specification's requirements (or, for a prohibited specification,
// one that applied).
struct ElementFailure {
  Ifc::InstanceNumber instance;      // #N
  std::string globalId;              // empty when the instance has none
  std::string entity;                // "IfcWall", as the schema spells it
  std::string name;                  // the element's Name, empty when unset
  std::vector<std::string> reasons;  // "Pset_WallCommon.FireRating is missing", one per failed requirement
};

struct SpecificationResult {
  std::string idsFile;         // the IDS document's path, as given on the command line
  std::string idsTitle;        // the IDS document's title, empty when absent
  std::string name;            // the specification's name attribute
  std::string identifier;      // its identifier attribute, empty when absent
  std::string description;     // empty when absent
  std::string instructions;    // empty when absent
  std::string ifcVersions;     // the ifcVersion attribute as written, "IFC2X3 IFC4"
  std::string cardinality;     // "required", "optional" or "prohibited"
  bool applies = true;         // false when not checked; IDS 1.0 checks every specification, so always true
  bool schemaListed = true;    // whether ifcVersions lists the file's schema (metadata: checked either way)
  std::size_t applicable = 0;  // elements the applicability selected
  std::size_t passed = 0;
  std::size_t failed = 0;
  bool passes = true;         // the specification's verdict, cardinality included
  std::string verdictReason;  // in words when the cardinality decides the verdict ("required, but no element applies")
  std::vector<ElementFailure> failures;  // every failing element, in file order
};

struct CheckResult {
  std::string modelFile;                            // the IFC file's path, as given
  std::string schema;                               // "IFC2X3", "IFC4" or "IFC4X3_ADD2"
  std::string projectGlobalId;                      // the first IfcProject's GlobalId, empty when none
  std::string timeStamp;                            // FILE_NAME's time stamp as written, empty when none
  std::vector<SpecificationResult> specifications;  // in document order, documents in argument order

  bool Passes() const noexcept {
    for (const SpecificationResult& specification : specifications) {
      if (!specification.passes) {
        return false;
      }
    }
    return true;
  }
};

}  // namespace Ids
