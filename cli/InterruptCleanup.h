#pragma once
#include <string>

// Ctrl-C (SIGINT) or SIGTERM ends the run at once with exit status 130 (143
// for SIGTERM): the temporary files of outputs not yet complete are removed,
// so their targets keep what they held before the run.
void StopCleanlyOnInterrupt();

// The temporary files that an interrupt removes (at most 16 at a time).
void RemoveOnInterrupt(const std::string& path);
void KeepOnInterrupt(const std::string& path);
