// libFuzzer target: GPL text of any bytes through the parser and the reading
// of its declarations. It must never crash, hang or recurse without bound,
// and a text either gives a chart or says why not.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "chartlib/document/ParsedChart.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view gpl(reinterpret_cast<const char*>(data), size);
  ParsedChart chart = ReadGplChart(gpl);
  XGraph graph(std::move(chart.declarations));
  for (const std::string& source : graph.getUserSourceNames())
    if (!graph.doesSourceExist(source)) __builtin_trap();
  for (const auto& variable : graph.variables())
    if (graph.getVariable(variable->getName(), 0)->getName() != variable->getName()) __builtin_trap();
  return 0;
}
