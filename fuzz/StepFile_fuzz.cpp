// Fuzz target: the export tool's IFC reader (Exporter::StepFile) on arbitrary bytes. It either
// refuses the file with a message naming it, or gives an index whose every record lies inside the
// file, reads "#N=...;" there, and is found again by its number and, when rooted, by its GlobalId.
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "StepFile.h"

namespace {

using IFCAPI::Fuzzing::Check;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // A copy of exactly `size` bytes, so that AddressSanitizer sees any read past the end.
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  Exporter::StepFile file;
  std::string error;
  if (!file.Read(bytes.data(), bytes.size(), "fuzz.ifc", error)) {
    Check(error.rfind("fuzz.ifc", 0) == 0, "a refusal names the file");
    return 0;
  }
  const auto& instances = file.Instances();
  for (std::size_t i = 0; i < instances.size(); ++i) {
    const Exporter::InstanceRecord& record = instances[i];
    Check(record.offset + record.length <= size, "an instance lies inside the file");
    const std::string_view text = file.Text(i);
    Check(text.size() >= 4 && text.front() == '#' && text.back() == ';', "an instance reads #N=...;");
    const std::string_view arguments = file.Arguments(i);
    Check(arguments.data() > text.data() && arguments.data() + arguments.size() < text.data() + text.size(),
          "the arguments lie inside the instance");
    Check(file.FindByNumber(record.number) == static_cast<std::int32_t>(i), "an instance is found by its number");
    Check(record.number <= file.LargestNumber(), "the largest number is the largest");
  }
  for (const auto& rooted : file.RootedInstances()) {
    Check(file.FindByGlobalId(rooted.guid) == static_cast<std::int32_t>(rooted.index),
          "a rooted instance is found by its GlobalId");
  }
  Check(file.FileNameBegin() <= file.FileNameEnd() && file.FileNameEnd() <= size, "the FILE_NAME range");
  Check(file.DataEnd() <= size, "the end of the data lies inside the file");
  return 0;
}
