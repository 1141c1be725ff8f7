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
const { compress } = require('../../tests/ifc/lib/guid');

const [output, wantedText = '1000000', schema = 'IFC4'] = process.argv.slice(2);
if (!output || !/^\d+$/.test(wantedText) || !['IFC4', 'IFC2X3'].includes(schema)) {
  console.error('usage: node generate-model.js OUTPUT.ifc [INSTANCES] [IFC4|IFC2X3]');
  process.exit(2);
}
const wanted = Number(wantedText);

const fd = fs.openSync(output, 'w');
let buffer = '';
let n = 0;
const flush = () => {
  fs.writeSync(fd, buffer);
  buffer = '';
};
const add = (text) => {
  n += 1;
  buffer += `#${n}=${text};\n`;
  if (buffer.length > 1 << 20) flush();
  return `#${n}`;
};
// GlobalIds from a counter, in a GUID range of their own, as some authoring tools number them: GUIDs
// that differ only in their last bytes are the hard case for a GlobalId hash table.
let guids = 0;
const gid = () => {
  guids += 1;
  return `'${compress(`B3A70000-0000-4000-8000-${guids.toString(16).padStart(12, '0')}`)}'`;
};

buffer += `ISO-10303-21;
HEADER;
FILE_DESCRIPTION(('ViewDefinition [${schema === 'IFC4' ? 'ReferenceView' : 'CoordinationView_V2.0'}]'),'2;1');
FILE_NAME('large-model.ifc','2026-01-01T00:00:00',('Benchmark'),('IFCAPI'),'generate-model.js','IFCAPI benchmark','');
FILE_SCHEMA(('${schema}'));
ENDSEC;
DATA;
`;
const person = add("IFCPERSON($,'Benchmark','Model',$,$,$,$,$)");
const organization = add("IFCORGANIZATION($,'IFCAPI',$,$,$)");
const user = add(`IFCPERSONANDORGANIZATION(${person},${organization},$)`);
const application = add(`IFCAPPLICATION(${organization},'1.0','IFCAPI benchmark model','IFCAPI-Bench')`);
const history = add(`IFCOWNERHISTORY(${user},${application},$,.ADDED.,$,$,$,1767225600)`);
const length = add('IFCSIUNIT(*,.LENGTHUNIT.,$,.METRE.)');
const units = add(`IFCUNITASSIGNMENT((${length}))`);
const origin = add('IFCCARTESIANPOINT((0.,0.,0.))');
const up = add('IFCDIRECTION((0.,0.,1.))');
const east = add('IFCDIRECTION((1.,0.,0.))');
const world = add(`IFCAXIS2PLACEMENT3D(${origin},${up},${east})`);
const context = add(`IFCGEOMETRICREPRESENTATIONCONTEXT($,'Model',3,1.E-05,${world},$)`);
const project = add(`IFCPROJECT(${gid()},${history},'Benchmark project',$,$,$,$,(${context}),${units})`);
const sitePlacement = add(`IFCLOCALPLACEMENT($,${world})`);
const site = add(`IFCSITE(${gid()},${history},'Site',$,$,${sitePlacement},$,$,.ELEMENT.,$,$,$,$,$)`);
const buildingPlacement = add(`IFCLOCALPLACEMENT(${sitePlacement},${world})`);
const building = add(`IFCBUILDING(${gid()},${history},'Building',$,$,${buildingPlacement},$,$,.ELEMENT.,$,$,$)`);
add(`IFCRELAGGREGATES(${gid()},${history},$,$,${project},(${site}))`);
add(`IFCRELAGGREGATES(${gid()},${history},$,$,${site},(${building}))`);

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
while (n < wanted - 16) {
  const level = storeys.length;
  const placement = add(`IFCLOCALPLACEMENT(${buildingPlacement},${world})`);
  const storey = add(`IFCBUILDINGSTOREY(${gid()},${history},'Level ${level}',$,$,${placement},$,$,.ELEMENT.,${level * 3}.)`);
  storeys.push(storey);
  const contained = [];
  for (let k = 0; k < PER_STOREY && n < wanted - 16; k++, element++) {
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
buffer += 'ENDSEC;\nEND-ISO-10303-21;\n';
flush();
fs.closeSync(fd);
console.log(`${output}: ${n} instances, ${element} elements, ${(fs.statSync(output).size / 1e6).toFixed(1)} MB`);
