#include "StepFile.h"

#include <algorithm>
#include <cstring>

#include "Schema.h"
#include "StepText.h"

namespace Exporter {

namespace {

// What the body scan stops at; everything else is skipped in one tight loop.
enum : std::uint8_t { Plain = 0, Open, Close, Quote, DoubleQuote, NewLine };

struct ScanTable {
  std::uint8_t kind[256];
  constexpr ScanTable() : kind() {
    kind[static_cast<unsigned char>('(')] = Open;
    kind[static_cast<unsigned char>(')')] = Close;
    kind[static_cast<unsigned char>('\'')] = Quote;
    kind[static_cast<unsigned char>('"')] = DoubleQuote;
    kind[static_cast<unsigned char>('\n')] = NewLine;
  }
};
constexpr ScanTable Scan{};

constexpr std::size_t Truncated = static_cast<std::size_t>(-1);
constexpr std::size_t ProgressStep = std::size_t{4} << 20;

std::uint32_t CountLines(const char* begin, const char* end) noexcept {
  return static_cast<std::uint32_t>(std::count(begin, end, '\n'));
}

// From the '(' at `at`, the position after its matching ')', or Truncated when the data ends first.
std::size_t SkipParenthesised(const char* data, std::size_t size, std::size_t at, std::uint32_t& line) noexcept {
  int depth = 0;
  std::size_t i = at;
  while (i < size) {
    switch (Scan.kind[static_cast<unsigned char>(data[i])]) {
      case Plain:
        break;
      case Open:
        ++depth;
        break;
      case Close:
        if (--depth == 0) {
          return i + 1;
        }
        break;
      case Quote:
      case DoubleQuote: {
        const void* end = std::memchr(data + i + 1, data[i], size - i - 1);
        if (end == nullptr) {
          return Truncated;
        }
        const std::size_t close = static_cast<std::size_t>(static_cast<const char*>(end) - data);
        line += CountLines(data + i + 1, data + close);
        i = close;
        break;
      }
      case NewLine:
        ++line;
        break;
    }
    ++i;
  }
  return Truncated;
}

// Skips blanks and comments; false when a comment is not closed.
bool SkipBlanks(const char* data, std::size_t size, std::size_t& at, std::uint32_t& line) noexcept {
  while (at < size) {
    const char c = data[at];
    if (c == '\n') {
      ++line;
      ++at;
    } else if (c == ' ' || c == '\t' || c == '\r') {
      ++at;
    } else if (c == '/' && at + 1 < size && data[at + 1] == '*') {
      const char* end = static_cast<const char*>(
          std::memchr(data + at + 2, '/', size - at - 2));  // the first '/' after "/*" that follows a '*'
      while (end != nullptr && end[-1] != '*') {
        end = static_cast<const char*>(std::memchr(end + 1, '/', static_cast<std::size_t>(data + size - end - 1)));
      }
      if (end == nullptr) {
        return false;
      }
      line += CountLines(data + at, end);
      at = static_cast<std::size_t>(end - data) + 1;
    } else {
      return true;
    }
  }
  return true;
}

bool IsKeywordChar(char c) noexcept {
  return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == '-';
}

bool StartsWith(const char* data, std::size_t size, std::size_t at, std::string_view word) noexcept {
  return size - at >= word.size() && std::memcmp(data + at, word.data(), word.size()) == 0;
}

std::string Upper(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (c >= 'a' && c <= 'z') {
      c = static_cast<char>(c - 'a' + 'A');
    }
  }
  return out;
}

}  // namespace

std::string StepFile::Where(std::uint32_t line) const {
  return fileName + ":" + std::to_string(line) + ": ";
}

std::string StepFile::Where(const InstanceRecord& record) const {
  return Where(record.line) + "#" + std::to_string(record.number) + ": ";
}

std::string_view StepFile::Arguments(std::size_t index) const noexcept {
  const InstanceRecord& record = instances[index];
  const char* open = data + record.offset + record.argument;
  const char* end = data + record.offset + record.length;  // after ';'
  while (end > open && *(end - 1) != ')') {
    --end;
  }
  return std::string_view(open + 1, static_cast<std::size_t>(end - open - 2));
}

bool StepFile::Read(const char* bytes, std::size_t length, std::string_view name, std::string& error,
                    const Progress& progress) {
  data = bytes;
  size = length;
  fileName = std::string(name);
  std::size_t at = 0;
  std::uint32_t line = 1;
  if (!ReadHeader(at, line, error) || !ReadData(at, line, error, progress)) {
    return false;
  }
  return IndexNumbers(error) && IndexGlobalIds(error);
}

