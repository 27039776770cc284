#pragma once
#include <memory>
#include <string>

// A string table: localised texts by key. A key the table does not hold is
// given back unchanged.
class FacSTDictionary {
 public:
  explicit FacSTDictionary(const std::string& location);
  ~FacSTDictionary();
  FacSTDictionary(const FacSTDictionary&) = delete;
  FacSTDictionary& operator=(const FacSTDictionary&) = delete;

  void SetProcedure(const char* procedure);
  std::string LookUp(const std::string& key) const;

 private:
  struct Rep;
  std::unique_ptr<Rep> rep_;
};
