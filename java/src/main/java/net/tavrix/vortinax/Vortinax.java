package net.tavrix.vortinax;

import java.io.File;
import java.lang.ref.Cleaner;
import java.lang.ref.Reference;
import java.nio.ByteBuffer;

/**
 * Reads the machine-readable text of identity documents through the native tavrix_parser library
 * and returns every value at once in a {@link ParseResult}.
 *
 * <pre>{@code
 * try (Vortinax parser = new Vortinax()) {
 *   ParseResult result = parser.parse(text);   // throws VortinaxException on failure
 *   System.out.println(result.lastName + ", " + result.firstName);
 * }
 * }</pre>
 *
 * <p>An instance owns one native parser handle. Use one instance per thread: its methods are
 * synchronized, so sharing one is safe but serialises the parses. {@link #close()} frees the
 * handle; an instance that is never closed frees it once it is garbage.
 *
 * <p>The native library is loaded from the file (or the directory holding it) named by the
 * system property {@value #LIBRARY_PATH_PROPERTY} when it is set, otherwise with {@code
 * System.loadLibrary("tavrix_parser")}, which searches {@code java.library.path}.
 */
public final class Vortinax implements AutoCloseable {
  /** System property naming the native library file, or the directory that holds it. */
  public static final String LIBRARY_PATH_PROPERTY = "tavrix.library.path";

  /** Success. */
  public static final int OK = 0;
  /** The data buffer is null, or not a direct buffer. */
  public static final int ERR_NO_DATA = -11;
  /** A buffer cannot take a value in its required form (not returned by a parse). */
  public static final int ERR_BUFFER_TOO_SMALL = -18;
  /** Zero handle, length below 1 or past the buffer's end. */
  public static final int ERR_ARGUMENT = -21;
  /** The native parse buffers could not be allocated. */
  public static final int ERR_NO_STORAGE = -24;
  /** No known document format fits the text. */
  public static final int ERR_UNRECOGNISED = -25;
  /** The document does not carry a value (not returned by a parse). */
  public static final int ERR_NOT_AVAILABLE = -26;
  /** The result or barcode-information object lacks a field the native side sets or reads. */
  public static final int ERR_JAVA = -27;

  static {
    loadNativeLibrary();
  }

  private static final Cleaner CLEANER = Cleaner.create();

  /** The native handle, shared with the cleaner, which frees it once. */
  private static final class Handle implements Runnable {
    private long value;

    Handle(long value) {
      this.value = value;
    }

    @Override
    public synchronized void run() {
      if (value != 0) {
        destroyNativeInstance(value);
        value = 0;
      }
    }
  }

  private final Handle handle;
  private final Cleaner.Cleanable cleanable;
  /** Direct buffer that byte arrays and heap buffers are copied into, grown as needed. */
  private ByteBuffer scratch;

  /**
   * Creates a parser with its own native handle.
   *
   * @throws OutOfMemoryError when the native handle cannot be allocated
   */
  public Vortinax() {
    long value = createNativeInstance();
    if (value == 0) {
      throw new OutOfMemoryError("tavrix_parser: no memory for a parser handle");
    }
    handle = new Handle(value);
    cleanable = CLEANER.register(this, handle);
  }

  /**
   * Parses one document text.
   *
   * @param text the document's bytes, as scanned
   * @return every value the document carries
   * @throws VortinaxException with the result code when the parse fails (for example -25 when no
   *     known format fits, -21 for an empty text, -11 for a null one)
   * @throws IllegalStateException after {@link #close()}
   */
  public ParseResult parse(byte[] text) {
    return parse(text, null);
  }

  /**
   * Parses one document text and also judges the geometry of the barcode it was read from.
   *
   * @param text the document's bytes, as scanned
   * @param info the PDF417 symbol's geometry, or null for none
   * @return every value the document carries
   * @throws VortinaxException with the result code when the parse fails
   * @throws IllegalStateException after {@link #close()}
   */
  public synchronized ParseResult parse(byte[] text, BarcodeInfo info) {
    long value = openHandle();
    if (text == null) {
      throw new VortinaxException(ERR_NO_DATA);
    }
    return parseChecked(value, copied(ByteBuffer.wrap(text), text.length), text.length, info);
  }

