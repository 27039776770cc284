#pragma once
#include <string>

#include "host/engine/LocalCodePage.h"

// The data reader sets the local code page when a data file names another
// encoding (an iconv name such as "ISO-8859-1" or "CP1252").
void SetLocalCodePage(std::string encoding);
