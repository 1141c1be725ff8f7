// The benchmark scripts' command lines: --help prints the usage and exits with 0, an unknown option
// or a wrong count of arguments exits with 2, and neither writes a file (a generator once wrote its
// model to a file named --help).
'use strict';

const test = require('node:test');
const assert = require('node:assert');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const { spawnSync } = require('node:child_process');

const benchmarks = path.join(__dirname, '..', '..', 'benchmarks');
const SCRIPTS = ['ids/generate-model.js', 'exporter/generate-model.js', 'exporter/open-model.js'];

const run = (script, args) => {
  const folder = fs.mkdtempSync(path.join(os.tmpdir(), 'ifcapi-bench-args-'));
  try {
    const result = spawnSync(process.execPath, [path.join(benchmarks, script), ...args], { cwd: folder, encoding: 'utf8' });
    return { ...result, written: fs.readdirSync(folder) };
  } finally {
    fs.rmSync(folder, { recursive: true, force: true });
  }
};

for (const script of SCRIPTS) {
  test(`${script} answers --help and -h`, () => {
    for (const help of ['--help', '-h']) {
      const { status, stdout, written } = run(script, help === '-h' ? ['out.ifc', help] : [help]);
      assert.equal(status, 0);
      assert.match(stdout, new RegExp(`^Usage: node benchmarks/${script.replace('.', '\\.')} `));
      assert.deepEqual(written, []);
    }
  });

  test(`${script} refuses an unknown option and a missing or extra argument`, () => {
    for (const args of [['--output', 'out.ifc'], [], ['a.ifc', '10', 'IFC4', 'extra']]) {
      const { status, stderr, written } = run(script, args);
      assert.equal(status, 2, args.join(' '));
      assert.match(stderr, /Usage: /);
      assert.deepEqual(written, []);
    }
  });
}
