// Makes the drawing quick to start: bundles draw.mjs with Vega and Vega-Lite
// into one CommonJS file (esbuild), then takes a V8 startup snapshot of it
// with the packages loaded and warmed up. node starts from the snapshot in
// a fraction of the time that loading the packages' modules takes.
//   node build.mjs OUT_FOLDER [NODE_FLAGS...]   writes OUT_FOLDER/draw.cjs and OUT_FOLDER/draw.blob
// The snapshot is taken with NODE_FLAGS (V8's flags), and must be run with them.
// The snapshot fits only the node binary that made it: the build makes it
// again when node changes.
import { execFileSync } from 'node:child_process';
import { mkdirSync } from 'node:fs';
import { createRequire } from 'node:module';
import { join, resolve } from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';

const esbuild = await import('esbuild').catch(() => {
  console.error('build.mjs: esbuild is not installed: run scripts/setup (npm ci)');
  process.exit(1);
});

const entry = fileURLToPath(new URL('draw.mjs', import.meta.url));
const out = resolve(process.argv[2] ?? 'drawing');
const bundle = join(out, 'draw.cjs');
const blob = join(out, 'draw.blob');

// vega-canvas loads the optional `canvas` package with a top-level await,
// which CommonJS cannot hold; without that package (it is not installed)
// its browser build does the same: no canvas, text measured by estimate.
const browserCanvas = {
  name: 'vega-canvas-without-canvas',
  setup(build) {
    const browserBuild = createRequire(import.meta.url).resolve('vega-canvas').replace(/node\.js$/, 'browser.js');
    build.onResolve({ filter: /^vega-canvas$/ }, () => ({ path: browserBuild }));
  },
};

mkdirSync(out, { recursive: true });
await esbuild.build({
  entryPoints: [entry],
  outfile: bundle,
  bundle: true,
  minify: true,
  platform: 'node',
  format: 'cjs',
  plugins: [browserCanvas],
  // resvg is a native addon, loaded at run time from the source folder.
  external: ['@resvg/resvg-js'],
  define: { 'import.meta.url': JSON.stringify(pathToFileURL(entry).href) },
  // draw.mjs imports at run time what the snapshot must not hold; in the
  // bundle that is a require() of the node module, at run time.
  supported: { 'dynamic-import': false },
  logLevel: 'warning',
});
const nodeFlags = process.argv.slice(3);
execFileSync(process.execPath, [...nodeFlags, '--snapshot-blob', blob, '--build-snapshot', bundle], { stdio: 'inherit' });
