#pragma once
#include <string>
#include <vector>

#include "OutputItem.h"

// One numbered content of a message to the front end.
struct ModelMessageContent {
  int number;
  bool isFile;
  std::string content;
};

struct ModelMessage {
  int type = 0;
  std::vector<ModelMessageContent> contents;
};

// {"type": "modelMessage", "messageType", "contents": [{"number", "file",
// "text" or "base64"}]}: a content that is not valid UTF-8 goes as base64.
class ModelMessageItem : public OutputItem {
 public:
  explicit ModelMessageItem(const ModelMessage& message) : message_(message) {}
  void WriteJson(JsonWriter& json) const override;
  void WriteListing(std::ostream& out) const override;

 private:
  const ModelMessage& message_;
};
