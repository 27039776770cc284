#include "FacSTDictionary.h"

#include <unordered_map>

#include "engine/strings/StringTableFile.h"

struct FacSTDictionary::Rep {
  std::string location;
  std::unordered_map<std::string, std::string> texts;
};

FacSTDictionary::FacSTDictionary(const std::string& location) : rep_(std::make_unique<Rep>()) {
  rep_->location = location;
}

FacSTDictionary::~FacSTDictionary() = default;

void FacSTDictionary::SetProcedure(const char* procedure) {
  rep_->texts = ReadStringTableFile(rep_->location + "/" + procedure + ".txt");
  rep_->texts.merge(ReadStringTableFile(rep_->location + "/common.txt"));
}

std::string FacSTDictionary::LookUp(const std::string& key) const {
  auto found = rep_->texts.find(key);
  return found == rep_->texts.end() ? key : found->second;
}
