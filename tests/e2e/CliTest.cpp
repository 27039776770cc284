#include <gtest/gtest.h>

#include <sys/stat.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "tests/data/DataFiles.h"
#include "tests/support/RunCli.h"

namespace {

std::string WriteTemp(const std::string& name, const std::string& text) {
  std::string path = ::testing::TempDir() + name;
  std::ofstream(path) << text;
  return path;
}

TEST(Cli, ExitStatusTellsHowTheRunWent) {
  std::string clean = WriteTemp("clean.sps", "GGRAPH /GRAPHSPEC SOURCE=INLINE.\nBEGIN GPL\nELEMENT: point()\nEND GPL\n");
  std::string failing = WriteTemp("failing.sps", "BEGIN GPL\nEND GPL\n");
  EXPECT_EQ(RunCli("run " + clean).status, 0);
  EXPECT_EQ(RunCli("run " + failing).status, 1);
  EXPECT_EQ(RunCli("run - < " + clean).status, 0);
}

TEST(Cli, UsageErrorsExitWithTwoAndOneLineReason) {
  for (const char* arguments : {"run /no/such/file.sps", "run", "run x.sps --bogus", "run x.sps --json",
                                "frobnicate", "run x.sps --invoked-by QKX", "run x.sps --html"}) {
    CliResult result = RunCli(arguments);
    EXPECT_EQ(result.status, 2) << arguments << ": " << result.output;
    EXPECT_FALSE(result.output.empty()) << arguments;
  }
}

TEST(Cli, UnknownCommandListsTheCommands) {
  CliResult result = RunCli("help");
  EXPECT_EQ(result.status, 2);
  EXPECT_NE(result.output.find("there is no command 'help'"), std::string::npos) << result.output;
  EXPECT_NE(result.output.find("the commands are run, describe"), std::string::npos) << result.output;
}

TEST(Cli, HelpAndVersionSucceed) {
  EXPECT_EQ(RunCli("--help").status, 0);
  CliResult version = RunCli("--version");
  EXPECT_EQ(version.status, 0);
  EXPECT_NE(version.output.find("ggraph"), std::string::npos);
}

TEST(Cli, ListingShowsTheProcedureAndDebugLines) {
  std::string file = WriteTemp("debug.sps", "GGRAPH /FITLINE TOTAL=YES.\n");
  CliResult result = RunCli("run " + file + " --debug --invoked-by QK");
  EXPECT_NE(result.output.find("RFM Analysis"), std::string::npos) << result.output;
  EXPECT_NE(result.output.find("Starting GGraph Procedure"), std::string::npos);
}

TEST(Cli, VGraphRunsOnlyWithTheThinClientFlag) {
  std::string file = WriteTemp("service.sps", "VGRAPH /GRAPHSPEC SOURCE=INLINE.\nBEGIN GRAPHSRV\n{}\nEND GRAPHSRV\n");
  const std::string notSupported = "The VGRAPH procedure is not supported on this version of VEXA Statistics.";
  EXPECT_NE(RunCli("run " + file).output.find(notSupported), std::string::npos);
  CliResult served = RunCli("run " + file + " --thin-client");
  EXPECT_EQ(served.output.find(notSupported), std::string::npos) << served.output;
  EXPECT_NE(served.output.find("At least one dataset should be available for graph service."), std::string::npos);
}

// The examples name their data in their first comment lines, relative to the
// command file, so each runs from any folder with its file name alone.
TEST(Cli, ExamplesRunWithTheDataTheirCommentsName) {
  const std::filesystem::path examples = std::filesystem::path(GGRAPH_SOURCE_DIR) / "examples";
  int examplesRun = 0;
  for (const auto& entry : std::filesystem::directory_iterator(examples)) {
    if (entry.path().extension() != ".sps") continue;
    CliResult result = RunCli("run " + entry.path().string());
    EXPECT_EQ(result.status, 0) << entry.path() << ": " << result.output;
    EXPECT_NE(result.output.find("(named in the command file)"), std::string::npos) << entry.path();
    EXPECT_NE(result.output.find("0 error(s), 0 warning(s)"), std::string::npos) << entry.path() << result.output;
    ++examplesRun;
  }
  EXPECT_GE(examplesRun, 10);
}

TEST(Cli, DataOptionWinsOverTheDataTheCommentsName) {
  const std::string pbc = std::string(GGRAPH_SOURCE_DIR) + "/examples/data/pbc";
  std::string file = WriteTemp("named.sps",
                               "* Count per stage.\n* Data: no/such/package.\n"
                               "GGRAPH /GRAPHDATASET NAME=\"graphdataset\" VARIABLES=stage COUNT()[NAME=\"COUNT\"]\n"
                               "  /GRAPHSPEC SOURCE=INLINE.\n"
                               "BEGIN GPL\nELEMENT: interval(position(stage*COUNT))\nEND GPL\n");
  CliResult given = RunCli("run " + file + " --data " + pbc);
  EXPECT_EQ(given.status, 0) << given.output;
  EXPECT_EQ(given.output.find("named in the command file"), std::string::npos) << given.output;
  CliResult named = RunCli("run " + file);
  EXPECT_NE(named.output.find("no/such/package (named in the command file)"), std::string::npos) << named.output;
  EXPECT_NE(named.status, 0);
}

TEST(Cli, OnlyTheLeadingCommentsNameData) {
  std::string file = WriteTemp("late.sps",
                               "GGRAPH /GRAPHSPEC SOURCE=INLINE.\nBEGIN GPL\nELEMENT: point()\nEND GPL\n"
                               "* Data: no/such/package.\n");
  CliResult result = RunCli("run " + file);
  EXPECT_EQ(result.status, 0) << result.output;
  EXPECT_EQ(result.output.find("named in the command file"), std::string::npos) << result.output;
}

// A pseudo-terminal through script(1): the progress line shows there (drawn at
// once here) and never in piped output.
TEST(Cli, ProgressShowsOnATerminalOnly) {
  const std::string pbc = std::string(GGRAPH_SOURCE_DIR) + "/examples/data/pbc";
  const std::string file = std::string(GGRAPH_SOURCE_DIR) + "/examples/histogram.sps";
  const std::string run = std::string(GGRAPH_CLI) + " run " + file + " --data " + pbc;
  FILE* pipe = popen(("GGRAPH_PROGRESS_DELAY_MS=0 script -qec '" + run + "' /dev/null").c_str(), "r");
  std::string terminal;
  std::array<char, 4096> buffer{};
  while (std::size_t n = fread(buffer.data(), 1, buffer.size(), pipe)) terminal.append(buffer.data(), n);
  EXPECT_EQ(WEXITSTATUS(pclose(pipe)), 0) << terminal;
  EXPECT_NE(terminal.find("Reading cases: "), std::string::npos) << terminal;
  EXPECT_NE(terminal.find("pbc.csv: "), std::string::npos) << terminal;
  CliResult piped = RunCli("run " + file + " --data " + pbc);
  EXPECT_EQ(piped.output.find("Reading"), std::string::npos) << piped.output;
}

// Ctrl-C stops the run at once with the shell's status for it; the outputs
// keep what they held and no temporary file is left beside them.
TEST(Cli, InterruptEndsTheRunWith130AndKeepsTheOutputs) {
  const std::filesystem::path folder = std::filesystem::path(::testing::TempDir()) / "interrupted";
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  const std::string json = (folder / "out.json").string();
  std::ofstream(json) << "earlier";
  FILE* pipe = popen(("(sleep 8 | " + std::string(GGRAPH_CLI) + " run - --json " + json + " --html " +
                      (folder / "out.html").string() +
                      " 2>&1 & pid=$!; sleep 2; kill -INT $pid; wait $pid; echo status=$?)")
                         .c_str(),
                     "r");
  std::string output;
  std::array<char, 4096> buffer{};
  while (std::size_t n = fread(buffer.data(), 1, buffer.size(), pipe)) output.append(buffer.data(), n);
  pclose(pipe);
  EXPECT_NE(output.find("ggraph: interrupted"), std::string::npos) << output;
  EXPECT_NE(output.find("status=130"), std::string::npos) << output;
  std::ifstream kept(json);
  std::string content((std::istreambuf_iterator<char>(kept)), std::istreambuf_iterator<char>());
  EXPECT_EQ(content, "earlier");
  int files = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder)) ++files;
  EXPECT_EQ(files, 1) << "a temporary file was left beside the outputs";
}

