// How the comparison calls each pinned JavaScript parser: one row per parser
// and kind of text. `parse` is the call that is timed (module loaded once);
// `accepts` tells whether the parser took a sample: a call that throws, or
// returns nothing a caller could use, leaves the sample out of that parser's
// figures. Every adaptation of a call is written here and in the README.

// parse-usdl throws on any element id it has no name for (a jurisdiction's
// own ZAZ, an older edition's DAB or DCH); its `suppressErrors` option skips
// such elements and keeps the rest, which is how a caller would use it on
// real barcodes. Hoisted so that the timed call allocates no options object.
const usdlOptions = { suppressErrors: true };

export const adapters = [
  {
    name: 'parse-usdl',
    kind: 'aamva',
    load: (load) => load('parse-usdl').then((m) => (text) => m.parse(text, usdlOptions)),
    // Texts whose elements are not separated by line feeds (the run-together
    // 2000-edition layout) come back as an empty object.
    accepts: (result) => result != null && Object.keys(result).length > 0,
  },
  {
    name: 'aamva-parser',
    kind: 'aamva',
    load: (load) => load('aamva-parser').then((m) => (text) => m.parse(text)),
    accepts: (result) => result != null && typeof result === 'object',
  },
  {
    name: 'aamvajs',
    kind: 'aamva',
    load: (load) => load('aamvajs').then((m) => (text) => m.raw(text)),
    accepts: (result) => result != null && Array.isArray(result.subfiles) && result.subfiles.length > 0,
  },
  {
    name: 'aamva',
    kind: 'aamva',
    load: (load) => load('aamva').then((m) => (text) => m.pdf417(text)),
    accepts: (result) => result != null && typeof result === 'object',
  },
  {
    name: 'aamva',
    kind: 'stripe',
    load: (load) => load('aamva').then((m) => (text) => m.stripe(text)),
    accepts: (result) => result != null && typeof result === 'object',
  },
  {
    // Takes the zone as one string with its line breaks, as the samples hold it.
    name: 'mrz',
    kind: 'mrz',
    load: (load) => load('mrz').then((m) => (text) => m.parse(text)),
    accepts: (result) => result != null && typeof result.format === 'string',
  },
];

// aamva writes "no version matched" and similar lines with console.log on
// some texts; the driver silences console.log for the whole run (its own
// output goes through process.stdout.write), so the timed call only pays for
// the call to a no-op instead of terminal output.
export function silenceConsole() {
  console.log = () => {};
}
