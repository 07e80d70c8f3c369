// Side-by-side timing of the library and the pinned open-source JavaScript
// parsers on the real-world samples, in one run and interleaved. Started by
// run.sh, which builds the timing child and installs the parsers; see the
// README's "Side by side with the JavaScript parsers" section.
//
// For each kind of text (aamva, stripe, mrz) every parser of that kind gets
// one batch per round: each sample it accepts is parsed a calibrated number
// of times in a row and timed, so that the batch (one pass over the kind's
// samples) lasts at least --batch seconds. Our two modes run in the timing
// child, asked for one batch at a time over its standard input, in the same
// rotation as the JavaScript parsers, so machine load falls on all alike.
// With --package, our npm package (the library compiled to WebAssembly) runs
// in this Node process beside the JavaScript parsers, timed as they are:
// its parse() of the text, which reads every getter into the result object.
// Each batch is timed in CPU time of the timing process (Node's, or the
// child's) and in wall time; the machine is shared, and CPU time is what
// other processes' load disturbs least. A sample's time is the median over
// rounds of its time per parse; a parser's figure is the median over its
// samples.
//
// Usage: node compare.mjs --timer PATH --samples PATH --modules DIR
//          [--package DIR] [--rounds N] [--batch SECONDS] [--warmup SECONDS] [--kinds LIST]

import { spawn } from 'node:child_process';
import fs from 'node:fs';
import { createRequire } from 'node:module';
import os from 'node:os';
import path from 'node:path';
import { createInterface } from 'node:readline';
import { pathToFileURL } from 'node:url';

import { adapters, silenceConsole } from './adapters.mjs';

const KINDS = ['aamva', 'stripe', 'mrz'];

function parseOptions(argv) {
  const options = { rounds: 11, batch: 0.5, warmup: 1, kinds: KINDS };
  for (let i = 0; i < argv.length; i += 2) {
    const [name, value] = [argv[i], argv[i + 1]];
    if (value === undefined) throw new Error(`${name} needs a value`);
    switch (name) {
      case '--timer': options.timer = value; break;
      case '--samples': options.samples = value; break;
      case '--modules': options.modules = value; break;
      case '--package': options.package = value; break;
      case '--rounds': options.rounds = positive(name, value, true); break;
      case '--batch': options.batch = positive(name, value); break;
      case '--warmup': options.warmup = positive(name, value); break;
      case '--kinds':
        options.kinds = value.split(',');
        for (const k of options.kinds) if (!KINDS.includes(k)) throw new Error(`unknown kind '${k}'`);
        break;
      default: throw new Error(`unknown option '${name}'`);
    }
  }
  for (const name of ['timer', 'samples', 'modules']) {
    if (!options[name]) throw new Error(`--${name} is required`);
  }
  return options;
}

function positive(name, value, integer = false) {
  const n = Number(value);
  if (!(n > 0) || (integer && !Number.isInteger(n))) throw new Error(`${name} must be a positive ${integer ? 'integer' : 'number'}`);
  return n;
}

const median = (values) => {
  const s = [...values].sort((a, b) => a - b);
  const m = s.length >> 1;
  return s.length % 2 ? s[m] : (s[m - 1] + s[m]) / 2;
};
const sum = (values) => values.reduce((a, b) => a + b, 0);
const write = (text) => process.stdout.write(text + '\n');
const us = (ns) => (ns / 1000).toFixed(ns < 10000 ? 2 : 1);

// The timing child: one `batch` command at a time, one reply line each.
class Timer {
  constructor(program, samplesPath) {
    this.child = spawn(program, [samplesPath], { stdio: ['pipe', 'pipe', 'inherit'] });
    this.waiting = [];
    this.lines = [];
    this.exited = new Promise((resolve) => this.child.on('exit', (code, signal) => {
      const failure = new Error(`the timing child ended (${signal ?? code})`);
      for (const w of this.waiting.splice(0)) w.reject(failure);
      this.failure = failure;
      resolve();
    }));
    this.child.on('error', (e) => { this.failure = e; for (const w of this.waiting.splice(0)) w.reject(e); });
    createInterface({ input: this.child.stdout }).on('line', (line) => {
      const w = this.waiting.shift();
      if (w) w.resolve(line); else this.lines.push(line);
    });
  }
  nextLine() {
    if (this.lines.length > 0) return Promise.resolve(this.lines.shift());
    if (this.failure) return Promise.reject(this.failure);
    return new Promise((resolve, reject) => this.waiting.push({ resolve, reject }));
  }
  // The samples as the child read them: index, kind, parse result and id.
  async start() {
    const samples = [];
    for (;;) {
      const line = await this.nextLine();
      if (line.startsWith('ready ')) return samples;
      const [, index, kind, result, id] = line.split(' ');
      samples[Number(index)] = { kind, result: Number(result), id };
    }
  }
  async batch(mode, indices, counts) {
    this.child.stdin.write(`batch ${mode} ${indices.map((s, i) => `${s}:${counts[i]}`).join(' ')}\n`);
    const reply = await this.nextLine();
    if (!reply.startsWith('ok ')) throw new Error(`timing child: ${reply}`);
    const pairs = reply.slice(3).split(' ').map((p) => p.split('/').map(Number));
    return { wall: pairs.map((p) => p[0]), cpu: pairs.map((p) => p[1]) };
  }
  async stop() {
    this.child.stdin.end('quit\n');
    await this.exited;
  }
}

