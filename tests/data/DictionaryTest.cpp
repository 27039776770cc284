#include <gtest/gtest.h>

#include <cstring>

#include "VariableSet.h"
#include "VariableSets.h"
#include "engine/data/DataSourceView.h"
#include "tests/data/DataFiles.h"

namespace {

constexpr const char* kSchema = R"({"fields": [
  {"name": "region", "type": "string", "title": "Region",
   "categories": [{"value": "N", "label": "North"}, {"value": "S", "label": "South"}]},
  {"name": "age", "type": "integer", "title": "Age in years",
   "missingValues": ["-1", {"value": "999", "label": "Refused"}], "missingRange": {"low": 150}},
  {"name": "score", "type": "number", "displayFormat": "F6.1", "missingRange": {"low": 90, "high": 95}},
  {"name": "grade", "type": "integer", "categoriesOrdered": true,
   "categories": [{"value": 2, "label": "high"}, {"value": 1, "label": "low"}]},
  {"name": "income", "type": "number", "displayFormat": "DOLLAR10.2", "measure": "ordinal",
   "missingRange": {"high": 0}},
  {"name": "comment", "type": "string", "width": 12, "missingValues": ["n/a"]},
  {"name": "q1", "type": "integer"}, {"name": "q2", "type": "integer"},
  {"name": "wt", "type": "number"},
  {"name": "born", "type": "date"}],
 "weightVariable": "wt",
 "splitVariables": ["region"],
 "multipleResponseSets": [
  {"name": "$Qs", "type": "dichotomies", "label": "Questions", "variables": ["q1", "q2"],
   "countedValue": "1", "enhanced": true, "useCategoryLabels": true},
  {"name": "$cat", "type": "categories", "variables": ["grade", "q1"]}],
 "customCurrencies": {"CCB": {"prefix": "EUR ", "suffix": " net"}}})";

constexpr const char* kCsv =
    "region,age,score,grade,income,comment,q1,q2,wt,born\n"
    "N,34,88.5,1,1000.5,hello there,1,0,1.5,1990-05-01\n"
    "N,-1,92,2,,n/a,0,1,0.5,\n"
    "S,999,,1,-20,,1,1,1,2000-01-01\n"
    "S,151,95.5,2,30,twelve bytes,0,0,2,1985-12-31\n";

class PackageDictionary : public ::testing::Test {
 protected:
  void SetUp() override {
    WritePackage(files_, kSchema, kCsv);
    loaded_ = LoadDataFile(files_.Path(""), files_.Path(""));  // the folder stands for its datapackage.json
    ASSERT_NE(loaded_.data, nullptr) << ProblemTexts(loaded_);
    view_ = std::make_unique<DataSourceView>(loaded_.data, true);
  }
  VEXA_Variable* Variable(const char* name) const { return view_->GetVariable(view_->FindVarIndex(name, 0)); }
  const OBS* Cell(const char* name, long row) const { return loaded_.data->Cell(view_->FindVarIndex(name, 0), row); }
  int Missing(const char* name, long row) const { return Variable(name)->IsMissing(Cell(name, row)); }

  DataFiles files_;
  LoadedData loaded_;
  std::unique_ptr<DataSourceView> view_;
};

TEST_F(PackageDictionary, GivesNamesLabelsTypesFormatsAndLevels) {
  EXPECT_EQ(view_->ColumnCount(), 10);
  EXPECT_EQ(view_->FindVarIndex("AGE", 0), 1);
  EXPECT_LT(view_->FindVarIndex("nothing", 0), 0);
  struct Case {
    const char* name;
    const char* label;
    int type;
    VEXA_Format format;
    int level;
  };
  for (Case c : {Case{"region", "Region", 1, PackFormat(kFormatA, 1, 0), kLevelNominal},
                 Case{"age", "Age in years", 0, PackFormat(kFormatF, 8, 0), kLevelScale},
                 Case{"score", nullptr, 0, PackFormat(kFormatF, 6, 1), kLevelScale},
                 Case{"grade", nullptr, 0, PackFormat(kFormatF, 8, 0), kLevelOrdinal},
                 Case{"income", nullptr, 0, PackFormat(kFormatDollar, 10, 2), kLevelOrdinal},
                 Case{"comment", nullptr, 12, PackFormat(kFormatA, 12, 0), kLevelNominal},
                 Case{"wt", nullptr, 0, PackFormat(kFormatF, 8, 1), kLevelScale},
                 Case{"born", nullptr, 0, PackFormat(kFormatDate, 10, 0), kLevelScale}}) {
    VEXA_Variable* variable = Variable(c.name);
    ASSERT_NE(variable, nullptr) << c.name;
    if (c.label)
      EXPECT_STREQ(variable->GetLabel(), c.label) << c.name;
    else
      EXPECT_EQ(variable->GetLabel(), nullptr) << c.name;
    EXPECT_EQ(variable->GetType(), c.type) << c.name;
    EXPECT_EQ(variable->GetFormat(), c.format) << c.name;
    EXPECT_EQ(variable->GetFormatEx(), c.format) << c.name;
    EXPECT_EQ(variable->GetMeasurementLevel(), c.level) << c.name;
  }
  EXPECT_EQ(Cell("born", 0)->number, 641520000);
  EXPECT_EQ(Cell("born", 1)->number, kSysMiss);
}

