// Browser tests of the run page: each page opens from disk in headless
// Chromium, every chart view must finish drawing and show something, and the
// browser must log no error and make no failed request.
//   node page_test.mjs gallery  --ggraph BIN --examples DIR --work DIR
//   node page_test.mjs messages --ggraph BIN --fixtures DIR --work DIR
//   node page_test.mjs escaping --ggraph BIN --fixtures DIR --work DIR
//   node page_test.mjs views    --samples BIN --work DIR

import assert from 'node:assert/strict';
import {execFileSync} from 'node:child_process';
import fs from 'node:fs';
import path from 'node:path';
import {pathToFileURL} from 'node:url';
import {chromium} from 'playwright-core';

const HOSTILE = '</script><script>window.injected = 1</script><!-- "quoted" & \'single\'';

function options(argv) {
  const result = {};
  for (let i = 0; i < argv.length; i += 2) result[argv[i].replace(/^--/, '')] = argv[i + 1];
  return result;
}

// Runs a command file with --html and --json; returns both paths.
function runGgraph(ggraph, commandFile, dataPath, work, name) {
  const html = path.join(work, `${name}.html`);
  const json = path.join(work, `${name}.json`);
  // Without a data path the command file names its own data.
  const args = ['run', commandFile, ...(dataPath ? ['--data', dataPath] : []), '--html', html, '--json', json];
  try {
    execFileSync(ggraph, args, {stdio: 'pipe'});
  } catch (error) {
    // Exit 1 is a run with error messages; anything else is a failure.
    if (error.status !== 1) throw new Error(`ggraph ${args.join(' ')} failed: ${error.stderr}`);
  }
  return {html, json: JSON.parse(fs.readFileSync(json, 'utf8'))};
}

// Every item of the output document, procedures opened.
function flatItems(items) {
  return items.flatMap((item) => (item.type === 'procedure' ? flatItems(item.items) : [item]));
}

async function launch(work) {
  const userData = fs.mkdtempSync(path.join(work, 'chromium-'));
  const browser = await chromium.launchPersistentContext(userData, {
    executablePath: '/usr/bin/chromium',
    headless: true,
    acceptDownloads: true,
    viewport: {width: 1200, height: 900},
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
      '--disable-component-update', '--disable-sync'],
  });
  return {browser, userData};
}

// Opens a page from disk and waits until every view has settled. Returns the
// page and the problems the browser reported.
async function openPage(context, file) {
  const page = await context.newPage();
  const problems = [];
  page.on('console', (message) => {
    if (message.type() === 'error') problems.push(`console: ${message.text()}`);
  });
  page.on('pageerror', (error) => problems.push(`page error: ${error.message}`));
  page.on('requestfailed', (request) => problems.push(`failed request: ${request.url()}`));
  page.on('request', (request) => {
    if (!/^(file|data|blob):/.test(request.url())) problems.push(`network request: ${request.url()}`);
  });
  await page.goto(pathToFileURL(file).href);
  await page.waitForSelector('body[data-done="true"]', {timeout: 120000});
  return {page, problems};
}

// Number of distinct colours in a PNG, decoded by the browser itself.
async function colours(page, png) {
  return page.evaluate(async (base64) => {
    const image = new Image();
    image.src = `data:image/png;base64,${base64}`;
    await image.decode();
    const canvas = document.createElement('canvas');
    canvas.width = image.width;
    canvas.height = image.height;
    const context = canvas.getContext('2d');
    context.drawImage(image, 0, 0);
    const pixels = context.getImageData(0, 0, image.width, image.height).data;
    const seen = new Set();
    for (let i = 0; i < pixels.length && seen.size < 3; i += 4) {
      seen.add((pixels[i] << 24) | (pixels[i + 1] << 16) | (pixels[i + 2] << 8) | pixels[i + 3]);
    }
    return seen.size;
  }, png.toString('base64'));
}

