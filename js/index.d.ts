// Type declarations of tavrix-parser.

/** A validation verdict: 0 cannot be judged, 1 valid, 2 invalid. */
export type Verdict = 0 | 1 | 2;

/** Geometry of the PDF417 symbol the barcode text came from. */
export interface BarcodeInfo {
  /** Data columns, 3 to 33 for a verdict. */
  columns: number;
  /** Rows, 3 to 90 for a verdict. */
  rows: number;
  /** Error-correction level, 0 to 8 for a verdict. */
  ecl: number;
}

export interface ParseOptions {
  /** With it the result carries `barcodeValidationStatus`. */
  barcode?: BarcodeInfo;
}

/**
 * What one parse read. `resultCode` is always there: 0 when a format was
 * recognised, else the library's code (-25 no known format fits, -21 an
 * empty text) and nothing else is set. A value the document does not
 * carry is absent. Text values are printable ASCII.
 */
export interface ParseResult {
  resultCode: number;
  /** The recognised format, 0 to 67. */
  formatId?: number;
  /** The recognised document class. */
  documentClass?: number;

  firstName?: string;
  lastName?: string;
  /** "DL", "ID", "HC", "PASSPORT", ...; "UNKNOWN" when it cannot be told. */
  documentType?: string;
  /** ISO 3166-1 alpha-3, e.g. "USA". */
  countryCode?: string;
  country?: string;
  /** Two letters, e.g. "TX". */
  jurisdictionCode?: string;
  /** Issuer identification number, six digits. */
  iin?: string;
  middleName?: string;
  nameSuffix?: string;
  namePrefix?: string;
  fullName?: string;
  address1?: string;
  address2?: string;
  city?: string;
  licenseNumber?: string;
  classificationCode?: string;
  restrictionCode?: string;
  restrictionCodeDescription?: string;
  endorsementsCode?: string;
  endorsementCodeDescription?: string;
  /** MM/DD/YYYY. */
  expirationDate?: string;
  /** MM/DD/YYYY. */
  HAZMATExpDate?: string;
  /** MM/DD/YYYY. */
  birthdate?: string;
  /** MM/DD/YYYY. */
  cardRevisionDate?: string;
  /** "Male" or "Female". */
  gender?: string;
  /** MM/DD/YYYY. */
  issueDate?: string;
  issuedBy?: string;
  postalCode?: string;
  eyeColor?: string;
  race?: string;
  hairColor?: string;
  height?: string;
  weightKG?: string;
  weightLBS?: string;
  complianceType?: string;
  isLimitedDurationDocument?: boolean;
  isOrganDonor?: boolean;
  isVeteran?: boolean;
  vehicleClassCode?: string;
  vehicleClassCodeDescription?: string;
  documentIdValidationStatus?: Verdict;
  /** Only with `options.barcode` (and a geometry within the validator's range). */
  barcodeValidationStatus?: Verdict;
  jurisdictionCodeValidationStatus?: Verdict;
  /** AAMVA card design version, two digits. */
  aamvaVersion?: string;
}

/**
 * Reads one document. A string is taken one byte per character
 * U+0000..U+00FF (other characters as their UTF-8 bytes); a Uint8Array
 * byte for byte. Throws a TypeError for a text that is neither, or for
 * options of the wrong shape.
 */
export function parse(text: string | Uint8Array, options?: ParseOptions): ParseResult;

/**
 * A parser that keeps one handle for many parses; `close()` frees it
 * (a parser dropped without it is freed when it is garbage-collected).
 */
export class Parser {
  constructor();
  /** As the function `parse`; throws an Error once the parser is closed. */
  parse(text: string | Uint8Array, options?: ParseOptions): ParseResult;
  /** Frees the handle; may be called more than once. */
  close(): void;
}

/** The library's version, e.g. "1.27.0". */
export function version(): string;

/** The package's WebAssembly memory. */
export interface MemoryUsage {
  /** Size of the memory: grows with the longest document read, never shrinks. */
  memoryBytes: number;
  /** Bytes allocated in it: the parsers' handles and buffers. */
  allocatedBytes: number;
}

export function memoryUsage(): MemoryUsage;
