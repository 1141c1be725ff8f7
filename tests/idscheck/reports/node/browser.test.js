// The HTML report of the hand-filled sample result, opened in headless Chromium as a reader would:
// what the page shows (names, statuses, counts, failing elements), that the filter box and the
// failing-only switch hide what they should, that no script of the model runs and nothing is fetched.
'use strict';

const assert = require('node:assert/strict');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const { pathToFileURL } = require('node:url');
const test = require('node:test');
const { chromium } = require('playwright-core');

const FLAGS = ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
  '--disable-background-networking', '--disable-component-update', '--disable-sync'];

let context;
let page;
const dialogs = [];
const requests = [];

test.before(async () => {
  // A fresh profile each run; Playwright passes it as --user-data-dir.
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'ids-report-chromium-'));
  context = await chromium.launchPersistentContext(profile, {
    executablePath: process.env.IDS_CHROMIUM || '/usr/bin/chromium',
    headless: true,
    args: FLAGS,
  });
  page = context.pages()[0] || (await context.newPage());
  page.on('dialog', (dialog) => {
    dialogs.push(dialog.message());
    dialog.dismiss();
  });
  page.on('request', (request) => requests.push(request.url()));
  await page.goto(pathToFileURL(process.env.IDS_SAMPLE_HTML).href);
});

test.after(async () => {
  if (context) await context.close();
});

const section = (name) => page.locator('section.specification', { has: page.locator('h2', { hasText: name }) });
const visibleRows = () => page.locator('table.failures tbody tr:visible');

test('each specification shows its name, status and counts', async () => {
  assert.match(await page.title(), /models\/sample <building>\.ifc/);
  const headings = await page.locator('section.specification h2').allInnerTexts();
  assert.deepEqual(
    headings.map((h) => h.replace(/\s+/g, ' ').trim()),
    [
      'FAILED Walls have a fire rating',
      'PASSED Doors are classified',
      'NOT APPLICABLE Spaces have a net floor area',
      'FAILED Pipe segments have a material',
    ],
  );
  assert.deepEqual(await section('Walls have a fire rating').locator('table.counts td').allInnerTexts(), ['12', '9', '3']);
  assert.deepEqual(await section('Doors are classified').locator('table.counts td').allInnerTexts(), ['4', '4', '0']);
  assert.match(await section('Spaces have a net floor area').innerText(), /Not checked\./);
  assert.match(
    await section('Doors are classified').innerText(),
    /its ifcVersion \(IFC4X3_ADD2\) does not list the model's schema IFC4; checked all the same/,
  );
  assert.match(await page.locator('p.verdict').innerText(), /does not meet the requirements/);
});

test('failing elements are in the table, hostile names shown as text and never run', async () => {
  const row = page.locator('table.failures tbody tr', { hasText: '0K7w2$Ztb8XxzHhH8zFhMk' });
  assert.equal(await row.count(), 1);
  assert.match(await row.innerText(), /#61\s+0K7w2\$Ztb8XxzHhH8zFhMk\s+IfcWall\s+Wall B\s+Pset_WallCommon\.FireRating is IFCLABEL\('EI 30'\), required one of/);
  const hostile = page.locator('table.failures tbody tr', { hasText: '2O2Fr$t4X7Zf8NOew3FLOH' });
  assert.match(await hostile.innerText(), /Wall "A" <script>alert\('x'\)<\/script> & \\/);
  assert.equal(await visibleRows().count(), 15);
  assert.deepEqual(dialogs, []);
  // The model's name made no element of its own either, and the page's script is the only one.
  assert.deepEqual([await page.locator('building').count(), await page.locator('script').count()], [0, 1]);
});

test('typing in the filter box hides the rows that do not match, in any column', async () => {
  const filter = page.locator('#filter');
  await filter.pressSequentially('0k7W2');
  assert.deepEqual(await visibleRows().allInnerTexts().then((rows) => rows.map((r) => r.split('\t')[0])), ['#61']);
  assert.equal(await page.locator('#match-count').innerText(), '1 of 15 listed failing elements match');
  await filter.fill('no material');
  assert.equal(await visibleRows().count(), 12);
  assert.ok(await section('Walls have a fire rating').locator('.no-match').isVisible());
  await filter.fill('');
  assert.equal(await visibleRows().count(), 15);
});

test('the switch shows only the failing specifications', async () => {
  await page.locator('#only-failed').check();
  assert.deepEqual(await page.locator('section.specification:visible h2').allInnerTexts().then((h) => h.length), 2);
  assert.equal(await section('Doors are classified').isVisible(), false);
  await page.locator('#only-failed').uncheck();
  assert.equal(await section('Doors are classified').isVisible(), true);
});

test('the page fetched nothing but itself', () => {
  assert.deepEqual(requests, [pathToFileURL(process.env.IDS_SAMPLE_HTML).href]);
});
