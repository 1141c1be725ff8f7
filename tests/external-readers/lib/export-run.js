// Runs ifcapi-export. The tool and the example add-on are named by IFCAPI_EXPORT_TOOL and
// IFCAPI_EXAMPLE_ADDON (CTest sets both), a cross build's emulator (Wine) by IFCAPI_EXPORT_EMULATOR;
// outputs go to IFCAPI_IFC_WORK or a fresh temporary folder.
//
//   const run = exportSample('alt.ifc', ['--alternative'], 'second-run');  // { status, stdout, stderr, input, output }
//   const any = exportFile('in.ifc', addonPath, 'out.ifc');                 // any input, any add-on
'use strict';

const { spawnSync } = require('node:child_process');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');

const SAMPLE = path.resolve(__dirname, '../../../examples/model/sample-building.ifc');
let work = null;

function required(name) {
  if (!process.env[name]) throw new Error(`${name} is not set: run these checks through CTest (label ifc)`);
  return process.env[name];
}

// Writes `outputName` into the subfolder `folder` of the work folder.
function exportFile(input, addon, outputName, options = [], folder = '.') {
  work ||= process.env.IFCAPI_IFC_WORK || fs.mkdtempSync(path.join(os.tmpdir(), 'ifc-checks-'));
  const output = path.join(work, folder, outputName);
  fs.mkdirSync(path.dirname(output), { recursive: true });
  fs.rmSync(output, { force: true });
  const command = [required('IFCAPI_EXPORT_TOOL'), '--addon', addon, ...options, input, output];
  if (process.env.IFCAPI_EXPORT_EMULATOR) command.unshift(process.env.IFCAPI_EXPORT_EMULATOR);
  const run = spawnSync(command[0], command.slice(1), { encoding: 'utf8', timeout: 60000 });
  if (run.error) throw run.error;
  return { status: run.status, stdout: run.stdout, stderr: run.stderr, output, input };
}

function exportSample(outputName, options = [], folder = '.') {
  return exportFile(SAMPLE, required('IFCAPI_EXAMPLE_ADDON'), outputName, options, folder);
}

module.exports = { exportSample, exportFile, required, SAMPLE };
