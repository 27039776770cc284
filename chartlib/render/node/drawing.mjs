// One chart from Vega-Lite JSON to SVG text (Vega's headless renderer) and a
// PNG (resvg, from that SVG).
import { existsSync, readdirSync } from 'node:fs';
import { join } from 'node:path';
import * as vega from 'vega';
import * as vegaLite from 'vega-lite';

const kFont = 'DejaVu Sans';
const kFontFolder = '/usr/share/fonts/truetype/dejavu';
// Vega draws text upright and bold or not: the other DejaVu Sans faces
// (condensed, light, oblique) would only slow every PNG down.
const kFontFaces = ['DejaVuSans.ttf', 'DejaVuSans-Bold.ttf'];
const kPngZoom = 2;

// Past this many rows nobody reads the marks one by one: their aria labels
// would make the SVG several times larger and the drawing a fifth slower,
// and the PNG's shapes are drawn without anti-aliasing (crisp edges), which
// looks the same in a crowd of marks and takes a third less time.
const kMostRowsOneByOne = 10000;
const kCrispEdges = 1;

function rowsOf(spec) {
  return spec.data?.values?.length ?? 0;
}

// Loading the system's whole font list costs more than a small chart; the
// DejaVu Sans files are enough when they are there.
function fontOptions() {
  const files = existsSync(kFontFolder)
    ? readdirSync(kFontFolder).filter((name) => kFontFaces.includes(name)).map((name) => join(kFontFolder, name))
    : [];
  if (files.length === 0) return { loadSystemFonts: true, defaultFontFamily: kFont };
  return { loadSystemFonts: false, fontFiles: files, defaultFontFamily: kFont, sansSerifFamily: kFont };
}

let fonts = null;

// The fonts are read when the first PNG is drawn (not when the startup
// snapshot is built), so that they are those of the machine that draws.
export function pngOptions(vegaLiteSpec) {
  fonts ??= fontOptions();
  const options = { font: fonts, fitTo: { mode: 'zoom', value: kPngZoom }, background: 'white' };
  if (rowsOf(vegaLiteSpec) > kMostRowsOneByOne) options.shapeRendering = kCrispEdges;
  return options;
}

// A picture shows no tooltips, yet Vega would work one out for every mark:
// a fifth of the time of a large scatterplot. The Vega-Lite JSON of the
// output document keeps them for the page.
function withoutTooltips(spec) {
  if (Array.isArray(spec)) return spec.map(withoutTooltips);
  if (spec === null || typeof spec !== 'object') return spec;
  const copy = {};
  for (const [key, value] of Object.entries(spec)) {
    if (key === 'data' || key === 'datasets') copy[key] = value;
    else if (key === 'mark' && value !== null && typeof value === 'object') {
      const { tooltip, ...mark } = value;
      copy[key] = mark;
    } else if (key === 'encoding' && value !== null && typeof value === 'object') {
      const { tooltip, ...encoding } = value;
      copy[key] = withoutTooltips(encoding);
    } else copy[key] = withoutTooltips(value);
  }
  return copy;
}

// The SVG and the PNG use the same font, so that text measured for one fits
// the other.
function forPicture(spec) {
  const config = { font: kFont, ...(spec.config ?? {}) };
  if (rowsOf(spec) > kMostRowsOneByOne && config.aria === undefined) config.aria = false;
  return { ...withoutTooltips(spec), config };
}

export async function drawSvg(vegaLiteSpec) {
  const compiled = vegaLite.compile(forPicture(vegaLiteSpec)).spec;
  const view = new vega.View(vega.parse(compiled), { renderer: 'none' });
  try {
    return await view.toSVG();
  } finally {
    view.finalize();
  }
}

// Vega's random numbers (jitter, sampling) repeat from run to run.
export function seedRandom() {
  vega.setRandom(vega.randomLCG(1));
}
