#include "exporter/merge/ClassificationMerge.h"

#include <initializer_list>

#include "exporter/merge/NamedBody.h"
#include "exporter/merge/SchemaAdaptation.h"
#include "exporter/writer/InstanceText.h"

namespace Exporter {

namespace {

// Appends `text` after its length in two code units, so that no two sequences of texts give one key.
void AppendText(std::u16string& key, const std::u16string& text) {
  key.push_back(static_cast<char16_t>(text.size() >> 16));
  key.push_back(static_cast<char16_t>(text.size() & 0xFFFF));
  key += text;
}

// Every text of a classification, an absent one told apart from an empty one.
std::u16string Key(const IPL::Classification& source) {
  std::u16string key;
  AppendText(key, source.name.GetCodeUnits());
  for (const KT::Optional<KT::UniString>* text : {&source.GetSource(), &source.GetEdition(), &source.GetEditionDate(),
                                                  &source.GetDescription(), &source.GetLocation()}) {
    key.push_back(text->HasValue() ? u'+' : u'-');
    if (text->HasValue()) {
      AppendText(key, text->Get().GetCodeUnits());
    }
  }
  return key;
}

}  // namespace

// Written once for each distinct classification: the same texts give the same instances and warnings.
const ClassificationMerge::WrittenSource& ClassificationMerge::WriteSource(const IPL::Classification& source) {
  std::u16string key = Key(source);
  const auto found = sources.find(key);
  if (found != sources.end()) {
    return found->second;
  }
  WrittenSource written{"$", {}};
  const EmitInstance emit = [&](const std::string& body) { return context.added.AddOnce(dates, body).number; };
  const std::string body = ClassificationBody(context.schema, source, emit, written.warnings);
  if (!body.empty()) {
    written.reference = Reference(context.added.AddOnce(classifications, body).number);
  }
  return sources.emplace(std::move(key), std::move(written)).first->second;
}

InstanceNumber ClassificationMerge::WriteReference(const IPL::ClassificationReference& reference) {
  std::vector<std::string> warnings;
  std::string source = "$";
  if (reference.GetReferencedSource().HasValue()) {
    const WrittenSource& written = WriteSource(reference.GetReferencedSource().Get());
    source = written.reference;
    warnings = written.warnings;
  }
  const NewInstances::Shared written =
      context.added.AddOnce(references, ClassificationReferenceBody(context.schema, reference, source, warnings));
  const std::string where =
      "classification reference '" +
      (reference.GetIdentification().HasValue() ? reference.GetIdentification().Get().ToUTF8() : std::string()) + "': ";
  for (const std::string& warning : warnings) {
    context.WarnOnce("classification:" + warning, where + warning);
  }
  if (written.isNew) {
    ++context.summary.references;
  }
  return written.number;
}

void ClassificationMerge::Add(InstanceIndex index,
                              const KT::Array<KT::SharedPtr<IPL::ExternalReferenceBase>>& contributed) {
  const InstanceNumber element = context.Model().Number(index);
  for (const KT::SharedPtr<IPL::ExternalReferenceBase>& base : contributed) {
    const auto* reference = dynamic_cast<const IPL::ClassificationReference*>(base.Get());
    if (reference == nullptr) {
      context.Warn(context.ElementName(index) + ": a reference that is no classification reference was skipped");
      continue;
    }
    const InstanceNumber number = WriteReference(*reference);
    const std::string name = reference->relAssociatesClassificationName.IsEmpty()
                                 ? "$"
                                 : StepText(reference->relAssociatesClassificationName);
    relations.Relate(number, name, element);
  }
}

void ClassificationMerge::Finish() {
  for (const RelationList::Relation& relation : relations.InOrder()) {
    const NamedBody body = BuildNamedBody(
        context.schema, "IfcRelAssociatesClassification",
        {{"GlobalId",
          "'" + context.globalIds.Derive("classifies" + Reference(relation.relating) + relation.name) + "'"},
         {"Name", relation.name},
         {"RelatedObjects", ReferenceList(relation.elements)},
         {"RelatingClassification", Reference(relation.relating)}},
        context.RootFallbacks());
    if (!body.Ok()) {
      context.WarnOnce("relation:" + body.missingRequired,
                       "classification relations cannot be written: the schema requires " + body.missingRequired +
                           ", which the file has none of");
      continue;
    }
    context.added.Add(body.text);
    ++context.summary.relations;
  }
}

}  // namespace Exporter
