#pragma once
#include <stdexcept>

// The engine's abandon exception: ends the current procedure and returns to the
// command dispatcher. Modules let it pass.
class VexaGoToCaller : public std::runtime_error {
 public:
  VexaGoToCaller() : std::runtime_error("procedure abandoned") {}
};
