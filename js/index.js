'use strict';
// tavrix-parser: the library compiled to WebAssembly, behind a small wrapper.
// A parse hands the text's bytes to VTX_parse on a handle kept in the
// WebAssembly memory and reads every getter into one plain object, keyed and
// typed as the Java binding's result: text values only when the document
// carries them (non-empty), flags as booleans, verdicts 0 cannot be judged,
// 1 valid, 2 invalid.

const createTavrixModule = require('./tavrix_parser.js');

// Every getter and validator in the library's export order, with its result
// field name; the same rows as the command-line tool's getter table.
const TEXT = 0;
const FLAG = 1;
const VERDICT = 2;
const BARCODE = 3;
const GETTERS = [
  ['firstName', 'VTX_getFirstName', TEXT],
  ['lastName', 'VTX_getLastName', TEXT],
  ['documentType', 'VTX_getDocumentType', TEXT],
  ['countryCode', 'VTX_getCountryCode', TEXT],
  ['country', 'VTX_getCountry', TEXT],
  ['jurisdictionCode', 'VTX_getJurisdictionCode', TEXT],
  ['iin', 'VTX_getIIN', TEXT],
  ['middleName', 'VTX_getMiddleName', TEXT],
  ['nameSuffix', 'VTX_getNameSuffix', TEXT],
  ['namePrefix', 'VTX_getNamePrefix', TEXT],
  ['fullName', 'VTX_getFullName', TEXT],
  ['address1', 'VTX_getAddress1', TEXT],
  ['address2', 'VTX_getAddress2', TEXT],
  ['city', 'VTX_getCity', TEXT],
  ['licenseNumber', 'VTX_getLicenseNumber', TEXT],
  ['classificationCode', 'VTX_getClassificationCode', TEXT],
  ['restrictionCode', 'VTX_getRestrictionCode', TEXT],
  ['restrictionCodeDescription', 'VTX_getRestrictionCodeDescription', TEXT],
  ['endorsementsCode', 'VTX_getEndorsementsCode', TEXT],
  ['endorsementCodeDescription', 'VTX_getEndorsementCodeDescription', TEXT],
  ['expirationDate', 'VTX_getExpirationDate', TEXT],
  ['HAZMATExpDate', 'VTX_getHAZMATExpDate', TEXT],
  ['birthdate', 'VTX_getBirthdate', TEXT],
  ['cardRevisionDate', 'VTX_getCardRevisionDate', TEXT],
  ['gender', 'VTX_getGender', TEXT],
  ['issueDate', 'VTX_getIssueDate', TEXT],
  ['issuedBy', 'VTX_getIssuedBy', TEXT],
  ['postalCode', 'VTX_getPostalCode', TEXT],
  ['eyeColor', 'VTX_getEyeColor', TEXT],
  ['race', 'VTX_getRace', TEXT],
  ['hairColor', 'VTX_getHairColor', TEXT],
  ['height', 'VTX_getHeight', TEXT],
  ['weightKG', 'VTX_getWeightKG', TEXT],
  ['weightLBS', 'VTX_getWeightLBS', TEXT],
  ['complianceType', 'VTX_getComplianceType', TEXT],
  ['isLimitedDurationDocument', 'VTX_getLimitedDurationDocument', FLAG],
  ['isOrganDonor', 'VTX_getOrganDonor', FLAG],
  ['isVeteran', 'VTX_getVeteran', FLAG],
  ['vehicleClassCode', 'VTX_getVehicleClassCode', TEXT],
  ['vehicleClassCodeDescription', 'VTX_getVehicleClassCodeDescription', TEXT],
  ['documentIdValidationStatus', 'VTX_validateDocumentId', VERDICT],
  ['barcodeValidationStatus', 'VTX_validateBarcode', BARCODE],
  ['jurisdictionCodeValidationStatus', 'VTX_validateJurisdictionCode', VERDICT],
  ['aamvaVersion', 'VTX_getAamvaVersion', TEXT],
];

// C verdicts: 1 cannot be judged, 2 valid, 3 invalid.
const VERDICTS = [undefined, 0, 1, 2];

// Room for a value: the command-line tool's report gives its getters the
// same, and a longer input gets at least its own length.
const VALUE_CAPACITY = 1 << 17;
const INT32_MAX = 0x7fffffff;

// The WebAssembly instance, made on first use and shared by every parser of
// this JavaScript realm (each worker thread loads its own).
let wasm = null;

