#pragma once
#include <string>

#include "syntax/CommandGrammar.h"

// Reads one inline block that follows the command through the engine's line
// reader. Returns true when the block was read up to its end marker; text
// receives what was read in either case.
bool CaptureInlineBlock(const InlineBlockFormat& format, void* workArea, std::string& text);
