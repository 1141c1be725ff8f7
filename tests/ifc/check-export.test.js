// The export tool's output for the sample model and the example add-on, read back with web-ifc:
// every contribution of the add-on is there with its IFC type and value, every relation has its
// members, every attribute is set, and every input instance is kept.
'use strict';

const assert = require('node:assert/strict');
const fs = require('node:fs');
const test = require('node:test');
const { openIfcFile, WebIFC } = require('./lib/ifc-file');
const { checkExport } = require('./lib/check-export');
const { exportSample } = require('./lib/export-run');
const { compress } = require('./lib/guid');
const expected = require('./expected-contributions');

async function problemsOf(run, expectation) {
  assert.equal(run.status, 0, `the tool failed:\n${run.stderr}`);
  const [input, output] = [await openIfcFile(run.input), await openIfcFile(run.output)];
  try {
    return checkExport(input, output, expectation);
  } finally {
    input.close();
    output.close();
  }
}

test('the export holds every contribution of the example add-on and every input instance', async () => {
  const run = exportSample('sample-export.ifc');
  assert.deepEqual(await problemsOf(run, expected), []);
  // What could not be written is named in a warning.
  const said = run.stdout + run.stderr;
  for (const warning of expected.warnings) {
    const guid = warning.includes('-') ? [warning, compress(warning)] : [warning];
    assert.ok(guid.some((text) => said.toUpperCase().includes(text.toUpperCase())), `no warning names ${warning}:\n${said}`);
  }
});

test('the alternative operations contribute instead of the ordinary ones', async () => {
  const run = exportSample('sample-export-alternative.ifc', ['--alternative']);
  const alternative = { ...expected, ...expected.alternative, classification: expected.classification };
  assert.deepEqual(await problemsOf(run, alternative), []);
});

test('the same input and add-on give the same bytes, and the header names the tool', async () => {
  // The header names the output file, so both runs write files of the same name.
  const first = exportSample('sample-export.ifc', [], 'run-1');
  const second = exportSample('sample-export.ifc', [], 'run-2');
  assert.equal(first.status, 0, first.stderr);
  assert.equal(second.status, 0, second.stderr);
  assert.ok(fs.readFileSync(first.output).equals(fs.readFileSync(second.output)), 'two runs wrote different files');
  const file = await openIfcFile(first.output);
  const name = JSON.stringify(file.header(WebIFC.FILE_NAME));
  file.close();
  assert.match(name, /ifcapi-export/);
});
