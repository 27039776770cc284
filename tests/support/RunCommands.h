#pragma once
// Runs command text through the engine and gives back the output document.

#include <nlohmann/json.hpp>

#include <sstream>
#include <string>

#include "engine/session/CommandFileRun.h"

struct CommandRun {
  nlohmann::json document;
  std::string listing;
  RunResult result;
};

inline CommandRun RunCommands(const std::string& text, EngineOptions options = {},
                              const std::string& baseFolder = ".") {
  std::istringstream in(text);
  std::ostringstream listing;
  std::ostringstream json;
  CommandRun run;
  run.result = RunCommandStream(in, baseFolder, options, RunOutputs{.listing = &listing, .json = &json});
  run.listing = listing.str();
  run.document = nlohmann::json::parse(json.str());
  return run;
}

// Every item of the document, procedures flattened, in output order.
inline void CollectItems(const nlohmann::json& items, std::vector<nlohmann::json>& out) {
  for (const auto& item : items) {
    out.push_back(item);
    if (item.value("type", "") == "procedure") CollectItems(item["items"], out);
  }
}

inline std::vector<nlohmann::json> ItemsOfType(const CommandRun& run, const std::string& type) {
  std::vector<nlohmann::json> all, matching;
  CollectItems(run.document["items"], all);
  for (auto& item : all)
    if (item["type"] == type) matching.push_back(item);
  return matching;
}

// The renderer's word on a chart it does not draw. Tests of the module's own
// messages leave it aside: their charts are stubs that need not be drawable.
inline bool IsNotDrawnWarning(const nlohmann::json& item) {
  return item.value("type", "") == "message" && item.value("text", "").starts_with("The chart is not drawn: ");
}

// The messages of the run other than those.
inline std::vector<nlohmann::json> ModuleMessages(const CommandRun& run) {
  std::vector<nlohmann::json> messages;
  for (auto& message : ItemsOfType(run, "message"))
    if (!IsNotDrawnWarning(message)) messages.push_back(message);
  return messages;
}
