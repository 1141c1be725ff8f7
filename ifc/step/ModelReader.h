// The one pass that reads a file into a Model: the header, every instance of the data sections
// (its syntax checked token by token), then the indexes by number and GlobalId and the flaws.
// Internal to the reader; Model::Read is its interface.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "ifc/step/Lexer.h"
#include "ifc/step/Model.h"

namespace Ifc {

// The slot of `guid` in an open-addressing table of mask + 1 slots. GlobalIds are often made by
// counting (only the last letters differ), so every bit of the GUID must reach the slot number.
std::size_t GuidSlot(const GuidBytes& guid, std::size_t mask) noexcept;

class ModelReader {
 public:
  ModelReader(Model& model, const ReadOptions& options, std::string& error) noexcept
      : model(model), options(options), error(error) {}

  bool Run();

 private:
  struct Pending {
    std::uint64_t number;
    std::uint32_t source;
  };

  bool ReadHeader(Lexer& lexer);
  bool ReadHeaderRecord(Lexer& lexer, const Token& keyword, bool& sawName, bool& sawSchema);
  bool ReadSchemaName(const Token& keyword);
  bool ReadData(Lexer& lexer);
  struct Part;
  std::unique_ptr<Part> StartPart(std::size_t dataBegin);
  static void ReadPart(Part& part);
  bool JoinPart(Part& part, Lexer& lexer, const Token& token);
  bool ReadInstance(Lexer& lexer, const Token& name);
  // In ModelReaderFast.cpp: reads the instance as ReadInstance would when it is written plainly, and
  // the plain instances on the lines after it that begin before `limit`; false, with nothing changed,
  // for ReadInstance to read it instead.
  bool ReadInstanceFast(Lexer& lexer, const Token& name, std::size_t limit);
  // The plain instance whose name, at `nameOffset`, ends at `at`; `at` then past its ';'.
  bool ReadPlainInstance(std::size_t nameOffset, std::uint64_t number, std::uint32_t line, std::size_t& at);
  struct PlainScan;
  bool ReadPlainHead(std::size_t nameOffset, std::uint64_t number, const char*& p, InstanceRecord& record) const;
  bool ScanPlainArguments(const InstanceRecord& record, PlainScan& scan);
  bool FinishPlainInstance(InstanceRecord& record, const PlainScan& scan, std::size_t& at);
  void MarkDefined(const InstanceRecord& record);
  // Notes the line of the instance just indexed at `offset` when it is the first past the next mark.
  void MarkLine(std::uint64_t offset, std::uint32_t line) {
    if (offset >= nextLineMark) {
      model.lineMarks.push_back(Model::LineMark{offset, line});
      nextLineMark = offset + kLineMarkSpacing;
    }
  }
  struct ArgumentScan;
  bool ReadArguments(Lexer& lexer, InstanceRecord& record, Token& close);
  bool StartValue(ArgumentScan& scan, const InstanceRecord& record, const Token& token);
  bool OpenValue(Lexer& lexer, ArgumentScan& scan, const InstanceRecord& record, const Token& token);
  bool ReadComma(ArgumentScan& scan, const InstanceRecord& record, const Token& token);
  bool FailComma(const ArgumentScan& scan, const InstanceRecord& record, const Token& token);
  bool FailCommaMissing(const InstanceRecord& record, const Token& token);
  bool CheckClose(const ArgumentScan& scan, const InstanceRecord& record, const Token& token);
  bool FinishArguments(const InstanceRecord& record, const ArgumentScan& scan, const Token& close);
  bool FailInArguments(const InstanceRecord& record, const Token& token, int depth, const Lexer& lexer);
  bool CheckGlobalId(const InstanceRecord& record, const Token& first);
  bool IsDefined(std::uint64_t number) const noexcept;
  // Counts a flaw of the instance being read; false in a part read ahead, which stops there.
  bool NoteFlaw(FlawKind kind, const InstanceRecord& record, std::uint32_t line, const std::string& what);
  void NoteTrailingBytes(std::size_t from, std::uint32_t line);
  // In ModelReaderReferences.cpp.
  struct TypedReference {
    std::uint32_t instance;
    std::uint32_t position;  // of the reference's '#' from the instance's
    std::uint16_t slot;
  };
  static std::vector<std::vector<EntityId>> DeclaredEntities(const Schema& schema);
  // The entity each attribute of `entity` takes, when reference types are checked and one does.
  const std::vector<EntityId>* CheckedSlots(EntityId entity) const noexcept {
    return options.referenceTypes && !declaredEntities[entity.Index()].empty() ? &declaredEntities[entity.Index()]
                                                                               : nullptr;
  }
  void NoteEntityOf(std::uint64_t number, EntityId entity);
  bool HoldsKnownTarget(std::uint64_t number, EntityId declared) const noexcept;
  // The reference to #`number` at `position` in the instance being read, as attribute `slot`.
  void NoteTypedReference(std::uint64_t number, const std::vector<EntityId>& slots, std::size_t slot,
                          std::size_t position);
  void TakeTypedReferences(const ModelReader& part, std::uint32_t base);
  void NoteReferenceTypes();
  void NoteReference(const Token& token);
  void NoteReferenceTo(std::uint64_t number);
  bool Expect(Lexer& lexer, TokenKind kind, const char* what);
  bool IndexNumbers();
  void ResolvePending();
  void IndexGlobalIds();

  bool Fail(std::uint32_t line, const std::string& message);
  bool FailIn(const InstanceRecord& record, std::uint32_t line, const std::string& message);
  std::string Where(std::uint32_t line) const;

  Model& model;
  const ReadOptions& options;
  std::string& error;
  std::vector<std::uint8_t> isRooted;  // by entity
  std::vector<std::uint64_t> defined;  // bit per instance number below `definedLimit` read so far
  std::uint64_t definedLimit = 0;
  std::vector<Pending> pending;                         // references not resolved when read
  std::vector<std::vector<EntityId>> declaredEntities;  // by entity, when reference types are checked
  std::vector<std::int16_t> entityOf;                   // entity + 1 by instance number below `entityLimit` read so far
  std::uint64_t entityLimit = 0;
  static constexpr std::uint64_t kLineMarkSpacing = 4096;  // bytes of the file a line count covers at most
  std::uint64_t nextLineMark = 0;
  std::vector<TypedReference> typedReferences;  // not known to be right when read
  bool stopAtFlaw = false;                      // a part read ahead stops where the main pass must report something
};

}  // namespace Ifc
