// Writes a large IFC4 model for the requirements check benchmark: a project, site and building with
// storeys that aggregate spaces and contain walls, slabs, doors, radiators and pipe segments. Every
// element has a type object (with type property sets and, for walls and doors, the type's material),
// its own placement, a property set, base quantities for walls, slabs and spaces, a Uniclass 2015
// classification reference and a material; radiators and pipes belong to a heating system per
// storey. A few elements in each hundred miss something on purpose, so that the check finds
// failures. The same arguments always give the same bytes.
//
//   node benchmarks/ids/generate-model.js OUTPUT.ifc [INSTANCES]   (default 1000000, ~100 MB)
'use strict';

const fs = require('node:fs');
const { StepModel, list } = require('../support/step-model');
const { argumentsOf, refuse } = require('../support/command-line');

const USAGE = `Usage: node benchmarks/ids/generate-model.js OUTPUT.ifc [INSTANCES] [--help]

Writes the requirements check benchmark's IFC4 model of about INSTANCES instances (default 1000000,
about 81 MB) to OUTPUT.ifc; the same arguments always give the same bytes.

  --help   print this text and exit`;

const args = argumentsOf(USAGE);
const [output, wantedText = '1000000'] = args;
if (!output || args.length > 2 || !/^[0-9]+$/.test(wantedText)) refuse(USAGE);
const wanted = Number(wantedText);

const model = new StepModel(output, {
  fileName: 'ids-benchmark.ifc',
  schema: 'IFC4',
  view: 'ReferenceView',
  guidPrefix: '1D5C0000',
});
const add = (text) => model.add(text);
const gid = () => model.gid();
const { history, up, east, world, buildingPlacement, building } = model.writeHead({
  project: 'IDS benchmark project',
  building: 'Building A',
  units: [
    'IFCSIUNIT(*,.LENGTHUNIT.,$,.METRE.)',
    'IFCSIUNIT(*,.AREAUNIT.,$,.SQUARE_METRE.)',
    'IFCSIUNIT(*,.POWERUNIT.,$,.WATT.)',
  ],
});

const single = (name, value) => add(`IFCPROPERTYSINGLEVALUE('${name}',$,${value},$)`);
const propertySet = (name, properties) => add(`IFCPROPERTYSET(${gid()},${history},'${name}',$,${list(properties)})`);
const material = (name, category) => add(`IFCMATERIAL('${name}',$,'${category}')`);

const uniclass = add("IFCCLASSIFICATION('buildingSMART UK','2015',$,'Uniclass 2015',$,$,$)");
const reference = (code, name) => add(`IFCCLASSIFICATIONREFERENCE($,'${code}','${name}',${uniclass},$,$)`);

const brick = material('Brick', 'Masonry');
const insulation = material('Mineral wool', 'Insulation');
const wallLayers = add(
  `IFCMATERIALLAYERSET((${add(`IFCMATERIALLAYER(${brick},0.24,$,'Outer leaf',$,$,$)`)},${add(
    `IFCMATERIALLAYER(${insulation},0.12,$,'Insulation',$,$,$)`,
  )}),'Exterior brick 240 mm',$)`,
);