// The checks every page passes: views drawn, none blank, no browser problem.
async function checkViews(page, problems, expectedViews, label) {
  const states = await page.$$eval('.gg-view', (views) => views.map((view) => view.dataset.state));
  assert.equal(states.length, expectedViews, `${label}: chart views on the page`);
  assert.deepEqual(states.filter((state) => state !== 'rendered'), [], `${label}: views not rendered`);
  assert.equal(await page.evaluate(() => Number(document.body.dataset.drawn)), expectedViews,
    `${label}: views the page counted as drawn`);
  for (const [index, view] of (await page.$$('.gg-view')).entries()) {
    await view.scrollIntoViewIfNeeded();
    assert.ok(await colours(page, await view.screenshot()) > 1, `${label}: view ${index + 1} is blank`);
  }
  assert.deepEqual(problems, [], `${label}: the browser reported problems`);
  // No user text turned into markup or ran as a script.
  assert.equal(await page.evaluate(() => window.injected), undefined, `${label}: a user text ran as a script`);
  assert.equal((await page.$$('main script, main b, main i')).length, 0, `${label}: a user text became markup`);
}

const texts = (page, selector) => page.$$eval(selector, (nodes) => nodes.map((node) => node.textContent));

// ---- The cases.

async function galleryCase(context, args) {
  const examples = fs.readdirSync(args.examples).filter((name) => name.endsWith('.sps')).sort();
  assert.ok(examples.length > 0, 'no examples');
  for (const example of examples) {
    const file = path.join(args.examples, example);
    const run = runGgraph(args.ggraph, file, null, args.work, path.basename(example, '.sps'));
    const items = flatItems(run.json.items);
    const charts = items.filter((item) => item.type === 'chart');
    assert.ok(charts.length > 0, `${example}: no chart`);
    const {page, problems} = await openPage(context, run.html);
    // Every chart of the gallery is drawn.
    assert.equal(charts.filter((chart) => chart.vegaLite).length, charts.length, `${example}: charts drawn`);
    await checkViews(page, problems, charts.length, example);
    // Every chart has its figure, under its description or subtitle.
    assert.equal((await page.$$('figure.gg-chart')).length, charts.length, `${example}: chart figures`);
    const subtitles = charts.map((chart) => chart.subtitle).filter((subtitle) => subtitle);
    assert.deepEqual(await texts(page, 'figure.gg-chart .gg-subtitle'), subtitles, `${example}: subtitles`);
    // The echoed command lines, numbered as in the file.
    const logs = items.filter((item) => item.type === 'log');
    assert.deepEqual(await texts(page, '.gg-line .gg-code'), logs.map((log) => log.text), `${example}: lines`);
    assert.deepEqual(await texts(page, '.gg-line .gg-line-number'), logs.map((log) => String(log.line)));
    await page.close();
  }
}

async function messagesCase(context, args) {
  const run = runGgraph(args.ggraph, path.join(args.fixtures, 'messages.sps'), path.join(args.fixtures, 'empty.csv'),
    args.work, 'messages');
  const items = flatItems(run.json.items);
  const {page, problems} = await openPage(context, run.html);
  await checkViews(page, problems, items.filter((item) => item.vegaLite).length, 'messages');

  const messages = items.filter((item) => item.type === 'message');
  const shown = await page.$$eval('.gg-message', (boxes) => boxes.map((box) => ({
    level: box.classList.contains('gg-error') ? 3 : box.classList.contains('gg-warning') ? 2 : 0,
    text: box.querySelector('.gg-text').textContent,
    position: box.querySelector('.gg-position') && box.querySelector('.gg-position').textContent,
  })));
  assert.deepEqual(shown, messages.map((message) => ({level: message.level, text: message.text,
    position: message.line ? `line ${message.line}, column ${message.column}` : null})));
  assert.ok(shown.some((message) => message.level === 2) && shown.some((message) => message.position),
    'the fixture has a warning and an error with a position');
  // A position links to its line only when that line was echoed.
  const echoed = new Set(items.filter((item) => item.type === 'log').map((item) => `#line-${item.line}`));
  const links = await page.$$eval('a.gg-position', (anchors) => anchors.map((a) => a.getAttribute('href')));
  assert.deepEqual(links.filter((link) => !echoed.has(link)), []);
  // Styled by level: an error box does not look like a warning box.
  const colour = (selector) => page.$eval(selector, (box) => getComputedStyle(box).borderLeftColor);
  assert.notEqual(await colour('.gg-error'), await colour('.gg-warning'));

  // The binning table: its rows, labels and formatted numbers.
  const table = items.find((item) => item.type === 'table');
  const rows = await page.$$eval('.gg-procedure > table.gg-table tbody tr', (trs) => trs.map((tr) =>
    Array.from(tr.children, (cell) => cell.textContent)));
  assert.deepEqual(rows, table.rows.map((row) => [row.label, ...row.texts]));
  assert.equal(await page.$eval('.gg-procedure > table.gg-table caption', (caption) => caption.textContent), table.title);
  assert.ok(rows.some((row) => row[1] === '1.000'), 'numbers in their format');

  // The contents list the procedures and the chart.
  const procedures = run.json.items.filter((item) => item.type === 'procedure');
  assert.equal((await page.$$('#gg-contents .gg-contents > li')).length, procedures.length);
  const undrawn = items.filter((item) => item.type === 'chart' && !item.vegaLite);
  assert.deepEqual(await texts(page, 'figure.gg-chart > .gg-note'), undrawn.map(() => 'This chart was not drawn.'));
  await page.close();
}

