#pragma once
#include <string>

// The engine's local code page: the encoding of names, labels and string
// values as the data give them. Empty (the default) means UTF-8; the data
// reader sets it when a data file names another encoding (an iconv name such
// as "ISO-8859-1" or "CP1252").
void SetLocalCodePage(std::string encoding);
const std::string& LocalCodePage();
