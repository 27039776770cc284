#include "engine/data/DataPackageReader.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <filesystem>
#include <functional>
#include <set>
#include <unordered_set>

#include "ParserMessage.h"
#include "engine/data/CellParsers.h"
#include "engine/data/DisplayFormat.h"
#include "engine/data/JsonFile.h"
#include "engine/data/Utf8FileCopy.h"
#include "engine/data/VariableNames.h"

namespace {

using nlohmann::json;
namespace fs = std::filesystem;

struct TypeName {
  const char* name;
  FieldKind kind;
};
constexpr std::array kTypes = {TypeName{"number", FieldKind::kNumber},     TypeName{"integer", FieldKind::kInteger},
                               TypeName{"string", FieldKind::kString},     TypeName{"date", FieldKind::kDate},
                               TypeName{"datetime", FieldKind::kDateTime}, TypeName{"time", FieldKind::kTime}};

struct LevelName {
  const char* name;
  int level;
};
constexpr std::array kLevels = {LevelName{"scale", kLevelScale}, LevelName{"nominal", kLevelNominal},
                                LevelName{"ordinal", kLevelOrdinal}};

// The lists of a field that may hold a million values: they are read one
// item at a time, never held whole.
const std::vector<JsonDomBuilder::Path> kSchemaLists = {{"fields", "*", "categories"}, {"fields", "*", "missingValues"}};
const std::vector<JsonDomBuilder::Path> kInlineLists = {
    {"resources", "*", "schema", "fields", "*", "categories"},
    {"resources", "*", "schema", "fields", "*", "missingValues"}};

std::string Quoted(const std::string& text) { return "'" + text + "'"; }

// A member of an object, or null when it has none (a lookup that never
// throws, whatever the member's type).
const json& Member(const json& object, const char* key) {
  static const json kNone;
  if (!object.is_object()) return kNone;
  auto found = object.find(key);
  return found == object.end() ? kNone : *found;
}

// The text of a JSON value as a cell would hold it.
std::optional<std::string> CellText(const json& value) {
  if (value.is_string()) return value.get<std::string>();
  if (value.is_number()) return value.dump();
  return std::nullopt;
}

class PackageReader {
 public:
  PackageReader(DataPlan& plan, DataProblems& problems) : plan_(plan), problems_(problems) {}

  bool Read(const std::string& path, const std::string& shownName) {
    folder_ = fs::path(path).parent_path();
    shownFolder_ = fs::path(shownName).parent_path();
    if (!package_.Load(path, shownName, problems_, kInlineLists)) return false;
    const json& root = package_.Root();
    if (!root.is_object()) return Fail(package_, "", "a data package must be a JSON object");
    int resource = FindResource();
    if (resource < 0) return false;
    std::string base = "/resources/" + std::to_string(resource);
    const json& entry = root["resources"][static_cast<std::size_t>(resource)];
    if (!ReadPath(entry, base) || !ReadDialect(entry, base) || !ReadEncoding(entry, base) || !LoadSchema(entry, base))
      return false;
    ReadSchema();
    return !problems_.HasErrors();
  }

 private:
  bool Fail(const JsonFile& file, const std::string& pointer, const std::string& text) {
    problems_.Error(file.Where(pointer), text);
    return false;
  }
  bool SchemaFail(const std::string& pointer, const std::string& text) {
    return Fail(*schemaFile_, schemaBase_ + pointer, text);
  }

  int FindResource() {
    const json& resources = Member(package_.Root(), "resources");
    if (!resources.is_array() || resources.empty()) {
      Fail(package_, "/resources", "the data package needs a \"resources\" list with one tabular resource");
      return -1;
    }
    int found = -1;
    for (std::size_t i = 0; i < resources.size(); ++i) {
      if (!resources[i].is_object() || !resources[i].contains("schema")) continue;
      if (found >= 0) {
        Fail(package_, "/resources/" + std::to_string(i), "the data package has more than one tabular resource");
        return -1;
      }
      found = static_cast<int>(i);
    }
    if (found < 0) Fail(package_, "/resources", "no resource of the data package has a \"schema\"");
    return found;
  }

