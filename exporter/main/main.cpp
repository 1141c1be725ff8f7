// ifcapi-export: runs an add-on's hook data provider over an IFC2X3, IFC4 or IFC4X3_ADD2 file and writes the
// enriched file in the same schema.
//
//   ifcapi-export [--addon PATH] [--alternative] [--strict] [--quiet] [--trace] [--only GLOBALID]...
//                 [--ids REQUIREMENTS.ids]... [--report-bcf FILE [--bcf-version 2.1|3.0]] INPUT.ifc OUTPUT.ifc
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
#include "exporter/session/Exporter.h"
#include "exporter/session/ProgressBar.h"
#include "exporter/session/ProviderFailure.h"
#include "exporter/trace/Trace.h"
#include "exporter/writer/NewInstances.h"
#include "ifc/files/OutputPath.h"
#include "ifc/files/RunFiles.h"
#include "ifc/step/ByteSource.h"
#include "ifc/step/Model.h"

namespace {

using CommandLine::ExitCode;

// Files smaller than this are done before a progress bar would be seen.
constexpr std::size_t kProgressThreshold = std::size_t{4} << 20;

// How many warnings are printed one by one; the summary counts them all.
constexpr std::size_t kPrintedWarnings = 50;

int Fail(ExitCode code, const std::string& message) {
  std::fprintf(stderr, "ifcapi-export: %s\n", message.c_str());
  return ToInt(code);
}

std::string BaseName(const std::string& path) {
  const std::size_t slash = path.find_last_of("/\\");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Prints the input's flaws first, one line a kind, then the contributions' warnings; returns them.
std::vector<std::string> PrintWarnings(const Ifc::Model& model, const Exporter::Summary& s) {
  std::vector<std::string> warnings = Exporter::FlawWarnings(model.GetFlaws());
  warnings.insert(warnings.end(), s.warnings.begin(), s.warnings.end());
  for (std::size_t i = 0; i < warnings.size() && i < kPrintedWarnings; ++i) {
    std::fprintf(stderr, "ifcapi-export: warning: %s\n", warnings[i].c_str());
  }
  if (warnings.size() > kPrintedWarnings) {
    std::fprintf(stderr, "ifcapi-export: %s more warnings\n",
                 std::to_string(warnings.size() - kPrintedWarnings).c_str());
  }
  return warnings;
}

void PrintSummary(const Exporter::Arguments& arguments, const Ifc::Model& model, const Exporter::Summary& s) {
  const std::vector<std::string> warnings = PrintWarnings(model, s);
  // Counts go through to_string: printf's size_t format is not understood by every C runtime.
  const auto n = [](std::size_t count) { return std::to_string(count); };
  const std::string summary = arguments.input + ": " + n(model.InstanceCount()) + " instances, " + n(s.elements) +
                              " elements asked\ncontributed: " + n(s.values) + " property values in " + n(s.sets) +
                              " property sets, " + n(s.attributes) + " attributes, " + n(s.references) +
                              " classification references, " + n(s.groups) + " groups, " + n(s.relations) +
                              " relations\nwarnings: " + n(warnings.size()) + "\nwritten: " + arguments.output + "\n";
  std::fputs(summary.c_str(), stdout);
}

// The summary with what the element look-up could not hand to the add-on.
Exporter::Summary WithLookUpNotes(const Exporter::Summary& summary, const Exporter::ElementLookup& lookup) {
  Exporter::Summary noted = summary;
  const Exporter::ElementLookup::LeftOut& leftOut = lookup.TextsLeftOut();
  if (leftOut.count > 0) {
    noted.warnings.push_back("the element look-up served " + std::to_string(leftOut.count) +
                             (leftOut.count == 1 ? " attribute" : " attributes") + " longer than " +
                             std::to_string(Exporter::ElementLookup::kMaxServedText) + " bytes as unset (first " +
                             leftOut.first + "); the file keeps them");
  }
  return noted;
}

// What the run reads: the input, the add-on and the IDS documents.
std::vector<Ifc::RunFile> RunInputs(const Exporter::Arguments& arguments) {
  std::vector<Ifc::RunFile> inputs{{arguments.input, "the input file"}, {arguments.addOn, "the add-on"}};
  for (const std::string& ids : arguments.ids) {
    inputs.push_back({ids, "the IDS document"});
  }
  return inputs;
}

// Reads `input` into `model`, showing progress on `bar`; fails when it is no file the tool can export.
Ifc::Status ReadInput(const Exporter::Arguments& arguments, const Ifc::ByteSource& input, Exporter::ProgressBar& bar,
                      Ifc::Model& model) {
  Ifc::ReadOptions options;
  options.strict = arguments.strict;
  options.progress = [&](std::size_t done) { bar.Show("reading", done, input.Size()); };
  if (Ifc::Status read = model.Read(input.Data(), input.Size(), arguments.input, options); !read) {
    return read;
  }
  return Exporter::NewInstances::RoomAfter(model);
}

// Reads the input, asks the loaded add-on's provider, writes the output.
int Export(const Exporter::Arguments& arguments, const Exporter::RequirementsCheck& requirements) {
  Ifc::ByteSource input;
  if (const Ifc::Status opened = input.Open(arguments.input); !opened) {
    return Fail(ExitCode::ModelUnreadable, opened.Error().Message());
  }
  Exporter::ProgressBar bar(!arguments.quiet && input.Size() >= kProgressThreshold &&
                            Exporter::StandardErrorIsTerminal());
  Ifc::Model model;
  if (const Ifc::Status read = ReadInput(arguments, input, bar, model); !read) {
    bar.Clear();
    return Fail(ExitCode::ModelUnreadable, read.Error().Message());
  }
  // The add-on's look-ups are answered from the file; --trace and --only listen to the queries.
  Exporter::ElementLookup lookup(model);
  Exporter::Trace tracer(model, arguments.trace ? stdout : nullptr);
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
  Exporter::Exporter exporter(model, arguments.alternative);
  if (arguments.trace || !arguments.only.empty()) {
    exporter.SetQueryListener(&tracer);
  }
  try {
    exporter.Collect([&](std::size_t done, std::size_t total) { bar.Show("asking", done, total); });
  } catch (const Exporter::ProviderFailure& failure) {
    bar.Clear();
    return Fail(ExitCode::AddOnFailed, failure.what());
  }
  // Under --strict, contributions that their standard set's template contradicts are the add-on's
  // failure: nothing is written, as a client's check of the file would fail.
  const std::size_t mismatches = exporter.GetSummary().templateMismatches;
  if (arguments.strict && mismatches > 0) {
    bar.Clear();
    if (!arguments.quiet) {
      PrintWarnings(model, exporter.GetSummary());
    }
    return Fail(ExitCode::AddOnFailed,
                "--strict: " + std::to_string(mismatches) +
                    (mismatches == 1 ? " contribution contradicts" : " contributions contradict") +
                    " the standard property set templates; nothing written");
  }
  const Ifc::Status written =
      exporter.Write(arguments.output, BaseName(arguments.output),
                     [&](std::size_t done, std::size_t total) { bar.Show("writing", done, total); });
  if (!written) {
    bar.Clear();
    return Fail(ExitCode::OutputNotWritten, written.Error().Message());
  }
  bar.Clear();
  if (!arguments.quiet) {
    PrintSummary(arguments, model, WithLookUpNotes(exporter.GetSummary(), lookup));
  }
  if (arguments.ids.empty()) {
    return ToInt(ExitCode::Done);
  }
  const Ifc::Expected<bool> passes = requirements.Check(arguments.output, stdout);
  if (!passes) {
    return Fail(ExitCode::OutputNotWritten,
                "the requirements check of the written file failed: " + passes.Error().Message());
  }
  return ToInt(*passes ? ExitCode::Done : ExitCode::RequirementsNotMet);
}

int Run(int argc, char** argv) {
  Exporter::Arguments arguments;
  if (const Ifc::Status parsed = Exporter::ParseArguments(argc, argv, arguments); !parsed) {
    std::fprintf(stderr, "ifcapi-export: %s\n%s", parsed.Error().Message().c_str(), Exporter::kUsage);
    return ToInt(ExitCode::BadUsage);
  }
  if (arguments.help) {
    std::printf("%s\n%s", Exporter::kUsage, CommandLine::ExitCodeTable());
    return ToInt(ExitCode::Done);
  }
  if (arguments.version) {
    std::fputs("ifcapi-export " IFCAPI_EXPORT_VERSION "\n", stdout);
    return ToInt(ExitCode::Done);
  }
  if (arguments.addOn.empty()) {
    arguments.addOn = Exporter::ExecutableDirectory() + Exporter::ExampleAddOnFileName();
  }
  // Before anything is loaded or written: the output may be no input, nor a folder, device or FIFO.
  std::vector<Ifc::RunFile> outputs{{arguments.output, "the output"}};
  if (!arguments.bcfReport.empty()) {
    outputs.push_back({arguments.bcfReport, "the BCF report"});
  }
  if (const Ifc::Status clear = Ifc::CheckRunFiles(RunInputs(arguments), outputs, "output"); !clear) {
    return Fail(ExitCode::BadUsage, clear.Error().Message());
  }
  if (!arguments.bcfReport.empty()) {
    if (const Ifc::Status bcf = Exporter::RequirementsCheck::WritesBcf(); !bcf) {
      return Fail(ExitCode::BadUsage, bcf.Error().Message());
    }
  }
  Exporter::RequirementsCheck requirements;
  if (!arguments.ids.empty()) {
    if (const Ifc::Status read = requirements.Read(arguments.ids); !read) {
      return Fail(ExitCode::RequirementsUnreadable, read.Error().Message());
    }
  }
  requirements.ReportBcf(arguments.bcfReport, arguments.bcfVersion);
  Exporter::AddOn addOn;
  if (const Ifc::Status loaded = addOn.Load(arguments.addOn); !loaded) {
    return Fail(ExitCode::AddOnFailed, loaded.Error().Message());
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
