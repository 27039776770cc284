#include <gtest/gtest.h>

#include <iterator>
#include <vector>

#include "tests/data/DataFiles.h"

namespace {

struct BadInput {
  const char* what;
  const char* schema;  // null: a plain CSV file
  const char* csv;
  const char* expected;  // where and what the error says
};

// Every fault names its file, line and column, and the file is not used.
TEST(BadInput, IsReportedWithFileLineAndColumn) {
  const BadInput cases[] = {
      {"unbalanced quotes", nullptr, "a,b\n1,2\n3,\"x\n4,5\n", "data.csv, line 3, column 2: the quoted value is not closed"},
      {"too many fields", nullptr, "a,b\n1,2\n3,4,5\n", "data.csv, line 3, column 3: expected 2 fields, found 3"},
      {"too few fields", nullptr, "a,b\n1,2\n3\n", "data.csv, line 3, column 2: expected 2 fields, found 1"},
      {"quote inside a value", nullptr, "a,b\n1,x\"y\n", "data.csv, line 2, column 2: a quote character inside"},
      {"text after a closing quote", nullptr, "a,b\n1,\"x\"y\n", "data.csv, line 2, column 2: a character follows"},
      {"fault after a quoted line end", nullptr, "a,b\n1,\"two\nlines\"\n2\n",
       "data.csv, line 4, column 2: expected 2 fields, found 1"},
      {"duplicate names", nullptr, "a,A\n1,2\n", "data.csv, line 1, column 2: the variable name 'A' is used twice"},
      {"invalid name", nullptr, "1a,b\n1,2\n", "data.csv, line 1, column 1: '1a' is not a valid variable name"},
      {"system name", nullptr, "a,$b\n1,2\n", "data.csv, line 1, column 2: '$b' is not a valid variable name"},
      {"empty file", nullptr, "", "data.csv, line 1: the file is empty"},
      {"lines ended by CR alone", nullptr, "a,b\r1,2\r3,4\r", "data.csv, line 1: the lines end with a carriage return alone"},
      {"value longer than its width", "{\"fields\": [{\"name\": \"s\", \"type\": \"string\", \"width\": 3}]}",
       "s\nabc\nabcd\n", "data.csv, line 3, column 1: the value 'abcd' is 4 bytes long, longer than the width 3"},
      {"duplicate field names", "{\"fields\": [{\"name\": \"a\"},\n{\"name\": \"A\"}]}", "a,A\n",
       "datapackage.json, line 3, column 2: the variable name 'A' is used twice"},
      {"invalid field name", "{\"fields\": [\n{\"name\": \"a b\"}]}", "a b\n",
       "datapackage.json, line 3, column 2: 'a b' is not a valid variable name"},
      {"string weight", "{\"fields\": [{\"name\": \"a\", \"type\": \"string\"}],\n\"weightVariable\": \"a\"}", "a\nx\n",
       "datapackage.json, line 3, column 1: the weight variable a is a string"},
      {"missing split variable", "{\"fields\": [{\"name\": \"a\"}],\n\"splitVariables\": [\n\"b\"]}", "a\nx\n",
       "datapackage.json, line 4, column 1: the split variable 'b' does not exist"},
      {"missing set member",
       "{\"fields\": [{\"name\": \"a\", \"type\": \"integer\"}],\n\"multipleResponseSets\": [{\"name\": \"$s\", "
       "\"type\": \"categories\", \"variables\": [\"a\",\n\"q9\"]}]}",
       "a\n1\n", "datapackage.json, line 4, column 1: the variable of the set $s, 'q9' does not exist"},
      {"malformed package", "{\"fields\": [{\"name\": \"a\"}\n]]}", "a\n1\n",
       "datapackage.json, line 3, column 2: malformed JSON"},
      {"header that differs from the schema", "{\"fields\": [{\"name\": \"a\"}, {\"name\": \"b\"}]}", "a,c\n1,2\n",
       "data.csv, line 1, column 2: the header names 'c' where the table schema has the field 'b'"},
      {"unsupported type", "{\"fields\": [\n{\"name\": \"a\", \"type\": \"boolean\"}]}", "a\ntrue\n",
       "datapackage.json, line 3, column 15: the field type 'boolean' is not supported"},
      {"property of the wrong JSON type", "{\"fields\": [\n{\"name\": \"a\", \"type\": 5}]}", "a\n1\n",
       "datapackage.json, line 3, column 15: the field type '5' is not supported"},
      {"set of the wrong JSON type",
       "{\"fields\": [{\"name\": \"a\"}],\n\"multipleResponseSets\": [{\"name\": \"$s\", \"type\": [1]}]}", "a\nx\n",
       "datapackage.json, line 3, column 41: the set type must be"},
      {"package text that is not UTF-8", "{\"fields\": [{\"name\": \"a\", \"title\": \"caf\xE9\"}]}", "a\n1\n",
       "datapackage.json, line 2, column 50: the bytes \\xE9 are not UTF-8 text"},
      {"a cell cut inside a character", nullptr, "s,x\nab\xC3,1\n",
       "data.csv, line 2, column 1: the value 'ab\\xC3' is not UTF-8 text"},
      {"an overlong form", nullptr, "s,x\n\xC0\xAF,1\n", "the value '\\xC0\\xAF' is not UTF-8 text (the bytes \\xC0)"},
      {"a surrogate", nullptr, "s,x\n\xED\xA0\x80,1\n", "(the bytes \\xED)"},
      {"groupChar on a string field", "{\"fields\": [\n{\"name\": \"a\", \"groupChar\": \",\"}]}", "a\nx\n",
       "datapackage.json, line 3, column 15: \"groupChar\" applies to number fields only"},
      {"the same group and decimal character",
       "{\"fields\": [\n{\"name\": \"a\", \"type\": \"number\", \"decimalChar\": \",\", \"groupChar\": \",\"}]}", "a\n1\n",
       "\"groupChar\" and \"decimalChar\" must differ"},
      {"a category that does not fit the field's type",
       "{\"fields\": [{\"name\": \"a\", \"type\": \"integer\",\n\"categories\": [1, {\"value\": 2},\n{\"value\": \"x\"}]}]}",
       "a\n1\n", "datapackage.json, line 4, column 2: the value 'x' does not fit the field's type"},
      {"a missing value's label of the wrong JSON type",
       "{\"fields\": [{\"name\": \"a\", \"type\": \"integer\",\n\"missingValues\": [{\"value\": 9,\n\"label\": 9}]}]}",
       "a\n1\n", "datapackage.json, line 4, column 1: a label must be a text"},
      {"currency of the wrong JSON type",
       "{\"fields\": [{\"name\": \"a\"}],\n\"customCurrencies\": {\"CCA\": {\"prefix\": 1}}}", "a\nx\n",
       "datapackage.json, line 3, column 22: custom currencies are CCA to CCE"},
  };
  const std::string deep = "{\"fields\": [{\"name\": \"a\"}],\n\"x\": " + std::string(1001, '[') + std::string(1001, ']') + "}";
  const BadInput more[] = {
      {"nesting deeper than 1000 levels", deep.c_str(), "a\n1\n",
       "datapackage.json, line 3, column 1002: the JSON is nested deeper than 1000 levels"},
  };
  std::vector<BadInput> all(std::begin(cases), std::end(cases));
  all.insert(all.end(), std::begin(more), std::end(more));
  for (const BadInput& c : all) {
    DataFiles files;
    std::string path = c.schema ? WritePackage(files, c.schema, c.csv) : files.Write("data.csv", c.csv);
    LoadedData loaded = LoadDataFile(path, path);
    EXPECT_EQ(loaded.data, nullptr) << c.what;
    EXPECT_TRUE(loaded.problems.HasErrors()) << c.what;
    EXPECT_NE(ProblemTexts(loaded).find(c.expected), std::string::npos)
        << c.what << "\nexpected: " << c.expected << "\ngot: " << ProblemTexts(loaded);
  }
}

TEST(BadInput, ValueWiderThanTheWidestStringIsRefused) {
  DataFiles files;
  std::string path = files.Write("data.csv", "s\nshort\n" + std::string(300, 'x') + "\n");
  LoadedData loaded = LoadDataFile(path, path);
  EXPECT_EQ(loaded.data, nullptr);
  EXPECT_NE(ProblemTexts(loaded).find("line 3, column 1: the value '" + std::string(60, 'x') + "...' is 300 bytes long"),
            std::string::npos)
      << ProblemTexts(loaded);
}

// Nesting up to the limit is read (and costs memory in proportion to the text).
TEST(BadInput, NestingUpToTheLimitIsRead) {
  DataFiles files;
  std::string schema = "{\"fields\": [{\"name\": \"a\"}], \"x\": " + std::string(995, '[') + std::string(995, ']') + "}";
  LoadedData loaded = LoadDataFile(WritePackage(files, schema, "a\n1\n"), "p");
  EXPECT_NE(loaded.data, nullptr) << ProblemTexts(loaded);
}

// Editors may put a byte-order mark before the package's JSON.
TEST(BadInput, AByteOrderMarkBeforeThePackageIsSkipped) {
  DataFiles files;
  files.Write("data.csv", "a\n1\n");
  std::string path = files.Write("datapackage.json",
                                 "\xEF\xBB\xBF{\"resources\": [{\"path\": \"data.csv\", \"schema\": {\"fields\": ["
                                 "{\"name\": \"a\"}]}}]}");
  LoadedData loaded = LoadDataFile(path, path);
  EXPECT_NE(loaded.data, nullptr) << ProblemTexts(loaded);
}

TEST(BadInput, UnreadableFilesNameTheFile) {
  DataFiles files;
  for (std::string path : {files.Path("absent.csv"), files.Path("absent/datapackage.json")}) {
    LoadedData loaded = LoadDataFile(path, path);
    EXPECT_EQ(loaded.data, nullptr);
    EXPECT_NE(ProblemTexts(loaded).find(path + ": the file cannot be read"), std::string::npos) << ProblemTexts(loaded);
  }
}

TEST(BadInput, PackagePathsMayNotLeaveThePackageFolder) {
  DataFiles files;
  std::string path = files.Write("datapackage.json",
                                 "{\"resources\": [{\"path\": \"../secret.csv\", \"schema\": {\"fields\": []}}]}");
  LoadedData loaded = LoadDataFile(path, path);
  EXPECT_EQ(loaded.data, nullptr);
  EXPECT_NE(ProblemTexts(loaded).find("must be a file name relative to the package's folder"), std::string::npos);
}

TEST(BadInput, PackageLinksMayNotLeaveThePackageFolder) {
  DataFiles files;
  std::string secret = files.Write("secret.csv", "a\n1\n");
  std::filesystem::create_directories(files.Path("package"));
  std::filesystem::create_symlink(secret, files.Path("package/data.csv"));
  std::string path = files.Write("package/datapackage.json",
                                 "{\"resources\": [{\"path\": \"data.csv\", \"schema\": {\"fields\": [{\"name\": \"a\"}]}}]}");
  LoadedData loaded = LoadDataFile(path, path);
  EXPECT_EQ(loaded.data, nullptr);
  EXPECT_NE(ProblemTexts(loaded).find("the resource path 'data.csv' leads outside the package's folder"), std::string::npos)
      << ProblemTexts(loaded);
}

// A cell that is not a number becomes system-missing; one warning per
// variable counts them and names the first.
TEST(BadInput, CellsThatAreNotNumbersAreCountedInOneWarning) {
  DataFiles files;
  std::string path = WritePackage(files, "{\"fields\": [{\"name\": \"id\", \"type\": \"integer\"}, {\"name\": \"x\", \"type\": \"number\"}]}",
                                  "id,x\n1,2.5\n2,abc\n3,\n4,7\n5,x1\n6,2.5.1\n");
  LoadedData loaded = LoadDataFile(path, path);
  ASSERT_NE(loaded.data, nullptr) << ProblemTexts(loaded);
  ASSERT_EQ(loaded.problems.All().size(), 1u);
  EXPECT_EQ(loaded.problems.All()[0].level, DataProblems::kWarning);
  EXPECT_NE(ProblemTexts(loaded).find("data.csv, line 3, column 2: the variable x has 3 cell(s) that are not numbers, the first 'abc'"),
            std::string::npos)
      << ProblemTexts(loaded);
  const OBS* x = loaded.data->columns[1].data();
  EXPECT_EQ(x[0].number, 2.5);
  for (int row : {1, 2, 4, 5}) EXPECT_EQ(x[row].number, kSysMiss) << row;
  EXPECT_EQ(x[3].number, 7);
}

}  // namespace
