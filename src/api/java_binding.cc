// The native half of the Java class net.tavrix.vortinax.Vortinax: seven JNI
// entry points over the C interface. Built only into the shared library, and
// only with a JDK's jni.h (CMake option TAVRIX_JAVA).
//
// nativeParse reads every value through the same exported getters a C
// caller uses, into the handle's work buffer with the room the latest parse
// itself was given (workInUse, never the possibly larger physical
// workCapacity), so a Java caller gets exactly the answers a C caller gets,
// whatever the handle parsed before.
#include <jni.h>

#include <cstdint>
#include <cstdio>

#include "engine/parser_handle.h"
#include "tavrix_parser.h"

namespace tavrix {
namespace {

using TextGetter = int32_t (*)(void* handle, char* buffer, int32_t capacity);
using NumberGetter = int32_t (*)(void* handle, int32_t* value);

enum class JavaKind : uint8_t { text, flag, verdict };

struct JavaField {
  const char* name;
  JavaKind kind;
  TextGetter text;
  NumberGetter number;
};

constexpr JavaField textField(const char* name, TextGetter getter) {
  return JavaField{name, JavaKind::text, getter, nullptr};
}
constexpr JavaField flagField(const char* name, NumberGetter getter) {
  return JavaField{name, JavaKind::flag, nullptr, getter};
}
constexpr JavaField verdictField(const char* name, NumberGetter getter) {
  return JavaField{name, JavaKind::verdict, nullptr, getter};
}

// The result fields in the order they are set, which is the library's export
// order ("barcodeValidationStatus" comes last, from the barcode-information
// object). Fields set before a failing lookup stay set.
constexpr JavaField kJavaFields[] = {
    textField("firstName", VTX_getFirstName),
    textField("lastName", VTX_getLastName),
    textField("documentType", VTX_getDocumentType),
    textField("countryCode", VTX_getCountryCode),
    textField("country", VTX_getCountry),
    textField("jurisdictionCode", VTX_getJurisdictionCode),
    textField("iin", VTX_getIIN),
    textField("middleName", VTX_getMiddleName),
    textField("nameSuffix", VTX_getNameSuffix),
    textField("namePrefix", VTX_getNamePrefix),
    textField("fullName", VTX_getFullName),
    textField("address1", VTX_getAddress1),
    textField("address2", VTX_getAddress2),
    textField("city", VTX_getCity),
    textField("licenseNumber", VTX_getLicenseNumber),
    textField("classificationCode", VTX_getClassificationCode),
    textField("restrictionCode", VTX_getRestrictionCode),
    textField("restrictionCodeDescription", VTX_getRestrictionCodeDescription),
    textField("endorsementsCode", VTX_getEndorsementsCode),
    textField("endorsementCodeDescription", VTX_getEndorsementCodeDescription),
    textField("expirationDate", VTX_getExpirationDate),
    textField("HAZMATExpDate", VTX_getHAZMATExpDate),
    textField("birthdate", VTX_getBirthdate),
    textField("cardRevisionDate", VTX_getCardRevisionDate),
    textField("gender", VTX_getGender),
    textField("issueDate", VTX_getIssueDate),
    textField("issuedBy", VTX_getIssuedBy),
    textField("postalCode", VTX_getPostalCode),
    textField("eyeColor", VTX_getEyeColor),
    textField("race", VTX_getRace),
    textField("hairColor", VTX_getHairColor),
    textField("height", VTX_getHeight),
    textField("weightKG", VTX_getWeightKG),
    textField("weightLBS", VTX_getWeightLBS),
    textField("complianceType", VTX_getComplianceType),
    flagField("isLimitedDurationDocument", VTX_getLimitedDurationDocument),
    flagField("isOrganDonor", VTX_getOrganDonor),
    flagField("isVeteran", VTX_getVeteran),
    textField("vehicleClassCode", VTX_getVehicleClassCode),
    textField("vehicleClassCodeDescription", VTX_getVehicleClassCodeDescription),
    verdictField("documentIdValidationStatus", VTX_validateDocumentId),
    verdictField("jurisdictionCodeValidationStatus", VTX_validateJurisdictionCode),
    textField("aamvaVersion", VTX_getAamvaVersion),
};

constexpr const char* kStringSignature = "Ljava/lang/String;";
constexpr const char* kIntSignature = "I";

// Flag value 0 gives 0, 1 gives 1, anything else 2.
jint mapFlag(int32_t value) { return value == 0 ? 0 : value == 1 ? 1 : 2; }

// Verdict: valid (2) gives 1, invalid (3) gives 2, cannot be judged gives 0.
jint mapVerdict(int32_t status) {
  return status == VTX_STATUS_VALID ? 1 : status == VTX_STATUS_INVALID ? 2 : 0;
}

// Deletes one local reference when it goes out of scope, so that a call
// never holds more than the class references and one string of its own.
class LocalRef {
 public:
  LocalRef(JNIEnv* env, jobject ref) : env_(env), ref_(ref) {}
  LocalRef(const LocalRef&) = delete;
  LocalRef& operator=(const LocalRef&) = delete;
  ~LocalRef() {
    if (ref_ != nullptr) env_->DeleteLocalRef(ref_);
  }

