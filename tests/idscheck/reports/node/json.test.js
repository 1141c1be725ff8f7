// The JSON report of the hand-filled sample result, read back with JSON.parse: the layout that
// docs/ids.md promises, hostile names unchanged, counts that add up.
'use strict';

const assert = require('node:assert/strict');
const fs = require('node:fs');
const test = require('node:test');

const text = fs.readFileSync(process.env.IDS_SAMPLE_JSON, 'utf8');
const report = JSON.parse(text);
const byName = Object.fromEntries(report.specifications.map((s) => [s.name, s]));

test('the report carries its format number and the documented top-level fields, in order', () => {
  const { summary, specifications, ...top } = report;
  assert.deepEqual(top, { format: 1, tool: 'ifcapi-ids', model: 'models/sample <building>.ifc', schema: 'IFC4', passes: false });
  assert.deepEqual(Object.keys(report), ['format', 'tool', 'model', 'schema', 'passes', 'summary', 'specifications']);
});

test('names with quotes, markup, controls and non-ASCII text come back unchanged, as UTF-8', () => {
  const { instance, globalId, name } = report.specifications[0].failures[0];
  assert.deepEqual([instance, globalId, name], [58, '2O2Fr$t4X7Zf8NOew3FLOH', 'Wall "A" <script>alert(\'x\')</script> & \\ \u001b[31mred\t Größe m²']);
  assert.ok(text.includes('Größe m²'));
});

test('each specification has its status, versions, counts and every failure', () => {
  const summary = (s) => [s.status, s.ifcVersions, s.schemaListed, s.applicable, s.passed, s.failed, s.failures.length];
  assert.deepEqual(report.specifications.map(summary), [
    ['failed', ['IFC4'], true, 12, 9, 3, 3],
    ['passed', ['IFC4X3_ADD2'], false, 4, 4, 0, 0], // checked all the same: ifcVersion is metadata
    ['not-applicable', ['IFC2X3'], true, 0, 0, 0, 0],
    ['failed', ['IFC2X3', 'IFC4'], true, 40, 28, 12, 12], // the console lists ten, the JSON report all
  ]);
  assert.equal(byName['Doors are classified'].verdictReason, '');
  const walls = byName['Walls have a fire rating'];
  assert.deepEqual(walls.failures[1].reasons, [
    "Pset_WallCommon.FireRating is IFCLABEL('EI 30'), required one of 'REI 60', 'REI 90'",
    "has material 'Brick', required 'Concrete'",
  ]);
  assert.equal(walls.failures[2].globalId, '');
});

test('the summary adds up the specifications', () => {
  const specs = report.specifications;
  const count = (status) => specs.filter((s) => s.status === status).length;
  assert.deepEqual(report.summary, {
    specifications: 4,
    passed: 1,
    failed: 2,
    notApplicable: 1,
    applicableElements: specs.reduce((sum, s) => sum + s.applicable, 0),
    failingElements: specs.reduce((sum, s) => sum + s.failed, 0),
  });
  assert.deepEqual([count('passed'), count('failed'), count('not-applicable')], [1, 2, 1]);
});
