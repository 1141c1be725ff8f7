#!/usr/bin/env node
// Writes the property and quantity set templates of IFC2X3, IFC4 and IFC4X3_ADD2 from @ifc-lite/data
// 5.0.0 (MPL-2.0), pinned by ifc/schema/package-lock.json. The package tabulates buildingSMART's
// templates as its IDS auditor reads them (dist/ifc-schema/generated/psets-*.js): per set the applicable
// entities and per property its kind (single, enumeration, unknown) with a value type or the allowed
// literals. IFC4 has Pset_ sets only; IFC4X3 has Pset_ and Qto_ sets.
//
// Each set's applicable entities are widened by their type entities (IfcWall -> IfcWallType, from
// entities-*.js), since a set may be given to the type; IFC2X3 names no type entities there.
//
// It is run by hand when the package changes, never by the build; the tables it writes are committed:
//
//   cd ifc/schema && mkdir -p /tmp/ifc-schemas && cp package.json package-lock.json /tmp/ifc-schemas &&
//     npm ci --prefix /tmp/ifc-schemas && node ../psets/extract-templates.mjs /tmp/ifc-schemas/node_modules ../psets
import fs from 'node:fs';
import path from 'node:path';
import {pathToFileURL} from 'node:url';

const SCHEMAS = [
  {lite: 'ifc2x3', file: 'ifc2x3', title: 'IFC2X3'},
  {lite: 'ifc4', file: 'ifc4', title: 'IFC4'},
  {lite: 'ifc4x3', file: 'ifc4x3_add2', title: 'IFC4X3_ADD2'},
];

const KINDS = new Set(['single', 'enumeration', 'unknown']);

async function firstArray(file) {
  const module = await import(pathToFileURL(file));
  return Object.values(module).find(Array.isArray);
}

function check(condition, message) {
  if (!condition)
    throw new Error(message);
}

async function main() {
  const [modules, outputDir] = process.argv.slice(2);
  if (!modules || !outputDir) {
    console.error('usage: extract-templates.mjs NODE_MODULES OUTPUT_DIR');
    process.exit(2);
  }
  const generated = path.join(modules, '@ifc-lite/data/dist/ifc-schema/generated');
  for (const schema of SCHEMAS) {
    const sets = await firstArray(path.join(generated, `psets-${schema.lite}.js`));
    const entities = await firstArray(path.join(generated, `entities-${schema.lite}.js`));
    const byUpper = new Map(entities.map((e) => [e.name.toUpperCase(), e]));
    const lines = [
      `# ${schema.title} property and quantity set templates (buildingSMART, as tabulated in npm @ifc-lite/data 5.0.0, ` +
          'ifc/psets/extract-templates.mjs): set, applicable entities with their type entities (comma list), ' +
          'property (empty: the set lists none), kind (single|enumeration|unknown), value type (single) or allowed ' +
          'literals (enumeration, comma list); unknown: the source gives no type (tables, references).',
      'set\tapplicable\tproperty\tkind\ttype_or_literals',
    ];
    let count = 0;
    for (const set of [...sets].sort((a, b) => (a.name < b.name ? -1 : 1))) {
      check(/^(Pset|Qto)_\w+$/.test(set.name), `${schema.title}: set name ${set.name}`);
      const applicable = [];
      for (const name of set.applicableEntities) {
        if (name === '') {
          console.log(`${schema.title}: ${set.name} names an empty applicable entity; left out`);
          continue;
        }
        const entity = byUpper.get(name.toUpperCase());
        check(entity, `${schema.title}: ${set.name} applies to unknown ${name}`);
        for (const item of [entity.name, entity.typeEntity && byUpper.get(entity.typeEntity)?.name]) {
          if (item && !applicable.includes(item))
            applicable.push(item);
        }
      }
      const names = new Set();
      for (const property of set.properties) {
        check(KINDS.has(property.kind), `${schema.title}: ${set.name}.${property.name} kind ${property.kind}`);
        check(/^\w+$/.test(property.name) && !names.has(property.name), `${set.name}.${property.name}`);
        names.add(property.name);
        const detail = property.kind === 'enumeration' ? property.enumeration.join(',') : (property.dataType || '');
        check(!/[\t\n]/.test(detail), `${set.name}.${property.name}: ${detail}`);
        lines.push([set.name, applicable.join(','), property.name, property.kind, detail].join('\t'));
        ++count;
      }
      if (set.properties.length === 0)
        lines.push([set.name, applicable.join(','), '', '', ''].join('\t'));
    }
    fs.writeFileSync(path.join(outputDir, `${schema.file}-templates.tsv`), lines.join('\n') + '\n');
    console.log(`${schema.title}: ${sets.length} sets, ${count} properties`);
  }
}

await main();
