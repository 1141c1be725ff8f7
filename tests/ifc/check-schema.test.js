// Every instance that the export tool writes for the sample model in each schema it reads, with
// either family of the example add-on's operations, is valid against that schema's tables (the IFC4
// tables of exporter/schema, web-ifc's own for IFC2X3 and IFC4X3), and the file keeps its schema.
'use strict';

const assert = require('node:assert/strict');
const path = require('node:path');
const test = require('node:test');
const { openIfcFile } = require('./lib/ifc-file');
const { validate, tablesFor } = require('./lib/schema');
const { exportFile, required, SAMPLE } = require('./lib/export-run');

const SAMPLES = [
  ['IFC4', SAMPLE],
  ['IFC2X3', path.join(path.dirname(SAMPLE), 'sample-building-ifc2x3.ifc')],
  ['IFC4X3_ADD2', path.join(path.dirname(SAMPLE), 'sample-building-ifc4x3.ifc')],
];

for (const [schema, input] of SAMPLES) {
  for (const [name, options] of [['ordinary', []], ['alternative', ['--alternative']]]) {
    test(`every written instance is valid ${schema} (${name} operations)`, async () => {
      const run = exportFile(input, required('IFCAPI_EXAMPLE_ADDON'), `schema-${schema}-${name}.ifc`, options);
      assert.equal(run.status, 0, run.stderr);
      const file = await openIfcFile(run.output);
      try {
        assert.equal(file.schema, schema);
        assert.deepEqual(validate(file, tablesFor(file.schema)), []);
        assert.ok(file.instances.size > 118, 'the export added nothing to the sample model');
      } finally {
        file.close();
      }
    });
  }
}
