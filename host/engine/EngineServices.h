#pragma once
#include <cstdint>

// Raises engine error *number. The two further arguments are passed as the
// caller's constants.
void BACKENDERROR(const std::int64_t* number, const std::int64_t* show, const std::int64_t* flags);

// True when the engine serves a thin client.
bool IsApplicationOnThinClient();
