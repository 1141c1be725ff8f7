// One run of the checker as the command does it: reads and audits every IDS document, opens the
// model, checks (with `templates`, the standard sets against their templates after the documents:
// idscheck/check/TemplateRequirements.h), prints the summary and writes the reports; returns the
// command's exit code.
// ifcapi-export --ids reads the documents first (ReadIdsDocuments), and after writing checks the
// model it has open: Checker(ReaderModelView(model)).Run(path, documents).
//
//   Ids::SessionOptions options;
//   options.modelFile = "model.ifc";
//   options.idsFiles = {"walls.ids"};
//   int exitCode = Ids::RunSession(options, stdout, stderr);
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "idscheck/check/CheckResult.h"
#include "idscheck/check/Document.h"
#include "idscheck/check/ModelView.h"
#include "idscheck/reports/BcfTopics.h"
#include "ifc/errors/Expected.h"

namespace Ids {

struct SessionOptions {
  std::string modelFile;
  std::vector<std::string> idsFiles;
  std::string jsonReport;  // empty: none
  std::string htmlReport;  // empty: none
  std::string bcfReport;   // empty: none
  BcfVersion bcfVersion = BcfVersion::V2_1;
  bool templates = false;  // --templates: the standard sets are checked against their templates too
};

int RunSession(const SessionOptions& options, std::FILE* out, std::FILE* err);

// Reads, validates and audits the IDS documents at `paths`, in order; fails with "file:line: reason"
// at the first that cannot be read or is not valid.
[[nodiscard]] Ifc::Expected<std::vector<Document>> ReadIdsDocuments(const std::vector<std::string>& paths);

}  // namespace Ids
