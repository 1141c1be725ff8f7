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

// How many distinct references the merge remembers as written; those beyond are made every time.
constexpr std::size_t kMaxRememberedReferences = 1 << 16;

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

// Every text of a reference and of its source.
std::u16string ReferenceKey(const IPL::ClassificationReference& reference) {
  std::u16string key;
  for (const KT::Optional<KT::UniString>* text :
       {&reference.GetLocation(), &reference.GetIdentification(), &reference.GetName()}) {
    key.push_back(text->HasValue() ? u'+' : u'-');
    if (text->HasValue()) {
      AppendText(key, text->Get().GetCodeUnits());
    }
  }
  if (reference.GetReferencedSource().HasValue()) {
    key += Key(reference.GetReferencedSource().Get());
  }
  return key;
}

InstanceNumber ClassificationMerge::WriteReference(const IPL::ClassificationReference& reference) {
  // Elements are mostly given the same few references: each is made once and its warnings replayed.
  std::u16string key = ReferenceKey(reference);
  if (const auto known = written.find(key); known != written.end()) {
    Warn(reference, known->second.warnings);
    return known->second.number;
  }
  std::vector<std::string> warnings;
  std::string source = "$";
  if (reference.GetReferencedSource().HasValue()) {
    const WrittenSource& written = WriteSource(reference.GetReferencedSource().Get());
    source = written.reference;
    warnings = written.warnings;
  }
  const NewInstances::Shared added =
      context.added.AddOnce(references, ClassificationReferenceBody(context.schema, reference, source, warnings));
  Warn(reference, warnings);
  if (added.isNew) {
    ++context.summary.references;
  }
  if (written.size() < kMaxRememberedReferences) {
    written.emplace(std::move(key), WrittenReference{added.number, std::move(warnings)});
  }
  return added.number;
}

void ClassificationMerge::Warn(const IPL::ClassificationReference& reference,
                               const std::vector<std::string>& warnings) {
  if (warnings.empty()) {
    return;
  }
  const std::string where =
      "classification reference '" +
      (reference.GetIdentification().HasValue() ? reference.GetIdentification().Get().ToUTF8() : std::string()) + "': ";
  for (const std::string& warning : warnings) {
    context.WarnOnce("classification:" + warning, where + warning);
  }
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
