#include "idscheck/check/ReaderModelView.h"

#include <cstdlib>
#include <optional>

#include "ifc/step/Lexer.h"
#include "ifc/step/PlainValue.h"
#include "ifc/step/ValueParser.h"

namespace Ids {

ReaderModelView::ReaderModelView() = default;
ReaderModelView::ReaderModelView(const Ifc::Model& model) : model(&model) {}
ReaderModelView::~ReaderModelView() = default;

Ifc::Status ReaderModelView::Open(const std::string& path) {
  owned = std::make_unique<Ifc::Model>();
  Ifc::ReadOptions options;
  options.globalIds = false;       // the checker reads GlobalIds as attributes only
  options.referenceTypes = false;  // nor does it warn of reference types: the pass is saved
  if (Ifc::Status read = owned->Open(path, options); !read) {
    owned.reset();
    return read;
  }
  model = owned.get();
  return {};
}

std::string_view ReaderModelView::SchemaName() const noexcept {
  return Ifc::SchemaName(Opened().Version());
}

std::size_t ReaderModelView::InstanceCount() const noexcept {
  return model ? model->InstanceCount() : 0;
}

InstanceNumber ReaderModelView::Number(InstanceIndex index) const noexcept {
  return Opened().Number(index);
}

InstanceIndex ReaderModelView::FindByNumber(InstanceNumber number) const noexcept {
  return Opened().Find(number);
}

std::string_view ReaderModelView::EntityName(InstanceIndex index) const noexcept {
  return Opened().GetSchema().Name(Opened().Entity(index));
}

std::string_view ReaderModelView::UpperEntityName(InstanceIndex index) const noexcept {
  return Opened().GetSchema().UpperName(Opened().Entity(index));
}

bool ReaderModelView::IsSubtypeOf(InstanceIndex index, std::string_view upperAncestor) const noexcept {
  const Ifc::Schema& schema = Opened().GetSchema();
  const Ifc::EntityId ancestor = schema.FindEntity(upperAncestor);
  return ancestor.Valid() && schema.IsSubtypeOf(Opened().Entity(index), ancestor);
}

bool ReaderModelView::HasEntity(std::string_view upperName) const noexcept {
  return Opened().GetSchema().FindEntity(upperName).Valid();
}

std::vector<std::string_view> ReaderModelView::EntityNames() const {
  const Ifc::Schema& schema = Opened().GetSchema();
  std::vector<std::string_view> names;
  for (std::size_t entity = 0; entity < schema.EntityCount(); ++entity) {
    names.push_back(schema.UpperName(Ifc::EntityId{static_cast<std::int16_t>(entity)}));
  }
  return names;
}

std::vector<std::string> ReaderModelView::AttributeNames(InstanceIndex index) const {
  const Ifc::Schema& schema = Opened().GetSchema();
  const Ifc::EntityId entity = Opened().Entity(index);
  std::vector<std::string> names;
  for (std::size_t slot = 0; slot < schema.AttributeCount(entity); ++slot) {
    names.emplace_back(schema.Attribute(entity, Ifc::AttributeSlot{static_cast<std::int16_t>(slot)}).name);
  }
  return names;
}

namespace {

// The value ToModelValue gives for a plain value (Ifc::ReadPlainValue), or, for a real too long to
// convert here, none (the parser reads it then).
std::optional<ModelValue> FromPlain(const Ifc::PlainValue& plain) {
  using Kind = Ifc::PlainValue::Kind;
  ModelValue value = ModelValue::Null();
  switch (plain.kind) {
    case Kind::Null:
      break;
    case Kind::Derived:
      value.kind = ModelValue::Kind::Derived;
      break;
    case Kind::String:
      value = ModelValue::String(std::string(plain.text));
      break;
    case Kind::Enumeration:
      if (plain.text == "T" || plain.text == "F") {
        value.kind = ModelValue::Kind::Boolean;
        value.boolean = plain.text == "T";
      } else if (plain.text == "U") {
        value.kind = ModelValue::Kind::Logical;
      } else {
        value.kind = ModelValue::Kind::Enumeration;
        value.text = std::string(plain.text);
      }
      break;
    case Kind::Integer:
      value.kind = ModelValue::Kind::Integer;
      value.integer = plain.integer;
      break;
    case Kind::Real: {
      constexpr std::size_t kLongest = 40;
      if (plain.text.size() > kLongest) {
        return std::nullopt;
      }
      char number[kLongest + 1];
      number[plain.text.copy(number, kLongest)] = '\0';
      value.kind = ModelValue::Kind::Real;
      value.real = std::strtod(number, nullptr);
      break;
    }
    case Kind::Reference:
      value.kind = ModelValue::Kind::Reference;
      value.reference = InstanceNumber(plain.reference);
      break;
  }
  if (!plain.type.empty()) {
    return ModelValue::Typed(std::string(plain.type), std::move(value));
  }
  return value;
}

}  // namespace

bool ReaderModelView::Attribute(InstanceIndex index, std::string_view name, ModelValue& value) const {
  const Ifc::InstanceRecord& record = Opened().Record(index);
  const Ifc::AttributeSlot slot = Opened().GetSchema().FindAttribute(record.entity, name);
  if (!slot.Valid()) {
    return false;
  }
  const std::string_view text(Opened().Data(), Opened().Size());
  std::size_t at = 0;
  if (Ifc::FindArgument(text, record.offset + record.argument, static_cast<std::size_t>(slot.Index()), at) ==
      Ifc::ArgumentSearch::Found) {
    Ifc::PlainValue plain;
    if (Ifc::ReadPlainValue(text, at, plain)) {
      if (std::optional<ModelValue> read = FromPlain(plain)) {
        value = std::move(*read);
        return true;
      }
    }
  }
  std::optional<Ifc::Value> read = Opened().Attribute(index, slot);
  if (!read) {
    return false;
  }
  value = ToModelValue(std::move(*read));
  return true;
}

// Reads the references off the tokens of the attribute's text, without building its value.
void ReaderModelView::References(InstanceIndex index, std::string_view name, std::vector<InstanceIndex>& out) const {
  using Ifc::TokenKind;
  const Ifc::InstanceRecord& record = Opened().Record(index);
  const Ifc::AttributeSlot slot = Opened().GetSchema().FindAttribute(record.entity, name);
  const std::string_view text(Opened().Data(), Opened().Size());
  std::size_t at = 0;
  if (!slot.Valid() || Ifc::FindArgument(text, record.offset + record.argument, static_cast<std::size_t>(slot.Index()),
                                         at) != Ifc::ArgumentSearch::Found) {
    return;
  }
  Ifc::Lexer lexer(text, at);  // the attribute was checked when read: no message needs its line
  const auto add = [this, &out](const Ifc::Token& token) {
    const InstanceIndex target = Opened().Find(Ifc::InstanceNumberOf(token));
    if (target.Valid()) {
      out.push_back(target);
    }
  };
  Ifc::Token token = lexer.Next();
  if (token.kind == TokenKind::InstanceName) {
    add(token);
  }
  // In a list only its own items count, not those of nested lists or typed values.
  for (int depth = token.kind == TokenKind::Open ? 1 : 0; depth > 0;) {
    token = lexer.Next();
    if (token.kind == TokenKind::Open) {
      ++depth;
    } else if (token.kind == TokenKind::Close) {
      --depth;
    } else if (token.kind == TokenKind::InstanceName && depth == 1) {
      add(token);
    } else if (token.kind == TokenKind::End || token.kind == TokenKind::Error || token.kind == TokenKind::Semicolon) {
      return;
    }
  }
}

std::vector<InstanceIndex> ReaderModelView::InstancesOf(std::string_view upperName, bool exact) const {
  const Ifc::EntityId entity = Opened().GetSchema().FindEntity(upperName);
  return entity.Valid() ? Opened().InstancesOf(entity, exact) : std::vector<InstanceIndex>();
}

std::string ReaderModelView::TimeStamp() const {
  const std::vector<Ifc::Value>& fileName = model->GetHeader().fileName;
  if (fileName.size() < 2 || fileName[1].kind != Ifc::Value::Kind::String) {
    return {};
  }
  return fileName[1].text;
}

ModelValue ToModelValue(Ifc::Value&& value) {
  using Kind = Ifc::Value::Kind;
  ModelValue result;
  switch (value.kind) {
    case Kind::Null:
      break;
    case Kind::Derived:
      result.kind = ModelValue::Kind::Derived;
      break;
    case Kind::Integer:
      result.kind = ModelValue::Kind::Integer;
      result.integer = value.integer;
      break;
    case Kind::Real:
      result.kind = ModelValue::Kind::Real;
      result.real = value.real;
      break;
    case Kind::String:
      result.kind = ModelValue::Kind::String;
      result.text = std::move(value.text);
      break;
    case Kind::Enumeration:
      if (value.text == "T" || value.text == "F") {
        result.kind = ModelValue::Kind::Boolean;
        result.boolean = value.text == "T";
      } else if (value.text == "U") {
        result.kind = ModelValue::Kind::Logical;
      } else {
        result.kind = ModelValue::Kind::Enumeration;
        result.text = std::move(value.text);
      }
      break;
    case Kind::Binary:
      result.kind = ModelValue::Kind::Binary;
      result.text = std::move(value.text);
      break;
    case Kind::Reference:
      result.kind = ModelValue::Kind::Reference;
      result.reference = value.reference;
      break;
    case Kind::Typed:
      result.kind = ModelValue::Kind::Typed;
      result.text = std::move(value.text);
      for (char& c : result.text) {
        c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
      }
      break;
    case Kind::List:
      result.kind = ModelValue::Kind::List;
      break;
  }
  result.items.reserve(value.items.size());
  for (Ifc::Value& item : value.items) {
    result.items.push_back(ToModelValue(std::move(item)));
  }
  return result;
}

}  // namespace Ids
