// The export tool in every schema it reads: the three real IFC2X3 models and the sample building in
// IFC2X3 and IFC4X3_ADD2, enriched by the add-on that contributes everything to every element
// (tests/exporter/addons/EveryElementAddOn.cpp), read back with web-ifc. Each output keeps its
// schema, every instance the tool wrote is valid in it (web-ifc's own tables for IFC2X3 and IFC4X3),
// and every contribution is there as that schema can hold it; what it cannot hold is missing and
// named in a warning, never written.
'use strict';

const assert = require('node:assert/strict');
const fs = require('node:fs');
const path = require('node:path');
const test = require('node:test');
const { openIfcFile } = require('./lib/ifc-file');
const { validate, tablesFor, isSubtype } = require('./lib/schema');
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

const text = (raw) => (raw && (raw.type === 1 || raw.type === 2) ? raw.value : null);
const refs = (list) => (Array.isArray(list) ? list.map((r) => r.value) : list && list.type === 5 ? [list.value] : []);

function hasAttribute(tables, entity, attribute) {
  const e = tables.entities.get(entity.toUpperCase());
  return Boolean(e && e.attributes.some((a) => a.name === attribute));
}

function argument(tables, instance, name) {
  const index = tables.entities.get(instance.entity.toUpperCase()).attributes.findIndex((a) => a.name === name);
  return index < 0 ? undefined : instance.args[index];
}

