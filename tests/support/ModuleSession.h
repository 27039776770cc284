#pragma once
// Runs module code inside an engine session over command text, capturing the
// output document, so that tests can look at the module's objects directly.

#include <nlohmann/json.hpp>

#include <memory>
#include <sstream>
#include <string>

#include "engine/input/CommandInput.h"
#include "engine/output/JsonSink.h"
#include "engine/output/OutputDocument.h"
#include "engine/session/EngineSession.h"

class ModuleSession {
 public:
  explicit ModuleSession(const std::string& commands, EngineOptions options = {})
      : input_(Lines(commands)), session_(std::make_unique<EngineSession>(std::move(options), output_)) {
    output_.AddSink(std::make_unique<JsonSink>(json_));
    session_->SetBaseFolder(".");
    session_->BindInput(&input_);
    input_.NextCommand();
  }

  // The output document so far (closes it: call once, at the end).
  nlohmann::json Document() {
    output_.Finish();
    return nlohmann::json::parse(json_.str());
  }

  // The messages issued so far, as (level, text) pairs.
  std::vector<std::pair<int, std::string>> Messages() {
    std::vector<std::pair<int, std::string>> out;
    nlohmann::json document = Document();
    for (const auto& item : document["items"])
      if (item["type"] == "message") out.emplace_back(item["level"], item["text"]);
    return out;
  }

 private:
  static CommandInput Lines(const std::string& text) {
    std::istringstream in(text);
    return CommandInput::FromStream(in);
  }

  std::ostringstream json_;
  OutputDocument output_;
  CommandInput input_;
  std::unique_ptr<EngineSession> session_;
};
