// The export tool's --ids: the IDS documents are read before anything is written, and the written file
// is read back and checked against them, with the requirements checker's console report.
//
//   RequirementsCheck check;
//   if (!check.Read({"walls.ids"}, error)) return Fail(InvalidIds, error);   // before writing
//   ...                                                                       // the file is written
//   const auto passes = check.Check("out.ifc", stdout, error);                // nullopt: unreadable
//
// A build without the checker (a cross build without libxml2) refuses --ids in Read.
#pragma once

#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace Exporter {

class RequirementsCheck {
 public:
  RequirementsCheck();
  ~RequirementsCheck();
  RequirementsCheck(const RequirementsCheck&) = delete;
  RequirementsCheck& operator=(const RequirementsCheck&) = delete;

  // Reads, validates and audits the documents at `paths`. False with `error` ("file:line: reason")
  // at the first that is not valid, or when this build has no checker.
  bool Read(const std::vector<std::string>& paths, std::string& error);

  // Reads the file at `path` and checks it against the documents read, printing the report to `out`:
  // whether every specification passes, or nullopt with `error` set when the file cannot be read.
  std::optional<bool> Check(const std::string& path, std::FILE* out, std::string& error) const;

 private:
  struct Documents;
  std::unique_ptr<Documents> documents;
};

}  // namespace Exporter
