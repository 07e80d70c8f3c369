// The package gives the C getters' answers: every example and real-world
// sample against its golden output (made by the native build on a fixed
// day), with and without the barcode geometry.
import assert from 'node:assert/strict';
import { test } from 'node:test';

import { expectedResult, fixClockToGoldenDay, goldenBarcode, goldenTexts, tavrix } from './support.mjs';

fixClockToGoldenDay();
const texts = goldenTexts();

test('every golden text is there, of every kind', () => {
  assert.ok(texts.length >= 130, `only ${texts.length} texts`);
  const recognised = texts.filter((t) => t.golden.result === 0);
  const kinds = new Set(texts.filter((t) => t.kind).map((t) => t.kind));
  assert.deepEqual([...kinds].sort(), ['aamva', 'mrz', 'other', 'stripe']);
  assert.ok(recognised.length > texts.length / 2);
  // The verdicts of the goldens take all three values, so the mapping is
  // exercised in full.
  const verdicts = new Set(recognised.map((t) => t.golden.getters.documentIdValidationStatus.value));
  assert.deepEqual([...verdicts].sort(), [1, 2, 3]);
});

test('parse() answers as the golden outputs, with the barcode geometry', () => {
  for (const t of texts) {
    assert.deepEqual(tavrix.parse(t.input, { barcode: goldenBarcode }), expectedResult(t.golden, true), t.name);
  }
});

test('parse() answers as the golden outputs, without the barcode geometry', () => {
  for (const t of texts) {
    const result = tavrix.parse(t.input);
    assert.deepEqual(result, expectedResult(t.golden, false), t.name);
    assert.equal('barcodeValidationStatus' in result, false, t.name);
  }
});

test('a string and its bytes give the same answer', () => {
  for (const t of texts) {
    const bytes = typeof t.input === 'string' ? Uint8Array.from(t.input, (c) => c.charCodeAt(0)) : t.input;
    const string = typeof t.input === 'string' ? t.input : String.fromCharCode(...t.input);
    assert.deepEqual(tavrix.parse(string), tavrix.parse(bytes), t.name);
  }
});
