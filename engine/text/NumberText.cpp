#include "engine/text/NumberText.h"

#include <fmt/format.h>

std::string ShortestNumberText(double value) { return fmt::format("{}", value); }
