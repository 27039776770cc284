#include "model/VariableResolver.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "host/engine/OBS.h"
#include "host/engine/VEXA_DataSource.h"
#include "host/engine/VEXA_ValueLabelMap.h"
#include "host/engine/VEXA_Variable.h"
#include "host/engine/VariableSet.h"
#include "host/engine/VariableSets.h"
#include "host/engine/VexaText.h"
#include "report/DictionaryText.h"
#include "report/Utf8FromLocalCodePage.h"

struct VariableResolver::Rep {
  const VEXA_DataSource* dataSource = nullptr;
  VEXA_Variable* variable = nullptr;
  int variableIndex = -1;
  std::vector<int> memberIndexes;
  std::vector<OBS> countedValue;  // dichotomy sets only
  int countedValueWidth = 0;
  std::string setLabel;
  bool usesCategoryLabels = false;
  VARIABLETYPE type = NOT_RESOLVED;

  VEXA_Variable* Member(int index) const { return dataSource->GetVariable(index); }
  VEXA_Variable* FirstMember() const { return memberIndexes.empty() ? nullptr : Member(memberIndexes.front()); }
  void BindSet(const VariableSet& set, int position);
  void SetCountedValue(const char* text);
  bool IsString() const;
  unsigned int StringLength() const;
  unsigned int LongestMemberText() const;
  std::string DichotomyLabel(const OBS* cell) const;
  std::string CountedValueLabel(const VEXA_Variable* member) const;
  void AddCategorySetEntries(std::vector<CategoryEntry>& entries) const;
  void AddDichotomySetEntries(std::vector<CategoryEntry>& entries) const;
};

namespace {

constexpr int kStringFormatType = 1;

bool HasStringFormat(const VEXA_Variable* variable) {
  return variable != nullptr && FormatType(variable->GetFormatEx()) == kStringFormatType;
}

unsigned int StringFormatWidth(const VEXA_Variable* variable) {
  return HasStringFormat(variable) ? static_cast<unsigned int>(FormatWidth(variable->GetFormatEx())) : 0;
}

// The label of a value in a variable's value labels, by cell or by text.
const char* LookUpValueLabel(const VEXA_Variable* variable, const std::string& text, const OBS* cell) {
  const VEXA_ValueLabelMap* labels = variable ? variable->GetValueLabels() : nullptr;
  if (!labels) return nullptr;
  return cell ? labels->GetLabel(cell) : labels->GetLabel(text.c_str());
}

const VariableSet* FindSet(const VariableSets& sets, const std::string& name, int& position) {
  for (position = 0; position < sets.Size(); ++position) {
    const VariableSet* set = sets.GetSet(position);
    if (VEXAMBstricmp_A(set->GetName(VariableSet::kAsDefined).c_str(), name.c_str()) == 0) return set;
  }
  return nullptr;
}

// The first `size` bytes of a cell (fewer at a zero byte), trailing blanks
// removed; a text with nothing left is a single blank.
std::string CellText(const OBS* cell, std::size_t size) {
  const char* bytes = reinterpret_cast<const char*>(cell);
  std::size_t length = 0;
  while (length < size && bytes[length] != '\0') ++length;
  while (length > 0 && bytes[length - 1] == ' ') --length;
  return length == 0 ? std::string(" ") : std::string(bytes, length);
}

}  // namespace

VariableResolver::VariableResolver() : rep_(new Rep) {}

VariableResolver::~VariableResolver() { delete rep_; }

bool VariableResolver::resolveVariable(const VEXA_DataSource* dataSource, const std::string& name) {
  rep_->dataSource = dataSource;
  if (!dataSource) return false;
  int index = dataSource->FindVarIndex(name.c_str(), 0);
  if (index >= 0) return resolveVariable(dataSource, index);
  if (name.empty() || name.front() != '$') return false;

  VariableSets sets(dataSource, VariableSets::kMultipleResponse);
  int position = 0;
  const VariableSet* set = FindSet(sets, name, position);
  if (!set) return false;
  rep_->BindSet(*set, position);
  return true;
}

bool VariableResolver::resolveVariable(const VEXA_DataSource* dataSource, int index) {
  rep_->dataSource = dataSource;
  if (!dataSource || index < 0) return false;
  rep_->variableIndex = index;
  rep_->variable = dataSource->GetVariable(index);
  rep_->type = SINGLE_VARIABLE;
  return true;
}

void VariableResolver::Rep::BindSet(const VariableSet& set, int position) {
  for (const std::string& member : set.GetVariableNames(VariableSet::kLowerCase)) {
    int index = dataSource->FindVarIndex(member.c_str(), 0);
    if (index >= 0) memberIndexes.push_back(index);
  }
  variableIndex = dataSource->ColumnCount() + position;
  if (set.GetType() != VariableSet::kCategories && set.GetType() != VariableSet::kDichotomies) return;

  setLabel = HasText(set.GetLabel()) ? set.GetLabel() : set.GetName(VariableSet::kAsDefined);
  if (set.GetType() == VariableSet::kCategories) {
    type = CATEGORY_SET;
    return;
  }
  type = DICHOTOMY_SET;
  usesCategoryLabels = set.qIsEnhancedDichotomy() && set.qUseVariableCategoryLabels();
  SetCountedValue(set.GetValue());
}

void VariableResolver::Rep::SetCountedValue(const char* text) {
  if (!IsString()) {
    countedValue.assign(1, OBS{std::atof(text)});
    countedValueWidth = 8;
    return;
  }
  int cells = ObsCellsForWidth(static_cast<int>(StringLength()));
  countedValue.assign(static_cast<std::size_t>(cells), OBS{});
  char* field = reinterpret_cast<char*>(countedValue.data());
  std::size_t size = static_cast<std::size_t>(cells) * sizeof(OBS);
  std::memset(field, ' ', size);
  VEXAMBCopyToFixed_A(field, size, text);
  countedValueWidth = cells;
}

