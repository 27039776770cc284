#pragma once
#include <string>
#include <vector>

// One argument of an output composite.
class OmStringCell {
 public:
  explicit OmStringCell(std::string text) : text_(std::move(text)) {}
  const std::string& Text() const { return text_; }

 private:
  std::string text_;
};

// Fills the placeholders ^1, ^2, ... of a pattern with its arguments in order.
class OmComposite {
 public:
  explicit OmComposite(std::string pattern) : pattern_(std::move(pattern)) {}
  void Add(const OmStringCell& cell) { args_.push_back(cell.Text()); }
  void End() { ended_ = true; }
  void Substitute();
  const std::string& Text() const { return text_; }

 private:
  std::string pattern_;
  std::vector<std::string> args_;
  std::string text_;
  bool ended_ = false;
};

// Replaces ^1 ... ^9 in pattern by args[0] ... args[8]; other text stays.
std::string SubstitutePlaceholders(const std::string& pattern, const std::vector<std::string>& args);