async function escapingCase(context, args) {
  const run = runGgraph(args.ggraph, path.join(args.fixtures, 'escaping.sps'), path.join(args.fixtures, 'escaping'),
    args.work, 'escaping');
  const {page, problems} = await openPage(context, run.html);
  await checkViews(page, problems, flatItems(run.json.items).filter((item) => item.vegaLite).length, 'escaping');
  // The description, the variable label and the value label show as written,
  // in the data of an undrawn chart or in the view of a drawn one.
  assert.deepEqual(await texts(page, '.gg-description'), [HOSTILE]);
  const shown = await page.$eval('figure.gg-chart', (figure) => figure.textContent);
  assert.ok(shown.includes(`${HOSTILE} <i>label</i>`), `variable label in ${shown}`);
  // A drawn axis cuts a long label short ("…"), so its start is what shows.
  assert.ok(shown.includes(`<b>Stage</b> "one" & ${HOSTILE}`.slice(0, 24)), `value label in ${shown}`);
  // The GPL shows as text among the echoed command lines.
  const lines = await texts(page, '.gg-line .gg-code');
  assert.ok(lines.some((line) => line.includes('text.title(label("</script><script>window.injected = 1</script><!-- & \'single\'"))')),
    `the GPL as text: ${lines}`);
  await page.close();
}

