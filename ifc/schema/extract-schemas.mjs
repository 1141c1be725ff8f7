#!/usr/bin/env node
// Writes the schema tables of IFC2X3 and IFC4X3_ADD2, and the defined types and enumerations of all
// three schemas, from two npm packages pinned by package-lock.json beside this script:
//
//   web-ifc 0.0.78 (MPL-2.0)        ifc-schema.d.ts and web-ifc-api-node.js: entities with their
//                                    attributes in STEP order (types, OPTIONAL, aggregates),
//                                    supertypes, enumerations with their items in schema order,
//                                    defined types with their base kind, and the select types
//                                    (used to find the members of IfcValue).
//   @ifc-lite/data 5.0.0 (MPL-2.0)  the abstractness of each entity, which web-ifc does not keep.
//
// Neither package carries WHERE rules, nor string widths (STRING(255)) outside IFC4: the IFC4 defined
// types take their underlying type, width included, from the committed ifc4-value-types.tsv where it
// lists them, and the rule column stays empty everywhere. The rest is in value-type-rules.tsv, which
// generate_schema.py merges into these tables at build time.
//
// It is run by hand when a source changes, never by the build; the tables it writes are committed:
//
//   cd ifc/schema && mkdir -p /tmp/ifc-schemas && cp package.json package-lock.json /tmp/ifc-schemas &&
//     npm ci --prefix /tmp/ifc-schemas && node extract-schemas.mjs /tmp/ifc-schemas/node_modules .
//
// The committed IFC4 entity and value-type tables stay as they are; the script writes its own
// reading of IFC4 as *.web-ifc.tsv files under the system temp folder and prints how the two differ,
// which checks the extraction against an independent source.
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import {createRequire} from 'node:module';
import {pathToFileURL} from 'node:url';

const SCHEMAS = [
  {namespace: 'IFC2X3', file: 'ifc2x3', title: 'IFC2X3', lite: 'ENTITIES_IFC2X3'},
  {namespace: 'IFC4', file: 'ifc4', title: 'IFC4 (ADD2 TC1)', lite: 'ENTITIES_IFC4'},
  {namespace: 'IFC4X3', file: 'ifc4x3_add2', title: 'IFC4X3_ADD2', lite: 'ENTITIES_IFC4X3'},
];

// The parameter list of a constructor, split at its top-level commas.
function splitTopLevel(text, separator, brackets = '()<>') {
  const parts = [];
  let depth = 0;
  let start = 0;
  for (let i = 0; i < text.length; ++i) {
    const c = text[i];
    if (c === brackets[0] || c === brackets[2])
      depth++;
    else if (c === brackets[1] || c === brackets[3])
      depth--;
    else if (depth === 0 && text.startsWith(separator, i)) {
      parts.push(text.slice(start, i).trim());
      start = i + separator.length;
    }
  }
  if (text.slice(start).trim())
    parts.push(text.slice(start).trim());
  return parts;
}

// The kind of each plain-number attribute (INTEGER or REAL), which only web-ifc's reading code
// tells: it wraps such an argument as `new NumberHandle(value, code)`. Lists of plain numbers it
// reads with Number(), which keeps no kind.
function numberKinds(runtime, namespace, entity) {
  const schemaId = runtime.SchemaNames.findIndex((names) => names && names[0] === namespace);
  const reader = runtime.FromRawLineData[schemaId][new runtime[namespace][entity]().type].toString();
  const call = `new ${namespace}.${entity}(`;
  const args = splitTopLevel(reader.slice(reader.indexOf(call) + call.length, reader.lastIndexOf(')')), ',', '()');
  return args.map((arg) => {
    const code = /new NumberHandle\((?:[^()]|\([^()]*\))*, (\d+)\)/.exec(arg);
    return code && {4: 'REAL', 10: 'INTEGER'}[code[1]];
  });
}

