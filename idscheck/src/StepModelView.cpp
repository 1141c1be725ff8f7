#include "StepModelView.h"

#include <charconv>
#include <cstdlib>

#include "Platform.h"
#include "Schema.h"
#include "StepFile.h"
#include "StepText.h"

namespace Ids {

struct StepModelView::State {
  Exporter::MappedFile mapped;
  Exporter::StepFile file;
};

StepModelView::StepModelView() : state(std::make_unique<State>()) {}
StepModelView::~StepModelView() = default;

bool StepModelView::Open(const std::string& path, std::string& error) {
  if (!state->mapped.Open(path, error))
    return false;
  return state->file.Read(state->mapped.Data(), state->mapped.Size(), path, error);
}

std::string_view StepModelView::SchemaName() const noexcept {
  return "IFC4";
}

std::size_t StepModelView::InstanceCount() const noexcept {
  return state->file.Instances().size();
}

std::uint64_t StepModelView::Number(InstanceIndex index) const noexcept {
  return state->file.Instances()[index].number;
}

InstanceIndex StepModelView::FindByNumber(std::uint64_t number) const noexcept {
  if (number > 0xFFFFFFFFu)
    return NoInstance;
  const std::int32_t found = state->file.FindByNumber(static_cast<std::uint32_t>(number));
  return found < 0 ? NoInstance : static_cast<InstanceIndex>(found);
}

std::string_view StepModelView::EntityName(InstanceIndex index) const noexcept {
  const auto& schema = Exporter::SchemaIndex::Get();
  return schema.Entity(state->file.Instances()[index].entity).name;
}

bool StepModelView::IsSubtypeOf(InstanceIndex index, std::string_view upperAncestor) const noexcept {
  const auto& schema = Exporter::SchemaIndex::Get();
  const int ancestor = schema.FindEntity(upperAncestor);
  return ancestor >= 0 && schema.IsSubtypeOf(state->file.Instances()[index].entity, ancestor);
}

bool StepModelView::HasEntity(std::string_view upperName) const noexcept {
  return Exporter::SchemaIndex::Get().FindEntity(upperName) >= 0;
}

std::vector<std::string> StepModelView::AttributeNames(InstanceIndex index) const {
  const auto& schema = Exporter::SchemaIndex::Get();
  const int entity = state->file.Instances()[index].entity;
  std::vector<std::string> names;
  for (unsigned i = 0; i < schema.Entity(entity).attributeCount; ++i)
    names.emplace_back(schema.Attribute(entity, static_cast<int>(i)).name);
  return names;
}

bool StepModelView::Attribute(InstanceIndex index, std::string_view name, ModelValue& value) const {
  const auto& schema = Exporter::SchemaIndex::Get();
  const int attribute = schema.FindAttribute(state->file.Instances()[index].entity, name);
  if (attribute < 0)
    return false;
  std::vector<std::string_view> tokens;
  if (!Exporter::SplitStepList(state->file.Arguments(index), tokens) ||
      static_cast<std::size_t>(attribute) >= tokens.size()) {
    value = ModelValue::Null();
    return true;
  }
  value = ParseStepToken(tokens[static_cast<std::size_t>(attribute)]);
  return true;
}

namespace {

std::string Utf8(std::u16string_view units) {
  std::string out;
  for (std::size_t i = 0; i < units.size(); ++i) {
    std::uint32_t code = units[i];
    if (code >= 0xD800 && code < 0xDC00 && i + 1 < units.size()) {
      code = 0x10000 + ((code - 0xD800) << 10) + (units[i + 1] - 0xDC00u);
      ++i;
    }
    if (code < 0x80) {
      out += static_cast<char>(code);
    } else if (code < 0x800) {
      out += static_cast<char>(0xC0 | (code >> 6));
      out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
      out += static_cast<char>(0xE0 | (code >> 12));
      out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | (code >> 18));
      out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
      out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (code & 0x3F));
    }
  }
  return out;
}

}  // namespace

ModelValue ParseStepToken(std::string_view token) {
  ModelValue value;
  if (token.empty() || token == "$")
    return value;
  if (token == "*") {
    value.kind = ModelValue::Kind::Derived;
    return value;
  }
  const char first = token.front();
  if (first == '#') {
    value.kind = ModelValue::Kind::Reference;
    value.reference = Exporter::ParseStepReference(token);
  } else if (first == '\'') {
    value.kind = ModelValue::Kind::String;
    const auto decoded = Exporter::DecodeStepString(token);
    value.text = decoded ? Utf8(*decoded) : std::string();
  } else if (first == '"') {
    value.kind = ModelValue::Kind::Binary;
    value.text = std::string(token.substr(1, token.size() >= 2 ? token.size() - 2 : 0));
  } else if (first == '.') {
    const std::string_view word = token.substr(1, token.size() >= 2 ? token.size() - 2 : 0);
    if (word == "T" || word == "F") {
      value.kind = ModelValue::Kind::Boolean;
      value.boolean = word == "T";
    } else if (word == "U") {
      value.kind = ModelValue::Kind::Logical;
    } else {
      value.kind = ModelValue::Kind::Enumeration;
      value.text = std::string(word);
    }
  } else if (first == '(') {
    value.kind = ModelValue::Kind::List;
    std::vector<std::string_view> items;
    const auto inner = Exporter::StepListItems(token);
    if (inner && Exporter::SplitStepList(*inner, items)) {
      for (const std::string_view item : items)
        value.items.push_back(ParseStepToken(item));
    }
  } else if ((first >= 'A' && first <= 'Z') || (first >= 'a' && first <= 'z')) {
    const std::size_t open = token.find('(');
    if (open == std::string_view::npos || token.back() != ')')
      return value;
    value.kind = ModelValue::Kind::Typed;
    for (const char c : token.substr(0, open))
      value.text += static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
    value.items.push_back(ParseStepToken(token.substr(open + 1, token.size() - open - 2)));
  } else {
    const bool real = token.find_first_of(".eE") != std::string_view::npos;
    if (real) {
      value.kind = ModelValue::Kind::Real;
      value.real = std::strtod(std::string(token).c_str(), nullptr);
    } else {
      value.kind = ModelValue::Kind::Integer;
      const std::size_t skip = first == '+' ? 1 : 0;
      std::from_chars(token.data() + skip, token.data() + token.size(), value.integer);
    }
  }
  return value;
}

}  // namespace Ids
