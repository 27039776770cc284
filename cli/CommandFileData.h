#pragma once
#include <istream>
#include <string>

// The data a command file names in its leading comment lines, as
// "* Data: PATH ...": the first word after "Data:", without a closing period.
// Empty when the leading comments name none. Relative paths stay relative:
// the caller takes them from the command file's folder.
std::string DataNamedInComments(std::istream& commands);
