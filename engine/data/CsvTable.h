#pragma once
#include <string>
#include <vector>

#include "engine/data/CellParsers.h"

// The widest string value the engine holds: a format keeps its width in one
// byte.
inline constexpr int kMaxStringWidth = 255;

// How the cells of one CSV column become values.
enum class FieldKind { kNumber, kInteger, kString, kDate, kDateTime, kTime };

struct CsvField {
  std::string name;  // the variable's name, for messages
  FieldKind kind = FieldKind::kNumber;
  // Strings: the width no value may exceed; 0 makes the column as wide as
  // its longest value.
  int declaredWidth = 0;
  // Strings without a declared width: how wide the values are expected to be
  // (from the first rows), so that the column rarely needs to be widened.
  int expectedWidth = 0;
  // Cells with one of these texts are empty: system-missing for numbers,
  // blank for strings. An empty cell always is.
  std::vector<std::string> nullTexts;
  NumberForm numberForm;  // numbers
};

struct CsvDialect {
  char delimiter = ',';
  char quote = '"';
  bool header = true;
  std::string encoding;  // of the file, as iconv names it; empty for UTF-8
};

// A CSV file and what its columns hold.
struct CsvTable {
  std::string path;       // the file to open
  std::string shownName;  // the file as messages name it
  CsvDialect dialect;
  std::vector<CsvField> fields;
};
