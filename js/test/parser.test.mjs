// The reusable parser: many parses on one handle give each text's own
// answer whatever came before, and close() ends it.
import assert from 'node:assert/strict';
import { test } from 'node:test';

import { expectedResult, fixClockToGoldenDay, goldenBarcode, goldenTexts, tavrix } from './support.mjs';

fixClockToGoldenDay();
const texts = goldenTexts();

test('one parser reads every golden text in changing orders', () => {
  const parser = new tavrix.Parser();
  // Forwards, backwards, and each text after the longest one (the handle's
  // buffers are then at their largest).
  const longest = texts.reduce((a, b) => (b.input.length > a.input.length ? b : a));
  const orders = [texts, [...texts].reverse(), texts.flatMap((t) => [longest, t])];
  for (const order of orders) {
    for (const t of order) {
      assert.deepEqual(parser.parse(t.input, { barcode: goldenBarcode }), expectedResult(t.golden, true), t.name);
    }
  }
  parser.close();
});

test('a long text, then short ones: the buffers grow and the answers stay', () => {
  const parser = new tavrix.Parser();
  const short = texts.find((t) => t.name === 'examples/aamva-v08.txt');
  const before = parser.parse(short.input);
  // 300 KB: past the parser's own input and value buffers and the handle's.
  const long = new Uint8Array(300 * 1024).fill(0x41);
  assert.equal(parser.parse(long).resultCode, -25);
  assert.deepEqual(parser.parse(short.input), before);
  parser.close();
});

test('parsers are independent of one another', () => {
  const [a, b] = [new tavrix.Parser(), new tavrix.Parser()];
  const [first, second] = [texts[0], texts[texts.length - 1]];
  const answerA = a.parse(first.input);
  b.parse(second.input);
  assert.deepEqual(a.parse(first.input), answerA);
  a.close();
  // Closing one leaves the other and the shared parse() working.
  assert.deepEqual(b.parse(first.input), answerA);
  assert.deepEqual(tavrix.parse(first.input), answerA);
  b.close();
});

test('close() frees the parser: it may be called again, and a parse then throws', () => {
  const parser = new tavrix.Parser();
  assert.equal(parser.parse(texts[0].input).resultCode, texts[0].golden.result);
  parser.close();
  parser.close();
  assert.throws(() => parser.parse(texts[0].input), /closed/);
  if (typeof Symbol.dispose === 'symbol') {
    const other = new tavrix.Parser();
    other[Symbol.dispose]();
    assert.throws(() => other.parse(texts[0].input), /closed/);
  }
});
