package net.tavrix.vortinax;

/** A parse that failed, with the library's result code (a negative {@code VTX_ERR_} value). */
public class VortinaxException extends RuntimeException {
  private static final long serialVersionUID = 1L;

  private final int resultCode;

  /**
   * @param resultCode the library's result code
   */
  public VortinaxException(int resultCode) {
    super("tavrix_parser: " + describe(resultCode) + " (" + resultCode + ")");
    this.resultCode = resultCode;
  }

  /** @return the library's result code, for example -25 for a text that fits no known format */
  public int getResultCode() {
    return resultCode;
  }

  /**
   * @param resultCode a result code of the library
   * @return what the code means, in a few words
   */
  public static String describe(int resultCode) {
    switch (resultCode) {
      case Vortinax.OK:
        return "success";
      case Vortinax.ERR_NO_DATA:
        return "no data (null or non-direct buffer)";
      case Vortinax.ERR_BUFFER_TOO_SMALL:
        return "buffer too small";
      case Vortinax.ERR_ARGUMENT:
        return "invalid argument";
      case Vortinax.ERR_NO_STORAGE:
        return "out of memory for the parse buffers";
      case Vortinax.ERR_UNRECOGNISED:
        return "no known document format fits the text";
      case Vortinax.ERR_NOT_AVAILABLE:
        return "value not available";
      case Vortinax.ERR_JAVA:
        return "Java class or field lookup failed";
      default:
        return "result code";
    }
  }
}