  // A file named in the package, taken from the package's folder; absolute
  // names and names that climb out of the folder are refused.
  bool PackageFile(const json& value, const std::string& pointer, const char* what, fs::path* path,
                   std::string* shown) {
    if (!value.is_string() || value.get<std::string>().empty())
      return Fail(package_, pointer, std::string("the ") + what + " must be a file name");
    fs::path relative(value.get<std::string>());
    bool climbs = false;
    for (const fs::path& part : relative) climbs = climbs || part == "..";
    if (relative.is_absolute() || climbs || value.get<std::string>().find("://") != std::string::npos)
      return Fail(package_, pointer,
                  std::string("the ") + what + " " + Quoted(value.get<std::string>()) +
                      " must be a file name relative to the package's folder");
    *path = folder_ / relative;
    *shown = (shownFolder_ / relative).string();
    if (!StaysInFolder(*path))
      return Fail(package_, pointer,
                  std::string("the ") + what + " " + Quoted(value.get<std::string>()) +
                      " leads outside the package's folder through a symbolic link");
    return true;
  }

  // A link inside the folder may not lead out of it.
  bool StaysInFolder(const fs::path& path) const {
    std::error_code error;
    fs::path folder = fs::weakly_canonical(fs::absolute(folder_, error), error);
    fs::path target = fs::weakly_canonical(fs::absolute(path, error), error);
    auto [end, unused] = std::mismatch(folder.begin(), folder.end(), target.begin(), target.end());
    return end == folder.end();
  }

  bool ReadPath(const json& entry, const std::string& base) {
    if (!entry.contains("path")) return Fail(package_, base, "the resource has no \"path\" to its CSV file");
    fs::path path;
    if (!PackageFile(entry["path"], base + "/path", "resource path", &path, &plan_.table.shownName)) return false;
    plan_.table.path = path.string();
    return true;
  }

  bool ReadDialect(const json& entry, const std::string& base) {
    if (!entry.contains("dialect")) return true;
    const json& dialect = entry["dialect"];
    std::string pointer = base + "/dialect";
    if (!dialect.is_object()) return Fail(package_, pointer, "the dialect must be an object");
    auto character = [&](const char* key, char* out) {
      if (!dialect.contains(key)) return true;
      const json& value = dialect[key];
      if (!value.is_string() || value.get<std::string>().size() != 1 || value.get<std::string>()[0] == '\n')
        return Fail(package_, pointer + "/" + key, std::string("\"") + key + "\" must be one character");
      *out = value.get<std::string>()[0];
      return true;
    };
    if (!character("delimiter", &plan_.table.dialect.delimiter) || !character("quoteChar", &plan_.table.dialect.quote))
      return false;
    if (dialect.contains("header")) {
      if (!dialect["header"].is_boolean()) return Fail(package_, pointer + "/header", "\"header\" must be true or false");
      plan_.table.dialect.header = dialect["header"].get<bool>();
    }
    const json& doubleQuote = Member(dialect, "doubleQuote");
    if (!doubleQuote.is_null() && doubleQuote != true)
      return Fail(package_, pointer + "/doubleQuote", "only doubled quotes are supported inside quoted values");
    return true;
  }

  bool ReadEncoding(const json& entry, const std::string& base) {
    if (!entry.contains("encoding")) return true;
    if (!entry["encoding"].is_string()) return Fail(package_, base + "/encoding", "\"encoding\" must be a text");
    std::string encoding = entry["encoding"].get<std::string>();
    std::string lower = encoding;
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (lower == "utf-8" || lower == "utf8") return true;
    if (!Utf8FileCopy::IsKnownEncoding(encoding))
      return Fail(package_, base + "/encoding",
                  "the encoding " + Quoted(encoding) + " is not known (known ones include UTF-8, latin1 and windows-1252)");
    plan_.table.dialect.encoding = encoding;
    return true;
  }

