#include "history/saved_row.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "history/history_row.h"
#include "namelist/mbcs.h"

namespace orvent {
namespace {

const std::string kHyoji = "\x95\x5C\x8E\xA6";         // 表示
const std::string kSoft = "\x83\x5C\x83\x74\x83\x67";  // ソフト
const std::string kWideSpace = "\x81\x40";             // ideographic space

std::string Describe(const RecentEntry& e) {
  return std::to_string(e.number) + "|" + e.projectName + "|" + e.location + "|" +
         std::to_string(e.appIndex) + "|" + std::to_string(e.projectType) + "|" + e.geodeticCode;
}

struct RowCase {
  const char* name;
  std::string line;
  bool quick;            // whether the quick reader takes the line itself
  std::string expected;  // what both readers give, when the quick one takes it
};

class SavedRowReader : public ::testing::TestWithParam<RowCase> {};

TEST_P(SavedRowReader, AgreesWithRules) {
  const RowCase& c = GetParam();
  RecentEntry quick;
  ASSERT_EQ(ParseSavedRow(c.line, &quick), c.quick);
  if (!c.quick) return;
  EXPECT_EQ(Describe(quick), c.expected);
  std::string line = c.line;
  std::vector<std::string> fields;
  RecentEntry general;
  ASSERT_TRUE(ParseHistoryRow(&line, &fields, &general));
  EXPECT_EQ(Describe(general), c.expected);
}

const RowCase kRowCases[] = {
    {"Saved", "Recent001 = \"Site A\", \"Energy\", 0, \"D:\\Wind Work\\Site A\\\", \"JGD\",", true,
     "1|Site A|D:\\Wind Work\\Site A\\|1|0|JGD"},
    {"OneDigitKey", "Recent7 = \"a\", \"Basic\", 3, \"L\", \"TD\",", true, "7|a|L\\|0|3|TD"},
    {"TrimsAndCase", "Recent999 = \" Site \", \"wind FARM\", -4, \" D:\\W\\\\\\\\ \", \" wgs \",",
     true, "999|Site|D:\\W\\|5|-4| wgs "},
    {"UnknownAppAndEmptyCode", "Recent002 = \"x\", \"\", 12, \"\\\\srv\\s\\\", \"\",", true,
     "2|x|\\\\srv\\s\\|0|12|"},
    {"BlankNameAndLocation", "Recent006 = \" \", \"Basic\", 0, \" \", \"JGD\",", true,
     "6|||0|0|JGD"},
    {"DoubleByteText",
     "Recent003 = \"" + kHyoji + "\", \"Basic\", 3, \"C:\\" + kSoft + "\\\", \"JGD\",", true,
     "3|" + kHyoji + "|C:\\" + kSoft + "\\|0|3|JGD"},
    {"TrailByteBeforeBackslashes",
     "Recent004 = \"n\", \"Basic\", 3, \"C:\\\x95\x5C\\\\\", \"JGD\",", true,
     "4|n|C:\\\x95\x5C\\|0|3|JGD"},
    {"WideSpacesTrimmed",
     "Recent005 = \"" + kWideSpace + "Site" + kWideSpace + "\", \"Basic\", 1, \"" + kWideSpace +
         "\", \"JGD\",",
     true, "5|Site||0|1|JGD"},
    {"WideSpaceBytesInsideACharacter",
     "Recent008 = \"\x81\x81\x40\", \"Basic\", 1, \"L\", \"JGD\",", true,
     "8|\x81\x81@|L\\|0|1|JGD"},
    // A lead byte left dangling at the end goes before the backslash is added.
    {"LeadByteBeforeClosingQuote", "Recent009 = \"a\x83\", \"Basic\", 1, \"L\x83\", \"JGD\",", true,
     "9|a\x83|L\\|0|1|JGD"},
    {"KeyZero", "Recent000 = \"a\", \"Basic\", 0, \"L\", \"JGD\",", false, ""},
    {"FourDigitKey", "Recent1000 = \"a\", \"Basic\", 0, \"L\", \"JGD\",", false, ""},
    {"FourFields", "Recent001 = \"a\", \"Basic\", 0, \"L\",", false, ""},
    {"CommaInName", "Recent001 = \"a, b\", \"Basic\", 0, \"L\", \"JGD\",", false, ""},
    {"QuoteInName", "Recent001 = \"a\"b\", \"Basic\", 0, \"L\", \"JGD\",", false, ""},
    {"NumericApp", "Recent001 = \"a\", \"7\", 0, \"L\", \"JGD\",", false, ""},
    {"DoubleByteApp", "Recent001 = \"a\", \"" + kSoft + "\", 0, \"L\", \"JGD\",", false, ""},
    {"EmptyName", "Recent001 = \"\", \"Basic\", 0, \"L\", \"JGD\",", false, ""},
    {"EmptyLocation", "Recent001 = \"a\", \"Basic\", 0, \"\", \"JGD\",", false, ""},
    {"WordType", "Recent001 = \"a\", \"Basic\", x, \"L\", \"JGD\",", false, ""},
    {"TextAfterLastComma", "Recent001 = \"a\", \"Basic\", 0, \"L\", \"JGD\", ", false, ""},
    {"Empty", "", false, ""},
};
INSTANTIATE_TEST_SUITE_P(Lines, SavedRowReader, ::testing::ValuesIn(kRowCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SavedRowReaderCodePage, SingleByteCodePageKeepsWideSpaceBytes) {
  const std::string line = "Recent001 = \"" + kWideSpace + "a\", \"Basic\", 0, \"L\", \"JGD\",";
  SetActiveCodePage(1252);
  RecentEntry quick;
  const bool taken = ParseSavedRow(line, &quick);
  std::string copy = line;
  std::vector<std::string> fields;
  RecentEntry general;
  const bool read = ParseHistoryRow(&copy, &fields, &general);
  SetActiveCodePage(932);
  ASSERT_TRUE(taken);
  ASSERT_TRUE(read);
  EXPECT_EQ(Describe(quick), "1|" + kWideSpace + "a|L\\|0|0|JGD");
  EXPECT_EQ(Describe(general), Describe(quick));
}

}  // namespace
}  // namespace orvent
