#include <gtest/gtest.h>

#include "XDocument.h"
#include "XGraph.h"
#include "XViZTemplate.h"
#include "tests/chart/CapturedOutput.h"
#include "tests/chart/TempFolder.h"

namespace {

// Fills a slot with a plain variable of data set ds1.
void Map(XViZTemplate& chartTemplate, const std::string& slot, const std::string& variable, bool categorical,
         const std::string& label = "") {
  chartTemplate.addVariable(slot, variable, categorical, "", "ds1", nullptr, label, VARIABLE_SINGLE, "", false,
                            nullptr, false, {}, {}, {});
}

// The weight mapping the module adds for a weighted data set.
void MapWeight(XViZTemplate& chartTemplate) {
  chartTemplate.addVariable("dupRa6ej", "$WEIGHT", false, "", "ds1", nullptr, "", VARIABLE_SINGLE, "", true, nullptr,
                            false, {}, {}, {});
}

TEST(VizTemplate, ABuiltInTemplateBecomesAChartOverTheMappedVariables) {
  XViZTemplate bar;
  bar.setTemplateName("Bar", kLocationLocal);
  bar.setstyleSheetName("Default", kLocationLocal);
  Map(bar, "x", "jobcat", true, "Employment Category");
  Map(bar, "y", "MEAN_salary", false);
  MapWeight(bar);
  std::string document, style;
  ASSERT_TRUE(bar.convert(document, style)) << bar.getConvertError();
  EXPECT_EQ(style.rfind("<styleSheet name=\"Default\">", 0), 0u) << style;

  XDocument chart(document);
  ASSERT_TRUE(chart.implementationExists()) << chart.getParseError() << "\n" << document;
  XGraph* graph = chart.getGraph();
  EXPECT_EQ(graph->getUserSourceNames(), std::vector<std::string>{"ds1"});
  EXPECT_TRUE(graph->getVariable("jobcat", 0)->getCategorical());
  EXPECT_EQ(graph->getVariable("jobcat", 0)->getLabel().toUTF8(), "Employment Category");
  EXPECT_TRUE(graph->getVariable("$WEIGHT", 0)->isWeightVariable());
  EXPECT_NE(document.find("<element type=\"interval\" x=\"jobcat\" y=\"MEAN_salary\" arrangement=\"dodge\""),
            std::string::npos)
      << document;  // the unfilled colour leaves no attribute
  EXPECT_NE(document.find("<axis dim=\"1\" label=\"Employment Category\""), std::string::npos) << document;
  EXPECT_NE(document.find("<axis dim=\"2\" label=\"MEAN_salary\""), std::string::npos) << document;
  EXPECT_EQ(document.find("<legend"), std::string::npos) << document;  // it requires the colour
}

TEST(VizTemplate, EveryBuiltInTemplateConverts) {
  struct Case {
    const char* name;
    std::vector<std::string> slots;
  };
  for (const Case& c : {Case{"Bar", {"x", "y", "color"}}, Case{"Scatterplot", {"x", "y"}},
                        Case{"Histogram", {"x"}}, Case{"violin", {"y"}}}) {
    XViZTemplate chartTemplate;
    chartTemplate.setTemplateName(c.name, kLocationLocal);
    for (const std::string& slot : c.slots) Map(chartTemplate, slot, "v_" + slot, false);
    std::string document, style;
    ASSERT_TRUE(chartTemplate.convert(document, style)) << c.name << ": " << chartTemplate.getConvertError();
    EXPECT_TRUE(XDocument(document).implementationExists()) << c.name;
    EXPECT_TRUE(style.empty());
  }
}

TEST(VizTemplate, TemplatesAndStyleSheetsThatCannotBeUsedDoNotConvert) {
  TempFolder folder;
  std::string broken = folder.Write("broken.template.xml", "<vizTemplate><slot name='x'>");
  std::string bodiless = folder.Write("bodiless.template.xml", "<vizTemplate><slot name='x'/></vizTemplate>");
  struct Case {
    const char* what;
    std::string name;
    int location;
    std::vector<std::string> slots;
    const char* styleSheet;
    const char* error;
  };
  const Case cases[] = {
      {"unknown name", "NoSuchChart", kLocationLocal, {"x"}, "", "the template 'NoSuchChart' cannot be found or read"},
      {"a path in a folder lookup", "../templates/Bar", kLocationLocal, {"x", "y"}, "",
       "the template '../templates/Bar' cannot be found or read"},
      {"required slot left empty", "Bar", kLocationLocal, {"x"}, "", "the template's slot 'y' is not filled"},
      {"slot the template lacks", "Histogram", kLocationLocal, {"x", "size"}, "", "the template has no slot 'size'"},
      {"missing style sheet", "Histogram", kLocationLocal, {"x"}, "Gaudy",
       "the style sheet 'Gaudy' cannot be found or read"},
      {"not well-formed", broken, kLocationFile, {"x"}, "",
       "the template is not well-formed XML (Start-end tags mismatch)"},
      {"no body", bodiless, kLocationFile, {"x"}, "", "the template has no <visualization> body"},
  };
  CapturedOutput output(folder.Path());
  for (const Case& c : cases) {
    XViZTemplate chartTemplate;
    chartTemplate.setTemplateName(c.name, c.location);
    chartTemplate.setstyleSheetName(c.styleSheet, kLocationLocal);
    for (const std::string& slot : c.slots) Map(chartTemplate, slot, "v", false);
    std::string document = "stale", style = "stale";
    EXPECT_FALSE(chartTemplate.convert(document, style)) << c.what;
    EXPECT_EQ(chartTemplate.getConvertError(), c.error) << c.what;
    EXPECT_TRUE(document.empty() && style.empty()) << c.what;
  }
}

TEST(VizTemplate, FindsTemplatesStyleSheetsAndMapsInAGivenFolder) {
  TempFolder folder;
  folder.Write("Dots.template.xml", R"(<vizTemplate name="Dots"><slot name="x"/>
    <visualization><element type="point" x="{x}"/><note>{x.label} by {unknown}</note></visualization></vizTemplate>)");
  folder.Write("Dark.style.xml", "<styleSheet name=\"Dark\">\n  <style selector=\"chart\" background=\"#000\"/>\n</styleSheet>");
  folder.Write("regions.map.json", R"({"type": "FeatureCollection"})");
  CapturedOutput output(folder.Path());

  XViZTemplate dots;
  dots.setTemplateName("dots", kLocationFolder);  // a name that differs in case is found too
  dots.setTemplateRepoDirectory(folder.Path());
  dots.setstyleSheetName("Dark", kLocationFolder);
  dots.setStyleSheetRepoDirectory(".");  // relative to the command file's folder
  dots.setDataMapName("regions", kLocationFolder);
  dots.setDataMapRepoDirectory(folder.Path());
  dots.setMapKey("code");
  Map(dots, "x", "age", false, "Age <years>");
  std::string document, style;
  ASSERT_TRUE(dots.convert(document, style)) << dots.getConvertError();
  EXPECT_EQ(style, "<styleSheet name=\"Dark\"><style selector=\"chart\" background=\"#000\"/></styleSheet>");
  EXPECT_NE(document.find("<note>Age &lt;years&gt; by {unknown}</note>"), std::string::npos) << document;
  EXPECT_NE(document.find("<map data=\"regions\" reference=\"\" key=\"code\" showAllFeatures=\"false\""),
            std::string::npos)
      << document;
  EXPECT_EQ(dots.getDataMapName().toUTF8(), "regions");
  EXPECT_EQ(dots.getDataMapFileName(), folder.Path() + "/regions.map.json");
  EXPECT_EQ(dots.getDataMapContents(), R"({"type": "FeatureCollection"})");
  EXPECT_EQ(dots.getRefMapContents(), "");

  XViZTemplate byFile;
  byFile.setRefMapName("regions.map.json", kLocationFile);
  EXPECT_EQ(byFile.getRefMapFileName(), "regions.map.json");
  EXPECT_EQ(byFile.getRefMapContents(), R"({"type": "FeatureCollection"})");
}

TEST(VizTemplate, SetMappingsDeclareTheirMembers) {
  XViZTemplate chartTemplate;
  chartTemplate.setTemplateName("Bar", kLocationLocal);
  const std::string counted = "1";
  const VEXA_Format format = PackFormat(5, 8, 2);
  chartTemplate.addVariable("x", "$shops", true, "labels_1", "ds1", &format, "Shops visited", VARIABLE_DICHOTOMY_SET,
                            "$shops", false, &counted, true, {"shopA", "shopB"}, {"Shop A", "Shop B"},
                            {"labels_1", ""});
  Map(chartTemplate, "y", "COUNT", false);
  std::string document, style;
  ASSERT_TRUE(chartTemplate.convert(document, style)) << chartTemplate.getConvertError();
  EXPECT_NE(document.find("<variable name=\"$shops\" source=\"ds1\" slot=\"x\" categorical=\"true\" label=\"Shops "
                          "visited\" format=\"329730\" labelSet=\"labels_1\" set=\"$shops\" setType=\"dichotomies\" "
                          "useCategoryLabels=\"true\" countedValue=\"1\">"),
            std::string::npos)
      << document;
  EXPECT_NE(document.find("<member name=\"shopB\" label=\"Shop B\" />"), std::string::npos) << document;
}

}  // namespace
