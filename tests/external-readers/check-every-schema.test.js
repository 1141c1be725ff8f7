// The export tool in every schema it reads: the three real IFC2X3 models and the sample building in
// all three schemas, enriched by the add-on that contributes everything to every element
// (tests/exporter/addons/EveryElementAddOn.cpp), read back with web-ifc. Each output keeps its
// schema, every instance the tool wrote is valid in it, and every contribution is there as that
// schema can hold it; what it cannot hold is missing and named in a warning, never written.
'use strict';

const assert = require('node:assert/strict');
const path = require('node:path');
const test = require('node:test');
const { openIfcFile, text, refs } = require('./lib/ifc-file');
const { validate, tablesFor, isSubtype, argument } = require('./lib/schema');
const { exportFile, required } = require('./lib/export-run');

const ROOT = path.resolve(__dirname, '../..');
const INPUTS = [
  'tests/exporter/data/real-ifc/simple-wall.ifc',
  'tests/exporter/data/real-ifc/many-simple-walls.ifc',
  'tests/exporter/data/real-ifc/tall-building.ifc',
  'examples/model/sample-building-ifc2x3.ifc',
  'examples/model/sample-building-ifc4x3.ifc',
  'examples/model/sample-building.ifc',
];
const COMMON = {
  Checked: 'IfcPropertySingleValue',
  Efficiency: 'IfcPropertyTableValue',
  Grade: 'IfcPropertyEnumeratedValue',
  LargeReal: 'IfcPropertySingleValue',
  Layers: 'IfcPropertyListValue',
  Tolerance: 'IfcPropertyBoundedValue',
  Width: 'IfcPropertySingleValue',
};

const hasAttribute = (tables, entity, name) => tables.entities.get(entity.toUpperCase()).attributes.some((a) => a.name === name);
const ofEntity = (file, entity, written) => [...file.instances.values()].filter((i) => i.entity === entity && (!written || written.has(i.id)));

// Each element's property sets as { setName: { propertyName: instance } }, by element number.
function propertiesByElement(file, tables) {
  const result = new Map();
  for (const relation of ofEntity(file, 'IfcRelDefinesByProperties')) {
    const set = file.instances.get(argument(tables, relation, 'RelatingPropertyDefinition').value);
    if (!set || set.entity !== 'IfcPropertySet') continue;
    const properties = Object.fromEntries(refs(argument(tables, set, 'HasProperties')).map((id) => [text(file.instances.get(id).args[0]), file.instances.get(id)]));
    for (const element of refs(argument(tables, relation, 'RelatedObjects'))) {
      result.set(element, { ...result.get(element), [text(set.args[2])]: properties });
    }
  }
  return result;
}

// Every element has every property kind and both attributes; what breaks a rule is never written.
function checkElements(file, tables, elements, fitting) {
  const byElement = propertiesByElement(file, tables);
  const setPoint = hasAttribute(tables, 'IfcPropertyBoundedValue', 'SetPointValue');
  for (const element of elements) {
    const where = `#${element.id} (${element.entity})`;
    const sets = byElement.get(element.id) || {};
    const common = sets.IfcapiTest_Common || {};
    assert.deepEqual(Object.fromEntries(Object.entries(common).map(([name, p]) => [name, p.entity])), COMMON, where);
    assert.equal(Number(common.LargeReal.args[2].value), -7.894483946549541e17);
    assert.equal(common.Tolerance.args.length, setPoint ? 6 : 5, `${where}: bounded value attributes`);
    if (setPoint) assert.equal(Number(common.Tolerance.args[5].value), 0);
    const rules = sets.IfcapiTest_Rules || {};
    assert.deepEqual(Object.keys(rules), fitting, `${where}: what breaks a rule is never written`);
    if (rules.TooLongLabel) assert.equal(text(rules.TooLongLabel.args[2]), 'x'.repeat(300), where);
    assert.deepEqual(Object.keys(sets.IfcapiTest_Enumerations || {}).sort(), ['Colour', 'Finish', 'Shade'], where);
    const after = file.instances.get(element.id);
    assert.equal(text(argument(tables, after, 'Description')), "Described by the test's add-on", where);
    assert.equal(text(argument(tables, after, 'ObjectType')), 'Tested', where);
  }
  const names = ofEntity(file, 'IfcPropertyEnumeration').map((i) => text(i.args[0]));
  assert.equal(new Set(names).size, names.length, `enumeration names repeat: ${names}`);
  assert.ok(names.includes('IfcapiTest_Colours') && names.includes('IfcapiTest_Colours (2)'), `${names}`);
}