  bool LoadSchema(const json& entry, const std::string& base) {
    const json& schema = entry["schema"];
    if (schema.is_object()) {
      schemaFile_ = &package_;
      schemaBase_ = base + "/schema";
      schema_ = &schema;
      return true;
    }
    fs::path path;
    std::string shown;
    if (!PackageFile(schema, base + "/schema", "schema", &path, &shown)) return false;
    if (!externalSchema_.Load(path.string(), shown, problems_, kSchemaLists)) return false;
    schemaFile_ = &externalSchema_;
    schemaBase_.clear();
    schema_ = &externalSchema_.Root();
    if (!schema_->is_object()) return SchemaFail("", "a table schema must be a JSON object");
    return true;
  }

  void ReadSchema() {
    const json& fields = Member(*schema_, "fields");
    if (!fields.is_array() || fields.empty()) {
      SchemaFail("/fields", "the table schema needs a \"fields\" list");
      return;
    }
    if (!ReadNullTexts()) return;
    for (std::size_t i = 0; i < fields.size(); ++i) ReadField(fields[i], "/fields/" + std::to_string(i));
    if (problems_.HasErrors()) return;
    ReadWeight();
    ReadSplits();
    ReadSets();
    ReadCurrencies();
  }

  bool ReadNullTexts() {
    if (!schema_->contains("missingValues")) {
      nullTexts_ = {""};
      return true;
    }
    const json& values = (*schema_)["missingValues"];
    if (!values.is_array()) return SchemaFail("/missingValues", "\"missingValues\" must be a list of texts");
    for (std::size_t i = 0; i < values.size(); ++i) {
      if (!values[i].is_string())
        return SchemaFail("/missingValues/" + std::to_string(i), "\"missingValues\" must be a list of texts");
      nullTexts_.push_back(values[i].get<std::string>());
    }
    return true;
  }

  void ReadField(const json& field, const std::string& pointer) {
    if (!field.is_object() || !field.contains("name") || !field["name"].is_string()) {
      SchemaFail(pointer, "a field needs a \"name\"");
      return;
    }
    VariablePlan variable;
    CsvField csv;
    VariableDefinition& definition = variable.definition;
    definition.name = csv.name = field["name"].get<std::string>();
    if (!CheckName(definition.name, pointer + "/name")) return;
    if (!ReadKind(field, pointer, &csv.kind)) return;
    csv.nullTexts = nullTexts_;
    bool isString = csv.kind == FieldKind::kString;
    definition.width = isString ? kMaxStringWidth : 0;  // settled by the data or by "width"
    definition.valueLabels = ValueLabelTable(definition.width);
    if (field.contains("title")) {
      if (!field["title"].is_string()) {
        SchemaFail(pointer + "/title", "\"title\" must be a text");
        return;
      }
      definition.label = field["title"].get<std::string>();
    }
    if (!ReadNumberForm(field, pointer, csv) || !ReadWidthAndFormat(field, pointer, csv, variable) || !ReadCategories(field, pointer, csv.kind, definition) ||
        !ReadMissingValues(field, pointer, csv.kind, definition) || !ReadMissingRange(field, pointer, csv.kind, definition) ||
        !ReadLevel(field, pointer, csv.kind, definition))
      return;
    plan_.table.fields.push_back(std::move(csv));
    plan_.variables.push_back(std::move(variable));
  }

  bool CheckName(const std::string& name, const std::string& pointer) {
    if (!IsValidVariableName(name))
      return SchemaFail(pointer, Quoted(name) + " is not a valid variable name");
    if (!variableNames_.insert(NameKey(name)).second)
      return SchemaFail(pointer, "the variable name " + Quoted(name) + " is used twice");
    return true;
  }

  bool ReadKind(const json& field, const std::string& pointer, FieldKind* kind) {
    const json& given = Member(field, "type");
    std::string type = given.is_null() ? "string" : given.is_string() ? given.get<std::string>() : given.dump();
    for (const TypeName& entry : kTypes) {
      if (type != entry.name) continue;
      *kind = entry.kind;
      const json& format = Member(field, "format");
      bool dated = *kind == FieldKind::kDate || *kind == FieldKind::kDateTime || *kind == FieldKind::kTime;
      if (dated && !format.is_null() && format != "default" && format != "any")
        return SchemaFail(pointer + "/format", "only the default (ISO 8601) format of dates and times is supported");
      return true;
    }
    return SchemaFail(pointer + "/type", "the field type " + Quoted(type) +
                                             " is not supported (number, integer, string, date, datetime, time)");
  }

