package net.tavrix.vortinax;

import static org.junit.jupiter.api.Assertions.assertAll;
import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertThrows;

import java.nio.ByteBuffer;
import java.util.ArrayList;
import java.util.List;
import java.util.Map;
import java.util.concurrent.Callable;
import java.util.concurrent.ExecutorService;
import java.util.concurrent.Executors;
import java.util.concurrent.Future;
import java.util.function.Function;
import org.junit.jupiter.api.Test;
import org.junit.jupiter.api.function.Executable;

/** The Java class: buffers, failures as exceptions, closing, reuse and threads. */
class VortinaxTest {
  private static final List<String> SAMPLES = List.of("examples/aamva-v01.txt",
      "examples/aamva-v04.txt", "examples/aamva-v08.txt", "examples/aamva-v10.txt");

  private static Map<String, Object> freshAnswer(byte[] text) {
    try (Vortinax parser = new Vortinax()) {
      return Documents.fields(parser.parse(text, Documents.ILLINOIS_SYMBOL));
    }
  }

  private static int codeOf(Executable call) {
    return assertThrows(VortinaxException.class, call).getResultCode();
  }

  @Test
  void everyWayOfPassingTheTextGivesTheSameAnswer() {
    byte[] doc = Documents.illinois();
    Map<String, Object> expected = freshAnswer(doc);
    byte[] padded = new byte[doc.length + 7];
    System.arraycopy(doc, 0, padded, 5, doc.length);
    List<Function<Vortinax, ParseResult>> ways = List.of(
        p -> p.parse(doc, Documents.ILLINOIS_SYMBOL),
        p -> p.parse(ByteBuffer.wrap(doc), doc.length, Documents.ILLINOIS_SYMBOL),
        p -> p.parse(Documents.direct(doc), doc.length, Documents.ILLINOIS_SYMBOL),
        p -> p.parse(ByteBuffer.wrap(padded).position(5), doc.length, Documents.ILLINOIS_SYMBOL),
        p -> p.parse(Documents.direct(padded).position(5), doc.length, Documents.ILLINOIS_SYMBOL),
        p -> p.parse(Documents.direct(doc).asReadOnlyBuffer(), doc.length,
            Documents.ILLINOIS_SYMBOL));
    try (Vortinax parser = new Vortinax()) {
      assertAll(ways.stream().map(way -> () ->
          assertEquals(expected, Documents.fields(way.apply(parser)))));
    }
    assertEquals("ALEX", expected.get("firstName"));
  }

  @Test
  void failuresThrowWithTheResultCode() {
    byte[] doc = Documents.illinois();
    try (Vortinax parser = new Vortinax()) {
      assertEquals(Vortinax.ERR_UNRECOGNISED,
          codeOf(() -> parser.parse(Documents.read("examples/not-a-document.txt"))));
      assertEquals(Vortinax.ERR_ARGUMENT, codeOf(() -> parser.parse(new byte[0])));
      assertEquals(Vortinax.ERR_NO_DATA, codeOf(() -> parser.parse((byte[]) null)));
      assertEquals(Vortinax.ERR_NO_DATA, codeOf(() -> parser.parse(null, 10, null)));
      assertEquals(Vortinax.ERR_ARGUMENT, codeOf(() -> parser.parse(null, 0, null)));
      assertEquals(Vortinax.ERR_ARGUMENT, codeOf(() -> parser.parse(Documents.direct(doc), -1, null)));
      assertEquals(Vortinax.ERR_ARGUMENT,
          codeOf(() -> parser.parse(ByteBuffer.wrap(doc).position(1), doc.length, null)));
      assertEquals(Vortinax.ERR_ARGUMENT,
          codeOf(() -> parser.parse(Documents.direct(doc).limit(10), 11, null)));
      // Still usable after every failure.
      assertEquals("SAMPLE", parser.parse(doc).lastName);
    }
  }

  @Test
  void closedTwiceThenRecreated() {
    byte[] doc = Documents.illinois();
    Vortinax parser = new Vortinax();
    assertEquals("SAMPLE", parser.parse(doc).lastName);
    parser.close();
    parser.close();
    assertThrows(IllegalStateException.class, () -> parser.parse(doc));
    assertThrows(IllegalStateException.class,
        () -> parser.parse(Documents.direct(doc), doc.length, null));
    try (Vortinax again = new Vortinax()) {
      assertEquals("SAMPLE", again.parse(doc).lastName);
    }
  }

  @Test
  void manyParsesOnOneHandleGiveFreshAnswers() {
    List<byte[]> docs = new ArrayList<>();
    List<Map<String, Object>> expected = new ArrayList<>();
    for (String sample : SAMPLES) {
      docs.add(Documents.read(sample));
      expected.add(freshAnswer(docs.get(docs.size() - 1)));
    }
    try (Vortinax parser = new Vortinax()) {
      for (int round = 0; round < 50; round++) {
        if (round % 10 == 3) {
          // A large text grows the buffers; failures in between change nothing.
          assertEquals(Vortinax.ERR_UNRECOGNISED, codeOf(() -> parser.parse(Documents.largeJunk())));
          assertEquals(Vortinax.ERR_NO_DATA, codeOf(() -> parser.parse(null, 10, null)));
        }
        int i = (round * 7) % docs.size();
        assertEquals(expected.get(i),
            Documents.fields(parser.parse(docs.get(i), Documents.ILLINOIS_SYMBOL)),
            SAMPLES.get(i) + " in round " + round);
      }
    }
  }

  @Test
  void handlesOnSeveralThreadsAtOnce() throws Exception {
    List<byte[]> docs = new ArrayList<>();
    List<Map<String, Object>> expected = new ArrayList<>();
    for (String sample : SAMPLES) {
      docs.add(Documents.read(sample));
      expected.add(freshAnswer(docs.get(docs.size() - 1)));
    }
    int threads = 4;
    ExecutorService pool = Executors.newFixedThreadPool(threads);
    try (Vortinax shared = new Vortinax()) {
      List<Callable<Integer>> work = new ArrayList<>();
      for (int t = 0; t < threads; t++) {
        int offset = t;
        work.add(() -> {
          int checked = 0;
          try (Vortinax own = new Vortinax()) {
            for (int round = 0; round < 200; round++) {
              int i = (round + offset) % docs.size();
              // Every other parse goes through one instance that all threads share.
              Vortinax parser = round % 2 == 0 ? own : shared;
              assertEquals(expected.get(i),
                  Documents.fields(parser.parse(docs.get(i), Documents.ILLINOIS_SYMBOL)));
              checked++;
            }
          }
          return checked;
        });
      }
      for (Future<Integer> done : pool.invokeAll(work)) {
        assertEquals(200, done.get());
      }
    } finally {
      pool.shutdown();
    }
  }
}
