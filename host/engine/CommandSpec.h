#pragma once
#include <vector>

#include "SubComObj.h"

// The subcommands of one command, in command order.
class CommandSpec {
 public:
  void AddSubCom(SubComObj subCom) { subComs_.push_back(std::move(subCom)); }
  SubComObj& Last() { return subComs_.back(); }

  int getSubComListSize() const { return static_cast<int>(subComs_.size()); }
  const SubComObj* getSubComObj(int i) const { return &subComs_.at(i); }

 private:
  std::vector<SubComObj> subComs_;
};
