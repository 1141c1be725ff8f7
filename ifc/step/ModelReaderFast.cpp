// The reading of an instance as most files write it: on one line, no blanks or comments between its
// tokens, upper-case names, numbers of at most 18 digits, nothing the reader has a flaw or fault to
// say about. Its bytes are scanned once, without tokens; whatever else it meets (a blank, a line end,
// a comment, a binary, a malformed token, a grammar fault, a flaw) gives the instance back untouched
// to ReadInstance, which reads it token by token and says what there is to say. Both readings index
// the same record, the same references and the same GlobalId.
#include <algorithm>
#include <cstring>
#include <optional>
#include <string>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "ifc/step/ModelReader.h"
#include "ifc/step/StringDecoding.h"
#include "ifc/step/ValueParser.h"
#include "ifc/step/WrittenForm.h"

namespace Ifc {

namespace {

bool IsDigit(char c) noexcept {
  return c >= '0' && c <= '9';
}

bool IsUpperOrUnderscore(char c) noexcept {
  return (c >= 'A' && c <= 'Z') || c == '_';
}

// Byte classes: what an upper-case keyword holds after its first byte, what an enumeration's name holds.
enum : std::uint8_t { KeywordByte = 1, WordByte = 2 };

struct ByteTable {
  std::uint8_t flags[256];
  constexpr ByteTable() : flags() {
    for (int c = '0'; c <= '9'; ++c) {
      flags[c] = KeywordByte | WordByte;
    }
    for (int c = 'A'; c <= 'Z'; ++c) {
      flags[c] = KeywordByte | WordByte;
      flags[c + 'a' - 'A'] = WordByte;
    }
    flags[static_cast<unsigned char>('_')] = KeywordByte | WordByte;
    flags[static_cast<unsigned char>('-')] = KeywordByte;
  }
};
constexpr ByteTable kBytes{};

bool Is(char c, std::uint8_t flag) noexcept {
  return (kBytes.flags[static_cast<unsigned char>(c)] & flag) != 0;
}

#if defined(__SSE2__)
// Bit i set where p[i] ends or interrupts a string body: quote, backslash, line feed, NUL, or a byte
// above 127.
unsigned StringStops16(const char* p) noexcept {
  const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
  const __m128i stops = _mm_or_si128(
      _mm_or_si128(_mm_cmpeq_epi8(bytes, _mm_set1_epi8('\'')), _mm_cmpeq_epi8(bytes, _mm_set1_epi8('\\'))),
      _mm_or_si128(_mm_cmpeq_epi8(bytes, _mm_set1_epi8('\n')), _mm_cmpeq_epi8(bytes, _mm_setzero_si128())));
  return static_cast<unsigned>(_mm_movemask_epi8(stops) | _mm_movemask_epi8(bytes));
}
#endif

// From `p`, past the bytes before the first that ends or interrupts a string body (or before the
// last few bytes of the file, which the caller reads one at a time).
const char* SkipPlainStringBytes(const char* p, const char* end) noexcept {
#if defined(__SSE2__)
  while (end - p >= 16) {
    const unsigned stops = StringStops16(p);
    if (stops != 0) {
      return p + __builtin_ctz(stops);
    }
    p += 16;
  }
#else
  constexpr std::uint64_t kOnes = 0x0101010101010101ull;
  constexpr std::uint64_t kHighs = 0x8080808080808080ull;
  const auto hasByte = [](std::uint64_t word, unsigned char byte) {
    const std::uint64_t x = word ^ (kOnes * byte);
    return (x - kOnes) & ~x & kHighs;
  };
  while (end - p >= 8) {
    std::uint64_t word;
    std::memcpy(&word, p, 8);
    if ((hasByte(word, '\'') | hasByte(word, '\\') | hasByte(word, '\n') | hasByte(word, 0) | (word & kHighs)) != 0) {
      break;
    }
    p += 8;
  }
#endif
  return p;
}

// Past a string body from `p` (after the opening quote) to its closing quote; nullptr where the body
// holds a line end or NUL or runs to `end`, which the token-by-token reading reports. `odd` tells
// whether it holds a backslash or a byte above 127, whose checks are left to the caller.
const char* SkipStringBody(const char* p, const char* end, bool& odd) noexcept {
  for (;;) {
    p = SkipPlainStringBytes(p, end);
    if (p >= end) {
      return nullptr;
    }
    const char c = *p;
    if (c == '\'') {
      if (end - p >= 2 && p[1] == '\'') {
        p += 2;
        continue;
      }
      return p;
    }
    if (c == '\n' || c == '\0') {
      return nullptr;
    }
    odd = odd || c == '\\' || static_cast<unsigned char>(c) >= 0x80;
    ++p;
  }
}

// Past a number from `p` (a sign or a digit): [+-]digits[.digits[(E|e)[+-]digits]]. nullptr where
// it is malformed or an integer of more than 18 digits (which may not fit in 64 bits).
const char* SkipNumber(const char* p, const char* end) noexcept {
  if (*p == '+' || *p == '-') {
    ++p;
  }
  const char* digits = p;
  while (p < end && IsDigit(*p)) {
    ++p;
  }
  if (p == digits) {
    return nullptr;
  }
  if (p == end || *p != '.') {
    return p - digits <= 18 ? p : nullptr;
  }
  ++p;
  while (p < end && IsDigit(*p)) {
    ++p;
  }
  if (p < end && (*p == 'E' || *p == 'e')) {
    ++p;
    if (p < end && (*p == '+' || *p == '-')) {
      ++p;
    }
    const char* exponent = p;
    while (p < end && IsDigit(*p)) {
      ++p;
    }
    return p == exponent ? nullptr : p;
  }
  return p;
}

// Whether the string token `text` (with its quotes) needs no flaw or fault reported.
bool HoldsOnlyUtf8AndWellEscaped(std::string_view text) {
  std::string fault;
  return HoldsOnlyUtf8(text) && CheckStringEscapes(text.substr(1, text.size() - 2), fault);
}

// Past the $, *, string, number or enumeration at `p`; null when there is none, written plainly.
const char* SkipSimpleValue(const char* p, const char* end) {
  const char* const begin = p;
  const char c = *p;
  if (c == '$' || c == '*') {
    return p + 1;
  }
  if (c == '\'') {
    bool odd = false;
    const char* close = SkipStringBody(p + 1, end, odd);
    if (close == nullptr) {
      return nullptr;
    }
    p = close + 1;
    if (odd && !HoldsOnlyUtf8AndWellEscaped(std::string_view(begin, static_cast<std::size_t>(p - begin)))) {
      return nullptr;
    }
    return p;
  }
  if (IsDigit(c) || c == '-' || c == '+') {
    return SkipNumber(p, end);
  }
  if (c == '.') {
    ++p;
    const char* word = p;
    while (p < end && Is(*p, WordByte)) {
      ++p;
    }
    return p == word || p == end || *p != '.' ? nullptr : p + 1;
  }
  return nullptr;
}

}  // namespace

bool ModelReader::ReadInstanceFast(Lexer& lexer, const Token& name, std::size_t limit) {
  std::size_t at = lexer.Offset();
  if (!ReadPlainInstance(name.offset, InstanceNumberOf(name).Value(), name.line, at)) {
    return false;
  }
  // The plain instances on the lines that follow, each beginning before `limit`.
  const char* const base = model.data;
  std::uint32_t line = name.line;
  for (;;) {
    lexer.MoveTo(at, line);
    std::size_t next = at + (at < model.size && base[at] == '\r' ? 1 : 0);
    if (next + 2 >= std::min(limit, model.size) || base[next] != '\n' || base[next + 1] != '#' ||
        base[next + 2] < '1' || base[next + 2] > '9') {
      return true;
    }
    const std::size_t nameOffset = next + 1;
    std::uint64_t number = 0;
    std::size_t digits = nameOffset + 1;
    for (; digits < model.size && base[digits] >= '0' && base[digits] <= '9'; ++digits) {
      number = number * 10 + static_cast<unsigned>(base[digits] - '0');
    }
    if (digits - nameOffset > 19 || !ReadPlainInstance(nameOffset, number, line + 1, digits)) {
      return true;
    }
    at = digits;
    ++line;
  }
}

// What the scan of a plain instance's arguments starts from and finds: the attributes counted and
// the first attribute when it is a string (the GlobalId of a rooted instance).
struct ModelReader::PlainScan {
  const char* p;  // at the first argument; past the outer ')' once scanned
  const char* end;
  const std::vector<EntityId>* slots;  // the entity-typed attributes, when their references are checked
  std::size_t count = 0;               // the attributes scanned
  const char* firstString = nullptr;   // the first attribute, when it is a string
  const char* firstStringEnd = nullptr;
};

bool ModelReader::ReadPlainInstance(std::size_t nameOffset, std::uint64_t number, std::uint32_t line, std::size_t& at) {
  InstanceRecord record{};
  const char* p = model.data + at;
  if (!ReadPlainHead(nameOffset, number, p, record)) {
    return false;
  }
  MarkDefined(record);
  PlainScan scan{p + 1, model.data + model.size, CheckedSlots(record.entity)};
  const std::size_t pendingBefore = pending.size();
  const std::size_t typedBefore = typedReferences.size();
  if (!ScanPlainArguments(record, scan) || !FinishPlainInstance(record, scan, at)) {
    pending.resize(pendingBefore);
    typedReferences.resize(typedBefore);
    return false;
  }
  MarkLine(nameOffset, line);
  return true;
}

// "=NAME(" at `p`: the record's number, entity and argument offset; `p` then at the '('.
bool ModelReader::ReadPlainHead(std::size_t nameOffset, std::uint64_t number, const char*& p,
                                InstanceRecord& record) const {
  const char* const base = model.data;
  const char* const end = base + model.size;
  if (end - p < 2 || *p != '=' || !IsUpperOrUnderscore(p[1])) {
    return false;
  }
  const char* entityName = ++p;
  while (p < end && Is(*p, KeywordByte)) {
    ++p;
  }
  if (p == end || *p != '(') {
    return false;
  }
  record.offset = nameOffset;
  record.number = number;
  record.entity = model.schema->FindEntity(std::string_view(entityName, static_cast<std::size_t>(p - entityName)));
  if (!record.entity.Valid() || model.schema->IsAbstract(record.entity) ||
      static_cast<std::size_t>(p - base) - record.offset > 0xFFFF) {
    return false;
  }
  record.argument = static_cast<std::uint16_t>(static_cast<std::size_t>(p - base) - record.offset);
  return true;
}

// The arguments after the '(' up to the outer ')', value by value; false at anything not plain. The
// scan's state is kept in locals here, this being the reader's innermost loop.
bool ModelReader::ScanPlainArguments(const InstanceRecord& record, PlainScan& scan) {
  const char* p = scan.p;
  const char* const end = scan.end;
  std::uint64_t typed = 0;  // bit per depth: a typed value's parentheses
  int depth = 0;
  bool afterValue = false;
  bool afterComma = false;
  std::size_t count = 0;
  for (;;) {
    if (p == end) {
      return false;
    }
    const char c = *p;
    if (afterValue || c == ')') {
      if (!afterValue && (afterComma || (typed >> depth & 1) != 0)) {
        return false;  // right after '(': an empty list, not an empty typed value, and no ",)"
      }
      if (afterValue && c == ',' && (typed >> depth & 1) == 0) {
        afterValue = false;
        afterComma = true;
        ++p;
        continue;
      }
      if (c != ')') {
        return false;
      }
      ++p;
      afterValue = true;
      if (depth == 0) {
        scan.p = p;
        scan.count = count;
        return true;
      }
      --depth;
      continue;
    }
    count += depth == 0 ? 1 : 0;
    afterComma = false;
    const char* const begin = p;
    if (c == '#') {
      std::uint64_t number = 0;
      const char* digits = ++p;
      while (p < end && IsDigit(*p)) {
        number = number * 10 + static_cast<unsigned>(*p - '0');
        ++p;
      }
      if (p == digits || *digits == '0' || p - digits > 18) {
        return false;
      }
      NoteReferenceTo(number);
      if (scan.slots != nullptr && (depth == 0 || (depth == 1 && (typed & 2) == 0))) {
        NoteTypedReference(number, *scan.slots, count - 1,
                           static_cast<std::size_t>(begin - model.data) - record.offset);
      }
    } else if (c == '(' || IsUpperOrUnderscore(c)) {
      while (p < end && Is(*p, KeywordByte)) {
        ++p;
      }
      if (p == end || *p != '(' || depth + 1 >= kMaxValueDepth) {
        return false;
      }
      ++p;
      ++depth;
      typed = (typed & ~(std::uint64_t{1} << depth)) | (std::uint64_t{c != '(' ? 1u : 0u} << depth);
      continue;  // a list or typed value opened: its first value comes next
    } else {
      p = SkipSimpleValue(p, end);
      if (p == nullptr) {
        return false;
      }
      if (c == '\'' && depth == 0 && count == 1) {
        scan.firstString = begin;
        scan.firstStringEnd = p;
      }
    }
    afterValue = true;
  }
}

// After the outer ')': the ';', the attribute count, the GlobalId of a rooted instance; the record
// then kept and `at` past the ';'.
bool ModelReader::FinishPlainInstance(InstanceRecord& record, const PlainScan& scan, std::size_t& at) {
  const char* p = scan.p;
  if (p == scan.end || *p != ';' || scan.count != model.schema->AttributeCount(record.entity)) {
    return false;
  }
  ++p;
  const std::size_t after = static_cast<std::size_t>(p - model.data);
  if (after - record.offset > 0xFFFFFFFFu) {
    return false;
  }
  if (isRooted[record.entity.Index()] != 0) {
    const std::optional<GuidBytes> guid =
        scan.firstString == nullptr
            ? std::nullopt
            : DecodeGlobalId(std::string_view(scan.firstString + 1,
                                              static_cast<std::size_t>(scan.firstStringEnd - scan.firstString - 2)));
    if (!guid) {
      return false;
    }
    if (options.globalIds) {
      model.rooted.push_back(Model::Rooted{*guid, InstanceIndex(static_cast<std::uint32_t>(model.instances.size()))});
    }
  }
  record.close = static_cast<std::uint32_t>(after - record.offset - 2);
  model.largestNumber = std::max(model.largestNumber, InstanceNumber(record.number));
  model.instances.push_back(record);
  at = after;
  return true;
}

}  // namespace Ifc
