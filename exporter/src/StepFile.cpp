#include "StepFile.h"

#include <limits>

namespace Exporter {

InstanceRecord StepFile::InstanceList::operator[](std::size_t index) const noexcept {
  const IfcReader::InstanceRecord& record = file.model.Record(Index(index));
  return InstanceRecord{record.offset, record.length,   static_cast<std::uint32_t>(record.number),
                        record.line,   record.argument, record.entity};
}

bool StepFile::Read(const char* data, std::size_t size, std::string_view fileName, std::string& error,
                    const Progress& progress, bool strict) {
  IfcReader::ReadOptions options;
  options.progress = progress;
  options.strict = strict;
  if (!model.Read(data, size, fileName, error, options)) {
    return false;
  }
  if (model.LargestNumber().Value() > std::numeric_limits<std::uint32_t>::max() / 2) {
    const IfcReader::InstanceIndex largest = model.Find(model.LargestNumber());
    error = model.Where(largest) + "instance numbers above " +
            std::to_string(std::numeric_limits<std::uint32_t>::max() / 2) + " are not supported by this tool";
    return false;
  }
  return true;
}

std::int32_t StepFile::FindByNumber(std::uint32_t number) const noexcept {
  const IfcReader::InstanceIndex index = model.Find(IfcReader::InstanceNumber(number));
  return index.Valid() ? static_cast<std::int32_t>(index.Value()) : -1;
}

std::int32_t StepFile::FindByGlobalId(const GuidBytes& guid) const noexcept {
  const IfcReader::InstanceIndex index = model.FindByGlobalId(guid);
  return index.Valid() ? static_cast<std::int32_t>(index.Value()) : -1;
}

}  // namespace Exporter
