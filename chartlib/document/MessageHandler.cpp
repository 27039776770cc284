#include "MessageHandler.h"

#include "ChartOutput.h"
#include "chartlib/output/ModelMessageItem.h"

MessageHandler::MessageHandler() : message_(std::make_unique<ModelMessage>()) {}

MessageHandler::~MessageHandler() = default;

void MessageHandler::setMessageType(int type) { message_->type = type; }

void MessageHandler::addMessageContents(const std::string& content, int number, bool isFile) {
  message_->contents.push_back(ModelMessageContent{number, isFile, content});
}

bool MessageHandler::sendMessage() {
  ChartOutput* output = CurrentChartOutput();
  if (!output || message_->contents.empty()) return false;
  output->Add(ModelMessageItem(*message_));
  return true;
}