// Instances the tool wrote: numbers above the input's largest, and input instances whose text changed.
function writtenIds(inputText, outputText) {
  const lines = (t) => new Map([...t.matchAll(/^#(\d+)\s*=(.*?);\r?$/gms)].map((m) => [Number(m[1]), m[2]]));
  const before = lines(inputText);
  const ids = new Set();
  for (const [id, body] of lines(outputText)) if (before.get(id) !== body) ids.add(id);
  return ids;
}

// The properties of each element's sets by set name, as { setName: { propertyName: instance } }.
function propertiesByElement(file, tables) {
  const result = new Map();
  for (const relation of file.instances.values()) {
    if (relation.entity !== 'IfcRelDefinesByProperties') continue;
    const set = file.instances.get(argument(tables, relation, 'RelatingPropertyDefinition').value);
    if (!set || set.entity !== 'IfcPropertySet') continue;
    const properties = {};
    for (const id of refs(argument(tables, set, 'HasProperties'))) {
      const property = file.instances.get(id);
      properties[text(property.args[0])] = property;
    }
    for (const element of refs(argument(tables, relation, 'RelatedObjects'))) {
      if (!result.has(element)) result.set(element, {});
      result.get(element)[text(set.args[2])] = properties;
    }
  }
  return result;
}

for (const input of INPUTS) {
  test(`${path.basename(input)}: every contribution as its schema can hold it`, async () => {
    const run = exportFile(path.join(ROOT, input), required('IFCAPI_EVERY_ELEMENT_ADDON'), `every-${path.basename(input)}`);
    assert.equal(run.status, 0, run.stderr);
    const inputText = fs.readFileSync(path.join(ROOT, input), 'latin1');
    const outputText = fs.readFileSync(run.output, 'latin1');
    const [before, file] = [await openIfcFile(path.join(ROOT, input)), await openIfcFile(run.output)];
    try {
      assert.equal(file.schema, before.schema, 'the output changed the schema');
      const tables = tablesFor(file.schema);
      const written = writtenIds(inputText, outputText);
      assert.deepEqual(validate(file, tables).filter((p) => written.has(Number(/^#(\d+)/.exec(p)?.[1]))), []);

      // Line ends: a CR LF input gets no bare LF.
      if (inputText.includes('\r\n')) assert.ok(!/[^\r]\n/.test(outputText), 'a CR LF input got lines ending in LF alone');
      // Reals in their shortest form: never eighteen or more digits in a row outside strings.
      assert.match(outputText, /IFCREAL\(-7\.894483946549541E17\)/);
      for (const id of written) {
        const line = outputText.match(new RegExp(`^#${id}=.*$`, 'm'));
        if (line) assert.ok(!/\d{18,}/.test(line[0].replace(/'(?:[^']|'')*'/g, "''")), line[0]);
      }

      const elements = [...before.instances.values()].filter((i) => isSubtype(tables, i.entity, 'IfcObject'));
      assert.ok(elements.length > 0);
      const byElement = propertiesByElement(file, tables);
      const setPoint = hasAttribute(tables, 'IfcPropertyBoundedValue', 'SetPointValue');
      const hasDate = tables.definedTypes.has('IFCDATE');
      // IFC2X3's IfcLabel is a plain STRING; IFC4 and IFC4X3 bound it to 255 characters.
      const labelBounded = file.schema !== 'IFC2X3';
      const fitting = [...(hasDate ? ['InspectedOn'] : []), ...(labelBounded ? [] : ['TooLongLabel'])];
      for (const element of elements) {
        const sets = byElement.get(element.id) || {};
        const common = sets.IfcapiTest_Common || {};
        const where = `#${element.id} (${element.entity})`;
        assert.deepEqual(Object.keys(common).sort(), ['Checked', 'Efficiency', 'Grade', 'LargeReal', 'Layers', 'Tolerance', 'Width'], where);
        assert.equal(common.Checked.entity, 'IfcPropertySingleValue');
        assert.equal(Number(common.LargeReal.args[2].value), -7.894483946549541e17);
        assert.equal(common.Tolerance.entity, 'IfcPropertyBoundedValue');
        assert.equal(common.Tolerance.args.length, setPoint ? 6 : 5, `${where}: bounded value attributes`);
        if (setPoint) assert.equal(Number(common.Tolerance.args[5].value), 0);
        assert.equal(common.Layers.entity, 'IfcPropertyListValue');
        assert.equal(common.Grade.entity, 'IfcPropertyEnumeratedValue');
        assert.equal(common.Efficiency.entity, 'IfcPropertyTableValue');
        const rules = sets.IfcapiTest_Rules || {};
        assert.deepEqual(Object.keys(rules), fitting, `${where}: what breaks a rule is never written`);
        if (!labelBounded) assert.equal(text(rules.TooLongLabel.args[2]), 'x'.repeat(300), where);
        const enumerated = sets.IfcapiTest_Enumerations || {};
        assert.deepEqual(Object.keys(enumerated).sort(), ['Colour', 'Finish', 'Shade'], where);
        const after = file.instances.get(element.id);
        assert.equal(text(argument(tables, after, 'Description')), 'Described by the test\'s add-on', where);
        assert.equal(text(argument(tables, after, 'ObjectType')), 'Tested', where);
      }

      // Enumeration names are unique in the file.
      const names = [...file.instances.values()].filter((i) => i.entity === 'IfcPropertyEnumeration').map((i) => text(i.args[0]));
      assert.equal(new Set(names).size, names.length, `enumeration names repeat: ${names}`);
      assert.ok(names.includes('IfcapiTest_Colours') && names.includes('IfcapiTest_Colours (2)'), `${names}`);

      // Classification references: the identification under the schema's own attribute name, the
      // classification with what the schema has of it.
      const references = [...file.instances.values()].filter((i) => i.entity === 'IfcClassificationReference' && written.has(i.id));
      const identification = hasAttribute(tables, 'IfcClassificationReference', 'Identification') ? 'Identification' : 'ItemReference';
      const full = references.find((r) => text(argument(tables, r, identification)) === '10');
      const bare = references.find((r) => text(argument(tables, r, identification)) === 'B-1');
      assert.ok(full && bare, 'a classification reference is missing');
      const classification = file.instances.get(argument(tables, full, 'ReferencedSource').value);
      assert.equal(text(argument(tables, classification, 'Source')), 'Test Board');
      const date = argument(tables, classification, 'EditionDate');
      if (date.type === 5) {
        assert.deepEqual(file.instances.get(date.value).args.map((a) => a.value), [15, 1, 2024]);
      } else {
        assert.equal(text(date), '2024-01-15');
      }
      // IFC2X3 requires a source and an edition, which the bare classification lacks.
      const bareSource = argument(tables, bare, 'ReferencedSource');
      const required = tables.entities.get('IFCCLASSIFICATION').attributes.find((a) => a.name === 'Source');
      assert.equal(bareSource === null, !required.optional);

      // Groups: all five kinds, each with every element; a kind the schema lacks stands as its
      // nearest supertype, with the kind as ObjectType.
      const groups = [...file.instances.values()].filter((i) => written.has(i.id) && isSubtype(tables, i.entity, 'IfcGroup'));
      const kinds = groups.map((g) => (tables.entities.has(g.entity.toUpperCase()) ? text(argument(tables, g, 'ObjectType')) || g.entity : g.entity)).sort();
      assert.deepEqual(kinds, ['IfcBuildingSystem', 'IfcDistributionCircuit', 'IfcDistributionSystem', 'IfcGroup', 'IfcSystem']);
      for (const kind of ['IfcBuildingSystem', 'IfcDistributionSystem', 'IfcDistributionCircuit']) {
        const group = groups.find((g) => g.entity === kind || text(argument(tables, g, 'ObjectType')) === kind);
        assert.equal(group.entity, tables.entities.has(kind.toUpperCase()) ? kind : 'IfcSystem');
      }
      const assigned = new Map();
      for (const relation of file.instances.values()) {
        if (relation.entity !== 'IfcRelAssignsToGroup' || !written.has(relation.id)) continue;
        const group = argument(tables, relation, 'RelatingGroup').value;
        assigned.set(group, [...(assigned.get(group) || []), ...refs(argument(tables, relation, 'RelatedObjects'))]);
      }
      for (const group of groups) {
        const members = new Set(assigned.get(group.id) || []);
        assert.ok(elements.every((e) => members.has(e.id)), `${group.entity} misses members`);
      }
      // What was left out is named in the warnings.
      const skipped = ['NegativeWidth', 'RatioAboveOne', 'OutsideItsEnumeration', ...(hasDate ? [] : ['InspectedOn'])];
      for (const name of [...skipped, ...(labelBounded ? ['TooLongLabel'] : [])]) {
        assert.match(run.stderr + run.stdout, new RegExp(name), `no warning names ${name}`);
      }
      if (!labelBounded) assert.doesNotMatch(run.stderr + run.stdout, /TooLongLabel/, 'a fitting label was warned about');
    } finally {
      before.close();
      file.close();
    }
  });
}