function instance() {
  if (wasm !== null) return wasm;
  const m = {};
  createTavrixModule(m);  // synchronous: the module is compiled and running on return
  if (!m.calledRun || typeof m._VTX_parse !== 'function') {
    throw new Error('tavrix-parser: the WebAssembly module did not start');
  }
  const getters = GETTERS.map(([name, fn, kind]) => ({ name, call: m['_' + fn], kind }));
  for (const g of getters) {
    if (typeof g.call !== 'function') throw new Error(`tavrix-parser: the module lacks ${g.name}`);
  }
  wasm = { m, getters };
  return wasm;
}

// Bytes of the document: a Uint8Array as it is; a string one byte per
// character U+0000..U+00FF (Latin-1, the library's own single-byte text),
// any other character as its UTF-8 bytes.
function checkText(text) {
  if (typeof text === 'string') return text;
  if (text instanceof Uint8Array) {
    if (text.length > INT32_MAX) throw new TypeError('tavrix-parser: the text is longer than 2 GiB');
    return text;
  }
  throw new TypeError('tavrix-parser: the text must be a string or a Uint8Array');
}

function byteLengthOf(text) {
  if (typeof text !== 'string') return text.length;
  let n = 0;
  for (let i = 0; i < text.length; ++i) {
    const c = text.charCodeAt(i);
    if (c < 0x100) n += 1;
    else if (c < 0x800) n += 2;
    else if (c >= 0xd800 && c < 0xdc00 && i + 1 < text.length && (text.charCodeAt(i + 1) & 0xfc00) === 0xdc00) {
      n += 4;
      ++i;
    } else n += 3;
  }
  if (n > INT32_MAX) throw new TypeError('tavrix-parser: the text is longer than 2 GiB');
  return n;
}

// Writes the string's bytes at `at`; `heap` has room for byteLengthOf(text).
function writeString(heap, at, text) {
  for (let i = 0; i < text.length; ++i) {
    let c = text.charCodeAt(i);
    if (c < 0x100) {
      heap[at++] = c;
      continue;
    }
    if (c >= 0xd800 && c < 0xdc00 && i + 1 < text.length && (text.charCodeAt(i + 1) & 0xfc00) === 0xdc00) {
      c = 0x10000 + ((c - 0xd800) << 10) + (text.charCodeAt(++i) - 0xdc00);
      heap[at++] = 0xf0 | (c >> 18);
      heap[at++] = 0x80 | ((c >> 12) & 0x3f);
    } else if (c >= 0xd800 && c < 0xe000) {
      c = 0xfffd;  // a lone surrogate
      heap[at++] = 0xe0 | (c >> 12);
    } else if (c >= 0x800) {
      heap[at++] = 0xe0 | (c >> 12);
    } else {
      heap[at++] = 0xc0 | (c >> 6);
      heap[at++] = 0x80 | (c & 0x3f);
      continue;
    }
    heap[at++] = 0x80 | ((c >> 6) & 0x3f);
    heap[at++] = 0x80 | (c & 0x3f);
  }
}

function isInt32(v) {
  return Number.isInteger(v) && v >= -0x80000000 && v <= INT32_MAX;
}

// The barcode geometry of the options (a copy), or null.
function checkOptions(options) {
  if (options === undefined || options === null) return null;
  if (typeof options !== 'object') throw new TypeError('tavrix-parser: options must be an object');
  const barcode = options.barcode;
  if (barcode === undefined || barcode === null) return null;
  if (typeof barcode !== 'object') {
    throw new TypeError('tavrix-parser: options.barcode must be an object { columns, rows, ecl }');
  }
  // Each number is read once, so what is checked is what the validator gets.
  const geometry = { columns: barcode.columns, rows: barcode.rows, ecl: barcode.ecl };
  for (const key of ['columns', 'rows', 'ecl']) {
    if (!isInt32(geometry[key])) throw new TypeError(`tavrix-parser: options.barcode.${key} must be an integer`);
  }
  return geometry;
}

// The NUL-terminated value at heap[from] (at most up to `limit`) as Latin-1
// text; values are printable ASCII and mostly short, which a plain loop
// reads fastest.
function textAt(heap, from, limit) {
  let s = '';
  for (let at = from; at < limit; ++at) {
    const c = heap[at];
    if (c === 0) break;
    s += String.fromCharCode(c);
  }
  return s;
}

// Frees what a parser holds in the WebAssembly memory; also run for a
// parser that was dropped without close().
function release(state) {
  if (state.handle === 0) return;
  const { m } = wasm;
  m._VTX_delete(state.handle);
  m._free(state.scratch);
  m._free(state.input);
  state.handle = 0;
}

const finalizer = typeof FinalizationRegistry === 'function' ? new FinalizationRegistry(release) : null;

class Parser {
  #state;

