// An IFC4 file in ISO 10303-21 form, read in one pass over its mapped bytes.
//
// The pass finds every instance "#N=ENTITY(...);" and records its number, entity, byte range and line
// in one compact array; it reads the attributes of no instance except the GlobalId of rooted ones
// (to index them and refuse duplicates). Everything else is read later, only where needed, from the
// byte range:
//
//   StepFile file;
//   std::string error;
//   if (!file.Read(mapped.Data(), mapped.Size(), "model.ifc", error)) Fail(error);  // "model.ifc:12: #7: ..."
//   const std::int32_t wall = file.FindByGlobalId(bytes);
//   std::string_view arguments = file.Arguments(wall);                            // between ( and )
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "IfcGuid.h"
#include "Schema.h"

namespace Exporter {

// 24 bytes an instance: the index of a 1M-instance file stays near 24 MB.
struct InstanceRecord {
  std::uint64_t offset;  // of '#'
  std::uint32_t length;  // up to and including ';'
  std::uint32_t number;
  std::uint32_t line;          // 1-based
  std::uint16_t argument;      // offset of '(' from `offset`
  IfcReader::EntityId entity;  // in the IFC4 schema
};
static_assert(sizeof(InstanceRecord) == 24, "the index is sized for 24 bytes an instance; keep new fields small");

class StepFile {
 public:
  // Called now and then with the bytes read so far.
  using Progress = std::function<void(std::size_t done)>;

  // Reads `size` bytes at `data`, which must stay valid as long as this object. False with `error`
  // naming `fileName`, the line and the instance number when the file is no well-formed IFC4 file.
  bool Read(const char* data, std::size_t size, std::string_view fileName, std::string& error,
            const Progress& progress = nullptr);

  const std::vector<InstanceRecord>& Instances() const noexcept { return instances; }

  // The instance's whole text, "#N=ENTITY(...);", and the text between its outer parentheses.
  std::string_view Text(std::size_t index) const noexcept {
    return std::string_view(data + instances[index].offset, instances[index].length);
  }
  std::string_view Arguments(std::size_t index) const noexcept;

  // The index of the instance numbered `number`, or -1.
  std::int32_t FindByNumber(std::uint32_t number) const noexcept;

  // The index of the rooted instance with this GlobalId, or -1.
  std::int32_t FindByGlobalId(const GuidBytes& guid) const noexcept;

  // Every rooted instance's GlobalId with its instance index, in file order.
  struct Rooted {
    GuidBytes guid;
    std::uint32_t index;
  };
  const std::vector<Rooted>& RootedInstances() const noexcept { return rooted; }

  // Byte ranges of the header's FILE_NAME record (from its name to its ';') and of the end of the last
  // data section ("ENDSEC;" of DATA onwards); the writer replaces the first and inserts before the
  // second.
  std::size_t FileNameBegin() const noexcept { return fileNameBegin; }
  std::size_t FileNameEnd() const noexcept { return fileNameEnd; }
  std::string_view FileNameArguments() const noexcept { return fileNameArguments; }
  std::size_t DataEnd() const noexcept { return dataEnd; }

  // The schema the file is read in.
  const IfcReader::Schema& GetSchema() const noexcept { return IfcReader::Schema::Get(IfcReader::SchemaVersion::Ifc4); }

  std::uint32_t LargestNumber() const noexcept { return largestNumber; }
  const char* Data() const noexcept { return data; }
  std::size_t Size() const noexcept { return size; }

 private:
  bool ReadHeader(std::size_t& at, std::uint32_t& line, std::string& error);
  bool ReadData(std::size_t& at, std::uint32_t& line, std::string& error, const Progress& progress);
  bool IndexNumbers(std::string& error);
  bool IndexGlobalIds(std::string& error);
  std::string Where(std::uint32_t line) const;
  std::string Where(const InstanceRecord& record) const;

  const char* data = nullptr;
  std::size_t size = 0;
  std::string fileName;

  std::vector<InstanceRecord> instances;
  std::vector<Rooted> rooted;
  // Number -> index + 1 (0: none) when numbers are dense; otherwise (number, index) sorted.
  std::vector<std::uint32_t> denseNumbers;
  std::vector<std::pair<std::uint32_t, std::uint32_t>> sparseNumbers;
  // Open addressing over `rooted`: index + 1, 0 for an empty slot.
  std::vector<std::uint32_t> guidSlots;

  std::size_t fileNameBegin = 0;
  std::size_t fileNameEnd = 0;
  std::string_view fileNameArguments;
  std::size_t dataEnd = 0;
  std::uint32_t largestNumber = 0;
};

}  // namespace Exporter
