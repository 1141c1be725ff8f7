// The export itself: asks the registered hook data provider about every element of a read IFC file,
// as the host's exporter would, and writes the file again with the contributions.
//
//   StepFile file;                                   // read and indexed
//   Exporter exporter(file, /*alternative=*/false);
//   exporter.Collect();                              // the hook queries, once per element
//   std::string error;
//   if (!exporter.Write("out.ifc", "out.ifc", error)) Fail(error);
//   Print(exporter.GetSummary());
//
// How contributions meet the file:
// - Property sets are written once per distinct content and related to all elements that receive it.
//   When an element already has a set of the contributed name, the file's data win and the set
//   grows: contributed properties of names the set already holds are dropped (with a warning), the
//   others are added to it. A set of the element's own is extended in place; a set the element
//   shares with other elements is not touched (they did not receive the contribution): the element
//   gets a new set with the shared set's properties plus the added ones and leaves the shared set's
//   relation (a relation left without elements is pointed at the new set instead). So no element
//   ends up with two sets of one name, nor a set with two properties of one name.
// - Attributes set the string-valued attribute of that name on the element; without a value they
//   unset it if it is optional. Other names are warned about and skipped.
// - Classifications, references and their relations are written once each; a relation relates every
//   element that received its reference under its name.
// - Groups and relations are written after everything else; members not in the file are warned about
//   and left out.
// New instances are numbered after the file's largest number; their GlobalIds are derived from their
// content, so the same input and add-on give the same file, and never repeat one already in use.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "IPL/ExternalReferenceBase.h"
#include "IPL/GeneralAttribute.h"
#include "IPL/PropertySet.h"
#include "KT/Array.h"
#include "KT/SharedPtr.h"
#include "StepFile.h"
#include "TSAPI/APIGuid.h"
#include "trace/QueryListener.h"

namespace Exporter {

struct Summary {
  std::size_t elements = 0;    // instances of IfcObject subtypes asked about
  std::size_t values = 0;      // contributed properties written
  std::size_t sets = 0;        // property sets written
  std::size_t attributes = 0;  // attributes set or unset
  std::size_t references = 0;  // classification references written
  std::size_t groups = 0;      // groups and systems written
  std::size_t relations = 0;   // relations written (property, classification, group, service)
  std::vector<std::string> warnings;
};

class Exporter {
 public:
  // Called now and then with the work done so far out of `total`.
  using Progress = std::function<void(std::size_t done, std::size_t total)>;

  // `file` must outlive the exporter.
  Exporter(const StepFile& file, bool alternative);

  // Runs the hook queries: per element the three element queries, then the assignments once.
  void Collect(const Progress& progress = nullptr);

  // Writes the enriched file to `path` + ".partial" and renames it to `path`; `fileName` goes into
  // the header. False with `error` set, and no file left behind, when writing fails.
  bool Write(const std::string& path, const std::string& fileName, std::string& error,
             const Progress& progress = nullptr);

  const Summary& GetSummary() const noexcept { return summary; }

  // Told of the questions and answers (not owned; null: none); set before Collect.
  void SetQueryListener(QueryListener* listener) noexcept { this->listener = listener; }

 private:
  struct ExistingSet {
    std::uint32_t element;   // instance number
    std::uint32_t set;       // instance index
    std::uint32_t relation;  // instance index of its IfcRelDefinesByProperties
    std::uint32_t sharers;   // elements related to the set, over all its relations
  };
  struct Detach {
    std::uint32_t relation;  // instance index
    std::uint32_t element;   // instance number
    std::uint32_t merged;    // instance number of the set that replaces the old one
  };
  struct Relation {
    std::uint32_t relating;  // instance number
    std::string name;        // STEP text of the relation's Name, or "$"
    std::vector<std::uint32_t> elements;
  };

  void IndexExistingSets();
  std::optional<ExistingSet> FindExistingSet(std::uint32_t element, const std::u16string& name) const;
  std::vector<std::u16string> PropertyNames(std::uint32_t set) const;
  void CollectElement(std::uint32_t index, const GuidBytes& guid);
  void AddPropertySets(std::uint32_t index, const KT::Array<IPL::PropertySet>& sets);
  void SetAttributes(std::uint32_t index, const KT::Array<IPL::GeneralAttribute>& attributes);
  void AddReferences(std::uint32_t index, const KT::Array<KT::SharedPtr<IPL::ExternalReferenceBase>>& references);
  void AddAssignments();
  void FinishRelations();

  std::uint32_t Emit(const std::string& body);
  std::uint32_t EmitOnce(std::unordered_map<std::string, std::uint32_t>& written, const std::string& body);
  std::string NewGlobalId(const std::string& key);
  std::string ElementName(std::uint32_t index) const;
  void Warn(std::string text);

  const StepFile& file;
  bool alternative;
  API_Guid token;
  Summary summary;
  QueryListener* listener = nullptr;

  std::string newText;  // new instances, "#N=...;\n" each
  std::uint32_t nextNumber;
  std::unordered_set<std::string> newGlobalIds;
  std::unordered_map<std::string, std::uint32_t> properties;
  std::unordered_map<std::string, std::uint32_t> enumerations;
  std::unordered_map<std::string, std::uint32_t> sets;
  std::unordered_map<std::string, std::uint32_t> classifications;
  std::unordered_map<std::string, std::uint32_t> references;

  std::vector<Relation> setRelations;  // in order of first use
  std::unordered_map<std::uint32_t, std::size_t> setRelationOf;
  std::vector<Relation> classificationRelations;
  std::unordered_map<std::string, std::size_t> classificationRelationOf;

  // The file's property sets by element number; indexed on the first contributed set.
  std::vector<ExistingSet> existingSets;
  bool existingSetsIndexed = false;
  std::vector<Detach> detaches;
  std::map<std::uint32_t, std::vector<std::uint32_t>> grownSets;    // set index -> properties added
  std::vector<std::pair<std::uint32_t, std::string>> replacements;  // instance index -> new text
};

}  // namespace Exporter
