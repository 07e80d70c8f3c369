#include "fields/validation.h"

#include <gtest/gtest.h>

#include <cstring>

#include "fields/field_ids.h"
#include "test_record.h"

namespace tavrix {
namespace {

using namespace field;
using test::TestRecord;

constexpr int32_t kUnknown = VTX_STATUS_UNKNOWN;
constexpr int32_t kValid = VTX_STATUS_VALID;
constexpr int32_t kInvalid = VTX_STATUS_INVALID;

TEST(JurisdictionVerdict, IssuerNumberAgainstCode) {
  struct Case {
    const char* issuer;        // field 0, null for none
    const char* jurisdiction;  // field 4, null for none
    int32_t verdict;
  };
  const Case cases[] = {
      {"636015", "TX", kValid},     {"636015", "OK", kInvalid},   {"636015", nullptr, kValid},
      {"990876", "AB", kValid},     {"123456", "TX", kInvalid},   {"6360", "TX", kInvalid},
      {nullptr, "TX", kUnknown},    {"636015", "TEX", kUnknown},  {"636015", "tx", kInvalid},
  };
  for (const Case& c : cases) {
    TestRecord r;
    if (c.issuer != nullptr) r.set(issuerIdNumber, c.issuer);
    if (c.jurisdiction != nullptr) r.set(addressJurisdictionCode, c.jurisdiction);
    EXPECT_EQ(validateJurisdictionCode(&r.record), c.verdict) << (c.issuer ? c.issuer : "-");
  }
  EXPECT_EQ(validateJurisdictionCode(nullptr), VTX_ERR_ARGUMENT);
}

TEST(GeometryVerdict, Verdicts) {
  struct Case {
    const char* jurisdiction;
    int32_t columns, rows, level;
    int32_t verdict;
  };
  const Case cases[] = {
      {"CA", 15, 34, 5, kValid},   {"CA", 15, 34, 4, kInvalid},  {"KS", 15, 24, 5, kValid},  // the last of five  {"CA", 34, 15, 5, VTX_ERR_ARGUMENT},
      {"PR", 15, 34, 5, kUnknown}, {"ca", 15, 34, 5, kUnknown},  {"TX", 3, 3, 0, kInvalid},
      {"TX", 33, 90, 8, kInvalid}, {"TX", 2, 20, 5, VTX_ERR_ARGUMENT}, {"TX", 15, 2, 5, VTX_ERR_ARGUMENT},
      {"TX", 15, 91, 5, VTX_ERR_ARGUMENT}, {"TX", 15, 20, -1, VTX_ERR_ARGUMENT}, {"TX", 15, 20, 9, VTX_ERR_ARGUMENT},
  };
  for (const Case& c : cases) {
    TestRecord r{{addressJurisdictionCode, c.jurisdiction}};
    EXPECT_EQ(validateSymbolGeometry(&r.record, c.columns, c.rows, c.level), c.verdict)
        << c.jurisdiction << " " << c.columns << "x" << c.rows << " " << c.level;
  }
  EXPECT_EQ(validateSymbolGeometry(nullptr, 15, 39, 5), VTX_ERR_ARGUMENT);
}

// A record with jurisdiction, document type and number, and optionally the
// holder's last name, birth date (field 11) and sex.
struct NumberCase {
  const char* jurisdiction;
  const char* type;
  const char* number;
  int32_t verdict;
  const char* lastName = nullptr;
  const char* birth = nullptr;
  const char* sex = nullptr;
};

int32_t verdictOf(const NumberCase& c, int32_t capacity = 256) {
  TestRecord r{{addressJurisdictionCode, c.jurisdiction}, {documentType, c.type}, {licenseNumber, c.number}};
  if (c.lastName != nullptr) r.set(lastName, c.lastName);
  if (c.birth != nullptr) r.set(birthDate, c.birth);
  if (c.sex != nullptr) r.set(gender, c.sex);
  char scratch[264];
  std::memset(scratch, 0x5A, sizeof scratch);
  const int32_t verdict = validateDocumentId(&r.record, scratch, capacity);
  EXPECT_EQ(scratch[capacity], 0x5A) << "wrote past the scratch buffer";
  return verdict;
}

TEST(DocumentIdVerdict, PatternRows) {
  const NumberCase cases[] = {
      {"CA", "DL", "A1234567", kValid},     {"CA", "DL", "A123456", kInvalid},
      {"CA", "DL", "1234567A", kInvalid},   {"CA", "ID", "A1234567", kValid},
      {"IL", "DL", "A123-4567-8901", kValid}, {"IL", "DL", "A12345678901", kValid},
      {"IL", "DL", "A123-45678901", kInvalid},
      // Optional hyphen; forms by document type.
      {"AB", "ID", "1234-56789", kValid},   {"AB", "ID", "123456789", kValid},
      {"AB", "DL", "123456-789", kValid},   {"AB", "DL", "1234-56789", kInvalid},
      {"MP", "DL", "1234-5678", kValid},    {"MP", "ID", "1234-5678", kInvalid},  // no card forms
      // Literal spaces and texts (the pattern matcher's tests cover the other kinds).
      {"PA", "DL", "12 345 678", kValid},   {"PA", "DL", "12  345 678", kInvalid},
      {"WA", "DL", "ABC**DE12*FG", kValid}, {"WA", "DL", "ABC*DE12*FG", kInvalid},
      // The jurisdiction code is kept apart from the document type "ID",
      // which is also Idaho's code.
      {"CA", "ID", "AB123456C", kInvalid},  {"ID", "ID", "AB123456C", kValid},
      // Cannot be judged: no row, a code of another form, another type, no number.
      {"GM", "DL", "1234567", kUnknown},    {"ca", "DL", "A1234567", kUnknown},
      {"CA", "HC", "A1234567", kUnknown},   {"CA", "UNKNOWN", "A1234567", kUnknown},
      {"CA", "DL", "", kUnknown},
  };
  for (const NumberCase& c : cases) {
    EXPECT_EQ(verdictOf(c), c.verdict) << c.jurisdiction << " " << c.type << " \"" << c.number << '"';
  }
  const NumberCase ca{"CA", "DL", "A1234567", kValid};
  EXPECT_EQ(verdictOf(ca, 2), kUnknown);  // no room for the code in the scratch buffer
  EXPECT_EQ(verdictOf(ca, 3), kValid);
  TestRecord r;
  char scratch[8];
  EXPECT_EQ(validateDocumentId(nullptr, scratch, 8), VTX_ERR_ARGUMENT);
  EXPECT_EQ(validateDocumentId(&r.record, nullptr, 8), VTX_ERR_ARGUMENT);
  EXPECT_EQ(validateDocumentId(&r.record, scratch, 0), VTX_ERR_ARGUMENT);
}

// SMITH and SMYTHE have the Soundex code S530, JONES J520.
TEST(DocumentIdVerdict, HolderRules) {
  const char* smith = "SMITH";
  const char* born78 = "19780512";
  const NumberCase cases[] = {
      {"FL", "DL", "S530-456-78-901-0", kValid, smith, born78},
      {"FL", "ID", "S530456789010", kValid, "SMYTHE", "05121978"},  // month-first birth date
      {"FL", "DL", "S53045678901", kValid, smith, born78},
      {"FL", "DL", "S530-456-78-901-", kValid, smith, born78},
      {"FL", "DL", "S530-456-79-901-0", kInvalid, smith, born78},  // another birth year
      {"FL", "DL", "S530-456-78", kInvalid, smith, born78},        // ends after the year
      {"FL", "DL", "S530-456-78-901-01", kInvalid, smith, born78},
      {"FL", "DL", "S530-456-78-901-0", kInvalid, "JONES", born78},
      {"FL", "DL", "S530-456-78-901-0", kInvalid, "SMITH-JONES", born78},  // no code for the name
      {"FL", "DL", "S530-456-78-901-0", kInvalid, smith},
      {"WI", "DL", "S5304567821234", kValid, smith, born78, "M"},
      {"WI", "ID", "S5304567871234", kValid, smith, born78, "F"},
      {"WI", "DL", "S5304567821234", kInvalid, smith, born78, "F"},
      {"WI", "DL", "S530456782123", kInvalid, smith, born78, "M"},
      {"WI", "DL", "S530456782", kInvalid, smith, born78, "M"},  // ends after the sex digit
      {"WI", "DL", "S53045678", kInvalid, smith, born78, "M"},   // ends after the year
      {"WI", "DL", "S5304567921234", kInvalid, smith, born78, "M"},
      {"WI", "DL", "S5304567821234", kInvalid, smith, born78},
      {"CT", "DL", "171234567", kValid, nullptr, born78},  // even year: month plus 12
      {"CT", "DL", "051234567", kInvalid, nullptr, born78},
      {"CT", "ID", "051234567", kValid, nullptr, "19790512"},
      {"CT", "DL", "05123456A", kInvalid, nullptr, "19790512"},
      {"CT", "DL", "0512345678", kInvalid, nullptr, "19790512"},
      {"CT", "DL", "051234567", kInvalid},
  };
  for (const NumberCase& c : cases) {
    EXPECT_EQ(verdictOf(c), c.verdict) << c.jurisdiction << " " << c.type << " \"" << c.number << '"';
  }
}

}  // namespace
}  // namespace tavrix
