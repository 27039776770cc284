#pragma once
// Reads a chart item of the output document as a person reads its table:
// the rows of its only source, categorical values as their value labels.

#include <nlohmann/json.hpp>

#include <cmath>
#include <utility>
#include <string>
#include <vector>

class ChartTable {
 public:
  explicit ChartTable(nlohmann::json chart) : chart_(std::move(chart)) {}

  std::size_t Rows() const { return Source()["rows"].get<std::size_t>(); }

  const nlohmann::json& Column(const std::string& name) const {
    for (const nlohmann::json& column : Source()["columns"])
      if (column["name"] == name) return column["values"];
    static const nlohmann::json kNone = nlohmann::json::array();
    return kNone;
  }

  // Rows in which every one of the columns holds a value.
  std::size_t RowsWithValues(const std::vector<std::string>& columns) const {
    std::size_t count = 0;
    for (std::size_t row = 0; row < Rows(); ++row) {
      bool complete = true;
      for (const std::string& name : columns) complete = complete && !Column(name).at(row).is_null();
      count += complete;
    }
    return count;
  }

  // The text a person sees for a cell: its value label, else the value.
  std::string Shown(const std::string& name, std::size_t row) const {
    const nlohmann::json& value = Column(name).at(row);
    for (const nlohmann::json& variable : chart_["variables"])
      if (variable["name"] == name)
        for (const nlohmann::json& relabel : variable["relabels"])
          if (relabel["value"] == value) return relabel["label"];
    if (value.is_string()) return value;
    double number = value.get<double>();
    return number == std::floor(number) ? std::to_string(static_cast<long long>(number)) : value.dump();
  }

  std::string Label(const std::string& name) const {
    for (const nlohmann::json& variable : chart_["variables"])
      if (variable["name"] == name) return variable["label"];
    return "";
  }

 private:
  const nlohmann::json& Source() const { return chart_["data"]["sources"].at(0); }
  nlohmann::json chart_;
};

// True when a number as shown (rounded to its decimals) stands for value.
inline bool ShowsNumber(const std::string& shown, double value) {
  std::string plain;
  for (char c : shown)
    if (c != ',') plain.push_back(c);
  if (plain.empty()) return false;
  std::size_t point = plain.find('.');
  int decimals = point == std::string::npos ? 0 : static_cast<int>(plain.size() - point - 1);
  return std::fabs(std::stod(plain) - value) <= 0.5 * std::pow(10.0, -decimals) + 1e-9;
}
