// Compares an exported file with its input and with the contributions an add-on is expected to make
// (laid out as in tests/external-readers/expected-contributions.js); returns the differences, [] when the export
// is right. What it checks is listed in docs/export-tool-checks.md.
//
//   const problems = checkExport(await openIfcFile('in.ifc'), await openIfcFile('out.ifc'), expected);
'use strict';

const { isDeepStrictEqual } = require('node:util');
const { compress } = require('./guid');
const { text, refs } = require('./ifc-file');
const { tablesFor, isSubtype, argument } = require('./schema');

// Describes a raw typed value for messages.
function show(file, raw) {
  if (!raw || raw.type !== 2) return JSON.stringify(raw);
  return `${String(file.typeName(raw.typecode)).toUpperCase()}(${JSON.stringify(raw.value)})`;
}

// Does the raw value read back as [type, expected]? Reals must give back the very same double.
function sameValue(file, tables, raw, [type, expected]) {
  if (!raw || raw.type !== 2 || String(file.typeName(raw.typecode)).toUpperCase() !== type) return false;
  const underlying = tables.definedTypes.get(type).underlying;
  if (underlying === 'REAL' || underlying === 'NUMBER') return typeof raw.value === 'string' && Number(raw.value) === expected;
  if (underlying === 'LOGICAL' && expected === 'U') return raw.value === undefined;
  return raw.value === expected;
}

function indexFile(file, tables) {
  const byGlobalId = new Map();
  const byEntity = new Map();
  for (const instance of file.instances.values()) {
    const name = String(instance.entity);
    if (!byEntity.has(name)) byEntity.set(name, []);
    byEntity.get(name).push(instance);
    if (isSubtype(tables, name, 'IfcRoot') && instance.args[0]) byGlobalId.set(instance.args[0].value, instance);
  }
  return { byGlobalId, of: (entity) => byEntity.get(entity) || [] };
}

// Where each kind of property keeps its values: [argument, expectation field, is a list].
const PROPERTY_VALUES = {
  IfcPropertySingleValue: [[2, 'value']],
  IfcPropertyBoundedValue: [[2, 'upper'], [3, 'lower'], [5, 'setPoint']],
  IfcPropertyListValue: [[2, 'values', true]],
  IfcPropertyEnumeratedValue: [[2, 'values', true]],
  IfcPropertyTableValue: [[2, 'defining', true], [3, 'defined', true]],
};

function checkProperty(file, tables, where, property, expected, problems) {
  const wrong = (what) => problems.push(`${where}: ${what}`);
  if (property.entity !== expected.kind) return wrong(`is an ${property.entity}, expected an ${expected.kind}`);
  const values = (list, want, what) => {
    if (!Array.isArray(list) || list.length !== want.length || !list.every((raw, k) => sameValue(file, tables, raw, want[k]))) {
      wrong(`${what} are [${(list || []).map((raw) => show(file, raw)).join(', ')}], expected ${JSON.stringify(want)}`);
    }
  };
  for (const [k, field, isList] of PROPERTY_VALUES[expected.kind]) {
    const [raw, want] = [property.args[k], expected[field]];
    if (isList) values(raw, want, field);
    else if (want === null ? raw !== null : !sameValue(file, tables, raw, want)) wrong(`${field} is ${show(file, raw)}, expected ${JSON.stringify(want)}`);
  }
  if (expected.kind !== 'IfcPropertyEnumeratedValue') return;
  const enumeration = property.args[3] && file.instances.get(property.args[3].value);
  if (!enumeration || enumeration.entity !== 'IfcPropertyEnumeration') return wrong('has no IfcPropertyEnumeration');
  values(enumeration.args[1], expected.enumeration, 'enumeration values');
}

// The property sets related to each element: element number -> [IfcPropertySet].
function propertySetsByElement(file, index) {
  const sets = new Map();
  for (const rel of index.of('IfcRelDefinesByProperties')) {
    const set = file.instances.get(rel.args[5] && rel.args[5].value);
    for (const element of refs(rel.args[4])) {
      if (!sets.has(element)) sets.set(element, []);
      if (set) sets.get(element).push(set);
    }
  }
  return sets;
}

