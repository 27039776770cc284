#pragma once
#include <string>

// The engine's local code page: the encoding of names, labels and string
// values as the data give them. Empty (the default) means UTF-8.
const std::string& LocalCodePage();
