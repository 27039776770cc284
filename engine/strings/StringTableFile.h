#pragma once
#include <string>
#include <unordered_map>

// Reads a string-table file: one entry per line, the key, a tab, the text.
// Lines starting with # are comments; \n in a text stands for a line feed.
std::unordered_map<std::string, std::string> ReadStringTableFile(const std::string& path);

// All entries of every table in a folder (the output's translations).
const std::unordered_map<std::string, std::string>& OutputStringTable();
