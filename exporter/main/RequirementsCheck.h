// The export tool's --ids: the IDS documents are read before anything is written, and the written file
// is read back and checked against them, with the requirements checker's console report.
//
//   RequirementsCheck check;
//   if (auto read = check.Read({"walls.ids"}); !read) Fail(read.Error());   // before writing
//   ...                                                                    // the file is written
//   const Ifc::Expected<bool> passes = check.Check("out.ifc", stdout);      // fails: unreadable
//
// A build without the checker (a cross build without libxml2) refuses --ids in Read; one without
// libzip (the Windows cross build) writes no BCF (WritesBcf).
#pragma once

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "ifc/errors/Expected.h"

namespace Exporter {

class RequirementsCheck {
 public:
  RequirementsCheck();
  ~RequirementsCheck();
  RequirementsCheck(const RequirementsCheck&) = delete;
  RequirementsCheck& operator=(const RequirementsCheck&) = delete;

  // Reads, validates and audits the documents at `paths`. Fails with "file:line: reason" at the first
  // that is not valid, or when this build has no checker.
  [[nodiscard]] Ifc::Status Read(const std::vector<std::string>& paths);

  // Whether this build writes BCF (--report-bcf); fails saying why not.
  [[nodiscard]] static Ifc::Status WritesBcf();

  // Writes the failures as BCF (`version` "2.1", "3.0" or empty: 2.1) to `bcfPath` after each check.
  void ReportBcf(const std::string& bcfPath, const std::string& version);

  // Reads the file at `path` and checks it against the documents read, printing the report to `out`
  // and writing the BCF report if asked: whether every specification passes; fails when the file
  // cannot be read or the BCF report not written.
  [[nodiscard]] Ifc::Expected<bool> Check(const std::string& path, std::FILE* out) const;

 private:
  struct Documents;
  std::unique_ptr<Documents> documents;
  std::string bcfPath;
  std::string bcfVersion;
};

}  // namespace Exporter
