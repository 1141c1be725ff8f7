// Validates every instance of an IFC file, as web-ifc reads it, against its schema's tables: for IFC4
// the tables in exporter/schema (entities with their attributes, defined value types), for IFC2X3
// and IFC4X3 web-ifc's own declarations (lib/web-ifc-schema.js). The entity exists and is not
// abstract, the attribute count is right, required attributes are set, and each value has the kind
// its attribute's type asks for.
//
//   const problems = validate(await openIfcFile('out.ifc'));   // [] when the file is valid IFC4
//   validate(file, tablesFor(file.schema));                     // in the file's own schema
//
// What is checked per attribute type:
//   entity        a reference to an existing instance of that entity or a subtype
//   ...Enum       an enumeration value
//   defined type  the literal kind of its underlying type (string, real, integer, .T./.F./.U.)
//   anything else (select types): a typed value must name a known value type and hold a value of its
//                 underlying kind; a reference must point to an existing instance
//   aggregates    a list, each element checked as above
'use strict';

const fs = require('node:fs');
const path = require('node:path');
const { loadWebIfcTables } = require('./web-ifc-schema');

const ROOT = path.resolve(__dirname, '../../..');

// Defined types that are not members of IfcValue but stand as attribute types of the entities a
// building model uses; the table only lists the IfcValue members.
const EXTRA_DEFINED_TYPES = {
  IfcGloballyUniqueId: 'STRING',
  IfcTimeStamp: 'INTEGER',
  IfcDimensionCount: 'INTEGER',
  IfcLanguageId: 'STRING',
};

const DERIVED = Symbol('derived');
const GLOBAL_ID = /^[0-3][0-9A-Za-z_$]{21}$/;

function loadTables(root = ROOT) {
  const entities = new Map();
  const entityText = fs.readFileSync(path.join(root, 'exporter/schema/ifc4-entities.tsv'), 'utf8');
  for (const line of entityText.split('\n')) {
    if (line === '' || line.startsWith('#') || line.startsWith('entity\t')) continue;
    const [name, supertype, abstract, attributes = ''] = line.split('\t');
    entities.set(name.toUpperCase(), {
      name,
      supertype: supertype === '-' ? null : supertype,
      abstract: abstract === '1',
      attributes: attributes.split(' ').filter(Boolean).map((text) => {
        const [attribute, type, flags] = text.split(':');
        return { name: attribute, type, optional: flags.includes('o'), aggregate: /[LSA]/.test(flags) };
      }),
    });
  }
  const definedTypes = new Map(Object.entries(EXTRA_DEFINED_TYPES).map(([k, v]) => [k.toUpperCase(), { name: k, underlying: v }]));
  const valueText = fs.readFileSync(path.join(root, 'exporter/schema/ifc4-value-types.tsv'), 'utf8');
  for (const line of valueText.split('\n')) {
    if (line === '' || line.startsWith('#')) continue;
    const [name, underlying] = line.split('\t');
    definedTypes.set(name.toUpperCase(), { name, underlying });
  }
  return { entities, definedTypes };
}

function isSubtype(tables, entityName, ancestorName) {
  for (let e = tables.entities.get(entityName.toUpperCase()); e; e = e.supertype && tables.entities.get(e.supertype.toUpperCase())) {
    if (e.name === ancestorName) return true;
  }
  return false;
}

// Does `value` (raw, not a typed value) have the literal kind of `underlying`?
function literalMatches(underlying, value) {
  if (/^(LIST|ARRAY|SET)\b/.test(underlying)) return Array.isArray(value);
  if (value === null || typeof value !== 'object' || Array.isArray(value)) return false;
  if (underlying.startsWith('STRING')) return value.type === 1;
  if (underlying === 'REAL' || underlying === 'NUMBER') return value.type === 4 || value.type === 10;
  if (underlying === 'INTEGER') return value.type === 10;
  if (underlying === 'BOOLEAN') return value.type === 3 && /^[TF]$/.test(value.value);
  if (underlying === 'LOGICAL') return value.type === 3 && /^[TFU]$/.test(value.value);
  if (underlying === 'BINARY') return value.type === 1 && /^[0-3][0-9A-F]*$/.test(value.value);
  return false;
}

// Problems with a typed value such as IFCLENGTHMEASURE(2.5), or null when it is fine.
function typedValueProblem(tables, file, value) {
  const name = file.typeName(value.typecode);
  const defined = tables.definedTypes.get(String(name).toUpperCase());
  if (!defined) return `typed value of unknown type ${name}`;
  const v = value.value;
  const u = defined.underlying;
  let ok;
  if (u === 'REAL' || u === 'NUMBER') ok = (typeof v === 'string' || typeof v === 'number') && Number.isFinite(Number(v)) && String(v).trim() !== '';
  else if (u === 'INTEGER') ok = Number.isInteger(v);
  else if (u === 'BOOLEAN') ok = typeof v === 'boolean';
  else if (u === 'LOGICAL') ok = typeof v === 'boolean' || v === undefined;
  else if (u.startsWith('STRING')) ok = typeof v === 'string';
  else if (u === 'BINARY') ok = typeof v === 'string' && /^[0-3][0-9A-F]*$/.test(v);
  else ok = Array.isArray(v);
  return ok ? null : `${defined.name} holds ${JSON.stringify(v)}, not a ${u} value`;
}