bool StepFile::ReadHeader(std::size_t& at, std::uint32_t& line, std::string& error) {
  if (!SkipBlanks(data, size, at, line) || !StartsWith(data, size, at, "ISO-10303-21;")) {
    error = Where(line) + "not an ISO 10303-21 file (it does not begin with ISO-10303-21;)";
    return false;
  }
  at += 13;
  if (!SkipBlanks(data, size, at, line) || !StartsWith(data, size, at, "HEADER;")) {
    error = Where(line) + "syntax error: HEADER; expected";
    return false;
  }
  at += 7;
  bool sawSchema = false;
  for (;;) {
    if (!SkipBlanks(data, size, at, line) || at >= size) {
      error = Where(line) + "truncated file: it ends inside the header";
      return false;
    }
    if (StartsWith(data, size, at, "ENDSEC;")) {
      at += 7;
      break;
    }
    const std::size_t begin = at;
    const std::uint32_t recordLine = line;
    while (at < size && IsKeywordChar(data[at])) {
      ++at;
    }
    const std::string_view keyword(data + begin, at - begin);
    if (keyword.empty() || !SkipBlanks(data, size, at, line) || at >= size || data[at] != '(') {
      error = Where(line) + (at >= size ? "truncated file: it ends inside the header" : "syntax error in the header");
      return false;
    }
    const std::size_t open = at;
    at = SkipParenthesised(data, size, at, line);
    if (at == Truncated) {
      error = Where(recordLine) + "truncated file: it ends inside the header record " + std::string(keyword);
      return false;
    }
    const std::string_view arguments(data + open + 1, at - open - 2);
    if (!SkipBlanks(data, size, at, line) || at >= size || data[at] != ';') {
      error = Where(line) + "syntax error: ';' expected after the header record " + std::string(keyword);
      return false;
    }
    ++at;
    if (keyword == "FILE_NAME") {
      fileNameBegin = begin;
      fileNameEnd = at;
      fileNameArguments = arguments;
    } else if (keyword == "FILE_SCHEMA") {
      sawSchema = true;
      std::vector<std::string_view> outer;
      std::vector<std::string_view> names;
      const auto list = SplitStepList(arguments, outer) && outer.size() == 1 ? StepListItems(outer[0]) : std::nullopt;
      if (!list || !SplitStepList(*list, names)) {
        error = Where(recordLine) + "syntax error in FILE_SCHEMA";
        return false;
      }
      const auto schema = names.size() == 1 ? DecodeStepString(names[0]) : std::nullopt;
      const std::string given(arguments);
      if (!schema || Upper(std::string(schema->begin(), schema->end())) != "IFC4") {
        error = Where(recordLine) + "FILE_SCHEMA is " + given + ", but this tool reads IFC4 files only";
        return false;
      }
    }
  }
  if (!sawSchema) {
    error = Where(line) + "the header has no FILE_SCHEMA; this tool reads IFC4 files only";
    return false;
  }
  if (fileNameEnd == 0) {
    error = Where(line) + "the header has no FILE_NAME";
    return false;
  }
  return true;
}

