// The JSON report of the hand-filled sample result, read back with JSON.parse: the layout that
// docs/ids.md promises, hostile names unchanged, counts that add up.
'use strict';

const assert = require('node:assert/strict');
const fs = require('node:fs');
const test = require('node:test');

const text = fs.readFileSync(process.env.IDS_SAMPLE_JSON, 'utf8');
const report = JSON.parse(text);
const hostileName = 'Wall "A" <script>alert(\'x\')</script> & \\ \u001b[31mred\t Größe m²';

test('the report carries its format number and the documented top-level fields', () => {
  assert.equal(report.format, 1);
  assert.equal(report.tool, 'ifcapi-ids');
  assert.equal(report.model, 'models/sample <building>.ifc');
  assert.equal(report.schema, 'IFC4');
  assert.equal(report.passes, false);
  assert.deepEqual(Object.keys(report), ['format', 'tool', 'model', 'schema', 'passes', 'summary', 'specifications']);
});

test('names with quotes, markup, controls and non-ASCII text come back unchanged', () => {
  const wall = report.specifications[0].failures[0];
  assert.equal(wall.name, hostileName);
  assert.equal(wall.globalId, '2O2Fr$t4X7Zf8NOew3FLOH');
  assert.equal(wall.instance, 58);
  // Non-ASCII text is written as UTF-8, not as \u escapes.
  assert.ok(text.includes('Größe m²'));
});

test('each specification has its status, counts and every failure', () => {
  const byName = Object.fromEntries(report.specifications.map((s) => [s.name, s]));
  const walls = byName['Walls have a fire rating'];
  assert.equal(walls.status, 'failed');
  assert.deepEqual([walls.applicable, walls.passed, walls.failed], [12, 9, 3]);
  assert.deepEqual(walls.ifcVersions, ['IFC4']);
  assert.deepEqual(walls.failures[1].reasons, [
    "Pset_WallCommon.FireRating is 'EI 30', not one of 'REI 60', 'REI 90'",
    "the material is not 'Concrete'",
  ]);
  assert.equal(walls.failures[2].globalId, '');
  assert.equal(byName['Doors are classified'].status, 'passed');
  assert.deepEqual(byName['Doors are classified'].ifcVersions, ['IFC4', 'IFC4X3_ADD2']);
  assert.equal(byName['Spaces have a net floor area'].status, 'not-applicable');
  // The console lists ten; the JSON report lists them all.
  assert.equal(byName['Pipe segments have a material'].failures.length, 12);
});

test('the summary adds up the specifications', () => {
  const specs = report.specifications;
  const count = (status) => specs.filter((s) => s.status === status).length;
  assert.deepEqual(report.summary, {
    specifications: specs.length,
    passed: count('passed'),
    failed: count('failed'),
    notApplicable: count('not-applicable'),
    applicableElements: specs.reduce((sum, s) => sum + s.applicable, 0),
    failingElements: specs.reduce((sum, s) => sum + s.failed, 0),
  });
  assert.deepEqual([report.summary.passed, report.summary.failed, report.summary.notApplicable], [1, 2, 1]);
});
