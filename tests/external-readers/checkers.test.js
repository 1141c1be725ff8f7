// The checkers themselves, on hand-made files: a correct export passes, and each kind of fault that
// an exporter could make is reported.
'use strict';

const assert = require('node:assert/strict');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const test = require('node:test');
const { openIfcFile } = require('./lib/ifc-file');
const { validate, tablesFor } = require('./lib/schema');
const { checkExport } = require('./lib/check-export');
const { classification, relationName, single, reference, temperature } = require('./expected-contributions');

const SAMPLE = path.resolve(__dirname, '../../examples/model/sample-building.ifc');
const SLAB = 'E0000000-0000-4000-8000-000000000012';
const WALL = 'E0000000-0000-4000-8000-000000000011';

// What fixtures/handmade-export.ifc adds to the sample model.
const expected = {
  properties: {
    [SLAB]: {
      Example_Construction: {
        Layers: { kind: 'IfcPropertyListValue', values: [['IFCLABEL', 'Screed 60 mm'], ['IFCLABEL', 'Concrete \u2265 200 mm']] },
        Thickness: single(['IFCLENGTHMEASURE', 0.1]),
        Temperature: { kind: 'IfcPropertyBoundedValue', upper: temperature(303.15), lower: temperature(283.15), setPoint: temperature(293.15) },
      },
    },
    [WALL]: { Pset_WallCommon: { IsExternal: single(['IFCBOOLEAN', true]) } },
  },
  attributes: { [SLAB]: { Name: 'Floor slab S-01 (screed)' } },
  classification,
  references: { [SLAB]: [reference('22.20', 'Floors')] },
  relationName,
  groups: [
    { entity: 'IfcGroup', name: 'Fire compartment FC-1', members: [WALL, SLAB] },
    { entity: 'IfcDistributionSystem', name: 'Heating', members: ['E0000000-0000-4000-8000-000000000021'], services: ['B0000000-0000-4000-8000-000000000001'] },
  ],
};

const original = fs.readFileSync(path.join(__dirname, 'fixtures/handmade-export.ifc'), 'latin1');
const scratch = fs.mkdtempSync(path.join(os.tmpdir(), 'ifc-checkers-'));

// Problems that the two checkers report for the sample model and the hand-made export, its text edited.
async function problemsWith(edit) {
  const file = path.join(scratch, 'edited.ifc');
  fs.writeFileSync(file, edit(original), 'latin1');
  const [input, output] = [await openIfcFile(SAMPLE), await openIfcFile(file)];
  try {
    return [...validate(input), ...validate(output), ...checkExport(input, output, expected)];
  } finally {
    input.close();
    output.close();
  }
}

test('the sample model and a correct hand-made export pass both checks', async () => {
  assert.deepEqual(await problemsWith((text) => text), []);
});

