// An IFC exchange file (ISO 10303-21) of schema IFC2X3, IFC4 or IFC4X3_ADD2, read for looking things
// up: one pass over its mapped bytes checks the syntax of every instance and records each one's
// number, entity, byte range and line in a compact index; attribute values are parsed only when asked
// for, and the index of who references whom only when first needed.
//
//   Model model;
//   if (const Status read = model.Open("model.ifc"); !read) Fail(read.Error());  // "model.ifc:12: #7: ..."
//   const Schema& schema = model.GetSchema();
//   const EntityId wall = schema.FindEntity("IfcWall");
//   const AttributeSlot name = schema.FindAttribute(wall, "Name");   // resolved once
//   for (const InstanceIndex index : model.InstancesOf(wall)) {       // IfcWall and its subtypes
//     std::optional<Value> value = model.Attribute(index, name);      // 'Wall 1' -> String "Wall 1"
//     for (const InstanceIndex user : model.ReferencesTo(index)) ...  // instances naming #N
//   }
//   model.GetFlaws().Of(FlawKind::MissingReference).count;            // tolerated faults
#pragma once

#include <cassert>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ifc/errors/Expected.h"
#include "ifc/guid/GlobalId.h"
#include "ifc/schema/Schema.h"
#include "ifc/step/ByteSource.h"
#include "ifc/step/Flaws.h"
#include "ifc/step/Header.h"
#include "ifc/step/InstanceId.h"
#include "ifc/step/Value.h"

namespace Ifc {

// One instance in the index. 24 bytes: the index of a 1M-instance file stays near 24 MB. Its line
// (Model::Line) and its end (Model::Text) are found from the file when asked.
struct InstanceRecord {
  std::uint64_t number;
  std::uint64_t offset;    // of '#'
  std::uint32_t close;     // offset of the argument list's ')' from `offset` (blanks and comments may
                           // stand between it and the ';')
  std::uint16_t argument;  // offset of the argument list's '(' from `offset`
  EntityId entity;
};
static_assert(sizeof(InstanceRecord) <= 24, "the index is sized for 24 bytes an instance; keep new fields small");

struct ReadOptions {
  // Refuse the flaws a file is otherwise read with (see Flaws.h).
  bool strict = false;
  // The schemas the caller reads; a file of another one is refused naming these.
  std::vector<SchemaVersion> accepted = {SchemaVersion::Ifc2x3, SchemaVersion::Ifc4, SchemaVersion::Ifc4x3Add2};
  // Called now and then with the bytes read so far.
  std::function<void(std::size_t done)> progress;
  // Keep an index of the GlobalIds: FindByGlobalId, RootedInstances and duplicate GlobalIds counted
  // as flaws. Their form is checked either way.
  bool globalIds = true;
  // A data section of at least this many bytes has its second half read on a thread of its own
  // (on a machine of two cores or more); the model read is the same.
  std::size_t splitFrom = std::size_t{4} << 20;
  // Check that references name an instance of the entity their attribute is declared with, where the
  // schema declares an entity (not a select or a defined type): a second pass over the arguments.
  bool referenceTypes = true;
};

// A contiguous run of instance indices (references to an instance).
struct IndexSpan {
  const InstanceIndex* first = nullptr;
  const InstanceIndex* last = nullptr;
  const InstanceIndex* begin() const noexcept { return first; }
  const InstanceIndex* end() const noexcept { return last; }
  std::size_t size() const noexcept { return static_cast<std::size_t>(last - first); }
  bool empty() const noexcept { return first == last; }
};

class Model {
 public:
  Model();
  Model(const Model&) = delete;
  Model& operator=(const Model&) = delete;
  ~Model();

  // Maps and reads the file at `path`. Fails ("FILE:LINE: #N: what is wrong") when it cannot be read
  // or is no well-formed file of a supported schema.
  [[nodiscard]] Status Open(const std::string& path, const ReadOptions& options = {});

  // Reads `size` bytes at `data`, which must stay valid as long as this object; `fileName` names
  // them in messages. What the model held before is dropped.
  [[nodiscard]] Status Read(const char* data, std::size_t size, std::string_view fileName,
                            const ReadOptions& options = {});