  /**
   * Parses the {@code length} bytes that start at the buffer's position (the position is not
   * moved). A direct buffer is read in place; any other buffer is copied into a direct one first.
   *
   * @param data the document's bytes
   * @param length how many bytes, from the buffer's position
   * @param info the PDF417 symbol's geometry, or null for none
   * @return every value the document carries
   * @throws VortinaxException with the result code when the parse fails: -21 for a length below 1
   *     or past the buffer's limit, -11 for a null buffer, -25 when no known format fits
   * @throws IllegalStateException after {@link #close()}
   */
  public synchronized ParseResult parse(ByteBuffer data, int length, BarcodeInfo info) {
    long value = openHandle();
    ByteBuffer direct = data;
    if (data != null && length >= 1) {
      if (length > data.remaining()) {
        throw new VortinaxException(ERR_ARGUMENT);
      }
      if (!data.isDirect()) {
        direct = copied(data, length);
      } else if (data.position() != 0) {
        direct = data.slice();
      }
    }
    return parseChecked(value, direct, length, info);
  }

  /**
   * Frees the native handle. Further parses throw {@link IllegalStateException}; closing again
   * does nothing.
   */
  @Override
  public synchronized void close() {
    cleanable.clean();
    scratch = null;
  }

  /** @return the library version text, "v.1.27.0" */
  public static String version() {
    return nativeGetVersion();
  }

  /** @return the library's major version, 1 */
  public static int majorVersion() {
    return nativeGetMajorVersion();
  }

  /** @return the library's minor version, 27 */
  public static int minorVersion() {
    return nativeGetMinorVersion();
  }

  /** @return the library's build version, 0 */
  public static int buildVersion() {
    return nativeGetBuildVersion();
  }

  private long openHandle() {
    synchronized (handle) {
      if (handle.value == 0) {
        throw new IllegalStateException("tavrix_parser: the parser is closed");
      }
      return handle.value;
    }
  }

  private ParseResult parseChecked(long value, ByteBuffer data, int length, BarcodeInfo info) {
    ParseResult result = new ParseResult();
    int code;
    try {
      code = nativeParse(value, result, data, length, info);
    } finally {
      // Keeps this object, and so its handle, alive until the native call is over.
      Reference.reachabilityFence(this);
    }
    if (code != OK) {
      throw new VortinaxException(code);
    }
    return result;
  }

  /** Copies length bytes from the buffer's position into the reused direct buffer. */
  private ByteBuffer copied(ByteBuffer source, int length) {
    if (length < 1) {
      return source;
    }
    if (scratch == null || scratch.capacity() < length) {
      scratch = ByteBuffer.allocateDirect(Math.max(length, 8192));
    }
    ByteBuffer from = source.duplicate();
    from.limit(from.position() + length);
    scratch.clear();
    scratch.put(from);
    return scratch;
  }

  private static void loadNativeLibrary() {
    String path = System.getProperty(LIBRARY_PATH_PROPERTY);
    if (path == null || path.isEmpty()) {
      System.loadLibrary("tavrix_parser");
      return;
    }
    File file = new File(path);
    if (file.isDirectory()) {
      file = new File(file, System.mapLibraryName("tavrix_parser"));
    }
    System.load(file.getAbsolutePath());
  }

  // The natives. They are static: the native side uses neither the object nor the class.
  // A handle is a 64-bit number, 0 for none.

  static native long createNativeInstance();

  static native void destroyNativeInstance(long handle);

  /**
   * Parses length bytes of a direct buffer and sets every available value into the fields of
   * result (and barcodeValidationStatus from barcodeInfo's rows, columns and ecl, when given).
   * Returns 0, or -21 (zero handle, length below 1 or past the buffer's capacity), -11 (null or
   * non-direct buffer), -25 (no format fits), -27 (null result object, or a field missing).
   */
  static native int nativeParse(long handle, Object result, ByteBuffer data, int length,
      Object barcodeInfo);

  static native int nativeGetMajorVersion();

  static native int nativeGetMinorVersion();

  static native int nativeGetBuildVersion();

  static native String nativeGetVersion();
}