// The listing's data preview shows value labels beside codes and numbers in
// their variable's format, as a person reads them.
TEST(Cli, ListingShowsValueLabelsAndFormattedNumbers) {
  CliResult result = RunCli("run " + std::string(GGRAPH_SOURCE_DIR) + "/examples/bar-means-error-bars.sps");
  EXPECT_NE(result.output.find("    stage | MEAN_bili | LOW_bili | HIGH_bili\n"
                               "    1 Stage 1 | 1.4 | 0.5 | 2.2\n"
                               "    2 Stage 2 | 2.5 | 1.6 | 3.3\n"),
            std::string::npos)
      << result.output;
  CliResult counts = RunCli("run " + std::string(GGRAPH_SOURCE_DIR) + "/examples/filtered.sps");
  EXPECT_NE(counts.output.find("    1 D-penicillamine | 111\n    2 Placebo | 118\n"), std::string::npos) << counts.output;
}

// `ggraph functions` lists the catalogue, and every help screen names the reference.
TEST(Cli, FunctionsAreListedAndHelpNamesTheReference) {
  CliResult functions = RunCli("functions");
  EXPECT_EQ(functions.status, 0);
  for (const char* start : {"\nCOUNT()  ", "\nPTILE(variable, percent)  ", "\nMEANSD(variable[, multiplier])  ",
                            "\nCOUNTCI([percent])  ", "\nRESPONSES([DUP|NODUP])  "})
    EXPECT_NE(functions.output.find(start), std::string::npos) << start << functions.output;
  EXPECT_NE(functions.output.find("The percentage of valid values from low to high"), std::string::npos);
  for (const char* help : {"--help", "run --help", "describe --help", "functions --help"})
    EXPECT_NE(RunCli(help).output.find("docs/reference/functions.md"), std::string::npos) << help;
}

