#pragma once
#include <string>

class VEXA_Variable;
union OBS;

// The text of a string cell: as many bytes as the width, without trailing
// blanks. A blank cell is the value "", one category like any other.
std::string StringCellText(const OBS* cell, int width);

// A number as the tables and filters show it: 16 significant digits, UTF-8.
std::string NumberText(double value);

// The text under which a cell of the variable is compared with filter values
// and shown as a split category: the string text above, or the number text.
std::string ValueText(const VEXA_Variable& variable, const OBS* cell);

// The variable's format width; a string cell holds as many bytes.
int StringWidth(const VEXA_Variable& variable);
