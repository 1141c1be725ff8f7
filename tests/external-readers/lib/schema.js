// The tables of IFC2X3, IFC4 and IFC4X3 as web-ifc itself declares them (its ifc-schema.d.ts), and a
// validator of every instance of a file against them: the entity exists and is not abstract, the
// attribute count is right, required attributes are set, and each value has the kind its attribute's
// type asks for (a reference to an instance of that entity, an enumeration, a literal of the defined
// type's kind, a typed value of a known defined type holding a value of its kind; lists not empty).
//
//   const file = await openIfcFile('out.ifc');
//   const problems = validate(file, tablesFor(file.schema));   // [] when the file is valid
//
// web-ifc leaves out attributes re-declared DERIVED, in its declarations and raw arguments alike. It
// keeps no abstractness, which is taken from the IFC4 table of ifc/schema by entity name.
'use strict';

const fs = require('node:fs');
const path = require('node:path');

const GLOBAL_ID = /^[0-3][0-9A-Za-z_$]{21}$/;

function abstractIfc4Entities() {
  const table = fs.readFileSync(path.resolve(__dirname, '../../../ifc/schema/ifc4-entities.tsv'), 'utf8');
  return new Set(table.split('\n').map((line) => line.split('\t')).filter((f) => f[2] === '1').map((f) => f[0].toUpperCase()));
}

// The text of one namespace of web-ifc's declarations, which lie beside its main file.
function namespaceText(namespace) {
  const text = fs.readFileSync(path.join(path.dirname(require.resolve('web-ifc')), 'ifc-schema.d.ts'), 'utf8');
  const start = text.indexOf(`export declare namespace ${namespace} {`);
  if (start < 0) throw new Error(`web-ifc declares no schema ${namespace}`);
  const end = text.indexOf('\nexport declare namespace ', start + 1);
  return text.slice(start, end < 0 ? text.length : end);
}

// Splits at top-level occurrences of `separator`, outside (), <> and [].
function splitTopLevel(text, separator) {
  const parts = [];
  let depth = 0;
  let start = 0;
  for (let i = 0; i < text.length; i++) {
    if ('(<['.includes(text[i])) depth++;
    else if (')>]'.includes(text[i])) depth--;
    else if (depth === 0 && text.startsWith(separator, i)) {
      parts.push(text.slice(start, i).trim());
      start = i + separator.length;
    }
  }
  if (text.slice(start).trim()) parts.push(text.slice(start).trim());
  return parts;
}