TEST_F(PackageDictionary, TellsSystemAndUserMissingCells) {
  struct Case {
    const char* name;
    long row;
    int missing;
  };
  for (Case c : {Case{"age", 0, 0}, Case{"age", 1, 1}, Case{"age", 2, 1}, Case{"age", 3, 1},  // -1, 999, 151 and up
                 Case{"score", 0, 0}, Case{"score", 1, 1}, Case{"score", 2, 1}, Case{"score", 3, 0},  // 90 thru 95
                 Case{"income", 0, 0}, Case{"income", 1, 1}, Case{"income", 2, 1}, Case{"income", 3, 0},  // lowest thru 0
                 Case{"comment", 0, 0}, Case{"comment", 1, 1}, Case{"comment", 2, 0}}) {
    EXPECT_EQ(Missing(c.name, c.row), c.missing) << c.name << " row " << c.row;
  }
}

TEST_F(PackageDictionary, StringsFillConsecutiveBlankPaddedCells) {
  EXPECT_EQ(std::string(Cell("comment", 0)->text, 16), "hello there     ");
  EXPECT_EQ(std::string(Cell("comment", 3)->text, 16), "twelve bytes    ");
  EXPECT_EQ(std::string(Cell("comment", 2)->text, 16), std::string(16, ' '));
  EXPECT_EQ(std::string(Cell("region", 2)->text, 8), "S       ");
  EXPECT_EQ(view_->GetColumnCells(5) + 2 * 3, Cell("comment", 3));
}

TEST_F(PackageDictionary, FindsValueLabelsByCellNumberAndText) {
  VEXA_ValueLabelMap* region = Variable("region")->GetValueLabels();
  EXPECT_STREQ(region->GetLabel(Cell("region", 0)), "North");
  EXPECT_STREQ(region->GetLabel("S  "), "South");
  EXPECT_EQ(region->GetLabel("W"), nullptr);
  EXPECT_EQ(region->GetLabel(1.0), nullptr);
  VEXA_ValueLabelMap* age = Variable("age")->GetValueLabels();
  EXPECT_STREQ(age->GetLabel(999.0), "Refused");
  EXPECT_EQ(age->GetLabel(-1.0), nullptr);
  VEXA_ValueLabelMap* grade = Variable("grade")->GetValueLabels();
  ASSERT_EQ(grade->Size(), 2);
  grade->Reset();
  OBS value;
  const char* label;
  ASSERT_TRUE(grade->GetNextPair(&value, &label));
  EXPECT_EQ(value.number, 2);  // in the order the schema gives them
  EXPECT_STREQ(label, "high");
  ASSERT_TRUE(grade->GetNextPair(&value, &label));
  EXPECT_STREQ(label, "low");
  EXPECT_FALSE(grade->GetNextPair(&value, &label));
}

TEST_F(PackageDictionary, GivesWeightSplitsSetsAndCurrencies) {
  EXPECT_EQ(view_->GetWeightVarIndex(), 8);
  ASSERT_EQ(view_->GetSplitVarCount(), 1);
  EXPECT_EQ(view_->GetSplitVarIndex(0), 0);
  VariableSets sets(view_.get(), VariableSets::kMultipleResponse);
  ASSERT_EQ(sets.Size(), 2);
  const VariableSet* questions = sets.GetSet(0);
  EXPECT_EQ(questions->GetName(VariableSet::kUpperCase), "$QS");
  EXPECT_EQ(questions->GetName(VariableSet::kAsDefined), "$Qs");
  EXPECT_EQ(questions->GetType(), VariableSet::kDichotomies);
  EXPECT_STREQ(questions->GetLabel(), "Questions");
  EXPECT_STREQ(questions->GetValue(), "1");
  EXPECT_TRUE(questions->qIsEnhancedDichotomy());
  EXPECT_TRUE(questions->qUseVariableCategoryLabels());
  EXPECT_EQ(questions->GetVariableNames(VariableSet::kUpperCase), (std::vector<std::string>{"Q1", "Q2"}));
  const VariableSet* categories = sets.GetSet(1);
  EXPECT_EQ(categories->GetType(), VariableSet::kCategories);
  EXPECT_STREQ(categories->GetLabel(), "");
  EXPECT_EQ(categories->GetVariableNames(VariableSet::kLowerCase), (std::vector<std::string>{"grade", "q1"}));
  EXPECT_EQ(sets.GetSet(2), nullptr);
  EXPECT_EQ(VariableSets(view_.get(), 0).Size(), 0);
  EXPECT_EQ(loaded_.data->dictionary.Currency(1).prefix, "EUR ");
  EXPECT_EQ(loaded_.data->dictionary.Currency(1).suffix, " net");
  EXPECT_EQ(loaded_.data->dictionary.Currency(0).prefix, "");
}

TEST(PackageSchema, MayStandInItsOwnFileAndUseItsOwnDialect) {
  DataFiles files;
  files.Write("schema.json", R"({"fields": [{"name": "a", "type": "integer"}, {"name": "b"}],
    "missingValues": ["", "-", "-99"]})");
  files.Write("data.txt", "1;x\n-;-\n-99;y\n");
  std::string path = files.Write("datapackage.json", R"({"resources": [{"path": "data.txt", "schema": "schema.json",
    "dialect": {"delimiter": ";", "header": false}}]})");
  LoadedData loaded = LoadDataFile(path, path);
  ASSERT_NE(loaded.data, nullptr) << ProblemTexts(loaded);
  EXPECT_EQ(loaded.data->caseCount, 3);
  EXPECT_EQ(loaded.data->Cell(0, 0)->number, 1);
  EXPECT_EQ(loaded.data->Cell(0, 1)->number, kSysMiss);
  EXPECT_EQ(loaded.data->Cell(0, 2)->number, kSysMiss);  // a text for an empty cell, though it reads as a number
  EXPECT_EQ(std::string(loaded.data->Cell(1, 1)->text, 1), " ");
  EXPECT_EQ(loaded.data->dictionary.Variable(1)->GetMeasurementLevel(), kLevelNominal);
}

}  // namespace
