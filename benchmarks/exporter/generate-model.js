// Writes a large IFC4 or IFC2X3 model for the export benchmark: a project, a site, a building and
// storeys holding walls, slabs, radiators and pipe segments, each with its own placement and a
// property set for every second element. IFC2X3 has no radiator or pipe segment entities: they are
// IfcFlowTerminal and IfcFlowSegment there, and its walls have no PredefinedType. The same arguments
// always give the same bytes.
//
//   node benchmarks/exporter/generate-model.js OUTPUT.ifc [INSTANCES] [IFC4|IFC2X3]
//   (default 1000000 instances, ~90 MB, IFC4)
'use strict';

const fs = require('node:fs');
const { StepModel } = require('../support/step-model');
const { argumentsOf, refuse } = require('../support/command-line');

const USAGE = `Usage: node benchmarks/exporter/generate-model.js OUTPUT.ifc [INSTANCES] [IFC4|IFC2X3] [--help]

Writes the export benchmark's model of about INSTANCES instances (default 1000000, about 90 MB) in
the given schema (default IFC4) to OUTPUT.ifc; the same arguments always give the same bytes.

  --help   print this text and exit`;

const args = argumentsOf(USAGE);
const [output, wantedText = '1000000', schema = 'IFC4'] = args;
if (!output || args.length > 3 || !/^\d+$/.test(wantedText) || !['IFC4', 'IFC2X3'].includes(schema)) {
  refuse(USAGE);
}
const wanted = Number(wantedText);

const model = new StepModel(output, {
  fileName: 'large-model.ifc',
  schema,
  view: schema === 'IFC4' ? 'ReferenceView' : 'CoordinationView_V2.0',
  guidPrefix: 'B3A70000',
});
const add = (text) => model.add(text);
const gid = () => model.gid();
const { history, up, east, world, buildingPlacement, building } = model.writeHead({
  project: 'Benchmark project',
  building: 'Building',
  units: ['IFCSIUNIT(*,.LENGTHUNIT.,$,.METRE.)'],
});

// Entity, name and PredefinedType (null where the entity has none) of each kind of element.
const KINDS = {
  IFC4: [
    ['IFCWALL', 'Basic wall: exterior brick 240 mm', '.SOLIDWALL.'],
    ['IFCSLAB', 'Floor: reinforced concrete 220 mm', '.FLOOR.'],
    ['IFCSPACEHEATER', 'Radiator: panel type 22 600x1200', '.RADIATOR.'],
    ['IFCPIPESEGMENT', 'Pipe segment: copper 22x1', '.RIGIDSEGMENT.'],
  ],
  IFC2X3: [
    ['IFCWALL', 'Basic wall: exterior brick 240 mm', null],
    ['IFCSLAB', 'Floor: reinforced concrete 220 mm', '.FLOOR.'],
    ['IFCFLOWTERMINAL', 'Radiator: panel type 22 600x1200', null],
    ['IFCFLOWSEGMENT', 'Pipe segment: copper 22x1', null],
  ],
}[schema];
const PER_STOREY = 2000;
const storeys = [];
let element = 0;
while (model.count < wanted - 16) {
  const level = storeys.length;
  const placement = add(`IFCLOCALPLACEMENT(${buildingPlacement},${world})`);
  const storey = add(`IFCBUILDINGSTOREY(${gid()},${history},'Level ${level}',$,$,${placement},$,$,.ELEMENT.,${level * 3}.)`);
  storeys.push(storey);
  const contained = [];
  for (let k = 0; k < PER_STOREY && model.count < wanted - 16; k++, element++) {
    const [entity, name, type] = KINDS[element % KINDS.length];
    const x = (element % 100) * 0.6125 + 0.0375;
    const y = (Math.floor(element / 100) % 100) * 0.4875 + 0.0125;
    const point = add(`IFCCARTESIANPOINT((${x.toFixed(6)},${y.toFixed(6)},${(level * 3).toFixed(6)}))`);
    const axes = add(`IFCAXIS2PLACEMENT3D(${point},${up},${east})`);
    const local = add(`IFCLOCALPLACEMENT(${placement},${axes})`);
    const product = add(
      `${entity}(${gid()},${history},'${name} ${element}','Generated on level ${level} of the benchmark building','Type ${element % 17}',${local},$,'T-${element}'${type ? `,${type}` : ''})`,
    );
    contained.push(product);
    if (element % 2 === 0) {
      const values = [
        add(`IFCPROPERTYSINGLEVALUE('Reference','Identifier in the plan',IFCIDENTIFIER('Plan reference R-${element}'),$)`),
        add(`IFCPROPERTYSINGLEVALUE('IsExternal','Part of the envelope',IFCBOOLEAN(.${element % 4 ? 'T' : 'F'}.),$)`),
        add(`IFCPROPERTYSINGLEVALUE('Width','Nominal width',IFCLENGTHMEASURE(${(0.1 + (element % 7) * 0.025).toFixed(3)}),$)`),
      ];
      const set = add(`IFCPROPERTYSET(${gid()},${history},'Pset_Benchmark',$,(${values.join(',')}))`);
      add(`IFCRELDEFINESBYPROPERTIES(${gid()},${history},$,$,(${product}),${set})`);
    }
  }
  add(`IFCRELCONTAINEDINSPATIALSTRUCTURE(${gid()},${history},$,$,(${contained.join(',')}),${storey})`);
}
add(`IFCRELAGGREGATES(${gid()},${history},$,$,${building},(${storeys.join(',')}))`);
const n = model.finish();
console.log(`${output}: ${n} instances, ${element} elements, ${(fs.statSync(output).size / 1e6).toFixed(1)} MB`);
