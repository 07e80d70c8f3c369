// The package's interface: what it accepts, what it refuses, how it reads
// strings, and that both entries give the same functions.
import assert from 'node:assert/strict';
import fs from 'node:fs';
import path from 'node:path';
import { test } from 'node:test';
import { pathToFileURL } from 'node:url';

import { fixClockToGoldenDay, goldenBarcode, packageDir, repoRoot, tavrix } from './support.mjs';

fixClockToGoldenDay();
const licence = fs.readFileSync(path.join(repoRoot, 'examples/aamva-v08.txt'), 'latin1');
const zone = fs.readFileSync(path.join(repoRoot, 'examples/mrz-td3-utopia.txt'), 'latin1');

test('arguments of the wrong kind throw a TypeError', () => {
  const cases = [
    ['no text', []],
    ['a number', [42]],
    ['null', [null]],
    ['an array of bytes', [[0x40, 0x0a]]],
    ['an ArrayBuffer', [new ArrayBuffer(8)]],
    ['a DataView', [new DataView(new ArrayBuffer(8))]],
    ['16-bit code units', [new Uint16Array(8)]],
    ['options not an object', [licence, 'barcode']],
    ['barcode not an object', [licence, { barcode: 17 }]],
    ['barcode without ecl', [licence, { barcode: { columns: 17, rows: 20 } }]],
    ['columns as text', [licence, { barcode: { columns: '17', rows: 20, ecl: 5 } }]],
    ['rows not whole', [licence, { barcode: { columns: 17, rows: 20.5, ecl: 5 } }]],
    ['ecl past 32 bits', [licence, { barcode: { columns: 17, rows: 20, ecl: 2 ** 32 } }]],
    ['ecl not a number', [licence, { barcode: { columns: 17, rows: 20, ecl: NaN } }]],
  ];
  const parser = new tavrix.Parser();
  for (const [name, args] of cases) {
    assert.throws(() => tavrix.parse(...args), TypeError, name);
    assert.throws(() => parser.parse(...args), TypeError, name);
  }
  // A refused call leaves the parser as it was.
  assert.equal(parser.parse(licence).lastName, 'SAMPLE');
  parser.close();
});

test('a text no format fits, and an empty one, give their result code alone', () => {
  assert.deepEqual(tavrix.parse('hello, world'), { resultCode: -25 });
  assert.deepEqual(tavrix.parse(new Uint8Array([0, 1, 2, 0xff])), { resultCode: -25 });
  assert.deepEqual(tavrix.parse(''), { resultCode: -21 });
  assert.deepEqual(tavrix.parse(new Uint8Array(0)), { resultCode: -21 });
  // The options do not change a failure.
  assert.deepEqual(tavrix.parse('hello, world', { barcode: goldenBarcode }), { resultCode: -25 });
});

test('the result is a plain object of the expected types', () => {
  const r = tavrix.parse(licence, { barcode: goldenBarcode });
  assert.equal(Object.getPrototypeOf(r), Object.prototype);
  assert.equal(r.resultCode, 0);
  for (const [key, value] of Object.entries(r)) {
    if (/^is[A-Z]/.test(key)) assert.equal(typeof value, 'boolean', key);
    else if (/ValidationStatus$/.test(key)) assert.ok([0, 1, 2].includes(value), key);
    else if (['resultCode', 'formatId', 'documentClass'].includes(key)) assert.ok(Number.isInteger(value), key);
    else {
      assert.equal(typeof value, 'string', key);
      assert.match(value, /^[\x20-\x7e]+$/, key);
    }
  }
  // A value the document does not carry is absent, not null or empty.
  assert.equal('nameSuffix' in r, false);
  assert.equal('jurisdictionCode' in tavrix.parse(zone), false);
});

test('a barcode geometry outside the validator\'s range leaves the verdict out', () => {
  for (const barcode of [{ columns: 2, rows: 20, ecl: 5 }, { columns: 17, rows: 91, ecl: 5 }, { columns: 17, rows: 20, ecl: 9 }]) {
    const r = tavrix.parse(licence, { barcode });
    assert.equal(r.resultCode, 0);
    assert.equal('barcodeValidationStatus' in r, false, JSON.stringify(barcode));
  }
  assert.ok([0, 1, 2].includes(tavrix.parse(licence, { barcode: { columns: 3, rows: 3, ecl: 0 } }).barcodeValidationStatus));
});

test('a view into a larger buffer is read from its own offset and length', () => {
  const whole = tavrix.parse(licence);
  const bytes = Buffer.from(licence, 'latin1');
  const padded = new Uint8Array(bytes.length + 64).fill(0x5a);
  padded.set(bytes, 32);
  assert.deepEqual(tavrix.parse(padded.subarray(32, 32 + bytes.length)), whole);
  // A Buffer is a Uint8Array.
  assert.deepEqual(tavrix.parse(bytes), whole);
});

test('strings: characters up to U+00FF are one byte each, others their UTF-8 bytes', () => {
  // The library folds Latin-1 letters in some formats; whatever it makes of
  // them, a string and the bytes it stands for must agree.
  const cases = [
    [`${zone}\u00e9`, [...Buffer.from(zone, 'latin1'), 0xe9]],
    [`${zone}\u20ac`, [...Buffer.from(zone, 'latin1'), 0xe2, 0x82, 0xac]],
    [`${zone}\u{1f600}`, [...Buffer.from(zone, 'latin1'), 0xf0, 0x9f, 0x98, 0x80]],
    [`${zone}\ud800`, [...Buffer.from(zone, 'latin1'), 0xef, 0xbf, 0xbd]],
    [licence.replace('SAMPLE', 'S\u00c4MPLE'), [...Buffer.from(licence.replace('SAMPLE', 'S\u00c4MPLE'), 'latin1')]],
    [licence.replace('SAMPLE', 'S\u0100MPLE'), [...Buffer.from(licence.replace('SAMPLE', 'S\u0100MPLE'), 'utf8')]],
  ];
  for (const [string, bytes] of cases) {
    assert.deepEqual(tavrix.parse(string), tavrix.parse(Uint8Array.from(bytes)), JSON.stringify(string.slice(-8)));
  }
});

test('the ES module entry gives the same functions as the CommonJS one', async () => {
  const esm = await import(pathToFileURL(path.join(packageDir, 'index.mjs')).href);
  assert.equal(esm.parse, tavrix.parse);
  assert.equal(esm.Parser, tavrix.Parser);
  assert.equal(esm.version, tavrix.version);
  assert.deepEqual(esm.parse(licence), tavrix.parse(licence));
});

test('the version is the library\'s and the package\'s', () => {
  const pkg = JSON.parse(fs.readFileSync(path.join(packageDir, 'package.json'), 'utf8'));
  assert.equal(tavrix.version(), pkg.version);
  assert.match(tavrix.version(), /^\d+\.\d+\.\d+$/);
});
