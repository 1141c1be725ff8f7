// The check of reference types, a pass of its own after the instances are indexed (a reference may
// name an instance further down): each reference written as an attribute, or as an item of a list
// that is the attribute, must name an instance of the entity the schema declares for that attribute,
// or of a subtype. Attributes declared with a select, a defined type or a list of lists are not
// checked: the schema tables name the select, not its members. A large file has its second half
// checked on a thread of its own; the flaws are counted in file order all the same.
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "ifc/step/ModelReader.h"

namespace Ifc {

namespace {

// By entity, the entity each attribute slot takes (invalid where the slot takes something else), or
// nothing when no slot takes an entity.
std::vector<std::vector<EntityId>> DeclaredEntities(const Schema& schema) {
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

}  // namespace

struct ModelReader::WrongReference {
  InstanceIndex instance;
  std::string message;
};

void ModelReader::FindWrongReferences(const std::vector<std::vector<EntityId>>& declared, std::size_t begin,
                                      std::size_t end, std::vector<WrongReference>& found) const {
  const Schema& schema = *model.schema;
  const std::string_view text(model.data, model.size);
  for (std::size_t i = begin; i < end; ++i) {
    const InstanceRecord& record = model.instances[i];
    const std::vector<EntityId>& slots = declared[record.entity.Index()];
    const std::size_t arguments = record.offset + record.argument + 1;
    if (slots.empty() ||
        std::memchr(model.data + arguments, '#', record.offset + record.length - arguments) == nullptr) {
      continue;  // no reference at all (points, property values), or none to check
    }
    Lexer lexer(text, arguments, record.line);
    int depth = 1;
    std::size_t slot = 0;
    bool plainList = false;  // whether the attribute is a list, not a typed value
    bool afterKeyword = false;
    for (Token token = lexer.Next(); depth > 0 && token.kind != TokenKind::End && token.kind != TokenKind::Error;
         token = lexer.Next()) {
      if (token.kind == TokenKind::Open) {
        plainList = depth == 1 ? !afterKeyword : plainList;
        ++depth;
      } else if (token.kind == TokenKind::Close) {
        --depth;
      } else if (token.kind == TokenKind::Comma) {
        slot += depth == 1 ? 1 : 0;
      } else if (token.kind == TokenKind::InstanceName && slot < slots.size() && slots[slot].Valid() &&
                 (depth == 1 || (depth == 2 && plainList))) {
        const InstanceIndex target = model.Find(InstanceNumberOf(token));
        if (target.Valid() && !schema.IsSubtypeOf(model.Entity(target), slots[slot])) {
          const AttributeSlot attribute{static_cast<std::int16_t>(slot)};
          found.push_back({InstanceIndex(static_cast<std::uint32_t>(i)),
                           Where(token.line) + "#" + std::to_string(record.number) + ": " +
                               schema.Attribute(record.entity, attribute).name + " refers to " +
                               std::string(token.text) + ", an " + std::string(schema.UpperName(model.Entity(target))) +
                               ", where the schema takes " + std::string(schema.UpperName(slots[slot]))});
        }
      }
      afterKeyword = token.kind == TokenKind::Keyword;
    }
  }
}

void ModelReader::NoteReferenceTypes() {
  const std::vector<std::vector<EntityId>> declared = DeclaredEntities(*model.schema);
  const std::size_t count = model.instances.size();
  const bool split = model.size >= options.splitFrom && count >= 2 && std::thread::hardware_concurrency() >= 2;
  const std::size_t middle = split ? count / 2 : count;
  std::vector<WrongReference> first;
  std::vector<WrongReference> second;
  std::thread secondHalf;
  if (split) {
    secondHalf = std::thread([&] { FindWrongReferences(declared, middle, count, second); });
  }
  FindWrongReferences(declared, 0, middle, first);
  if (secondHalf.joinable()) {
    secondHalf.join();
  }
  for (std::vector<WrongReference>* half : {&first, &second}) {
    for (WrongReference& wrong : *half) {
      model.flaws.Add(FlawKind::ReferenceType, wrong.instance, std::move(wrong.message));
    }
  }
}

}  // namespace Ifc
