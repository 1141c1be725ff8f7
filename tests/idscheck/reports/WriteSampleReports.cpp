// Writes the reports of the hand-filled sample result, for the Node and browser checks:
//   ids_sample_reports REPORT.json REPORT.html [REPORT-2.1.bcf REPORT-3.0.bcf]
// (the console report goes to standard output; the BCF reports where the build writes BCF).
#include <cstdio>
#include <string>
#include <vector>

#include "idscheck/reports/BcfReport.h"
#include "idscheck/reports/ConsoleReport.h"
#include "idscheck/reports/HtmlReport.h"
#include "idscheck/reports/JsonReport.h"
#include "tests/idscheck/reports/SampleResult.h"

int main(int argc, char** argv) {
  if (argc != 3 && argc != 5) {
    std::fprintf(stderr, "usage: ids_sample_reports REPORT.json REPORT.html [REPORT-2.1.bcf REPORT-3.0.bcf]\n");
    return 2;
  }
  const Ids::CheckResult result = IdsTest::SampleResult();
  std::vector<Ifc::Status> written{Ids::WriteJsonReport(result, argv[1]), Ids::WriteHtmlReport(result, argv[2])};
  if (argc == 5) {
    written.push_back(Ids::WriteBcfReport(result, {Ids::BcfVersion::V2_1, {}}, argv[3]));
    written.push_back(Ids::WriteBcfReport(result, {Ids::BcfVersion::V3_0, {}}, argv[4]));
  }
  for (const Ifc::Status& status : written) {
    if (!status) {
      std::fprintf(stderr, "ids_sample_reports: %s\n", status.Error().Message().c_str());
      return 1;
    }
  }
  Ids::PrintConsoleReport(result, stdout);
  return 0;
}
