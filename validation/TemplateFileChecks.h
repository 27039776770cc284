#pragma once

class GraphSpec;

// Resolves the data map, reference map and style sheet of a template spec
// and makes sure the chart can reach them; a data map needs a map key. False
// after reporting the first failure.
bool CheckTemplateFiles(GraphSpec& spec);
