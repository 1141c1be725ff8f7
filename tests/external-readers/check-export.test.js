// The export tool's output for the sample model and the example add-on, read back with web-ifc: in
// each schema it reads, every written instance is valid in the file's schema; for IFC4, every
// contribution of the add-on is there with its IFC type and value and every input instance is kept.
'use strict';

const assert = require('node:assert/strict');
const fs = require('node:fs');
const path = require('node:path');
const test = require('node:test');
const { openIfcFile, WebIFC } = require('./lib/ifc-file');
const { checkExport } = require('./lib/check-export');
const { validate } = require('./lib/schema');
const { exportFile, exportSample, required, SAMPLE } = require('./lib/export-run');
const { compress } = require('./lib/guid');
const expected = require('./expected-contributions');

const OPERATIONS = { ordinary: [], alternative: ['--alternative'] };

// The schema check's problems and, given `expectation`, the export check's, of a successful run.
async function problemsOf(run, schema, expectation) {
  assert.equal(run.status, 0, `the tool failed:\n${run.stderr}`);
  const [input, output] = [await openIfcFile(run.input), await openIfcFile(run.output)];
  try {
    assert.equal(output.schema, schema);
    assert.ok(output.instances.size > input.instances.size, 'the export added nothing');
    return [...validate(output), ...(expectation ? checkExport(input, output, expectation) : [])];
  } finally {
    input.close();
    output.close();
  }
}

test('the export holds every contribution of the example add-on and every input instance', async () => {
  const run = exportSample('sample-export.ifc');
  assert.deepEqual(await problemsOf(run, 'IFC4', expected), []);
  const said = (run.stdout + run.stderr).toUpperCase();
  for (const warning of expected.warnings) {
    const forms = warning.includes('-') ? [warning, compress(warning)] : [warning];
    assert.ok(forms.some((form) => said.includes(form.toUpperCase())), `no warning names ${warning}:\n${said}`);
  }
});

test('the alternative operations contribute instead of the ordinary ones', async () => {
  const run = exportSample('sample-export-alternative.ifc', OPERATIONS.alternative);
  assert.deepEqual(await problemsOf(run, 'IFC4', { ...expected, ...expected.alternative }), []);
});

for (const [schema, suffix] of [['IFC2X3', '-ifc2x3'], ['IFC4X3_ADD2', '-ifc4x3']]) {
  for (const [name, options] of Object.entries(OPERATIONS)) {
    test(`every written instance is valid ${schema} (${name} operations)`, async () => {
      const input = path.join(path.dirname(SAMPLE), `sample-building${suffix}.ifc`);
      const run = exportFile(input, required('IFCAPI_EXAMPLE_ADDON'), `schema-${schema}-${name}.ifc`, options);
      assert.deepEqual(await problemsOf(run, schema), []);
    });
  }
}

test('the same input and add-on give the same bytes, and the header names the tool', async () => {
  // The header names the output file, so both runs write files of the same name.
  const [first, second] = ['run-1', 'run-2'].map((folder) => exportSample('sample-export.ifc', [], folder));
  assert.equal(first.status, 0, first.stderr);
  assert.ok(fs.readFileSync(first.output).equals(fs.readFileSync(second.output)), 'two runs wrote different files');
  const file = await openIfcFile(first.output);
  const name = JSON.stringify(file.header(WebIFC.FILE_NAME));
  file.close();
  assert.match(name, /ifcapi-export/);
});
