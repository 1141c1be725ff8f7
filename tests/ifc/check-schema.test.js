// Every instance that the export tool writes for the sample model, with either family of the example
// add-on's operations, is valid against the IFC4 schema table, and the file declares IFC4.
'use strict';

const assert = require('node:assert/strict');
const test = require('node:test');
const { openIfcFile } = require('./lib/ifc-file');
const { validate } = require('./lib/schema');
const { exportSample } = require('./lib/export-run');

for (const [name, options] of [['ordinary', []], ['alternative', ['--alternative']]]) {
  test(`every written instance is valid IFC4 (${name} operations)`, async () => {
    const run = exportSample(`schema-${name}.ifc`, options);
    assert.equal(run.status, 0, run.stderr);
    const file = await openIfcFile(run.output);
    try {
      assert.equal(file.schema, 'IFC4');
      assert.deepEqual(validate(file), []);
      assert.ok(file.instances.size > 118, 'the export added nothing to the sample model');
    } finally {
      file.close();
    }
  });
}
