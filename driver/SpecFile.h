#pragma once
#include <optional>
#include <string>

// The whole content of a file named in a graph spec. A file that cannot be
// read (or is empty) is reported with the name as written, and gives none.
std::optional<std::string> FetchSpecFile(const std::string& file);
