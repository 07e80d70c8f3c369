package net.tavrix.vortinax;

import static org.junit.jupiter.api.Assertions.assertEquals;

import org.junit.jupiter.api.Test;

/**
 * Run once per way of finding the native library (the property naming its directory, and
 * java.library.path alone): the class loads it and parses.
 */
class LoadingTest {
  @Test
  void theLibraryLoadsAndParses() {
    assertEquals("v.1.27.0", Vortinax.version());
    try (Vortinax parser = new Vortinax()) {
      assertEquals("SAMPLE", parser.parse(Documents.illinois()).lastName);
    }
  }
}
