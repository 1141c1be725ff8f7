#include "exporter/model/StepFile.h"

#include <limits>

namespace Exporter {

bool StepFile::Read(const char* data, std::size_t size, std::string_view fileName, std::string& error,
                    const Progress& progress, bool strict) {
  Ifc::ReadOptions options;
  options.progress = progress;
  options.strict = strict;
  if (!model.Read(data, size, fileName, error, options)) {
    return false;
  }
  if (model.LargestNumber().Value() > std::numeric_limits<std::uint32_t>::max() / 2) {
    const Ifc::InstanceIndex largest = model.Find(model.LargestNumber());
    error = model.Where(largest) + "instance numbers above " +
            std::to_string(std::numeric_limits<std::uint32_t>::max() / 2) + " are not supported by this tool";
    return false;
  }
  return true;
}

std::int32_t StepFile::FindByGlobalId(const GuidBytes& guid) const noexcept {
  const Ifc::InstanceIndex index = model.FindByGlobalId(guid);
  return index.Valid() ? static_cast<std::int32_t>(index.Value()) : -1;
}

}  // namespace Exporter
