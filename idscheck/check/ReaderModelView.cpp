#include "idscheck/check/ReaderModelView.h"

#include <charconv>
#include <cstdlib>
#include <cstring>

#include "ifc/step/Lexer.h"
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

bool IsDigit(char c) noexcept {
  return c >= '0' && c <= '9';
}

bool IsUpperWordByte(char c) noexcept {
  return (c >= 'A' && c <= 'Z') || c == '_' || IsDigit(c);
}

// A simple value written plainly at `at`, and `at` moved past it: unset, derived, a string of
// printable ASCII without escapes or doubled quotes, an enumeration of upper-case letters, a
// reference or a number; as parsing and ToModelValue would give it. False for anything else.
bool ReadPlainScalar(std::string_view text, std::size_t& at, ModelValue& value) {
  const char first = text[at];
  std::size_t end = at + 1;
  if (first == '$' || first == '*') {
    value = ModelValue::Null();
    value.kind = first == '$' ? ModelValue::Kind::Null : ModelValue::Kind::Derived;
  } else if (first == '\'') {
    for (; end < text.size() && text[end] != '\''; ++end) {
      const auto c = static_cast<unsigned char>(text[end]);
      if (c < 0x20 || c >= 0x7F || c == '\\') {
        return false;
      }
    }
    if (end + 1 >= text.size() || text[end + 1] == '\'') {
      return false;
    }
    value = ModelValue::String(std::string(text.substr(at + 1, end - at - 1)));
    ++end;
  } else if (first == '.') {
    while (end < text.size() && IsUpperWordByte(text[end])) {
      ++end;
    }
    if (end == at + 1 || end >= text.size() || text[end] != '.') {
      return false;
    }
    const std::string_view name = text.substr(at + 1, end - at - 1);
    value = ModelValue::Null();
    if (name == "T" || name == "F") {
      value.kind = ModelValue::Kind::Boolean;
      value.boolean = name == "T";
    } else if (name == "U") {
      value.kind = ModelValue::Kind::Logical;
    } else {
      value.kind = ModelValue::Kind::Enumeration;
      value.text = std::string(name);
    }
    ++end;
  } else if (first == '#') {
    std::uint64_t number = 0;
    for (; end < text.size() && IsDigit(text[end]); ++end) {
      number = number * 10 + static_cast<unsigned>(text[end] - '0');
    }
    if (end == at + 1 || end - at - 1 > 19) {
      return false;
    }
    value = ModelValue::Null();
    value.kind = ModelValue::Kind::Reference;
    value.reference = InstanceNumber(number);
  } else if (IsDigit(first) || first == '-' || first == '+') {
    bool real = false;
    for (; end < text.size() && (IsDigit(text[end]) || std::strchr(".Ee+-", text[end]) != nullptr); ++end) {
      real = real || text[end] == '.';
    }
    constexpr std::size_t kLongest = 40;
    if (end - at > kLongest) {
      return false;
    }
    char number[kLongest + 1];
    text.copy(number, end - at, at);
    number[end - at] = '\0';
    value = ModelValue::Null();
    if (real) {
      value.kind = ModelValue::Kind::Real;
      value.real = std::strtod(number, nullptr);
    } else {
      value.kind = ModelValue::Kind::Integer;
      const char* digits = number[0] == '+' ? number + 1 : number;
      if (std::from_chars(digits, number + (end - at), value.integer).ec != std::errc()) {
        return false;
      }
    }
  } else {
    return false;
  }
  at = end;
  return true;
}

// The value at `at` when it is a simple value or a typed simple value written plainly, as parsing
// would give it, and when nothing but ',' or ')' follows it; false for anything else.
bool ReadPlainValue(std::string_view text, std::size_t at, ModelValue& value) {
  if (at >= text.size()) {
    return false;
  }
  std::size_t end = at;
  if (text[at] >= 'A' && text[at] <= 'Z') {
    while (end < text.size() && IsUpperWordByte(text[end])) {
      ++end;
    }
    if (end + 1 >= text.size() || text[end] != '(') {
      return false;
    }
    std::size_t inner = end + 1;
    ModelValue wrapped;
    if (!ReadPlainScalar(text, inner, wrapped) || inner >= text.size() || text[inner] != ')') {
      return false;
    }
    value = ModelValue::Typed(std::string(text.substr(at, end - at)), std::move(wrapped));
    end = inner + 1;
  } else if (!ReadPlainScalar(text, end, value)) {
    return false;
  }
  return end < text.size() && (text[end] == ',' || text[end] == ')');
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
    ModelValue plain;
    if (ReadPlainValue(text, at, plain)) {
      value = std::move(plain);
      return true;
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
