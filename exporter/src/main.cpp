// ifcapi-export: runs an add-on's hook data provider over an IFC4 file and writes the enriched file.
//
//   ifcapi-export [--addon PATH] [--alternative] [--quiet] INPUT.ifc OUTPUT.ifc
//
// Exit codes: 0 done, 1 the output could not be written, 2 bad usage, 3 bad input, 4 add-on failure.
#include <cstdio>
#include <cstring>
#include <exception>
#include <string>
#include <string_view>

#include "AddOn.h"
#include "Exporter.h"
#include "KT/OutOfMemoryException.h"
#include "Platform.h"
#include "ProgressBar.h"
#include "StepFile.h"

namespace {

enum ExitCode { Done = 0, OutputFailed = 1, BadUsage = 2, BadInput = 3, AddOnFailed = 4 };

constexpr char Usage[] =
    "Usage: ifcapi-export [--addon PATH] [--alternative] [--quiet] INPUT.ifc OUTPUT.ifc\n"
    "\n"
    "Reads the IFC4 file INPUT.ifc, asks the add-on's hook data provider for the property sets,\n"
    "attributes, classification references, groups and systems of every element, and writes\n"
    "INPUT.ifc with them as OUTPUT.ifc.\n"
    "\n"
    "  --addon PATH    the add-on (a shared library exporting IFCAPIAddOnRegister and\n"
    "                  IFCAPIAddOnUnregister); default: the example add-on beside this tool\n"
    "  --alternative   ask the provider's alternative operations\n"
    "  --quiet         no summary, warnings or progress\n"
    "  --help          this text\n"
    "\n"
    "Exit codes: 0 done, 1 output not written, 2 bad usage, 3 bad input, 4 add-on failure.\n";

// Files smaller than this are done before a progress bar would be seen.
constexpr std::size_t ProgressThreshold = std::size_t{4} << 20;

// How many warnings are printed one by one; the summary counts them all.
constexpr std::size_t PrintedWarnings = 50;

int UsageError(const std::string& message) {
  std::fprintf(stderr, "ifcapi-export: %s\n%s", message.c_str(), Usage);
  return BadUsage;
}

std::string BaseName(const std::string& path) {
  const std::size_t slash = path.find_last_of("/\\");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

int Run(int argc, char** argv) {
  std::string addOnPath;
  bool alternative = false;
  bool quiet = false;
  std::string paths[2];
  int pathCount = 0;
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    if (argument == "--help" || argument == "-h") {
      std::fputs(Usage, stdout);
      return Done;
    }
    if (argument == "--addon") {
      if (i + 1 >= argc) {
        return UsageError("--addon needs a path");
      }
      addOnPath = argv[++i];
    } else if (argument.rfind("--addon=", 0) == 0) {
      addOnPath = std::string(argument.substr(8));
    } else if (argument == "--alternative") {
      alternative = true;
    } else if (argument == "--quiet") {
      quiet = true;
    } else if (argument.size() > 1 && argument[0] == '-') {
      return UsageError("unknown option '" + std::string(argument) + "'");
    } else if (pathCount < 2) {
      paths[pathCount++] = std::string(argument);
    } else {
      return UsageError("too many arguments");
    }
  }
  if (pathCount != 2) {
    return UsageError("INPUT.ifc and OUTPUT.ifc are required");
  }
  if (addOnPath.empty()) {
    addOnPath = Exporter::ExecutableDirectory() + Exporter::ExampleAddOnFileName();
  }

  std::string error;
  Exporter::AddOn addOn;
  if (!addOn.Load(addOnPath, error)) {
    std::fprintf(stderr, "ifcapi-export: %s\n", error.c_str());
    return AddOnFailed;
  }

  Exporter::MappedFile input;
  if (!input.Open(paths[0], error)) {
    std::fprintf(stderr, "ifcapi-export: %s\n", error.c_str());
    return BadInput;
  }
  Exporter::ProgressBar bar(!quiet && input.Size() >= ProgressThreshold && Exporter::StandardErrorIsTerminal());
  Exporter::StepFile file;
  if (!file.Read(input.Data(), input.Size(), paths[0], error,
                 [&](std::size_t done) { bar.Show("reading", done, input.Size()); })) {
    bar.Clear();
    std::fprintf(stderr, "ifcapi-export: %s\n", error.c_str());
    return BadInput;
  }
  // References to instances that are not there are kept as they are; the file had them already.
  const IfcReader::FlawReport& missing = file.Flaws().Of(IfcReader::FlawKind::MissingReference);
  if (!quiet && missing.count != 0) {
    bar.Clear();
    std::fprintf(stderr, "ifcapi-export: warning: %s references to instances that are not in the file, the first: %s\n",
                 std::to_string(missing.count).c_str(), missing.examples.front().c_str());
  }
  Exporter::Exporter exporter(file, alternative);
  exporter.Collect([&](std::size_t done, std::size_t total) { bar.Show("asking", done, total); });
  if (!exporter.Write(paths[1], BaseName(paths[1]), error,
                      [&](std::size_t done, std::size_t total) { bar.Show("writing", done, total); })) {
    bar.Clear();
    std::fprintf(stderr, "ifcapi-export: %s\n", error.c_str());
    return OutputFailed;
  }
  bar.Clear();
  if (!quiet) {
    const Exporter::Summary& s = exporter.GetSummary();
    for (std::size_t i = 0; i < s.warnings.size() && i < PrintedWarnings; ++i) {
      std::fprintf(stderr, "ifcapi-export: warning: %s\n", s.warnings[i].c_str());
    }
    if (s.warnings.size() > PrintedWarnings) {
      std::fprintf(stderr, "ifcapi-export: %s more warnings\n",
                   std::to_string(s.warnings.size() - PrintedWarnings).c_str());
    }
    // Counts go through to_string: printf's size_t format is not understood by every C runtime.
    const auto n = [](std::size_t count) { return std::to_string(count); };
    const std::string summary = paths[0] + ": " + n(file.Instances().size()) + " instances, " + n(s.elements) +
                                " elements asked\ncontributed: " + n(s.values) + " property values in " + n(s.sets) +
                                " property sets, " + n(s.attributes) + " attributes, " + n(s.references) +
                                " classification references, " + n(s.groups) + " groups, " + n(s.relations) +
                                " relations\nwarnings: " + n(s.warnings.size()) + "\nwritten: " + paths[1] + "\n";
    std::fputs(summary.c_str(), stdout);
  }
  return Done;
}

}  // namespace

int main(int argc, char** argv) {
  try {
    return Run(argc, argv);
  } catch (const KT::OutOfMemoryException&) {
    std::fputs("ifcapi-export: out of memory\n", stderr);
  } catch (const std::exception& failure) {
    std::fprintf(stderr, "ifcapi-export: %s\n", failure.what());
  }
  return OutputFailed;
}
