// The reference side of the export benchmark: how long web-ifc's OpenModel takes to read a file,
// and with --every-line how long it takes when every line is also fetched. Prints one line of JSON,
// {"bytes":..., "seconds":..., "cpuSeconds":..., "lines":...} (wall clock and processor time); run one
// mode a process, so that peak memory is its own.
//   NODE_PATH=.../node_modules node benchmarks/exporter/open-model.js [--every-line] MODEL.ifc
'use strict';

const fs = require('node:fs');
const { performance } = require('node:perf_hooks');
const { argumentsOf, refuse } = require('../support/command-line');

const USAGE = `Usage: node benchmarks/exporter/open-model.js [--every-line] MODEL.ifc [--help]

Times web-ifc's OpenModel reading MODEL.ifc and prints one line of JSON: bytes, seconds, cpuSeconds
and lines (web-ifc from NODE_PATH).

  --every-line   also fetch every line, and count them
  --help         print this text and exit`;

const args = argumentsOf(USAGE, ['--every-line']);
const everyLine = args.includes('--every-line');
const paths = args.filter((arg) => arg !== '--every-line');
if (paths.length !== 1) refuse(USAGE);
const WebIFC = require('web-ifc');

(async () => {
  const path = paths[0];
  const api = new WebIFC.IfcAPI();
  await api.Init();
  api.SetLogLevel(WebIFC.LogLevel.LOG_LEVEL_OFF);
  const bytes = new Uint8Array(fs.readFileSync(path));

  const start = performance.now();
  const cpuStart = process.cpuUsage();
  const model = api.OpenModel(bytes);
  let lines = 0;
  if (everyLine) {
    const ids = api.GetAllLines(model);
    lines = ids.size();
    for (let k = 0; k < lines; k++) api.GetRawLineData(model, ids.get(k));
  }
  const seconds = (performance.now() - start) / 1000;
  const cpu = process.cpuUsage(cpuStart);
  const cpuSeconds = (cpu.user + cpu.system) / 1e6;
  api.CloseModel(model);
  console.log(JSON.stringify({ bytes: bytes.length, seconds, cpuSeconds, lines }));
})();