  // groupChar, decimalChar and bareNumber of a number or integer field.
  bool ReadNumberForm(const json& field, const std::string& pointer, CsvField& csv) {
    bool numeric = csv.kind == FieldKind::kNumber || csv.kind == FieldKind::kInteger;
    auto character = [&](const char* key, char* out) {
      if (!field.contains(key)) return true;
      const json& value = field[key];
      if (!numeric) return SchemaFail(pointer + "/" + key, std::string("\"") + key + "\" applies to number fields only");
      if (!value.is_string() || value.get<std::string>().size() != 1 ||
          std::isdigit(static_cast<unsigned char>(value.get<std::string>()[0])) || value.get<std::string>() == "-")
        return SchemaFail(pointer + "/" + key, std::string("\"") + key + "\" must be one character other than a digit");
      *out = value.get<std::string>()[0];
      return true;
    };
    NumberForm& form = csv.numberForm;
    if (!character("groupChar", &form.groupChar) || !character("decimalChar", &form.decimalChar)) return false;
    if (form.groupChar == form.decimalChar)
      return SchemaFail(pointer + "/groupChar", "\"groupChar\" and \"decimalChar\" must differ");
    if (!field.contains("bareNumber")) return true;
    if (!numeric) return SchemaFail(pointer + "/bareNumber", "\"bareNumber\" applies to number fields only");
    if (!field["bareNumber"].is_boolean())
      return SchemaFail(pointer + "/bareNumber", "\"bareNumber\" must be true or false");
    form.bareNumber = field["bareNumber"].get<bool>();
    return true;
  }

  bool ReadWidthAndFormat(const json& field, const std::string& pointer, CsvField& csv, VariablePlan& variable) {
    bool isString = csv.kind == FieldKind::kString;
    VariableDefinition& definition = variable.definition;
    if (field.contains("displayFormat")) {
      const json& text = field["displayFormat"];
      VEXA_Format format;
      if (!text.is_string() || !ParseDisplayFormat(text.get<std::string>(), &format))
        return SchemaFail(pointer + "/displayFormat", "the display format " + (text.is_string() ? Quoted(text) : text.dump()) +
                                                          " is not valid");
      if ((FormatType(format) == kFormatA) != isString)
        return SchemaFail(pointer + "/displayFormat", isString ? "a string field needs an A format"
                                                               : "an A format fits only string fields");
      definition.format = format;
      variable.formatGiven = true;
      if (isString) csv.declaredWidth = FormatWidth(format);
    }
    if (!field.contains("width")) return true;
    const json& width = field["width"];
    if (!isString) return SchemaFail(pointer + "/width", "\"width\" applies to string fields only");
    if (!width.is_number_integer() || width.get<int>() < 1 || width.get<int>() > kMaxStringWidth)
      return SchemaFail(pointer + "/width", "\"width\" must be a whole number from 1 to " + std::to_string(kMaxStringWidth));
    csv.declaredWidth = width.get<int>();
    return true;
  }

  // A value of the field's kind given in the schema (a category, a missing
  // value, a range end); the fault's text, or empty. Callers compose the
  // pointer of a fault only when there is one: a list may hold a million.
  std::string ValueFault(const json& value, FieldKind kind, double* number, std::string* text) {
    if (value.is_number() && kind != FieldKind::kString) {  // the common case, without its text
      *number = value.get<double>();
      return {};
    }
    std::optional<std::string> cell = CellText(value);
    if (!cell) return "the value must be a text or a number";
    if (kind == FieldKind::kString) {
      if (static_cast<int>(cell->size()) > kMaxStringWidth) return "the value is too long";
      *text = *cell;
      return {};
    }
    int decimals;
    bool ok = value.is_number() ? (*number = value.get<double>(), true)
              : kind == FieldKind::kDate     ? ParseDateText(*cell, number)
              : kind == FieldKind::kDateTime ? ParseDateTimeText(*cell, number)
              : kind == FieldKind::kTime     ? ParseTimeText(*cell, number)
                                             : ParseNumberText(*cell, number, &decimals) && std::isfinite(*number);
    return ok ? std::string() : "the value " + Quoted(*cell) + " does not fit the field's type";
  }