// "(Handle<IfcX> | IfcX)[][] | null" -> { type: "IfcX[]", optional: true, aggregate: true }.
function parseAttributeType(text, numberKind) {
  const union = splitTopLevel(text, '|');
  const optional = union.length > 1 && union[union.length - 1] === 'null';
  if (optional)
    union.pop();
  if (union.length !== 1)
    throw new Error(`unexpected attribute type: ${text}`);
  let type = union[0];
  let depth = 0;
  while (type.endsWith('[]')) {
    type = type.slice(0, -2);
    depth++;
  }
  const handle = /^\(Handle<(\w+)> \| (\w+)\)$/.exec(type);
  if (handle)
    type = handle[1];
  // A list of plain numbers is read with Number(), which keeps no kind: NUMBER covers both.
  if (type === '(NumberHandle | number)')
    type = numberKind || (depth > 0 ? 'NUMBER' : undefined);
  type = {string: 'STRING', boolean: 'BOOLEAN', logical: 'LOGICAL'}[type] || type;
  if (!/^\w+$/.test(type))
    throw new Error(`unexpected attribute type: ${text}`);
  return {type: type + '[]'.repeat(Math.max(0, depth - 1)), optional, aggregate: depth > 0};
}

// The classes and select types of one namespace of ifc-schema.d.ts.
function parseDeclarations(text) {
  const classes = new Map();
  const selects = new Map();
  const classPattern = /^ {4}class (\w+)(?: extends (\w+))? \{\n([\s\S]*?)^ {4}\}/gm;
  for (const [, name, base, body] of text.matchAll(classPattern)) {
    const constructor = /constructor\((.*)\);/.exec(body);
    const value = /^ {8}value: (.*);$/m.exec(body);
    const statics = [...body.matchAll(/^ {8}static (\w+): any;$/gm)].map((m) => m[1]);
    classes.set(name, {name, base, parameters: constructor ? constructor[1] : '', value: value && value[1], statics});
  }
  for (const [, name, members] of text.matchAll(/^ {4}type (\w+) = (.*);$/gm)) {
    selects.set(name, splitTopLevel(members, '|').map((m) => /(\w+)\)?$/.exec(m)[1]));
  }
  return {classes, selects};
}

function isEntity(classes, name) {
  for (let c = classes.get(name); c; c = classes.get(c.base)) {
    if (c.base === 'IfcLineObject')
      return true;
  }
  return false;
}

// The EXPRESS base type of a defined type, as far as web-ifc tells it.
function underlyingType(declaration, runtimeClass) {
  const code = new runtimeClass(0).type;
  const numeric = {4: 'REAL', 10: 'INTEGER'};
  if (declaration.base === 'NumberHandle')
    return numeric[code];
  const value = declaration.value;
  if (value === 'string')
    return code === 11 ? 'BINARY' : 'STRING';
  if (value === 'boolean')
    return 'BOOLEAN';
  if (value === 'logical')
    return 'LOGICAL';
  const array = /^Array<(\w+)>$/.exec(value);
  if (array)
    return 'AGGREGATE OF ' + (array[1] === 'number' ? numeric[code] : array[1]);
  throw new Error(`no base type for ${declaration.name}: ${value}`);
}

// The defined types reachable through a select (IfcValue -> IfcMeasureValue -> IfcLengthMeasure ...).
function selectMembers(selects, name, into = new Set()) {
  for (const member of selects.get(name) || []) {
    if (selects.has(member))
      selectMembers(selects, member, into);
    else
      into.add(member);
  }
  return into;
}

// web-ifc leaves out of a constructor the inherited attributes that the entity re-declares as
// DERIVED, though a STEP file still gives them a place (written *). Every entity's list starts with
// its supertype's, so they are put back from there.
function restoreDerivedAttributes(entities) {
  const byName = new Map(entities.map((e) => [e.name, e]));
  const done = new Set();
  const restore = (entity) => {
    if (done.has(entity.name))
      return;
    done.add(entity.name);
    const supertype = byName.get(entity.supertype);
    if (!supertype)
      return;
    restore(supertype);
    const own = new Map(entity.attributes.map((a) => [a.name, a]));
    const inherited = supertype.attributes.map((a) => own.get(a.name) || a);
    const added = entity.attributes.filter((a) => !supertype.attributes.some((b) => b.name === a.name));
    const kept = inherited.filter((a) => own.has(a.name));
    if (kept.some((a, i) => a !== entity.attributes[i]))
      throw new Error(`${entity.name}: attributes out of order`);
    entity.attributes = [...inherited, ...added];
  };
  entities.forEach(restore);
}

function readTable(file) {
  return fs.readFileSync(file, 'utf8')
      .split('\n')
      .filter((line) => line && !line.startsWith('#'))
      .map((line) => line.split('\t'));
}

