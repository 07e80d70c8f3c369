package net.tavrix.vortinax;

import static org.junit.jupiter.api.Assertions.assertAll;
import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertNotEquals;
import static org.junit.jupiter.api.Assertions.assertNull;

import java.nio.ByteBuffer;
import java.util.List;
import java.util.Map;
import java.util.stream.Stream;
import org.junit.jupiter.api.AfterEach;
import org.junit.jupiter.api.BeforeEach;
import org.junit.jupiter.api.Test;
import org.junit.jupiter.params.ParameterizedTest;
import org.junit.jupiter.params.provider.Arguments;
import org.junit.jupiter.params.provider.MethodSource;

/** The natives called directly: result codes, the fields they set, the mappings. */
class NativeContractTest {
  private long handle;

  @BeforeEach
  void create() {
    handle = Vortinax.createNativeInstance();
    assertNotEquals(0L, handle);
  }

  @AfterEach
  void destroy() {
    Vortinax.destroyNativeInstance(handle);
  }

  private int parse(Object result, byte[] text, Object info) {
    return Vortinax.nativeParse(handle, result, Documents.direct(text), text.length, info);
  }

  @Test
  void versionCalls() {
    assertEquals("v.1.27.0", Vortinax.nativeGetVersion());
    assertEquals(List.of(1, 27, 0), List.of(Vortinax.nativeGetMajorVersion(),
        Vortinax.nativeGetMinorVersion(), Vortinax.nativeGetBuildVersion()));
  }

  static Stream<Arguments> badArguments() {
    byte[] doc = Documents.illinois();
    ByteBuffer direct = Documents.direct(doc);
    ByteBuffer heap = ByteBuffer.wrap(doc);
    ParseResult result = new ParseResult();
    return Stream.of(
        Arguments.of("zero handle", false, result, direct, doc.length, Vortinax.ERR_ARGUMENT),
        Arguments.of("zero handle, heap buffer, null result", false, null, heap, doc.length,
            Vortinax.ERR_ARGUMENT),
        Arguments.of("length 0", true, result, direct, 0, Vortinax.ERR_ARGUMENT),
        Arguments.of("negative length", true, result, direct, -5, Vortinax.ERR_ARGUMENT),
        Arguments.of("smallest int length", true, result, direct, Integer.MIN_VALUE,
            Vortinax.ERR_ARGUMENT),
        Arguments.of("length past the direct buffer", true, result, direct, doc.length + 1,
            Vortinax.ERR_ARGUMENT),
        Arguments.of("empty direct buffer", true, result, ByteBuffer.allocateDirect(0), 1,
            Vortinax.ERR_ARGUMENT),
        Arguments.of("heap buffer", true, result, heap, doc.length, Vortinax.ERR_NO_DATA),
        Arguments.of("heap buffer, length past it", true, result, heap, doc.length + 100,
            Vortinax.ERR_NO_DATA),
        Arguments.of("null buffer", true, result, null, doc.length, Vortinax.ERR_NO_DATA),
        Arguments.of("null buffer, length 0", true, result, null, 0, Vortinax.ERR_ARGUMENT),
        Arguments.of("text of no known format", true, result,
            Documents.direct(Documents.read("examples/not-a-document.txt")), 10,
            Vortinax.ERR_UNRECOGNISED));
  }

  @ParameterizedTest(name = "{0}")
  @MethodSource("badArguments")
  void badArgumentsGiveTheirCodeAndSetNothing(String name, boolean realHandle, Object result,
      ByteBuffer data, int length, int expected) {
    ParseResult fresh = new ParseResult();
    Object target = result == null ? null : fresh;
    assertEquals(expected, Vortinax.nativeParse(realHandle ? handle : 0, target, data, length,
        Documents.ILLINOIS_SYMBOL));
    assertEquals(Documents.fields(new ParseResult()), Documents.fields(fresh));
  }

  @Test
  void destroyingZeroDoesNothing() {
    Vortinax.destroyNativeInstance(0);
    assertEquals(Vortinax.OK, parse(new ParseResult(), Documents.illinois(), null));
  }

  @Test
  void aFailedLookupLeavesNoExceptionAndTheHandleUsable() {
    byte[] doc = Documents.illinois();
    assertEquals(Vortinax.ERR_JAVA, parse(null, doc, null), "null result");
    assertEquals(Vortinax.ERR_JAVA, parse(new Object(), doc, null), "result without fields");
    assertEquals(Vortinax.ERR_JAVA, parse(new WrongTypes(), doc, null), "firstName of type int");
    ParseResult result = new ParseResult();
    assertEquals(Vortinax.OK, parse(result, doc, null));
    assertEquals("ALEX", result.firstName);
  }

  @Test
  void aResultWithoutRaceFailsOnlyWhenARaceValueExists() {
    byte[] withRace = Documents.replaceLine(Documents.illinois(), "DDAF", "DDAF\nDCLW");
    ParseResult reference = new ParseResult();
    assertEquals(Vortinax.OK, parse(reference, withRace, Documents.ILLINOIS_SYMBOL));
    assertEquals("W", reference.race);

    WithoutRace partial = new WithoutRace();
    assertEquals(Vortinax.ERR_JAVA, parse(partial, withRace, Documents.ILLINOIS_SYMBOL));
    Map<String, Object> expected = Documents.fields(reference);
    Map<String, Object> untouched = Documents.fields(new WithoutRace());
    Map<String, Object> actual = Documents.fields(partial);
    List<String> afterRace = List.of("hairColor", "height", "weightKG", "weightLBS",
        "complianceType", "isLimitedDurationDocument", "isOrganDonor", "isVeteran",
        "vehicleClassCode", "vehicleClassCodeDescription", "documentIdValidationStatus",
        "jurisdictionCodeValidationStatus", "aamvaVersion", "barcodeValidationStatus");
    assertAll(actual.keySet().stream().map(field -> () -> assertEquals(
        afterRace.contains(field) ? untouched.get(field) : expected.get(field),
        actual.get(field), field)));
    // The fields after race hold values in the reference, so "untouched" means something.
    assertEquals("Black", reference.hairColor);
    assertEquals(1, reference.barcodeValidationStatus);

    WithoutRace complete = new WithoutRace();
    assertEquals(Vortinax.OK, parse(complete, Documents.illinois(), Documents.ILLINOIS_SYMBOL));
    assertEquals("Black", complete.hairColor);
    assertEquals(1, complete.barcodeValidationStatus);
  }

