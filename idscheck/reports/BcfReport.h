// The requirements check's report for issue trackers and authoring tools: a BCF archive (BIM
// Collaboration Format 2.1 or 3.0, a zip file) with one topic per failed specification, whose
// viewpoints select the failing elements by GlobalId. docs/ids.md describes the layout.
//
//   Ids::BcfOptions options;                      // BCF 2.1
//   options.creationDate = Ids::BcfCreationDate(result, std::time(nullptr));
//   std::string error;
//   if (auto written = Ids::WriteBcfReport(result, options, "findings.bcf"); !written) Fail(written.Error());
//
// The archive is zipped by libzip; a build without it (the Windows cross build) writes no BCF, and
// the commands refuse --report-bcf there (BcfWritingAvailable).
#pragma once

#include <string>
#include <vector>

#include "idscheck/check/CheckResult.h"
#include "idscheck/reports/BcfTopics.h"
#include "ifc/errors/Expected.h"

namespace Ids {

// What the commands say when asked for BCF by a build without libzip.
constexpr const char* kNoBcfMessage = "this build writes no BCF (it was built without libzip)";

// Whether this build can write BCF archives.
bool BcfWritingAvailable() noexcept;

// The bytes of a zip archive holding `entries`, each stamped with `date` (an xs:dateTime; the
// archive's own clock, so that the same entries and date give the same bytes). False with `error`
// set when libzip fails or is missing.
[[nodiscard]] bool ZipBcfEntries(const std::vector<BcfEntry>& entries, const std::string& date, std::string& archive,
                                 std::string& error);

// Writes the BCF archive of `result` to `path` (through Ifc::SafeOutputFile: no half archive is
// left); fails naming the file and the reason. An empty options.creationDate is taken from
// BcfCreationDate with the current time.
[[nodiscard]] Ifc::Status WriteBcfReport(const CheckResult& result, const BcfOptions& options, const std::string& path);

}  // namespace Ids
