#include "exporter/main/Arguments.h"

#include <string_view>

namespace Exporter {

const char kUsage[] =
    "Usage: ifcapi-export [--addon PATH] [--alternative] [--strict] [--quiet] [--trace] [--only GLOBALID]...\n"
    "                     [--ids REQUIREMENTS.ids]... [--report-bcf FILE [--bcf-version 2.1|3.0]]\n"
    "                     INPUT.ifc OUTPUT.ifc\n"
    "\n"
    "Reads the IFC file INPUT.ifc (IFC2X3, IFC4 or IFC4X3_ADD2), asks the add-on's hook data provider for the property "
    "sets,\n"
    "attributes, classification references, groups and systems of every element, and writes\n"
    "INPUT.ifc with them, as its schema can hold them, as OUTPUT.ifc (which may not be INPUT.ifc).\n"
    "\n"
    "  --addon PATH    the add-on (a shared library exporting IFCAPIAddOnRegister and\n"
    "                  IFCAPIAddOnUnregister); default: the example add-on beside this tool\n"
    "  --alternative   ask the provider's alternative operations\n"
    "  --strict        refuse an input with flaws that are otherwise warned about and kept\n"
    "                  (duplicate GlobalIds, references to missing instances), and an add-on\n"
    "                  whose contributions to standard sets (Pset_, Qto_) their template contradicts\n"
    "  --quiet         no summary, warnings or progress\n"
    "  --trace         print every element asked about, the add-on's look-ups and every answer\n"
    "  --only GLOBALID ask about (and trace) this element only; may be repeated\n"
    "  --ids REQUIREMENTS.ids\n"
    "                  check the written file against this IDS document's requirements and\n"
    "                  print the report; may be repeated\n"
    "  --report-bcf FILE\n"
    "                  write the failures of the --ids check as BCF topics for issue trackers\n"
    "                  and authoring tools: one per failed specification\n"
    "  --bcf-version V the BCF version of --report-bcf: 2.1 (default) or 3.0\n"
    "  --version       the tool's version\n"
    "  --help          this text and the exit codes\n";

namespace {

// --report-bcf and --bcf-version go with --ids and with each other.
Ifc::Status CheckBcfOptions(const Arguments& arguments) {
  if (!arguments.bcfVersion.empty() && arguments.bcfVersion != "2.1" && arguments.bcfVersion != "3.0") {
    return Ifc::Failure("--bcf-version: '" + arguments.bcfVersion + "' is no BCF version; 2.1 or 3.0");
  }
  if (!arguments.bcfVersion.empty() && arguments.bcfReport.empty()) {
    return Ifc::Failure("--bcf-version needs --report-bcf FILE");
  }
  if (!arguments.bcfReport.empty() && arguments.ids.empty()) {
    return Ifc::Failure("--report-bcf needs --ids");
  }
  return {};
}

}  // namespace

Ifc::Status ParseArguments(int argc, const char* const* argv, Arguments& arguments) {
  std::string* paths[] = {&arguments.input, &arguments.output};
  int pathCount = 0;
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    if (argument == "--help" || argument == "-h") {
      arguments.help = true;
      return {};
    }
    if (argument == "--addon") {
      if (i + 1 >= argc) {
        return Ifc::Failure("--addon needs a path");
      }
      arguments.addOn = argv[++i];
    } else if (argument.rfind("--addon=", 0) == 0) {
      arguments.addOn = std::string(argument.substr(8));
    } else if (argument == "--alternative") {
      arguments.alternative = true;
    } else if (argument == "--strict") {
      arguments.strict = true;
    } else if (argument == "--quiet") {
      arguments.quiet = true;
    } else if (argument == "--version") {
      arguments.version = true;
      return {};
    } else if (argument == "--ids") {
      if (i + 1 >= argc) {
        return Ifc::Failure("--ids needs a path");
      }
      arguments.ids.emplace_back(argv[++i]);
    } else if (argument == "--report-bcf" || argument == "--bcf-version") {
      if (i + 1 >= argc) {
        return Ifc::Failure(std::string(argument) +
                            (argument == "--report-bcf" ? " needs a path" : " needs a version (2.1 or 3.0)"));
      }
      (argument == "--report-bcf" ? arguments.bcfReport : arguments.bcfVersion) = argv[++i];
    } else if (argument == "--trace") {
      arguments.trace = true;
    } else if (argument == "--only") {
      const auto guid = i + 1 < argc ? DecodeGlobalId(argv[i + 1]) : std::nullopt;
      if (!guid) {
        return Ifc::Failure(i + 1 < argc ? "--only: '" + std::string(argv[i + 1]) + "' is no GlobalId"
                                         : "--only needs a GlobalId");
      }
      arguments.only.push_back(*guid);
      ++i;
    } else if (argument.size() > 1 && argument[0] == '-') {
      return Ifc::Failure("unknown option '" + std::string(argument) + "'");
    } else if (pathCount < 2) {
      *paths[pathCount++] = std::string(argument);
    } else {
      return Ifc::Failure("too many arguments");
    }
  }
  if (Ifc::Status bcf = CheckBcfOptions(arguments); !bcf) {
    return bcf;
  }
  if (pathCount != 2) {
    return Ifc::Failure("INPUT.ifc and OUTPUT.ifc are required");
  }
  return {};
}

}  // namespace Exporter