  const Header& GetHeader() const noexcept { return header; }
  SchemaVersion Version() const noexcept { return header.version; }
  const Schema& GetSchema() const noexcept { return *schema; }
  const Flaws& GetFlaws() const noexcept { return flaws; }

  // The instances in file order; an InstanceIndex is a position in it. Every function taking one
  // requires a valid index of this model (asserted).
  std::size_t InstanceCount() const noexcept { return instances.size(); }
  const std::vector<InstanceRecord>& Instances() const noexcept { return instances; }
  const InstanceRecord& Record(InstanceIndex index) const noexcept {
    assert(index.Valid() && index.Value() < instances.size() && "an instance index out of range");
    return instances[index.Value()];
  }
  InstanceNumber Number(InstanceIndex index) const noexcept { return InstanceNumber(Record(index).number); }
  EntityId Entity(InstanceIndex index) const noexcept { return Record(index).entity; }
  // The line the instance begins on, 1-based: its line ends counted from the last line mark before
  // it (the reading marks the first instance that begins 4 KB or more past the previous mark).
  std::uint32_t Line(InstanceIndex index) const noexcept;
  InstanceNumber LargestNumber() const noexcept { return largestNumber; }

  // The instance's whole text, "#N=ENTITY(...);", and the text between its outer parentheses.
  std::string_view Text(InstanceIndex index) const noexcept;
  std::string_view Arguments(InstanceIndex index) const noexcept;

  // The instance numbered `number`; invalid when there is none.
  InstanceIndex Find(InstanceNumber number) const noexcept;

  // The instance (a subtype of IfcRoot) with this GlobalId; invalid when there is none.
  InstanceIndex FindByGlobalId(const GuidBytes& guid) const noexcept;
  InstanceIndex FindByGlobalId(std::string_view globalId) const noexcept;

  // Every IfcRoot instance's GlobalId with its index, in file order (duplicates included).
  struct Rooted {
    GuidBytes guid;
    InstanceIndex index;
  };
  const std::vector<Rooted>& RootedInstances() const noexcept { return rooted; }

  // The instances of `entity` (and of its subtypes unless `exact`), in file order. The first call
  // builds an index by entity.
  std::vector<InstanceIndex> InstancesOf(EntityId entity, bool exact = false) const;

  // The attribute at `slot` of the instance (a slot from GetSchema().FindAttribute on its entity or
  // a supertype), parsed; empty when the entity has no such attribute.
  std::optional<Value> Attribute(InstanceIndex index, AttributeSlot slot) const;
  // The same by name ("Name"); empty when the instance's entity has no attribute of that name.
  std::optional<Value> Attribute(InstanceIndex index, std::string_view name) const;
  // All attributes, parsed.
  std::vector<Value> Attributes(InstanceIndex index) const;

  // The instances that reference this one (a valid index), in file order, each once. The first call
  // builds the index of references (a pass over every instance's arguments); later calls only look up.
  IndexSpan ReferencesTo(InstanceIndex index) const;

  // "FILE:LINE: #N: ", for messages about an instance.
  std::string Where(InstanceIndex index) const;

  const char* Data() const noexcept { return data; }
  std::size_t Size() const noexcept { return size; }

 private:
  friend class ModelReader;
  struct Lazy;

  const char* data = nullptr;
  std::size_t size = 0;
  std::string fileName;
  std::unique_ptr<ByteSource> source;
  const Schema* schema = nullptr;
  Header header;
  Flaws flaws;

  std::vector<InstanceRecord> instances;
  // The line of an instance now and then, in file order: Line() counts on from the last one before.
  struct LineMark {
    std::uint64_t offset;
    std::uint32_t line;
  };
  std::vector<LineMark> lineMarks;
  InstanceNumber largestNumber;
  // Number -> index + 1 (0: none) when numbers are dense; otherwise (number, index) sorted.
  std::vector<std::uint32_t> denseNumbers;
  std::vector<std::pair<std::uint64_t, std::uint32_t>> sparseNumbers;
  std::vector<Rooted> rooted;
  // Open addressing over `rooted`: position + 1, 0 for an empty slot.
  std::vector<std::uint32_t> guidSlots;
  // Indexes built on first use.
  std::unique_ptr<Lazy> lazy;
};

}  // namespace Ifc
