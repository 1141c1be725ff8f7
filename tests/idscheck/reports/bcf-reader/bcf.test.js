// The BCF reports read back by an independent reader, @parametricos/bcf-js: the hand-filled sample
// result (BCF 2.1 and 3.0), ifcapi-ids's report of a conformance case and ifcapi-export's of the
// sample building. Each file must open
// with the topics, labels, referenced model and components that the check found.
'use strict';

const assert = require('node:assert/strict');
const fs = require('node:fs');
const test = require('node:test');

const readers = {
  '2.1': require('@parametricos/bcf-js/dist/2.1').BcfReader,
  '3.0': require('@parametricos/bcf-js').BcfReader,
};

// Reads the archive at `file` as BCF `version`; the reader logs rather than throws, so an archive it
// cannot read shows as a missing project.
async function read(file, version) {
  const bytes = fs.readFileSync(file);
  const reader = new readers[version]();
  await reader.read(bytes.buffer.slice(bytes.byteOffset, bytes.byteOffset + bytes.byteLength));
  assert.ok(reader.project, `${file}: not read as BCF ${version}`);
  return reader.project.markups;
}

const byTitle = (markups) => Object.fromEntries(markups.map((markup) => [markup.topic.title, markup]));
const components = (markup) => markup.viewpoints.flatMap((viewpoint) => viewpoint.components.selection.map((c) => c.ifc_guid));
const fileName = (markup, version) => {
  const files = markup.header.files;
  return version === '2.1' ? files[0].file.filename : files[0].filename;
};

for (const version of ['2.1', '3.0']) {
  const sample = process.env[`IDS_SAMPLE_BCF_${version.replace('.', '_')}`];

  test(`BCF ${version}: one topic per failed specification of the sample, with its labels and model`, async () => {
    const markups = await read(sample, version);
    const topics = byTitle(markups);
    assert.deepEqual(Object.keys(topics).sort(), ['Pipe segments have a material', 'Walls have a fire rating']);
    for (const markup of markups) {
      assert.deepEqual(markup.topic.labels, ['IDS', 'Sample requirements']);
      assert.equal(markup.topic.topic_status, 'Open');
      assert.equal(markup.topic.creation_author, 'ifcapi-ids');
      assert.equal(markup.topic.creation_date, '2024-05-01T10:00:00');
      assert.equal(fileName(markup, version), 'sample <building>.ifc');
    }
  });

  test(`BCF ${version}: the failing elements with a GlobalId are the components, in file order`, async () => {
    const topics = byTitle(await read(sample, version));
    assert.deepEqual(components(topics['Walls have a fire rating']), ['2O2Fr$t4X7Zf8NOew3FLOH', '0K7w2$Ztb8XxzHhH8zFhMk']);
    const pipes = components(topics['Pipe segments have a material']);
    assert.equal(pipes.length, 12);
    assert.equal(pipes[11], '3Pipe00000000000000111');
    const description = topics['Walls have a fire rating'].topic.description;
    assert.match(description, /^Walls have a fire rating \(requirements\.ids\): 12 applicable, 9 passed, 3 failed\n/);
    assert.ok(description.includes(`IfcWall 'Wall "A" <script>alert('x')</script> & \\`), description);
  });

  test(`BCF ${version}: the command's report of a failing conformance case`, async () => {
    const markups = await read(process.env[`IDS_TOOL_BCF_${version.replace('.', '_')}`], version);
    assert.equal(markups.length, 1);
    const [markup] = markups;
    assert.equal(markup.topic.title, 'A specification passes only if all requirements pass (1/2)');
    assert.equal(fileName(markup, version), 'fail-a_specification_passes_only_if_all_requirements_pass_1_2.ifc');
    assert.deepEqual(components(markup), ['1hqIFTRjfV6AWq_bMtnZwI']);
    assert.match(markup.topic.description, /IfcWall 'Waldo': Description is not set/);
  });
}

test('BCF 3.0 of ifcapi-export --ids: the walls and spaces that miss their requirements', async () => {
  const topics = byTitle(await read(process.env.IDS_EXPORT_BCF, '3.0'));
  assert.deepEqual(Object.keys(topics).sort(), ['Every space is classified', 'Every wall has a fire rating']);
  const walls = topics['Every wall has a fire rating'];
  assert.equal(components(walls).length, 2);
  assert.ok(components(walls).includes('3W0000001008000000000J'));
  // The written file's name, IfcProject and FILE_NAME time stamp (kept from the sample building).
  assert.deepEqual(walls.header.files, [
    { filename: 'out.ifc', date: '2026-01-01T00:00:00', ifc_project: '3000000010080000000001', is_external: 'true' },
  ]);
  assert.equal(walls.topic.creation_date, '2026-01-01T00:00:00');
  assert.ok(walls.topic.labels.includes('IDS'));
});
