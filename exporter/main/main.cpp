// ifcapi-export: runs an add-on's hook data provider over an IFC2X3, IFC4 or IFC4X3_ADD2 file and writes the
// enriched file in the same schema.
//
//   ifcapi-export [--addon PATH] [--alternative] [--strict] [--quiet] [--trace] [--only GLOBALID]...
//                 [--ids REQUIREMENTS.ids]... INPUT.ifc OUTPUT.ifc
//
// Exit codes: 0 done, 1 the output could not be written, 2 bad usage, 3 bad input, 4 add-on failure
// (it could not be loaded or started, or its provider threw out of a hook query), 5 an IDS document
// given with --ids is not valid (nothing is written), 6 written, but the IDS requirements failed.
#include <cstdio>
#include <exception>
#include <optional>
#include <string>
#include <vector>

#include "KT/OutOfMemoryException.h"
#include "commandline/ExitCode.h"
#include "exporter/addon/AddOn.h"
#include "exporter/addon/Platform.h"
#include "exporter/lookup/ElementLookup.h"
#include "exporter/main/Arguments.h"
#include "exporter/main/FlawWarnings.h"
#include "exporter/main/RequirementsCheck.h"
#include "exporter/model/StepFile.h"
#include "exporter/session/Exporter.h"
#include "exporter/session/ProgressBar.h"
#include "exporter/session/ProviderFailure.h"
#include "exporter/trace/Trace.h"
#include "ifc/files/OutputPath.h"

