// Draws the charts of one run: reads one job per line on standard input,
// {"id": n, "spec": <Vega-Lite>, "svg": bool, "png": bool}, and answers one
// line per job on standard output, in order:
// {"id": n, "svg": text, "png": base64} or {"id": n, "error": text}.
// The caller writes the files, so that every output file of a run goes
// through one place.
//
// Runs as it is, or (faster to start) from the startup snapshot that
// build.mjs makes of it: then the packages are loaded and warmed up already.
import v8 from 'node:v8';
import { drawSvg, pngOptions, seedRandom } from './drawing.mjs';

// resvg is a native addon, which a snapshot cannot hold: it is loaded when
// the drawing starts, from this folder's packages. So are the node modules
// used only then, which a snapshot may not restore as they were.
async function loadResvg() {
  const { createRequire } = await import('node:module');
  return createRequire(import.meta.url)('@resvg/resvg-js');
}

function answer(object) {
  return new Promise((resolve) => {
    if (process.stdout.write(JSON.stringify(object) + '\n')) resolve();
    else process.stdout.once('drain', resolve);
  });
}

// The SVG is made on the main thread before the next job is read; the PNG
// is rendered off it (resvg's renderAsync), while the next chart's SVG is
// made. Resolves once the SVG is made, to the promise of the answer.
async function startJob(job, resvg) {
  const svg = await drawSvg(job.spec);
  const png = job.png ? resvg.renderAsync(svg, pngOptions(job.spec)) : null;
  const finish = async () => {
    const drawn = { id: job.id };
    if (job.svg) drawn.svg = svg;
    if (png) drawn.png = (await png).asPng().toString('base64');
    return drawn;
  };
  return { answer: finish() };
}

async function serve() {
  seedRandom();
  const resvg = await loadResvg();
  const { createInterface } = await import('node:readline');
  const lines = createInterface({ input: process.stdin, crlfDelay: Infinity });
  let answered = Promise.resolve();
  for await (const line of lines) {
    if (!line.trim()) continue;
    let id = null;
    let drawn;
    try {
      const job = JSON.parse(line);
      id = job.id;
      drawn = (await startJob(job, resvg)).answer;
    } catch (error) {
      drawn = Promise.reject(error);
    }
    const answerOfJob = drawn.catch((error) => ({ id, error: String(error?.message ?? error) }));
    answered = answered.then(() => answerOfJob).then(answer);
  }
  await answered;
}

// A few small charts of the kinds drawn most, so that the snapshot holds the
// code Vega and Vega-Lite run for every chart, compiled.
async function warmUp() {
  const values = [
    { k: 'a', v: 1, w: 2 },
    { k: 'b', v: 3, w: 1 },
  ];
  const x = { field: 'k', type: 'nominal', title: 'K' };
  const y = { field: 'v', type: 'quantitative', title: 'V' };
  await drawSvg({
    data: { values },
    title: { text: 'bars', subtitle: 'warm' },
    layer: [
      { mark: { type: 'bar', tooltip: true }, encoding: { x, y, color: { field: 'k', type: 'nominal' } } },
      { mark: { type: 'point' }, encoding: { x: { field: 'w', type: 'quantitative' }, y } },
      { mark: { type: 'line' }, encoding: { x, y: { field: 'w', type: 'quantitative' } } },
    ],
  });
}

if (v8.startupSnapshot?.isBuildingSnapshot()) {
  warmUp();
  v8.startupSnapshot.setDeserializeMainFunction(serve);
} else {
  serve();
}