// "Name: (Handle<IfcX> | IfcX)[] | null" -> { name, type: 'IfcX', optional: true, aggregate: true }.
function parseParameter(text) {
  const colon = text.indexOf(':');
  const union = splitTopLevel(text.slice(colon + 1).trim(), '|');
  const optional = union.length > 1 && union[union.length - 1] === 'null';
  if (optional) union.pop();
  let type = union.join(' | ');
  const aggregate = type.endsWith('[]');
  type = type.replace(/(\[\])+$/, '');
  const handle = /^\(?Handle<(\w+)>/.exec(type);
  if (handle) type = handle[1];
  type = { number: 'REAL', string: 'STRING', boolean: 'BOOLEAN', logical: 'LOGICAL' }[type] || type;
  if (/NumberHandle/.test(type)) type = 'REAL';
  return { name: text.slice(0, colon).trim(), type, optional, aggregate };
}

function numberKind(name) {
  if (/Integer|TimeStamp|DimensionCount/.test(name)) return 'INTEGER';
  return /Count|Numeric/.test(name) ? 'NUMBER' : 'REAL';
}

function loadTables(namespace, abstract) {
  const classes = new Map();
  for (const [, name, base, body] of namespaceText(namespace).matchAll(/^ {4}class (\w+)(?: extends (\w+))? \{\n([\s\S]*?)^ {4}\}/gm)) {
    classes.set(name, { name, base, body, parameters: (/constructor\((.*)\);/.exec(body) || [, ''])[1] });
  }
  const isEntity = (c) => c && (c.base === 'IfcLineObject' || isEntity(classes.get(c.base)));
  const tables = { entities: new Map(), definedTypes: new Map(), enumerations: new Set() };
  for (const c of classes.values()) {
    const upper = c.name.toUpperCase();
    if (isEntity(c)) {
      tables.entities.set(upper, {
        name: c.name,
        supertype: c.base === 'IfcLineObject' ? null : c.base,
        abstract: abstract.has(upper),
        attributes: splitTopLevel(c.parameters, ',').map(parseParameter),
      });
    } else if (/^ {8}static \w+: any;$/m.test(c.body)) {
      tables.enumerations.add(upper);
    } else if (c.base === 'NumberHandle') {
      tables.definedTypes.set(upper, { name: c.name, underlying: numberKind(c.name) });
    } else {
      const value = /^ {8}value: (\w+)/m.exec(c.body);
      const kind = value && { string: 'STRING', boolean: 'BOOLEAN', logical: 'LOGICAL', number: 'REAL', Array: 'LIST' }[value[1]];
      if (kind) tables.definedTypes.set(upper, { name: c.name, underlying: c.name === 'IfcBinary' ? 'BINARY' : kind });
    }
  }
  return tables;
}

// The tables of the schema a file declares: 'IFC2X3', 'IFC4' or 'IFC4X3_ADD2' (web-ifc's names).
const cache = new Map();
function tablesFor(schema) {
  const namespace = { IFC2X3: 'IFC2X3', IFC4: 'IFC4', IFC4X3_ADD2: 'IFC4X3' }[schema];
  if (!namespace) throw new Error(`no tables for the schema ${schema}`);
  if (!cache.has(namespace)) cache.set(namespace, loadTables(namespace, abstractIfc4Entities()));
  return cache.get(namespace);
}

function isSubtype(tables, entityName, ancestorName) {
  for (let e = tables.entities.get(entityName.toUpperCase()); e; e = e.supertype && tables.entities.get(e.supertype.toUpperCase())) {
    if (e.name === ancestorName) return true;
  }
  return false;
}

// The raw argument of `instance` for the attribute `name`; undefined when its entity has none.
function argument(tables, instance, name) {
  const index = tables.entities.get(instance.entity.toUpperCase()).attributes.findIndex((a) => a.name === name);
  return index < 0 ? undefined : instance.args[index];
}

// Does the raw value (or, with `typed`, the value of a typed value) have the kind `underlying`?
function hasKind(underlying, value, typed) {
  if (/^(LIST|ARRAY|SET)\b/.test(underlying)) return Array.isArray(value);
  if (typed) {
    if (underlying === 'INTEGER') return Number.isInteger(value);
    if (underlying === 'REAL' || underlying === 'NUMBER') return String(value).trim() !== '' && Number.isFinite(Number(value));
    if (underlying === 'LOGICAL') return typeof value === 'boolean' || value === undefined;
    if (underlying === 'BOOLEAN') return typeof value === 'boolean';
    return typeof value === 'string' && (underlying !== 'BINARY' || /^[0-3][0-9A-F]*$/.test(value));
  }
  if (value === null || typeof value !== 'object' || Array.isArray(value)) return false;
  if (underlying.startsWith('STRING')) return value.type === 1;
  if (underlying === 'REAL' || underlying === 'NUMBER') return value.type === 4 || value.type === 10;
  if (underlying === 'INTEGER') return value.type === 10;
  if (underlying === 'BOOLEAN') return value.type === 3 && /^[TF]$/.test(value.value);
  if (underlying === 'LOGICAL') return value.type === 3 && /^[TFU]$/.test(value.value);
  return underlying === 'BINARY' && value.type === 1 && /^[0-3][0-9A-F]*$/.test(value.value);
}

function valueProblem(tables, file, type, value) {
  const entity = tables.entities.get(type.toUpperCase());
  const defined = tables.definedTypes.get(type.toUpperCase());
  const enumeration = tables.enumerations.has(type.toUpperCase());
  if (value && value.type === 5) {
    const target = file.instances.get(value.value);
    if (!target) return `refers to #${value.value}, which is not in the file`;
    if (entity && !isSubtype(tables, target.entity, entity.name)) return `refers to #${value.value}, an ${target.entity}, not an ${entity.name}`;
    if (defined || enumeration) return `refers to #${value.value} where a ${type} value belongs`;
    return null;
  }
  if (entity) return `holds ${JSON.stringify(value)} where a reference to an ${entity.name} belongs`;
  if (enumeration) return value && value.type === 3 ? null : `holds ${JSON.stringify(value)} where an enumeration belongs`;
  if (defined) return hasKind(defined.underlying, value) ? null : `holds ${JSON.stringify(value)}, not a ${type}`;
  if (!value || value.type !== 2) return null; // a select that holds a plain literal
  const valueType = tables.definedTypes.get(String(file.typeName(value.typecode)).toUpperCase());
  if (!valueType) return `typed value of unknown type ${file.typeName(value.typecode)}`;
  if (hasKind(valueType.underlying, value.value, true)) return null;
  return `${valueType.name} holds ${JSON.stringify(value.value)}, not a ${valueType.underlying} value`;
}

function instanceProblems(tables, file, instance, entity) {
  const problems = [];
  const args = instance.args || [];
  if (entity.abstract) problems.push(`${entity.name} is abstract`);
  if (args.length !== entity.attributes.length) return [...problems, `${args.length} attributes, ${entity.name} has ${entity.attributes.length}`];
  entity.attributes.forEach((attribute, k) => {
    const value = args[k];
    if (value === null || value === undefined) {
      if (!attribute.optional) problems.push(`required ${attribute.name} is unset`);
    } else if (attribute.aggregate && !Array.isArray(value)) {
      problems.push(`${attribute.name} is not a list`);
    } else if (attribute.aggregate && value.length === 0) {
      problems.push(`${attribute.name} is an empty list`);
    } else {
      const list = tables.definedTypes.get(attribute.type.toUpperCase())?.underlying === 'LIST';
      for (const element of list && !attribute.aggregate ? [value] : [value].flat(Infinity)) {
        const problem = valueProblem(tables, file, attribute.type, element);
        if (problem) problems.push(`${attribute.name} ${problem}`);
      }
    }
  });
  return problems;
}

function validate(file, tables = tablesFor(file.schema)) {
  const problems = [];
  const globalIds = new Map();
  for (const instance of file.instances.values()) {
    const where = `#${instance.id}=${instance.entity}`;
    const entity = tables.entities.get(String(instance.entity).toUpperCase());
    if (!entity) {
      problems.push(`${where}: no such entity in the schema`);
      continue;
    }
    problems.push(...instanceProblems(tables, file, instance, entity).map((p) => `${where}: ${p}`));
    if (!isSubtype(tables, entity.name, 'IfcRoot')) continue;
    const id = instance.args[0] && instance.args[0].value;
    if (!GLOBAL_ID.test(id || '')) problems.push(`${where}: GlobalId ${JSON.stringify(id)} is not 22 characters of the IFC alphabet`);
    else if (globalIds.has(id)) problems.push(`${where}: GlobalId ${id} is also that of #${globalIds.get(id)}`);
    else globalIds.set(id, instance.id);
  }
  const unread = [...file.lines.keys()].filter((id) => !file.instances.has(id));
  if (unread.length > 0) problems.push(`instances the reader could not read: #${unread.slice(0, 10).join(', #')}`);
  return problems;
}

module.exports = { validate, tablesFor, isSubtype, argument };