function valueProblem(tables, file, attribute, value) {
  const type = attribute.type;
  const entity = tables.entities.get(type.toUpperCase());
  if (value !== null && typeof value === 'object' && value.type === 5) {
    const target = file.instances.get(value.value);
    if (!target) return `refers to #${value.value}, which is not in the file`;
    if (entity && !isSubtype(tables, target.entity, entity.name)) return `refers to #${value.value}, an ${target.entity}, not an ${entity.name}`;
    if (!entity && tables.definedTypes.has(type.toUpperCase())) return `refers to #${value.value} where a ${type} value belongs`;
    if (!entity && type.endsWith('Enum')) return `refers to #${value.value} where an enumeration belongs`;
    return null;
  }
  if (entity) return `holds ${JSON.stringify(value)} where a reference to an ${entity.name} belongs`;
  if (type.endsWith('Enum') || (tables.enumerations && tables.enumerations.has(type.toUpperCase()))) return value && value.type === 3 ? null : `holds ${JSON.stringify(value)} where an enumeration belongs`;
  const defined = tables.definedTypes.get(type.toUpperCase());
  if (defined) return literalMatches(defined.underlying, value) ? null : `holds ${JSON.stringify(value)}, not a ${type}`;
  if (value && value.type === 2) return typedValueProblem(tables, file, value);
  return null;  // a select or defined type that the tables do not describe
}

function validate(file, tables = loadTables()) {
  const problems = [];
  const globalIds = new Map();
  for (const instance of file.instances.values()) {
    const where = `#${instance.id}=${instance.entity}`;
    const entity = tables.entities.get(String(instance.entity).toUpperCase());
    if (!entity) {
      problems.push(`${where}: no such entity in the schema`);
      continue;
    }
    if (entity.abstract) problems.push(`${where}: ${entity.name} is abstract`);
    // web-ifc leaves derived values (`*`) out; put them back in place so arguments meet attributes.
    const args = [...(instance.args || [])];
    if (!tables.derivedOmitted) for (const position of file.derived.get(instance.id) || []) args.splice(position, 0, DERIVED);
    if (args.length !== entity.attributes.length) {
      problems.push(`${where}: ${args.length} attributes, ${entity.name} has ${entity.attributes.length}`);
      continue;
    }
    entity.attributes.forEach((attribute, k) => {
      const value = args[k];
      if (value === DERIVED) return;
      if (value === null || value === undefined) {
        if (!attribute.optional) problems.push(`${where}: required ${attribute.name} is unset`);
        return;
      }
      const elements = attribute.aggregate ? value : [value];
      if (attribute.aggregate && !Array.isArray(value)) {
        problems.push(`${where}: ${attribute.name} is not a list`);
        return;
      }
      if (attribute.aggregate && value.length === 0) problems.push(`${where}: ${attribute.name} is an empty list`);
      for (const element of elements.flat(Infinity)) {
        const problem = valueProblem(tables, file, attribute, element);
        if (problem) problems.push(`${where}: ${attribute.name} ${problem}`);
      }
    });
    if (isSubtype(tables, entity.name, 'IfcRoot')) {
      const id = args[0] && args[0].value;
      if (!GLOBAL_ID.test(id || '')) problems.push(`${where}: GlobalId ${JSON.stringify(id)} is not 22 characters of the IFC alphabet`);
      else if (globalIds.has(id)) problems.push(`${where}: GlobalId ${id} is also that of #${globalIds.get(id)}`);
      else globalIds.set(id, instance.id);
    }
  }
  const unread = [...file.derived.keys()].filter((id) => !file.instances.has(id));
  if (unread.length > 0) problems.push(`instances the reader could not read: #${unread.slice(0, 10).join(', #')}`);
  return problems;
}

// The tables of the schema a file declares: 'IFC2X3', 'IFC4' or 'IFC4X3_ADD2' (web-ifc's names).
const cache = new Map();
function tablesFor(schema) {
  if (!cache.has(schema)) {
    const ifc4 = cache.get('IFC4') || loadTables();
    cache.set('IFC4', ifc4);
    if (schema === 'IFC2X3') cache.set(schema, loadWebIfcTables('IFC2X3', ifc4));
    else if (/^IFC4X3/.test(schema)) cache.set(schema, loadWebIfcTables('IFC4X3', ifc4));
    else if (schema !== 'IFC4') throw new Error(`no tables for the schema ${schema}`);
  }
  return cache.get(schema);
}

module.exports = { validate, loadTables, tablesFor, isSubtype };
