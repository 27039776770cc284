#pragma once
#include <string>
#include <vector>

class GGraphDataSet;
class GGraphSettings;
class GGraphVariable;
struct VizVariableMapping;

// Completes the variable mappings of visualization templates with what the
// chart needs to know about each mapped variable: its data set, whether it is
// categorical, its format and label, where its value labels come from, and the
// members of a multiple-response set. One object serves the whole command, so
// that variables sharing one engine variable share one value-label source.
class TemplateMappingCompletion {
 public:
  explicit TemplateMappingCompletion(const GGraphSettings& settings);
  TemplateMappingCompletion(const TemplateMappingCompletion&) = delete;
  TemplateMappingCompletion& operator=(const TemplateMappingCompletion&) = delete;

  // False after reporting a data set that does not exist. A mapping whose
  // variable no data set has stays as it is.
  bool Complete(VizVariableMapping& mapping);
  // True when a graph data set holds the mapping's column (a variable or a
  // summary function's name), or when the command has no data set to hold it.
  bool IsKnownColumn(const VizVariableMapping& mapping) const;

 private:
  // Fills in the first data set's name when the mapping names none (found
  // stays null when the command has no data set). False after reporting a
  // named data set that does not exist.
  bool FindDataSet(VizVariableMapping& mapping, GGraphDataSet*& found) const;
  GGraphVariable* MappedVariable(const VizVariableMapping& mapping) const;
  void DescribeVariable(GGraphVariable& variable, VizVariableMapping& mapping);
  std::string LabelSetName(GGraphVariable& variable);

  const GGraphSettings& settings_;
  // Those of the unaggregated data sets first.
  std::vector<GGraphVariable*> allVariables_;
  // The variables already named as a source of value labels.
  std::vector<GGraphVariable*> labelledVariables_;
};
