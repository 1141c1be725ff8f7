// The command line of ifcapi-export, parsed:
//
//   ifcapi-export [--addon PATH] [--alternative] [--strict] [--quiet] [--trace] [--only GLOBALID]...
//                 [--ids REQUIREMENTS.ids]... [--report-bcf FILE [--bcf-version 2.1|3.0]] INPUT.ifc OUTPUT.ifc
//
//   Arguments arguments;
//   std::string error;
//   if (auto parsed = ParseArguments(argc, argv, arguments); !parsed) UsageError(parsed.Error());  // "unknown option
//   '--fast'" if (arguments.help) PrintUsage();
#pragma once

#include <string>
#include <vector>

#include "exporter/model/IfcGuid.h"
#include "ifc/errors/Expected.h"

namespace Exporter {

struct Arguments {
  std::string addOn;  // empty: the example add-on beside the tool
  bool alternative = false;
  bool quiet = false;
  bool strict = false;           // refuse tolerated input flaws and contributions their set templates contradict
  bool help = false;             // --help or -h; the rest is not read
  bool version = false;          // --version; the rest is not read
  bool trace = false;            // --trace
  std::vector<GuidBytes> only;   // --only GLOBALID, each
  std::vector<std::string> ids;  // --ids REQUIREMENTS.ids, each: checked against the written file
  std::string bcfReport;         // --report-bcf FILE: the failures of the --ids check as BCF; empty: none
  std::string bcfVersion;        // --bcf-version: "2.1" or "3.0"; empty: 2.1
  std::string input;
  std::string output;
};

// The usage text, ending with a line break.
extern const char kUsage[];

// Parses argv[1..argc); false with `error` set when the command line is bad usage.
[[nodiscard]] Ifc::Status ParseArguments(int argc, const char* const* argv, Arguments& arguments);

}  // namespace Exporter
