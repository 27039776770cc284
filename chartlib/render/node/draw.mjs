// Draws the charts of one run: reads one job per line on standard input,
// {"id": n, "spec": <Vega-Lite>, "svg": bool, "png": bool}, and answers one
// line per job on standard output, in order:
// {"id": n, "svg": text, "png": base64} or {"id": n, "error": text}.
// The caller writes the files, so that every output file of a run goes
// through one place.
import { createInterface } from 'node:readline';
import { existsSync, readdirSync } from 'node:fs';
import { join } from 'node:path';
import * as vega from 'vega';
import * as vegaLite from 'vega-lite';
import { Resvg } from '@resvg/resvg-js';

const kFont = 'DejaVu Sans';
const kFontFolder = '/usr/share/fonts/truetype/dejavu';
const kPngZoom = 2;

// Loading the system's whole font list costs more than a small chart; the
// DejaVu Sans files are enough when they are there.
function fontOptions() {
  if (!existsSync(kFontFolder)) return { loadSystemFonts: true, defaultFontFamily: kFont };
  const files = readdirSync(kFontFolder)
    .filter((name) => name.startsWith('DejaVuSans') && !name.startsWith('DejaVuSansMono'))
    .map((name) => join(kFontFolder, name));
  return { loadSystemFonts: files.length === 0, fontFiles: files, defaultFontFamily: kFont, sansSerifFamily: kFont };
}

const kResvgOptions = { font: fontOptions(), fitTo: { mode: 'zoom', value: kPngZoom }, background: 'white' };

// Past this many rows nobody reads the marks one by one: their aria labels
// would make the SVG several times larger and the drawing a fifth slower.
const kMostRowsWithAria = 10000;

// The SVG and the PNG use the same font, so that text measured for one fits
// the other.
function withFont(spec) {
  const config = { font: kFont, ...(spec.config ?? {}) };
  if ((spec.data?.values?.length ?? 0) > kMostRowsWithAria && config.aria === undefined) config.aria = false;
  return { ...spec, config };
}

async function draw(job) {
  const compiled = vegaLite.compile(withFont(job.spec)).spec;
  const view = new vega.View(vega.parse(compiled), { renderer: 'none' });
  try {
    const svg = await view.toSVG();
    const answer = { id: job.id };
    if (job.svg) answer.svg = svg;
    if (job.png) answer.png = new Resvg(svg, kResvgOptions).render().asPng().toString('base64');
    return answer;
  } finally {
    view.finalize();
  }
}

function answer(object) {
  return new Promise((resolve) => {
    if (process.stdout.write(JSON.stringify(object) + '\n')) resolve();
    else process.stdout.once('drain', resolve);
  });
}

// Vega warns on standard error through its logger; the run's listing is the
// place for what matters, so only errors are kept.
vega.setRandom(vega.randomLCG(1));

const lines = createInterface({ input: process.stdin, crlfDelay: Infinity });
for await (const line of lines) {
  if (!line.trim()) continue;
  let id = null;
  try {
    const job = JSON.parse(line);
    id = job.id;
    await answer(await draw(job));
  } catch (error) {
    await answer({ id, error: String(error?.message ?? error) });
  }
}