bool StepFile::ReadData(std::size_t& at, std::uint32_t& line, std::string& error, const Progress& progress) {
  const IfcReader::Schema& schema = IfcReader::Schema::Get(IfcReader::SchemaVersion::Ifc4);
  if (!SkipBlanks(data, size, at, line) || !StartsWith(data, size, at, "DATA;")) {
    error = Where(line) + (at >= size ? "truncated file: it ends after the header" : "syntax error: DATA; expected");
    return false;
  }
  at += 5;
  // Room for an instance every 32 bytes, more than real files need: only the pages actually filled
  // become resident, and the index is not copied while it grows (which would double its peak).
  instances.reserve(size / 32 + 16);
  std::size_t nextProgress = ProgressStep;
  for (;;) {
    if (!SkipBlanks(data, size, at, line) || at >= size) {
      error = Where(line) + "truncated file: it ends inside the DATA section (ENDSEC; missing)";
      return false;
    }
    if (data[at] != '#') {
      if (StartsWith(data, size, at, "ENDSEC;")) {
        dataEnd = at;
        at += 7;
        if (!SkipBlanks(data, size, at, line)) {
          break;
        }
        if (StartsWith(data, size, at, "DATA;")) {  // another data section
          at += 5;
          continue;
        }
        break;
      }
      error = Where(line) + "syntax error: an instance \"#number=ENTITY(...);\" expected" +
              (instances.empty() ? std::string() : " after #" + std::to_string(instances.back().number));
      return false;
    }
    InstanceRecord record{};
    record.offset = at;
    record.line = line;
    ++at;
    std::uint64_t number = 0;
    const std::size_t digits = at;
    while (at < size && data[at] >= '0' && data[at] <= '9' && number <= 0xFFFFFFFFull) {
      number = number * 10 + static_cast<unsigned>(data[at] - '0');
      ++at;
    }
    if (at == digits || number == 0 || number > 0xFFFFFFFFull) {
      error = Where(line) + "syntax error: instance number expected after '#'";
      return false;
    }
    record.number = static_cast<std::uint32_t>(number);
    if (!SkipBlanks(data, size, at, line) || at >= size) {
      error = Where(record) + "truncated file: it ends inside this instance";
      return false;
    }
    if (data[at] != '=') {
      error = Where(record) + "syntax error: '=' expected after the instance number";
      return false;
    }
    ++at;
    SkipBlanks(data, size, at, line);
    const std::size_t nameBegin = at;
    while (at < size && IsKeywordChar(data[at])) {
      ++at;
    }
    if (at >= size) {
      error = Where(record) + "truncated file: it ends inside this instance";
      return false;
    }
    const std::string_view entityName(data + nameBegin, at - nameBegin);
    if (entityName.empty()) {
      error = Where(record) + "syntax error: entity name expected after '='";
      return false;
    }
    record.entity = schema.FindEntity(entityName);
    if (!record.entity.Valid()) {
      error = Where(record) + "unknown entity " + std::string(entityName) + " (not in the IFC4 schema)";
      return false;
    }
    if (schema.IsAbstract(record.entity)) {
      error = Where(record) + "entity " + std::string(entityName) + " is abstract and cannot be instantiated";
      return false;
    }
    if (!SkipBlanks(data, size, at, line) || at >= size || data[at] != '(') {
      error = Where(record) + (at >= size ? "truncated file: it ends inside this instance"
                                          : "syntax error: '(' expected after the entity name");
      return false;
    }
    if (at - record.offset > 0xFFFF) {
      error = Where(record) + "syntax error: entity name too long";
      return false;
    }
    record.argument = static_cast<std::uint16_t>(at - record.offset);
    at = SkipParenthesised(data, size, at, line);
    if (at == Truncated) {
      error = Where(record) + "truncated file: it ends inside this instance";
      return false;
    }
    if (!SkipBlanks(data, size, at, line) || at >= size) {
      error = Where(record) + "truncated file: it ends inside this instance";
      return false;
    }
    if (data[at] != ';') {
      error = Where(line) + "#" + std::to_string(record.number) + ": syntax error: ';' expected after ')'";
      return false;
    }
    ++at;
    if (at - record.offset > 0xFFFFFFFFu) {
      error = Where(record) + "instance longer than 4 GB";
      return false;
    }
    record.length = static_cast<std::uint32_t>(at - record.offset);
    largestNumber = std::max(largestNumber, record.number);
    instances.push_back(record);
    if (progress && at >= nextProgress) {
      progress(at);
      nextProgress = at + ProgressStep;
    }
  }
  if (!StartsWith(data, size, at, "END-ISO-10303-21;")) {
    error = Where(line) + (at >= size ? "truncated file: END-ISO-10303-21; missing"
                                      : "syntax error: END-ISO-10303-21; expected after ENDSEC;");
    return false;
  }
  return true;
}

bool StepFile::IndexNumbers(std::string& error) {
  const std::size_t count = instances.size();
  if (largestNumber <= count * 4 + 1024) {
    denseNumbers.assign(std::size_t{largestNumber} + 1, 0);
    for (std::size_t i = 0; i < count; ++i) {
      std::uint32_t& slot = denseNumbers[instances[i].number];
      if (slot != 0) {
        error = Where(instances[i]) + "duplicate instance number (first used on line " +
                std::to_string(instances[slot - 1].line) + ")";
        return false;
      }
      slot = static_cast<std::uint32_t>(i + 1);
    }
    return true;
  }
  sparseNumbers.reserve(count);
  for (std::size_t i = 0; i < count; ++i) {
    sparseNumbers.emplace_back(instances[i].number, static_cast<std::uint32_t>(i));
  }
  std::sort(sparseNumbers.begin(), sparseNumbers.end());
  for (std::size_t i = 1; i < sparseNumbers.size(); ++i) {
    if (sparseNumbers[i].first == sparseNumbers[i - 1].first) {
      const auto [first, second] = std::minmax(sparseNumbers[i - 1].second, sparseNumbers[i].second);
      error = Where(instances[second]) + "duplicate instance number (first used on line " +
              std::to_string(instances[first].line) + ")";
      return false;
    }
  }
  return true;
}

