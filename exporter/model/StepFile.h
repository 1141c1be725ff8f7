// The input file as the export tool reads it: an IFC2X3, IFC4 or IFC4X3_ADD2 file read by the shared
// reader (Ifc::Model), seen through the tool's older, narrower interface: 32-bit instance
// numbers and indices. Duplicate GlobalIds and references to missing instances are read and counted
// in Flaws(); `strict` refuses them instead. Of instances sharing a GlobalId, FindByGlobalId finds the
// first.
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

#include "exporter/model/IfcGuid.h"
#include "ifc/step/Model.h"

namespace Exporter {

class StepFile {
 public:
  // Called now and then with the bytes read so far.
  using Progress = std::function<void(std::size_t done)>;

  // Reads `size` bytes at `data`, which must stay valid as long as this object. False with `error`
  // naming `fileName`, the line and the instance number when the file is no well-formed file of a
  // supported schema, or (with `strict`) has flaws.
  bool Read(const char* data, std::size_t size, std::string_view fileName, std::string& error,
            const Progress& progress = nullptr, bool strict = false);

  // How many instances the file holds.
  std::size_t InstanceCount() const noexcept { return model.InstanceCount(); }

  // The instance's whole text, "#N=ENTITY(...);", and the text between its outer parentheses.
  std::string_view Text(std::size_t index) const noexcept { return model.Text(Index(index)); }
  std::string_view Arguments(std::size_t index) const noexcept { return model.Arguments(Index(index)); }

  // The index of the rooted instance with this GlobalId, or -1.
  std::int32_t FindByGlobalId(const GuidBytes& guid) const noexcept;

  // Byte ranges of the header's FILE_NAME record (from its name to its ';') and of the end of the last
  // data section ("ENDSEC;" of DATA onwards); the writer replaces the first and inserts before the
  // second.
  std::size_t FileNameBegin() const noexcept { return model.GetHeader().fileNameBegin; }
  std::size_t FileNameEnd() const noexcept { return model.GetHeader().fileNameEnd; }
  std::string_view FileNameArguments() const noexcept { return model.GetHeader().fileNameArguments; }
  std::size_t DataEnd() const noexcept { return model.GetHeader().dataEnd; }

  std::uint32_t LargestNumber() const noexcept { return static_cast<std::uint32_t>(model.LargestNumber().Value()); }
  const char* Data() const noexcept { return model.Data(); }
  std::size_t Size() const noexcept { return model.Size(); }

  // The schema the file is read in, and whether its lines end in CR LF.
  const Ifc::Schema& GetSchema() const noexcept { return model.GetSchema(); }
  bool CrLf() const noexcept { return model.GetHeader().crlf; }

  // The flaws the file was read with (duplicate GlobalIds, references to missing instances), for
  // warnings.
  const Ifc::Flaws& Flaws() const noexcept { return model.GetFlaws(); }
  const Ifc::Model& Model() const noexcept { return model; }

 private:
  static Ifc::InstanceIndex Index(std::size_t index) noexcept {
    return Ifc::InstanceIndex(static_cast<std::uint32_t>(index));
  }

  Ifc::Model model;
};

}  // namespace Exporter
