// The view reads unset values and plain strings off the file's bytes, the rest through the parser:
// both must give the same value.
#include "idscheck/check/ReaderModelView.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "StatusAssertions.h"
#include "ifc/step/Model.h"
#include "tests/ifc/IfcFileText.h"

namespace Ids {
namespace {

std::string Described(const ModelValue& value) {
  std::string out = std::to_string(static_cast<int>(value.kind)) + ":" + value.text + ":" +
                    std::to_string(value.boolean) + ":" + std::to_string(value.integer) + ":" +
                    std::to_string(value.real) + ":" + std::to_string(value.reference.Value()) + "[";
  for (const ModelValue& item : value.items) {
    out += Described(item) + ",";
  }
  return out + "]";
}

TEST(ReaderModelView, AttributesReadOffTheBytesAreThoseTheParserGives) {
  const std::vector<std::string> instances = {
      "#1=IFCPROPERTYSINGLEVALUE('Width','Nominal width',IFCLENGTHMEASURE(0.175),$);\n",
      "#2=IFCPROPERTYSINGLEVALUE('It''s','a\\X2\\00E4\\X0\\b',IFCLABEL('x'),*);\n",
      "#3=IFCPROPERTYSINGLEVALUE('W\xC3\xA4rme','W\xE4rme',IFCBOOLEAN(.T.),$);\n",
      "#4=IFCPROPERTYSINGLEVALUE( 'blank before' ,/* comment */'after a comment',$,$);\n",
      "#5=IFCPROPERTYSINGLEVALUE('tab\there','back\\\\slash',IFCLOGICAL(.U.),$);\n",
      "#6=IFCPROPERTYSINGLEVALUE('',' ',$);\n",
      "#7=IFCPROPERTYSINGLEVALUE('del\x7F','two\nlines',$,$);\n",
      "#8=IFCWALL('3W0000001008000000000H',$,'Wall','',$,$,$,'T-1',.SOLIDWALL.);\n",
      "#9=IFCPROPERTYSINGLEVALUE('a',$,IFCINTEGER(-42),#8);\n",
      "#10=IFCPROPERTYSINGLEVALUE('b',*,IFCREAL(1.5E-3),#0008);\n",
      "#11=IFCPROPERTYSINGLEVALUE('c',$,IFCREAL(+2.),$);\n#12=IFCQUANTITYLENGTH('L',$,$,-0.,$);\n",
      "#13=IFCQUANTITYCOUNT('n',$,$,+7,$);\n#14=IFCQUANTITYCOUNT('n',$,$,9223372036854775807,$);\n",
      "#15=IFCPROPERTYSINGLEVALUE('d',$,IFCLOGICAL(.F.),$);\n#16=IFCPROPERTYENUMERATEDVALUE('e',$,(.A.,.B.),$);\n",
      "#17=IFCPROPERTYSINGLEVALUE('f',$,IfcLabel('lower'),$);\n#18=IFCPROPERTYSINGLEVALUE('g',$,IFCLABEL( 'x'),$);\n",
      "#19=IFCPROPERTYSINGLEVALUE('h',$,IFCLABEL('x') "
      ",$);\n#20=IFCWALL('3W0000001008000000000I',$,$,$,$,$,$,$,.solid.);\n",
      "#21=IFCPROPERTYSINGLEVALUE('i',$,IFC_X-Y('x'),$);\n#22=IFCPROPERTYSINGLEVALUE('j',$,IFCA(IFCB('x')),$);\n",
  };
  std::string data;
  for (const std::string& instance : instances) {
    data += instance;
  }
  const std::string text = IfcFile(data);
  Ifc::Model model;
  ASSERT_TRUE(Succeeded(model.Read(text.data(), text.size(), "m.ifc")));
  const ReaderModelView view(model);
  for (std::uint32_t i = 0; i < model.InstanceCount(); ++i) {
    const InstanceIndex index(i);
    std::vector<std::string> names = view.AttributeNames(index);
    names.push_back("NoSuchAttribute");
    for (const std::string& name : names) {
      ModelValue read;
      read.kind = ModelValue::Kind::Integer;  // what a caller's value held before
      const bool found = view.Attribute(index, name, read);
      const std::optional<Ifc::Value> parsed = model.Attribute(index, name);
      ASSERT_EQ(found, parsed.has_value()) << instances[i] << name;
      if (found) {
        EXPECT_EQ(Described(read), Described(ToModelValue(Ifc::Value(*parsed)))) << instances[i] << name;
      }
    }
  }
}

}  // namespace
}  // namespace Ids
