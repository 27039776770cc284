#pragma once
#include <string>

// Ctrl-C (SIGINT) or SIGTERM ends the run at once with exit status 130 (143
// for SIGTERM): the temporary files of outputs not yet complete are removed,
// so their targets keep what they held before the run.
void StopCleanlyOnInterrupt();

// A temporary file that an interrupt removes (at most 16). One already
// renamed into place is gone, so removing its name does nothing.
void RemoveOnInterrupt(const std::string& path);