function checkProperties(file, tables, index, expected, problems) {
  const sets = propertySetsByElement(file, index);
  const contributed = new Set(Object.keys(expected).map(compress));
  const repeated = (names) => names.filter((n, k) => names.indexOf(n) !== k);
  for (const [element, list] of sets) {
    repeated(list.map((set) => text(set.args[2]))).forEach((n) => problems.push(`#${element}: two property sets named ${n}`));
    for (const set of list) {
      const propertyNames = refs(set.args[4]).map((p) => text(file.instances.get(p) && file.instances.get(p).args[0]));
      repeated(propertyNames).forEach((n) => problems.push(`#${set.id} ${text(set.args[2])}: two properties named ${n}`));
    }
    // Elements without contributions keep only the sets they had.
    if (contributed.has(text(file.instances.get(element)?.args[0]))) continue;
    for (const set of list.filter((s) => !s.fromInput)) {
      problems.push(`#${element}: property set ${text(set.args[2])} (#${set.id}) that no contribution asked for`);
    }
  }
  for (const [guid, expectedSets] of Object.entries(expected)) {
    const element = index.byGlobalId.get(compress(guid));
    if (!element) {
      problems.push(`${guid}: element not in the output`);
      continue;
    }
    const list = sets.get(element.id) || [];
    for (const [setName, expectedProperties] of Object.entries(expectedSets)) {
      const set = list.find((s) => text(s.args[2]) === setName);
      if (!set) {
        problems.push(`#${element.id}: no property set ${setName}`);
        continue;
      }
      const properties = refs(set.args[4]).map((p) => file.instances.get(p)).filter(Boolean);
      for (const [name, want] of Object.entries(expectedProperties)) {
        const property = properties.find((p) => text(p.args[0]) === name);
        if (!property) problems.push(`#${element.id} ${setName}: no property ${name}`);
        else checkProperty(file, tables, `#${element.id} ${setName}.${name}`, property, want, problems);
      }
    }
    // Contributed sets hold nothing but what was contributed and what the input had.
    for (const set of list.filter((s) => expectedSets[text(s.args[2])])) {
      for (const property of refs(set.args[4]).map((p) => file.instances.get(p))) {
        const name = text(property && property.args[0]);
        if (!(name in expectedSets[text(set.args[2])]) && !(property && property.fromInput)) problems.push(`#${element.id} ${text(set.args[2])}: unexpected property ${name}`);
      }
    }
  }
}

function checkAttributes(file, tables, index, expected, problems) {
  for (const [guid, values] of Object.entries(expected)) {
    const element = index.byGlobalId.get(compress(guid));
    if (!element) continue;  // reported with the properties
    for (const [name, want] of Object.entries(values)) {
      const got = text(argument(tables, element, name));
      if (got !== want) problems.push(`#${element.id} ${name} is ${JSON.stringify(got)}, expected ${JSON.stringify(want)}`);
    }
  }
}

function checkReferences(file, index, expected, problems) {
  const classifications = index.of('IfcClassification');
  const wantedClassification = expected.classification;
  const names = ['Source', 'Edition', 'EditionDate', 'Name', 'Description', 'Location'];
  const matching = classifications.filter((c) => names.every((n, k) => text(c.args[k]) === wantedClassification[n]));
  if (matching.length !== 1) problems.push(`${matching.length} IfcClassification with ${JSON.stringify(wantedClassification)}, expected 1`);
  const key = (r) => JSON.stringify([text(r.args[0]), text(r.args[1]), text(r.args[2])]);
  const seen = new Map();
  for (const r of index.of('IfcClassificationReference')) {
    if (seen.has(key(r))) problems.push(`#${r.id} repeats IfcClassificationReference #${seen.get(key(r))}`);
    seen.set(key(r), r.id);
    const source = file.instances.get(r.args[3] && r.args[3].value);
    if (matching.length === 1 && (!source || source.id !== matching[0].id)) problems.push(`#${r.id}: ReferencedSource is not the classification`);
  }
  const byElement = new Map();
  const relations = new Set();
  for (const rel of index.of('IfcRelAssociatesClassification')) {
    if (relations.has(rel.args[5].value)) problems.push(`#${rel.id}: a second relation for reference #${rel.args[5].value}`);
    relations.add(rel.args[5].value);
    if (text(rel.args[2]) !== expected.relationName) problems.push(`#${rel.id}: Name ${JSON.stringify(text(rel.args[2]))}, expected ${JSON.stringify(expected.relationName)}`);
    const r = file.instances.get(rel.args[5].value);
    for (const element of refs(rel.args[4])) {
      if (!byElement.has(element)) byElement.set(element, []);
      byElement.get(element).push(r);
    }
  }
  for (const element of byElement.keys()) {
    const instance = file.instances.get(element);
    const guid = instance && instance.args[0] && instance.args[0].value;
    if (!Object.keys(expected.references).some((g) => compress(g) === guid)) problems.push(`#${element}: classification references that no contribution asked for`);
  }
  for (const [guid, want] of Object.entries(expected.references)) {
    const element = index.byGlobalId.get(compress(guid));
    if (!element) continue;
    const got = (byElement.get(element.id) || []).map((r) => ({ Location: text(r.args[0]), Identification: text(r.args[1]), Name: text(r.args[2]) }));
    const order = (list) => [...list].sort((x, y) => x.Identification.localeCompare(y.Identification));
    if (!isDeepStrictEqual(order(got), order(want))) problems.push(`#${element.id} references ${JSON.stringify(got)}, expected ${JSON.stringify(want)}`);
  }
}