test('the schema check reports each kind of invalid instance', async () => {
  const file = await openIfcFile(path.join(__dirname, 'fixtures/invalid-instances.ifc'));
  const problems = validate(file).join('\n');
  file.close();
  for (const fault of [
    /#2=IfcObject: IfcObject is abstract/,
    /#3=IfcWall: 8 attributes, IfcWall has 9/,
    /#4=IfcWall: required GlobalId is unset/,
    /#5=IfcPropertySingleValue: NominalValue IfcLengthMeasure holds "long", not a REAL value/,
    /#6=IfcWall: OwnerHistory refers to #99, which is not in the file/,
    /#7=IfcRelAggregates: RelatingObject refers to #1, an IfcCartesianPoint, not an IfcObjectDefinition/,
    /#8=IfcWall: Name holds .*, not a IfcLabel/,
    /#9=IfcWall: GlobalId 2YvctVUKr0kugbFTf53O9L is also that of #6/,
    /#10=IfcWall: GlobalId "5YvctVUKr0kugbFTf53O9" is not 22 characters/,
    /#12=IfcPropertyListValue: ListValues is an empty list/,
    /#13=IfcPropertySingleValue: NominalValue typed value of unknown type/,
  ]) {
    assert.match(problems, fault);
  }
  assert.doesNotMatch(problems, /#11=/, 'a derived value stands where the schema has one');
});

test('IFC2X3 files are checked against the IFC2X3 tables, not the IFC4 ones', async () => {
  const file = await openIfcFile(path.join(__dirname, 'fixtures/invalid-ifc2x3.ifc'));
  const tables = tablesFor(file.schema);
  const problems = validate(file);
  file.close();
  assert.deepEqual(tables.entities.get('IFCCLASSIFICATIONREFERENCE').attributes.map((a) => a.name), ['Location', 'ItemReference', 'Name', 'ReferencedSource']);
  assert.ok(!tables.entities.has('IFCBUILDINGSYSTEM') && !tables.definedTypes.has('IFCDATE'));
  assert.deepEqual(problems.sort(), [
    '#11=IfcPropertySet: required OwnerHistory is unset',
    '#21=IfcPropertyBoundedValue: 6 attributes, IfcPropertyBoundedValue has 5',
    '#23=IfcClassification: required Edition is unset',
    '#23=IfcClassification: required Source is unset',
    '#25=IfcClassificationReference: 6 attributes, IfcClassificationReference has 4',
  ]);
});

test('the export check reports each kind of wrong export', async () => {
  const cases = [
    [(t) => t.replace('IFCLENGTHMEASURE(0.1)', 'IFCLENGTHMEASURE(0.10000000000000002)'), /Thickness: value is IFCLENGTHMEASURE\("0.10000000000000002"\)/],
    [(t) => t.replace('IFCLENGTHMEASURE(0.1)', 'IFCPOSITIVELENGTHMEASURE(0.1)'), /Thickness: value is IFCPOSITIVELENGTHMEASURE/],
    [(t) => t.replace("IFCLABEL('Concrete \\X2\\2265\\X0\\ 200 mm')", "IFCLABEL('Concrete \\X2\\2264\\X0\\ 200 mm')"), /Layers: values are/],
    [(t) => t.replace(',$,IFCTHERMODYNAMICTEMPERATUREMEASURE(293.15));', ',$,$);'), /Temperature: setPoint is null/],
    [(t) => t.replace('(#58,#70),$,#210', '(#58),$,#210'), /Fire compartment FC-1: members #58/],
    [(t) => t.replace('#214=IFCRELSERVICESBUILDINGS', '#214=IFCRELASSIGNSTOGROUP').replace(",#212,(#26));", ",(#26),$,#212);"), /Heating: 2 IfcRelAssignsToGroup/],
    [(t) => t.replace(/^#19=.*\n/m, ''), /input #19=IfcCartesianPoint is missing/],
    [(t) => t.replace("'S-01',.FLOOR.", "'S-1',.FLOOR."), /input #70 Tag changed/],
    [(t) => t.replace("(#107,#201)", '(#201)'), /input #108 HasProperties changed/],
    [(t) => t.replace('(#58),#108);', '(#58),#205);'), /input #109 RelatingPropertyDefinition changed/],
    [(t) => t.replace('(#202,#203,#204)', '(#202,#203,#204,#203)'), /two properties named Thickness/],
    [(t) => t.replace('#214=', "#215=IFCPROPERTYSET('2K7tjdmYj3NgqgMu0jwVgG',$,'Example_Construction',$,(#201));\n#216=IFCRELDEFINESBYPROPERTIES('2vR$IKzqv7TO2bU43nUWC7',$,$,$,(#70),#215);\n#214="), /two property sets named Example_Construction/],
    [(t) => t.replace('#214=', "#215=IFCCLASSIFICATIONREFERENCE('https://classification.example/ebc/22.20','22.20','Floors',#207,$,$);\n#214="), /#215 repeats IfcClassificationReference #208/],
    [(t) => t.replace("'Floor slab S-01 (screed)'", "'Floor slab S-01'"), /#70 Name is "Floor slab S-01", expected/],
    [(t) => t.replace('(#70),#205);', '(#70,#62),#205);'), /#62: property set Example_Construction \(#205\) that no contribution asked for/],
    [(t) => t.replace('(#70),#208);', '(#70,#62),#208);'), /#62: classification references that no contribution asked for/],
    [(t) => t.replace("(#58,#70),$,#210", "(#58,#70,#300),$,#210"), /refers to #300, which is not in the file/],
  ];
  for (const [edit, fault] of cases) {
    assert.match((await problemsWith(edit)).join('\n'), fault);
  }
});
