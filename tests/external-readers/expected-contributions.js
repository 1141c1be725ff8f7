// What the example add-on (examples/addon) contributes to the sample model, written down
// independently of its code: the oracle of check-export. Elements are named by their GUIDs; typed
// values are [IFC type, value] with reals as the doubles they must read back to, logicals as
// true/false/'U', binaries as their STEP text.
'use strict';

const WALL = 'E0000000-0000-4000-8000-000000000011';
const INTERIOR_WALL = 'E0000000-0000-4000-8000-000000000013';
const EXTERIOR_WALL_3 = 'E0000000-0000-4000-8000-000000000014';
const SLAB = 'E0000000-0000-4000-8000-000000000012';
const BOILER = 'E0000000-0000-4000-8000-000000000021';
const RADIATORS = ['E0000000-0000-4000-8000-000000000022', 'E0000000-0000-4000-8000-000000000024', 'E0000000-0000-4000-8000-000000000025'];
const PIPES = ['E0000000-0000-4000-8000-000000000023', 'E0000000-0000-4000-8000-000000000026', 'E0000000-0000-4000-8000-000000000027'];
const BUILDING = 'B0000000-0000-4000-8000-000000000001';
const GROUND_FLOOR = 'C0000000-0000-4000-8000-000000000012';
const LIVING_ROOM = 'D0000000-0000-4000-8000-000000000002';
const BOILER_ROOM = 'D0000000-0000-4000-8000-000000000001';
const OTHER_ROOMS = ['D0000000-0000-4000-8000-000000000003', 'D0000000-0000-4000-8000-000000000004'];

const label = (text) => ['IFCLABEL', text];
const single = (value) => ({ kind: 'IfcPropertySingleValue', value });
const temperature = (kelvin) => ['IFCTHERMODYNAMICTEMPERATUREMEASURE', kelvin];

const radiator = (first) => ({
  Pset_SpaceHeaterTypeCommon: {
    OutputCapacity: single(['IFCPOWERMEASURE', first ? 1450 : 1200]),
    NumberOfSections: single(['IFCINTEGER', 12]),
  },
  Example_Performance: {
    SupplyTemperature: { kind: 'IfcPropertyBoundedValue', lower: temperature(318.15), upper: temperature(343.15), setPoint: temperature(328.15) },
  },
  Example_Identification: {
    ...(first ? { FloorLevelOffset: single(['IFCINTEGER', -3]) } : {}),
    IsRemoteControlled: single(['IFCLOGICAL', true]),
  },
});

const pipe = {
  Pset_PipeSegmentTypeCommon: {
    NominalDiameter: single(['IFCPOSITIVELENGTHMEASURE', 0.022]),
    Reference: single(['IFCIDENTIFIER', 'Cu 22x1']),
  },
};

const properties = {
  [WALL]: {
    Pset_WallCommon: {
      IsExternal: single(['IFCBOOLEAN', true]),
      ThermalTransmittance: single(['IFCTHERMALTRANSMITTANCEMEASURE', 0.24]),
      AcousticRating: single(label('Rw 52 dB')),
      // Every wall, by what the add-on's look-up says it is.
      FireRating: single(label('REI 90')),
    },
    Example_Construction: {
      Layers: { kind: 'IfcPropertyListValue', values: ['Gypsum plaster 15 mm', 'Brick 240 mm', 'Mineral wool 160 mm', 'Render 10 mm'].map(label) },
      FireResistance: { kind: 'IfcPropertyEnumeratedValue', values: [label('REI 90')], enumeration: ['REI 30', 'REI 60', 'REI 90'].map(label) },
      ThicknessTolerance: { kind: 'IfcPropertyBoundedValue', lower: ['IFCLENGTHMEASURE', -0.005], upper: ['IFCLENGTHMEASURE', 0.005], setPoint: null },
    },
    Example_Notes: {
      Remark: single(label("Architect's note: plaster \\ render, W\u00e4rmed\u00e4mmung \u2265 160 mm, 5 \u20ac/m\u00b2 \u{1F3E0}")),
    },
  },
  [INTERIOR_WALL]: {
    Pset_WallCommon: {
      IsExternal: single(['IFCBOOLEAN', false]),
      LoadBearing: single(['IFCBOOLEAN', false]),
      FireRating: single(label('EI 30')),
    },
  },
  [EXTERIOR_WALL_3]: {
    Pset_WallCommon: { FireRating: single(label('REI 90')) },
  },
  [SLAB]: {
    Pset_SlabCommon: { IsExternal: single(['IFCBOOLEAN', false]), LoadBearing: single(['IFCBOOLEAN', true]) },
    Example_Construction: {
      Layers: { kind: 'IfcPropertyListValue', values: ['Screed 60 mm', 'Impact sound insulation 30 mm', 'Reinforced concrete 220 mm'].map(label) },
    },
  },
  [BOILER]: {
    Pset_BoilerTypeCommon: { NominalEnergyConsumption: single(['IFCPOWERMEASURE', 24000]) },
    Example_Performance: {
      EfficiencyByReturnTemperature: {
        kind: 'IfcPropertyTableValue',
        defining: [303.15, 323.15, 343.15].map(temperature),
        defined: [0.98, 0.94, 0.89].map((r) => ['IFCNORMALISEDRATIOMEASURE', r]),
      },
      StandbyLossRatio: single(['IFCNORMALISEDRATIOMEASURE', 0.1]),
      CalibrationFactor: single(['IFCREAL', 1.0000000000000002]),
      LeakageRate: single(['IFCVOLUMETRICFLOWRATEMEASURE', 2.5e-7]),
    },
    Example_Identification: {
      SerialNumber: single(['IFCIDENTIFIER', 'SN-2024/0815']),
      FirmwareChecksum: single(['IFCBINARY', '02A7F00C3']),
      CommissioningComplete: single(['IFCLOGICAL', 'U']),
    },
  },
  [RADIATORS[0]]: radiator(true),
  [RADIATORS[1]]: radiator(false),
  [RADIATORS[2]]: radiator(false),
  [PIPES[0]]: pipe,
  [PIPES[1]]: pipe,
  [PIPES[2]]: pipe,
};

