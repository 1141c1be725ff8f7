// Classification references: what their key tells apart (their clones are the export tool's and the
// hooks' tests, which write what they keep).
#include <gtest/gtest.h>

#include <string>

#include "IPL/Classification.h"
#include "IPL/ClassificationReference.h"

namespace {

using Text = KT::Optional<KT::UniString>;

IPL::Classification System(const char* name) {
  IPL::Classification system;
  system.name = name;
  return system;
}

IPL::ClassificationReference Reference(const Text& location, const Text& identification, const Text& name,
                                       const char* source = nullptr) {
  IPL::ClassificationReference reference;
  reference.SetLocation(location);
  reference.SetIdentification(identification);
  reference.SetName(name);
  if (source != nullptr) {
    reference.SetReferencedSource(System(source));
  }
  return reference;
}

TEST(ClassificationReferenceKey, EqualExactlyForTheSameIdentifyingTextsAndSourceName) {
  IPL::ClassificationReference a = Reference(Text("http://x"), Text("Ss_25"), Text("Walls"), "Uniclass");
  IPL::ClassificationReference b = Reference(Text("http://x"), Text("Ss_25"), Text("Walls"));
  // The relationship name and the source's other texts do not make another reference.
  a.relAssociatesClassificationName = "one";
  b.relAssociatesClassificationName = "another";
  IPL::Classification edited = System("Uniclass");
  edited.SetEdition(Text("2015"));
  b.SetReferencedSource(edited);
  EXPECT_EQ(a.GetKeyText(), b.GetKeyText());

  b.SetReferencedSource(System("OmniClass"));
  EXPECT_NE(a.GetKeyText(), b.GetKeyText());
}

TEST(ClassificationReferenceKey, DifferentCombinationsNeverCollide) {
  // Each pair differs only in how the same characters are spread over the parts (the source's name
  // included), or in absent versus empty, or in texts that spell the key's own markers; joining the
  // parts with any separator or marker that a text may hold would make some pair equal.
  const IPL::ClassificationReference pairs[][2] = {
      {Reference(Text("ab"), Text("c"), Text()), Reference(Text("a"), Text("bc"), Text())},
      {Reference(Text(), Text("x"), Text()), Reference(Text("x"), Text(), Text())},
      {Reference(Text(""), Text(), Text()), Reference(Text(), Text(), Text())},
      {Reference(Text("1:a"), Text(), Text()), Reference(Text("1"), Text("a"), Text())},
      {Reference(Text("+1:a"), Text(), Text()), Reference(Text(), Text("a"), Text())},
      {Reference(Text("-"), Text(), Text()), Reference(Text(), Text(), Text())},
      {Reference(Text(), Text("x"), Text(), ""), Reference(Text(), Text("x"), Text())},
      {Reference(Text(), Text(), Text("n"), "s"), Reference(Text(), Text(), Text("n+1:s"))},
  };
  for (const auto& pair : pairs) {
    EXPECT_NE(pair[0].GetKeyText(), pair[1].GetKeyText()) << pair[0].GetKeyText().ToUTF8();
  }
}

}  // namespace