// Results land here so that no timed call is dead code.
let sink;

// Wall and CPU nanoseconds of each sample's run of parses. CPU time is the
// whole process's (the main thread and V8's garbage collection helpers).
function timeJs(parse, texts, counts) {
  const wall = new Array(texts.length);
  const cpu = new Array(texts.length);
  for (let s = 0; s < texts.length; ++s) {
    const text = texts[s];
    const n = counts[s];
    const cpuStart = process.cpuUsage();
    const start = process.hrtime.bigint();
    for (let k = 0; k < n; ++k) sink = parse(text);
    wall[s] = Number(process.hrtime.bigint() - start);
    const used = process.cpuUsage(cpuStart);
    cpu[s] = (used.user + used.system) * 1000;
  }
  return { wall, cpu };
}

// Counts that make one pass over the samples last `batchNs` with a margin,
// from a pass that took `ns` (per sample) with `counts`.
const countsFor = (ns, counts, batchNs) =>
  ns.map((t, s) => Math.max(1, Math.ceil((1.2 * batchNs) / ns.length / Math.max(t / counts[s], 1))));

// Warm-up: grows a count common to all samples until one pass lasts the
// warm-up time, sizes each sample's count from it, then runs one full batch
// (not recorded) and sizes the counts again from that warmer pass.
async function calibrate(contestant, warmupNs, batchNs) {
  let counts = new Array(contestant.indices.length).fill(1);
  for (;;) {
    const total = sum((await contestant.measure(counts)).wall);
    if (total >= warmupNs) break;
    counts = counts.map((n) => n * (total < warmupNs / 16 ? 8 : 2));
  }
  counts = countsFor((await contestant.measure(counts)).wall, counts, batchNs);
  contestant.counts = countsFor((await contestant.measure(counts)).wall, counts, batchNs);
}

// One recorded batch: a batch that came in under the batch time (a parser
// that got faster since its warm-up) is run again with larger counts.
async function recordedBatch(contestant, batchNs) {
  for (;;) {
    const times = await contestant.measure(contestant.counts);
    if (sum(times.wall) >= batchNs) return times;
    contestant.counts = countsFor(times.wall, contestant.counts, batchNs);
  }
}

function machineLine() {
  const cpus = os.cpus();
  const load = os.loadavg().map((l) => l.toFixed(2)).join(' ');
  return `${cpus.length} × ${cpus[0]?.model.trim() ?? 'unknown CPU'}, Node ${process.version}, load average ${load}`;
}

