// The export itself: asks the registered hook data provider about every element of a read IFC file,
// as the host's exporter would, merges the contributions (exporter/merge/) and writes the file again
// (exporter/writer/).
//
//   StepFile file;                                   // read and indexed
//   Exporter exporter(file, /*alternative=*/false);
//   exporter.Collect();                              // the hook queries; throws ProviderFailure
//   std::string error;
//   if (!exporter.Write("out.ifc", "out.ifc", error)) Fail(error);
//   Print(exporter.GetSummary());
#pragma once

#include <cstddef>
#include <functional>
#include <string>

#include "TSAPI/APIGuid.h"
#include "exporter/merge/AssignmentMerge.h"
#include "exporter/merge/AttributeMerge.h"
#include "exporter/merge/ClassificationMerge.h"
#include "exporter/merge/MergeContext.h"
#include "exporter/merge/PropertySetMerge.h"
#include "exporter/merge/Summary.h"
#include "exporter/model/StepFile.h"
#include "exporter/trace/QueryListener.h"

namespace Exporter {

class CrashGuard;

class Exporter {
 public:
  // Called now and then with the work done so far out of `total`.
  using Progress = std::function<void(std::size_t done, std::size_t total)>;

  // `file` must outlive the exporter.
  Exporter(const StepFile& file, bool alternative);

  // Runs the hook queries: per element the three element queries, then the assignments once. Throws
  // ProviderFailure when the provider throws out of a query; ends the process with a message and exit
  // code 5 when the add-on crashes in one (CrashGuard).
  void Collect(const Progress& progress = nullptr);

  // Writes the enriched file to `path` + ".partial" and renames it to `path`; `fileName` goes into
  // the header. False with `error` set, and no file left behind, when writing fails.
  bool Write(const std::string& path, const std::string& fileName, std::string& error,
             const Progress& progress = nullptr);

  const Summary& GetSummary() const noexcept { return context.summary; }

  // Told of the questions and answers (not owned; null: none); set before Collect.
  void SetQueryListener(QueryListener* listener) noexcept { this->listener = listener; }

 private:
  void CollectElement(CrashGuard& guard, InstanceIndex index, const GuidBytes& guid);

  bool alternative;
  API_Guid token;
  MergeContext context;
  PropertySetMerge propertySets;
  AttributeMerge attributes;
  ClassificationMerge classifications;
  AssignmentMerge assignments;
  QueryListener* listener = nullptr;
};

}  // namespace Exporter