// Each kind of element: its entity, type object, classification, the material of its occurrences
// (null when the type carries it) and how its own property set and quantities are made.
const KINDS = [
  {
    entity: 'IFCWALL',
    name: 'Basic wall: exterior brick 240 mm',
    predefined: '.SOLIDWALL.',
    type: `IFCWALLTYPE(%GID%,${history},'Exterior brick 240 mm',$,$,%PSETS%,$,$,$,.SOLIDWALL.)`,
    typeSets: () => [propertySet('Pset_WallCommon', [single('LoadBearing', 'IFCBOOLEAN(.T.)')])],
    typeMaterial: wallLayers,
    reference: reference('EF_25_10_25', 'External walls'),
    material: null,
    properties: (k) =>
      propertySet('Pset_WallCommon', [
        ...(k % 37 === 5 ? [] : [single('FireRating', `IFCLABEL('${k % 41 === 3 ? 'EI 30' : 'REI 90'}')`)]),
        single('IsExternal', `IFCBOOLEAN(.${k % 3 ? 'T' : 'F'}.)`),
        single('ThermalTransmittance', `IFCTHERMALTRANSMITTANCEMEASURE(${(0.18 + (k % 9) * 0.02).toFixed(2)})`),
      ]),
    quantities: (k) => [
      `IFCQUANTITYLENGTH('Length',$,$,${(2 + (k % 11) * 0.5).toFixed(2)},$)`,
      `IFCQUANTITYLENGTH('Width',$,$,0.36,$)`,
    ],
    quantitySet: 'Qto_WallBaseQuantities',
  },
  {
    entity: 'IFCSLAB',
    name: 'Floor: reinforced concrete 220 mm',
    predefined: '.FLOOR.',
    type: `IFCSLABTYPE(%GID%,${history},'Reinforced concrete 220 mm',$,$,%PSETS%,$,$,$,.FLOOR.)`,
    typeSets: () => [propertySet('Pset_SlabCommon', [single('LoadBearing', 'IFCBOOLEAN(.T.)')])],
    typeMaterial: null,
    reference: reference('EF_30_20', 'Floors'),
    material: material('Concrete', 'Concrete'),
    properties: (k) =>
      propertySet('Pset_SlabCommon', [
        single('IsExternal', 'IFCBOOLEAN(.F.)'),
        single('AcousticRating', `IFCLABEL('Rw ${48 + (k % 5)} dB')`),
      ]),
    quantities: (k) => [`IFCQUANTITYAREA('NetArea',$,$,${(12 + (k % 13) * 1.5).toFixed(2)},$)`],
    quantitySet: 'Qto_SlabBaseQuantities',
  },
  {
    entity: 'IFCDOOR',
    name: 'Door: single flush 900 x 2100',
    predefined: null,
    type: `IFCDOORTYPE(%GID%,${history},'Single flush 900 x 2100',$,$,%PSETS%,$,$,$,.DOOR.,.SINGLE_SWING_LEFT.,$,$)`,
    typeSets: () => [propertySet('Pset_DoorCommon', [single('FireRating', "IFCLABEL('EI 30')")])],
    typeMaterial: material('Oak', 'Timber'),
    reference: reference('Pr_30_59_24', 'Doorsets'),
    material: null,
    properties: (k) => propertySet('Pset_DoorCommon', [single('IsExternal', `IFCBOOLEAN(.${k % 5 ? 'F' : 'T'}.)`)]),
    quantities: null,
  },
  {
    entity: 'IFCSPACEHEATER',
    name: 'Radiator: panel type 22 600 x 1200',
    predefined: '.RADIATOR.',
    type: `IFCSPACEHEATERTYPE(%GID%,${history},'Panel type 22 600 x 1200',$,$,%PSETS%,$,$,$,.RADIATOR.)`,
    typeSets: () => [propertySet('Pset_SpaceHeaterTypeCommon', [single('OutputCapacity', 'IFCPOWERMEASURE(1450.)')])],
    typeMaterial: null,
    reference: reference('Pr_60_60_96', 'Radiators'),
    material: material('Steel', 'Metal'),
    properties: (k) =>
      propertySet('Pset_SpaceHeaterCommon', [single('Reference', `IFCIDENTIFIER('RAD-${k % 1000}')`)]),
    quantities: null,
  },
  {
    entity: 'IFCPIPESEGMENT',
    name: 'Pipe segment: copper 22 x 1',
    predefined: '.RIGIDSEGMENT.',
    type: `IFCPIPESEGMENTTYPE(%GID%,${history},'Copper 22 x 1',$,$,%PSETS%,$,$,$,.RIGIDSEGMENT.)`,
    typeSets: () => [
      propertySet('Pset_PipeSegmentTypeCommon', [single('NominalDiameter', 'IFCPOSITIVELENGTHMEASURE(0.022)')]),
    ],
    typeMaterial: null,
    reference: reference('Pr_65_52_63', 'Pipes'),
    material: material('Copper', 'Metal'),
    properties: (k) =>
      propertySet('Pset_PipeSegmentOccurrence', [
        single('Reference', `IFCIDENTIFIER('P-${k}')`),
        single('Length', `IFCPOSITIVELENGTHMEASURE(${(0.5 + (k % 7) * 0.25).toFixed(2)})`),
      ]),
    quantities: null,
  },
];

for (const kind of KINDS) {
  kind.typeObject = add(kind.type.replace('%GID%', gid()).replace('%PSETS%', list(kind.typeSets())));
  if (kind.typeMaterial) {
    add(`IFCRELASSOCIATESMATERIAL(${gid()},${history},$,$,(${kind.typeObject}),${kind.typeMaterial})`);
  }
}