  @Test
  void barcodeInformation() {
    byte[] doc = Documents.illinois();
    ParseResult none = new ParseResult();
    assertEquals(Vortinax.OK, parse(none, doc, null));
    assertEquals(-1, none.barcodeValidationStatus);
    assertEquals("ALEX", none.firstName);

    ParseResult refused = new ParseResult();
    assertEquals(Vortinax.OK, parse(refused, doc, new BarcodeInfo(20, 2, 4)), "columns below 3");
    assertEquals(-1, refused.barcodeValidationStatus);

    ParseResult incomplete = new ParseResult();
    assertEquals(Vortinax.ERR_JAVA, parse(incomplete, doc, new GeometryWithoutEcl()));
    assertEquals(1, incomplete.jurisdictionCodeValidationStatus);
    assertEquals("08", incomplete.aamvaVersion);
    assertEquals(-1, incomplete.barcodeValidationStatus);

    assertEquals(Vortinax.ERR_JAVA, parse(new ParseResult(), doc, "not a geometry"));
  }

  /** isOrganDonor, isVeteran and the three verdicts for variants of the Illinois sample. */
  static Stream<Arguments> mappings() {
    byte[] il = Documents.illinois();
    return Stream.of(
        Arguments.of("as issued", il, Documents.ILLINOIS_SYMBOL, 1, 0, 1, 1, 1),
        Arguments.of("organ donor 0", Documents.replaceLine(il, "DDK1", "DDK0"),
            Documents.ILLINOIS_SYMBOL, 0, 0, 1, 1, 1),
        Arguments.of("organ donor Y", Documents.replaceLine(il, "DDK1", "DDKY"),
            Documents.ILLINOIS_SYMBOL, 0, 0, 1, 1, 1),
        Arguments.of("organ donor empty", Documents.replaceLine(il, "DDK1", "DDK"),
            Documents.ILLINOIS_SYMBOL, -1, 0, 1, 1, 1),
        Arguments.of("no organ donor element", Documents.replaceLine(il, "DDK1", ""),
            Documents.ILLINOIS_SYMBOL, -1, 0, 1, 1, 1),
        Arguments.of("geometry Illinois does not print", il, new BarcodeInfo(20, 17, 5),
            1, 0, 1, 1, 2),
        Arguments.of("Wisconsin code, Illinois issuer number",
            Documents.replaceLine(il, "DAJIL", "DAJWI"), Documents.ILLINOIS_SYMBOL,
            1, 0, 2, 2, 2),
        Arguments.of("jurisdiction no validator knows",
            Documents.replaceLine(il, "DAJIL", "DAJZZ"), Documents.ILLINOIS_SYMBOL,
            1, 0, 0, 2, 0));
  }

  @ParameterizedTest(name = "{0}")
  @MethodSource("mappings")
  void flagAndVerdictMappings(String name, byte[] doc, BarcodeInfo info, int organDonor,
      int veteran, int documentId, int jurisdiction, int barcode) {
    ParseResult r = new ParseResult();
    assertEquals(Vortinax.OK, parse(r, doc, info));
    assertEquals(List.of(organDonor, veteran, documentId, jurisdiction, barcode),
        List.of(r.isOrganDonor, r.isVeteran, r.documentIdValidationStatus,
            r.jurisdictionCodeValidationStatus, r.barcodeValidationStatus));
    assertEquals(-1, r.isLimitedDurationDocument, "no limited-duration element");
  }

  @Test
  void emptyValuesLeaveTheirFieldsAlone() {
    ParseResult r = new ParseResult();
    r.address2 = "kept";
    r.race = "kept";
    assertEquals(Vortinax.OK, parse(r, Documents.illinois(), null));
    assertEquals("kept", r.address2);
    assertEquals("kept", r.race);
    assertNull(r.nameSuffix);
  }

  /** A result object whose firstName has the wrong type. */
  public static class WrongTypes {
    public int firstName = -1;
  }

  /** A barcode-information object without "ecl". */
  public static class GeometryWithoutEcl {
    public int rows = 20;
    public int columns = 12;
  }

  /** Every field of the result except "race", in the order they are set. */
  public static class WithoutRace {
    public String firstName, lastName, documentType, countryCode, country, jurisdictionCode, iin,
        middleName, nameSuffix, namePrefix, fullName, address1, address2, city, licenseNumber,
        classificationCode, restrictionCode, restrictionCodeDescription, endorsementsCode,
        endorsementCodeDescription, expirationDate, HAZMATExpDate, birthdate, cardRevisionDate,
        gender, issueDate, issuedBy, postalCode, eyeColor, hairColor, height, weightKG, weightLBS,
        complianceType;
    public int isLimitedDurationDocument = -1, isOrganDonor = -1, isVeteran = -1;
    public String vehicleClassCode, vehicleClassCodeDescription;
    public int documentIdValidationStatus = -1, jurisdictionCodeValidationStatus = -1;
    public String aamvaVersion;
    public int barcodeValidationStatus = -1;
  }
}