namespace {

using CommandLine::ExitCode;

// Files smaller than this are done before a progress bar would be seen.
constexpr std::size_t ProgressThreshold = std::size_t{4} << 20;

// How many warnings are printed one by one; the summary counts them all.
constexpr std::size_t PrintedWarnings = 50;

int Fail(ExitCode code, const std::string& message) {
  std::fprintf(stderr, "ifcapi-export: %s\n", message.c_str());
  return ToInt(code);
}

std::string BaseName(const std::string& path) {
  const std::size_t slash = path.find_last_of("/\\");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

void PrintSummary(const Exporter::Arguments& arguments, const Exporter::StepFile& file, const Exporter::Summary& s) {
  // The input's flaws first, one line a kind, then the contributions' warnings.
  std::vector<std::string> warnings = Exporter::FlawWarnings(file.Flaws());
  warnings.insert(warnings.end(), s.warnings.begin(), s.warnings.end());
  for (std::size_t i = 0; i < warnings.size() && i < PrintedWarnings; ++i) {
    std::fprintf(stderr, "ifcapi-export: warning: %s\n", warnings[i].c_str());
  }
  if (warnings.size() > PrintedWarnings) {
    std::fprintf(stderr, "ifcapi-export: %s more warnings\n",
                 std::to_string(warnings.size() - PrintedWarnings).c_str());
  }
  // Counts go through to_string: printf's size_t format is not understood by every C runtime.
  const auto n = [](std::size_t count) { return std::to_string(count); };
  const std::string summary = arguments.input + ": " + n(file.InstanceCount()) + " instances, " + n(s.elements) +
                              " elements asked\ncontributed: " + n(s.values) + " property values in " + n(s.sets) +
                              " property sets, " + n(s.attributes) + " attributes, " + n(s.references) +
                              " classification references, " + n(s.groups) + " groups, " + n(s.relations) +
                              " relations\nwarnings: " + n(warnings.size()) + "\nwritten: " + arguments.output + "\n";
  std::fputs(summary.c_str(), stdout);
}

// Reads the input, asks the loaded add-on's provider, writes the output.
int Export(const Exporter::Arguments& arguments, const Exporter::RequirementsCheck& requirements) {
  std::string error;
  Exporter::MappedFile input;
  if (!input.Open(arguments.input, error)) {
    return Fail(ExitCode::ModelUnreadable, error);
  }
  Exporter::ProgressBar bar(!arguments.quiet && input.Size() >= ProgressThreshold &&
                            Exporter::StandardErrorIsTerminal());
  Exporter::StepFile file;
  if (!file.Read(
          input.Data(), input.Size(), arguments.input, error,
          [&](std::size_t done) { bar.Show("reading", done, input.Size()); }, arguments.strict)) {
    bar.Clear();
    return Fail(ExitCode::ModelUnreadable, error);
  }
  // The add-on's look-ups are answered from the file; --trace and --only listen to the queries.
  Exporter::ElementLookup lookup(file);
  Exporter::Trace tracer(file, arguments.trace ? stdout : nullptr);
  for (const Exporter::GuidBytes& guid : arguments.only) {
    if (!tracer.Only(guid)) {
      char text[22];
      Exporter::EncodeGlobalId(guid, text);
      std::fprintf(stderr, "ifcapi-export: warning: --only '%.22s': no element of the file has this GlobalId\n", text);
    }
  }
  if (arguments.trace) {
    lookup.SetListener(tracer.LookUpListener());
  }
  // Served from here to the end of the export: removed first, before what it uses goes (its listener).
  const Exporter::ServedElementLookup served(lookup);
  Exporter::Exporter exporter(file, arguments.alternative);
  if (arguments.trace || !arguments.only.empty()) {
    exporter.SetQueryListener(&tracer);
  }
  try {
    exporter.Collect([&](std::size_t done, std::size_t total) { bar.Show("asking", done, total); });
  } catch (const Exporter::ProviderFailure& failure) {
    bar.Clear();
    return Fail(ExitCode::AddOnFailed, failure.what());
  }
  if (!exporter.Write(arguments.output, BaseName(arguments.output), error,
                      [&](std::size_t done, std::size_t total) { bar.Show("writing", done, total); })) {
    bar.Clear();
    return Fail(ExitCode::OutputNotWritten, error);
  }
  bar.Clear();
  if (!arguments.quiet) {
    PrintSummary(arguments, file, exporter.GetSummary());
  }
  if (arguments.ids.empty()) {
    return ToInt(ExitCode::Done);
  }
  const std::optional<bool> passes = requirements.Check(arguments.output, stdout, error);
  if (!passes) {
    return Fail(ExitCode::OutputNotWritten, "the written file cannot be read back: " + error);
  }
  return ToInt(*passes ? ExitCode::Done : ExitCode::RequirementsNotMet);
}

int Run(int argc, char** argv) {
  Exporter::Arguments arguments;
  std::string error;
  if (!Exporter::ParseArguments(argc, argv, arguments, error)) {
    std::fprintf(stderr, "ifcapi-export: %s\n%s", error.c_str(), Exporter::Usage);
    return ToInt(ExitCode::BadUsage);
  }
  if (arguments.help) {
    std::printf("%s\n%s", Exporter::Usage, CommandLine::ExitCodeTable());
    return ToInt(ExitCode::Done);
  }
  if (arguments.version) {
    std::fputs("ifcapi-export " IFCAPI_EXPORT_VERSION "\n", stdout);
    return ToInt(ExitCode::Done);
  }
  // Before anything is loaded or written: the output may not be the input under another name.
  if (Ifc::NamesSameFile(arguments.input, arguments.output) ||
      Ifc::NamesSameFile(arguments.input, arguments.output + ".partial")) {
    return Fail(ExitCode::BadUsage,
                arguments.output + " is the input file " + arguments.input + "; choose another output");
  }
  // The output is written beside its path and renamed into place, which would replace a device or FIFO.
  if (Ifc::NamesOtherThanFile(arguments.output)) {
    return Fail(ExitCode::BadUsage, arguments.output + ": not a regular file; name a file to write the output to");
  }
  Exporter::RequirementsCheck requirements;
  if (!arguments.ids.empty() && !requirements.Read(arguments.ids, error)) {
    return Fail(ExitCode::RequirementsUnreadable, error);
  }
  if (arguments.addOn.empty()) {
    arguments.addOn = Exporter::ExecutableDirectory() + Exporter::ExampleAddOnFileName();
  }
  Exporter::AddOn addOn;
  if (!addOn.Load(arguments.addOn, error)) {
    return Fail(ExitCode::AddOnFailed, error);
  }
  return Export(arguments, requirements);
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
  return ToInt(ExitCode::OutputNotWritten);
}
