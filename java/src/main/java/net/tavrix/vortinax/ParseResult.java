package net.tavrix.vortinax;

/**
 * Every value read from one document, filled in one call by the native side, which looks each
 * field up by name and type. A text field stays {@code null} when the document does not carry
 * the value (or it is empty); an int field stays -1 when the value is not set.
 */
public class ParseResult {
  /** First (given) name. */
  public String firstName;
  /** Last (family) name. */
  public String lastName;
  /** Document type code, e.g. "DL", "ID", "HC". */
  public String documentType;
  /** Issuing country, ISO 3166 alpha-3. */
  public String countryCode;
  /** Issuing country name. */
  public String country;
  /** Issuing jurisdiction, two letters. */
  public String jurisdictionCode;
  /** Issuer identification number. */
  public String iin;
  /** Middle name(s). */
  public String middleName;
  /** Name suffix. */
  public String nameSuffix;
  /** Name prefix. */
  public String namePrefix;
  /** Full name. */
  public String fullName;
  /** First address line. */
  public String address1;
  /** Second address line. */
  public String address2;
  /** City. */
  public String city;
  /** Licence or document number. */
  public String licenseNumber;
  /** Vehicle class code (as {@link #vehicleClassCode}). */
  public String classificationCode;
  /** Restriction codes. */
  public String restrictionCode;
  /** Restriction description. */
  public String restrictionCodeDescription;
  /** Endorsement codes. */
  public String endorsementsCode;
  /** Endorsement description. */
  public String endorsementCodeDescription;
  /** Expiry date, MM/DD/YYYY. */
  public String expirationDate;
  /** Hazardous-materials endorsement expiry date, MM/DD/YYYY. */
  public String HAZMATExpDate;
  /** Date of birth, MM/DD/YYYY. */
  public String birthdate;
  /** Card design revision date, MM/DD/YYYY. */
  public String cardRevisionDate;
  /** "Male" or "Female". */
  public String gender;
  /** Issue date, MM/DD/YYYY. */
  public String issueDate;
  /** Issuing authority. */
  public String issuedBy;
  /** Postal code. */
  public String postalCode;
  /** Eye colour. */
  public String eyeColor;
  /** Race or ethnicity. */
  public String race;
  /** Hair colour. */
  public String hairColor;
  /** Height. */
  public String height;
  /** Weight in kilograms. */
  public String weightKG;
  /** Weight in pounds. */
  public String weightLBS;
  /** Compliance type. */
  public String complianceType;
  /** Limited-duration document: 1 yes, 0 no, -1 not on the document. */
  public int isLimitedDurationDocument = -1;
  /** Organ donor: 1 yes, 0 no, -1 not on the document. */
  public int isOrganDonor = -1;
  /** Veteran: 1 yes, 0 no, -1 not on the document. */
  public int isVeteran = -1;
  /** Vehicle class code. */
  public String vehicleClassCode;
  /** Vehicle class description. */
  public String vehicleClassCodeDescription;
  /** Verdict on the document number's form: 1 valid, 2 invalid, 0 cannot be judged, -1 unset. */
  public int documentIdValidationStatus = -1;
  /** Verdict on the jurisdiction code: 1 valid, 2 invalid, 0 cannot be judged, -1 unset. */
  public int jurisdictionCodeValidationStatus = -1;
  /** AAMVA card design version number, two digits. */
  public String aamvaVersion;
  /**
   * Verdict on the barcode geometry: 1 valid, 2 invalid, 0 cannot be judged; -1 when no {@link
   * BarcodeInfo} was given or the validator refused the geometry (out of range).
   */
  public int barcodeValidationStatus = -1;

  @Override
  public String toString() {
    StringBuilder out = new StringBuilder("ParseResult{");
    text(out, "firstName", firstName);
    text(out, "lastName", lastName);
    text(out, "documentType", documentType);
    text(out, "countryCode", countryCode);
    text(out, "country", country);
    text(out, "jurisdictionCode", jurisdictionCode);
    text(out, "iin", iin);
    text(out, "middleName", middleName);
    text(out, "nameSuffix", nameSuffix);
    text(out, "namePrefix", namePrefix);
    text(out, "fullName", fullName);
    text(out, "address1", address1);
    text(out, "address2", address2);
    text(out, "city", city);
    text(out, "licenseNumber", licenseNumber);
    text(out, "classificationCode", classificationCode);
    text(out, "restrictionCode", restrictionCode);
    text(out, "restrictionCodeDescription", restrictionCodeDescription);
    text(out, "endorsementsCode", endorsementsCode);
    text(out, "endorsementCodeDescription", endorsementCodeDescription);
    text(out, "expirationDate", expirationDate);
    text(out, "HAZMATExpDate", HAZMATExpDate);
    text(out, "birthdate", birthdate);
    text(out, "cardRevisionDate", cardRevisionDate);
    text(out, "gender", gender);
    text(out, "issueDate", issueDate);
    text(out, "issuedBy", issuedBy);
    text(out, "postalCode", postalCode);
    text(out, "eyeColor", eyeColor);
    text(out, "race", race);
    text(out, "hairColor", hairColor);
    text(out, "height", height);
    text(out, "weightKG", weightKG);
    text(out, "weightLBS", weightLBS);
    text(out, "complianceType", complianceType);
    number(out, "isLimitedDurationDocument", isLimitedDurationDocument);
    number(out, "isOrganDonor", isOrganDonor);
    number(out, "isVeteran", isVeteran);
    text(out, "vehicleClassCode", vehicleClassCode);
    text(out, "vehicleClassCodeDescription", vehicleClassCodeDescription);
    number(out, "documentIdValidationStatus", documentIdValidationStatus);
    number(out, "jurisdictionCodeValidationStatus", jurisdictionCodeValidationStatus);
    text(out, "aamvaVersion", aamvaVersion);
    number(out, "barcodeValidationStatus", barcodeValidationStatus);
    return out.append('}').toString();
  }

  private static void text(StringBuilder out, String name, String value) {
    if (value == null) return;
    separate(out).append(name).append("=\"").append(value).append('"');
  }

  private static void number(StringBuilder out, String name, int value) {
    if (value == -1) return;
    separate(out).append(name).append('=').append(value);
  }

  private static StringBuilder separate(StringBuilder out) {
    return out.charAt(out.length() - 1) == '{' ? out : out.append(", ");
  }
}