 private:
  JNIEnv* env_;
  jobject ref_;
};

// -27, with any pending exception cleared first: with the exception left
// pending the virtual machine would throw it on return and the caller
// would never see the code.
jint javaFailure(JNIEnv* env) {
  if (env->ExceptionCheck()) env->ExceptionClear();
  return VTX_ERR_JAVA;
}

// Looks up a field; null (with nothing pending) when it is missing or an
// exception came up.
jfieldID fieldOf(JNIEnv* env, jclass cls, const char* name, const char* signature) {
  const jfieldID id = env->GetFieldID(cls, name, signature);
  if (env->ExceptionCheck()) {
    env->ExceptionClear();
    return nullptr;
  }
  return id;
}

// Values are printable ASCII after a parse (the fuzz target checks every
// getter for it), which is valid modified UTF-8 as it stands. Should a byte
// outside ASCII ever come back, it is made '?' so that NewStringUTF never
// sees a malformed sequence.
void keepAscii(char* text) {
  for (char* p = text; *p != '\0'; ++p) {
    if (static_cast<unsigned char>(*p) >= 0x80) *p = '?';
  }
}

jint setTextField(JNIEnv* env, jobject result, jclass cls, const char* name, char* text) {
  const jfieldID id = fieldOf(env, cls, name, kStringSignature);
  if (id == nullptr) return VTX_ERR_JAVA;
  keepAscii(text);
  const jstring value = env->NewStringUTF(text);
  if (value == nullptr || env->ExceptionCheck()) {
    if (value != nullptr) env->DeleteLocalRef(value);
    return javaFailure(env);
  }
  env->SetObjectField(result, id, value);
  env->DeleteLocalRef(value);
  return env->ExceptionCheck() ? javaFailure(env) : VTX_OK;
}

jint setIntField(JNIEnv* env, jobject result, jclass cls, const char* name, jint value) {
  const jfieldID id = fieldOf(env, cls, name, kIntSignature);
  if (id == nullptr) return VTX_ERR_JAVA;
  env->SetIntField(result, id, value);
  return env->ExceptionCheck() ? javaFailure(env) : VTX_OK;
}

// Reads one int field of the barcode-information object.
bool readIntField(JNIEnv* env, jobject object, jclass cls, const char* name, jint* value) {
  const jfieldID id = fieldOf(env, cls, name, kIntSignature);
  if (id == nullptr) return false;
  *value = env->GetIntField(object, id);
  if (env->ExceptionCheck()) {
    env->ExceptionClear();
    return false;
  }
  return true;
}

void* handleOf(jlong handle) { return reinterpret_cast<void*>(static_cast<intptr_t>(handle)); }

// Parses the direct buffer's bytes on the handle. -21 for a zero handle, a
// length below 1 or a length past the buffer's capacity; -11 for a null or
// non-direct buffer; otherwise VTX_parse's result.
jint parseDirectBuffer(JNIEnv* env, void* handle, jobject data, jint length) {
  const void* address = nullptr;
  if (handle != nullptr && length >= 1 && data != nullptr) {
    // The address test comes first: a heap buffer has no address and gives
    // -11, whatever its capacity.
    address = env->GetDirectBufferAddress(data);
    if (address != nullptr) {
      const jlong capacity = env->GetDirectBufferCapacity(data);
      if (capacity < 0 || static_cast<jlong>(length) > capacity) return VTX_ERR_ARGUMENT;
    }
  }
  return VTX_parse(handle, address, length);
}

jint fillResult(JNIEnv* env, ParserHandle* h, jobject result, jclass cls) {
  void* handle = h;
  for (const JavaField& field : kJavaFields) {
    if (field.kind == JavaKind::text) {
      // The work buffer is scratch once the parse is over; the values live
      // in the record's arena.
      char* buffer = h->workBuffer;
      buffer[0] = '\0';
      if (field.text(handle, buffer, h->workInUse) != VTX_OK || buffer[0] == '\0') continue;
      const jint rc = setTextField(env, result, cls, field.name, buffer);
      if (rc != VTX_OK) return rc;
    } else {
      int32_t value = 0;
      if (field.number(handle, &value) != VTX_OK) continue;
      const jint mapped = field.kind == JavaKind::flag ? mapFlag(value) : mapVerdict(value);
      const jint rc = setIntField(env, result, cls, field.name, mapped);
      if (rc != VTX_OK) return rc;
    }
  }
  return VTX_OK;
}

jint validateBarcodeInto(JNIEnv* env, void* handle, jobject result, jclass cls, jobject barcodeInfo) {
  const jclass infoClass = env->GetObjectClass(barcodeInfo);
  const LocalRef infoRef(env, infoClass);
  if (infoClass == nullptr || env->ExceptionCheck()) return javaFailure(env);
  jint rows = 0;
  jint columns = 0;
  jint level = 0;
  if (!readIntField(env, barcodeInfo, infoClass, "rows", &rows) ||
      !readIntField(env, barcodeInfo, infoClass, "columns", &columns) ||
      !readIntField(env, barcodeInfo, infoClass, "ecl", &level)) {
    return VTX_ERR_JAVA;
  }
  int32_t status = 0;
  // A geometry the validator refuses (out of range) is not an error.
  if (VTX_validateBarcode(handle, columns, rows, level, &status) != VTX_OK) return VTX_OK;
  return setIntField(env, result, cls, "barcodeValidationStatus", mapVerdict(status));
}

}  // namespace
}  // namespace tavrix