// A chart's lines in the listing say its element types, the cases read and
// those left out, and the picture it was drawn to.
TEST(Cli, ChartLinesSayElementsCasesAndPicture) {
  std::string examples = std::string(GGRAPH_SOURCE_DIR) + "/examples/";
  std::string folder = ::testing::TempDir() + "summary-pictures";
  CliResult split = RunCli("run " + examples + "gpl-file.sps --svg " + folder);
  EXPECT_NE(split.output.find("Chart: Daily ozone ; Month = June (further split group)\n  Subtitle: Month: June\n"
                              "  Elements: line\n"
                              "  Cases: 30 cases read; removed 21 cases containing missing values\n"),
            std::string::npos)
      << split.output;
  EXPECT_NE(split.output.find("  Picture: " + folder + "/01-daily-ozone-month-june-2.svg\n"), std::string::npos)
      << split.output;
  CliResult filtered = RunCli("run " + examples + "filtered.sps");
  EXPECT_NE(filtered.output.find("  Elements: interval\n  Cases: 418 cases read; removed 113 cases by the data "
                                 "filters; each summary leaves out the cases missing on its variables\n"),
            std::string::npos)
      << filtered.output;
  EXPECT_EQ(filtered.output.find("  Picture: "), std::string::npos) << "no picture was asked for";
  std::string limited = WriteTemp("limited.sps",
                                  "GGRAPH /GRAPHDATASET NAME=\"d\" VARIABLES=bili albumin CASELIMIT=100\n"
                                  "  /GRAPHSPEC SOURCE=INLINE.\nBEGIN GPL\nSOURCE: s = userSource(id(\"d\"))\n"
                                  "DATA: bili = col(source(s), name(\"bili\"))\nDATA: albumin = col(source(s), "
                                  "name(\"albumin\"))\nELEMENT: point(position(bili*albumin))\nEND GPL\n");
  CliResult limit = RunCli("run " + limited + " --data " + examples + "data/pbc");
  EXPECT_NE(limit.output.find("  Cases: 100 cases read; none removed; reading stopped at the case limit of 100\n"),
            std::string::npos)
      << limit.output;
}