async function readSchema(modules, schema, runtime, dts, lite) {
  const start = dts.indexOf(`export declare namespace ${schema.namespace} {`);
  const end = dts.indexOf('\n}\n', start);
  const {classes, selects} = parseDeclarations(dts.slice(start, end));
  const abstract = new Map(lite[schema.lite].map((e) => [e.name.toUpperCase(), e.abstract]));
  const entities = [];
  const definedTypes = [];
  const enumerations = [];
  const valueMembers = selectMembers(selects, 'IfcValue');
  for (const declaration of classes.values()) {
    if (isEntity(classes, declaration.name)) {
      const isAbstract = abstract.get(declaration.name.toUpperCase());
      if (isAbstract === undefined)
        throw new Error(`${schema.namespace}: no abstractness for ${declaration.name}`);
      const kinds = numberKinds(runtime, schema.namespace, declaration.name);
      const attributes = splitTopLevel(declaration.parameters, ',').map((parameter, index) => {
        const colon = parameter.indexOf(': ');
        return {name: parameter.slice(0, colon), ...parseAttributeType(parameter.slice(colon + 2), kinds[index])};
      });
      const supertype = declaration.base === 'IfcLineObject' ? '-' : declaration.base;
      entities.push({name: declaration.name, supertype, abstract: isAbstract, attributes});
    } else if (declaration.statics.length > 0) {
      enumerations.push({name: declaration.name, items: declaration.statics});
    } else {
      const underlying = underlyingType(declaration, runtime[schema.namespace][declaration.name]);
      definedTypes.push({name: declaration.name, underlying, value: valueMembers.has(declaration.name)});
    }
  }
  restoreDerivedAttributes(entities);
  const byName = (a, b) => (a.name.toUpperCase() < b.name.toUpperCase() ? -1 : 1);
  return {
    entities: entities.sort(byName),
    definedTypes: definedTypes.sort(byName),
    enumerations: enumerations.sort(byName)
  };
}

function entityLines(schema, entities) {
  const lines = [
    `# ${
        schema
            .title} entities from web-ifc 0.0.78, abstractness from @ifc-lite/data 5.0.0 (ifc/schema/extract-schemas.mjs): name, supertype (- for none), abstract (1/0), then every attribute in STEP order (inherited first) as name:type:flags, flags o=optional, C=aggregate (LIST, SET or ARRAY: the source does not tell which), - = none; [] after a type marks an inner aggregate. Derived re-declarations are not marked.`,
    'entity\tsupertype\tabstract\tattributes',
  ];
  for (const e of entities) {
    const attributes =
        e.attributes.map((a) => `${a.name}:${a.type}:${(a.optional ? 'o' : '') + (a.aggregate ? 'C' : '') || '-'}`);
    lines.push([e.name, e.supertype, e.abstract ? 1 : 0, attributes.join(' ')].join('\t'));
  }
  return lines;
}

function valueTypeLines(schema, definedTypes) {
  return [
    `# ${
        schema
            .title} defined types that are members of the IfcValue select, with their underlying EXPRESS type (from web-ifc 0.0.78: AGGREGATE stands for a LIST, SET or ARRAY whose kind and bounds it does not keep).`,
    '# name\tunderlying',
    ...definedTypes.filter((t) => t.value).map((t) => `${t.name}\t${t.underlying}`),
  ];
}

function definedTypeLines(schema, definedTypes, widths) {
  const lines = [
    `# ${
        schema
            .title} defined types: name, underlying EXPRESS base type, value (1 when a member of IfcValue, so usable as a property value), maxLength (of a STRING(n), empty when the source gives none), rule (the type's WHERE rule in short form; empty: no package gives them; value-type-rules.tsv adds widths and rules at build time).`,
    '# name\tunderlying\tvalue\tmaxLength\trule',
  ];
  for (const t of definedTypes) {
    const underlying = widths.get(t.name) || t.underlying;
    const width = /^STRING\((\d+)\)/.exec(underlying);
    lines.push([t.name, underlying, t.value ? 1 : 0, width ? width[1] : '', ''].join('\t'));
  }
  return lines;
}

