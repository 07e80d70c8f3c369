// Memory does not grow over 100,000 parses, nor over parsers made and
// closed, once the buffers have grown to the longest text: the bytes
// allocated in the WebAssembly memory come back to the same count exactly
// (a single byte kept per parse would show), and the memory keeps its size.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import v8 from 'node:v8';
import vm from 'node:vm';

import { fixClockToGoldenDay, goldenBarcode, goldenTexts, tavrix } from './support.mjs';

fixClockToGoldenDay();
const texts = goldenTexts();
const PARSES = 100_000;

function warmUp(parser) {
  const longest = texts.reduce((a, b) => (b.input.length > a.input.length ? b : a));
  parser.parse(longest.input, { barcode: goldenBarcode });
  for (const t of texts) parser.parse(t.input, { barcode: goldenBarcode });
}

test(`${PARSES} parses on one parser`, () => {
  const parser = new tavrix.Parser();
  warmUp(parser);
  const before = tavrix.memoryUsage();
  let recognised = 0;
  for (let i = 0; i < PARSES; ++i) {
    if (parser.parse(texts[i % texts.length].input, { barcode: goldenBarcode }).resultCode === 0) ++recognised;
  }
  assert.deepEqual(tavrix.memoryUsage(), before);
  assert.ok(recognised > PARSES / 2);
  parser.close();
});

test(`${PARSES / 10} parsers made, used and closed, and the shared parse()`, () => {
  warmUp({ parse: tavrix.parse });
  const spare = new tavrix.Parser();
  warmUp(spare);
  spare.close();
  const before = tavrix.memoryUsage();
  for (let i = 0; i < PARSES / 10; ++i) {
    const parser = new tavrix.Parser();
    parser.parse(texts[i % texts.length].input);
    parser.close();
    tavrix.parse(texts[(i * 7) % texts.length].input);
  }
  assert.deepEqual(tavrix.memoryUsage(), before);
});

test('a parser holds memory until it is closed', () => {
  const before = tavrix.memoryUsage().allocatedBytes;
  const parser = new tavrix.Parser();
  parser.parse(texts[0].input);
  assert.ok(tavrix.memoryUsage().allocatedBytes > before);
  parser.close();
  assert.equal(tavrix.memoryUsage().allocatedBytes, before);
});

test('a parser dropped without close() is freed by the garbage collector', async () => {
  v8.setFlagsFromString('--expose-gc');
  const gc = vm.runInNewContext('gc');
  const settle = async () => {
    for (let i = 0; i < 5; ++i) {
      gc();
      await new Promise((resolve) => setImmediate(resolve));
    }
  };
  await settle();
  const before = tavrix.memoryUsage().allocatedBytes;
  (() => {
    for (let i = 0; i < 200; ++i) new tavrix.Parser().parse(texts[i % texts.length].input);
  })();
  assert.ok(tavrix.memoryUsage().allocatedBytes > before + 200 * 1024);
  await settle();
  assert.equal(tavrix.memoryUsage().allocatedBytes, before);
});
