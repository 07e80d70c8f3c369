// Common Access Card barcodes end to end (VTX_parse, the winning format and
// the getters) and each card format run on its own.
#include <gtest/gtest.h>

#include <string>

#include "fields/field_ids.h"
#include "formats/aamva/aamva_barcode.h"
#include "formats/other/cac/card_layout_parser.h"
#include "formats/other/cac/card_text.h"

namespace tavrix::test {
namespace {

using namespace field;

TEST(CacFormats, Base32CardReadsEveryItem) {
  Parsed p(base32Card());
  ASSERT_EQ(p.code, VTX_OK);
  EXPECT_EQ(p.formatId(), 51u);
  EXPECT_EQ(p.field(cacPersonDesignatorId), "1117317");
  EXPECT_EQ(p.field(cacEdiPersonId), "1234567890");
  EXPECT_EQ(p.field(cacRank), "LTJG");
  EXPECT_EQ(p.get(VTX_getFirstName), "JOHN");
  EXPECT_EQ(p.get(VTX_getMiddleName), "Q");
  EXPECT_EQ(p.get(VTX_getLastName), "DOE");
  EXPECT_EQ(p.get(VTX_getBirthdate), "03/15/1985");
  EXPECT_EQ(p.get(VTX_getIssueDate), "06/01/2021");
  EXPECT_EQ(p.get(VTX_getExpirationDate), "05/31/2027");
  EXPECT_EQ(p.get(VTX_getLicenseNumber), "1117317");
  EXPECT_EQ(p.get(VTX_getDocumentType), "CAC");
  EXPECT_EQ(p.get(VTX_getCountryCode), "USA");

  Parsed n(base32Card('N'));
  ASSERT_EQ(n.code, VTX_OK);
  EXPECT_EQ(n.formatId(), 52u);
  EXPECT_EQ(n.field(formatName), "Common Access Card N");
  EXPECT_EQ(n.field(cacBarcodeVersion), "N");
}

TEST(CacFormats, Base32CardMayEndAtAnyItemBoundaryButNotInsideAnItem) {
  const std::string card = base32Card();
  ASSERT_EQ(card.size(), 89u);
  CardRun whole(51, card);
  EXPECT_EQ(whole.code, 0);
  EXPECT_EQ(whole.filled(), 17 + 3);  // every item, the format name, country and document type

  CardRun sixItems(51, card.substr(0, 61));
  EXPECT_EQ(sixItems.code, 0);
  EXPECT_EQ(sixItems.field(lastName), "DOE");
  EXPECT_EQ(sixItems.field(birthDateAlt), "");
  EXPECT_EQ(sixItems.filled(), 6 + 3);

  CardRun insideTheLastName(51, card.substr(0, 60));
  EXPECT_EQ(insideTheLastName.code, cac_rc::kEndsInsideItem);

  // Through the whole library the reader's trim of trailing blanks must
  // not move the end: a last name filling its 26 characters.
  const std::string longName = base32Card('1', "WOLFESCHLEGELSTEINHAUSENBE").substr(0, 61);
  Parsed p(longName);
  ASSERT_EQ(p.code, VTX_OK);
  EXPECT_EQ(p.formatId(), 51u);
  EXPECT_EQ(p.get(VTX_getLastName), "WOLFESCHLEGELSTEINHAUSENBE");
  EXPECT_EQ(Parsed(longName.substr(0, 60)).code, VTX_ERR_UNRECOGNISED);
}

TEST(CacFormats, VersionCharacterPicksTheBase32Format) {
  EXPECT_EQ(CardRun(52, base32Card('1')).code, cac_rc::kVersion);
  EXPECT_EQ(CardRun(51, base32Card('N')).code, cac_rc::kVersion);
  EXPECT_EQ(CardRun(51, base32Card('2')).code, cac_rc::kVersion);
  EXPECT_EQ(Parsed(base32Card('2')).code, VTX_ERR_UNRECOGNISED);
}

TEST(CacFormats, LayoutSelectorTellsTheIdusLayoutsApart) {
  const std::string layout1 = idusLayout1Card();
  const std::string layout2 = idusLayout2Card();
  ASSERT_EQ(layout1.size(), 9u + 182u);
  ASSERT_EQ(layout2.size(), 9u + 142u);

  Parsed zero(layout1);
  ASSERT_EQ(zero.code, VTX_OK);
  EXPECT_EQ(zero.formatId(), 53u);
  EXPECT_EQ(zero.field(cacData118), "NAVAL STATION NORFOLK");
  EXPECT_EQ(CardRun(54, layout1).code, cac_rc::kSelector);

  Parsed one(layout2);
  ASSERT_EQ(one.code, VTX_OK);
  EXPECT_EQ(one.formatId(), 54u);
  EXPECT_EQ(one.field(cacRank), "LTJG");
  EXPECT_EQ(one.field(cacData124), "XYZ");
  // Layout 2 reads the first 142 characters of a longer text; layout 1
  // refuses it by its selector, not by its length.
  std::string selectorOne = layout1;
  selectorOne[9] = '1';
  EXPECT_EQ(CardRun(53, selectorOne).code, cac_rc::kSelector);
  EXPECT_EQ(CardRun(54, selectorOne).code, 0);

  std::string two = layout1;
  two[9] = '2';
  EXPECT_EQ(CardRun(53, two).code, cac_rc::kSelector);
  EXPECT_EQ(CardRun(54, two).code, cac_rc::kSelector);
  EXPECT_EQ(Parsed(two).code, VTX_ERR_UNRECOGNISED);
}

TEST(CacFormats, IdusHeaderChecks) {
  std::string version4 = idusLayout2Card();
  version4[4] = '4';
  EXPECT_EQ(CardRun(54, version4).code, cac_rc::kVersion);
  EXPECT_EQ(CardRun(54, "IDUS").code, cac_rc::kMalformed);
  EXPECT_EQ(CardRun(54, "IDUS3200").code, cac_rc::kMalformed);  // shorter than the header
  EXPECT_EQ(CardRun(54, "IDCV32001" + idusLayout2Card().substr(9)).code, cac_rc::kMalformed);
  EXPECT_EQ(CardRun(54, "").code, cac_rc::kArgument);
}

TEST(CacFormats, CivilianCardNamesItselfAfterItsVersion) {
  Parsed p(idcvCard());
  ASSERT_EQ(p.code, VTX_OK);
  EXPECT_EQ(p.formatId(), 55u);
  EXPECT_EQ(p.field(formatName), "DoD/Uniformed Services Civilian ID Card v3");
  EXPECT_EQ(p.field(cacData127), "FORT LIBERTY NC");
  EXPECT_EQ(p.field(cacData134), "20220201");
  EXPECT_EQ(p.get(VTX_getLicenseNumber), "555443333");
  EXPECT_EQ(p.get(VTX_getDocumentType), "CAC");
  EXPECT_EQ(p.get(VTX_getCountryCode), "USA");

  // The version is not compared, only named.
  Parsed v7(idcvCard('7'));
  ASSERT_EQ(v7.code, VTX_OK);
  EXPECT_EQ(v7.field(formatName), "DoD/Uniformed Services Civilian ID Card v7");
  EXPECT_EQ(CardRun(55, "IDCV").code, cac_rc::kMalformed);
  EXPECT_EQ(CardRun(55, idusLayout2Card()).code, cac_rc::kMalformed);
}

TEST(CacFormats, NoCardWithoutAnItemBeyondVersionAndSelector) {
  struct Case {
    int32_t format;
    std::string text;
  } const cases[] = {
      {51, "1"}, {52, "N"}, {53, "IDUS320010"}, {54, "IDUS320011"}, {55, "IDCV320011"}, {55, "IDCV32001"},
      // Items that store nothing do not count either.
      {51, "1!!!!!!"}, {54, "IDUS320011" + std::string(27, ' ')},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(CardRun(c.format, c.text).code, cac_rc::kNoContent);
    EXPECT_EQ(Parsed(c.text).code, VTX_ERR_UNRECOGNISED);
  }
  // One item of content is enough.
  CardRun oneItem(51, "1000000");
  EXPECT_EQ(oneItem.code, 0);
  EXPECT_EQ(oneItem.field(cacPersonDesignatorId), "0");
}

TEST(CacFormats, PaddedLastItemArrivesShortAndIsStillRead) {
  // The reader trims the blank after "XY": the text ends inside the last item.
  Parsed shortLast(idusLayout2Card(idusCommonItems(), "XY"));
  ASSERT_EQ(shortLast.code, VTX_OK);
  EXPECT_EQ(shortLast.formatId(), 54u);
  EXPECT_EQ(shortLast.field(cacData124), "XY");

  // A blank last item: the text ends at the boundary before it.
  Parsed blankLast(idusLayout2Card(idusCommonItems(), ""));
  ASSERT_EQ(blankLast.code, VTX_OK);
  EXPECT_EQ(blankLast.field(cacData123), "ABC");
  EXPECT_EQ(blankLast.field(cacData124), "");

  // Ending inside any other item is a cut text.
  const std::string full = idusLayout2Card();
  EXPECT_EQ(CardRun(54, full.substr(0, full.size() - 4)).code, cac_rc::kEndsInsideItem);
  EXPECT_EQ(Parsed(full.substr(0, full.size() - 4)).code, VTX_ERR_UNRECOGNISED);

  // The other layouts' last items: layout 1's six characters, layout 3's 35.
  CardRun layout1(53, idusLayout1Card().substr(0, 9 + 176 + 2));
  EXPECT_EQ(layout1.code, 0);
  EXPECT_EQ(layout1.field(cacData120), "SV");
  CardRun layout3(55, idcvCard().substr(0, 9 + 149 + 5));
  EXPECT_EQ(layout3.code, 0);
  EXPECT_EQ(layout3.field(cacData127), "FORT");
}

TEST(CacFormats, Layout1WritesTheFullNameAsAList) {
  struct Case {
    const char* item;
    const char* stored;
  } const cases[] = {
      {"DOE JOHN", "DOE, JOHN"},
      {"DOE JOHN Q", "DOE, JOHN, Q"},
      {"  DOE JOHN", "DOE, JOHN"},
      {"DOE", "DOE"},
      {"", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.item);
    CardRun run(53, idusLayout1Card(c.item));
    ASSERT_EQ(run.code, 0);
    EXPECT_EQ(run.field(fullName), c.stored);
  }
  Parsed p(idusLayout1Card("DOE JOHN"));
  EXPECT_EQ(p.get(VTX_getLastName), "DOE");
  EXPECT_EQ(p.get(VTX_getFirstName), "JOHN");
  // Layouts 2 and 3 keep the name as it stands.
  EXPECT_EQ(CardRun(54, idusLayout2Card(idusCommonItems("DOE JOHN"))).field(fullName), "DOE JOHN");
}

TEST(CacFormats, HeightItems) {
  struct Case {
    const char* item;
    const char* stored;
  } const cases[] = {
      {"59", "5'9\""}, {"6 ", "6'\""}, {" 6", "6'\""}, {"  ", ""}, {"6'", "6''\""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.item);
    CardRun run(54, idusLayout2Card(idusCommonItems("DOE JOHN", c.item)));
    ASSERT_EQ(run.code, 0);
    EXPECT_EQ(run.field(height), c.stored);
  }
  EXPECT_EQ(Parsed(idusLayout2Card(idusCommonItems("DOE JOHN", "6 "))).get(VTX_getHeight), "6'\"");
  EXPECT_EQ(Parsed(idusLayout2Card(idusCommonItems("DOE JOHN", "  "))).get(VTX_getHeight), "<-26>");
  EXPECT_EQ(CardRun(55, idcvCard()).field(height), "5'7\"");
}

TEST(CacFormats, MonthDateItems) {
  struct Case {
    const char* item;
    const char* stored;
  } const cases[] = {
      {"2019JAN15", "20190115"}, {"2000DEC31", "20001231"}, {"1985MAR15", "19850315"},
      {"2024XYZ01", "2024XYZ01"},  // no month: kept as text
      {"15JAN2019", "15JAN2019"},  // the month is not at its place
      {"", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.item);
    CardRun run(54, idusLayout2Card(idusCommonItems("DOE JOHN", "59", c.item)));
    ASSERT_EQ(run.code, 0);
    EXPECT_EQ(run.field(birthDateAlt), c.stored);
  }
  // Lower-case scanner text is upper-cased before the card is read.
  Parsed lower(idusLayout2Card(idusCommonItems("doe john", "59", "1985mar15")));
  EXPECT_EQ(lower.get(VTX_getBirthdate), "03/15/1985");
  EXPECT_EQ(lower.field(fullName), "DOE JOHN");
}

}  // namespace
}  // namespace tavrix::test
