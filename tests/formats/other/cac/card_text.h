// Builders for Common Access Card barcode texts, and a record of its own
// on which one card format runs directly.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <string>
#include <vector>

#include "engine/record.h"
#include "formats/other/cac/cac_formats.h"

namespace tavrix::test {

struct CardItem {
  size_t width;
  std::string value;
};

// The header followed by every value padded with spaces to its width.
inline std::string cardText(const std::string& header, std::initializer_list<CardItem> items) {
  std::string text = header;
  for (const CardItem& item : items) {
    EXPECT_LE(item.value.size(), item.width) << item.value;
    text += item.value;
    text.append(item.width - std::min(item.width, item.value.size()), ' ');
  }
  return text;
}

// A base-32 card of all 89 characters: person designator 012345
// (1117317), type P, EDI person id 14PC0MI (1234567890), JOHN Q DOE, born
// AVCT (1985-03-15), issued BCA8 (2021-06-01), expiring BEEM (2027-05-31).
inline std::string base32Card(char version = '1', const std::string& lastName = "DOE") {
  return cardText(std::string(1, version), {{6, "012345"}, {1, "P"}, {7, "14PC0MI"}, {20, "JOHN"}, {26, lastName},
                                            {4, "AVCT"}, {1, "A"}, {1, "N"}, {2, "01"}, {6, "LTJG"}, {2, "ME"},
                                            {2, "02"}, {4, "BCA8"}, {4, "BEEM"}, {1, "A"}, {1, "Q"}});
}

// The 118 characters after the selector that both "IDUS" layouts share,
// with the name, height and birth date items given.
inline std::string idusCommonItems(const std::string& name = "DOE JOHN Q", const std::string& height = "59",
                                   const std::string& birth = "1985MAR15") {
  return cardText("", {{27, name}, {9, "123456789"}, {1, "A"}, {9, "987654321"}, {2, "NM"}, {2, height},
                       {3, "180"}, {2, "BR"}, {2, "BL"}, {9, birth}, {1, "Y"}, {1, "N"}, {1, "1"}, {1, "2"},
                       {1, "3"}, {9, "2019OCT01"}, {9, "2031OCT01"}, {6, "USN"}, {9, "2021JUN01"},
                       {9, "2027MAY31"}, {4, "ABCD"}, {1, "X"}});
}

inline constexpr const char* kIdusHeader = "IDUS32001";

// Layout 1 (selector 0), 182 characters after the header.
inline std::string idusLayout1Card(const std::string& name = "DOE JOHN Q") {
  return kIdusHeader + std::string("0") + idusCommonItems(name) +
         cardText("", {{6, "E4"}, {5, "12345"}, {6, "W2"}, {4, "0042"}, {27, "NAVAL STATION NORFOLK"},
                       {9, "2020JAN02"}, {6, "SVC"}});
}

// Layout 2 (selector 1), 142 characters after the header; `last` is its
// last item (3 characters).
inline std::string idusLayout2Card(const std::string& common = idusCommonItems(), const std::string& last = "XYZ") {
  return kIdusHeader + std::string("1") + common +
         cardText("", {{6, "E4"}, {5, "12345"}, {6, "LTJG"}, {3, "ABC"}, {3, last}});
}

// Layout 3, the civilian card: "IDCV", 184 characters after the header.
inline std::string idcvCard(char version = '3') {
  return cardText(std::string("IDCV") + version + "2001",
                  {{1, "1"}, {27, "ROE JANE"}, {9, "555443333"}, {1, "C"}, {9, "111222333"}, {1, "X"}, {1, "Z"},
                   {2, "57"}, {3, "135"}, {2, "BK"}, {2, "GR"}, {9, "1990DEC24"}, {23, "DEPT OF THE ARMY"},
                   {6, "ARMY"}, {9, "2022FEB01"}, {9, "2026FEB01"}, {4, "WXYZ"}, {1, "K"}, {6, "GS12"},
                   {5, "54321"}, {6, "NONE"}, {7, "CIV"}, {3, "ABC"}, {3, "DEF"}, {35, "FORT LIBERTY NC"}});
}

// One card format run on the text as given (no decoding), on a record
// with an arena of `arenaSize` bytes.
struct CardRun {
  std::vector<char> storage;
  FieldRecord record;
  int32_t code = 0;

  CardRun(int32_t formatId, const std::string& text, size_t arenaSize = 8192) : storage(arenaSize) {
    recordAttachArena(&record, storage.data(), static_cast<int32_t>(storage.size()));
    code = parseCacVariant(formatId, text.data(), static_cast<int32_t>(text.size()), &record, nullptr);
  }
  CardRun(const CardRun&) = delete;
  CardRun& operator=(const CardRun&) = delete;

  std::string field(int32_t id) const {
    const Span s = recordField(&record, id);
    return spanIsEmpty(s) ? "" : std::string(s.data, static_cast<size_t>(s.length));
  }
  int32_t filled() const { return recordFilledCount(&record); }
};

}  // namespace tavrix::test
