#pragma once
#include <string>
#include <string_view>

// A name the engine accepts for a variable: not a scratch name (#) and not a
// system or set name ($).
bool IsValidVariableName(std::string_view name);
// A multiple-response set's name: "$" followed by a valid name.
bool IsValidSetName(std::string_view name);
// Names are compared ignoring case.
bool SameName(std::string_view a, std::string_view b);
// The name as SameName compares it, for hashing (the name in upper case).
std::string NameKey(std::string_view name);
