#pragma once
#include <string>
#include <vector>

// The faults found while reading a data set. Each text names the file and,
// where there is one, the line and the column.
class DataProblems {
 public:
  static constexpr int kWarning = 2;
  static constexpr int kError = 3;

  struct Problem {
    int level;
    std::string text;
  };

  // "file, line L, column C"; line or column 0 are left out.
  static std::string Where(const std::string& file, long line, long column);

  void Error(const std::string& where, const std::string& text) { Add(kError, where, text); }
  void Warning(const std::string& where, const std::string& text) { Add(kWarning, where, text); }
  bool HasErrors() const;
  const std::vector<Problem>& All() const { return problems_; }

 private:
  void Add(int level, const std::string& where, const std::string& text);

  std::vector<Problem> problems_;
};