  // Adds a labelled value (a category or a labelled missing value): the item
  // at index of the list at pointer.
  bool AddLabel(const json& item, FieldKind kind, const std::string& pointer, std::size_t index,
                VariableDefinition& definition, double* number, std::string* text) {
    auto at = [&](const char* member) { return pointer + "/" + std::to_string(index) + member; };
    const bool isObject = item.is_object();
    std::string fault = ValueFault(isObject ? Member(item, "value") : item, kind, number, text);
    if (!fault.empty()) return SchemaFail(at(isObject ? "/value" : ""), fault);
    if (!isObject) return true;
    auto label = item.find("label");
    if (label == item.end()) return true;
    if (!label->is_string()) return SchemaFail(at("/label"), "a label must be a text");
    if (kind == FieldKind::kString)
      definition.valueLabels.AddText(*text, label->get<std::string>());
    else
      definition.valueLabels.AddNumber(*number, label->get<std::string>());
    return true;
  }

  // Reads a list of labelled values (categories or user-missing values);
  // each value read goes to addValue.
  bool ReadLabelledValues(const json& field, const std::string& pointer, const char* key, FieldKind kind,
                          VariableDefinition& definition,
                          const std::function<void(double, const std::string&)>& addValue) {
    if (!field.contains(key)) return true;
    const json& items = field[key];
    std::string at = pointer + "/" + key;
    if (!items.is_array()) return SchemaFail(at, std::string("\"") + key + "\" must be a list");
    definition.valueLabels.Reserve(definition.valueLabels.Entries().size() + schemaFile_->Size(items));
    return schemaFile_->ForEachElement(items, [&](const json& item, std::size_t i) {
      double number = 0;
      std::string text;
      if (!AddLabel(item, kind, at, i, definition, &number, &text)) return false;
      addValue(number, text);
      return true;
    });
  }

  bool ReadCategories(const json& field, const std::string& pointer, FieldKind kind, VariableDefinition& definition) {
    return ReadLabelledValues(field, pointer, "categories", kind, definition, [](double, const std::string&) {});
  }

  bool ReadMissingValues(const json& field, const std::string& pointer, FieldKind kind, VariableDefinition& definition) {
    return ReadLabelledValues(field, pointer, "missingValues", kind, definition,
                              [&](double number, const std::string& text) {
                                if (kind == FieldKind::kString)
                                  definition.missing.AddText(text);
                                else
                                  definition.missing.AddNumber(number);
                              });
  }

  bool ReadMissingRange(const json& field, const std::string& pointer, FieldKind kind, VariableDefinition& definition) {
    if (!field.contains("missingRange")) return true;
    const json& range = field["missingRange"];
    std::string at = pointer + "/missingRange";
    if (kind == FieldKind::kString) return SchemaFail(at, "a string field cannot have a missing-value range");
    if (!range.is_object() || (!range.contains("low") && !range.contains("high")))
      return SchemaFail(at, "\"missingRange\" needs \"low\", \"high\" or both");
    MissingValues::Range bounds;
    for (const char* end : {"low", "high"}) {
      if (!range.contains(end)) continue;
      double number;
      std::string text;
      std::string fault = ValueFault(range[end], kind, &number, &text);
      if (!fault.empty()) return SchemaFail(at + "/" + end, fault);
      (std::string(end) == "low" ? bounds.low : bounds.high) = number;
    }
    if (bounds.low && bounds.high && *bounds.low > *bounds.high)
      return SchemaFail(at, "the low end of the missing-value range is above its high end");
    definition.missing.SetRange(bounds);
    return true;
  }

