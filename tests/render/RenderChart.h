#pragma once
// A chart document as the module sends it, built in memory: GPL (or the XML
// chart form), a data table of one source, and the chart variables' labels.

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "VarDataProcessor.h"
#include "XDocument.h"
#include "XGraph.h"
#include "XVariable.h"
#include "chartlib/render/VegaLiteCompiler.h"

class RenderChart {
 public:
  // columns: name -> values (numbers, texts, null for an empty cell).
  RenderChart(const std::string& text, const std::vector<std::pair<std::string, nlohmann::json>>& columns,
              bool isGpl = true)
      : document_(std::make_unique<XDocument>(text, isGpl, false)) {
    table_.AddDataSource(kSource, 10);
    for (const auto& [name, values] : columns) {
      VarDataColumn column;
      table_.AddVariable(kSource, name, &column);
      for (std::size_t row = 0; row < values.size(); ++row) {
        const nlohmann::json& value = values[row];
        if (value.is_number()) table_.SetVariableValue(column, static_cast<int>(row), value.get<double>());
        if (value.is_string()) table_.SetStringVariableValue(column, static_cast<int>(row), value.get<std::string>());
      }
    }
    document_->SetChartData(&table_);
    document_->SetDescription("Test chart");
  }

  XDocument& Document() { return *document_; }
  XVariable& Variable(const std::string& column) { return *document_->getGraph()->getVariable(column, 0); }

  CompiledChart Compile() const { return CompileVegaLite(document_->State()); }
  std::vector<RenderWarning> Check() const { return CheckDrawable(document_->State()); }

  // The spec, failing the test when the chart is not drawn.
  nlohmann::json Spec() const {
    CompiledChart compiled = Compile();
    if (!compiled.spec) {
      ADD_FAILURE() << "not drawn: " << (compiled.warnings.empty() ? "" : compiled.warnings[0].text);
      return nlohmann::json::object();
    }
    return *compiled.spec;
  }

  static constexpr const char* kSource = "graphdataset";

 private:
  VarDataProcessor table_;
  std::unique_ptr<XDocument> document_;
};

// The view that holds the layers: the spec itself, the facet's inner spec, or
// the footnoted chart.
inline const nlohmann::json& View(const nlohmann::json& spec) {
  if (spec.contains("vconcat")) return View(spec["vconcat"][0]);
  if (spec.contains("spec")) return spec["spec"];
  return spec;
}

inline const nlohmann::json& Layer(const nlohmann::json& spec, std::size_t index = 0) {
  return View(spec)["layer"].at(index);
}

inline std::string MarkType(const nlohmann::json& layer) { return layer["mark"]["type"]; }

// The GPL header that declares the columns of the test table.
inline std::string Declare(const std::vector<std::string>& categorical, const std::vector<std::string>& scale) {
  std::string gpl = "SOURCE: s = userSource(id(\"graphdataset\"))\n";
  for (const std::string& name : categorical)
    gpl += "DATA: " + name + " = col(source(s), name(\"" + name + "\"), unit.category())\n";
  for (const std::string& name : scale) gpl += "DATA: " + name + " = col(source(s), name(\"" + name + "\"))\n";
  return gpl;
}
