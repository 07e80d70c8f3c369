package net.tavrix.vortinax;

import static org.junit.jupiter.api.Assertions.assertAll;
import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertTrue;

import java.io.BufferedReader;
import java.io.IOException;
import java.io.InputStreamReader;
import java.nio.charset.StandardCharsets;
import java.nio.file.Files;
import java.nio.file.Path;
import java.util.ArrayList;
import java.util.Arrays;
import java.util.LinkedHashMap;
import java.util.LinkedHashSet;
import java.util.List;
import java.util.Map;
import java.util.Set;
import java.util.stream.Collectors;
import java.util.stream.Stream;
import org.junit.jupiter.api.BeforeAll;
import org.junit.jupiter.api.Test;
import org.junit.jupiter.api.function.Executable;

/**
 * The same documents parsed from Java and read through the C getters (the java_answers program,
 * which uses no JNI, on a fresh handle per document) give the same values, field by field, on a
 * handle that parses them one after another and on one that parsed a large text first.
 */
class CrossCheckTest {
  /**
   * Documents besides every examples/*.txt (a new sample there is picked up by itself). Families
   * whose formats are not built yet answer -25 on both sides until they are.
   */
  private static final List<String> EXTRA_SAMPLES = List.of(
      "fuzz/corpus/aamva/synthetic-aamva-ab-free-header.txt",
      "fuzz/corpus/aamva/synthetic-aamva-ab-month-names.txt",
      "fuzz/corpus/aamva/synthetic-aamva-ar.txt",
      "fuzz/corpus/aamva/synthetic-aamva-nc-loose.txt",
      "fuzz/corpus/aamva/synthetic-aamva-on-line-feeds.txt",
      "fuzz/corpus/aamva/synthetic-aamva-sl.txt",
      "fuzz/corpus/stripe_hc/stripe-039.txt",
      "fuzz/corpus/zone_cac_national/mrz-051.txt",
      "fuzz/corpus/zone_cac_national/other-048.txt");

  private static final BarcodeInfo SYMBOL = new BarcodeInfo(20, 17, 5);

  /** What the C getters say, per document: "result" and each field that gets a value. */
  private static final Map<String, Map<String, String>> C_ANSWERS = new LinkedHashMap<>();
  private static final List<String> C_FIELDS = new ArrayList<>();

  @BeforeAll
  static void askTheCGetters() throws IOException, InterruptedException {
    List<String> command = new ArrayList<>(List.of(tool(), String.valueOf(SYMBOL.columns),
        String.valueOf(SYMBOL.rows), String.valueOf(SYMBOL.ecl)));
    command.addAll(samples());
    Process process = new ProcessBuilder(command).redirectError(ProcessBuilder.Redirect.INHERIT)
        .start();
    Map<String, String> current = null;
    try (BufferedReader out = new BufferedReader(
        new InputStreamReader(process.getInputStream(), StandardCharsets.ISO_8859_1))) {
      for (String line; (line = out.readLine()) != null; ) {
        String[] parts = line.split("\t", -1);
        switch (parts[0]) {
          case "fields":
            C_FIELDS.addAll(Arrays.asList(parts).subList(1, parts.length));
            break;
          case "document":
            current = new LinkedHashMap<>();
            C_ANSWERS.put(parts[1], current);
            break;
          case "result":
            current.put("result", parts[1]);
            break;
          case "value":
            current.put(parts[1], parts[2]);
            break;
          default:
            throw new AssertionError("java_answers printed: " + line);
        }
      }
    }
    assertEquals(0, process.waitFor(), "java_answers failed");
    assertEquals(samples().size(), C_ANSWERS.size());
  }

  private static String tool() {
    String tool = System.getProperty("tavrix.java.answers");
    if (tool == null) {
      throw new IllegalStateException("run with -Dtavrix.java.answers=<java_answers program>");
    }
    return tool;
  }

  private static List<String> samples() throws IOException {
    Path examples = Documents.sourceDir().resolve("examples");
    List<String> out = new ArrayList<>();
    try (Stream<Path> files = Files.list(examples)) {
      files.filter(p -> p.toString().endsWith(".txt")).sorted()
          .forEach(p -> out.add(Documents.sourceDir().relativize(p).toString()));
    }
    out.addAll(EXTRA_SAMPLES);
    return out.stream().map(s -> Documents.sourceDir().resolve(s).toString())
        .collect(Collectors.toList());
  }

  /** The Java view of a parse as the C answers are written: "result" and every set field. */
  private static Map<String, String> javaAnswer(long handle, byte[] text) {
    ParseResult result = new ParseResult();
    int code = Vortinax.nativeParse(handle, result, Documents.direct(text), text.length, SYMBOL);
    Map<String, String> out = new LinkedHashMap<>();
    out.put("result", String.valueOf(code));
    Map<String, Object> fields = Documents.fields(result);
    for (String name : C_FIELDS) {
      Object value = fields.get(name);
      if (value != null && !Integer.valueOf(-1).equals(value)) {
        out.put(name, String.valueOf(value));
      }
    }
    return out;
  }

  @Test
  void everyGetterHasItsResultField() {
    Set<String> javaFields = Documents.fields(new ParseResult()).keySet();
    assertEquals(new LinkedHashSet<>(C_FIELDS), javaFields);
  }

  @Test
  void javaAnswersAreTheCAnswers() {
    long plain = Vortinax.createNativeInstance();
    long grown = Vortinax.createNativeInstance();
    try {
      byte[] junk = Documents.largeJunk();
      assertEquals(Vortinax.ERR_UNRECOGNISED, Vortinax.nativeParse(grown, new ParseResult(),
          Documents.direct(junk), junk.length, null));
      List<Executable> checks = new ArrayList<>();
      int recognised = 0;
      for (Map.Entry<String, Map<String, String>> doc : C_ANSWERS.entrySet()) {
        byte[] text = Files.readAllBytes(Path.of(doc.getKey()));
        Map<String, String> expected = doc.getValue();
        recognised += "0".equals(expected.get("result")) ? 1 : 0;
        checks.add(() -> assertEquals(expected, javaAnswer(plain, text), doc.getKey()));
        checks.add(() -> assertEquals(expected, javaAnswer(grown, text), "grown: " + doc.getKey()));
      }
      assertAll(checks);
      assertTrue(recognised >= 10, "recognised samples: " + recognised);
    } catch (IOException e) {
      throw new AssertionError(e);
    } finally {
      Vortinax.destroyNativeInstance(plain);
      Vortinax.destroyNativeInstance(grown);
    }
  }
}