  bool ReadLevel(const json& field, const std::string& pointer, FieldKind kind, VariableDefinition& definition) {
    if (field.contains("measure")) {
      std::string measure = field["measure"].is_string() ? field["measure"].get<std::string>() : "";
      for (const LevelName& entry : kLevels) {
        if (measure != entry.name) continue;
        definition.level = entry.level;
        return true;
      }
      return SchemaFail(pointer + "/measure", "\"measure\" must be \"scale\", \"nominal\" or \"ordinal\"");
    }
    bool categorical = kind == FieldKind::kString || field.contains("categories");
    bool ordered = Member(field, "categoriesOrdered") == true;
    definition.level = !categorical ? kLevelScale : ordered ? kLevelOrdinal : kLevelNominal;
    return true;
  }

  // The column of a field named at pointer; -1 after reporting.
  int Column(const json& name, const std::string& pointer, const std::string& role) {
    if (!name.is_string()) {
      SchemaFail(pointer, "the " + role + " must be given by its field name");
      return -1;
    }
    for (std::size_t c = 0; c < plan_.variables.size(); ++c)
      if (SameName(plan_.variables[c].definition.name, name.get<std::string>())) return static_cast<int>(c);
    SchemaFail(pointer, "the " + role + " " + Quoted(name.get<std::string>()) + " does not exist");
    return -1;
  }

  void ReadWeight() {
    if (!schema_->contains("weightVariable")) return;
    int column = Column((*schema_)["weightVariable"], "/weightVariable", "weight variable");
    if (column < 0) return;
    if (plan_.table.fields[static_cast<std::size_t>(column)].kind == FieldKind::kString) {
      SchemaFail("/weightVariable", "the weight variable " + plan_.variables[static_cast<std::size_t>(column)].definition.name +
                                        " is a string; a weight must be numeric");
      return;
    }
    plan_.weight = column;
  }

  void ReadSplits() {
    if (!schema_->contains("splitVariables")) return;
    const json& splits = (*schema_)["splitVariables"];
    if (!splits.is_array()) {
      SchemaFail("/splitVariables", "\"splitVariables\" must be a list of field names");
      return;
    }
    for (std::size_t i = 0; i < splits.size(); ++i) {
      std::string pointer = "/splitVariables/" + std::to_string(i);
      int column = Column(splits[i], pointer, "split variable");
      if (column < 0) continue;
      if (std::find(plan_.splits.begin(), plan_.splits.end(), column) != plan_.splits.end())
        SchemaFail(pointer, "the split variable " + splits[i].get<std::string>() + " is named twice");
      else
        plan_.splits.push_back(column);
    }
  }

  void ReadSets() {
    if (!schema_->contains("multipleResponseSets")) return;
    const json& sets = (*schema_)["multipleResponseSets"];
    if (!sets.is_array()) {
      SchemaFail("/multipleResponseSets", "\"multipleResponseSets\" must be a list");
      return;
    }
    for (std::size_t i = 0; i < sets.size(); ++i) ReadSet(sets[i], "/multipleResponseSets/" + std::to_string(i));
  }

  void ReadSet(const json& set, const std::string& pointer) {
    VariableSet::Definition definition;
    if (!set.is_object() || !set.contains("name") || !set["name"].is_string()) {
      SchemaFail(pointer, "a multiple-response set needs a \"name\"");
      return;
    }
    definition.name = set["name"].get<std::string>();
    if (!IsValidSetName(definition.name)) {
      SchemaFail(pointer + "/name", Quoted(definition.name) + " is not a valid set name: it must begin with \"$\"");
      return;
    }
    for (const VariableSet& other : plan_.sets)
      if (SameName(other.GetName(VariableSet::kAsDefined), definition.name)) {
        SchemaFail(pointer + "/name", "the set name " + Quoted(definition.name) + " is used twice");
        return;
      }
    const json& type = Member(set, "type");
    if (type != "categories" && type != "dichotomies") {
      SchemaFail(pointer + "/type", "the set type must be \"categories\" or \"dichotomies\"");
      return;
    }
    definition.type = type == "categories" ? VariableSet::kCategories : VariableSet::kDichotomies;
    if (set.contains("label")) {
      if (!set["label"].is_string()) {
        SchemaFail(pointer + "/label", "\"label\" must be a text");
        return;
      }
      definition.label = set["label"].get<std::string>();
    }
    if (!ReadSetMembers(set, pointer, definition) || !ReadCountedValue(set, pointer, definition)) return;
    plan_.sets.emplace_back(std::move(definition));
  }

