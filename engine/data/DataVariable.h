#pragma once
#include <optional>
#include <string>

#include "VEXA_Variable.h"
#include "engine/data/MissingValues.h"
#include "engine/data/ValueLabelTable.h"

// What the dictionary knows of one variable.
struct VariableDefinition {
  std::string name;
  std::optional<std::string> label;
  int width = 0;  // 0 numeric, else the string width in bytes
  VEXA_Format format = 0;
  int level = kLevelScale;
  ValueLabelTable valueLabels;
  MissingValues missing;
};

// One variable of a loaded data set.
class DataVariable : public VEXA_Variable {
 public:
  explicit DataVariable(VariableDefinition definition) : definition_(std::move(definition)) {}

  const VariableDefinition& Definition() const { return definition_; }
  // Completes the entry once the variable's column has been read.
  void Redefine(VariableDefinition definition) { definition_ = std::move(definition); }
  bool IsString() const { return definition_.width > 0; }
  // The number of 8-byte cells one value takes.
  int Cells() const { return IsString() ? ObsCellsForWidth(definition_.width) : 1; }

  const char* GetName() const override { return definition_.name.c_str(); }
  const char* GetLabel() const override { return definition_.label ? definition_.label->c_str() : nullptr; }
  int GetType() const override { return definition_.width; }
  VEXA_Format GetFormat() const override { return definition_.format; }
  VEXA_Format GetFormatEx() const override { return definition_.format; }
  int GetMeasurementLevel() const override { return definition_.level; }
  VEXA_ValueLabelMap* GetValueLabels() const override { return &definition_.valueLabels; }
  int GetDisplayWidth() const override;
  int IsMissing(const OBS* cell) const override;

 private:
  mutable VariableDefinition definition_;  // the label map keeps a read cursor
};
