package net.tavrix.vortinax;

/**
 * Geometry of the PDF417 symbol a document text was read from, for the barcode verdict
 * ({@link ParseResult#barcodeValidationStatus}). The native side reads the int fields {@code rows},
 * {@code columns} and {@code ecl} by name.
 */
public class BarcodeInfo {
  /** Row count of the symbol (3..90). */
  public int rows;
  /** Column count of the symbol (3..33). */
  public int columns;
  /** Error-correction level (0..8). */
  public int ecl;

  /** A geometry of zeros, to be filled in field by field. */
  public BarcodeInfo() {}

  /**
   * A geometry given in field order.
   *
   * @param rows row count of the symbol
   * @param columns column count of the symbol
   * @param ecl error-correction level
   */
  public BarcodeInfo(int rows, int columns, int ecl) {
    this.rows = rows;
    this.columns = columns;
    this.ecl = ecl;
  }

  @Override
  public String toString() {
    return "BarcodeInfo{rows=" + rows + ", columns=" + columns + ", ecl=" + ecl + "}";
  }
}
