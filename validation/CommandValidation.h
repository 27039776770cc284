#pragma once

class GGraphSettings;

// The checks of a parsed GGRAPH command as a whole, completing the variable
// mappings of visualization templates on the way. False after the first
// reported failure; mappings completed before it keep their values.
bool ValidateCommand(GGraphSettings& settings);