function checkGroups(index, expected, problems) {
  const found = new Map();
  for (const group of expected) {
    const matches = index.of(group.entity).filter((g) => text(g.args[2]) === group.name);
    if (matches.length !== 1) problems.push(`${matches.length} ${group.entity} named ${group.name}, expected 1`);
    else found.set(group.name, matches[0]);
  }
  const idOf = (member) => (typeof member === 'string' ? index.byGlobalId.get(compress(member)) : found.get(member.group));
  const sameMembers = (got, want) => isDeepStrictEqual([...got].sort(), want.map((m) => idOf(m) && idOf(m).id).sort());
  for (const group of expected) {
    const instance = found.get(group.name);
    if (!instance) continue;
    const assigns = index.of('IfcRelAssignsToGroup').filter((r) => r.args[6] && r.args[6].value === instance.id);
    if (assigns.length !== 1) problems.push(`${group.name}: ${assigns.length} IfcRelAssignsToGroup, expected 1`);
    else if (!sameMembers(refs(assigns[0].args[4]), group.members)) problems.push(`${group.name}: members #${refs(assigns[0].args[4]).join(', #')}, expected ${JSON.stringify(group.members)}`);
    const services = index.of('IfcRelServicesBuildings').filter((r) => r.args[4] && r.args[4].value === instance.id);
    const want = group.services || [];
    if (services.length !== (want.length > 0 ? 1 : 0)) problems.push(`${group.name}: ${services.length} IfcRelServicesBuildings, expected ${want.length > 0 ? 1 : 0}`);
    else if (services.length === 1 && !sameMembers(refs(services[0].args[5]), want)) problems.push(`${group.name}: serviced buildings #${refs(services[0].args[5]).join(', #')}, expected ${JSON.stringify(want)}`);
  }
}

// Every input instance is in the output with its number, entity and arguments. What contributions
// may change: the attributes that `changed` names (GlobalId -> attribute names); the properties of
// an input set, only by growing; and the set an input relation gives an element, only for a set of
// the same name that holds every property of the old one (a merged set written anew).
function checkInputKept(input, output, tables, changed, problems) {
  const propertiesKept = (before, after) => {
    const set = output.instances.get(after && after.value);
    const old = input.instances.get(before && before.value);
    return set && old && set.entity === 'IfcPropertySet' && isDeepStrictEqual(set.args[2], old.args[2]) && refs(old.args[4]).every((p) => refs(set.args[4]).includes(p));
  };
  for (const instance of input.instances.values()) {
    const out = output.instances.get(instance.id);
    if (!out || out.entity !== instance.entity) {
      problems.push(`input #${instance.id}=${instance.entity} is ${out ? `an ${out.entity}` : 'missing'} in the output`);
      continue;
    }
    out.fromInput = true;
    const names = tables.entities.get(instance.entity.toUpperCase()).attributes.map((a) => a.name);
    const allowed = changed[instance.args[0] && instance.args[0].value] || [];
    instance.args.forEach((arg, k) => {
      if (allowed.includes(names[k]) || isDeepStrictEqual(arg, out.args[k])) return;
      if (instance.entity === 'IfcPropertySet' && names[k] === 'HasProperties' && propertiesKept({ value: instance.id }, { value: out.id })) return;
      if (instance.entity === 'IfcRelDefinesByProperties' && names[k] === 'RelatingPropertyDefinition' && propertiesKept(arg, out.args[k])) return;
      problems.push(`input #${instance.id} ${names[k]} changed from ${JSON.stringify(arg)} to ${JSON.stringify(out.args[k])}`);
    });
  }
}

function checkExport(input, output, expected, tables = tablesFor('IFC4')) {
  const problems = [];
  const index = indexFile(output, tables);
  const changed = Object.fromEntries(Object.entries(expected.attributes).map(([guid, values]) => [compress(guid), Object.keys(values)]));
  checkInputKept(input, output, tables, changed, problems);
  checkProperties(output, tables, index, expected.properties, problems);
  checkAttributes(output, tables, index, expected.attributes, problems);
  checkReferences(output, index, expected, problems);
  checkGroups(index, expected.groups, problems);
  return problems;
}

module.exports = { checkExport };
