// Opens an IFC file with web-ifc, the independent reader the checks trust, and offers its instances
// as plain records: { id, entity (schema spelling, e.g. 'IfcWall'), args (web-ifc's raw arguments) }.
//
//   const file = await openIfcFile('out.ifc');
//   for (const instance of file.instances.values()) console.log(instance.id, instance.entity);
//   file.close();
//
// Raw arguments are web-ifc's: null for an unset value, arrays for aggregates, and objects with a
// `type`: 1 string, 2 typed value ({typecode, value}), 3 enumeration, 4 real (as text), 5 reference,
// 10 integer. Derived values (`*`) do not appear; `derived` gives their positions per instance, read
// from the file's text, so that the arguments can be lined up with the schema's attributes.
'use strict';

const fs = require('node:fs');
const WebIFC = require('web-ifc');

let apiPromise = null;

function api() {
  if (!apiPromise) {
    apiPromise = (async () => {
      const instance = new WebIFC.IfcAPI();
      await instance.Init();
      instance.SetLogLevel(WebIFC.LogLevel.LOG_LEVEL_OFF);
      return instance;
    })();
  }
  return apiPromise;
}

// Instance numbers found in the text, each with the positions of `*` among its own arguments.
// A small scanner: strings ('...', with '' inside) are skipped, everything else is read as is.
function scanText(text) {
  const derived = new Map();
  const dataStart = text.indexOf('DATA;');
  let i = dataStart < 0 ? 0 : dataStart + 5;
  while (i < text.length) {
    const hash = text.indexOf('#', i);
    if (hash < 0) break;
    const match = /^#(\d+)\s*=/.exec(text.slice(hash, hash + 24));
    if (!match) {
      i = hash + 1;
      continue;
    }
    let depth = 0;
    const stars = [];
    let position = 0;
    let j = hash + match[0].length;
    for (; j < text.length; j++) {
      const c = text[j];
      if (c === "'") {
        for (j++; j < text.length; j++) {
          if (text[j] !== "'") continue;
          if (text[j + 1] !== "'") break;
          j++;
        }
      } else if (c === '(') depth++;
      else if (c === ')') depth--;
      else if (c === ',' && depth === 1) position++;
      else if (c === '*' && depth === 1) stars.push(position);
      else if (c === ';' && depth === 0) break;
    }
    derived.set(Number(match[1]), stars);
    i = j + 1;
  }
  return derived;
}

async function openIfcFile(path) {
  const ifc = await api();
  const bytes = fs.readFileSync(path);
  const modelId = ifc.OpenModel(new Uint8Array(bytes));
  const instances = new Map();
  const ids = ifc.GetAllLines(modelId);
  for (let k = 0; k < ids.size(); k++) {
    const id = ids.get(k);
    const raw = ifc.GetRawLineData(modelId, id);
    instances.set(id, { id, entity: ifc.GetNameFromTypeCode(raw.type), args: raw.arguments });
  }
  return {
    path,
    schema: ifc.GetModelSchema(modelId),
    header: (type) => ifc.GetHeaderLine(modelId, type),
    instances,
    derived: scanText(bytes.toString('latin1')),
    typeName: (typecode) => ifc.GetNameFromTypeCode(typecode),
    close: () => ifc.CloseModel(modelId),
  };
}

module.exports = { openIfcFile, WebIFC };
