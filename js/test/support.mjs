// Shared by the package's tests: the package under test (the directory the
// WebAssembly build assembled, named by TAVRIX_PACKAGE_DIR), the texts with
// golden outputs, and the fixed day the golden outputs were made on.
import fs from 'node:fs';
import { createRequire } from 'node:module';
import path from 'node:path';
import { fileURLToPath } from 'node:url';

export const repoRoot = fileURLToPath(new URL('../../', import.meta.url));

export const packageDir = (() => {
  const dir = process.env.TAVRIX_PACKAGE_DIR;
  if (!dir) throw new Error('TAVRIX_PACKAGE_DIR must name the built package (build-wasm/package); run the tests with ctest');
  return path.resolve(dir);
})();

export const tavrix = createRequire(path.join(packageDir, 'package.json'))('./index.js');

// The parse time is read from JavaScript's clock (Date.now, through the C
// library's time()); the golden outputs were made at noon local time on
// 2026-06-15. Call in a test file's top level: the clock stays set for the
// whole file, which runs in a process of its own.
export function fixClockToGoldenDay() {
  const goldenNow = new Date(2026, 5, 15, 12, 0, 0).getTime();
  Date.now = () => goldenNow;
}

// The geometry the golden outputs handed the barcode validator.
export const goldenBarcode = Object.freeze({ columns: 17, rows: 20, ecl: 5 });

// Every text with a golden output: the files of examples/ and its
// subdirectories as bytes, and the real-world samples as the strings their
// JSON holds (each character U+0000..U+00FF one byte, as the package reads
// strings).
export function goldenTexts() {
  const texts = [];
  const examples = path.join(repoRoot, 'examples');
  const files = fs.readdirSync(examples, { recursive: true }).filter((f) => f.endsWith('.txt')).sort();
  for (const file of files) {
    texts.push({
      name: `examples/${file}`,
      input: new Uint8Array(fs.readFileSync(path.join(examples, file))),
      golden: readJson(path.join(repoRoot, 'tests/golden/examples', file.replace(/\.txt$/, '.json'))),
    });
  }
  const samples = fs.readFileSync(path.join(repoRoot, 'tests/data/real-world.jsonl'), 'utf8')
    .split('\n').filter((l) => l.trim() !== '').map((l) => JSON.parse(l));
  for (const s of samples) {
    texts.push({
      name: `real-world ${s.id}`,
      kind: s.kind,
      input: s.input,
      golden: readJson(path.join(repoRoot, 'tests/golden/real-world', `${s.id}.json`)),
    });
  }
  return texts;
}

function readJson(file) {
  return JSON.parse(fs.readFileSync(file, 'utf8'));
}

// C verdicts (1 cannot be judged, 2 valid, 3 invalid) as the package gives them.
const VERDICT = { 1: 0, 2: 1, 3: 2 };

// What parse() must return for a golden output: the getters that answered
// 0 with a non-empty value, flags as booleans, verdicts mapped; the barcode
// verdict only when the parse was given the golden geometry.
export function expectedResult(golden, withBarcode) {
  if (golden.result !== 0) return { resultCode: golden.result };
  const expected = { resultCode: 0, formatId: golden.formatId, documentClass: golden.documentClass };
  for (const [name, entry] of Object.entries(golden.getters)) {
    if (entry.code !== 0) continue;
    if (name === 'barcodeValidationStatus' && !withBarcode) continue;
    if (typeof entry.value === 'string') {
      if (entry.value !== '') expected[name] = entry.value;
    } else if (/^is[A-Z]/.test(name)) {
      expected[name] = entry.value === 1;
    } else if (/ValidationStatus$/.test(name) && entry.value in VERDICT) {
      expected[name] = VERDICT[entry.value];
    } else {
      throw new Error(`golden getter ${name} has a value of no known kind: ${JSON.stringify(entry)}`);
    }
  }
  return expected;
}
