#pragma once
#include <optional>
#include <string>

// The text without a leading byte-order mark when it is valid JSON; nothing
// otherwise. The check streams through the text without building a tree.
std::optional<std::string> ValidJson(std::string text);