  constructor() {
    const { m } = instance();
    const handle = m._VTX_create();
    // The value buffer, then two int32 slots for numbers.
    const scratch = handle === 0 ? 0 : m._malloc(VALUE_CAPACITY + 8);
    const input = scratch === 0 ? 0 : m._malloc(1024);
    if (input === 0) {
      if (scratch !== 0) m._free(scratch);
      if (handle !== 0) m._VTX_delete(handle);
      throw new Error('tavrix-parser: out of memory');
    }
    this.#state = { handle, scratch, valueCapacity: VALUE_CAPACITY, input, inputCapacity: 1024 };
    if (finalizer !== null) finalizer.register(this, this.#state, this);
  }

  // Reads one document; see index.d.ts.
  parse(text, options) {
    const state = this.#state;
    if (state.handle === 0) throw new Error('tavrix-parser: the parser is closed');
    const barcode = checkOptions(options);
    const length = byteLengthOf(checkText(text));
    const { m, getters } = wasm;

    if (length > state.inputCapacity || length + 1 > state.valueCapacity) this.#grow(length);
    let heap = m.HEAPU8;
    if (typeof text === 'string') writeString(heap, state.input, text);
    else heap.set(text, state.input);

    const rc = m._VTX_parse(state.handle, state.input, length);
    if (rc !== 0) return { resultCode: rc };
    const slot = state.scratch + state.valueCapacity;
    m._tavrix_wasm_format(state.handle, slot, slot + 4);
    heap = m.HEAPU8;  // the parse may have grown the memory
    const heap32 = m.HEAP32;
    const result = { resultCode: 0, formatId: heap32[slot >> 2], documentClass: heap32[(slot >> 2) + 1] };

    const value = state.scratch;
    const capacity = state.valueCapacity;
    for (const g of getters) {
      switch (g.kind) {
        case TEXT: {
          heap[value] = 0;
          if (g.call(state.handle, value, capacity) !== 0 || heap[value] === 0) break;
          result[g.name] = textAt(heap, value, value + capacity);
          break;
        }
        case FLAG:
          if (g.call(state.handle, slot) === 0) result[g.name] = heap32[slot >> 2] === 1;
          break;
        case VERDICT:
          if (g.call(state.handle, slot) === 0) result[g.name] = VERDICTS[heap32[slot >> 2]] ?? 0;
          break;
        case BARCODE:
          // A geometry outside the validator's range is no error: the
          // verdict is left out, as it is without options.barcode.
          if (barcode !== null && g.call(state.handle, barcode.columns, barcode.rows, barcode.ecl, slot) === 0) {
            result[g.name] = VERDICTS[heap32[slot >> 2]] ?? 0;
          }
          break;
      }
    }
    return result;
  }

  // Frees the handle and its buffers; later parses throw. May be called again.
  close() {
    const state = this.#state;
    if (state.handle === 0) return;
    if (finalizer !== null) finalizer.unregister(this);
    release(state);
  }

  // The input buffer takes `length` bytes and the value buffer at least as
  // many characters as the input has bytes.
  #grow(length) {
    const { m } = wasm;
    const state = this.#state;
    if (length > state.inputCapacity) {
      const capacity = Math.max(length, Math.min(INT32_MAX, state.inputCapacity * 2));
      const input = m._malloc(capacity);
      if (input === 0) throw new Error('tavrix-parser: out of memory');
      m._free(state.input);
      state.input = input;
      state.inputCapacity = capacity;
    }
    if (length + 1 > state.valueCapacity) {
      // A multiple of 8, so that the number slots after it stay aligned.
      const capacity = Math.ceil((length + 1) / 8) * 8;
      const scratch = m._malloc(capacity + 8);
      if (scratch === 0) throw new Error('tavrix-parser: out of memory');
      m._free(state.scratch);
      state.scratch = scratch;
      state.valueCapacity = capacity;
    }
  }
}

if (typeof Symbol.dispose === 'symbol') {
  Parser.prototype[Symbol.dispose] = Parser.prototype.close;
}

// The parser behind parse(): one handle for the life of the realm.
let shared = null;

function parse(text, options) {
  if (shared === null) shared = new Parser();
  return shared.parse(text, options);
}

// The library's version, "1.27.0".
function version() {
  const { m } = instance();
  return `${m._VTX_getMajorVersion()}.${m._VTX_getMinorVersion()}.${m._VTX_getBuildVersion()}`;
}

// The package's WebAssembly memory: its size (it grows with the longest
// document read and never shrinks) and the bytes allocated in it (handles,
// their buffers, the parsers' own buffers).
function memoryUsage() {
  const { m } = instance();
  return { memoryBytes: m.HEAPU8.length, allocatedBytes: m._tavrix_wasm_allocated() };
}

module.exports = { parse, Parser, version, memoryUsage };