// The identification under the schema's own attribute name, the classification with what the
// schema has of it: IFC2X3 requires a source and an edition, which the bare classification lacks.
function checkClassification(file, tables, written) {
  const identification = hasAttribute(tables, 'IfcClassificationReference', 'Identification') ? 'Identification' : 'ItemReference';
  const references = ofEntity(file, 'IfcClassificationReference', written);
  const [full, bare] = ['10', 'B-1'].map((code) => references.find((r) => text(argument(tables, r, identification)) === code));
  assert.ok(full && bare, 'a classification reference is missing');
  const classification = file.instances.get(argument(tables, full, 'ReferencedSource').value);
  assert.equal(text(argument(tables, classification, 'Source')), 'Test Board');
  const date = argument(tables, classification, 'EditionDate');
  if (date.type === 5) assert.deepEqual(file.instances.get(date.value).args.map((a) => a.value), [15, 1, 2024]);
  else assert.equal(text(date), '2024-01-15');
  const source = tables.entities.get('IFCCLASSIFICATION').attributes.find((a) => a.name === 'Source');
  assert.equal(argument(tables, bare, 'ReferencedSource') === null, !source.optional);
}

// All five kinds of group, each with every element; a kind the schema lacks stands as IfcSystem with
// the kind as ObjectType.
function checkGroups(file, tables, written, elements) {
  const groups = [...file.instances.values()].filter((i) => written.has(i.id) && isSubtype(tables, i.entity, 'IfcGroup'));
  const kindOf = (g) => text(argument(tables, g, 'ObjectType')) || g.entity;
  assert.deepEqual(groups.map(kindOf).sort(), ['IfcBuildingSystem', 'IfcDistributionCircuit', 'IfcDistributionSystem', 'IfcGroup', 'IfcSystem']);
  for (const group of groups) {
    const kind = kindOf(group);
    assert.equal(group.entity, tables.entities.has(kind.toUpperCase()) ? kind : 'IfcSystem');
    const members = new Set(
      ofEntity(file, 'IfcRelAssignsToGroup', written)
        .filter((r) => argument(tables, r, 'RelatingGroup').value === group.id)
        .flatMap((r) => refs(argument(tables, r, 'RelatedObjects'))),
    );
    assert.ok(elements.every((e) => members.has(e.id)), `${group.entity} misses members`);
  }
}

for (const input of INPUTS) {
  test(`${path.basename(input)}: every contribution as its schema can hold it`, async () => {
    const run = exportFile(path.join(ROOT, input), required('IFCAPI_EVERY_ELEMENT_ADDON'), `every-${path.basename(input)}`);
    assert.equal(run.status, 0, run.stderr);
    const [before, file] = [await openIfcFile(path.join(ROOT, input)), await openIfcFile(run.output)];
    try {
      assert.equal(file.schema, before.schema, 'the output changed the schema');
      const tables = tablesFor(file.schema);
      // Instances the tool wrote: new numbers, and input instances whose text changed.
      const written = new Set([...file.lines].filter(([id, body]) => before.lines.get(id) !== body).map(([id]) => id));
      const numbered = (problem) => /^#(\d+)/.exec(problem)?.[1];
      assert.deepEqual(validate(file, tables).filter((p) => !numbered(p) || written.has(Number(numbered(p)))), []);
      if (before.source.includes('\r\n')) assert.ok(!/[^\r]\n/.test(file.source), 'a CR LF input got lines ending in LF alone');
      // Reals in their shortest form: never eighteen or more digits in a row outside strings.
      assert.match(file.source, /IFCREAL\(-7\.894483946549541E17\)/);
      for (const id of written) assert.doesNotMatch(file.lines.get(id).replace(/'(?:[^']|'')*'/g, "''"), /\d{18,}/, `#${id}`);

      const elements = [...before.instances.values()].filter((i) => isSubtype(tables, i.entity, 'IfcObject'));
      assert.ok(elements.length > 0);
      const hasDate = tables.definedTypes.has('IFCDATE');
      // IFC2X3's IfcLabel is a plain STRING; IFC4 and IFC4X3 bound it to 255 characters.
      const labelBounded = file.schema !== 'IFC2X3';
      checkElements(file, tables, elements, [...(hasDate ? ['InspectedOn'] : []), ...(labelBounded ? [] : ['TooLongLabel'])]);
      checkClassification(file, tables, written);
      checkGroups(file, tables, written, elements);
      const said = run.stderr + run.stdout;
      for (const name of ['NegativeWidth', 'RatioAboveOne', 'OutsideItsEnumeration', ...(hasDate ? [] : ['InspectedOn'])]) {
        assert.match(said, new RegExp(name), `no warning names ${name}`);
      }
      assert.equal(/TooLongLabel/.test(said), labelBounded, 'TooLongLabel is warned about where, and only where, it does not fit');
    } finally {
      before.close();
      file.close();
    }
  });
}
