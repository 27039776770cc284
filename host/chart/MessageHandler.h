#pragma once
#include <memory>
#include <string>

struct ModelMessage;

// One message to the front end, built from numbered contents. The module
// sends model files with it: type 56; content 0 the description, 1 a single
// model file, 3 and 4 the first and second of two.
class MessageHandler {
 public:
  MessageHandler();
  ~MessageHandler();
  MessageHandler(const MessageHandler&) = delete;
  MessageHandler& operator=(const MessageHandler&) = delete;

  void setMessageType(int type);
  // isFile: the content is a file's content rather than a text of the module.
  void addMessageContents(const std::string& content, int number, bool isFile);
  // Puts the message into the output; false when it has no content.
  bool sendMessage();

 private:
  std::unique_ptr<ModelMessage> message_;
};
