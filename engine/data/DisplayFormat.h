#pragma once
#include <string>
#include <string_view>

#include "VEXA_Format.h"

// Display formats as users write them: a name, a width and, for numbers,
// decimals: "F8.2", "A12", "COMMA10.2", "DOLLAR10.2", "PCT8.1", "E10.3",
// "DATE10", "TIME8", "DATETIME19", "CCA10.2" to "CCE10.2".

// False when the text is not such a format.
bool ParseDisplayFormat(std::string_view text, VEXA_Format* format);
std::string DisplayFormatText(VEXA_Format format);