// New attribute values; null means unset.
const attributes = {
  [WALL]: { Name: 'Exterior wall W-01 (insulated)', Description: 'Load-bearing brick wall, insulated', Tag: 'W-01-A' },
  [BOILER]: { ObjectType: 'Gas condensing boiler', Description: 'Wall-hung, 24 kW, \u00f6lfrei', Tag: null },
  [RADIATORS[0]]: { Tag: null, ObjectType: 'Panel radiator type 22' },
  [RADIATORS[1]]: { ObjectType: 'Panel radiator type 22' },
  [RADIATORS[2]]: { ObjectType: 'Panel radiator type 22' },
  [LIVING_ROOM]: { LongName: "Living room 'South'" },
  [GROUND_FLOOR]: { LongName: 'Ground floor (level 0)', Description: 'Entrance level' },
};

const classification = {
  Source: 'Example Standards Board',
  Edition: '2024',
  EditionDate: '2024-01-01',
  Name: 'Example Building Classification',
  Description: 'Classification of building elements by function',
  Location: 'https://classification.example/ebc',
};

const reference = (code, name) => ({ Location: `https://classification.example/ebc/${code}`, Identification: code, Name: name });
const references = {
  [WALL]: [reference('21.10', 'External walls')],
  [SLAB]: [reference('22.20', 'Floors')],
  [BOILER]: [reference('61.10', 'Heat generators')],
  [RADIATORS[0]]: [reference('63.00', 'Heating installations'), reference('63.20', 'Heat emitters')],
  [RADIATORS[1]]: [reference('63.20', 'Heat emitters')],
  [RADIATORS[2]]: [reference('63.20', 'Heat emitters')],
  [PIPES[0]]: [reference('62.10', 'Pipework')],
  [PIPES[1]]: [reference('62.10', 'Pipework')],
  [PIPES[2]]: [reference('62.10', 'Pipework')],
  // Every space, by the storey its look-up names.
  [BOILER_ROOM]: [reference('13.40', 'Technical rooms')],
  [LIVING_ROOM]: [reference('13.10', 'Habitable rooms')],
  [OTHER_ROOMS[0]]: [reference('13.10', 'Habitable rooms')],
  [OTHER_ROOMS[1]]: [reference('13.10', 'Habitable rooms')],
};
const relationName = 'Example Building Classification';

// Members are element GUIDs, or { group: name } for a group of the same add-on.
const groups = [
  {
    entity: 'IfcDistributionSystem',
    name: 'Heating',
    members: [BOILER, ...RADIATORS, ...PIPES, { group: 'Heating circuit HC-1' }],
    services: [BUILDING],
  },
  { entity: 'IfcDistributionCircuit', name: 'Heating circuit HC-1', members: [...RADIATORS, ...PIPES], services: [BUILDING] },
  { entity: 'IfcGroup', name: 'Fire compartment FC-1', members: [WALL, INTERIOR_WALL, SLAB, LIVING_ROOM] },
];
// By what the elements are: the heat emitters (IfcFlowTerminal and its subtypes) of each storey,
// collected during the ordinary element queries.
const storeyGroups = [
  { entity: 'IfcGroup', name: 'Heat emitters, Ground floor', members: [RADIATORS[0], RADIATORS[1]] },
  { entity: 'IfcGroup', name: 'Heat emitters, First floor', members: [RADIATORS[2]] },
];

// Named in the tool's warnings: an attribute no wall has, and a member that is not in the file.
const warnings = ['FireRating', 'E0000000-0000-4000-8000-0000000000FF'];

// With --alternative, only the wall gets anything.
const alternative = {
  properties: { [WALL]: { Example_TypeData: { TypeMark: single(label('WT-3')), Manufacturer: single(label('Example Bricks Ltd')) } } },
  attributes: { [WALL]: { Name: 'Wall type WT-3' } },
  references: { [WALL]: [reference('21', 'Walls')] },
  groups,  // the alternative element queries collect no heat emitters
};

module.exports = { properties, attributes, classification, references, relationName, groups: [...groups, ...storeyGroups], warnings, alternative, single, reference, temperature };
