#pragma once
#include <string>

#include "OutputItem.h"

class MessageItem : public OutputItem {
 public:
  MessageItem(int level, std::string text, int engineError, int line, int column)
      : level_(level), text_(std::move(text)), engineError_(engineError), line_(line), column_(column) {}
  void WriteJson(JsonWriter& json) const override;
  void WriteListing(std::ostream& out) const override;

 private:
  int level_;
  std::string text_;
  int engineError_;
  int line_;
  int column_;
};

// A text item of a given type ("log", "debug", "splitChange").
class TextItem : public OutputItem {
 public:
  // line: the command file's line the text echoes, 0 when none.
  TextItem(const char* type, std::string text, const char* listingPrefix, int line = 0)
      : type_(type), text_(std::move(text)), prefix_(listingPrefix), line_(line) {}
  void WriteJson(JsonWriter& json) const override;
  void WriteListing(std::ostream& out) const override;

 private:
  const char* type_;
  std::string text_;
  const char* prefix_;
  int line_;
};
