// ifcapi-ids: checks an IFC model against IDS documents.
//
//   ifcapi-ids MODEL.ifc REQUIREMENTS.ids [REQUIREMENTS.ids ...] [--report-json FILE] [--report-html FILE]
//   ifcapi-ids --templates MODEL.ifc [REQUIREMENTS.ids ...] [--report-json FILE] [--report-html FILE]
//
// Exit codes: commandline/ExitCode.h, shared with ifcapi-export.
#include <cstdio>
#include <string>
#include <vector>

#include "commandline/ExitCode.h"
#include "idscheck/session/CheckSession.h"

namespace {

constexpr const char* Usage =
    "usage: ifcapi-ids MODEL.ifc REQUIREMENTS.ids [REQUIREMENTS.ids ...] [--report-json FILE] [--report-html FILE]\n"
    "       ifcapi-ids --templates MODEL.ifc [REQUIREMENTS.ids ...] [--report-json FILE] [--report-html FILE]\n"
    "Checks the IFC model against the specifications of the IDS documents; with --templates also its\n"
    "standard property and quantity sets (Pset_, Qto_) against buildingSMART's templates of its schema.\n";

}  // namespace

int main(int argc, char** argv) {
  Ids::SessionOptions options;
  std::vector<std::string> positional;
  for (int i = 1; i < argc; ++i) {
    const std::string argument = argv[i];
    if (argument == "--help" || argument == "-h") {
      std::printf("%s\n%s", Usage, CommandLine::ExitCodeTable());
      return 0;
    }
    if (argument == "--report-json" || argument == "--report-html") {
      if (i + 1 >= argc) {
        std::fprintf(stderr, "ifcapi-ids: %s needs a file name\n%s", argument.c_str(), Usage);
        return CommandLine::ToInt(CommandLine::ExitCode::BadUsage);
      }
      (argument == "--report-json" ? options.jsonReport : options.htmlReport) = argv[++i];
      continue;
    }
    if (argument == "--templates") {
      options.templates = true;
      continue;
    }
    if (argument.size() > 1 && argument[0] == '-') {
      std::fprintf(stderr, "ifcapi-ids: unknown option %s\n%s", argument.c_str(), Usage);
      return CommandLine::ToInt(CommandLine::ExitCode::BadUsage);
    }
    positional.push_back(argument);
  }
  if (positional.size() < (options.templates ? 1u : 2u)) {
    std::fputs(Usage, stderr);
    return CommandLine::ToInt(CommandLine::ExitCode::BadUsage);
  }
  options.modelFile = positional.front();
  options.idsFiles.assign(positional.begin() + 1, positional.end());
  return Ids::RunSession(options, stdout, stderr);
}