std::int32_t StepFile::FindByNumber(std::uint32_t number) const noexcept {
  if (!denseNumbers.empty() || sparseNumbers.empty()) {
    return number < denseNumbers.size() ? static_cast<std::int32_t>(denseNumbers[number]) - 1 : -1;
  }
  const auto found = std::lower_bound(sparseNumbers.begin(), sparseNumbers.end(), std::make_pair(number, 0u));
  return found != sparseNumbers.end() && found->first == number ? static_cast<std::int32_t>(found->second) : -1;
}

namespace {

// GlobalIds are often made by counting (only the last letters differ), so every bit of the GUID must
// reach the slot number: a full 64-bit finaliser over both halves.
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

}  // namespace

bool StepFile::IndexGlobalIds(std::string& error) {
  const IfcReader::Schema& schema = IfcReader::Schema::Get(IfcReader::SchemaVersion::Ifc4);
  std::vector<std::uint8_t> isRooted(schema.EntityCount());
  for (std::size_t entity = 0; entity < schema.EntityCount(); ++entity) {
    isRooted[entity] =
        schema.IsSubtypeOf(IfcReader::EntityId{static_cast<std::int16_t>(entity)}, schema.ifcRoot) ? 1 : 0;
  }
  for (std::size_t i = 0; i < instances.size(); ++i) {
    const InstanceRecord& record = instances[i];
    if (isRooted[record.entity.Index()] == 0) {
      continue;
    }
    // The GlobalId is the first attribute: read just that, not the whole list.
    const char* p = data + record.offset + record.argument + 1;
    const char* end = data + record.offset + record.length;
    while (p < end && (*p == ' ' || *p == '\r' || *p == '\n' || *p == '\t')) {
      ++p;
    }
    std::optional<GuidBytes> guid;
    if (end - p >= 24 && p[0] == '\'' && p[23] == '\'') {
      guid = DecodeGlobalId(std::string_view(p + 1, 22));
    }
    if (!guid) {
      error = Where(record) + "the GlobalId is not a 22-character IFC GUID";
      return false;
    }
    rooted.push_back(Rooted{*guid, static_cast<std::uint32_t>(i)});
  }
  std::size_t slots = 16;
  while (slots < rooted.size() * 2) {
    slots <<= 1;
  }
  guidSlots.assign(slots, 0);
  const std::size_t mask = slots - 1;
  for (std::size_t r = 0; r < rooted.size(); ++r) {
    std::size_t slot = GuidSlot(rooted[r].guid, mask);
    while (guidSlots[slot] != 0) {
      const Rooted& other = rooted[guidSlots[slot] - 1];
      if (other.guid == rooted[r].guid) {
        const InstanceRecord& record = instances[rooted[r].index];
        char text[22];
        EncodeGlobalId(rooted[r].guid, text);
        error = Where(record) + "duplicate GlobalId '" + std::string(text, 22) + "' (also on #" +
                std::to_string(instances[other.index].number) + ", line " +
                std::to_string(instances[other.index].line) + ")";
        return false;
      }
      slot = (slot + 1) & mask;
    }
    guidSlots[slot] = static_cast<std::uint32_t>(r + 1);
  }
  return true;
}

std::int32_t StepFile::FindByGlobalId(const GuidBytes& guid) const noexcept {
  if (guidSlots.empty()) {
    return -1;
  }
  const std::size_t mask = guidSlots.size() - 1;
  for (std::size_t slot = GuidSlot(guid, mask); guidSlots[slot] != 0; slot = (slot + 1) & mask) {
    const Rooted& entry = rooted[guidSlots[slot] - 1];
    if (entry.guid == guid) {
      return static_cast<std::int32_t>(entry.index);
    }
  }
  return -1;
}

}  // namespace Exporter
