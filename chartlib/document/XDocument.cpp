#include "XDocument.h"

#include <sstream>

#include "ChartOutput.h"
#include "chartlib/document/DocumentState.h"
#include "chartlib/document/ParsedChart.h"
#include "chartlib/output/DocumentItem.h"
#include "chartlib/render/SentChartDrawing.h"

namespace {

void ReportNoChart(bool isGpl, const std::string& reason) {
  ChartOutput* output = CurrentChartOutput();
  if (!output) return;
  output->AddMessage(3, std::string(isGpl ? "The GPL gives no chart: " : "The chart document gives no chart: ") +
                            reason + ".");
}

}  // namespace

XDocument::XDocument(const std::string& text, bool isGpl, bool reportErrors)
    : state_(std::make_unique<DocumentState>()) {
  state_->kind = isGpl ? "gpl" : "vizml";
  state_->text = text;
  ParsedChart chart = isGpl ? ReadGplChart(text) : ReadXmlChart(text);
  state_->parseError = chart.error;
  state_->graph = std::make_unique<XGraph>(std::move(chart.declarations));
  if (reportErrors && !chart.HasChart()) ReportNoChart(isGpl, chart.error);
}

XDocument::XDocument(const std::string& xml) : XDocument(xml, false, true) {}

XDocument::XDocument(Kind kind) : state_(std::make_unique<DocumentState>()) {
  state_->kind = kind.name;
  state_->parseError = "the document holds no chart yet";
  state_->graph = std::make_unique<XGraph>(XGraph::Declarations{});
}

XDocument::~XDocument() = default;

bool XDocument::implementationExists() const { return state_->parseError.empty(); }
const std::string& XDocument::getParseError() const { return state_->parseError; }
XGraph* XDocument::getGraph() { return state_->graph.get(); }
XGraph* XDocument::getExternalGraph() { return state_->graph.get(); }

void XDocument::SetChartData(VarDataProcessor* table) { state_->data = table; }

void XDocument::SetCaseCounts(const ChartCaseCounts& counts) { state_->caseCounts = counts; }

void XDocument::SetDataHandle(const ChartString& source, const ChartString& handle) {
  std::string name = source.toUTF8();
  for (auto& [known, dataSet] : state_->dataHandles) {
    if (known == name) {
      dataSet = handle.toUTF8();
      return;
    }
  }
  state_->dataHandles.emplace_back(name, handle.toUTF8());
}

void XDocument::setStyleSheet(const std::string& name, const std::string& content) {
  state_->styleSheet = NamedContent{name, content};
}
void XDocument::setVIZMap(const std::string& name, const std::string& content) {
  state_->dataMap = NamedContent{name, content};
}
void XDocument::setVIZRefMap(const std::string& name, const std::string& content) {
  state_->referenceMap = NamedContent{name, content};
}
void XDocument::setEditor(int editor) { state_->editor = editor; }
void XDocument::setEditable(int lock) { state_->editLock = lock; }
void XDocument::SetDescription(const ChartString& description) { state_->description = description.toUTF8(); }
ChartString XDocument::GetDescription() const { return ChartString(state_->description); }
void XDocument::SetName(const ChartString& name) { state_->name = name.toUTF8(); }
void XDocument::SetComment(const ChartString& comment) { state_->comment = comment.toUTF8(); }
void XDocument::SetChartTemplate(const std::string& file) { state_->templates.push_back(file); }
void XDocument::AddImmediateTemplate(const std::string& text) { state_->immediateTemplates.push_back(text); }
void XDocument::AddCSVFile(const std::string& name) { state_->csvFiles.push_back(name); }
void XDocument::AddColorSpec(const ColorSpec& color) { state_->colors.push_back(color); }
void XDocument::SetOuterFrame(int state) { state_->outerFrame = state; }
void XDocument::SetInnerFrame(int state) { state_->innerFrame = state; }
void XDocument::SetXAxisGridlines(int state) { state_->xAxisGridlines = state; }
void XDocument::SetYAxisGridlines(int state) { state_->yAxisGridlines = state; }
void XDocument::doNotModify(bool on) { state_->doNotModify = on; }

bool XDocument::SendChart(bool show, bool later, bool thumbnail) {
  ChartOutput* output = CurrentChartOutput();
  if (!show || !output) return false;
  SentChartDrawing drawing = DrawingOfSentChart(*state_, thumbnail, output->WantsChartSpecs());
  output->Add(DocumentItem(*state_, {.later = later, .thumbnail = thumbnail},
                           drawing.vegaLite ? &*drawing.vegaLite : nullptr));
  // Further split groups of one chart do not repeat what the first one said.
  if (!later || drawing.warnings != state_->drawingWarnings)
    for (const std::string& warning : drawing.warnings) output->AddMessage(2, warning);
  state_->drawingWarnings = std::move(drawing.warnings);
  return true;
}

std::string XDocument::getChartXML() const {
  std::ostringstream text;
  rapidjson::OStreamWrapper stream(text);
  JsonWriter json(stream);
  DocumentItem(*state_, {}).WriteJson(json);
  return text.str();
}

std::string XDocument::AsUTF8() const { return getChartXML(); }
