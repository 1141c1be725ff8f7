#include "ifc/step/ModelReader.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <thread>

#if defined(__linux__)
#include <sys/mman.h>
#endif

#include "ifc/step/ValueParser.h"
#include "ifc/step/WrittenForm.h"

namespace Ifc {

namespace {

constexpr std::size_t kProgressStep = std::size_t{4} << 20;
constexpr std::size_t kPartPrefix = std::size_t{256} << 10;

bool IsKeyword(const Token& token, std::string_view word) noexcept {
  return token.kind == TokenKind::Keyword && token.text == word;
}

// Asks for huge pages under a large buffer about to be filled: its first touches then fault some
// hundred times instead of thousands, which is much of the reading's cost on a virtual machine.
template <typename T>
void PreferHugePages(const std::vector<T>& buffer) {
#if defined(__linux__) && defined(MADV_HUGEPAGE)
  constexpr std::uintptr_t kHuge = std::uintptr_t{2} << 20;
  const auto begin = reinterpret_cast<std::uintptr_t>(buffer.data());
  const std::uintptr_t first = (begin + kHuge - 1) & ~(kHuge - 1);
  const std::uintptr_t last = (begin + buffer.capacity() * sizeof(T)) & ~(kHuge - 1);
  if (last > first) {
    madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
  }
#else
  (void)buffer;
#endif
}

// Gives the system back the whole pages under the first `count` elements of a buffer whose storage
// stays allocated (those elements read as zero afterwards and must not be read). Where the system
// offers no such call the pages stay until the buffer is freed.
template <typename T>
void ReleaseLeadingPages(const std::vector<T>& buffer, std::size_t count) {
#if defined(__linux__)
  constexpr std::uintptr_t kPage = std::uintptr_t{4} << 10;
  const auto begin = reinterpret_cast<std::uintptr_t>(buffer.data());
  const std::uintptr_t first = (begin + kPage - 1) & ~(kPage - 1);
  const std::uintptr_t last = (begin + count * sizeof(T)) & ~(kPage - 1);
  if (last > first) {
    madvise(reinterpret_cast<void*>(first), last - first, MADV_DONTNEED);
  }
#else
  (void)buffer;
  (void)count;
#endif
}

// How a token is named in a message: its text, shortened.
std::string Shown(const Token& token) {
  switch (token.kind) {
    case TokenKind::End:
      return "the end of the file";
    case TokenKind::Error:
      return "a fault";
    default:
      break;
  }
  constexpr std::size_t kLongest = 24;
  std::string text(token.text.substr(0, kLongest));
  return "'" + text + (token.text.size() > kLongest ? "...'" : "'");
}

std::string TextOf(const std::vector<Value>& values) {
  std::string out = "(";
  for (std::size_t i = 0; i < values.size(); ++i) {
    out += (i != 0 ? "," : "") + values[i].ToStep();
  }
  return out + ")";
}

}  // namespace

// The second half of a large data section, read on a thread of its own into a model of its own from
// the first line past the middle that begins with '#'. It stops at the first token that is no
// instance name and before the first instance the main pass has something to say about (a fault or
// a flaw). The split may fall inside a string or comment, whose bytes the part then reads as tokens:
// the main pass takes the part's instances over only if it arrives exactly at `begin`.
struct ModelReader::Part {
  Model model;
  ReadOptions options;
  std::string error;
  ModelReader reader{model, options, error};
  std::size_t begin = 0;
  std::size_t resume = 0;        // after the part's last whole instance
  std::uint32_t resumeLine = 1;  // its line, counted from 1 at `begin`
  std::thread thread;

