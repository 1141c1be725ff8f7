// The check of reference types: each reference written as an attribute, or as an item of a list that
// is the attribute, must name an instance of the entity the schema declares for that attribute, or of
// a subtype. Attributes declared with a select, a defined type or a list of lists are not checked:
// the schema tables name the select, not its members. Checked while the instances are read, against
// the entity of every instance read before (most references name one); the others are kept and
// checked once every instance is indexed, and the flaws counted in file order.
#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "ifc/step/ModelReader.h"

namespace Ifc {

namespace {

// The number of the reference written at `text` ("#12" -> 12).
std::uint64_t NumberAt(const char* text) noexcept {
  std::uint64_t number = 0;
  for (const char* p = text + 1; *p >= '0' && *p <= '9'; ++p) {
    number = number * 10 + static_cast<unsigned>(*p - '0');
  }
  return number;
}

}  // namespace

std::vector<std::vector<EntityId>> ModelReader::DeclaredEntities(const Schema& schema) {
  std::vector<std::vector<EntityId>> declared(schema.EntityCount());
  for (std::size_t e = 0; e < declared.size(); ++e) {
    const EntityId entity{static_cast<std::int16_t>(e)};
    std::vector<EntityId> slots(schema.AttributeCount(entity));
    bool any = false;
    for (std::size_t slot = 0; slot < slots.size(); ++slot) {
      slots[slot] = schema.FindEntity(schema.Attribute(entity, AttributeSlot{static_cast<std::int16_t>(slot)}).type);
      any = any || slots[slot].Valid();
    }
    if (any) {
      declared[e] = std::move(slots);
    }
  }
  return declared;
}

void ModelReader::NoteEntityOf(std::uint64_t number, EntityId entity) {
  if (number >= entityLimit) {
    return;
  }
  const auto at = static_cast<std::size_t>(number);
  if (at >= entityOf.size()) {
    // Grown by a quarter, not doubled: the table is filled as far as numbers go, not beyond.
    constexpr std::size_t kStep = 4096;
    entityOf.resize(std::min<std::size_t>(std::max(at + 1, entityOf.size() + entityOf.size() / 4) + kStep,
                                          static_cast<std::size_t>(entityLimit)),
                    0);
  }
  entityOf[at] = static_cast<std::int16_t>(entity.Index() + 1);
}

bool ModelReader::HoldsKnownTarget(std::uint64_t number, EntityId declared) const noexcept {
  return number < entityOf.size() && entityOf[static_cast<std::size_t>(number)] != 0 &&
         model.schema->IsSubtypeOf(EntityId{static_cast<std::int16_t>(entityOf[static_cast<std::size_t>(number)] - 1)},
                                   declared);
}

void ModelReader::NoteTypedReference(std::uint64_t number, const std::vector<EntityId>& slots, std::size_t slot,
                                     std::size_t position) {
  if (slot >= slots.size() || !slots[slot].Valid() || HoldsKnownTarget(number, slots[slot])) {
    return;
  }
  typedReferences.push_back(TypedReference{static_cast<std::uint32_t>(model.instances.size()),
                                           static_cast<std::uint32_t>(position), static_cast<std::uint16_t>(slot)});
}

void ModelReader::TakeTypedReferences(const ModelReader& part, std::uint32_t base) {
  // The part's records are taken over by now (and its own copy given back): read them here.
  for (const TypedReference& reference : part.typedReferences) {
    const InstanceRecord& record = model.instances[reference.instance + base];
    const std::uint64_t number = NumberAt(model.data + record.offset + reference.position);
    if (!HoldsKnownTarget(number, declaredEntities[record.entity.Index()][reference.slot])) {
      typedReferences.push_back(TypedReference{reference.instance + base, reference.position, reference.slot});
    }
  }
  if (entityOf.size() < part.entityOf.size()) {
    entityOf.resize(part.entityOf.size(), 0);
  }
  for (std::size_t number = 0; number < part.entityOf.size(); ++number) {
    if (part.entityOf[number] != 0) {
      entityOf[number] = part.entityOf[number];
    }
  }
}

void ModelReader::NoteReferenceTypes() {
  const Schema& schema = *model.schema;
  for (const TypedReference& reference : typedReferences) {
    const InstanceRecord& record = model.instances[reference.instance];
    const char* text = model.data + record.offset + reference.position;
    const InstanceIndex target = model.Find(InstanceNumber(NumberAt(text)));
    const EntityId declared = declaredEntities[record.entity.Index()][reference.slot];
    if (!target.Valid() || schema.IsSubtypeOf(model.Entity(target), declared)) {
      continue;
    }
    const char* name = model.data + record.offset;
    const auto line =
        model.Line(InstanceIndex(reference.instance)) + static_cast<std::uint32_t>(std::count(name, text, '\n'));
    std::size_t length = 1;
    while (text[length] >= '0' && text[length] <= '9') {
      ++length;
    }
    const AttributeSlot attribute{static_cast<std::int16_t>(reference.slot)};
    model.flaws.Add(FlawKind::ReferenceType, InstanceIndex(reference.instance),
                    Where(line) + "#" + std::to_string(record.number) + ": " +
                        schema.Attribute(record.entity, attribute).name + " refers to " + std::string(text, length) +
                        ", an " + std::string(schema.UpperName(model.Entity(target))) + ", where the schema takes " +
                        std::string(schema.UpperName(declared)));
  }
  typedReferences.clear();
  typedReferences.shrink_to_fit();
}

}  // namespace Ifc
