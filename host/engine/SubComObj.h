#pragma once
#include <string>
#include <vector>

#include "TokenInfoObj.h"

// One subcommand: its name and the tokens that follow it.
class SubComObj {
 public:
  explicit SubComObj(std::string name) : name_(std::move(name)) {}
  void AddToken(TokenInfoObj token) { tokens_.push_back(std::move(token)); }

  const char* getSubComName() const { return name_.c_str(); }
  int getTokenListSize() const { return static_cast<int>(tokens_.size()); }
  const TokenInfoObj* getTokenObj(int i) const { return &tokens_.at(i); }

 private:
  std::string name_;
  std::vector<TokenInfoObj> tokens_;
};
