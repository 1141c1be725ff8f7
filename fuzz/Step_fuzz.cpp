// Fuzz target: the export tool's reader of ISO 10303-21 files and its text helpers, from arbitrary
// bytes. Reading never crashes or hangs: it fails with a message naming the file, or succeeds with an
// index whose every entry reads back: the instance's text is "#N=...;", its number and GlobalId find
// it again, its attributes split, every string among them decodes and encodes back to itself, and
// every GlobalId round-trips.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzSupport.h"
#include "StepFile.h"
#include "StepText.h"

namespace {

using IFCAPI::Fuzzing::Check;

void CheckStrings(std::string_view items, int depth) {
  std::vector<std::string_view> parts;
  if (depth > 8 || !Exporter::SplitStepList(items, parts)) {
    return;
  }
  for (const std::string_view part : parts) {
    if (const auto decoded = Exporter::DecodeStepString(part)) {
      std::string encoded;
      Exporter::AppendStepString(encoded, *decoded);
      Check(Exporter::DecodeStepString(encoded) == decoded, "a decoded string does not encode back to itself");
    } else if (const auto inner = Exporter::StepListItems(part)) {
      CheckStrings(*inner, depth + 1);
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const char* text = reinterpret_cast<const char*>(data);
  Exporter::StepFile file;
  std::string error;
  if (!file.Read(text, size, "f.ifc", error)) {
    Check(error.rfind("f.ifc:", 0) == 0, "an error does not name the file and line");
    return 0;
  }
  const auto& instances = file.Instances();
  for (std::size_t i = 0; i < instances.size(); ++i) {
    const std::string_view whole = file.Text(i);
    Check(whole.front() == '#' && whole.back() == ';', "an instance's text is not #N=...;");
    Check(file.FindByNumber(instances[i].number) == static_cast<std::int32_t>(i),
          "a number does not find its instance");
    CheckStrings(file.Arguments(i), 0);
  }
  for (const auto& rooted : file.RootedInstances()) {
    Check(file.FindByGlobalId(rooted.guid) == static_cast<std::int32_t>(rooted.index),
          "a GlobalId does not find its instance");
    char encoded[22];
    Exporter::EncodeGlobalId(rooted.guid, encoded);
    Check(Exporter::DecodeGlobalId(std::string_view(encoded, 22)) == rooted.guid, "a GlobalId does not round-trip");
  }
  return 0;
}
