// One run of the checker as the command does it: reads and audits every IDS document, opens the
// model, checks, prints the summary and writes the reports; returns the command's exit code.
// ifcapi-export --ids can call CheckIds with a model it has open.
//
//   Ids::SessionOptions options;
//   options.modelFile = "model.ifc";
//   options.idsFiles = {"walls.ids"};
//   int exitCode = Ids::RunSession(options, stdout, stderr);
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "CheckResult.h"
#include "ModelView.h"

namespace Ids {

enum ExitCode : int {
  ExitPass = 0,
  ExitFail = 1,
  ExitUsage = 2,
  ExitBadModel = 3,
  ExitReportFailed = 4,
  ExitInvalidIds = 5,
};

struct SessionOptions {
  std::string modelFile;
  std::vector<std::string> idsFiles;
  std::string jsonReport;  // empty: none
  std::string htmlReport;  // empty: none
};

int RunSession(const SessionOptions& options, std::FILE* out, std::FILE* err);

// Checks an opened model against the IDS documents at `idsFiles`. False with `error` ("file:line:
// reason") when a document cannot be read or is not valid; nothing is checked then.
bool CheckIds(const ModelView& model, const std::string& modelFile, const std::vector<std::string>& idsFiles,
              CheckResult& result, std::string& error);

}  // namespace Ids
