// ifcapi-ids: checks an IFC model against IDS documents.
//
//   ifcapi-ids MODEL.ifc REQUIREMENTS.ids [REQUIREMENTS.ids ...] [--report-json FILE] [--report-html FILE]
//              [--report-bcf FILE [--bcf-version 2.1|3.0]]
//   ifcapi-ids --templates MODEL.ifc [REQUIREMENTS.ids ...] [--report-json FILE] [--report-html FILE]
//
// Exit codes: commandline/ExitCode.h, shared with ifcapi-export.
#include <cstdio>
#include <string>
#include <vector>

#include "commandline/ExitCode.h"
#include "idscheck/main/ArgumentOrder.h"
#include "idscheck/reports/BcfReport.h"
#include "idscheck/session/CheckSession.h"

namespace {

constexpr const char* kUsage =
    "usage: ifcapi-ids MODEL.ifc REQUIREMENTS.ids [REQUIREMENTS.ids ...] [--report-json FILE] [--report-html FILE]\n"
    "                  [--report-bcf FILE [--bcf-version 2.1|3.0]]\n"
    "       ifcapi-ids --templates MODEL.ifc [REQUIREMENTS.ids ...] [the same report options]\n"
    "Checks the IFC model against the specifications of the IDS documents; with --templates also its\n"
    "standard property and quantity sets (Pset_, Qto_) against buildingSMART's templates of its schema.\n"
    "  --report-json FILE   the full report for programs (JSON)\n"
    "  --report-html FILE   the full report as a web page\n"
    "  --report-bcf FILE    the failures as BCF topics for issue trackers and authoring tools:\n"
    "                       one topic per failed specification, its failing elements as components\n"
    "  --bcf-version V      the BCF version of --report-bcf: 2.1 (default) or 3.0\n";

// Takes the value of the option at argv[i] into `value`; false, with the message printed, when it
// has none.
bool TakeValue(int argc, char** argv, int& i, std::string& value) {
  if (i + 1 >= argc) {
    std::fprintf(stderr, "ifcapi-ids: %s needs %s\n%s", argv[i],
                 std::string(argv[i]) == "--bcf-version" ? "a version (2.1 or 3.0)" : "a file name", kUsage);
    return false;
  }
  value = argv[++i];
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  Ids::SessionOptions options;
  std::vector<std::string> positional;
  std::string bcfVersion;
  for (int i = 1; i < argc; ++i) {
    const std::string argument = argv[i];
    if (argument == "--help" || argument == "-h") {
      std::printf("%s\n%s", kUsage, CommandLine::ExitCodeTable());
      return 0;
    }
    if (argument == "--report-json" || argument == "--report-html" || argument == "--report-bcf") {
      std::string& target = argument == "--report-json"   ? options.jsonReport
                            : argument == "--report-html" ? options.htmlReport
                                                          : options.bcfReport;
      if (!TakeValue(argc, argv, i, target)) {
        return CommandLine::ToInt(CommandLine::ExitCode::BadUsage);
      }
      continue;
    }
    if (argument == "--bcf-version") {
      if (!TakeValue(argc, argv, i, bcfVersion)) {
        return CommandLine::ToInt(CommandLine::ExitCode::BadUsage);
      }
      continue;
    }
    if (argument == "--templates") {
      options.templates = true;
      continue;
    }
    if (argument.size() > 1 && argument[0] == '-') {
      std::fprintf(stderr, "ifcapi-ids: unknown option %s\n%s", argument.c_str(), kUsage);
      return CommandLine::ToInt(CommandLine::ExitCode::BadUsage);
    }
    positional.push_back(argument);
  }
  if (!bcfVersion.empty() && !Ids::ParseBcfVersion(bcfVersion, options.bcfVersion)) {
    std::fprintf(stderr, "ifcapi-ids: --bcf-version: '%s' is no BCF version; 2.1 or 3.0\n%s", bcfVersion.c_str(),
                 kUsage);
    return CommandLine::ToInt(CommandLine::ExitCode::BadUsage);
  }
  if (!bcfVersion.empty() && options.bcfReport.empty()) {
    std::fprintf(stderr, "ifcapi-ids: --bcf-version needs --report-bcf FILE\n%s", kUsage);
    return CommandLine::ToInt(CommandLine::ExitCode::BadUsage);
  }
  if (!options.bcfReport.empty() && !Ids::BcfWritingAvailable()) {
    std::fprintf(stderr, "ifcapi-ids: --report-bcf: %s\n", Ids::kNoBcfMessage);
    return CommandLine::ToInt(CommandLine::ExitCode::BadUsage);
  }
  if (positional.size() < (options.templates ? 1u : 2u)) {
    std::fputs(kUsage, stderr);
    return CommandLine::ToInt(CommandLine::ExitCode::BadUsage);
  }
  if (Ids::ModelAndIdsSwapped(positional[0], positional[1])) {
    std::fprintf(stderr,
                 "ifcapi-ids: %s is an IDS document (XML) and %s an IFC model: give the model first, then the "
                 "IDS documents\n%s",
                 positional[0].c_str(), positional[1].c_str(), kUsage);
    return CommandLine::ToInt(CommandLine::ExitCode::BadUsage);
  }
  options.modelFile = positional.front();
  options.idsFiles.assign(positional.begin() + 1, positional.end());
  return Ids::RunSession(options, stdout, stderr);
}