// One element: placement, the occurrence, its property set and quantities. Returns its reference.
function element(kind, k, level, storeyPlacement) {
  const x = (k % 100) * 0.6125 + 0.0375;
  const y = (Math.floor(k / 100) % 100) * 0.4875 + 0.0125;
  const point = add(`IFCCARTESIANPOINT((${x.toFixed(4)},${y.toFixed(4)},0.))`);
  const local = add(`IFCLOCALPLACEMENT(${storeyPlacement},${add(`IFCAXIS2PLACEMENT3D(${point},$,$)`)})`);
  const name = k % 97 === 11 ? `Unnamed ${k}` : `${kind.name} ${k}`;
  const head = `${gid()},${history},'${name}','Level ${level}','${kind.name}',${local},$,'T-${k}'`;
  const product =
    kind.entity === 'IFCDOOR'
      ? add(`IFCDOOR(${head},${(2.1 - (k % 89 === 7 ? 0.3 : 0)).toFixed(2)},0.9,.DOOR.,.SINGLE_SWING_LEFT.,$)`)
      : add(`${kind.entity}(${head},${kind.predefined})`);
  add(`IFCRELDEFINESBYPROPERTIES(${gid()},${history},$,$,(${product}),${kind.properties(k)})`);
  if (kind.quantities) {
    const quantities = kind.quantities(k).map(add);
    const set = add(`IFCELEMENTQUANTITY(${gid()},${history},'${kind.quantitySet}',$,$,${list(quantities)})`);
    add(`IFCRELDEFINESBYPROPERTIES(${gid()},${history},$,$,(${product}),${set})`);
  }
  return product;
}

// One storey's spaces: each with its placement, a property set and its net floor area.
function spaces(level, storeyPlacement, count) {
  const made = [];
  for (let s = 0; s < count; s++) {
    const local = add(`IFCLOCALPLACEMENT(${storeyPlacement},${world})`);
    const space = add(
      `IFCSPACE(${gid()},${history},'${level}.${String(s).padStart(2, '0')}',$,$,${local},$,'${
        s % 4 ? 'Office' : 'Meeting room'
      } ${level}.${s}',.ELEMENT.,.INTERNAL.,$)`,
    );
    const area = add(`IFCQUANTITYAREA('NetFloorArea',$,$,${(8 + (s % 9) * 2.5).toFixed(2)},$)`);
    const set = add(`IFCELEMENTQUANTITY(${gid()},${history},'Qto_SpaceBaseQuantities',$,$,(${area}))`);
    add(`IFCRELDEFINESBYPROPERTIES(${gid()},${history},$,$,(${space}),${set})`);
    made.push(space);
  }
  return made;
}

// The relations that tie a storey's elements of one kind to their type, classification and material.
function kindRelations(kind, members) {
  add(`IFCRELDEFINESBYTYPE(${gid()},${history},$,$,${list(members)},${kind.typeObject})`);
  const classified = kind.entity === 'IFCSPACEHEATER' ? members.filter((_, i) => i % 53 !== 9) : members;
  add(`IFCRELASSOCIATESCLASSIFICATION(${gid()},${history},$,$,${list(classified)},${kind.reference})`);
  if (kind.material) {
    const withMaterial = kind.entity === 'IFCPIPESEGMENT' ? members.filter((_, i) => i % 101 !== 17) : members;
    add(`IFCRELASSOCIATESMATERIAL(${gid()},${history},$,$,${list(withMaterial)},${kind.material})`);
  }
}

const PER_STOREY = 2000;
const SPACES_PER_STOREY = 40;
const storeys = [];
let counter = 0;
while (model.count < wanted - 30) {
  const level = storeys.length;
  const placement = add(`IFCLOCALPLACEMENT(${buildingPlacement},${world})`);
  const storey = add(
    `IFCBUILDINGSTOREY(${gid()},${history},'Level ${level}',$,$,${placement},$,$,.ELEMENT.,${(level * 3.2).toFixed(1)})`,
  );
  storeys.push(storey);
  add(`IFCRELAGGREGATES(${gid()},${history},$,$,${storey},${list(spaces(level, placement, SPACES_PER_STOREY))})`);
  const byKind = KINDS.map(() => []);
  for (let k = 0; k < PER_STOREY && model.count < wanted - 30; k++, counter++) {
    const kindIndex = counter % KINDS.length;
    byKind[kindIndex].push(element(KINDS[kindIndex], counter, level, placement));
  }
  KINDS.forEach((kind, i) => {
    if (byKind[i].length > 0) kindRelations(kind, byKind[i]);
  });
  add(`IFCRELCONTAINEDINSPATIALSTRUCTURE(${gid()},${history},$,$,${list(byKind.flat())},${storey})`);
  const heating = [...byKind[3], ...byKind[4]];
  if (heating.length > 0) {
    const system = add(`IFCDISTRIBUTIONSYSTEM(${gid()},${history},'Heating L${level}',$,$,$,.HEATING.)`);
    add(`IFCRELASSIGNSTOGROUP(${gid()},${history},$,$,${list(heating)},$,${system})`);
  }
}
add(`IFCRELAGGREGATES(${gid()},${history},$,$,${building},${list(storeys)})`);
const n = model.finish();
console.log(`${output}: ${n} instances, ${counter} elements, ${(fs.statSync(output).size / 1e6).toFixed(1)} MB`);
