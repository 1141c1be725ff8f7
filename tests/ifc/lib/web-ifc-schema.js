// The schema tables of IFC2X3 and IFC4X3 as web-ifc itself declares them (its ifc-schema.d.ts), in
// the form lib/schema.js validates against: entities with supertype and attributes in STEP order,
// defined types with their underlying kind, and the names of the enumerations.
//
//   const tables = loadWebIfcTables('IFC2X3');
//   tables.entities.get('IFCCLASSIFICATIONREFERENCE').attributes.map((a) => a.name);
//   // [ 'Location', 'ItemReference', 'Name', 'ReferencedSource' ]
//
// web-ifc keeps neither abstractness nor attributes re-declared DERIVED: its constructors leave the
// latter out, as its raw arguments do (so `derivedOmitted` tells the validator not to put `*` back).
// Abstractness is taken from the IFC4 table for the entities both schemas have, and none of the others
// is treated as abstract.
'use strict';

const fs = require('node:fs');
const path = require('node:path');

// The text of one namespace of web-ifc's declarations.
function namespaceText(namespace) {
  // The package exports only its code; the declarations lie beside its main file.
  const file = path.join(path.dirname(require.resolve('web-ifc')), 'ifc-schema.d.ts');
  const text = fs.readFileSync(file, 'utf8');
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
    const c = text[i];
    if ('(<['.includes(c)) depth++;
    else if (')>]'.includes(c)) depth--;
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
  const name = text.slice(0, colon).trim();
  const union = splitTopLevel(text.slice(colon + 1).trim(), '|');
  const optional = union.length > 1 && union[union.length - 1] === 'null';
  if (optional) union.pop();
  let type = union.join(' | ');
  let aggregate = false;
  while (type.endsWith('[]')) {
    type = type.slice(0, -2);
    aggregate = true;
  }
  const handle = /^\(?Handle<(\w+)>/.exec(type);
  if (handle) type = handle[1];
  if (/NumberHandle|number/.test(type)) type = 'REAL';
  else if (type === 'string') type = 'STRING';
  else if (type === 'boolean') type = 'BOOLEAN';
  else if (type === 'logical') type = 'LOGICAL';
  return { name, type, optional, aggregate };
}

function loadWebIfcTables(namespace, ifc4Tables) {
  const text = namespaceText(namespace);
  const classes = new Map();
  for (const [, name, base, body] of text.matchAll(/^ {4}class (\w+)(?: extends (\w+))? \{\n([\s\S]*?)^ {4}\}/gm)) {
    const constructor = /constructor\((.*)\);/.exec(body);
    classes.set(name, { name, base, body, parameters: constructor ? constructor[1] : '' });
  }
  const isEntity = (name) => {
    for (let c = classes.get(name); c; c = classes.get(c.base)) if (c.base === 'IfcLineObject') return true;
    return false;
  };
  const entities = new Map();
  const definedTypes = new Map();
  const enumerations = new Set();
  for (const c of classes.values()) {
    if (isEntity(c.name)) {
      const upper = c.name.toUpperCase();
      const ifc4 = ifc4Tables && ifc4Tables.entities.get(upper);
      entities.set(upper, {
        name: c.name,
        supertype: c.base === 'IfcLineObject' ? null : c.base,
        abstract: Boolean(ifc4 && ifc4.abstract),
        attributes: splitTopLevel(c.parameters, ',').map(parseParameter),
      });
    } else if (/^ {8}static \w+: any;$/m.test(c.body)) {
      enumerations.add(c.name.toUpperCase());
    } else if (c.base === 'NumberHandle') {
      definedTypes.set(c.name.toUpperCase(), { name: c.name, underlying: /Integer|Count/.test(c.name) ? 'NUMBER' : 'REAL' });
    } else {
      const value = /^ {8}value: (\w+)/m.exec(c.body);
      const kind = value && { string: 'STRING', boolean: 'BOOLEAN', logical: 'LOGICAL', number: 'REAL' }[value[1]];
      if (kind) definedTypes.set(c.name.toUpperCase(), { name: c.name, underlying: c.name === 'IfcBinary' ? 'BINARY' : kind });
    }
  }
  return { entities, definedTypes, enumerations, derivedOmitted: true };
}

module.exports = { loadWebIfcTables };