async function viewsCase(context, args) {
  execFileSync(args.samples, [args.work]);
  const {page, problems} = await openPage(context, path.join(args.work, 'views.html'));
  await checkViews(page, problems, 4, 'views');
  assert.deepEqual(await page.$$eval('.gg-view', (views) => views.map((view) => view.dataset.renderer)),
    ['svg', 'svg', 'svg', 'svg']);

  // Hostile texts show as text: in the SVG of a view and in the headings.
  const svgTexts = await page.$$eval('.gg-view svg', (svgs) => svgs.map((svg) => svg.textContent));
  assert.ok(svgTexts[0].includes(HOSTILE), 'title of the first view');
  assert.ok(svgTexts[1].includes('Stage <b>2</b>'), 'an axis label of the bars');
  assert.ok((await texts(page, '.gg-description')).includes(HOSTILE));

  // Split groups: one heading for the chart, each group under its subtitle;
  // the contents list the charts, the groups under their chart.
  assert.deepEqual(await texts(page, '.gg-subtitle'), ['Month = 5', 'Month = 6']);
  assert.deepEqual(await texts(page, '#gg-contents .gg-contents > li > ol > li > a'),
    ['Ozone by temperature', HOSTILE, 'By month', 'A chart that was not drawn', 'A picture']);
  assert.deepEqual(await texts(page, '#gg-contents li li li > a'), ['Month = 5', 'Month = 6']);

  // The error's position links to its echoed line.
  const target = await page.$eval('.gg-error .gg-position', (link) => link.getAttribute('href'));
  assert.equal(target, '#line-2');
  assert.match(await page.$eval(target, (line) => line.textContent), /^2\s+\/GRAPHDATASET/);
  assert.deepEqual(await texts(page, 'table.gg-table tbody tr td'), ['56.000', 'text']);
  // An image item shows as the image it is.
  assert.deepEqual(await page.$eval('img.gg-image', (image) => [image.complete, image.naturalWidth, image.alt]),
    [true, 2, 'A picture']);

  // Tooltips: hovering a point (the eleventh: x 10, y 67) shows its encoded values.
  const point = await page.evaluate(() => {
    const view = window.ggraphPage.views[0];
    view.container().scrollIntoView();
    const box = view.container().querySelector('svg').getBoundingClientRect();
    const [left, top] = view.origin();
    const padding = view.padding();
    return {x: box.left + padding.left + left + view.scale('x')(10), y: box.top + padding.top + top + view.scale('y')(67)};
  });
  await page.mouse.move(point.x, point.y);
  await page.waitForSelector('#vg-tooltip-element.visible', {timeout: 5000});
  const tooltip = await page.$eval('#vg-tooltip-element', (element) => element.textContent);
  assert.match(tooltip, /Temperature:?\s*10(?!\d)/);
  assert.match(tooltip, /Ozone:?\s*67(?!\d)/);

  // Pan and zoom on the scatterplot: the wheel narrows the x domain; bars do not zoom.
  const domain = () => page.evaluate(() => window.ggraphPage.views[0].scale('x').domain());
  const before = await domain();
  await page.mouse.wheel(0, -300);
  await page.waitForFunction((width) => {
    const [low, high] = window.ggraphPage.views[0].scale('x').domain();
    return high - low < width;
  }, before[1] - before[0], {timeout: 5000});
  assert.equal(await page.evaluate(() => window.ggraphPage.views[1].getState().signals.ggraphPanZoom), undefined);

  // Downloads: an SVG, a PNG and the Vega-Lite JSON of the first view.
  const downloaded = {};
  for (const format of ['SVG', 'PNG', 'Vega-Lite JSON']) {
    const [download] = await Promise.all([page.waitForEvent('download'),
      page.click(`figure.gg-chart:first-of-type .gg-download[data-format="${format}"]`)]);
    downloaded[format] = {name: download.suggestedFilename(), bytes: fs.readFileSync(await download.path())};
  }
  assert.equal(downloaded.SVG.name, '01-ozone-by-temperature.svg');
  assert.match(downloaded.SVG.bytes.toString('utf8'), /^<svg/);
  assert.deepEqual([...downloaded.PNG.bytes.subarray(0, 4)], [0x89, 0x50, 0x4e, 0x47]);
  const spec = JSON.parse(downloaded['Vega-Lite JSON'].bytes.toString('utf8'));
  assert.equal(spec.data.values.length, 50);
  assert.equal(spec.mark, 'point');
  assert.deepEqual(problems, [], 'views: the browser reported problems');
  await page.close();

  // Above 100,000 marks the view draws on a canvas.
  const large = await openPage(context, path.join(args.work, 'large.html'));
  await checkViews(large.page, large.problems, 1, 'large');
  assert.equal(await large.page.$eval('.gg-view', (view) => view.dataset.renderer), 'canvas');
  assert.equal((await large.page.$$('.gg-view canvas')).length, 1);
  await large.page.close();
}

const cases = {gallery: galleryCase, messages: messagesCase, escaping: escapingCase, views: viewsCase};

async function main() {
  const [name, ...rest] = process.argv.slice(2);
  const args = options(rest);
  assert.ok(cases[name], `unknown case ${name}`);
  fs.mkdirSync(args.work, {recursive: true});
  const {browser, userData} = await launch(args.work);
  try {
    await cases[name](browser, args);
  } finally {
    await browser.close();
    fs.rmSync(userData, {recursive: true, force: true});
  }
  console.log(`page test ${name}: passed`);
}

main().catch((error) => {
  console.error(error);
  process.exit(1);
});
