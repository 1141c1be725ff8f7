// Fuzz target: the reading layer (Ifc) from arbitrary bytes, and the export tool's text
// helpers on what it reads. Lexing and reading never crash or hang; reading fails naming the file, or
// gives a model whose every instance, attribute, reference and GlobalId reads back consistently, that
// strict reading refuses exactly when flaws were tolerated, that a split reading repeats, and whose
// plainly written values the export's look-up reads off the bytes as parsing reads them.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzSupport.h"
#include "exporter/lookup/RelationLinks.h"
#include "exporter/lookup/StepValueText.h"
#include "ifc/step/Lexer.h"
#include "ifc/step/Model.h"
#include "ifc/step/StringDecoding.h"
#include "ifc/step/ValueParser.h"
#include "ifc/text/StepText.h"

namespace {

using IFCAPI::Fuzzing::Check;
using namespace Ifc;

void CheckTokens(std::string_view text) {
  Lexer lexer(text);
  std::size_t previous = 0;
  for (Token token = lexer.Next(); token.kind != TokenKind::End && token.kind != TokenKind::Error;
       token = lexer.Next()) {
    Check(token.offset >= previous && token.offset + token.text.size() <= text.size(), "a token out of order");
    previous = token.offset + token.text.size();
    if (token.kind == TokenKind::String) {
      std::string decoded;
      std::string error;
      Check(DecodeString(token.text, decoded, error), "a string the lexer passed does not decode");
    }
  }
}

// Every reference in `value` to an instance of the model is listed among that instance's referrers.
void CheckReferences(const Model& model, const Value& value, InstanceIndex source) {
  if (value.kind == Value::Kind::Reference && model.Find(value.reference).Valid()) {
    const IndexSpan referrers = model.ReferencesTo(model.Find(value.reference));
    Check(std::find(referrers.begin(), referrers.end(), source) != referrers.end(), "a reference is missing");
  }
  for (const Value& item : value.items) {
    CheckReferences(model, item, source);
  }
}

void CheckStrings(std::string_view items, int depth) {
  std::vector<std::string_view> parts;
  if (depth > 8 || !Exporter::SplitStepList(items, parts)) {
    return;
  }
  for (const std::string_view part : parts) {
    if (const auto decoded = Exporter::DecodeStepString(part)) {
      std::string encoded;
      Exporter::AppendStepString(encoded, *decoded);
      Check(Exporter::DecodeStepString(encoded) == decoded, "a decoded string does not encode back to itself");
    } else if (const auto inner = Exporter::StepListItems(part)) {
      CheckStrings(*inner, depth + 1);
    }
  }
}

// What the export tool's element look-up reads off the bytes as plain (a simple value, a list of
// references) is what parsing the attribute gives.
void CheckPlainValues(const Model& model, InstanceIndex index, const std::vector<Value>& values) {
  const std::string_view file(model.Data(), model.Size());
  const InstanceRecord& record = model.Record(index);
  for (std::size_t slot = 0; slot < values.size(); ++slot) {
    std::size_t at = 0;
    if (FindArgument(file, record.offset + record.argument, slot, at) != ArgumentSearch::Found) {
      continue;
    }
    const Exporter::PlainTyped plain = Exporter::ReadPlainTyped(file, at, model.GetSchema());
    if (plain.plain) {
      const std::optional<Exporter::TypedText> parsed = Exporter::SplitTyped(values[slot], model.GetSchema());
      Check(parsed.has_value() == plain.typed.has_value() &&
                (!parsed || (parsed->ifcType == plain.typed->ifcType && parsed->value == plain.typed->value)),
            "a plain value reads otherwise than parsed");
    }
    std::vector<InstanceNumber> read;
    if (Exporter::ReadPlainReferences(file, at, read)) {
      std::vector<InstanceNumber> parsed;
      Exporter::ReferencesIn(values[slot], parsed);
      Check(read == parsed, "a plain list of references reads otherwise than parsed");
    }
  }
}

void CheckInstance(const Model& model, InstanceIndex index) {
  const std::string_view whole = model.Text(index);
  Check(whole.front() == '#' && whole.back() == ';', "an instance's text is not #N=...;");
  Check(model.Find(model.Number(index)) == index, "a number does not find its instance");
  const std::vector<Value> values = model.Attributes(index);
  // An instance may be written with an attribute too many or too few, a flaw the read counts; by slot
  // only the entity's own attributes are read.
  const std::size_t expected = model.GetSchema().AttributeCount(model.Entity(index));
  Check(values.size() == expected || model.GetFlaws().Of(Ifc::FlawKind::AttributeCount).count != 0,
        "an instance has not as many attributes as its entity, and no flaw says so");
  for (std::size_t slot = 0; slot < values.size() && slot < expected; ++slot) {
    const std::optional<Value> one = model.Attribute(index, AttributeSlot{static_cast<std::int16_t>(slot)});
    Check(one.has_value() && one->ToStep() == values[slot].ToStep(), "an attribute by slot differs from the list's");
    CheckReferences(model, values[slot], index);
  }
  CheckStrings(model.Arguments(index), 0);
  CheckPlainValues(model, index, values);
}

// Reading the second half of the data on a thread of its own gives what one pass gave: the same
// error, or the same instances (offsets and lines) and flaws.
void CheckSplitReading(std::string_view text, const Model* whole, const std::string& wholeError) {
  Model split;
  ReadOptions options;
  options.splitFrom = 1;
  const Status read = split.Read(text.data(), text.size(), "f.ifc", options);
  Check(static_cast<bool>(read) == (whole != nullptr) && (read || read.Error().Message() == wholeError),
        "a split reading fails otherwise");
  if (!read) {
    return;
  }
  Check(split.InstanceCount() == whole->InstanceCount(), "a split reading has another number of instances");
  for (std::size_t i = 0; i < whole->InstanceCount(); ++i) {
    const InstanceIndex index(static_cast<std::uint32_t>(i));
    Check(whole->Instances()[i].offset == split.Instances()[i].offset && whole->Line(index) == split.Line(index) &&
              whole->Text(index) == split.Text(index),
          "a split reading moved an instance");
  }
  for (const FlawKind kind : kAllFlawKinds) {
    Check(split.GetFlaws().Of(kind).examples == whole->GetFlaws().Of(kind).examples,
          "a split reading reports other flaws");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const char* text = reinterpret_cast<const char*>(data);
  CheckTokens(std::string_view(text, size));
  Model model;
  const Status read = model.Read(text, size, "f.ifc");
  const std::string error = read ? std::string() : read.Error().Message();
  Check(read || error.rfind("f.ifc:", 0) == 0, "an error does not name the file and line");
  CheckSplitReading(std::string_view(text, size), read ? &model : nullptr, error);
  if (!read) {
    return 0;
  }
  for (std::uint32_t i = 0; i < model.InstanceCount() && i < 256; ++i) {
    CheckInstance(model, InstanceIndex(i));
  }
  const std::size_t contentEnd = model.GetHeader().contentEnd;
  Check(contentEnd <= size && (contentEnd < size) == (model.GetFlaws().Of(FlawKind::TrailingBytes).count != 0),
        "bytes after END-ISO-10303-21; and its blanks, and no flaw says so");
  for (const Model::Rooted& rooted : model.RootedInstances()) {
    const InstanceIndex found = model.FindByGlobalId(rooted.guid);
    Check(found.Valid() && model.Attribute(found, "GlobalId")->text == model.Attribute(rooted.index, "GlobalId")->text,
          "a GlobalId does not find an instance with it");
  }
  Model strict;
  ReadOptions options;
  options.strict = true;
  Check(static_cast<bool>(strict.Read(text, size, "f.ifc", options)) == model.GetFlaws().Empty(),
        "strict reading does not refuse exactly the flawed files");
  return 0;
}