int VariableResolver::getVariableIndex() const { return rep_->variableIndex; }
std::vector<int> VariableResolver::getVariableIndexList() const { return rep_->memberIndexes; }
VARIABLETYPE VariableResolver::getVariableType() const { return rep_->type; }
VEXA_Variable* VariableResolver::getVariable() const { return rep_->variable; }
std::string VariableResolver::getSetLabel() const { return rep_->setLabel; }
bool VariableResolver::usesCategoryLabels() const { return rep_->usesCategoryLabels; }

const OBS* VariableResolver::getCountedValue(int& width) const {
  width = rep_->countedValueWidth;
  return rep_->countedValue.empty() ? nullptr : rep_->countedValue.data();
}

bool VariableResolver::isString() const { return rep_->IsString(); }
unsigned int VariableResolver::getStringLength() const { return rep_->StringLength(); }

bool VariableResolver::Rep::IsString() const {
  switch (type) {
    case SINGLE_VARIABLE:
      return HasStringFormat(variable);
    case CATEGORY_SET:
    case DICHOTOMY_SET:
      return HasStringFormat(FirstMember());
    default:
      return false;
  }
}

unsigned int VariableResolver::Rep::StringLength() const {
  switch (type) {
    case SINGLE_VARIABLE:
      return StringFormatWidth(variable);
    case CATEGORY_SET:
      return StringFormatWidth(FirstMember());
    case DICHOTOMY_SET:
      return LongestMemberText();
    default:
      return 0;
  }
}

// The categories of a dichotomy set are its members' names: the widest
// string member, or the longest name of a numeric one.
unsigned int VariableResolver::Rep::LongestMemberText() const {
  unsigned int longest = 0;
  for (int index : memberIndexes) {
    const VEXA_Variable* member = Member(index);
    if (!member) continue;
    std::size_t width =
        member->GetType() != 0 ? static_cast<std::size_t>(member->GetType()) : std::strlen(member->GetName());
    longest = std::max(longest, static_cast<unsigned int>(width));
  }
  return longest;
}

std::string VariableResolver::getValueLabel(const std::string& text, const OBS* cell) const {
  switch (rep_->type) {
    case SINGLE_VARIABLE: {
      const char* label = LookUpValueLabel(rep_->variable, text, cell);
      return label ? Utf8FromLocalCodePage(label) : std::string();
    }
    case CATEGORY_SET:
      for (int index : rep_->memberIndexes)
        if (const char* label = LookUpValueLabel(rep_->Member(index), text, cell)) return Utf8FromLocalCodePage(label);
      return {};
    case DICHOTOMY_SET:
      return cell ? rep_->DichotomyLabel(cell) : std::string();
    default:
      return {};
  }
}

// The cell holds a member's name, in as many cells as the set's categories need.
std::string VariableResolver::Rep::DichotomyLabel(const OBS* cell) const {
  std::size_t cellSize = static_cast<std::size_t>(ObsCellsForWidth(static_cast<int>(StringLength()))) * sizeof(OBS);
  for (int index : memberIndexes) {
    const VEXA_Variable* member = Member(index);
    if (!member) continue;
    std::size_t size = std::min(static_cast<std::size_t>(std::max(member->GetDisplayWidth(), 0)), cellSize);
    if (VEXAMBstricmp_A(CellText(cell, size).c_str(), member->GetName()) != 0) continue;
    if (usesCategoryLabels) return CountedValueLabel(member);
    return HasText(member->GetLabel()) ? Utf8FromLocalCodePage(member->GetLabel()) : std::string();
  }
  return {};
}

std::string VariableResolver::Rep::CountedValueLabel(const VEXA_Variable* member) const {
  if (countedValue.empty()) return {};
  const char* label = LookUpValueLabel(member, std::string(), countedValue.data());
  return label ? Utf8FromLocalCodePage(label) : std::string();
}

std::vector<CategoryEntry> VariableResolver::getCategories() const {
  std::vector<CategoryEntry> entries;
  if (rep_->type == CATEGORY_SET) rep_->AddCategorySetEntries(entries);
  if (rep_->type == DICHOTOMY_SET) rep_->AddDichotomySetEntries(entries);
  return entries;
}

// The union of the members' labelled values; the first member's label wins.
void VariableResolver::Rep::AddCategorySetEntries(std::vector<CategoryEntry>& entries) const {
  for (int index : memberIndexes) {
    const VEXA_Variable* member = Member(index);
    VEXA_ValueLabelMap* labels = member ? member->GetValueLabels() : nullptr;
    if (!labels) continue;
    labels->Reset();
    OBS value{};
    const char* label = nullptr;
    while (labels->GetNextPair(&value, &label)) {
      if (!label) continue;
      auto same = [&value](const CategoryEntry& entry) { return entry.value == value.number; };
      if (std::none_of(entries.begin(), entries.end(), same))
        entries.push_back({value.number, std::string(), Utf8FromLocalCodePage(label)});
    }
  }
}

void VariableResolver::Rep::AddDichotomySetEntries(std::vector<CategoryEntry>& entries) const {
  for (int index : memberIndexes) {
    const VEXA_Variable* member = Member(index);
    if (!member) continue;
    if (!usesCategoryLabels && !HasText(member->GetLabel())) continue;
    std::string label = usesCategoryLabels ? CountedValueLabel(member) : Utf8FromLocalCodePage(member->GetLabel());
    entries.push_back({0, Utf8FromLocalCodePage(member->GetName()), label});
  }
}
