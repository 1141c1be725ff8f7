// The check of reference types, a pass of its own after the instances are indexed (a reference may
// name an instance further down): each reference written as an attribute, or as an item of a list
// that is the attribute, must name an instance of the entity the schema declares for that attribute,
// or of a subtype. Attributes declared with a select, a defined type or a list of lists are not
// checked: the schema tables name the select, not its members.
#include <cstring>
#include <string>
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

void ModelReader::NoteReferenceTypes() {
  const Schema& schema = *model.schema;
  const std::vector<std::vector<EntityId>> declared = DeclaredEntities(schema);
  const std::string_view text(model.data, model.size);
  for (std::size_t i = 0; i < model.instances.size(); ++i) {
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
      switch (token.kind) {
        case TokenKind::Open:
          plainList = depth == 1 ? !afterKeyword : plainList;
          ++depth;
          break;
        case TokenKind::Close:
          --depth;
          break;
        case TokenKind::Comma:
          slot += depth == 1 ? 1 : 0;
          break;
        case TokenKind::InstanceName: {
          if (slot >= slots.size() || !slots[slot].Valid() || !(depth == 1 || (depth == 2 && plainList))) {
            break;
          }
          const InstanceIndex target = model.Find(InstanceNumberOf(token));
          if (target.Valid() && !schema.IsSubtypeOf(model.Entity(target), slots[slot])) {
            const AttributeSlot attribute{static_cast<std::int16_t>(slot)};
            model.flaws.Add(FlawKind::ReferenceType, InstanceIndex(static_cast<std::uint32_t>(i)),
                            Where(token.line) + "#" + std::to_string(record.number) + ": " +
                                schema.Attribute(record.entity, attribute).name + " refers to " +
                                std::string(token.text) + ", an " +
                                std::string(schema.UpperName(model.Entity(target))) + ", where the schema takes " +
                                std::string(schema.UpperName(slots[slot])));
          }
          break;
        }
        default:
          break;
      }
      afterKeyword = token.kind == TokenKind::Keyword;
    }
  }
}

}  // namespace Ifc
