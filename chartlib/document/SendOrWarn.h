#pragma once
#include "XDocument.h"

// Sends a document that holds what it needs; otherwise puts the warning into
// the output instead, so that a file that could not be used is not lost
// without a word.
bool SendOrWarn(XDocument& document, bool show, bool later, bool thumbnail, const char* warning);