// Bad input through the command line: each row's exit status, the key words
// of its message, and the earlier output that must survive. In arguments and
// kept files "@" stands for the test's folder.
struct BadRun {
  const char* what;
  const char* arguments;
  int status;
  std::vector<const char*> words;
  const char* kept;  // a file whose earlier content stays, or null
};

std::string Expand(const std::string& text, const std::string& folder) {
  std::string out;
  for (char c : text) out += c == '@' ? folder : std::string(1, c);
  return out;
}

std::string Content(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

class BadRuns : public ::testing::Test {
 protected:
  BadRuns() {
    files_.Write("a.sps", "GGRAPH /GRAPHSPEC SOURCE=INLINE.\nBEGIN GPL\nELEMENT: point()\nEND GPL\n");
    files_.Write("gplfile.sps", "GGRAPH /GRAPHSPEC SOURCE=GPLFILE('chart.gpl').\n");
    files_.Write("chart.gpl", "ELEMENT: point()\n");
    files_.Write("data.csv", "x\n1\n");
    files_.Write("out.json", "earlier");
    files_.Write("readonly.json", "earlier");
    chmod(files_.Path("readonly.json").c_str(), 0444);
    std::filesystem::create_symlink(files_.Path("a.sps"), files_.Path("link.sps"));
  }

  void Check(const BadRun& row) {
    std::string folder = files_.Path("");
    std::string before = row.kept ? Content(Expand(row.kept, folder)) : "";
    CliResult result = RunCli(Expand(row.arguments, folder));
    EXPECT_EQ(result.status, row.status) << row.what << ": " << result.output;
    for (const char* word : row.words)
      EXPECT_NE(result.output.find(Expand(word, folder)), std::string::npos)
          << row.what << ": no '" << word << "' in\n" << result.output;
    if (row.kept) EXPECT_EQ(Content(Expand(row.kept, folder)), before) << row.what;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
      EXPECT_NE(entry.path().filename().string().front(), '.') << row.what << ": left " << entry.path();
  }

  DataFiles files_;
};

TEST_F(BadRuns, OutputsNeverDestroyAnInputOrAnEarlierFile) {
  const BadRun rows[] = {
      {"output is the command file", "run @a.sps --json @a.sps", 2, {"--json '@a.sps' names the command file"},
       "@a.sps"},
      {"output is the command file by a link", "run @a.sps --json @link.sps", 2, {"names the command file"},
       "@a.sps"},
      {"output is the command file by another name", "run @a.sps --json @../$(basename @)/a.sps", 2,
       {"names the command file"}, "@a.sps"},
      {"output is the working data", "run @a.sps --data @data.csv --json @data.csv", 2, {"names the --data file"},
       "@data.csv"},
      {"output is a named data set", "run @a.sps --dataset d=@data.csv --json @data.csv", 2,
       {"names the file of the data set d"}, "@data.csv"},
      {"output is a file the commands read", "run @gplfile.sps --json @chart.gpl", 2,
       {"--json '@chart.gpl' names a file the commands read; nothing was written"}, "@chart.gpl"},
      {"full disk", "run @a.sps --json /dev/full", 1, {"cannot write /dev/full: No space left on device"}, nullptr},
      {"read-only output", "run @a.sps --json @readonly.json", 1, {"@readonly.json: Permission denied"},
       "@readonly.json"},
      {"output in a missing folder", "run @a.sps --json @none/out.json", 1,
       {"@none/out.json: No such file or directory"}, nullptr},
      {"page in a missing folder", "run @a.sps --html @none/page.html", 1,
       {"@none/page.html: No such file or directory"}, nullptr},
      {"page is the command file", "run @a.sps --html @a.sps", 2, {"--html", "names the command file"}, "@a.sps"},
      {"command file is a folder", "run @ --json @out.json", 2, {"is a folder"}, "@out.json"},
      {"data set given twice", "run @a.sps --dataset d=@data.csv --dataset D=@data.csv --json @out.json", 2,
       {"the data set name 'D' is given twice"}, "@out.json"},
  };
  for (const BadRun& row : rows) Check(row);
}

// A command that cannot do what it asks says so, with exit status 1.
TEST_F(BadRuns, FailuresAreReportedNeverSilent) {
  const char* bar = "GGRAPH /GRAPHDATASET NAME=\"g\" VARIABLES=x y /GRAPHSPEC SOURCE=VIZTEMPLATE(NAME=";
  files_.Write("xy.csv", "x,y\n1,2\n2,3\n");
  std::filesystem::create_directories(files_.Path("folder/Bar.template.xml"));
  files_.Write("unknown.sps", std::string(bar) + "'Nowhere'[LOCATION=LOCAL] MAPPING(x=x y=y)).\n");
  files_.Write("slot.sps", std::string(bar) + "'Bar'[LOCATION=LOCAL] MAPPING(x=x y=y size=x)).\n");
  files_.Write("column.sps", std::string(bar) + "'Bar'[LOCATION=LOCAL] MAPPING(x=x y=nosuch)).\n");
  files_.Write("folder.sps", std::string(bar) + "'Bar'[LOCATION='folder'] MAPPING(x=x y=y)).\n");
  files_.Write("style.sps", std::string(bar) + "'Bar'[LOCATION=LOCAL] MAPPING(x=x y=y)) VIZSTYLESHEET='Missing'[LOCATION=LOCAL].\n");
  files_.Write("chart-template.sps",
               "GGRAPH /GRAPHSPEC SOURCE=INLINE TEMPLATE='none.sgt'.\nBEGIN GPL\nELEMENT: point()\nEND GPL\n");
  const std::string interval = "GGRAPH /GRAPHDATASET NAME=\"g\" VARIABLES=x ";
  const std::string gpl = " /GRAPHSPEC SOURCE=INLINE.\nBEGIN GPL\nELEMENT: point()\nEND GPL\n";
  files_.Write("meanci.sps", interval + "MEANCI(y, 150)" + gpl);
  files_.Write("medianci.sps", interval + "MEDIANCI(y, 100)" + gpl);
  files_.Write("countci.sps", interval + "COUNTCI(0)" + gpl);
  files_.Write("nodata.sps", interval + "y" + gpl);
  files_.Write("bom.sps", "\xEF\xBB\xBFGGRAPH /GRAPHSPEC SOURCE=INLINE.\nBEGIN GPL\nELEMENT: point()\nEND GPL\n");
  const BadRun rows[] = {
      {"unknown template", "run @unknown.sps --data @xy.csv", 1,
       {"The visualization template Nowhere gives no chart: the template 'Nowhere' cannot be found"}, nullptr},
      {"slot the template lacks", "run @slot.sps --data @xy.csv", 1,
       {"The visualization template Bar gives no chart: the template has no slot 'size'"}, nullptr},
      {"column that does not exist", "run @column.sps --data @xy.csv", 1,
       {"The visualization template Bar maps its slot y to nosuch, which no graph data set holds."}, nullptr},
      {"template file that is a folder", "run @folder.sps --data @xy.csv", 1,
       {"The visualization template Bar gives no chart"}, nullptr},
      {"unknown style sheet", "run @style.sps --data @xy.csv", 1, {"Error: The visualization template Bar gives no chart: the style sheet 'Missing' cannot be found"}, nullptr},
      {"missing TEMPLATE file", "run @chart-template.sps", 1, {"Error: File none.sgt has no access..."}, nullptr},
      {"confidence level above 100", "run @meanci.sps --data @xy.csv", 1,
       {"The MEANCI function contains an invalid numeric parameter (150)."}, nullptr},
      {"confidence level of 100", "run @medianci.sps --data @xy.csv", 1,
       {"The MEDIANCI function contains an invalid numeric parameter (100)."}, nullptr},
      {"confidence level of 0", "run @countci.sps --data @xy.csv", 1,
       {"The COUNTCI function contains an invalid numeric parameter (0)."}, nullptr},
      {"variables without working data", "run @nodata.sps", 1,
       {"No working data were given", "--data PATH"}, nullptr},
      {"byte-order mark before the commands", "run @bom.sps", 0, {"0 error(s)", "Chart: Graph"}, nullptr},
  };
  for (const BadRun& row : rows) Check(row);
}

// Data are read exactly or refused with a reason: the bytes that are not
// UTF-8, the numbers that are not finite, the delimiter, blank cells, sums
// beyond the range of numbers.
TEST_F(BadRuns, DataAreReadExactlyOrRefused) {
  const char* latinSchema =
      "{\"resources\": [{\"path\": \"data.csv\", \"encoding\": \"%s\", \"schema\": {\"fields\": "
      "[{\"name\": \"s\"}, {\"name\": \"x\", \"type\": \"number\"}]}}]}";
  auto package = [&](const std::string& folder, const std::string& encoding, const std::string& csv) {
    std::filesystem::create_directories(files_.Path(folder));
    files_.Write(folder + "/data.csv", csv);
    char json[512];
    std::snprintf(json, sizeof json, latinSchema, encoding.c_str());
    files_.Write(folder + "/datapackage.json", json);
  };
  package("latin", "latin1", "s,x\ncaf\xE9,1\ncaf\xE8,2\n");
  package("cp1252", "windows-1252", "s,x\n\x80 5,1\nbad\x81,2\n");
  package("unknown", "no-such-encoding", "s,x\na,1\n");
  std::filesystem::create_directories(files_.Path("eu"));
  files_.Write("eu/data.csv", "p;q\n\"1.234,5\";$12\n");
  files_.Write("eu/datapackage.json",
               "{\"resources\": [{\"path\": \"data.csv\", \"dialect\": {\"delimiter\": \";\"}, \"schema\": {\"fields\": "
               "[{\"name\": \"p\", \"type\": \"number\", \"groupChar\": \".\", \"decimalChar\": \",\"}, "
               "{\"name\": \"q\", \"type\": \"number\", \"bareNumber\": false}]}}]}");
  files_.Write("latin.csv", "s,x\ncaf\xE9,1\n");
  files_.Write("header.csv", "s,caf\xE9\na,1\n");
  files_.Write("numbers.csv", "s,x\na, 1 \nb,NaN\nc,INF\nd,-inf\ne,2\n");
  files_.Write("huge.csv", "s,x\na,1\nb,1e309\n");
  files_.Write("semicolon.csv", "s;x\na;1,5\n");
  files_.Write("blank.csv", "s,x\na,1\n,2\n   ,3\n");
  files_.Write("sums.csv", "s,x\na,1e308\na,1e308\nb,-1e308\nb,1e308\n");
  const std::string gpl = " /GRAPHSPEC SOURCE=INLINE.\nBEGIN GPL\nSOURCE: src = userSource(id(\"g\"))\n"
                          "DATA: s = col(source(src), name(\"s\"), unit.category())\nELEMENT: point(position(s))\nEND GPL\n";
  files_.Write("count.sps", "GGRAPH /GRAPHDATASET NAME=\"g\" VARIABLES=s COUNT() SUM(x)" + gpl);
  files_.Write("raw.sps", "GGRAPH /GRAPHDATASET NAME=\"g\" VARIABLES=s x" + gpl);
  files_.Write("eu.sps", "GGRAPH /GRAPHDATASET NAME=\"g\" VARIABLES=p q /GRAPHSPEC SOURCE=INLINE.\nBEGIN GPL\n"
                         "SOURCE: src = userSource(id(\"g\"))\nDATA: p = col(source(src), name(\"p\"))\n"
                         "ELEMENT: point(position(p))\nEND GPL\n");
  const BadRun rows[] = {
      {"bytes that are not UTF-8", "describe --data @latin.csv", 1,
       {"latin.csv, line 2, column 1: the value 'caf\\xE9' is not UTF-8 text (the bytes \\xE9)", "\"encoding\""},
       nullptr},
      {"a header that is not UTF-8", "describe --data @header.csv", 1, {"line 1, column 2", "\\xE9"}, nullptr},
      {"a declared encoding", "run @count.sps --data @latin", 0, {"café | 1", "cafè | 1"}, nullptr},
      {"windows-1252", "run @raw.sps --data @cp1252", 1,
       {"data.csv, line 3, column 4: the byte \\x81 is not text of the encoding 'windows-1252'"}, nullptr},
      {"an unknown encoding", "describe --data @unknown", 1, {"the encoding 'no-such-encoding' is not known"},
       nullptr},
      {"blanks, NaN and INF", "describe --data @numbers.csv", 0,
       {"numbers.csv, line 3, column 2: the variable x has 3 value(s) that are NaN, infinite", "the first 'NaN'",
        "x     numeric"},
       nullptr},
      {"beyond the range of numbers", "describe --data @huge.csv", 0,
       {"huge.csv, line 3, column 2: the variable x has 1 value(s)", "the first '1e309'; they are system-missing"},
       nullptr},
      {"group and decimal characters, text around numbers", "run @eu.sps --data @eu", 0, {"    1234.5 | 12 | 1\n"}, nullptr},
      {"a delimiter given", "describe --data @semicolon.csv --delimiter semicolon", 0, {"Variables (2)"}, nullptr},
      {"a delimiter given wins over the one detected", "describe --data @semicolon.csv --delimiter comma", 1,
       {"semicolon.csv, line 1, column 1: 's;x' is not a valid variable name"}, nullptr},
      {"a delimiter given as a character", "describe --data @semicolon.csv --delimiter ';'", 0, {"Variables (2)"},
       nullptr},
      {"a delimiter that is none of the four", "describe --data @semicolon.csv --delimiter colon", 2,
       {"--delimiter", "must be comma, semicolon, tab or pipe"}, nullptr},
      {"blank cells in a listing", "run @raw.sps --data @blank.csv", 0, {"    a | 1 | 1\n     | 2 | 2\n     | 3 | 3\n"},
       nullptr},
      {"blank cells counted", "run @count.sps --data @blank.csv", 0, {"     | 2 | 5\n    a | 1 | 1\n"}, nullptr},
      {"a sum beyond the range of numbers", "run @count.sps --data @sums.csv", 0,
       {"Warning: The result of Sum x is beyond the range of numbers in some cells", "    a | 2 | .\n", "    b | 2 | 0\n"}, nullptr},
  };
  for (const BadRun& row : rows) Check(row);
}

TEST_F(BadRuns, ACompleteRunReplacesTheEarlierOutput) {
  CliResult result = RunCli("run " + files_.Path("a.sps") + " --json " + files_.Path("out.json"));
  EXPECT_EQ(result.status, 0) << result.output;
  EXPECT_EQ(Content(files_.Path("out.json")).rfind("{\"items\":", 0), 0u);
  struct stat status {};
  stat(files_.Path("out.json").c_str(), &status);
  EXPECT_NE(status.st_mode & 0200, 0u);
}

}  // namespace
