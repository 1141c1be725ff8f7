// Opens an IFC file with web-ifc, the independent reader the checks trust, and offers its instances
// as plain records: { id, entity (schema spelling, e.g. 'IfcWall'), args (web-ifc's raw arguments) }.
//
//   const file = await openIfcFile('out.ifc');
//   for (const instance of file.instances.values()) console.log(instance.id, instance.entity);
//   file.close();
//
// Raw arguments are web-ifc's: null for an unset value, arrays for aggregates, and objects with a
// `type`: 1 string, 2 typed value ({typecode, value}), 3 enumeration, 4 real (as text), 5 reference,
// 10 integer. `lines` holds each instance's text as the file has it, by number.
'use strict';

const fs = require('node:fs');
const WebIFC = require('web-ifc');

let apiPromise = null;
function api() {
  apiPromise ||= (async () => {
    const instance = new WebIFC.IfcAPI();
    await instance.Init();
    instance.SetLogLevel(WebIFC.LogLevel.LOG_LEVEL_OFF);
    return instance;
  })();
  return apiPromise;
}

const text = (raw) => (raw && (raw.type === 1 || raw.type === 2) ? raw.value : raw === null ? null : undefined);
const refs = (list) => (Array.isArray(list) ? list.map((r) => r.value) : list && list.type === 5 ? [list.value] : []);

async function openIfcFile(path) {
  const ifc = await api();
  const bytes = fs.readFileSync(path);
  const modelId = ifc.OpenModel(new Uint8Array(bytes));
  const instances = new Map();
  const ids = ifc.GetAllLines(modelId);
  for (let k = 0; k < ids.size(); k++) {
    const raw = ifc.GetRawLineData(modelId, ids.get(k));
    instances.set(ids.get(k), { id: ids.get(k), entity: ifc.GetNameFromTypeCode(raw.type), args: raw.arguments });
  }
  const source = bytes.toString('latin1');
  return {
    path,
    source,
    schema: ifc.GetModelSchema(modelId),
    header: (type) => ifc.GetHeaderLine(modelId, type),
    instances,
    lines: new Map([...source.matchAll(/^#(\d+)\s*=(.*?);\r?$/gms)].map((m) => [Number(m[1]), m[2]])),
    typeName: (typecode) => ifc.GetNameFromTypeCode(typecode),
    close: () => ifc.CloseModel(modelId),
  };
}

module.exports = { openIfcFile, WebIFC, text, refs };
