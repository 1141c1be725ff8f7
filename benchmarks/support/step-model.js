// The common part of the benchmark model generators: a STEP physical file written instance by
// instance (numbered from #1, buffered), GlobalIds from a counter in a GUID range of the caller's, and
// the head every benchmark model starts with: owner history, units, the world placement, and a
// project aggregating a site aggregating a building.
//
//   const model = new StepModel('out.ifc', { fileName: 'x.ifc', schema: 'IFC4', view: 'ReferenceView',
//                                           guidPrefix: '1D5C0000' });
//   const head = model.writeHead({ project: 'Name', building: 'Building', units: ['IFCSIUNIT(...)'] });
//   model.add(`IFCWALL(${model.gid()},${head.history},...)`);
//   model.finish(); // writes the trailer, closes the file and returns the instance count
'use strict';

const fs = require('node:fs');
const { compress } = require('../../tests/external-readers/lib/guid');

const list = (items) => `(${items.join(',')})`;

class StepModel {
  constructor(output, { fileName, schema, view, guidPrefix }) {
    this.fd = fs.openSync(output, 'w');
    this.count = 0;
    this.guids = 0;
    this.guidPrefix = guidPrefix;
    this.buffer = `ISO-10303-21;
HEADER;
FILE_DESCRIPTION(('ViewDefinition [${view}]'),'2;1');
FILE_NAME('${fileName}','2026-01-01T00:00:00',('Benchmark'),('IFCAPI'),'generate-model.js','IFCAPI benchmark','');
FILE_SCHEMA(('${schema}'));
ENDSEC;
DATA;
`;
  }

  // Writes `#N=TEXT;` and returns `#N`.
  add(text) {
    this.count += 1;
    this.buffer += `#${this.count}=${text};\n`;
    if (this.buffer.length > 1 << 20) this.flush();
    return `#${this.count}`;
  }

  // The next GlobalId, quoted: GUIDs that differ only in their last bytes, as some authoring tools
  // number them, are the hard case for a GlobalId hash table.
  gid() {
    this.guids += 1;
    return `'${compress(`${this.guidPrefix}-0000-4000-8000-${this.guids.toString(16).padStart(12, '0')}`)}'`;
  }

  // The owner history, units, world placement and spatial head; returns the instances' references.
  writeHead({ project: projectName, building: buildingName, units: unitTexts }) {
    const person = this.add("IFCPERSON($,'Benchmark','Model',$,$,$,$,$)");
    const organization = this.add("IFCORGANIZATION($,'IFCAPI',$,$,$)");
    const user = this.add(`IFCPERSONANDORGANIZATION(${person},${organization},$)`);
    const application = this.add(`IFCAPPLICATION(${organization},'1.0','IFCAPI benchmark model','IFCAPI-Bench')`);
    const history = this.add(`IFCOWNERHISTORY(${user},${application},$,.ADDED.,$,$,$,1767225600)`);
    const units = this.add(`IFCUNITASSIGNMENT(${list(unitTexts.map((unit) => this.add(unit)))})`);
    const origin = this.add('IFCCARTESIANPOINT((0.,0.,0.))');
    const up = this.add('IFCDIRECTION((0.,0.,1.))');
    const east = this.add('IFCDIRECTION((1.,0.,0.))');
    const world = this.add(`IFCAXIS2PLACEMENT3D(${origin},${up},${east})`);
    const context = this.add(`IFCGEOMETRICREPRESENTATIONCONTEXT($,'Model',3,1.E-05,${world},$)`);
    const project = this.add(
      `IFCPROJECT(${this.gid()},${history},'${projectName}',$,$,$,$,(${context}),${units})`,
    );
    const sitePlacement = this.add(`IFCLOCALPLACEMENT($,${world})`);
    const site = this.add(
      `IFCSITE(${this.gid()},${history},'Site',$,$,${sitePlacement},$,$,.ELEMENT.,$,$,$,$,$)`,
    );
    const buildingPlacement = this.add(`IFCLOCALPLACEMENT(${sitePlacement},${world})`);
    const building = this.add(
      `IFCBUILDING(${this.gid()},${history},'${buildingName}',$,$,${buildingPlacement},$,$,.ELEMENT.,$,$,$)`,
    );
    this.add(`IFCRELAGGREGATES(${this.gid()},${history},$,$,${project},(${site}))`);
    this.add(`IFCRELAGGREGATES(${this.gid()},${history},$,$,${site},(${building}))`);
    return { history, up, east, world, buildingPlacement, building };
  }

  flush() {
    fs.writeSync(this.fd, this.buffer);
    this.buffer = '';
  }

  finish() {
    this.buffer += 'ENDSEC;\nEND-ISO-10303-21;\n';
    this.flush();
    fs.closeSync(this.fd);
    return this.count;
  }
}

module.exports = { StepModel, list };