async function main() {
  const options = parseOptions(process.argv.slice(2));
  const lines = fs.readFileSync(options.samples, 'utf8').split('\n').filter((l) => l.trim() !== '');
  const samples = lines.map((l) => JSON.parse(l));

  const req = createRequire(path.join(path.resolve(options.modules), 'package.json'));
  const load = async (name) => {
    const ns = await import(pathToFileURL(req.resolve(name)).href);
    return ns.default ?? ns;
  };
  const versionOf = (name) => JSON.parse(fs.readFileSync(
    path.join(options.modules, 'node_modules', name, 'package.json'), 'utf8')).version;
  silenceConsole();

  // Our npm package, loaded as a user would: require() of its directory.
  const wasm = options.package ? createRequire(path.join(path.resolve(options.package), 'package.json'))('./index.js') : null;

  const timer = new Timer(options.timer, options.samples);
  const ours = await timer.start();
  if (ours.length !== samples.length || ours.some((s, i) => s?.id !== samples[i].id)) {
    throw new Error('the timing child read the samples differently');
  }

  const batchNs = options.batch * 1e9;
  const warmupNs = options.warmup * 1e9;
  write(`# bench/compare: ${options.rounds} rounds, batches of at least ${options.batch} s`);
  write(`machine: ${machineLine()}`);
  if (wasm) {
    // The package must read every sample as the native library does.
    const differing = samples.filter((sample, i) => wasm.parse(sample.input).resultCode !== ours[i].result);
    if (differing.length > 0) throw new Error(`the npm package and the timing child differ on ${differing.map((x) => x.id).join(', ')}`);
    write(`npm package: tavrix-parser ${wasm.version()} (WebAssembly) from ${options.package}`);
  }

  const kinds = [];
  for (const kind of options.kinds) {
    const all = samples.map((s, i) => (s.kind === kind ? i : -1)).filter((i) => i >= 0);
    if (all.length === 0) continue;
    const contestants = [];
    for (const a of adapters.filter((x) => x.kind === kind)) {
      const parse = await a.load(load);
      const indices = all.filter((i) => {
        try {
          return a.accepts(parse(samples[i].input));
        } catch {
          return false;
        }
      });
      const texts = indices.map((i) => samples[i].input);
      contestants.push({
        label: `${a.name} ${versionOf(a.name)}`, js: true, indices,
        measure: async (counts) => timeJs(parse, texts, counts),
      });
    }
    for (const [mode, label] of [['parse', 'ours: VTX_parse'], ['all', 'ours: VTX_parse + every getter']]) {
      contestants.push({ label, js: false, indices: all, measure: (counts) => timer.batch(mode, all, counts) });
    }
    if (wasm) {
      const texts = all.map((i) => samples[i].input);
      contestants.push({
        label: 'ours: npm package (WebAssembly), parse()', js: false, indices: all,
        measure: async (counts) => timeJs(wasm.parse, texts, counts),
      });
    }
    kinds.push({ kind, all, contestants, recognised: all.filter((i) => ours[i].result === 0).length });
  }

  const everyone = kinds.flatMap((k) => k.contestants).filter((c) => c.indices.length > 0);
  for (const c of everyone) {
    await calibrate(c, warmupNs, batchNs);
    c.cpu = c.indices.map(() => []);
    c.wall = c.indices.map(() => []);
    c.shortestBatch = Infinity;
  }
  // Rounds: every contestant once per round, the order rotated each round.
  for (let r = 0; r < options.rounds; ++r) {
    for (let k = 0; k < everyone.length; ++k) {
      const c = everyone[(r + k) % everyone.length];
      const times = await recordedBatch(c, batchNs);
      times.cpu.forEach((t, s) => c.cpu[s].push(t / c.counts[s]));
      times.wall.forEach((t, s) => c.wall[s].push(t / c.counts[s]));
      c.shortestBatch = Math.min(c.shortestBatch, sum(times.wall));
    }
    process.stderr.write(`round ${r + 1}/${options.rounds} done\n`);
  }
  await timer.stop();

  write(`load average at the end: ${os.loadavg().map((l) => l.toFixed(2)).join(' ')}`);
  for (const { kind, all, contestants, recognised } of kinds) {
    write('');
    write(`## ${kind}: ${all.length} samples (ours recognises ${recognised} of them today)`);
    write('');
    write('| parser | samples timed | median µs per text (CPU) | per-round medians (CPU) | median µs per text (wall) | shortest batch, s |');
    write('|---|---|---|---|---|---|');
    for (const c of contestants) {
      if (c.indices.length === 0) {
        write(`| ${c.label} | 0 of ${all.length} | – | – | – | – |`);
        continue;
      }
      c.perSample = c.cpu.map(median);
      c.median = median(c.perSample);
      c.wallMedian = median(c.wall.map(median));
      const perRound = c.cpu[0].map((_, r) => median(c.cpu.map((x) => x[r])));
      write(`| ${c.label} | ${c.indices.length} of ${all.length} | ${us(c.median)} | ` +
            `${us(Math.min(...perRound))}–${us(Math.max(...perRound))} | ${us(c.wallMedian)} | ` +
            `${(c.shortestBatch / 1e9).toFixed(2)} |`);
    }
    const js = contestants.filter((c) => c.js && c.indices.length > 0);
    if (js.length === 0) continue;
    const fastest = js.reduce((a, b) => (b.median < a.median ? b : a));
    write('');
    write(`Fastest JavaScript parser: ${fastest.label}, ${us(fastest.median)} µs per text (CPU). ` +
          'Speed-up = its median ÷ ours (above 1: ours is faster).');
    write('');
    write(`| ours | speed-up (CPU) | speed-up (CPU) on the ${fastest.indices.length} samples it accepts | speed-up (wall) |`);
    write('|---|---|---|---|');
    for (const c of contestants.filter((x) => !x.js)) {
      const onItsSamples = median(fastest.indices.map((i) => c.perSample[c.indices.indexOf(i)]));
      write(`| ${c.label.replace('ours: ', '')} | ${(fastest.median / c.median).toFixed(2)}× | ` +
            `${(fastest.median / onItsSamples).toFixed(2)}× | ${(fastest.wallMedian / c.wallMedian).toFixed(2)}× |`);
    }
  }
  if (sink === Symbol.for('never')) write('');
}

main().catch((e) => {
  process.stderr.write(`compare: ${e.message}\n`);
  process.exit(1);
});