function enumerationLines(schema, enumerations) {
  return [
    `# ${schema.title} enumeration types with their items in schema order, from web-ifc 0.0.78.`,
    '# name\titems',
    ...enumerations.map((e) => `${e.name}\t${e.items.join(' ')}`),
  ];
}

function write(file, lines) { fs.writeFileSync(file, lines.join('\n') + '\n'); }

// Prints how web-ifc's IFC4 differs from the committed IFC4 tables, aggregate kinds set aside.
function compareIfc4(outputDir, scratch) {
  const normalise = (rows) =>
      new Map(rows.filter((r) => r[0] !== 'entity')
                  .map((r) => [r[0], r.slice(1).join('\t').replace(/:o?[LSA]\b/g, (f) => f.slice(0, -1) + 'C')]));
  const committed = normalise(readTable(path.join(outputDir, 'ifc4-entities.tsv')));
  const extracted = normalise(readTable(path.join(scratch, 'ifc4-entities.web-ifc.tsv')));
  const differing = [...committed.keys()].filter((n) => extracted.has(n) && committed.get(n) !== extracted.get(n));
  console.log(`IFC4 entities: ${committed.size} committed, ${extracted.size} from web-ifc`);
  console.log(`  only committed: ${[...committed.keys()].filter((n) => !extracted.has(n)).join(' ') || 'none'}`);
  console.log(`  only web-ifc: ${[...extracted.keys()].filter((n) => !committed.has(n)).join(' ') || 'none'}`);
  console.log(`  differing rows (L/S/A read as C): ${differing.join(' ') || 'none'}`);
  const values = (file) => new Map(readTable(file).map((r) => [r[0], r[1]]));
  const committedValues = values(path.join(outputDir, 'ifc4-value-types.tsv'));
  const extractedValues = values(path.join(scratch, 'ifc4-value-types.web-ifc.tsv'));
  const keys = new Set([...committedValues.keys(), ...extractedValues.keys()]);
  for (const name of [...keys].sort()) {
    if (committedValues.get(name) !== extractedValues.get(name)) {
      console.log(`  value type ${name}: committed ${committedValues.get(name)}, web-ifc ${extractedValues.get(name)}`);
    }
  }
}

async function main() {
  const [modules, outputDir] = process.argv.slice(2);
  if (!modules || !outputDir) {
    console.error('usage: extract-schemas.mjs NODE_MODULES OUTPUT_DIR');
    process.exit(2);
  }
  const runtime = createRequire(import.meta.url)(path.join(modules, 'web-ifc/web-ifc-api-node.js'));
  const dts = fs.readFileSync(path.join(modules, 'web-ifc/ifc-schema.d.ts'), 'utf8');
  const liteDir = path.join(modules, '@ifc-lite/data/dist/ifc-schema/generated');
  const lite = {};
  for (const schema of SCHEMAS) {
    Object.assign(lite, await import(pathToFileURL(path.join(liteDir, `entities-${schema.file.slice(0, 6)}.js`))));
  }
  const ifc4Widths = new Map(readTable(path.join(outputDir, 'ifc4-value-types.tsv')).map((r) => [r[0], r[1]]));
  const scratch = fs.mkdtempSync(path.join(os.tmpdir(), 'ifc-schemas-'));
  for (const schema of SCHEMAS) {
    const {entities, definedTypes, enumerations} = await readSchema(modules, schema, runtime, dts, lite);
    const ifc4 = schema.file === 'ifc4';
    const tables = ifc4 ? scratch : outputDir;
    const suffix = ifc4 ? '.web-ifc.tsv' : '.tsv';
    write(path.join(tables, `${schema.file}-entities${suffix}`), entityLines(schema, entities));
    write(path.join(tables, `${schema.file}-value-types${suffix}`), valueTypeLines(schema, definedTypes));
    write(
        path.join(outputDir, `${schema.file}-defined-types.tsv`),
        definedTypeLines(schema, definedTypes, ifc4 ? ifc4Widths : new Map()));
    write(path.join(outputDir, `${schema.file}-enumerations.tsv`), enumerationLines(schema, enumerations));
    console.log(`${schema.namespace}: ${entities.length} entities, ${definedTypes.length} defined types, ${
        enumerations.length} enumerations`);
  }
  compareIfc4(outputDir, scratch);
  console.log(`IFC4 as read from web-ifc: ${scratch}`);
}

await main();
