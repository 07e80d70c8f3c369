package net.tavrix.vortinax;

import static org.junit.jupiter.api.Assertions.assertNotEquals;

import java.io.IOException;
import java.io.UncheckedIOException;
import java.lang.reflect.Field;
import java.lang.reflect.Modifier;
import java.nio.ByteBuffer;
import java.nio.charset.StandardCharsets;
import java.nio.file.Files;
import java.nio.file.Path;
import java.util.Arrays;
import java.util.LinkedHashMap;
import java.util.Map;

/** Document texts of the source tree, variants of them, and views of result objects. */
final class Documents {
  /** The geometry the Illinois sample's barcode is printed with (rows, columns, ecl). */
  static final BarcodeInfo ILLINOIS_SYMBOL = new BarcodeInfo(20, 12, 4);

  private Documents() {}

  /** The source tree, from the system property tavrix.source.dir. */
  static Path sourceDir() {
    String dir = System.getProperty("tavrix.source.dir");
    if (dir == null) {
      throw new IllegalStateException("run with -Dtavrix.source.dir=<source tree>");
    }
    return Path.of(dir);
  }

  static byte[] read(String relativePath) {
    try {
      return Files.readAllBytes(sourceDir().resolve(relativePath));
    } catch (IOException e) {
      throw new UncheckedIOException(e);
    }
  }

  /** A made-up Illinois licence, AAMVA version 08: organ donor "1", veteran "0", no race. */
  static byte[] illinois() {
    return read("examples/aamva-v08.txt");
  }

  /** The text with one whole line replaced (an empty replacement drops the line). */
  static byte[] replaceLine(byte[] text, String line, String replacement) {
    String s = new String(text, StandardCharsets.ISO_8859_1);
    String changed = s.replace("\n" + line + "\n", replacement.isEmpty() ? "\n" : "\n" + replacement + "\n");
    assertNotEquals(s, changed, "line not found: " + line);
    return changed.getBytes(StandardCharsets.ISO_8859_1);
  }

  static ByteBuffer direct(byte[] text) {
    ByteBuffer buffer = ByteBuffer.allocateDirect(text.length);
    buffer.put(text).clear();
    return buffer;
  }

  /** Every public instance field of a result object, by name, in declaration order. */
  static Map<String, Object> fields(Object result) {
    Map<String, Object> out = new LinkedHashMap<>();
    for (Field f : result.getClass().getFields()) {
      if (Modifier.isStatic(f.getModifiers())) {
        continue;
      }
      try {
        out.put(f.getName(), f.get(result));
      } catch (IllegalAccessException e) {
        throw new AssertionError(e);
      }
    }
    return out;
  }

  /** A text that fits no format and is large enough to grow a handle's buffers. */
  static byte[] largeJunk() {
    byte[] junk = new byte[300 * 1024];
    Arrays.fill(junk, (byte) 'Q');
    return junk;
  }
}
