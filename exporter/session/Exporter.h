// The export itself: asks the registered hook data provider about every element of a read IFC file,
// as the host's exporter would, merges the contributions (exporter/merge/) and writes the file again
// (exporter/writer/).
//
//   Ifc::Model model;                                // read and indexed
//   Exporter exporter(model, /*alternative=*/false);
//   exporter.Collect();                              // the hook queries; throws ProviderFailure
//   if (auto written = exporter.Write("out.ifc", "out.ifc"); !written) Fail(written.Error());
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
#include "exporter/trace/QueryListener.h"
#include "ifc/errors/Expected.h"
#include "ifc/step/Model.h"

namespace Exporter {

class CrashGuard;

class Exporter {
 public:
  // Called now and then with the work done so far out of `total`.
  using Progress = std::function<void(std::size_t done, std::size_t total)>;

  // `model` must outlive the exporter.
  Exporter(const Ifc::Model& model, bool alternative);

  // Runs the hook queries: per element the three element queries, then the assignments once. Throws
  // ProviderFailure when the provider throws out of a query; ends the process with a message and exit
  // code 5 when the add-on crashes in one (CrashGuard).
  void Collect(const Progress& progress = nullptr);

  // Writes the enriched file to `path`, aside and renamed into place when complete; `fileName` goes
  // into the header. On failure no file is left behind.
  [[nodiscard]] Ifc::Status Write(const std::string& path, const std::string& fileName,
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
