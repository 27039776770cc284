#include "engine/data/DataProblems.h"

#include <algorithm>

std::string DataProblems::Where(const std::string& file, long line, long column) {
  std::string where = file;
  if (line > 0) where += ", line " + std::to_string(line);
  if (column > 0) where += ", column " + std::to_string(column);
  return where;
}

bool DataProblems::HasErrors() const {
  return std::any_of(problems_.begin(), problems_.end(), [](const Problem& p) { return p.level == kError; });
}

void DataProblems::Add(int level, const std::string& where, const std::string& text) {
  problems_.push_back(Problem{level, where + ": " + text});
}
