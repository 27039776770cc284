#pragma once
// A small in-memory data dictionary for unit tests: numeric and string
// variables with labels, value labels and user-missing values, and
// multiple-response sets. It holds no cases.

#include <algorithm>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "OBS.h"
#include "VEXA_DataSource.h"
#include "VEXA_ValueLabelMap.h"
#include "VEXA_Variable.h"
#include "VariableSet.h"
#include "VexaText.h"

// A string value as the cells of a variable of that width hold it: blank padded.
inline std::vector<OBS> TextCells(const std::string& text, int width) {
  std::vector<OBS> cells(static_cast<std::size_t>(ObsCellsForWidth(width)));
  std::size_t size = cells.size() * sizeof(OBS);
  std::memset(cells.data(), ' ', size);
  std::memcpy(cells.data(), text.data(), std::min(text.size(), size));
  return cells;
}

class TestValueLabels : public VEXA_ValueLabelMap {
 public:
  // width 0 for numeric values, else the string width.
  explicit TestValueLabels(int width) : width_(width) {}

  // A pair without label (nullopt) is listed by GetNextPair with a null label.
  void Add(double value, std::optional<std::string> label) { pairs_.push_back({{OBS{value}}, std::move(label)}); }
  void Add(const std::string& value, std::optional<std::string> label) {
    pairs_.push_back({TextCells(value, width_), std::move(label)});
  }

  int Size() const override { return static_cast<int>(pairs_.size()); }
  void Reset() override { next_ = 0; }
  // A string value gives its first eight bytes.
  bool GetNextPair(OBS* value, const char** label) override {
    if (next_ >= pairs_.size()) return false;
    const Pair& pair = pairs_[next_++];
    *value = pair.cells.front();
    *label = pair.label ? pair.label->c_str() : nullptr;
    return true;
  }
  const char* GetLabel(const OBS* cell) const override {
    for (const Pair& pair : pairs_)
      if (Matches(pair, cell)) return pair.label ? pair.label->c_str() : nullptr;
    return nullptr;
  }
  const char* GetLabel(double value) const override {
    OBS cell{value};
    return width_ == 0 ? GetLabel(&cell) : nullptr;
  }
  // Trailing blanks do not count.
  const char* GetLabel(const char* text) const override {
    if (width_ == 0) return nullptr;
    std::vector<OBS> cells = TextCells(text, width_);
    return GetLabel(cells.data());
  }

 private:
  struct Pair {
    std::vector<OBS> cells;
    std::optional<std::string> label;
  };
  bool Matches(const Pair& pair, const OBS* cell) const {
    if (width_ == 0) return pair.cells.front().number == cell->number;
    return std::memcmp(pair.cells.data(), cell, static_cast<std::size_t>(width_)) == 0;
  }

  int width_;
  std::vector<Pair> pairs_;
  std::size_t next_ = 0;
};

class TestVariable : public VEXA_Variable {
 public:
  TestVariable(std::string name, int type, VEXA_Format format)
      : name_(std::move(name)), type_(type), format_(format), labels_(type), displayWidth_(FormatWidth(format)) {}

  TestVariable& Label(std::string label) {
    label_ = std::move(label);
    return *this;
  }
  TestVariable& Level(int level) {
    level_ = level;
    return *this;
  }
  TestVariable& DisplayWidth(int width) {
    displayWidth_ = width;
    return *this;
  }
  TestVariable& ValueLabel(double value, std::optional<std::string> label) {
    labels_.Add(value, std::move(label));
    return *this;
  }
  TestVariable& ValueLabel(const std::string& value, std::optional<std::string> label) {
    labels_.Add(value, std::move(label));
    return *this;
  }
  TestVariable& UserMissing(double value) {
    missingNumbers_.push_back(value);
    return *this;
  }
  TestVariable& UserMissing(const std::string& value) {
    missingTexts_.push_back(TextCells(value, type_));
    return *this;
  }

  const char* GetName() const override { return name_.c_str(); }
  const char* GetLabel() const override { return label_ ? label_->c_str() : nullptr; }
  int GetType() const override { return type_; }
  VEXA_Format GetFormat() const override { return format_; }
  VEXA_Format GetFormatEx() const override { return format_; }
  int GetMeasurementLevel() const override { return level_; }
  // Null when the variable has no value labels.
  VEXA_ValueLabelMap* GetValueLabels() const override { return labels_.Size() ? &labels_ : nullptr; }
  int GetDisplayWidth() const override { return displayWidth_; }
  int IsMissing(const OBS* cell) const override {
    if (type_ == 0) {
      return cell->number == kSysMiss ||
             std::find(missingNumbers_.begin(), missingNumbers_.end(), cell->number) != missingNumbers_.end();
    }
    auto same = [&](const std::vector<OBS>& text) {
      return std::memcmp(text.data(), cell, static_cast<std::size_t>(type_)) == 0;
    };
    return std::any_of(missingTexts_.begin(), missingTexts_.end(), same);
  }

 private:
  std::string name_;
  std::optional<std::string> label_;
  int type_;
  VEXA_Format format_;
  int level_ = kLevelScale;
  mutable TestValueLabels labels_;
  int displayWidth_;
  std::vector<double> missingNumbers_;
  std::vector<std::vector<OBS>> missingTexts_;
};

class TestDataSource : public VEXA_DataSource {
 public:
  TestVariable& AddNumeric(const std::string& name, VEXA_Format format = PackFormat(kFormatF, 8, 2)) {
    variables_.push_back(std::make_unique<TestVariable>(name, 0, format));
    return *variables_.back();
  }
  TestVariable& AddString(const std::string& name, int width) {
    variables_.push_back(std::make_unique<TestVariable>(name, width, PackFormat(kFormatA, width, 0)));
    return *variables_.back();
  }
  void AddSet(VariableSet::Definition definition) {
    sets_.push_back(std::make_unique<VariableSet>(std::move(definition)));
  }
  void SetWeight(int column) { weight_ = column; }

  int ColumnCount() const override { return static_cast<int>(variables_.size()); }
  VEXA_Variable* GetVariable(int column) const override {
    return column >= 0 && column < ColumnCount() ? variables_[static_cast<std::size_t>(column)].get() : nullptr;
  }
  int FindVarIndex(const char* name, int start) const override {
    for (int i = std::max(start, 0); i < ColumnCount(); ++i)
      if (VEXAMBstricmp_A(variables_[static_cast<std::size_t>(i)]->GetName(), name) == 0) return i;
    return -1;
  }
  int GetWeightVarIndex() const override { return weight_; }
  VEXA_InputCaseIterator* CreateCaseIterator(int) override { return nullptr; }
  int GetSplitVarCount() const override { return 0; }
  int GetSplitVarIndex(int) const override { return -1; }
  int GetVariableSetCount() const override { return static_cast<int>(sets_.size()); }
  const VariableSet* GetVariableSet(int i) const override {
    return i >= 0 && i < GetVariableSetCount() ? sets_[static_cast<std::size_t>(i)].get() : nullptr;
  }

 private:
  std::vector<std::unique_ptr<TestVariable>> variables_;
  std::vector<std::unique_ptr<VariableSet>> sets_;
  int weight_ = -1;
};
