#include "ifc/step/Model.h"

#include <algorithm>
#include <cassert>

#include "ifc/step/Lexer.h"
#include "ifc/step/ModelReader.h"
#include "ifc/step/ValueParser.h"

namespace Ifc {

// Indexes built on first use.
struct Model::Lazy {
  bool byEntityBuilt = false;
  std::vector<std::uint32_t> entityStart;  // by entity: where its instances begin in `byEntity`
  std::vector<InstanceIndex> byEntity;     // instance indices grouped by entity, each group in file order

  bool referencesBuilt = false;
  std::vector<std::uint32_t> referenceStart;  // by instance: where its referrers begin in `referrers`
  std::vector<InstanceIndex> referrers;
};

Model::Model() : lazy(std::make_unique<Lazy>()) {}
Model::~Model() = default;

Status Model::Open(const std::string& path, const ReadOptions& options) {
  auto bytes = std::make_unique<ByteSource>();
  if (Status opened = bytes->Open(path); !opened) {
    return opened;
  }
  Status read = Read(bytes->Data(), bytes->Size(), path, options);
  source = std::move(bytes);
  return read;
}

Status Model::Read(const char* bytes, std::size_t length, std::string_view name, const ReadOptions& options) {
  // A model read before starts afresh.
  schema = nullptr;
  header = Header();
  flaws = Flaws();
  instances.clear();
  lineMarks.clear();
  largestNumber = InstanceNumber();
  denseNumbers.clear();
  sparseNumbers.clear();
  rooted.clear();
  guidSlots.clear();
  lazy = std::make_unique<Lazy>();
  data = bytes;
  size = length;
  fileName = std::string(name);
  std::string error;
  if (!ModelReader(*this, options, error).Run()) {
    return Failure(error);
  }
  return Status();
}

std::string Model::Where(InstanceIndex index) const {
  const InstanceRecord& record = Record(index);
  return fileName + ":" + std::to_string(Line(index)) + ": #" + std::to_string(record.number) + ": ";
}

std::uint32_t Model::Line(InstanceIndex index) const noexcept {
  const std::uint64_t offset = Record(index).offset;
  const auto after = std::upper_bound(lineMarks.begin(), lineMarks.end(), offset,
                                      [](std::uint64_t at, const LineMark& mark) { return at < mark.offset; });
  assert(after != lineMarks.begin() && "the first instance is always marked");
  const LineMark& mark = *(after - 1);
  return mark.line + static_cast<std::uint32_t>(std::count(data + mark.offset, data + offset, '\n'));
}

std::string_view Model::Text(InstanceIndex index) const noexcept {
  const InstanceRecord& record = Record(index);
  // After the ')' only blanks and comments come before the ';' (the reading checked it).
  std::size_t end = record.offset + record.close + 1;
  while (end < size && data[end] != ';') {
    if (data[end] == '/' && end + 1 < size && data[end + 1] == '*') {
      const std::size_t closing = std::string_view(data, size).find("*/", end + 2);
      end = closing != std::string_view::npos ? closing + 2 : size;
    } else {
      ++end;
    }
  }
  return std::string_view(data + record.offset, std::min(end + 1, size) - record.offset);
}

std::string_view Model::Arguments(InstanceIndex index) const noexcept {
  const InstanceRecord& record = Record(index);
  return std::string_view(data + record.offset + record.argument + 1, record.close - record.argument - 1u);
}

InstanceIndex Model::Find(InstanceNumber number) const noexcept {
  if (!denseNumbers.empty() || sparseNumbers.empty()) {
    return number.Value() < denseNumbers.size()
               ? InstanceIndex(denseNumbers[static_cast<std::size_t>(number.Value())] - 1)
               : InstanceIndex();
  }
  const auto found =
      std::lower_bound(sparseNumbers.begin(), sparseNumbers.end(), std::make_pair(number.Value(), std::uint32_t{0}));
  return found != sparseNumbers.end() && found->first == number.Value() ? InstanceIndex(found->second)
                                                                        : InstanceIndex();
}

InstanceIndex Model::FindByGlobalId(const GuidBytes& guid) const noexcept {
  if (guidSlots.empty()) {
    return InstanceIndex();
  }
  const std::size_t mask = guidSlots.size() - 1;
  for (std::size_t slot = GuidSlot(guid, mask); guidSlots[slot] != 0; slot = (slot + 1) & mask) {
    const Rooted& entry = rooted[guidSlots[slot] - 1];
    if (entry.guid == guid) {
      return entry.index;
    }
  }
  return InstanceIndex();
}

InstanceIndex Model::FindByGlobalId(std::string_view globalId) const noexcept {
  const std::optional<GuidBytes> guid = DecodeGlobalId(globalId);
  return guid ? FindByGlobalId(*guid) : InstanceIndex();
}

std::vector<InstanceIndex> Model::InstancesOf(EntityId entity, bool exact) const {
  std::vector<InstanceIndex> out;
  if (!entity.Valid() || schema == nullptr) {
    return out;
  }
  Lazy& index = *lazy;
  const std::size_t entities = schema->EntityCount();
  if (!index.byEntityBuilt) {
    index.entityStart.assign(entities + 1, 0);
    for (const InstanceRecord& record : instances) {
      ++index.entityStart[record.entity.Index() + 1];
    }
    for (std::size_t e = 0; e < entities; ++e) {
      index.entityStart[e + 1] += index.entityStart[e];
    }
    index.byEntity.resize(instances.size());
    std::vector<std::uint32_t> next(index.entityStart.begin(), index.entityStart.end() - 1);
    for (std::uint32_t i = 0; i < instances.size(); ++i) {
      index.byEntity[next[instances[i].entity.Index()]++] = InstanceIndex(i);
    }
    index.byEntityBuilt = true;
  }
  // Each entity's instances are in file order: the groups of a few entities are merged, those of
  // many sorted once at the end.
  constexpr std::size_t kMergedGroups = 8;
  std::size_t groups = 0;
  for (std::size_t e = 0; e < entities; ++e) {
    const EntityId candidate{static_cast<std::int16_t>(e)};
    if (candidate == entity || (!exact && schema->IsSubtypeOf(candidate, entity))) {
      const auto before = static_cast<std::ptrdiff_t>(out.size());
      out.insert(out.end(), index.byEntity.begin() + index.entityStart[e],
                 index.byEntity.begin() + index.entityStart[e + 1]);
      if (++groups <= kMergedGroups) {
        std::inplace_merge(out.begin(), out.begin() + before, out.end());
      }
    }
  }
  if (groups > kMergedGroups) {
    std::sort(out.begin(), out.end());
  }
  return out;
}

std::optional<Value> Model::Attribute(InstanceIndex index, AttributeSlot slot) const {
  const InstanceRecord& record = Record(index);
  if (!slot.Valid() || slot.Index() >= schema->AttributeCount(record.entity)) {
    return std::nullopt;
  }
  Lexer lexer(std::string_view(data, size), record.offset + record.argument);
  Value value;
  std::string error;
  if (!ParseArgument(lexer, slot.Index(), value, error)) {
    return std::nullopt;  // an instance written with fewer attributes than its entity has
  }
  return value;
}

std::optional<Value> Model::Attribute(InstanceIndex index, std::string_view name) const {
  return Attribute(index, schema->FindAttribute(Entity(index), name));
}

std::vector<Value> Model::Attributes(InstanceIndex index) const {
  const InstanceRecord& record = Record(index);
  Lexer lexer(std::string_view(data, size), record.offset + record.argument);
  std::vector<Value> values;
  values.reserve(schema->AttributeCount(record.entity));
  std::string error;
  ParseArgumentList(lexer, values, error);  // checked when read
  return values;
}

IndexSpan Model::ReferencesTo(InstanceIndex index) const {
  assert(index.Valid() && index.Value() < instances.size() && "an instance index out of range");
  Lazy& lazyIndex = *lazy;
  if (!lazyIndex.referencesBuilt) {
    // Each instance's targets once (4 bytes a reference, kept in file order of their sources), then
    // grouped by target: sources stay in file order.
    std::vector<std::uint32_t> targets;
    std::vector<std::size_t> sourceEnd(instances.size());  // where each source's targets end
    lazyIndex.referenceStart.assign(instances.size() + 1, 0);
    for (std::uint32_t i = 0; i < instances.size(); ++i) {
      const InstanceRecord& record = instances[i];
      Lexer lexer(std::string_view(data, record.offset + record.close + 1), record.offset + record.argument);
      const auto first = static_cast<std::ptrdiff_t>(targets.size());
      for (Token token = lexer.Next(); token.kind != TokenKind::End && token.kind != TokenKind::Error;
           token = lexer.Next()) {
        if (token.kind == TokenKind::InstanceName) {
          const InstanceIndex target = Find(InstanceNumberOf(token));
          if (target.Valid()) {
            targets.push_back(target.Value());
          }
        }
      }
      std::sort(targets.begin() + first, targets.end());
      targets.erase(std::unique(targets.begin() + first, targets.end()), targets.end());
      for (auto target = targets.begin() + first; target != targets.end(); ++target) {
        ++lazyIndex.referenceStart[*target + 1];
      }
      sourceEnd[i] = targets.size();
    }
    for (std::size_t i = 0; i < instances.size(); ++i) {
      lazyIndex.referenceStart[i + 1] += lazyIndex.referenceStart[i];
    }
    lazyIndex.referrers.resize(targets.size());
    std::vector<std::uint32_t> next(lazyIndex.referenceStart.begin(), lazyIndex.referenceStart.end() - 1);
    std::size_t reference = 0;
    for (std::uint32_t i = 0; i < instances.size(); ++i) {
      for (; reference < sourceEnd[i]; ++reference) {
        lazyIndex.referrers[next[targets[reference]]++] = InstanceIndex(i);
      }
    }
    lazyIndex.referencesBuilt = true;
  }
  const InstanceIndex* base = lazyIndex.referrers.data();
  return IndexSpan{base + lazyIndex.referenceStart[index.Value()], base + lazyIndex.referenceStart[index.Value() + 1]};
}

}  // namespace Ifc
