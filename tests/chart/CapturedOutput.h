#pragma once
// Runs chart-library calls inside an engine session and gives back what they
// put into the output document.

#include <nlohmann/json.hpp>

#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "engine/output/JsonSink.h"
#include "engine/output/ListingSink.h"
#include "engine/output/OutputDocument.h"
#include "engine/session/EngineSession.h"

class CapturedOutput {
 public:
  explicit CapturedOutput(const std::string& baseFolder = ".") {
    output_.AddSink(std::make_unique<JsonSink>(json_));
    output_.AddSink(std::make_unique<ListingSink>(listing_));
    session_ = std::make_unique<EngineSession>(EngineOptions{}, output_);
    session_->SetBaseFolder(baseFolder);
  }

  // Ends the session; the items in output order.
  std::vector<nlohmann::json> Items() {
    Finish();
    return document_["items"].get<std::vector<nlohmann::json>>();
  }

  std::string Listing() {
    Finish();
    return listing_.str();
  }

 private:
  void Finish() {
    if (!session_) return;
    session_.reset();
    output_.Finish();
    document_ = nlohmann::json::parse(json_.str());
  }

  std::ostringstream json_;
  std::ostringstream listing_;
  OutputDocument output_;
  std::unique_ptr<EngineSession> session_;
  nlohmann::json document_;
};