  ~Part() {
    if (thread.joinable()) {
      thread.join();
    }
  }
};

std::string ModelReader::Where(std::uint32_t line) const {
  return model.fileName + ":" + std::to_string(line) + ": ";
}

bool ModelReader::Fail(std::uint32_t line, const std::string& message) {
  error = Where(line) + message;
  return false;
}

bool ModelReader::FailIn(const InstanceRecord& record, std::uint32_t line, const std::string& message) {
  error = Where(line) + "#" + std::to_string(record.number) + ": " + message;
  return false;
}

bool ModelReader::Expect(Lexer& lexer, TokenKind kind, const char* what) {
  const Token token = lexer.Next();
  if (token.kind == kind) {
    return true;
  }
  if (token.kind == TokenKind::Error) {
    return Fail(token.line, lexer.Error());
  }
  return Fail(token.line, std::string(what) + " expected, found " + Shown(token));
}

bool ModelReader::Run() {
  Lexer lexer(std::string_view(model.data, model.size));
  const char* newline = static_cast<const char*>(std::memchr(model.data, '\n', model.size));
  model.header.crlf = newline != nullptr && newline > model.data && newline[-1] == '\r';
  if (!ReadHeader(lexer) || !ReadData(lexer) || !IndexNumbers()) {
    return false;
  }
  ResolvePending();
  if (options.referenceTypes) {
    NoteReferenceTypes();
  }
  if (options.globalIds) {
    IndexGlobalIds();
  }
  if (options.strict) {
    for (const FlawKind kind : kAllFlawKinds) {
      const FlawReport& report = model.flaws.Of(kind);
      if (report.count != 0) {
        error = report.examples.front() + " (refused in strict reading)";
        return false;
      }
    }
  }
  return true;
}

bool ModelReader::ReadHeader(Lexer& lexer) {
  // Whatever does not begin with the keyword, a binary file (an image, an archive) or text that is no
  // token at all alike, is no exchange file: its first byte is not reported as a character.
  const Token magic = lexer.Next();
  if (!IsKeyword(magic, "ISO-10303-21")) {
    return Fail(magic.line, "not an ISO 10303-21 file (it does not begin with ISO-10303-21;)");
  }
  if (!Expect(lexer, TokenKind::Semicolon, "';' after ISO-10303-21")) {
    return false;
  }
  const Token header = lexer.Next();
  if (!IsKeyword(header, "HEADER")) {
    return Fail(header.line, header.kind == TokenKind::Error ? lexer.Error() : "HEADER; expected");
  }
  if (!Expect(lexer, TokenKind::Semicolon, "';' after HEADER")) {
    return false;
  }
  bool sawName = false;
  bool sawSchema = false;
  for (;;) {
    const Token keyword = lexer.Next();
    if (IsKeyword(keyword, "ENDSEC")) {
      break;
    }
    if (keyword.kind != TokenKind::Keyword) {
      return Fail(keyword.line, keyword.kind == TokenKind::Error ? lexer.Error()
                                : keyword.kind == TokenKind::End
                                    ? "the file ends inside the header (ENDSEC; missing)"
                                    : "a header record or ENDSEC; expected, found " + Shown(keyword));
    }
    if (!ReadHeaderRecord(lexer, keyword, sawName, sawSchema)) {
      return false;
    }
  }
  if (!Expect(lexer, TokenKind::Semicolon, "';' after ENDSEC")) {
    return false;
  }
  if (!sawSchema) {
    return Fail(lexer.Line(), "the header has no FILE_SCHEMA");
  }
  if (!sawName) {
    return Fail(lexer.Line(), "the header has no FILE_NAME");
  }
  return true;
}

bool ModelReader::ReadHeaderRecord(Lexer& lexer, const Token& keyword, bool& sawName, bool& sawSchema) {
  Header& header = model.header;
  std::vector<Value> arguments;
  std::string fault;
  Lexer probe = lexer;
  const Token open = probe.Next();
  if (!ParseArgumentList(lexer, arguments, fault)) {
    const bool ended = lexer.Offset() >= model.size && lexer.Error().empty();
    return Fail(ended ? keyword.line : lexer.Line(),
                (ended ? "the file ends inside" : fault + " in") + (" the header record " + std::string(keyword.text)));
  }
  const std::size_t close = lexer.Offset() - 1;
  if (!Expect(lexer, TokenKind::Semicolon, ("';' after the header record " + std::string(keyword.text)).c_str())) {
    return false;
  }
  if (keyword.text == "FILE_DESCRIPTION") {
    header.fileDescription = std::move(arguments);
  } else if (keyword.text == "FILE_NAME") {
    sawName = true;
    header.fileName = std::move(arguments);
    header.fileNameBegin = keyword.offset;
    header.fileNameEnd = lexer.Offset();
    header.fileNameArguments = std::string_view(model.data + open.offset + 1, close - open.offset - 1);
  } else if (keyword.text == "FILE_SCHEMA") {
    sawSchema = true;
    header.fileSchema = std::move(arguments);
    return ReadSchemaName(keyword);
  }
  return true;
}

bool ModelReader::ReadSchemaName(const Token& keyword) {
  Header& header = model.header;
  const std::vector<Value>& arguments = header.fileSchema;
  header.schemaLine = keyword.line;
  const bool one = arguments.size() == 1 && arguments[0].kind == Value::Kind::List && arguments[0].items.size() == 1 &&
                   arguments[0].items[0].kind == Value::Kind::String;
  const std::optional<SchemaVersion> version = one ? FindSchemaVersion(arguments[0].items[0].text) : std::nullopt;
  const auto& accepted = options.accepted;
  if (!version || std::find(accepted.begin(), accepted.end(), *version) == accepted.end()) {
    std::string names;
    for (std::size_t i = 0; i < accepted.size(); ++i) {
      names += (i == 0 ? "" : i + 1 == accepted.size() ? " and " : ", ") + std::string(SchemaName(accepted[i]));
    }
    return Fail(keyword.line, "FILE_SCHEMA is " + (arguments.size() == 1 ? arguments[0].ToStep() : TextOf(arguments)) +
                                  (accepted.size() == 1 ? ", but this tool reads " + names + " files only"
                                                        : "; supported are " + names));
  }
  header.schemaName = arguments[0].items[0].text;
  header.version = *version;
  model.schema = &Schema::Get(*version);
  if (options.referenceTypes) {
    declaredEntities = DeclaredEntities(*model.schema);
  }
  const EntityId root = model.schema->ifcRoot;
  isRooted.assign(model.schema->EntityCount(), 0);
  for (std::size_t entity = 0; entity < isRooted.size(); ++entity) {
    isRooted[entity] = model.schema->IsSubtypeOf(EntityId{static_cast<std::int16_t>(entity)}, root) ? 1 : 0;
  }
  return true;
}

bool ModelReader::ReadData(Lexer& lexer) {
  const Token data = lexer.Next();
  if (!IsKeyword(data, "DATA")) {
    return Fail(data.line, data.kind == TokenKind::Error ? lexer.Error()
                           : data.kind == TokenKind::End ? "the file ends after the header (DATA; missing)"
                                                         : "DATA; expected, found " + Shown(data));
  }
  if (!Expect(lexer, TokenKind::Semicolon, "';' after DATA")) {
    return false;
  }
  // Room for an instance every 32 bytes, more than real files need: only the pages actually filled
  // become resident, and the index is not copied while it grows (which would double its peak).
  model.instances.reserve(model.size / 32 + 16);
  PreferHugePages(model.instances);
  if (options.globalIds) {
    model.rooted.reserve(model.size / 128 + 16);
  }
  definedLimit = std::max<std::uint64_t>(std::uint64_t{1} << 16, model.size / 4);
  // Two bytes a number, bounded by an eighth of the file: a reference beyond is checked at the end.
  entityLimit = std::min<std::uint64_t>(definedLimit, std::max<std::uint64_t>(std::uint64_t{1} << 16, model.size / 16));
  std::size_t nextProgress = kProgressStep;
  // The second half's thread starts once the first instances are read, those most others name (the
  // owner history, units, directions): it is given them, so that its references to them are known
  // to be defined, and of which entity, without waiting for the halves to join.
  const std::size_t dataBegin = lexer.Offset();
  const std::size_t partFrom = dataBegin + std::min((model.size - dataBegin) / 64, kPartPrefix);
  bool partTried = false;
  std::unique_ptr<Part> part;
  for (;;) {
    if (!partTried && lexer.Offset() >= partFrom) {
      partTried = true;
      part = StartPart(dataBegin);
    }
    const Token token = lexer.Next();
    if (part != nullptr && token.offset >= part->begin) {
      const bool joined = JoinPart(*part, lexer, token);
      part.reset();
      if (joined) {
        continue;
      }
    }
    if (token.kind == TokenKind::InstanceName) {
      std::size_t limit = part != nullptr ? part->begin : partTried ? model.size : partFrom;
      limit = options.progress ? std::min(limit, nextProgress) : limit;
      if (!ReadInstanceFast(lexer, token, limit) && !ReadInstance(lexer, token)) {
        return false;
      }
      if (options.progress && lexer.Offset() >= nextProgress) {
        options.progress(lexer.Offset());
        nextProgress = lexer.Offset() + kProgressStep;
      }
      continue;
    }
    if (!IsKeyword(token, "ENDSEC")) {
      const std::string after =
          model.instances.empty() ? std::string() : " after #" + std::to_string(model.instances.back().number);
      return Fail(token.line, token.kind == TokenKind::Error ? lexer.Error()
                              : token.kind == TokenKind::End ? "the file ends inside the DATA section (ENDSEC; missing)"
                                                             : "an instance \"#N=ENTITY(...);\" or ENDSEC; expected" +
                                                                   after + ", found " + Shown(token));
    }
    model.header.dataEnd = token.offset;
    if (!Expect(lexer, TokenKind::Semicolon, "';' after ENDSEC")) {
      return false;
    }
    const Token next = lexer.Next();
    if (IsKeyword(next, "DATA")) {  // another data section
      if (!Expect(lexer, TokenKind::Semicolon, "';' after DATA")) {
        return false;
      }
      continue;
    }
    if (!IsKeyword(next, "END-ISO-10303-21")) {
      return Fail(next.line, next.kind == TokenKind::Error ? lexer.Error()
                             : next.kind == TokenKind::End ? "the file ends before END-ISO-10303-21;"
                                                           : "END-ISO-10303-21; expected, found " + Shown(next));
    }
    if (!Expect(lexer, TokenKind::Semicolon, "';' after END-ISO-10303-21")) {
      return false;
    }
    NoteTrailingBytes(lexer.Offset(), lexer.Line());
    return true;
  }
}

bool ModelReader::NoteFlaw(FlawKind kind, const InstanceRecord& record, std::uint32_t line, const std::string& what) {
  if (stopAtFlaw) {
    return false;
  }
  model.flaws.Add(kind, InstanceIndex(static_cast<std::uint32_t>(model.instances.size())),
                  Where(line) + "#" + std::to_string(record.number) + ": " + what);
  return true;
}

void ModelReader::NoteTrailingBytes(std::size_t from, std::uint32_t line) {
  const Trailing trailing = TrailingOf(std::string_view(model.data, model.size), from);
  model.header.contentEnd = trailing.contentEnd;
  if (trailing.extraBytes != 0) {
    char first[8];
    std::snprintf(first, sizeof first, "0x%02X", static_cast<unsigned char>(model.data[trailing.contentEnd]));
    model.flaws.Add(FlawKind::TrailingBytes, InstanceIndex(),
                    Where(line + trailing.lines) + std::to_string(trailing.extraBytes) +
                        " bytes after END-ISO-10303-21; (the first " + first + "), not part of the model");
  }
}

bool ModelReader::ReadInstance(Lexer& lexer, const Token& name) {
  InstanceRecord record{};
  record.offset = name.offset;
  record.number = InstanceNumberOf(name).Value();
  const Token equals = lexer.Next();
  if (equals.kind != TokenKind::Equals) {
    return FailIn(record, equals.line,
                  equals.kind == TokenKind::Error ? lexer.Error()
                                                  : "'=' expected after the instance name, found " + Shown(equals));
  }
  const Token entity = lexer.Next();
  if (entity.kind != TokenKind::Keyword) {
    return FailIn(record, entity.line,
                  entity.kind == TokenKind::Error ? lexer.Error()
                  : entity.kind == TokenKind::Open
                      ? "instances of several entities at once (\"#N=(A(...)B(...));\") are not supported"
                      : "an entity name expected after '=', found " + Shown(entity));
  }
  record.entity = model.schema->FindEntity(entity.text);
  if (!record.entity.Valid()) {
    return FailIn(record, entity.line,
                  "unknown entity " + std::string(entity.text) + " (not in the " +
                      std::string(SchemaName(model.header.version)) + " schema)");
  }
  if (model.schema->IsAbstract(record.entity)) {
    return FailIn(record, entity.line,
                  "entity " + std::string(entity.text) + " is abstract and cannot be instantiated");
  }
  if (!IsUpperCaseKeyword(entity.text) && !NoteFlaw(FlawKind::LowerCaseKeyword, record, entity.line,
                                                    "entity name " + std::string(entity.text) + " not in upper case")) {
    return false;
  }
  const Token open = lexer.Next();
  if (open.kind != TokenKind::Open) {
    return FailIn(
        record, open.line,
        open.kind == TokenKind::Error ? lexer.Error() : "'(' expected after the entity name, found " + Shown(open));
  }
  if (open.offset - record.offset > 0xFFFF) {
    return FailIn(record, open.line, "too much between the instance name and its '('");
  }
  record.argument = static_cast<std::uint16_t>(open.offset - record.offset);
  MarkDefined(record);
  Token close;
  if (!ReadArguments(lexer, record, close)) {
    return false;
  }
  const Token end = lexer.Next();
  if (end.kind != TokenKind::Semicolon) {
    return FailIn(
        record, close.line,
        end.kind == TokenKind::Error ? lexer.Error() : "';' missing after the instance's ')', found " + Shown(end));
  }
  if (lexer.Offset() - record.offset > 0xFFFFFFFFu) {
    return FailIn(record, name.line, "instance longer than 4 GB");
  }
  record.close = static_cast<std::uint32_t>(close.offset - record.offset);
  model.largestNumber = std::max(model.largestNumber, InstanceNumber(record.number));
  model.instances.push_back(record);
  MarkLine(record.offset, name.line);
  return true;
}

bool ModelReader::IsDefined(std::uint64_t number) const noexcept {
  return number < definedLimit && (number >> 6) < defined.size() &&
         (defined[static_cast<std::size_t>(number >> 6)] >> (number & 63) & 1) != 0;
}

void ModelReader::MarkDefined(const InstanceRecord& record) {
  const std::uint64_t number = record.number;
  if (options.referenceTypes) {
    NoteEntityOf(number, record.entity);
  }
  if (number < definedLimit) {
    const std::size_t word = static_cast<std::size_t>(number >> 6);
    if (word >= defined.size()) {
      defined.resize(std::max(word + 1, defined.size() * 2), 0);
    }
    defined[word] |= std::uint64_t{1} << (number & 63);
  }
}

void ModelReader::NoteReference(const Token& token) {
  NoteReferenceTo(InstanceNumberOf(token).Value());
}

void ModelReader::NoteReferenceTo(std::uint64_t number) {
  if (!IsDefined(number)) {
    pending.push_back(Pending{number, static_cast<std::uint32_t>(model.instances.size())});
  }
}

std::unique_ptr<ModelReader::Part> ModelReader::StartPart(std::size_t dataBegin) {
  const std::size_t bytes = model.size - dataBegin;
  if (bytes < options.splitFrom || bytes < 2 || std::thread::hardware_concurrency() < 2) {
    return nullptr;
  }
  const char* end = model.data + model.size;
  const char* at = model.data + dataBegin + bytes / 2;
  while ((at = static_cast<const char*>(std::memchr(at, '\n', static_cast<std::size_t>(end - at)))) != nullptr &&
         at + 1 < end && at[1] != '#') {
    ++at;
  }
  if (at == nullptr || at + 1 >= end) {
    return nullptr;
  }
  auto part = std::make_unique<Part>();
  part->begin = static_cast<std::size_t>(at + 1 - model.data);
  part->resume = part->begin;
  Model& target = part->model;
  target.data = model.data;
  target.size = model.size;
  target.schema = model.schema;
  target.header.version = model.header.version;
  target.instances.reserve((model.size - part->begin) / 32 + 16);
  PreferHugePages(target.instances);
  part->options.globalIds = options.globalIds;
  if (options.globalIds) {
    target.rooted.reserve((model.size - part->begin) / 128 + 16);
  }
  part->reader.isRooted = isRooted;
  part->reader.definedLimit = definedLimit;
  part->reader.defined = defined;
  part->reader.entityOf = entityOf;
  part->options.referenceTypes = options.referenceTypes;
  part->reader.declaredEntities = declaredEntities;
  part->reader.entityLimit = entityLimit;
  part->reader.stopAtFlaw = true;
  part->thread = std::thread([part = part.get()] { ReadPart(*part); });
  return part;
}

void ModelReader::ReadPart(Part& part) {
  ModelReader& reader = part.reader;
  Lexer lexer(std::string_view(part.model.data, part.model.size), part.begin, 1);
  for (Token token = lexer.Next(); token.kind == TokenKind::InstanceName; token = lexer.Next()) {
    const std::size_t pendingBefore = reader.pending.size();
    const std::size_t rootedBefore = part.model.rooted.size();
    const std::size_t typedBefore = reader.typedReferences.size();
    if (!reader.ReadInstanceFast(lexer, token, part.model.size) && !reader.ReadInstance(lexer, token)) {
      reader.pending.resize(pendingBefore);
      reader.typedReferences.resize(typedBefore);
      part.model.rooted.resize(rootedBefore);
      return;
    }
    part.resume = lexer.Offset();
    part.resumeLine = lexer.Line();
  }
}

// At the main pass's first token at or past the part's start: takes the part's instances over, as
// if read here, when the pass arrived exactly at its start, and then reads on from where the part
// stopped. False when the part is of no use; the pass goes on with `token`.
bool ModelReader::JoinPart(Part& part, Lexer& lexer, const Token& token) {
  part.thread.join();
  if (token.offset != part.begin || token.kind != TokenKind::InstanceName || part.resume == part.begin) {
    return false;
  }
  const std::uint32_t lines = token.line - 1;
  const auto base = static_cast<std::uint32_t>(model.instances.size());
  for (const Pending& reference : part.reader.pending) {
    if (!IsDefined(reference.number)) {
      pending.push_back(Pending{reference.number, reference.source + base});
    }
  }
  // The part's records are handed over a block at a time, each block's pages given back once
  // copied: the index is not held twice, which would add half of it to the reading's peak.
  constexpr std::size_t kBlock = (std::size_t{2} << 20) / sizeof(InstanceRecord);
  const std::vector<InstanceRecord>& records = part.model.instances;
  for (std::size_t from = 0; from < records.size(); from += kBlock) {
    const std::size_t to = std::min(records.size(), from + kBlock);
    model.instances.insert(model.instances.end(), records.begin() + static_cast<std::ptrdiff_t>(from),
                           records.begin() + static_cast<std::ptrdiff_t>(to));
    ReleaseLeadingPages(records, to);
  }
  for (const Model::LineMark& mark : part.model.lineMarks) {
    model.lineMarks.push_back(Model::LineMark{mark.offset, mark.line + lines});
  }
  for (const Model::Rooted& entry : part.model.rooted) {
    model.rooted.push_back(Model::Rooted{entry.guid, InstanceIndex(entry.index.Value() + base)});
  }
  TakeTypedReferences(part.reader, base);
  model.largestNumber = std::max(model.largestNumber, part.model.largestNumber);
  const std::vector<std::uint64_t>& more = part.reader.defined;
  if (defined.size() < more.size()) {
    defined.resize(more.size(), 0);
  }
  for (std::size_t word = 0; word < more.size(); ++word) {
    defined[word] |= more[word];
  }
  lexer = Lexer(lexer.Text(), part.resume, part.resumeLine + lines);
  return true;
}

// Where the reading of an argument list stands: per open parenthesis whether it is a typed value's,
// what the last token allows next, and the number and first token of the instance's own attributes.
struct ModelReader::ArgumentScan {
  enum State : std::uint8_t { First, AfterComma, AfterValue };
  std::uint8_t typed[kMaxValueDepth + 1];
  int depth = 0;
  State state = First;
  std::size_t count = 0;
  Token first;
};

// Reads the argument list whose '(' was just read, up to its ')' (returned in `close`): every token
// is checked against the grammar of lists, typed values and simple values.
bool ModelReader::ReadArguments(Lexer& lexer, InstanceRecord& record, Token& close) {
  ArgumentScan scan;
  scan.typed[0] = 0;
  const std::vector<EntityId>* slots = CheckedSlots(record.entity);
  for (;;) {
    const Token token = lexer.Next();
    switch (token.kind) {
      case TokenKind::InstanceName:
        NoteReference(token);
        [[fallthrough]];
      case TokenKind::Integer:
      case TokenKind::Real:
      case TokenKind::String:
      case TokenKind::Binary:
      case TokenKind::Enumeration:
      case TokenKind::Null:
      case TokenKind::Derived:
        if (!StartValue(scan, record, token)) {
          return false;
        }
        if (token.kind == TokenKind::InstanceName && slots != nullptr &&
            (scan.depth == 0 || (scan.depth == 1 && scan.typed[1] == 0))) {
          NoteTypedReference(InstanceNumberOf(token).Value(), *slots, scan.count - 1, token.offset - record.offset);
        }
        if (token.kind == TokenKind::String && !HoldsOnlyUtf8(token.text) &&
            !NoteFlaw(FlawKind::InvalidUtf8, record, token.line, "a string holds bytes that are not UTF-8")) {
          return false;
        }
        scan.state = ArgumentScan::AfterValue;
        break;
      case TokenKind::Keyword:
      case TokenKind::Open:
        if (!OpenValue(lexer, scan, record, token)) {
          return false;
        }
        break;
      case TokenKind::Comma:
        if (!ReadComma(scan, record, token)) {
          return false;
        }
        break;
      case TokenKind::Close:
        if (!CheckClose(scan, record, token)) {
          return false;
        }
        if (scan.depth == 0) {
          close = token;
          return FinishArguments(record, scan, close);
        }
        --scan.depth;
        scan.state = ArgumentScan::AfterValue;
        break;
      case TokenKind::Semicolon:
      case TokenKind::Equals:
      case TokenKind::End:
      case TokenKind::Error:
        return FailInArguments(record, token, scan.depth, lexer);
    }
  }
}

// A value begins: it must follow '(' or ','; at the outer level it is the next attribute.
bool ModelReader::StartValue(ArgumentScan& scan, const InstanceRecord& record, const Token& token) {
  if (scan.state == ArgumentScan::AfterValue) {
    return FailCommaMissing(record, token);
  }
  if (scan.depth == 0) {
    if (scan.count == 0) {
      scan.first = token;
    }
    ++scan.count;
  }
  return true;
}

// Out of line, so that the checks of every value stay small enough to be inlined.
bool ModelReader::FailCommaMissing(const InstanceRecord& record, const Token& token) {
  return FailIn(record, token.line, "',' missing before " + Shown(token));
}

// A list's '(' or a typed value's name (with the '(' after it, read here).
bool ModelReader::OpenValue(Lexer& lexer, ArgumentScan& scan, const InstanceRecord& record, const Token& token) {
  if (!StartValue(scan, record, token)) {
    return false;
  }
  const bool typed = token.kind == TokenKind::Keyword;
  if (typed && !IsUpperCaseKeyword(token.text) &&
      !NoteFlaw(FlawKind::LowerCaseKeyword, record, token.line,
                "type name " + std::string(token.text) + " not in upper case")) {
    return false;
  }
  if (typed) {
    const Token open = lexer.Next();
    if (open.kind != TokenKind::Open) {
      return FailIn(record, open.line,
                    open.kind == TokenKind::Error
                        ? lexer.Error()
                        : "'(' expected after the type name " + std::string(token.text) + ", found " + Shown(open));
    }
  }
  if (scan.depth == kMaxValueDepth) {
    return FailIn(record, token.line, "values nested more than " + std::to_string(kMaxValueDepth) + " deep");
  }
  scan.typed[++scan.depth] = typed ? 1 : 0;
  scan.state = ArgumentScan::First;
  return true;
}

bool ModelReader::ReadComma(ArgumentScan& scan, const InstanceRecord& record, const Token& token) {
  if (scan.state != ArgumentScan::AfterValue || scan.typed[scan.depth] != 0) {
    return FailComma(scan, record, token);
  }
  scan.state = ArgumentScan::AfterComma;
  return true;
}

bool ModelReader::FailComma(const ArgumentScan& scan, const InstanceRecord& record, const Token& token) {
  if (scan.state != ArgumentScan::AfterValue) {
    return FailIn(record, token.line,
                  scan.state == ArgumentScan::First ? "',' with no value before it" : "two ',' in a row");
  }
  return FailIn(record, token.line, "',' inside a typed value, which holds one value");
}

// A ')' must not follow ',' and must not close a typed value that holds nothing.
bool ModelReader::CheckClose(const ArgumentScan& scan, const InstanceRecord& record, const Token& token) {
  if (scan.state == ArgumentScan::AfterComma) {
    return FailIn(record, token.line, "')' right after ',': a value is missing");
  }
  if (scan.state == ArgumentScan::First && scan.typed[scan.depth] != 0) {
    return FailIn(record, token.line, "a typed value without its value");
  }
  return true;
}

bool ModelReader::FinishArguments(const InstanceRecord& record, const ArgumentScan& scan, const Token& close) {
  const std::size_t expected = model.schema->AttributeCount(record.entity);
  if (scan.count != expected) {
    if (stopAtFlaw) {
      return false;
    }
    // Authoring tools are known to write an attribute too many or too few: the instance stays as
    // written (it is the next one indexed) and is read by position as far as it goes.
    model.flaws.Add(FlawKind::AttributeCount, InstanceIndex(static_cast<std::uint32_t>(model.instances.size())),
                    Where(close.line) + "#" + std::to_string(record.number) + ": " +
                        std::string(model.schema->UpperName(record.entity)) + " has " + std::to_string(expected) +
                        " attributes, " + std::to_string(scan.count) + " given");
  }
  return !isRooted[record.entity.Index()] || CheckGlobalId(record, scan.first);
}

bool ModelReader::FailInArguments(const InstanceRecord& record, const Token& token, int depth, const Lexer& lexer) {
  switch (token.kind) {
    case TokenKind::Semicolon:
      return FailIn(record, token.line,
                    "';' inside the argument list: " + std::to_string(depth + 1) + " '(' not closed");
    case TokenKind::Equals:
      return FailIn(record, token.line, "unexpected '=' inside the argument list");
    case TokenKind::End:
      return FailIn(record, token.line, "the file ends inside this instance");
    default:
      return FailIn(record, token.line, lexer.Error());
  }
}

bool ModelReader::CheckGlobalId(const InstanceRecord& record, const Token& first) {
  if (first.kind != TokenKind::String) {
    return FailIn(record, first.line, "the GlobalId must be a string, found " + Shown(first));
  }
  const std::string_view text = first.text.substr(1, first.text.size() - 2);
  const std::optional<GuidBytes> guid = DecodeGlobalId(text);
  if (!guid) {
    return FailIn(
        record, first.line,
        "the GlobalId " + std::string(first.text) + " is not 22 characters of the IFC alphabet (0-9, A-Z, a-z, _, $)");
  }
  if (options.globalIds) {
    model.rooted.push_back(Model::Rooted{*guid, InstanceIndex(static_cast<std::uint32_t>(model.instances.size()))});
  }
  return true;
}

bool ModelReader::IndexNumbers() {
  std::vector<InstanceRecord>& instances = model.instances;
  const std::size_t count = instances.size();
  const std::uint64_t largest = model.largestNumber.Value();
  if (largest <= count * 4 + 1024) {
    model.denseNumbers.assign(static_cast<std::size_t>(largest) + 1, 0);
    for (std::size_t i = 0; i < count; ++i) {
      std::uint32_t& slot = model.denseNumbers[static_cast<std::size_t>(instances[i].number)];
      if (slot != 0) {
        const auto line = [this](std::size_t at) { return model.Line(InstanceIndex(static_cast<std::uint32_t>(at))); };
        return FailIn(instances[i], line(i),
                      "duplicate instance number (first used on line " + std::to_string(line(slot - 1)) + ")");
      }
      slot = static_cast<std::uint32_t>(i + 1);
    }
    return true;
  }
  std::vector<std::pair<std::uint64_t, std::uint32_t>>& sparse = model.sparseNumbers;
  sparse.reserve(count);
  for (std::size_t i = 0; i < count; ++i) {
    sparse.emplace_back(instances[i].number, static_cast<std::uint32_t>(i));
  }
  std::sort(sparse.begin(), sparse.end());
  for (std::size_t i = 1; i < sparse.size(); ++i) {
    if (sparse[i].first == sparse[i - 1].first) {
      const auto [first, second] = std::minmax(sparse[i - 1].second, sparse[i].second);
      return FailIn(
          instances[second], model.Line(InstanceIndex(second)),
          "duplicate instance number (first used on line " + std::to_string(model.Line(InstanceIndex(first))) + ")");
    }
  }
  return true;
}

void ModelReader::ResolvePending() {
  for (const Pending& reference : pending) {
    if (!model.Find(InstanceNumber(reference.number)).Valid()) {
      const InstanceIndex source(reference.source);
      model.flaws.Add(
          FlawKind::MissingReference, source,
          model.Where(source) + "reference to #" + std::to_string(reference.number) + ", which is not in the file");
    }
  }
  pending.clear();
  pending.shrink_to_fit();
}

std::size_t GuidSlot(const GuidBytes& guid, std::size_t mask) noexcept {
  std::uint64_t a;
  std::uint64_t b;
  std::memcpy(&a, guid.data(), 8);
  std::memcpy(&b, guid.data() + 8, 8);
  std::uint64_t x = a ^ ((b << 29) | (b >> 35)) ^ (b * 0x9E3779B97F4A7C15ull);
  x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
  x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
  x ^= x >> 31;
  return static_cast<std::size_t>(x) & mask;
}

void ModelReader::IndexGlobalIds() {
  const std::vector<Model::Rooted>& rooted = model.rooted;
  std::size_t slots = 16;
  while (slots < rooted.size() * 2) {
    slots <<= 1;
  }
  std::vector<std::uint32_t>& table = model.guidSlots;
  table.assign(slots, 0);
  const std::size_t mask = slots - 1;
  for (std::size_t r = 0; r < rooted.size(); ++r) {
    std::size_t slot = GuidSlot(rooted[r].guid, mask);
    bool duplicate = false;
    while (table[slot] != 0 && !duplicate) {
      const Model::Rooted& other = rooted[table[slot] - 1];
      if (other.guid == rooted[r].guid) {
        char text[22];
        EncodeGlobalId(rooted[r].guid, text);
        model.flaws.Add(FlawKind::DuplicateGlobalId, rooted[r].index,
                        model.Where(rooted[r].index) + "duplicate GlobalId '" + std::string(text, 22) + "' (also on #" +
                            std::to_string(model.Number(other.index).Value()) + ", line " +
                            std::to_string(model.Line(other.index)) + ")");
        duplicate = true;
      }
      slot = (slot + 1) & mask;
    }
    if (!duplicate) {
      table[slot] = static_cast<std::uint32_t>(r + 1);
    }
  }
}

}  // namespace Ifc
