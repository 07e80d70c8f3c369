// The packed package as a user gets it: `npm pack` of the built package,
// the tarball installed into a scratch project without the registry, and
// the package loaded there through both entries.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { test } from 'node:test';

import { packageDir, repoRoot } from './support.mjs';

const npm = process.env.NPM || 'npm';
const quiet = ['--no-audit', '--no-fund', '--loglevel=error'];

test('the tarball holds the package and installs and loads on its own', (t) => {
  const work = fs.mkdtempSync(path.join(os.tmpdir(), 'tavrix-tarball-'));
  t.after(() => fs.rmSync(work, { recursive: true, force: true }));

  const [packed] = JSON.parse(execFileSync(npm, ['pack', '--json', '--pack-destination', work, ...quiet],
    { cwd: packageDir, encoding: 'utf8' }));
  const pkg = JSON.parse(fs.readFileSync(path.join(packageDir, 'package.json'), 'utf8'));
  assert.equal(packed.filename, `tavrix-parser-${pkg.version}.tgz`);
  assert.deepEqual(packed.files.map((f) => f.path).sort(), [
    'README.md', 'index.d.ts', 'index.js', 'index.mjs', 'package.json', 'tavrix_parser.js', 'tavrix_parser.wasm',
  ]);
  assert.equal(pkg.dependencies, undefined);

  const project = path.join(work, 'project');
  fs.mkdirSync(project);
  fs.writeFileSync(path.join(project, 'package.json'), '{"name": "scratch", "private": true}\n');
  execFileSync(npm, ['install', '--offline', '--ignore-scripts', '--no-package-lock', ...quiet,
    path.join(work, packed.filename)], { cwd: project, stdio: 'pipe' });

  const example = path.join(repoRoot, 'examples/aamva-v08.txt');
  const cjs = `const { parse } = require('tavrix-parser');
    const r = parse(require('fs').readFileSync(${JSON.stringify(example)}));
    process.stdout.write(r.resultCode + ' ' + r.lastName);`;
  const esm = `import { parse, version } from 'tavrix-parser';
    process.stdout.write(parse('not a document').resultCode + ' ' + version());`;
  assert.equal(execFileSync(process.execPath, ['-e', cjs], { cwd: project, encoding: 'utf8' }), '0 SAMPLE');
  assert.equal(execFileSync(process.execPath, ['--input-type=module', '-e', esm], { cwd: project, encoding: 'utf8' }),
    `-25 ${pkg.version}`);
});
