// Writes an output document holding every kind of item the chart library
// sends, for the check of the output document against its schema.
//   chart_samples OUTPUT.json

#include <fstream>
#include <limits>
#include <iostream>
#include <memory>

#include "BpPivotTable.h"
#include "BpProcedure.h"
#include "MessageHandler.h"
#include "OBS.h"
#include "VarDataProcessor.h"
#include "XDocument.h"
#include "XGraph.h"
#include "XGraphService.h"
#include "XImage.h"
#include "XViZTemplate.h"
#include "engine/output/JsonSink.h"
#include "engine/output/OutputDocument.h"
#include "engine/session/EngineSession.h"
#include "xLumo.h"

namespace {

void FillTable(VarDataProcessor& table) {
  table.AddDataSource("staff", 10);
  VarDataColumn job, salary, label;
  table.AddVariable("staff", "jobcat", &job);
  table.AddVariable("staff", "salary", &salary);
  table.AddVariable("staff", "labelingVariable_0", &label);
  for (int row = 0; row < 6; ++row) {
    table.SetVariableValue(job, row, row % 3 + 1);
    table.SetStringVariableValue(label, row, row % 3 ? "Clerical" : "Manager");
  }
  table.SetVariableValue(salary, 0, 21000.5);
  table.SetVariableValue(salary, 2, kSysMiss);
  table.SetVariableValue(salary, 5, std::numeric_limits<double>::infinity());
}

void SendGplChart(VarDataProcessor& table) {
  XDocument chart(R"(SOURCE: s=userSource(id("staff"))
DATA: jobcat=col(source(s), name("jobcat"), unit.category())
DATA: salary=col(source(s), name("salary"))
ELEMENT: interval(position(summary.mean(jobcat*salary))))",
                  true, true);
  chart.SetDescription("Mean salary");
  chart.SetChartData(&table);
  chart.SetDataHandle("staff", "*");
  chart.setStyleSheet("Default", "<styleSheet/>");
  chart.AddColorSpec(XDocument::ColorSpec(1, 10, 20, 30));
  chart.AddImmediateTemplate("<addFitLine target=\"pair\"/>");
  XVariable* job = chart.getGraph()->getVariable("jobcat", 0);
  job->setLabel("Employment Category");
  job->addRelabel(1.0, "Clerical");
  job->addRelabel(ChartString("2"), "Custodial");
  job->addRelabel(2, "Manager");
  job->setFormat(PackFormat(5, 8, 0));
  XVariable* salary = chart.getGraph()->getVariable("salary", 0);
  salary->setStatistic(2, 0, 0, 0, false);
  salary->SetNumberFormat(2, true, "$", "");
  chart.getGraph()->createCaseNumberVariable("staff")->setCreator(1);
  chart.Send();
  chart.getGraph()->setSubTitle("Gender: 2");
  chart.Send({.later = true, .thumbnail = true});
}

void SendTemplateChart() {
  XViZTemplate bar;
  bar.setTemplateName("Bar", kLocationLocal);
  bar.setstyleSheetName("Default", kLocationLocal);
  for (const char* slot : {"x", "y"})
    bar.addVariable(slot, slot, true, "", "staff", nullptr, "", VARIABLE_SINGLE, "", false, nullptr, false, {}, {},
                    {});
  std::string document, style;
  if (!bar.convert(document, style)) std::cerr << "template: " << bar.getConvertError() << '\n';
  XDocument chart(document);
  chart.setStyleSheet("Default", style);
  chart.setEditor(2);
  chart.Send();
}

void SendOtherDocuments(VarDataProcessor& table) {
  xLumo json;
  json.setViZJSONTemplate(R"({"layers": [{"mark": "geoshape"}]})");
  json.SetDescription("Map");
  json.sendChart();
  xLumo empty;
  empty.sendChart();  // a warning

  XImage image;
  image.setImageInline(kImagePng, std::string("\x89PNG\r\n\x1a\n", 8) + std::string(24, '\x01'));
  image.SetDescription("Logo");
  image.sendImage();

  XGraphService service;
  service.setChartOptions("{\"chart\": \"bar\"}");
  service.SetChartData(&table);
  service.createDocument("staff");
  service.addVariable("jobcat", 0);
  service.sendChartOptions();

  MessageHandler model;
  model.setMessageType(56);
  model.addMessageContents("Tree", 0, false);
  model.addMessageContents("<PMML/>", 1, true);
  model.addMessageContents(std::string("\xFF\x00", 2), 4, true);
  model.sendMessage();

  XDocument broken("ELEMENT: point(", true, true);  // an error message
}

void SendTable() {
  BpHeading heading;
  auto table = heading.PivotTable(BpString("Bins", false), BpString("Binning", false), true);
  auto dimension = table->Dimension(BpString("Bin", false), 0);
  auto row = dimension->Category(BpString("1", false));
  row->Cell(BpNumber(12));
  row->Cell(BpString("up to 10", false));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: chart_samples OUTPUT.json\n";
    return 2;
  }
  std::ofstream file(argv[1], std::ios::binary);
  OutputDocument output;
  output.AddSink(std::make_unique<JsonSink>(file));
  {
    EngineOptions options;
    options.debug = true;
    EngineSession session(options, output);
    BpProcedure procedure("GGraph", 2);
    output.AddDebug("Starting GGraph Procedure");
    VarDataProcessor table;
    FillTable(table);
    SendGplChart(table);
    SendTemplateChart();
    SendOtherDocuments(table);
    SendTable();
    procedure.SplitChange();
  }
  output.Finish();
  return 0;
}
