#pragma once
#include <string>

// What the module reads in the engine's shared work areas, which the module
// start keeps when the engine loads the module.

// The two-character code of the module that invoked the current command.
std::string InvokingModuleCode();
// True when the RFM analysis module (code QK) invoked the current command.
bool InvokedByRfmModule();
// The engine's input line buffer.
char* InputLineBuffer();
