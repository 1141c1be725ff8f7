// Runs ifcapi-export on the sample model with the example add-on. The tool and the add-on are named by
// IFCAPI_EXPORT_TOOL and IFCAPI_EXAMPLE_ADDON (CTest sets both), and a cross build's emulator by
// IFCAPI_EXPORT_EMULATOR; outputs go to IFCAPI_IFC_WORK or a fresh temporary folder.
//
//   const run = exportSample('plain.ifc');          // { status, stdout, stderr, output }
//   const alt = exportSample('alt.ifc', ['--alternative'], 'second-run');
//   const any = exportFile('in.ifc', addonPath, 'out.ifc');     // any input, any add-on
'use strict';

const { spawnSync } = require('node:child_process');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');

const SAMPLE = path.resolve(__dirname, '../../../examples/model/sample-building.ifc');

function required(name) {
  const value = process.env[name];
  if (!value) throw new Error(`${name} is not set: run these checks through CTest (label ifc), which sets it`);
  return value;
}

let work = null;
function workFolder() {
  if (!work) {
    work = process.env.IFCAPI_IFC_WORK || fs.mkdtempSync(path.join(os.tmpdir(), 'ifc-checks-'));
    fs.mkdirSync(work, { recursive: true });
  }
  return work;
}

// Writes `outputName` into the subfolder `folder` of the work folder.
function exportSample(outputName, options = [], folder = '.') {
  return exportFile(SAMPLE, required('IFCAPI_EXAMPLE_ADDON'), outputName, options, folder);
}

// Runs the tool with the add-on `addon` on `input`; the output as exportSample's.
function exportFile(input, addon, outputName, options = [], folder = '.') {
  fs.mkdirSync(path.join(workFolder(), folder), { recursive: true });
  const output = path.join(workFolder(), folder, outputName);
  fs.rmSync(output, { force: true });
  const tool = required('IFCAPI_EXPORT_TOOL');
  const args = ['--addon', addon, ...options, input, output];
  // A cross-built tool runs through its emulator (Wine for the Windows build).
  const emulator = process.env.IFCAPI_EXPORT_EMULATOR;
  const run = emulator
    ? spawnSync(emulator, [tool, ...args], { encoding: 'utf8', timeout: 60000 })
    : spawnSync(tool, args, { encoding: 'utf8', timeout: 60000 });
  if (run.error) throw run.error;
  return { status: run.status, stdout: run.stdout, stderr: run.stderr, output, input };
}

module.exports = { exportSample, exportFile, required, SAMPLE };