  bool ReadSetMembers(const json& set, const std::string& pointer, VariableSet::Definition& definition) {
    const json& members = Member(set, "variables");
    if (!members.is_array() || members.empty())
      return SchemaFail(pointer + "/variables", "a multiple-response set needs a list of \"variables\"");
    std::set<int> seen;
    int strings = 0;
    for (std::size_t i = 0; i < members.size(); ++i) {
      std::string at = pointer + "/variables/" + std::to_string(i);
      int column = Column(members[i], at, "variable of the set " + definition.name + ",");
      if (column < 0) return false;
      if (!seen.insert(column).second)
        return SchemaFail(at, "the variable " + members[i].get<std::string>() + " is named twice in the set");
      strings += plan_.table.fields[static_cast<std::size_t>(column)].kind == FieldKind::kString;
      definition.variables.push_back(plan_.variables[static_cast<std::size_t>(column)].definition.name);
    }
    if (strings != 0 && strings != static_cast<int>(members.size()))
      return SchemaFail(pointer + "/variables", "the variables of a set must be all numeric or all strings");
    return true;
  }

  bool ReadCountedValue(const json& set, const std::string& pointer, VariableSet::Definition& definition) {
    if (definition.type != VariableSet::kDichotomies) return true;
    std::optional<std::string> counted = CellText(Member(set, "countedValue"));
    if (!counted || counted->empty())
      return SchemaFail(pointer + "/countedValue", "a set of dichotomies needs its \"countedValue\"");
    definition.countedValue = *counted;
    for (const char* flag : {"enhanced", "useCategoryLabels"}) {
      if (set.contains(flag) && !set[flag].is_boolean())
        return SchemaFail(pointer + "/" + flag, std::string("\"") + flag + "\" must be true or false");
    }
    definition.enhanced = Member(set, "enhanced") == true;
    definition.useCategoryLabels = Member(set, "useCategoryLabels") == true;
    return true;
  }

  void ReadCurrencies() {
    if (!schema_->contains("customCurrencies")) return;
    const json& currencies = (*schema_)["customCurrencies"];
    if (!currencies.is_object()) {
      SchemaFail("/customCurrencies", "\"customCurrencies\" must map CCA to CCE to a prefix and a suffix");
      return;
    }
    static constexpr std::array<const char*, 5> kNames = {"CCA", "CCB", "CCC", "CCD", "CCE"};
    for (auto& [name, affixes] : currencies.items()) {
      auto found = std::find(kNames.begin(), kNames.end(), name);
      std::string at = "/customCurrencies/" + name;
      const json& prefix = Member(affixes, "prefix");
      const json& suffix = Member(affixes, "suffix");
      if (found == kNames.end() || !affixes.is_object() || !(prefix.is_null() || prefix.is_string()) ||
          !(suffix.is_null() || suffix.is_string())) {
        SchemaFail(at, "custom currencies are CCA to CCE, each an object with a \"prefix\" and a \"suffix\" text");
        continue;
      }
      CurrencyAffixes value{prefix.is_string() ? prefix.get<std::string>() : "",
                            suffix.is_string() ? suffix.get<std::string>() : ""};
      plan_.currencies.emplace_back(static_cast<int>(found - kNames.begin()), std::move(value));
    }
  }

  DataPlan& plan_;
  std::unordered_set<std::string> variableNames_;  // as NameKey gives them
  DataProblems& problems_;
  JsonFile package_;
  JsonFile externalSchema_;
  const JsonFile* schemaFile_ = nullptr;
  std::string schemaBase_;
  const json* schema_ = nullptr;
  fs::path folder_;
  fs::path shownFolder_;
  std::vector<std::string> nullTexts_;
};

}  // namespace

bool ReadDataPackage(const std::string& path, const std::string& shownName, DataPlan* plan, DataProblems& problems) {
  return PackageReader(*plan, problems).Read(path, shownName);
}
