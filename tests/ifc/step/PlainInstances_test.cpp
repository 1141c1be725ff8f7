// An instance written plainly (on one line, no blanks between its tokens) is read by a scan of its
// bytes; the same instance with a blank before its ';' is read token by token. Both readings must
// give the same index, values, GlobalIds, flaws and errors, for what that scan takes and for all it
// gives back.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "StatusAssertions.h"
#include "ifc/step/Model.h"
#include "tests/ifc/IfcFileText.h"

namespace Ifc {
namespace {

struct Reading {
  bool read = false;
  std::string error;
  std::vector<std::string> instances;  // number, line, entity, arguments' bounds and values
  std::vector<std::string> flaws;
  std::vector<std::uint32_t> rooted;
};

// An instance's text without the blank before its ';'.
std::string Unblanked(std::string_view text) {
  std::string out(text);
  if (out.size() >= 3 && out.compare(out.size() - 3, 3, ") ;") == 0) {
    out.erase(out.size() - 2, 1);
  }
  return out;
}

Reading Read(const std::string& text) {
  Model model;
  Reading reading;
  const Status read = model.Read(text.data(), text.size(), "m.ifc");
  reading.read = static_cast<bool>(read);
  reading.error = FailureText(read);
  if (!reading.read) {
    return reading;
  }
  for (std::uint32_t i = 0; i < model.InstanceCount(); ++i) {
    const InstanceIndex index(i);
    const InstanceRecord& record = model.Record(index);
    std::string values;
    for (const Value& value : model.Attributes(index)) {
      values += value.ToStep() + "|";
    }
    reading.instances.push_back(std::to_string(record.number) + " " + std::to_string(model.Line(index)) + " " +
                                std::to_string(record.entity.Index()) + " " + std::to_string(record.argument) + " " +
                                std::to_string(record.close) + " " + Unblanked(model.Text(index)) + " " + values);
  }
  for (const FlawKind kind : kAllFlawKinds) {
    const FlawReport& report = model.GetFlaws().Of(kind);
    reading.flaws.push_back(std::to_string(report.count));
    reading.flaws.insert(reading.flaws.end(), report.examples.begin(), report.examples.end());
    for (const InstanceIndex instance : report.instances) {
      reading.flaws.push_back(std::to_string(instance.Value()));
    }
  }
  for (const Model::Rooted& entry : model.RootedInstances()) {
    reading.rooted.push_back(entry.index.Value());
    reading.rooted.push_back(model.FindByGlobalId(entry.guid).Value());
  }
  return reading;
}

// `data` with a blank before the ';' that ends each instance.
std::string WithBlanks(std::string data) {
  for (std::size_t at = data.find(");"); at != std::string::npos; at = data.find(");", at + 3)) {
    if (data.compare(at + 2, 1, "\n") == 0 || data.compare(at + 2, 2, "\r\n") == 0) {
      data.insert(at + 1, " ");
    }
  }
  return data;
}

TEST(PlainInstances, AreReadAsTokenByToken) {
  const std::string wall = "#1=IFCWALL('3W0000001008000000000H',$,$,$,$,$,$,$,$);\n";
  const std::string property = "#3=IFCPROPERTYSINGLEVALUE('a',$,";
  const std::vector<std::string> cases = {
      // What the scan reads.
      wall,
      wall + "#2=IFCPROPERTYSINGLEVALUE('It''s','a\\X2\\00E4\\X0\\b\\\\c',IFCLABEL('x'),$);\n",
      wall + "#2=IFCPROPERTYSINGLEVALUE('W\xC3\xA4rme','',IFCBOOLEAN(.T.),*);\n",
      wall + "#2=IFCCARTESIANPOINT((1.,-1.5E-3,1.0e+2));\n#3=IFCCARTESIANPOINT((+4.,0.5,-0.));\n",
      wall + property + "IFCINTEGER(123456789012345678),$);\n",
      wall + "#2=IFCQUANTITYLENGTH('Length',$,$,6.50,$);\n",
      wall + "#2=IFCPROPERTYSET('3W0000001008000000000I',$,'n',$,(#3,#4));\n" + property + "$,$);\n" +
          "#4=IFCPROPERTYSINGLEVALUE('b',$,$,$);\n",
      wall + "#2=IFCCARTESIANPOINTLIST3D(((0.,0.,0.),(1.,1.,1.)),$);\n",
      wall + "#2=IFCCARTESIANPOINTLIST3D((),$);\n",
      "#1=IFCCARTESIANPOINT((0.,0.,0.));\r\n#2=IFCAXIS2PLACEMENT3D(#1,$,$);\r\n#3=IFCLOCALPLACEMENT($,#2);\r\n",
      // What it gives back: flaws.
      wall + "#2=IFCPROPERTYSINGLEVALUE('W\xE4rme',$,$,$);\n",
      wall + "#2=IFCPROPERTYSINGLEVALUE('Heat transmittance of the outer W\xE4rme',$,$,$);\n",
      wall + "#2=IFCPROPERTYSINGLEVALUE('A name long enough to be read in blocks, it''s said',$,$,$);\n",
      wall + "#2=IFCPROPERTYSINGLEVALUE('A name long enough to be read in blocks \\X2\\00E4\\X0\\',$,$,$);\n",
      wall + "#2=IFCPROPERTYSINGLEVALUE('A name long enough to be read in blocks \\X2\\00\\X0\\',$,$,$);\n",
      wall + "#2=IFCPROPERTYSINGLEVALUE('A name long enough to be read in blocks\nand on',$,$,$);\n",
      wall + "#2=IFCPROPERTYSINGLEVALUE('a',$,IfcLabel('x'),$);\n",
      wall + "#2=IfcPropertySingleValue('a',$,$,$);\n",
      wall + "#2=IFCPROPERTYSINGLEVALUE('a',$,$);\n",
      wall + "#2=IFCPROPERTYSINGLEVALUE('a',$,$,$,$);\n",
      wall + "#2=IFCWALL('3W0000001008000000000H',$,$,$,$,$,$,$,$);\n",
      wall + "#2=IFCLOCALPLACEMENT(#999,$);\n",
      wall + "#2=IFCLOCALPLACEMENT(#1234567890123456789,$);\n",
      wall + "#2=IFCAXIS2PLACEMENT3D(IFCCARTESIANPOINT(#1),$,$);\n",
      // References of a wrong type: to an instance read before or after, beyond the numbers whose
      // entity is kept while reading, in a list, in one instance on two lines, to itself.
      wall + "#2=IFCPROPERTYSET('3W0000001008000000000I',$,'n',$,(#1,#3,#70000));\n" + property + "$,$);\n" +
          "#70000=IFCWALL('3W0000001008000000000J',$,$,$,$,$,$,$,$);\n",
      wall + "#2=IFCAXIS2PLACEMENT3D(#3,#1,#70000);\n#3=IFCDIRECTION((1.,0.,0.));\n" +
          "#70000=IFCCARTESIANPOINT((0.,0.,0.));\n",
      wall + "#2=IFCLOCALPLACEMENT($,\n#1);\n#3=IFCAXIS2PLACEMENT3D(#1,\n$,\n#3);\n",
      wall +
          "#2=IFCSLAB('3W0000001008000000000I',#1,$,$,$,$,$,$,$);\n#012=IFCSLAB('3W0000001008000000000K',#01,$,$,$,$,"
          "$,$,$);\n",
      // Faults.
      wall + "#2=IFCPROPERTYSINGLEVALUE('a\\X2\\00\\X0\\',$,$,$);\n",
      wall + property + "IFCINTEGER(99999999999999999999),$);\n",
      wall + property + "IFCINTEGER(1234567890123456789),$);\n",
      wall + property + "IFCREAL(1E5),$);\n",
      wall + property + "IFCREAL(1.5.3),$);\n",
      wall + property + "IFCREAL(+.5),$);\n",
      wall + property + "IFCREAL(-),$);\n",
      wall + property + "IFCLABEL(),$);\n",
      wall + property + "IFCLABEL('a','b'),$);\n",
      wall + property + "IFCBOOLEAN(.T),$);\n",
      wall + property + "IFCBINARY(\"0AB\"),$);\n",
      wall + property + "$$);\n",
      wall + property + "$,,$);\n",
      wall + property + "$,);\n",
      wall + "#2=IFCCARTESIANPOINT((,1.));\n",
      wall + "#2=IFCCARTESIANPOINT((1.,2.,));\n",
      wall + "#2=IFCLOCALPLACEMENT(#0,$);\n",
      wall + "#2=IFCLOCALPLACEMENT(#99999999999999999999,$);\n",
      wall + "#2=IFCLOCALPLACEMENT(#1a,$);\n",
      wall + "#2=IFCLOCALPLACEMENT(#,$);\n",
      wall + "#2=IFCWALL('3W00000010080000',$,$,$,$,$,$,$,$);\n",
      wall + "#2=IFCWALL($,$,$,$,$,$,$,$,$);\n",
      wall + "#2=IFCWALL(IFCLABEL('3W0000001008000000000I'),$,$,$,$,$,$,$,$);\n",
      wall + "#2=IFCROOT('3W0000001008000000000I',$,$,$);\n",
      wall + "#2=IFCNOSUCHTHING($);\n",
      wall + "#2=IFCPROPERTYSINGLEVALUE('a\nb',$,$,$);\n" + wall,
      wall + "#2=IFCPROPERTYSINGLEVALUE('a',$,$,$)",
      wall + "#2=IFCCARTESIANPOINT(" + std::string(70, '(') + "1." + std::string(70, ')') + ");\n",
  };
  for (const std::string& data : cases) {
    const Reading plain = Read(IfcFile(data));
    const Reading tokens = Read(IfcFile(WithBlanks(data)));
    EXPECT_EQ(plain.read, tokens.read) << data;
    EXPECT_EQ(plain.error, tokens.error) << data;
    EXPECT_EQ(plain.flaws, tokens.flaws) << data;
    EXPECT_EQ(plain.rooted, tokens.rooted) << data;
    ASSERT_EQ(plain.instances.size(), tokens.instances.size()) << data;
    for (std::size_t i = 0; i < plain.instances.size(); ++i) {
      EXPECT_EQ(plain.instances[i], tokens.instances[i]) << data;
    }
  }
}

// The flaws found while reading name what the token-by-token reading names, in file order.
TEST(PlainInstances, WrongReferenceTypesAreCountedInFileOrder) {
  const std::string data =
      "#1=IFCWALL('3W0000001008000000000H',$,$,$,$,$,$,$,$);\n"
      "#2=IFCAXIS2PLACEMENT3D(#70000,#1,#3);\n#3=IFCCARTESIANPOINT((0.,0.,0.));\n"
      "#70000=IFCWALL('3W0000001008000000000J',$,$,$,$,$,$,$,$);\n"
      "#4=IFCLOCALPLACEMENT(\n#1,$);\n";
  Model model;
  const std::string text = IfcFile(data);
  ASSERT_TRUE(Succeeded(model.Read(text.data(), text.size(), "m.ifc")));
  const FlawReport& report = model.GetFlaws().Of(FlawKind::ReferenceType);
  EXPECT_EQ(report.examples,
            (std::vector<std::string>{
                "m.ifc:9: #2: Location refers to #70000, an IFCWALL, where the schema takes IFCCARTESIANPOINT",
                "m.ifc:9: #2: Axis refers to #1, an IFCWALL, where the schema takes IFCDIRECTION",
                "m.ifc:9: #2: RefDirection refers to #3, an IFCCARTESIANPOINT, where the schema takes IFCDIRECTION",
                "m.ifc:13: #4: PlacementRelTo refers to #1, an IFCWALL, where the schema takes IFCOBJECTPLACEMENT",
            }));
}

}  // namespace
}  // namespace Ifc