extern "C" {

JNIEXPORT jlong JNICALL Java_net_tavrix_vortinax_Vortinax_createNativeInstance(JNIEnv*, jclass) {
  return static_cast<jlong>(reinterpret_cast<intptr_t>(VTX_create()));
}

JNIEXPORT void JNICALL Java_net_tavrix_vortinax_Vortinax_destroyNativeInstance(JNIEnv*, jclass, jlong handle) {
  if (handle != 0) VTX_delete(tavrix::handleOf(handle));
}

JNIEXPORT jint JNICALL Java_net_tavrix_vortinax_Vortinax_nativeParse(JNIEnv* env, jclass, jlong handle,
                                                                     jobject result, jobject data, jint length,
                                                                     jobject barcodeInfo) {
  void* h = tavrix::handleOf(handle);
  const jint parsed = tavrix::parseDirectBuffer(env, h, data, length);
  if (parsed != VTX_OK) return parsed;
  // Nothing may be asked of a null result object: GetObjectClass(null)
  // brings the virtual machine down.
  if (result == nullptr) return VTX_ERR_JAVA;
  const jclass cls = env->GetObjectClass(result);
  const tavrix::LocalRef classRef(env, cls);
  if (cls == nullptr || env->ExceptionCheck()) return tavrix::javaFailure(env);
  const jint filled = tavrix::fillResult(env, static_cast<tavrix::ParserHandle*>(h), result, cls);
  if (filled != VTX_OK) return filled;
  if (barcodeInfo == nullptr) return VTX_OK;
  return tavrix::validateBarcodeInto(env, h, result, cls, barcodeInfo);
}

JNIEXPORT jint JNICALL Java_net_tavrix_vortinax_Vortinax_nativeGetMajorVersion(JNIEnv*, jclass) {
  return VTX_getMajorVersion();
}

JNIEXPORT jint JNICALL Java_net_tavrix_vortinax_Vortinax_nativeGetMinorVersion(JNIEnv*, jclass) {
  return VTX_getMinorVersion();
}

JNIEXPORT jint JNICALL Java_net_tavrix_vortinax_Vortinax_nativeGetBuildVersion(JNIEnv*, jclass) {
  return VTX_getBuildVersion();
}

// "v.1.27.0": the letter v, a dot, then major.minor.build. With no memory
// for the string, NewStringUTF leaves OutOfMemoryError pending and the
// Java caller receives it.
JNIEXPORT jstring JNICALL Java_net_tavrix_vortinax_Vortinax_nativeGetVersion(JNIEnv* env, jclass) {
  char text[40];
  std::snprintf(text, sizeof text, "v.%d.%d.%d", static_cast<int>(VTX_getMajorVersion()),
                static_cast<int>(VTX_getMinorVersion()), static_cast<int>(VTX_getBuildVersion()));
  return env->NewStringUTF(text);
}

}  // extern "C"
