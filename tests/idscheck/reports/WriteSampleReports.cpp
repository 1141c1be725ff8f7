// Writes the three reports of the hand-filled sample result, for the Node and browser checks:
//   ids_sample_reports REPORT.json REPORT.html   (the console report goes to standard output)
#include <cstdio>
#include <string>

#include "idscheck/reports/ConsoleReport.h"
#include "idscheck/reports/HtmlReport.h"
#include "idscheck/reports/JsonReport.h"
#include "tests/idscheck/reports/SampleResult.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: ids_sample_reports REPORT.json REPORT.html\n");
    return 2;
  }
  const Ids::CheckResult result = IdsTest::SampleResult();
  for (const Ifc::Status& written : {Ids::WriteJsonReport(result, argv[1]), Ids::WriteHtmlReport(result, argv[2])}) {
    if (!written) {
      std::fprintf(stderr, "ids_sample_reports: %s\n", written.Error().Message().c_str());
      return 1;
    }
  }
  Ids::PrintConsoleReport(result, stdout);
  return 0;
}
