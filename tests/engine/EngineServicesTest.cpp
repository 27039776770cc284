#include <gtest/gtest.h>

#include "FacSTDictionary.h"
#include "OmComposite.h"
#include "ParserMessage.h"
#include "PathFactory.h"
#include "VexaText.h"

namespace {

TEST(StringTable, HoldsEveryKeyTheModuleLooksUp) {
  FacSTDictionary dictionary(PathFactory::getPathInstance(3));
  dictionary.SetProcedure("GGRAPH");
  for (const char* key : {"Graph", "Case Number", "Weight", "Variables", "Statistics", "E60801", "E60712", "E60868",
                          "E60703", "E60873", "E60877", "E60878", "E60879", "E60892", "E703",
                          "QK Bin Count Smart Help", "QK Heat Map Smart Help", "QK Histogram Smart Help",
                          "QK Scatterplot Smart Help"}) {
    std::string text = dictionary.LookUp(key);
    EXPECT_FALSE(text.empty()) << key;
    if (key[0] == 'E' && key[1] != 'x') {
      EXPECT_NE(text, key) << key;
    }
  }
  EXPECT_EQ(dictionary.LookUp("E60868"), "Count");
  EXPECT_EQ(dictionary.LookUp("no such key"), "no such key");
}

TEST(Placeholders, AreFilledInOrderAndUnknownOnesStay) {
  EXPECT_EQ(SubstitutePlaceholders("^1 of ^2 (^3)", {"a", "b"}), "a of b (^3)");
  OmComposite composite("Ptile ^1");
  composite.Add(OmStringCell("25"));
  composite.End();
  composite.Substitute();
  EXPECT_EQ(composite.Text(), "Ptile 25");
}

TEST(ValidateVEXAName, AcceptsNamesAndRejectsOthers) {
  struct Case {
    const char* name;
    bool accepted;
  };
  for (Case c : {Case{"ds1", true}, Case{"graphdataset", true}, Case{"#scratch", true}, Case{"@x.y", true},
                 Case{"", false}, Case{"1abc", false}, Case{"a b", false}, Case{"ends.", false},
                 Case{"TO", false}, Case{"all", false}}) {
    int result = ValidateVEXAName(c.name);
    bool accepted = result < 3 || result == 100;
    EXPECT_EQ(accepted, c.accepted) << c.name << " gave " << result;
  }
}

TEST(VexaText, ComparesIgnoringCase) {
  EXPECT_EQ(VEXAMBstricmp_A("qk", "QK"), 0);
  EXPECT_NE(VEXAMBstricmp_A("QK", "QKX"), 0);
  EXPECT_EQ(VEXAMBstrnicmp_A("BEGIN GPLxyz", "begin gpl", 9), 0);
  char field[4] = {' ', ' ', ' ', ' '};
  VEXAMBCopyToFixed_A(field, sizeof field, "abcdef");
  EXPECT_EQ(std::string(field, 4), "abcd");
}

}  // namespace
