// The command line of ifcapi-export, parsed:
//
//   ifcapi-export [--addon PATH] [--alternative] [--strict] [--quiet] [--trace] [--only GLOBALID]...
//                 [--ids REQUIREMENTS.ids]... INPUT.ifc OUTPUT.ifc
//
//   Arguments arguments;
//   std::string error;
//   if (!ParseArguments(argc, argv, arguments, error)) return UsageError(error);   // "unknown option '--fast'"
//   if (arguments.help) PrintUsage();
#pragma once

#include <string>
#include <vector>

#include "exporter/model/IfcGuid.h"

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
  std::string input;
  std::string output;
};

// The usage text, ending with a line break.
extern const char Usage[];

// Parses argv[1..argc); false with `error` set when the command line is bad usage.
bool ParseArguments(int argc, const char* const* argv, Arguments& arguments, std::string& error);

}  // namespace Exporter
